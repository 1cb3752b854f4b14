#pragma once
// What the command line asks for. Kept apart from start-up so that further
// modes (headless export and the like) can be added in one place.
#include <QStringList>

class CCommandLine
{
public:
    enum class Action { Run, ShowHelp, ShowVersion, Fail };

    struct Result
    {
        Action action = Action::Run;
        QStringList files; // labels and templates to open, in order
        QString text;      // help, version or the reason of a failure
    };

    // arguments[0] is the program, as in QCoreApplication::arguments().
    static Result Parse(const QStringList& arguments);
    static QString VersionText();
};

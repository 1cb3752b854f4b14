#pragma once
// The one parser of the command line: files to open in the window, help,
// version, and the headless modes (see HeadlessMode.h).
#include <QCommandLineParser>
#include <QStringList>
#include <memory>

struct CHeadlessMode;

class CCommandLine
{
public:
    enum class Action { Run, Headless, ShowHelp, ShowVersion, Fail };

    struct Result
    {
        Action action = Action::Run;
        QStringList files; // labels and templates to open, in order
        QString text;      // help, version or the reason of a failure
        int status = 0;    // the exit status of a failure
        const CHeadlessMode* mode = nullptr;
        std::shared_ptr<const QCommandLineParser> parser; // what the mode reads
    };

    // arguments[0] is the program, as in QCoreApplication::arguments().
    static Result Parse(const QStringList& arguments);
    static QString VersionText();
};

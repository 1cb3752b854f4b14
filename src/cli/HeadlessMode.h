#pragma once
// One headless mode of the command line: the option that selects it, the
// options it reads, its lines in --help, and what it does. A new mode is a
// function returning one of these, added to the list in HeadlessModes().
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

struct CHeadlessMode
{
    QCommandLineOption selector;
    // Further options it reads. Modes may share one (--save): the first
    // mode to list it gives its description.
    QList<QCommandLineOption> options;
    QString help;
    // A usage problem with the parsed arguments, or an empty string.
    std::function<QString(const QCommandLineParser&)> check;
    // Runs in an existing application object; returns the exit status.
    std::function<int(const QCommandLineParser&)> run;
};

// An option that takes a value: --name VALUE.
inline QCommandLineOption ValueOption(const char* name, const char* description, const char* valueName)
{
    return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(description), QString::fromLatin1(valueName));
}

// --save OUT.cla, read by every mode that writes a label.
const QCommandLineOption& SaveOption();

const std::vector<CHeadlessMode>& HeadlessModes();

CHeadlessMode ExportMode();
CHeadlessMode InfoMode();
CHeadlessMode NewFromMode();
CHeadlessMode ReadDirMode();
CHeadlessMode DiscIdMode();
CHeadlessMode CddbMode();

#pragma once
// The program run as a script would run it: a process of its own with no
// display and its own HOME and settings inside a folder of the test's.
#include <QByteArray>
#include <QString>
#include <QStringList>

struct CProgramRun
{
    int exitCode = -1; // -1: did not end within a minute; -2: crashed
    QByteArray out;
    QByteArray err;
};

// Keeps this process's events flowing while it waits, so a server the test
// runs in this process goes on answering the program.
CProgramRun RunProgram(const QString& folder, const QStringList& args);

#pragma once
// The modes that run without a window: export a label as printed, print its
// content as JSON, make a label from a template. Exit codes: 0 success,
// 1 usage, 2 input error, 3 output error.
#include <QStringList>

class CHeadlessRunner
{
public:
    enum ExitCode { Ok = 0, UsageError = 1, InputError = 2, OutputError = 3 };

    // True when the arguments ask for a headless mode (checked before any
    // application object exists, so the offscreen platform can be chosen).
    static bool IsHeadless(int argc, char** argv);
    static QString HelpText();

    // arguments without the program name
    int Run(const QStringList& arguments);
};

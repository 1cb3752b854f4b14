#pragma once
// Everything the program does without a window: help, version, usage errors
// and the headless modes. Exit codes: 0 success, 1 usage, 2 input error,
// 3 output error.
#include "cli/CommandLine.h"

class CHeadlessRunner
{
public:
    enum ExitCode { Ok = 0, UsageError = 1, InputError = 2, OutputError = 3 };

    // For a parse result other than Run: makes the (offscreen) application
    // object, seeds the home folder for a mode, and answers.
    static int Main(int argc, char** argv);
    // Answers a parsed command line inside an existing application object.
    static int Run(const CCommandLine::Result& command);
};

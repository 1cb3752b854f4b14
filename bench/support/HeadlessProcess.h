#pragma once
// The installed program run as a separate process with a throw-away home
// and configuration, so whole-process times include start-up and exit.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <string>

class HeadlessProcess
{
public:
    HeadlessProcess()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("home"));
        m_env.remove(QStringLiteral("DISPLAY"));
        m_env.insert(QStringLiteral("HOME"), m_dir.path() + QStringLiteral("/home"));
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path() + QStringLiteral("/config"));
    }

    QString Folder() const { return m_dir.path(); }

    // True when the program exits with 0 and, if one is given, prints exactly
    // the expected output.
    bool Run(const QStringList& args, const QByteArray& expectedOutput = {}) const
    {
        QProcess process;
        process.setProcessEnvironment(m_env);
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(COVERMINT_BINARY), args);
        process.waitForFinished(30000);
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return false;
        return expectedOutput.isNull() || process.readAllStandardOutput() == expectedOutput;
    }

    // Times each run; the first, untimed, seeds the home folder.
    void Time(benchmark::State& state, const QStringList& args, const QByteArray& expectedOutput = {}) const
    {
        const std::string failure = (args.value(0) + QStringLiteral(" failed")).toStdString();
        if (!Run(args, expectedOutput)) {
            state.SkipWithError(failure.c_str());
            return;
        }
        for (auto _ : state)
            if (!Run(args, expectedOutput))
                state.SkipWithError(failure.c_str());
    }

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
};

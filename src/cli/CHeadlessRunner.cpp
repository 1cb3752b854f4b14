#include "cli/CHeadlessRunner.h"

#include "cli/HeadlessMode.h"
#include "cli/HeadlessSupport.h"
#include "document/HomeFolderSeed.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

// Scripts read stderr for our one-line messages; Qt's chatter about the
// environment is not for them.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        PrintError(text);
}

} // namespace

int CHeadlessRunner::Main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Covermint"));
    const CCommandLine::Result command = CCommandLine::Parse(QCoreApplication::arguments());
    if (command.action == CCommandLine::Action::Headless) {
        // The same home folder the window would use, seeded on a first start.
        QString message;
        if (CHomeFolderSeed::Run(QCoreApplication::applicationDirPath(), &message) == CHomeFolderSeed::Outcome::Failed)
            PrintError(message.simplified());
    }
    return Run(command);
}

int CHeadlessRunner::Run(const CCommandLine::Result& command)
{
    switch (command.action) {
    case CCommandLine::Action::ShowHelp:
    case CCommandLine::Action::ShowVersion:
        std::fprintf(stdout, "%s\n", qPrintable(command.text));
        return Ok;
    case CCommandLine::Action::Fail:
        PrintError(command.text);
        return command.status;
    case CCommandLine::Action::Headless:
        return command.mode->run(*command.parser);
    case CCommandLine::Action::Run:
        break;
    }
    return UsageError;
}

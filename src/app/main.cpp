#include "app/CCovermintApp.h"
#include "app/CHeadlessRunner.h"
#include "app/HomeFolderSeed.h"
#include "app/SingleInstance.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace {

// --help and --version print and exit: they need no display either.
bool OnlyPrints(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* flag : {"-h", "--help", "-v", "--version"})
            if (std::strcmp(argv[i], flag) == 0)
                return true;
    return false;
}

// Scripts read stderr for our one-line messages; Qt's chatter about the
// environment is not for them.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "covermint: %s\n", text.toLocal8Bit().constData());
}

int RunHeadless(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Covermint"));
    // The same home folder the window would use, seeded on a first start.
    QString message;
    if (CHomeFolderSeed::Run(QCoreApplication::applicationDirPath(), &message) == CHomeFolderSeed::Outcome::Failed)
        std::fprintf(stderr, "covermint: %s\n", message.simplified().toLocal8Bit().constData());
    return CHeadlessRunner().Run(QCoreApplication::arguments().mid(1));
}

} // namespace

int main(int argc, char** argv)
{
    const bool headless = CHeadlessRunner::IsHeadless(argc, argv);
    if (headless || OnlyPrints(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQtMessages);
    }
    if (headless)
        return RunHeadless(argc, argv);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Covermint"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.covermint.Covermint"));
    const QStringList files = CCovermintApp::FilesToOpen(QApplication::arguments());
    if (!files.isEmpty() && SingleInstance::HandOver(files))
        return 0;
    int status = 0;
    {
        CCovermintApp covermint(QApplication::applicationDirPath());
        status = covermint.Start(QApplication::arguments());
        if (status < 0) {
            CInstanceServer server([&covermint](const QStringList& more) { covermint.OpenHandedOver(more); });
            status = QApplication::exec();
        }
    }
    return status;
}

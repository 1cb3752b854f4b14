#include "app/CCovermintApp.h"
#include "app/SingleInstance.h"
#include "cli/CHeadlessRunner.h"

#include <QApplication>

namespace {

// The arguments as QCoreApplication would decode them, before it exists, so
// that help, version and the headless modes never need a display.
QStringList Arguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    if (CCommandLine::Parse(Arguments(argc, argv)).action != CCommandLine::Action::Run)
        return CHeadlessRunner::Main(argc, argv);

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

#include "FuzzSupport.h"

#include "platform/Prompter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace {

class CSilentPrompter final : public CPrompter
{
public:
    void ShowMessage(const QString&, Icon) override {}
    bool AskYesNo(const QString&) override { return false; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
};

QTemporaryDir& Scratch()
{
    static QTemporaryDir dir;
    return dir;
}

} // namespace

void Fuzz::Initialize()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QByteArray root = Scratch().path().toLocal8Bit();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    static CSilentPrompter prompter;
    SetPrompter(&prompter);
    // Nothing the readers save may land where the fuzzer was started.
    QDir().mkpath(HomeFolder() + QStringLiteral("Templates"));
    QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint")).setValue(QStringLiteral("HOMEDIR"), HomeFolder());
    QDir::setCurrent(Scratch().path());
}

QString Fuzz::HomeFolder()
{
    return Scratch().path() + QStringLiteral("/home/");
}

QString Fuzz::ScratchFolder()
{
    return Scratch().path();
}

QString Fuzz::WriteScratchFile(const QString& name, const std::uint8_t* data, std::size_t size)
{
    const QString path = Scratch().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        __builtin_trap(); // the scratch folder must work, or nothing is tested
    return path;
}

QByteArray Fuzz::ReadFileOrTrap(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        __builtin_trap();
    return file.readAll();
}

// An install into a throw-away DESTDIR, checked by the desktop's own tools
// and run from there as a user would.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Finished
{
    int exitCode = -1;
    QString out;
    QString err;
};

Finished Execute(const QString& program, const QStringList& arguments, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
            const QString& workingDir = {})
{
    QProcess process;
    process.setProcessEnvironment(env);
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start(program, arguments);
    Finished run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        run.err = QStringLiteral("%1 did not finish: %2").arg(program, process.errorString());
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

class Installed : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_root = new QTemporaryDir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), s_root->path());
        const Finished install = Execute(QStringLiteral("cmake"),
                                    {QStringLiteral("--install"), QStringLiteral(COVERMINT_BUILD_DIR),
                                     QStringLiteral("--prefix"), QStringLiteral("/opt/cm")},
                                    env);
        ASSERT_EQ(install.exitCode, 0) << install.err.toStdString();
    }
    static void TearDownTestSuite() { delete s_root; }

    static QString Share(const QString& relative) { return s_root->filePath(QStringLiteral("opt/cm/share/") + relative); }
    static QString Program() { return s_root->filePath(QStringLiteral("opt/cm/bin/covermint")); }

    static inline QTemporaryDir* s_root = nullptr;
};

TEST_F(Installed, DesktopFilesPassTheirValidatorsAndTheIconsHaveTheirSizes)
{
    const Finished desktop = Execute(QStringLiteral("desktop-file-validate"),
                                {Share(QStringLiteral("applications/org.covermint.Covermint.desktop"))});
    EXPECT_EQ(desktop.exitCode, 0);
    EXPECT_EQ(desktop.out + desktop.err, QString());
    const Finished meta = Execute(QStringLiteral("appstreamcli"),
                             {QStringLiteral("validate"), QStringLiteral("--no-net"),
                              Share(QStringLiteral("metainfo/org.covermint.Covermint.metainfo.xml"))});
    EXPECT_EQ(meta.exitCode, 0) << meta.out.toStdString();

    EXPECT_TRUE(QFileInfo(Share(QStringLiteral("icons/hicolor/scalable/apps/org.covermint.Covermint.svg"))).isFile());
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(Share(QStringLiteral("icons/hicolor/%1x%1/apps/org.covermint.Covermint.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_TRUE(icon.hasAlphaChannel());
    }
}

TEST_F(Installed, TheMimeDatabaseKnowsLabelsAndTemplates)
{
    QTemporaryDir data;
    ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("mime/packages")));
    ASSERT_TRUE(QFile::copy(Share(QStringLiteral("mime/packages/covermint.xml")),
                            data.filePath(QStringLiteral("mime/packages/covermint.xml"))));
    // The system's own types (application/xml among them) come along.
    QDir system(QStringLiteral("/usr/share/mime/packages"));
    for (const QString& file : system.entryList({QStringLiteral("*.xml")}))
        QFile::copy(system.filePath(file), data.filePath(QStringLiteral("mime/packages/") + file));
    const Finished update = Execute(QStringLiteral("update-mime-database"), {data.filePath(QStringLiteral("mime"))});
    ASSERT_EQ(update.exitCode, 0) << update.err.toStdString();

    QFile label(QDir(QStringLiteral(COVERMINT_SOURCE_SHARE)).filePath(QStringLiteral("Templates/ZIP Disk/ZIP Disk Label.cte")));
    ASSERT_TRUE(label.open(QIODevice::ReadOnly));
    const QByteArray content = label.readAll();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    env.insert(QStringLiteral("XDG_DATA_DIRS"), data.path());
    const struct
    {
        const char* name;
        const char* type;
    } cases[] = {
        {"backup.cla", "application/x-covermint-label"},
        {"start.cte", "application/x-covermint-template"},
        {"no-extension", "application/x-covermint-label"}, // by its root element
    };
    for (const auto& c : cases) {
        const QString path = data.filePath(QString::fromLatin1(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const Finished query = Execute(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), path}, env);
        EXPECT_EQ(query.out.trimmed(), QString::fromLatin1(c.type)) << c.name << query.err.toStdString();
    }
}

TEST_F(Installed, FirstStartSeedsTheHomeFolderFromTheInstalledSeed)
{
    // A file only the installed seed has proves where the copy came from.
    QFile marker(Share(QStringLiteral("covermint/installed-only.txt")));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();

    QTemporaryDir user;
    for (const char* sub : {"home", "config", "work"})
        ASSERT_TRUE(QDir(user.path()).mkpath(QString::fromLatin1(sub)));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), user.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), user.filePath(QStringLiteral("config")));
    const QString png = user.filePath(QStringLiteral("work/zip.png"));
    // The template is there once the start has seeded the home folder.
    const QString seeded = user.filePath(QStringLiteral("home/Covermint/Templates/ZIP Disk/ZIP Disk Label.cte"));
    const Finished run = Execute(Program(), {QStringLiteral("--export"), png, QStringLiteral("--dpi"), QStringLiteral("50"), seeded},
                                 env, user.filePath(QStringLiteral("work")));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(QImage(png).isNull());
    EXPECT_TRUE(QFileInfo(user.filePath(QStringLiteral("home/Covermint/installed-only.txt"))).isFile());
}

TEST_F(Installed, TheManPageListsEveryOptionOfTheHelp)
{
    const Finished help = Execute(Program(), {QStringLiteral("--help")});
    ASSERT_EQ(help.exitCode, 0);
    QFile page(Share(QStringLiteral("man/man1/covermint.1")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString man = QString::fromUtf8(page.readAll());
    QStringList options;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("--[a-z][a-z-]*")).globalMatch(help.out))
        options << m.captured();
    options.removeDuplicates();
    EXPECT_GE(options.size(), 8);
    for (const QString& option : options)
        EXPECT_TRUE(man.contains(QString(option).replace(QLatin1Char('-'), QStringLiteral("\\-")))) << option.toStdString();
}

} // namespace

// One window per user: a second start with a label hands it to the running
// program; both are real processes. Also the desktop's recent-files list.
#include "platform/DesktopRecentFiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

namespace {

bool WaitFor(const std::function<bool()>& condition, int ms = 60000)
{
    QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class SecondStart : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* sub : {"home", "config", "data", "runtime"})
            ASSERT_TRUE(QDir(m_user.path()).mkpath(QString::fromLatin1(sub)));
        QFile::setPermissions(m_user.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_env.insert(QStringLiteral("HOME"), m_user.filePath(QStringLiteral("home")));
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_user.filePath(QStringLiteral("config")));
        m_env.insert(QStringLiteral("XDG_DATA_HOME"), m_user.filePath(QStringLiteral("data")));
        m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_user.filePath(QStringLiteral("runtime")));
        const QString label = QStringLiteral(COVERMINT_SOURCE_SHARE "/Templates/ZIP Disk/ZIP Disk Label.cte");
        for (const QString& name : {QStringLiteral("first.cla"), QStringLiteral("second.cla")})
            ASSERT_TRUE(QFile::copy(label, m_user.filePath(name)));
    }

    void TearDown() override
    {
        if (m_window.state() != QProcess::NotRunning) {
            m_window.kill();
            m_window.waitForFinished();
        }
    }

    void StartWindow(const QString& file)
    {
        m_window.setProcessEnvironment(m_env);
        m_window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_window.start(QStringLiteral(COVERMINT_BINARY), {file});
        ASSERT_TRUE(m_window.waitForStarted());
    }

    // The first entry of our own recent list, read from its settings file.
    QString MostRecent() const
    {
        QSettings settings(m_user.filePath(QStringLiteral("config/Covermint/Covermint.conf")), QSettings::IniFormat);
        return settings.value(QStringLiteral("Recent File List/File1")).toString();
    }

    QString Path(const char* name) const { return m_user.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_user;
    QProcessEnvironment m_env;
    QProcess m_window;
};

TEST_F(SecondStart, HandsTheFileToTheRunningWindowAndExits)
{
    // What a crashed window leaves behind answers nobody.
    const QString socket = m_user.filePath(QStringLiteral("runtime/covermint.socket"));
    QFile stale(socket);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    // No window yet: the program starts with the file.
    StartWindow(Path("first.cla"));
    ASSERT_TRUE(WaitFor([&] { return MostRecent() == Path("first.cla"); }));
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(socket) && !QFileInfo(socket).isFile(); }));

    QProcess second;
    second.setProcessEnvironment(m_env);
    second.start(QStringLiteral(COVERMINT_BINARY), {Path("second.cla")});
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    EXPECT_TRUE(WaitFor([&] { return MostRecent() == Path("second.cla"); }));
    EXPECT_EQ(m_window.state(), QProcess::Running);
    // The desktop's list has both.
    const auto listed = [&](const char* name) {
        return ReadText(m_user.filePath(QStringLiteral("data/recently-used.xbel")))
            .contains(QUrl::fromLocalFile(Path(name)).toString(QUrl::FullyEncoded));
    };
    EXPECT_TRUE(WaitFor([&] { return listed("first.cla") && listed("second.cla"); }));
}

TEST(DesktopRecentFiles, AddsUpdatesAndKeepsOtherProgramsEntries)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("sub/recently-used.xbel"));
    const QDateTime t1(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
    const QDateTime t2 = t1.addDays(1);
    ASSERT_TRUE(CDesktopRecentFiles::Add(QStringLiteral("/l/a b.cla"), list, t1));
    ASSERT_TRUE(CDesktopRecentFiles::Add(QStringLiteral("/l/t.cte"), list, t1));

    // Another program's entry, written the way others write theirs.
    QString text = ReadText(list);
    text.replace(QStringLiteral("</xbel>"),
                 QStringLiteral("<bookmark href=\"file:///other.txt\" added=\"x\"><title>keep me</title></bookmark></xbel>"));
    QFile rewrite(list);
    ASSERT_TRUE(rewrite.open(QIODevice::WriteOnly | QIODevice::Truncate));
    rewrite.write(text.toUtf8());
    rewrite.close();

    ASSERT_TRUE(CDesktopRecentFiles::Add(QStringLiteral("/l/a b.cla"), list, t2));
    text = ReadText(list);
    EXPECT_EQ(text.count(QStringLiteral("href=\"file:///l/a%20b.cla\"")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("added=\"2026-01-02T03:04:05.000000Z\" modified=\"2026-01-03T03:04:05.000000Z\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("count=\"2\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("<mime:mime-type type=\"application/x-covermint-template\"/>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<title>keep me</title>")));

    // A list that is not XBEL is never overwritten.
    ASSERT_TRUE(rewrite.open(QIODevice::WriteOnly | QIODevice::Truncate));
    rewrite.write("<xbel><bookmark");
    rewrite.close();
    EXPECT_FALSE(CDesktopRecentFiles::Add(QStringLiteral("/l/c.cla"), list, t2));
    EXPECT_EQ(ReadText(list), QStringLiteral("<xbel><bookmark"));
}

} // namespace

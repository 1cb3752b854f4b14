#include "AppTestSupport.h"
#include "app/CMainFrame.h"
#include "app/CTipDlg.h"
#include "app/CTreeViewTemplate.h"
#include "document/CPreferences.h"
#include "platform/RecordingPrompter.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace apptest;

namespace {

// A user who never ran the program: a fresh home directory, nothing
// registered, and a current directory without templates.
class CNewUser
{
public:
    CNewUser() : m_oldHome(qgetenv("HOME")), m_oldCurrent(QDir::currentPath())
    {
        qputenv("HOME", m_home.path().toLocal8Bit());
        QDir::setCurrent(m_work.path());
        Unregister();
    }
    ~CNewUser()
    {
        QDir::setCurrent(m_oldCurrent);
        qputenv("HOME", m_oldHome);
        Unregister();
    }
    QString Home() const { return m_home.path() + QStringLiteral("/Covermint/"); }
    QString WorkFolder() const { return m_work.path(); }

    static void Unregister()
    {
        QSettings settings(QStringLiteral("Covermint"), QStringLiteral("Covermint"));
        settings.remove(QStringLiteral("HOMEDIR"));
        settings.sync();
        CPreferences::Reset();
    }
    static void Register(const QString& folder)
    {
        QSettings settings(QStringLiteral("Covermint"), QStringLiteral("Covermint"));
        settings.setValue(QStringLiteral("HOMEDIR"), folder);
        settings.sync();
        CPreferences::Reset();
    }

private:
    QTemporaryDir m_home;
    QTemporaryDir m_work;
    QByteArray m_oldHome;
    QString m_oldCurrent;
};

} // namespace

TEST(FirstStart, MakesAHomeFolderFromTheSeedAndShowsTemplatesAndATipWithoutMessages)
{
    CRecordingPrompter prompter;
    CNewUser user;
    ClearProfile(0);
    auto app = Started();

    EXPECT_EQ(CHomeFolderSeed::RegisteredHome(), user.Home());
    EXPECT_EQ(CPreferences::Instance().HomeFolder(), user.Home());
    for (const char* path : {"Labels", "Images", "Templates/CD Jewel Case/CD Front Insert.cte",
                             "Templates/CD Jewel Case/CD Back Insert.cte", "Templates/ZIP Disk/ZIP Disk Label.cte",
                             "Templates/JAZ Disk/JAZ Disk Label.cte", "Templates/DVD Case/DVD Case Wrap.cte",
                             "Templates/CD DVD Disc/CD DVD Disc Face.cte", "tips.txt", "help/index.html",
                             "Images/Sunset.jpg", "Covermint.pref"})
        EXPECT_TRUE(QFileInfo::exists(user.Home() + QLatin1String(path))) << path;

    CTreeViewTemplate* templates = app->MainFrame()->TemplateTree();
    EXPECT_EQ(ChildTexts(templates->Root()),
              QStringList({"CD DVD Disc", "CD Jewel Case", "DVD Case", "JAZ Disk", "ZIP Disk"}));
    ASSERT_NE(app->TipDialog(), nullptr);
    EXPECT_TRUE(app->TipDialog()->TipText().startsWith(QStringLiteral("Start a new label")));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(QLatin1Char('\n')).toStdString();
    // Nothing was put into the current directory.
    EXPECT_TRUE(QDir(user.WorkFolder()).isEmpty());
}

TEST(FirstStart, NothingIsMadeWhenAHomeFolderIsRegisteredOrTheCurrentDirectoryIsOne)
{
    CNewUser user;
    SeededHome home; // registers itself
    EXPECT_EQ(CHomeFolderSeed::Run(QCoreApplication::applicationDirPath(), nullptr),
              CHomeFolderSeed::Outcome::NotNeeded);
    EXPECT_FALSE(QFileInfo::exists(user.Home()));

    CNewUser::Unregister();
    ASSERT_TRUE(QDir(user.WorkFolder()).mkpath(QStringLiteral("Templates")));
    EXPECT_EQ(CHomeFolderSeed::Run(QCoreApplication::applicationDirPath(), nullptr),
              CHomeFolderSeed::Outcome::NotNeeded);
    EXPECT_FALSE(QFileInfo::exists(user.Home()));
}

TEST(FirstStart, ARegisteredHomeFolderThatVanishedIsMadeAgainAndExplained)
{
    CRecordingPrompter prompter;
    CNewUser user;
    ClearProfile();
    CNewUser::Register(QStringLiteral("/no/such/folder/Covermint/"));
    auto app = Started();
    EXPECT_EQ(CHomeFolderSeed::RegisteredHome(), user.Home());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().contains(QStringLiteral("/no/such/folder/Covermint/")));
    EXPECT_TRUE(prompter.messages.front().contains(user.Home()));
    EXPECT_EQ(app->MainFrame()->TemplateTree()->Root()->childCount(), 5);
}

TEST(FirstStart, PopulateKeepsTheUsersFilesAndReportsWhatItCannotDo)
{
    CNewUser user;
    const QString seed = QStringLiteral(COVERMINT_SOURCE_SHARE);
    QTemporaryDir target;
    QFile tips(target.filePath(QStringLiteral("tips.txt")));
    ASSERT_TRUE(tips.open(QIODevice::WriteOnly));
    tips.write("My own tip\n");
    tips.close();
    QString error;
    ASSERT_TRUE(CHomeFolderSeed::Populate(seed, target.path(), &error)) << error.toStdString();
    EXPECT_EQ(ReadAll(target.filePath(QStringLiteral("tips.txt"))), QByteArray("My own tip\n"));
    EXPECT_TRUE(QFileInfo(target.filePath(QStringLiteral("Templates/ZIP Disk/ZIP Disk Label.cte"))).isWritable());

    // A file where the home folder should go.
    QFile blocker(target.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(CHomeFolderSeed::Populate(seed, blocker.fileName(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Could not create the folder"))) << error.toStdString();
    EXPECT_FALSE(CHomeFolderSeed::Populate(target.filePath(QStringLiteral("Labels")), target.path(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("holds no templates"))) << error.toStdString();
}

TEST(FirstStart, TheSeedIsFoundNextToTheProgramOnly)
{
    QTemporaryDir install;
    ASSERT_TRUE(QDir(install.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(install.path()).mkpath(QStringLiteral("share/covermint/Templates")));
    EXPECT_EQ(CHomeFolderSeed::FindSeed(install.filePath(QStringLiteral("bin"))),
              install.filePath(QStringLiteral("share/covermint")));
    EXPECT_EQ(CHomeFolderSeed::FindSeed(install.filePath(QStringLiteral("deep/down/bin"))), QString());
}

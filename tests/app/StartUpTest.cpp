#include "AppTestSupport.h"
#include "BuildInfo.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CTreeViewTemplate.h"
#include "app/RecentFileList.h"
#include "document/CCovermintDoc.h"
#include "platform/RecordingPrompter.h"
#include "toolkit/CommandIds.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QProcess>
#include <gtest/gtest.h>

using namespace apptest;
using StartUp = AppTest;
using RecentFiles = AppTest;
using Opening = AppTest;

namespace {

QStringList MenuTitles(const CMainFrame& frame)
{
    QStringList titles;
    for (QMenu* menu : frame.MenuBarMenus())
        titles << menu->title();
    return titles;
}

} // namespace

TEST(CommandLine, TheProgramPrintsAndExitsWithoutAWindow)
{
    QProcess program;
    program.start(QStringLiteral(COVERMINT_BINARY), {QStringLiteral("--version")});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput().trimmed(), QByteArray("Covermint 2.0 Bld " COVERMINT_BUILD_NUMBER));

    program.start(QStringLiteral(COVERMINT_BINARY), {QStringLiteral("--no-such-option")});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_NE(program.exitCode(), 0);
    EXPECT_TRUE(program.readAllStandardError().contains("no-such-option"));
}

TEST_F(StartUp, NoLabelWithoutArgumentsAndTheLabelMenusOnceOneIsOpen)
{
    ASSERT_TRUE(home.AddLabel(QStringLiteral("disk.cla")));
    {
        auto app = Started();
        ASSERT_NE(app->MainFrame(), nullptr);
        EXPECT_TRUE(app->MainFrame()->isVisible());
        EXPECT_TRUE(app->MainFrame()->Frames().isEmpty());
        EXPECT_EQ(MenuTitles(*app->MainFrame()), QStringList({"&File", "&View", "&Links", "&Help"}));
        EXPECT_EQ(app->TipDialog(), nullptr); // the profile says no tips
    }
    auto app = Started({home.Label(QStringLiteral("disk.cla"))});
    const QList<CChildFrame*> frames = app->MainFrame()->Frames();
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames.front()->Document().Title(), QStringLiteral("disk.cla"));
    EXPECT_EQ(frames.front()->Document().PathName(), home.Label(QStringLiteral("disk.cla")));
    EXPECT_FALSE(frames.front()->Document().IsModified());
    EXPECT_TRUE(frames.front()->Document().Engine().HasPrimitives());
    EXPECT_EQ(MenuTitles(*app->MainFrame()),
              QStringList({"&File", "&Edit", "&Drawing", "&View", "&Window", "&Links", "&Help"}));
    EXPECT_EQ(app->RecentFiles().Files(), QStringList({home.Label(QStringLiteral("disk.cla"))}));
    EXPECT_TRUE(prompter.messages.isEmpty());

    // The last label closed: back to the short menus.
    frames.front()->close();
    QTest::qWait(10);
    EXPECT_EQ(MenuTitles(*app->MainFrame()), QStringList({"&File", "&View", "&Links", "&Help"}));
}

TEST_F(StartUp, FilesThatCannotBeOpenedAreReportedAndTheProgramRuns)
{
    ASSERT_TRUE(home.WriteFile(QStringLiteral("Labels/broken.cla"), "<COVERMINTLABEL><NAME>oops"));
    ASSERT_TRUE(home.AddLabel(QStringLiteral("good.cla")));
    const QByteArray brokenBytes = ReadAll(home.Label(QStringLiteral("broken.cla")));
    auto app = Started({home.Label(QStringLiteral("missing.cla")), home.Label(QStringLiteral("broken.cla")),
                        home.Label(QStringLiteral("good.cla"))});
    EXPECT_TRUE(app->MainFrame()->isVisible());
    ASSERT_EQ(app->MainFrame()->Frames().size(), 1);
    EXPECT_EQ(app->MainFrame()->Frames().front()->Document().Title(), QStringLiteral("good.cla"));
    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("missing.cla")));
    // An unreadable label is not opened, so no later Save can write over it.
    EXPECT_EQ(ReadAll(home.Label(QStringLiteral("broken.cla"))), brokenBytes);
}

TEST_F(StartUp, OpeningAnOpenLabelAgainBringsItsWindowForward)
{
    auto app = StartedOnTwoLabels();
    EXPECT_EQ(app->ActiveFrame()->Document().Title(), QStringLiteral("two.cla"));
    CChildFrame* again = app->OpenDocumentFile(home.Label(QStringLiteral("one.cla")));
    EXPECT_EQ(app->MainFrame()->Frames().size(), 2);
    EXPECT_EQ(again, app->ActiveFrame());
    EXPECT_EQ(again->Document().Title(), QStringLiteral("one.cla"));
    EXPECT_EQ(app->RecentFiles().Files().front(), home.Label(QStringLiteral("one.cla")));
}

TEST_F(StartUp, TheTipOfTheDayShowsWhenTheProfileAsksForIt)
{
    ClearProfile(0);
    auto app = Started();
    ASSERT_NE(app->TipDialog(), nullptr);
    EXPECT_TRUE(app->TipDialog()->isVisible());
    EXPECT_FALSE(app->TipDialog()->TipText().isEmpty());
    EXPECT_NE(app->TipDialog()->TipText(), QStringLiteral("Tips file does not exist in the prescribed directory"));
}

TEST_F(RecentFiles, TheFourNewestComeFirstAndVanishedFilesAreDropped)
{
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths << home.Label(QStringLiteral("label%1.cla").arg(i));
        ASSERT_TRUE(home.AddLabel(QStringLiteral("label%1.cla").arg(i)));
    }
    auto app = Started(paths);
    EXPECT_EQ(app->RecentFiles().Files(), QStringList({paths[4], paths[3], paths[2], paths[1]}));

    // What the File menu offers, read back by a new list as the next run would.
    CRecentFileList stored;
    EXPECT_EQ(stored.Files(), app->RecentFiles().Files());
    QMenu menu;
    stored.AddToMenu(&menu);
    QStringList shown;
    for (QAction* action : menu.actions())
        if (action->isVisible())
            shown << action->text();
    EXPECT_EQ(shown.size(), 4);
    EXPECT_EQ(shown.front(), QStringLiteral("&1 ") + paths[4]);

    // An entry whose file is gone: reported, and taken off the list.
    app->MainFrame()->close();
    ASSERT_TRUE(QFile::remove(paths[3]));
    QObject::connect(&stored, &CRecentFileList::openRequested, app.get(), &CCovermintApp::OpenDocumentFile);
    menu.actions().at(2)->trigger(); // "&2 ...label3.cla"
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().contains(QStringLiteral("label3.cla")));
    EXPECT_FALSE(app->RecentFiles().Files().contains(paths[3]));
}

TEST(HomeFolder, WithoutTemplatesIsReportedAndTheProgramRuns)
{
    CRecordingPrompter prompter;
    CTempHome home(false);
    ClearProfile();
    auto app = Started();
    EXPECT_TRUE(app->MainFrame()->isVisible());
    EXPECT_EQ(app->MainFrame()->TemplateTree()->Root()->childCount(), 0);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().startsWith(QStringLiteral("I could not find the preferences file in")));
    EXPECT_EQ(app->NewLabelFromTemplate(QStringLiteral("CD Jewel Case/CD Front Insert.cte")), nullptr);
}

TEST_F(Opening, TheDialogStartsInLabelsAndThenWhereTheLastFileCameFrom)
{
    ASSERT_TRUE(home.AddLabel(QStringLiteral("first.cla")));
    auto app = Started();
    QString folder;
    QStringList filters;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        folder = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        dialog->setDirectory(home.Template(QStringLiteral("JAZ Disk")));
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("JAZ Disk Label.cte"));
        static_cast<QDialog*>(dialog)->accept();
    });
    app->MainFrame()->Action(CommandId::Open)->trigger();
    EXPECT_EQ(folder, QDir(home.FilePath(QStringLiteral("Labels"))).absolutePath());
    EXPECT_EQ(filters, QStringList({"Labels and Templates (*.cla , *.cte)", "All Files (*)"}));
    ASSERT_NE(app->ActiveFrame(), nullptr);
    EXPECT_EQ(app->ActiveFrame()->Document().Title(), QStringLiteral("JAZ Disk Label.cte"));

    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        folder = dialog->directory().absolutePath();
        dialog->reject();
    });
    app->MainFrame()->Action(CommandId::Open)->trigger();
    EXPECT_EQ(folder, QDir(home.FilePath(QStringLiteral("Templates/JAZ Disk"))).absolutePath());
    EXPECT_EQ(app->MainFrame()->Frames().size(), 1);
}

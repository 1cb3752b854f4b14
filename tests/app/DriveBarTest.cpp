// The drive bar: its drive list shows and sets the label drive, its buttons
// are the File menu's commands, and the View menu shows and hides it.
#include "AppTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CLabelDriveCombo.h"
#include "app/CMainFrame.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "support/FakeDeviceProbe.h"
#include "toolkit/CommandIds.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

using namespace apptest;
using namespace CommandId;
using DriveBar = AppTest;

TEST_F(DriveBar, ShowsByDefaultAndFollowsItsViewItem)
{
    auto app = Started();
    CMainFrame& main = *app->MainFrame();
    QToolBar* bar = main.ToolBar(ViewDriveBar);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    QAction* toggle = main.Action(ViewDriveBar);
    EXPECT_TRUE(toggle->isVisible());
    EXPECT_TRUE(toggle->isCheckable());
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(main.MenuBarMenus().at(1)->actions().contains(toggle));
    toggle->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(bar->isVisible());

    // Its buttons are the menu's commands, so they are enabled alike.
    for (int id : {ReadDrive, DirectoryInformation, ConnectToCddb}) {
        EXPECT_TRUE(bar->actions().contains(main.Action(id))) << id;
        EXPECT_FALSE(main.Action(id)->isEnabled()) << id;
    }
}

TEST_F(DriveBar, TheChosenDriveBecomesTheLabelDriveThatReadDriveReads)
{
    ASSERT_TRUE(home.WriteFile(QStringLiteral("stick/photo.jpg"), "x"));
    ASSERT_TRUE(home.AddLabel(QStringLiteral("disk.cla")));
    const QString stick = home.FilePath(QStringLiteral("stick"));
    CPreferences::Instance().SetLabelDrive(stick);
    auto app = Started({home.Label(QStringLiteral("disk.cla"))});
    CMainFrame& main = *app->MainFrame();
    auto* drives = main.ToolBar(ViewDriveBar)->findChild<CLabelDriveCombo*>();
    ASSERT_NE(drives, nullptr);
    EXPECT_EQ(drives->SelectedPath(), stick);

    // The root volume is always mounted; choosing it is remembered in the file.
    const int root = drives->findData(QStringLiteral("/"));
    ASSERT_GE(root, 0);
    drives->setCurrentIndex(root);
    emit drives->activated(root);
    CPreferences::Reset();
    EXPECT_EQ(CPreferences::Instance().LabelDrive(), QStringLiteral("/"));

    // The list is read again when it opens, the label drive still selected.
    CPreferences::Instance().SetLabelDrive(stick);
    drives->showPopup();
    drives->hidePopup();
    EXPECT_EQ(drives->SelectedPath(), stick);

    main.UpdateCommandStates();
    auto* read = qobject_cast<QToolButton*>(main.ToolBar(ViewDriveBar)->widgetForAction(main.Action(ReadDrive)));
    ASSERT_NE(read, nullptr);
    ASSERT_TRUE(read->isEnabled());
    read->click();
    const CFileDirectory& tree = app->ActiveFrame()->Document().Records().front()->Tree();
    ASSERT_EQ(tree.Children().size(), 1u);
    EXPECT_EQ(tree.Children().front()->Name(), QStringLiteral("photo.jpg"));
}

TEST_F(DriveBar, ReadDriveOnAnOpticalDriveReadsItsMountedDiscOrSaysThereIsNone)
{
    ASSERT_TRUE(home.WriteFile(QStringLiteral("media/cdrom/track.txt"), "x"));
    ASSERT_TRUE(home.AddLabel(QStringLiteral("disk.cla")));
    auto app = Started({home.Label(QStringLiteral("disk.cla"))});
    CCovermintDoc& doc = app->ActiveFrame()->Document();
    const QString device = QStringLiteral("/dev/sr7");
    FakeDeviceProbe probe;
    CPreferences::Instance().SetLabelDrive(device);

    probe.devices[device] = {true, true, QString()};
    app->MainFrame()->Action(ReadDrive)->trigger();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().startsWith(QStringLiteral("There is no disc mounted in the drive /dev/sr7.")));
    EXPECT_TRUE(doc.Records().front()->Tree().Children().empty());

    probe.devices[device].mountPoint = home.FilePath(QStringLiteral("media/cdrom"));
    app->MainFrame()->Action(ReadDrive)->trigger();
    EXPECT_EQ(prompter.messages.size(), 1);
    ASSERT_EQ(doc.Records().front()->Tree().Children().size(), 1u);
    EXPECT_EQ(doc.Records().front()->Tree().Children().front()->Name(), QStringLiteral("track.txt"));
}

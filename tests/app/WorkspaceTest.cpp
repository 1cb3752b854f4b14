#include "AppTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CTreeViewLabel.h"
#include "app/CTreeViewTemplate.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "platform/RecordingPrompter.h"
#include "view/CCovermintView.h"

#include <QDir>
#include <QFileInfo>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace apptest;

namespace {

QTreeWidgetItem* Child(QTreeWidgetItem* parent, const QString& text)
{
    for (int i = 0; parent && i < parent->childCount(); ++i)
        if (parent->child(i)->text(0) == text)
            return parent->child(i);
    return nullptr;
}

void PressDeleteOn(CTreeViewLabel* tree, QTreeWidgetItem* item)
{
    tree->setCurrentItem(item);
    QTest::keyClick(tree, Qt::Key_Delete);
}

} // namespace

TEST(Workspace, LabelsTabListsLabelFilesSortedWithoutRegardToCase)
{
    SeededHome home;
    for (const char* name : {"b.cla", "A.CLA", "c.Cla", "d.clax", "notes.txt", "e.cla.bak"})
        ASSERT_TRUE(home.WriteFile(QStringLiteral("Labels/") + name, "x"));
    ASSERT_TRUE(QDir(home.Path()).mkpath(QStringLiteral("Labels/folder.cla")));

    CTreeViewLabel tree;
    tree.Refresh();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    EXPECT_EQ(tree.Root()->text(0), QStringLiteral("Created Labels"));
    EXPECT_TRUE(tree.Root()->isExpanded());
    EXPECT_EQ(ChildTexts(tree.Root()), QStringList({"A.CLA", "b.cla", "c.Cla"}));
}

TEST(Workspace, TemplatesTabListsCategoriesAndTheirTemplates)
{
    SeededHome home;
    ASSERT_TRUE(home.WriteFile(QStringLiteral("Templates/aaa Mine/z.CTE"), "x"));
    ASSERT_TRUE(home.WriteFile(QStringLiteral("Templates/aaa Mine/readme.txt"), "x"));
    CTreeViewTemplate tree;
    tree.Refresh();
    EXPECT_EQ(tree.Root()->text(0), QStringLiteral("Available Templates"));
    EXPECT_EQ(ChildTexts(tree.Root()), QStringList({"aaa Mine", "CD DVD Disc", "CD Jewel Case", "DVD Case", "JAZ Disk", "ZIP Disk"}));
    EXPECT_EQ(ChildTexts(tree.Root()->child(0)), QStringList({"z.CTE"}));
    EXPECT_EQ(ChildTexts(tree.Root()->child(1)), QStringList({"CD DVD Disc Face.cte"}));
    EXPECT_EQ(ChildTexts(tree.Root()->child(2)),
              QStringList({"CD Back Insert.cte", "CD Front Insert.cte", "Slim CD Case Insert.cte"}));
}

TEST(Workspace, DeletingLabelsAsksAndRefusesOpenLabelsAndTheRoot)
{
    CRecordingPrompter prompter;
    SeededHome home;
    ASSERT_TRUE(home.AddLabel(QStringLiteral("keep.cla")));
    auto app = Started();
    CTreeViewLabel* tree = app->MainFrame()->LabelTree();
    const QString question = QStringLiteral("Are you sure you want to delete this label?");

    // No keeps the file.
    prompter.answers = {false};
    PressDeleteOn(tree, Child(tree->Root(), QStringLiteral("keep.cla")));
    EXPECT_EQ(prompter.questions, QStringList({question}));
    EXPECT_TRUE(QFileInfo::exists(home.Label(QStringLiteral("keep.cla"))));

    // Open in a window: refused.
    DoubleClick(tree, Child(tree->Root(), QStringLiteral("keep.cla")));
    ASSERT_EQ(app->MainFrame()->Frames().size(), 1);
    CChildFrame* frame = app->MainFrame()->Frames().front();
    EXPECT_EQ(frame->View().ZoomPercent(), 60);
    prompter.answers = {true};
    PressDeleteOn(tree, Child(tree->Root(), QStringLiteral("keep.cla")));
    EXPECT_EQ(prompter.messages, QStringList({"Please close this label before deleting it."}));
    EXPECT_TRUE(QFileInfo::exists(home.Label(QStringLiteral("keep.cla"))));

    // Closed: deleted, and gone from the list.
    frame->close();
    QCoreApplication::processEvents();
    prompter.answers = {true};
    PressDeleteOn(tree, Child(tree->Root(), QStringLiteral("keep.cla")));
    EXPECT_FALSE(QFileInfo::exists(home.Label(QStringLiteral("keep.cla"))));
    EXPECT_EQ(tree->Root()->childCount(), 0);

    // The root is no file.
    prompter.messages.clear();
    prompter.answers = {true};
    PressDeleteOn(tree, tree->Root());
    EXPECT_EQ(prompter.messages, QStringList({"Could not delete file."}));
    EXPECT_EQ(tree->topLevelItemCount(), 1);
}

TEST(Workspace, ALabelDeletedWhileListedIsReportedAndDroppedFromTheList)
{
    CRecordingPrompter prompter;
    SeededHome home;
    ASSERT_TRUE(home.AddLabel(QStringLiteral("gone.cla")));
    ASSERT_TRUE(home.AddLabel(QStringLiteral("stays.cla")));
    auto app = Started();
    CTreeViewLabel* tree = app->MainFrame()->LabelTree();
    ASSERT_TRUE(QFile::remove(home.Label(QStringLiteral("gone.cla"))));

    DoubleClick(tree, Child(tree->Root(), QStringLiteral("gone.cla")));
    EXPECT_TRUE(app->MainFrame()->Frames().isEmpty());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().contains(QStringLiteral("gone.cla")));
    EXPECT_EQ(ChildTexts(tree->Root()), QStringList({"stays.cla"}));

    // Deleting a file that vanished fails cleanly too.
    ASSERT_TRUE(QFile::remove(home.Label(QStringLiteral("stays.cla"))));
    prompter.messages.clear();
    prompter.answers = {true};
    PressDeleteOn(tree, Child(tree->Root(), QStringLiteral("stays.cla")));
    EXPECT_EQ(prompter.messages, QStringList({"Could not delete file."}));
}

TEST(Workspace, TheActiveTabIsRememberedAndRestored)
{
    CRecordingPrompter prompter;
    SeededHome home;
    {
        auto app = Started();
        QTabWidget* tabs = app->MainFrame()->Workspace();
        EXPECT_EQ(tabs->currentIndex(), 0);
        EXPECT_EQ(tabs->tabText(0), QStringLiteral("Labels"));
        EXPECT_EQ(tabs->tabText(1), QStringLiteral("Templates"));
        tabs->setCurrentIndex(1);
        EXPECT_EQ(CPreferences::Instance().ActiveTab(), 1);
    }
    CPreferences::Reset(); // read back from the file
    auto app = Started();
    EXPECT_EQ(app->MainFrame()->Workspace()->currentIndex(), 1);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(QLatin1Char('\n')).toStdString();
}

TEST(Workspace, DoubleClickingATemplateStartsANewLabelButCategoriesDoNothing)
{
    CRecordingPrompter prompter;
    SeededHome home;
    auto app = Started();
    CTreeViewTemplate* tree = app->MainFrame()->TemplateTree();
    app->MainFrame()->Workspace()->setCurrentIndex(1);
    QTreeWidgetItem* category = Child(tree->Root(), QStringLiteral("ZIP Disk"));
    DoubleClick(tree, category);
    DoubleClick(tree, tree->Root());
    EXPECT_TRUE(app->MainFrame()->Frames().isEmpty());

    category->setExpanded(true);
    DoubleClick(tree, Child(category, QStringLiteral("ZIP Disk Label.cte")));
    ASSERT_EQ(app->MainFrame()->Frames().size(), 1);
    const CCovermintDoc& document = app->MainFrame()->Frames().front()->Document();
    EXPECT_EQ(document.Title(), QStringLiteral("Untitled Label"));
    EXPECT_TRUE(document.PathName().isEmpty());
}

// The "Freehand Properties" dialog driven like a user would: deleting a
// point with the Delete key, editing a point in place, Apply and OK.
#include "document/CCovermintDoc.h"
#include "drawing/CFreehand.h"
#include "drawing/dialogs/CGeomFreehand.h"
#include "platform/RecordingPrompter.h"
#include "support/TempHome.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QStringList Texts(const QTreeWidget* tree)
{
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        out << tree->topLevelItem(i)->text(0);
    return out;
}

QList<int> Indexes(const QTreeWidget* tree)
{
    QList<int> out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        out << tree->topLevelItem(i)->data(0, Qt::UserRole).toInt();
    return out;
}

QPushButton* Button(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.findChild<QDialogButtonBox*>()->button(which);
}

void EditInPlace(QTreeWidget* tree, int row, const QString& text)
{
    tree->editItem(tree->topLevelItem(row));
    auto* editor = tree->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits the edit from a queued call.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct DialogTest : ::testing::Test
{
    CTempHome home;
    CRecordingPrompter prompter;
    CCovermintDoc document;
    std::shared_ptr<CFreehand> stroke = std::make_shared<CFreehand>(2, &document.Engine());

    void SetUp() override
    {
        stroke->BeginCreate(QPoint(100, -50));
        stroke->TrackCreate(QPoint(200, -150));
        stroke->TrackCreate(QPoint(300, -250));
        stroke->EndCreate(QPoint(425, -5));
        document.Engine().Append(stroke);
        document.SetModifiedFlag(false);
    }
};

} // namespace

TEST_F(DialogTest, DeleteKeyRemovesTheSelectedPointAtOnce)
{
    CGeomFreehand dialog(*stroke, document);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Freehand Properties"));
    auto* tree = dialog.findChild<QTreeWidget*>();
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(Texts(tree), (QStringList{QStringLiteral("   1.00,   0.50"), QStringLiteral("   2.00,   1.50"),
                                        QStringLiteral("   3.00,   2.50"), QStringLiteral("   4.25,   0.05")}));
    EXPECT_EQ(Indexes(tree), (QList<int>{0, 1, 2, 3}));
    dialog.show();

    tree->setCurrentItem(tree->topLevelItem(1));
    QTest::keyClick(tree, Qt::Key_Delete);
    EXPECT_EQ(stroke->Points(), (std::vector<QPoint>{{100, -50}, {300, -250}, {425, -5}}));
    EXPECT_EQ(Texts(tree), (QStringList{QStringLiteral("   1.00,   0.50"), QStringLiteral("   3.00,   2.50"),
                                        QStringLiteral("   4.25,   0.05")}));
    EXPECT_EQ(Indexes(tree), (QList<int>{0, 1, 2}));
    EXPECT_TRUE(document.IsModified());

    // The next Delete takes the item now under the cursor, by its new index.
    QTest::keyClick(tree, Qt::Key_Delete);
    EXPECT_EQ(stroke->Points(), (std::vector<QPoint>{{100, -50}, {425, -5}}));

    // Cancel does not bring deleted points back.
    Button(dialog, QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(stroke->Points().size(), 2u);
}

TEST_F(DialogTest, EditingInPlaceStoresThePointOrRefusesNonsense)
{
    CGeomFreehand dialog(*stroke, document);
    auto* tree = dialog.findChild<QTreeWidget*>();
    dialog.show();

    EditInPlace(tree, 2, QStringLiteral("2.5,1.25"));
    EXPECT_EQ(stroke->Points()[2], QPoint(250, -125));
    EXPECT_EQ(tree->topLevelItem(2)->text(0), QStringLiteral("2.5,1.25"));
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(prompter.messages.isEmpty());

    for (const QString& bad : {QStringLiteral("abc"), QStringLiteral("1.5"), QStringLiteral("1,1e9")}) {
        EditInPlace(tree, 0, bad);
        EXPECT_EQ(stroke->Points()[0], QPoint(100, -50)) << bad.toStdString();
        EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("   1.00,   0.50"));
    }
    EXPECT_EQ(prompter.messages.size(), 3);
}

TEST_F(DialogTest, ApplyAndOkStoreEveryItemByPosition)
{
    CGeomFreehand dialog(*stroke, document);
    auto* tree = dialog.findChild<QTreeWidget*>();
    dialog.show();

    // Changed behind the dialog's back: Apply writes the tree's points again.
    stroke->SetPoint(1, 0, 0);
    stroke->SetPoint(3, 7, 7);
    Button(dialog, QDialogButtonBox::Apply)->click();
    EXPECT_EQ(stroke->Points(), (std::vector<QPoint>{{100, -50}, {200, -150}, {300, -250}, {425, -5}}));
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(dialog.isVisible());

    // OK refuses an item that is not a point, changes nothing and stays open.
    {
        const QSignalBlocker quiet(tree);
        tree->topLevelItem(3)->setText(0, QStringLiteral("4.00;0.10"));
    }
    stroke->SetPoint(0, 1, 1);
    Button(dialog, QDialogButtonBox::Ok)->click();
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(stroke->Points()[0], QPoint(1, 1));
    EXPECT_TRUE(dialog.isVisible());

    {
        const QSignalBlocker quiet(tree);
        tree->topLevelItem(3)->setText(0, QStringLiteral("4.00,0.10"));
    }
    Button(dialog, QDialogButtonBox::Ok)->click();
    EXPECT_EQ(stroke->Points(), (std::vector<QPoint>{{100, -50}, {200, -150}, {300, -250}, {400, -10}}));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

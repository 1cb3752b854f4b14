// Every edit of a label is one undo step: undo gives back exactly the label
// before it, redo exactly the label after it (compared as --info JSON).
#include "ViewFixture.h"

#include "app/DocumentCommands.h"
#include "cd/CddbTexts.h"
#include "drawing/CFreehand.h"
#include "drawing/CTextPrimitive.h"
#include "drawing/dialogs/CTextEditDialog.h"
#include "export/LabelJson.h"
#include "toolkit/CommandIds.h"
#include "toolkit/InchEdit.h"
#include "view/SelectionAttributes.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class UndoEveryEdit : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        rect = AddRect(QPoint(100, -100), QPoint(200, -150));
        auto line = std::make_shared<CLine>(1, &Engine());
        line->SetCorners(QPoint(300, -100), QPoint(400, -200));
        Engine().Append(line);
        text = std::make_shared<CTextPrimitive>(&Engine());
        text->SetCorners(QPoint(100, -300), QPoint(100, -300));
        text->SetText(QStringLiteral("<Label Name>"));
        text->SetName(QStringLiteral("Label Name"));
        Engine().Append(text);
        AddRect(QPoint(500, -500), QPoint(600, -600));
        Select(rect);
    }

    void Select(const PrimitivePtr& p)
    {
        Engine().DeselectAll();
        p->SetSelected(true);
    }

    // Runs the document's Edit menu command, as the main window would.
    void Edit(int id) { DocumentCommands::Execute(*doc, id, view.get()); }

    // Opens the view's Properties dialog on the selection and clicks its
    // Apply button after setting a field.
    void ApplyProperty(const char* field, double inches)
    {
        WhenModalOpens([field, inches](QWidget* dialog) {
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<CInchEdit*>(QLatin1String(field))->SetInches(inches);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Apply)->click();
        });
        view->OnCommand(CommandId::Properties);
    }

    QByteArray Dump() { return LabelToJson(*doc); }

    std::shared_ptr<CRectangle> rect;
    std::shared_ptr<CTextPrimitive> text;
};

struct EditCase
{
    const char* name;
    const char* step; // its name in the Undo menu item
    std::function<void()> edit;
};

} // namespace

TEST_F(UndoEveryEdit, EachEditIsOneStepThatUndoAndRedoRestoreExactly)
{
    const QString picture = QStringLiteral(COVERMINT_TEST_DATA "/pictures/half.png");
    const std::vector<EditCase> cases = {
        {"rectangle tool", "Draw", [this] {
             CCovermintView::SelectTool(CommandId::ToolRectangle);
             Drag(QPoint(700, -100), QPoint(760, -160));
         }},
        {"add image", "Add Image", [this, &picture] { view->AddImage(picture); }},
        {"paste", "Paste", [this] { Edit(CommandId::Copy); Edit(CommandId::Paste); }},
        {"cut", "Cut", [this] { Edit(CommandId::Cut); }},
        {"move to top", "Stacking", [this] { view->OnCommand(CommandId::MoveToTop); }},
        {"colours and hollow", "Colors", [this] {
             ApplyColorChoice(*doc, {MakeColorRef(1, 2, 3), MakeColorRef(4, 5, 6), MakeColorRef(7, 8, 9), 1});
         }},
        {"pen width", "Pen Width", [this] { view->OnCommand(CommandId::PenSize4); }},
        {"font", "Font", [this] {
             Select(text);
             ApplyFontChoice(*doc, QFont(QStringLiteral("Liberation Serif"), 30), MakeColorRef(0, 0, 200));
         }},
        {"make unmoveable", "Moveable/Selectable", [this] { view->OnCommand(CommandId::MakeSelectedUnmoveable); }},
        {"make unselectable", "Moveable/Selectable", [this] { view->OnCommand(CommandId::MakeUnselectable); }},
        {"toggle moveable", "Moveable/Selectable", [this] { view->OnCommand(CommandId::ToggleMoveable); }},
        {"properties apply", "Properties", [this] { ApplyProperty("Top", 0.25); }},
        {"line properties apply", "Properties", [this] {
             Select(Engine().Primitives()[1]);
             ApplyProperty("Point2X", 4.5);
         }},
        {"header", "Label Header", [this] {
             WhenModalOpens([](QWidget* dialog) {
                 dialog->findChild<QLineEdit*>(QStringLiteral("Name"))->setText(QStringLiteral("Holiday"));
                 static_cast<QDialog*>(dialog)->accept();
             });
             Edit(CommandId::LabelHeader);
         }},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        doc->CommandProcessor().ClearAll();
        const QByteArray before = Dump();
        c.edit();
        const QByteArray after = Dump();
        ASSERT_NE(after, before);
        ASSERT_EQ(UndoCount(), 1);
        const QString stepText = QStringLiteral("&Undo %1").arg(QLatin1String(c.step));
        EXPECT_EQ(doc->CommandProcessor().UndoText(), stepText);
        ASSERT_TRUE(doc->Undo());
        EXPECT_EQ(Dump(), before);
        ASSERT_TRUE(doc->Redo());
        EXPECT_EQ(Dump(), after);
        EXPECT_EQ(doc->CommandProcessor().UndoText(), stepText);
        // Back to a known state for the next edit, which must find the label
        // and the selection as it expects.
        ASSERT_TRUE(doc->Undo());
        Engine().SelectAll();
        Engine().DeselectAll();
        Select(rect);
        rect->SetSelectable(true);
    }
}

TEST_F(UndoEveryEdit, TheTextEditorMakesOneStepPerApplyAndNoneForAnUnchangedOk)
{
    const QByteArray original = Dump();
    CTextEditDialog editor(*text, *doc, view.get());
    auto* box = editor.findChild<QPlainTextEdit*>(QStringLiteral("text"));
    box->setPlainText(QStringLiteral("first"));
    editor.Apply();
    const QByteArray first = Dump();
    box->setPlainText(QStringLiteral("second"));
    editor.Apply();
    editor.accept();
    EXPECT_EQ(UndoCount(), 2);
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(Dump(), first);
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(Dump(), original);
}

TEST_F(UndoEveryEdit, FortyStepsOfMixedKindsAreKeptAndTheSavedStepIsUnmodified)
{
    const QString path = home.FilePath(QStringLiteral("saved.cla"));
    ASSERT_TRUE(doc->SaveTo(path));
    const QByteArray saved = Dump();
    for (int i = 0; i < 41; ++i) {
        switch (i % 3) {
        case 0: view->OnCommand(CommandId::PenSize1 + (i / 3 + 1) % 4); break;
        case 1: QTest::keyClick(Port(), Qt::Key_Right); break;
        case 2: ApplyColorChoice(*doc, {MakeColorRef(i, 0, 0), 0, MakeColorRef(0, i, 0), i % 2}); break;
        }
        if (i == 0) {
            ASSERT_TRUE(doc->IsModified());
        }
    }
    EXPECT_EQ(UndoCount(), 40);
    int undone = 0;
    while (doc->Undo())
        ++undone;
    EXPECT_EQ(undone, 40);
    EXPECT_NE(Dump(), saved); // the first step fell off the list
    EXPECT_TRUE(doc->IsModified());

    // Back at the saved step the label is unmodified; away from it, modified.
    doc->CommandProcessor().ClearAll();
    ASSERT_TRUE(doc->SaveTo(path));
    Select(rect);
    view->OnCommand(CommandId::PenSize1 + (rect->PenWidth() == 3 ? 1 : 2));
    view->OnCommand(CommandId::PenSize4);
    EXPECT_TRUE(doc->IsModified());
    ASSERT_TRUE(doc->Undo());
    ASSERT_TRUE(doc->Undo());
    EXPECT_FALSE(doc->IsModified());
    ASSERT_TRUE(doc->Redo());
    EXPECT_TRUE(doc->IsModified());
    ASSERT_TRUE(doc->Undo());
    EXPECT_FALSE(doc->IsModified());

    // A change undo cannot take back (CDDB texts) leaves the label modified
    // whatever is undone after it.
    view->OnCommand(CommandId::PenSize4);
    StoreCddbTexts(*doc, CCddbTexts{QStringLiteral("Title"), {}, {}, {}});
    ASSERT_TRUE(doc->Undo());
    EXPECT_TRUE(doc->IsModified());
}

// The view's commands and dialogs: context menu, properties, colours, fonts,
// pen size, flags, double click and dropped files.
#include "ViewFixture.h"

#include "directory/CDirectorySegment.h"
#include "drawing/CTextPrimitive.h"
#include "drawing/dialogs/CColorPickerDialog.h"
#include "drawing/dialogs/CGeometryRect.h"
#include "drawing/dialogs/CLineGeometryRect.h"
#include "toolkit/ColorPickerCombo.h"
#include "toolkit/InchEdit.h"
#include "drawing/dialogs/CFontColorDialog.h"
#include "toolkit/CommandIds.h"
#include "view/PropertiesDialogs.h"
#include "drawing/PensAndFonts.h"
#include "view/SelectionAttributes.h"

#include <QDialogButtonBox>
#include <QDropEvent>
#include <QFontDialog>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>

namespace {
QStringList MenuTexts(QWidget* popup)
{
    QStringList texts;
    if (auto* menu = qobject_cast<QMenu*>(popup))
        for (QAction* a : menu->actions())
            texts << a->text();
    return texts;
}

QString Field(QWidget& dialog, const char* name)
{
    auto* edit = dialog.findChild<CInchEdit*>(QString::fromLatin1(name));
    return edit ? edit->text() : QStringLiteral("<missing>");
}

void SetField(QWidget& dialog, const char* name, const QString& text)
{
    auto* edit = dialog.findChild<CInchEdit*>(QString::fromLatin1(name));
    ASSERT_TRUE(edit);
    edit->setText(text);
    emit edit->editingFinished();
}
} // namespace

TEST_F(ViewTest, ContextMenuOffersTheFlagsOfTheClickedPrimitive)
{
    auto lower = AddRect({100, -100}, {300, -300});
    auto upper = AddRect({150, -150}, {250, -250});
    upper->SetSelectable(false);
    upper->SetMoveable(false);
    lower->SetSelected(true);

    QStringList texts;
    WhenModalOpens([&](QWidget* popup) { texts = MenuTexts(popup); });
    QTest::mousePress(Port(), Qt::RightButton, {}, Px({200, -200}));
    EXPECT_EQ(texts, (QStringList{"&Properties...", "Make Moveable", "Make Selectable"}));
    EXPECT_FALSE(upper->IsSelected()) << "left unselectable, it does not stay selected";
    EXPECT_FALSE(lower->IsSelected());

    // Choosing "Make Selectable" acts on the clicked primitive, which then stays selected.
    WhenModalOpens([&](QWidget* popup) {
        for (QAction* a : popup->actions())
            if (a->text() == QLatin1String("Make Selectable"))
                a->trigger();
    });
    QTest::mousePress(Port(), Qt::RightButton, {}, Px({200, -200}));
    EXPECT_TRUE(upper->IsSelectable());
    EXPECT_TRUE(upper->IsSelected());
    EXPECT_TRUE(doc->IsModified());

    WhenModalOpens([&](QWidget* popup) { texts = MenuTexts(popup); });
    QTest::mousePress(Port(), Qt::RightButton, {}, Px({280, -280}));
    EXPECT_EQ(texts, (QStringList{"&Properties...", "Make Unmoveable", "Make Unselectable"}));
    EXPECT_TRUE(lower->IsSelected());

    // Empty paper: no menu, selection cleared.
    QTest::mousePress(Port(), Qt::RightButton, {}, Px({600, -450}));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(Engine().FirstSelected());
}

TEST_F(ViewTest, PropertiesDialogShowsAndAppliesTheBox)
{
    auto rect = AddRect({100, -50}, {300, -250});
    CGeometryRect dialog(*rect, *doc);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Properties"));
    EXPECT_EQ(Field(dialog, "Top"), QStringLiteral("   0.50"));
    EXPECT_EQ(Field(dialog, "Bottom"), QStringLiteral("   2.50"));
    EXPECT_EQ(Field(dialog, "Left"), QStringLiteral("   1.00"));
    EXPECT_EQ(Field(dialog, "Right"), QStringLiteral("   3.00"));
    EXPECT_EQ(Field(dialog, "Width"), QStringLiteral("   2.00"));
    EXPECT_EQ(Field(dialog, "Height"), QStringLiteral("   2.00"));
    EXPECT_FALSE(dialog.findChild<QComboBox*>("SegmentName")->isVisibleTo(&dialog));

    // Linked fields: edges set the extents, extents move the far edge.
    SetField(dialog, "Top", "1");
    EXPECT_EQ(Field(dialog, "Top"), QStringLiteral("   1.00"));
    EXPECT_EQ(Field(dialog, "Height"), QStringLiteral("   1.50"));
    SetField(dialog, "Width", "0.25");
    EXPECT_EQ(Field(dialog, "Right"), QStringLiteral("   1.25"));
    EXPECT_FALSE(doc->IsModified());
    ASSERT_TRUE(dialog.ApplyChanges());
    EXPECT_EQ(rect->GetRect(), LRect(100, -100, 125, -250));
    EXPECT_TRUE(doc->IsModified());

    // Nonsense is refused with a message and nothing is applied.
    for (const char* bad : {"abc", "-1e30", "nan", ""}) {
        prompter.messages.clear();
        SetField(dialog, "Left", "2");
        SetField(dialog, "Bottom", bad);
        EXPECT_FALSE(dialog.ApplyChanges()) << bad;
        EXPECT_EQ(prompter.messages.size(), 1) << bad;
        EXPECT_EQ(rect->GetRect(), LRect(100, -100, 125, -250)) << bad;
    }
}

TEST_F(ViewTest, SegmentNameIsOfferedForTextButNotForTheDiskSizeText)
{
    doc->AddDirectoryInformation(QStringLiteral("Disc A"));
    auto text = std::make_shared<CTextPrimitive>(&Engine());
    text->SetText(QStringLiteral("hello"));
    text->SetSegmentName(QStringLiteral("Disc A"));
    Engine().Append(text);
    {
        CGeometryRect dialog(*text, *doc);
        auto* combo = dialog.findChild<QComboBox*>("SegmentName");
        ASSERT_TRUE(combo->isVisibleTo(&dialog));
        EXPECT_EQ(combo->currentText(), QStringLiteral("Disc A"));
        combo->setCurrentText(QStringLiteral("Disc B"));
        ASSERT_TRUE(dialog.ApplyChanges());
        EXPECT_EQ(text->GetSegmentName(), QStringLiteral("Disc B"));
        EXPECT_TRUE(doc->FindDirectoryInformation(QStringLiteral("Disc B")));
    }
    text->SetName(QStringLiteral("Disk Size (Freespace/Total)"));
    CGeometryRect dialog(*text, *doc);
    EXPECT_FALSE(dialog.findChild<QComboBox*>("SegmentName")->isVisibleTo(&dialog));
    ASSERT_TRUE(dialog.ApplyChanges());
    EXPECT_EQ(text->GetSegmentName(), QStringLiteral("Disc B")) << "the hidden name is kept";
}

TEST_F(ViewTest, LinePropertiesKeepTheDirectionOfTheLine)
{
    auto line = std::make_shared<CLine>(1, &Engine());
    line->SetCorners({100, -300}, {300, -100}); // rises to the right
    Engine().Append(line);
    CLineGeometryRect dialog(*line, *doc);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Line Properties"));
    EXPECT_EQ(Field(dialog, "Point1X"), QStringLiteral("   1.00"));
    EXPECT_EQ(Field(dialog, "Point1Y"), QStringLiteral("   3.00"));
    EXPECT_EQ(Field(dialog, "Point2X"), QStringLiteral("   3.00"));
    EXPECT_EQ(Field(dialog, "Point2Y"), QStringLiteral("   1.00"));
    SetField(dialog, "Point2X", "3.456");
    EXPECT_EQ(Field(dialog, "Point2X"), QStringLiteral("   3.46"));
    ASSERT_TRUE(dialog.ApplyChanges());
    EXPECT_EQ(line->GetRect(), LRect(100, -300, 346, -100));
    EXPECT_TRUE(doc->IsModified());
    SetField(dialog, "Point1Y", "1e400");
    EXPECT_FALSE(dialog.ApplyChanges());
    EXPECT_EQ(line->GetRect(), LRect(100, -300, 346, -100));
}

TEST_F(ViewTest, PropertiesCommandPicksTheDialogByClass)
{
    view->OnCommand(CommandId::Properties);
    EXPECT_EQ(prompter.messages, QStringList{"Could not get a selected object"});

    auto rect = AddRect({100, -50}, {300, -250});
    auto line = std::make_shared<CLine>(1, &Engine());
    auto text = std::make_shared<CTextPrimitive>(&Engine());
    EXPECT_TRUE(dynamic_cast<CLineGeometryRect*>(CreatePropertiesDialog(*line, *doc, nullptr).get()));
    EXPECT_TRUE(dynamic_cast<CGeometryRect*>(CreatePropertiesDialog(*rect, *doc, nullptr).get()));
    EXPECT_TRUE(dynamic_cast<CGeometryRect*>(CreatePropertiesDialog(*text, *doc, nullptr).get()));

    // Through the command: OK in the dialog applies it.
    rect->SetSelected(true);
    QString top;
    WhenModalOpens([&](QWidget* w) {
        ASSERT_TRUE(w);
        top = Field(*w, "Top");
        SetField(*w, "Left", "0.5");
        w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    view->OnCommand(CommandId::Properties);
    EXPECT_EQ(top, QStringLiteral("   0.50"));
    EXPECT_EQ(rect->GetRect(), LRect(50, -50, 300, -250));
}

TEST_F(ViewTest, ColorsPenSizeAndFontsGoToDefaultsAndSelection)
{
    auto rect = AddRect({100, -100}, {200, -200});
    auto other = AddRect({300, -100}, {400, -200});
    auto text = std::make_shared<CTextPrimitive>(&Engine());
    Engine().Append(text);
    rect->SetSelected(true);
    text->SetSelected(true);

    const ColorChoice choice{MakeColorRef(255, 0, 0), MakeColorRef(1, 2, 3), MakeColorRef(0, 0, 255), 0};
    CColorPickerDialog colors(choice);
    EXPECT_EQ(colors.windowTitle(), QStringLiteral("Colors"));
    EXPECT_EQ(colors.Choice(), choice) << "a colour off the list is added to it";
    ApplyColorChoice(*doc, colors.Choice());
    EXPECT_EQ(CurrentColorChoice(), choice);
    EXPECT_EQ(rect->LineColor(), choice.line);
    EXPECT_EQ(rect->FillColor(), choice.fill);
    EXPECT_FALSE(rect->HollowFill());
    EXPECT_EQ(text->TextColor(), choice.text);
    EXPECT_NE(other->LineColor(), choice.line);
    EXPECT_TRUE(doc->IsModified());

    view->OnCommand(CommandId::PenSize1 + 2);
    EXPECT_EQ(CDrawingDefaults::Instance().PenWidth(), 3);
    EXPECT_EQ(rect->PenWidth(), 3);
    EXPECT_EQ(other->PenWidth(), 1);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(14.5);
    font.setBold(true);
    font.setStrikeOut(true);
    ApplyFontChoice(*doc, font, MakeColorRef(0, 128, 0));
    const FontSpec fontSpec = CDrawingDefaults::Instance().Font();
    EXPECT_EQ(fontSpec.faceName, QStringLiteral("Liberation Sans"));
    EXPECT_DOUBLE_EQ(fontSpec.pointSize, 14.5) << "sizes are not shrunk by a round trip";
    EXPECT_EQ(fontSpec.attributes, FontSpec::Bold | FontSpec::StrikeOut);
    EXPECT_EQ(text->Font(), fontSpec);
    EXPECT_EQ(text->TextColor(), MakeColorRef(0, 128, 0));
    EXPECT_EQ(SpecFromFont(FontFromSpec(fontSpec), fontSpec), fontSpec);

    // Through the command: the font dialog carries the text colour too.
    WhenModalOpens([&](QWidget* w) {
        auto* dialog = qobject_cast<CFontColorDialog*>(w);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->TextColor(), MakeColorRef(0, 128, 0));
        QFont italic = dialog->SelectedFont();
        italic.setStyleName(QString()); // else the style name wins over the flags
        italic.setItalic(true);
        italic.setBold(false);
        dialog->FontChooser()->setCurrentFont(italic);
        dialog->ColorPicker()->SetColor(MakeColorRef(9, 8, 7));
        dialog->accept();
    });
    view->OnCommand(CommandId::Fonts);
    EXPECT_EQ(text->Font().attributes, FontSpec::Italic | FontSpec::StrikeOut);
    EXPECT_EQ(text->TextColor(), MakeColorRef(9, 8, 7));
    EXPECT_EQ(CDrawingDefaults::Instance().TextColor(), MakeColorRef(9, 8, 7));

    // The default face is an alias: confirmed unchanged, it stays as stored.
    const FontSpec times{QStringLiteral("Times New Roman"), 0, FontSpec::Bold, FontSpec::JustifyLeft, 12.0};
    CDrawingDefaults::Instance().SetFont(times);
    WhenModalOpens([&](QWidget* w) {
        auto* dialog = qobject_cast<CFontColorDialog*>(w);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->SelectedFont().family(), QStringLiteral("Liberation Serif"));
        EXPECT_GT(dialog->SelectedFont().weight(), QFont::Normal);
        dialog->accept();
    });
    view->OnCommand(CommandId::Fonts);
    EXPECT_EQ(CDrawingDefaults::Instance().Font(), times);
    EXPECT_EQ(text->Font(), times);
}

TEST_F(ViewTest, FlagCommandsAndRestackEnabling)
{
    auto a = AddRect({100, -100}, {200, -200});
    auto b = AddRect({300, -100}, {400, -200});
    EXPECT_FALSE(view->IsCommandEnabled(CommandId::Raise));
    a->SetSelected(true);
    EXPECT_TRUE(view->IsCommandEnabled(CommandId::Raise));
    view->OnCommand(CommandId::MoveToTop);
    EXPECT_EQ(Engine().Primitives().back(), a);

    view->OnCommand(CommandId::ToggleMoveable);
    EXPECT_FALSE(a->IsMoveable());
    view->OnCommand(CommandId::ToggleSelectable);
    EXPECT_FALSE(a->IsSelectable());
    EXPECT_FALSE(a->IsSelected());
    view->OnCommand(CommandId::MakeAllSelectable);
    EXPECT_TRUE(a->IsSelectable());
    EXPECT_FALSE(a->IsSelected());
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(ViewTest, DoubleClickOpensTheTextBelowARectangle)
{
    auto text = std::make_shared<CTextPrimitive>(&Engine());
    text->SetText(QStringLiteral("Title of the disc"));
    Engine().Append(text);
    text->MoveBy(100, -100);
    QImage image(view->viewport()->size(), QImage::Format_RGB32);
    view->viewport()->render(&image); // measures the text
    const QPoint inside = text->GetTopLeft() + QPoint(5, -5);
    AddRect(inside + QPoint(-50, 50), inside + QPoint(50, -50));

    QString title;
    WhenModalOpens([&](QWidget* w) { title = w ? w->windowTitle() : QString(); });
    QTest::mouseDClick(Port(), Qt::LeftButton, {}, Px(inside));
    EXPECT_EQ(title, QStringLiteral("Text Editing"));
    EXPECT_TRUE(text->IsSelected());

    // Nothing editable under the pointer: no dialog.
    QTest::mouseDClick(Port(), Qt::LeftButton, {}, Px({600, -450}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ViewTest, DoubleClickOnSegmentAsksForTheDirectoryDialogOfThatSegment)
{
    auto lower = std::make_shared<CDirectorySegment>(&Engine());
    lower->SetCorners({100, -100}, {400, -300});
    Engine().Append(lower);
    auto upper = std::make_shared<CDirectorySegment>(&Engine());
    upper->SetCorners({300, -200}, {600, -400});
    Engine().Append(upper);

    QSignalSpy asked(view.get(), &CCovermintView::directorySegmentActivated);
    QTest::mouseDClick(Port(), Qt::LeftButton, {}, Px({150, -150}));
    QTest::mouseDClick(Port(), Qt::LeftButton, {}, Px({350, -250})); // both: the upper wins
    QTest::mouseDClick(Port(), Qt::LeftButton, {}, Px({700, -700}));
    ASSERT_EQ(asked.count(), 2);
    EXPECT_EQ(asked[0][0].value<CPrimitive*>(), lower.get());
    EXPECT_EQ(asked[1][0].value<CPrimitive*>(), upper.get());
}

TEST_F(ViewTest, DroppedFilesOpenAddOrAreRefused)
{
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(home.FilePath("PICTURE.BMP"), "BMP"));

    QSignalSpy opened(view.get(), &CCovermintView::openDocumentRequested);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(home.FilePath("label.cla")), QUrl::fromLocalFile(home.FilePath("notes.txt")),
                  QUrl::fromLocalFile(home.FilePath("PICTURE.BMP")),
                  QUrl::fromLocalFile(home.FilePath("template.CTE"))});
    const QPoint at = Px({200, -100});
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Port(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Port(), &drop);

    ASSERT_EQ(opened.count(), 2);
    EXPECT_EQ(opened.at(0).at(0).toString(), home.FilePath("label.cla"));
    EXPECT_EQ(opened.at(1).at(0).toString(), home.FilePath("template.CTE"));
    EXPECT_EQ(prompter.messages, QStringList{"Unknown Document type"});
    ASSERT_EQ(Engine().Primitives().size(), 1u);
    EXPECT_EQ(Engine().Primitives()[0]->GetTopLeft(), QPoint(200, -100));
}

TEST_F(ViewTest, PaintsThePageAndCascadesInAWindowArea)
{
    auto rect = AddRect({100, -100}, {200, -200});
    rect->SetFillColor(MakeColorRef(0, 0, 255));
    rect->SetHollowFill(false);
    view->SetZoom(200);
    QImage shot = view->viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(Px({190, -190})), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(Px({210, -150})), QColor(Qt::white));
    // The page outline runs down the left edge of the page.
    EXPECT_EQ(shot.pixelColor(Px({0, -100})), QColor(Qt::black));
    view->SetZoom(100);
    shot = view->viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(Px({190, -190})), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(Px({210, -150})), QColor(Qt::white));

    CCovermintDoc doc2;
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    auto* first = area.addSubWindow(new CCovermintView(*doc));
    auto* second = area.addSubWindow(new CCovermintView(doc2));
    first->show();
    second->show();
    EXPECT_EQ(second->x() - first->x(), 20);
    EXPECT_EQ(first->y(), 0);
    EXPECT_EQ(second->height(), area.viewport()->height());
}

// "Text Editing" and "Advanced Text Object" driven through their real widgets.
#include "drawing/TextTestSupport.h"

#include "base/DateText.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "drawing/DrawingDefaults.h"
#include "drawing/dialogs/CTextEditDialog.h"
#include "drawing/dialogs/CTextPrimitiveName.h"
#include "toolkit/ColorPickerCombo.h"
#include "drawing/dialogs/CFontColorDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

void ClickButton(QWidget& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

void ClickOk(QWidget& dialog)
{
    auto* box = dialog.findChild<QDialogButtonBox*>();
    ASSERT_TRUE(box);
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// Acts on the next modal dialog of type T as soon as it is shown; a dialog
// that never comes (or an action that leaves it open) fails the test instead
// of hanging it.
template <class T>
void WhenModal(std::function<void(T&)> action)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            timer->stop();
            action(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog->reject();
            }
        } else if (++*tries > 300) {
            timer->deleteLater();
            timer->stop();
            ADD_FAILURE() << "no modal dialog came up";
        }
    });
    timer->start(10);
}

// Picks an entry in the "Advanced Text Object" dialog that opens next.
void ChooseNameWhenAsked(const QString& name)
{
    WhenModal<CTextPrimitiveName>([name](CTextPrimitiveName& names) {
        auto* list = names.findChild<QComboBox*>();
        list->setCurrentIndex(list->findText(name));
        ClickOk(names);
    });
}

class TextDialogTest : public TextTest
{
protected:
    void SetUp() override
    {
        text = MakeText(document.Engine(), QStringLiteral("Old"), QPoint(100, -100));
        document.Engine().Append(text);
        document.SetModifiedFlag(false);
    }

    // Chooses an entry of "Advanced Text Object" and confirms.
    QString ChooseName(const QString& name)
    {
        CTextPrimitiveName dialog(*text, document);
        auto* list = dialog.findChild<QComboBox*>(QStringLiteral("specialName"));
        EXPECT_TRUE(list);
        list->setCurrentIndex(list->findText(name));
        ClickOk(dialog);
        EXPECT_TRUE(dialog.Chosen());
        return dialog.ResultText();
    }

    CCovermintDoc document;
    std::shared_ptr<CTextPrimitive> text;
};

} // namespace

TEST_F(TextDialogTest, NameListShowsTheElevenNamesAndSelectsOnlyAnExactMatch)
{
    text->SetName(QStringLiteral("Label Author"));
    {
        CTextPrimitiveName dialog(*text, document);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Advanced Text Object"));
        auto* list = dialog.findChild<QComboBox*>(QStringLiteral("specialName"));
        ASSERT_TRUE(list);
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        EXPECT_EQ(entries, QStringList({"None", "CDDB Disk Title", "CDDB Track Listing",
                                        "CDDB Extended Disk Information", "CDDB Extended Track Information",
                                        "Disk Size (Freespace/Total)", "Label Name", "Label Description",
                                        "Label Author", "Label Create Date", "Current Date"}));
        EXPECT_EQ(list->currentText(), QStringLiteral("Label Author"));
    }

    // A name from a file that is no entry leaves the list without selection,
    // and OK then changes nothing.
    text->SetName(QStringLiteral("label author"));
    CTextPrimitiveName dialog(*text, document);
    EXPECT_EQ(dialog.findChild<QComboBox*>()->currentIndex(), -1);
    ClickOk(dialog);
    EXPECT_FALSE(dialog.Chosen());
    EXPECT_EQ(text->GetName(), QStringLiteral("label author"));
    EXPECT_EQ(text->Text(), QStringLiteral("Old"));
    EXPECT_FALSE(document.IsModified());
}

TEST_F(TextDialogTest, ChosenNameFillsTheTextWithItsValueOrPlaceholder)
{
    document.SetName(QStringLiteral("Greatest Hits"));
    CDocumentDirectoryInformation* record = document.FindDirectoryInformation(QString());
    ASSERT_TRUE(record);
    record->SetCddbTexts(CCddbTexts{QStringLiteral("Abbey Road"), QStringLiteral("1. Come Together"), {}, {}});
    document.SetModifiedFlag(false);

    struct Case
    {
        const char* segment;
        const char* name;
        QString expected;
    };
    const Case cases[] = {
        {"", "Label Name", QStringLiteral("Greatest Hits")},
        {"", "Label Author", QStringLiteral("<Label Author>")},
        {"", "Label Description", QStringLiteral("<Label Description>")},
        {"", "Label Create Date", QStringLiteral("<Label Create Date>")},
        {"", "CDDB Disk Title", QStringLiteral("Abbey Road")},
        {"", "CDDB Track Listing", QStringLiteral("1. Come Together")},
        {"", "CDDB Extended Disk Information", QStringLiteral("<CDDB Extended Disk Information>")},
        {"", "CDDB Extended Track Information", QStringLiteral("<CDDB Extended Track Information>")},
        {"", "Disk Size (Freespace/Total)", QStringLiteral("<Freespace>/<Total>")},
        // No record for the segment: nothing is known about it.
        {"Elsewhere", "CDDB Disk Title", QStringLiteral("<CDDB Disk Title>")},
        {"Elsewhere", "Disk Size (Freespace/Total)", QStringLiteral("<Disk Size (Freespace/Total>")},
        {"", "Current Date", TodayDateText()},
        {"", "None", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        text->SetSegmentName(QString::fromUtf8(c.segment));
        text->SetText(QStringLiteral("Old"));
        document.SetModifiedFlag(false);
        EXPECT_EQ(ChooseName(QString::fromUtf8(c.name)), c.expected);
        EXPECT_EQ(text->GetName(), QString::fromUtf8(c.name));
        EXPECT_EQ(text->Text(), c.expected);
        EXPECT_TRUE(document.IsModified());
    }
}

TEST_F(TextDialogTest, EditDialogOpensWithThePrimitivesSettings)
{
    struct Case
    {
        int rotation;
        int justification;
        int rotationIndex;
        int justificationIndex;
    };
    const Case cases[] = {{0, 1, 0, 0}, {90, 0, 1, 1}, {180, 2, 2, 2}, {270, 1, 3, 0},
                          {100, 0, 1, 1}, {45, 7, 0, 0}, {-90, 2, 3, 2}};
    text->SetText(QStringLiteral("first\r\nsecond"));
    text->SetTextColor(MakeColorRef(0, 0, 255));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rotation);
        FontSpec font = text->Font();
        font.rotation = c.rotation;
        font.justification = c.justification;
        text->SetFont(font);
        CTextEditDialog dialog(*text, document);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text Editing"));
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("rotation"))->currentIndex(), c.rotationIndex);
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("justification"))->currentIndex(),
                  c.justificationIndex);
        auto* edit = dialog.findChild<QPlainTextEdit*>(QStringLiteral("text"));
        EXPECT_EQ(edit->toPlainText(), QStringLiteral("first\nsecond"));
        EXPECT_EQ(edit->textCursor().selectedText().size(), edit->toPlainText().size());
        EXPECT_EQ(dialog.findChild<CColorPickerCombo*>()->Color(), MakeColorRef(0, 0, 255));
    }
}

TEST_F(TextDialogTest, ApplyWritesAtOnceAndCancelKeepsWhatApplyWrote)
{
    CTextEditDialog dialog(*text, document);
    auto* edit = dialog.findChild<QPlainTextEdit*>(QStringLiteral("text"));
    edit->setPlainText(QStringLiteral("Side A\nSide B"));
    dialog.findChild<QComboBox*>(QStringLiteral("justification"))->setCurrentIndex(1); // "Right Justified"
    dialog.findChild<QComboBox*>(QStringLiteral("rotation"))->setCurrentIndex(2);      // "180 Degrees"
    dialog.findChild<CColorPickerCombo*>()->SetColor(MakeColorRef(255, 0, 0));
    ClickButton(dialog, QStringLiteral("Apply"));

    EXPECT_EQ(text->Text(), QStringLiteral("Side A\r\nSide B"));
    EXPECT_EQ(text->Font().justification, FontSpec::JustifyRight);
    EXPECT_EQ(text->Font().rotation, 180);
    EXPECT_EQ(text->TextColor(), MakeColorRef(255, 0, 0));
    EXPECT_EQ(CDrawingDefaults::Instance().TextColor(), MakeColorRef(255, 0, 0));
    EXPECT_EQ(CPreferences::Instance().TextColor(), MakeColorRef(255, 0, 0));
    EXPECT_TRUE(document.IsModified());

    edit->setPlainText(QStringLiteral("thrown away"));
    dialog.findChild<QComboBox*>(QStringLiteral("justification"))->setCurrentIndex(2);
    dialog.reject();
    EXPECT_EQ(text->Text(), QStringLiteral("Side A\r\nSide B"));
    EXPECT_EQ(text->Font().justification, FontSpec::JustifyRight);

    CTextEditDialog again(*text, document);
    again.findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("kept"));
    again.findChild<QComboBox*>(QStringLiteral("justification"))->setCurrentIndex(0); // "Left Justified"
    ClickOk(again);
    EXPECT_EQ(text->Text(), QStringLiteral("kept"));
    EXPECT_EQ(text->Font().justification, FontSpec::JustifyLeft);
}

TEST_F(TextDialogTest, SpecialNoneKeepsTheEditedTextAndOtherNamesReplaceIt)
{
    document.SetName(QStringLiteral("Hits"));
    text->SetName(QStringLiteral("Label Name"));
    CTextEditDialog dialog(*text, document);
    auto* edit = dialog.findChild<QPlainTextEdit*>(QStringLiteral("text"));
    edit->setPlainText(QStringLiteral("Edited"));

    ChooseNameWhenAsked(QStringLiteral("None"));
    ClickButton(dialog, QStringLiteral("Special..."));
    EXPECT_EQ(text->GetName(), QStringLiteral("None"));
    EXPECT_EQ(text->Text(), QString());
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("Edited"));
    ClickOk(dialog);
    EXPECT_EQ(text->Text(), QStringLiteral("Edited"));

    CTextEditDialog second(*text, document);
    auto* secondEdit = second.findChild<QPlainTextEdit*>(QStringLiteral("text"));
    ChooseNameWhenAsked(QStringLiteral("Label Name"));
    ClickButton(second, QStringLiteral("Special..."));
    EXPECT_EQ(secondEdit->toPlainText(), QStringLiteral("Hits"));

    // Cancelled, or confirmed without a choice: the editor keeps its text.
    secondEdit->setPlainText(QStringLiteral("mine"));
    WhenModal<CTextPrimitiveName>([](CTextPrimitiveName& names) { names.reject(); });
    ClickButton(second, QStringLiteral("Special..."));
    text->SetName(QStringLiteral("not in the list"));
    WhenModal<CTextPrimitiveName>([](CTextPrimitiveName& names) { ClickOk(names); });
    ClickButton(second, QStringLiteral("Special..."));
    EXPECT_EQ(secondEdit->toPlainText(), QStringLiteral("mine"));
}

TEST_F(TextDialogTest, FontsButtonTakesFaceSizeStyleAndColourButKeepsTurnAndJustification)
{
    text->SetFont(FontSpec{QStringLiteral("Liberation Sans"), 90, 0, FontSpec::JustifyCenter, 12.0});
    CTextEditDialog dialog(*text, document);
    WhenModal<CFontColorDialog>([](CFontColorDialog& fonts) {
        EXPECT_EQ(fonts.SelectedFont().family(), QStringLiteral("Liberation Sans"));
        EXPECT_EQ(fonts.SelectedFont().pointSizeF(), 12.0);
        QFont chosen(QStringLiteral("Liberation Serif"));
        chosen.setPointSizeF(20.0);
        chosen.setBold(true);
        chosen.setUnderline(true);
        fonts.FontChooser()->setCurrentFont(chosen);
        fonts.ColorPicker()->SetColor(MakeColorRef(0, 128, 0));
        ClickOk(fonts);
    });
    ClickButton(dialog, QStringLiteral("Fonts..."));

    const FontSpec font = text->Font();
    EXPECT_EQ(font.faceName, QStringLiteral("Liberation Serif"));
    EXPECT_DOUBLE_EQ(font.pointSize, 20.0);
    EXPECT_EQ(font.attributes, FontSpec::Bold | FontSpec::Underline);
    EXPECT_EQ(font.rotation, 90);
    EXPECT_EQ(font.justification, FontSpec::JustifyCenter);
    EXPECT_EQ(text->TextColor(), MakeColorRef(0, 128, 0));
    EXPECT_EQ(dialog.findChild<CColorPickerCombo*>(QStringLiteral("textColor"))->Color(), MakeColorRef(0, 128, 0));
    EXPECT_TRUE(document.IsModified());

    // Cancelling the chooser changes nothing.
    WhenModal<CFontColorDialog>([](CFontColorDialog& fonts) { fonts.reject(); });
    ClickButton(dialog, QStringLiteral("Fonts..."));
    EXPECT_EQ(text->Font(), font);
}

// The default faces are fontconfig aliases, which the chooser does not list.
TEST_F(TextDialogTest, FontsButtonOpensOnTheFamilyAnAliasResolvesToAndKeepsTheAlias)
{
    const struct
    {
        const char* face;
        const char* family;
        const char* other;
    } cases[] = {
        {"Times New Roman", "Liberation Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans", "Liberation Mono"},
        {"Courier New", "Liberation Mono", "Liberation Serif"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.face);
        const FontSpec stored{QString::fromLatin1(c.face), 0, FontSpec::Bold | FontSpec::Italic,
                              FontSpec::JustifyLeft, 12.0};
        text->SetFont(stored);
        CTextEditDialog dialog(*text, document);
        WhenModal<CFontColorDialog>([&c](CFontColorDialog& fonts) {
            const QFont shown = fonts.SelectedFont();
            EXPECT_EQ(shown.family(), QString::fromLatin1(c.family));
            EXPECT_EQ(shown.pointSizeF(), 12.0);
            EXPECT_GT(shown.weight(), QFont::Normal);
            EXPECT_TRUE(shown.italic());
            ClickOk(fonts);
        });
        ClickButton(dialog, QStringLiteral("Fonts..."));
        EXPECT_EQ(text->Font(), stored);

        WhenModal<CFontColorDialog>([&c](CFontColorDialog& fonts) {
            QFont other = fonts.SelectedFont();
            other.setFamily(QString::fromLatin1(c.other));
            fonts.FontChooser()->setCurrentFont(other);
            ClickOk(fonts);
        });
        ClickButton(dialog, QStringLiteral("Fonts..."));
        EXPECT_EQ(text->Font().faceName, QString::fromLatin1(c.other));
        EXPECT_EQ(text->Font().attributes, stored.attributes);
    }
}

#include "AppTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CNewLabelDialog.h"
#include "app/CTreeViewTemplate.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "document/LabelFile.h"
#include "drawing/CImagePrimitive.h"
#include "drawing/CTextPrimitive.h"
#include "platform/RecordingPrompter.h"
#include "view/CCovermintView.h"
#include "toolkit/CommandIds.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace apptest;
using NewLabel = AppTest;

namespace {

const QString kFront = QStringLiteral("CD Jewel Case/CD Front Insert.cte");

QTreeWidgetItem* FindItem(QTreeWidget* tree, const QString& relative)
{
    const QString category = relative.section(QLatin1Char('/'), 0, 0);
    const QString file = relative.section(QLatin1Char('/'), 1);
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = tree->topLevelItem(i);
        if (top->text(0) != category)
            continue;
        if (file.isEmpty())
            return top;
        for (int j = 0; j < top->childCount(); ++j)
            if (top->child(j)->text(0) == file)
                return top->child(j);
    }
    return nullptr;
}

void Select(CNewLabelDialog& dialog, const QString& relative)
{
    QTreeWidgetItem* item = FindItem(dialog.Tree(), relative);
    ASSERT_NE(item, nullptr) << relative.toStdString();
    dialog.Tree()->setCurrentItem(item);
}

QStringList TextsNamed(const CCovermintDoc& document, const QString& specialName)
{
    QStringList texts;
    for (const PrimitivePtr& primitive : document.Engine().Primitives())
        if (auto* text = dynamic_cast<CTextPrimitive*>(primitive.get()); text && text->GetName() == specialName)
            texts << text->Text();
    return texts;
}

} // namespace

TEST(NewLabelDialog, ListsTemplatesAndEnablesTheHeaderOnlyForATemplate)
{
    SeededHome home;
    CNewLabelDialog dialog(CTreeViewTemplate::TemplatesFolder());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Label Type"));
    QStringList categories;
    for (int i = 0; i < dialog.Tree()->topLevelItemCount(); ++i)
        categories << dialog.Tree()->topLevelItem(i)->text(0);
    EXPECT_EQ(categories, QStringList({"CD DVD Disc", "CD Jewel Case", "DVD Case", "JAZ Disk", "ZIP Disk"}));
    EXPECT_EQ(ChildTexts(dialog.Tree()->topLevelItem(1)),
              QStringList({"CD Back Insert.cte", "CD Front Insert.cte", "Slim CD Case Insert.cte"}));
    EXPECT_FALSE(dialog.NameEdit()->isEnabled());
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());

    Select(dialog, kFront);
    EXPECT_TRUE(dialog.NameEdit()->isEnabled());
    EXPECT_TRUE(dialog.ApplyButton()->isEnabled());
    EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("My Compact Disc"));
    EXPECT_EQ(dialog.AuthorEdit()->text(), QStringLiteral("Covermint"));
    EXPECT_EQ(dialog.DescriptionEdit()->toPlainText(),
              QStringLiteral("Front insert of a CD jewel case, 4.75 x 4.75 inches"));

    // A category: the fields are disabled and keep their texts.
    Select(dialog, QStringLiteral("ZIP Disk"));
    EXPECT_FALSE(dialog.NameEdit()->isEnabled());
    EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("My Compact Disc"));
}

TEST(NewLabelDialog, OkWithoutChangesLeavesTheTemplateUntouchedAndChangesAreWritten)
{
    SeededHome home;
    const QString path = home.Template(kFront);
    const QByteArray before = ReadAll(path);
    {
        CNewLabelDialog dialog(CTreeViewTemplate::TemplatesFolder());
        Select(dialog, kFront);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.SelectedTemplate(), kFront);
    }
    EXPECT_EQ(ReadAll(path), before);

    CNewLabelDialog dialog(CTreeViewTemplate::TemplatesFolder());
    Select(dialog, kFront);
    dialog.NameEdit()->setText(QStringLiteral("Road Trip"));
    dialog.DescriptionEdit()->setPlainText(QStringLiteral("Songs\nfor the road"));
    QTest::mouseClick(dialog.ApplyButton(), Qt::LeftButton);
    CLabelHeaderFields header;
    ASSERT_TRUE(LabelFile::ReadHeader(CTreeViewTemplate::TemplatesFolder(), kFront, header));
    EXPECT_EQ(header.name, QStringLiteral("Road Trip"));
    EXPECT_EQ(header.description, QStringLiteral("Songs\r\nfor the road"));
    EXPECT_EQ(header.author, QStringLiteral("Covermint"));

    // Applied once; OK now finds nothing new to write.
    const QByteArray applied = ReadAll(path);
    dialog.accept();
    EXPECT_EQ(ReadAll(path), applied);
}

TEST(NewLabelDialog, BrokenTemplatesAndAMissingTemplatesFolderAreExplained)
{
    CRecordingPrompter prompter;
    SeededHome home;
    ASSERT_TRUE(home.WriteFile(QStringLiteral("Templates/Bad/broken.cte"), "this is not XML"));
    CNewLabelDialog dialog(CTreeViewTemplate::TemplatesFolder());
    Select(dialog, kFront);
    Select(dialog, QStringLiteral("Bad/broken.cte"));
    EXPECT_FALSE(dialog.NameEdit()->isEnabled());
    EXPECT_TRUE(dialog.NameEdit()->text().isEmpty()); // nothing carried over from the other template
    EXPECT_EQ(dialog.Note(), QStringLiteral("The header of this template could not be read."));
    dialog.accept();
    EXPECT_EQ(ReadAll(home.Template(QStringLiteral("Bad/broken.cte"))), QByteArray("this is not XML"));
    EXPECT_TRUE(prompter.messages.isEmpty());

    CTempHome empty(false);
    CNewLabelDialog none(empty.FilePath(QStringLiteral("Templates/")));
    EXPECT_EQ(none.Tree()->topLevelItemCount(), 0);
    EXPECT_TRUE(none.Note().startsWith(QStringLiteral("No templates were found in")));
}

TEST_F(NewLabel, FileNewMakesAnUntitledLabelFromTheTemplateWithTheEditedHeader)
{
    auto app = Started();
    WhenModal<CNewLabelDialog>([](CNewLabelDialog* dialog) {
        Select(*dialog, kFront);
        dialog->NameEdit()->setText(QStringLiteral("Road Trip"));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    app->MainFrame()->Action(CommandId::New)->trigger();

    ASSERT_EQ(app->MainFrame()->Frames().size(), 1);
    CChildFrame* frame = app->ActiveFrame();
    const CCovermintDoc& document = frame->Document();
    EXPECT_EQ(document.Title(), QStringLiteral("Untitled Label"));
    EXPECT_TRUE(document.PathName().isEmpty());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(frame->View().ZoomPercent(), 60);
    EXPECT_EQ(document.Header().name, QStringLiteral("Road Trip"));
    // Frame, two texts and the sample picture, found in the seeded Images.
    ASSERT_EQ(document.Engine().Primitives().size(), 4u);
    auto* picture = dynamic_cast<CImagePrimitive*>(document.Engine().Primitives()[1].get());
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->HasPixels());
    // The label's special texts show the header chosen in the dialog.
    EXPECT_EQ(TextsNamed(document, QStringLiteral("Label Name")), QStringList({"Road Trip"}));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(NewLabel, ATemplateThatCannotBeOpenedMakesNoLabelAndABrokenOneAnEmptyLabel)
{
    ASSERT_TRUE(home.WriteFile(QStringLiteral("Templates/Bad/broken.cte"), "this is not XML"));
    auto app = Started();
    EXPECT_EQ(app->NewLabelFromTemplate(QStringLiteral("Bad/missing.cte")), nullptr);
    EXPECT_EQ(app->NewLabelFromTemplate(QStringLiteral("Bad")), nullptr);
    EXPECT_TRUE(prompter.messages.isEmpty());

    CChildFrame* frame = app->NewLabelFromTemplate(QStringLiteral("Bad/broken.cte"));
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->Document().Engine().HasPrimitives());
    EXPECT_EQ(prompter.messages.size(), 1); // the parser's reason
}

TEST_F(NewLabel, DisplaySettingsTheTemplateLeavesOpenComeFromThePreferences)
{
    ASSERT_TRUE(home.WriteFile(QStringLiteral("Templates/Plain/bare.cte"),
                               "<?xml version=\"1.0\"?><COVERMINTLABEL><DESCRIPTION>d</DESCRIPTION><NAME>n</NAME>"
                               "<AUTHOR>a</AUTHOR><CREATED>c</CREATED><VERSION>2.0 Bld 1</VERSION></COVERMINTLABEL>"));
    auto app = Started();
    CChildFrame* frame = app->NewLabelFromTemplate(QStringLiteral("Plain/bare.cte"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Document().DisplaySettings(), CPreferences::Instance().Display());
    EXPECT_EQ(frame->Document().DisplaySettings().showFileDateFormat, QStringLiteral("%d/%m/%y"));
    EXPECT_EQ(frame->Document().Header().name, QStringLiteral("n"));
}

TEST(NewLabelDialog, AnUnchangedMultiLineDescriptionIsNotWrittenBack)
{
    SeededHome home;
    const QByteArray file = "<?xml version=\"1.0\"?><COVERMINTLABEL><DESCRIPTION>two\r\nlines</DESCRIPTION>"
                            "<NAME>n</NAME><AUTHOR>a</AUTHOR><CREATED>c</CREATED><VERSION>2.0 Bld 1</VERSION>"
                            "</COVERMINTLABEL>";
    ASSERT_TRUE(home.WriteFile(QStringLiteral("Templates/Plain/lines.cte"), file));
    CNewLabelDialog dialog(CTreeViewTemplate::TemplatesFolder());
    Select(dialog, QStringLiteral("Plain/lines.cte"));
    EXPECT_EQ(dialog.DescriptionEdit()->toPlainText(), QStringLiteral("two\nlines"));
    dialog.accept();
    EXPECT_EQ(ReadAll(home.Template(QStringLiteral("Plain/lines.cte"))), file);
}

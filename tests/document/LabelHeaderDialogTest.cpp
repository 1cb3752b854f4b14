// The Label Header dialog, driven through its real widgets.
#include "document/CCovermintDoc.h"
#include "document/dialogs/CLabelHeader.h"
#include "drawing/CTextPrimitive.h"
#include "support/TempHome.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QLineEdit* Field(CLabelHeader& dialog, const char* name, int controlId)
{
    auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(edit, nullptr) << name;
    if (edit) {
        EXPECT_EQ(edit->property("controlId").toInt(), controlId);
    }
    return edit;
}

QPushButton* Button(CLabelHeader& dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.findChild<QDialogButtonBox*>()->button(which);
}

} // namespace

TEST(LabelHeaderDialog, OkStoresTheFieldsAndUpdatesTheirTexts)
{
    CTempHome home;
    CCovermintDoc doc;
    doc.SetName(QStringLiteral("Old name"));
    doc.SetAuthor(QStringLiteral("Old author"));
    auto nameText = std::make_shared<CTextPrimitive>(&doc.Engine());
    nameText->SetName(QStringLiteral("Label Name"));
    doc.Engine().Append(nameText);
    doc.SetModifiedFlag(false);

    CLabelHeader dialog(doc);
    dialog.show();
    QLineEdit* name = Field(dialog, "Name", 1042);
    QLineEdit* description = Field(dialog, "Description", 1103);
    QLineEdit* author = Field(dialog, "Author", 1040);
    QLineEdit* created = Field(dialog, "CreationDate", 1041);
    ASSERT_TRUE(name && description && author && created);
    EXPECT_EQ(name->text(), QStringLiteral("Old name"));
    EXPECT_EQ(author->text(), QStringLiteral("Old author"));

    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Summer mix"));
    QTest::keyClicks(description, QStringLiteral("Songs"));
    QTest::mouseClick(Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(doc.Header().name, QStringLiteral("Summer mix"));
    EXPECT_EQ(doc.Header().description, QStringLiteral("Songs"));
    EXPECT_EQ(doc.Header().author, QStringLiteral("Old author"));
    EXPECT_EQ(nameText->Text(), QStringLiteral("Summer mix"));
    EXPECT_TRUE(doc.IsModified());
}

TEST(LabelHeaderDialog, CancelChangesNothing)
{
    CTempHome home;
    CCovermintDoc doc;
    doc.SetName(QStringLiteral("Kept"));
    doc.SetModifiedFlag(false);
    CLabelHeader dialog(doc);
    dialog.show();
    QLineEdit* name = Field(dialog, "Name", 1042);
    ASSERT_NE(name, nullptr);
    QTest::keyClicks(name, QStringLiteral(" more"));
    QTest::mouseClick(Button(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(doc.Header().name, QStringLiteral("Kept"));
    EXPECT_FALSE(doc.IsModified());
}

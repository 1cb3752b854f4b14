#include "AppTestSupport.h"
#include "app/CTipDlg.h"
#include "support/TempHome.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

const QByteArray kTips = "; tips for the test\n"
                         "First tip\n"
                         " indented lines are skipped\n"
                         "\tso are tabbed ones\n"
                         "\n"
                         "Second tip\r\n"
                         "Third tip";

void SetModified(const QString& path, const QDateTime& when)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

QString TipsPath(const CTempHome& home)
{
    return home.FilePath(QStringLiteral("tips.txt"));
}

} // namespace

TEST(TipDlg, NextTipCyclesInFileOrderAndResumesWhereTheLastDialogStopped)
{
    apptest::ClearProfile();
    CTempHome home;
    ASSERT_TRUE(home.WriteFile(QStringLiteral("tips.txt"), kTips));
    {
        CTipDlg dialog(TipsPath(home));
        EXPECT_EQ(dialog.TipText(), QStringLiteral("First tip"));
        QStringList seen;
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(dialog.NextButton(), Qt::LeftButton);
            seen << dialog.TipText();
        }
        EXPECT_EQ(seen, QStringList({"Second tip", "Third tip", "First tip", "Second tip"}));
    }
    // The next dialog goes on after the tip shown last.
    CTipDlg again(TipsPath(home));
    EXPECT_EQ(again.TipText(), QStringLiteral("Third tip"));
}

TEST(TipDlg, ANewerTipsFileStartsAtItsFirstTip)
{
    apptest::ClearProfile();
    CTempHome home;
    ASSERT_TRUE(home.WriteFile(QStringLiteral("tips.txt"), kTips));
    SetModified(TipsPath(home), QDateTime::currentDateTime().addDays(-2));
    {
        CTipDlg dialog(TipsPath(home));
        QTest::mouseClick(dialog.NextButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.TipText(), QStringLiteral("Second tip"));
    }
    ASSERT_TRUE(home.WriteFile(QStringLiteral("tips.txt"), "Brand new tip\nAnother new tip\n"));
    const QDateTime newer = QDateTime::currentDateTime().addDays(-1);
    SetModified(TipsPath(home), newer);
    CTipDlg dialog(TipsPath(home));
    EXPECT_EQ(dialog.TipText(), QStringLiteral("Brand new tip"));
    QSettings settings(QStringLiteral("Covermint"), QStringLiteral("Covermint"));
    EXPECT_EQ(settings.value(QStringLiteral("Tip/TimeStamp")).toString(),
              CTipFile::TimeText(newer));
}

TEST(TipDlg, FilesWithoutTipsAndUnreadableFilesGiveAMessageInsteadOfATip)
{
    apptest::ClearProfile();
    CTempHome home;
    {
        CTipDlg missing(TipsPath(home));
        EXPECT_EQ(missing.TipText(), QStringLiteral("Tips file does not exist in the prescribed directory"));
        EXPECT_FALSE(missing.NextButton()->isEnabled());
    }
    ASSERT_TRUE(home.WriteFile(QStringLiteral("tips.txt"), "; only comments\n   and indented text\n\n\t\n"));
    {
        CTipDlg noTips(TipsPath(home));
        EXPECT_EQ(noTips.TipText(), QStringLiteral("The tips file holds no tips."));
        EXPECT_FALSE(noTips.NextButton()->isEnabled());
    }
    ASSERT_TRUE(home.WriteFile(QStringLiteral("empty/tips.txt"), ""));
    {
        CTipDlg empty(home.FilePath(QStringLiteral("empty/tips.txt")));
        EXPECT_EQ(empty.TipText(), QStringLiteral("The tips file holds no tips."));
    }
    // A folder where the file should be cannot be read as one.
    ASSERT_TRUE(QDir(home.Path()).mkpath(QStringLiteral("folder/tips.txt")));
    CTipDlg folder(home.FilePath(QStringLiteral("folder/tips.txt")));
    EXPECT_EQ(folder.TipText(), QStringLiteral("Trouble reading the tips file"));
    EXPECT_FALSE(folder.NextButton()->isEnabled());
}

TEST(TipDlg, GarbageSettingsDoNotStopTheTips)
{
    apptest::ClearProfile();
    CTempHome home;
    ASSERT_TRUE(home.WriteFile(QStringLiteral("tips.txt"), kTips));
    QSettings settings(QStringLiteral("Covermint"), QStringLiteral("Covermint"));
    {
        CTipDlg first(TipsPath(home)); // stores the file's time stamp
    }
    settings.setValue(QStringLiteral("Tip/FilePos"), QStringLiteral("not a number"));
    settings.sync();
    {
        CTipDlg dialog(TipsPath(home));
        EXPECT_EQ(dialog.TipText(), QStringLiteral("First tip"));
    }
    // Past the end: round to the first tip.
    settings.setValue(QStringLiteral("Tip/FilePos"), 1000000);
    settings.sync();
    {
        CTipDlg dialog(TipsPath(home));
        EXPECT_EQ(dialog.TipText(), QStringLiteral("First tip"));
    }
    settings.setValue(QStringLiteral("Tip/FilePos"), -5);
    settings.sync();
    CTipDlg dialog(TipsPath(home));
    EXPECT_EQ(dialog.TipText(), QStringLiteral("Trouble reading the tips file"));
    QTest::mouseClick(dialog.NextButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.TipText(), QStringLiteral("First tip"));
}

TEST(TipDlg, CloseStoresTheStartUpChoice)
{
    apptest::ClearProfile();
    CTempHome home;
    ASSERT_TRUE(home.WriteFile(QStringLiteral("tips.txt"), kTips));
    CTipDlg dialog(TipsPath(home));
    EXPECT_FALSE(dialog.StartUpCheck()->isChecked()); // the profile says 1
    dialog.StartUpCheck()->setChecked(true);
    QTest::mouseClick(dialog.CloseButton(), Qt::LeftButton);
    EXPECT_TRUE(CTipDlg::ShowAtStartUp());
    CTipDlg second(TipsPath(home));
    second.StartUpCheck()->setChecked(false);
    QTest::mouseClick(second.CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(CTipDlg::ShowAtStartUp());
}

TEST(TipFile, TimeTextHasTheFixedEnglishForm)
{
    const QDateTime when(QDate(2026, 12, 7), QTime(9, 5, 3));
    EXPECT_EQ(CTipFile::TimeText(when), QStringLiteral("Mon Dec  7 09:05:03 2026"));
    EXPECT_EQ(CTipFile::TimeText(QDateTime(QDate(2024, 1, 15), QTime(23, 59, 59))),
              QStringLiteral("Mon Jan 15 23:59:59 2024"));
}

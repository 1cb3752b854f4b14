// The Batch Processing dialog on real widgets, a real folder as the drive
// and a real label.
#include "cd/dialogs/CBatchProcessing.h"
#include "document/CCovermintDoc.h"
#include "support/TempHome.h"
#include "toolkit/DriveListCombo.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(BatchProcessingDialogTest, StartReadsAndPrintsStopWaits)
{
    CTempHome home;
    QTemporaryDir media;
    ASSERT_TRUE(media.isValid());
    QFile(media.filePath(QStringLiteral("track.wav"))).open(QIODevice::WriteOnly);
    CCovermintDoc document;
    int prints = 0;
    CBatchProcessing dialog(document, {[&prints] { ++prints; }, {}});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Batch Processing"));
    auto* startStop = dialog.findChild<QPushButton*>(QStringLiteral("startStop"));
    ASSERT_TRUE(startStop);
    EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("connectCddb"))->isChecked());
    EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("showDirectoryDialog"))->isChecked());
    EXPECT_EQ(startStop->text(), QStringLiteral("Start"));

    dialog.Drives()->SelectPath(media.path());
    startStop->click();
    EXPECT_EQ(startStop->text(), QStringLiteral("Stop"));
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Reading Device...\nLabel has been updated."));
    EXPECT_EQ(prints, 1);
    EXPECT_EQ(document.FindDirectoryInformation(QString())->Tree().Children().size(), 1u);

    startStop->click();
    EXPECT_EQ(startStop->text(), QStringLiteral("Start"));
    EXPECT_TRUE(dialog.StatusText().endsWith(QStringLiteral("\nWaiting for start...")));
    EXPECT_EQ(prints, 1);
}

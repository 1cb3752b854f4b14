// The directory dialog and its helpers, driven through their real widgets;
// questions and messages go to a recording prompter.
#include "directory/CDirectorySegment.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "directory/LabelSizePresets.h"
#include "directory/dialogs/CDateFormatWarning.h"
#include "directory/dialogs/CDeleteFiletypes.h"
#include "directory/dialogs/CDirectorySettingsPages.h"
#include "directory/dialogs/CDirectoryTreeEditor.h"
#include "directory/dialogs/CDriveInfo.h"
#include "directory/dialogs/CSegmentPickerDlg.h"
#include "directory/dialogs/CSpecialWidthDialog.h"
#include "document/CCovermintDoc.h"
#include "drawing/CTextPrimitive.h"
#include "platform/RecordingPrompter.h"
#include "support/IsoImage.h"
#include "support/FakeDeviceProbe.h"
#include "support/TempHome.h"
#include "toolkit/CommandIds.h"
#include "toolkit/DriveListCombo.h"
#include "view/WidthPresetCommands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Runs act on the modal dialog of type T that the next exec() shows.
template <class T, class Act>
void OnNextModal(Act act)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, tries = 0]() mutable {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()); dialog || ++tries > 500) {
            timer->deleteLater();
            timer->stop();
            if (dialog)
                act(dialog);
        }
    });
    timer->start();
}

QStringList Names(const CFileDirectory& directory)
{
    QStringList names;
    for (const FileNodePtr& child : directory.Children())
        names << child->Name();
    return names;
}

QPushButton* Button(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.findChild<QDialogButtonBox*>()->button(which);
}

class DirectoryDialogs : public ::testing::Test
{
protected:
    std::shared_ptr<CDirectorySegment> AddSegment(const QString& segmentName)
    {
        auto segment = std::make_shared<CDirectorySegment>(&doc.Engine());
        segment->SetCorners(QPoint(0, 0), QPoint(400, -300));
        segment->SetSegmentName(segmentName);
        doc.Engine().Append(segment);
        doc.AddDirectoryInformation(segmentName);
        return segment;
    }

    CTempHome home;
    CRecordingPrompter prompter;
    CCovermintDoc doc;
};

} // namespace

TEST_F(DirectoryDialogs, OneRecordHidesTheSegmentList)
{
    {
        CDriveInfo dialog(&doc);
        dialog.show();
        EXPECT_TRUE(dialog.SegmentList()->isHidden());
        // Without a segment there is nothing to take fonts, colour or presets from.
        EXPECT_TRUE(dialog.FontsButton()->isHidden());
        EXPECT_TRUE(dialog.Pages()->SpecialButton()->isHidden());
        EXPECT_FALSE(dialog.Pages()->ColumnWidth()->isEnabled());
        EXPECT_TRUE(dialog.ProgressLine()->isHidden());
    }
    AddSegment(QStringLiteral("Back"));
    CDriveInfo dialog(&doc);
    dialog.show();
    EXPECT_FALSE(dialog.SegmentList()->isHidden());
    EXPECT_EQ(dialog.SegmentList()->count(), 2);
}

TEST_F(DirectoryDialogs, DeleteFiletypesNeedsTheDotAndIgnoresCase)
{
    CFileDirectory tree;
    tree.AddFile(QStringLiteral("a.tmp"));
    tree.AddFile(QStringLiteral("b.txt"));
    doc.Records().front()->ReplaceTree(tree);
    CDriveInfo dialog(&doc);
    dialog.show();
    for (const char* typed : {"tmp", ".TMP"}) {
        OnNextModal<CDeleteFiletypes>([typed](CDeleteFiletypes* asked) {
            EXPECT_EQ(asked->Extension(), QStringLiteral(".tmp"));
            asked->ExtensionEdit()->setText(QLatin1String(typed));
            asked->accept();
        });
        QTest::mouseClick(dialog.Pages()->DeleteFiletypesButton(), Qt::LeftButton);
        if (qstrcmp(typed, "tmp") == 0) {
            EXPECT_EQ(Names(dialog.Tree()), (QStringList{"a.tmp", "b.txt"}));
        }
    }
    EXPECT_EQ(Names(dialog.Tree()), (QStringList{"b.txt"}));
    EXPECT_EQ(dialog.TreeEditor()->TreeView()->topLevelItemCount(), 1);
    // Only Apply writes the copy back.
    EXPECT_EQ(Names(doc.Records().front()->Tree()), (QStringList{"a.tmp", "b.txt"}));
}

TEST_F(DirectoryDialogs, AnInvalidDateFormatIsStoredAndWarnedAbout)
{
    CDriveInfo dialog(&doc);
    dialog.show();
    const auto warnings = [] {
        QList<CDateFormatWarning*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* warning = qobject_cast<CDateFormatWarning*>(w); warning && warning->isVisible())
                found << warning;
        return found;
    };
    for (const char* format : {"%d/%m/%y", "%d %j"}) {
        dialog.Pages()->DateFormat()->setEditText(QLatin1String(format));
        QTest::mouseClick(Button(dialog, QDialogButtonBox::Apply), Qt::LeftButton);
        EXPECT_EQ(doc.DisplaySettings().showFileDateFormat, QLatin1String(format));
    }
    const QList<CDateFormatWarning*> shown = warnings();
    ASSERT_EQ(shown.size(), 1);
    const QString help = shown.front()->findChild<QPlainTextEdit*>()->toPlainText();
    EXPECT_TRUE(help.startsWith(QStringLiteral("Covermint date formats can use any text you like,\ncombined")));
    EXPECT_TRUE(help.endsWith(QStringLiteral("%y %dth of %B would provide\n98 14th of January")));
    shown.front()->close();
}

TEST_F(DirectoryDialogs, ApplyWritesTheReadTreeAndSizesIntoTheRecordOfTheName)
{
    QTemporaryDir drive;
    QFile(drive.filePath(QStringLiteral("song.txt"))).open(QIODevice::WriteOnly);
    QDir(drive.path()).mkdir(QStringLiteral("sub"));
    auto back = AddSegment(QStringLiteral("Back"));
    auto sizeText = std::make_shared<CTextPrimitive>(&doc.Engine());
    sizeText->SetName(QStringLiteral("Disk Size (Freespace/Total)"));
    doc.Engine().Append(sizeText);

    DriveInfoOptions options;
    options.editedSegment = back.get();
    CDriveInfo dialog(&doc, options);
    dialog.show();
    EXPECT_EQ(dialog.SegmentName(), QStringLiteral("Back"));
    dialog.Drives()->SelectPath(drive.path());
    QTest::mouseClick(dialog.UpdateButton(), Qt::LeftButton);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Names(dialog.Tree()), (QStringList{"song.txt", "sub"}));
    const CDocumentDirectoryInformation* record = doc.FindDirectoryInformation(QStringLiteral("Back"));
    EXPECT_TRUE(record->Tree().Children().empty());

    doc.SetModifiedFlag(false);
    QTest::mouseClick(Button(dialog, QDialogButtonBox::Apply), Qt::LeftButton);
    EXPECT_EQ(Names(record->Tree()), (QStringList{"song.txt", "sub"}));
    EXPECT_GT(record->TotalSpace(), 0);
    EXPECT_EQ(record->FreeSpace(), dialog.FreeSpace());
    EXPECT_EQ(sizeText->Text(), record->DiskSizeText());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.FindDirectoryInformation(QString())->Tree().Children().empty());

    // An unreadable drive is reported and leaves the copy alone.
    dialog.Drives()->SelectPath(drive.filePath(QStringLiteral("missing")));
    QTest::mouseClick(dialog.UpdateButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.messages, QStringList{"There were problems reading from the directory."});
    EXPECT_EQ(Names(dialog.Tree()), (QStringList{"song.txt", "sub"}));
}

TEST_F(DirectoryDialogs, BesideUpdateTheDialogSaysHowManyEntriesTheListingLeavesOut)
{
    QTemporaryDir drive;
    for (int i = 0; i < 150; ++i)
        QFile(drive.filePath(QString::asprintf("file%03d.txt", i))).open(QIODevice::WriteOnly);
    auto back = AddSegment(QStringLiteral("Back"));
    AddSegment(QStringLiteral("Front"));
    CFileDirectory one;
    one.AddFile(QStringLiteral("only.txt"));
    doc.FindDirectoryInformation(QStringLiteral("Front"))->ReplaceTree(one);

    DriveInfoOptions options;
    options.editedSegment = back.get();
    CDriveInfo dialog(&doc, options);
    dialog.show();
    EXPECT_EQ(dialog.LeftOutText()->text(), QStringLiteral("Everything fits"));
    dialog.Drives()->SelectPath(drive.path());
    QTest::mouseClick(dialog.UpdateButton(), Qt::LeftButton);
    const QString afterUpdate = dialog.LeftOutText()->text();

    // The label, drawn with what Apply stored, leaves out just as many.
    QTest::mouseClick(Button(dialog, QDialogButtonBox::Apply), Qt::LeftButton);
    QImage image(900, 1150, QImage::Format_RGB32);
    QPainter painter(&image);
    doc.Engine().Render(painter, RenderOptions{});
    ASSERT_GT(back->LeftOutCount(), 1);
    EXPECT_EQ(afterUpdate, QStringLiteral("%1 entries left out").arg(back->LeftOutCount()));
    EXPECT_EQ(dialog.LeftOutText()->text(), afterUpdate);

    const std::pair<QString, QString> byName[] = {{QStringLiteral("Front"), QStringLiteral("Everything fits")},
                                                 {QString(), QString()}, // no segment shows it
                                                 {QStringLiteral("Back"), afterUpdate}};
    QComboBox* names = dialog.SegmentList();
    for (const auto& [name, shown] : byName) {
        names->setCurrentIndex(names->findText(name));
        emit names->activated(names->currentIndex());
        EXPECT_EQ(dialog.LeftOutText()->text(), shown) << name.toStdString();
    }

    // Entries removed with the tree's button count at once.
    QTreeWidget* view = dialog.TreeEditor()->TreeView();
    for (int i = 0; i < back->LeftOutCount(); ++i) {
        view->setCurrentItem(view->topLevelItem(0));
        QTest::mouseClick(dialog.TreeEditor()->DeleteButton(), Qt::LeftButton);
    }
    EXPECT_EQ(dialog.LeftOutText()->text(), QStringLiteral("Everything fits"));
}

TEST_F(DirectoryDialogs, UpdateReadsADriveWhereItsDiscIsMountedAndSaysWhenNothingIs)
{
    QTemporaryDir mounted;
    QFile(mounted.filePath(QStringLiteral("track.txt"))).open(QIODevice::WriteOnly);
    FakeDeviceProbe probe;
    struct Case
    {
        QString device;
        DriveReading::DeviceState state;
        QString message; // empty: the disc is read
    };
    const Case cases[] = {
        {QStringLiteral("/dev/sr7"), {true, true, {}},
         QStringLiteral("There is no disc mounted in the drive /dev/sr7. Insert a disc with files on it and wait "
                        "until the system has mounted it, then try again. An audio CD holds no files: Connect to "
                        "CDDB reads its titles.")},
        {QStringLiteral("/dev/sdz1"), {true, false, {}},
         QStringLiteral("Nothing is mounted from /dev/sdz1. Mount it, then try again.")},
        {QStringLiteral("/dev/sr8"), {true, true, mounted.path()}, {}},
    };
    CDriveInfo dialog(&doc);
    dialog.show();
    for (const Case& c : cases) {
        prompter.messages.clear();
        probe.devices[c.device] = c.state;
        dialog.Drives()->SelectPath(c.device);
        const int result = dialog.ReadSelectedDrive();
        EXPECT_EQ(prompter.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message}) << c.device.toStdString();
        EXPECT_EQ(result == ReadOk, c.message.isEmpty()) << c.device.toStdString();
        EXPECT_EQ(Names(dialog.Tree()), c.message.isEmpty() ? QStringList{"track.txt"} : QStringList())
            << c.device.toStdString();
        EXPECT_EQ(DriveReading::IsReadable(c.device), c.message.isEmpty()) << c.device.toStdString();
    }
}

TEST_F(DirectoryDialogs, ADiscImageChosenFromTheDriveListIsReadAsTheDrive)
{
    QTemporaryDir folder, images;
    QFile(folder.filePath(QStringLiteral("on-the-disc.txt"))).open(QIODevice::WriteOnly);
    const QString image = images.filePath(QStringLiteral("disc.iso"));
    ASSERT_EQ(BuildIsoImage(image, folder.path()), QString());

    CDriveInfo dialog(&doc);
    dialog.show();
    CDriveListCombo* drives = dialog.Drives();
    drives->SelectPath(folder.path());
    const int imageEntry = drives->findText(CDriveListCombo::kImageEntry);
    ASSERT_EQ(imageEntry, drives->count() - 1);
    // The user picks the entry, then a file (or gives up) in the file dialog.
    const auto pick = [&](const QString& file) {
        QTimer::singleShot(0, [file] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            if (file.isEmpty())
                return chooser->reject();
            chooser->selectFile(file);
            static_cast<QDialog*>(chooser)->accept();
        });
        drives->setCurrentIndex(imageEntry);
        emit drives->activated(imageEntry);
    };
    pick(QString());
    EXPECT_EQ(drives->SelectedPath(), folder.path());
    pick(image);
    EXPECT_EQ(drives->SelectedPath(), image);
    EXPECT_EQ(drives->findText(CDriveListCombo::kImageEntry), drives->count() - 1);

    QTest::mouseClick(dialog.UpdateButton(), Qt::LeftButton);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Names(dialog.Tree()), QStringList{"on-the-disc.txt"});
}

TEST_F(DirectoryDialogs, CancelAfterTheDeleteKeyAsksToSave)
{
    CFileDirectory tree;
    tree.AddFile(QStringLiteral("a"));
    tree.AddFile(QStringLiteral("b"));
    doc.Records().front()->ReplaceTree(tree);
    for (const bool save : {false, true}) {
        CDriveInfo dialog(&doc);
        dialog.show();
        QTreeWidget* view = dialog.TreeEditor()->TreeView();
        view->setCurrentItem(view->topLevelItem(0));
        QTest::keyClick(view, Qt::Key_Delete);
        prompter.answers = {save};
        prompter.questions.clear();
        QTest::mouseClick(Button(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
        EXPECT_EQ(prompter.questions, QStringList{"Save your changes?"});
        EXPECT_EQ(Names(doc.Records().front()->Tree()), save ? QStringList{"b"} : (QStringList{"a", "b"}));
    }
    // Without the Delete key Cancel asks nothing.
    prompter.questions.clear();
    CDriveInfo dialog(&doc);
    dialog.show();
    QTest::mouseClick(dialog.TreeEditor()->DeleteButton(), Qt::LeftButton); // nothing selected
    QTest::mouseClick(Button(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
    EXPECT_TRUE(prompter.questions.isEmpty());
}

TEST_F(DirectoryDialogs, TreeButtonsMoveAndExpand)
{
    CFileDirectory tree;
    CFileDirectory* dir = tree.AddDirectory(QStringLiteral("dir"));
    dir->AddDirectory(QStringLiteral("inner"))->AddFile(QStringLiteral("deep"));
    tree.AddFile(QStringLiteral("last"));
    doc.Records().front()->ReplaceTree(tree);
    CDriveInfo dialog(&doc);
    dialog.show();
    CDirectoryTreeEditor& editor = *dialog.TreeEditor();
    QTreeWidget* view = editor.TreeView();
    QTreeWidgetItem* first = view->topLevelItem(0);
    view->setCurrentItem(first);
    EXPECT_FALSE(editor.UpButton()->isEnabled());
    QTest::mouseClick(editor.ExpandButton(), Qt::LeftButton);
    EXPECT_TRUE(first->child(0)->isExpanded());
    QTest::mouseClick(editor.DownButton(), Qt::LeftButton);
    EXPECT_EQ(Names(dialog.Tree()), (QStringList{"last", "dir"}));
    EXPECT_EQ(view->topLevelItem(1), first);
    EXPECT_TRUE(first->isExpanded());
    EXPECT_EQ(view->currentItem(), first);
    EXPECT_FALSE(editor.DownButton()->isEnabled());
    QTest::mouseClick(editor.ExpandButton(), Qt::LeftButton);
    EXPECT_FALSE(first->isExpanded());
    EXPECT_FALSE(first->child(0)->isExpanded());
}

TEST_F(DirectoryDialogs, HighlightFollowsTheEditedSegmentAndTheChosenName)
{
    auto front = AddSegment(QStringLiteral("Front"));
    auto back1 = AddSegment(QStringLiteral("Back"));
    auto back2 = AddSegment(QStringLiteral("Back"));
    const auto lit = [&] {
        return QList<int>{front->Highlight(), back1->Highlight(), back2->Highlight()};
    };
    {
        DriveInfoOptions options;
        options.editedSegment = back1.get();
        CDriveInfo dialog(&doc, options);
        dialog.show();
        EXPECT_EQ(lit(), (QList<int>{0, 1, 0}));
        QComboBox* names = dialog.SegmentList();
        const int frontIndex = names->findText(QStringLiteral("Front"));
        names->setCurrentIndex(frontIndex);
        emit names->activated(frontIndex);
        EXPECT_EQ(dialog.SegmentName(), QStringLiteral("Front"));
        EXPECT_EQ(lit(), (QList<int>{1, 0, 0}));
        names->setCurrentIndex(names->findText(QStringLiteral("Back")));
        emit names->activated(names->currentIndex());
        EXPECT_EQ(lit(), (QList<int>{0, 1, 1}));
    }
    EXPECT_EQ(lit(), (QList<int>{0, 0, 0}));
    {
        CSegmentPickerDlg picker(doc.SegmentNames(), &doc.Engine());
        picker.Names()->setCurrentIndex(picker.Names()->findText(QStringLiteral("Back")));
        EXPECT_EQ(lit(), (QList<int>{0, 1, 1}));
    }
    EXPECT_EQ(lit(), (QList<int>{0, 0, 0}));
}

TEST_F(DirectoryDialogs, ContextMenuPresetsOfferTheTypicalSize)
{
    auto segment = AddSegment(QString());
    segment->SetSelected(true);
    prompter.answers = {true, true};
    WidthPresetCommands::Apply(doc.Engine(), CommandId::WidthBack1 + 2);
    EXPECT_EQ(segment->GetName(), QStringLiteral("CDBACK"));
    EXPECT_NEAR(segment->ColumnWidth(), 1.7067, 0.00005);
    EXPECT_EQ(prompter.questions, (QStringList{"Do you want to change the width to that of a typical CD label backpiece",
                                               "Do you want to change the height to that of a typical CD label backpiece"}));
    EXPECT_EQ(segment->Width(), 537);
    EXPECT_EQ(segment->Height(), 465);

    // JAZ has no typical height; a segment of the typical width is not asked.
    for (const bool wide : {false, true}) {
        prompter.questions.clear();
        segment->SetWidth(wide ? 288 : 100);
        WidthPresetCommands::Apply(doc.Engine(), CommandId::WidthJaz1);
        EXPECT_EQ(prompter.questions,
                  wide ? QStringList() : QStringList{"Do you want to change the width to that of a typical JAZ Disk"});
        EXPECT_NEAR(segment->ColumnWidth(), 2.84, 0.00005);
    }
}

TEST_F(DirectoryDialogs, SpecialWidthChecksOnlyAnExactPresetOfTheSegmentsKind)
{
    auto segment = AddSegment(QString());
    const auto checked = [](CSpecialWidthDialog& dialog) {
        QAbstractButton* button = dialog.Presets()->checkedButton();
        return button ? dialog.Presets()->id(button) : -1;
    };
    const double back3 = LabelSizePresets::ColumnWidth(3, QStringLiteral("CDBACK"));
    {
        CSpecialWidthDialog dialog(back3, segment.get());
        EXPECT_EQ(checked(dialog), 6 + 2); // after the six CD front presets
    }
    {
        CSpecialWidthDialog dialog(back3 + 1e-6, segment.get());
        EXPECT_EQ(checked(dialog), -1);
    }
    segment->SetName(QStringLiteral("ZIP"));
    {
        CSpecialWidthDialog dialog(back3, segment.get());
        EXPECT_EQ(checked(dialog), -1);
        dialog.accept(); // nothing checked: nothing chosen
        EXPECT_FALSE(dialog.PresetChosen());
        EXPECT_EQ(dialog.KindText(), QStringLiteral("None"));
    }
    CSpecialWidthDialog dialog(1.0, segment.get());
    dialog.Presets()->button(6 + 6 + 1)->setChecked(true); // ZIP, 2 columns
    segment->SetWidth(381);
    prompter.answers = {true};
    dialog.accept();
    EXPECT_EQ(dialog.KindText(), QStringLiteral("ZIP"));
    EXPECT_NEAR(dialog.ColumnWidth(), 1.835, 0.00005);
    EXPECT_EQ(prompter.questions, QStringList{"Do you want to change the height to that of a typical ZIP disk"});
    EXPECT_EQ(segment->Height(), 388);
}

TEST_F(DirectoryDialogs, SpecialWidthReachesTheSegmentWithAllItsPlaces)
{
    auto segment = AddSegment(QString());
    DriveInfoOptions options;
    options.editedSegment = segment.get();
    CDriveInfo dialog(&doc, options);
    dialog.show();
    OnNextModal<CSpecialWidthDialog>([](CSpecialWidthDialog* presets) {
        presets->Presets()->button(6 + 2)->setChecked(true); // CD back, 3 columns
        presets->accept();
    });
    QTest::mouseClick(dialog.Pages()->SpecialButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.Pages()->ColumnWidth()->text(), QStringLiteral("1.71"));
    EXPECT_EQ(segment->GetName(), QStringLiteral("CDBACK"));
    QTest::mouseClick(Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(segment->ColumnWidth(), double(LabelSizePresets::ColumnWidth(3, QStringLiteral("CDBACK"))));
}

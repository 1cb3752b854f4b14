#include "AppTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CTreeViewLabel.h"
#include "app/CTreeViewTemplate.h"
#include "app/RecentFileList.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "directory/dialogs/CSegmentPickerDlg.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "document/LabelFile.h"
#include "document/dialogs/CLabelHeader.h"
#include "drawing/CImagePrimitive.h"
#include "drawing/PrimitiveClipboard.h"
#include "platform/PrinterInfo.h"
#include "platform/RecordingPrompter.h"
#include "view/CCovermintView.h"
#include "toolkit/CommandIds.h"

#include <QFileDialog>
#include <QDropEvent>
#include <QComboBox>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace apptest;
using Commands = AppTest;
using Saving = AppTest;
using Closing = AppTest;
using Windows = AppTest;
using namespace CommandId;

namespace {

struct LabelWindow
{
    explicit LabelWindow(const SeededHome& home, const QString& name = QStringLiteral("disk.cla"))
    {
        EXPECT_TRUE(home.AddLabel(name));
        app = Started({home.Label(name)});
        frame = app->ActiveFrame();
        EXPECT_NE(frame, nullptr);
        app->MainFrame()->UpdateCommandStates();
    }
    // As the window shows it once pending events ran: states follow
    // commands, edits, clicks and the clipboard without being asked.
    bool Enabled(int id) const
    {
        QCoreApplication::processEvents();
        return app->MainFrame()->Action(id)->isEnabled();
    }
    void Trigger(int id) const { app->MainFrame()->Action(id)->trigger(); }
    CCovermintDoc& Document() const { return frame->Document(); }

    std::unique_ptr<CCovermintApp> app;
    CChildFrame* frame = nullptr;
};

// QFileDialog's accept() checks the chosen name as the OK button does.
void Accept(QDialog* dialog)
{
    dialog->accept();
}

// Types a name as the user would, once the dialog has listed its folder:
// when the listing arrives it selects the proposed file again.
void TypeFileName(QFileDialog* dialog, const QString& name)
{
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    const QModelIndex folder = model->index(dialog->directory().absolutePath());
    QElapsedTimer clock;
    clock.start();
    while (model->rowCount(folder) == 0 && clock.elapsed() < 10000)
        QTest::qWait(10);
    // The dialog selects its proposal again once it has taken in the listing.
    QTest::qWait(100);
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
}

void Answer(QMessageBox::StandardButton button)
{
    WhenModal<QMessageBox>([button](QMessageBox* box) { box->button(button)->click(); });
}

} // namespace

TEST_F(Commands, EditCommandsFollowTheSelectionAndTheClipboard)
{
    LabelWindow window(home);
    PrimitiveClipboard::Clear();
    const std::size_t count = window.Document().Engine().Primitives().size();
    EXPECT_FALSE(window.Enabled(Cut));
    EXPECT_FALSE(window.Enabled(Copy));
    EXPECT_FALSE(window.Enabled(Paste));
    EXPECT_FALSE(window.Enabled(Undo));
    EXPECT_TRUE(window.Enabled(SelectAll));

    window.Trigger(SelectAll);
    EXPECT_TRUE(window.Enabled(Cut));
    // A click on bare paper clears the selection.
    QWidget* paper = window.frame->View().viewport();
    QTest::mouseClick(paper, Qt::LeftButton, {}, QPoint(paper->width() - 3, paper->height() - 3));
    EXPECT_FALSE(window.Enabled(Cut));
    window.Trigger(SelectAll);
    ASSERT_TRUE(window.Enabled(Copy));
    window.Trigger(Copy);
    EXPECT_TRUE(window.Enabled(Paste));
    window.Trigger(Paste);
    EXPECT_EQ(window.Document().Engine().Primitives().size(), 2 * count);
    EXPECT_TRUE(window.Document().IsModified());
    EXPECT_TRUE(window.app->MainFrame()->windowTitle().startsWith(QStringLiteral("Covermint - disk.cla")));

    // Shortcuts reach the same commands.
    window.app->MainFrame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.app->MainFrame()));
    QTest::keyClick(window.app->MainFrame(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window.app->MainFrame(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window.Document().Engine().HasPrimitives());
    EXPECT_FALSE(window.Enabled(SelectAll));
    PrimitiveClipboard::Clear();
}

TEST_F(Commands, ToolsZoomAndHiddenFeatures)
{
    auto app = Started();
    CMainFrame& main = *app->MainFrame();
    main.UpdateCommandStates();
    // Without a label the tools only choose what the next press draws.
    EXPECT_TRUE(main.Action(ToolRectangle)->isEnabled());
    EXPECT_FALSE(main.Action(ToolDragSelection)->isEnabled());
    EXPECT_FALSE(main.Action(ToolEllipse)->isEnabled());
    EXPECT_FALSE(main.Action(ZoomIn)->isEnabled());
    EXPECT_FALSE(main.Action(Cut)->isEnabled());
    main.Action(ToolRectangle)->trigger();
    main.UpdateCommandStates();
    EXPECT_TRUE(main.Action(ToolRectangle)->isChecked());
    EXPECT_FALSE(main.Action(ToolSelection)->isChecked());
    EXPECT_EQ(main.StatusPaneText(2), QStringLiteral("Rectangle"));
    main.Action(ToolSelection)->trigger();

    for (int id : {DirectoryInformation, BatchUpdate}) {
        EXPECT_TRUE(main.Action(id)->isVisible()) << id;
        EXPECT_FALSE(main.Action(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(main.ToolBar(ViewDriveBar)->isVisible());

    ASSERT_TRUE(home.AddLabel(QStringLiteral("disk.cla")));
    CChildFrame* frame = app->OpenDocumentFile(home.Label(QStringLiteral("disk.cla")));
    ASSERT_NE(frame, nullptr);
    main.UpdateCommandStates();
    EXPECT_TRUE(main.Action(ToolEllipse)->isEnabled());
    for (int id : {WindowCascade, WindowTile, WindowArrange, Close, Save, SaveAs, LabelHeader, DirectoryInformation,
                   BatchUpdate})
        EXPECT_TRUE(main.Action(id)->isEnabled()) << id;
    EXPECT_TRUE(main.Action(Zoom10 + 11)->isEnabled()); // 200%
    main.Action(Zoom10 + 11)->trigger();
    EXPECT_EQ(frame->View().ZoomPercent(), 200);
    main.UpdateCommandStates();
    EXPECT_TRUE(main.Action(Zoom10 + 11)->isChecked());
    EXPECT_EQ(main.StatusPaneText(1), QStringLiteral("Zoom 200%"));
    main.Action(ZoomIn)->trigger();
    EXPECT_EQ(frame->View().ZoomPercent(), 250);
}

TEST_F(Commands, LabelHeaderAndClearingTheData)
{
    LabelWindow window(home);
    WhenModal<CLabelHeader>([](CLabelHeader* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("Name"))->setText(QStringLiteral("Renamed"));
        dialog->accept();
    });
    window.Trigger(LabelHeader);
    EXPECT_EQ(window.Document().Header().name, QStringLiteral("Renamed"));
    EXPECT_TRUE(window.Document().IsModified());

    CDocumentDirectoryInformation& record = *window.Document().Records().front();
    record.SetCddbTexts({QStringLiteral("Title"), QStringLiteral("1. Song"), {}, {}});
    prompter.answers = {false};
    window.Trigger(ClearCddbAndDirectory);
    EXPECT_EQ(prompter.questions,
              QStringList({"Are you sure you want clear all directory and CDDB information from this label?"}));
    EXPECT_EQ(record.CddbTexts().title, QStringLiteral("Title"));
    prompter.answers = {true};
    window.Trigger(ClearCddbAndDirectory);
    EXPECT_EQ(record.CddbTexts(), CCddbTexts());
}

TEST_F(Commands, ReadDriveFillsTheChosenRecord)
{
    ASSERT_TRUE(home.WriteFile(QStringLiteral("drive/song.txt"), "x"));
    ASSERT_TRUE(home.WriteFile(QStringLiteral("drive/sub/deeper/a.txt"), "y"));
    LabelWindow window(home);
    CCovermintDoc& doc = window.Document();
    doc.DisplaySettings().dirDepth = 1;
    doc.SetModifiedFlag(false);
    auto outline = [](const CDocumentDirectoryInformation& record) {
        QStringList names;
        for (const FileNodePtr& child : record.Tree().Children())
            names << child->Name();
        return names;
    };

    // The drive cannot be read: a message, nothing changes.
    CPreferences::Instance().SetLabelDrive(home.FilePath(QStringLiteral("missing")));
    ASSERT_TRUE(window.Enabled(ReadDrive));
    window.Trigger(ReadDrive);
    EXPECT_EQ(prompter.messages, QStringList{"There were problems reading from the directory."});
    EXPECT_FALSE(doc.IsModified());

    // Esc while reading cancels: nothing changes, no message.
    CPreferences::Instance().SetLabelDrive(home.FilePath(QStringLiteral("drive")));
    prompter.messages.clear();
    QCoreApplication::postEvent(window.app->MainFrame(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    window.Trigger(ReadDrive);
    EXPECT_TRUE(doc.Records().front()->Tree().Children().empty());
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_FALSE(doc.IsModified());

    // One record, even a named one, is filled without asking.
    doc.Records().front()->SetSegmentName(QStringLiteral("Front"));
    window.Trigger(ReadDrive);
    EXPECT_EQ(outline(*doc.Records().front()), (QStringList{"song.txt", "sub"}));
    EXPECT_GT(doc.Records().front()->TotalSpace(), 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_GE(prompter.waitCount, 2);
    EXPECT_EQ(prompter.waitDepth, 0);

    // Several records: the picker lists them and OK picks one; Cancel none.
    CDocumentDirectoryInformation* back = doc.AddDirectoryInformation(QStringLiteral("Back"));
    QStringList offered;
    WhenModal<CSegmentPickerDlg>([&offered](CSegmentPickerDlg* dialog) {
        auto* names = dialog->findChild<QComboBox*>();
        for (int i = 0; i < names->count(); ++i)
            offered << names->itemText(i);
        names->setCurrentIndex(1);
        dialog->accept();
    });
    window.Trigger(ReadDrive);
    EXPECT_EQ(offered, (QStringList{"Front", "Back"}));
    EXPECT_EQ(outline(*back), (QStringList{"song.txt", "sub"}));

    back->ReplaceTree(CFileDirectory());
    WhenModal<CSegmentPickerDlg>([](CSegmentPickerDlg* dialog) { dialog->reject(); });
    window.Trigger(ReadDrive);
    EXPECT_TRUE(back->Tree().Children().empty());

}

TEST_F(Saving, SaveAsProposesTheLabelsFolderAndTheLabelsTabShowsTheFile)
{
    auto app = Started();
    CChildFrame* frame = app->NewLabelFromTemplate(QStringLiteral("ZIP Disk/ZIP Disk Label.cte"));
    ASSERT_NE(frame, nullptr);
    QString proposed;
    WhenModal<QFileDialog>([&proposed](QFileDialog* dialog) {
        proposed = dialog->selectedFiles().value(0);
        Accept(dialog);
    });
    app->MainFrame()->Action(Save)->trigger();

    const QString saved = home.Label(QStringLiteral("Untitled.cla"));
    EXPECT_EQ(proposed, saved);
    EXPECT_EQ(frame->Document().PathName(), saved);
    EXPECT_EQ(frame->Document().Title(), QStringLiteral("Untitled.cla"));
    EXPECT_FALSE(frame->Document().IsModified());
    CLabelHeaderFields header;
    EXPECT_TRUE(LabelFile::ReadHeader(home.FilePath(QStringLiteral("Labels")), QStringLiteral("Untitled.cla"), header));
    EXPECT_EQ(ChildTexts(app->MainFrame()->LabelTree()->Root()), QStringList({"Untitled.cla"}));
    EXPECT_EQ(app->RecentFiles().Files().value(0), saved);

    // Once it has a file, Save writes there without asking.
    frame->Document().SetName(QStringLiteral("Second"));
    ASSERT_TRUE(frame->Document().IsModified());
    app->MainFrame()->Action(Save)->trigger();
    EXPECT_FALSE(frame->Document().IsModified());
    ASSERT_TRUE(LabelFile::ReadHeader(home.FilePath(QStringLiteral("Labels")), QStringLiteral("Untitled.cla"), header));
    EXPECT_EQ(header.name, QStringLiteral("Second"));

    // A name typed with .cte stays a template.
    WhenModal<QFileDialog>([](QFileDialog* dialog) {
        TypeFileName(dialog, QStringLiteral("Mine.cte"));
        Accept(dialog);
    });
    app->MainFrame()->Action(SaveAs)->trigger();
    EXPECT_EQ(frame->Document().PathName(), home.Label(QStringLiteral("Mine.cte")));
    EXPECT_TRUE(QFileInfo::exists(home.Label(QStringLiteral("Mine.cte"))));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(Saving, AFailedSaveGivesTheReasonAndKeepsTheLabelModified)
{
    ASSERT_TRUE(home.WriteFile(QStringLiteral("blocker"), "a file where a folder should be"));
    auto app = Started();
    CChildFrame* frame = app->NewLabelFromTemplate(QStringLiteral("ZIP Disk/ZIP Disk Label.cte"));
    ASSERT_NE(frame, nullptr);
    frame->Document().SetModifiedFlag(true);
    WhenModal<QFileDialog>([this](QFileDialog* dialog) {
        TypeFileName(dialog, home.FilePath(QStringLiteral("blocker/x.cla")));
        Accept(dialog);
    });
    app->MainFrame()->Action(SaveAs)->trigger();
    EXPECT_TRUE(frame->Document().IsModified());
    EXPECT_TRUE(frame->Document().PathName().isEmpty());
    EXPECT_EQ(frame->Document().Title(), QStringLiteral("Untitled Label"));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().contains(QStringLiteral("blocker")));
}

TEST_F(Closing, AModifiedLabelAsksBeforeItCloses)
{
    LabelWindow window(home);
    const QString path = home.Label(QStringLiteral("disk.cla"));
    const QByteArray before = ReadAll(path);
    window.Document().SetName(QStringLiteral("Changed"));

    Answer(QMessageBox::Cancel);
    EXPECT_FALSE(window.frame->close());
    // Closing the main window asks too, and Cancel keeps everything open.
    Answer(QMessageBox::Cancel);
    EXPECT_FALSE(window.app->MainFrame()->close());
    EXPECT_EQ(window.app->MainFrame()->Frames().size(), 1);

    Answer(QMessageBox::Yes);
    EXPECT_TRUE(window.frame->close());
    CLabelHeaderFields header;
    ASSERT_TRUE(LabelFile::ReadHeader(home.FilePath(QStringLiteral("Labels")), QStringLiteral("disk.cla"), header));
    EXPECT_EQ(header.name, QStringLiteral("Changed"));
    EXPECT_NE(ReadAll(path), before);

    CChildFrame* again = window.app->OpenDocumentFile(path);
    ASSERT_NE(again, nullptr);
    again->Document().SetName(QStringLiteral("Not kept"));
    const QByteArray saved = ReadAll(path);
    Answer(QMessageBox::No);
    EXPECT_TRUE(window.app->MainFrame()->close());
    EXPECT_EQ(ReadAll(path), saved);
}

TEST_F(Commands, PrintSetupRefreshesThePageSizeOfEveryLabel)
{
    auto app = StartedOnTwoLabels();

    // A printer whose printable area is 200 x 250 mm, chosen in the page setup.
    class CSmallPrinter : public CPrinterInfoSource
    {
    public:
        std::optional<QSizeF> DefaultPrintableMillimetres() override { return QSizeF(200.0, 250.0); }
    } printer;
    SetPrinterInfoSource(&printer);
    WhenModal<QPageSetupDialog>([](QPageSetupDialog* dialog) { dialog->accept(); });
    app->MainFrame()->Action(PrintSetup)->trigger();
    SetPrinterInfoSource(nullptr);

    for (CChildFrame* frame : app->MainFrame()->Frames())
        EXPECT_EQ(frame->Document().PageSize(), QSize(787, 984));
    EXPECT_EQ(app->MainFrame()->StatusPaneText(3), QStringLiteral("Page 7.87 x 9.84 in"));
}

TEST_F(Saving, AReadOnlyLabelGoesToSaveAsWhoeverRunsIt)
{
    LabelWindow window(home);
    const QString path = home.Label(QStringLiteral("disk.cla"));
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));
    const QByteArray before = ReadAll(path);
    window.Document().SetName(QStringLiteral("Changed"));

    bool asked = false;
    WhenModal<QFileDialog>([&asked](QFileDialog* dialog) {
        asked = true;
        dialog->reject();
    });
    window.Trigger(Save);
    EXPECT_TRUE(asked);
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), readOnly);
    EXPECT_TRUE(window.Document().IsModified());
}

TEST_F(Commands, ShortcutsDuringADragSelectionNeverTakeTheDragBox)
{
    LabelWindow window(home);
    PrimitiveClipboard::Clear();
    CDrawingEngine& engine = window.Document().Engine();
    const std::size_t count = engine.Primitives().size();
    CCovermintView& view = window.frame->View();
    const auto pixel = [&](QPoint label) { return view.ViewToPixel(engine.ToView(label)); };
    window.app->MainFrame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.app->MainFrame()));

    window.Trigger(ToolDragSelection);
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, pixel({20, -20}));
    QTest::mouseMove(view.viewport(), pixel({60, -60}));
    // Each key lets the window update its commands' states, as it would between keys.
    const auto key = [&window](Qt::Key pressed) {
        QTest::keyClick(window.app->MainFrame(), pressed, Qt::ControlModifier);
        QCoreApplication::processEvents();
    };
    key(Qt::Key_A);
    key(Qt::Key_C);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, pixel({60, -60}));
    key(Qt::Key_V);

    EXPECT_EQ(engine.Primitives().size(), 2 * count);
    EXPECT_TRUE(CCovermintView::IsToolChecked(ToolSelection));
    PrimitiveClipboard::Clear();
}

TEST_F(Commands, AddImageStartsInImagesPutsThePictureAtTheOriginAndResetsTheTool)
{
    LabelWindow window(home);
    const std::size_t count = window.Document().Engine().Primitives().size();
    window.Trigger(ToolRectangle);
    QString folder;
    WhenModal<QFileDialog>([&folder](QFileDialog* dialog) {
        folder = dialog->directory().absolutePath();
        TypeFileName(dialog, QStringLiteral("Notes.bmp"));
        Accept(dialog);
    });
    window.Trigger(AddImage);

    EXPECT_EQ(folder, home.FilePath(QStringLiteral("Images")));
    EXPECT_TRUE(CCovermintView::IsToolChecked(ToolSelection));
    const auto& primitives = window.Document().Engine().Primitives();
    ASSERT_EQ(primitives.size(), count + 1);
    EXPECT_NE(dynamic_cast<CImagePrimitive*>(primitives.back().get()), nullptr);
    EXPECT_EQ(primitives.back()->GetTopLeft(), QPoint(0, 0));
}

TEST_F(Commands, AFileDroppedOnALabelActivatesItsWindow)
{
    auto app = StartedOnTwoLabels();
    CChildFrame* first = app->FindFrame(home.Label(QStringLiteral("one.cla")));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(app->ActiveFrame(), first);
    const std::size_t count = first->Document().Engine().Primitives().size();

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(home.FilePath(QStringLiteral("Images/Notes.bmp")))});
    QWidget* port = first->View().viewport();
    QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(port, &enter);
    QDropEvent drop(QPointF(30, 30), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(port, &drop);

    EXPECT_EQ(first->Document().Engine().Primitives().size(), count + 1);
    EXPECT_EQ(app->ActiveFrame(), first);
    app->MainFrame()->UpdateCommandStates();
    EXPECT_TRUE(app->MainFrame()->windowTitle().startsWith(QStringLiteral("Covermint - one.cla")));
}

TEST_F(Saving, ATemplateSavedUnderTemplatesIsListedAtOnce)
{
    LabelWindow window(home);
    CTreeViewTemplate& templates = *window.app->MainFrame()->TemplateTree();
    WhenModal<QFileDialog>([this](QFileDialog* dialog) {
        TypeFileName(dialog, home.Template(QStringLiteral("ZIP Disk/Mine.cte")));
        Accept(dialog);
    });
    window.Trigger(SaveAs);
    ASSERT_EQ(window.Document().PathName(), home.Template(QStringLiteral("ZIP Disk/Mine.cte")));
    QTreeWidgetItem* zip = nullptr;
    for (int i = 0; i < templates.Root()->childCount(); ++i)
        if (templates.Root()->child(i)->text(0) == QStringLiteral("ZIP Disk"))
            zip = templates.Root()->child(i);
    ASSERT_NE(zip, nullptr);
    EXPECT_TRUE(ChildTexts(zip).contains(QStringLiteral("Mine.cte")));
}

TEST_F(Windows, ANewWindowFollowsAMaximizedOneAndRestoresInsideTheWorkspace)
{
    ASSERT_TRUE(home.AddLabel(QStringLiteral("two.cla")));
    LabelWindow window(home);
    QMdiArea& area = *window.app->MainFrame()->MdiArea();
    window.frame->showMaximized();
    QCoreApplication::processEvents();

    CChildFrame* second = window.app->OpenDocumentFile(home.Label(QStringLiteral("two.cla")));
    ASSERT_NE(second, nullptr);
    QCoreApplication::processEvents();
    EXPECT_TRUE(second->isMaximized());
    EXPECT_EQ(second->geometry(), area.viewport()->rect());
    EXPECT_FALSE(area.horizontalScrollBar()->isVisible());

    second->showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(area.viewport()->rect().contains(second->geometry()))
        << second->geometry().x() << "," << second->geometry().width() << " in " << area.viewport()->width();
}

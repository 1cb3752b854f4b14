#include "app/ReadDriveCommand.h"

#include "directory/CDirectoryBrowserCallback.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "directory/dialogs/CSegmentPickerDlg.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "document/DriveReading.h"
#include "platform/Prompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QStatusBar>

namespace {

// Shows the current path now and then and keeps the window painted; while
// the read runs, input to the windows is held back except Esc, which cancels.
// Dialogs opened meanwhile (a message about a file) get their input.
class CStatusBarProgress final : public QObject, public CDirectoryBrowserCallback
{
public:
    explicit CStatusBarProgress(QStatusBar* status) : m_status(status)
    {
        qApp->installEventFilter(this);
    }
    ~CStatusBarProgress() override
    {
        qApp->removeEventFilter(this);
        if (m_status)
            m_status->clearMessage();
    }

    bool CancelRequested() const override { return m_cancelled; }

protected:
    void Update() override
    {
        if (m_clock.isValid() && m_clock.elapsed() < kIntervalMs)
            return;
        m_clock.start();
        if (m_status)
            m_status->showMessage(Text());
        QApplication::processEvents();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !QApplication::activeModalWidget()) {
                m_cancelled = true;
                return true;
            }
            [[fallthrough]];
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::Close:
            return !QApplication::activeModalWidget();
        default:
            return false;
        }
    }

private:
    static constexpr int kIntervalMs = 100;
    QStatusBar* m_status;
    QElapsedTimer m_clock;
    bool m_cancelled = false;
};

CDocumentDirectoryInformation* ChooseTarget(CCovermintDoc& document, QWidget* dialogParent)
{
    if (CDocumentDirectoryInformation* target = DriveReading::TargetWithoutChoice(document))
        return target;
    CSegmentPickerDlg picker(document.SegmentNames(), dialogParent);
    if (picker.exec() != QDialog::Accepted)
        return nullptr;
    return document.FindDirectoryInformation(picker.SelectedName());
}

} // namespace

namespace ReadDriveCommand {

void Execute(CCovermintDoc& document, QWidget* dialogParent, QStatusBar* status)
{
    CDiskInformation disk;
    int result = ReadOk;
    {
        CWaitCursor wait;
        CStatusBarProgress progress(status);
        CScopedProgressCallback installed(progress);
        result = DriveReading::Read(CPreferences::Instance().LabelDrive(), document.DisplaySettings().dirDepth, disk);
    }
    if (result == ReadCancelled)
        return;
    if (result != ReadOk) {
        Prompter().ShowMessage(DriveReading::kProblemsMessage, CPrompter::Icon::Warning);
        return;
    }
    if (CDocumentDirectoryInformation* target = ChooseTarget(document, dialogParent)) {
        CWaitCursor wait;
        DriveReading::Store(document, *target, disk);
    }
    document.UpdateAllViews();
}

} // namespace ReadDriveCommand

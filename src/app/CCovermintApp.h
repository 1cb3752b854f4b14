#pragma once
// The application: start-up, the label documents it opens and creates, and
// the application-wide commands (New, Open, Print Setup, help, tips, links).
#include "app/CTipDlg.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>

class CChildFrame;
class CLabelSaver;
class CMainFrame;
class CMessageBoxPrompter;
class CRecentFileList;


class CCovermintApp : public QObject
{
    Q_OBJECT
public:
    // programDir: where the program lies (the seed of a home folder is looked
    // for next to it). useMessageBoxes: install the message-box prompter;
    // tests keep their own.
    explicit CCovermintApp(const QString& programDir, bool useMessageBoxes = true);
    ~CCovermintApp() override;

    // Start-up. Returns the exit status when the program should end now
    // (--help, --version, a bad argument), or -1 to run the event loop.
    int Start(const QStringList& arguments);
    // The labels and templates the command line asks to open, if it asks for
    // nothing else.
    static QStringList FilesToOpen(const QStringList& arguments);
    // Files another start of the program passed on: opened, window raised.
    void OpenHandedOver(const QStringList& files);

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CRecentFileList& RecentFiles() const { return *m_recent; }
    CLabelSaver& Saver() const { return *m_saver; }
    CTipDlg* TipDialog() const { return m_tip; }
    CChildFrame* ActiveFrame() const;
    // The window holding the label stored at path, or none.
    CChildFrame* FindFrame(const QString& path) const;
    void RefreshLabelTree();

    void OnCommand(int commandId);

public slots:
    // Opens a label or template (or brings its window forward); none when the
    // file cannot be read, which has been reported.
    CChildFrame* OpenDocumentFile(const QString& path);
    // A new, unnamed label from Templates/relativePath at 60%; none when the
    // template cannot be opened.
    CChildFrame* NewLabelFromTemplate(const QString& relativePath);
    // Double-click in the Labels tab: the label is shown at 60%.
    void OpenFromWorkspace(const QString& path);
    void OnFileNew();
    void OnFileOpen();
    void OnPrintSetup();
    void ShowTipOfTheDay();

private:
    CChildFrame* AddDocument(std::unique_ptr<class CCovermintDoc> document);
    void ShowAtSixtyPercent(CChildFrame* frame);
    void OnDocumentSaved(const QString& path);

    QString m_programDir;
    std::unique_ptr<CMessageBoxPrompter> m_prompter;
    std::unique_ptr<CRecentFileList> m_recent;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CLabelSaver> m_saver;
    QPointer<CTipDlg> m_tip;
    QString m_lastOpenFolder; // of the last file chosen in the Open dialog
};

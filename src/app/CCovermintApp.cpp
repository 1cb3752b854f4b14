#include "app/CCovermintApp.h"

#include "app/CAboutDlg.h"
#include "app/CalibrationCommand.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CNewLabelDialog.h"
#include "app/CTipDlg.h"
#include "app/CTreeViewLabel.h"
#include "app/CTreeViewTemplate.h"
#include "cli/CHeadlessRunner.h"
#include "app/HelpLinks.h"
#include "document/HomeFolderSeed.h"
#include "app/LabelSaver.h"
#include "app/RecentFileList.h"
#include "cd/dialogs/CddbCommands.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "platform/PrinterInfo.h"
#include "platform/Prompter.h"
#include "toolkit/CMessageBoxPrompter.h"
#include "toolkit/PrinterSetup.h"
#include "view/CCovermintView.h"
#include "toolkit/CommandIds.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <cstdio>

namespace {

QString UsablePath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

CCovermintApp::CCovermintApp(const QString& programDir, bool useMessageBoxes) : m_programDir(programDir)
{
    if (useMessageBoxes) {
        m_prompter = std::make_unique<CMessageBoxPrompter>();
        SetPrompter(m_prompter.get());
    }
}

CCovermintApp::~CCovermintApp()
{
    if (m_tip)
        delete m_tip;
    m_frame.reset();
    CddbCommands::Release();
    SetPrinterInfoSource(nullptr);
    CPrinterSetup::Instance().Release();
    if (m_prompter && &Prompter() == m_prompter.get())
        SetPrompter(nullptr);
}

int CCovermintApp::Start(const QStringList& arguments)
{
    const CCommandLine::Result command = CCommandLine::Parse(arguments);
    if (command.action != CCommandLine::Action::Run)
        return CHeadlessRunner::Run(command);

    QString seedMessage;
    if (CHomeFolderSeed::Run(m_programDir, &seedMessage) != CHomeFolderSeed::Outcome::NotNeeded &&
        !seedMessage.isEmpty())
        Prompter().ShowMessage(seedMessage, CPrompter::Icon::Warning);
    SetPrinterInfoSource(&CPrinterSetup::Instance());

    m_recent = std::make_unique<CRecentFileList>();
    connect(m_recent.get(), &CRecentFileList::openRequested, this, &CCovermintApp::OpenDocumentFile);
    m_frame = std::make_unique<CMainFrame>(*this);
    m_saver = std::make_unique<CLabelSaver>(m_frame.get());
    connect(m_saver.get(), &CLabelSaver::documentSaved, this, &CCovermintApp::OnDocumentSaved);
    if (m_prompter)
        m_prompter->SetParent(m_frame.get());

    // Shown first, so that label windows are sized to the finished window.
    m_frame->show();
    for (const QString& file : command.files)
        OpenDocumentFile(file);
    if (CTipDlg::ShowAtStartUp())
        ShowTipOfTheDay();
    return -1;
}

QStringList CCovermintApp::FilesToOpen(const QStringList& arguments)
{
    const CCommandLine::Result command = CCommandLine::Parse(arguments);
    return command.action == CCommandLine::Action::Run ? command.files : QStringList();
}

void CCovermintApp::OpenHandedOver(const QStringList& files)
{
    if (!m_frame)
        return;
    for (const QString& file : files)
        OpenDocumentFile(file);
    m_frame->setWindowState((m_frame->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    m_frame->raise();
    m_frame->activateWindow();
}

CChildFrame* CCovermintApp::ActiveFrame() const
{
    return m_frame ? m_frame->ActiveFrame() : nullptr;
}

CChildFrame* CCovermintApp::FindFrame(const QString& path) const
{
    if (!m_frame || path.isEmpty())
        return nullptr;
    const QString wanted = UsablePath(path);
    for (CChildFrame* frame : m_frame->Frames()) {
        const QString open = frame->Document().PathName();
        if (!open.isEmpty() && UsablePath(open) == wanted)
            return frame;
    }
    return nullptr;
}

void CCovermintApp::RefreshLabelTree()
{
    if (m_frame)
        m_frame->LabelTree()->Refresh();
}

CChildFrame* CCovermintApp::AddDocument(std::unique_ptr<CCovermintDoc> document)
{
    auto* frame = new CChildFrame(std::move(document), *m_saver);
    m_frame->AddFrame(frame);
    return frame;
}

CChildFrame* CCovermintApp::OpenDocumentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (CChildFrame* open = FindFrame(absolute)) {
        m_frame->MdiArea()->setActiveSubWindow(open);
        m_recent->Add(absolute);
        return open;
    }
    if (!QFileInfo(absolute).isFile()) {
        Prompter().ShowMessage(QStringLiteral("Could not open %1: there is no such file.").arg(absolute),
                               CPrompter::Icon::Warning);
        m_recent->Remove(absolute);
        return nullptr;
    }
    auto document = std::make_unique<CCovermintDoc>();
    // A file that cannot be read is not opened at all, so that a later Save
    // cannot write an empty label over it; Load said why.
    if (!document->Load(absolute))
        return nullptr;
    document->SetPathName(absolute);
    document->SetTitle(QFileInfo(absolute).fileName());
    CChildFrame* frame = AddDocument(std::move(document));
    m_recent->Add(absolute);
    return frame;
}

CChildFrame* CCovermintApp::NewLabelFromTemplate(const QString& relativePath)
{
    const QString path = CTreeViewTemplate::TemplatesFolder() + relativePath;
    if (!QFileInfo(path).isFile() || !QFile(path).open(QIODevice::ReadOnly))
        return nullptr;
    auto document = std::make_unique<CCovermintDoc>();
    document->SetTitle(QStringLiteral("Untitled Label"));
    document->OnNewDocument();
    document->DisplaySettings() = CPreferences::Instance().Display();
    if (document->Load(path)) {
        // The label's special texts show the header chosen for it.
        const CLabelHeaderFields header = document->Header();
        document->SetDescription(header.description);
        document->SetName(header.name);
        document->SetAuthor(header.author);
        document->SetCreationDate(header.created);
    }
    document->SetPathName(QString());
    document->SetModifiedFlag(false);
    CChildFrame* frame = AddDocument(std::move(document));
    ShowAtSixtyPercent(frame);
    return frame;
}

void CCovermintApp::OpenFromWorkspace(const QString& path)
{
    if (OpenDocumentFile(path) == nullptr) {
        // The file may have gone since the list was made.
        RefreshLabelTree();
        return;
    }
    ShowAtSixtyPercent(ActiveFrame());
}

void CCovermintApp::ShowAtSixtyPercent(CChildFrame* frame)
{
    if (!frame)
        return;
    frame->View().SetZoom(60);
    m_frame->UpdateCommandStates();
}

void CCovermintApp::OnDocumentSaved(const QString& path)
{
    m_recent->Add(path);
    RefreshLabelTree();
    // A template saved into the Templates folder is listed at once.
    m_frame->TemplateTree()->Refresh();
}

void CCovermintApp::OnCommand(int id)
{
    const QString home = CPreferences::Instance().HomeFolder();
    switch (id) {
    case CommandId::New:
        OnFileNew();
        break;
    case CommandId::Open:
        OnFileOpen();
        break;
    case CommandId::PrintSetup:
        OnPrintSetup();
        break;
    case CommandId::PrintCalibration:
        CalibrationCommand::Execute(ActiveFrame(), m_frame.get());
        break;
    case CommandId::Exit:
        m_frame->close();
        break;
    case CommandId::HelpContents:
        HelpLinks::Open(HelpLinks::HelpUrl(home));
        break;
    case CommandId::About: {
        CAboutDlg about(m_frame.get());
        about.exec();
        break;
    }
    case CommandId::TipOfTheDay:
        ShowTipOfTheDay();
        break;
    case CommandId::CddbRegistration:
        CddbCommands::UpdateRegistration();
        break;
    case CommandId::LinkCddbBrowser:
        CddbCommands::OpenMusicBrowser();
        break;
    default:
        if (const QUrl url = HelpLinks::LinkUrl(id, home); !url.isEmpty())
            HelpLinks::Open(url);
        break;
    }
}

void CCovermintApp::OnFileNew()
{
    CNewLabelDialog dialog(CTreeViewTemplate::TemplatesFolder(), m_frame.get());
    if (dialog.exec() == QDialog::Accepted)
        NewLabelFromTemplate(dialog.SelectedTemplate());
}

void CCovermintApp::OnFileOpen()
{
    const QString start = m_lastOpenFolder.isEmpty() ? CTreeViewLabel::LabelsFolder() : m_lastOpenFolder;
    const QString path = QFileDialog::getOpenFileName(
        m_frame.get(), QStringLiteral("Open"), start,
        QStringLiteral("Labels and Templates (*.cla , *.cte);;All Files (*)"));
    if (path.isEmpty())
        return;
    m_lastOpenFolder = QFileInfo(path).absolutePath();
    OpenDocumentFile(path);
}

void CCovermintApp::OnPrintSetup()
{
    if (!CPrinterSetup::Instance().RunPageSetup(m_frame.get()))
        return;
    for (CChildFrame* frame : m_frame->Frames())
        frame->View().OnPageSizeRefresh();
    m_frame->UpdateCommandStates();
}

void CCovermintApp::ShowTipOfTheDay()
{
    if (!m_tip) {
        m_tip = new CTipDlg(CPreferences::Instance().HomeFolder() + QStringLiteral("tips.txt"), m_frame.get());
        m_tip->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_tip->show();
    m_tip->raise();
    m_tip->activateWindow();
}

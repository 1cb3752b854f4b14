#include "app/CChildFrame.h"

#include "app/LabelSaver.h"
#include "document/CCovermintDoc.h"
#include "toolkit/CommandIcons.h"
#include "view/CCovermintView.h"
#include "toolkit/CommandIds.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(std::unique_ptr<CCovermintDoc> document, CLabelSaver& saver, QWidget* parent)
    : QMdiSubWindow(parent), m_document(std::move(document)), m_saver(saver)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(CommandIcons::ForCommand(CommandId::New));
    m_view = new CCovermintView(*m_document, this);
    setWidget(m_view);
    connect(m_document.get(), &CCovermintDoc::titleChanged, this, &CChildFrame::UpdateCaption);
    connect(m_document.get(), &CCovermintDoc::modifiedChanged, this, &CChildFrame::UpdateCaption);
    UpdateCaption();
}

CChildFrame::~CChildFrame()
{
    delete m_view;
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!m_saver.QueryClose(*m_document)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::UpdateCaption()
{
    setWindowTitle(m_document->Title() + QStringLiteral("[*]"));
    setWindowModified(m_document->IsModified());
}

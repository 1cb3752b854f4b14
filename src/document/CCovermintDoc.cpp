#include "document/CCovermintDoc.h"

#include "directory/CDocumentDirectoryInformation.h"
#include "directory/DirectorySegments.h"
#include "document/LabelFile.h"
#include "document/SaveNameRules.h"
#include "drawing/CTextPrimitive.h"
#include "drawing/LabelView.h"
#include "platform/PrinterInfo.h"
#include "platform/Prompter.h"

#include <algorithm>

CCovermintDoc::CCovermintDoc()
    : m_engine(std::make_unique<CDrawingEngine>(this))
    , m_title(QStringLiteral("Untitled Label"))
{
    AddDirectoryPrimitiveKinds();
    RefreshPageSize();
    AddDirectoryInformation(QString());
}

CCovermintDoc::~CCovermintDoc()
{
    // Commands and engine go first: both may refer to primitives and records.
    m_commands.ClearAll();
    m_engine.reset();
    m_records.clear();
}

void CCovermintDoc::RefreshPageSize()
{
    m_pageSize = DefaultPrinterPageSize();
    PublishPageSize(m_pageSize);
}

void CCovermintDoc::SetHeaderField(QString CLabelHeaderFields::*field, const QString& specialName, const QString& v)
{
    m_header.*field = v;
    Engine().SetTextByName(specialName, v);
}

void CCovermintDoc::SetDescription(const QString& v)
{
    SetHeaderField(&CLabelHeaderFields::description, CTextPrimitive::SpecialName(CTextPrimitive::Special::LabelDescription), v);
}

void CCovermintDoc::SetName(const QString& v)
{
    SetHeaderField(&CLabelHeaderFields::name, CTextPrimitive::SpecialName(CTextPrimitive::Special::LabelName), v);
}

void CCovermintDoc::SetAuthor(const QString& v)
{
    SetHeaderField(&CLabelHeaderFields::author, CTextPrimitive::SpecialName(CTextPrimitive::Special::LabelAuthor), v);
}

void CCovermintDoc::SetCreationDate(const QString& v)
{
    SetHeaderField(&CLabelHeaderFields::created, CTextPrimitive::SpecialName(CTextPrimitive::Special::LabelCreateDate), v);
}

CDocumentDirectoryInformation* CCovermintDoc::FindDirectoryInformation(const QString& segmentName) const
{
    for (const auto& record : m_records)
        if (record->SegmentName() == segmentName)
            return record.get();
    return nullptr;
}

const CFileDirectory* CCovermintDoc::TreeOfSegment(const QString& segmentName) const
{
    const CDocumentDirectoryInformation* record = FindDirectoryInformation(segmentName);
    return record ? &record->Tree() : nullptr;
}

QStringList CCovermintDoc::SegmentNames() const
{
    QStringList names;
    for (const auto& record : m_records)
        names << record->SegmentName();
    return names;
}

CDocumentDirectoryInformation* CCovermintDoc::AddDirectoryInformation(const QString& segmentName)
{
    if (CDocumentDirectoryInformation* existing = FindDirectoryInformation(segmentName))
        return existing;
    CDrawingEngine* engine = m_engine.get();
    auto showText = [engine](const QString& specialName, const QString& text) { engine->SetTextByName(specialName, text); };
    m_records.push_back(std::make_unique<CDocumentDirectoryInformation>(showText, segmentName));
    return m_records.back().get();
}

void CCovermintDoc::SyncDirectoryInformation()
{
    for (const QString& name : Engine().SegmentNames())
        AddDirectoryInformation(name);
}

void CCovermintDoc::ClearDirectoryAndCddbData()
{
    const CFileDirectory empty;
    for (const auto& record : m_records) {
        record->SetCddbTexts({});
        record->ReplaceTree(empty);
        record->SetFreeSpace(0);
        record->SetTotalSpace(0);
    }
    UpdateAllViews();
}

bool CCovermintDoc::OnClearDirectoryAndCddbData()
{
    if (!Prompter().AskYesNo(QStringLiteral("Are you sure you want clear all directory and CDDB information from this label?")))
        return false;
    ClearDirectoryAndCddbData();
    return true;
}

void CCovermintDoc::SetTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged(title);
}

void CCovermintDoc::SetPathName(const QString& path)
{
    m_pathName = path;
}

bool CCovermintDoc::Undo()
{
    if (!m_commands.Undo())
        return false;
    SetModifiedFlag(!m_commands.IsAtSavedStep());
    return true;
}

bool CCovermintDoc::Redo()
{
    if (!m_commands.Redo())
        return false;
    SetModifiedFlag(!m_commands.IsAtSavedStep());
    return true;
}

ExtraStateCapture CCovermintDoc::HeaderState()
{
    return [this] {
        const CLabelHeaderFields header = m_header;
        const QString fingerprint =
            QStringList{header.description, header.name, header.author, header.created, header.version}.join(
                QChar::Null);
        return CExtraState{fingerprint, [this, header] { m_header = header; }};
    };
}

void CCovermintDoc::MarkChangedBeyondUndo()
{
    m_commands.ForgetSavedStep();
    SetModifiedFlag(true);
}

void CCovermintDoc::SetModifiedFlag(bool modified)
{
    if (!modified)
        m_commands.MarkSaved();
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void CCovermintDoc::AddView(ILabelView* view)
{
    if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CCovermintDoc::RemoveView(ILabelView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CCovermintDoc::UpdateAllViews()
{
    for (ILabelView* view : m_views)
        view->InvalidateView(true);
    emit viewsNeedUpdate();
}

void CCovermintDoc::DeleteContents()
{
    Engine().DeleteAll();
}

void CCovermintDoc::OnNewDocument()
{
    if (CDocumentDirectoryInformation* record = FindDirectoryInformation(QString()))
        record->Tree().ClearChildren();
}

bool CCovermintDoc::Load(const QString& path)
{
    CWaitCursor wait;
    const XmlLoadResult loaded = LabelFile::Load(*this, path);
    if (!loaded.ok) {
        // A parser's reason does not say which file it is about.
        const QString heading = loaded.read ? path + QLatin1Char('\n') : QString();
        Prompter().ShowMessage(heading + loaded.Message(), CPrompter::Icon::Warning);
    }
    SetModifiedFlag(false);
    return loaded.ok;
}

bool CCovermintDoc::SaveTo(const QString& path, QString* error)
{
    CWaitCursor wait;
    if (!LabelFile::Store(*this, path, error))
        return false;
    SetModifiedFlag(false);
    return true;
}

QString CCovermintDoc::DoSave(const QString& chosenPath, bool replace)
{
    const QString path = TrimDoubledExtension(chosenPath);
    QString error;
    if (!SaveTo(path, &error)) {
        Prompter().ShowMessage(error, CPrompter::Icon::Error);
        return QString();
    }
    if (replace)
        SetPathName(path);
    return path;
}

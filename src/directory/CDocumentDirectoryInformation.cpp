#include "directory/CDocumentDirectoryInformation.h"

#include "drawing/CTextPrimitive.h"

namespace {
using Special = CTextPrimitive::Special;

QString SpecialName(Special special)
{
    return CTextPrimitive::SpecialName(special);
}

QString SizeText(int kb)
{
    return kb < 100001 ? QStringLiteral("%1 KB").arg(kb) : QStringLiteral("%1 MB").arg(kb / 1000);
}
} // namespace

CDocumentDirectoryInformation::CDocumentDirectoryInformation(TextChanged textChanged, QString segmentName)
    : m_segmentName(std::move(segmentName))
    , m_textChanged(std::move(textChanged))
{
}

void CDocumentDirectoryInformation::SetCddbTexts(const CCddbTexts& texts)
{
    m_cddb = texts;
    if (!m_textChanged)
        return;
    m_textChanged(SpecialName(Special::CddbDiskTitle), texts.title);
    m_textChanged(SpecialName(Special::CddbTrackListing), texts.trackListing);
    m_textChanged(SpecialName(Special::CddbExtendedDiskInformation), texts.extDiscInfo);
    m_textChanged(SpecialName(Special::CddbExtendedTrackInformation), texts.extTrackInfo);
}

void CDocumentDirectoryInformation::SetFreeSpace(int kb)
{
    m_freeSpace = kb;
    UpdateDiskSizeTexts();
}

void CDocumentDirectoryInformation::SetTotalSpace(int kb)
{
    m_totalSpace = kb;
    UpdateDiskSizeTexts();
}

QString CDocumentDirectoryInformation::DiskSizeText() const
{
    if (m_freeSpace == 0 && m_totalSpace == 0)
        return QStringLiteral("<Freespace>/<Total>");
    return QStringLiteral("%1 free, %2 used").arg(SizeText(m_freeSpace), SizeText(m_totalSpace));
}

void CDocumentDirectoryInformation::ReplaceTree(const CFileDirectory& tree)
{
    m_tree.DeepCopyFrom(tree);
}

void CDocumentDirectoryInformation::StoreTree(pugi::xml_node directoryInfo) const
{
    m_tree.Store(directoryInfo);
}

void CDocumentDirectoryInformation::LoadTree(pugi::xml_node directoryElement)
{
    m_tree.ClearChildren();
    m_tree.Load(directoryElement);
}

void CDocumentDirectoryInformation::UpdateDiskSizeTexts()
{
    if (m_textChanged)
        m_textChanged(SpecialName(Special::DiskSize), DiskSizeText());
}

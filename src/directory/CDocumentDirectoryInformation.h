#pragma once
// What a label keeps for one directory segment: the tree read from a drive,
// the drive's free and total space, and the disc's CDDB texts. Setting the
// sizes or the CDDB texts also updates the special texts that show them.
#include "directory/CFileInformation.h"

#include <QString>

#include <functional>

#include <pugixml.hpp>

struct CCddbTexts
{
    QString title;
    QString trackListing;
    QString extDiscInfo;
    QString extTrackInfo;

    bool operator==(const CCddbTexts&) const = default;
};

class CDocumentDirectoryInformation
{
public:
    // Given a special text's name and its new value whenever one changes.
    using TextChanged = std::function<void(const QString& specialName, const QString& text)>;

    explicit CDocumentDirectoryInformation(TextChanged textChanged, QString segmentName = {});

    CDocumentDirectoryInformation(const CDocumentDirectoryInformation&) = delete;
    CDocumentDirectoryInformation& operator=(const CDocumentDirectoryInformation&) = delete;

    QString SegmentName() const { return m_segmentName; }
    void SetSegmentName(const QString& name) { m_segmentName = name; }

    const CCddbTexts& CddbTexts() const { return m_cddb; }
    void SetCddbTexts(const CCddbTexts& texts);

    int FreeSpace() const { return m_freeSpace; }
    int TotalSpace() const { return m_totalSpace; }
    void SetFreeSpace(int kb);
    void SetTotalSpace(int kb);
    // "<Freespace>/<Total>" when both are 0, else "<free> free, <total> used"
    // with "%d KB" up to 100000 KB and "%d MB" (KB / 1000) above.
    QString DiskSizeText() const;

    const CFileDirectory& Tree() const { return m_tree; }
    CFileDirectory& Tree() { return m_tree; }
    void ReplaceTree(const CFileDirectory& tree);

    // Storing appends the tree's DIRECTORY element to the DIRECTORYINFO
    // element; loading is given that DIRECTORY element.
    void StoreTree(pugi::xml_node directoryInfo) const;
    void LoadTree(pugi::xml_node directoryElement);

private:
    void UpdateDiskSizeTexts();

    QString m_segmentName;
    CFileDirectory m_tree;
    int m_freeSpace = 0;
    int m_totalSpace = 0;
    CCddbTexts m_cddb;
    TextChanged m_textChanged;
};

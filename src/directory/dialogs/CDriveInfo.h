#pragma once
// "Directory Information and Display Preferences": reads a drive into a
// working copy of a segment name's directory tree, edits that copy, and sets
// the directory display settings. Apply writes the copy, the sizes and the
// settings back; Cancel drops them.
#include "directory/CFileInformation.h"
#include "directory/DirectoryDisplaySettings.h"
#include "toolkit/ApplyDialog.h"

#include <memory>
#include <optional>

class CCovermintDoc;
class CDirectorySegment;
class CDirectorySettingsPages;
class CDirectoryTreeEditor;
class CDriveListCombo;
class CSegmentHighlight;
class QComboBox;
class QLabel;
class QPushButton;

struct DriveInfoOptions
{
    // Double-clicked: the dialog edits this segment and its segment name.
    CDirectorySegment* editedSegment = nullptr;
    // Batch mode: this drive is read as the dialog opens, and a failed read
    // is not reported (the caller reports it its own way).
    std::optional<QString> batchDrive;
};

class CDriveInfo : public CApplyDialog
{
    Q_OBJECT
public:
    // document may be null: then only the preferences' settings are edited.
    explicit CDriveInfo(CCovermintDoc* document, const DriveInfoOptions& options = {}, QWidget* parent = nullptr);
    ~CDriveInfo() override;

    bool ApplyChanges() override;
    // Asks "Save your changes?" when an entry was removed with the Delete key.
    void reject() override;

    // Reads the selected drive into the working copy; returns the read's code
    // (the copy stays as it was unless it is 0).
    int ReadSelectedDrive();

    QString SegmentName() const { return m_segmentName; }
    const CFileDirectory& Tree() const { return m_tree; }
    int FreeSpace() const { return m_freeSpace; }
    int TotalSpace() const { return m_totalSpace; }

    CDriveListCombo* Drives() const { return m_drives; }
    QPushButton* UpdateButton() const { return m_update; }
    // How many entries of the working copy the listing leaves out.
    QLabel* LeftOutText() const { return m_leftOutText; }
    QWidget* ProgressLine() const { return m_progressLine; }
    CDirectoryTreeEditor* TreeEditor() const { return m_treeEditor; }
    QComboBox* SegmentList() const { return m_segments; }
    CDirectorySettingsPages* Pages() const { return m_pages; }
    QPushButton* FontsButton() const { return m_fonts; }

private:
    QLayout* MakeLayout();
    CDirectorySegment* TargetSegment() const;
    // The working copy and the controls from the record and settings of name.
    void LoadSegmentName(const QString& name);
    void ShowSettings();
    void ShowLeftOut();
    void ChooseSegmentName(int index);
    void StoreDepth(int depth);
    void ChooseSpecialWidth();
    void ChooseFont();
    void DeleteFiletypes();
    void StoreTreeAndSizes();
    void StoreSettings(const CDirectoryDisplaySettings& settings);
    void WarnAboutDateFormat(const QString& format);
    void RedrawViews();

    CCovermintDoc* m_document;
    CDirectorySegment* m_edited;
    bool m_batch;
    QString m_segmentName;
    CFileDirectory m_tree;
    int m_freeSpace = 0;
    int m_totalSpace = 0;
    bool m_changed = false;
    std::unique_ptr<CSegmentHighlight> m_highlight;

    CDriveListCombo* m_drives;
    QPushButton* m_update;
    QLabel* m_leftOutText;
    QWidget* m_progressLine;
    QLabel* m_progressText;
    CDirectoryTreeEditor* m_treeEditor;
    QLabel* m_segmentsLabel;
    QComboBox* m_segments;
    CDirectorySettingsPages* m_pages;
    QPushButton* m_fonts;
};

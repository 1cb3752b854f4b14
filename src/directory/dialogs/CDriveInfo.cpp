#include "directory/dialogs/CDriveInfo.h"

#include "base/DateText.h"
#include "directory/CDirectorySegment.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "directory/DirectorySegments.h"
#include "directory/DirectoryTreeEditing.h"
#include "directory/SegmentHighlight.h"
#include "directory/dialogs/CDateFormatWarning.h"
#include "directory/dialogs/CDeleteFiletypes.h"
#include "directory/dialogs/CDirectorySettingsPages.h"
#include "directory/dialogs/CDirectoryTreeEditor.h"
#include "directory/dialogs/CSpecialWidthDialog.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "document/DriveReading.h"
#include "drawing/DrawingDefaults.h"
#include "drawing/PensAndFonts.h"
#include "drawing/dialogs/CFontColorDialog.h"
#include "platform/Prompter.h"
#include "toolkit/ColorPickerCombo.h"
#include "toolkit/DriveListCombo.h"
#include "toolkit/ReadProgress.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kFontQuestion = QStringLiteral(
    "Apply the same font to all Directory Information primitives?\n\n"
    "Double click on a primitive to change its font without affecting anything else");

} // namespace

CDriveInfo::CDriveInfo(CCovermintDoc* document, const DriveInfoOptions& options, QWidget* parent)
    : CApplyDialog(parent)
    , m_document(document)
    , m_edited(options.editedSegment)
    , m_batch(options.batchDrive.has_value())
    , m_drives(new CDriveListCombo)
    , m_update(new QPushButton(tr("Update")))
    , m_leftOutText(new QLabel)
    , m_progressLine(new QWidget)
    , m_progressText(new QLabel)
    , m_treeEditor(new CDirectoryTreeEditor(m_tree))
    , m_segmentsLabel(new QLabel(tr("Segment Name :")))
    , m_segments(new QComboBox)
    , m_pages(new CDirectorySettingsPages)
    , m_fonts(new QPushButton(tr("Fonts...")))
{
    setWindowTitle(tr("Directory Information and Display Preferences"));
    SetForm(MakeLayout());
    if (m_document)
        m_highlight = std::make_unique<CSegmentHighlight>(m_document->Engine());

    m_drives->OfferImages(CDriveListCombo::kDataDiscImages);
    m_drives->SetDrives(ListDrives());
    m_drives->SelectPath(m_batch ? *options.batchDrive : CPreferences::Instance().LabelDrive());

    const QStringList names = m_document ? m_document->SegmentNames() : QStringList();
    m_segmentName = m_edited ? m_edited->GetSegmentName() : QString();
    m_segments->addItems(names);
    m_segments->setCurrentIndex(std::max(0, int(names.indexOf(m_segmentName))));
    m_segmentsLabel->setVisible(names.size() >= 2);
    m_segments->setVisible(names.size() >= 2);
    LoadSegmentName(m_segmentName);
    if (m_highlight && m_edited)
        m_highlight->Only(m_edited);

    connect(m_update, &QPushButton::clicked, this, &CDriveInfo::ReadSelectedDrive);
    connect(m_treeEditor, &CDirectoryTreeEditor::deletedByKey, this, [this] { m_changed = true; });
    connect(m_treeEditor, &CDirectoryTreeEditor::edited, this, &CDriveInfo::ShowLeftOut);
    connect(m_segments, &QComboBox::activated, this, &CDriveInfo::ChooseSegmentName);
    connect(m_pages, &CDirectorySettingsPages::depthChosen, this, &CDriveInfo::StoreDepth);
    connect(m_pages->SpecialButton(), &QPushButton::clicked, this, &CDriveInfo::ChooseSpecialWidth);
    connect(m_pages->DeleteFiletypesButton(), &QPushButton::clicked, this, &CDriveInfo::DeleteFiletypes);
    connect(m_fonts, &QPushButton::clicked, this, &CDriveInfo::ChooseFont);

    if (m_batch)
        ReadSelectedDrive();
}

CDriveInfo::~CDriveInfo() = default;

QLayout* CDriveInfo::MakeLayout()
{
    auto* drive = new QHBoxLayout;
    drive->addWidget(m_drives, 1);
    drive->addWidget(m_update);
    m_leftOutText->setObjectName(QStringLiteral("LeftOut"));
    drive->addWidget(m_leftOutText);
    m_progressLine->setObjectName(QStringLiteral("Progress"));
    auto* progress = new QHBoxLayout(m_progressLine);
    progress->setContentsMargins(0, 0, 0, 0);
    progress->addWidget(new QLabel(tr("Progress")));
    progress->addWidget(m_progressText, 1);
    m_progressText->setTextFormat(Qt::PlainText);
    m_progressText->setMinimumWidth(1);
    m_progressLine->hide();
    auto* segment = new QHBoxLayout;
    segment->addWidget(m_segmentsLabel);
    segment->addWidget(m_segments, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(drive);
    left->addWidget(m_progressLine);
    left->addWidget(m_treeEditor, 1);
    left->addLayout(segment);

    auto* right = new QVBoxLayout;
    right->addWidget(m_pages, 1);
    auto* fonts = new QHBoxLayout;
    fonts->addStretch();
    fonts->addWidget(m_fonts);
    right->addLayout(fonts);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    resize(720, 480);
    return columns;
}

CDirectorySegment* CDriveInfo::TargetSegment() const
{
    if (m_edited || !m_document)
        return m_edited;
    return dynamic_cast<CDirectorySegment*>(m_document->Engine().FindSegment(m_segmentName).get());
}

void CDriveInfo::LoadSegmentName(const QString& name)
{
    m_segmentName = name;
    m_tree.ClearChildren();
    m_freeSpace = m_totalSpace = 0;
    if (const CDocumentDirectoryInformation* record =
            m_document ? m_document->FindDirectoryInformation(name) : nullptr) {
        m_tree.DeepCopyFrom(record->Tree());
        m_freeSpace = record->FreeSpace();
        m_totalSpace = record->TotalSpace();
    }
    m_treeEditor->Rebuild();
    ShowSettings();
    ShowLeftOut();
}

void CDriveInfo::ShowLeftOut()
{
    if (!m_document || !TargetSegment()) {
        m_leftOutText->clear();
        return;
    }
    const int count = LeftOutOfListing(m_document->Engine(), m_segmentName, m_tree);
    m_leftOutText->setText(count == 0 ? tr("Everything fits")
                                      : count == 1 ? tr("1 entry left out") : tr("%1 entries left out").arg(count));
}

void CDriveInfo::ShowSettings()
{
    CDirectoryDisplaySettings settings = m_document ? m_document->DisplaySettings() : CPreferences::Instance().Display();
    CDirectorySegment* target = TargetSegment();
    if (target) {
        const int depth = settings.dirDepth;
        settings = target->DisplaySettings();
        settings.dirDepth = depth;
        m_pages->TextColor()->SetColor(target->TextColor());
    }
    m_pages->Show(settings);
    m_pages->SetSegmentControlsAvailable(target != nullptr);
    m_fonts->setVisible(target != nullptr);
}

void CDriveInfo::ChooseSegmentName(int index)
{
    const QString name = m_segments->itemText(index);
    if (name == m_segmentName)
        return;
    m_edited = nullptr;
    LoadSegmentName(name);
    if (m_highlight)
        m_highlight->AllNamed(name);
    RedrawViews();
}

int CDriveInfo::ReadSelectedDrive()
{
    const int depth = CDirectorySettingsPages::DepthOfEntry(m_pages->DepthList()->currentIndex());
    const QString drive = m_drives->SelectedPath();
    CDiskInformation disk;
    int result = ReadOk;
    m_progressLine->show();
    {
        CWaitCursor wait;
        CUiReadProgress progress([this](const QString& path) { m_progressText->setText(path); });
        CScopedProgressCallback installed(progress);
        result = DriveReading::Read(drive, depth, disk);
    }
    m_progressLine->hide();
    if (result == ReadOk) {
        m_freeSpace = disk.freeSpace;
        m_totalSpace = disk.totalSpace;
        m_tree.DeepCopyFrom(disk.root);
        m_treeEditor->Rebuild();
        ShowLeftOut();
    } else if (result != ReadCancelled && !m_batch) {
        Prompter().ShowMessage(DriveReading::FailureMessage(drive, result), CPrompter::Icon::Warning);
    }
    return result;
}

void CDriveInfo::StoreDepth(int depth)
{
    if (m_document) {
        m_document->DisplaySettings().dirDepth = depth;
    } else {
        CDirectoryDisplaySettings settings = CPreferences::Instance().Display();
        settings.dirDepth = depth;
        CPreferences::Instance().SetDisplay(settings);
    }
}

void CDriveInfo::DeleteFiletypes()
{
    CDeleteFiletypes dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const std::optional<QString> extension = DirectoryTreeEditing::FiletypeExtension(dialog.Extension()))
        m_treeEditor->RemoveFilesOfType(*extension);
}

void CDriveInfo::ChooseSpecialWidth()
{
    CDirectorySegment* target = TargetSegment();
    CDirectoryDisplaySettings shown;
    m_pages->Read(shown);
    CSpecialWidthDialog dialog(shown.columnWidth, target, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.PresetChosen())
        return;
    m_pages->ShowColumnWidth(dialog.ColumnWidth());
    if (target)
        target->SetLabelKind(dialog.KindText());
    RedrawViews();
}

void CDriveInfo::ChooseFont()
{
    CDirectorySegment* target = TargetSegment();
    if (!target) {
        Prompter().ShowMessage(tr("No primitive to extract the fonts from!"), CPrompter::Icon::Warning);
        return;
    }
    CFontColorDialog dialog(FontFromSpec(target->Font()), target->TextColor(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (m_edited) {
        m_edited->SetFont(SpecFromFont(dialog.SelectedFont(), m_edited->Font()));
        m_edited->SetTextColor(dialog.TextColor());
        m_pages->TextColor()->SetColor(dialog.TextColor());
    } else if (Prompter().AskYesNo(kFontQuestion)) {
        const FontSpec chosen = SpecFromFont(dialog.SelectedFont(), target->Font());
        SetSegmentFonts(m_document->Engine(), chosen.pointSize, chosen.faceName, chosen.attributes);
    }
    if (m_document)
        m_document->MarkChangedBeyondUndo();
    RedrawViews();
}

bool CDriveInfo::ApplyChanges()
{
    StoreTreeAndSizes();
    CDirectoryDisplaySettings settings = m_document ? m_document->DisplaySettings() : CPreferences::Instance().Display();
    m_pages->Read(settings);
    StoreSettings(settings);
    RedrawViews();
    ShowLeftOut();
    WarnAboutDateFormat(settings.showFileDateFormat);
    return true;
}

void CDriveInfo::StoreTreeAndSizes()
{
    if (!m_document)
        return;
    for (const auto& record : m_document->Records()) {
        if (record->SegmentName() != m_segmentName)
            continue;
        record->ReplaceTree(m_tree);
        record->SetFreeSpace(m_freeSpace);
        record->SetTotalSpace(m_totalSpace);
    }
    m_document->MarkChangedBeyondUndo();
}

void CDriveInfo::StoreSettings(const CDirectoryDisplaySettings& settings)
{
    if (m_document)
        m_document->DisplaySettings() = settings;
    // The depth is stored when it is chosen, in the document when there is one.
    CDirectoryDisplaySettings defaults = settings;
    if (m_document)
        defaults.dirDepth = CPreferences::Instance().Display().dirDepth;
    CPreferences::Instance().SetDisplay(defaults);

    const ColorRef color = m_pages->TextColor()->Color();
    if (CDirectorySegment* target = TargetSegment()) {
        target->SetDisplaySettings(settings);
        if (m_edited)
            m_edited->SetTextColor(color);
        else
            SetSegmentTextColour(m_document->Engine(), color);
        CDrawingDefaults::Instance().SetTextColor(color);
    }
}

void CDriveInfo::WarnAboutDateFormat(const QString& format)
{
    if (UsesOnlyFileDateCodes(format))
        return;
    // Not modal to this dialog: OK closes it right after Apply.
    auto* warning = new CDateFormatWarning(parentWidget());
    warning->setAttribute(Qt::WA_DeleteOnClose);
    warning->open();
}

void CDriveInfo::reject()
{
    if (m_changed && Prompter().AskYesNo(tr("Save your changes?")))
        ApplyChanges();
    CApplyDialog::reject();
}

void CDriveInfo::RedrawViews()
{
    if (m_document)
        m_document->UpdateAllViews();
}

#include "directory/dialogs/CSpecialWidthDialog.h"

#include "directory/CDirectorySegment.h"
#include "directory/LabelSizePresets.h"
#include "directory/SegmentSizing.h"
#include "toolkit/DialogButtons.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CSpecialWidthDialog::CSpecialWidthDialog(double columnWidth, CDirectorySegment* segment, QWidget* parent)
    : QDialog(parent)
    , m_segment(segment)
    , m_presets(new QButtonGroup(this))
    , m_columnWidth(columnWidth)
{
    setWindowTitle(tr("Special Width"));
    const QString segmentKind = segment ? segment->LabelKind() : QString();
    auto* groups = new QGridLayout;
    int column = 0;
    bool matched = false;
    for (const LabelKind& kind : LabelSizePresets::Kinds()) {
        auto* group = new QGroupBox(tr(kind.presetTitle));
        auto* buttons = new QVBoxLayout(group);
        const bool mayMatch = segmentKind.isEmpty() || segmentKind == QLatin1String(kind.keyword);
        for (int columns = 1; columns <= kind.columnPresets; ++columns) {
            auto* button = new QRadioButton(tr("%1 Column").arg(columns));
            m_presets->addButton(button, int(m_buttons.size()));
            m_buttons.push_back({&kind, columns});
            // Exact in single precision, the presets' own precision.
            if (mayMatch && !matched && float(columnWidth) == LabelSizePresets::ColumnWidth(columns, kind.keyword)) {
                button->setChecked(true);
                matched = true;
            }
            buttons->addWidget(button);
        }
        buttons->addStretch();
        groups->addWidget(group, 0, column++);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(MakeOkCancelButtons(this));
}

void CSpecialWidthDialog::accept()
{
    const int id = m_presets->checkedId();
    if (id < 0) {
        reject();
        return;
    }
    const Preset& preset = m_buttons[std::size_t(id)];
    m_chosen = preset.kind;
    m_kindText = QLatin1String(preset.kind->keyword);
    m_columnWidth = LabelSizePresets::ColumnWidth(preset.columns, m_kindText);
    if (m_segment)
        SegmentSizing::OfferTypicalSize(*m_segment, *preset.kind, QLatin1String(preset.kind->dialogName));
    QDialog::accept();
}

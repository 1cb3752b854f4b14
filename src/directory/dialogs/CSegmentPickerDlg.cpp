#include "directory/dialogs/CSegmentPickerDlg.h"

#include "directory/SegmentHighlight.h"
#include "toolkit/DialogButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CSegmentPickerDlg::CSegmentPickerDlg(const QStringList& names, CDrawingEngine* engine, QWidget* parent)
    : QDialog(parent)
    , m_names(new QComboBox)
{
    setWindowTitle(tr("Segment Selection"));
    m_names->addItems(names);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Please select a segment to update.")));
    layout->addWidget(m_names);
    layout->addWidget(MakeOkCancelButtons(this));
    if (engine) {
        m_highlight = std::make_unique<CSegmentHighlight>(*engine);
        m_highlight->AllNamed(SelectedName());
        connect(m_names, &QComboBox::currentTextChanged, this, [this](const QString& name) {
            m_highlight->AllNamed(name);
        });
    }
}

CSegmentPickerDlg::~CSegmentPickerDlg() = default;

QString CSegmentPickerDlg::SelectedName() const
{
    return m_names->currentText();
}

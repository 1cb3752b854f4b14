#include "directory/dialogs/CSegmentPickerDlg.h"

#include "toolkit/DialogButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CSegmentPickerDlg::CSegmentPickerDlg(const QStringList& names, QWidget* parent)
    : QDialog(parent)
    , m_names(new QComboBox)
{
    setWindowTitle(tr("Segment Selection"));
    m_names->addItems(names);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Please select a segment to update.")));
    layout->addWidget(m_names);
    layout->addWidget(MakeOkCancelButtons(this));
}

QString CSegmentPickerDlg::SelectedName() const
{
    return m_names->currentText();
}

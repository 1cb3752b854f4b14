#include "cd/dialogs/CDiscChooserDialog.h"

#include "toolkit/DialogButtons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CDiscChooserDialog::CDiscChooserDialog(const std::vector<CCddbDisc>& matches, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CDiscChooserDialog"));
    setWindowTitle(QStringLiteral("Select CD"));
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("matches"));
    for (const CCddbDisc& disc : matches)
        m_list->addItem(disc.ChoiceText());
    m_list->setCurrentRow(0);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("CDDB has several CD's which may match.  Please Select one.")));
    layout->addWidget(m_list);
    layout->addWidget(MakeOkCancelButtons(this));
}

int CDiscChooserDialog::Choice() const
{
    return m_list->currentRow();
}

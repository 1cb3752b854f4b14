#include "toolkit/ApplyDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

CApplyDialog::CApplyDialog(QWidget* parent)
    : QDialog(parent),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this))
{
    m_buttons->button(QDialogButtonBox::Apply)->setText(tr("Apply"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, [this] { Apply(); });
}

void CApplyDialog::SetForm(QLayout* form)
{
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttons);
}

bool CApplyDialog::Apply()
{
    if (!ApplyChanges())
        return false;
    emit applied();
    return true;
}

void CApplyDialog::accept()
{
    if (Apply())
        QDialog::accept();
}

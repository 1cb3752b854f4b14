#include "drawing/dialogs/CColorPickerDialog.h"

#include "toolkit/ColorPickerCombo.h"
#include "toolkit/DialogButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

CColorPickerDialog::CColorPickerDialog(const ColorChoice& initial, QWidget* parent)
    : QDialog(parent),
      m_line(new CColorPickerCombo),
      m_text(new CColorPickerCombo),
      m_fill(new CColorPickerCombo),
      m_hollow(new QCheckBox(tr("Hollow Fill")))
{
    setWindowTitle(tr("Colors"));
    m_line->setObjectName(QStringLiteral("LineColor"));
    m_text->setObjectName(QStringLiteral("TextColor"));
    m_fill->setObjectName(QStringLiteral("FillColor"));
    m_hollow->setObjectName(QStringLiteral("HollowFill"));

    auto* form = new QFormLayout;
    form->addRow(tr("Line Color :"), m_line);
    form->addRow(tr("Text Color :"), m_text);

    auto* fillGroup = new QGroupBox(tr("Fill Color"));
    auto* fillLayout = new QVBoxLayout(fillGroup);
    fillLayout->addWidget(m_fill);
    fillLayout->addWidget(m_hollow);

    QDialogButtonBox* buttons = MakeOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(fillGroup);
    layout->addWidget(buttons);

    SetChoice(initial);
}

ColorChoice CColorPickerDialog::Choice() const
{
    return ColorChoice{m_line->Color(), m_text->Color(), m_fill->Color(), m_hollow->isChecked() ? 1 : 0};
}

void CColorPickerDialog::SetChoice(const ColorChoice& choice)
{
    m_line->SetColor(choice.line);
    m_text->SetColor(choice.text);
    m_fill->SetColor(choice.fill);
    m_hollow->setChecked(choice.hollowFill != 0);
}

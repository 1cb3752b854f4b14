#include "drawing/dialogs/CFontColorDialog.h"

#include "toolkit/ColorPickerCombo.h"
#include "toolkit/DialogButtons.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QVBoxLayout>

CFontColorDialog::CFontColorDialog(const QFont& font, ColorRef textColor, QWidget* parent)
    : QDialog(parent), m_fonts(new QFontDialog(font, this)), m_color(new CColorPickerCombo)
{
    setWindowTitle(tr("Font"));
    // The chooser lives inside this dialog as a plain widget without buttons.
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);
    m_color->setObjectName(QStringLiteral("TextColor"));
    m_color->SetColor(textColor);

    auto* colorRow = new QFormLayout;
    colorRow->addRow(tr("Color :"), m_color);
    QDialogButtonBox* buttons = MakeOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

QFont CFontColorDialog::SelectedFont() const
{
    return m_fonts->currentFont();
}

ColorRef CFontColorDialog::TextColor() const
{
    return m_color->Color();
}

#pragma once
// "Font": the system font chooser with a text colour picker beneath it,
// since the chooser itself offers no colour.
#include "base/Geometry.h"

#include <QDialog>
#include <QFont>

class QFontDialog;
class CColorPickerCombo;

class CFontColorDialog : public QDialog
{
    Q_OBJECT
public:
    CFontColorDialog(const QFont& font, ColorRef textColor, QWidget* parent = nullptr);

    QFont SelectedFont() const;
    ColorRef TextColor() const;
    QFontDialog* FontChooser() const { return m_fonts; }
    CColorPickerCombo* ColorPicker() const { return m_color; }

private:
    QFontDialog* m_fonts;
    CColorPickerCombo* m_color;
};

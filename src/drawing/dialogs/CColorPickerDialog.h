#pragma once
// "Colors": the line, text and fill colours and the hollow-fill flag that new
// primitives get and the selection can be given.
#include "base/Geometry.h"

#include <QDialog>

class CColorPickerCombo;
class QCheckBox;

struct ColorChoice
{
    ColorRef line = 0;
    ColorRef text = 0;
    ColorRef fill = 0;
    int hollowFill = 1;
    bool operator==(const ColorChoice&) const = default;
};

class CColorPickerDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CColorPickerDialog(const ColorChoice& initial, QWidget* parent = nullptr);

    ColorChoice Choice() const;
    void SetChoice(const ColorChoice& choice);

private:
    CColorPickerCombo* m_line;
    CColorPickerCombo* m_text;
    CColorPickerCombo* m_fill;
    QCheckBox* m_hollow;
};

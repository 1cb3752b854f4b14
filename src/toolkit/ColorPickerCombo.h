#pragma once
// A drop-down of colour swatches with a "More Colors..." entry that opens the
// system colour dialog; a colour chosen there joins the list.
#include "base/Geometry.h"

#include <QComboBox>

class CColorPickerCombo : public QComboBox
{
    Q_OBJECT
public:
    explicit CColorPickerCombo(QWidget* parent = nullptr);

    ColorRef Color() const;
    // Selects the colour, adding a swatch for it when the list has none.
    void SetColor(ColorRef color);

signals:
    void colorChanged(ColorRef color);

private:
    void AddSwatch(ColorRef color, const QString& name);
    int IndexOfColor(ColorRef color) const;
    void OnActivated(int index);

    int m_lastIndex = 0;
};

QColor ToQColor(ColorRef color);
ColorRef FromQColor(const QColor& color);

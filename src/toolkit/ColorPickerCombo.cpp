#include "toolkit/ColorPickerCombo.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace {
constexpr int kMoreColorsRole = Qt::UserRole + 1;

struct NamedColor
{
    ColorRef color;
    const char* name;
};

constexpr NamedColor kStandardColors[] = {
    {MakeColorRef(0, 0, 0), "Black"},
    {MakeColorRef(128, 0, 0), "Dark Red"},
    {MakeColorRef(0, 128, 0), "Dark Green"},
    {MakeColorRef(128, 128, 0), "Olive"},
    {MakeColorRef(0, 0, 128), "Dark Blue"},
    {MakeColorRef(128, 0, 128), "Purple"},
    {MakeColorRef(0, 128, 128), "Teal"},
    {MakeColorRef(128, 128, 128), "Grey"},
    {MakeColorRef(192, 192, 192), "Silver"},
    {MakeColorRef(255, 0, 0), "Red"},
    {MakeColorRef(0, 255, 0), "Green"},
    {MakeColorRef(255, 255, 0), "Yellow"},
    {MakeColorRef(0, 0, 255), "Blue"},
    {MakeColorRef(255, 0, 255), "Magenta"},
    {MakeColorRef(0, 255, 255), "Cyan"},
    {MakeColorRef(255, 255, 255), "White"},
};

QIcon Swatch(ColorRef color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}
} // namespace

QColor ToQColor(ColorRef color)
{
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

ColorRef FromQColor(const QColor& color)
{
    return MakeColorRef(color.red(), color.green(), color.blue());
}

CColorPickerCombo::CColorPickerCombo(QWidget* parent) : QComboBox(parent)
{
    for (const NamedColor& c : kStandardColors)
        AddSwatch(c.color, QString::fromLatin1(c.name));
    addItem(tr("More Colors..."));
    setItemData(count() - 1, true, kMoreColorsRole);
    connect(this, &QComboBox::activated, this, &CColorPickerCombo::OnActivated);
}

void CColorPickerCombo::AddSwatch(ColorRef color, const QString& name)
{
    // Swatches stay above the "More Colors..." entry.
    const int at = count() > 0 && itemData(count() - 1, kMoreColorsRole).toBool() ? count() - 1 : count();
    insertItem(at, Swatch(color), name, QVariant::fromValue<uint>(color));
}

int CColorPickerCombo::IndexOfColor(ColorRef color) const
{
    for (int i = 0; i < count(); ++i)
        if (!itemData(i, kMoreColorsRole).toBool() && itemData(i).toUInt() == color)
            return i;
    return -1;
}

ColorRef CColorPickerCombo::Color() const
{
    return ColorRef(itemData(m_lastIndex).toUInt());
}

void CColorPickerCombo::SetColor(ColorRef color)
{
    color &= 0xffffff;
    int index = IndexOfColor(color);
    if (index < 0) {
        const QColor c = ToQColor(color);
        AddSwatch(color, c.name(QColor::HexRgb));
        index = IndexOfColor(color);
    }
    m_lastIndex = index;
    setCurrentIndex(index);
}

void CColorPickerCombo::OnActivated(int index)
{
    if (!itemData(index, kMoreColorsRole).toBool()) {
        m_lastIndex = index;
        emit colorChanged(Color());
        return;
    }
    const QColor chosen = QColorDialog::getColor(ToQColor(Color()), this);
    if (!chosen.isValid()) {
        setCurrentIndex(m_lastIndex);
        return;
    }
    SetColor(FromQColor(chosen));
    emit colorChanged(Color());
}

#include "document/PrinterCalibration.h"

#include "base/XmlValues.h"

#include <algorithm>
#include <cmath>

namespace {

const char kElement[] = "PRINTERCALIBRATION";

QString Inches(double value)
{
    return QStringLiteral("%1 in (%2 mm)").arg(value, 0, 'f', 2).arg(value * 25.4, 0, 'f', 1);
}

} // namespace

QTransform PrinterCalibration::DeviceTransform(double dpiX, double dpiY) const
{
    QTransform transform;
    transform.translate(offsetX * dpiX, offsetY * dpiY);
    transform.scale(scale, scale);
    return transform;
}

QString PrinterCalibration::CheckValues() const
{
    if (printer.trimmed().isEmpty())
        return QStringLiteral("Choose the printer the calibration is for.");
    if (!std::isfinite(offsetX) || !std::isfinite(offsetY) || std::abs(offsetX) > kMaxOffsetInches
        || std::abs(offsetY) > kMaxOffsetInches)
        return QStringLiteral("An offset can be at most %1 either way.").arg(Inches(kMaxOffsetInches));
    if (!std::isfinite(scale) || scale < kMinScale || scale > kMaxScale)
        return QStringLiteral("The scale must lie between %1 % and %2 %.")
            .arg(kMinScale * 100, 0, 'f', 0)
            .arg(kMaxScale * 100, 0, 'f', 0);
    return QString();
}

QString PrinterCalibration::CheckFits(const QRect& inkBox, QSize pageSize) const
{
    if (inkBox.isEmpty())
        return QString();
    // In label units, where one unit is 0.01 inch.
    const QRectF moved = DeviceTransform(100, 100).mapRect(QRectF(inkBox));
    const QRectF page(0, 0, pageSize.width(), pageSize.height());
    const struct Side
    {
        const char* name;
        double before;
        double after;
    } sides[] = {
        {"left", page.left() - inkBox.left(), page.left() - moved.left()},
        {"top", page.top() - inkBox.top(), page.top() - moved.top()},
        {"right", inkBox.right() + 1 - page.right(), moved.right() - page.right()},
        {"bottom", inkBox.bottom() + 1 - page.bottom(), moved.bottom() - page.bottom()},
    };
    for (const Side& side : sides) {
        if (side.after > 0.5 && side.after > std::max(0.0, side.before) + 0.5)
            return QStringLiteral("The calibration of the printer \"%1\" would push the label %2 past the %3 edge "
                                  "of the printable area. Change it with File > Print Calibration... or move the label.")
                .arg(printer, Inches(side.after / 100.0), QLatin1String(side.name));
    }
    return QString();
}

void WriteCalibrations(pugi::xml_node root, const std::vector<PrinterCalibration>& calibrations)
{
    for (const PrinterCalibration& c : calibrations) {
        const pugi::xml_node element = WriteContainer(root, kElement);
        WriteString(element, "PRINTERNAME", c.printer);
        WriteReal(element, "OFFSETX", c.offsetX);
        WriteReal(element, "OFFSETY", c.offsetY);
        WriteReal(element, "SCALE", c.scale);
    }
}

std::vector<PrinterCalibration> ReadCalibrations(pugi::xml_node root)
{
    std::vector<PrinterCalibration> calibrations;
    for (pugi::xml_node element = root.child(kElement); element; element = element.next_sibling(kElement)) {
        PrinterCalibration c;
        ReadString(element, "PRINTERNAME", c.printer);
        ReadReal(element, "OFFSETX", c.offsetX);
        ReadReal(element, "OFFSETY", c.offsetY);
        ReadReal(element, "SCALE", c.scale);
        if (c.CheckValues().isEmpty())
            calibrations.push_back(c);
    }
    return calibrations;
}

#pragma once
// How far one printer misplaces and misscales what it prints, and the
// correction that puts a label back where it belongs on the stock.
#include <QRect>
#include <QSize>
#include <QString>
#include <QTransform>
#include <vector>

#include <pugixml.hpp>

struct PrinterCalibration
{
    QString printer;      // the print system's name of the printer
    double offsetX = 0.0; // inches the label moves right (negative: left)
    double offsetY = 0.0; // inches the label moves down (negative: up)
    double scale = 1.0;   // factor on every length, about the page's top-left corner

    static constexpr double kMaxOffsetInches = 1.0;
    static constexpr double kMinScale = 0.9;
    static constexpr double kMaxScale = 1.1;

    bool IsIdentity() const { return offsetX == 0.0 && offsetY == 0.0 && scale == 1.0; }
    // From device pixels as the label would print to device pixels as it
    // prints corrected, at the device's resolution.
    QTransform DeviceTransform(double dpiX, double dpiY) const;
    // Why the values cannot be taken, or empty.
    QString CheckValues() const;
    // Why the correction would push ink that lies in inkBox (label units:
    // x right, y down from the page's top-left corner) off a page of
    // pageSize (label units), or empty. A side the ink already crosses
    // without the correction is no reason to refuse.
    QString CheckFits(const QRect& inkBox, QSize pageSize) const;
};

// The preferences keep one element per calibrated printer; readers that do
// not know it pass over it.
void WriteCalibrations(pugi::xml_node root, const std::vector<PrinterCalibration>& calibrations);
// Entries without a printer name or with values CheckValues refuses are left out.
std::vector<PrinterCalibration> ReadCalibrations(pugi::xml_node root);

#pragma once
// The test page a user measures to calibrate a printer: rulers in inches
// and millimetres along the top and left, and crosshairs at known positions
// measured from the paper's top-left corner.
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;

namespace CalibrationPage {

// Where the crosshairs' centres lie on a paper of paperSize, in label units
// (0.01 inch) from its top-left corner, y downward.
std::vector<QPoint> Crosshairs(QSize paperSize);

// Draws the page for the printer named, the painter's origin being the
// paper's top-left corner at dpiX x dpiY.
void Render(QPainter& painter, QSize paperSize, double dpiX, double dpiY, const QString& printer);

} // namespace CalibrationPage

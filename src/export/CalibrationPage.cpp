#include "export/CalibrationPage.h"

#include <QFont>
#include <QPainter>
#include <QPen>

namespace CalibrationPage {
namespace {

constexpr int kRulerAt = 50;         // the rulers run half an inch in from the paper's edges
constexpr double kUnitsPerMm = 100.0 / 25.4;

QFont SmallFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(9); // label units: about 6.5 points
    return font;
}

// Ticks every tenth of an inch above the line and every millimetre below
// it, along x; the caller turns the painter for the vertical ruler.
void Ruler(QPainter& painter, int length)
{
    painter.drawLine(QPointF(kRulerAt, 0), QPointF(length, 0));
    for (int x = kRulerAt; x <= length; x += 10) {
        const int tick = x % 100 == 0 ? 25 : x % 50 == 0 ? 15 : 8;
        painter.drawLine(QPointF(x, 0), QPointF(x, -tick));
        if (x % 100 == 0)
            painter.drawText(QPointF(x + 2, -16), QStringLiteral("%1 in").arg(x / 100));
    }
    for (int mm = 0; mm * kUnitsPerMm <= length; ++mm) {
        const double x = mm * kUnitsPerMm;
        if (x < kRulerAt)
            continue;
        const int tick = mm % 10 == 0 ? 25 : mm % 5 == 0 ? 15 : 8;
        painter.drawLine(QPointF(x, 0), QPointF(x, tick));
        if (mm % 10 == 0)
            painter.drawText(QPointF(x + 2, 24), QStringLiteral("%1 mm").arg(mm));
    }
}

void Crosshair(QPainter& painter, QPoint centre)
{
    painter.drawLine(centre - QPoint(40, 0), centre + QPoint(40, 0));
    painter.drawLine(centre - QPoint(0, 40), centre + QPoint(0, 40));
    painter.drawEllipse(QPointF(centre), 15.0, 15.0);
    painter.drawText(QPointF(centre + QPoint(20, -20)),
                     QStringLiteral("%1 in, %2 in (%3 mm, %4 mm)")
                         .arg(centre.x() / 100.0, 0, 'f', 2)
                         .arg(centre.y() / 100.0, 0, 'f', 2)
                         .arg(centre.x() * 0.254, 0, 'f', 1)
                         .arg(centre.y() * 0.254, 0, 'f', 1));
}

} // namespace

std::vector<QPoint> Crosshairs(QSize paperSize)
{
    return {QPoint(200, 200), QPoint(paperSize.width() / 2, paperSize.height() / 2),
            QPoint(paperSize.width() - 200, paperSize.height() - 200)};
}

void Render(QPainter& painter, QSize paperSize, double dpiX, double dpiY, const QString& printer)
{
    painter.save();
    painter.scale(dpiX / 100.0, dpiY / 100.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setFont(SmallFont());

    painter.save();
    painter.translate(0, kRulerAt);
    Ruler(painter, paperSize.width() - kRulerAt);
    painter.restore();
    painter.save();
    // The left ruler runs down the page: inches to the right of its line,
    // millimetres to the left.
    painter.translate(kRulerAt, 0);
    painter.rotate(90);
    Ruler(painter, paperSize.height() - kRulerAt);
    painter.restore();

    for (const QPoint& centre : Crosshairs(paperSize))
        Crosshair(painter, centre);

    QFont heading(QStringLiteral("Liberation Sans"));
    heading.setPixelSize(16);
    heading.setBold(true);
    painter.setFont(heading);
    const QRectF text(150, paperSize.height() / 2 + 80, paperSize.width() - 300, 300);
    painter.drawText(text.topLeft() + QPointF(0, 16), printer.isEmpty() ? QStringLiteral("Covermint printer calibration")
                                       : QStringLiteral("Covermint printer calibration: %1").arg(printer));
    QFont body(QStringLiteral("Liberation Sans"));
    body.setPixelSize(12);
    painter.setFont(body);
    painter.drawText(text.adjusted(0, 30, 0, 0), Qt::TextWordWrap,
                     QStringLiteral(
                         "Each crosshair's centre should lie where its text says, measured from the paper's top-left "
                         "corner. Measure how far it landed from there. In File > Print Calibration..., enter the "
                         "move that brings it back: if it printed 1 mm too far right, enter -1 mm horizontally; if it "
                         "printed 1 mm too low, enter -1 mm vertically. Measure the distance between the outer "
                         "crosshairs too: when it is off, enter the scale that corrects it (what it should be divided "
                         "by what it is, as a percentage)."));
    painter.restore();
}

} // namespace CalibrationPage

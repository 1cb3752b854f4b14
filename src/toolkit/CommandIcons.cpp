#include "toolkit/CommandIcons.h"

#include "toolkit/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

constexpr int kSize = 32;
const QColor kInk(40, 40, 48);
const QColor kPaper(255, 255, 255);
const QColor kAccent(40, 100, 200);

QIcon Paint(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    draw(p);
    return QIcon(pixmap);
}

void Page(QPainter& p, QRectF r)
{
    QPainterPath path;
    const qreal fold = r.width() * 0.35;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
    p.setBrush(Qt::NoBrush);
}

void Magnifier(QPainter& p, QPointF centre, qreal radius, int sign)
{
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 4.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), centre + QPointF(radius * 1.6, radius * 1.6));
    p.setPen(QPen(kAccent, 2.5, Qt::SolidLine, Qt::RoundCap));
    if (sign != 0)
        p.drawLine(centre - QPointF(radius * 0.5, 0), centre + QPointF(radius * 0.5, 0));
    if (sign > 0)
        p.drawLine(centre - QPointF(0, radius * 0.5), centre + QPointF(0, radius * 0.5));
}

// Two overlapping squares with an arrow: up (raise) or down (lower); with a
// bar, all the way to the top or bottom.
void Stack(QPainter& p, bool up, bool allTheWay)
{
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4, 4, 15, 15));
    p.setBrush(QColor(170, 200, 240));
    p.drawRect(QRectF(10, 10, 15, 15));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kAccent, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal tip = up ? 4 : 28;
    const qreal tail = up ? 20 : 12;
    const qreal dir = up ? 1 : -1;
    p.drawLine(QPointF(28, tail), QPointF(28, tip));
    p.drawLine(QPointF(28, tip), QPointF(24, tip + 4 * dir));
    p.drawLine(QPointF(28, tip), QPointF(31, tip + 4 * dir));
    if (allTheWay)
        p.drawLine(QPointF(22, tip - 2 * dir), QPointF(31, tip - 2 * dir));
}

// A disc seen from above, its hole in the middle.
void Disc(QPainter& p, QPointF centre, qreal radius)
{
    p.setBrush(QColor(205, 215, 230));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(kPaper);
    p.drawEllipse(centre, radius * 0.28, radius * 0.28);
    p.setBrush(Qt::NoBrush);
}

void CurvedArrow(QPainter& p, bool redo)
{
    if (redo) {
        p.translate(kSize, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(kAccent, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath arc;
    arc.moveTo(8, 14);
    arc.cubicTo(14, 4, 28, 8, 26, 22);
    p.drawPath(arc);
    p.drawLine(QPointF(8, 14), QPointF(7, 6));
    p.drawLine(QPointF(8, 14), QPointF(15, 15));
}

} // namespace

QIcon CommandIcons::ForCommand(int id)
{
    using namespace CommandId;
    switch (id) {
    case New:
        return Paint([](QPainter& p) { Page(p, QRectF(7, 3, 18, 26)); });
    case Open:
        return Paint([](QPainter& p) {
            p.setBrush(QColor(240, 200, 90));
            p.drawRect(QRectF(3, 8, 24, 18));
            p.setBrush(QColor(250, 220, 120));
            p.drawPolygon(QPolygonF({QPointF(3, 26), QPointF(9, 14), QPointF(30, 14), QPointF(27, 26)}));
        });
    case Save:
        return Paint([](QPainter& p) {
            p.setBrush(kAccent);
            p.drawRect(QRectF(4, 4, 24, 24));
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 4, 14, 9));
            p.drawRect(QRectF(8, 18, 16, 10));
        });
    case Cut:
        return Paint([](QPainter& p) {
            p.drawLine(QPointF(10, 4), QPointF(20, 22));
            p.drawLine(QPointF(22, 4), QPointF(12, 22));
            p.drawEllipse(QPointF(9, 25), 4, 4);
            p.drawEllipse(QPointF(23, 25), 4, 4);
        });
    case Copy:
        return Paint([](QPainter& p) {
            Page(p, QRectF(4, 3, 15, 20));
            Page(p, QRectF(13, 9, 15, 20));
        });
    case Paste:
        return Paint([](QPainter& p) {
            p.setBrush(QColor(200, 150, 90));
            p.drawRect(QRectF(4, 6, 18, 23));
            p.setBrush(QColor(150, 150, 160));
            p.drawRect(QRectF(9, 3, 8, 5));
            Page(p, QRectF(14, 11, 14, 18));
        });
    case Undo:
        return Paint([](QPainter& p) { CurvedArrow(p, false); });
    case Redo:
        return Paint([](QPainter& p) { CurvedArrow(p, true); });
    case Print:
        return Paint([](QPainter& p) {
            Page(p, QRectF(9, 3, 14, 12));
            p.setBrush(QColor(190, 190, 200));
            p.drawRoundedRect(QRectF(3, 13, 26, 11), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 20, 14, 9));
        });
    case PrintPreview:
        return Paint([](QPainter& p) {
            Page(p, QRectF(4, 3, 18, 25));
            Magnifier(p, QPointF(18, 17), 6, 0);
        });
    case About:
    case HelpContents:
        return Paint([](QPainter& p) {
            p.setBrush(kAccent);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(3, 3, 26, 26));
            p.setPen(kPaper);
            QFont font = p.font();
            font.setBold(true);
            font.setPixelSize(20);
            p.setFont(font);
            p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        });
    case ToolSelection:
        return Paint([](QPainter& p) {
            p.setBrush(kPaper);
            p.drawPolygon(QPolygonF({QPointF(9, 3), QPointF(9, 25), QPointF(14, 20), QPointF(18, 29),
                                     QPointF(22, 27), QPointF(18, 18), QPointF(25, 18)}));
        });
    case ToolDragSelection:
        return Paint([](QPainter& p) {
            p.setPen(QPen(kInk, 1.5, Qt::DashLine));
            p.drawRect(QRectF(3, 3, 22, 18));
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kPaper);
            p.drawPolygon(QPolygonF({QPointF(18, 14), QPointF(18, 30), QPointF(22, 26), QPointF(25, 31),
                                     QPointF(28, 30), QPointF(25, 25), QPointF(30, 25)}));
        });
    case ToolFreehand:
        return Paint([](QPainter& p) {
            QPainterPath path;
            path.moveTo(3, 22);
            path.cubicTo(8, 2, 14, 30, 19, 14);
            path.cubicTo(22, 5, 27, 12, 29, 8);
            p.drawPath(path);
        });
    case ToolRectangle:
        return Paint([](QPainter& p) { p.drawRect(QRectF(4, 7, 24, 18)); });
    case ToolRoundedRectangle:
        return Paint([](QPainter& p) { p.drawRoundedRect(QRectF(4, 7, 24, 18), 6, 6); });
    case ToolEllipse:
        return Paint([](QPainter& p) { p.drawEllipse(QRectF(3, 7, 26, 18)); });
    case ToolLine:
        return Paint([](QPainter& p) { p.drawLine(QPointF(4, 27), QPointF(28, 5)); });
    case ToolText:
        return Paint([](QPainter& p) {
            QFont font(QStringLiteral("Liberation Serif"));
            font.setBold(true);
            font.setPixelSize(26);
            p.setFont(font);
            p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("A"));
        });
    case ToolDirectorySegment:
        return Paint([](QPainter& p) {
            p.drawRect(QRectF(3, 4, 26, 24));
            p.setPen(QPen(kInk, 1.0));
            for (int y = 10; y < 28; y += 5)
                p.drawLine(QPointF(5, y), QPointF(27, y));
            p.drawLine(QPointF(16, 4), QPointF(16, 28));
        });
    case AddImage:
        return Paint([](QPainter& p) {
            p.setBrush(QColor(210, 235, 255));
            p.drawRect(QRectF(3, 5, 26, 22));
            p.setBrush(QColor(80, 160, 80));
            p.setPen(Qt::NoPen);
            p.drawPolygon(QPolygonF({QPointF(4, 26), QPointF(13, 13), QPointF(19, 21), QPointF(23, 16),
                                     QPointF(28, 26)}));
            p.setBrush(QColor(250, 200, 40));
            p.drawEllipse(QPointF(22, 10), 3, 3);
        });
    case ReadDrive:
        return Paint([](QPainter& p) {
            Disc(p, QPointF(13, 13), 11);
            p.setPen(QPen(kAccent, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(25, 14), QPointF(25, 29));
            p.drawLine(QPointF(25, 29), QPointF(20, 24));
            p.drawLine(QPointF(25, 29), QPointF(30, 24));
        });
    case DirectoryInformation:
        return Paint([](QPainter& p) {
            p.setBrush(QColor(250, 210, 110));
            p.drawRect(QRectF(3, 4, 11, 8));
            p.drawRect(QRectF(13, 19, 11, 8));
            p.setPen(QPen(kInk, 1.5));
            p.drawLine(QPointF(7, 12), QPointF(7, 23));
            p.drawLine(QPointF(7, 23), QPointF(13, 23));
            p.drawLine(QPointF(18, 8), QPointF(29, 8));
            p.drawLine(QPointF(27, 23), QPointF(31, 23));
        });
    case ConnectToCddb:
        return Paint([](QPainter& p) {
            Disc(p, QPointF(12, 12), 10);
            p.setPen(QPen(kAccent, 1.8));
            p.drawEllipse(QPointF(22, 22), 8, 8);
            p.drawEllipse(QRectF(18.5, 14, 7, 16));
            p.drawLine(QPointF(14, 22), QPointF(30, 22));
        });
    case ZoomIn:
        return Paint([](QPainter& p) { Magnifier(p, QPointF(13, 13), 9, 1); });
    case ZoomOut:
        return Paint([](QPainter& p) { Magnifier(p, QPointF(13, 13), 9, -1); });
    case Raise:
        return Paint([](QPainter& p) { Stack(p, true, false); });
    case Lower:
        return Paint([](QPainter& p) { Stack(p, false, false); });
    case MoveToTop:
        return Paint([](QPainter& p) { Stack(p, true, true); });
    case MoveToBottom:
        return Paint([](QPainter& p) { Stack(p, false, true); });
    default:
        return {};
    }
}

QIcon CommandIcons::Application()
{
    return Paint([](QPainter& p) {
        QRadialGradient shine(QPointF(12, 12), 16);
        shine.setColorAt(0, QColor(235, 245, 255));
        shine.setColorAt(1, QColor(120, 160, 220));
        p.setBrush(shine);
        p.drawEllipse(QPointF(16, 16), 14, 14);
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(16, 16), 4, 4);
    });
}

#include "drawing/CTextPrimitive.h"

#include "base/DateText.h"
#include "base/XmlValues.h"
#include "drawing/CDrawingEngine.h"
#include "drawing/DrawingDefaults.h"
#include "drawing/PensAndFonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>
#include <QTransform>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

long g_measureCount = 0;

constexpr double kMinPointSize = 1.0;
constexpr double kMaxPointSize = 1440.0; // 20 inches, taller than any page

// The box covered by text w wide and h high laid out from origin (its
// top-left) and turned counter-clockwise about it; y grows upward.
LRect TurnedBox(QPoint origin, int w, int h, int turn)
{
    const int x = origin.x();
    const int y = origin.y();
    switch (turn) {
    case 90:
        return LRect(x, y + w, x + h, y);
    case 180:
        return LRect(x - w, y + h, x, y);
    case 270:
        return LRect(x - h, y, x, y - w);
    default:
        return LRect(x, y, x + w, y - h);
    }
}

// The lines [first, last) that can reach the painter's device; the others are
// skipped, so a long text costs only what shows. All lines when the device
// has no size to go by.
std::pair<int, int> VisibleLines(const QPainter& painter, int lineSpacing, int count)
{
    const QPaintDevice* device = painter.device();
    bool invertible = false;
    const QTransform toLocal = painter.combinedTransform().inverted(&invertible);
    if (!device || device->width() <= 0 || device->height() <= 0 || !invertible || lineSpacing <= 0)
        return {0, count};
    const QRectF local = toLocal.mapRect(QRectF(0, 0, device->width(), device->height()));
    const double first = std::floor(local.top() / lineSpacing) - 1;
    const double last = std::ceil(local.bottom() / lineSpacing) + 1;
    const int from = int(std::clamp(first, 0.0, double(count)));
    return {from, int(std::clamp(last, double(from), double(count)))};
}

// Label units on either side of the origin that any page can show (100
// inches, more than any paper): lines lying wholly outside them are counted
// but neither measured nor drawn, and a line is cut where it leaves them, so a
// text of many megabytes costs about what a page of it costs.
constexpr int kPageReach = 10000;
// Long lines are measured in growing prefixes of at least this many
// characters until one passes the reach.
constexpr qsizetype kMeasureChunk = 4096;

QString WithUnixBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The line, or the first part of it that already runs further than reach
// view units; a line within reach is measured whole, as always.
QString LineWithinReach(const QString& line, const QFontMetrics& metrics, qint64 reach)
{
    if (reach <= 0)
        return QString();
    for (qsizetype length = kMeasureChunk; length < line.size(); length *= 2) {
        const QString part = line.left(length);
        if (metrics.horizontalAdvance(part) > reach)
            return part;
    }
    return line;
}

// Where the lines of a text turned by turn and anchored at anchor lie, in
// view units: the distance of the first line's near edge from the origin
// along the direction the lines stack in, and how far its lines may run
// before they leave what a page can show.
struct LinePlacement
{
    qint64 stackStart;
    qint64 runReach;
};

LinePlacement PlaceLines(QPoint anchor, int turn, const CDrawingEngine& engine)
{
    const qint64 x = engine.ToView(anchor.x());
    const qint64 y = engine.ToView(anchor.y());
    const qint64 reach = engine.ToView(kPageReach);
    switch (turn) {
    case 90: return {x, reach - y};
    case 180: return {y, reach + x};
    case 270: return {-x, reach + y};
    default: return {-y, reach - x};
    }
}

// A tab becomes blanks up to the next stop (eight blanks apart): the PDF
// engine drops whatever follows a tab, and blanks look alike everywhere.
QString ExpandTabs(const QString& line, const QFontMetrics& metrics)
{
    if (!line.contains(QLatin1Char('\t')))
        return line;
    const int blank = std::max(1, metrics.horizontalAdvance(QLatin1Char(' ')));
    const int stop = 8 * blank;
    const QStringList parts = line.split(QLatin1Char('\t'));
    QString expanded = parts.front();
    int width = metrics.horizontalAdvance(expanded);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const int blanks = (stop - width % stop + blank - 1) / blank;
        expanded += QString(blanks, QLatin1Char(' ')) + parts[i];
        width += blanks * blank + metrics.horizontalAdvance(parts[i]);
    }
    return expanded;
}

struct SpecialEntry
{
    QString name;
    QString placeholder;
};

const std::vector<SpecialEntry>& SpecialEntries()
{
    static const std::vector<SpecialEntry> entries = {
        {QStringLiteral("None"), QString()},
        {QStringLiteral("CDDB Disk Title"), QStringLiteral("<CDDB Disk Title>")},
        {QStringLiteral("CDDB Track Listing"), QStringLiteral("<CDDB Track Listing>")},
        {QStringLiteral("CDDB Extended Disk Information"), QStringLiteral("<CDDB Extended Disk Information>")},
        {QStringLiteral("CDDB Extended Track Information"), QStringLiteral("<CDDB Extended Track Information>")},
        // The placeholder really lacks the parenthesis after "Total".
        {QStringLiteral("Disk Size (Freespace/Total)"), QStringLiteral("<Disk Size (Freespace/Total>")},
        {QStringLiteral("Label Name"), QStringLiteral("<Label Name>")},
        {QStringLiteral("Label Description"), QStringLiteral("<Label Description>")},
        {QStringLiteral("Label Author"), QStringLiteral("<Label Author>")},
        {QStringLiteral("Label Create Date"), QStringLiteral("<Label Create Date>")},
        {QStringLiteral("Current Date"), QString()},
    };
    return entries;
}

} // namespace

// Text laid out once for a font and zoom: lines, their widths and the whole
// size, all in view units.
struct CTextPrimitive::Layout
{
    QString text;
    FontSpec fontSpec;
    int zoom = 0;
    QFont font;
    QVector<QStaticText> lines;
    QVector<int> widths;
    int lineSpacing = 0;
    QSize size;
    // Underline and strike-out are drawn here rather than by the font: static
    // text puts them in the wrong place on some targets.
    QFont glyphFont;
    std::vector<double> decorationOffsets; // below each line's top
    double decorationThickness = 0;

    // Lines [firstLine, firstLine + lines.size()) of lineCount were measured;
    // all of them, uncut, when whole (the anchor then does not matter).
    int firstLine = 0;
    int lineCount = 0;
    bool whole = true;
    QPoint anchor;

    bool Matches(const QString& t, const FontSpec& s, int z, QPoint a) const
    {
        return zoom == z && fontSpec == s && (whole || anchor == a) && text == t;
    }
};

CTextPrimitive::CTextPrimitive(CDrawingEngine* owner)
    : CBoxPrimitive(owner)
    , m_font(CDrawingDefaults::Instance().Font())
    , m_text(QStringLiteral("<New Text>"))
{
    m_lineColor = m_textColor; // the base took the default text colour
}

CTextPrimitive::CTextPrimitive()
    : CBoxPrimitive(nullptr)
    , m_font(CDrawingDefaults::Instance().Font())
    , m_text(QStringLiteral("<New Text>"))
{
}

void CTextPrimitive::Assign(const CPrimitive& other)
{
    if (&other == this)
        return;
    CPrimitive::Assign(other);
    if (const auto* text = dynamic_cast<const CTextPrimitive*>(&other)) {
        m_text = text->m_text;
        AssignCorners(*text);
        m_font = text->m_font;
        m_layout = text->m_layout;
    }
}

std::shared_ptr<const CTextPrimitive::Layout> CTextPrimitive::LayoutFor(const QString& shown, int zoom)
{
    if (m_layout && m_layout->Matches(shown, m_font, zoom, m_corner1))
        return m_layout;

    ++g_measureCount;
    auto layout = std::make_shared<Layout>();
    layout->text = shown;
    layout->fontSpec = m_font;
    layout->zoom = zoom;
    layout->font = ScaledFont(DrawableFont(m_font), m_owner->Zoom());
    if (layout->font.pixelSize() < 1)
        layout->font.setPixelSize(1);

    const QFontMetrics metrics(layout->font);
    layout->lineSpacing = metrics.lineSpacing();
    layout->glyphFont = layout->font;
    layout->glyphFont.setUnderline(false);
    layout->glyphFont.setStrikeOut(false);
    if (layout->font.underline())
        layout->decorationOffsets.push_back(metrics.ascent() + metrics.underlinePos());
    if (layout->font.strikeOut())
        layout->decorationOffsets.push_back(metrics.ascent() - metrics.strikeOutPos());
    layout->decorationThickness = std::max(1, metrics.lineWidth());
    const QString all = WithUnixBreaks(shown);
    layout->lineCount = int(std::min<qsizetype>(all.count(QLatin1Char('\n')) + 1, std::numeric_limits<int>::max()));
    layout->anchor = m_corner1;
    const qint64 spacing = std::max(1, layout->lineSpacing);
    const qint64 pageReach = m_owner->ToView(kPageReach);
    const LinePlacement place = PlaceLines(m_corner1, QuarterTurn(m_font.rotation), *m_owner);
    layout->firstLine = int(std::clamp<qint64>((-pageReach - place.stackStart) / spacing - 1, 0, layout->lineCount));
    const int endLine = int(std::clamp<qint64>((pageReach - place.stackStart) / spacing + 1, layout->firstLine,
                                               layout->lineCount));
    qsizetype start = 0;
    for (int i = 0; i < layout->firstLine; ++i)
        start = all.indexOf(QLatin1Char('\n'), start) + 1;
    int width = 0;
    for (int i = layout->firstLine; i < endLine; ++i) {
        const qsizetype end = all.indexOf(QLatin1Char('\n'), start);
        const QString text = all.mid(start, end < 0 ? -1 : end - start);
        start = end + 1;
        const QString cut = LineWithinReach(text, metrics, place.runReach);
        layout->whole = layout->whole && cut.size() == text.size();
        const QString line = ExpandTabs(cut, metrics);
        QStaticText staticLine(line);
        staticLine.setTextFormat(Qt::PlainText);
        staticLine.setPerformanceHint(QStaticText::AggressiveCaching);
        layout->lines.push_back(staticLine);
        layout->widths.push_back(metrics.horizontalAdvance(line));
        width = std::max(width, layout->widths.back());
    }
    layout->whole = layout->whole && layout->firstLine == 0 && endLine == layout->lineCount;
    layout->size = QSize(width, int(std::min<qint64>(qint64(layout->lineSpacing) * layout->lineCount,
                                                     std::numeric_limits<int>::max())));
    m_layout = std::move(layout);
    return m_layout;
}

std::shared_ptr<const CTextPrimitive::Layout> CTextPrimitive::MeasuredLayout()
{
    if (m_name == SpecialName(Special::CurrentDate))
        m_text = TodayDateText();
    // An empty text still needs a box to be found and selected by.
    const QString shown = m_text.isEmpty() ? QStringLiteral(" ") : m_text;
    const auto layout = LayoutFor(shown, m_owner->ZoomPercent());
    m_corner2 = m_corner1 + QPoint(m_owner->ToLabel(layout->size.width()), -m_owner->ToLabel(layout->size.height()));
    return layout;
}

void CTextPrimitive::UpdateExtent()
{
    if (m_owner)
        MeasuredLayout();
}

int CTextPrimitive::Draw(QPainter& painter)
{
    if (!m_owner)
        return 1;
    const auto layout = MeasuredLayout();
    const QSize size = layout->size;

    const int turn = QuarterTurn(m_font.rotation);
    const QPoint origin = m_owner->ToView(m_corner1);

    // Lay out in a frame with y downward so glyphs are never mirrored, turned
    // about the text's top-left.
    painter.save();
    painter.translate(origin);
    painter.scale(1, -1);
    painter.rotate(-turn);
    painter.setFont(layout->glyphFont);
    painter.setPen(ColorOf(m_textColor));
    painter.setBackgroundMode(Qt::TransparentMode);
    const auto [shownFirst, shownLast] = VisibleLines(painter, layout->lineSpacing, layout->lineCount);
    const int first = std::max(shownFirst, layout->firstLine) - layout->firstLine;
    const int last = std::min(shownLast - layout->firstLine, int(layout->lines.size()));
    for (int i = first; i < last; ++i) {
        int x = 0;
        if (m_font.justification == FontSpec::JustifyRight)
            x = size.width() - layout->widths[i];
        else if (m_font.justification == FontSpec::JustifyCenter)
            x = (size.width() - layout->widths[i]) / 2;
        const int top = (layout->firstLine + i) * layout->lineSpacing;
        painter.drawStaticText(QPointF(x, top), layout->lines[i]);
        for (const double offset : layout->decorationOffsets)
            painter.fillRect(QRectF(x, top + offset - layout->decorationThickness / 2, layout->widths[i],
                                    layout->decorationThickness),
                             ColorOf(m_textColor));
    }
    painter.restore();

    if (IsSelected()) {
        const LRect box = TurnedBox(origin, size.width(), size.height(), turn);
        DrawCornerHandles(painter, QPoint(box.left, box.top), QPoint(box.right, box.bottom));
    }
    return 1;
}

void CTextPrimitive::BeginCreate(QPoint viewPoint)
{
    m_corner1 = ToLabel(viewPoint);
    m_corner2 = m_corner1;
}

LRect CTextPrimitive::BoundingBox() const
{
    const int w = m_corner2.x() - m_corner1.x();
    const int h = m_corner1.y() - m_corner2.y();
    return TurnedBox(m_corner1, w, h, QuarterTurn(m_font.rotation));
}

QString CTextPrimitive::GetDescription() const
{
    const LRect box = BoundingBox();
    const double x1 = box.MinX() / 100.0;
    const double x2 = box.MaxX() / 100.0;
    const double y1 = std::min(std::abs(box.top), std::abs(box.bottom)) / 100.0;
    const double y2 = std::max(std::abs(box.top), std::abs(box.bottom)) / 100.0;
    const QString head = m_name.isEmpty() ? QStringLiteral("Text : ") : QStringLiteral("Text(%1) : ").arg(m_name);
    return head + QString::asprintf("(%5.1f,%5.1f ) x (%5.1f,%5.1f )   ", x1, y1, x2, y2) + m_font.faceName
        + QString::asprintf(" %6.1f points", m_font.pointSize);
}

bool CTextPrimitive::HitTest(QPoint viewPoint) const
{
    if (!m_owner)
        return false;
    const LRect box = BoundingBox();
    return PointInBox(QPoint(box.left, box.top), QPoint(box.right, box.bottom), ToLabel(viewPoint));
}

bool CTextPrimitive::Intersects(const LRect& labelRect) const
{
    return RectsIntersect(BoundingBox().Normalized(), labelRect.Normalized());
}

std::vector<KeyedField> CTextPrimitive::OwnFields()
{
    // Unlike other values, an empty TEXT is a text of its own ("None" names).
    return {{"PTSIZE", &m_font.pointSize},        {"FACENAME", &m_font.faceName},
            {"TEXT", &m_text, true},              {"ROTATION", &m_font.rotation},
            {"JUSTIFICATION", &m_font.justification}, {"FONTATTR", &m_font.attributes}};
}

void CTextPrimitive::FieldsLoaded()
{
    m_layout.reset();
}

void CTextPrimitive::PersistPoints(bool storing, pugi::xml_node node)
{
    PersistCorners(storing, node, 1);
    if (!storing)
        m_corner2 = m_corner1;
}

std::shared_ptr<CPrimitive> CTextPrimitive::Clone() const
{
    return CloneOf(*this);
}

QString CTextPrimitive::SpecialName(Special special)
{
    return SpecialEntries()[size_t(special)].name;
}

const QStringList& CTextPrimitive::SpecialNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const SpecialEntry& entry : SpecialEntries())
            list << entry.name;
        return list;
    }();
    return names;
}

QString CTextPrimitive::Placeholder(const QString& specialName)
{
    for (const SpecialEntry& entry : SpecialEntries()) {
        if (entry.name == specialName)
            return entry.placeholder;
    }
    return QString();
}

FontSpec CTextPrimitive::DrawableFont(FontSpec fontSpec)
{
    if (!(fontSpec.pointSize >= kMinPointSize))
        fontSpec.pointSize = kMinPointSize;
    else if (fontSpec.pointSize > kMaxPointSize)
        fontSpec.pointSize = kMaxPointSize;
    return fontSpec;
}

int CTextPrimitive::QuarterTurn(int rotation)
{
    const int degrees = ((rotation % 360) + 360) % 360;
    if (degrees >= 269)
        return 270;
    if (degrees >= 179)
        return 180;
    if (degrees >= 89)
        return 90;
    return 0;
}

long CTextPrimitive::MeasureCount()
{
    return g_measureCount;
}

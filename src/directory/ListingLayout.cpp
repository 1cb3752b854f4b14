#include "directory/ListingLayout.h"

#include "base/DateText.h"
#include "directory/CFileInformation.h"
#include "drawing/CDrawingEngine.h"
#include "drawing/CTextPrimitive.h"
#include "drawing/PensAndFonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {

const QString kMeasuringText = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");

// Column widths a hand-edited file may hold (0, negative, huge, not a
// number) would stall or overflow the walk; a hundredth of an inch to 100
// inches covers every real label.
constexpr double kMinColumnWidth = 1.0;
constexpr double kMaxColumnWidth = 10000.0;

constexpr qint64 kTicksPerMillisecond = 10000;
constexpr qint64 kMillisecondsFrom1601To1970 = 11644473600000LL;

QDateTime LastWriteTime(const CFileFile& file)
{
    const qint64 ticks = (qint64(quint32(file.GetLastWriteHigh())) << 32) | quint32(file.GetLastWriteLow());
    return QDateTime::fromMSecsSinceEpoch(ticks / kTicksPerMillisecond - kMillisecondsFrom1601To1970, Qt::UTC)
        .toLocalTime();
}

FontSpec BoldOf(FontSpec font)
{
    font.attributes |= FontSpec::Bold;
    return font;
}

// Height of one row in label units, through the view and back as the
// segment keeps it.
int RowHeight(const CDrawingEngine& engine, const FontSpec& font, bool boldDirectories)
{
    const auto measure = [](const FontSpec& f) {
        return QFontMetrics(UnscaledFont(f)).size(Qt::TextSingleLine, kMeasuringText).height();
    };
    int height = measure(font);
    if (boldDirectories)
        height = std::max(height, measure(BoldOf(font)));
    return std::max(1, engine.ToLabel(engine.ToView(height + 2)));
}

} // namespace

CListingLayout::CListingLayout(const CDrawingEngine& engine, QPainter& painter, const ListingStyle& style,
                               const std::vector<const CPrimitive*>& obstacles)
    : m_engine(engine)
    , m_painter(painter)
    , m_style(style)
    , m_minX(style.box.MinX())
    , m_maxX(style.box.MaxX())
    , m_minY(style.box.MinY())
    , m_maxY(style.box.MaxY())
    , m_columnWidth(std::isfinite(style.display.columnWidth)
                        ? std::clamp(style.display.columnWidth * 100.0, kMinColumnWidth, kMaxColumnWidth)
                        : kMinColumnWidth)
    , m_cursorX(m_minX + kLeftMargin)
    , m_cursorY(m_maxY - kTopBottomMargin)
    , m_font(ScaledFont(CTextPrimitive::DrawableFont(style.font), engine.Zoom()))
    , m_boldFont(ScaledFont(CTextPrimitive::DrawableFont(BoldOf(style.font)), engine.Zoom()))
    , m_metrics(m_font)
    , m_boldMetrics(m_boldFont)
{
    m_style.font = CTextPrimitive::DrawableFont(style.font);
    m_rowHeight = RowHeight(engine, m_style.font, style.display.dirAlwaysBold);
    const LRect box = style.box.Normalized();
    for (const CPrimitive* p : obstacles)
        if (!p->IsOverlapExempt() && p->Intersects(box))
            m_obstacles.push_back(p);
}

void CListingLayout::Lay(CFileDirectory& root)
{
    m_painter.save();
    // Text runs downward: draw in a y-down frame so glyphs are upright.
    m_painter.scale(1, -1);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    for (const FileNodePtr& child : root.Children()) {
        const bool placed = child->IsFile() ? AddFile(static_cast<CFileFile&>(*child), 0)
                                            : AddDirectoryTree(static_cast<CFileDirectory&>(*child), 0);
        if (!placed)
            break;
    }
    DrawColumnSeparators();
    m_painter.restore();
}

QString CListingLayout::ShownFileName(const QString& name, const CDirectoryDisplaySettings& display)
{
    if (display.showExtension)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString CListingLayout::SecondText(const CFileFile& file, const CDirectoryDisplaySettings& display)
{
    if (display.showSongLength && file.GetSongLength() > 0)
        return QString::asprintf("%d:%02d", file.GetSongLength() / 60, file.GetSongLength() % 60);
    if (display.showFileDate) {
        if (file.GetLastWriteLow() == 0 || file.GetLastWriteHigh() == 0)
            return QString();
        const QString format =
            display.showFileDateFormat.isEmpty() ? QStringLiteral("%d/%m/%y") : display.showFileDateFormat;
        return FormatFileDate(format, LastWriteTime(file));
    }
    if (!display.showSize)
        return QString();
    const double size = double(file.GetFullSize());
    if (display.sizeUnits == QLatin1String("B"))
        return QStringLiteral("%1B").arg(file.GetFullSize());
    if (display.sizeUnits == QLatin1String("K"))
        return QString::asprintf("%.1fK", size / 1024.0);
    if (display.sizeUnits == QLatin1String("M"))
        return QString::asprintf("%.2fM", size / 1048576.0);
    return QString();
}

bool CListingLayout::AddFile(CFileFile& file, int depth)
{
    if (file.GetMark() == 1 || !m_style.display.showFiles)
        return true;
    const bool placed =
        DrawRow(ShownFileName(file.Name(), m_style.display), SecondText(file, m_style.display), depth, false);
    file.SetMark(placed ? 1 : 0);
    return placed;
}

bool CListingLayout::EnterDirectory(CFileDirectory& directory, int depth)
{
    if (directory.GetMark() != 1) {
        const bool placed = !m_style.display.showDirectories || DrawRow(directory.Name(), QString(), depth, true);
        directory.SetMark(placed ? 1 : 0);
    }
    return directory.GetMark() == 1;
}

bool CListingLayout::AddDirectoryTree(CFileDirectory& top, int depth)
{
    if (!EnterDirectory(top, depth))
        return false;
    // Trees may be thousands of levels deep: walk with a stack of our own.
    struct Level
    {
        CFileDirectory* directory;
        size_t next;
        int depth;
        bool allPlaced;
    };
    std::vector<Level> levels{{&top, 0, depth + 1, true}};
    bool result = true;
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.directory->Children().size()) {
            result = level.allPlaced;
            levels.pop_back();
            if (!levels.empty())
                levels.back().allPlaced = levels.back().allPlaced && result;
            continue;
        }
        CFileInformation& child = *level.directory->Children()[level.next++];
        if (child.IsFile()) {
            if (!AddFile(static_cast<CFileFile&>(child), level.depth))
                level.allPlaced = false;
        } else if (auto& directory = static_cast<CFileDirectory&>(child); !EnterDirectory(directory, level.depth)) {
            level.allPlaced = false;
        } else {
            const int childDepth = level.depth + 1;
            levels.push_back({&directory, 0, childDepth, true});
        }
    }
    return result;
}

bool CListingLayout::DrawRow(const QString& name, const QString& second, int depth, bool directory)
{
    if (m_full)
        return false;
    const int indent = depth * kIndent;
    const bool bold = directory && m_style.display.dirAlwaysBold;
    const QFontMetricsF& metrics = bold ? m_boldMetrics : m_metrics;
    const double w = m_columnWidth;
    const int h = m_rowHeight;

    double nameBox = w;
    double secondBox = 0;
    double secondViewWidth = 0;
    if (!second.isEmpty()) {
        secondViewWidth = metrics.horizontalAdvance(second);
        secondBox = m_engine.ToLabel(int(std::lround(secondViewWidth)));
        nameBox = w - secondBox - kColumnGap;
        if (nameBox < 0)
            nameBox = secondBox = w / 2;
    }
    if (!PlaceRow(int(w), h)) {
        m_full = true;
        return false;
    }

    const double x = m_cursorX;
    const double y = m_cursorY;
    m_painter.setFont(bold ? m_boldFont : m_font);
    m_painter.setPen(ColorOf(m_style.textColor));
    const double top = ViewY(y);
    const auto drawClipped = [this, &metrics, top](const QString& text, double textX, double clipLeft,
                                                   double clipRight, double textWidth) {
        const double baseline = top + metrics.ascent();
        if (textX >= clipLeft && textX + textWidth <= clipRight) {
            m_painter.drawText(QPointF(textX, baseline), text);
            return;
        }
        m_painter.save();
        // Taller than the row, so only the sides cut.
        m_painter.setClipRect(QRectF(clipLeft, top - metrics.height(), clipRight - clipLeft, 3 * metrics.height()),
                              Qt::IntersectClip);
        m_painter.drawText(QPointF(textX, baseline), text);
        m_painter.restore();
    };
    drawClipped(name, ViewX(x + indent), ViewX(x), ViewX(x + nameBox), metrics.horizontalAdvance(name));

    m_painter.setPen(LinePen(m_engine.ToView(m_style.linePenWidth), MakeColorRef(0, 0, 0)));
    if (m_style.display.showDirLines && depth > 0) {
        DrawLine(x + kTreeLineOffset, y, x + kTreeLineOffset, y - h);
        DrawLine(x + kTreeLineOffset, y - h / 2.0, x + indent - kTreeLineStop, y - h / 2.0);
    }
    if (m_style.display.underlineRows) {
        // One view unit below the row's bottom edge.
        const double bottom = ViewY(y - h) + 1;
        m_painter.drawLine(QPointF(ViewX(x), bottom), QPointF(ViewX(x + w), bottom));
    }
    if (!second.isEmpty()) {
        m_painter.setPen(ColorOf(m_style.textColor));
        const double right = ViewX(x + w);
        drawClipped(second, right - secondViewWidth, ViewX(x + w - secondBox), right, secondViewWidth);
    }
    m_rows.push_back({name, second, depth, directory, QPoint(int(std::lround(x)), int(std::lround(y))),
                      int(w), h});
    m_cursorY -= h;
    return true;
}

bool CListingLayout::PlaceRow(int w, int h)
{
    for (;;) {
        const bool fitsHere = m_cursorY - h >= m_minY + kTopBottomMargin && m_cursorX + w <= m_maxX;
        if (!fitsHere) {
            const double roomRight = (m_maxX - m_minX) - (m_cursorX + w - m_minX);
            if (roomRight < kLeftMargin + m_columnWidth + kSeparatorOffset)
                return false;
            m_cursorX += m_columnWidth + kColumnGap;
            m_cursorY = m_maxY - kTopBottomMargin;
            if (m_cursorY - h < m_minY + kTopBottomMargin)
                return false;
        }
        const int left = int(std::lround(m_cursorX));
        const int top = int(std::lround(m_cursorY));
        if (!HitsObstacle(LRect(left, top, left + w, top - h)))
            return true;
        m_cursorY -= h;
    }
}

bool CListingLayout::HitsObstacle(const LRect& row) const
{
    for (const CPrimitive* p : m_obstacles)
        if (p->Intersects(row))
            return true;
    return false;
}

void CListingLayout::DrawColumnSeparators()
{
    if (!m_style.display.columnSeparators)
        return;
    m_painter.setPen(LinePen(m_engine.ToView(m_style.linePenWidth), MakeColorRef(0, 0, 0)));
    for (double x = m_minX + kLeftMargin + m_columnWidth + kSeparatorOffset; x < m_maxX - 10;
         x += m_columnWidth + kColumnGap)
        DrawLine(x, m_minY + kTopBottomMargin, x, m_maxY - kTopBottomMargin);
}

void CListingLayout::DrawLine(double x1, double y1, double x2, double y2)
{
    m_painter.drawLine(QPointF(ViewX(x1), ViewY(y1)), QPointF(ViewX(x2), ViewY(y2)));
}

double CListingLayout::ViewX(double labelX) const
{
    return m_engine.ToView(int(std::lround(labelX)));
}

double CListingLayout::ViewY(double labelY) const
{
    return -m_engine.ToView(int(std::lround(labelY)));
}

int CListingLayout::CountLeftOut(const CFileDirectory& root, const CDirectoryDisplaySettings& display)
{
    int count = 0;
    std::vector<const CFileDirectory*> pending{&root};
    while (!pending.empty()) {
        const CFileDirectory* directory = pending.back();
        pending.pop_back();
        for (const FileNodePtr& child : directory->Children()) {
            if (child->IsFile()) {
                count += display.showFiles && child->GetMark() != 1;
                continue;
            }
            count += display.showDirectories && child->GetMark() != 1;
            pending.push_back(static_cast<const CFileDirectory*>(child.get()));
        }
    }
    return count;
}

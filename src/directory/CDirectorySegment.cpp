#include "directory/CDirectorySegment.h"

#include "base/XmlValues.h"
#include "directory/DirectoryData.h"
#include "directory/ListingLayout.h"
#include "drawing/CDrawingEngine.h"
#include "drawing/CTextPrimitive.h"
#include "drawing/DrawingDefaults.h"

#include <QPainter>
#include <cmath>

namespace {

constexpr double kColumnWidthWithoutDocument = 2.0;
constexpr ColorRef kHighlightColor = MakeColorRef(255, 0, 0);
// The overflow marker: a small triangle in the bottom-right corner, in view units.
constexpr int kMarkerSize = 8;

// The segment's own keywords, in their order between HOLLOWFILL and the corners.
std::vector<KeyedField> SegmentFields(FontSpec& font, CDirectoryDisplaySettings& display)
{
    std::vector<KeyedField> fields{{"PTSIZE", &font.pointSize},
                                   {"FACENAME", &font.faceName},
                                   {"ROTATION", &font.rotation},
                                   {"JUSTIFICATION", &font.justification},
                                   {"FONTATTR", &font.attributes}};
    for (const KeyedField& f :
         display.Fields({"COLUMNWIDTH", "SHOWFILES", "SHOWDIRECTORIES", "SHOWSONGLENGTH", "SHOWEXTENSION", "SHOWSIZE",
                         "SHOWFILEDATE", "SHOWFILEDATEFORMAT", "COLUMNSEPARATORS", "UNDERLINEROWS", "SHOWDIRLINES",
                         "DIRALWAYSBOLD", "SIZEUNITS"}))
        fields.push_back(f);
    return fields;
}

} // namespace

CDirectorySegment::CDirectorySegment(CDrawingEngine* owner, int penWidth)
    : CRectangle(penWidth, owner)
    , m_font(CDrawingDefaults::Instance().Font())
{
    const IDirectoryData* data = DirectoryDataOf(owner);
    m_display.columnWidth = data ? data->DirectoryDisplay().columnWidth : kColumnWidthWithoutDocument;
    m_display.showFiles = m_display.showDirectories = m_display.showExtension = m_display.showSize = 1;
    m_display.columnSeparators = m_display.underlineRows = m_display.showDirLines = m_display.dirAlwaysBold = 1;
    m_display.showSongLength = 0;
    m_display.showFileDate = 0;
    m_display.sizeUnits.clear();
    m_display.showFileDateFormat.clear();
}

CDirectorySegment::CDirectorySegment()
    : CDirectorySegment(nullptr)
{
    m_display.columnSeparators = m_display.underlineRows = m_display.showDirLines = 0;
    m_display.sizeUnits = QStringLiteral("K");
}

void CDirectorySegment::Assign(const CPrimitive& other)
{
    AssignSameKind(other, &CDirectorySegment::CopyFrom);
}

void CDirectorySegment::CopyFrom(const CDirectorySegment& other)
{
    if (&other == this)
        return;
    AssignRectangle(other);
    m_font = other.m_font;
    m_display = other.m_display;
}

std::shared_ptr<CPrimitive> CDirectorySegment::Clone() const
{
    return CloneOf(*this);
}

void CDirectorySegment::SetDisplaySettings(const CDirectoryDisplaySettings& settings)
{
    const int depth = m_display.dirDepth;
    m_display = settings;
    m_display.dirDepth = depth;
}

int CDirectorySegment::Width() const
{
    return std::abs(m_corner1.x() - m_corner2.x());
}

int CDirectorySegment::Height() const
{
    return std::abs(m_corner1.y() - m_corner2.y());
}

void CDirectorySegment::SetWidth(int width)
{
    if (m_corner1.x() > m_corner2.x())
        m_corner1.setX(ClampCoordinate(qint64(m_corner2.x()) + width));
    else
        m_corner2.setX(ClampCoordinate(qint64(m_corner1.x()) + width));
}

void CDirectorySegment::SetHeight(int height)
{
    if (m_corner1.y() > m_corner2.y())
        m_corner1.setY(ClampCoordinate(qint64(m_corner2.y()) + height));
    else
        m_corner2.setY(ClampCoordinate(qint64(m_corner1.y()) + height));
}

int CDirectorySegment::Draw(QPainter& painter)
{
    if (!m_owner)
        return 0;
    DrawListing(painter, ListingTreeFor(*m_owner, m_segmentName));
    return 1;
}

void CDirectorySegment::DrawListing(QPainter& painter, CFileDirectory& tree)
{
    if (!m_owner)
        return;
    const ColorRef lineColor = m_lineColor;
    if (m_highlight)
        m_lineColor = kHighlightColor;
    CRectangle::Draw(painter);
    m_lineColor = lineColor;

    m_leftOut = LayOut(painter, tree, m_rows);

    if (m_leftOut > 0 && !m_owner->IsPrinting()) {
        const QPoint corner = ToView(GetRect().BottomRight());
        const QPoint marker[] = {corner + QPoint(-2, 2), corner + QPoint(-2 - kMarkerSize, 2),
                                 corner + QPoint(-2, 2 + kMarkerSize)};
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 0, 0));
        painter.drawPolygon(marker, 3);
        painter.restore();
    }
}

int CDirectorySegment::LayOut(QPainter& painter, CFileDirectory& tree, std::vector<ListingRow>& rows) const
{
    std::vector<const CPrimitive*> above;
    const std::vector<PrimitivePtr>& all = m_owner->Primitives();
    const int index = m_owner->IndexOf(this);
    for (size_t i = size_t(index) + 1; index >= 0 && i < all.size(); ++i) {
        // A text has the size of its last drawing; one loaded a moment ago
        // has none yet, and the listing must make way for it all the same.
        if (auto* text = dynamic_cast<CTextPrimitive*>(all[i].get()))
            text->UpdateExtent();
        above.push_back(all[i].get());
    }

    const ListingStyle style{GetRect(), m_font, m_textColor, m_penWidth, m_display};
    CListingLayout layout(*m_owner, painter, style, above);
    layout.Lay(tree);
    rows = layout.Rows();
    return CListingLayout::CountLeftOut(tree, m_display);
}

int CDirectorySegment::LeftOutOf(QPainter& painter, CFileDirectory& tree) const
{
    if (!m_owner)
        return 0;
    std::vector<ListingRow> rows;
    return LayOut(painter, tree, rows);
}

QString CDirectorySegment::GetDescription() const
{
    const LRect r = GetRect();
    const double y1 = std::min(std::abs(r.top), std::abs(r.bottom)) / 100.0;
    const double y2 = std::max(std::abs(r.top), std::abs(r.bottom)) / 100.0;
    const QString head = m_name.isEmpty() ? QStringLiteral("Directory Segment : ")
                                          : QStringLiteral("Directory Segment (%1) : ").arg(m_name);
    QString text = head
        + QString::asprintf("(%5.1f,%5.1f ) x (%5.1f,%5.1f )   w = %5.1f h = %5.1f   ", r.MinX() / 100.0, y1,
                            r.MaxX() / 100.0, y2, Width() / 100.0, Height() / 100.0)
        + m_font.faceName + QString::asprintf(" %6.1f points", m_font.pointSize);
    if (m_leftOut > 0)
        text += QStringLiteral("   %1 entries left out").arg(m_leftOut);
    return text;
}

std::vector<KeyedField> CDirectorySegment::OwnFields()
{
    std::vector<KeyedField> fields = CRectangle::OwnFields();
    for (const KeyedField& f : SegmentFields(m_font, m_display))
        fields.push_back(f);
    return fields;
}

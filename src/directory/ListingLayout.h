#pragma once
// One layout of a directory tree inside a segment's box: rows go top-down in
// columns of a fixed width, are pushed down past the primitives stacked above
// the segment, and are drawn as they are placed. Label units throughout; the
// painter draws in view units (y up).
#include "base/FontSpec.h"
#include "base/Geometry.h"
#include "directory/DirectoryDisplaySettings.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <vector>

class CDrawingEngine;
class CFileDirectory;
class CFileFile;
class CFileInformation;
class CPrimitive;
class QPainter;

// A row as placed: its text, second text and box (top-left corner, size).
struct ListingRow
{
    QString name;
    QString second;
    int depth = 0;
    bool directory = false;
    QPoint topLeft;
    int width = 0;
    int height = 0;
};

struct ListingStyle
{
    LRect box; // any corner order
    FontSpec font;
    ColorRef textColor = 0;
    int linePenWidth = 1; // separators, underlines, tree lines
    CDirectoryDisplaySettings display;
};

class CListingLayout
{
public:
    static constexpr int kLeftMargin = 4;
    static constexpr int kTopBottomMargin = 3;
    static constexpr int kIndent = 15;
    static constexpr int kColumnGap = 9;
    // A column separator stands this far right of the column's width.
    static constexpr int kSeparatorOffset = 6;
    static constexpr int kTreeLineOffset = 3;
    static constexpr int kTreeLineStop = 2;

    // Obstacles: the primitives above the segment; those that lie outside
    // its box or are exempt from overlap are dropped here, once.
    CListingLayout(const CDrawingEngine& engine, QPainter& painter, const ListingStyle& style,
                   const std::vector<const CPrimitive*>& obstacles);

    // Adds the root's children from the top until one cannot be placed,
    // then draws the column separators.
    void Lay(CFileDirectory& root);

    const std::vector<ListingRow>& Rows() const { return m_rows; }
    // Rows the settings would show that are not placed (in this or an
    // earlier segment of the same drawing).
    static int CountLeftOut(const CFileDirectory& root, const CDirectoryDisplaySettings& display);

    // The second text of a file under the settings, "" when none.
    static QString SecondText(const CFileFile& file, const CDirectoryDisplaySettings& display);
    // The name shown for a file: without its extension when that is off.
    static QString ShownFileName(const QString& name, const CDirectoryDisplaySettings& display);

private:
    bool AddFile(CFileFile& file, int depth);
    // Draws the row of a directory not yet placed; whether its children go in.
    bool EnterDirectory(CFileDirectory& directory, int depth);
    bool AddDirectoryTree(CFileDirectory& directory, int depth);
    bool DrawRow(const QString& name, const QString& second, int depth, bool directory);
    bool PlaceRow(int w, int h);
    bool HitsObstacle(const LRect& row) const;
    void DrawColumnSeparators();
    void DrawLine(double x1, double y1, double x2, double y2);
    // View x and the y of the flipped (y-down) frame the listing draws in.
    double ViewX(double labelX) const;
    double ViewY(double labelY) const;

    const CDrawingEngine& m_engine;
    QPainter& m_painter;
    ListingStyle m_style;
    std::vector<const CPrimitive*> m_obstacles;
    int m_minX, m_maxX, m_minY, m_maxY;
    double m_columnWidth; // W, label units
    int m_rowHeight;      // label units
    double m_cursorX;
    double m_cursorY;
    // Once a row found no room, no later one can: rows all have one height.
    bool m_full = false;
    QFont m_font;
    QFont m_boldFont;
    QFontMetricsF m_metrics;
    QFontMetricsF m_boldMetrics;
    std::vector<ListingRow> m_rows;
};

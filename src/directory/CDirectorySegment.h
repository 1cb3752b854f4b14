#pragma once
// A rectangle of the label that shows a directory listing: one row per
// directory and file, indented by depth, flowing down columns of a fixed
// width and past the primitives stacked above it. Its name (PRIMNAME) holds
// the label kind it was sized for: "", "CDFRONT", "CDBACK", "ZIP" or "JAZ".
#include "base/FontSpec.h"
#include "directory/DirectoryDisplaySettings.h"
#include "directory/ListingLayout.h"
#include "drawing/CRectangle.h"
#include "drawing/FontHolder.h"

class CFileDirectory;

class CDirectorySegment : public CRectangle, public IFontHolder
{
public:
    static constexpr const char* kTypeName = "CDirectorySegment";

    // With an engine: the current font, the column width of the engine's
    // document (2.0 inches without one), every part of the listing shown but
    // song lengths and dates, no size unit or date format.
    explicit CDirectorySegment(CDrawingEngine* owner, int penWidth = 1);
    // Without an engine (copies): no separators, underlines or tree lines,
    // sizes in "K".
    CDirectorySegment();

    const char* TypeName() const override { return kTypeName; }
    bool IsDirectorySegment() const override { return true; }
    void Assign(const CPrimitive& other) override;
    // The frame and the listing of the tree of the segment's name.
    int Draw(QPainter& painter) override;
    QString GetDescription() const override;
    std::shared_ptr<CPrimitive> Clone() const override;

    // Everything but the highlight; a copy shows the listing as this does.
    void CopyFrom(const CDirectorySegment& other);

    // Lays tree out and draws it with the frame. Marks on the tree's nodes
    // say what is already placed (by an earlier segment of the same name in
    // the same drawing); this sets them for what it places.
    void DrawListing(QPainter& painter, CFileDirectory& tree);

    // |x1 - x2| and |y1 - y2|; setting moves the corner with the larger value.
    int Width() const;
    void SetWidth(int width);
    int Height() const;
    void SetHeight(int height);

    QString LabelKind() const { return GetName(); }
    void SetLabelKind(const QString& kind) { SetName(kind); }
    const FontSpec& Font() const override { return m_font; }
    void SetFont(const FontSpec& font) override { m_font = font; }
    bool Highlight() const { return m_highlight; }
    void SetHighlight(bool v) { m_highlight = v; }

    // Inches.
    double ColumnWidth() const { return m_display.columnWidth; }
    void SetColumnWidth(double inches) { m_display.columnWidth = inches; }

    // The segment's own display settings with its column width; the depth
    // is the document's alone and is not kept here.
    const CDirectoryDisplaySettings& DisplaySettings() const { return m_display; }
    void SetDisplaySettings(const CDirectoryDisplaySettings& settings);

    int ShowFiles() const { return m_display.showFiles; }
    void SetShowFiles(int v) { m_display.showFiles = v; }
    int ShowDirectories() const { return m_display.showDirectories; }
    void SetShowDirectories(int v) { m_display.showDirectories = v; }
    int ShowSongLength() const { return m_display.showSongLength; }
    void SetShowSongLength(int v) { m_display.showSongLength = v; }
    int ShowExtension() const { return m_display.showExtension; }
    void SetShowExtension(int v) { m_display.showExtension = v; }
    int ShowSize() const { return m_display.showSize; }
    void SetShowSize(int v) { m_display.showSize = v; }
    int ShowFileDate() const { return m_display.showFileDate; }
    void SetShowFileDate(int v) { m_display.showFileDate = v; }
    QString FileDateFormat() const { return m_display.showFileDateFormat; }
    void SetFileDateFormat(const QString& format) { m_display.showFileDateFormat = format; }
    int ColumnSeparators() const { return m_display.columnSeparators; }
    void SetColumnSeparators(int v) { m_display.columnSeparators = v; }
    int UnderlineRows() const { return m_display.underlineRows; }
    void SetUnderlineRows(int v) { m_display.underlineRows = v; }
    int DirectoryLines() const { return m_display.showDirLines; }
    void SetDirectoryLines(int v) { m_display.showDirLines = v; }
    int DirectoriesAlwaysBold() const { return m_display.dirAlwaysBold; }
    void SetDirectoriesAlwaysBold(int v) { m_display.dirAlwaysBold = v; }
    // "B", "K" or "M"; any other text shows no sizes.
    QString SizeUnits() const { return m_display.sizeUnits; }
    void SetSizeUnits(const QString& units) { m_display.sizeUnits = units; }

    // What the last layout placed and left out (rows of directories and
    // files it would show); none before the first.
    const std::vector<ListingRow>& PlacedRows() const { return m_rows; }
    int PlacedCount() const { return int(m_rows.size()); }
    int LeftOutCount() const { return m_leftOut; }
    // Lays tree out as a drawing would, into painter, and keeps nothing of
    // it: how many entries would be left out. Marks the tree as DrawListing does.
    int LeftOutOf(QPainter& painter, CFileDirectory& tree) const;

protected:
    std::vector<KeyedField> OwnFields() override;

private:
    int LayOut(QPainter& painter, CFileDirectory& tree, std::vector<ListingRow>& rows) const;

    FontSpec m_font;
    bool m_highlight = false;
    CDirectoryDisplaySettings m_display;
    std::vector<ListingRow> m_rows;
    int m_leftOut = 0;
};

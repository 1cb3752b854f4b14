// The directory segment: defaults, geometry, copies, the file element, the
// kind registry, and the listing laid out in a real label rendered to an image.
#include "directory/CDirectorySegment.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "directory/DirectorySegments.h"
#include "document/CCovermintDoc.h"
#include "drawing/CFreehand.h"
#include "drawing/DrawingDefaults.h"
#include "drawing/LabelView.h"
#include "drawing/PrimitiveKinds.h"
#include "support/TempHome.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CFixedZoom : public ILabelView
{
public:
    int ZoomPercent() const override { return 100; }
    void InvalidateView(bool) override {}
};

class SegmentTest : public ::testing::Test
{
protected:
    SegmentTest() { doc.Engine().SetView(&zoom); }

    // A segment over the box (x, y) to (x + w, y - h) with an 8 point face,
    // a one inch column and only the plain parts of a listing shown.
    std::shared_ptr<CDirectorySegment> AddSegment(LRect box, const QString& segmentName = {})
    {
        auto segment = std::make_shared<CDirectorySegment>(&doc.Engine());
        segment->SetCorners({box.left, box.top}, {box.right, box.bottom});
        segment->SetSegmentName(segmentName);
        segment->SetFont(FontSpec{QStringLiteral("Liberation Sans"), 0, 0, FontSpec::JustifyLeft, 8.0});
        segment->SetColumnWidth(1.0);
        segment->SetColumnSeparators(0);
        segment->SetUnderlineRows(0);
        segment->SetDirectoryLines(0);
        segment->SetShowSize(0);
        doc.Engine().Append(segment);
        return segment;
    }

    CFileDirectory& Tree(const QString& segmentName = {})
    {
        return doc.AddDirectoryInformation(segmentName)->Tree();
    }

    // Files "f00", "f01", ... under dir (the root by default).
    void AddFiles(int count, CFileDirectory* dir = nullptr)
    {
        for (int i = 0; i < count; ++i)
            (dir ? dir : &Tree())->AddFile(QString::asprintf("f%02d", i));
    }

    QImage Render(bool printing = true)
    {
        QImage image(900, 1150, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setTransform(QTransform(1, 0, 0, -1, 0, 0));
        RenderOptions options;
        options.printing = printing;
        doc.Engine().Render(painter, options);
        return image;
    }

    static QStringList Names(const CDirectorySegment& segment)
    {
        QStringList names;
        for (const ListingRow& row : segment.PlacedRows())
            names << row.name;
        return names;
    }

    CTempHome home;
    CFixedZoom zoom;
    CCovermintDoc doc;
};

// Rows of a box 100 high: margins of 3 at top and bottom.
int RowsPerColumn(int rowHeight)
{
    return (100 - 2 * CListingLayout::kTopBottomMargin) / rowHeight;
}

} // namespace

TEST_F(SegmentTest, ConstructionDefaultsWithAndWithoutAnEngine)
{
    doc.DisplaySettings().columnWidth = 1.25;
    const CDirectorySegment drawn(&doc.Engine(), 3);
    const CDirectorySegment copy;
    const struct
    {
        const CDirectorySegment& segment;
        double columnWidth;
        int onlyWithEngine;
        const char* units;
    } cases[] = {{drawn, 1.25, 1, ""}, {copy, 2.0, 0, "K"}};
    for (const auto& c : cases) {
        const CDirectorySegment& s = c.segment;
        EXPECT_DOUBLE_EQ(s.ColumnWidth(), c.columnWidth);
        EXPECT_EQ(s.ShowFiles() + s.ShowDirectories() + s.ShowExtension() + s.ShowSize() + s.DirectoriesAlwaysBold(), 5);
        EXPECT_EQ(s.ShowSongLength() + s.ShowFileDate() + s.Highlight(), 0);
        EXPECT_EQ(s.ColumnSeparators(), c.onlyWithEngine);
        EXPECT_EQ(s.UnderlineRows(), c.onlyWithEngine);
        EXPECT_EQ(s.DirectoryLines(), c.onlyWithEngine);
        EXPECT_EQ(s.SizeUnits(), QLatin1String(c.units));
        EXPECT_TRUE(s.FileDateFormat().isEmpty());
        EXPECT_EQ(s.Font(), CDrawingDefaults::Instance().Font());
        EXPECT_TRUE(s.IsDirectorySegment());
    }
    EXPECT_EQ(drawn.PenWidth(), 3);
}

TEST_F(SegmentTest, SizeSettersMoveTheLargerCornerAndDescriptionShowsTheBox)
{
    CDirectorySegment s;
    s.SetCorners({300, -100}, {100, -250});
    s.SetWidth(50);
    s.SetHeight(40);
    QPoint a, b;
    s.GetCorners(a, b);
    EXPECT_EQ(a, QPoint(150, -210));
    EXPECT_EQ(b, QPoint(100, -250));
    EXPECT_EQ(s.Width(), 50);
    EXPECT_EQ(s.Height(), 40);

    s.SetFont(FontSpec{QStringLiteral("Arial"), 0, 0, 1, 9.0});
    EXPECT_EQ(s.GetDescription(), QStringLiteral("Directory Segment : (  1.0,  2.1 ) x (  1.5,  2.5 )   w =   0.5 h =   "
                                                 "0.4   Arial    9.0 points"));
    s.SetLabelKind(QStringLiteral("ZIP"));
    EXPECT_EQ(s.GetName(), QStringLiteral("ZIP"));
    EXPECT_TRUE(s.GetDescription().startsWith(QStringLiteral("Directory Segment (ZIP) : (  1.0,")));
}

TEST_F(SegmentTest, CloneKeepsEverythingButTheHighlight)
{
    auto s = AddSegment({10, -10, 200, -300}, QStringLiteral("Back"));
    s->SetShowFileDate(1);
    s->SetFileDateFormat(QStringLiteral("%Y"));
    s->SetSizeUnits(QStringLiteral("M"));
    s->SetColumnWidth(2.615);
    s->SetLabelKind(QStringLiteral("CDBACK"));
    s->SetHighlight(true);
    s->SetSelected(true);
    const auto copy = std::dynamic_pointer_cast<CDirectorySegment>(s->Clone());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->DisplaySettings(), s->DisplaySettings());
    EXPECT_EQ(copy->Font(), s->Font());
    EXPECT_EQ(copy->GetRect(), s->GetRect());
    EXPECT_EQ(copy->GetSegmentName(), QStringLiteral("Back"));
    EXPECT_EQ(copy->LabelKind(), QStringLiteral("CDBACK"));
    EXPECT_FALSE(copy->Highlight());
    EXPECT_FALSE(copy->IsSelected());
}

TEST_F(SegmentTest, ElementHoldsEveryKeywordInOrder)
{
    auto s = AddSegment({10, -10, 200, -300});
    pugi::xml_document xml;
    ASSERT_TRUE(s->Persist(true, xml.append_child("DRAWINGENGINE")));
    QStringList keys;
    for (pugi::xml_node n : xml.first_child().first_child().children())
        keys << QString::fromLatin1(n.name());
    const QStringList own = keys.mid(keys.indexOf(QStringLiteral("PRIMTYPE")));
    EXPECT_EQ(own.join(QLatin1Char(' ')),
              QStringLiteral("PRIMTYPE PENWIDTH HOLLOWFILL PTSIZE FACENAME ROTATION JUSTIFICATION FONTATTR COLUMNWIDTH "
                             "SHOWFILES SHOWDIRECTORIES SHOWSONGLENGTH SHOWEXTENSION SHOWSIZE SHOWFILEDATE "
                             "SHOWFILEDATEFORMAT COLUMNSEPARATORS UNDERLINEROWS SHOWDIRLINES DIRALWAYSBOLD SIZEUNITS "
                             "POINT POINT"));
    EXPECT_EQ(xml.first_child().first_child().child("PRIMTYPE").text().as_string(), std::string("CDirectorySegment"));
}

TEST_F(SegmentTest, LabelWithSegmentsRecordsAndTreesReadsBackEqual)
{
    auto a = AddSegment({10, -10, 300, -400}, QStringLiteral("Front"));
    auto b = AddSegment({400, -10, 800, -500}, QStringLiteral("Back"));
    const FontSpec font{QStringLiteral("Liberation Serif"), 90, FontSpec::Bold | FontSpec::Italic, FontSpec::JustifyRight,
                        10.5};
    b->SetFont(font);
    b->SetLabelKind(QStringLiteral("CDBACK"));
    b->SetPenWidth(4);
    b->SetHollowFill(false);
    b->SetLineColor(MakeColorRef(1, 2, 3));
    b->SetTextColor(MakeColorRef(4, 5, 6));
    b->SetFillColor(MakeColorRef(7, 8, 9));
    b->SetColumnWidth(1.7067);
    using Setter = void (CDirectorySegment::*)(int);
    for (Setter flag : {&CDirectorySegment::SetShowFiles, &CDirectorySegment::SetShowDirectories,
                       &CDirectorySegment::SetShowExtension, &CDirectorySegment::SetShowSize,
                       &CDirectorySegment::SetDirectoriesAlwaysBold})
        ((*b).*flag)(0);
    b->SetShowSongLength(1);
    b->SetShowFileDate(1);
    b->SetColumnSeparators(1);
    b->SetUnderlineRows(1);
    b->SetDirectoryLines(1);
    b->SetFileDateFormat(QStringLiteral(" %d %B "));
    b->SetSizeUnits(QStringLiteral("B"));
    CFileDirectory* music = Tree(QStringLiteral("Back")).AddDirectory(QStringLiteral("Music"));
    CFileFile* song = music->AddFile(QStringLiteral("one.mp3"));
    song->SetSongLength(185);
    song->SetFullSize(5000000000LL);
    song->SetLastWriteTime(123, 456);
    Tree(QStringLiteral("Front")).AddFile(QStringLiteral("readme"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("segments.cla"));
    ASSERT_TRUE(doc.SaveTo(path));
    CCovermintDoc loaded;
    ASSERT_TRUE(loaded.Load(path));

    const std::vector<CDirectorySegment*> before = SegmentsOf(doc.Engine());
    const std::vector<CDirectorySegment*> after = SegmentsOf(loaded.Engine());
    ASSERT_EQ(after.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const CDirectorySegment& x = *before[i];
        const CDirectorySegment& y = *after[i];
        EXPECT_EQ(y.GetRect(), x.GetRect());
        EXPECT_EQ(y.Font(), x.Font());
        EXPECT_EQ(y.DisplaySettings(), x.DisplaySettings());
        EXPECT_EQ(y.GetName(), x.GetName());
        EXPECT_EQ(y.GetSegmentName(), x.GetSegmentName());
        EXPECT_EQ(y.PenWidth(), x.PenWidth());
        EXPECT_EQ(y.HollowFill(), x.HollowFill());
        EXPECT_EQ(y.LineColor(), x.LineColor());
        EXPECT_EQ(y.FillColor(), x.FillColor());
        EXPECT_EQ(y.TextColor(), x.TextColor());
    }
    ASSERT_TRUE(loaded.FindDirectoryInformation(QStringLiteral("Back")));
    const CFileDirectory& tree = loaded.FindDirectoryInformation(QStringLiteral("Back"))->Tree();
    ASSERT_EQ(tree.Children().size(), 1u);
    const auto& loadedMusic = static_cast<const CFileDirectory&>(*tree.Children()[0]);
    ASSERT_EQ(loadedMusic.Children().size(), 1u);
    const auto& loadedSong = static_cast<const CFileFile&>(*loadedMusic.Children()[0]);
    EXPECT_EQ(loadedSong.Name(), QStringLiteral("one.mp3"));
    EXPECT_EQ(loadedSong.GetSongLength(), 185);
    EXPECT_EQ(loadedSong.GetFullSize(), 5000000000LL);
    EXPECT_EQ(loadedSong.GetLastWriteLow(), 123);
    EXPECT_EQ(loadedSong.GetLastWriteHigh(), 456);
    EXPECT_EQ(loaded.FindDirectoryInformation(QStringLiteral("Front"))->Tree().Children().size(), 1u);
}

TEST_F(SegmentTest, KindRegistryBuildsSegmentsAndRefusesUnknownNames)
{
    AddDirectoryPrimitiveKinds();
    const PrimitivePtr made = CreatePrimitiveOfKind(QStringLiteral("CDirectorySegment"), &doc.Engine());
    ASSERT_TRUE(made);
    EXPECT_STREQ(made->TypeName(), "CDirectorySegment");
    EXPECT_EQ(made->Owner(), &doc.Engine());
    EXPECT_FALSE(CreatePrimitiveOfKind(QStringLiteral("CDirectorySegmentX"), &doc.Engine()));
    EXPECT_FALSE(CreatePrimitiveOfKind(QString(), &doc.Engine()));

    // A kind no one knows is skipped; the primitives around it load.
    pugi::xml_document xml;
    pugi::xml_node engine = xml.append_child("ROOT").append_child("DRAWINGENGINE");
    for (const char* type : {"CRectangle", "CPolygon", "CDirectorySegment"})
        engine.append_child("PRIMITIVE").append_child("PRIMTYPE").text().set(type);
    CCovermintDoc other;
    other.Engine().Persist(false, xml.child("ROOT"));
    ASSERT_EQ(other.Engine().Primitives().size(), 2u);
    EXPECT_STREQ(other.Engine().Primitives()[1]->TypeName(), "CDirectorySegment");
}

TEST_F(SegmentTest, RowsFillColumnsTopDownAndStopWhenNoColumnIsLeft)
{
    // 320 wide: a second column of 100 fits, a third does not (4 + 100 + 6 more).
    auto s = AddSegment({100, -100, 420, -200});
    AddFiles(30);
    Render();
    ASSERT_FALSE(s->PlacedRows().empty());
    const int h = s->PlacedRows()[0].height;
    const int perColumn = RowsPerColumn(h);
    ASSERT_EQ(s->PlacedCount(), 2 * perColumn);
    EXPECT_EQ(s->LeftOutCount(), 30 - 2 * perColumn);
    for (int i = 0; i < s->PlacedCount(); ++i) {
        const ListingRow& row = s->PlacedRows()[size_t(i)];
        EXPECT_EQ(row.name, QString::asprintf("f%02d", i));
        EXPECT_EQ(row.topLeft, QPoint(i < perColumn ? 104 : 213, -103 - (i % perColumn) * h)) << i;
        EXPECT_EQ(row.width, 100);
    }
    EXPECT_TRUE(s->GetDescription().endsWith(QStringLiteral("   %1 entries left out").arg(30 - 2 * perColumn)));

    // Narrower than a column: nothing at all.
    s->SetCorners({100, -100}, {190, -200});
    Render();
    EXPECT_EQ(s->PlacedCount(), 0);
    EXPECT_EQ(s->LeftOutCount(), 30);
}

TEST_F(SegmentTest, OnlyPrimitivesAboveTheSegmentPushRowsDown)
{
    auto below = std::make_shared<CRectangle>(1, &doc.Engine());
    below->SetCorners({90, -110}, {300, -140});
    doc.Engine().InsertAt(below, 0);
    auto s = AddSegment({100, -100, 210, -300});
    AddFiles(6);
    Render();
    const int h = s->PlacedRows()[0].height;
    EXPECT_EQ(s->PlacedRows()[1].topLeft.y(), -103 - h) << "a primitive below is no obstacle";

    // Strokes and the drag box never push; a rectangle above does.
    auto stroke = std::make_shared<CFreehand>(1, &doc.Engine());
    stroke->BeginCreate({120, -120});
    stroke->EndCreate({180, -150});
    doc.Engine().Append(stroke);
    auto dragBox = std::make_shared<CRectangle>(1, &doc.Engine());
    dragBox->SetCorners({90, -110}, {300, -140});
    dragBox->MarkDragBox(true);
    doc.Engine().Append(dragBox);
    Render();
    EXPECT_EQ(s->PlacedRows()[1].topLeft.y(), -103 - h);

    auto above = std::make_shared<CRectangle>(1, &doc.Engine());
    above->SetCorners({150, -125}, {160, -140});
    doc.Engine().Append(above);
    Render();
    ASSERT_EQ(s->PlacedCount(), 6);
    for (const ListingRow& row : s->PlacedRows()) {
        const LRect box(row.topLeft, row.topLeft + QPoint(row.width, -row.height));
        EXPECT_FALSE(RectsIntersect(box, above->GetRect())) << row.name.toStdString();
    }
    EXPECT_EQ(s->PlacedRows()[0].topLeft.y(), -103);
    EXPECT_LE(s->PlacedRows()[1].topLeft.y(), -140);
}

TEST_F(SegmentTest, HiddenDirectoriesKeepTheirFilesIndentedAndMarksContinueInTheNextSegment)
{
    CFileDirectory* docs = Tree().AddDirectory(QStringLiteral("docs"));
    docs->AddFile(QStringLiteral("a.b.c"));
    docs->AddFile(QStringLiteral("readme"));
    Tree().AddFile(QStringLiteral("top.txt"));
    auto s = AddSegment({100, -100, 300, -400});
    s->SetShowExtension(0);
    Render();
    EXPECT_EQ(Names(*s), QStringList({"docs", "a.b", "readme", "top"}));
    EXPECT_TRUE(s->PlacedRows()[0].directory);
    EXPECT_EQ(s->PlacedRows()[1].depth, 1);

    s->SetShowDirectories(0);
    s->SetShowExtension(1);
    Render();
    EXPECT_EQ(Names(*s), QStringList({"a.b.c", "readme", "top.txt"}));
    EXPECT_EQ(s->PlacedRows()[0].depth, 1);

    // A segment of the same name further up the stack shows what did not fit.
    s->SetCorners({100, -100}, {210, -100 - 2 * CListingLayout::kTopBottomMargin - 2 * s->PlacedRows()[0].height});
    auto next = AddSegment({400, -100, 600, -400});
    Render();
    EXPECT_EQ(Names(*s), QStringList({"a.b.c", "readme"}));
    EXPECT_EQ(Names(*next), QStringList({"top.txt"}));
    EXPECT_EQ(s->LeftOutCount(), 1);
    EXPECT_EQ(next->LeftOutCount(), 0);
}

TEST_F(SegmentTest, LeftOutOfAListingCountsAnotherTreeAsTheDrawingWouldAndKeepsNothing)
{
    auto first = AddSegment({100, -100, 420, -200}, QStringLiteral("Back"));
    auto second = AddSegment({100, -300, 210, -400}, QStringLiteral("Back"));
    AddSegment({500, -100, 900, -600}, QStringLiteral("Front"));
    CFileDirectory& stored = Tree(QStringLiteral("Back"));
    for (int i = 0; i < 3; ++i)
        stored.AddFile(QString::asprintf("s%d", i));
    CFileDirectory candidate;
    for (int i = 0; i < 60; ++i)
        candidate.AddFile(QString::asprintf("c%02d", i));

    const int counted = LeftOutOfListing(doc.Engine(), QStringLiteral("Back"), candidate);
    EXPECT_EQ(LeftOutOfListing(doc.Engine(), QStringLiteral("Front"), candidate), 0);
    EXPECT_EQ(LeftOutOfListing(doc.Engine(), QStringLiteral("Nowhere"), candidate), 0);
    // The segments still show the stored tree; the candidate's own marks are untouched.
    Render();
    EXPECT_EQ(first->PlacedCount() + second->PlacedCount(), 3);
    for (const FileNodePtr& child : candidate.Children())
        EXPECT_EQ(child->GetMark(), 0);

    // Drawn for real, the same tree leaves out as many in the last segment of the name.
    stored.DeepCopyFrom(candidate);
    Render();
    EXPECT_GT(counted, 0);
    EXPECT_EQ(counted, 60 - first->PlacedCount() - second->PlacedCount());
    EXPECT_EQ(second->LeftOutCount(), counted);
}

TEST_F(SegmentTest, SecondTextFollowsPrecedenceAndUnits)
{
    CFileFile file(QStringLiteral("x"));
    file.SetSongLength(125);
    file.SetFullSize(1536);
    // 2026-01-02 12:00 UTC in 100 ns ticks since 1601.
    const qint64 ticks = (QDateTime(QDate(2026, 1, 2), QTime(12, 0), Qt::UTC).toSecsSinceEpoch() + 11644473600LL) * 10000000LL;
    file.SetLastWriteTime(qint32(ticks & 0xffffffff), qint32(ticks >> 32));
    const struct
    {
        int song, date, size;
        const char* units;
        qint64 bytes;
        const char* expected;
    } cases[] = {
        {1, 1, 1, "K", 1536, "2:05"},     {0, 1, 1, "K", 1536, "%Y"},      {0, 0, 1, "K", 1536, "1.5K"},
        {0, 0, 1, "M", 3145728, "3.00M"}, {0, 0, 1, "B", 1536, "1536B"},   {0, 0, 1, "", 1536, ""},
        {0, 0, 0, "K", 1536, ""},
    };
    for (const auto& c : cases) {
        CDirectoryDisplaySettings display;
        display.showSongLength = c.song;
        display.showFileDate = c.date;
        display.showFileDateFormat = QStringLiteral("%Y");
        display.showSize = c.size;
        display.sizeUnits = QLatin1String(c.units);
        file.SetFullSize(c.bytes);
        const QString expected = QLatin1String(c.expected) == QLatin1String("%Y") ? QStringLiteral("2026")
                                                                                  : QLatin1String(c.expected);
        EXPECT_EQ(CListingLayout::SecondText(file, display), expected) << c.expected;
    }
    // A song of length 0 falls through to the size.
    file.SetSongLength(0);
    CDirectoryDisplaySettings display;
    display.showSongLength = 1;
    EXPECT_EQ(CListingLayout::SecondText(file, display), QStringLiteral("1.5K"));

    // Drawn: the size ends at the column's right edge.
    auto s = AddSegment({100, -100, 300, -400});
    s->SetShowSize(1);
    s->SetSizeUnits(QStringLiteral("K"));
    Tree().AddFile(QStringLiteral("big"))->SetFullSize(1536);
    const QImage image = Render();
    ASSERT_EQ(s->PlacedCount(), 1);
    EXPECT_EQ(s->PlacedRows()[0].second, QStringLiteral("1.5K"));
    int inkRight = 0;
    for (int x = 104; x < 300; ++x)
        for (int y = 103; y < 103 + s->PlacedRows()[0].height; ++y)
            if (image.pixelColor(x, y) != QColor(Qt::white))
                inkRight = x;
    EXPECT_GT(inkRight, 194);
    EXPECT_LE(inkRight, 204);
}

TEST_F(SegmentTest, HighlightFramesInRedAndOverflowMarkerShowsOnScreenOnly)
{
    auto s = AddSegment({100, -100, 210, -130});
    s->SetLineColor(MakeColorRef(0, 0, 255));
    s->SetPenWidth(3);
    AddFiles(5);
    const auto frameAndMarker = [this](bool printing) {
        const QImage image = Render(printing);
        return std::make_pair(image.pixelColor(150, 100), image.pixelColor(205, 127));
    };
    EXPECT_EQ(frameAndMarker(true), std::make_pair(QColor(0, 0, 255), QColor(Qt::white)));
    EXPECT_EQ(frameAndMarker(false), std::make_pair(QColor(0, 0, 255), QColor(255, 0, 0)));
    s->SetHighlight(true);
    EXPECT_EQ(frameAndMarker(true).first, QColor(255, 0, 0));
    EXPECT_EQ(s->LineColor(), MakeColorRef(0, 0, 255)) << "the red is for drawing only";
}

TEST_F(SegmentTest, FontAndColourCommandsReachEverySegmentOrTheSelectedOnes)
{
    auto front = AddSegment({10, -10, 200, -300}, QStringLiteral("Front"));
    auto back = AddSegment({300, -10, 500, -300}, QStringLiteral("Back"));
    MarkSegment(doc.Engine(), QStringLiteral("Back"), true);
    EXPECT_EQ(front->Highlight() * 10 + back->Highlight(), 1);
    SetSegmentFonts(doc.Engine(), 7.5, QStringLiteral("Liberation Mono"), FontSpec::Italic);
    SetSegmentTextColour(doc.Engine(), MakeColorRef(0, 128, 0));
    for (const auto& s : {front, back}) {
        EXPECT_EQ(s->Font().pointSize, 7.5);
        EXPECT_EQ(s->Font().faceName, QStringLiteral("Liberation Mono"));
        EXPECT_EQ(s->Font().attributes, int(FontSpec::Italic));
        EXPECT_EQ(s->TextColor(), MakeColorRef(0, 128, 0));
    }

    // The Fonts command gives the selected segment the current font.
    const FontSpec before = CDrawingDefaults::Instance().Font();
    const FontSpec current{QStringLiteral("Liberation Serif"), 0, FontSpec::Bold, FontSpec::JustifyLeft, 11.0};
    CDrawingDefaults::Instance().SetFont(current);
    back->SetSelected(true);
    doc.Engine().ApplyCurrentFont();
    CDrawingDefaults::Instance().SetFont(before);
    EXPECT_EQ(back->Font(), current);
    EXPECT_EQ(front->Font().pointSize, 7.5);
}

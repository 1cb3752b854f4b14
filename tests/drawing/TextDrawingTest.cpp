// Drawing, measuring, boxes, hit tests, reshaping and odd inputs of the text
// primitive, checked on real pixels.
#include "TextTestSupport.h"

#include "export/LabelExporter.h"
#include "document/CCovermintDoc.h"
#include "base/DateText.h"
#include "document/CPreferences.h"
#include "drawing/DrawingDefaults.h"

#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr QPoint kAnchor(300, -300);
// Device pixel of kAnchor on the canvas of DrawAlone.
constexpr QPoint kAnchorPixel(300, 300);

int InkCount(const QImage& image, QRect area)
{
    int n = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return n;
}

// A text primitive whose handle can be grabbed the way a reshape gesture
// leaves it (text offers no handle of its own to grab).
class CGrabbedText : public CTextPrimitive
{
public:
    using CTextPrimitive::CTextPrimitive;
    void Grab(QPoint labelPoint)
    {
        m_grabbedPoint = labelPoint;
        m_handleGrabbed = 1;
    }
};

QSize BoxSize(const CTextPrimitive& text)
{
    const LRect box = text.BoundingBox();
    return QSize(box.MaxX() - box.MinX(), box.MaxY() - box.MinY());
}

} // namespace

TEST_F(TextTest, TextConstructionTakesTheCurrentDefaults)
{
    CDrawingEngine engine;
    CDrawingDefaults::Instance().SetTextColor(MakeColorRef(10, 20, 30));
    const FontSpec font{QStringLiteral("Liberation Serif"), 90, FontSpec::Bold, FontSpec::JustifyCenter, 18.0};
    CPreferences::Instance().SetFont(font);

    CTextPrimitive text(&engine);
    EXPECT_EQ(text.Text(), QStringLiteral("<New Text>"));
    EXPECT_EQ(text.LineColor(), MakeColorRef(10, 20, 30));
    EXPECT_EQ(text.Font(), font);
    EXPECT_EQ(text.Anchor(), QPoint(0, 0));
}

TEST_F(TextTest, EmptyTextIsMeasuredAsOneBlankAndKeepsItsText)
{
    CDrawingEngine engine;
    auto empty = MakeText(engine, QString(), kAnchor);
    auto blank = MakeText(engine, QStringLiteral(" "), kAnchor);
    EXPECT_EQ(BoxSize(*empty), QSize(0, 0)); // never drawn: empty box at the anchor

    const QImage image = DrawAlone(*empty);
    DrawAlone(*blank);
    EXPECT_EQ(empty->BoundingBox(), blank->BoundingBox());
    EXPECT_GT(BoxSize(*empty).width(), 0);
    EXPECT_GT(BoxSize(*empty).height(), 0);
    EXPECT_EQ(empty->Text(), QString());
    EXPECT_TRUE(InkBounds(image).isNull());
    EXPECT_TRUE(empty->HitTest(engine.ToView(kAnchor + QPoint(1, -1))));
}

TEST_F(TextTest, FourRotationsTurnInkAndBoxAboutTheAnchorWithoutMirroring)
{
    CDrawingEngine engine;
    QSize upright;
    for (int rotation : {0, 90, 180, 270}) {
        SCOPED_TRACE(rotation);
        auto text = MakeText(engine, QStringLiteral("L"), kAnchor, rotation);
        text->SetFont(FontSpec{QStringLiteral("Liberation Sans"), rotation, 0, FontSpec::JustifyLeft, 72.0});
        const QImage image = DrawAlone(*text);
        const QRect ink = InkBounds(image);
        ASSERT_FALSE(ink.isNull());
        const QRect box = DeviceRect(text->BoundingBox());
        EXPECT_TRUE(box.adjusted(-2, -2, 2, 2).contains(ink)) << "ink outside its box";

        const QSize size = BoxSize(*text);
        if (rotation == 0)
            upright = size;
        else if (rotation == 180)
            EXPECT_EQ(size, upright);
        else
            EXPECT_EQ(size, upright.transposed());

        // Which side of the anchor the ink lies on (device y grows downward).
        const int ax = kAnchorPixel.x();
        const int ay = kAnchorPixel.y();
        const bool right = ink.left() >= ax - 2;
        const bool left = ink.right() <= ax + 2;
        const bool below = ink.top() >= ay - 2;
        const bool above = ink.bottom() <= ay + 2;
        switch (rotation) {
        case 0: EXPECT_TRUE(right && below); break;
        case 90: EXPECT_TRUE(right && above); break;
        case 180: EXPECT_TRUE(left && above); break;
        case 270: EXPECT_TRUE(left && below); break;
        }

        // An "L" leaves one quadrant of its ink box empty; which one shows
        // the turn and that the glyph is not mirrored.
        const QPoint c = ink.center();
        const QRect topLeft(ink.topLeft(), c - QPoint(2, 2));
        const QRect topRight(QPoint(c.x() + 2, ink.top()), QPoint(ink.right(), c.y() - 2));
        const QRect bottomLeft(QPoint(ink.left(), c.y() + 2), QPoint(c.x() - 2, ink.bottom()));
        const QRect bottomRight(c + QPoint(2, 2), ink.bottomRight());
        const QRect empty = rotation == 0 ? topRight : rotation == 90 ? topLeft : rotation == 180 ? bottomLeft : bottomRight;
        EXPECT_EQ(InkCount(image, empty), 0);
        EXPECT_GT(InkCount(image, topRight) + InkCount(image, topLeft) + InkCount(image, bottomLeft)
                      + InkCount(image, bottomRight),
                  100);
    }
}

TEST_F(TextTest, JustificationAlignsShortLinesInsideTheWidestOne)
{
    CDrawingEngine engine;
    const int justifications[] = {FontSpec::JustifyLeft, FontSpec::JustifyRight, FontSpec::JustifyCenter};
    for (int justification : justifications) {
        SCOPED_TRACE(justification);
        auto text = MakeText(engine, QStringLiteral("WWWWWWWWWW\r\nI"), QPoint(50, -300), 0, justification);
        const QImage image = DrawAlone(*text);
        const QRect box = DeviceRect(text->BoundingBox());
        ASSERT_GT(box.width(), 150);
        // The second line lies in the lower half of the box.
        const QRect lower(QPoint(box.left(), box.center().y() + 1), box.bottomRight());
        const QRect ink = InkBounds(image, lower);
        ASSERT_FALSE(ink.isNull());
        switch (justification) {
        case FontSpec::JustifyLeft: EXPECT_LT(ink.left() - box.left(), 10); break;
        case FontSpec::JustifyRight: EXPECT_LT(box.right() - ink.right(), 10); break;
        default: EXPECT_LT(std::abs(ink.center().x() - box.center().x()), 6); break;
        }
    }
}

TEST_F(TextTest, FontAttributesAndColourReachTheGlyphs)
{
    CDrawingEngine engine;
    const auto inkOf = [&engine](int attributes, QRect* bounds = nullptr) {
        auto text = MakeText(engine, QStringLiteral("ace ace"), kAnchor);
        text->SetFont(FontSpec{QStringLiteral("Liberation Sans"), 0, attributes, FontSpec::JustifyLeft, 24.0});
        text->SetTextColor(MakeColorRef(0, 0, 255));
        const QImage image = DrawAlone(*text);
        if (bounds)
            *bounds = InkBounds(image);
        int blue = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                blue += image.pixel(x, y) == qRgb(0, 0, 255) ? 1 : 0;
        return blue;
    };
    QRect plainInk;
    QRect underlinedInk;
    const int plain = inkOf(0, &plainInk);
    EXPECT_GT(plain, 100); // drawn in the text colour
    EXPECT_GT(inkOf(FontSpec::Bold), plain * 5 / 4);
    EXPECT_GT(inkOf(FontSpec::StrikeOut), plain + 40);
    inkOf(FontSpec::Underline, &underlinedInk);
    EXPECT_GT(underlinedInk.bottom(), plainInk.bottom());
    EXPECT_GT(underlinedInk.width(), plainInk.width()); // runs under the blank too
}

namespace {

// Draws a two-line text at kAnchor with the given font; returns the image (a
// label unit is a pixel, y flipped) and the text's box in pixels.
using TextRenderer = std::function<QImage(const FontSpec&, QRect& box)>;

// With the text turned upright, each line's underline or strike-out lies
// within the box, spans that line's glyphs, and sits below them or across them.
void ExpectDecorationsOnEachLine(const TextRenderer& render)
{
    for (const int turn : {0, 90, 180, 270}) {
        for (const int justification : {FontSpec::JustifyLeft, FontSpec::JustifyCenter, FontSpec::JustifyRight}) {
            for (const int attribute : {int(FontSpec::Underline), int(FontSpec::StrikeOut)}) {
                SCOPED_TRACE(testing::Message() << "turn " << turn << " justification " << justification
                                                << " attribute " << attribute);
                FontSpec font{QStringLiteral("Liberation Sans"), turn, 0, justification, 24.0};
                QRect box;
                const QImage plainPage = render(font, box);
                font.attributes = attribute;
                const QImage decoratedPage = render(font, box);

                // Around the box only, turned upright.
                const QRect around = box.adjusted(-40, -40, 40, 40) & plainPage.rect();
                const QTransform upright = QTransform().rotate(turn);
                const QImage plain = plainPage.copy(around).transformed(upright);
                const QImage decorated = decoratedPage.copy(around).transformed(upright);
                box = QImage::trueMatrix(upright, around.width(), around.height())
                          .mapRect(box.translated(-around.topLeft()));
                QImage decoration(plain.size(), QImage::Format_RGB32);
                decoration.fill(Qt::white);
                for (int y = 0; y < plain.height(); ++y)
                    for (int x = 0; x < plain.width(); ++x)
                        if (decorated.pixel(x, y) != plain.pixel(x, y))
                            decoration.setPixel(x, y, qRgb(0, 0, 0));

                ASSERT_FALSE(InkBounds(decoration).isNull());
                EXPECT_TRUE(box.adjusted(-2, -2, 2, 2).contains(InkBounds(decoration)));
                const QRect halves[] = {QRect(box.topLeft(), QPoint(box.right(), box.center().y())),
                                        QRect(QPoint(box.left(), box.center().y() + 1), box.bottomRight())};
                for (const QRect& half : halves) {
                    const QRect glyphs = InkBounds(plain, half);
                    const QRect line = InkBounds(decoration, half);
                    ASSERT_FALSE(line.isNull());
                    EXPECT_NEAR(line.left(), glyphs.left(), 6);
                    EXPECT_NEAR(line.right(), glyphs.right(), 6);
                    if (attribute == FontSpec::Underline) {
                        EXPECT_GE(line.top(), glyphs.bottom() - 2);
                    } else {
                        EXPECT_GT(line.center().y(), glyphs.top());
                        EXPECT_LT(line.center().y(), glyphs.bottom());
                    }
                }
            }
        }
    }
}

const QString kTwoLines = QStringLiteral("MMMMMM\r\nMM");

} // namespace

TEST_F(TextTest, UnderlineAndStrikeOutFollowTheLinesInEveryTurnAndJustification)
{
    CDrawingEngine engine;
    ExpectDecorationsOnEachLine([&engine](const FontSpec& font, QRect& box) {
        auto text = MakeText(engine, kTwoLines, kAnchor);
        text->SetFont(font);
        const QImage image = DrawAlone(*text);
        box = DeviceRect(text->BoundingBox());
        return image;
    });
}

TEST_F(TextTest, UnderlineAndStrikeOutFollowTheLinesInPngExport)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("text.png"));
    ExpectDecorationsOnEachLine([&png](const FontSpec& font, QRect& box) {
        CCovermintDoc document;
        auto text = MakeText(document.Engine(), kTwoLines, kAnchor);
        text->SetFont(font);
        document.Engine().Append(text);
        QString error;
        EXPECT_TRUE(LabelExporter::Export(document, png, 100, &error)) << error.toStdString();
        box = DeviceRect(text->BoundingBox());
        return QImage(png).convertToFormat(QImage::Format_RGB32);
    });
}

// A tab is blank space up to the next stop, the same on screen and in PDF.
TEST_F(TextTest, TabsAreBlanksToTheNextStopOnEveryTarget)
{
    CDrawingEngine engine;
    auto tabbed = MakeText(engine, QStringLiteral("col1\tcol2\tcol3"), kAnchor);
    auto spaced = MakeText(engine, QStringLiteral("col1"), kAnchor);
    auto blankApart = MakeText(engine, QStringLiteral("a a"), kAnchor);
    auto together = MakeText(engine, QStringLiteral("aa"), kAnchor);
    for (const auto& text : {tabbed, spaced, blankApart, together})
        DrawAlone(*text);
    const int blank = BoxSize(*blankApart).width() - BoxSize(*together).width();
    EXPECT_GT(BoxSize(*tabbed).width(), 3 * BoxSize(*spaced).width());

    // The second column starts at the same stop whatever the first holds.
    auto shortFirst = MakeText(engine, QStringLiteral("c\tX"), kAnchor);
    auto longFirst = MakeText(engine, QStringLiteral("col\tX"), kAnchor);
    const QRect xShort = InkBounds(DrawAlone(*shortFirst), QRect(kAnchorPixel + QPoint(60, 0), QSize(300, 60)));
    const QRect xLong = InkBounds(DrawAlone(*longFirst), QRect(kAnchorPixel + QPoint(60, 0), QSize(300, 60)));
    ASSERT_FALSE(xShort.isNull());
    EXPECT_LE(std::abs(xShort.left() - xLong.left()), blank);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("tabs.pdf"));
    CCovermintDoc document;
    document.Engine().Append(MakeText(document.Engine(), QStringLiteral("col1\tcol2\tcol3"), kAnchor));
    QString error;
    ASSERT_TRUE(LabelExporter::Export(document, pdf, 300, &error)) << error.toStdString();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified(),
              QStringLiteral("col1 col2 col3"));
}

TEST_F(TextTest, BoxIsKeptInLabelUnitsAndMeasuringIsNotRepeated)
{
    CZoomView view(100);
    CDrawingEngine engine;
    engine.SetView(&view);
    auto text = MakeText(engine, QStringLiteral("Track 1\r\nTrack 2\r\nTrack 3"), QPoint(100, -100));

    const long before = CTextPrimitive::MeasureCount();
    DrawAlone(*text);
    const LRect at100 = text->BoundingBox();
    DrawAlone(*text);
    DrawAlone(*text);
    EXPECT_EQ(CTextPrimitive::MeasureCount(), before + 1);

    view.zoom = 200;
    DrawAlone(*text, 900, 900);
    EXPECT_EQ(CTextPrimitive::MeasureCount(), before + 2);
    const LRect at200 = text->BoundingBox();
    EXPECT_NEAR(at200.right, at100.right, 3);
    EXPECT_NEAR(at200.bottom, at100.bottom, 3);
    EXPECT_EQ(at200.left, 100);
    EXPECT_EQ(at200.top, -100);

    // Hit tests and rectangle selection use that box at the current zoom.
    const QPoint inside((at200.left + at200.right) / 2, (at200.top + at200.bottom) / 2);
    EXPECT_TRUE(text->HitTest(engine.ToView(inside)));
    EXPECT_FALSE(text->HitTest(engine.ToView(QPoint(at200.right + 10, inside.y()))));
    EXPECT_TRUE(text->Intersects(LRect(inside, inside + QPoint(500, -500))));
    EXPECT_FALSE(text->Intersects(LRect(QPoint(at200.right + 1, 0), QPoint(at200.right + 50, -500))));

    // A clone shares the measurement; a changed text is measured again.
    const auto copy = std::dynamic_pointer_cast<CTextPrimitive>(text->Clone());
    DrawAlone(*copy, 900, 900);
    EXPECT_EQ(CTextPrimitive::MeasureCount(), before + 2);
    text->SetText(QStringLiteral("Track 1"));
    DrawAlone(*text, 900, 900);
    EXPECT_EQ(CTextPrimitive::MeasureCount(), before + 3);
    EXPECT_LT(BoxSize(*text).height(), BoxSize(*copy).height());

    CTextPrimitive unowned;
    EXPECT_FALSE(unowned.HitTest(QPoint(0, 0)));
}

TEST_F(TextTest, HandlesSitOnTheTurnedBoxAndAreLeftOutWhenPrinting)
{
    for (bool printing : {false, true}) {
        SCOPED_TRACE(printing);
        CDrawingEngine engine;
        auto text = MakeText(engine, QStringLiteral("Handles"), kAnchor, 90);
        text->SetTextColor(MakeColorRef(255, 0, 0));
        engine.Append(text);
        text->SetSelected(true);
        QImage image = WhiteCanvas(600, 600);
        RenderInto(image, engine, printing);
        const QRect box = DeviceRect(text->BoundingBox());
        int blackAtCorners = 0;
        for (QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
            // The handle's outline runs 4 pixels from the corner.
            blackAtCorners += image.pixel(corner + QPoint(4, 0)) == qRgb(0, 0, 0) ? 1 : 0;
            blackAtCorners += image.pixel(corner + QPoint(-4, 0)) == qRgb(0, 0, 0) ? 1 : 0;
        }
        if (printing)
            EXPECT_EQ(blackAtCorners, 0);
        else
            EXPECT_EQ(blackAtCorners, 8);
    }
}

TEST_F(TextTest, ReshapingTextMovesOnlyTheAnchorAndNeverScalesIt)
{
    CDrawingEngine engine;
    auto text = std::make_shared<CGrabbedText>(&engine);
    text->SetText(QStringLiteral("Reshape me"));
    text->SetCorners(kAnchor, kAnchor);
    DrawAlone(*text);
    const QSize size = BoxSize(*text);

    text->Grab(text->Anchor());
    text->MoveBy(30, -20);
    EXPECT_EQ(text->GrabbedPoint(), kAnchor + QPoint(30, -20));
    DrawAlone(*text);
    EXPECT_EQ(text->Anchor(), kAnchor + QPoint(30, -20));
    EXPECT_EQ(BoxSize(*text), size);

    // Dragging the far corner stretches nothing once the text is drawn again.
    const QPoint anchor = text->Anchor();
    text->Grab(text->ExtentCorner());
    text->MoveBy(80, -60);
    DrawAlone(*text);
    EXPECT_EQ(text->Anchor(), anchor);
    EXPECT_EQ(BoxSize(*text), size);

    // A mixed corner carries the anchor's y only.
    text->Grab(QPoint(text->ExtentCorner().x(), anchor.y()));
    text->MoveBy(15, 25);
    DrawAlone(*text);
    EXPECT_EQ(text->Anchor(), anchor + QPoint(0, 25));
    EXPECT_EQ(BoxSize(*text), size);

    // Without a grab, the whole text moves.
    text->SetSelected(false);
    text->MoveBy(-10, 10);
    EXPECT_EQ(text->Anchor(), anchor + QPoint(-10, 35));
}

TEST_F(TextTest, TextStatusDescriptionShowsBoxInInchesFaceAndSize)
{
    CDrawingEngine engine;
    auto text = MakeText(engine, QStringLiteral("x"), QPoint(100, -50));
    text->SetCorners(QPoint(100, -50), QPoint(300, -250));
    text->SetFont(FontSpec{QStringLiteral("Arial"), 0, 0, FontSpec::JustifyLeft, 12.0});
    EXPECT_EQ(text->GetDescription(), QStringLiteral("Text : (  1.0,  0.5 ) x (  3.0,  2.5 )   Arial   12.0 points"));
    text->SetName(QStringLiteral("Label Name"));
    EXPECT_EQ(text->GetDescription(),
              QStringLiteral("Text(Label Name) : (  1.0,  0.5 ) x (  3.0,  2.5 )   Arial   12.0 points"));
    // Turned by 180 the box lies up and to the left of the anchor.
    text->SetFont(FontSpec{QStringLiteral("Arial"), 180, 0, FontSpec::JustifyLeft, 12.0});
    EXPECT_EQ(text->BoundingBox().Normalized(), LRect(-100, 150, 100, -50));
}

TEST_F(TextTest, OddSizesFacesRotationsAndHugeTextDrawSensibly)
{
    CDrawingEngine engine;
    const double sizes[] = {0.0, -12.0, 10000.0, 1e300, std::numeric_limits<double>::quiet_NaN()};
    for (double size : sizes) {
        SCOPED_TRACE(size);
        auto text = MakeText(engine, QStringLiteral("Odd"), kAnchor);
        text->SetFont(FontSpec{QStringLiteral("No Such Face At All"), 0, 0, FontSpec::JustifyLeft, size});
        DrawAlone(*text, 200, 200);
        const QSize box = BoxSize(*text);
        EXPECT_GT(box.width(), 0);
        EXPECT_GT(box.height(), 0);
        EXPECT_LT(box.height(), 2500); // 20 inches of type at most
    }

    // Rotations are taken round the circle and then to the quarter turn below.
    const std::pair<int, int> turns[] = {{45, 0}, {89, 90}, {-90, 270}, {725, 0}, {179, 180}, {359, 270}};
    for (auto [rotation, turn] : turns) {
        SCOPED_TRACE(rotation);
        EXPECT_EQ(CTextPrimitive::QuarterTurn(rotation), turn);
        auto odd = MakeText(engine, QStringLiteral("Turn"), kAnchor, rotation);
        auto even = MakeText(engine, QStringLiteral("Turn"), kAnchor, turn);
        EXPECT_EQ(InkBounds(DrawAlone(*odd)), InkBounds(DrawAlone(*even)));
        EXPECT_EQ(odd->BoundingBox(), even->BoundingBox());
    }

    // A megabyte of text in many lines is measured once and drawn.
    QString big;
    while (big.size() < 1 << 20)
        big += QStringLiteral("0123456789012345678901234567890123456789012345678901234567890\r\n");
    auto huge = MakeText(engine, big, kAnchor);
    const long before = CTextPrimitive::MeasureCount();
    const QImage image = DrawAlone(*huge);
    DrawAlone(*huge);
    EXPECT_EQ(CTextPrimitive::MeasureCount(), before + 1);
    EXPECT_FALSE(InkBounds(image).isNull());
    EXPECT_GT(BoxSize(*huge).height(), 100000);

    // Lines far from the text's start still show where they reach the page,
    // upright and turned: ink starts within the first line spacing (38 pixels
    // at 24 points) of either edge.
    huge->SetCorners(QPoint(10, 50000), QPoint(10, 50000));
    const QRect upright = InkBounds(DrawAlone(*huge));
    EXPECT_LT(upright.top(), 30);
    EXPECT_GT(upright.bottom(), 570);
    huge->SetFont(FontSpec{QStringLiteral("Liberation Sans"), 90, 0, FontSpec::JustifyLeft, 24.0});
    huge->SetCorners(QPoint(-50000, -590), QPoint(-50000, -590));
    const QRect turned = InkBounds(DrawAlone(*huge));
    EXPECT_LT(turned.left(), 30);
    EXPECT_GT(turned.right(), 570);
}

// Texts far longer than a page show the same pixels as the part of them that
// fits, and what lies beyond the reach of any page is not measured: the box
// is that of the part.
TEST_F(TextTest, HugeTextsShowWhatTheirVisiblePartAloneShows)
{
    CDrawingEngine engine;
    const QString page = QStringLiteral("The quick brown fox 0123456789\r\n").repeated(40);
    // Measured in steps of 4,096 characters, the first of which is already
    // wider than any page.
    const QString wide = QString(4096, QLatin1Char('W')) + QStringLiteral("\r\n");
    const struct
    {
        const char* name;
        QString visible, huge;
    } cases[] = {
        {"300,000 lines more", page, page + QStringLiteral("more\n").repeated(300000)},
        {"a line of 3 million characters", wide + page, QString(3000000, QLatin1Char('W')) + QStringLiteral("\r\n") + page},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto visible = MakeText(engine, c.visible, QPoint(0, 0));
        auto huge = MakeText(engine, c.huge, QPoint(0, 0));
        EXPECT_EQ(DrawAlone(*huge), DrawAlone(*visible));
        EXPECT_EQ(BoxSize(*huge).width(), BoxSize(*visible).width());
    }
}

TEST_F(TextTest, CurrentDateTextIsRewrittenAtEveryDrawing)
{
    CDrawingEngine engine;
    auto text = MakeText(engine, QStringLiteral("stale"), kAnchor);
    text->SetName(QStringLiteral("Current Date"));
    DrawAlone(*text);
    EXPECT_EQ(text->Text(), TodayDateText());
    // Only that exact name is special.
    auto other = MakeText(engine, QStringLiteral("stale"), kAnchor);
    other->SetName(QStringLiteral("current date"));
    DrawAlone(*other);
    EXPECT_EQ(other->Text(), QStringLiteral("stale"));
}

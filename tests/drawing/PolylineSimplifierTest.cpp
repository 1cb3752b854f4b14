// Simplifying long polylines before stroking: nothing that would show on the
// device is lost, and dense strokes shrink to a size the device can show.
#include "drawing/PolylineSimplifier.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

double DistanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double length2 = QPointF::dotProduct(d, d);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / length2, 0.0, 1.0) : 0.0;
    const QPointF offset = p - (a + t * d);
    return std::hypot(offset.x(), offset.y());
}

// How far the original points stray from the kept line that replaces them:
// each dropped point is measured against the kept segment spanning it. False
// when the kept points are not original ones, in order, from first to last.
bool WorstDeviation(const QPolygon& kept, const QPolygon& original, double& worst)
{
    worst = 0;
    if (kept.isEmpty() || kept.front() != original.front())
        return false;
    qsizetype k = 0; // kept[k] is the last kept point passed
    for (qsizetype i = 1; i < original.size(); ++i) {
        const bool last = i + 1 == original.size();
        // A kept point is passed where it appears; the final one only at the end.
        if (k + 1 < kept.size() && original[i] == kept[k + 1] && (k + 2 < kept.size() || last)) {
            ++k;
            continue;
        }
        if (k + 1 >= kept.size())
            return false;
        worst = std::max(worst, DistanceToSegment(original[i], kept[k], kept[k + 1]));
    }
    return k + 1 == kept.size();
}

struct Stroke
{
    const char* name;
    QPolygon points;
};

// A random walk of tiny steps (a slow hand), a wide zigzag, a spiral in fine
// steps, and a stroke that doubles back on itself.
std::vector<Stroke> Strokes()
{
    QRandomGenerator random(7);
    QPolygon walk;
    QPoint at(5000, 5000);
    for (int i = 0; i < 20000; ++i) {
        at += QPoint(random.bounded(-2, 4), random.bounded(-2, 3));
        walk << at;
    }
    QPolygon zigzag;
    for (int i = 0; i < 400; ++i)
        zigzag << QPoint(i * 3, (i % 2) * 40);
    QPolygon spiral;
    for (int i = 0; i < 5000; ++i) {
        const double angle = i * 0.01;
        spiral << QPoint(int(std::lround(std::cos(angle) * (100 + i))), int(std::lround(std::sin(angle) * (100 + i))));
    }
    QPolygon back;
    for (int x = 0; x <= 300; ++x)
        back << QPoint(x, 0);
    for (int x = 300; x >= 0; --x)
        back << QPoint(x, 7);
    return {{"walk", walk}, {"zigzag", zigzag}, {"spiral", spiral}, {"back", back}};
}

} // namespace

TEST(PolylineSimplifier, EveryDroppedPointStaysWithinTheTolerance)
{
    for (const double tolerance : {0.5, 1.0, 3.0, 12.0}) {
        for (const Stroke& stroke : Strokes()) {
            SCOPED_TRACE(std::string(stroke.name) + " at " + std::to_string(tolerance));
            const QPolygon kept = SimplifyPolyline(stroke.points, tolerance);
            ASSERT_GE(kept.size(), 2);
            EXPECT_EQ(kept.front(), stroke.points.front());
            EXPECT_EQ(kept.back(), stroke.points.back());
            double worst = 0;
            EXPECT_TRUE(WorstDeviation(kept, stroke.points, worst));
            EXPECT_LE(worst, tolerance + 1e-9);
        }
    }
}

TEST(PolylineSimplifier, DenseStrokesShrinkAndVisibleDetailStays)
{
    // 300,000 points along a 3,000 pixel line: about one point per pixel is left at most.
    QPolygon dense;
    for (int i = 0; i < 300000; ++i)
        dense << QPoint(i / 100, (i / 1000) % 2);
    EXPECT_LT(SimplifyPolyline(dense, 1.0).size(), 3000);

    // A zigzag of 40 pixels keeps every corner at one pixel, few at 100.
    const QPolygon zigzag = Strokes()[1].points;
    EXPECT_EQ(SimplifyPolyline(zigzag, 1.0), zigzag);
    EXPECT_LT(SimplifyPolyline(zigzag, 100.0).size(), zigzag.size() / 10);

    // No tolerance, or too few points: unchanged.
    EXPECT_EQ(SimplifyPolyline(dense.first(5000), 0.0).size(), 5000);
    const QPolygon two{QPoint(0, 0), QPoint(0, 0)};
    EXPECT_EQ(SimplifyPolyline(two, 5.0), two);
}

#include "drawing/CPrimitive.h"
#include "base/Geometry.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>

TEST(Geometry, PointInBoxHasAnInclusiveTwoUnitMargin)
{
    const QPoint a(10, -10), b(0, 0);
    EXPECT_TRUE(PointInBox(a, b, QPoint(-2, 2)));
    EXPECT_TRUE(PointInBox(a, b, QPoint(12, -12)));
    EXPECT_TRUE(PointInBox(b, a, QPoint(12, -12))); // corners in any order
    EXPECT_FALSE(PointInBox(a, b, QPoint(13, 0)));
    EXPECT_FALSE(PointInBox(a, b, QPoint(0, 3)));
    EXPECT_FALSE(PointInBox(a, b, QPoint(5, -13)));
}

TEST(Geometry, PointOnSegmentUsesTheBoxForSteepOrFlatSegmentsAndSlopesOtherwise)
{
    // Vertical: box rule.
    EXPECT_TRUE(PointOnSegment(QPoint(0, 0), QPoint(0, 100), QPoint(2, 50)));
    EXPECT_FALSE(PointOnSegment(QPoint(0, 0), QPoint(0, 100), QPoint(3, 50)));
    // Horizontal: only 2 units above or below.
    EXPECT_TRUE(PointOnSegment(QPoint(0, -50), QPoint(100, -50), QPoint(40, -48)));
    EXPECT_FALSE(PointOnSegment(QPoint(0, -50), QPoint(100, -50), QPoint(40, -47)));
    // Diagonal: inverse slopes must agree within 0.4.
    const QPoint a(0, 0), b(100, -100);
    EXPECT_TRUE(PointOnSegment(a, b, QPoint(50, -50)));
    EXPECT_FALSE(PointOnSegment(a, b, QPoint(50, -10)));
    EXPECT_FALSE(PointOnSegment(a, b, QPoint(150, -150))); // outside the box
    // The ends themselves (a zero denominator in the slope test) are on it.
    EXPECT_TRUE(PointOnSegment(a, b, a));
    EXPECT_TRUE(PointOnSegment(a, b, b));
    // A point level with the reference end gives an infinite ratio: not on it.
    EXPECT_FALSE(PointOnSegment(a, b, QPoint(1, 0)));
}

TEST(Geometry, RoundHalfAwayFromZeroSaturates)
{
    EXPECT_EQ(RoundHalfAway(0.5f), 1);
    EXPECT_EQ(RoundHalfAway(-0.5f), -1);
    EXPECT_EQ(RoundHalfAway(1.49f), 1);
    EXPECT_EQ(RoundHalfAway(-2.5f), -3);
    EXPECT_EQ(RoundHalfAway(0.0f), 0);
    EXPECT_EQ(RoundHalfAway(1e20f), INT_MAX);
    EXPECT_EQ(RoundHalfAway(-1e20f), INT_MIN);
    EXPECT_EQ(RoundHalfAway(std::nanf("")), 0);
}

TEST(Geometry, GrabToleranceGrowsOnlyAboveFullSize)
{
    EXPECT_EQ(GrabToleranceAtZoom(10), 6);
    EXPECT_EQ(GrabToleranceAtZoom(100), 6);
    EXPECT_EQ(GrabToleranceAtZoom(150), 6);
    EXPECT_EQ(GrabToleranceAtZoom(200), 8);
    EXPECT_EQ(GrabToleranceAtZoom(250), 10);
    EXPECT_EQ(GrabToleranceAtZoom(300), 12);
}

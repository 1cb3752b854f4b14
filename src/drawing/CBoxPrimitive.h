#pragma once
// A primitive placed by two corners: the shape family, pictures and texts.
#include "drawing/CPrimitive.h"

class CBoxPrimitive : public CPrimitive
{
public:
    using CPrimitive::CPrimitive;

    void MoveBy(int dx, int dy) override;
    QString GetDescription() const override;
    bool GrabHandle(QPoint viewPoint) override;
    bool Intersects(const LRect& labelRect) const override;
    QPoint GetTopLeft() const override;
    QPoint GetBottomRight() const override;
    bool GetCorners(QPoint& c1, QPoint& c2) const override;
    void SetCorners(QPoint c1, QPoint c2) override;

protected:
    // The kind's name in the status text ("Rectangle", "Image", ...).
    virtual QString DescriptionName() const { return QStringLiteral("Rectangle"); }
    // "(x1, y1 ) x (x2, y2 )" in inches, y measured down from the page top.
    QString BoxDescription() const;
    // Moves what is under the grabbed point by dx, dy.
    virtual void MoveGrabbed(int dx, int dy);
    // The corner coordinates under the grabbed point, tested (x1,y1),
    // (x2,y2), (x2,y1), (x1,y2); false when none matches.
    bool GrabbedCornerAxes(int*& x, int*& y);
    // Tests the four corners in the order (x1,y1), (x2,y1), (x2,y2), (x1,y2)
    // and grabs the first near one.
    bool GrabCorner(QPoint viewPoint);
    // Handles at the four corners of the view box a..b.
    void DrawCornerHandles(QPainter& painter, QPoint a, QPoint b);
    void AssignCorners(const CBoxPrimitive& other);
    // Writes the first count corners as POINTs, or reads as many as there
    // are (within the coordinate range).
    void PersistCorners(bool storing, pugi::xml_node node, int count);
    void PersistPoints(bool storing, pugi::xml_node node) override { PersistCorners(storing, node, 2); }

    QPoint m_corner1;
    QPoint m_corner2;
};

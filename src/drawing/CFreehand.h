#pragma once
// A stroke drawn with the mouse: an open polyline through every point the
// mouse reported while the Freehand tool was dragged.
#include "drawing/CPrimitive.h"

#include <QHash>
#include <QPolygon>
#include <algorithm>
#include <vector>

class CFreehand : public CPrimitive
{
public:
    CFreehand(int penWidth, CDrawingEngine* owner);
    CFreehand();

    const char* TypeName() const override { return "CFreehand"; }
    void Assign(const CPrimitive& other) override;
    int Draw(QPainter& painter) override;
    void MoveBy(int dx, int dy) override;
    void BeginCreate(QPoint viewPoint) override;
    void TrackCreate(QPoint viewPoint) override;
    void EndCreate(QPoint viewPoint) override;
    QString GetDescription() const override;
    bool HitTest(QPoint viewPoint) const override;
    bool GrabHandle(QPoint viewPoint) override;
    bool Intersects(const LRect& labelRect) const override;
    std::shared_ptr<CPrimitive> Clone() const override;
    QPoint GetTopLeft() const override;
    QPoint GetBottomRight() const override;

    void AssignFreehand(const CFreehand& other);
    int PenWidth() const { return m_penWidth; }
    // Label units; whatever a file or caller says is kept within this.
    static constexpr int kMaxPenWidth = 1000;
    void SetPenWidth(int w) { m_penWidth = std::clamp(w, 0, kMaxPenWidth); }
    const std::vector<QPoint>& Points() const { return m_points; }
    void SetPoint(int index, int x, int y);
    void RemovePoint(int index);
    LRect GetBounds() const;

protected:
    std::vector<KeyedField> OwnFields() override { return {{"PENWIDTH", &m_penWidth}}; }
    void FieldsLoaded() override { SetPenWidth(m_penWidth); }
    void PersistPoints(bool storing, pugi::xml_node node) override;
    std::size_t DrawnStateKey() const override { return qHashRange(m_points.begin(), m_points.end()); }

private:
    // The stroke in view units as drawn at a zoom, simplified to a tolerance
    // in view units; kept until the points, zoom or device resolution change.
    const QPolygon& ViewLine(double tolerance);
    void PointsChanged() { m_viewLine.valid = false; }

    int m_penWidth = 1;
    std::vector<QPoint> m_points;
    struct
    {
        bool valid = false;
        int zoom = 0;
        double tolerance = 0;
        QPolygon points;
    } m_viewLine;
};

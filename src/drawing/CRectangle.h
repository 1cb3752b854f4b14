#pragma once
// The shape family: rectangle, rounded rectangle, ellipse and line, all made
// of two corners, a pen width and a hollow-fill flag.
#include "drawing/CBoxPrimitive.h"

#include <QBrush>

class CRectangle : public CBoxPrimitive
{
public:
    CRectangle(int penWidth, CDrawingEngine* owner);
    CRectangle();

    const char* TypeName() const override { return "CRectangle"; }
    void Assign(const CPrimitive& other) override;
    int Draw(QPainter& painter) override;
    void BeginCreate(QPoint viewPoint) override;
    void TrackCreate(QPoint viewPoint) override;
    void EndCreate(QPoint viewPoint) override;
    bool HitTest(QPoint viewPoint) const override;
    std::shared_ptr<CPrimitive> Clone() const override;

    void AssignRectangle(const CRectangle& other);
    LRect GetRect() const { return LRect(m_corner1, m_corner2); }
    bool HollowFill() const { return m_hollowFill != 0; }
    void SetHollowFill(bool v) { m_hollowFill = v ? 1 : 0; }
    int PenWidth() const { return m_penWidth; }
    void SetPenWidth(int w) { m_penWidth = w; }
    bool UsesDragBoxPen() const { return m_dragBox; }
    void MarkDragBox(bool v);

protected:
    std::vector<KeyedField> OwnFields() override;
    void FieldsLoaded() override;
    std::size_t DrawnStateKey() const override { return std::size_t(m_dragBox); }
    // The outline-and-fill painting of the kind; the pen is already set.
    virtual void DrawShape(QPainter& painter, QPoint v1, QPoint v2);
    virtual void DrawHandles(QPainter& painter, QPoint v1, QPoint v2);
    // The fill colour, or no brush when hollow: a hollow shape shows what
    // lies below it.
    QBrush InteriorBrush() const;

    int m_penWidth = 1;
    int m_hollowFill = 1;
    bool m_dragBox = false;
};

class CRoundedRect : public CRectangle
{
public:
    using CRectangle::CRectangle;
    const char* TypeName() const override { return "CRoundedRect"; }
    std::shared_ptr<CPrimitive> Clone() const override;

protected:
    QString DescriptionName() const override { return QStringLiteral("Rounded Rectangle"); }
    void DrawShape(QPainter& painter, QPoint v1, QPoint v2) override;
};

class CEllipse : public CRectangle
{
public:
    using CRectangle::CRectangle;
    const char* TypeName() const override { return "CEllipse"; }
    std::shared_ptr<CPrimitive> Clone() const override;

protected:
    QString DescriptionName() const override { return QStringLiteral("Ellipse"); }
    void DrawShape(QPainter& painter, QPoint v1, QPoint v2) override;
};

class CLine : public CRectangle
{
public:
    using CRectangle::CRectangle;
    const char* TypeName() const override { return "CLine"; }
    std::shared_ptr<CPrimitive> Clone() const override;
    QString GetDescription() const override;
    bool HitTest(QPoint viewPoint) const override;
    bool Intersects(const LRect& labelRect) const override;

protected:
    void DrawShape(QPainter& painter, QPoint v1, QPoint v2) override;
    void DrawHandles(QPainter& painter, QPoint v1, QPoint v2) override;
};

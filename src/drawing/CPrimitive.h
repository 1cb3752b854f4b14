#pragma once
// The abstract base of everything drawn on a label.
#include "base/Geometry.h"
#include "base/XmlValues.h"

#include <QPoint>
#include <QString>
#include <memory>
#include <vector>

#include <pugixml.hpp>

class CDrawingEngine;
class QPainter;
class QPen;

class CPrimitive
{
public:
    explicit CPrimitive(CDrawingEngine* owner = nullptr);
    virtual ~CPrimitive() = default;

    CPrimitive(const CPrimitive&) = delete;
    CPrimitive& operator=(const CPrimitive&) = delete;

    // The file keyword of the class ("CRectangle", ...), also its PRIMTYPE.
    virtual const char* TypeName() const = 0;

    // Copies the common fields (and, in subclasses, their own); the copy is
    // neither selected nor grabbed and keeps its selectable/moveable flags.
    virtual void Assign(const CPrimitive& other);
    // Reshape undo: a copy holding the shape exactly as it is now, and the
    // way back to it.
    virtual std::shared_ptr<CPrimitive> ShapeSnapshot() const { return Clone(); }
    virtual void RestoreShape(const CPrimitive& snapshot) { Assign(snapshot); }

    // Painter coordinates are view units (label units after zoom), y up.
    virtual int Draw(QPainter& painter);
    int DrawHandleAt(int x, int y, QPainter& painter);
    // A handle square of 4 view units half-size; filled black when it sits on
    // the grabbed point. Nothing without an owner or while printing.
    int DrawHandle(QPoint viewPoint, QPainter& painter);

    virtual void MoveBy(int dx, int dy);
    virtual void BeginCreate(QPoint viewPoint);
    virtual void TrackCreate(QPoint viewPoint);
    virtual void EndCreate(QPoint viewPoint);

    bool IsSelectable() const { return m_selectable != 0; }
    void SetSelectable(bool v) { m_selectable = v ? 1 : 0; }
    bool IsMoveable() const { return m_moveable != 0; }
    void SetMoveable(bool v) { m_moveable = v ? 1 : 0; }

    virtual QString GetDescription() const;
    virtual bool HitTest(QPoint viewPoint) const;
    bool SelectIfHit(QPoint viewPoint);
    bool SelectIfIntersects(const LRect& labelRect);
    virtual bool GrabHandle(QPoint viewPoint);
    bool IsSelected() const { return m_selected || m_handleGrabbed; }
    bool IsHandleGrabbed() const { return m_handleGrabbed; }
    void SetSelected(bool v);
    void SettleSelection();
    bool IsOverlapExempt() const { return m_overlapExempt; }
    virtual bool Intersects(const LRect& labelRect) const;

    QString GetName() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    QString GetSegmentName() const { return m_segmentName; }
    void SetSegmentName(const QString& name) { m_segmentName = name; }

    // Storing is given the DRAWINGENGINE element and appends a PRIMITIVE
    // element there; loading is given the PRIMITIVE element. The common
    // keywords and PRIMTYPE come first, then the kind's own, then its POINTs.
    // False without an element.
    bool Persist(bool storing, pugi::xml_node element);
    // Differs whenever what the primitive draws may differ: its kind, place,
    // colours, selection, own keywords and what they do not hold.
    std::size_t AppearanceKey() const;
    virtual std::shared_ptr<CPrimitive> Clone() const = 0;

    virtual QPoint GetTopLeft() const { return QPoint(0, 0); }
    virtual QPoint GetBottomRight() const { return QPoint(0, 0); }
    // Box-shaped primitives (rectangle family, image, text) expose their two
    // corners to the Properties dialog; others return false.
    virtual bool GetCorners(QPoint& c1, QPoint& c2) const;
    virtual void SetCorners(QPoint c1, QPoint c2);
    virtual bool IsDirectorySegment() const { return false; }

    CDrawingEngine* Owner() const { return m_owner; }
    void SetOwner(CDrawingEngine* owner) { m_owner = owner; }

    ColorRef LineColor() const { return m_lineColor; }
    void SetLineColor(ColorRef c) { m_lineColor = c; }
    ColorRef FillColor() const { return m_fillColor; }
    void SetFillColor(ColorRef c) { m_fillColor = c; }
    ColorRef TextColor() const { return m_textColor; }
    void SetTextColor(ColorRef c) { m_textColor = c; }
    int CreatedFromTemplate() const { return m_createdFromTemplate; }
    void SetCreatedFromTemplate(int v) { m_createdFromTemplate = v; }
    QPoint GrabbedPoint() const { return m_grabbedPoint; }

    // Clone helper: a fresh T assigned from source.
    template <class T>
    static std::shared_ptr<CPrimitive> CloneOf(const T& source)
    {
        auto copy = std::make_shared<T>();
        copy->Assign(source);
        return copy;
    }

protected:
    // Assign for a class with its own assignment: a T source gets all of T's
    // fields, any other primitive only the common ones.
    template <class T>
    void AssignSameKind(const CPrimitive& other, void (T::*assignOwn)(const T&))
    {
        if (const auto* same = dynamic_cast<const T*>(&other))
            (static_cast<T*>(this)->*assignOwn)(*same);
        else
            CPrimitive::Assign(other);
    }

    // The kind's keywords after PRIMTYPE, in file order.
    virtual std::vector<KeyedField> OwnFields() { return {}; }
    // Called before the keywords are written, and after they are read.
    virtual void PrepareStore() {}
    virtual void FieldsLoaded() {}
    // The POINT elements that end a PRIMITIVE element.
    virtual void PersistPoints(bool, pugi::xml_node) {}
    // What the drawing depends on beyond the keywords (points, pixels).
    virtual std::size_t DrawnStateKey() const { return 0; }
    // The owner's line pen for a width in label units (cosmetic when the
    // zoomed width rounds to 0).
    QPen LinePen(int penWidth) const;
    void MarkModified() const;
    // The engine's grab tolerance, and the view point in label units.
    int GrabTolerance() const;
    QPoint ToLabel(QPoint viewPoint) const;
    QPoint ToView(QPoint labelPoint) const;

    CDrawingEngine* m_owner = nullptr;
    bool m_selected = false;
    QPoint m_grabbedPoint;
    bool m_handleGrabbed = false;
    bool m_overlapExempt = false;
    QString m_name;
    QString m_segmentName;
    int m_selectable = 1;
    int m_moveable = 1;
    ColorRef m_lineColor = 0;
    ColorRef m_fillColor = MakeColorRef(255, 255, 255);
    ColorRef m_textColor = 0;
    int m_createdFromTemplate = 0;
};

using PrimitivePtr = std::shared_ptr<CPrimitive>;

// Grab tolerance in label units at a zoom percentage.
int GrabToleranceAtZoom(int zoomPercent);

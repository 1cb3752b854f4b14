#pragma once
// The process-wide drawing state shared by every label: the current tool,
// drag-box mode and the attributes new primitives start with. The attributes
// are kept by a store (the preferences) when one is installed, else in memory.
#include "base/FontSpec.h"
#include "base/Geometry.h"

#include <QString>

enum class Tool {
    DirectorySegment = 0,
    Freehand = 1,
    Line = 2,
    Rectangle = 3,
    RoundedRectangle = 4,
    Ellipse = 5,
    Text = 6,
    Selection = 7,
    DragSelection = 8,
};

enum class DragBoxMode { None, Selection, ZoomArea };

// What new primitives start with.
struct DrawingAttributes
{
    int penWidth = 2;
    ColorRef lineColor = 0;
    ColorRef fillColor = MakeColorRef(255, 255, 255);
    ColorRef textColor = 0;
    int hollowFill = 1;
    FontSpec font{QStringLiteral("Times New Roman"), 0, 0, FontSpec::JustifyLeft, 12.0};
};

// Where the attributes persist, and the folder pictures are stored relative to.
class IDrawingSettingsStore
{
public:
    virtual ~IDrawingSettingsStore() = default;
    virtual DrawingAttributes Attributes() = 0;
    virtual void SetAttributes(const DrawingAttributes& attributes) = 0;
    // With a trailing separator; empty when there is none.
    virtual QString HomeFolder() = 0;
};

class CDrawingDefaults
{
public:
    static CDrawingDefaults& Instance();

    // Not owned; null goes back to the in-memory attributes.
    void SetStore(IDrawingSettingsStore* store) { m_store = store; }

    Tool currentTool = Tool::Selection;
    DragBoxMode dragBoxMode = DragBoxMode::None;

    DrawingAttributes Attributes() const;
    int PenWidth() const { return Attributes().penWidth; }
    ColorRef LineColor() const { return Attributes().lineColor; }
    ColorRef FillColor() const { return Attributes().fillColor; }
    ColorRef TextColor() const { return Attributes().textColor; }
    int HollowFill() const { return Attributes().hollowFill; }
    FontSpec Font() const { return Attributes().font; }
    QString HomeFolder() const;

    // Each setter also stores the value (in the preferences).
    void SetPenWidth(int w);
    void SetLineColor(ColorRef c);
    void SetFillColor(ColorRef c);
    void SetTextColor(ColorRef c);
    void SetHollowFill(int v);
    void SetFont(const FontSpec& font);

private:
    template <class Value>
    void Set(Value DrawingAttributes::*field, const Value& value);

    IDrawingSettingsStore* m_store = nullptr;
    DrawingAttributes m_memory;
};

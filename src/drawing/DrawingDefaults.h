#pragma once
// The process-wide drawing state shared by every label: the current tool,
// drag-box mode and the attributes new primitives start with. Loaded from the
// preferences when the first engine is created; setters write them back.
#include "base/FontSpec.h"
#include "base/Geometry.h"

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

class CDrawingDefaults
{
public:
    static CDrawingDefaults& Instance();

    // Reloads the attributes from the preferences.
    void LoadFromPreferences();

    Tool currentTool = Tool::Selection;
    DragBoxMode dragBoxMode = DragBoxMode::None;

    int PenWidth() const { return m_penWidth; }
    ColorRef LineColor() const { return m_lineColor; }
    ColorRef FillColor() const { return m_fillColor; }
    ColorRef TextColor() const { return m_textColor; }
    int HollowFill() const { return m_hollowFill; }
    const FontSpec& Font() const { return m_font; }

    // Each setter also stores the value in the preferences.
    void SetPenWidth(int w);
    void SetLineColor(ColorRef c);
    void SetFillColor(ColorRef c);
    void SetTextColor(ColorRef c);
    void SetHollowFill(int v);
    void SetFont(const FontSpec& font);

private:
    int m_penWidth = 2;
    ColorRef m_lineColor = 0;
    ColorRef m_fillColor = MakeColorRef(255, 255, 255);
    ColorRef m_textColor = 0;
    int m_hollowFill = 1;
    FontSpec m_font{QStringLiteral("Times New Roman"), 0, 0, FontSpec::JustifyLeft, 12.0};
};

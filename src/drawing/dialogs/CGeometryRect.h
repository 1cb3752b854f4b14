#pragma once
// "Properties": the two corners of a box-shaped primitive (rectangle family,
// text, image) as distances in inches from the page's top-left corner, with
// linked width and height, and the segment name where it means something.
#include "toolkit/ApplyDialog.h"

class CPrimitive;
class CCovermintDoc;
class CInchEdit;
class QComboBox;
class QLabel;

class CGeometryRect : public CApplyDialog
{
    Q_OBJECT
public:
    CGeometryRect(CPrimitive& primitive, CCovermintDoc& document, QWidget* parent = nullptr);

    bool ApplyChanges() override;

    // Whether the segment name can be chosen for this primitive.
    static bool ShowsSegmentName(const CPrimitive& primitive);

private:
    void OnVerticalEdge();
    void OnHorizontalEdge();
    void OnWidth(double width);
    void OnHeight(double height);

    CPrimitive& m_primitive;
    CCovermintDoc& m_document;
    CInchEdit* m_top;
    CInchEdit* m_bottom;
    CInchEdit* m_left;
    CInchEdit* m_right;
    CInchEdit* m_width;
    CInchEdit* m_height;
    QLabel* m_segmentLabel;
    QComboBox* m_segment;
};

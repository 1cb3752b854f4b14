#pragma once
// "Line Properties": the two ends of a line in inches from the page's
// top-left corner.
#include "toolkit/ApplyDialog.h"

class CLine;
class CCovermintDoc;
class CInchEdit;

class CLineGeometryRect : public CApplyDialog
{
    Q_OBJECT
public:
    CLineGeometryRect(CLine& line, CCovermintDoc& document, QWidget* parent = nullptr);

    bool ApplyChanges() override;

private:
    CLine& m_line;
    CCovermintDoc& m_document;
    CInchEdit* m_x1;
    CInchEdit* m_y1;
    CInchEdit* m_x2;
    CInchEdit* m_y2;
};

#include "view/PropertiesDialogs.h"

#include "drawing/CFreehand.h"
#include "drawing/CImagePrimitive.h"
#include "drawing/CRectangle.h"
#include "drawing/CTextPrimitive.h"
#include "drawing/dialogs/CGeomFreehand.h"
#include "drawing/dialogs/CGeometryRect.h"
#include "drawing/dialogs/CLineGeometryRect.h"

std::unique_ptr<CApplyDialog> CreatePropertiesDialog(CPrimitive& primitive, CCovermintDoc& document, QWidget* parent)
{
    if (auto* line = dynamic_cast<CLine*>(&primitive))
        return std::make_unique<CLineGeometryRect>(*line, document, parent);
    if (dynamic_cast<CRectangle*>(&primitive) || dynamic_cast<CTextPrimitive*>(&primitive)
        || dynamic_cast<CImagePrimitive*>(&primitive))
        return std::make_unique<CGeometryRect>(primitive, document, parent);
    if (auto* stroke = dynamic_cast<CFreehand*>(&primitive))
        return std::make_unique<CGeomFreehand>(*stroke, document, parent);
    return nullptr;
}

#include "drawing/PrimitiveKinds.h"

#include "drawing/CFreehand.h"
#include "drawing/CImagePrimitive.h"
#include "drawing/CRectangle.h"
#include "drawing/CTextPrimitive.h"

#include <QHash>

namespace {

template <class Shape>
PrimitivePtr MakeShape(CDrawingEngine* owner)
{
    return std::make_shared<Shape>(1, owner);
}

template <class Kind>
PrimitivePtr MakeOwned(CDrawingEngine* owner)
{
    return std::make_shared<Kind>(owner);
}

QHash<QString, PrimitiveFactory>& Kinds()
{
    static QHash<QString, PrimitiveFactory> kinds{
        {QStringLiteral("CRectangle"), &MakeShape<CRectangle>},
        {QStringLiteral("CRoundedRect"), &MakeShape<CRoundedRect>},
        {QStringLiteral("CEllipse"), &MakeShape<CEllipse>},
        {QStringLiteral("CLine"), &MakeShape<CLine>},
        {QStringLiteral("CFreehand"), &MakeShape<CFreehand>},
        {QStringLiteral("CImagePrimitive"), &MakeOwned<CImagePrimitive>},
        {QStringLiteral("CTextPrimitive"), &MakeOwned<CTextPrimitive>},
    };
    return kinds;
}

} // namespace

void AddPrimitiveKind(const QString& typeName, PrimitiveFactory factory)
{
    if (factory)
        Kinds().insert(typeName, factory);
}

PrimitivePtr CreatePrimitiveOfKind(const QString& typeName, CDrawingEngine* owner)
{
    const PrimitiveFactory factory = Kinds().value(typeName);
    return factory ? factory(owner) : nullptr;
}

#pragma once
// A primitive that draws text in a font of its own (text, directory segment):
// the font commands reach it whatever its kind.
#include "base/FontSpec.h"

class IFontHolder
{
public:
    virtual ~IFontHolder() = default;
    virtual const FontSpec& Font() const = 0;
    virtual void SetFont(const FontSpec& font) = 0;
};

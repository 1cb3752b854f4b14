#pragma once
#include <QString>

// The font of a text primitive or directory segment.
struct FontSpec
{
    enum Attribute { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
    // Stored justification values (not the dialog's list order).
    enum Justification { JustifyRight = 0, JustifyLeft = 1, JustifyCenter = 2 };

    QString faceName;      // empty: the default face
    int rotation = 0;      // degrees counter-clockwise: 0, 90, 180, 270
    int attributes = 0;    // Attribute bits
    int justification = JustifyLeft;
    double pointSize = 12.0;

    bool operator==(const FontSpec&) const = default;
};

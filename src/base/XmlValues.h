#pragma once
// The value conventions of label, template and preferences files: every value
// is the text of an element of its own. Writers return whether the element was
// written; readers whether the target was set (a missing element or an empty
// text leaves the target as it was).
#include "base/Geometry.h"

#include <QPoint>
#include <QString>
#include <initializer_list>
#include <variant>
#include <vector>

#include <pugixml.hpp>

// Text content, decoded so that any string written reads back equal.
QString ElementText(pugi::xml_node element);
void SetElementText(pugi::xml_node element, const QString& text);

bool WriteString(pugi::xml_node parent, const char* key, const QString& value);
bool WriteInt(pugi::xml_node parent, const char* key, int value);
bool WriteReal(pugi::xml_node parent, const char* key, double value);
// X and Y under a POINT element appended to parent.
bool WritePoint(pugi::xml_node parent, QPoint point);
bool WriteTwoPoints(pugi::xml_node parent, QPoint first, QPoint second);
// KEY_1 (low word) and KEY_2 (high word).
bool WriteInt64Pair(pugi::xml_node parent, const char* key, qint32 low, qint32 high);
// KEYR, KEYG, KEYB.
bool WriteColor(pugi::xml_node parent, const char* key, ColorRef color);
// A container: text " " then the children the caller appends. Returns it.
pugi::xml_node WriteContainer(pugi::xml_node parent, const char* key);

bool ReadString(pugi::xml_node parent, const char* key, QString& target);
bool ReadInt(pugi::xml_node parent, const char* key, int& target);
bool ReadReal(pugi::xml_node parent, const char* key, double& target);
bool ReadInt64Pair(pugi::xml_node parent, const char* key, qint32& low, qint32& high);
// Only when KEYB is present; each component masked to 8 bits.
bool ReadColor(pugi::xml_node parent, const char* key, ColorRef& target);
// X and Y of a POINT element; each missing or empty part keeps its value.
bool ReadPoint(pugi::xml_node pointElement, QPoint& target);
// Every POINT child of parent in document order.
std::vector<QPoint> ReadPoints(pugi::xml_node parent);

// A value bound to its file keyword, for records kept as a list of values:
// integers, reals, strings and colours (KEYR, KEYG, KEYB).
struct KeyedField
{
    const char* key;
    std::variant<int*, double*, QString*, ColorRef*> target;
    // On loading, an empty text element is a value of its own rather than
    // one left out.
    bool emptyIsText = false;
};
// Storing writes the fields in list order; loading reads those present.
void PersistFields(bool storing, pugi::xml_node parent, const std::vector<KeyedField>& fields);

// Number parsing as the format reads it: the leading decimal number with an
// optional sign, "12abc" -> 12, "abc" -> 0; reals as doubles within the float range.
int ParseLeadingInt(const QString& text);
bool ParseReal(const QString& text, double& value);
QString FormatReal(double value); // "%f"

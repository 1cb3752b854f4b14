#pragma once
// Reads XML bytes into a DOM: every encoding Qt can decode, entities of the
// internal DTD subset expanded; malformed bytes, undefined entities, extra
// root elements and broken markup refused with a reason, line and column.
#include "base/XmlFile.h"

#include <QByteArray>

#include <pugixml.hpp>

// Elements, attributes, text and CDATA sections are kept; comments,
// processing instructions and the DTD are not. External entities are never
// fetched: a reference to one is refused like an undeclared one.
XmlLoadResult ParseXml(const QByteArray& data, pugi::xml_document& document);

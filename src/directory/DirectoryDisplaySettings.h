#pragma once
#include "base/XmlValues.h"

#include <QString>

#include <initializer_list>
#include <vector>

// How a directory listing is shown; a document's own copy, with the user's
// defaults in the preferences.
struct CDirectoryDisplaySettings
{
    int dirDepth = 1;
    double columnWidth = 1.51; // inches
    int columnSeparators = 1;
    int underlineRows = 1;
    int showDirLines = 1;
    int dirAlwaysBold = 1;
    int showFiles = 1;
    int showDirectories = 1;
    int showSongLength = 0;
    int showExtension = 1;
    int showSize = 1;
    int showFileDate = 0;
    QString showFileDateFormat;
    QString sizeUnits = QStringLiteral("K");

    bool operator==(const CDirectoryDisplaySettings&) const = default;

    // The fields named by their file keywords (DIRDEPTH, COLUMNWIDTH, ...,
    // SIZEUNITS), written in the given order; an unknown keyword is fatal.
    void Store(pugi::xml_node parent, std::initializer_list<const char*> keywords) const;
    // Reads the named fields that are present; the others keep their value.
    void Load(pugi::xml_node parent, std::initializer_list<const char*> keywords);
    // The named fields, in the given order, bound to their keywords.
    std::vector<KeyedField> Fields(std::initializer_list<const char*> keywords);
};

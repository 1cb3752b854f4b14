#pragma once
#include "base/XmlValues.h"

#include <QString>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

// A file keyword of the display settings. Only a known keyword compiles, so a
// misspelt one cannot quietly drop a field from every file.
class DisplayKeyword
{
public:
    static constexpr std::array<std::string_view, 14> kAll = {
        "DIRDEPTH",      "COLUMNWIDTH",     "COLUMNSEPARATORS", "UNDERLINEROWS", "SHOWDIRLINES",
        "DIRALWAYSBOLD", "SHOWFILES",       "SHOWDIRECTORIES",  "SHOWSONGLENGTH", "SHOWEXTENSION",
        "SHOWSIZE",      "SHOWFILEDATE",    "SHOWFILEDATEFORMAT", "SIZEUNITS"};

    consteval DisplayKeyword(const char* keyword)
        : m_index(IndexOf(keyword))
    {
    }
    std::size_t Index() const { return m_index; }

private:
    static consteval std::size_t IndexOf(std::string_view keyword)
    {
        for (std::size_t i = 0; i < kAll.size(); ++i)
            if (kAll[i] == keyword)
                return i;
        throw "unknown display keyword";
    }
    std::size_t m_index;
};

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

    // The fields named by their file keywords, written in the given order.
    void Store(pugi::xml_node parent, std::initializer_list<DisplayKeyword> keywords) const;
    // Reads the named fields that are present; the others keep their value.
    void Load(pugi::xml_node parent, std::initializer_list<DisplayKeyword> keywords);
    // The named fields, in the given order, bound to their keywords.
    std::vector<KeyedField> Fields(std::initializer_list<DisplayKeyword> keywords);
};

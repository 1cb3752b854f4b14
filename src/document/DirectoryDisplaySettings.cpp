#include "document/DirectoryDisplaySettings.h"

#include "document/CPreferences.h"
#include "document/XmlValues.h"

#include <cstring>
#include <variant>

namespace {

using FieldRef = std::variant<std::monostate, int*, double*, QString*>;

FieldRef FieldByKeyword(CDirectoryDisplaySettings& s, const char* keyword)
{
    struct Entry
    {
        const char* keyword;
        int CDirectoryDisplaySettings::*field;
    };
    static const Entry flags[] = {
        {"DIRDEPTH", &CDirectoryDisplaySettings::dirDepth},
        {"COLUMNSEPARATORS", &CDirectoryDisplaySettings::columnSeparators},
        {"UNDERLINEROWS", &CDirectoryDisplaySettings::underlineRows},
        {"SHOWDIRLINES", &CDirectoryDisplaySettings::showDirLines},
        {"DIRALWAYSBOLD", &CDirectoryDisplaySettings::dirAlwaysBold},
        {"SHOWFILES", &CDirectoryDisplaySettings::showFiles},
        {"SHOWDIRECTORIES", &CDirectoryDisplaySettings::showDirectories},
        {"SHOWSONGLENGTH", &CDirectoryDisplaySettings::showSongLength},
        {"SHOWEXTENSION", &CDirectoryDisplaySettings::showExtension},
        {"SHOWSIZE", &CDirectoryDisplaySettings::showSize},
        {"SHOWFILEDATE", &CDirectoryDisplaySettings::showFileDate},
    };
    for (const Entry& e : flags)
        if (std::strcmp(e.keyword, keyword) == 0)
            return &(s.*e.field);
    if (std::strcmp(keyword, "COLUMNWIDTH") == 0)
        return &s.columnWidth;
    if (std::strcmp(keyword, "SHOWFILEDATEFORMAT") == 0)
        return &s.showFileDateFormat;
    if (std::strcmp(keyword, "SIZEUNITS") == 0)
        return &s.sizeUnits;
    return {};
}

} // namespace

void CDirectoryDisplaySettings::CopyFromPreferences()
{
    *this = CPreferences::Instance().Display();
}

void CDirectoryDisplaySettings::Store(pugi::xml_node parent, std::initializer_list<const char*> keywords) const
{
    // The lookup hands out pointers into a copy; nothing is written back.
    CDirectoryDisplaySettings copy = *this;
    for (const char* key : keywords) {
        const FieldRef field = FieldByKeyword(copy, key);
        if (auto p = std::get_if<int*>(&field))
            WriteInt(parent, key, **p);
        else if (auto p = std::get_if<double*>(&field))
            WriteReal(parent, key, **p);
        else if (auto p = std::get_if<QString*>(&field))
            WriteString(parent, key, **p);
    }
}

void CDirectoryDisplaySettings::Load(pugi::xml_node parent, std::initializer_list<const char*> keywords)
{
    for (const char* key : keywords) {
        const FieldRef field = FieldByKeyword(*this, key);
        if (auto p = std::get_if<int*>(&field))
            ReadInt(parent, key, **p);
        else if (auto p = std::get_if<double*>(&field))
            ReadReal(parent, key, **p);
        else if (auto p = std::get_if<QString*>(&field))
            ReadString(parent, key, **p);
    }
}

#include "directory/DirectoryDisplaySettings.h"

#include "base/XmlValues.h"

#include <algorithm>
#include <cstring>
#include <iterator>

std::vector<KeyedField> CDirectoryDisplaySettings::Fields(std::initializer_list<const char*> keywords)
{
    const KeyedField all[] = {
        {"DIRDEPTH", &dirDepth},
        {"COLUMNWIDTH", &columnWidth},
        {"COLUMNSEPARATORS", &columnSeparators},
        {"UNDERLINEROWS", &underlineRows},
        {"SHOWDIRLINES", &showDirLines},
        {"DIRALWAYSBOLD", &dirAlwaysBold},
        {"SHOWFILES", &showFiles},
        {"SHOWDIRECTORIES", &showDirectories},
        {"SHOWSONGLENGTH", &showSongLength},
        {"SHOWEXTENSION", &showExtension},
        {"SHOWSIZE", &showSize},
        {"SHOWFILEDATE", &showFileDate},
        {"SHOWFILEDATEFORMAT", &showFileDateFormat},
        {"SIZEUNITS", &sizeUnits},
    };
    std::vector<KeyedField> fields;
    for (const char* key : keywords) {
        const auto known = std::find_if(std::begin(all), std::end(all),
                                        [key](const KeyedField& f) { return std::strcmp(f.key, key) == 0; });
        // A misspelt keyword would quietly drop a field from every file.
        if (known == std::end(all))
            qFatal("unknown display keyword %s", key);
        fields.push_back(*known);
    }
    return fields;
}

void CDirectoryDisplaySettings::Store(pugi::xml_node parent, std::initializer_list<const char*> keywords) const
{
    CDirectoryDisplaySettings copy = *this; // the fields hand out writable pointers
    PersistFields(true, parent, copy.Fields(keywords));
}

void CDirectoryDisplaySettings::Load(pugi::xml_node parent, std::initializer_list<const char*> keywords)
{
    PersistFields(false, parent, Fields(keywords));
}

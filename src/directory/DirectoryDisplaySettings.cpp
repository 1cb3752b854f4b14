#include "directory/DirectoryDisplaySettings.h"

#include "base/XmlValues.h"

#include <cstring>

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
    for (const char* key : keywords)
        for (const KeyedField& f : all)
            if (std::strcmp(f.key, key) == 0)
                fields.push_back(f);
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

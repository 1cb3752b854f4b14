#include "directory/DirectoryDisplaySettings.h"

#include "base/XmlValues.h"


std::vector<KeyedField> CDirectoryDisplaySettings::Fields(std::initializer_list<DisplayKeyword> keywords)
{
    using Target = decltype(KeyedField::target);
    // In the order of DisplayKeyword::kAll.
    const std::array<Target, DisplayKeyword::kAll.size()> targets = {
        &dirDepth,       &columnWidth,   &columnSeparators, &underlineRows, &showDirLines,
        &dirAlwaysBold,  &showFiles,     &showDirectories,  &showSongLength, &showExtension,
        &showSize,       &showFileDate,  &showFileDateFormat, &sizeUnits};
    std::vector<KeyedField> fields;
    for (DisplayKeyword keyword : keywords)
        fields.push_back({DisplayKeyword::kAll[keyword.Index()].data(), targets[keyword.Index()]});
    return fields;
}

void CDirectoryDisplaySettings::Store(pugi::xml_node parent, std::initializer_list<DisplayKeyword> keywords) const
{
    CDirectoryDisplaySettings copy = *this; // the fields hand out writable pointers
    PersistFields(true, parent, copy.Fields(keywords));
}

void CDirectoryDisplaySettings::Load(pugi::xml_node parent, std::initializer_list<DisplayKeyword> keywords)
{
    PersistFields(false, parent, Fields(keywords));
}

#include "document/LabelFile.h"

#include "directory/CDocumentDirectoryInformation.h"
#include "document/CPreferences.h"
#include "base/XmlFile.h"
#include "base/XmlValues.h"
#include "platform/Prompter.h"

#include <exception>

namespace {

const char kRootName[] = "COVERMINTLABEL";

struct HeaderKey
{
    const char* key;
    QString CLabelHeaderFields::*field;
};
const HeaderKey kHeaderKeys[] = {
    {"DESCRIPTION", &CLabelHeaderFields::description},
    {"NAME", &CLabelHeaderFields::name},
    {"AUTHOR", &CLabelHeaderFields::author},
    {"CREATED", &CLabelHeaderFields::created},
};

pugi::xml_node StoreRecord(pugi::xml_node root, const CDocumentDirectoryInformation& record)
{
    pugi::xml_node item = root.append_child("DIRECTORYINFO");
    record.StoreTree(item);
    WriteString(item, "DIRECTORYINFOSEGMENTNAME", record.SegmentName());
    WriteInt(item, "DIRECTORYFREESPACE", record.FreeSpace());
    WriteInt(item, "DIRECTORYTOTAL", record.TotalSpace());
    pugi::xml_node cddb = item.append_child("CDDBINFO");
    const CCddbTexts& texts = record.CddbTexts();
    WriteString(cddb, "CDDBDISKTITLE", texts.title);
    WriteString(cddb, "CDDBTRACKLISTING", texts.trackListing);
    WriteString(cddb, "CDDBEXTDISKINFO", texts.extDiscInfo);
    WriteString(cddb, "CDDBEXTTRACKLISTING", texts.extTrackInfo);
    return item;
}

pugi::xml_node StoreDisplay(CCovermintDoc& document, pugi::xml_node root)
{
    const pugi::xml_node display = WriteContainer(root, "COVERMINTPREFERENCES");
    document.DisplaySettings().Store(display,
        {"DIRDEPTH", "SHOWFILES", "SHOWDIRECTORIES", "SHOWSONGLENGTH", "SHOWEXTENSION", "SHOWSIZE", "SHOWFILEDATE",
            "SHOWFILEDATEFORMAT", "COLUMNWIDTH", "SIZEUNITS", "COLUMNSEPARATORS", "UNDERLINEROWS", "SHOWDIRLINES",
            "DIRALWAYSBOLD"});
    return display;
}

void BuildDom(CCovermintDoc& document, pugi::xml_document& xml)
{
    ResetXmlDocument(xml);
    pugi::xml_node root = xml.append_child(kRootName);
    StoreDisplay(document, root);
    for (const HeaderKey& h : kHeaderKeys)
        WriteString(root, h.key, document.Header().*h.field);
    WriteString(root, "VERSION", ProgramVersionText());
    for (const auto& record : document.Records())
        StoreRecord(root, *record);
    document.Engine().Persist(true, root);
}

// sizesAndCddb is the item itself (2.0 layout) or the root (earlier layout).
void LoadRecord(CCovermintDoc& document, pugi::xml_node item, pugi::xml_node sizesAndCddb)
{
    QString segmentName;
    ReadString(item, "DIRECTORYINFOSEGMENTNAME", segmentName);
    CDocumentDirectoryInformation* record = document.AddDirectoryInformation(segmentName);
    if (const pugi::xml_node tree = item.child("DIRECTORY"))
        record->LoadTree(tree);
    int kb = 0;
    if (ReadInt(sizesAndCddb, "DIRECTORYFREESPACE", kb))
        record->SetFreeSpace(kb);
    if (ReadInt(sizesAndCddb, "DIRECTORYTOTAL", kb))
        record->SetTotalSpace(kb);
    if (const pugi::xml_node cddb = sizesAndCddb.child("CDDBINFO")) {
        CCddbTexts texts = record->CddbTexts();
        ReadString(cddb, "CDDBDISKTITLE", texts.title);
        ReadString(cddb, "CDDBTRACKLISTING", texts.trackListing);
        ReadString(cddb, "CDDBEXTDISKINFO", texts.extDiscInfo);
        ReadString(cddb, "CDDBEXTTRACKLISTING", texts.extTrackInfo);
        record->SetCddbTexts(texts);
    }
}

void ReadDocument(CCovermintDoc& document, pugi::xml_node root)
{
    const bool currentLayout = ElementText(root.child("VERSION")).trimmed().left(3) == QStringLiteral("2.0");
    if (const pugi::xml_node display = root.child("COVERMINTPREFERENCES"))
        document.DisplaySettings().Load(display,
            {"DIRDEPTH", "COLUMNSEPARATORS", "UNDERLINEROWS", "SHOWDIRLINES", "DIRALWAYSBOLD", "SHOWFILES",
                "SHOWDIRECTORIES", "SHOWSONGLENGTH", "SHOWEXTENSION", "SHOWSIZE", "SHOWFILEDATE", "SHOWFILEDATEFORMAT",
                "COLUMNWIDTH", "SIZEUNITS"});
    CLabelHeaderFields header = document.Header();
    for (const HeaderKey& h : kHeaderKeys)
        ReadString(root, h.key, header.*h.field);
    ReadString(root, "VERSION", header.version);
    document.RestoreHeader(header);
    for (pugi::xml_node item = root.child("DIRECTORYINFO"); item; item = item.next_sibling("DIRECTORYINFO"))
        LoadRecord(document, item, currentLayout ? item : root);
    document.Engine().Persist(false, root);
    document.SyncDirectoryInformation();
}

QString HeaderPath(const QString& folder, const QString& fileName)
{
    return AddTrailingSeparator(folder) + fileName;
}

} // namespace

namespace LabelFile {

pugi::xml_node StoreDisplaySettings(CCovermintDoc& document, pugi::xml_document& xml)
{
    xml.reset();
    return StoreDisplay(document, xml);
}

pugi::xml_node StoreDirectoryRecord(const CDocumentDirectoryInformation& record, pugi::xml_document& xml)
{
    xml.reset();
    return StoreRecord(xml, record);
}

bool Store(CCovermintDoc& document, QIODevice& device)
{
    try {
        pugi::xml_document xml;
        BuildDom(document, xml);
        return SaveXmlDevice(xml, device);
    } catch (const std::exception&) {
        return false;
    }
}

bool Store(CCovermintDoc& document, const QString& path, QString* error)
{
    try {
        pugi::xml_document xml;
        BuildDom(document, xml);
        return SaveXmlFile(xml, path, error);
    } catch (const std::exception& e) {
        if (error)
            *error = QStringLiteral("Could not save %1: %2").arg(path, QString::fromLocal8Bit(e.what()));
        return false;
    }
}

bool ReadParsed(CCovermintDoc& document, const pugi::xml_document& xml)
{
    const pugi::xml_node root = xml.child(kRootName);
    if (!root || !root.child("VERSION"))
        return false;
    ReadDocument(document, root);
    return true;
}

namespace {

// A well-formed file without the label root or VERSION reads nothing.
XmlLoadResult ReadLoaded(CCovermintDoc& document, const pugi::xml_document& xml, const XmlLoadResult& loaded)
{
    if (!loaded.ok)
        return loaded;
    ReadParsed(document, xml);
    return loaded;
}

bool ReadParsedHeader(const pugi::xml_document& xml, bool parsed, CLabelHeaderFields& header)
{
    if (!parsed)
        return false;
    const pugi::xml_node root = xml.document_element();
    for (const HeaderKey& h : kHeaderKeys)
        if (!root.child(h.key))
            return false;
    for (const HeaderKey& h : kHeaderKeys)
        header.*h.field = ElementText(root.child(h.key));
    return true;
}

} // namespace

XmlLoadResult Read(CCovermintDoc& document, const QByteArray& bytes)
{
    pugi::xml_document xml;
    const XmlLoadResult loaded = LoadXmlBytes(bytes, xml);
    return ReadLoaded(document, xml, loaded);
}

XmlLoadResult Read(CCovermintDoc& document, QIODevice& device, const QString& name)
{
    pugi::xml_document xml;
    const XmlLoadResult loaded = LoadXmlDevice(device, name, xml);
    return ReadLoaded(document, xml, loaded);
}

XmlLoadResult Load(CCovermintDoc& document, const QString& path)
{
    pugi::xml_document xml;
    const XmlLoadResult loaded = LoadXmlFile(path, xml);
    return ReadLoaded(document, xml, loaded);
}

bool ReadHeader(const QByteArray& bytes, CLabelHeaderFields& header)
{
    pugi::xml_document xml;
    const bool parsed = LoadXmlBytes(bytes, xml).ok;
    return ReadParsedHeader(xml, parsed, header);
}

bool ReadHeader(const QString& folder, const QString& fileName, CLabelHeaderFields& header)
{
    pugi::xml_document xml;
    const bool parsed = LoadXmlFile(HeaderPath(folder, fileName), xml).ok;
    return ReadParsedHeader(xml, parsed, header);
}

bool WriteHeader(const QString& folder, const QString& fileName, const CLabelHeaderFields& header)
{
    const QString path = HeaderPath(folder, fileName);
    pugi::xml_document xml;
    pugi::xml_node root = LoadXmlFile(path, xml).ok ? xml.document_element() : pugi::xml_node();
    if (!root) {
        Prompter().ShowMessage(QStringLiteral("Could not parse file."));
        return false;
    }
    for (const HeaderKey& h : kHeaderKeys) {
        pugi::xml_node element = root.child(h.key);
        if (!element)
            element = root.append_child(h.key);
        SetElementText(element, header.*h.field);
    }
    QString error;
    if (!SaveXmlFile(xml, path, &error)) {
        Prompter().ShowMessage(error, CPrompter::Icon::Error);
        return false;
    }
    return true;
}

} // namespace LabelFile

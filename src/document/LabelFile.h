#pragma once
// The label and template file: storing and loading a whole document, and
// reading or rewriting only the header of a file (workspace, new-label dialog).
#include "base/XmlFile.h"
#include "document/CCovermintDoc.h"

#include <QString>

#include <pugixml.hpp>

class CDocumentDirectoryInformation;

namespace LabelFile {

// Parts of the DOM a save writes, each made alone in xml (emptied first):
// the COVERMINTPREFERENCES element and one record's DIRECTORYINFO element.
pugi::xml_node StoreDisplaySettings(CCovermintDoc& document, pugi::xml_document& xml);
pugi::xml_node StoreDirectoryRecord(const CDocumentDirectoryInformation& record, pugi::xml_document& xml);

// Writes the document atomically; on failure the old file stays and error
// (when given) says why.
bool Store(CCovermintDoc& document, const QString& path, QString* error = nullptr);
// The same content written to an open device; false when a write fails.
bool Store(CCovermintDoc& document, QIODevice& device);

// Reads a label from bytes or a file into the document. A failure to read
// or parse leaves the document as it was and says why (line and column for
// a parse error); the caller shows it. A well-formed file without the label
// root or VERSION reads nothing and counts as success.
XmlLoadResult Read(CCovermintDoc& document, const QByteArray& bytes);
XmlLoadResult Read(CCovermintDoc& document, QIODevice& device, const QString& name);
XmlLoadResult Load(CCovermintDoc& document, const QString& path);
// Reads a parsed file into the document; false, reading nothing, when its
// root is not a label or template with a VERSION.
bool ReadParsed(CCovermintDoc& document, const pugi::xml_document& xml);

// Copies DESCRIPTION, NAME, AUTHOR and CREATED of folder/fileName into
// header, only when all four exist (the version is not touched).
bool ReadHeader(const QString& folder, const QString& fileName, CLabelHeaderFields& header);
bool ReadHeader(const QByteArray& bytes, CLabelHeaderFields& header);

// Sets those four elements (creating missing ones) and saves the file in
// place. A file that does not parse is left untouched with "Could not parse
// file."; a failed save is reported too. Returns whether the file was written.
bool WriteHeader(const QString& folder, const QString& fileName, const CLabelHeaderFields& header);

} // namespace LabelFile

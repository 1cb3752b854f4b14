#pragma once
// Whole XML files as every Covermint file is kept: UTF-8 with a declaration,
// values read back exactly as written, saves that never destroy the old file.
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <pugixml.hpp>

struct XmlLoadResult
{
    bool ok = false;
    bool read = false; // the file's bytes were read (a failure is then a parse error)
    QString reason;
    int line = 0;
    int column = 0;

    // "<reason>\n\n <line>\n <column>", the text shown for a file that fails.
    QString Message() const;
};

// The same reading from bytes, an open device (name is what messages call
// it) or a file. A failed parse gives line and column.
XmlLoadResult LoadXmlBytes(const QByteArray& data, pugi::xml_document& document);
XmlLoadResult LoadXmlDevice(QIODevice& device, const QString& name, pugi::xml_document& document);
XmlLoadResult LoadXmlFile(const QString& path, pugi::xml_document& document);

// Empties the document and gives it the XML declaration.
void ResetXmlDocument(pugi::xml_document& document);

// Writes the document to an open device as a file holds it; false when the
// device refuses a write.
bool SaveXmlDevice(const pugi::xml_document& document, QIODevice& device);

// Writes to a temporary file beside path and renames it over path; on
// failure the old file is untouched and error (when given) says why.
bool SaveXmlFile(const pugi::xml_document& document, const QString& path, QString* error = nullptr);

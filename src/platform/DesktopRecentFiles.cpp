#include "platform/DesktopRecentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

const QString kBookmarkNs = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString kMimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
const QString kAppName = QStringLiteral("Covermint");

QString Stamp(const QDateTime& time)
{
    return time.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz000Z"));
}

QString MimeTypeOf(const QString& path)
{
    return path.endsWith(QStringLiteral(".cte"), Qt::CaseInsensitive)
               ? QStringLiteral("application/x-covermint-template")
               : QStringLiteral("application/x-covermint-label");
}

// What an earlier entry for the same file remembered.
struct EarlierUse
{
    QString added;
    int count = 0;
};

// Skips the bookmark element the reader stands on, collecting its added
// time and our application's count.
void SkipBookmark(QXmlStreamReader& reader, EarlierUse* earlier)
{
    earlier->added = reader.attributes().value(QStringLiteral("added")).toString();
    int depth = 1;
    while (depth > 0 && !reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            if (reader.name() == QStringLiteral("application") &&
                reader.attributes().value(QStringLiteral("name")) == kAppName)
                earlier->count = reader.attributes().value(QStringLiteral("count")).toInt();
        } else if (reader.isEndElement()) {
            --depth;
        }
    }
}

void WriteBookmark(QXmlStreamWriter& writer, const QString& href, const QString& mimeType,
                   const EarlierUse& earlier, const QString& now)
{
    writer.writeStartElement(QStringLiteral("bookmark"));
    writer.writeAttribute(QStringLiteral("href"), href);
    writer.writeAttribute(QStringLiteral("added"), earlier.added.isEmpty() ? now : earlier.added);
    writer.writeAttribute(QStringLiteral("modified"), now);
    writer.writeAttribute(QStringLiteral("visited"), now);
    writer.writeStartElement(QStringLiteral("info"));
    writer.writeStartElement(QStringLiteral("metadata"));
    writer.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    writer.writeEmptyElement(kMimeNs, QStringLiteral("mime-type"));
    writer.writeAttribute(QStringLiteral("type"), mimeType);
    writer.writeStartElement(kBookmarkNs, QStringLiteral("applications"));
    writer.writeEmptyElement(kBookmarkNs, QStringLiteral("application"));
    writer.writeAttribute(QStringLiteral("name"), kAppName);
    writer.writeAttribute(QStringLiteral("exec"), QStringLiteral("'covermint %u'"));
    writer.writeAttribute(QStringLiteral("modified"), now);
    writer.writeAttribute(QStringLiteral("count"), QString::number(earlier.count + 1));
    writer.writeEndElement(); // applications
    writer.writeEndElement(); // metadata
    writer.writeEndElement(); // info
    writer.writeEndElement(); // bookmark
}

void WriteNewList(QXmlStreamWriter& writer, const QString& href, const QString& mimeType, const QString& now)
{
    writer.writeStartDocument();
    writer.writeNamespace(kBookmarkNs, QStringLiteral("bookmark"));
    writer.writeNamespace(kMimeNs, QStringLiteral("mime"));
    writer.writeStartElement(QStringLiteral("xbel"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    WriteBookmark(writer, href, mimeType, {}, now);
    writer.writeEndElement();
    writer.writeEndDocument();
}

// Declares the namespaces our entry uses where the root has not.
void DeclareMissingNamespaces(const QXmlStreamReader& root, QXmlStreamWriter& writer)
{
    const auto declared = root.namespaceDeclarations();
    const auto declare = [&](const QString& uri, const QString& prefix) {
        const bool known = std::any_of(declared.begin(), declared.end(),
                                       [&](const QXmlStreamNamespaceDeclaration& d) { return d.namespaceUri() == uri; });
        if (!known)
            writer.writeNamespace(uri, prefix);
    };
    declare(kBookmarkNs, QStringLiteral("bookmark"));
    declare(kMimeNs, QStringLiteral("mime"));
}

// Copies the list through, putting the new entry for href in place of the
// old one, or last when there was none. False when the list is not XBEL.
bool RewriteList(const QByteArray& old, QXmlStreamWriter& writer, const QString& href, const QString& mimeType,
                 const QString& now)
{
    QXmlStreamReader reader(old);
    int depth = 0;
    bool written = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (depth == 0 && reader.name() != QStringLiteral("xbel"))
                return false;
            if (depth == 1 && reader.name() == QStringLiteral("bookmark") &&
                reader.attributes().value(QStringLiteral("href")) == href) {
                EarlierUse earlier;
                SkipBookmark(reader, &earlier);
                WriteBookmark(writer, href, mimeType, earlier, now);
                written = true;
                continue;
            }
            ++depth;
            writer.writeCurrentToken(reader);
            if (depth == 1)
                DeclareMissingNamespaces(reader, writer);
            continue;
        }
        if (reader.isEndElement() && --depth == 0 && !written) {
            WriteBookmark(writer, href, mimeType, {}, now);
            written = true;
        }
        if (!reader.hasError())
            writer.writeCurrentToken(reader);
    }
    return written && !reader.hasError();
}

} // namespace

QString CDesktopRecentFiles::DefaultListPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/recently-used.xbel");
}

bool CDesktopRecentFiles::Add(const QString& path, const QString& listPath, const QDateTime& now)
{
    const QString href = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    const QString stamp = Stamp(now);
    const QString mimeType = MimeTypeOf(path);

    QByteArray old;
    QFile existing(listPath);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            return false;
        old = existing.readAll();
    }
    QDir().mkpath(QFileInfo(listPath).absolutePath());
    QSaveFile out(listPath);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(false);
    if (old.trimmed().isEmpty()) {
        WriteNewList(writer, href, mimeType, stamp);
    } else if (!RewriteList(old, writer, href, mimeType, stamp)) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

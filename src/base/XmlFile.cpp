#include "base/XmlFile.h"

#include "base/XmlParser.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Larger files are not labels; refusing them keeps a stray file from
// exhausting memory.
constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;

// Streams the serialised text into a file; a carriage return becomes a
// character reference so that other XML readers do not fold it into a line
// feed.
class CEscapingWriter final : public pugi::xml_writer
{
public:
    explicit CEscapingWriter(QIODevice& device) : m_device(device) {}

    void write(const void* data, size_t size) override
    {
        const char* bytes = static_cast<const char*>(data);
        const char* end = bytes + size;
        const char* run = bytes;
        for (const char* p = bytes; p != end; ++p) {
            if (*p != '\r')
                continue;
            Put(run, p - run);
            Put("&#13;", 5);
            run = p + 1;
        }
        Put(run, end - run);
    }

    bool Failed() const { return m_failed; }

private:
    void Put(const char* data, qint64 size)
    {
        if (!m_failed && size > 0 && m_device.write(data, size) != size)
            m_failed = true;
    }

    QIODevice& m_device;
    bool m_failed = false;
};

XmlLoadResult Failure(const QString& reason)
{
    XmlLoadResult result;
    result.reason = reason;
    return result;
}

} // namespace

QString XmlLoadResult::Message() const
{
    return reason + QStringLiteral("\n\n ") + QString::number(line) + QStringLiteral("\n ")
        + QString::number(column);
}

XmlLoadResult LoadXmlBytes(const QByteArray& data, pugi::xml_document& document)
{
    document.reset();
    if (data.size() > kMaxFileSize)
        return Failure(QStringLiteral("The data is too large to be a Covermint file."));
    return ParseXml(data, document);
}

XmlLoadResult LoadXmlDevice(QIODevice& device, const QString& name, pugi::xml_document& document)
{
    document.reset();
    // Read in pieces: asking for the whole allowance at once would allocate
    // it for every small label. One byte past it tells a file too large.
    constexpr qint64 kPiece = 1 << 16;
    QByteArray data;
    for (QByteArray piece; data.size() <= kMaxFileSize && !(piece = device.read(kPiece)).isEmpty();)
        data += piece;
    if (data.size() > kMaxFileSize)
        return Failure(QStringLiteral("%1 is too large to be a Covermint file.").arg(name));
    return LoadXmlBytes(data, document);
}

XmlLoadResult LoadXmlFile(const QString& path, pugi::xml_document& document)
{
    document.reset();
    if (QFileInfo(path).isDir())
        return Failure(QStringLiteral("%1 is a folder, not a file.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(QStringLiteral("Could not open %1: %2").arg(path, file.errorString()));
    if (file.size() > kMaxFileSize)
        return Failure(QStringLiteral("%1 is too large to be a Covermint file.").arg(path));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure(QStringLiteral("Could not read %1: %2").arg(path, file.errorString()));
    return LoadXmlBytes(data, document);
}

void ResetXmlDocument(pugi::xml_document& document)
{
    document.reset();
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
}

bool SaveXmlDevice(const pugi::xml_document& document, QIODevice& device)
{
    CEscapingWriter writer(device);
    document.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return !writer.Failed();
}

bool SaveXmlFile(const pugi::xml_document& document, const QString& path, QString* error)
{
    // The replacement is a new file made with default permissions; the old
    // mode is put back. Only the mode bits: the "User" flags describe the
    // caller's access and would add an owner write bit for root.
    constexpr QFileDevice::Permissions modeBits = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
        | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    const bool existed = QFileInfo::exists(path);
    const QFileDevice::Permissions oldMode = QFile::permissions(path) & modeBits;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        if (SaveXmlDevice(document, file) && file.commit()) {
            if (existed)
                QFile::setPermissions(path, oldMode);
            return true;
        }
    }
    if (error)
        *error = QStringLiteral("Could not save %1: %2").arg(path, file.errorString());
    return false;
}

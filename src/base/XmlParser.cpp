#include "base/XmlParser.h"

#include <QRegularExpression>
#include <QStringConverter>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <cctype>
#include <optional>

namespace {

// Text that entities may add beyond the size of the file itself; more is an
// expansion attack rather than a label.
constexpr qsizetype kMaxEntityGrowth = qsizetype(16) * 1024 * 1024;

// Whether the bytes are to be read as UTF-8: neither a byte order mark nor
// the declaration names another encoding.
bool ReadsAsUtf8(const QByteArray& data)
{
    if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(data, u'<'))
        return *marked == QStringConverter::Utf8;
    static const QRegularExpression declaration(
        QStringLiteral("^<\\?xml\\s[^>]*encoding\\s*=\\s*[\"']([^\"']*)[\"']"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(data.left(256)));
    if (!match.hasMatch())
        return true;
    const QString name = match.captured(1);
    return name.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("UTF8"), Qt::CaseInsensitive) == 0;
}

constexpr unsigned kPugiFlags = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_ws_pcdata;

// Whether text (what follows an ampersand) starts with a predefined entity
// or a character reference.
bool StartsWithPlainReference(QByteArrayView text)
{
    for (const char* name : {"amp;", "lt;", "gt;", "quot;", "apos;"}) {
        if (text.startsWith(name))
            return true;
    }
    if (!text.startsWith('#'))
        return false;
    const bool hex = text.size() > 1 && text.at(1) == 'x';
    qsizetype end = hex ? 2 : 1;
    const qsizetype first = end;
    while (end < text.size() && (hex ? std::isxdigit(uchar(text.at(end))) : std::isdigit(uchar(text.at(end)))))
        ++end;
    return end > first && end < text.size() && text.at(end) == ';';
}

bool HasOnlyPlainReferences(const QByteArray& data)
{
    for (qsizetype at = data.indexOf('&'); at >= 0; at = data.indexOf('&', at + 1)) {
        if (!StartsWithPlainReference(QByteArrayView(data).sliced(at + 1)))
            return false;
    }
    return true;
}

bool HasOneRootElement(const pugi::xml_document& document)
{
    int elements = 0;
    for (const pugi::xml_node child : document.children()) {
        if (child.type() == pugi::node_element)
            ++elements;
        else if (child.type() == pugi::node_pcdata && QByteArrayView(child.value()).trimmed().size() > 0)
            return false;
    }
    return elements == 1;
}

// UTF-8 without a DTD or entities of its own, which is what every saved file
// is, is read by pugixml, many times faster than the stream reader. Whatever
// pugixml would accept but is not well-formed in those respects, and every
// failure, goes to the stream reader.
bool ParsePlainUtf8(const QByteArray& data, pugi::xml_document& document)
{
    if (data.contains("<!DOCTYPE") || !HasOnlyPlainReferences(data))
        return false;
    if (document.load_buffer(data.constData(), size_t(data.size()), kPugiFlags, pugi::encoding_utf8)
        && HasOneRootElement(document))
        return true;
    document.reset();
    return false;
}

// Line and column (both from 1) of the first byte sequence that is not UTF-8
// (or of a NUL, which no XML text may hold either).
void LocateBadUtf8(const QByteArray& data, int& line, int& column)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInvalidToNull);
    const QString text = decoder(data);
    qsizetype bad = text.indexOf(QChar(0));
    if (bad < 0)
        bad = text.size(); // a sequence cut off by the end of the file
    const QStringView before = QStringView(text).left(bad);
    line = int(before.count(u'\n')) + 1;
    column = int(bad - before.lastIndexOf(u'\n'));
}

// Builds the DOM from the reader's tokens. Adjacent pieces of text become one
// text node, as a DOM parser makes them.
class CDomBuilder
{
public:
    CDomBuilder(QXmlStreamReader& reader, pugi::xml_document& document, qsizetype textBudget)
        : m_reader(reader), m_document(document), m_parent(document), m_textBudget(textBudget)
    {
    }

    void Read()
    {
        while (!m_reader.atEnd()) {
            const QXmlStreamReader::TokenType token = m_reader.readNext();
            if (token == QXmlStreamReader::Characters && !m_reader.isCDATA()) {
                Count(m_reader.text().size());
                m_text += m_reader.text();
                continue;
            }
            FlushText();
            switch (token) {
            case QXmlStreamReader::StartElement: StartElement(); break;
            case QXmlStreamReader::EndElement: m_parent = m_parent.parent(); break;
            case QXmlStreamReader::Characters: AppendCdata(); break;
            case QXmlStreamReader::DTD: RefuseExternalEntities(); break;
            case QXmlStreamReader::EntityReference:
                // Left unresolved: external, or declared nowhere the reader saw.
                m_reader.raiseError(QStringLiteral("Entity '%1' not declared.").arg(m_reader.name()));
                break;
            default: break;
            }
        }
    }

private:
    void StartElement()
    {
        m_parent = m_parent.append_child(m_reader.qualifiedName().toUtf8().constData());
        for (const QXmlStreamAttribute& attribute : m_reader.attributes()) {
            Count(attribute.value().size());
            m_parent.append_attribute(attribute.qualifiedName().toUtf8().constData())
                .set_value(attribute.value().toUtf8().constData());
        }
    }

    // The reader would drop their references without a word.
    void RefuseExternalEntities()
    {
        for (const QXmlStreamEntityDeclaration& entity : m_reader.entityDeclarations()) {
            if (!entity.systemId().isEmpty() || !entity.publicId().isEmpty()) {
                m_reader.raiseError(QStringLiteral("External entity '%1' is not read.").arg(entity.name()));
                return;
            }
        }
    }

    void AppendCdata()
    {
        Count(m_reader.text().size());
        if (m_parent != m_document)
            m_parent.append_child(pugi::node_cdata).set_value(m_reader.text().toUtf8().constData());
    }

    // Text outside the root element is only blanks and is not kept.
    void FlushText()
    {
        if (!m_text.isEmpty() && m_parent != m_document)
            m_parent.append_child(pugi::node_pcdata).set_value(m_text.toUtf8().constData());
        m_text.clear();
    }

    void Count(qsizetype characters)
    {
        m_textSize += characters;
        if (m_textSize > m_textBudget && !m_reader.hasError())
            m_reader.raiseError(QStringLiteral("Entities expand to more text than the file can hold."));
    }

    QXmlStreamReader& m_reader;
    pugi::xml_document& m_document;
    pugi::xml_node m_parent;
    QString m_text;
    qsizetype m_textSize = 0;
    const qsizetype m_textBudget;
};

} // namespace

XmlLoadResult ParseXml(const QByteArray& data, pugi::xml_document& document)
{
    document.reset();
    XmlLoadResult result;
    result.read = true;
    // The reader notices such bytes only a block later, so they are found here
    // to be reported where they are.
    if (ReadsAsUtf8(data)) {
        if (!data.isValidUtf8()) {
            result.reason = QStringLiteral("Encountered incorrectly encoded content.");
            LocateBadUtf8(data, result.line, result.column);
            return result;
        }
        if (ParsePlainUtf8(data, document)) {
            result.ok = true;
            return result;
        }
    }

    QXmlStreamReader reader(data);
    reader.setNamespaceProcessing(false); // namespace declarations stay attributes
    CDomBuilder(reader, document, data.size() + kMaxEntityGrowth).Read();
    if (reader.hasError()) {
        result.reason = reader.errorString();
        result.line = int(reader.lineNumber());
        result.column = int(reader.columnNumber());
        document.reset();
        return result;
    }
    result.ok = true;
    return result;
}

#include "document/JsonWriter.h"

#include <QIODevice>
#include <charconv>
#include <cmath>

namespace {
constexpr qsizetype kFlushSize = 64 * 1024;
}

CJsonWriter::CJsonWriter(QIODevice& out) : m_out(out)
{
    m_buffer.reserve(kFlushSize + 256);
}

CJsonWriter::~CJsonWriter()
{
    Flush();
}

void CJsonWriter::BeginObject()
{
    BeforeValue();
    Put("{");
    m_hasValue.push_back(false);
}

void CJsonWriter::EndObject()
{
    m_hasValue.pop_back();
    Put("}");
}

void CJsonWriter::BeginArray()
{
    BeforeValue();
    Put("[");
    m_hasValue.push_back(false);
}

void CJsonWriter::EndArray()
{
    m_hasValue.pop_back();
    Put("]");
}

void CJsonWriter::Key(std::string_view key)
{
    BeforeValue();
    PutString(key);
    Put(":");
    m_afterKey = true;
}

void CJsonWriter::String(const QString& value)
{
    BeforeValue();
    const QByteArray utf8 = value.toUtf8();
    PutString(std::string_view(utf8.constData(), size_t(utf8.size())));
}

void CJsonWriter::Int(long long value)
{
    BeforeValue();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Put(std::string_view(digits, size_t(end - digits)));
}

void CJsonWriter::Real(double value)
{
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    BeforeValue();
    // The shortest text that reads back as the same double.
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Put(std::string_view(digits, size_t(end - digits)));
}

void CJsonWriter::Bool(bool value)
{
    BeforeValue();
    Put(value ? "true" : "false");
}

void CJsonWriter::Null()
{
    BeforeValue();
    Put("null");
}

bool CJsonWriter::Flush()
{
    if (!m_failed && !m_buffer.isEmpty() && m_out.write(m_buffer) != m_buffer.size())
        m_failed = true;
    m_buffer.truncate(0);
    return !m_failed;
}

void CJsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_hasValue.empty())
        return;
    if (m_hasValue.back())
        Put(",");
    m_hasValue.back() = true;
}

void CJsonWriter::Put(std::string_view text)
{
    if (qsizetype(text.size()) >= kFlushSize) {
        // A long value goes out as it is rather than through the buffer.
        Flush();
        if (!m_failed && m_out.write(text.data(), qint64(text.size())) != qint64(text.size()))
            m_failed = true;
        return;
    }
    m_buffer.append(text.data(), qsizetype(text.size()));
    if (m_buffer.size() >= kFlushSize)
        Flush();
}

void CJsonWriter::PutString(std::string_view utf8)
{
    Put("\"");
    size_t run = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        Put(utf8.substr(run, i - run));
        run = i + 1;
        switch (c) {
        case '"': Put("\\\""); break;
        case '\\': Put("\\\\"); break;
        case '\n': Put("\\n"); break;
        case '\r': Put("\\r"); break;
        case '\t': Put("\\t"); break;
        default: {
            static const char hex[] = "0123456789abcdef";
            const char escape[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 15]};
            Put(std::string_view(escape, 6));
        }
        }
    }
    Put(utf8.substr(run));
    Put("\"");
}

#pragma once
// Compact JSON written piece by piece to a device, so that a document of any
// size is never held whole in memory and its size grows only with its content.
#include <QByteArray>
#include <QString>
#include <string_view>
#include <vector>

class QIODevice;

class CJsonWriter
{
public:
    explicit CJsonWriter(QIODevice& out);
    ~CJsonWriter();

    CJsonWriter(const CJsonWriter&) = delete;
    CJsonWriter& operator=(const CJsonWriter&) = delete;

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value inside an object.
    void Key(std::string_view key);
    void String(const QString& value);
    void Int(long long value);
    void Real(double value);
    void Bool(bool value);
    void Null();

    // Writes what is buffered; false once any write has failed.
    bool Flush();

private:
    void BeforeValue();
    void Put(std::string_view text);
    void PutString(std::string_view utf8);

    QIODevice& m_out;
    QByteArray m_buffer;
    // Per open object or array: whether a value was written in it yet.
    std::vector<bool> m_hasValue;
    bool m_afterKey = false;
    bool m_failed = false;
};

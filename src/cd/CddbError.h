#pragma once
// A failed CDDB client call: a result code and a description, shown to the
// user as "COM Error (%x): %s".
#include <QString>
#include <QtGlobal>
#include <stdexcept>

class CCddbError : public std::runtime_error
{
public:
    enum Code : quint32 {
        Failed = 0x80004005,
        InvalidArgument = 0x80070057,
        Cancelled = 0x800704c7,
        Network = 0x8004c001,
        Timeout = 0x8004c002,
        BadReply = 0x8004c003,
        ServerRefused = 0x8004c004,
        Redirect = 0x8004c005,
        NotFound = 0x8004c006,
        NotRegistered = 0x8004c007,
    };

    CCddbError(quint32 code, const QString& description)
        : std::runtime_error(description.toStdString()), m_code(code), m_description(description) {}

    quint32 Code() const { return m_code; }
    QString Description() const { return m_description; }
    // "COM Error (80004005): <description>"; without a description the
    // code's own text.
    QString Message() const;

private:
    quint32 m_code;
    QString m_description;
};

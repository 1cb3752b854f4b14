#pragma once
// A CDDB server's answer: the status line ("210 Found exact matches") and,
// when the code's second digit is 1, the body lines up to the lone ".".
// Reading is bounded: a reply larger than kMaxReplyBytes or holding a line
// longer than kMaxLineChars is refused rather than kept.
#include <QByteArray>
#include <QStringList>
#include <optional>

struct CCddbReply
{
    static constexpr qsizetype kMaxReplyBytes = 1 << 20;
    static constexpr qsizetype kMaxLineChars = 4096;

    int code = 0;
    QString text;     // the status line after the code
    QStringList body; // without the closing "."

    bool HasBody() const { return code / 10 % 10 == 1; }
};

struct CCddbReplyParse
{
    std::optional<CCddbReply> reply;
    QString error;
};

CCddbReplyParse ParseCddbReply(const QByteArray& bytes);

// One line of a query answer: "<category> <discid> <artist / title>".
struct CCddbMatch
{
    QString category;
    QString discId;
    QString dtitle;
};

// The matches of a query reply (200 gives one, 210 and 211 a list); lines
// that do not have the three parts are skipped.
std::vector<CCddbMatch> QueryMatches(const CCddbReply& reply);

// Server-given names end up in file paths: only these shapes are accepted.
bool IsCddbCategoryName(const QString& category);
bool IsCddbDiscIdText(const QString& discId);

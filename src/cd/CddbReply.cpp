#include "cd/CddbReply.h"

#include <QRegularExpression>

namespace {

// The lines of a reply, CR LF or LF ended, decoded as UTF-8.
std::optional<QStringList> SplitLines(const QByteArray& bytes, QString& error)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes.at(stop - 1) == '\r')
            --stop;
        if (stop - start > CCddbReply::kMaxLineChars) {
            error = QStringLiteral("The server's reply holds a line of more than %1 characters.")
                        .arg(CCddbReply::kMaxLineChars);
            return std::nullopt;
        }
        lines << QString::fromUtf8(bytes.constData() + start, stop - start);
        start = end + 1;
    }
    return lines;
}

} // namespace

CCddbReplyParse ParseCddbReply(const QByteArray& bytes)
{
    CCddbReplyParse result;
    if (bytes.size() > CCddbReply::kMaxReplyBytes) {
        result.error = QStringLiteral("The server's reply is too large.");
        return result;
    }
    const std::optional<QStringList> lines = SplitLines(bytes, result.error);
    if (!lines)
        return result;
    static const QRegularExpression status(QStringLiteral("^([1-5][0-9][0-9])(?: (.*))?$"));
    const QRegularExpressionMatch m = lines->isEmpty() ? QRegularExpressionMatch() : status.match(lines->first());
    if (!m.hasMatch()) {
        result.error = QStringLiteral("The server did not answer as a CDDB server does.");
        return result;
    }
    CCddbReply reply;
    reply.code = m.captured(1).toInt();
    reply.text = m.captured(2).trimmed();
    if (reply.HasBody()) {
        const qsizetype end = lines->indexOf(QStringLiteral("."), 1);
        if (end < 0) {
            result.error = QStringLiteral("The server's reply ends before its closing \".\" line.");
            return result;
        }
        reply.body = lines->mid(1, end - 1);
    }
    result.reply = std::move(reply);
    return result;
}

std::vector<CCddbMatch> QueryMatches(const CCddbReply& reply)
{
    QStringList lines;
    if (reply.code == 200)
        lines << reply.text;
    else if (reply.code == 210 || reply.code == 211)
        lines = reply.body;
    std::vector<CCddbMatch> matches;
    for (const QString& line : lines) {
        const QString category = line.section(QLatin1Char(' '), 0, 0);
        const QString discId = line.section(QLatin1Char(' '), 1, 1).toLower();
        if (!IsCddbCategoryName(category) || !IsCddbDiscIdText(discId))
            continue;
        matches.push_back({category, discId, line.section(QLatin1Char(' '), 2).trimmed()});
    }
    return matches;
}

bool IsCddbCategoryName(const QString& category)
{
    static const QRegularExpression shape(QStringLiteral("^[a-z0-9]{1,32}$"));
    return shape.match(category).hasMatch();
}

bool IsCddbDiscIdText(const QString& discId)
{
    static const QRegularExpression shape(QStringLiteral("^[0-9a-f]{8}$"));
    return shape.match(discId).hasMatch();
}

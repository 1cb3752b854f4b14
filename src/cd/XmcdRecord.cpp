#include "cd/XmcdRecord.h"

#include "cd/CDiscToc.h"
#include "cd/CddbReply.h"

#include <QRegularExpression>

namespace {

constexpr int kMaxLineBytes = 256;

// The track number of "TTITLE12" or "EXTT3" when the key has that prefix.
std::optional<int> TrackKey(const QString& key, QLatin1String prefix)
{
    if (!key.startsWith(prefix))
        return std::nullopt;
    bool ok = false;
    const int n = key.mid(prefix.size()).toInt(&ok);
    if (!ok || n < 0 || n >= CDiscToc::kMaxTracks || key.size() > prefix.size() + 2)
        return std::nullopt;
    return n;
}

void ReadComment(const QString& line, CXmcdRecord& record, bool& inOffsets)
{
    static const QRegularExpression offset(QStringLiteral("^#\\s*(\\d{1,7})\\s*$"));
    static const QRegularExpression length(QStringLiteral("^#\\s*Disc length:\\s*(\\d{1,7})"));
    static const QRegularExpression revision(QStringLiteral("^#\\s*Revision:\\s*(\\d{1,9})"));
    if (line.contains(QLatin1String("Track frame offsets"))) {
        inOffsets = true;
        return;
    }
    if (inOffsets) {
        const QRegularExpressionMatch m = offset.match(line);
        if (m.hasMatch() && int(record.offsets.size()) < CDiscToc::kMaxTracks) {
            record.offsets.push_back(m.captured(1).toInt());
            return;
        }
        inOffsets = m.hasMatch() || line.trimmed() == QLatin1String("#");
        if (inOffsets)
            return;
    }
    if (const QRegularExpressionMatch m = length.match(line); m.hasMatch())
        record.discLength = m.captured(1).toInt();
    else if (const QRegularExpressionMatch r = revision.match(line); r.hasMatch())
        record.revision = r.captured(1).toInt();
}

void AppendLines(QByteArray& out, const QString& key, const QString& value)
{
    const QByteArray prefix = key.toUtf8() + '=';
    const QByteArray bytes = value.toUtf8();
    qsizetype at = 0;
    do {
        qsizetype take = std::min<qsizetype>(kMaxLineBytes - prefix.size(), bytes.size() - at);
        // Never cut a UTF-8 sequence: back off continuation bytes.
        while (take > 0 && at + take < bytes.size() && (uchar(bytes.at(at + take)) & 0xc0) == 0x80)
            --take;
        out += prefix + bytes.mid(at, take) + '\n';
        at += take;
    } while (at < bytes.size());
}

// A comma list over as many lines as it needs, cut between items only: the
// reader joins repeated lines with a comma.
void AppendListLines(QByteArray& out, const QString& key, const QString& list)
{
    const QByteArray prefix = key.toUtf8() + '=';
    QByteArray line;
    for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QByteArray bytes = item.toUtf8();
        if (!line.isEmpty() && prefix.size() + line.size() + 1 + bytes.size() > kMaxLineBytes) {
            out += prefix + line + '\n';
            line.clear();
        }
        line += (line.isEmpty() ? QByteArray() : QByteArray(",")) + bytes;
    }
    out += prefix + line + '\n';
}

} // namespace

QString CXmcdRecord::Artist() const
{
    const qsizetype slash = dtitle.indexOf(QLatin1String(" / "));
    return slash < 0 ? dtitle : dtitle.left(slash);
}

QString CXmcdRecord::Title() const
{
    const qsizetype slash = dtitle.indexOf(QLatin1String(" / "));
    return slash < 0 ? dtitle : dtitle.mid(slash + 3);
}

void CXmcdRecord::SetArtistAndTitle(const QString& artist, const QString& title)
{
    dtitle = artist == title ? title : artist + QStringLiteral(" / ") + title;
}

void CXmcdRecord::ResizeTracks(int n)
{
    ttitles.resize(size_t(n));
    extts.resize(size_t(n));
}

CXmcdParse ParseXmcd(const QStringList& lines)
{
    CXmcdParse result;
    if (lines.isEmpty() || !lines.first().startsWith(QLatin1String("# xmcd"))) {
        result.error = QStringLiteral("The entry is not in xmcd form.");
        return result;
    }
    CXmcdRecord record;
    bool inOffsets = false;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#'))) {
            ReadComment(line, record, inOffsets);
            continue;
        }
        inOffsets = false;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        // A stray carriage return is line-end debris, never part of a value:
        // kept, it would not survive the next write and read.
        const QString value = line.mid(eq + 1).remove(QLatin1Char('\r'));
        QString* target = nullptr;
        if (key == QLatin1String("DISCID")) {
            // Repeated DISCID lines are one comma list; what is not a disc id
            // could never be matched and is left out.
            for (const QString& item : value.split(QLatin1Char(',')))
                if (const QString id = item.trimmed(); IsCddbDiscIdText(id))
                    record.discIds += (record.discIds.isEmpty() ? QString() : QStringLiteral(",")) + id;
            continue;
        } else if (key == QLatin1String("DTITLE"))
            target = &record.dtitle;
        else if (key == QLatin1String("DYEAR"))
            target = &record.dyear;
        else if (key == QLatin1String("DGENRE"))
            target = &record.dgenre;
        else if (key == QLatin1String("EXTD"))
            target = &record.extd;
        else if (key == QLatin1String("PLAYORDER"))
            target = &record.playorder;
        else if (const std::optional<int> t = TrackKey(key, QLatin1String("TTITLE"))) {
            if (*t >= record.TrackCount())
                record.ResizeTracks(*t + 1);
            target = &record.ttitles[size_t(*t)];
        } else if (const std::optional<int> e = TrackKey(key, QLatin1String("EXTT"))) {
            if (*e >= record.TrackCount())
                record.ResizeTracks(*e + 1);
            target = &record.extts[size_t(*e)];
        }
        if (target)
            *target += value;
    }
    if (record.TrackCount() < int(record.offsets.size()))
        record.ResizeTracks(int(record.offsets.size()));
    if (record.TrackCount() == 0) {
        result.error = QStringLiteral("The entry lists no tracks.");
        return result;
    }
    result.record = std::move(record);
    return result;
}

CXmcdParse ParseXmcd(const QByteArray& bytes)
{
    if (bytes.size() > CCddbReply::kMaxReplyBytes)
        return {std::nullopt, QStringLiteral("The entry is too large.")};
    QStringList lines;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.size() > CCddbReply::kMaxLineChars)
            return {std::nullopt, QStringLiteral("The entry holds an overlong line.")};
        lines << QString::fromUtf8(line.endsWith('\r') ? line.chopped(1) : line);
    }
    return ParseXmcd(lines);
}

QByteArray WriteXmcd(const CXmcdRecord& record)
{
    QByteArray out = "# xmcd\n#\n# Track frame offsets:\n";
    for (int offset : record.offsets)
        out += "#\t" + QByteArray::number(offset) + '\n';
    out += "#\n# Disc length: " + QByteArray::number(record.discLength) + " seconds\n#\n";
    out += "# Revision: " + QByteArray::number(record.revision) + "\n# Submitted via: Covermint 2.0\n#\n";
    AppendListLines(out, QStringLiteral("DISCID"), record.discIds);
    AppendLines(out, QStringLiteral("DTITLE"), record.dtitle);
    AppendLines(out, QStringLiteral("DYEAR"), record.dyear);
    AppendLines(out, QStringLiteral("DGENRE"), record.dgenre);
    for (int i = 0; i < record.TrackCount(); ++i)
        AppendLines(out, QStringLiteral("TTITLE%1").arg(i), record.ttitles[size_t(i)]);
    AppendLines(out, QStringLiteral("EXTD"), record.extd);
    for (int i = 0; i < record.TrackCount(); ++i)
        AppendLines(out, QStringLiteral("EXTT%1").arg(i), record.extts[size_t(i)]);
    AppendLines(out, QStringLiteral("PLAYORDER"), record.playorder);
    return out;
}

QString CddbEscape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (c != QLatin1Char('\r'))
            out += c;
    }
    return out;
}

QString CddbUnescape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text.at(++i);
        if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (next == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else
            out += c, out += next;
    }
    return out;
}

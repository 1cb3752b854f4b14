// Reading CDDB replies and xmcd entries: bounds, joined lines, raw escapes.
#include "cd/CddbReply.h"
#include "cd/XmcdRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(CddbReplyParse, StatusLinesAndBodies)
{
    const CCddbReplyParse one = ParseCddbReply("200 rock 12008703 Artist / Title\r\n");
    ASSERT_TRUE(one.reply);
    EXPECT_EQ(one.reply->code, 200);
    ASSERT_EQ(QueryMatches(*one.reply).size(), 1u);
    EXPECT_EQ(QueryMatches(*one.reply)[0].dtitle, QStringLiteral("Artist / Title"));

    const CCddbReplyParse list = ParseCddbReply("211 close matches\nrock 12008703 A / B\n../etc 12008703 bad\n"
                                                "jazz 12008703 C / D\n.\ntrailing\n");
    ASSERT_TRUE(list.reply);
    EXPECT_EQ(list.reply->body.size(), 3);
    // A category that could climb out of a folder is dropped.
    const std::vector<CCddbMatch> matches = QueryMatches(*list.reply);
    ASSERT_EQ(matches.size(), 2u);
    EXPECT_EQ(matches[1].category, QStringLiteral("jazz"));
}

TEST(CddbReplyParse, RefusesWhatIsNotABoundedReply)
{
    const QByteArray cases[] = {
        "",
        "hello world\n",
        "<html>502 Bad Gateway</html>\n",
        "210 rock 12008703\n# xmcd\nDTITLE=x\n",             // no closing "."
        "200 " + QByteArray(CCddbReply::kMaxLineChars + 1, 'a') + "\n",
        "210 ok\n" + QByteArray(CCddbReply::kMaxReplyBytes, 'x'),
    };
    for (const QByteArray& bytes : cases) {
        const CCddbReplyParse parsed = ParseCddbReply(bytes);
        EXPECT_FALSE(parsed.reply) << bytes.left(40).constData();
        EXPECT_FALSE(parsed.error.isEmpty());
    }
}

TEST(Xmcd, JoinsRepeatedKeysAndKeepsEscapes)
{
    const QStringList lines = {
        QStringLiteral("# xmcd"), QStringLiteral("# Track frame offsets:"), QStringLiteral("#\t150"),
        QStringLiteral("#  4650"), QStringLiteral("#"), QStringLiteral("# Disc length: 137 seconds"),
        QStringLiteral("# Revision: 4"), QStringLiteral("DISCID=12008703, not an id,"), QStringLiteral("DISCID=abcdef01\r"),
        QStringLiteral("DTITLE=The Ar"),
        QStringLiteral("DTITLE=tist / Long Tit"), QStringLiteral("DTITLE=le"), QStringLiteral("DYEAR=1999"),
        QStringLiteral("TTITLE0=One"), QStringLiteral("TTITLE1=Two \\\\ Three"), QStringLiteral("EXTD=line\\n"),
        QStringLiteral("EXTD=two\\tend"), QStringLiteral("EXTT1=x"), QStringLiteral("TTITLE99999999999=ignored"),
        QStringLiteral("PLAYORDER=")};
    const CXmcdParse parsed = ParseXmcd(lines);
    ASSERT_TRUE(parsed.record) << parsed.error.toStdString();
    const CXmcdRecord& r = *parsed.record;
    EXPECT_EQ(r.offsets, (std::vector<int>{150, 4650}));
    EXPECT_EQ(r.discLength, 137);
    EXPECT_EQ(r.revision, 4);
    EXPECT_EQ(r.discIds, QStringLiteral("12008703,abcdef01"));
    EXPECT_EQ(r.Artist(), QStringLiteral("The Artist"));
    EXPECT_EQ(r.Title(), QStringLiteral("Long Title"));
    EXPECT_EQ(r.TrackCount(), 2);
    EXPECT_EQ(r.ttitles[1], QStringLiteral("Two \\\\ Three"));
    EXPECT_EQ(r.extd, QStringLiteral("line\\ntwo\\tend"));
    EXPECT_EQ(CddbUnescape(r.extd), QStringLiteral("line\ntwo\tend"));
    EXPECT_FALSE(ParseXmcd(QStringList{QStringLiteral("DTITLE=x")}).record);
}

TEST(Xmcd, WritesLinesOfAtMost256BytesThatReadBackEqual)
{
    CXmcdRecord r;
    r.offsets = {150, 4650};
    r.discLength = 100;
    QStringList ids; // more than one line holds
    for (int i = 0; i < 40; ++i)
        ids << QStringLiteral("%1").arg(0x12008700 + i, 8, 16);
    r.discIds = ids.join(QLatin1Char(','));
    r.SetArtistAndTitle(QStringLiteral("Ärtist"), QString(300, QChar(0x00e9)) + QStringLiteral("end"));
    r.ResizeTracks(2);
    r.ttitles = {QStringLiteral("a"), CddbEscape(QStringLiteral("b\\c\nd"))};
    r.extd = QString(600, QLatin1Char('x'));
    const QByteArray text = WriteXmcd(r);
    for (const QByteArray& line : text.split('\n')) {
        EXPECT_LE(line.size(), 256);
        EXPECT_TRUE(QString::fromUtf8(line).toUtf8() == line) << "a UTF-8 sequence was cut";
    }
    const CXmcdParse back = ParseXmcd(text);
    ASSERT_TRUE(back.record);
    EXPECT_EQ(back.record->discIds, r.discIds);
    EXPECT_EQ(back.record->dtitle, r.dtitle);
    EXPECT_EQ(back.record->extd, r.extd);
    EXPECT_EQ(CddbUnescape(back.record->ttitles[1]), QStringLiteral("b\\c\nd"));
    EXPECT_EQ(back.record->offsets, r.offsets);
}

} // namespace

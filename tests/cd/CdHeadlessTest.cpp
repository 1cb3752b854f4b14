// --disc-id and --cddb run as a script would run them, against a CUE image
// and a CDDB site on 127.0.0.1.
#include "CddbTestSupport.h"
#include "cd/CddbTexts.h"
#include "document/CCovermintDoc.h"
#include "drawing/CTextPrimitive.h"
#include "support/CueImage.h"
#include "support/ProgramRun.h"
#include "support/TempHome.h"

#include <QDir>

namespace {

class CdHeadlessTest : public CddbFixture
{
protected:
    void SetUp() override
    {
        CddbFixture::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        m_cue = WriteCueImage(m_dir.path(), ThreeTrackDisc());
        ASSERT_FALSE(m_cue.isEmpty());
    }

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // The program in a process of its own, while this one keeps serving the
    // CDDB site.
    CProgramRun Run(const QStringList& args) { return RunProgram(m_dir.path(), args); }

    // A label with one text of each CDDB special name.
    QString WriteLabel()
    {
        CCovermintDoc document;
        for (const QString& name : CTextPrimitive::SpecialNames().mid(1, 4)) {
            auto text = std::make_shared<CTextPrimitive>(&document.Engine());
            text->SetName(name);
            document.Engine().Append(text);
        }
        const QString path = Path(QStringLiteral("in.cla"));
        EXPECT_TRUE(document.SaveTo(path));
        return path;
    }

    QString m_cue;

private:
    CTempHome m_home; // the labels made here read the preferences
    QTemporaryDir m_dir;
};

TEST_F(CdHeadlessTest, DiscIdPrintsOneLine)
{
    const CProgramRun o = Run({QStringLiteral("--disc-id"), m_cue});
    EXPECT_EQ(o.exitCode, 0) << o.err.constData();
    EXPECT_EQ(o.out, "12008703 3 150 4650 8062 137\n");
    EXPECT_TRUE(o.err.isEmpty()) << o.err.constData();
}

TEST_F(CdHeadlessTest, BadSourcesAndUsage)
{
    const CProgramRun missing = Run({QStringLiteral("--disc-id"), Path(QStringLiteral("none.cue"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains("Unable to open device")) << missing.err.constData();
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_EQ(Run({QStringLiteral("--cddb"), m_cue}).exitCode, 1);
    EXPECT_EQ(Run({QStringLiteral("--disc-id")}).exitCode, 1);
}

TEST_F(CdHeadlessTest, CddbStoresTheTextsInTheLabel)
{
    const QString label = WriteLabel();
    const QString out = Path(QStringLiteral("out.cla"));
    const CProgramRun o = Run({QStringLiteral("--cddb"), m_cue, QStringLiteral("--into"), label, QStringLiteral("--save"), out,
                           QStringLiteral("--cddb-site"), server.SiteUrl().toString()});
    ASSERT_EQ(o.exitCode, 0) << o.err.constData();
    CCovermintDoc saved;
    ASSERT_TRUE(saved.Load(out));
    const CCddbTexts texts = StoredCddbTexts(saved);
    EXPECT_EQ(texts.title, QStringLiteral("The Artist - The Title"));
    EXPECT_EQ(texts.trackListing, QStringLiteral("1. First 01:00\r\n2. Second 00:45\r\n3. Third 00:30"));
    EXPECT_EQ(texts.extDiscInfo, QStringLiteral("Liner\r\nnotes"));
    EXPECT_EQ(texts.extTrackInfo, QStringLiteral("1. \r\n2. Live   take\r\n3. "));
    QStringList shown;
    for (const auto& p : saved.Engine().Primitives())
        shown << static_cast<CTextPrimitive*>(p.get())->Text();
    EXPECT_EQ(shown, (QStringList{texts.title, texts.trackListing, texts.extDiscInfo, texts.extTrackInfo}));
}

TEST_F(CdHeadlessTest, CddbPicksTheMatchOfTheCategoryAndReportsFailures)
{
    queryReply = FakeCddbServer::Reply("210 Found exact matches",
                                       {QStringLiteral("rock 12008703 A / B"), QStringLiteral("jazz 12008703 C / D")});
    const QString label = WriteLabel();
    const QString site = server.SiteUrl().toString();
    const CProgramRun picked = Run({QStringLiteral("--cddb"), m_cue, QStringLiteral("--into"), label,
                                QStringLiteral("--cddb-site"), site, QStringLiteral("--category"), QStringLiteral("jazz")});
    ASSERT_EQ(picked.exitCode, 0) << picked.err.constData();
    EXPECT_EQ(server.requests.last().command, QStringLiteral("cddb read jazz 12008703"));

    queryReply = FakeCddbServer::Reply("202 No match");
    const CProgramRun none = Run({QStringLiteral("--cddb"), m_cue, QStringLiteral("--into"), label,
                              QStringLiteral("--cddb-site"), site, QStringLiteral("--category"), QStringLiteral("folk")});
    EXPECT_EQ(none.exitCode, 4);
    EXPECT_TRUE(none.err.contains("12008703")) << none.err.constData();
}

} // namespace

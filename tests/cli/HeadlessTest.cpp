// The headless modes, run as a real process the way a script would.
#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"
#include "drawing/CFreehand.h"
#include "drawing/CImagePrimitive.h"
#include "drawing/CRectangle.h"
#include "drawing/CTextPrimitive.h"
#include "platform/RecordingPrompter.h"
#include "support/IsoImage.h"
#include "support/InkBox.h"
#include "support/ProgramRun.h"
#include "support/TempHome.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <csignal>
#include <gtest/gtest.h>

namespace {

class HeadlessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("home"));
        QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    }

    QString Path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }

    // A fresh user: no display, own HOME and settings, nothing registered.
    CProgramRun Run(const QStringList& args) const { return RunProgram(m_dir.path(), args); }

    static QStringList ShippedTemplates()
    {
        QStringList found;
        QDirIterator it(QStringLiteral(COVERMINT_SOURCE_SHARE "/Templates"), {QStringLiteral("*.cte")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        found.sort();
        return found;
    }

    QTemporaryDir m_dir;
};

// Union of the primitives' boxes, in label units turned into pixels at dpi.
QRect PrimitiveBox(const QJsonObject& info, double dpi)
{
    QRect box;
    for (const QJsonValue& v : info.value(QStringLiteral("primitives")).toArray()) {
        const QJsonArray corners = v.toObject().value(QStringLiteral("BOX")).toArray();
        const QJsonArray tl = corners.at(0).toArray();
        const QJsonArray br = corners.at(1).toArray();
        const double s = dpi / 100.0;
        box |= QRect(QPoint(int(tl.at(0).toInt() * s), int(-tl.at(1).toInt() * s)),
                     QPoint(int(br.at(0).toInt() * s), int(-br.at(1).toInt() * s)));
    }
    return box;
}

} // namespace

TEST_F(HeadlessTest, EveryShippedTemplateExportsToPdfPngAndSvgAtItsPhysicalSize)
{
    const QStringList templates = ShippedTemplates();
    ASSERT_GE(templates.size(), 4);
    int n = 0;
    for (const QString& cte : templates) {
        SCOPED_TRACE(cte.toStdString());
        const QString base = Path(QStringLiteral("t%1").arg(n++));
        const CProgramRun r = Run({QStringLiteral("--export"), base + ".pdf", QStringLiteral("--export"), base + ".png",
                                 QStringLiteral("--export"), base + ".svg", QStringLiteral("--dpi"), QStringLiteral("100"), cte});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty());

        // Letter page without a printer: 8.5 x 11 inches, turned for a label wider than that.
        const CProgramRun info = Run({QStringLiteral("--info"), cte});
        ASSERT_EQ(info.exitCode, 0) << info.err.constData();
        const QJsonObject json = QJsonDocument::fromJson(info.out).object();
        const bool turned = PrimitiveBox(json, 100).right() > 850;
        const QImage png(base + ".png");
        ASSERT_FALSE(png.isNull());
        EXPECT_EQ(png.size(), turned ? QSize(1100, 850) : QSize(850, 1100));
        const QRect ink = InkBox(png.convertToFormat(QImage::Format_RGB32));
        const QRect expected = PrimitiveBox(json, 100).adjusted(-4, -4, 4, 4);
        EXPECT_FALSE(ink.isEmpty());
        EXPECT_TRUE(expected.contains(ink)) << "ink outside the primitives";

        QFile pdf(base + ".pdf");
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        const QByteArray pdfBytes = pdf.readAll();
        EXPECT_TRUE(pdfBytes.startsWith("%PDF"));
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(pdfBytes));
        ASSERT_TRUE(box.hasMatch());
        EXPECT_NEAR(box.captured(1).toDouble(), turned ? 792.0 : 612.0, 0.5);
        EXPECT_NEAR(box.captured(2).toDouble(), turned ? 612.0 : 792.0, 0.5);

        QFile svg(base + ".svg");
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        bool sawSvg = false;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("svg"))
                sawSvg = true;
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_TRUE(sawSvg);
    }
}

TEST_F(HeadlessTest, PngResolutionFollowsDpiAndPrintsNoHandlesOrOutline)
{
    CRecordingPrompter prompter;
    {
        CCovermintDoc doc;
        auto rect = std::make_shared<CRectangle>(2, &doc.Engine());
        rect->SetCorners(QPoint(100, -100), QPoint(300, -200));
        doc.Engine().Append(rect);
        rect->SetSelected(true); // selection never reaches paper
        ASSERT_TRUE(doc.SaveTo(Path(QStringLiteral("one.cla"))));
    }
    const CProgramRun r = Run({QStringLiteral("--export"), Path(QStringLiteral("one.png")), QStringLiteral("--dpi"),
                             QStringLiteral("50"), Path(QStringLiteral("one.cla"))});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QImage png = QImage(Path(QStringLiteral("one.png"))).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(png.size(), QSize(425, 550));
    const QRect ink = InkBox(png);
    // (100,-100)-(300,-200) at half scale, pen 2 units = 1 pixel.
    EXPECT_NEAR(ink.left(), 50, 1);
    EXPECT_NEAR(ink.top(), 50, 1);
    EXPECT_NEAR(ink.right(), 150, 1);
    EXPECT_NEAR(ink.bottom(), 100, 1);
    EXPECT_EQ(png.pixel(100, 75) & 0xffffff, 0xffffffu) << "hollow rectangles stay empty";
}

TEST_F(HeadlessTest, InfoReportsEveryPrimitiveKindAsSaved)
{
    const QString picture = Path(QStringLiteral("pic.bmp"));
    QImage pixels(30, 20, QImage::Format_RGB888);
    pixels.fill(Qt::red);
    ASSERT_TRUE(pixels.save(picture, "BMP"));
    {
        CRecordingPrompter prompter;
        CCovermintDoc doc;
        doc.SetName(QStringLiteral("Holiday \"2026\""));
        doc.SetDescription(QStringLiteral("two\r\nlines"));
        CDrawingEngine& e = doc.Engine();
        auto rect = std::make_shared<CRectangle>(3, &e);
        rect->SetCorners(QPoint(0, 0), QPoint(100, -50));
        rect->SetLineColor(MakeColorRef(0x12, 0x34, 0x56));
        rect->SetHollowFill(false);
        e.Append(rect);
        auto round = std::make_shared<CRoundedRect>(1, &e);
        round->SetCorners(QPoint(10, -10), QPoint(60, -60));
        e.Append(round);
        auto ellipse = std::make_shared<CEllipse>(1, &e);
        ellipse->SetCorners(QPoint(5, -5), QPoint(25, -45));
        e.Append(ellipse);
        auto line = std::make_shared<CLine>(4, &e);
        line->SetCorners(QPoint(0, -200), QPoint(300, -250));
        e.Append(line);
        auto stroke = std::make_shared<CFreehand>(2, &e);
        stroke->BeginCreate(QPoint(1, -2));
        stroke->TrackCreate(QPoint(3, -4));
        stroke->EndCreate(QPoint(5, -6));
        e.Append(stroke);
        auto text = std::make_shared<CTextPrimitive>(&e);
        text->SetName(QStringLiteral("Label Name"));
        text->SetText(QStringLiteral("Holiday"));
        text->SetCorners(QPoint(50, -300), QPoint(50, -300));
        e.Append(text);
        ASSERT_TRUE(e.AddImage(picture));
        ASSERT_TRUE(doc.SaveTo(Path(QStringLiteral("all.cla"))));
    }
    const CProgramRun r = Run({QStringLiteral("--info"), Path(QStringLiteral("all.cla"))});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    QJsonParseError error;
    const QJsonObject info = QJsonDocument::fromJson(r.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);

    const QJsonObject header = info.value(QStringLiteral("header")).toObject();
    EXPECT_EQ(header.value(QStringLiteral("NAME")).toString(), QStringLiteral("Holiday \"2026\""));
    EXPECT_EQ(header.value(QStringLiteral("DESCRIPTION")).toString(), QStringLiteral("two\r\nlines"));
    EXPECT_TRUE(header.value(QStringLiteral("VERSION")).toString().startsWith(QStringLiteral("2.0 Bld ")));
    EXPECT_EQ(info.value(QStringLiteral("display")).toObject().value(QStringLiteral("COLUMNWIDTH")).toDouble(), 1.51);
    EXPECT_EQ(info.value(QStringLiteral("directoryInfo")).toArray().size(), 1);

    const QJsonArray prims = info.value(QStringLiteral("primitives")).toArray();
    ASSERT_EQ(prims.size(), 7);
    QStringList types;
    for (const QJsonValue& p : prims)
        types << p.toObject().value(QStringLiteral("PRIMTYPE")).toString();
    EXPECT_EQ(types, (QStringList{"CRectangle", "CRoundedRect", "CEllipse", "CLine", "CFreehand", "CTextPrimitive",
                                  "CImagePrimitive"}));
    const QJsonObject rect = prims.at(0).toObject();
    EXPECT_EQ(rect.value(QStringLiteral("PENWIDTH")).toInt(), 3);
    EXPECT_EQ(rect.value(QStringLiteral("HOLLOWFILL")).toInt(), 0);
    EXPECT_EQ(rect.value(QStringLiteral("FGCOLOR")).toString(), QStringLiteral("#123456"));
    EXPECT_EQ(rect.value(QStringLiteral("POINT")).toArray(), (QJsonArray{QJsonArray{0, 0}, QJsonArray{100, -50}}));
    EXPECT_EQ(prims.at(4).toObject().value(QStringLiteral("POINT")).toArray().size(), 3);
    const QJsonObject text = prims.at(5).toObject();
    EXPECT_EQ(text.value(QStringLiteral("PRIMNAME")).toString(), QStringLiteral("Label Name"));
    EXPECT_EQ(text.value(QStringLiteral("TEXT")).toString(), QStringLiteral("Holiday"));
    EXPECT_TRUE(text.value(QStringLiteral("PTSIZE")).isDouble());
    // Drawn once, so the text has a real box.
    const QJsonArray textBox = text.value(QStringLiteral("BOX")).toArray();
    EXPECT_GT(textBox.at(1).toArray().at(0).toInt(), 50);
    const QJsonObject image = prims.at(6).toObject();
    EXPECT_TRUE(image.value(QStringLiteral("FILENAME")).toString().endsWith(QStringLiteral("pic.bmp")));
    EXPECT_EQ(image.value(QStringLiteral("POINT")).toArray().at(1).toArray(), (QJsonArray{30, -20}));
}

TEST_F(HeadlessTest, NewFromTemplateSetsTheHeaderAndItsSpecialTexts)
{
    const QString cte = ShippedTemplates().value(0);
    ASSERT_FALSE(cte.isEmpty());
    const QString out = Path(QStringLiteral("made.cla"));
    const CProgramRun r = Run({QStringLiteral("--new-from"), cte, QStringLiteral("--save"), out, QStringLiteral("--set-name"),
                             QStringLiteral("Road Trip"), QStringLiteral("--set-author"), QStringLiteral("Ann")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();

    CRecordingPrompter prompter;
    CCovermintDoc doc;
    ASSERT_TRUE(doc.Load(out));
    EXPECT_EQ(doc.Header().name, QStringLiteral("Road Trip"));
    EXPECT_EQ(doc.Header().author, QStringLiteral("Ann"));
    int named = 0;
    for (const PrimitivePtr& p : doc.Engine().Primitives())
        if (auto* t = dynamic_cast<CTextPrimitive*>(p.get()); t && t->GetName() == QLatin1String("Label Name")) {
            EXPECT_EQ(t->Text(), QStringLiteral("Road Trip"));
            ++named;
        }
    EXPECT_GE(named, 1) << "the template shows the label name";

    // A template named relative to the home folder's Templates works too.
    const CProgramRun relative = Run({QStringLiteral("--new-from"), QStringLiteral("ZIP Disk/ZIP Disk Label.cte"),
                                    QStringLiteral("--save"), Path(QStringLiteral("zip.cla"))});
    EXPECT_EQ(relative.exitCode, 0) << relative.err.constData();
}

TEST_F(HeadlessTest, FailuresGiveAStatusAndOneLineNamingTheFile)
{
    QFile junk(Path(QStringLiteral("junk.cla")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is <not xml");
    junk.close();
    QFile other(Path(QStringLiteral("other.cla")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("<?xml version=\"1.0\"?><html><body/></html>");
    other.close();
    const QString cte = ShippedTemplates().value(0);

    struct Case
    {
        QStringList args;
        int status;
        QString mentions;
    } cases[] = {
        {{"--export", Path("a.png"), Path("missing.cla")}, 2, Path("missing.cla")},
        {{"--info", Path("junk.cla")}, 2, Path("junk.cla")},
        {{"--info", Path("other.cla")}, 2, Path("other.cla")},
        {{"--info", m_dir.path()}, 2, m_dir.path()},
        {{"--export", "/nonexistent-folder/a.png", cte}, 3, "/nonexistent-folder/a.png"},
        {{"--new-from", cte, "--save", "/nonexistent-folder/a.cla"}, 3, "/nonexistent-folder/a.cla"},
        {{"--export", Path("a.gif"), cte}, 1, "a.gif"},
        {{"--info"}, 1, "no label file"},
        {{"--info", cte, "--export", Path("b.png")}, 1, "choose one"},
        {{"--new-from", cte}, 1, "--save"},
        {{"--export", Path("a.png"), "--dpi", "0", cte}, 1, "--dpi"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CProgramRun r = Run(c.args);
        EXPECT_EQ(r.exitCode, c.status);
        EXPECT_TRUE(r.out.isEmpty());
        const QString err = QString::fromLocal8Bit(r.err);
        EXPECT_TRUE(err.contains(c.mentions)) << err.toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("a.png"))));
}

TEST_F(HeadlessTest, ReadDirFillsOneRecordAndSaves)
{
    CRecordingPrompter prompter;
    CTempHome home;
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("disc/sub"))));
    QFile song(Path(QStringLiteral("disc/a.mp3")));
    ASSERT_TRUE(song.open(QIODevice::WriteOnly));
    song.write(QByteArray::fromHex("FFFB9000")); // 128 kbit/s: 4.8 MB last 300 s
    ASSERT_TRUE(song.resize(4800000));
    song.close();
    QFile(Path(QStringLiteral("disc/sub/b.txt"))).open(QIODevice::WriteOnly);

    const QString label = Path(QStringLiteral("l.cla"));
    {
        CCovermintDoc doc;
        doc.DisplaySettings().dirDepth = 0;
        doc.AddDirectoryInformation(QStringLiteral("Back"));
        ASSERT_TRUE(doc.SaveTo(label));
    }
    const auto names = [](const CFileDirectory& tree) {
        QStringList list;
        for (const FileNodePtr& child : tree.Children())
            list << child->Name() + (child->IsFile() ? QString::number(static_cast<const CFileFile&>(*child).GetSongLength())
                                                    : QString::number(static_cast<const CFileDirectory&>(*child).Children().size()));
        return list;
    };
    const QString disc = Path(QStringLiteral("disc"));

    // The label's own depth (0) and the unnamed record; saved in place.
    CProgramRun r = Run({QStringLiteral("--read-dir"), disc, QStringLiteral("--into"), label});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    {
        CCovermintDoc doc;
        ASSERT_TRUE(doc.Load(label));
        const CDocumentDirectoryInformation* unnamed = doc.FindDirectoryInformation(QString());
        EXPECT_EQ(names(unnamed->Tree()), (QStringList{"a.mp3300", "sub0"}));
        EXPECT_GT(unnamed->TotalSpace(), 0);
        EXPECT_TRUE(doc.FindDirectoryInformation(QStringLiteral("Back"))->Tree().Children().empty());
    }

    // A named segment, one level deeper, saved elsewhere.
    const QString out = Path(QStringLiteral("out.cla"));
    r = Run({QStringLiteral("--read-dir"), disc, QStringLiteral("--into"), label, QStringLiteral("--segment"),
             QStringLiteral("Back"), QStringLiteral("--depth"), QStringLiteral("1"), QStringLiteral("--save"), out});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    {
        CCovermintDoc doc;
        ASSERT_TRUE(doc.Load(out));
        EXPECT_EQ(names(doc.FindDirectoryInformation(QStringLiteral("Back"))->Tree()), (QStringList{"a.mp3300", "sub1"}));
    }

    // An ISO image of the folder reads as the disc it holds: the same song
    // lengths, no free space.
    const QString iso = Path(QStringLiteral("disc.iso"));
    ASSERT_EQ(BuildIsoImage(iso, disc), QString());
    r = Run({QStringLiteral("--read-dir"), iso, QStringLiteral("--into"), label, QStringLiteral("--save"), out});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    {
        CCovermintDoc doc;
        ASSERT_TRUE(doc.Load(out));
        const CDocumentDirectoryInformation* unnamed = doc.FindDirectoryInformation(QString());
        EXPECT_EQ(names(unnamed->Tree()), (QStringList{"a.mp3300", "sub0"}));
        EXPECT_EQ(unnamed->TotalSpace(), int(QFileInfo(iso).size() / 1024));
        EXPECT_EQ(unnamed->FreeSpace(), 0);
    }
    const QByteArray before = [&] { QFile f(label); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    const struct
    {
        QStringList args;
        int status;
        QString mentions;
    } failures[] = {
        {{"--read-dir", disc, "--into", label, "--segment", "Nope"}, 2, "Nope"},
        {{"--read-dir", Path("missing"), "--into", label}, 2, Path("missing")},
        {{"--read-dir", disc, "--into", Path("missing.cla")}, 2, Path("missing.cla")},
        {{"--read-dir", disc, "--into", label, "--save", "/nonexistent-folder/a.cla"}, 3, "/nonexistent-folder/a.cla"},
        {{"--read-dir", disc, "--into", label, "--depth", "-1"}, 1, "--depth"},
        {{"--read-dir", disc}, 1, "--into"},
    };
    for (const auto& c : failures) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        r = Run(c.args);
        EXPECT_EQ(r.exitCode, c.status);
        const QString err = QString::fromLocal8Bit(r.err);
        EXPECT_TRUE(err.contains(c.mentions)) << err.toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
    }
    QFile after(label);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

TEST_F(HeadlessTest, ReadDirThenExportPrintsTheListingAndInfoCountsIt)
{
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("disc/Photos"))));
    const QStringList files{"holiday-notes.txt", "Photos/beach.jpg", "Photos/sunset.jpg"};
    for (const QString& name : files)
        QFile(Path(QStringLiteral("disc/") + name)).open(QIODevice::WriteOnly);
    const QString label = Path(QStringLiteral("back.cla"));
    const QString pdf = Path(QStringLiteral("back.pdf"));
    CProgramRun r = Run({QStringLiteral("--new-from"), QStringLiteral("CD Jewel Case/CD Back Insert.cte"),
                       QStringLiteral("--save"), label});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    r = Run({QStringLiteral("--read-dir"), Path(QStringLiteral("disc")), QStringLiteral("--into"), label});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    r = Run({QStringLiteral("--export"), pdf, label});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* name : {"Photos", "beach.jpg", "sunset.jpg", "holiday-notes.txt", "free"})
        EXPECT_TRUE(printed.contains(QLatin1String(name))) << name << "\n" << printed.toStdString();

    r = Run({QStringLiteral("--info"), label});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    int segments = 0;
    for (const QJsonValue& v : QJsonDocument::fromJson(r.out).object().value(QStringLiteral("primitives")).toArray()) {
        const QJsonObject p = v.toObject();
        if (p.value(QStringLiteral("PRIMTYPE")).toString() != QLatin1String("CDirectorySegment"))
            continue;
        ++segments;
        EXPECT_EQ(p.value(QStringLiteral("PRIMNAME")).toString(), QStringLiteral("CDBACK"));
        EXPECT_EQ(p.value(QStringLiteral("ENTRIESPLACED")).toInt(), 4);
        EXPECT_EQ(p.value(QStringLiteral("ENTRIESLEFTOUT")).toInt(-1), 0);
    }
    EXPECT_EQ(segments, 1);
}

TEST_F(HeadlessTest, BatchOncePrintsTheFolderIntoANewPdfEachTime)
{
    const QString disc = Path(QStringLiteral("Summer 2026"));
    ASSERT_TRUE(QDir().mkpath(disc));
    for (const char* name : {"alpha-song.mp3", "beta-photo.jpg"})
        QFile(disc + QLatin1Char('/') + QLatin1String(name)).open(QIODevice::WriteOnly);
    const QString label = Path(QStringLiteral("l.cla"));
    CProgramRun r = Run({QStringLiteral("--new-from"), QStringLiteral("CD Jewel Case/CD Back Insert.cte"),
                         QStringLiteral("--save"), label});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QString out = Path(QStringLiteral("printed"));
    const QStringList args = {QStringLiteral("--batch"), disc, QStringLiteral("--label"), label,
                              QStringLiteral("--print-to"), out, QStringLiteral("--once")};

    r = Run(args);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.contains("Reading Device...\nLabel has been updated.\n")) << r.out.constData();
    const QString first = out + QStringLiteral("/Summer 2026.pdf");
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {first, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QByteArray words = text.readAllStandardOutput();
    EXPECT_TRUE(words.contains("alpha-song.mp3") && words.contains("beta-photo.jpg")) << words.constData();

    const QByteArray firstBytes = [&] { QFile f(first); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    r = Run(args);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("Summer 2026 (2).pdf"), QStringLiteral("Summer 2026.pdf")}));
    QFile again(first);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), firstBytes);

    const struct
    {
        QStringList args;
        int status;
    } failures[] = {
        {{"--batch", Path("missing"), "--label", label, "--print-to", out, "--once"}, 2},
        {{"--batch", disc, "--label", disc, "--print-to", out, "--once"}, 2},
        {{"--batch", disc, "--label", Path("missing.cla"), "--print-to", out, "--once"}, 2},
        {{"--batch", disc, "--label", label, "--print-to", label, "--once"}, 3},
        {{"--batch", disc, "--label", label}, 1},
    };
    for (const auto& c : failures) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        r = Run(c.args);
        EXPECT_EQ(r.exitCode, c.status) << r.err.constData();
        EXPECT_EQ(QString::fromLocal8Bit(r.err).count(QLatin1Char('\n')), 1) << r.err.constData();
    }
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 2);

    // An image of the disc stands in for it, named after its volume.
    const QString iso = Path(QStringLiteral("summer.iso"));
    ASSERT_EQ(BuildIsoImage(iso, disc, {"-joliet", "on", "-volid", "SUMMER_ISO"}), QString());
    r = Run({QStringLiteral("--batch"), iso, QStringLiteral("--label"), label, QStringLiteral("--print-to"), out,
             QStringLiteral("--once")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    text.start(QStringLiteral("pdftotext"), {out + QStringLiteral("/SUMMER_ISO.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QByteArray imageWords = text.readAllStandardOutput();
    EXPECT_TRUE(imageWords.contains("alpha-song.mp3") && imageWords.contains("beta-photo.jpg")) << imageWords.constData();
}

TEST_F(HeadlessTest, BatchWatchEndsCleanlyOnInterrupt)
{
    CTempHome home;
    const QString disc = Path(QStringLiteral("disc"));
    ASSERT_TRUE(QDir().mkpath(disc));
    const QString label = Path(QStringLiteral("l.cla"));
    {
        CCovermintDoc doc;
        ASSERT_TRUE(doc.SaveTo(label));
    }
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        const QString out = Path(QStringLiteral("out%1").arg(signal));
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), Path(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), Path(QStringLiteral("config")));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(COVERMINT_BINARY), {QStringLiteral("--batch"), disc, QStringLiteral("--label"),
                                                          label, QStringLiteral("--print-to"), out});
        QByteArray seen;
        while (!seen.contains("Printed") && process.waitForReadyRead(30000))
            seen += process.readAllStandardOutput();
        ASSERT_TRUE(seen.contains("Printed")) << seen.constData();
        ASSERT_EQ(::kill(pid_t(process.processId()), signal), 0);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
        EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("disc.pdf")});
    }
}

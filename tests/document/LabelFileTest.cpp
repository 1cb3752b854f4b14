// The label file: whole documents saved and loaded through real files, the
// two layouts, header-only access, bad input and saves that fail.
#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "document/LabelFile.h"
#include "base/XmlFile.h"
#include "base/XmlValues.h"
#include "drawing/CFreehand.h"
#include "drawing/CImagePrimitive.h"
#include "drawing/CRectangle.h"
#include "drawing/CTextPrimitive.h"
#include "platform/RecordingPrompter.h"
#include "support/TempHome.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

std::shared_ptr<CTextPrimitive> AddText(CCovermintDoc& doc, const QString& specialName, const QString& text)
{
    auto primitive = std::make_shared<CTextPrimitive>(&doc.Engine());
    primitive->SetName(specialName);
    primitive->SetText(text);
    primitive->SetCorners(QPoint(20, -30), QPoint(120, -60));
    doc.Engine().Append(primitive);
    return primitive;
}

template <class Shape>
void AddShape(CCovermintDoc& doc, QPoint a, QPoint b, ColorRef fill)
{
    auto shape = std::make_shared<Shape>(3, &doc.Engine());
    shape->SetCorners(a, b);
    shape->SetFillColor(fill);
    shape->SetHollowFill(false);
    doc.Engine().Append(shape);
}

// A label with every kind of primitive and two directory records.
void FillDocument(CCovermintDoc& doc, const CTempHome& home)
{
    doc.SetDescription(QStringLiteral("  two\r\nlines  "));
    doc.SetName(QStringLiteral("Holiday ✈ 2026"));
    doc.SetAuthor(QStringLiteral(" "));
    doc.SetCreationDate(QStringLiteral("Monday, December 07, 2026"));
    CDirectoryDisplaySettings& display = doc.DisplaySettings();
    display.dirDepth = 3;
    display.columnWidth = 1.51;
    display.showSongLength = 1;
    display.underlineRows = 0;
    display.showFileDateFormat = QStringLiteral("%d/%b/%Y");
    display.sizeUnits = QStringLiteral("M");

    CDocumentDirectoryInformation* front = doc.FindDirectoryInformation(QString());
    CFileDirectory tree;
    CFileDirectory* music = tree.AddDirectory(QStringLiteral("Music"));
    CFileFile* song = music->AddFile(QStringLiteral("song.mp3"));
    song->SetSize(4000000);
    song->SetSongLength(215);
    song->SetLastWriteTime(qint32(0xfedcba98), 0x01d00000);
    tree.AddFile(QStringLiteral("readme.txt"))->SetSize(12);
    music->AddDirectory(QStringLiteral("empty"));
    front->ReplaceTree(tree);
    front->SetFreeSpace(1234);
    front->SetTotalSpace(650000);
    front->SetCddbTexts({QStringLiteral("Title"), QStringLiteral("1. a\r\n2. b"), QString(), QStringLiteral("ext")});
    doc.AddDirectoryInformation(QStringLiteral("Back"))->SetFreeSpace(7);

    AddShape<CRectangle>(doc, QPoint(10, -10), QPoint(200, -150), MakeColorRef(1, 2, 3));
    AddShape<CRoundedRect>(doc, QPoint(15, -15), QPoint(100, -100), MakeColorRef(4, 5, 6));
    AddShape<CEllipse>(doc, QPoint(300, -300), QPoint(400, -350), MakeColorRef(7, 8, 9));
    AddShape<CLine>(doc, QPoint(0, 0), QPoint(475, -475), 0);
    auto stroke = std::make_shared<CFreehand>(2, &doc.Engine());
    stroke->BeginCreate(QPoint(5, -5));
    stroke->TrackCreate(QPoint(6, -9));
    stroke->EndCreate(QPoint(12, -20));
    doc.Engine().Append(stroke);
    AddText(doc, QStringLiteral("Label Name"), QStringLiteral("Holiday ✈ 2026"));
    AddText(doc, QString(), QStringLiteral(" free text\r\nsecond line "));

    QDir(home.Path()).mkpath(QStringLiteral("Images"));
    const QString imagePath = home.FilePath(QStringLiteral("Images/dot.bmp"));
    QImage pixels(4, 3, QImage::Format_RGB32);
    pixels.fill(Qt::red);
    ASSERT_TRUE(pixels.save(imagePath, "BMP"));
    auto image = std::make_shared<CImagePrimitive>(&doc.Engine());
    ASSERT_TRUE(image->LoadFile(imagePath));
    image->SetCorners(QPoint(50, -50), QPoint(90, -80));
    doc.Engine().Append(image);
}

QString WriteLabel(const CTempHome& home, const QString& name, const QByteArray& content)
{
    EXPECT_TRUE(home.WriteFile(name, content));
    return home.FilePath(name);
}

// A label file of the given layout; body goes inside the root.
QByteArray LabelXml(const QByteArray& version, const QByteArray& body)
{
    return "<?xml version=\"1.0\"?><COVERMINTLABEL><VERSION>" + version + "</VERSION>" + body + "</COVERMINTLABEL>";
}

QByteArray Item(const QByteArray& segment, const QByteArray& inner)
{
    const QByteArray name = segment.isNull() ? QByteArray() : "<DIRECTORYINFOSEGMENTNAME>" + segment + "</DIRECTORYINFOSEGMENTNAME>";
    return "<DIRECTORYINFO>" + name + inner + "</DIRECTORYINFO>";
}

QByteArray Sizes(int free, int total, const QByteArray& title)
{
    return "<DIRECTORYFREESPACE>" + QByteArray::number(free) + "</DIRECTORYFREESPACE><DIRECTORYTOTAL>"
        + QByteArray::number(total) + "</DIRECTORYTOTAL><CDDBINFO><CDDBDISKTITLE>" + title
        + "</CDDBDISKTITLE></CDDBINFO>";
}

void ExpectXmllintAccepts(const QString& path)
{
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty())
        return;
    QProcess lint;
    lint.start(xmllint, {QStringLiteral("--noout"), path});
    ASSERT_TRUE(lint.waitForFinished(60000));
    EXPECT_EQ(lint.exitCode(), 0) << lint.readAllStandardError().toStdString();
}

} // namespace

TEST(LabelDocument, NewDocumentState)
{
    CTempHome home;
    CCovermintDoc doc;
    EXPECT_EQ(doc.CountDirectoryInformation(), 1);
    EXPECT_EQ(doc.SegmentNames(), QStringList{QString()});
    EXPECT_EQ(doc.PageSize(), QSize(850, 1100));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.DisplaySettings().showFileDateFormat.isEmpty());
    EXPECT_EQ(doc.DisplaySettings().sizeUnits, QStringLiteral("K"));

    doc.DisplaySettings() = CPreferences::Instance().Display();
    EXPECT_EQ(doc.DisplaySettings().showFileDateFormat, QStringLiteral("%d/%m/%y"));

    EXPECT_EQ(doc.AddDirectoryInformation(QStringLiteral("A")), doc.AddDirectoryInformation(QStringLiteral("A")));
    EXPECT_EQ(doc.FindDirectoryInformation(QStringLiteral("a")), nullptr); // names are case-sensitive
    EXPECT_EQ(doc.SegmentNames(), (QStringList{QString(), QStringLiteral("A")}));

    doc.FindDirectoryInformation(QString())->Tree().AddFile(QStringLiteral("left over"));
    doc.FindDirectoryInformation(QStringLiteral("A"))->Tree().AddFile(QStringLiteral("kept"));
    doc.OnNewDocument();
    EXPECT_TRUE(doc.FindDirectoryInformation(QString())->Tree().Children().empty());
    EXPECT_EQ(doc.FindDirectoryInformation(QStringLiteral("A"))->Tree().Children().size(), 1u);
}

TEST(LabelDocument, HeaderSettersUpdateOnlyTheirTexts)
{
    CTempHome home;
    CCovermintDoc doc;
    auto name = AddText(doc, QStringLiteral("Label Name"), QStringLiteral("old"));
    auto author = AddText(doc, QStringLiteral("Label Author"), QStringLiteral("old"));
    auto lowerCase = AddText(doc, QStringLiteral("label name"), QStringLiteral("old"));
    doc.SetModifiedFlag(false);
    doc.SetName(QStringLiteral("New name"));
    EXPECT_EQ(doc.Header().name, QStringLiteral("New name"));
    EXPECT_EQ(name->Text(), QStringLiteral("New name"));
    EXPECT_EQ(author->Text(), QStringLiteral("old"));
    EXPECT_EQ(lowerCase->Text(), QStringLiteral("old"));
    EXPECT_TRUE(doc.IsModified());
    doc.SetAuthor(QStringLiteral("Me"));
    EXPECT_EQ(author->Text(), QStringLiteral("Me"));
}

TEST(LabelDocument, ClearingDirectoryAndCddbDataKeepsNamesAndHeader)
{
    CRecordingPrompter prompter;
    CTempHome home;
    CCovermintDoc doc;
    FillDocument(doc, home);
    auto diskSize = AddText(doc, QStringLiteral("Disk Size (Freespace/Total)"), QStringLiteral("x"));
    auto title = AddText(doc, QStringLiteral("CDDB Disk Title"), QStringLiteral("x"));
    const CDirectoryDisplaySettings display = doc.DisplaySettings();
    const size_t primitives = doc.Engine().Primitives().size();

    const QString question = QStringLiteral("Are you sure you want clear all directory and CDDB information from this label?");
    prompter.answers = {false, true};
    EXPECT_FALSE(doc.OnClearDirectoryAndCddbData());
    EXPECT_EQ(prompter.questions, QStringList{question});
    EXPECT_EQ(doc.FindDirectoryInformation(QString())->FreeSpace(), 1234);
    EXPECT_EQ(doc.FindDirectoryInformation(QString())->CddbTexts().title, QStringLiteral("Title"));
    EXPECT_EQ(doc.FindDirectoryInformation(QString())->Tree().Children().size(), 2u);
    EXPECT_EQ(title->Text(), QStringLiteral("x"));

    EXPECT_TRUE(doc.OnClearDirectoryAndCddbData());
    EXPECT_EQ(doc.SegmentNames(), (QStringList{QString(), QStringLiteral("Back")}));
    for (const auto& record : doc.Records()) {
        EXPECT_EQ(record->CddbTexts(), CCddbTexts{});
        EXPECT_EQ(record->FreeSpace(), 0);
        EXPECT_EQ(record->TotalSpace(), 0);
        EXPECT_TRUE(record->Tree().Children().empty());
    }
    EXPECT_EQ(diskSize->Text(), QStringLiteral("<Freespace>/<Total>"));
    EXPECT_EQ(title->Text(), QString());
    EXPECT_EQ(doc.Header().name, QStringLiteral("Holiday ✈ 2026"));
    EXPECT_EQ(doc.DisplaySettings(), display);
    EXPECT_EQ(doc.Engine().Primitives().size(), primitives);
}

TEST(LabelFile, RoundTripKeepsEverything)
{
    CRecordingPrompter prompter;
    CTempHome home;
    const QString first = home.FilePath(QStringLiteral("first.cla"));
    const QString second = home.FilePath(QStringLiteral("second.cla"));
    {
        CCovermintDoc doc;
        FillDocument(doc, home);
        doc.SetHeaderVersion(QStringLiteral("1.5 Bld 3"));
        EXPECT_TRUE(doc.IsModified());
        QString error;
        ASSERT_TRUE(doc.SaveTo(first, &error)) << error.toStdString();
        EXPECT_FALSE(doc.IsModified());
    }
    ExpectXmllintAccepts(first);

    CCovermintDoc loaded;
    ASSERT_TRUE(loaded.Load(first));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'|').toStdString();
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.Header().description, QStringLiteral("  two\r\nlines  "));
    EXPECT_EQ(loaded.Header().name, QStringLiteral("Holiday ✈ 2026"));
    EXPECT_EQ(loaded.Header().author, QStringLiteral(" "));
    EXPECT_EQ(loaded.Header().version, ProgramVersionText());
    EXPECT_EQ(loaded.DisplaySettings().dirDepth, 3);
    EXPECT_EQ(loaded.DisplaySettings().underlineRows, 0);
    EXPECT_EQ(loaded.DisplaySettings().sizeUnits, QStringLiteral("M"));
    EXPECT_EQ(loaded.DisplaySettings().showFileDateFormat, QStringLiteral("%d/%b/%Y"));
    EXPECT_EQ(loaded.DisplaySettings().columnWidth, 1.51);

    ASSERT_EQ(loaded.SegmentNames(), (QStringList{QString(), QStringLiteral("Back")}));
    const CDocumentDirectoryInformation* front = loaded.FindDirectoryInformation(QString());
    EXPECT_EQ(front->FreeSpace(), 1234);
    EXPECT_EQ(front->TotalSpace(), 650000);
    EXPECT_EQ(front->CddbTexts(), (CCddbTexts{QStringLiteral("Title"), QStringLiteral("1. a\r\n2. b"), QString(), QStringLiteral("ext")}));
    ASSERT_EQ(front->Tree().Children().size(), 2u);
    const auto& music = static_cast<const CFileDirectory&>(*front->Tree().Children()[0]);
    EXPECT_EQ(music.GetName(), QStringLiteral("Music"));
    const auto& song = static_cast<const CFileFile&>(*music.Children().at(0));
    EXPECT_EQ(song.GetSongLength(), 215);
    EXPECT_EQ(song.GetLastWriteLow(), qint32(0xfedcba98));
    EXPECT_EQ(loaded.FindDirectoryInformation(QStringLiteral("Back"))->FreeSpace(), 7);

    const auto& primitives = loaded.Engine().Primitives();
    ASSERT_EQ(primitives.size(), 8u);
    QStringList types;
    for (const auto& p : primitives)
        types << QString::fromLatin1(p->TypeName());
    EXPECT_EQ(types, (QStringList{"CRectangle", "CRoundedRect", "CEllipse", "CLine", "CFreehand", "CTextPrimitive",
                         "CTextPrimitive", "CImagePrimitive"}));
    EXPECT_EQ(static_cast<const CTextPrimitive&>(*primitives[6]).Text(), QStringLiteral(" free text\r\nsecond line "));
    EXPECT_EQ(static_cast<const CFreehand&>(*primitives[4]).Points().size(), 3u);
    EXPECT_TRUE(static_cast<const CImagePrimitive&>(*primitives[7]).HasPixels());

    // Everything that was stored is stored again, byte for byte.
    QString error;
    ASSERT_TRUE(loaded.SaveTo(second, &error)) << error.toStdString();
    EXPECT_EQ(ReadAll(second), ReadAll(first));
}

TEST(LabelFile, VersionSelectsTheLayout)
{
    CTempHome home;
    // 2.0 (after trimming): sizes and CDDB texts inside each item.
    {
        CCovermintDoc doc;
        const QByteArray body = Item("A", Sizes(10, 20, "in item")) + Sizes(1, 2, "at root");
        ASSERT_TRUE(doc.Load(WriteLabel(home, "a.cla", LabelXml(" 2.0 Bld 77 ", body))));
        const CDocumentDirectoryInformation* a = doc.FindDirectoryInformation(QStringLiteral("A"));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->FreeSpace(), 10);
        EXPECT_EQ(a->TotalSpace(), 20);
        EXPECT_EQ(a->CddbTexts().title, QStringLiteral("in item"));
        EXPECT_EQ(doc.Header().version, QStringLiteral(" 2.0 Bld 77 "));
    }
    // 1.9 and 2.1: the root's values apply to every item.
    for (const QByteArray& version : {QByteArray("1.9 Bld 2"), QByteArray("2.1")}) {
        CCovermintDoc doc;
        const QByteArray body = Item("A", Sizes(10, 20, "in item")) + Item("B", QByteArray()) + Sizes(1, 2, "at root");
        ASSERT_TRUE(doc.Load(WriteLabel(home, "b.cla", LabelXml(version, body))));
        for (const QString& name : {QStringLiteral("A"), QStringLiteral("B")}) {
            const CDocumentDirectoryInformation* record = doc.FindDirectoryInformation(name);
            ASSERT_NE(record, nullptr);
            EXPECT_EQ(record->FreeSpace(), 1) << version.constData();
            EXPECT_EQ(record->TotalSpace(), 2);
            EXPECT_EQ(record->CddbTexts().title, QStringLiteral("at root"));
        }
    }
}

TEST(LabelFile, ItemsWithTheSameNameFillOneRecord)
{
    CTempHome home;
    CCovermintDoc doc;
    const QByteArray body = Item("S", Sizes(10, 20, "first"))
        + Item("S", "<DIRECTORYFREESPACE>11</DIRECTORYFREESPACE><DIRECTORYTOTAL></DIRECTORYTOTAL>"
                    "<DIRECTORY><FILENAME></FILENAME><CHILDREN><FILE><FILENAME>x</FILENAME></FILE></CHILDREN></DIRECTORY>")
        + Item(QByteArray(), Sizes(5, 6, "unnamed"))
        + "<COVERMINTPREFERENCES> <DIRDEPTH>2</DIRDEPTH><COLUMNWIDTH>abc</COLUMNWIDTH><SIZEUNITS></SIZEUNITS></COVERMINTPREFERENCES>"
        + "<NAME></NAME><AUTHOR>who</AUTHOR>";
    doc.SetName(QStringLiteral("kept"));
    ASSERT_TRUE(doc.Load(WriteLabel(home, "s.cla", LabelXml("2.0 Bld 1", body))));
    EXPECT_EQ(doc.SegmentNames(), (QStringList{QString(), QStringLiteral("S")}));
    const CDocumentDirectoryInformation* s = doc.FindDirectoryInformation(QStringLiteral("S"));
    EXPECT_EQ(s->FreeSpace(), 11); // the later item wins where present
    EXPECT_EQ(s->TotalSpace(), 20);
    EXPECT_EQ(s->CddbTexts().title, QStringLiteral("first"));
    EXPECT_EQ(s->Tree().Children().size(), 1u);
    EXPECT_EQ(doc.FindDirectoryInformation(QString())->FreeSpace(), 5);
    EXPECT_EQ(doc.FindDirectoryInformation(QString())->CddbTexts().title, QStringLiteral("unnamed"));

    EXPECT_EQ(doc.Header().name, QStringLiteral("kept")); // empty NAME
    EXPECT_EQ(doc.Header().author, QStringLiteral("who"));
    EXPECT_EQ(doc.DisplaySettings().dirDepth, 2);
    EXPECT_DOUBLE_EQ(doc.DisplaySettings().columnWidth, 1.51); // not a number: kept
    EXPECT_EQ(doc.DisplaySettings().sizeUnits, QStringLiteral("K"));
}

namespace {
// Stands in for the directory segment primitive, which is all Sync asks about.
class CSegmentStandIn final : public CRectangle
{
public:
    using CRectangle::CRectangle;
    bool IsDirectorySegment() const override { return true; }
};
} // namespace

TEST(LabelDocument, SyncAddsARecordPerSegmentName)
{
    CTempHome home;
    CCovermintDoc doc;
    for (const char* name : {"Front", "", "Back", "Front"}) {
        auto segment = std::make_shared<CSegmentStandIn>(1, &doc.Engine());
        segment->SetSegmentName(QString::fromLatin1(name));
        doc.Engine().Append(segment);
    }
    doc.SyncDirectoryInformation();
    EXPECT_EQ(doc.SegmentNames(), (QStringList{QString(), QStringLiteral("Front"), QStringLiteral("Back")}));
}

TEST(LabelFile, FilesThatAreNotLabels)
{
    CRecordingPrompter prompter;
    CTempHome home;

    // Well-formed, but another root or no VERSION: nothing read, no message.
    for (const QByteArray& content : {QByteArray("<OTHER><VERSION>2.0</VERSION><NAME>x</NAME></OTHER>"),
             QByteArray("<COVERMINTLABEL><NAME>x</NAME><DRAWINGENGINE> <PRIMITIVE><PRIMTYPE>CLine</PRIMTYPE>"
                        "</PRIMITIVE></DRAWINGENGINE></COVERMINTLABEL>")}) {
        CCovermintDoc doc;
        EXPECT_TRUE(doc.Load(WriteLabel(home, "other.cla", content)));
        EXPECT_EQ(doc.Header().name, QString());
        EXPECT_FALSE(doc.Engine().HasPrimitives());
    }
    EXPECT_TRUE(prompter.messages.isEmpty());

    // Not well-formed: the file, then the parser's reason, line and column.
    {
        CCovermintDoc doc;
        const QString broken = WriteLabel(home, "broken.cla", "<COVERMINTLABEL>\n<NAME>x\n</COVERMINTLABEL>");
        EXPECT_FALSE(doc.Load(broken));
        ASSERT_EQ(prompter.messages.size(), 1);
        EXPECT_TRUE(prompter.messages[0].contains(
            QRegularExpression(QStringLiteral("^%1\n.+\n\n 3\n \\d+$").arg(QRegularExpression::escape(broken)))))
            << prompter.messages[0].toStdString();
        EXPECT_EQ(doc.CountDirectoryInformation(), 1);
        EXPECT_EQ(doc.Header().name, QString());
    }
    // Binary junk, a folder, a missing file: a message each, no crash.
    static const char junkBytes[] = "\x00\x01\xff\xfe garbage";
    const QByteArray junk(junkBytes, sizeof junkBytes - 1);
    for (const QString& path : {WriteLabel(home, "junk.cla", junk), home.Path(), home.FilePath("missing.cla")}) {
        prompter.messages.clear();
        CCovermintDoc doc;
        EXPECT_FALSE(doc.Load(path));
        EXPECT_EQ(prompter.messages.size(), 1) << path.toStdString();
    }
    // Too large to be a label (sparse, so cheap to make).
    {
        QFile huge(home.FilePath(QStringLiteral("huge.cla")));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(qint64(300) * 1024 * 1024));
        huge.close();
        prompter.messages.clear();
        CCovermintDoc doc;
        EXPECT_FALSE(doc.Load(huge.fileName()));
        ASSERT_EQ(prompter.messages.size(), 1);
        EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("too large")));
    }
    // Unreadable (only meaningful when not running as root).
    if (geteuid() != 0) {
        const QString locked = WriteLabel(home, "locked.cla", LabelXml("2.0", "<NAME>x</NAME>"));
        QFile::setPermissions(locked, QFileDevice::WriteOwner);
        prompter.messages.clear();
        CCovermintDoc doc;
        EXPECT_FALSE(doc.Load(locked));
        EXPECT_EQ(prompter.messages.size(), 1);
    }
}

// Bytes read as a file does, with the reason and place of a failure and no
// message: telling the user is the caller's part.
TEST(LabelFile, BytesReadWithoutMessages)
{
    CRecordingPrompter prompter;
    CTempHome home;
    CCovermintDoc doc;
    const XmlLoadResult broken = LabelFile::Read(doc, "<COVERMINTLABEL>\n<NAME>x\n</COVERMINTLABEL>");
    EXPECT_FALSE(broken.ok);
    EXPECT_EQ(broken.line, 3);
    ASSERT_TRUE(LabelFile::Read(doc, LabelXml("2.0", "<NAME>Bytes</NAME>")).ok);
    EXPECT_EQ(doc.Header().name, QStringLiteral("Bytes"));

    CLabelHeaderFields header;
    EXPECT_FALSE(LabelFile::ReadHeader(QByteArray("<COVERMINTLABEL><NAME>n</NAME>"), header));
    ASSERT_TRUE(LabelFile::ReadHeader(
        LabelXml("2.0", "<DESCRIPTION>d</DESCRIPTION><NAME>n</NAME><AUTHOR>a</AUTHOR><CREATED>c</CREATED>"), header));
    EXPECT_EQ(header.author, QStringLiteral("a"));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(LabelFile, DevicesHoldWhatFilesHold)
{
    CRecordingPrompter prompter;
    CTempHome home;
    CCovermintDoc doc;
    FillDocument(doc, home);
    const QString path = home.FilePath(QStringLiteral("file.cla"));
    ASSERT_TRUE(LabelFile::Store(doc, path));
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(LabelFile::Store(doc, out));
    EXPECT_EQ(bytes, ReadAll(path));

    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    CCovermintDoc again;
    ASSERT_TRUE(LabelFile::Read(again, in, QStringLiteral("buffer")).ok);
    EXPECT_EQ(again.Header().name, doc.Header().name);
    EXPECT_EQ(again.Engine().Primitives().size(), doc.Engine().Primitives().size());

    QBuffer closed; // never opened: every write fails
    EXPECT_FALSE(LabelFile::Store(doc, closed));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'|').toStdString();
}

TEST(LabelFile, HugeValuesAndDeepTrees)
{
    CRecordingPrompter prompter;
    CTempHome home;
    // A 50 MB text value reads back whole.
    {
        const QByteArray big(50 * 1024 * 1024, 'x');
        CCovermintDoc doc;
        ASSERT_TRUE(doc.Load(WriteLabel(home, "big.cla", LabelXml("2.0", "<DESCRIPTION>" + big + "</DESCRIPTION>"))));
        EXPECT_EQ(doc.Header().description.size(), big.size());
    }
    // A tree nested 100,000 deep loads (capped), saves and dies without recursion.
    {
        constexpr int depth = 100000;
        QByteArray xml = LabelXml("2.0", "@");
        QByteArray tree;
        tree.reserve(depth * 60);
        for (int i = 0; i < depth; ++i)
            tree += "<DIRECTORY><FILENAME>d</FILENAME><CHILDREN>";
        for (int i = 0; i < depth; ++i)
            tree += "</CHILDREN></DIRECTORY>";
        xml.replace("@", "<DIRECTORYINFO><DIRECTORY><FILENAME></FILENAME><CHILDREN>" + tree
                + "</CHILDREN></DIRECTORY></DIRECTORYINFO>");
        CCovermintDoc doc;
        ASSERT_TRUE(doc.Load(WriteLabel(home, "deep.cla", xml)));
        EXPECT_TRUE(prompter.messages.isEmpty());
        int levels = 0;
        const CFileDirectory* node = &doc.FindDirectoryInformation(QString())->Tree();
        while (!node->Children().empty()) {
            node = static_cast<const CFileDirectory*>(node->Children()[0].get());
            ++levels;
        }
        EXPECT_EQ(levels, CFileDirectory::kMaxLoadDepth + 1);
        EXPECT_TRUE(doc.SaveTo(home.FilePath(QStringLiteral("deep-again.cla"))));
    }
}

TEST(LabelFile, FailedSavesKeepTheOldFileAndTheModifiedFlag)
{
    CRecordingPrompter prompter;
    CTempHome home;
    CCovermintDoc doc;
    FillDocument(doc, home);

    // The target is a folder.
    const QString folder = home.FilePath(QStringLiteral("Labels/taken.cla"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QString error;
    EXPECT_FALSE(doc.SaveTo(folder, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(doc.IsModified());

    // The folder does not exist (a file stands where it should be).
    home.WriteFile(QStringLiteral("plain"), "old");
    error.clear();
    EXPECT_FALSE(doc.SaveTo(home.FilePath(QStringLiteral("plain/x.cla")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadAll(home.FilePath(QStringLiteral("plain"))), QByteArray("old"));

    // An unwritable folder with an old label in it.
    const QString locked = home.FilePath(QStringLiteral("locked"));
    QDir().mkpath(locked);
    home.WriteFile(QStringLiteral("locked/old.cla"), "old label");
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (geteuid() != 0) {
        EXPECT_FALSE(doc.SaveTo(locked + QStringLiteral("/old.cla"), &error));
        EXPECT_EQ(ReadAll(locked + QStringLiteral("/old.cla")), QByteArray("old label"));
        EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList{QStringLiteral("old.cla")});
        EXPECT_TRUE(doc.IsModified());
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    // Through DoSave, the failure is shown and the path stays.
    doc.SetPathName(QString());
    EXPECT_TRUE(doc.DoSave(folder, true).isEmpty());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("taken.cla")));
    EXPECT_EQ(doc.PathName(), QString());
    EXPECT_TRUE(doc.IsModified());
}

TEST(LabelFile, DoSaveNamesTheFile)
{
    CTempHome home;
    CCovermintDoc doc;
    const QString written = doc.DoSave(home.FilePath(QStringLiteral("party.cte.cla")), true);
    EXPECT_EQ(written, home.FilePath(QStringLiteral("party.cte")));
    EXPECT_TRUE(QFile::exists(written));
    EXPECT_EQ(doc.PathName(), written);

    const QString copy = doc.DoSave(home.FilePath(QStringLiteral("copy.CLA.cla")), false);
    EXPECT_EQ(copy, home.FilePath(QStringLiteral("copy.CLA")));
    EXPECT_EQ(doc.PathName(), written); // a copy does not rename the document
}

TEST(LabelFile, SavingOverAFileKeepsItsMode)
{
    using P = QFileDevice;
    CTempHome home;
    CCovermintDoc doc;
    const QString path = home.FilePath(QStringLiteral("kept.cla"));
    for (const QFileDevice::Permissions mode : {P::Permissions(P::ReadOwner | P::WriteOwner),
                                                P::ReadOwner | P::WriteOwner | P::ReadGroup | P::WriteGroup,
                                                P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadOther}) {
        ASSERT_TRUE(doc.SaveTo(path));
        ASSERT_TRUE(QFile::setPermissions(path, mode));
        doc.SetName(QStringLiteral("changed"));
        ASSERT_TRUE(doc.SaveTo(path));
        constexpr P::Permissions userFlags = P::ReadUser | P::WriteUser | P::ExeUser;
        EXPECT_EQ(QFile::permissions(path) & ~userFlags, mode) << int(mode);
    }
    // A file nobody may write: only root can save over it, and it stays read-only.
    const P::Permissions readOnly = P::ReadOwner | P::ReadGroup | P::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));
    doc.SaveTo(path);
    EXPECT_EQ(QFile::permissions(path) & ~(P::ReadUser | P::WriteUser | P::ExeUser), readOnly);
}

TEST(LabelFile, HeaderOnlyAccess)
{
    CRecordingPrompter prompter;
    CTempHome home;
    const QString folder = home.FilePath(QStringLiteral("Templates/CD"));
    QDir().mkpath(folder);
    {
        CCovermintDoc doc;
        doc.SetName(QStringLiteral("Name"));
        doc.SetDescription(QStringLiteral("Desc"));
        AddShape<CEllipse>(doc, QPoint(1, -1), QPoint(9, -9), 0);
        ASSERT_TRUE(doc.SaveTo(folder + QStringLiteral("/t.cte")));
    }
    CLabelHeaderFields header;
    header.version = QStringLiteral("untouched");
    ASSERT_TRUE(LabelFile::ReadHeader(folder, QStringLiteral("t.cte"), header));
    EXPECT_EQ(header.name, QStringLiteral("Name"));
    EXPECT_EQ(header.description, QStringLiteral("Desc"));
    EXPECT_EQ(header.author, QString());
    EXPECT_EQ(header.version, QStringLiteral("untouched"));

    header.author = QStringLiteral("  An Author\r\n");
    header.created = QString();
    ASSERT_TRUE(LabelFile::WriteHeader(folder + u'/', QStringLiteral("t.cte"), header));
    CLabelHeaderFields reread;
    ASSERT_TRUE(LabelFile::ReadHeader(folder, QStringLiteral("t.cte"), reread));
    EXPECT_EQ(reread.author, QStringLiteral("  An Author\r\n"));
    CCovermintDoc doc;
    ASSERT_TRUE(doc.Load(folder + QStringLiteral("/t.cte")));
    EXPECT_EQ(doc.Engine().Primitives().size(), 1u); // the rest of the file is intact

    // Missing CREATED: reading fails and changes nothing; writing adds it.
    home.WriteFile(QStringLiteral("Templates/CD/nocreated.cte"),
        LabelXml("2.0", "<DESCRIPTION>d</DESCRIPTION><NAME>n</NAME><AUTHOR>a</AUTHOR>"));
    CLabelHeaderFields untouched = reread;
    EXPECT_FALSE(LabelFile::ReadHeader(folder, QStringLiteral("nocreated.cte"), untouched));
    EXPECT_EQ(untouched.name, reread.name);
    header.created = QStringLiteral("today");
    ASSERT_TRUE(LabelFile::WriteHeader(folder, QStringLiteral("nocreated.cte"), header));
    ASSERT_TRUE(LabelFile::ReadHeader(folder, QStringLiteral("nocreated.cte"), untouched));
    EXPECT_EQ(untouched.created, QStringLiteral("today"));
    EXPECT_TRUE(prompter.messages.isEmpty());

    // A broken template is left exactly as it was.
    const QByteArray broken = "<COVERMINTLABEL><NAME>n</NAME";
    home.WriteFile(QStringLiteral("Templates/CD/broken.cte"), broken);
    EXPECT_FALSE(LabelFile::WriteHeader(folder, QStringLiteral("broken.cte"), header));
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("Could not parse file.")});
    EXPECT_EQ(ReadAll(folder + QStringLiteral("/broken.cte")), broken);
    EXPECT_FALSE(LabelFile::ReadHeader(folder, QStringLiteral("broken.cte"), untouched));
}

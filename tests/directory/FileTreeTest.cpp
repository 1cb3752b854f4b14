// Directory trees: deep copies, the XML encoding, very deep trees, and the
// directory information record with its disk-size text.
#include "directory/CDocumentDirectoryInformation.h"
#include "directory/CFileInformation.h"
#include "document/CCovermintDoc.h"
#include "base/XmlValues.h"
#include "drawing/CTextPrimitive.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

// Root, a.mp3, dir B with c.txt and an empty dir D.
void BuildSample(CFileDirectory& root)
{
    CFileFile* a = root.AddFile(QStringLiteral("a.mp3"));
    a->SetSize(-5); // a file of 4 GB or more keeps only the low 32 bits
    a->SetSongLength(183);
    a->SetLastWriteTime(qint32(0x80000001), -1);
    a->SetMark(7);
    CFileDirectory* b = root.AddDirectory(QStringLiteral("B"));
    b->AddFile(QStringLiteral("c.txt"))->SetLastWriteTime(0, 0x01dc0000);
    b->AddDirectory(QStringLiteral("D"));
}

// A readable outline of a tree: one line per node with its values.
QStringList Outline(const CFileDirectory& directory, const QString& indent = {})
{
    QStringList lines;
    for (const FileNodePtr& child : directory.Children()) {
        if (child->IsFile()) {
            const auto& f = static_cast<const CFileFile&>(*child);
            lines << QStringLiteral("%1%2 %3 %4 %5 %6")
                         .arg(indent, f.GetName())
                         .arg(f.GetSize())
                         .arg(f.GetLastWriteLow())
                         .arg(f.GetLastWriteHigh())
                         .arg(f.GetSongLength());
        } else {
            lines << indent + child->GetName() + u'/';
            lines << Outline(static_cast<const CFileDirectory&>(*child), indent + u' ');
        }
    }
    return lines;
}

const QStringList kSampleOutline = {
    QStringLiteral("a.mp3 -5 -2147483647 -1 183"),
    QStringLiteral("B/"),
    QStringLiteral(" c.txt 0 0 31195136 0"),
    QStringLiteral(" D/"),
};

std::shared_ptr<CTextPrimitive> AddText(CCovermintDoc& doc, const QString& name, const QString& segment)
{
    auto text = std::make_shared<CTextPrimitive>(&doc.Engine());
    text->SetName(name);
    text->SetSegmentName(segment);
    doc.Engine().Append(text);
    return text;
}

} // namespace

TEST(FileTree, DeepCopyIsIndependentAndSkipsMarks)
{
    const int dirsBefore = CFileDirectory::LiveCount();
    const int filesBefore = CFileFile::LiveCount();
    {
        CFileDirectory source(QStringLiteral("src"));
        BuildSample(source);
        EXPECT_EQ(CFileDirectory::LiveCount(), dirsBefore + 3);
        EXPECT_EQ(CFileFile::LiveCount(), filesBefore + 2);

        CFileDirectory copy;
        copy.AddFile(QStringLiteral("stale"));
        copy.DeepCopyFrom(source);
        EXPECT_EQ(copy.GetName(), QStringLiteral("src"));
        EXPECT_EQ(Outline(copy), kSampleOutline);
        EXPECT_EQ(copy.Children()[0]->GetMark(), 0);

        source.Children()[0]->SetName(QStringLiteral("changed"));
        source.ClearChildren();
        EXPECT_EQ(Outline(copy), kSampleOutline);
        copy.DeepCopyFrom(copy); // copying onto itself keeps the tree
        EXPECT_EQ(Outline(copy), kSampleOutline);
    }
    EXPECT_EQ(CFileDirectory::LiveCount(), dirsBefore);
    EXPECT_EQ(CFileFile::LiveCount(), filesBefore);
}

TEST(FileTree, XmlEncodingRoundTrip)
{
    CFileDirectory source;
    BuildSample(source);
    pugi::xml_document doc;
    pugi::xml_node info = doc.append_child("DIRECTORYINFO");
    source.Store(info);

    const pugi::xml_node dir = info.child("DIRECTORY");
    ASSERT_TRUE(dir);
    const pugi::xml_node file = dir.child("CHILDREN").child("FILE");
    EXPECT_STREQ(file.child("FILENAME").child_value(), "a.mp3");
    EXPECT_STREQ(file.child("LASTWRITETIME_1").child_value(), "-2147483647");
    EXPECT_STREQ(file.child("LASTWRITETIME_2").child_value(), "-1");
    EXPECT_STREQ(file.child("SONGLENGTHINSECONDS").child_value(), "183");
    EXPECT_STREQ(dir.child("CHILDREN").child("DIRECTORY").child("FILENAME").child_value(), "B");
    EXPECT_FALSE(file.child("MARK"));

    // Unknown elements are ignored, non-element nodes skipped.
    pugi::xml_node children = dir.child("CHILDREN");
    children.append_child("SOMETHING");
    children.append_child(pugi::node_pcdata).set_value("\n  ");

    CFileDirectory loaded(QStringLiteral("kept"));
    loaded.Load(dir);
    EXPECT_EQ(loaded.GetName(), QStringLiteral("kept"));
    EXPECT_EQ(Outline(loaded), kSampleOutline);
}

TEST(FileTree, VeryDeepTreesNeverRecurse)
{
    constexpr int depth = 100000;
    const int dirsBefore = CFileDirectory::LiveCount();
    pugi::xml_document doc;
    {
        CFileDirectory root;
        CFileDirectory* node = &root;
        for (int i = 0; i < depth; ++i)
            node = node->AddDirectory(QStringLiteral("d"));
        node->AddFile(QStringLiteral("bottom"));

        CFileDirectory copy;
        copy.DeepCopyFrom(root);
        EXPECT_EQ(CFileDirectory::LiveCount(), dirsBefore + 2 * (depth + 1));
        copy.Store(doc);
    }
    EXPECT_EQ(CFileDirectory::LiveCount(), dirsBefore);

    CFileDirectory loaded;
    loaded.Load(doc.child("DIRECTORY"));
    int levels = 0;
    for (const CFileDirectory* node = &loaded; !node->Children().empty(); ++levels)
        node = static_cast<const CFileDirectory*>(node->Children()[0].get());
    EXPECT_EQ(levels, CFileDirectory::kMaxLoadDepth + 1);
}

TEST(DirectoryInformation, DiskSizeText)
{
    CDocumentDirectoryInformation record(nullptr);
    EXPECT_EQ(record.DiskSizeText(), QStringLiteral("<Freespace>/<Total>"));
    record.SetFreeSpace(100000);
    EXPECT_EQ(record.DiskSizeText(), QStringLiteral("100000 KB free, 0 KB used"));
    record.SetTotalSpace(100001);
    EXPECT_EQ(record.DiskSizeText(), QStringLiteral("100000 KB free, 100 MB used"));
    record.SetFreeSpace(0);
    record.SetTotalSpace(1999999);
    EXPECT_EQ(record.DiskSizeText(), QStringLiteral("0 KB free, 1999 MB used"));
}

TEST(DirectoryInformation, SettersUpdateTheSpecialTexts)
{
    CTempHome home;
    CCovermintDoc doc;
    CDocumentDirectoryInformation* back = doc.AddDirectoryInformation(QStringLiteral("Back"));
    auto sizeFront = AddText(doc, QStringLiteral("Disk Size (Freespace/Total)"), QString());
    auto sizeBack = AddText(doc, QStringLiteral("Disk Size (Freespace/Total)"), QStringLiteral("Back"));
    auto title = AddText(doc, QStringLiteral("CDDB Disk Title"), QString());
    auto tracks = AddText(doc, QStringLiteral("CDDB Track Listing"), QString());
    auto extDisc = AddText(doc, QStringLiteral("CDDB Extended Disk Information"), QString());
    auto extTracks = AddText(doc, QStringLiteral("CDDB Extended Track Information"), QString());
    auto other = AddText(doc, QStringLiteral("Label Name"), QString());
    other->SetText(QStringLiteral("untouched"));
    doc.SetModifiedFlag(false);

    back->SetFreeSpace(200000);
    // Every disk-size text follows, whichever segment it belongs to.
    EXPECT_EQ(sizeFront->Text(), QStringLiteral("200 MB free, 0 KB used"));
    EXPECT_EQ(sizeBack->Text(), sizeFront->Text());
    EXPECT_TRUE(doc.IsModified());

    back->SetCddbTexts({QStringLiteral("T"), QStringLiteral("1. x"), QStringLiteral("E"), QStringLiteral("X")});
    EXPECT_EQ(title->Text(), QStringLiteral("T"));
    EXPECT_EQ(tracks->Text(), QStringLiteral("1. x"));
    EXPECT_EQ(extDisc->Text(), QStringLiteral("E"));
    EXPECT_EQ(extTracks->Text(), QStringLiteral("X"));
    EXPECT_EQ(other->Text(), QStringLiteral("untouched"));
    EXPECT_EQ(back->CddbTexts().extTrackInfo, QStringLiteral("X"));

    CFileDirectory tree;
    BuildSample(tree);
    back->ReplaceTree(tree);
    EXPECT_EQ(Outline(back->Tree()), kSampleOutline);
    EXPECT_TRUE(doc.FindDirectoryInformation(QString())->Tree().Children().empty());
}

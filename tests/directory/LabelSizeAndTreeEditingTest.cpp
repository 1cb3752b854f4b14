// Column presets of the label kinds, the file-date format check, and the
// edits the directory dialog makes to a listing.
#include "base/DateText.h"
#include "directory/DirectoryTreeEditing.h"
#include "directory/LabelSizePresets.h"

#include <gtest/gtest.h>

namespace {

QStringList Names(const CFileDirectory& directory)
{
    QStringList names;
    for (const FileNodePtr& child : directory.Children())
        names << child->Name();
    return names;
}

} // namespace

TEST(LabelSizePresets, WidthsToFourPlaces)
{
    const struct { const char* kind; std::vector<double> widths; } rows[] = {
        {"CDFRONT", {4.7100, 2.3050, 1.5100, 1.0925, 0.8640, 0.7150}},
        {"CDBACK", {5.3300, 2.6150, 1.7067, 1.2375, 0.9880, 0.8183}},
        {"ZIP", {3.7700, 1.8350, 1.1967}},
        {"JAZ", {2.8400, 1.3700, 0.8867}},
    };
    for (const auto& row : rows) {
        const LabelKind* kind = LabelSizePresets::FindKind(QLatin1String(row.kind));
        ASSERT_NE(kind, nullptr) << row.kind;
        EXPECT_EQ(kind->columnPresets, int(row.widths.size())) << row.kind;
        for (std::size_t k = 0; k < row.widths.size(); ++k)
            EXPECT_NEAR(LabelSizePresets::ColumnWidth(int(k) + 1, QLatin1String(row.kind)), row.widths[k], 0.00005)
                << row.kind << " " << k + 1;
    }
}

TEST(LabelSizePresets, UnknownKindsAndCountsFallBackToTheCdFront)
{
    EXPECT_EQ(LabelSizePresets::ColumnWidth(3, QString()), LabelSizePresets::ColumnWidth(3, QStringLiteral("CDFRONT")));
    EXPECT_EQ(LabelSizePresets::ColumnWidth(2, QStringLiteral("cdback")), LabelSizePresets::ColumnWidth(2, QString()));
    EXPECT_EQ(LabelSizePresets::ColumnWidth(4, QStringLiteral("ZIP")), LabelSizePresets::ColumnWidth(1, QString()));
    EXPECT_EQ(LabelSizePresets::ColumnWidth(0, QStringLiteral("JAZ")), LabelSizePresets::ColumnWidth(1, QString()));
    EXPECT_FALSE(LabelSizePresets::FindKind(QStringLiteral("None")));
    EXPECT_FALSE(LabelSizePresets::FindKind(QStringLiteral("JAZ"))->typicalHeight);
}

TEST(DateFormatCheck, OnlyTheKnownCodesPass)
{
    for (const char* good : {"%d/%m/%y", "%y %dth of %B", "100%% %Y-%b-%d %H:%M:%S %p %I", "no codes", ""})
        EXPECT_TRUE(UsesOnlyFileDateCodes(QLatin1String(good))) << good;
    for (const char* bad : {"%j", "%d/%m/%j", "50%", "%%%", "%A"})
        EXPECT_FALSE(UsesOnlyFileDateCodes(QLatin1String(bad))) << bad;
}

class TreeEditing : public ::testing::Test
{
protected:
    // a.tmp, b.txt, sub/{c.TMP, d.tmpx, e}, z.mp3
    void SetUp() override
    {
        a = root.AddFile(QStringLiteral("a.tmp"));
        root.AddFile(QStringLiteral("b.txt"));
        sub = root.AddDirectory(QStringLiteral("sub"));
        sub->AddFile(QStringLiteral("c.TMP"));
        sub->AddFile(QStringLiteral("d.tmpx"));
        e = sub->AddDirectory(QStringLiteral("e"));
        z = root.AddFile(QStringLiteral("z.mp3"));
    }
    CFileDirectory root;
    CFileFile* a = nullptr;
    CFileDirectory* sub = nullptr;
    CFileDirectory* e = nullptr;
    CFileFile* z = nullptr;
};

TEST_F(TreeEditing, FiletypesNeedALeadingDotAndMatchInAnyCase)
{
    using namespace DirectoryTreeEditing;
    EXPECT_FALSE(FiletypeExtension(QStringLiteral("tmp")));
    EXPECT_FALSE(FiletypeExtension(QStringLiteral(" . ")));
    ASSERT_TRUE(FiletypeExtension(QStringLiteral(" .TMP ")));
    EXPECT_EQ(*FiletypeExtension(QStringLiteral(" .TMP ")), QStringLiteral(".tmp"));

    EXPECT_EQ(RemoveFilesOfType(root, QStringLiteral(".tmp")), 2);
    EXPECT_EQ(Names(root), (QStringList{"b.txt", "sub", "z.mp3"}));
    EXPECT_EQ(Names(*sub), (QStringList{"d.tmpx", "e"}));
    // A directory is no file of a type, whatever its name.
    EXPECT_EQ(RemoveFilesOfType(root, QStringLiteral(".e")), 0);
}

TEST_F(TreeEditing, MovesSwapWithASiblingOnly)
{
    using namespace DirectoryTreeEditing;
    EXPECT_FALSE(CanMove(root, a, -1));
    EXPECT_FALSE(Move(root, z, +1));
    EXPECT_TRUE(Move(root, z, -1));
    EXPECT_EQ(Names(root), (QStringList{"a.tmp", "b.txt", "z.mp3", "sub"}));
    EXPECT_TRUE(Move(root, e, -1));
    EXPECT_EQ(Names(*sub), (QStringList{"c.TMP", "e", "d.tmpx"}));
    EXPECT_EQ(ParentOf(root, e), sub);

    const CFileFile outsider;
    EXPECT_FALSE(Move(root, &outsider, -1));
    EXPECT_FALSE(Remove(root, &outsider));
    EXPECT_TRUE(Remove(root, sub));
    EXPECT_EQ(Names(root), (QStringList{"a.tmp", "b.txt", "z.mp3"}));
}

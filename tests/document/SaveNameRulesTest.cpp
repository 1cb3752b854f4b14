// How Save and Save As choose a name.
#include "document/SaveNameRules.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SaveNameRules, DoubledEndingsAreCut)
{
    EXPECT_EQ(TrimDoubledExtension(QStringLiteral("/l/a.cte.cla")), QStringLiteral("/l/a.cte"));
    EXPECT_EQ(TrimDoubledExtension(QStringLiteral("/l/a.CLA.cla")), QStringLiteral("/l/a.CLA"));
    EXPECT_EQ(TrimDoubledExtension(QStringLiteral("/l/a.Cte.CLA")), QStringLiteral("/l/a.Cte"));
    EXPECT_EQ(TrimDoubledExtension(QStringLiteral("/l/a.cla")), QStringLiteral("/l/a.cla"));
    EXPECT_EQ(TrimDoubledExtension(QStringLiteral("/l/a.txt.cla")), QStringLiteral("/l/a.txt.cla"));
    EXPECT_EQ(TrimDoubledExtension(QStringLiteral(".cla")), QStringLiteral(".cla"));
}

TEST(SaveNameRules, ProposalFromTheTitle)
{
    EXPECT_EQ(ProposedSaveName(QStringLiteral("Untitled Label"), QStringLiteral("/h/")), QStringLiteral("/h/Labels/Untitled.cla"));
    EXPECT_EQ(ProposedSaveName(QStringLiteral("Mix#2"), QStringLiteral("/h")), QStringLiteral("/h/Labels/Mix.cla"));
    for (const char* title : {"a%b", "a;b", "a/b", "a\\b"})
        EXPECT_EQ(ProposedSaveName(QString::fromLatin1(title), QString()), QStringLiteral("a.cla")) << title;
    EXPECT_EQ(ProposedSaveName(QStringLiteral(" lead"), QString()), QStringLiteral(".cla"));
}

TEST(SaveNameRules, SaveAsksForANameWithoutAWritableFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.cla"));
    EXPECT_TRUE(SaveNeedsNewName(QString()));
    EXPECT_TRUE(SaveNeedsNewName(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(SaveNeedsNewName(path));
    // Whoever runs this, root included: the mode says read-only.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    EXPECT_TRUE(SaveNeedsNewName(path));
}

// ISO 9660 images read as drives: images built by xorriso from a known tree,
// in each naming flavour, and damaged images that must fail or stop cleanly.
#include "directory/IsoImageReader.h"

#include "AudioBytes.h"
#include "support/IsoImage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// Every file's path, size and, for the dated one, its time.
QStringList Listing(const CFileDirectory& directory, const QString& prefix = {})
{
    QStringList lines;
    for (const FileNodePtr& child : directory.Children()) {
        const QString path = prefix + child->GetName();
        if (child->IsFile())
            lines << QStringLiteral("%1 %2").arg(path).arg(static_cast<const CFileFile&>(*child).GetSize());
        else
            lines << path + QLatin1Char('/') << Listing(static_cast<const CFileDirectory&>(*child), path + '/');
    }
    lines.sort();
    return lines;
}

const CFileFile* FindFile(const CFileDirectory& directory, const QString& name)
{
    for (const FileNodePtr& child : directory.Children())
        if (child->IsFile() && child->GetName() == name)
            return static_cast<const CFileFile*>(child.get());
    return nullptr;
}

class IsoImage : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        QDir tree(s_dir->filePath(QStringLiteral("tree")));
        ASSERT_TRUE(tree.mkpath(QStringLiteral("Sub Folder/deeper")));
        Write(tree.filePath(QStringLiteral("Long File Name.txt")), 6);
        Write(tree.filePath(QStringLiteral("Sub Folder/Ünïcode name.dat")), 5000);
        Write(tree.filePath(QStringLiteral("Sub Folder/deeper/MixedCase.Txt")), 2);
        QFile dated(tree.filePath(QStringLiteral("Long File Name.txt")));
        ASSERT_TRUE(dated.open(QIODevice::ReadWrite));
        ASSERT_TRUE(dated.setFileTime(kDated, QFileDevice::FileModificationTime));
    }
    static void TearDownTestSuite() { delete s_dir; }

    static void Write(const QString& path, int bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(bytes, 'x'));
    }

    // An image of the tree with the names the flags ask for.
    static QString Build(const QString& name, const QStringList& naming, const QString& source = QStringLiteral("tree"))
    {
        const QString image = s_dir->filePath(name);
        if (!QFileInfo::exists(image)) {
            EXPECT_EQ(BuildIsoImage(image, s_dir->filePath(source), naming + QStringList{"-volid", "HOLIDAY_2026"}),
                      QString());
        }
        return image;
    }

    static inline const QDateTime kDated = QDateTime(QDate(2024, 3, 5), QTime(6, 7, 8), Qt::UTC);
    static inline QTemporaryDir* s_dir = nullptr;
};

const QStringList kLongNames = {
    QStringLiteral("Long File Name.txt 6"),         QStringLiteral("Sub Folder/"),
    QStringLiteral("Sub Folder/deeper/"),           QStringLiteral("Sub Folder/deeper/MixedCase.Txt 2"),
    QStringLiteral("Sub Folder/Ünïcode name.dat 5000"),
};

TEST_F(IsoImage, ReadsTheTreeWithTheBestNamesTheImageHas)
{
    struct Case
    {
        const char* image;
        QStringList naming;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {"rockridge.iso", {"-rockridge", "on", "-joliet", "off"}, kLongNames},
        {"joliet.iso", {"-rockridge", "off", "-joliet", "on"}, kLongNames},
        {"both.iso", {"-rockridge", "on", "-joliet", "on"}, kLongNames},
        {"plain.iso",
         {"-rockridge", "off", "-joliet", "off"},
         {"long_file_name.txt 6", "sub_folder/", "sub_folder/_n_code_name.dat 5000", "sub_folder/deeper/",
          "sub_folder/deeper/mixedcase.txt 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.image);
        const QString image = Build(QString::fromLatin1(c.image), c.naming);
        ASSERT_TRUE(IsIsoImage(image));
        const IsoImageTree tree = ReadIsoImage(image);
        ASSERT_TRUE(tree.ok) << tree.error.toStdString();
        EXPECT_EQ(tree.volumeLabel, QStringLiteral("HOLIDAY_2026"));
        EXPECT_EQ(tree.root->GetName(), tree.volumeLabel);
        EXPECT_EQ(tree.totalBytes, QFileInfo(image).size());
        EXPECT_EQ(tree.freeBytes, 0);
        EXPECT_FALSE(tree.truncated);
        EXPECT_EQ(Listing(*tree.root), c.expected);

        const CFileFile* dated = FindFile(*tree.root, c.expected.front().section(QLatin1Char(' '), 0, -2));
        ASSERT_NE(dated, nullptr);
        const quint64 ticks = quint64(quint32(dated->GetLastWriteHigh())) << 32 | quint32(dated->GetLastWriteLow());
        const QDateTime epoch(QDate(1601, 1, 1), QTime(0, 0), Qt::UTC);
        EXPECT_EQ(epoch.addMSecs(qint64(ticks / 10'000)), kDated);
    }
}

TEST_F(IsoImage, DepthZeroListsTheRootOnly)
{
    IsoReadLimits limits;
    limits.depth = 0;
    const IsoImageTree tree = ReadIsoImage(Build(QStringLiteral("rockridge.iso"), {"-rockridge", "on"}), limits);
    ASSERT_TRUE(tree.ok);
    EXPECT_EQ(Listing(*tree.root), (QStringList{QStringLiteral("Long File Name.txt 6"), QStringLiteral("Sub Folder/")}));
    EXPECT_FALSE(tree.truncated);
}

TEST_F(IsoImage, ANodeLimitCutsTheTreeAndSaysSo)
{
    IsoReadLimits limits;
    limits.maxNodes = 2;
    const IsoImageTree tree = ReadIsoImage(Build(QStringLiteral("rockridge.iso"), {"-rockridge", "on"}), limits);
    ASSERT_TRUE(tree.ok);
    EXPECT_TRUE(tree.truncated);
    EXPECT_LE(Listing(*tree.root).size(), 2);
}

TEST_F(IsoImage, AudioFilesGetTheirPlayingTimesAndTheImageASerial)
{
    const QDir audio(s_dir->filePath(QStringLiteral("audio")));
    ASSERT_TRUE(audio.mkpath(QStringLiteral(".")));
    const std::pair<const char*, QByteArray> files[] = {
        {"Track 1.wav", AudioBytes::Wave(3)}, {"Track 2.flac", AudioBytes::Flac(7)}, {"notes.txt", AudioBytes::Wave(5)}};
    for (const auto& [name, bytes] : files) {
        QFile file(audio.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QString image = Build(QStringLiteral("audio.iso"), {"-joliet", "on"}, QStringLiteral("audio"));
    const auto lengths = [&](bool readSongLengths) {
        IsoReadLimits limits;
        limits.readSongLengths = readSongLengths;
        const IsoImageTree tree = ReadIsoImage(image, limits);
        QStringList seen;
        for (const FileNodePtr& child : tree.root->Children())
            seen << child->GetName() + QLatin1Char(' ') + QString::number(static_cast<const CFileFile&>(*child).GetSongLength());
        seen.sort();
        return seen;
    };
    EXPECT_EQ(lengths(true), (QStringList{"Track 1.wav 3", "Track 2.flac 7", "notes.txt 0"}));
    EXPECT_EQ(lengths(false), (QStringList{"Track 1.wav 0", "Track 2.flac 0", "notes.txt 0"}));

    const quint32 serial = IsoVolumeSerial(image);
    EXPECT_NE(serial, 0u);
    EXPECT_EQ(IsoVolumeSerial(image), serial);
    EXPECT_NE(IsoVolumeSerial(Build(QStringLiteral("rockridge.iso"), {"-rockridge", "on"})), serial);
    EXPECT_EQ(IsoVolumeSerial(audio.filePath(QStringLiteral("notes.txt"))), 0u);
    EXPECT_EQ(IsoVolumeLabel(image), QStringLiteral("HOLIDAY_2026"));
}

TEST_F(IsoImage, DamagedImagesFailOrStopCleanly)
{
    const QString plain = Build(QStringLiteral("plain.iso"), {"-rockridge", "off", "-joliet", "off"});
    QFile source(plain);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();

    // A subfolder whose extent is the root's own: a loop.
    QByteArray loop = bytes;
    const qsizetype rootRecord = 16 * 2048 + 156; // in the primary volume descriptor
    const QByteArray rootExtent = bytes.mid(rootRecord + 2, 8);
    const qsizetype rootLsn = qFromLittleEndian<quint32>(rootExtent.constData());
    const qsizetype record = loop.indexOf("SUB_FOLDER", rootLsn * 2048) - 33;
    ASSERT_GT(record, rootLsn * 2048);
    loop.replace(record + 2, 8, rootExtent);

    // The root folder's last byte starts a record that runs past the folder.
    QByteArray overrun = bytes;
    overrun[rootLsn * 2048 + 2047] = char(48);

    const QStringList lines = {"not an image", "cut after descriptors", "loop", "overrun"};
    const std::vector<QByteArray> images = {QByteArray(40000, 'x'), bytes.left(19 * 2048), loop, overrun};
    for (size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE(lines[i].toStdString());
        const QString path = s_dir->filePath(QStringLiteral("damaged%1.iso").arg(i));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(images[i]);
        out.close();
        const IsoImageTree tree = ReadIsoImage(path);
        if (!tree.ok) {
            EXPECT_FALSE(tree.error.isEmpty());
            EXPECT_EQ(tree.root, nullptr);
        } else {
            EXPECT_LE(Listing(*tree.root).size(), 5);
        }
    }
    EXPECT_FALSE(ReadIsoImage(s_dir->filePath(QStringLiteral("damaged0.iso"))).ok);
    EXPECT_FALSE(ReadIsoImage(s_dir->filePath(QStringLiteral("missing.iso"))).ok);
    const IsoImageTree looped = ReadIsoImage(s_dir->filePath(QStringLiteral("damaged2.iso")));
    ASSERT_TRUE(looped.ok);
    EXPECT_TRUE(looped.truncated);
    const IsoImageTree overrunning = ReadIsoImage(s_dir->filePath(QStringLiteral("damaged3.iso")));
    ASSERT_TRUE(overrunning.ok);
    EXPECT_TRUE(overrunning.truncated);
    EXPECT_TRUE(overrunning.root->Children().empty());
}

} // namespace

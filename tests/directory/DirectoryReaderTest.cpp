// Reading real folders into trees: depth, sizes and times, links, FIFOs,
// folders that vanish, the node cap, cancelling, sorting.
#include "directory/CDirectoryBrowserCallback.h"
#include "directory/DirectoryReader.h"
#include "platform/RecordingPrompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

// Readable names in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// One line per node: files with their stored size, directories with '/'.
QStringList Outline(const CFileDirectory& directory, const QString& indent = {})
{
    QStringList lines;
    for (const FileNodePtr& child : directory.Children()) {
        if (child->IsFile()) {
            lines << indent + child->Name() + u' ' + QString::number(static_cast<const CFileFile&>(*child).GetSize());
        } else {
            lines << indent + child->Name() + u'/';
            lines << Outline(static_cast<const CFileDirectory&>(*child), indent + u' ');
        }
    }
    return lines;
}

const CFileInformation* Child(const CFileDirectory& directory, const QString& name)
{
    for (const FileNodePtr& child : directory.Children())
        if (child->Name() == name)
            return child.get();
    return nullptr;
}

class CRecordingCallback final : public CDirectoryBrowserCallback
{
public:
    std::function<void(const QString&)> onText;
    int cancelAfter = -1;
    QStringList texts;

    bool CancelRequested() const override { return cancelAfter >= 0 && texts.size() >= cancelAfter; }

protected:
    void Update() override
    {
        if (Text().isEmpty())
            return;
        texts << Text();
        if (onText)
            onText(Text());
    }
};

class DirectoryReader : public ::testing::Test
{
protected:
    QString Path(const QString& relative = {}) const { return m_dir.path() + u'/' + relative; }
    void MakeDir(const QString& relative) const { ASSERT_TRUE(QDir().mkpath(Path(relative))); }
    void MakeFile(const QString& relative, qint64 size = 0) const
    {
        QDir().mkpath(QFileInfo(Path(relative)).path());
        QFile file(Path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(size));
    }
    void Link(const QString& target, const QString& relative) const
    {
        ASSERT_EQ(symlink(QFile::encodeName(target).constData(), QFile::encodeName(Path(relative)).constData()), 0);
    }

    int Read(int depth, const QString& path)
    {
        CDirectoryReadRequest request;
        request.depth = depth;
        request.path = path;
        const int result = ReadDisk(request, m_disk);
        SortTree(m_disk.root);
        return result;
    }

    QTemporaryDir m_dir;
    CDiskInformation m_disk;
};

TEST_F(DirectoryReader, DepthLimitsTheLevelsBelowTheStart)
{
    MakeFile(QStringLiteral("top.txt"), 3);
    MakeFile(QStringLiteral("sub/mid.txt"), 5);
    MakeFile(QStringLiteral("sub/deep/low.txt"), 7);
    MakeDir(QStringLiteral("empty"));
    MakeFile(QStringLiteral(".hidden"), 1);

    const struct
    {
        int depth;
        QStringList outline;
    } cases[] = {
        {-1, {}},
        {0, {".hidden 1", "empty/", "sub/", "top.txt 3"}},
        {1, {".hidden 1", "empty/", "sub/", " deep/", " mid.txt 5", "top.txt 3"}},
        {999, {".hidden 1", "empty/", "sub/", " deep/", "  low.txt 7", " mid.txt 5", "top.txt 3"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(c.depth, m_dir.path()), ReadOk) << c.depth;
        EXPECT_EQ(Outline(m_disk.root), c.outline) << c.depth;
        EXPECT_GT(m_disk.totalSpace, 0);
        EXPECT_GE(m_disk.totalSpace, m_disk.freeSpace);
    }
}

TEST_F(DirectoryReader, FilesKeepSizeTimeAndNamesAsTheyAre)
{
    const QString name = QStringLiteral("Ünïcode name ♪.txt");
    MakeFile(name, 12);
    // 2020-01-01 00:00:00.5 UTC
    const timespec times[2] = {{1577836800, 500000000}, {1577836800, 500000000}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(Path(name)).constData(), times, 0), 0);
    // Sparse: 5 GiB on disk costs nothing.
    MakeFile(QStringLiteral("big.bin"), 5LL << 30);

    ASSERT_EQ(Read(0, m_dir.path()), ReadOk);
    const auto* file = static_cast<const CFileFile*>(Child(m_disk.root, name));
    ASSERT_TRUE(file);
    const qint64 ticks = (1577836800LL + 11644473600LL) * 10000000 + 5000000;
    EXPECT_EQ(file->GetLastWriteLow(), qint32(ticks));
    EXPECT_EQ(file->GetLastWriteHigh(), qint32(ticks >> 32));
    EXPECT_EQ(file->GetSize(), 12);

    const auto* big = static_cast<const CFileFile*>(Child(m_disk.root, QStringLiteral("big.bin")));
    ASSERT_TRUE(big);
    EXPECT_EQ(big->GetSize(), 1 << 30); // the low 32 bits of 5 GiB
    EXPECT_EQ(big->GetFullSize(), 5LL << 30);

    // The full size survives the file format; old files without the high
    // half read their size as unsigned.
    pugi::xml_document xml;
    m_disk.root.Store(xml);
    CFileDirectory loaded;
    loaded.Load(xml.child("DIRECTORY"));
    EXPECT_EQ(static_cast<const CFileFile*>(Child(loaded, QStringLiteral("big.bin")))->GetFullSize(), 5LL << 30);
    EXPECT_FALSE(xml.select_node("//FILE[FILENAME='top.txt']/FILESIZEHIGH"));
    CFileFile old;
    old.SetSize(qint32(3000000000u));
    EXPECT_EQ(old.GetFullSize(), 3000000000LL);
}

TEST_F(DirectoryReader, StartPathWithOrWithoutSlashGivesTheSamePaths)
{
    MakeFile(QStringLiteral("a/b.txt"));
    for (const QString& start : {m_dir.path(), m_dir.path() + u'/'}) {
        CRecordingCallback callback;
        CScopedProgressCallback installed(callback);
        EXPECT_EQ(Read(1, start), ReadOk);
        EXPECT_EQ(callback.texts, QStringList{Path(QStringLiteral("a/b.txt"))});
    }
    EXPECT_EQ(MakeRootPath(QStringLiteral("/media/disc")), QStringLiteral("/media/disc/"));
    EXPECT_EQ(MakeRootPath(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(MakeRootPath(QString()), QString());
}

TEST_F(DirectoryReader, FailuresOfTheStartAndOfTheSpaceQuery)
{
    EXPECT_EQ(Read(1, QString()), ReadEmptyPath);
    EXPECT_EQ(Read(1, Path(QStringLiteral("missing"))), ReadSpaceQueryFailed);
    EXPECT_TRUE(m_disk.root.Children().empty());
    EXPECT_EQ(m_disk.freeSpace, 0);
    EXPECT_EQ(m_disk.totalSpace, 0);

    // A plain file: the volume answers, the listing fails.
    MakeFile(QStringLiteral("plain"));
    CDirectoryReadRequest request;
    request.path = Path(QStringLiteral("plain"));
    EXPECT_EQ(ReadDisk(request, m_disk), ReadUnlistable);
    EXPECT_GT(m_disk.totalSpace, 0);
}

TEST_F(DirectoryReader, VanishedSubfolderStaysEmptyAndTheWalkGoesOn)
{
    MakeFile(QStringLiteral("one/f1"));
    MakeFile(QStringLiteral("two/f2"));
    // Whichever folder is visited first removes the other one.
    CRecordingCallback callback;
    callback.onText = [this](const QString& path) {
        const QString other = path.contains(QStringLiteral("/one/")) ? QStringLiteral("two") : QStringLiteral("one");
        QDir(Path(other)).removeRecursively();
    };
    CScopedProgressCallback installed(callback);
    EXPECT_EQ(Read(5, m_dir.path()), ReadOk);
    EXPECT_EQ(m_disk.unlistedDirectories, 1);
    const QStringList outline = Outline(m_disk.root);
    EXPECT_TRUE(outline == (QStringList{"one/", " f1 0", "two/"}) || outline == (QStringList{"one/", "two/", " f2 0"}))
        << outline.join(u'|').toStdString();
}

TEST_F(DirectoryReader, LinksAreListedNeverFollowedAndNothingSpecialIsOpened)
{
    MakeFile(QStringLiteral("d/f.txt"), 4);
    Link(QStringLiteral(".."), QStringLiteral("d/up"));       // a loop
    Link(QStringLiteral("d"), QStringLiteral("toDir"));
    Link(QStringLiteral("d/f.txt"), QStringLiteral("toFile.txt"));
    Link(QStringLiteral("nowhere"), QStringLiteral("broken"));
    Link(QStringLiteral("/dev/zero"), QStringLiteral("zero.mp3")); // a device with an audio name
    ASSERT_EQ(mkfifo(QFile::encodeName(Path(QStringLiteral("pipe.wav"))).constData(), 0600), 0);

    CRecordingPrompter prompter;
    ASSERT_EQ(Read(999, m_dir.path()), ReadOk);
    const QStringList outline = Outline(m_disk.root);
    EXPECT_TRUE(outline.contains(QStringLiteral(" up/")));
    EXPECT_TRUE(outline.contains(QStringLiteral("toDir/")));
    EXPECT_TRUE(outline.contains(QStringLiteral("toFile.txt 4")));
    EXPECT_TRUE(outline.contains(QStringLiteral("pipe.wav 0")));
    EXPECT_TRUE(outline.contains(QStringLiteral("zero.mp3 0")));
    EXPECT_TRUE(Child(m_disk.root, QStringLiteral("broken")));
    EXPECT_EQ(outline.size(), 8);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(DirectoryReader, NodeCapStopsTheReadWithAMessage)
{
    for (int i = 0; i < 10; ++i)
        MakeFile(QStringLiteral("f%1").arg(i));
    CRecordingPrompter prompter;
    CDirectoryReadRequest request;
    request.path = m_dir.path();
    request.nodeLimit = 4;
    EXPECT_EQ(ReadDisk(request, m_disk), ReadOk);
    EXPECT_EQ(m_disk.root.Children().size(), 4u);
    EXPECT_TRUE(m_disk.truncated);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("only the first 4")));

    request.nodeLimit = -1;
    EXPECT_EQ(request.EffectiveNodeLimit(), CDirectoryReadRequest::kNodeCap);
    EXPECT_EQ(ReadDisk(request, m_disk), ReadOk);
    EXPECT_EQ(m_disk.root.Children().size(), 10u);
    EXPECT_FALSE(m_disk.truncated);
}

TEST_F(DirectoryReader, CallbackCanCancel)
{
    for (int i = 0; i < 10; ++i)
        MakeFile(QStringLiteral("f%1").arg(i));
    CRecordingCallback callback;
    callback.cancelAfter = 3;
    CScopedProgressCallback installed(callback);
    EXPECT_EQ(Read(1, m_dir.path()), ReadCancelled);
    EXPECT_EQ(callback.texts.size(), 3);
}

TEST(DirectorySort, NamesCaseInsensitiveFilesAndFoldersTogether)
{
    CFileDirectory root;
    root.AddFile(QStringLiteral("c.txt"));
    root.AddDirectory(QStringLiteral("B"))->AddFile(QStringLiteral("z"));
    root.AddFile(QStringLiteral("X"));
    root.AddFile(QStringLiteral("a.mp3"));
    root.AddFile(QStringLiteral("x"));
    CFileDirectory* b = static_cast<CFileDirectory*>(root.Children()[1].get());
    b->AddFile(QStringLiteral("Y"));
    SortTree(root);
    EXPECT_EQ(Outline(root), (QStringList{"a.mp3 0", "B/", " Y 0", " z 0", "c.txt 0", "X 0", "x 0"}));
}

} // namespace

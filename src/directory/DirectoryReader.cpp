#include "directory/DirectoryReader.h"

#include "directory/CDirectoryBrowserCallback.h"
#include "directory/CExtendedFileDetails.h"
#include "platform/Prompter.h"

#include <QFile>

#include <algorithm>
#include <climits>
#include <new>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace {

constexpr qint64 kTicksPerSecond = 10000000;
constexpr qint64 kSecondsFrom1601To1970 = 11644473600LL;

qint64 TicksSince1601(const timespec& t)
{
    return (qint64(t.tv_sec) + kSecondsFrom1601To1970) * kTicksPerSecond + t.tv_nsec / 100;
}

enum class EntryKind : unsigned char { File, Directory, LinkedDirectory };

struct Entry
{
    QByteArray name;
    EntryKind kind = EntryKind::File;
    bool regular = false; // only regular files are ever opened
    qint64 size = 0;
    qint64 ticks = 0;
};

// Stats everything while the directory is open, so that each entry costs one
// call relative to it. Entries that vanish meanwhile are left out.
bool ListDirectory(const QByteArray& path, std::vector<Entry>& entries)
{
    DIR* dir = opendir(path.constData());
    if (!dir)
        return false;
    const int fd = dirfd(dir);
    while (const dirent* item = readdir(dir)) {
        const char* name = item->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        Entry entry;
        entry.name = QByteArray(name);
        if (item->d_type == DT_DIR) {
            entry.kind = EntryKind::Directory;
            entries.push_back(std::move(entry));
            continue;
        }
        struct stat st;
        if (fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISLNK(st.st_mode)) {
            struct stat target;
            if (fstatat(fd, name, &target, 0) == 0) {
                if (S_ISDIR(target.st_mode))
                    entry.kind = EntryKind::LinkedDirectory;
                else
                    st = target;
            }
        } else if (S_ISDIR(st.st_mode)) {
            entry.kind = EntryKind::Directory;
        }
        if (entry.kind == EntryKind::File) {
            entry.regular = S_ISREG(st.st_mode);
            entry.size = st.st_size;
            entry.ticks = TicksSince1601(st.st_mtim);
        }
        entries.push_back(std::move(entry));
    }
    closedir(dir);
    return true;
}

class CTreeWalk
{
public:
    CTreeWalk(const CDirectoryReadRequest& request, CDiskInformation& disk)
        : m_request(request)
        , m_disk(disk)
        , m_limit(request.EffectiveNodeLimit())
        , m_callback(CurrentProgressCallback())
    {
    }

    int Run()
    {
        if (m_request.depth < 0)
            return ReadOk;
        Frame start{&m_disk.root, QFile::encodeName(MakeRootPath(m_request.path)), {}, m_request.depth, {}, 0};
        start.pathText = QFile::decodeName(start.path);
        if (m_request.path.isEmpty() || !ListDirectory(start.path, start.entries))
            return ReadUnlistable;
        m_stack.push_back(std::move(start));
        while (!m_stack.empty()) {
            if (m_stack.back().next == m_stack.back().entries.size()) {
                m_stack.pop_back();
                continue;
            }
            if (m_nodes >= m_limit) {
                m_disk.truncated = true;
                return ReadOk;
            }
            ++m_nodes;
            Visit();
            if (m_callback.CancelRequested())
                return ReadCancelled;
        }
        return ReadOk;
    }

private:
    struct Frame
    {
        CFileDirectory* node;
        QByteArray path;  // with a trailing '/'
        QString pathText; // the same, for the progress text and the readers
        int depth;
        std::vector<Entry> entries;
        size_t next;
    };

    void Visit()
    {
        Frame& frame = m_stack.back();
        const Entry& entry = frame.entries[frame.next++];
        const QString name = QFile::decodeName(entry.name);
        if (entry.kind == EntryKind::File) {
            CFileFile* file = frame.node->AddFile(name);
            file->SetFullSize(entry.size);
            file->SetLastWriteTime(qint32(entry.ticks), qint32(entry.ticks >> 32));
            const QString fullPath = frame.pathText + name;
            m_callback.SetText(fullPath);
            if (m_request.readSongLengths && entry.regular)
                file->SetSongLength(CExtendedFileDetailsFactory::SongLength(fullPath));
            return;
        }
        CFileDirectory* directory = frame.node->AddDirectory(name);
        if (entry.kind != EntryKind::Directory || frame.depth == 0)
            return;
        Frame child{directory, frame.path + entry.name + '/', frame.pathText + name + u'/', frame.depth - 1, {}, 0};
        if (ListDirectory(child.path, child.entries))
            m_stack.push_back(std::move(child));
        else
            ++m_disk.unlistedDirectories;
    }

    const CDirectoryReadRequest& m_request;
    CDiskInformation& m_disk;
    const int m_limit;
    CDirectoryBrowserCallback& m_callback;
    std::vector<Frame> m_stack;
    int m_nodes = 0;
};

int KbClamped(unsigned long long blocks, unsigned long long blockSize)
{
    const unsigned __int128 kb = static_cast<unsigned __int128>(blocks) * blockSize / 1024;
    return kb > INT_MAX ? INT_MAX : int(kb);
}

} // namespace

void CDiskInformation::Clear()
{
    root.ClearChildren();
    freeSpace = 0;
    totalSpace = 0;
    unlistedDirectories = 0;
    truncated = false;
}

int ReadDisk(const CDirectoryReadRequest& request, CDiskInformation& disk)
{
    disk.Clear();
    int spaceResult = ReadEmptyPath;
    if (!request.path.isEmpty()) {
        const CSpaceQuery space = QuerySpace(request.path);
        spaceResult = space.result;
        disk.freeSpace = space.freeKb;
        disk.totalSpace = space.totalKb;
    }
    const int treeResult = ReadTree(request, disk);
    return spaceResult != ReadOk ? spaceResult : treeResult;
}

CSpaceQuery QuerySpace(const QString& path)
{
    CSpaceQuery query;
    struct statvfs fs;
    if (path.isEmpty() || statvfs(QFile::encodeName(path).constData(), &fs) != 0)
        return query;
    const unsigned long long blockSize = fs.f_frsize ? fs.f_frsize : fs.f_bsize;
    query.result = ReadOk;
    query.freeKb = KbClamped(fs.f_bfree, blockSize);
    query.totalKb = KbClamped(fs.f_blocks, blockSize);
    return query;
}

int ReadTree(const CDirectoryReadRequest& request, CDiskInformation& disk)
{
    disk.root.ClearChildren();
    disk.unlistedDirectories = 0;
    disk.truncated = false;
    int result = ReadOk;
    try {
        result = CTreeWalk(request, disk).Run();
    } catch (const std::bad_alloc&) {
        result = ReadOutOfMemory;
    }
    if (disk.truncated)
        Prompter().ShowMessage(QStringLiteral("%1 holds more than %2 files and folders; only the first %2 were read.")
                                   .arg(request.path)
                                   .arg(request.EffectiveNodeLimit()),
                               CPrompter::Icon::Warning);
    return result;
}

void SortTree(CFileDirectory& directory)
{
    std::vector<CFileDirectory*> pending{&directory};
    while (!pending.empty()) {
        CFileDirectory* current = pending.back();
        pending.pop_back();
        auto& children = current->Children();
        std::stable_sort(children.begin(), children.end(), [](const FileNodePtr& a, const FileNodePtr& b) {
            return a->Name().compare(b->Name(), Qt::CaseInsensitive) < 0;
        });
        for (const FileNodePtr& child : children)
            if (!child->IsFile())
                pending.push_back(static_cast<CFileDirectory*>(child.get()));
    }
}

QString MakeRootPath(const QString& drive)
{
    if (drive.isEmpty() || drive.endsWith(u'/'))
        return drive;
    return drive + u'/';
}

#include "directory/IsoImageReader.h"

#include "directory/CExtendedFileDetails.h"
#include "directory/FileRangeDevice.h"

#include <QFile>
#include <QFileInfo>

#include <cdio/iso9660.h>
#include <cdio/memory.h>

#include <cstring>
#include <ctime>
#include <set>
#include <vector>

namespace {

// Where the primary volume descriptor starts and what it says there.
constexpr qint64 kDescriptorOffset = 16 * 2048 + 1;
constexpr char kStandardId[] = "CD001";
constexpr qint64 kSecondsFrom1601To1970 = 11644473600;

struct IsoCloser
{
    void operator()(iso9660_t* iso) const { iso9660_close(iso); }
};
using IsoHandle = std::unique_ptr<iso9660_t, IsoCloser>;

struct StatFree
{
    void operator()(iso9660_stat_t* stat) const { iso9660_stat_free(stat); }
};
using StatHandle = std::unique_ptr<iso9660_stat_t, StatFree>;

struct ListFree
{
    void operator()(CdioISO9660FileList_t* list) const { iso9660_filelist_free(list); }
};
using ListHandle = std::unique_ptr<CdioISO9660FileList_t, ListFree>;

// The entries of a directory record's name as shown: Rock Ridge and Joliet
// names come as they are; plain 8.3 names lose their ";1" version.
QString ShownName(const iso9660_stat_t& entry, bool plainNames)
{
    if (!plainNames)
        return QString::fromUtf8(entry.filename);
    std::vector<char> translated(std::strlen(entry.filename) + 1);
    iso9660_name_translate_ext(entry.filename, translated.data(), 0);
    return QString::fromUtf8(translated.data());
}

void SetTime(CFileFile& file, const struct tm& recorded)
{
    struct tm copy = recorded;
    const qint64 seconds = qint64(timegm(&copy));
    const quint64 ticks = quint64(seconds + kSecondsFrom1601To1970) * 10'000'000u;
    file.SetLastWriteTime(qint32(quint32(ticks & 0xffffffffu)), qint32(quint32(ticks >> 32)));
}

class CIsoWalk
{
public:
    CIsoWalk(iso9660_t* iso, const IsoReadLimits& limits, QFile& image, bool plainNames, lsn_t root)
        : m_iso(iso), m_limits(limits), m_image(image), m_imageBytes(image.size()), m_plainNames(plainNames), m_seen{root}
    {
    }

    bool truncated = false;

    // Reads the directory at path into into; level counts from the root's
    // entries (0).
    void Read(const QByteArray& path, CFileDirectory& into, int level)
    {
        ListHandle list(iso9660_ifs_readdir(m_iso, path.constData()));
        if (!list)
            return;
        struct Pending
        {
            QByteArray path;
            CFileDirectory* node;
        };
        std::vector<Pending> subdirectories;
        CdioListNode_t* node = nullptr;
        _CDIO_LIST_FOREACH (node, list.get()) {
            const auto* entry = static_cast<const iso9660_stat_t*>(_cdio_list_node_data(node));
            const QByteArray raw(entry->filename);
            if (raw.isEmpty() || raw == "." || raw == "..")
                continue;
            if (++m_nodes > m_limits.maxNodes) {
                truncated = true;
                return;
            }
            const QString name = ShownName(*entry, m_plainNames);
            if (entry->type == iso9660_stat_s::_STAT_DIR) {
                CFileDirectory* sub = into.AddDirectory(name);
                if (Descendable(*entry, raw, level))
                    subdirectories.push_back({path + raw + '/', sub});
                continue;
            }
            CFileFile* file = into.AddFile(name);
            file->SetSize(qint32(entry->size));
            SetTime(*file, entry->tm);
            if (m_limits.readSongLengths && CExtendedFileDetailsFactory::HasReader(name)) {
                CFileRangeDevice stored(m_image, qint64(entry->lsn) * ISO_BLOCKSIZE, entry->size);
                file->SetSongLength(CExtendedFileDetailsFactory::SongLength(name, stored));
            }
        }
        for (const Pending& sub : subdirectories)
            Read(sub.path, *sub.node, level + 1);
    }

private:
    // Whether a subdirectory's entries are wanted and safe to read: within
    // the depth asked for and the image, not seen before (a loop), of a
    // sane size, and reachable by its name.
    bool Descendable(const iso9660_stat_t& entry, const QByteArray& raw, int level)
    {
        if (level >= m_limits.depth)
            return false;
        if (level + 1 >= m_limits.maxLevels || entry.size > m_limits.maxDirectoryBytes ||
            qint64(entry.lsn) * ISO_BLOCKSIZE + entry.size > m_imageBytes || !m_seen.insert(entry.lsn).second) {
            truncated = true;
            return false;
        }
        return !raw.contains('/');
    }

    iso9660_t* m_iso;
    const IsoReadLimits& m_limits;
    QFile& m_image;
    qint64 m_imageBytes;
    bool m_plainNames;
    int m_nodes = 0;
    std::set<lsn_t> m_seen;
};

bool RootHasRockRidge(iso9660_t* iso, qint64 maxDirectoryBytes)
{
    // The library allocates a folder's whole recorded size before reading
    // it: a damaged root record must not decide how much that is.
    StatHandle root(iso9660_ifs_stat(iso, "/"));
    if (!root || root->size > maxDirectoryBytes)
        return false;
    ListHandle list(iso9660_ifs_readdir(iso, "/"));
    if (!list)
        return false;
    CdioListNode_t* node = nullptr;
    _CDIO_LIST_FOREACH (node, list.get()) {
        if (static_cast<const iso9660_stat_t*>(_cdio_list_node_data(node))->rr.b3_rock == yep)
            return true;
    }
    return false;
}

// Images with Rock Ridge keep it in the primary tree; Joliet names live in
// a tree of their own. The first that gives names wins.
IsoHandle OpenWithBestNames(const QByteArray& path, qint64 maxDirectoryBytes, bool* plainNames)
{
    *plainNames = false;
    IsoHandle rockRidge(iso9660_open_ext(path.constData(), ISO_EXTENSION_ROCK_RIDGE));
    if (!rockRidge || RootHasRockRidge(rockRidge.get(), maxDirectoryBytes))
        return rockRidge;
    IsoHandle joliet(iso9660_open_ext(path.constData(), ISO_EXTENSION_JOLIET_LEVEL1 | ISO_EXTENSION_JOLIET_LEVEL2 |
                                                            ISO_EXTENSION_JOLIET_LEVEL3));
    if (joliet && iso9660_ifs_get_joliet_level(joliet.get()) > 0)
        return joliet;
    *plainNames = true;
    return rockRidge;
}

QString VolumeLabel(iso9660_t* iso)
{
    cdio_utf8_t* id = nullptr;
    if (!iso9660_ifs_get_volume_id(iso, &id) || !id)
        return {};
    const QString label = QString::fromUtf8(id).trimmed();
    cdio_free(id);
    return label;
}

} // namespace

bool IsIsoImage(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || !file.seek(kDescriptorOffset))
        return false;
    return file.read(5) == QByteArray(kStandardId);
}

quint32 IsoVolumeSerial(const QString& path)
{
    if (!IsIsoImage(path))
        return 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(kDescriptorOffset - 1))
        return 0;
    const QByteArray descriptor = file.read(ISO_BLOCKSIZE);
    // FNV-1a: stable across runs, unlike the hashes Qt seeds per process.
    quint32 hash = 2166136261u;
    for (const char byte : descriptor)
        hash = (hash ^ quint8(byte)) * 16777619u;
    return hash ? hash : 1;
}

QString IsoVolumeLabel(const QString& path)
{
    if (!IsIsoImage(path))
        return {};
    IsoHandle iso(iso9660_open_ext(QFile::encodeName(path).constData(), ISO_EXTENSION_JOLIET_LEVEL1 |
                                                                         ISO_EXTENSION_JOLIET_LEVEL2 |
                                                                         ISO_EXTENSION_JOLIET_LEVEL3));
    return iso ? VolumeLabel(iso.get()) : QString();
}

IsoImageTree ReadIsoImage(const QString& path, const IsoReadLimits& limits)
{
    IsoImageTree result;
    if (!IsIsoImage(path)) {
        result.error = QStringLiteral("%1 is not an ISO 9660 disc image.").arg(path);
        return result;
    }
    bool plainNames = true;
    const QByteArray localPath = QFile::encodeName(path);
    IsoHandle iso = OpenWithBestNames(localPath, limits.maxDirectoryBytes, &plainNames);
    StatHandle rootStat(iso ? iso9660_ifs_stat(iso.get(), "/") : nullptr);
    if (!rootStat || rootStat->type != iso9660_stat_s::_STAT_DIR) {
        result.error = QStringLiteral("The disc image %1 is damaged: its root folder cannot be read.").arg(path);
        return result;
    }
    QFile image(path);
    if (!image.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("The disc image %1 cannot be opened: %2").arg(path, image.errorString());
        return result;
    }
    result.totalBytes = image.size();
    result.volumeLabel = VolumeLabel(iso.get());
    result.root = std::make_unique<CFileDirectory>(result.volumeLabel);
    CIsoWalk walk(iso.get(), limits, image, plainNames, rootStat->lsn);
    if (rootStat->size <= limits.maxDirectoryBytes)
        walk.Read("/", *result.root, 0);
    else
        walk.truncated = true;
    result.truncated = walk.truncated;
    result.ok = true;
    return result;
}

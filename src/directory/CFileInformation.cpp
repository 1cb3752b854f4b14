#include "directory/CFileInformation.h"

#include "base/XmlValues.h"

#include <utility>

namespace {
int g_liveFiles = 0;
int g_liveDirectories = 0;

void StoreFile(pugi::xml_node children, const CFileFile& file)
{
    pugi::xml_node element = children.append_child("FILE");
    WriteString(element, "FILENAME", file.GetName());
    WriteInt(element, "FILESIZE", file.GetSize());
    // Readers that do not know the high half still find the low one; it is
    // written only for files of 4 GB or more.
    if (const qint32 high = qint32(file.GetFullSize() >> 32))
        WriteInt(element, "FILESIZEHIGH", high);
    WriteInt64Pair(element, "LASTWRITETIME", file.GetLastWriteLow(), file.GetLastWriteHigh());
    WriteInt(element, "SONGLENGTHINSECONDS", file.GetSongLength());
}

void LoadFile(pugi::xml_node element, CFileFile& file)
{
    QString name;
    ReadString(element, "FILENAME", name);
    file.SetName(name);
    int size = 0;
    ReadInt(element, "FILESIZE", size);
    int sizeHigh = 0;
    ReadInt(element, "FILESIZEHIGH", sizeHigh);
    file.SetFullSize(qint64(quint64(quint32(sizeHigh)) << 32 | quint32(size)));
    qint32 low = 0;
    qint32 high = 0;
    ReadInt64Pair(element, "LASTWRITETIME", low, high);
    file.SetLastWriteTime(low, high);
    int seconds = 0;
    ReadInt(element, "SONGLENGTHINSECONDS", seconds);
    file.SetSongLength(seconds);
}
} // namespace

CFileFile::CFileFile(QString name) : CFileInformation(std::move(name))
{
    ++g_liveFiles;
}

CFileFile::~CFileFile()
{
    --g_liveFiles;
}

void CFileFile::SetSize(qint32 size)
{
    m_size = size;
    m_fullSize = quint32(size);
}

void CFileFile::SetFullSize(qint64 size)
{
    m_size = qint32(quint32(quint64(size)));
    m_fullSize = size;
}

void CFileFile::SetLastWriteTime(qint32 low, qint32 high)
{
    m_lastWriteLow = low;
    m_lastWriteHigh = high;
}

void CFileFile::CopyFromFile(const CFileFile& other)
{
    CopyFrom(other);
    m_size = other.m_size;
    m_fullSize = other.m_fullSize;
    m_lastWriteLow = other.m_lastWriteLow;
    m_lastWriteHigh = other.m_lastWriteHigh;
    m_songLength = other.m_songLength;
}

int CFileFile::LiveCount()
{
    return g_liveFiles;
}

CFileDirectory::CFileDirectory(QString name) : CFileInformation(std::move(name))
{
    ++g_liveDirectories;
}

CFileDirectory::~CFileDirectory()
{
    ClearChildren();
    --g_liveDirectories;
}

int CFileDirectory::LiveCount()
{
    return g_liveDirectories;
}

CFileFile* CFileDirectory::AddFile(const QString& name)
{
    auto file = std::make_unique<CFileFile>(name);
    CFileFile* raw = file.get();
    m_children.push_back(std::move(file));
    return raw;
}

CFileDirectory* CFileDirectory::AddDirectory(const QString& name)
{
    auto directory = std::make_unique<CFileDirectory>(name);
    CFileDirectory* raw = directory.get();
    m_children.push_back(std::move(directory));
    return raw;
}

void CFileDirectory::ClearChildren()
{
    // Each node is emptied before it dies, so no destructor recurses.
    std::vector<FileNodePtr> pending = std::exchange(m_children, {});
    while (!pending.empty()) {
        FileNodePtr node = std::move(pending.back());
        pending.pop_back();
        if (!node->IsFile()) {
            auto& children = static_cast<CFileDirectory&>(*node).m_children;
            for (FileNodePtr& child : children)
                pending.push_back(std::move(child));
            children.clear();
        }
    }
}

void CFileDirectory::DeepCopyFrom(const CFileDirectory& source)
{
    if (&source == this)
        return;
    ClearChildren();
    CopyFrom(source);
    std::vector<std::pair<const CFileDirectory*, CFileDirectory*>> pending{{&source, this}};
    while (!pending.empty()) {
        const auto [from, to] = pending.back();
        pending.pop_back();
        to->m_children.reserve(from->m_children.size());
        for (const FileNodePtr& child : from->m_children) {
            if (child->IsFile()) {
                to->AddFile({})->CopyFromFile(static_cast<const CFileFile&>(*child));
            } else {
                CFileDirectory* copy = to->AddDirectory(child->GetName());
                pending.emplace_back(static_cast<const CFileDirectory*>(child.get()), copy);
            }
        }
    }
}

void CFileDirectory::Store(pugi::xml_node parent) const
{
    // Each directory's element is appended in place first and filled later,
    // so the document order is the list order without recursion.
    std::vector<std::pair<const CFileDirectory*, pugi::xml_node>> pending{{this, parent.append_child("DIRECTORY")}};
    while (!pending.empty()) {
        auto [directory, element] = pending.back();
        pending.pop_back();
        WriteString(element, "FILENAME", directory->GetName());
        pugi::xml_node children = element.append_child("CHILDREN");
        for (const FileNodePtr& child : directory->m_children) {
            if (child->IsFile())
                StoreFile(children, static_cast<const CFileFile&>(*child));
            else
                pending.emplace_back(static_cast<const CFileDirectory*>(child.get()), children.append_child("DIRECTORY"));
        }
    }
}

void CFileDirectory::Load(pugi::xml_node directoryElement)
{
    struct Pending
    {
        CFileDirectory* directory;
        pugi::xml_node element;
        int depth;
    };
    std::vector<Pending> pending{{this, directoryElement, 0}};
    while (!pending.empty()) {
        const Pending item = pending.back();
        pending.pop_back();
        for (pugi::xml_node child = item.element.child("CHILDREN").first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element)
                continue;
            const std::string_view tag = child.name();
            if (tag == "FILE") {
                LoadFile(child, *item.directory->AddFile({}));
            } else if (tag == "DIRECTORY") {
                QString name;
                ReadString(child, "FILENAME", name);
                CFileDirectory* directory = item.directory->AddDirectory(name);
                if (item.depth < kMaxLoadDepth)
                    pending.push_back({directory, child, item.depth + 1});
            }
        }
    }
}

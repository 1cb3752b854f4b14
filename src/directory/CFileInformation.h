#pragma once
// The nodes of a directory tree: directories own their children, files carry
// size, last-write time and song length. Trees can be arbitrarily deep, so
// copying, destroying and the XML encoding never recurse.
#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

#include <pugixml.hpp>

class CFileInformation
{
public:
    explicit CFileInformation(QString name = {}) : m_name(std::move(name)) {}
    virtual ~CFileInformation() = default;

    CFileInformation(const CFileInformation&) = delete;
    CFileInformation& operator=(const CFileInformation&) = delete;

    // Layout scratch of the directory segment; never stored, never copied.
    void SetMark(int mark) { m_mark = mark; }
    int GetMark() const { return m_mark; }
    QString GetName() const { return m_name; }
    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    virtual bool IsFile() const = 0;
    virtual void CopyFrom(const CFileInformation& other) { m_name = other.m_name; }

private:
    QString m_name;
    int m_mark = 0;
};

using FileNodePtr = std::unique_ptr<CFileInformation>;

class CFileFile final : public CFileInformation
{
public:
    explicit CFileFile(QString name = {});
    ~CFileFile() override;

    bool IsFile() const override { return true; }

    int GetSongLength() const { return m_songLength; }
    void SetSongLength(int seconds) { m_songLength = seconds; }
    // The stored size: the low 32 bits of the file's size.
    qint32 GetSize() const { return m_size; }
    // Sets the stored size; the full size becomes its unsigned reading.
    void SetSize(qint32 size);
    // The whole size, kept beside the stored one so that files of 4 GB or
    // more are shown with their real size.
    qint64 GetFullSize() const { return m_fullSize; }
    void SetFullSize(qint64 size);
    // The two halves of a 100 ns tick count since 1601-01-01 UTC.
    qint32 GetLastWriteLow() const { return m_lastWriteLow; }
    qint32 GetLastWriteHigh() const { return m_lastWriteHigh; }
    void SetLastWriteTime(qint32 low, qint32 high);
    void CopyFromFile(const CFileFile& other);

    // Number of CFileFile objects alive (the directory walk's node limit).
    static int LiveCount();

private:
    int m_songLength = 0;
    qint32 m_size = 0;
    qint64 m_fullSize = 0;
    qint32 m_lastWriteLow = 0;
    qint32 m_lastWriteHigh = 0;
};

class CFileDirectory final : public CFileInformation
{
public:
    explicit CFileDirectory(QString name = {});
    ~CFileDirectory() override;

    bool IsFile() const override { return false; }

    const std::vector<FileNodePtr>& Children() const { return m_children; }
    std::vector<FileNodePtr>& Children() { return m_children; }
    CFileFile* AddFile(const QString& name);
    CFileDirectory* AddDirectory(const QString& name);
    void ClearChildren();

    // Drops the own children, takes the source's name and a copy of its
    // whole subtree (marks are not copied).
    void DeepCopyFrom(const CFileDirectory& source);

    // Appends this directory's DIRECTORY element (name and subtree) to parent.
    void Store(pugi::xml_node parent) const;
    // Reads the children from a DIRECTORY element; the own name is left as
    // is. Levels deeper than kMaxLoadDepth below this one are not read.
    void Load(pugi::xml_node directoryElement);

    // No real path gets deeper: a path of 4096 bytes holds at most 2048 levels.
    static constexpr int kMaxLoadDepth = 2048;

    // Number of CFileDirectory objects alive (the directory walk's node limit).
    static int LiveCount();

private:
    std::vector<FileNodePtr> m_children;
};

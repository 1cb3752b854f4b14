#pragma once
// Reading a drive or folder into a directory tree with sizes, last-write
// times and song lengths, and the free and total space of its volume.
#include "directory/CFileInformation.h"

#include <QString>

#include <algorithm>

enum DirectoryReadResult : int
{
    ReadOk = 0,
    ReadUnlistable = 1,  // the start directory could not be listed
    ReadEmptyPath = 2,
    ReadOutOfMemory = 3,
    ReadSpaceQueryFailed = 4,
    ReadCancelled = 5,   // the progress callback asked to stop
    ReadNotMounted = 6,  // a drive's device node with no file system mounted from it
};

struct CDiskInformation
{
    CFileDirectory root;
    int freeSpace = 0;  // KB
    int totalSpace = 0; // KB
    // Subdirectories that could not be listed; they stay in the tree, empty.
    int unlistedDirectories = 0;
    // The read stopped at the node cap; the tree holds what was read so far.
    bool truncated = false;

    void Clear();
};

struct CDirectoryReadRequest
{
    // Levels of subdirectories listed below the start directory: 0 lists only
    // its own entries (subdirectories stay empty); -1 reads nothing.
    int depth = 1;
    // Most nodes one read creates; above kNodeCap or negative means the cap.
    int nodeLimit = kNodeCap;
    QString path;
    // Off: song lengths are not computed (files are never opened).
    bool readSongLengths = true;

    // Protects memory on huge volumes: about 100 MB of nodes.
    static constexpr int kNodeCap = 1000000;

    int EffectiveNodeLimit() const { return nodeLimit < 0 ? kNodeCap : std::min(nodeLimit, kNodeCap); }
};

struct CSpaceQuery
{
    int result = ReadSpaceQueryFailed;
    int freeKb = 0;
    int totalKb = 0;
};

// Clears disk, queries the space of the request's path, then reads the tree
// (even when the space query failed). Returns the space query's code when it
// failed, else the tree read's code.
int ReadDisk(const CDirectoryReadRequest& request, CDiskInformation& disk);
// Free and total space of the volume holding path, in KB (at most INT_MAX).
CSpaceQuery QuerySpace(const QString& path);
// Replaces the root's children with the tree read from the request's path.
// Reaching the node limit stops the read with a message through the prompter.
int ReadTree(const CDirectoryReadRequest& request, CDiskInformation& disk);
// Every directory's children by name, case-insensitively and stably;
// files and directories together.
void SortTree(CFileDirectory& directory);
// A non-empty text gets a trailing '/' when it has none.
QString MakeRootPath(const QString& drive);

#pragma once
// The headless read-dir mode's work on a loaded label: read a folder into
// one directory record, as Read Drive does.
#include <QString>

#include <optional>

class CCovermintDoc;

struct CReadDirRequest
{
    QString folder;
    // The record's segment name; the unnamed record when not given.
    std::optional<QString> segment;
    // Levels below the folder; the label's own depth when not given.
    std::optional<int> depth;
};

// Empty on success, else the reason (the label is then unchanged).
QString ReadDirIntoLabel(CCovermintDoc& document, const CReadDirRequest& request);

#pragma once
// What directory segments need from the label that holds them. The document
// implements it beside the engine's ILabelDocument, so the drawing layer
// never meets a directory type.
#include <QString>

class CDrawingEngine;
class CFileDirectory;
struct CDirectoryDisplaySettings;

class IDirectoryData
{
public:
    virtual ~IDirectoryData() = default;
    // The tree of the first record with that segment name, or none.
    virtual const CFileDirectory* TreeOfSegment(const QString& segmentName) const = 0;
    virtual const CDirectoryDisplaySettings& DirectoryDisplay() const = 0;
};

// The directory data of the engine's document; none without one.
const IDirectoryData* DirectoryDataOf(const CDrawingEngine* engine);

// The copy of the tree of a segment name that every segment of that name
// draws from during one drawing of the engine, so that a listing too long
// for one segment goes on in the next; an empty tree when the label has none.
CFileDirectory& ListingTreeFor(const CDrawingEngine& engine, const QString& segmentName);

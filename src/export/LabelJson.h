#pragma once
// A label's content as JSON, keyed by the file format's own keywords, for
// scripts: header, display settings, directory records and primitives.
#include <QByteArray>

class CCovermintDoc;
class QIODevice;

// The document as it would be saved, with the VERSION it was read with, the
// texts as they print, each primitive's box in label units after one
// drawing at 100%, and for directory segments how many entries of the
// listing were placed and left out (ENTRIESPLACED, ENTRIESLEFTOUT). Compact and written as it is made, so that neither the
// output nor the memory grows faster than the label. False when the device
// refused a write.
bool WriteLabelJson(CCovermintDoc& document, QIODevice& device);
QByteArray LabelToJson(CCovermintDoc& document);

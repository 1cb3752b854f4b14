#pragma once
// A label's content as JSON, keyed by the file format's own keywords, for
// scripts: header, display settings, directory records and primitives.
#include <QByteArray>

class CCovermintDoc;

// The document as it would be saved, with the VERSION it was read with and
// each primitive's box in label units after one drawing at 100%.
QByteArray LabelToJson(CCovermintDoc& document);

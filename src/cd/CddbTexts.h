#pragma once
// The four texts a label shows of a CDDB disc, built from the disc and its
// table of contents, and their way into a label.
#include "directory/CDocumentDirectoryInformation.h"

class CCovermintDoc;
struct CCddbDisc;

// Extended data as stored becomes display text: stored line breaks go,
// "\t" becomes three blanks, "\n" a CR LF, "\\" pairs go.
QString CleanExtendedData(QString text);

// Title "artist - title"; Track Listing "1. title" lines (with " 03:58"
// when trackTimes and the table of contents has the track); Extended Track
// Listing "1. data" lines, empty when no track has data; the disc's data.
CCddbTexts BuildCddbTexts(const CCddbDisc& disc, const QString& tocText, bool trackTimes);

// Stores the texts in the record with the empty segment name and in every
// special text that shows them; marks the label modified.
void StoreCddbTexts(CCovermintDoc& document, const CCddbTexts& texts);
CCddbTexts StoredCddbTexts(const CCovermintDoc& document);

#pragma once
// The work of the audio CD modes of the command line. Messages go to
// stderr. Exit codes as the other headless modes, plus kCddbFailed when the
// lookup itself fails.
#include "directory/CDocumentDirectoryInformation.h"

#include <QString>
#include <optional>

namespace CdHeadlessModes {
constexpr int kCddbFailed = 4;

// Prints "<id> <ntracks> <offset>... <nsecs>" for a drive or an image.
int PrintDiscId(const QString& source);

struct CCddbRun
{
    QString source;   // a drive or an image
    QString into;     // the label to store the texts in
    QString save;     // where to save it; into when empty
    QString site;     // overrides the preferences' site when not empty
    QString category; // only a match of this category, when not empty
};
// The texts of the disc's first match (of the category, when given);
// nothing, with status set and a message on stderr, when there is none.
std::optional<CCddbTexts> LookUpTexts(const QString& source, const QString& site, const QString& category,
                                      int* status);
// Looks the disc up (the first match) and stores its texts in the label.
int LookUpIntoLabel(const CCddbRun& run);
} // namespace CdHeadlessModes

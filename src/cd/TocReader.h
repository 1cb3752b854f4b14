#pragma once
// Reading the table of contents of the disc in a drive for a CDDB lookup.
// The reader shows nothing itself: a failure carries the message (and the
// caption it is shown under) for the caller to show.
#include "cd/CDiscToc.h"

#include <QString>

struct CTocReadResult
{
    std::optional<CDiscToc> toc;
    QString message;
    QString caption;

    bool Ok() const { return toc.has_value(); }
    QString Text() const { return toc ? toc->Text() : QString(); }
};

// drivePath: a device node or an image file; one trailing separator is
// ignored; empty means the default drive.
CTocReadResult ReadTableOfContents(const QString& drivePath);

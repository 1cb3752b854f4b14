#pragma once
// Writes a label as it prints (zoom 100, no handles, no page outline, its
// physical size) to a PDF, PNG or SVG file, atomically.
#include "document/PrinterCalibration.h"

#include <QString>
#include <optional>

class CCovermintDoc;

namespace LabelExporter {

enum class Format { Pdf, Png, Svg };

// By the file name's extension, any case.
std::optional<Format> FormatOf(const QString& fileName);

// dpi applies to PNG; PDF is vector at the page's size, SVG at 100 units per inch.
// The page is turned for a label wider than it (PrintsTurned). A calibration
// that would push the label off the page is refused. error, when given,
// receives the reason of a failure.
bool Export(CCovermintDoc& document, const QString& fileName, int dpi, QString* error,
            const PrinterCalibration& calibration = {});

} // namespace LabelExporter

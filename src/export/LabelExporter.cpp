#include "export/LabelExporter.h"

#include "export/PngWriter.h"

#include "document/CCovermintDoc.h"
#include "export/PrintRendering.h"
#include "export/SvgCompaction.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

namespace LabelExporter {
namespace {

constexpr int kPdfResolution = 1200;

bool RenderPng(CCovermintDoc& document, int dpi, QIODevice& out, const PrinterCalibration& calibration)
{
    const QSize page = PrintedPageSize(document);
    const QSize pixels(int(std::ceil(page.width() * dpi / 100.0)), int(std::ceil(page.height() * dpi / 100.0)));
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    {
        QPainter painter(&image);
        RenderAsPrinted(document, painter, dpi, dpi, calibration);
    }
    return WriteFastPng(image, out);
}

bool RenderPdf(CCovermintDoc& document, QIODevice& out, const PrinterCalibration& calibration)
{
    const QSize page = document.PageSize();
    QPdfWriter writer(&out);
    writer.setCreator(QStringLiteral("Covermint"));
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QSizeF(page.width() / 100.0, page.height() / 100.0), QPageSize::Inch,
                                               QString(), QPageSize::ExactMatch),
                                     PrintsTurned(document) ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    RenderAsPrinted(document, painter, kPdfResolution, kPdfResolution, calibration);
    return painter.end();
}

bool RenderSvg(CCovermintDoc& document, QIODevice& out, const PrinterCalibration& calibration)
{
    const QSize page = PrintedPageSize(document);
    QSvgGenerator generator;
    generator.setSize(page);
    generator.setViewBox(QRect(QPoint(0, 0), page));
    generator.setResolution(100);
    generator.setTitle(document.Header().name);
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    generator.setOutputDevice(&written);
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    RenderAsPrinted(document, painter, 100, 100, calibration);
    if (!painter.end())
        return false;
    const QByteArray compact = CompactSvgGroups(written.data());
    return out.write(compact) == compact.size();
}

} // namespace

std::optional<Format> FormatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    return std::nullopt;
}

bool Export(CCovermintDoc& document, const QString& fileName, int dpi, QString* error,
            const PrinterCalibration& calibration)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    const std::optional<Format> format = FormatOf(fileName);
    if (!format)
        return fail(QStringLiteral("unknown output format"));
    if (const QString refused = calibration.CheckFits(InkBox(document), PrintedPageSize(document));
        !refused.isEmpty())
        return fail(refused);
    // Rendered in memory first so a failure never leaves a half-written file.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const bool rendered = *format == Format::Png ? RenderPng(document, dpi, buffer, calibration)
                          : *format == Format::Pdf ? RenderPdf(document, buffer, calibration)
                                                    : RenderSvg(document, buffer, calibration);
    if (!rendered)
        return fail(QStringLiteral("could not render the label"));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(buffer.data()) != buffer.size() || !file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace LabelExporter

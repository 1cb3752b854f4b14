// Printing to a PDF file: physical size whatever the zoom, no handles.
#include "ViewFixture.h"

#include "platform/PrinterInfo.h"
#include "view/LabelPrinting.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>

TEST_F(ViewTest, PrintsAtPhysicalSizeWithoutHandles)
{
    auto rect = AddRect({100, -100}, {300, -300});
    rect->SetFillColor(MakeColorRef(0, 0, 255));
    rect->SetHollowFill(false);
    rect->SetSelected(true);
    view->SetZoom(300);

    QTemporaryDir dir;
    const QString pdf = dir.filePath("label.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    ASSERT_TRUE(PrintLabel(*doc, printer));
    EXPECT_EQ(view->ZoomPercent(), 300);

    // One page, rasterised at 100 dpi: one pixel per label unit.
    QProcess raster;
    raster.start("pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, dir.filePath("page")});
    ASSERT_TRUE(raster.waitForFinished(30000));
    ASSERT_EQ(raster.exitCode(), 0) << raster.readAllStandardError().constData();
    const QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.size(), QSize(850, 1100));

    const auto isBlue = [&](int x, int y) { return page.pixelColor(x, y) == QColor(Qt::blue); };
    const auto isWhite = [&](int x, int y) { return qGray(page.pixel(x, y)) > 245; };
    EXPECT_TRUE(isBlue(103, 103));
    EXPECT_TRUE(isBlue(297, 297));
    EXPECT_TRUE(isWhite(97, 200));
    EXPECT_TRUE(isWhite(303, 200));
    EXPECT_TRUE(isWhite(200, 303));
    // Where the handles of the selected rectangle would be, outside its box.
    for (int x = 93; x <= 98; ++x)
        for (int y = 93; y <= 107; ++y) {
            EXPECT_TRUE(isWhite(x, y)) << x << "," << y;
            EXPECT_TRUE(isWhite(y, x)) << y << "," << x;
        }
    // Nor is the page outline printed.
    EXPECT_TRUE(isWhite(0, 500));
    EXPECT_TRUE(isWhite(1, 500));
}

namespace {
class SmallPrinter final : public CPrinterInfoSource
{
public:
    std::optional<QSizeF> DefaultPrintableMillimetres() override { return QSizeF(100.0, 80.0); }
};
} // namespace

TEST_F(ViewTest, PrintSetupToASmallerPageShrinksTheOutline)
{
    const QPoint shadow(398, -200); // beside the right edge of a 3.93 inch page
    EXPECT_EQ(view->viewport()->grab().toImage().pixelColor(Px(shadow)), QColor(Qt::white));
    const int rangeBefore = view->verticalScrollBar()->maximum();

    SmallPrinter printer;
    SetPrinterInfoSource(&printer);
    view->OnPageSizeRefresh();
    SetPrinterInfoSource(nullptr);
    EXPECT_EQ(doc->PageSize(), QSize(393, 314));
    EXPECT_EQ(view->viewport()->grab().toImage().pixelColor(Px(shadow)), QColor(192, 192, 192));
    EXPECT_LT(view->verticalScrollBar()->maximum(), rangeBefore);

    // Back to no printer: 8.5 by 11 inches again.
    view->OnPageSizeRefresh();
    EXPECT_EQ(doc->PageSize(), QSize(850, 1100));
}

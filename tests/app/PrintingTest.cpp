// Print, Print Preview and Print Setup through their real dialogs, printing
// to a PDF file: the page on screen, in the preview and on paper is one.
#include "AppTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "document/CCovermintDoc.h"
#include "drawing/CRectangle.h"
#include "platform/RecordingPrompter.h"
#include "toolkit/PrinterSetup.h"
#include "toolkit/CommandIds.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <gtest/gtest.h>

using namespace apptest;
using namespace CommandId;

namespace {

class PrintingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.AddLabel(QStringLiteral("one.cla")));
        ASSERT_TRUE(home.AddLabel(QStringLiteral("two.cla")));
        app = Started({home.Label(QStringLiteral("one.cla")), home.Label(QStringLiteral("two.cla"))});
        ASSERT_NE(app->ActiveFrame(), nullptr);
        // A one-inch blue square at the label's origin.
        CDrawingEngine& engine = app->ActiveFrame()->Document().Engine();
        auto square = std::make_shared<CRectangle>(1, &engine);
        square->SetCorners({0, 0}, {100, -100});
        square->SetFillColor(MakeColorRef(0, 0, 255));
        square->SetHollowFill(false);
        engine.Append(square);
    }

    void Trigger(int id) const { app->MainFrame()->Action(id)->trigger(); }
    QString PagePane() const
    {
        app->MainFrame()->UpdateCommandStates();
        return app->MainFrame()->StatusPaneText(3);
    }
    // Print with the print dialog's file name set to pdf; then runs
    // afterAccept while the dialog closes.
    void PrintTo(const QString& pdf, std::function<void()> afterAccept = {})
    {
        WhenModal<QPrintDialog>([pdf, afterAccept](QPrintDialog* dialog) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            ASSERT_NE(name, nullptr);
            name->setText(pdf);
            dialog->accept();
            if (afterAccept)
                afterAccept();
        });
        Trigger(Print);
    }

    CRecordingPrompter prompter;
    SeededHome home;
    std::unique_ptr<CCovermintApp> app;
    QTemporaryDir out;
};

QImage Rasterised(const QString& pdf, const QString& stem)
{
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"), {"-r", "100", "-png", "-singlefile", pdf, stem});
    if (!raster.waitForFinished(30000) || raster.exitCode() != 0)
        return {};
    return QImage(stem + QStringLiteral(".png"));
}

int PageCount(const QString& pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(30000);
    for (const QByteArray& line : info.readAllStandardOutput().split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

} // namespace

TEST_F(PrintingTest, PreviewAndPrintUseThePaperTheScreenShows)
{
    EXPECT_EQ(PagePane(), QStringLiteral("Page 8.50 x 11.00 in"));
    QSizeF previewPaper;
    int previewPages = 0;
    WhenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
        previewPaper = dialog->printer()->pageLayout().paintRect(QPageLayout::Inch).size();
        previewPages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
        dialog->reject();
    });
    Trigger(PrintPreview);
    EXPECT_EQ(previewPaper, QSizeF(8.5, 11));
    EXPECT_EQ(previewPages, 1);

    const QString pdf = out.filePath(QStringLiteral("letter.pdf"));
    PrintTo(pdf);
    EXPECT_EQ(PageCount(pdf), 1);
    const QImage page = Rasterised(pdf, out.filePath(QStringLiteral("letter")));
    EXPECT_EQ(page.size(), QSize(850, 1100));
    EXPECT_TRUE(prompter.messages.isEmpty());

    // Print Setup confirmed without a change leaves the page as it was.
    WhenModal<QPageSetupDialog>([](QPageSetupDialog* dialog) { dialog->accept(); });
    Trigger(PrintSetup);
    EXPECT_EQ(PagePane(), QStringLiteral("Page 8.50 x 11.00 in"));
}

TEST_F(PrintingTest, APaperChosenInPrintSetupIsEveryLabelsPageAndPrintsFromItsCorner)
{
    // Ten millimetres of margin all round, so the printable area has its own corner.
    CPrinterSetup::Instance().Printer().setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    WhenModal<QPageSetupDialog>([](QPageSetupDialog* dialog) {
        for (QComboBox* combo : dialog->findChildren<QComboBox*>())
            if (const int a5 = combo->findText(QStringLiteral("A5")); a5 >= 0)
                combo->setCurrentIndex(a5);
        dialog->accept();
    });
    Trigger(PrintSetup);

    // 128 x 190 mm printable.
    for (CChildFrame* frame : app->MainFrame()->Frames())
        EXPECT_EQ(frame->Document().PageSize(), QSize(503, 748));
    EXPECT_EQ(PagePane(), QStringLiteral("Page 5.03 x 7.48 in"));

    const QString pdf = out.filePath(QStringLiteral("a5.pdf"));
    PrintTo(pdf);
    EXPECT_EQ(PageCount(pdf), 1);
    const QImage page = Rasterised(pdf, out.filePath(QStringLiteral("a5")));
    EXPECT_EQ(page.size(), QSize(584, 827));
    // The square starts 10 mm (39 px at 100 dpi) in from both edges.
    const auto isBlue = [&](int x, int y) { return page.pixelColor(x, y) == QColor(Qt::blue); };
    EXPECT_TRUE(isBlue(42, 42));
    EXPECT_TRUE(isBlue(136, 136));
    EXPECT_FALSE(isBlue(36, 80));
    EXPECT_FALSE(isBlue(80, 36));
}

TEST_F(PrintingTest, AJobThatCannotStartIsReported)
{
    const QString folder = out.filePath(QStringLiteral("gone"));
    ASSERT_TRUE(QDir().mkpath(folder));
    // The dialog checks that the file can be made; the folder goes right after.
    PrintTo(folder + QStringLiteral("/label.pdf"), [folder] { QDir(folder).removeRecursively(); });
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("Could not start print job.")});
}

TEST_F(PrintingTest, ALabelWiderThanThePageIsPreviewedAndPrintedOnThePageTurned)
{
    // The blue square, then a frame as wide as a DVD case wrap.
    CDrawingEngine& engine = app->ActiveFrame()->Document().Engine();
    auto wrap = std::make_shared<CRectangle>(1, &engine);
    wrap->SetCorners({10, -10}, {1085, -735});
    engine.Append(wrap);
    QPrinter& printer = CPrinterSetup::Instance().Printer();
    ASSERT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);

    QSizeF previewPaper;
    WhenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
        previewPaper = dialog->printer()->pageLayout().fullRect(QPageLayout::Inch).size();
        dialog->reject();
    });
    Trigger(PrintPreview);
    EXPECT_EQ(previewPaper, QSizeF(11, 8.5));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);

    QPageLayout::Orientation inDialog = QPageLayout::Portrait;
    const QString pdf = out.filePath(QStringLiteral("wide.pdf"));
    WhenModal<QPrintDialog>([&](QPrintDialog* dialog) {
        inDialog = dialog->printer()->pageLayout().orientation();
        dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
        dialog->accept();
    });
    Trigger(Print);
    EXPECT_EQ(inDialog, QPageLayout::Landscape);
    const QImage page = Rasterised(pdf, out.filePath(QStringLiteral("wide")));
    EXPECT_EQ(page.size(), QSize(1100, 850));
    EXPECT_EQ(page.pixelColor(50, 50), QColor(Qt::blue));
    EXPECT_LT(qGray(page.pixel(1085, 400)), 128); // the frame's right side, on paper
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(PrintingTest, PrintCalibrationOpensForThePrinterPrintSetupChose)
{
    const QString chosen = CPrinterSetup::Instance().Printer().printerName();
    QString shown;
    WhenModal<QDialog>([&](QDialog* dialog) {
        shown = dialog->windowTitle() + QLatin1Char('|') +
                dialog->findChild<QComboBox*>(QStringLiteral("Printer"))->currentText();
        dialog->reject();
    });
    Trigger(PrintCalibration);
    EXPECT_EQ(shown, QStringLiteral("Print Calibration|") + chosen);
    EXPECT_EQ(app->MainFrame()->Action(PrintCalibration)->text(), QStringLiteral("Print Cali&bration..."));
}

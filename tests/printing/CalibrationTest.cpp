// Printer calibration: the values a printer's correction may take, where it
// moves a label's ink, and how the preferences keep it.
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "drawing/CRectangle.h"
#include "export/CalibrationPage.h"
#include "export/LabelExporter.h"
#include "platform/RecordingPrompter.h"
#include "support/TempHome.h"
#include "support/InkBox.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

PrinterCalibration Calibration(double x, double y, double scale, const char* printer = "Office")
{
    return PrinterCalibration{QString::fromUtf8(printer), x, y, scale};
}

// A filled black rectangle from (0.5, 0.5) to (2.5, 1.5) inches, exported at 300 dpi.
class CalibratedExport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto rect = std::make_shared<CRectangle>(1, &doc.Engine());
        rect->SetCorners(QPoint(50, -50), QPoint(250, -150));
        rect->SetFillColor(MakeColorRef(0, 0, 0));
        rect->SetHollowFill(false);
        doc.Engine().Append(rect);
    }

    QImage Export(const PrinterCalibration& calibration, QString* error = nullptr)
    {
        const QString png = dir.filePath(QStringLiteral("out%1.png").arg(++count));
        if (!LabelExporter::Export(doc, png, 300, error, calibration))
            return QImage();
        return QImage(png).convertToFormat(QImage::Format_RGB32);
    }

    CRecordingPrompter prompter;
    CTempHome home;
    CCovermintDoc doc;
    QTemporaryDir dir;
    int count = 0;
};

} // namespace

TEST_F(CalibratedExport, OffsetsMoveTheInkByExactlyThatManyPixels)
{
    const QRect plain = InkBox(Export({}));
    ASSERT_FALSE(plain.isEmpty());
    const struct
    {
        double x, y;
        QPoint pixels;
    } cases[] = {
        {0.1, 0.2, {30, 60}},
        {-0.25, 0.0, {-75, 0}},
        {0.0, -0.4, {0, -120}},
        {1.0, 1.0, {300, 300}},
        {-2.54 / 25.4, 0.0, {-30, 0}}, // entered as millimetres
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        const QImage image = Export(Calibration(c.x, c.y, 1.0));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(2550, 3300));
        EXPECT_EQ(InkBox(image), plain.translated(c.pixels));
    }
}

TEST_F(CalibratedExport, ScaleGrowsTheLabelAboutThePageCorner)
{
    const QRect plain = InkBox(Export({}));
    for (const double scale : {0.95, 1.05, 1.1}) {
        SCOPED_TRACE(scale);
        const QRect ink = InkBox(Export(Calibration(0.1, 0, scale)));
        const QRectF expected(plain.left() * scale + 30, plain.top() * scale, plain.width() * scale,
                              plain.height() * scale);
        EXPECT_NEAR(ink.left(), expected.left(), 1.0);
        EXPECT_NEAR(ink.top(), expected.top(), 1.0);
        EXPECT_NEAR(ink.width(), expected.width(), 1.5);
        EXPECT_NEAR(ink.height(), expected.height(), 1.5);
    }
}

TEST_F(CalibratedExport, ACalibrationPushingTheLabelOffThePageIsRefusedAndWritesNothing)
{
    const struct
    {
        PrinterCalibration calibration;
        const char* edge;
    } cases[] = {
        {Calibration(-1.0, 0, 1.0), "left"},
        {Calibration(0, -1.0, 1.0), "top"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edge);
        QString error;
        const QString png = dir.filePath(QStringLiteral("refused.png"));
        EXPECT_FALSE(LabelExporter::Export(doc, png, 300, &error, c.calibration));
        EXPECT_TRUE(error.contains(QStringLiteral("past the %1 edge").arg(QLatin1String(c.edge)))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("\"Office\""))) << error.toStdString();
        EXPECT_FALSE(QFile::exists(png));
    }
}

TEST(PrinterCalibration, OnlyPlausibleValuesAreTaken)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        PrinterCalibration calibration;
        const char* reason; // empty: accepted
    } cases[] = {
        {Calibration(1.0, -1.0, 0.9), ""},
        {Calibration(-1.0, 1.0, 1.1), ""},
        {Calibration(0, 0, 1.0), ""},
        {Calibration(1.01, 0, 1.0), "at most 1.00 in (25.4 mm)"},
        {Calibration(0, -3, 1.0), "at most 1.00 in (25.4 mm)"},
        {Calibration(nan, 0, 1.0), "at most"},
        {Calibration(0, 0, 0.89), "between 90 % and 110 %"},
        {Calibration(0, 0, 1.2), "between 90 % and 110 %"},
        {Calibration(0, 0, nan), "between 90 %"},
        {Calibration(0, 0, 1.0, "  "), "Choose the printer"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const QString reason = c.calibration.CheckValues();
        if (*c.reason == '\0')
            EXPECT_TRUE(reason.isEmpty()) << reason.toStdString();
        else
            EXPECT_TRUE(reason.contains(QString::fromUtf8(c.reason))) << reason.toStdString();
    }
}

TEST(PrinterCalibration, RefusesOnlyWhatItPushesOffThePage)
{
    const QSize page(850, 1100);
    const QRect ink(50, 50, 400, 400); // 0.5 in from the top-left corner
    EXPECT_TRUE(Calibration(-0.5, -0.5, 1.0).CheckFits(ink, page).isEmpty());
    EXPECT_TRUE(Calibration(0.0, 0.0, 1.1).CheckFits(ink, page).isEmpty());
    EXPECT_TRUE(Calibration(-0.6, 0, 1.0).CheckFits(ink, page).contains(QLatin1String("0.10 in (2.5 mm) past the left")));
    EXPECT_TRUE(Calibration(0, 0, 1.1).CheckFits(QRect(0, 0, 850, 500), page).contains(QLatin1String("right edge")));
    EXPECT_TRUE(Calibration(0, 0.9, 1.0).CheckFits(QRect(0, 600, 100, 450), page).contains(QLatin1String("bottom edge")));
    // Ink already past an edge: moving it no further is no reason to refuse.
    EXPECT_TRUE(Calibration(0.2, 0, 1.0).CheckFits(QRect(-30, 0, 100, 100), page).isEmpty());
    EXPECT_FALSE(Calibration(-0.2, 0, 1.0).CheckFits(QRect(-30, 0, 100, 100), page).isEmpty());
    EXPECT_TRUE(Calibration(-1, -1, 1.0).CheckFits(QRect(), page).isEmpty()); // nothing to print
}

TEST(PrinterCalibration, PreferencesKeepOneEntryPerPrinterAcrossALoad)
{
    CRecordingPrompter prompter;
    CTempHome home;
    CPreferences::Instance().SetPenWidth(4);
    CPreferences::Instance().SetCalibration(Calibration(0.125, -0.0625, 1.02, "Office Laser"));
    CPreferences::Instance().SetCalibration(Calibration(2.0 / 25.4, 0, 0.98, "Label Inkjet"));
    CPreferences::Instance().SetCalibration(Calibration(-0.5, 0.25, 1.0, "Office Laser")); // replaces
    CPreferences::Instance().SetCalibration(Calibration(0, 0, 1.0, "Gone"));               // stores nothing
    CPreferences::Reset();

    CPreferences& prefs = CPreferences::Instance();
    EXPECT_EQ(prefs.PenWidth(), 4);
    const auto laser = prefs.Calibration(QStringLiteral("Office Laser"));
    ASSERT_TRUE(laser.has_value());
    EXPECT_DOUBLE_EQ(laser->offsetX, -0.5);
    EXPECT_DOUBLE_EQ(laser->offsetY, 0.25);
    EXPECT_DOUBLE_EQ(laser->scale, 1.0);
    const auto inkjet = prefs.Calibration(QStringLiteral("Label Inkjet"));
    ASSERT_TRUE(inkjet.has_value());
    EXPECT_NEAR(inkjet->offsetX * 25.4, 2.0, 1e-4);
    EXPECT_DOUBLE_EQ(inkjet->scale, 0.98);
    EXPECT_FALSE(prefs.Calibration(QStringLiteral("Gone")).has_value());
    EXPECT_FALSE(prefs.Calibration(QStringLiteral("office laser")).has_value());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(PrinterCalibration, OlderFilesLoadAndBrokenEntriesAreLeftOut)
{
    CRecordingPrompter prompter;
    CTempHome home;
    // A file written before calibrations existed, and one with entries a
    // hand edit spoiled beside a good one.
    ASSERT_TRUE(home.WriteFile(QStringLiteral("Covermint.pref"),
                               "<?xml version=\"1.0\"?><COVERMINTPREFERENCES> <PENWIDTH>5</PENWIDTH>"
                               "<FACENAME>Liberation Mono</FACENAME><CDDBSITE>a</CDDBSITE></COVERMINTPREFERENCES>"));
    CPreferences::Reset();
    EXPECT_EQ(CPreferences::Instance().PenWidth(), 5);
    EXPECT_EQ(CPreferences::Instance().Font().faceName, QStringLiteral("Liberation Mono"));
    EXPECT_FALSE(CPreferences::Instance().Calibration(QString()).has_value());

    const QByteArray spoiled =
        "<?xml version=\"1.0\"?><COVERMINTPREFERENCES> <PENWIDTH>6</PENWIDTH>"
        "<PRINTERCALIBRATION> <PRINTERNAME>Wild</PRINTERNAME><OFFSETX>9</OFFSETX></PRINTERCALIBRATION>"
        "<PRINTERCALIBRATION> <PRINTERNAME>Tiny</PRINTERNAME><SCALE>0.2</SCALE></PRINTERCALIBRATION>"
        "<PRINTERCALIBRATION> <OFFSETX>0.1</OFFSETX></PRINTERCALIBRATION>"
        "<PRINTERCALIBRATION> <PRINTERNAME>Good</PRINTERNAME><OFFSETY>0.3</OFFSETY></PRINTERCALIBRATION>"
        "</COVERMINTPREFERENCES>";
    ASSERT_TRUE(CPreferences::Instance().Read(spoiled).ok);
    EXPECT_EQ(CPreferences::Instance().PenWidth(), 6);
    EXPECT_FALSE(CPreferences::Instance().Calibration(QStringLiteral("Wild")).has_value());
    EXPECT_FALSE(CPreferences::Instance().Calibration(QStringLiteral("Tiny")).has_value());
    ASSERT_TRUE(CPreferences::Instance().Calibration(QStringLiteral("Good")).has_value());
    EXPECT_DOUBLE_EQ(CPreferences::Instance().Calibration(QStringLiteral("Good"))->offsetY, 0.3);
    EXPECT_DOUBLE_EQ(CPreferences::Instance().Calibration(QStringLiteral("Good"))->scale, 1.0);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(CalibrationTestPage, CrosshairsSitWhereTheirTextsSay)
{
    const QSize letter(850, 1100);
    QImage page(letter, QImage::Format_RGB32); // 100 dpi: one pixel per label unit
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        CalibrationPage::Render(painter, letter, 100, 100, QStringLiteral("Office"));
    }
    const std::vector<QPoint> centres = CalibrationPage::Crosshairs(letter);
    ASSERT_EQ(centres.size(), 3u);
    EXPECT_EQ(centres[0], QPoint(200, 200));
    EXPECT_EQ(centres[1], QPoint(425, 550));
    EXPECT_EQ(centres[2], QPoint(650, 900));
    for (const QPoint& c : centres) {
        SCOPED_TRACE(testing::Message() << c.x() << "," << c.y());
        // Dark along both arms, white in the quadrants between them.
        for (const QPoint arm : {QPoint(30, 0), QPoint(-30, 0), QPoint(0, 30), QPoint(0, -30)})
            EXPECT_LT(qGray(page.pixel(c + arm)), 160);
        EXPECT_LT(qGray(page.pixel(c)), 160);
        EXPECT_EQ(qGray(page.pixel(c + QPoint(-7, 7))), 255);
    }
    // The top ruler's inch marks reach 0.25 in above its line, half an inch down.
    for (int x = 100; x <= 800; x += 100)
        EXPECT_LT(qGray(page.pixel(x, 50 - 20)), 200) << x;
    EXPECT_EQ(qGray(page.pixel(150 + 5, 50 - 20)), 255);
}

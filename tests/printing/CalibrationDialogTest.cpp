// The Print Calibration dialog, driven through its widgets.
#include "document/CPreferences.h"
#include "document/dialogs/CPrinterCalibrationDlg.h"
#include "platform/RecordingPrompter.h"
#include "support/TempHome.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CalibrationDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CPreferences::Instance().SetCalibration(PrinterCalibration{QStringLiteral("Label Inkjet"), 0.1, 0.2, 1.01});
        dialog = std::make_unique<CPrinterCalibrationDlg>(
            QStringList{QStringLiteral("Office Laser"), QStringLiteral("Label Inkjet")}, QStringLiteral("Office Laser"),
            [this](const QString& printerName) { testPages << printerName; });
        dialog->show();
        printer = dialog->findChild<QComboBox*>(QStringLiteral("Printer"));
        units = dialog->findChild<QComboBox*>(QStringLiteral("Units"));
        x = dialog->findChild<QDoubleSpinBox*>(QStringLiteral("HorizontalOffset"));
        y = dialog->findChild<QDoubleSpinBox*>(QStringLiteral("VerticalOffset"));
        scale = dialog->findChild<QDoubleSpinBox*>(QStringLiteral("Scale"));
        ASSERT_TRUE(printer && units && x && y && scale);
    }

    static void Type(QDoubleSpinBox* spin, const char* text)
    {
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QString::fromLatin1(text));
    }

    void ClickOk()
    {
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }

    CRecordingPrompter prompter;
    CTempHome home;
    QStringList testPages;
    std::unique_ptr<CPrinterCalibrationDlg> dialog;
    QComboBox* printer = nullptr;
    QComboBox* units = nullptr;
    QDoubleSpinBox* x = nullptr;
    QDoubleSpinBox* y = nullptr;
    QDoubleSpinBox* scale = nullptr;
};

} // namespace

TEST_F(CalibrationDialog, ShowsEachPrintersValuesInTheChosenUnitsAndStoresWhatIsTyped)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print Calibration"));
    EXPECT_DOUBLE_EQ(x->value(), 0.0);
    EXPECT_DOUBLE_EQ(scale->value(), 100.0);

    printer->setCurrentText(QStringLiteral("Label Inkjet"));
    EXPECT_DOUBLE_EQ(x->value(), 0.1);
    EXPECT_DOUBLE_EQ(y->value(), 0.2);
    EXPECT_DOUBLE_EQ(scale->value(), 101.0);
    units->setCurrentIndex(1);
    EXPECT_DOUBLE_EQ(x->value(), 2.54);
    EXPECT_DOUBLE_EQ(y->value(), 5.08);

    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("PrintTestPage")), Qt::LeftButton);
    EXPECT_EQ(testPages, QStringList{QStringLiteral("Label Inkjet")});

    Type(x, "-1.5");
    Type(y, "0.75");
    Type(scale, "99.5");
    ClickOk();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(QLatin1Char('\n')).toStdString();
    CPreferences::Reset();
    const auto stored = CPreferences::Instance().Calibration(QStringLiteral("Label Inkjet"));
    ASSERT_TRUE(stored.has_value());
    EXPECT_NEAR(stored->offsetX, -1.5 / 25.4, 1e-6);
    EXPECT_NEAR(stored->offsetY, 0.75 / 25.4, 1e-6);
    EXPECT_NEAR(stored->scale, 0.995, 1e-9);
    EXPECT_FALSE(CPreferences::Instance().Calibration(QStringLiteral("Office Laser")).has_value());
}

TEST_F(CalibrationDialog, RefusesBadValuesAndAMoveOffThePageWithTheReasonAndStoresNothing)
{
    dialog->SetLabelToKeepOnPage(QRect(30, 30, 400, 400), QSize(850, 1100));
    const struct
    {
        QDoubleSpinBox* spin;
        const char* typed;
        const char* reason;
    } cases[] = {
        {x, "1.5", "An offset can be at most 1.00 in (25.4 mm) either way."},
        {y, "-2", "An offset can be at most 1.00 in (25.4 mm) either way."},
        {scale, "150", "The scale must lie between 90 % and 110 %."},
        {x, "-0.5", "would push the label 0.20 in (5.1 mm) past the left edge"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        x->setValue(0);
        y->setValue(0);
        scale->setValue(100);
        prompter.messages.clear();
        Type(c.spin, c.typed);
        ClickOk();
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(prompter.messages.size(), 1);
        EXPECT_TRUE(prompter.messages.front().contains(QString::fromUtf8(c.reason))) << prompter.messages.front().toStdString();
        EXPECT_FALSE(CPreferences::Instance().Calibration(QStringLiteral("Office Laser")).has_value());
    }
}

#pragma once
// "Print Calibration": prints the test page, then takes the move and scale
// that put a printer's output where it belongs, and stores them in the
// preferences under the printer's name. Values that are out of range, or
// that would push the open label off its page, are refused with the reason.
#include "document/PrinterCalibration.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <utility>

class QComboBox;
class QDoubleSpinBox;
class QPushButton;

class CPrinterCalibrationDlg : public QDialog
{
    Q_OBJECT
public:
    using TestPagePrinter = std::function<void(const QString& printer)>;

    CPrinterCalibrationDlg(const QStringList& printers, const QString& current, TestPagePrinter printTestPage,
                           QWidget* parent = nullptr);

    // The label the values must keep on its page: ink box and page, label units.
    void SetLabelToKeepOnPage(const QRect& inkBox, QSize page);
    // What the fields say now.
    PrinterCalibration Entered() const;

    void accept() override;

private:
    void ShowStored();
    void ChangeUnits();
    double UnitsPerInch() const;

    QComboBox* m_printer;
    QComboBox* m_units;
    QDoubleSpinBox* m_offsetX;
    QDoubleSpinBox* m_offsetY;
    QDoubleSpinBox* m_scale;
    QPushButton* m_printTestPage;
    double m_shownUnitsPerInch = 1.0;
    std::optional<std::pair<QRect, QSize>> m_label;
};

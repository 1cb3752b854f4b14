#include "document/dialogs/CPrinterCalibrationDlg.h"

#include "document/CPreferences.h"
#include "platform/Prompter.h"
#include "toolkit/DialogButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* NewSpin(const QString& objectName, double range, const QString& suffix)
{
    // Wider than what is accepted, so that a wrong value gets its reason.
    auto* spin = new QDoubleSpinBox;
    spin->setObjectName(objectName);
    spin->setDecimals(3);
    spin->setRange(-range, range);
    spin->setSuffix(suffix);
    return spin;
}

} // namespace

CPrinterCalibrationDlg::CPrinterCalibrationDlg(const QStringList& printers, const QString& current,
                                               TestPagePrinter printTestPage, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Print Calibration"));
    m_printer = new QComboBox;
    m_printer->setObjectName(QStringLiteral("Printer"));
    m_printer->setEditable(true);
    m_printer->addItems(printers);
    m_printer->setCurrentText(current);
    m_units = new QComboBox;
    m_units->setObjectName(QStringLiteral("Units"));
    m_units->addItems({tr("Inches"), tr("Millimetres")});
    m_offsetX = NewSpin(QStringLiteral("HorizontalOffset"), 1000, QString());
    m_offsetY = NewSpin(QStringLiteral("VerticalOffset"), 1000, QString());
    m_scale = NewSpin(QStringLiteral("Scale"), 1000, QStringLiteral(" %"));
    m_printTestPage = new QPushButton(tr("Print &Test Page..."));
    m_printTestPage->setObjectName(QStringLiteral("PrintTestPage"));
    connect(m_printTestPage, &QPushButton::clicked, this,
            [this, printTestPage] { printTestPage(m_printer->currentText()); });

    auto* explanation = new QLabel(
        tr("Print the test page and measure where its crosshairs landed. Enter the move that brings them back "
           "(right and down are positive) and the scale that corrects the distance between them."));
    explanation->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("&Printer :"), m_printer);
    form->addRow(tr("&Units :"), m_units);
    form->addRow(tr("Move &right by :"), m_offsetX);
    form->addRow(tr("Move &down by :"), m_offsetY);
    form->addRow(tr("&Scale :"), m_scale);
    QDialogButtonBox* buttons = MakeOkCancelButtons(this);
    buttons->addButton(m_printTestPage, QDialogButtonBox::ActionRole);
    auto* box = new QVBoxLayout(this);
    box->addWidget(explanation);
    box->addLayout(form);
    box->addWidget(buttons);
    setMinimumWidth(420);

    ShowStored();
    connect(m_printer, &QComboBox::currentTextChanged, this, &CPrinterCalibrationDlg::ShowStored);
    connect(m_units, &QComboBox::currentIndexChanged, this, &CPrinterCalibrationDlg::ChangeUnits);
}

void CPrinterCalibrationDlg::SetLabelToKeepOnPage(const QRect& inkBox, QSize page)
{
    m_label = std::make_pair(inkBox, page);
}

double CPrinterCalibrationDlg::UnitsPerInch() const
{
    return m_units->currentIndex() == 1 ? 25.4 : 1.0;
}

void CPrinterCalibrationDlg::ShowStored()
{
    const PrinterCalibration stored =
        CPreferences::Instance().Calibration(m_printer->currentText()).value_or(PrinterCalibration());
    m_offsetX->setValue(stored.offsetX * m_shownUnitsPerInch);
    m_offsetY->setValue(stored.offsetY * m_shownUnitsPerInch);
    m_scale->setValue(stored.scale * 100.0);
}

void CPrinterCalibrationDlg::ChangeUnits()
{
    const double factor = UnitsPerInch() / m_shownUnitsPerInch;
    m_shownUnitsPerInch = UnitsPerInch();
    m_offsetX->setValue(m_offsetX->value() * factor);
    m_offsetY->setValue(m_offsetY->value() * factor);
}

PrinterCalibration CPrinterCalibrationDlg::Entered() const
{
    PrinterCalibration c;
    c.printer = m_printer->currentText().trimmed();
    c.offsetX = m_offsetX->value() / m_shownUnitsPerInch;
    c.offsetY = m_offsetY->value() / m_shownUnitsPerInch;
    c.scale = m_scale->value() / 100.0;
    return c;
}

void CPrinterCalibrationDlg::accept()
{
    const PrinterCalibration c = Entered();
    QString refusal = c.CheckValues();
    if (refusal.isEmpty() && m_label)
        refusal = c.CheckFits(m_label->first, m_label->second);
    if (!refusal.isEmpty()) {
        Prompter().ShowMessage(refusal, CPrompter::Icon::Warning);
        return;
    }
    CPreferences::Instance().SetCalibration(c);
    QDialog::accept();
}

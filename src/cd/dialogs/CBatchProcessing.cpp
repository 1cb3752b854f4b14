#include "cd/dialogs/CBatchProcessing.h"

#include "cd/DriveList.h"
#include "cd/dialogs/CCDDBDialog.h"
#include "cd/dialogs/CDialogCddbPrompts.h"
#include "document/CPreferences.h"
#include "platform/MediaMonitor.h"
#include "toolkit/DriveListCombo.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kStart = QStringLiteral("Start");
const QString kStop = QStringLiteral("Stop");
} // namespace

CBatchProcessing::CBatchProcessing(CCovermintDoc& document, Hooks hooks, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_hooks(std::move(hooks))
    , m_processor(m_drive, *this, m_timer)
{
    setObjectName(QStringLiteral("CBatchProcessing"));
    setWindowTitle(QStringLiteral("Batch Processing"));
    m_drives = new CDriveListCombo;
    m_drives->setObjectName(QStringLiteral("drive"));
    m_drives->OfferImages(CDriveListCombo::kAnyDiscImages);
    m_drives->SetDrives(ListDrives());
    m_drives->SelectPath(CPreferences::Instance().LabelDrive());
    m_connectCddb = new QCheckBox(QStringLiteral("Automatically Connect to CDDB"));
    m_connectCddb->setObjectName(QStringLiteral("connectCddb"));
    m_connectCddb->setToolTip(QStringLiteral("Select this option if the CDs to be processed are commercial audio"));
    m_showDirectory = new QCheckBox(QStringLiteral("Show Directory Information Dialog"));
    m_showDirectory->setObjectName(QStringLiteral("showDirectoryDialog"));
    m_showDirectory->setToolTip(
        QStringLiteral("Select this option to show the Directory Information Dialog with each label"));
    m_showDirectory->setEnabled(bool(m_hooks.directoryDialog));
    m_status = new QPlainTextEdit;
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setReadOnly(true);

    auto* buttons = new QDialogButtonBox;
    m_startStop = buttons->addButton(kStart, QDialogButtonBox::AcceptRole);
    m_startStop->setObjectName(QStringLiteral("startStop"));
    m_startStop->setDefault(true);
    buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("close"));
    connect(m_startStop, &QPushButton::clicked, this, &CBatchProcessing::OnStartStop);
    connect(buttons, &QDialogButtonBox::rejected, this, &CBatchProcessing::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Drive:"), m_drives);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_connectCddb);
    layout->addWidget(m_showDirectory);
    layout->addWidget(m_status, 1);
    layout->addWidget(buttons);
    resize(440, 340);

    m_processor.SetLabel(&m_document);
    m_processor.SetStatusSink([this](const QString& line) { AppendStatus(line); });
    m_processor.SetRunningChanged([this](bool running) { m_startStop->setText(running ? kStop : kStart); });
    m_monitor = new CMediaMonitor([this] { m_processor.MediaChanged(); }, this);
}

CBatchProcessing::~CBatchProcessing()
{
    m_processor.Close();
}

QString CBatchProcessing::StatusText() const
{
    return m_status->toPlainText();
}

void CBatchProcessing::AppendStatus(const QString& line)
{
    m_status->appendPlainText(line);
}

void CBatchProcessing::OnStartStop()
{
    m_processor.SetDrive(m_drives->SelectedPath());
    m_processor.SetOptions({m_connectCddb->isChecked(), m_showDirectory->isChecked()});
    m_processor.StartStop();
}

void CBatchProcessing::reject()
{
    m_processor.Close();
    QDialog::reject();
}

std::optional<CCddbTexts> CBatchProcessing::LookUpCddb(const QString& drive, const CCddbTexts& stored)
{
    CDialogCddbPrompts::Install();
    CCDDBDialog dialog(this);
    dialog.SetTexts(stored);
    dialog.Preset(drive);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Texts();
}

bool CBatchProcessing::ShowDirectoryDialog(const QString& drive)
{
    return m_hooks.directoryDialog && m_hooks.directoryDialog(drive);
}

void CBatchProcessing::Print()
{
    if (m_hooks.print)
        m_hooks.print();
}

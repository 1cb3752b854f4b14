#include "cd/dialogs/CCDDBDialog.h"

#include "cd/CCdAudio.h"
#include "cd/CddbError.h"
#include "cd/CddbSession.h"
#include "cd/CddbTexts.h"
#include "cd/TocReader.h"
#include "cd/dialogs/CProxyDialog.h"
#include "document/CPreferences.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kEdited = CCddbClient::EditedDisc | CCddbClient::EditedTracks;

QPlainTextEdit* MultiLine(const QString& objectName)
{
    auto* edit = new QPlainTextEdit;
    edit->setObjectName(objectName);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    return edit;
}

// The dialog's texts keep CR LF line ends; the edits show plain lines.
QString FromEdit(const QPlainTextEdit* edit)
{
    return edit->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void ToEdit(QPlainTextEdit* edit, QString text)
{
    edit->setPlainText(text.remove(QLatin1Char('\r')));
}

} // namespace

CCDDBDialog::CCDDBDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CCDDBDialog"));
    setWindowTitle(QStringLiteral("CDDB Track and CD Information"));
    m_drive = new QComboBox;
    m_drive->setObjectName(QStringLiteral("drive"));
    // An image file can stand in for a drive: the list takes typed paths.
    m_drive->setEditable(true);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("status"));
    m_title = new QLineEdit;
    m_title->setObjectName(QStringLiteral("title"));
    m_trackListing = MultiLine(QStringLiteral("trackListing"));
    m_extTrackListing = MultiLine(QStringLiteral("extTrackListing"));
    m_extDiskInfo = MultiLine(QStringLiteral("extDiskInfo"));
    m_trackTimes = new QCheckBox(QStringLiteral("Display Track Times"));
    m_trackTimes->setObjectName(QStringLiteral("displayTrackTimes"));
    m_trackTimes->setChecked(true);

    auto* form = new QFormLayout;
    auto* driveRow = new QHBoxLayout;
    driveRow->addWidget(m_drive, 1);
    driveRow->addWidget(m_status);
    auto* driveLabel = new QLabel(QStringLiteral("CD-ROM &drive:"));
    driveLabel->setBuddy(m_drive);
    form->addRow(driveLabel, driveRow);
    form->addRow(QStringLiteral("&Title:"), m_title);
    form->addRow(QStringLiteral("Track &Listing:"), m_trackListing);
    form->addRow(QStringLiteral("E&xtended Track Listing:"), m_extTrackListing);
    form->addRow(QStringLiteral("Extended Disk &Information:"), m_extDiskInfo);
    form->addRow(QString(), m_trackTimes);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    const std::pair<const char*, void (CCDDBDialog::*)()> actions[] = {
        {"Get Disk Information", nullptr}, {"Update Info", &CCDDBDialog::UpdateInfo},
        {"Submit Disk", &CCDDBDialog::SubmitDisk}, {"Proxy..", &CCDDBDialog::EditProxy}};
    auto* actionRow = new QHBoxLayout;
    for (const auto& [caption, slot] : actions) {
        auto* button = new QPushButton(QString::fromUtf8(caption));
        button->setObjectName(QString::fromUtf8(caption));
        button->setAutoDefault(false);
        if (slot)
            connect(button, &QPushButton::clicked, this, slot);
        else
            connect(button, &QPushButton::clicked, this, [this] { GetDiskInformation(); });
        actionRow->addWidget(button);
        m_actions << button;
    }
    actionRow->addStretch();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCDDBDialog::reject);
    connect(m_trackTimes, &QCheckBox::toggled, this, &CCDDBDialog::DisplayTrackTimes);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(actionRow);
    layout->addWidget(buttons);
    resize(560, 520);
    FillDrives();
    SetStatus(NotConnected);
}

void CCDDBDialog::FillDrives()
{
    m_drive->addItems(CdDrivePaths());
    const int preferred = m_drive->findText(CPreferences::Instance().LabelDrive());
    m_drive->setCurrentIndex(preferred >= 0 ? preferred : 0);
}

void CCDDBDialog::Preset(const QString& drive)
{
    m_preset = true;
    m_presetDrive = drive;
    if (m_drive->findText(drive) < 0)
        m_drive->addItem(drive);
    m_drive->setCurrentIndex(m_drive->findText(drive));
}

void CCDDBDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_preset) {
        m_preset = false;
        QTimer::singleShot(0, this, [this] { GetDiskInformation(); });
    }
}

void CCDDBDialog::SetTexts(const CCddbTexts& texts)
{
    m_title->setText(texts.title);
    ToEdit(m_trackListing, texts.trackListing);
    ToEdit(m_extTrackListing, texts.extTrackInfo);
    ToEdit(m_extDiskInfo, texts.extDiscInfo);
}

CCddbTexts CCDDBDialog::Texts() const
{
    return {m_title->text(), FromEdit(m_trackListing), FromEdit(m_extDiskInfo), FromEdit(m_extTrackListing)};
}

void CCDDBDialog::SetStatus(Status status)
{
    m_status->setText(status == Accessing ? QStringLiteral("Accessing CDDB") : QStringLiteral("Not Connected"));
}

void CCDDBDialog::SetBusy(bool busy)
{
    m_busy = busy;
    for (QPushButton* button : m_actions)
        button->setEnabled(!busy);
}

bool CCDDBDialog::Fail(const QString& message)
{
    SetStatus(NotConnected);
    if (!message.isEmpty())
        Prompter().ShowMessage(message, CPrompter::Icon::Warning);
    return false;
}

void CCDDBDialog::Report(const CCddbError& error)
{
    Prompter().ShowMessage(error.Message(), CPrompter::Icon::Error);
}

bool CCDDBDialog::GetDiskInformation()
{
    if (m_busy)
        return false;
    CWaitCursor wait;
    SetTexts({});
    SetStatus(Accessing);
    const QString drive = m_drive->currentText().trimmed();
    if (drive.isEmpty())
        return Fail(QStringLiteral("Please select a CDROM drive."));
    SetBusy(true);
    const bool found = Lookup(drive);
    SetBusy(false);
    SetStatus(NotConnected);
    return found;
}

bool CCDDBDialog::Lookup(const QString& drive)
{
    CCddbClient& client = CCddbSession::Instance().Client();
    try {
        if (client.UserRegistration(0) == 0)
            client.UserRegistration(1);
    } catch (const CCddbError& e) {
        Report(e);
    }
    m_toc.clear();
    const CTocReadResult read = ReadTableOfContents(drive);
    if (!read.Ok()) {
        Prompter().ShowMessage(read.message, CPrompter::Icon::Warning);
        return Fail(QStringLiteral("Could not get the table of contents for this disk.  Try a different disk."));
    }
    m_toc = read.Text();
    int result = 0;
    try {
        result = client.LookupMediaByToc(m_toc, 0);
    } catch (const CCddbError& e) {
        Report(e);
    }
    switch (result) {
    case CCddbClient::OneMatch:
        CCddbSession::Instance().currentDisc = client.MatchedDisc();
        BuildTexts();
        return true;
    case CCddbClient::SeveralMatches:
        return ResolveSeveralMatches();
    case CCddbClient::NoMatch:
        return AddNewDisc();
    default:
        return Fail(QStringLiteral("Unexpected return from LookupMediaByToc.  Try a different disk."));
    }
}

bool CCDDBDialog::ResolveSeveralMatches()
{
    CCddbSession& session = CCddbSession::Instance();
    CCddbClient& client = session.Client();
    session.matchList = client.MatchList();
    const std::optional<CCddbDisc> picked = client.ChooseDisc(session.matchList);
    if (!picked)
        return Fail(QStringLiteral("No matched disc selected.  Please select a disk that matches."));
    session.currentDisc = picked;
    if (!picked->Identifier().isEmpty()) {
        try {
            session.currentDisc = client.FullDiscInfo(*picked, 0);
        } catch (const CCddbError& e) {
            if (e.Code() == CCddbError::NotFound)
                Prompter().ShowMessage(QStringLiteral("No match for table of contents.  Try a different disk."));
            else
                Report(e);
        }
    }
    BuildTexts();
    return true;
}

bool CCDDBDialog::AddNewDisc()
{
    if (!Prompter().AskYesNo(QStringLiteral("The CDDB database does not have this disk.  Do you wish to add it?")))
        return Fail({});
    SetStatus(NotConnected);
    CCddbClient& client = CCddbSession::Instance().Client();
    try {
        CCddbDisc disc = client.NewDisc(m_toc, QString(), QString());
        const int flags = client.EditDisc(disc, CCddbClient::EditNewDisc);
        if ((flags & kEdited) != kEdited)
            return false;
        CCddbSession::Instance().currentDisc = disc;
    } catch (const CCddbError& e) {
        Report(e);
        return false;
    }
    BuildTexts();
    return true;
}

void CCDDBDialog::BuildTexts()
{
    const std::optional<CCddbDisc>& disc = CCddbSession::Instance().currentDisc;
    if (disc)
        SetTexts(BuildCddbTexts(*disc, m_toc, m_trackTimes->isChecked()));
}

void CCDDBDialog::DisplayTrackTimes()
{
    m_trackListing->clear();
    m_extDiskInfo->clear();
    m_extTrackListing->clear();
    BuildTexts();
}

void CCDDBDialog::UpdateInfo()
{
    if (m_busy)
        return;
    m_lastEditFlags = CCddbClient::EditUpdate;
    if (!CCddbSession::Instance().currentDisc)
        GetDiskInformation();
    std::optional<CCddbDisc>& disc = CCddbSession::Instance().currentDisc;
    if (!disc)
        return;
    try {
        m_lastEditFlags = CCddbSession::Instance().Client().EditDisc(*disc, m_lastEditFlags);
    } catch (const CCddbError& e) {
        Report(e);
        return;
    }
    if (m_lastEditFlags & kEdited) {
        m_submitFlags = m_lastEditFlags;
        BuildTexts();
    }
}

void CCDDBDialog::SubmitDisk()
{
    if (m_busy)
        return;
    const std::optional<CCddbDisc>& disc = CCddbSession::Instance().currentDisc;
    if (!(m_submitFlags & kEdited) || !disc) {
        Prompter().ShowMessage(
            QStringLiteral("Please select Update Info prior to submitting or correcting disk information."));
        return;
    }
    SetBusy(true);
    SetStatus(Accessing);
    try {
        CWaitCursor wait;
        CCddbSession::Instance().Client().SubmitDisc(*disc, 0);
    } catch (const CCddbError& e) {
        Report(e);
    }
    SetStatus(NotConnected);
    SetBusy(false);
}

void CCDDBDialog::EditProxy()
{
    CProxyDialog proxy(this);
    if (proxy.exec() != QDialog::Accepted)
        return;
    CCddbClient& client = CCddbSession::Instance().Client();
    CCddbOptions options = client.Options();
    const CPreferences& preferences = CPreferences::Instance();
    const bool inUse = preferences.ProxyInUse();
    options.proxyHost = inUse ? preferences.ProxyHost() : QString();
    options.proxyPort = inUse ? preferences.ProxyPort() : 0;
    options.proxyUser = inUse ? preferences.ProxyUser() : QString();
    options.proxyPassword = inUse ? preferences.ProxyPassword() : QString();
    client.SetOptions(options);
}

void CCDDBDialog::reject()
{
    // Cancel during a lookup ends the lookup, not the dialog.
    if (m_busy && CCddbSession::Instance().HasClient()) {
        CCddbSession::Instance().Client().Cancel();
        return;
    }
    QDialog::reject();
}

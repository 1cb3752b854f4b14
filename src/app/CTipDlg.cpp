#include "app/CTipDlg.h"

#include "app/HelpLinks.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CTipDlg::CTipDlg(const QString& tipsPath, QWidget* parent)
    : QDialog(parent), m_settings(CTipSettings::Load())
{
    setWindowTitle(QStringLiteral("Tip of the Day"));

    auto* page = new QFrame(this);
    page->setFrameShape(QFrame::StyledPanel);
    page->setAutoFillBackground(true);
    QPalette white = page->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    page->setPalette(white);

    auto* bulb = new QLabel(page);
    bulb->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    bulb->setAlignment(Qt::AlignTop);
    auto* heading = new QLabel(QStringLiteral("<b>Did you know...</b>"), page);
    m_text = new QLabel(page);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_text->setMinimumSize(320, 110);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(heading);
    textColumn->addWidget(m_text, 1);
    auto* pageLayout = new QHBoxLayout(page);
    pageLayout->addWidget(bulb);
    pageLayout->addLayout(textColumn, 1);

    m_startUp = new QCheckBox(QStringLiteral("&Show Tips on StartUp"), this);
    m_startUp->setChecked(m_settings.startUp == 0);
    m_next = new QPushButton(QStringLiteral("&Next Tip"), this);
    m_close = new QPushButton(QStringLiteral("&Close"), this);
    m_close->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_startUp);
    buttons->addStretch(1);
    buttons->addWidget(m_next);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page, 1);
    layout->addLayout(buttons);

    HelpLinks::AddContextHelp(this, QStringLiteral("help"));
    connect(m_next, &QPushButton::clicked, this, &CTipDlg::OnNextTip);
    connect(m_close, &QPushButton::clicked, this, &CTipDlg::OnClose);

    const CTipFile::Status opened = m_tips.Open(tipsPath);
    if (opened != CTipFile::Status::Ok) {
        ShowTip({}, opened);
        return;
    }
    const QString stamp = m_tips.TimeStamp();
    if (stamp != m_settings.timeStamp) {
        // A new tips file starts at its first tip.
        m_settings.filePos = 0;
        m_settings.timeStamp = stamp;
        m_settings.Save();
    }
    if (!m_tips.Seek(m_settings.filePos)) {
        ShowTip({}, CTipFile::Status::ReadError);
        return;
    }
    OnNextTip();
}

CTipDlg::~CTipDlg()
{
    if (m_tips.IsOpen()) {
        m_settings.filePos = m_tips.Position();
        m_settings.Save();
    }
}

QString CTipDlg::TipText() const
{
    return m_text->text();
}

bool CTipDlg::ShowAtStartUp()
{
    return CTipSettings::Load().startUp == 0;
}

void CTipDlg::OnNextTip()
{
    CTipFile::Status status = CTipFile::Status::Ok;
    const QString tip = m_tips.ReadNextTip(&status);
    ShowTip(tip, status);
}

void CTipDlg::ShowTip(const QString& tip, CTipFile::Status status)
{
    m_text->setText(status == CTipFile::Status::Ok ? tip : CTipFile::MessageFor(status));
    // Only an open file with tips in it has a next one.
    m_next->setEnabled(m_tips.IsOpen() && status != CTipFile::Status::NoTips);
}

void CTipDlg::OnClose()
{
    m_settings.startUp = m_startUp->isChecked() ? 0 : 1;
    m_settings.Save();
    accept();
}

#include "app/CAboutDlg.h"

#include "BuildInfo.h"
#include "toolkit/CommandIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Covermint"));
    auto* icon = new QLabel(this);
    icon->setPixmap(CommandIcons::Application().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<h3>Covermint</h3><p>%1</p><p>A designer for CD jewel-case inserts and "
                                 "ZIP and JAZ disk labels.</p><p>Built with Qt %2.</p>")
                      .arg(VersionLine().toHtmlEscaped(), QStringLiteral(QT_VERSION_STR)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

QString CAboutDlg::VersionLine()
{
    return QStringLiteral("Version %1, build %2")
        .arg(QStringLiteral(COVERMINT_PRODUCT_VERSION), QStringLiteral(COVERMINT_BUILD_NUMBER));
}

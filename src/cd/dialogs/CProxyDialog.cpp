#include "cd/dialogs/CProxyDialog.h"

#include "document/CPreferences.h"
#include "toolkit/DialogButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QVBoxLayout>

CProxyDialog::CProxyDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CProxyDialog"));
    setWindowTitle(QStringLiteral("Proxy Settings"));
    const CPreferences& preferences = CPreferences::Instance();
    auto* form = new QFormLayout;
    m_inUse = new QCheckBox(QStringLiteral("Connect to Internet through this Proxy."));
    m_inUse->setObjectName(QStringLiteral("inUse"));
    m_inUse->setChecked(preferences.ProxyInUse());
    form->addRow(m_inUse);
    m_host = AddField(form, QStringLiteral("&Host:"), QStringLiteral("host"), preferences.ProxyHost());
    m_port = AddField(form, QStringLiteral("&Port:"), QStringLiteral("port"),
                      QString::asprintf("%ld", long(preferences.ProxyPort())));
    m_port->setValidator(new QIntValidator(0, 65535, m_port));
    m_user = AddField(form, QStringLiteral("&User name:"), QStringLiteral("user"), preferences.ProxyUser());
    m_password = AddField(form, QStringLiteral("Pass&word:"), QStringLiteral("password"), preferences.ProxyPassword());
    m_password->setEchoMode(QLineEdit::Password);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancelButtons(this));
}

QLineEdit* CProxyDialog::AddField(QFormLayout* form, const QString& caption, const QString& objectName,
                                  const QString& value)
{
    auto* edit = new QLineEdit(value);
    edit->setObjectName(objectName);
    form->addRow(caption, edit);
    return edit;
}

void CProxyDialog::accept()
{
    CPreferences& preferences = CPreferences::Instance();
    const bool inUse = m_inUse->isChecked();
    if (inUse) {
        preferences.SetProxyHost(m_host->text());
        preferences.SetProxyPort(m_port->text().toInt());
        preferences.SetProxyUser(m_user->text());
        preferences.SetProxyPassword(m_password->text());
    }
    preferences.SetProxyInUse(inUse);
    QDialog::accept();
}

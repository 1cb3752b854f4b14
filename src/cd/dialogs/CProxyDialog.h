#pragma once
// "Proxy Settings": the proxy CDDB is reached through. Opens with the
// preferences' values; OK stores them (the fields only when the box is
// checked) and writes the preferences file.
#include <QDialog>

class QCheckBox;
class QLineEdit;

class CProxyDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CProxyDialog(QWidget* parent = nullptr);
    void accept() override;

private:
    QLineEdit* AddField(class QFormLayout* form, const QString& caption, const QString& objectName, const QString& value);

    QCheckBox* m_inUse;
    QLineEdit* m_host;
    QLineEdit* m_port;
    QLineEdit* m_user;
    QLineEdit* m_password;
};

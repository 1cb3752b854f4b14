#pragma once
// "Delete Filetypes": asks which file extension to drop from a listing.
#include <QDialog>

class QLineEdit;

class CDeleteFiletypes : public QDialog
{
    Q_OBJECT
public:
    explicit CDeleteFiletypes(QWidget* parent = nullptr);

    QString Extension() const;
    QLineEdit* ExtensionEdit() const { return m_extension; }

private:
    QLineEdit* m_extension;
};

#pragma once
// "Label Header": the label's name, description, author and creation date.
// OK stores them through the document's setters, so the texts showing them
// follow; Cancel changes nothing.
#include <QDialog>

class CCovermintDoc;
class QFormLayout;
class QLineEdit;

class CLabelHeader : public QDialog
{
    Q_OBJECT
public:
    explicit CLabelHeader(CCovermintDoc& document, QWidget* parent = nullptr);

    void accept() override;

private:
    static QLineEdit* AddField(QFormLayout* form, const QString& caption, const QString& objectName, int controlId, const QString& value);

    CCovermintDoc& m_document;
    QLineEdit* m_name;
    QLineEdit* m_description;
    QLineEdit* m_author;
    QLineEdit* m_created;
};

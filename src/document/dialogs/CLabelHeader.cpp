#include "document/dialogs/CLabelHeader.h"

#include "document/CCovermintDoc.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CLabelHeader::CLabelHeader(CCovermintDoc& document, QWidget* parent)
    : QDialog(parent), m_document(document)
{
    setWindowTitle(tr("Label Header"));
    auto* form = new QFormLayout;
    const CLabelHeaderFields& header = document.Header();
    m_name = AddField(form, tr("&Name :"), QStringLiteral("Name"), 1042, header.name);
    m_description = AddField(form, tr("&Description :"), QStringLiteral("Description"), 1103, header.description);
    m_author = AddField(form, tr("&Author :"), QStringLiteral("Author"), 1040, header.author);
    m_created = AddField(form, tr("&Creation Date :"), QStringLiteral("CreationDate"), 1041, header.created);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLabelHeader::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CLabelHeader::reject);
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addWidget(buttons);
    setMinimumWidth(360);
}

QLineEdit* CLabelHeader::AddField(QFormLayout* form, const QString& caption, const QString& objectName, int controlId, const QString& value)
{
    auto* edit = new QLineEdit(value);
    edit->setObjectName(objectName);
    edit->setProperty("controlId", controlId);
    form->addRow(caption, edit);
    return edit;
}

void CLabelHeader::accept()
{
    CEditRecorder record(m_document.Engine(), QStringLiteral("Label Header"), CEditRecorder::Scope::All, m_document.HeaderState());
    // The order in which the special texts are updated.
    m_document.SetDescription(m_description->text());
    m_document.SetAuthor(m_author->text());
    m_document.SetCreationDate(m_created->text());
    m_document.SetName(m_name->text());
    record.Finish();
    m_document.SetModifiedFlag(true);
    m_document.UpdateAllViews();
    QDialog::accept();
}

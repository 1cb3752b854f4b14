#include "app/CNewLabelDialog.h"

#include "app/HelpLinks.h"
#include "app/TemplateItems.h"
#include "document/LabelFile.h"
#include "platform/Prompter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CNewLabelDialog::CNewLabelDialog(const QString& templatesFolder, QWidget* parent)
    : QDialog(parent), m_folder(templatesFolder)
{
    setWindowTitle(QStringLiteral("Label Type"));

    m_tree = new QTreeWidget(this);
    m_tree->setHeaderHidden(true);
    m_tree->setMinimumSize(220, 240);
    TemplateItems::Add(m_tree->invisibleRootItem(), templatesFolder);
    m_tree->expandAll();

    m_name = new QLineEdit(this);
    m_description = new QPlainTextEdit(this);
    m_description->setTabChangesFocus(true);
    m_description->setFixedHeight(80);
    m_author = new QLineEdit(this);
    m_created = new QLineEdit(this);
    m_apply = new QPushButton(QStringLiteral("&Apply"), this);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Name:"), m_name);
    fields->addRow(QStringLiteral("&Description:"), m_description);
    fields->addRow(QStringLiteral("A&uthor:"), m_author);
    fields->addRow(QStringLiteral("&Created:"), m_created);
    auto* applyRow = new QHBoxLayout;
    applyRow->addStretch(1);
    applyRow->addWidget(m_apply);
    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addLayout(applyRow);
    right->addWidget(m_note);
    right->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto* top = new QHBoxLayout;
    top->addWidget(m_tree, 1);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &CNewLabelDialog::OnSelectionChanged);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &CNewLabelDialog::OnDoubleClick);
    connect(m_apply, &QPushButton::clicked, this, &CNewLabelDialog::OnApply);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewLabelDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNewLabelDialog::reject);

    HelpLinks::AddContextHelp(this, QStringLiteral("new-label"));
    SetFieldsEnabled(false);
    m_ok->setEnabled(false);
    if (m_tree->topLevelItemCount() == 0)
        m_note->setText(QStringLiteral("No templates were found in %1.").arg(templatesFolder));
}

QString CNewLabelDialog::Note() const
{
    return m_note->text();
}

void CNewLabelDialog::OnSelectionChanged()
{
    CWaitCursor wait;
    const QString relative = TemplateItems::RelativePath(m_tree->currentItem());
    m_ok->setEnabled(!relative.isEmpty());
    if (relative.isEmpty()) {
        SetFieldsEnabled(false);
        return;
    }
    m_selected = relative;
    m_note->clear();
    CLabelHeaderFields header;
    m_headerRead = LabelFile::ReadHeader(m_folder, relative, header);
    if (!m_headerRead) {
        // Nothing to edit: the fields must not carry another template's header over.
        header = {};
        m_note->setText(QStringLiteral("The header of this template could not be read."));
    }
    ShowFields(header);
    // Compared as shown, so that line breaks the edit fields normalise do not count as a change.
    m_remembered = Fields();
    SetFieldsEnabled(m_headerRead);
}

void CNewLabelDialog::OnDoubleClick(QTreeWidgetItem* item)
{
    if (!TemplateItems::RelativePath(item).isEmpty())
        accept();
}

bool CNewLabelDialog::OnApply()
{
    if (m_selected.isEmpty() || !m_headerRead)
        return true;
    const CLabelHeaderFields edited = Fields();
    if (edited.name == m_remembered.name && edited.description == m_remembered.description &&
        edited.author == m_remembered.author && edited.created == m_remembered.created)
        return true;
    CLabelHeaderFields stored = edited;
    stored.description.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    // WriteHeader reports its own failures.
    if (!LabelFile::WriteHeader(m_folder, m_selected, stored))
        return false;
    m_remembered = edited;
    return true;
}

void CNewLabelDialog::accept()
{
    if (m_selected.isEmpty() || TemplateItems::RelativePath(m_tree->currentItem()).isEmpty())
        return;
    OnApply();
    QDialog::accept();
}

void CNewLabelDialog::SetFieldsEnabled(bool enabled)
{
    for (QWidget* w : {static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_description),
                       static_cast<QWidget*>(m_author), static_cast<QWidget*>(m_created),
                       static_cast<QWidget*>(m_apply)})
        w->setEnabled(enabled);
}

CLabelHeaderFields CNewLabelDialog::Fields() const
{
    CLabelHeaderFields fields;
    fields.name = m_name->text();
    fields.description = m_description->toPlainText();
    fields.author = m_author->text();
    fields.created = m_created->text();
    return fields;
}

void CNewLabelDialog::ShowFields(const CLabelHeaderFields& header)
{
    m_name->setText(header.name);
    m_description->setPlainText(header.description);
    m_author->setText(header.author);
    m_created->setText(header.created);
}

#pragma once
// "Label Type": choose the template of a new label and, if wanted, edit the
// header stored in that template (Apply, or OK).
#include "document/CCovermintDoc.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CNewLabelDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CNewLabelDialog(const QString& templatesFolder, QWidget* parent = nullptr);

    // "Category/File.cte" of the chosen template; empty when none.
    QString SelectedTemplate() const { return m_selected; }

    QTreeWidget* Tree() const { return m_tree; }
    QLineEdit* NameEdit() const { return m_name; }
    QPlainTextEdit* DescriptionEdit() const { return m_description; }
    QLineEdit* AuthorEdit() const { return m_author; }
    QLineEdit* CreatedEdit() const { return m_created; }
    QPushButton* ApplyButton() const { return m_apply; }
    QString Note() const;

public slots:
    // Writes the edited header into the template when it differs from what
    // was read. False when writing failed.
    bool OnApply();
    void accept() override;

private:
    void OnSelectionChanged();
    void OnDoubleClick(QTreeWidgetItem* item);
    void SetFieldsEnabled(bool enabled);
    CLabelHeaderFields Fields() const;
    void ShowFields(const CLabelHeaderFields& header);

    QString m_folder;
    QString m_selected;
    CLabelHeaderFields m_remembered;
    bool m_headerRead = false;
    QTreeWidget* m_tree = nullptr;
    QLineEdit* m_name = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QLineEdit* m_author = nullptr;
    QLineEdit* m_created = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_ok = nullptr;
    QLabel* m_note = nullptr;
};

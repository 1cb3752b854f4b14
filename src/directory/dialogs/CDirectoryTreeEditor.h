#pragma once
// The directory dialog's tree: shows a directory tree and edits it in place
// with four buttons beneath (up, down, delete, expand or collapse all below
// the selection) and the Delete key.
#include <QWidget>

class CFileDirectory;
class CFileInformation;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class CDirectoryTreeEditor : public QWidget
{
    Q_OBJECT
public:
    explicit CDirectoryTreeEditor(CFileDirectory& tree, QWidget* parent = nullptr);

    // Shows the tree afresh, after it was replaced.
    void Rebuild();
    // Removes every file of the extension from the tree and the view.
    void RemoveFilesOfType(const QString& extension);

    QTreeWidget* TreeView() const { return m_view; }
    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }
    QToolButton* DeleteButton() const { return m_delete; }
    QToolButton* ExpandButton() const { return m_expand; }

signals:
    // The Delete key removed an entry.
    void deletedByKey();
    // The tree changed: an entry moved or went, by key or button.
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CFileInformation* NodeOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, CFileInformation& node);
    void MoveSelected(int step);
    bool DeleteSelected();
    void ToggleExpansion();
    void UpdateButtons();

    CFileDirectory& m_tree;
    QTreeWidget* m_view;
    QToolButton* m_up;
    QToolButton* m_down;
    QToolButton* m_delete;
    QToolButton* m_expand;
};

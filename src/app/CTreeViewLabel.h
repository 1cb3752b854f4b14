#pragma once
// The workspace's "Labels" tab: the .cla files of the home folder's Labels
// folder. Double-click opens one; Delete deletes the file after a question.
#include "app/CWorkspaceTree.h"

#include <functional>

class CTreeViewLabel : public CWorkspaceTree
{
    Q_OBJECT
public:
    explicit CTreeViewLabel(QWidget* parent = nullptr);

    // Tells whether a path is open in a window; such a label is not deleted.
    void SetOpenCheck(std::function<bool(const QString&)> isOpen) { m_isOpen = std::move(isOpen); }

    void Refresh() override;
    void DeleteSelected();
    static QString LabelsFolder();

signals:
    void openRequested(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnDoubleClick(QTreeWidgetItem* item) override;

    std::function<bool(const QString&)> m_isOpen;
};

#include "directory/dialogs/CDirectoryTreeEditor.h"

#include "directory/DirectoryTreeEditing.h"
#include "platform/Prompter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QToolButton* MakeButton(QWidget* owner, QStyle::StandardPixmap icon, const QString& tip)
{
    auto* button = new QToolButton(owner);
    button->setIcon(owner->style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

void SetSubtreeExpanded(QTreeWidgetItem* top, bool expanded)
{
    std::vector<QTreeWidgetItem*> pending{top};
    while (!pending.empty()) {
        QTreeWidgetItem* item = pending.back();
        pending.pop_back();
        item->setExpanded(expanded);
        for (int i = 0; i < item->childCount(); ++i)
            pending.push_back(item->child(i));
    }
}

} // namespace

CDirectoryTreeEditor::CDirectoryTreeEditor(CFileDirectory& tree, QWidget* parent)
    : QWidget(parent)
    , m_tree(tree)
    , m_view(new QTreeWidget)
    , m_up(MakeButton(this, QStyle::SP_ArrowUp, tr("Move Up")))
    , m_down(MakeButton(this, QStyle::SP_ArrowDown, tr("Move Down")))
    , m_delete(MakeButton(this, QStyle::SP_TrashIcon, tr("Remove From Listing")))
    , m_expand(MakeButton(this, QStyle::SP_ToolBarVerticalExtensionButton, tr("Expand or Collapse All Below")))
{
    m_view->setHeaderHidden(true);
    m_view->setUniformRowHeights(true);
    m_view->installEventFilter(this);
    auto* buttons = new QHBoxLayout;
    for (QToolButton* button : {m_up, m_down, m_delete, m_expand})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);

    connect(m_up, &QToolButton::clicked, this, [this] { MoveSelected(-1); });
    connect(m_down, &QToolButton::clicked, this, [this] { MoveSelected(+1); });
    connect(m_delete, &QToolButton::clicked, this, [this] { DeleteSelected(); });
    connect(m_expand, &QToolButton::clicked, this, &CDirectoryTreeEditor::ToggleExpansion);
    connect(m_view, &QTreeWidget::currentItemChanged, this, &CDirectoryTreeEditor::UpdateButtons);
    connect(m_view, &QTreeWidget::itemExpanded, this, &CDirectoryTreeEditor::UpdateButtons);
    connect(m_view, &QTreeWidget::itemCollapsed, this, &CDirectoryTreeEditor::UpdateButtons);
    Rebuild();
}

CFileInformation* CDirectoryTreeEditor::NodeOf(const QTreeWidgetItem* item) const
{
    return item ? static_cast<CFileInformation*>(item->data(0, Qt::UserRole).value<void*>()) : nullptr;
}

QTreeWidgetItem* CDirectoryTreeEditor::AddItem(QTreeWidgetItem* parent, CFileInformation& node)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_view);
    item->setText(0, node.Name());
    item->setIcon(0, style()->standardIcon(node.IsFile() ? QStyle::SP_FileIcon : QStyle::SP_DirIcon));
    item->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(&node)));
    return item;
}

void CDirectoryTreeEditor::Rebuild()
{
    m_view->clear();
    // Without recursion: listings can be very deep.
    std::vector<std::pair<QTreeWidgetItem*, CFileDirectory*>> pending{{nullptr, &m_tree}};
    while (!pending.empty()) {
        auto [parentItem, directory] = pending.back();
        pending.pop_back();
        for (const FileNodePtr& child : directory->Children()) {
            QTreeWidgetItem* item = AddItem(parentItem, *child);
            if (!child->IsFile())
                pending.emplace_back(item, static_cast<CFileDirectory*>(child.get()));
        }
    }
    UpdateButtons();
}

void CDirectoryTreeEditor::MoveSelected(int step)
{
    QTreeWidgetItem* item = m_view->currentItem();
    if (!item || !DirectoryTreeEditing::Move(m_tree, NodeOf(item), step))
        return;
    QTreeWidgetItem* parent = item->parent();
    const int index = parent ? parent->indexOfChild(item) : m_view->indexOfTopLevelItem(item);
    const bool expanded = item->isExpanded();
    if (parent) {
        parent->takeChild(index);
        parent->insertChild(index + step, item);
    } else {
        m_view->takeTopLevelItem(index);
        m_view->insertTopLevelItem(index + step, item);
    }
    item->setExpanded(expanded);
    m_view->setCurrentItem(item);
    m_view->scrollToItem(item);
    UpdateButtons();
    emit edited();
}

bool CDirectoryTreeEditor::DeleteSelected()
{
    QTreeWidgetItem* item = m_view->currentItem();
    if (!item)
        return false;
    if (!DirectoryTreeEditing::Remove(m_tree, NodeOf(item)))
        Prompter().ShowMessage(tr("Failed to remove the directory information"), CPrompter::Icon::Warning);
    delete item;
    UpdateButtons();
    emit edited();
    return true;
}

void CDirectoryTreeEditor::RemoveFilesOfType(const QString& extension)
{
    std::vector<QTreeWidgetItem*> matching;
    for (QTreeWidgetItemIterator it(m_view); *it; ++it)
        if (DirectoryTreeEditing::IsFileOfType(*NodeOf(*it), extension))
            matching.push_back(*it);
    // The nodes go first: deleting an item must not leave a stale pointer to look at.
    DirectoryTreeEditing::RemoveFilesOfType(m_tree, extension);
    for (QTreeWidgetItem* item : matching)
        delete item;
    UpdateButtons();
    emit edited();
}

void CDirectoryTreeEditor::ToggleExpansion()
{
    if (QTreeWidgetItem* item = m_view->currentItem())
        SetSubtreeExpanded(item, !item->isExpanded());
    UpdateButtons();
}

void CDirectoryTreeEditor::UpdateButtons()
{
    QTreeWidgetItem* item = m_view->currentItem();
    const CFileInformation* node = NodeOf(item);
    m_up->setEnabled(node && DirectoryTreeEditing::CanMove(m_tree, node, -1));
    m_down->setEnabled(node && DirectoryTreeEditing::CanMove(m_tree, node, +1));
    m_delete->setEnabled(node != nullptr);
    m_expand->setEnabled(item && item->childCount() > 0);
}

bool CDirectoryTreeEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        if (DeleteSelected())
            emit deletedByKey();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

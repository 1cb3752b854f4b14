#pragma once
// The main window: menus (one set while no label is open, one while labels
// are), tool bars, status bar, the label windows and the dockable workspace
// with the Labels and Templates tabs. Commands are routed to the
// application, the active label's view or its document.
#include "toolkit/CommandRoutes.h"

#include <QHash>
#include <QMainWindow>

class CChildFrame;
class CCovermintApp;
class CTreeViewLabel;
class CTreeViewTemplate;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTabWidget;
class QTimer;
class QToolBar;

class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit CMainFrame(CCovermintApp& app);
    ~CMainFrame() override;

    QMdiArea* MdiArea() const { return m_mdi; }
    // The label window that commands act on, or none.
    CChildFrame* ActiveFrame() const;
    QList<CChildFrame*> Frames() const;
    void AddFrame(CChildFrame* frame);

    QAction* Action(int commandId) const { return m_actions.value(commandId); }
    QList<QMenu*> MenuBarMenus() const;
    QTabWidget* Workspace() const { return m_workspace; }
    CTreeViewLabel* LabelTree() const { return m_labelTree; }
    CTreeViewTemplate* TemplateTree() const { return m_templateTree; }
    QToolBar* ToolBar(int viewCommandId) const { return m_bars.value(viewCommandId); }
    QString StatusPaneText(int pane) const;

    void OnCommand(int commandId);
    bool IsCommandEnabled(int commandId) const;
    // Enables, checks and renames the actions as the active label allows.
    void UpdateCommandStates();
    // Updates them once control returns to the event loop, however many
    // changes asked for it meanwhile.
    void ScheduleCommandStates();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateToolBars();
    void CreateStatusBar();
    void CreateWorkspace();
    void CreateMenus();
    QMenu* NewMenu(const QString& title, std::initializer_list<int> ids);
    QMenu* FileMenu(std::initializer_list<int> ids);
    QToolBar* NewToolBar(const QString& title, int toggleId, std::initializer_list<int> ids);
    void UpdateMenuSet();
    void UpdateCaption();
    void UpdateStatusPanes();
    void UpdateWindowMenu();
    void ArrangeIcons();
    void OnSubWindowActivated(QMdiSubWindow* window);
    void OnWorkspaceTabChanged(int index);
    static std::span<const CommandRoute<CMainFrame>> Routes();

    CCovermintApp& m_app;
    QMdiArea* m_mdi = nullptr;
    QHash<int, QAction*> m_actions;
    QHash<int, QToolBar*> m_bars; // by the View command that shows them
    QList<QMenu*> m_noLabelMenus;
    QList<QMenu*> m_labelMenuList;
    QMenu* m_windowMenu = nullptr;
    QList<QAction*> m_windowListActions;
    bool m_labelMenus = false;
    QDockWidget* m_workspaceDock = nullptr;
    QTabWidget* m_workspace = nullptr;
    CTreeViewLabel* m_labelTree = nullptr;
    CTreeViewTemplate* m_templateTree = nullptr;
    QList<QLabel*> m_panes; // zoom, tool, page size
    QMetaObject::Connection m_statusConnection;
    QTimer* m_stateUpdate = nullptr;
};

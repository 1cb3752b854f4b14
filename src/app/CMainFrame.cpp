#include "app/CMainFrame.h"

#include "app/BatchCommand.h"
#include "app/CChildFrame.h"
#include "app/CLabelDriveCombo.h"
#include "app/CCovermintApp.h"
#include "app/CTreeViewLabel.h"
#include "app/CTreeViewTemplate.h"
#include "app/CommandTable.h"
#include "app/DocumentCommands.h"
#include "app/LabelSaver.h"
#include "app/RecentFileList.h"
#include "cd/dialogs/CddbCommands.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "drawing/DrawingDefaults.h"
#include "platform/PrinterInfo.h"
#include "toolkit/CommandIcons.h"
#include "view/CCovermintView.h"
#include "toolkit/CommandIds.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTabWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace {

using namespace CommandId;

enum Pane { MessagePane = 0, ZoomPane = 1, ToolPane = 2, PagePane = 3 };

QString Tooltip(const CommandInfo& info)
{
    return QString::fromUtf8(info.prompt).section(QLatin1Char('\n'), 1);
}

QString StatusTip(const CommandInfo& info)
{
    return QString::fromUtf8(info.prompt).section(QLatin1Char('\n'), 0, 0);
}

// Tools that need a label: the others only choose what the next press draws.
bool ToolNeedsLabel(int id)
{
    return id == ToolDragSelection || id == ToolEllipse;
}

} // namespace

CMainFrame::CMainFrame(CCovermintApp& app) : m_app(app)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(QStringLiteral("Covermint"));
    setWindowIcon(CommandIcons::Application());
    m_mdi = new QMdiArea(this);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);

    CreateActions();
    CreateToolBars();
    CreateStatusBar();
    CreateWorkspace();
    CreateMenus();
    UpdateMenuSet();

    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);
    m_stateUpdate = new QTimer(this);
    m_stateUpdate->setSingleShot(true);
    m_stateUpdate->setInterval(0);
    connect(m_stateUpdate, &QTimer::timeout, this, &CMainFrame::UpdateCommandStates);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::ScheduleCommandStates);
    UpdateCommandStates();
    resize(1100, 800);
}

CMainFrame::~CMainFrame()
{
    // Label windows (closed ones waiting for deletion too) go while this
    // window is whole, and without reporting back to it.
    m_mdi->disconnect(this);
    disconnect(m_statusConnection);
    qDeleteAll(findChildren<CChildFrame*>());
}

// -- actions, bars, menus

void CMainFrame::CreateActions()
{
    for (const CommandInfo& info : CommandTable::All()) {
        auto* action = new QAction(CommandIcons::ForCommand(info.id), QString::fromUtf8(info.text), this);
        action->setData(info.id);
        action->setShortcut(QKeySequence(QString::fromUtf8(info.shortcut)));
        action->setStatusTip(StatusTip(info));
        action->setToolTip(Tooltip(info));
        action->setCheckable(info.checkable);
        const bool unavailable = CommandTable::IsUnavailable(info.id) ||
            (CommandTable::IsToolCommand(info.id) && !CCovermintView::IsToolAvailable(info.id));
        action->setVisible(!unavailable);
        connect(action, &QAction::triggered, this, [this, id = info.id] { OnCommand(id); });
        m_actions.insert(info.id, action);
    }
    auto* zoomGroup = new QActionGroup(this);
    for (int id = Zoom10; id <= Zoom300; ++id)
        zoomGroup->addAction(m_actions.value(id));
    auto* penGroup = new QActionGroup(this);
    for (int id = PenSize1; id <= PenSize4; ++id)
        penGroup->addAction(m_actions.value(id));
}

QToolBar* CMainFrame::NewToolBar(const QString& title, int toggleId, std::initializer_list<int> ids)
{
    QToolBar* bar = addToolBar(title);
    bar->setObjectName(title);
    bar->setIconSize(QSize(22, 22));
    for (int id : ids) {
        if (id == 0)
            bar->addSeparator();
        else
            bar->addAction(m_actions.value(id));
    }
    QAction* toggle = bar->toggleViewAction();
    toggle->setData(toggleId);
    m_actions.insert(toggleId, toggle);
    m_bars.insert(toggleId, bar);
    return bar;
}

void CMainFrame::CreateToolBars()
{
    NewToolBar(QStringLiteral("Toolbar"), ViewToolbar,
               {New, Open, Save, 0, Cut, Copy, Paste, 0, Undo, Redo, 0, Print, 0, About});
    NewToolBar(QStringLiteral("Drawing Bar"), ViewDrawingBar,
               {ToolSelection, ToolDragSelection, ToolFreehand, ToolRectangle, ToolRoundedRectangle, ToolLine,
                AddImage, ToolDirectorySegment, ToolText, ToolEllipse});
    NewToolBar(QStringLiteral("Stacking Bar"), ViewStackingBar, {Lower, Raise, MoveToBottom, MoveToTop});
    NewToolBar(QStringLiteral("Zoom Bar"), ViewZoomBar, {ZoomIn, ZoomOut});
    // A row of its own: beside the others its buttons would fall off the edge.
    addToolBarBreak();
    QToolBar* drives = NewToolBar(QStringLiteral("Drive Bar"), ViewDriveBar, {ReadDrive, DirectoryInformation, ConnectToCddb});
    drives->insertWidget(drives->actions().value(0), new CLabelDriveCombo(drives));

    const QList<std::pair<int, const char*>> texts = {{ViewToolbar, "&Toolbar"},
                                                      {ViewDrawingBar, "&Drawing Bar"},
                                                      {ViewStackingBar, "Stac&king Bar"},
                                                      {ViewZoomBar, "&Zoom Bar"},
                                                      {ViewDriveBar, "D&rive Bar"}};
    for (const auto& [id, text] : texts)
        m_actions.value(id)->setText(QString::fromUtf8(text));
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    for (int pane = ZoomPane; pane <= PagePane; ++pane) {
        auto* label = new QLabel(bar);
        label->setMinimumWidth(pane == PagePane ? 130 : 90);
        label->setAlignment(Qt::AlignCenter);
        bar->addPermanentWidget(label);
        m_panes << label;
    }
    auto* toggle = new QAction(QStringLiteral("&Status Bar"), this);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    toggle->setData(ViewStatusBar);
    toggle->setStatusTip(QStringLiteral("Shows or hides the status bar"));
    connect(toggle, &QAction::toggled, bar, &QStatusBar::setVisible);
    m_actions.insert(ViewStatusBar, toggle);
}

void CMainFrame::CreateWorkspace()
{
    m_workspaceDock = new QDockWidget(QStringLiteral("Workspace"), this);
    m_workspaceDock->setObjectName(QStringLiteral("Workspace"));
    m_workspace = new QTabWidget(m_workspaceDock);
    m_workspace->setTabPosition(QTabWidget::South);
    m_labelTree = new CTreeViewLabel(m_workspace);
    m_templateTree = new CTreeViewTemplate(m_workspace);
    m_workspace->addTab(m_labelTree, CommandIcons::ForCommand(New), QStringLiteral("Labels"));
    m_workspace->addTab(m_templateTree, CommandIcons::ForCommand(Open), QStringLiteral("Templates"));
    m_workspaceDock->setWidget(m_workspace);
    addDockWidget(Qt::LeftDockWidgetArea, m_workspaceDock);
    resizeDocks({m_workspaceDock}, {220}, Qt::Horizontal);

    m_labelTree->SetOpenCheck([this](const QString& path) { return m_app.FindFrame(path) != nullptr; });
    m_labelTree->Refresh();
    m_templateTree->Refresh();
    connect(m_labelTree, &CTreeViewLabel::openRequested, &m_app, &CCovermintApp::OpenFromWorkspace);
    connect(m_templateTree, &CTreeViewTemplate::templateChosen, &m_app, &CCovermintApp::NewLabelFromTemplate);

    if (CPreferences::Instance().ActiveTab() == 1)
        m_workspace->setCurrentIndex(1);
    connect(m_workspace, &QTabWidget::currentChanged, this, &CMainFrame::OnWorkspaceTabChanged);

    QAction* toggle = m_workspaceDock->toggleViewAction();
    toggle->setText(QStringLiteral("&Workspace"));
    toggle->setData(ViewWorkspace);
    m_actions.insert(ViewWorkspace, toggle);
}

QMenu* CMainFrame::NewMenu(const QString& title, std::initializer_list<int> ids)
{
    auto* menu = new QMenu(title, this);
    for (int id : ids) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(m_actions.value(id));
    }
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    return menu;
}

QMenu* CMainFrame::FileMenu(std::initializer_list<int> ids)
{
    QMenu* menu = NewMenu(QStringLiteral("&File"), ids);
    menu->addSeparator();
    m_app.RecentFiles().AddToMenu(menu);
    menu->addSeparator();
    menu->addAction(m_actions.value(Exit));
    return menu;
}

void CMainFrame::CreateMenus()
{
    const auto viewMenu = [this](bool withZoom) {
        QMenu* menu = NewMenu(QStringLiteral("&View"), {ViewToolbar, ViewDrawingBar, ViewStackingBar, ViewDriveBar});
        if (withZoom)
            menu->addAction(m_actions.value(ViewZoomBar));
        menu->addAction(m_actions.value(ViewStatusBar));
        menu->addAction(m_actions.value(ViewWorkspace));
        return menu;
    };
    QMenu* links = NewMenu(QStringLiteral("&Links"), {LinkCddbHome, LinkCddbBrowser, 0, LinkHome1, LinkHome2, 0, LinkMail});
    QMenu* help = NewMenu(QStringLiteral("&Help"), {HelpContents, 0, About, TipOfTheDay});

    m_noLabelMenus = {FileMenu({New, Open, 0, PrintSetup, PrintCalibration, 0, CddbRegistration}), viewMenu(false), links, help};

    QMenu* edit = NewMenu(QStringLiteral("&Edit"), {Undo, Redo, 0, SelectAll, 0, Cut, Copy, Paste, 0,
                                                    LabelHeader, ClearCddbAndDirectory});
    QMenu* drawing = NewMenu(QStringLiteral("&Drawing"), {ZoomIn, ZoomOut});
    QMenu* zoom = drawing->addMenu(QStringLiteral("&Zoom"));
    for (int id = Zoom10; id <= Zoom300; ++id)
        zoom->addAction(m_actions.value(id));
    drawing->addSeparator();
    for (int id : {MoveToTop, MoveToBottom, Lower, Raise})
        drawing->addAction(m_actions.value(id));
    drawing->addSeparator();
    drawing->addMenu(NewMenu(QStringLiteral("&Selectable"), {MakeAllSelectable, MakeUnselectable}));
    drawing->addMenu(NewMenu(QStringLiteral("&Moveable"), {MakeSelectedMoveable, MakeSelectedUnmoveable}));
    drawing->addSeparator();
    drawing->addAction(m_actions.value(Colors));
    drawing->addAction(m_actions.value(Fonts));
    drawing->addMenu(NewMenu(QStringLiteral("&Pen Size"), {PenSize1, PenSize1 + 1, PenSize1 + 2, PenSize4}));
    m_windowMenu = NewMenu(QStringLiteral("&Window"), {WindowCascade, WindowTile, WindowArrange});
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateWindowMenu);

    m_labelMenuList = {FileMenu({New, Open, Close, Save, SaveAs, 0, DirectoryInformation, ReadDrive, BatchUpdate,
                                 ConnectToCddb, 0, Print, PrintPreview, PrintSetup, PrintCalibration, 0,
                                 CddbRegistration}),
                       edit, drawing, viewMenu(true), m_windowMenu, links, help};
}

QList<QMenu*> CMainFrame::MenuBarMenus() const
{
    QList<QMenu*> menus;
    for (QAction* action : menuBar()->actions())
        if (action->menu())
            menus << action->menu();
    return menus;
}

void CMainFrame::UpdateMenuSet()
{
    const bool labels = !Frames().isEmpty();
    if (labels == m_labelMenus && !menuBar()->actions().isEmpty())
        return;
    m_labelMenus = labels;
    menuBar()->clear();
    for (QMenu* menu : labels ? m_labelMenuList : m_noLabelMenus)
        menuBar()->addMenu(menu);
    m_actions.value(HelpContents)->setText(labels ? QStringLiteral("&Help Finder") : QStringLiteral("&Contents"));
}

// -- label windows

CChildFrame* CMainFrame::ActiveFrame() const
{
    return qobject_cast<CChildFrame*>(m_mdi->currentSubWindow());
}

QList<CChildFrame*> CMainFrame::Frames() const
{
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* window : m_mdi->subWindowList())
        if (auto* frame = qobject_cast<CChildFrame*>(window); frame && !frame->isHidden())
            frames << frame;
    return frames;
}

void CMainFrame::AddFrame(CChildFrame* frame)
{
    m_mdi->addSubWindow(frame);
    // Room for a label at 60%; the view places the window itself when it first shows.
    const QSize area = m_mdi->viewport()->size();
    frame->resize(std::min(area.width() * 3 / 4, 900), area.height());
    // Enabled and checked states follow what can change them.
    connect(&frame->View(), &CCovermintView::toolChanged, this, &CMainFrame::ScheduleCommandStates);
    connect(&frame->View(), &CCovermintView::inputHandled, this, &CMainFrame::ScheduleCommandStates);
    connect(&frame->Document(), &CCovermintDoc::modifiedChanged, this, &CMainFrame::ScheduleCommandStates);
    connect(&frame->Document(), &CCovermintDoc::viewsNeedUpdate, this, &CMainFrame::ScheduleCommandStates);
    connect(&frame->Document(), &CCovermintDoc::titleChanged, this, &CMainFrame::ScheduleCommandStates);
    connect(&frame->View(), &CCovermintView::openDocumentRequested, &m_app, &CCovermintApp::OpenDocumentFile);
    connect(&frame->View(), &CCovermintView::directorySegmentActivated, this, [this, frame](CPrimitive* segment) {
        DocumentCommands::OpenDirectoryInformation(frame->Document(), segment, this);
    });
    frame->show();
    m_mdi->setActiveSubWindow(frame);
    OnSubWindowActivated(frame);
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow*)
{
    // The area reports no window while the main window is inactive; the current one still counts.
    disconnect(m_statusConnection);
    if (CChildFrame* frame = ActiveFrame())
        m_statusConnection = connect(&frame->View(), &CCovermintView::statusTextChanged, this,
                                     [this](const QString& text) { statusBar()->showMessage(text); });
    UpdateCommandStates();
}

void CMainFrame::UpdateCaption()
{
    CChildFrame* frame = ActiveFrame();
    const QString title = frame ? frame->Document().Title() : QString();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Covermint")
                                   : QStringLiteral("Covermint - %1[*]").arg(title));
    setWindowModified(frame && frame->Document().IsModified());
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // Each label window asks about its own unsaved changes; one refusal keeps everything open.
    for (CChildFrame* frame : Frames()) {
        if (!frame->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void CMainFrame::OnWorkspaceTabChanged(int index)
{
    if (CPreferences::Instance().ActiveTab() != index)
        CPreferences::Instance().SetActiveTab(index);
}

// -- commands

std::span<const CommandRoute<CMainFrame>> CMainFrame::Routes()
{
    using Frame = CMainFrame;
    const auto app = [](Frame& frame, int id) { frame.m_app.OnCommand(id); };
    const auto hasLabel = [](const Frame& frame, int) { return frame.ActiveFrame() != nullptr; };
    // Commands on the active label run only while they are enabled, so there is one then.
    static const CommandRoute<Frame> routes[] = {
        {New, nullptr, app}, {Open, nullptr, app}, {PrintSetup, nullptr, app}, {PrintCalibration, nullptr, app},
        {Exit, nullptr, app},
        {HelpContents, nullptr, app}, {About, nullptr, app}, {TipOfTheDay, nullptr, app},
        {LinkCddbHome, nullptr, app}, {LinkCddbBrowser, nullptr, app}, {LinkHome1, nullptr, app},
        {LinkHome2, nullptr, app}, {LinkMail, nullptr, app}, {CddbRegistration, nullptr, app},
        {0, CommandTable::IsToolCommand, [](Frame&, int id) { CCovermintView::SelectTool(id); },
         [](const Frame& frame, int id) {
             if (CChildFrame* active = frame.ActiveFrame())
                 return active->View().IsCommandEnabled(id);
             return !ToolNeedsLabel(id) && CCovermintView::IsToolAvailable(id);
         }},
        {WindowCascade, nullptr, [](Frame& frame, int) { frame.m_mdi->cascadeSubWindows(); }, hasLabel},
        {WindowTile, nullptr, [](Frame& frame, int) { frame.m_mdi->tileSubWindows(); }, hasLabel},
        {WindowArrange, nullptr, [](Frame& frame, int) { frame.ArrangeIcons(); }, hasLabel},
        {Close, nullptr, [](Frame& frame, int) { frame.ActiveFrame()->close(); }, hasLabel},
        {Save, nullptr, [](Frame& frame, int) { frame.m_app.Saver().Save(frame.ActiveFrame()->Document()); }, hasLabel},
        {SaveAs, nullptr, [](Frame& frame, int) { frame.m_app.Saver().SaveAs(frame.ActiveFrame()->Document()); }, hasLabel},
        {ConnectToCddb, nullptr,
         [](Frame& frame, int) { CddbCommands::ConnectToCddb(frame.ActiveFrame()->Document(), &frame); }, hasLabel},
        {BatchUpdate, nullptr, [](Frame& frame, int) { BatchCommand::Execute(*frame.ActiveFrame(), &frame); }, hasLabel},
        {0, CCovermintView::HandlesCommand, [](Frame& frame, int id) { frame.ActiveFrame()->View().OnCommand(id); },
         [](const Frame& frame, int id) { return frame.ActiveFrame() && frame.ActiveFrame()->View().IsCommandEnabled(id); }},
        {0, DocumentCommands::Handles,
         [](Frame& frame, int id) { DocumentCommands::Execute(frame.ActiveFrame()->Document(), id, &frame); },
         [](const Frame& frame, int id) {
             return frame.ActiveFrame() && DocumentCommands::IsEnabled(frame.ActiveFrame()->Document(), id);
         }},
    };
    return routes;
}

void CMainFrame::OnCommand(int id)
{
    // A shortcut can arrive in the middle of a drag.
    if (CChildFrame* frame = ActiveFrame())
        frame->View().FinishGesture();
    if (const CommandRoute<CMainFrame>* route = FindRoute(Routes(), id); route && route->IsEnabled(*this, id))
        route->run(*this, id);
    // The command may have closed the window.
    ScheduleCommandStates();
}

void CMainFrame::ScheduleCommandStates()
{
    m_stateUpdate->start();
}

bool CMainFrame::IsCommandEnabled(int id) const
{
    const CommandRoute<CMainFrame>* route = FindRoute(Routes(), id);
    return route && route->IsEnabled(*this, id);
}

void CMainFrame::UpdateCommandStates()
{
    UpdateMenuSet();
    CChildFrame* frame = ActiveFrame();
    const int zoom = frame ? frame->View().ZoomPercent() : 0;
    const int pen = CDrawingDefaults::Instance().PenWidth();
    for (QAction* action : std::as_const(m_actions)) {
        const int id = action->data().toInt();
        if (CommandTable::Find(id) == nullptr)
            continue; // the bar and window toggles keep their own state
        action->setEnabled(IsCommandEnabled(id));
        if (CommandTable::IsToolCommand(id))
            action->setChecked(CCovermintView::IsToolChecked(id));
        else if (CommandTable::IsZoomLevel(id))
            action->setChecked(kZoomLadder[id - Zoom10] == zoom);
        else if (CommandTable::IsPenSize(id))
            action->setChecked(id - PenSize1 + 1 == pen);
        else if (frame && (id == Undo || id == Redo))
            DocumentCommands::UpdateText(frame->Document(), *action);
    }
    UpdateCaption();
    UpdateStatusPanes();
}

void CMainFrame::UpdateStatusPanes()
{
    CChildFrame* frame = ActiveFrame();
    m_panes[ZoomPane - 1]->setText(frame ? QStringLiteral("Zoom %1%").arg(frame->View().ZoomPercent()) : QString());
    QString tool;
    for (const CommandInfo& info : CommandTable::All())
        if (CommandTable::IsToolCommand(info.id) && CCovermintView::IsToolChecked(info.id))
            tool = Tooltip(info);
    m_panes[ToolPane - 1]->setText(tool);
    const QSize page = CurrentPageSize();
    m_panes[PagePane - 1]->setText(QStringLiteral("Page %1 x %2 in")
                                       .arg(page.width() / 100.0, 0, 'f', 2)
                                       .arg(page.height() / 100.0, 0, 'f', 2));
}

QString CMainFrame::StatusPaneText(int pane) const
{
    if (pane == MessagePane)
        return statusBar()->currentMessage();
    return pane > 0 && pane <= m_panes.size() ? m_panes[pane - 1]->text() : QString();
}

void CMainFrame::UpdateWindowMenu()
{
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const QList<CChildFrame*> frames = Frames();
    if (!frames.isEmpty())
        m_windowListActions << m_windowMenu->addSeparator();
    for (int i = 0; i < frames.size(); ++i) {
        CChildFrame* frame = frames.at(i);
        QString title = frame->Document().Title();
        auto* action = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title.replace(QLatin1Char('&'), QStringLiteral("&&"))));
        action->setCheckable(true);
        action->setChecked(frame == ActiveFrame());
        connect(action, &QAction::triggered, this, [this, window = QPointer<CChildFrame>(frame)] {
            if (window)
                m_mdi->setActiveSubWindow(window);
        });
        m_windowListActions << action;
    }
}

void CMainFrame::ArrangeIcons()
{
    // Minimised label windows in a row along the bottom of the window area.
    int x = 0;
    const int bottom = m_mdi->viewport()->height();
    for (CChildFrame* frame : Frames()) {
        if (!frame->isMinimized())
            continue;
        frame->move(x, bottom - frame->height());
        x += frame->width();
    }
}

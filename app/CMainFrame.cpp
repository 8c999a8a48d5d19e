#include "app/CMainFrame.h"

#include "app/CommandTable.h"
#include "app/ToolKeys.h"
#include "model/CZephyrmapDoc.h"
#include "panes/CAreaPage.h"
#include "panes/CMapPage.h"
#include "panes/MapCheckPane.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/language/ProgramTexts.h"
#include "services/picture/QtText.h"
#include "services/settings/AppSettings.h"
#include "services/store/SettingsStore.h"
#include "view/CZephyrmapView.h"
#include "view/ViewCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include <cmath>

namespace
{

// The tool bar, left to right: a command and its image, or a separator.
struct ToolBarButton {
    int id; // kSeparator for a separator
    const char* image;
};

const ToolBarButton kToolBar[] = {
    {CmdNewMap, "new"},
    {CmdOpenFromClipboard, "from-clipboard"},
    {CmdOpenFromHtmlFile, "from-html"},
    {kSeparator, nullptr},
    {CmdCopyHtmlToClipboard, "to-clipboard"},
    {CmdSaveHtmlSource, "to-html"},
    {kSeparator, nullptr},
    {CmdRectangleTool, "rectangle"},
    {CmdCircleTool, "circle"},
    {CmdPolygonTool, "polygon"},
    {CmdTraceTool, "trace"},
    {kSeparator, nullptr},
    {CmdUndo, "undo"},
    {CmdRedo, "redo"},
    {kSeparator, nullptr},
    {CmdMagnification, "magnification"},
    {kSeparator, nullptr},
    {CmdBrowserPreview, "browser"},
    {CmdSourcePreview, "source"},
};

// The labels under the tool bar's images, one a position, separators included.
const char kToolBarLabels[] = QT_TRANSLATE_NOOP(
    "CMainFrame", "新規\nc.b.から\nhtmlから\n\nc.b.へ\nhtmlへ\n\n四角形\n円形\n多角形\nﾄﾚｰｽ\n\nUndo\nRedo\n\n倍率\n\n"
                  "ﾌﾞﾗｳｻﾞ\nｿｰｽ");

// Widths of the status bar's panes, in characters.
const int kPaneCharacters[] = {0, 8, 43, 16, 30};
// The part of a window's top edge that must be on a screen to be taken.
constexpr int kGripWidth = 120;
constexpr int kGripHeight = 24;

// The status bar's text when no prompt shows.
QString ReadyText()
{
    return CMainFrame::tr("ﾚﾃﾞｨ");
}

const QString kToolBarKey = QStringLiteral("MAIN");
const QString kPaneKey = QStringLiteral("MAP");

} // namespace

CMainFrame::CMainFrame(CZephyrmapDoc& doc, AppSettings& settings, SettingsStore& store, ZoomedPicture& zoomed,
                       QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_settings(settings), m_store(store)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/zephyrmap.svg")));
    BuildActions();
    BuildMenus();
    m_view = new CZephyrmapView(doc, settings, *this, zoomed, this);
    setCentralWidget(m_view);
    AddToolKeys();
    BuildToolBar();
    BuildPane();
    BuildCheckPane();
    BuildStatusBar();
    AddCommands(m_view->Commands());
    AddCommands(FrameCommands());
    RestoreBars();
    EnablePanes(false);
    setAcceptDrops(true);
    TitleChanged(doc.Title());
    m_commandUpdate.setSingleShot(true);
    connect(&m_commandUpdate, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
    connect(m_view, &CZephyrmapView::StateChanged, this, &CMainFrame::ScheduleCommandUpdate);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::ScheduleCommandUpdate);
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::FocusMoved);
}

CMainFrame::~CMainFrame()
{
    // The window's children go after this point and move the focus as they
    // go: nothing of the frame may answer that.
    disconnect(qApp, nullptr, this, nullptr);
    if (!m_placementSaved)
        SavePlacement();
}

// ---- Building ----

QAction* CMainFrame::MakeAction(int id)
{
    const CommandInfo* info = FindCommand(id);
    auto* action = new QAction(this);
    action->setData(id);
    if (info) {
        // The keys come from the source, so that a translation cannot change them.
        const QString text = QCoreApplication::translate("CommandTable", info->menuText);
        action->setText(text.section(QLatin1Char('\t'), 0, 0));
        const QString keys = QString::fromUtf8(info->menuText).section(QLatin1Char('\t'), 1);
        if (!keys.isEmpty())
            action->setShortcut(QKeySequence(keys));
        const QString prompt = QCoreApplication::translate("CommandTable", info->prompt);
        action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
        action->setToolTip(prompt.section(QLatin1Char('\n'), 1));
    }
    action->setEnabled(false);
    addAction(action); // so that its keys work even without a menu item
    m_actions.insert(id, action);
    return action;
}

void CMainFrame::BuildActions()
{
    for (const CommandInfo& info : AllCommands())
        MakeAction(info.id);
    AddExtraShortcuts();
}

// Keys beyond the one each menu item shows.
void CMainFrame::AddExtraShortcuts()
{
    Action(CmdPasteArea)
        ->setShortcuts({QKeySequence(QStringLiteral("Ctrl+V")), QKeySequence(QStringLiteral("Shift+Ins"))});
    Action(CmdPasteAreaWithAttributes)->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+V")));
    Action(CmdPrint)->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    // Redo as most programs of the desktop have it, beside the menu's Ctrl+Y.
    Action(CmdRedo)->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    Action(CmdZoom100)->setShortcut(QKeySequence(QStringLiteral("Ctrl+0")));
    // Plus without Shift, where the keyboard has it on the "=" key.
    Action(CmdZoomIn)->setShortcuts({QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    // Keys a text field uses itself stay with the field while it has the focus.
    for (int id : {CmdDeleteArea, CmdDeletePoint, CmdCopyArea, CmdCutArea, CmdPasteArea, CmdPasteAreaWithAttributes,
                   CmdUndo, CmdRedo})
        ActionById(id)->setShortcutContext(Qt::WindowShortcut);
}

// One letter chooses a tool while the view has the focus; typed into a
// field it stays a letter. The tool tip names the key.
void CMainFrame::AddToolKeys()
{
    const std::pair<int, Qt::Key> keys[] = {
        {CmdRectangleTool, Qt::Key_R}, {CmdCircleTool, Qt::Key_C}, {CmdPolygonTool, Qt::Key_P},
        {CmdTraceTool, Qt::Key_T},     {CmdSelectTool, Qt::Key_V},
    };
    auto* toolKeys = new ToolKeys(*m_view);
    for (const auto& [id, key] : keys) {
        QAction* action = ActionById(id);
        toolKeys->Add(key, *action);
        action->setToolTip(tr("%1 (キー %2)").arg(action->toolTip(), QKeySequence(key).toString()));
    }
}

void CMainFrame::BuildMenus()
{
    for (const MenuInfo& info : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(QCoreApplication::translate("CommandTable", info.caption));
        // The pop-up window is named after its menu without the mnemonic
        // ("ﾌｧｲﾙ", "File"), for what reads the screen.
        menu->setWindowTitle(
            QString(menu->title()).remove(QRegularExpression(QStringLiteral("\\(&.\\)"))).remove(QLatin1Char('&')));
        if (!m_fileMenu)
            m_fileMenu = menu;
        for (int id : info.items) {
            if (id == kSeparator)
                menu->addSeparator();
            else if (id == kMagnificationMenu)
                AddMagnificationMenu(*menu);
            else if (id == kArrangeMenu)
                AddArrangeMenu(*menu);
            else
                menu->addAction(ActionById(id));
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    }
    BuildMagnificationPopup();
}

// Every magnification, smallest first, then the steps and the fit.
void CMainFrame::AddMagnificationMenu(QMenu& menu)
{
    QMenu* zoom = menu.addMenu(tr("表示倍率"));
    for (const ViewCommands::Zoom& step : ViewCommands::Zooms())
        zoom->addAction(ActionById(step.id));
    zoom->addSeparator();
    for (int id : {CmdZoomIn, CmdZoomOut, CmdZoomToFit, CmdZoomToSelection})
        zoom->addAction(ActionById(id));
    connect(zoom, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
}

void CMainFrame::AddArrangeMenu(QMenu& menu)
{
    QMenu* arrange = menu.addMenu(tr("整列(&A)"));
    for (int id = CmdAlignLeft; id <= CmdSameHeight; ++id) {
        if (id == CmdDistributeHorizontally || id == CmdSameWidth)
            arrange->addSeparator();
        arrange->addAction(ActionById(id));
    }
    connect(arrange, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
}

// The tool bar button's menu: the magnifications as percentages, and the fit.
void CMainFrame::BuildMagnificationPopup()
{
    m_magnificationMenu = new QMenu(this);
    for (const ViewCommands::Zoom& step : ViewCommands::Zooms()) {
        QAction* item = m_magnificationMenu->addAction(QStringLiteral("%1%").arg(std::lround(step.factor * 100)));
        item->setData(step.id);
        item->setCheckable(true);
    }
    m_magnificationMenu->addSeparator();
    // The fit without its mnemonic, "(&W)" in Japanese, a lone '&' in English.
    QAction* fit = m_magnificationMenu->addAction(
        QString(ActionById(CmdZoomToFit)->text()).remove(QStringLiteral("(&W)")).remove(QLatin1Char('&')));
    fit->setData(CmdZoomToFit);
    // The items carry the marks of the commands they stand for.
    connect(m_magnificationMenu, &QMenu::aboutToShow, this, [this] {
        UpdateCommandUI();
        for (QAction* item : m_magnificationMenu->actions()) {
            if (item->isSeparator())
                continue;
            const QAction* command = ActionById(item->data().toInt());
            item->setChecked(command->isChecked());
            item->setEnabled(command->isEnabled());
        }
    });
    connect(m_magnificationMenu, &QMenu::triggered, this,
            [this](QAction* item) { ActionById(item->data().toInt())->trigger(); });
}

void CMainFrame::BuildToolBar()
{
    m_toolBar = new QToolBar(tr("メイン"), this);
    m_toolBar->setObjectName(QStringLiteral("MainToolBar"));
    m_toolBar->setIconSize(QSize(28, 18));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const QStringList labels = tr(kToolBarLabels).split(QLatin1Char('\n'));
    int position = 0;
    for (const ToolBarButton& button : kToolBar) {
        if (button.id == kSeparator) {
            m_toolBar->addSeparator();
        } else {
            // The image and the short label belong to the action, so that
            // they stay when its state changes; menus keep their text only.
            QAction* action = ActionById(button.id);
            action->setIcon(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(button.image))));
            action->setIconVisibleInMenu(false);
            action->setIconText(labels.value(position));
            m_toolBar->addAction(action);
            if (QWidget* tool = m_toolBar->widgetForAction(action)) {
                tool->setMinimumSize(35, 24);
                tool->setObjectName(QStringLiteral("ToolButton%1").arg(button.id));
            }
        }
        ++position;
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::BuildPane()
{
    m_pane = new QDockWidget(tr("マッププロパティ"), this);
    m_pane->setObjectName(QStringLiteral("PropertyPane"));
    m_pane->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    // The View menu shows and hides the pane and remembers it; a close box of
    // its own would hide it without being remembered.
    m_pane->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    m_tabs = new QTabWidget(m_pane);
    m_tabs->setObjectName(QStringLiteral("PaneTabs"));
    m_mapPage = new CMapPage(m_doc, m_settings, m_store, *this, m_tabs);
    m_areaPage = new CAreaPage(m_doc, m_settings, m_store, *this, m_tabs);
    // Each page scrolls when the pane is shorter than the page, so the
    // window can be as small as the user likes.
    for (auto [page, title] :
         {std::pair<QWidget*, const char*>{m_mapPage, QT_TR_NOOP("マップ")}, {m_areaPage, QT_TR_NOOP("エリア")}}) {
        auto* scroller = new QScrollArea(m_tabs);
        scroller->setWidget(page);
        scroller->setWidgetResizable(true);
        scroller->setFrameShape(QFrame::NoFrame);
        m_tabs->addTab(scroller, tr(title));
    }
    m_pane->setWidget(m_tabs);
    addDockWidget(Qt::RightDockWidgetArea, m_pane);
}

// The findings pane, hidden until "マップの検査" shows it; the dock state
// remembers it with the other bars.
void CMainFrame::BuildCheckPane()
{
    m_checkPane = new MapCheckPane(m_doc, *this, this);
    m_checkPane->setAllowedAreas(Qt::AllDockWidgetAreas);
    addDockWidget(Qt::BottomDockWidgetArea, m_checkPane);
    m_checkPane->hide();
}

// The bars are shown and hidden through the View menu only, which remembers them.
QMenu* CMainFrame::createPopupMenu()
{
    return nullptr;
}

void CMainFrame::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->showMessage(ReadyText());
    for (int pane = PaneMagnification; pane <= PaneCoordinates; ++pane) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("StatusPane%1").arg(pane));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * kPaneCharacters[pane]);
        bar->addPermanentWidget(label);
        m_statusPanes[pane] = label;
    }
    // When a menu's tip goes, the prompt of the tool in hand comes back (the
    // ready text when there is none): a menu opened and closed while tracing
    // leaves the tolerance showing.
    connect(bar, &QStatusBar::messageChanged, this, [this, bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(m_prompt.isEmpty() ? ReadyText() : m_prompt);
    });
}

QLabel& CMainFrame::StatusPaneLabel(StatusPane pane) const
{
    return *m_statusPanes[pane];
}

void CMainFrame::SetStatusText(StatusPane pane, const QString& text)
{
    // An empty prompt is the idle one; it is kept to come back when a
    // menu's tips leave the status bar.
    if (pane == PanePrompt) {
        m_prompt = text;
        statusBar()->showMessage(text.isEmpty() ? ReadyText() : text);
    } else
        m_statusPanes[pane]->setText(text);
}

void CMainFrame::RestoreBars()
{
    restoreState(m_store.LoadDockState());
    m_toolBar->setVisible(m_store.BarVisible(kToolBarKey));
    m_pane->setVisible(m_store.BarVisible(kPaneKey));
}

// The recent files stand before the last group of the File menu.
void CMainFrame::SetRecentFiles(const QStringList& files)
{
    for (QAction* action : m_recentActions)
        m_fileMenu->removeAction(action);
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    QAction* exit = Action(CmdExit);
    if (files.isEmpty()) {
        auto* none = new QAction(tr("最近使ったﾌｧｲﾙ"), this);
        none->setEnabled(false);
        m_recentActions << none;
    }
    for (int i = 0; i < files.size(); ++i) {
        // A '&' in a path is a character of its name, not a mnemonic.
        QString shown = QDir::toNativeSeparators(files[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), this);
        item->setStatusTip(tr("指定のﾌｧｲﾙを開く"));
        const QString path = files[i];
        connect(item, &QAction::triggered, this, [this, path] {
            if (m_openRecent)
                m_openRecent(path);
        });
        m_recentActions << item;
    }
    m_recentActions << new QAction(this);
    m_recentActions.back()->setSeparator(true);
    for (QAction* action : m_recentActions)
        m_fileMenu->insertAction(exit, action);
}

// ---- Commands ----

void CMainFrame::AddCommands(const std::vector<CommandRoute>& routes)
{
    for (const CommandRoute& route : routes) {
        QAction* action = Action(route.id);
        if (!action)
            continue;
        m_routes.insert(route.id, route);
        action->setCheckable(static_cast<bool>(route.checked));
        disconnect(action, &QAction::triggered, this, nullptr);
        const int id = route.id;
        connect(action, &QAction::triggered, this, [this, id] {
            // A command ends the pages' editing episode: what it does, and
            // what is typed after it, are steps of their own.
            CommitPendingEdits();
            const CommandRoute route = m_routes.value(id);
            if (!route.enabled || route.enabled())
                route.run();
            UpdateCommandUI();
        });
    }
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI()
{
    for (auto it = m_actions.begin(); it != m_actions.end(); ++it) {
        auto route = m_routes.find(it.key());
        if (route == m_routes.end()) {
            it.value()->setEnabled(false);
            continue;
        }
        it.value()->setEnabled(!route->enabled || route->enabled());
        if (route->checked)
            it.value()->setChecked(route->checked());
    }
}

void CMainFrame::ScheduleCommandUpdate()
{
    if (!m_commandUpdate.isActive())
        m_commandUpdate.start(0);
}

void CMainFrame::CommandStateChanged()
{
    UpdateCommandUI();
}

std::vector<CommandRoute> CMainFrame::FrameCommands()
{
    return {
        // Not while an area is dragged: the step would change the map under the drag.
        {CmdUndo, [this] { m_doc.Undo(); }, [this] { return m_doc.CanUndo() && !m_view->IsDragging(); }, {}},
        {CmdRedo, [this] { m_doc.Redo(); }, [this] { return m_doc.CanRedo() && !m_view->IsDragging(); }, {}},
        {CmdToggleToolBar,
         [this] { ToggleBar(m_toolBar, kToolBarKey); },
         {},
         [this] { return m_toolBar->isVisible(); }},
        {CmdTogglePane, [this] { ToggleBar(m_pane, kPaneKey); }, {}, [this] { return m_pane->isVisible(); }},
        {CmdToggleStatusBar,
         [this] { statusBar()->setVisible(!statusBar()->isVisible()); },
         {},
         [this] { return statusBar()->isVisible(); }},
        {CmdMagnification, [this] { ShowMagnificationMenu(); }, [this] { return m_mapOpen; }, {}},
        {CmdExit, [this] { close(); }, {}, {}},
        {CmdCheckMap,
         [this] { m_checkPane->setVisible(!m_checkPane->isVisible()); },
         {},
         [this] { return m_checkPane->isVisible(); }},
    };
}

void CMainFrame::ToggleBar(QWidget* bar, const QString& key)
{
    const bool visible = !bar->isVisible();
    bar->setVisible(visible);
    m_store.SetBarVisible(key, visible);
}

// The magnification menu opens right under its tool bar button.
void CMainFrame::ShowMagnificationMenu()
{
    QWidget* button = m_toolBar->widgetForAction(Action(CmdMagnification));
    const QPoint below =
        button && button->isVisible() ? button->mapToGlobal(QPoint(0, button->height())) : QCursor::pos();
    m_magnificationMenu->popup(below);
}

// ---- Window ----

// A remembered place on a screen no longer there (a monitor taken away, a
// smaller desktop) would open the window out of sight: it then comes to the
// primary screen's corner, no larger than that screen.
QRect CMainFrame::OnAScreen(const QRect& remembered)
{
    // Enough of the top edge to take the window by its title bar.
    const QRect grip(remembered.left(), remembered.top(), remembered.width(), kGripHeight);
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = screen->availableGeometry().intersected(grip);
        if (seen.width() >= kGripWidth && seen.height() >= kGripHeight / 2)
            return remembered;
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return remembered;
    const QRect room = primary->availableGeometry();
    return QRect(room.topLeft(), remembered.size().boundedTo(room.size()));
}

void CMainFrame::ShowAsRemembered()
{
    const SettingsStore::Placement placement = m_store.LoadPlacement();
    if (placement.showCmd == QStringLiteral("Normal")) {
        setGeometry(OnAScreen(QRect(placement.left, placement.top, placement.width, placement.height)));
        showNormal();
    } else {
        // The size to come back to from maximised, and the size shown where
        // nothing maximises the window (no window manager): most of the screen.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect room = screen->availableGeometry();
            QRect normal(QPoint(), room.size() * 3 / 4);
            normal.moveCenter(room.center());
            setGeometry(normal);
        }
        showMaximized();
    }
}

void CMainFrame::SavePlacement()
{
    m_placementSaved = true;
    m_store.SaveDockState(saveState());
    SettingsStore::Placement placement;
    placement.showCmd = isMinimized()   ? QStringLiteral("Min")
                        : isMaximized() ? QStringLiteral("Max")
                                        : QStringLiteral("Normal");
    const QRect rect = geometry();
    placement.left = rect.left();
    placement.top = rect.top();
    placement.width = rect.width();
    placement.height = rect.height();
    m_store.SavePlacement(placement);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    m_store.SaveDockState(saveState());
    if (m_saveModified && !m_saveModified()) {
        event->ignore();
        return;
    }
    SavePlacement();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// The files open once the drop has returned: the save question and the
// open run their own event loops, and the program the files came from must
// not wait for them.
void CMainFrame::dropEvent(QDropEvent* event)
{
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, files] {
        for (const QString& file : files) {
            if (m_openDropped)
                m_openDropped(file);
        }
    });
}

// ---- The document's listener ----

void CMainFrame::ShowPicture(const std::string& path)
{
    m_view->ShowPicture(path);
}
void CMainFrame::ReloadPicture()
{
    m_view->ReloadPicture();
}
void CMainFrame::ResetPicture()
{
    m_view->ResetPicture();
}
void CMainFrame::SelectViewArea(CMapData* area)
{
    m_view->SelectArea(area);
}
void CMainFrame::ClearViewSelection()
{
    m_view->DeselectArea();
}

void CMainFrame::ShowAreaCount(int count)
{
    m_view->ShowAreaCount(count);
    ScheduleCommandUpdate();
}

void CMainFrame::ShowWaitCursor(bool on)
{
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void CMainFrame::RefreshPages()
{
    FillPanes();
    m_checkPane->MapChanged();
    emit MapMayHaveChanged();
}

void CMainFrame::EnablePanes(bool enable)
{
    m_mapPage->EnablePage(enable);
    m_areaPage->EnablePage(enable);
    m_mapOpen = enable;
    m_checkPane->MapChanged();
    ScheduleCommandUpdate();
    emit MapMayHaveChanged();
}

void CMainFrame::MapChanged()
{
    m_checkPane->MapChanged();
    m_areaPage->RefreshGeometry();
    emit MapMayHaveChanged();
}

void CMainFrame::FillList()
{
    m_areaPage->FillList();
}

void CMainFrame::SelectListRow(CMapData* area)
{
    m_areaPage->SelectArea(m_doc.IndexOf(area));
}

void CMainFrame::ClearListSelection()
{
    m_areaPage->ClearSelection();
}

void CMainFrame::ShowMapAttribute(int index)
{
    // A restored HTML document changes how every link is shown.
    if (index == AttrHtmlPath)
        FillPanes();
    else
        m_mapPage->ShowAttribute(index);
}

void CMainFrame::ShowTab(int tab)
{
    if (m_tabs->currentIndex() != tab)
        m_tabs->setCurrentIndex(tab == 1 ? 1 : 0);
}

void CMainFrame::TitleChanged(const std::string& title)
{
    setWindowTitle(programtexts::Translate(title) + QStringLiteral(" - Zephyrmap !"));
}

void CMainFrame::ModifiedChanged(bool)
{
    ScheduleCommandUpdate();
}

MapAttrChange CMainFrame::TakeMapAttrChange()
{
    m_mapPage->ReadMapEditValue(m_mapEdit);
    return m_mapEdit;
}

AreaEdits CMainFrame::TakeAreaEdits()
{
    AreaEdits edits;
    for (std::size_t i = 0; i < m_areaCopies.size(); ++i) {
        CMapData* live = m_doc.IndexOf(m_editedAreas[i]) >= 0 ? m_editedAreas[i] : nullptr;
        edits.push_back({std::move(m_areaCopies[i]), live});
    }
    m_areaCopies.clear();
    return edits;
}

void CMainFrame::AreaEditConsumed()
{
    m_areaCopies.clear();
}

void CMainFrame::ShowMessage(const std::string& text, bool error)
{
    if (error)
        ProgramMessage::Show(this, QMessageBox::Critical, kErrorCaption, text);
    else
        ProgramMessage::Show(this, QMessageBox::NoIcon, QString::fromUtf8("Zephyrmap!"), text);
}

// ---- The pane interface ----

void CMainFrame::SelectArea(int index)
{
    m_areaPage->SelectArea(index);
}

void CMainFrame::SelectAreas(const std::vector<int>& indices)
{
    m_areaPage->SelectAreas(indices);
}

void CMainFrame::SelectAreasInView(const std::vector<int>& indices)
{
    m_view->SelectAreas(m_doc.AreasAt(indices));
}

void CMainFrame::SelectViewAreas(const std::vector<CMapData*>& areas)
{
    m_view->SelectAndTell(areas);
}
void CMainFrame::SelectDefaultArea()
{
    m_areaPage->SelectDefaultArea();
}
void CMainFrame::ClearSelection()
{
    m_areaPage->ClearSelection();
}
void CMainFrame::RefreshList()
{
    m_areaPage->RefreshList();
}

void CMainFrame::FillPanes()
{
    m_mapPage->FillMapPage();
    m_areaPage->FillList();
}

void CMainFrame::UpdateRelativeChecks()
{
    m_mapPage->UpdateSrcRelativeCheck();
    m_areaPage->UpdateRelativeCheck();
}

int CMainFrame::GetSelectedArea() const
{
    return m_areaPage->GetSelectedArea();
}
int CMainFrame::GetListSelectionMark() const
{
    return m_areaPage->GetListSelectionMark();
}
void CMainFrame::ShowAreaAttributes(int index)
{
    m_areaPage->ShowAreaAttributes(index);
}

void CMainFrame::CommitPendingEdits()
{
    if (m_doc.IsMapEditPending()) {
        m_doc.RecordMapEdit(TakeMapAttrChange(), true);
    } else if (m_doc.IsAreaEditPending()) {
        m_doc.RecordAreaEdits(TakeAreaEdits());
    }
    ScheduleCommandUpdate();
}

void CMainFrame::BeginAreaEdit(int index)
{
    BeginAreasEdit({index});
}

void CMainFrame::BeginAreasEdit(const std::vector<int>& indices)
{
    m_editedAreas.clear();
    m_areaCopies.clear();
    for (int index : indices) {
        if (CMapData* area = m_doc.AreaAt(index)) {
            m_editedAreas.push_back(area);
            m_areaCopies.push_back(std::make_unique<CMapData>(*area));
        }
    }
}

void CMainFrame::BeginMapEdit(int attributeIndex, const std::string& text)
{
    m_mapEdit.index = attributeIndex;
    m_mapEdit.oldText = text;
    m_mapEdit.newText.clear();
}

void CMainFrame::EnsureAreaEdit(int index)
{
    EnsureAreasEdit({index});
}

void CMainFrame::EnsureAreasEdit(const std::vector<int>& indices)
{
    std::vector<CMapData*> areas;
    for (int index : indices)
        areas.push_back(m_doc.AreaAt(index));
    if (m_doc.IsAreaEditPending() && !m_areaCopies.empty() && m_editedAreas == areas)
        return;
    CommitPendingEdits();
    BeginAreasEdit(indices);
}

void CMainFrame::EnsureMapEdit(int attributeIndex)
{
    if (m_doc.IsMapEditPending() && m_mapEdit.index == attributeIndex)
        return;
    CommitPendingEdits();
    BeginMapEdit(attributeIndex, m_doc.Attribute(static_cast<MapAttribute>(attributeIndex)));
}

// The focus leaving the pane (for the view, a dialog, another program) ends
// the episode of the field it leaves.
void CMainFrame::FocusMoved(QWidget* from, QWidget* to)
{
    if (from && m_pane->isAncestorOf(from) && !(to && m_pane->isAncestorOf(to)))
        CommitPendingEdits();
}

void CMainFrame::SelectAreaInView(int index)
{
    m_view->SelectAreaAt(index);
}
void CMainFrame::DeselectAreaInView()
{
    m_view->DeselectArea();
}
void CMainFrame::DeleteSelectedArea()
{
    m_view->DeleteSelectedArea();
}
bool CMainFrame::ViewHasSelection() const
{
    return m_view->HasSelection();
}

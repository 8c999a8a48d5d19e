#include "app/CMainFrame.h"

#include "app/CommandTable.h"
#include "model/CZephyrmapDoc.h"
#include "services/picture/QtText.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    BuildMenus();
    m_countPane = new QLabel(this);
    statusBar()->addPermanentWidget(m_countPane);
    SetDocumentTitle(QStringLiteral("無題"));
    resize(800, 600);
}

void CMainFrame::SetDocumentTitle(const QString& title)
{
    setWindowTitle(title + QStringLiteral(" - Zephyrmap !"));
}

QAction* CMainFrame::MakeAction(int id)
{
    const CommandInfo* info = FindCommand(id);
    const QString text = QString::fromUtf8(info->menuText);
    auto* action = new QAction(text.section(QLatin1Char('\t'), 0, 0), this);
    const QString keys = text.section(QLatin1Char('\t'), 1);
    if (!keys.isEmpty())
        action->setShortcut(QKeySequence(keys));
    const QString prompt = QString::fromUtf8(info->prompt);
    action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
    action->setToolTip(prompt.section(QLatin1Char('\n'), 1));
    action->setData(id);
    m_actions.insert(id, action);
    return action;
}

void CMainFrame::FillMagnificationMenu(QMenu* menu)
{
    for (int id = CmdZoom50; id <= CmdZoom300; ++id)
        menu->addAction(MakeAction(id));
}

void CMainFrame::BuildMenus()
{
    for (const MenuInfo& info : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(info.caption));
        for (int id : info.items) {
            if (id == kSeparator)
                menu->addSeparator();
            else if (id == kMagnificationMenu)
                FillMagnificationMenu(menu->addMenu(QStringLiteral("表示倍率")));
            else
                menu->addAction(MakeAction(id));
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    }
    connect(Action(CmdExit), &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::SetDocument(CZephyrmapDoc* doc)
{
    m_doc = doc;
    connect(Action(CmdUndo), &QAction::triggered, this, [this] {
        m_doc->Undo();
        UpdateCommandUI();
    });
    connect(Action(CmdRedo), &QAction::triggered, this, [this] {
        m_doc->Redo();
        UpdateCommandUI();
    });
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI()
{
    const bool haveDoc = m_doc != nullptr;
    Action(CmdUndo)->setEnabled(haveDoc && m_doc->CanUndo());
    Action(CmdRedo)->setEnabled(haveDoc && m_doc->CanRedo());
    for (int id : {CmdSave, CmdSaveAs, CmdCopyHtmlToClipboard, CmdSaveHtmlSource})
        Action(id)->setEnabled(m_mapOpen);
}

void CMainFrame::TitleChanged(const std::string& title)
{
    SetDocumentTitle(ToQString(title));
}

void CMainFrame::ShowAreaCount(int count)
{
    m_countPane->setText(QStringLiteral("ｴﾘｱ数 : %1").arg(count));
    UpdateCommandUI();
}

void CMainFrame::EnablePanes(bool enable)
{
    m_mapOpen = enable;
    UpdateCommandUI();
}

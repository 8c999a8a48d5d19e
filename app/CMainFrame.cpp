#include "app/CMainFrame.h"

#include "app/CommandTable.h"
#include "services/picture/QtText.h"
#include "model/CZephyrmapDoc.h"

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
    for (int id = 164; id <= 168; ++id)
        menu->addAction(MakeAction(id));
}

void CMainFrame::BuildMenus()
{
    for (const MenuInfo& info : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(info.caption));
        for (int id : info.items) {
            if (id == 0)
                menu->addSeparator();
            else if (id == -1)
                FillMagnificationMenu(menu->addMenu(QStringLiteral("表示倍率")));
            else
                menu->addAction(MakeAction(id));
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    }
    connect(Action(57665), &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::SetDocument(CZephyrmapDoc* doc)
{
    m_doc = doc;
    connect(Action(57643), &QAction::triggered, this, [this] {
        m_doc->Undo();
        UpdateCommandUI();
    });
    connect(Action(57644), &QAction::triggered, this, [this] {
        m_doc->Redo();
        UpdateCommandUI();
    });
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI()
{
    const bool haveDoc = m_doc != nullptr;
    Action(57643)->setEnabled(haveDoc && m_doc->CanUndo());
    Action(57644)->setEnabled(haveDoc && m_doc->CanRedo());
    for (int id : {57603, 57604, 32779, 32778})
        Action(id)->setEnabled(m_mapOpen);
}

void CMainFrame::TitleChanged(const std::string& title) { SetDocumentTitle(ToQString(title)); }

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

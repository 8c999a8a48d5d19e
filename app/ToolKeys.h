#pragma once

#include <QHash>
#include <QObject>

class QAction;
class QWidget;

// One letter, with no modifier, chooses a tool while the view has the focus.
// The letters are read from the view's own key presses rather than made
// shortcuts: a shortcut bound to the view would also answer while one of the
// window's menus is open (the view keeps the focus then) and take the letter
// from the menu's mnemonic, leaving the menu open.
class ToolKeys : public QObject
{
public:
    explicit ToolKeys(QWidget& view);

    void Add(int key, QAction& action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<int, QAction*> m_actions;
};

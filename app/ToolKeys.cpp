#include "app/ToolKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

ToolKeys::ToolKeys(QWidget& view) : QObject(&view)
{
    view.installEventFilter(this);
}

void ToolKeys::Add(int key, QAction& action)
{
    m_actions.insert(key, &action);
}

bool ToolKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Shift, Ctrl and Alt keep their meaning while drawing; a keypad letter
    // does not exist, so only a modifier makes the press someone else's.
    if (key->modifiers() != Qt::NoModifier || key->isAutoRepeat())
        return false;
    QAction* action = m_actions.value(key->key());
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}

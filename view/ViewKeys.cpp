#include "view/ViewKeys.h"

#include "view/CZephyrmapView.h"

bool ViewKeys::Press(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return Arrow(key, modifiers);
    case Qt::Key_Tab:
        m_view.SelectNeighbour(modifiers & Qt::ShiftModifier ? -1 : 1);
        return true;
    case Qt::Key_Backtab:
        m_view.SelectNeighbour(-1);
        return true;
    case Qt::Key_Escape:
        return m_view.CancelInteraction();
    default:
        return m_view.PassKey(key);
    }
}

bool ViewKeys::Arrow(int key, Qt::KeyboardModifiers modifiers)
{
    const int step = modifiers & Qt::ShiftModifier ? kLargeStep : 1;
    switch (key) {
    case Qt::Key_Left:
        m_view.KeyboardMove(-step, 0);
        break;
    case Qt::Key_Right:
        m_view.KeyboardMove(step, 0);
        break;
    case Qt::Key_Up:
        m_view.KeyboardMove(0, -step);
        break;
    default:
        m_view.KeyboardMove(0, step);
        break;
    }
    return true;
}

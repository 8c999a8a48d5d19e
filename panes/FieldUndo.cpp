#include "panes/FieldUndo.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace fieldundo
{

bool LeavesKeyToTheMap(QObject* field, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    const bool redo = key->matches(QKeySequence::Redo);
    if (!undo && !redo)
        return false;
    // A combo box hands the key on from its text field to itself, and asks
    // that field again.
    if (const auto* combo = qobject_cast<const QComboBox*>(field))
        field = combo->lineEdit();
    bool nothingToDo = false;
    if (const auto* line = qobject_cast<const QLineEdit*>(field))
        nothingToDo = undo ? !line->isUndoAvailable() : !line->isRedoAvailable();
    else if (const auto* text = qobject_cast<const QPlainTextEdit*>(field))
        nothingToDo = undo ? !text->document()->isUndoAvailable() : !text->document()->isRedoAvailable();
    if (nothingToDo)
        event->ignore(); // not overridden: the shortcut goes to the window
    return nothingToDo;
}

} // namespace fieldundo

#pragma once
// Ctrl+Z and Ctrl+Y in the pages' fields. A field takes the keys for its own
// typing while it has some to undo or redo; otherwise they undo and redo the
// map's edits, as they do everywhere else in the window, instead of doing
// nothing at all.

class QEvent;
class QObject;

namespace fieldundo
{

// For a page's event filter: true when `event` is an undo or redo key that
// `field` has nothing to do with; the event is then marked as not taken, so
// that the window's own shortcut runs.
bool LeavesKeyToTheMap(QObject* field, QEvent* event);

} // namespace fieldundo

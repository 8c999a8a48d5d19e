#pragma once
// The view's context menu: the drawing tools, the area clipboard, deleting,
// the link target; and where areas overlap under the click, the one beneath.

#include <QPoint>

class CZephyrmapView;
class PaneInterface;

class ViewContextMenu
{
public:
    ViewContextMenu(CZephyrmapView& view, PaneInterface& frame) : m_view(view), m_frame(frame) {}

    // Shows the menu at the screen position `global` and runs what is chosen.
    void Show(QPoint global);

private:
    CZephyrmapView& m_view;
    PaneInterface& m_frame;
};

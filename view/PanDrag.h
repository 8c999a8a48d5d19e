#pragma once
// Moving the picture by hand: with Space held the left button, or the
// middle button at any time, drags the view's contents the way the pointer
// goes, at any magnification, whatever tool is chosen; a drawing in progress
// waits and goes on afterwards. The pointer shows a closed hand meanwhile.

#include "view/Interaction.h"

#include <QPoint>

class InteractionHost;

class PanDrag : public Interaction
{
public:
    // Which button holds the drag.
    enum Button { Left, Middle };

    PanDrag(InteractionHost& view, Button button);

    void Moved(Point) override;
    void Released(Point) override;
    void MiddleReleased(Point) override;
    bool Cancel() override;
    bool IsDone() const override { return m_done; }

private:
    void End();

    InteractionHost& m_view;
    Button m_button;
    QPoint m_grabbed;     // where the pointer took hold, in window pixels
    QPoint m_startScroll; // the scroll position then
    bool m_done = false;
};

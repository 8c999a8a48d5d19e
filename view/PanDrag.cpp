#include "view/PanDrag.h"

#include "view/InteractionHost.h"

PanDrag::PanDrag(InteractionHost& view, Button button)
    : m_view(view), m_button(button), m_grabbed(view.PointerInWindow()), m_startScroll(view.ScrollPosition())
{
    m_view.SetCursorKind(CursorKind::Panning);
}

// The picture point taken hold of stays under the pointer: the window
// position, not the picture position, decides, since the picture moves.
void PanDrag::Moved(Point)
{
    m_view.ScrollTo(m_startScroll - (m_view.PointerInWindow() - m_grabbed));
}

void PanDrag::Released(Point)
{
    if (m_button == Left)
        End();
}

void PanDrag::MiddleReleased(Point)
{
    if (m_button == Middle)
        End();
}

bool PanDrag::Cancel()
{
    End();
    return true;
}

void PanDrag::End()
{
    m_done = true;
    m_view.SetCursorKind(CursorKind::Nothing);
}

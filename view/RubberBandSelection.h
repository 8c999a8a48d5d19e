#pragma once
// A rubber band dragged from empty picture: the areas wholly inside it are
// selected when the button is let go (added to the selection with Shift).
// A band that stays within a few window pixels is a plain click, which has
// already done what a click on nothing does.

#include "view/Interaction.h"

#include <vector>

class CMapData;
class InteractionHost;

class RubberBandSelection : public Interaction
{
public:
    static constexpr int kSmallestBand = 4; // window pixels

    // `kept`: the areas selected before, which an adding band keeps.
    RubberBandSelection(InteractionHost& view, Point start, std::vector<CMapData*> kept);

    void Moved(Point p) override;
    void Released(Point p) override;
    void Paint(QPainter& painter) const override;
    bool Cancel() override;
    bool IsDone() const override { return m_done; }
    Rect Band() const;

private:
    bool IsClick() const;

    InteractionHost& m_view;
    Point m_start;
    Point m_end;
    std::vector<CMapData*> m_kept;
    bool m_done = false;
};

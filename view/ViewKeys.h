#pragma once
// The keys the view takes: the arrows move the selection (or its grabbed
// vertex) a picture pixel, ten with Shift; Tab and Shift+Tab select the next
// and the previous area in list order; Escape gives up what is being drawn,
// moved or placed; the rest go to the active interaction (Backspace takes
// back a polygon's last vertex).

#include <Qt>

class CZephyrmapView;

class ViewKeys
{
public:
    // The step of Shift with an arrow key, in picture pixels.
    static constexpr int kLargeStep = 10;

    explicit ViewKeys(CZephyrmapView& view) : m_view(view) {}

    // True when the view took the key.
    bool Press(int key, Qt::KeyboardModifiers modifiers);

private:
    bool Arrow(int key, Qt::KeyboardModifiers modifiers);

    CZephyrmapView& m_view;
};

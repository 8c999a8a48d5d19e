#pragma once
// While something follows the pointer (a drag, a rubber band, an area being
// drawn), the pointer may leave the view or stand still at its edge. A timer
// then scrolls the view toward the pointer while the button is held, and
// hands the active interaction the pointer's place, so that the outline
// keeps following it outside the view.

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>

class QAbstractScrollArea;

class EdgeScroller : public QObject
{
    Q_OBJECT
public:
    // The band along the view's edge where a held button scrolls, in pixels.
    static constexpr int kEdgeBand = 16;
    static constexpr int kTickMilliseconds = 30;

    // `follow` gets the pointer's viewport position at each tick that moved it
    // or the view.
    EdgeScroller(QAbstractScrollArea& view, std::function<void(QPoint)> follow);

    // Watches while `on`; stops otherwise.
    void Watch(bool on);
    bool IsWatching() const { return m_timer.isActive(); }
    // How far one tick scrolls for a pointer at `pointer` in a viewport of
    // `size`: toward the pointer, faster the farther out it is.
    static QPoint ScrollStep(QPoint pointer, QSize size);

private:
    void Tick();

    QAbstractScrollArea& m_view;
    std::function<void(QPoint)> m_follow;
    QTimer m_timer;
    QPoint m_last{-1000000, -1000000};
};

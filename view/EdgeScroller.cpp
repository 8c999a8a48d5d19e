#include "view/EdgeScroller.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QGuiApplication>
#include <QScrollBar>

#include <algorithm>

namespace
{

// Toward the pointer along one axis: nothing inside the band's inner edge.
int StepAlong(int at, int length)
{
    const int band = EdgeScroller::kEdgeBand;
    if (at < band)
        return -std::min(64, 4 + (band - at));
    if (at >= length - band)
        return std::min(64, 4 + (at - (length - band)));
    return 0;
}

} // namespace

EdgeScroller::EdgeScroller(QAbstractScrollArea& view, std::function<void(QPoint)> follow)
    : m_view(view), m_follow(std::move(follow))
{
    m_timer.setInterval(kTickMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &EdgeScroller::Tick);
}

void EdgeScroller::Watch(bool on)
{
    if (on && !m_timer.isActive())
        m_timer.start();
    else if (!on)
        m_timer.stop();
}

QPoint EdgeScroller::ScrollStep(QPoint pointer, QSize size)
{
    return {StepAlong(pointer.x(), size.width()), StepAlong(pointer.y(), size.height())};
}

void EdgeScroller::Tick()
{
    QWidget* viewport = m_view.viewport();
    const QPoint pointer = viewport->mapFromGlobal(QCursor::pos());
    bool changed = pointer != m_last;
    if (QGuiApplication::mouseButtons() & Qt::LeftButton) {
        const QPoint step = ScrollStep(pointer, viewport->size());
        QScrollBar* h = m_view.horizontalScrollBar();
        QScrollBar* v = m_view.verticalScrollBar();
        const QPoint before(h->value(), v->value());
        h->setValue(h->value() + step.x());
        v->setValue(v->value() + step.y());
        changed = changed || before != QPoint(h->value(), v->value());
    }
    m_last = pointer;
    // Inside the view the mouse's own moves already tell where it is.
    if (changed && (!viewport->rect().contains(pointer) || QGuiApplication::mouseButtons() != Qt::NoButton))
        m_follow(pointer);
}

#include "panes/CAreaListCtrl.h"

#include "view/ProgramCursors.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

CAreaListCtrl::CAreaListCtrl(QWidget* parent) : QTableWidget(0, 2, parent)
{
    setObjectName(QStringLiteral("AreaList"));
    // Shift and Ctrl pick several rows, as the view picks several areas.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setDragEnabled(false); // rows move by our own drag, which asks the page first
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionsClickable(false);
    setWordWrap(false);
}

CAreaListCtrl::~CAreaListCtrl() = default;

void CAreaListCtrl::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    // The shape column takes a quarter of the client width.
    setColumnWidth(0, viewport()->width() / 4);
}

// ---- Dragging ----

void CAreaListCtrl::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    m_pressedRow = event->button() == Qt::LeftButton ? rowAt(point.y()) : -1;
    m_pressPoint = point;
    if (rowAt(point.y()) < 0 && event->button() != Qt::MiddleButton) {
        QTableWidget::mousePressEvent(event);
        emit EmptyClicked();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void CAreaListCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging) {
        DragTo(event->globalPosition().toPoint());
        return;
    }
    const bool held = event->buttons() & Qt::LeftButton;
    if (held && m_pressedRow >= 0 &&
        (event->position().toPoint() - m_pressPoint).manhattanLength() >= QApplication::startDragDistance()) {
        BeginDrag(m_pressedRow);
        m_pressedRow = -1;
        if (m_dragging) {
            DragTo(event->globalPosition().toPoint());
            return;
        }
    }
    if (!held)
        QTableWidget::mouseMoveEvent(event);
}

void CAreaListCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressedRow = -1;
    if (m_dragging) {
        EndDrag(event->globalPosition().toPoint());
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
}

void CAreaListCtrl::wheelEvent(QWheelEvent* event)
{
    if (m_dragging)
        return; // the mark would no longer match the rows under it
    QTableWidget::wheelEvent(event);
}

void CAreaListCtrl::BeginDrag(int row)
{
    setFocus();
    // A row moves alone: with several picked, a drag would not say which.
    if (!m_owner || !m_owner->CanDrag(row) || selectionModel()->selectedRows().size() > 1)
        return;
    // Only a row shown whole can be dragged.
    const QRect rowRect = visualRect(model()->index(row, 0)).united(visualRect(model()->index(row, 1)));
    if (!viewport()->rect().contains(rowRect))
        return;
    m_image = std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    m_image->setPixmap(viewport()->grab(rowRect));
    m_image->setWindowOpacity(0.7);
    m_image->show();
    m_dragging = true;
    m_dragged = row;
    m_drop = -1;
    viewport()->grabMouse();
}

int CAreaListCtrl::ProposedPosition(const QPoint& viewportPoint) const
{
    const int row = rowAt(viewportPoint.y());
    if (row >= 0)
        return row;
    const int last = rowCount() - 1;
    if (last < 0)
        return 0;
    const QRect lastRect = visualRect(model()->index(last, 0)).united(visualRect(model()->index(last, 1)));
    if (viewportPoint.y() > lastRect.bottom() && viewportPoint.x() < lastRect.right())
        return rowCount();
    return -1;
}

void CAreaListCtrl::DragTo(const QPoint& global)
{
    if (m_image)
        m_image->move(global - kHotSpot);
    const QPoint local = viewport()->mapFromGlobal(global);
    if (!viewport()->rect().contains(local)) {
        viewport()->setCursor(ProgramCursors::NoDrop());
        SetMark(-1);
        m_drop = -1;
        ScrollOutside(global);
        return;
    }
    const int proposed = ProposedPosition(local);
    if (!m_owner || !m_owner->CanDrop(proposed)) {
        viewport()->setCursor(ProgramCursors::NoDrop());
        SetMark(-1);
        m_drop = -1;
        return;
    }
    m_drop = proposed;
    SetMark(proposed);
    viewport()->setCursor(Qt::ArrowCursor);
}

// Above or below the list, within its width: one row a move.
void CAreaListCtrl::ScrollOutside(const QPoint& global)
{
    const QPoint local = viewport()->mapFromGlobal(global);
    if (local.x() < 0 || local.x() >= viewport()->width())
        return;
    if (local.y() >= viewport()->height())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + 1);
    else if (local.y() < 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - 1);
}

// The rows are built anew under a drag (an area deleted, an undo): the row
// taken is no longer the one under it, so the drag ends and moves nothing.
void CAreaListCtrl::CancelDrag()
{
    m_pressedRow = -1;
    if (!m_dragging)
        return;
    StopDragging();
    m_drop = -1;
    m_dragged = -1;
}

void CAreaListCtrl::StopDragging()
{
    viewport()->releaseMouse();
    m_dragging = false;
    m_image.reset();
    SetMark(-1);
    viewport()->unsetCursor();
}

void CAreaListCtrl::EndDrag(const QPoint& global)
{
    StopDragging();
    const int drop = m_drop;
    m_drop = -1;
    QWidget* under = QApplication::widgetAt(global);
    const bool overList =
        under == viewport() || under == this || viewport()->rect().contains(viewport()->mapFromGlobal(global));
    if (overList && drop != -1 && MoveRow(m_dragged, drop) && m_owner)
        m_owner->RowMoved(drop, m_dragged);
    m_dragged = -1;
}

bool CAreaListCtrl::MoveRow(int dragged, int position)
{
    if (position == dragged || position == dragged + 1 || dragged < 0 || dragged >= rowCount())
        return false;
    const QList<QTableWidgetItem*> items = {takeItem(dragged, 0), takeItem(dragged, 1)};
    insertRow(position);
    const int removed = dragged >= position ? dragged + 1 : dragged;
    for (int column = 0; column < 2; ++column)
        setItem(position, column, items[column]);
    removeRow(removed);
    const int landed = dragged >= position ? position : position - 1;
    SelectOnlyRow(landed);
    return true;
}

void CAreaListCtrl::SelectOnlyRow(int row)
{
    selectionModel()->setCurrentIndex(model()->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// ---- The insertion mark ----

QRect CAreaListCtrl::MarkRect(int position) const
{
    if (position < 0 || rowCount() == 0)
        return QRect();
    QRect row;
    int top = 0;
    if (position >= rowCount()) {
        row = visualRect(model()->index(rowCount() - 1, 0)).united(visualRect(model()->index(rowCount() - 1, 1)));
        top = row.bottom() - 1; // the last two lines of the last row
    } else {
        row = visualRect(model()->index(position, 0)).united(visualRect(model()->index(position, 1)));
        top = row.top() - 1; // the line above the row and the row's top line
    }
    return QRect(QPoint(row.left() + 3, top), QPoint(row.right() - 3, top + 1));
}

void CAreaListCtrl::SetMark(int position)
{
    if (position == m_mark)
        return;
    const QRect old = MarkRect(m_mark);
    m_mark = position;
    viewport()->update(old.adjusted(0, -1, 0, 1));
    viewport()->update(MarkRect(m_mark).adjusted(0, -1, 0, 1));
}

void CAreaListCtrl::paintEvent(QPaintEvent* event)
{
    QTableWidget::paintEvent(event);
    const QRect mark = MarkRect(m_mark);
    if (mark.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setClipRect(viewport()->rect());
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(mark, QBrush(Qt::black, Qt::Dense4Pattern));
}

#pragma once
// The list of areas on the area page, with its rows reordered by dragging.
// A drag asks the owner whether the row may go and where it may land; an
// inverted two-pixel band marks the place; leaving the list above or below
// scrolls it a row at a time; a drop tells the owner the move.

#include <QTableWidget>

#include <memory>

class QLabel;

// What the list asks of the page that owns it.
class AreaListOwner
{
public:
    virtual ~AreaListOwner() = default;
    virtual bool CanDrag(int row) = 0;
    // `position` is a row index, the row count for after the last row, or -1.
    virtual bool CanDrop(int position) = 0;
    // The row at `dragged` was moved before `position` (see CanDrop).
    virtual void RowMoved(int position, int dragged) = 0;
};

class CAreaListCtrl : public QTableWidget
{
    Q_OBJECT
public:
    // The drag image's hot spot.
    static constexpr QPoint kHotSpot{8, 8};

    explicit CAreaListCtrl(QWidget* parent = nullptr);
    ~CAreaListCtrl() override;
    void SetOwner(AreaListOwner* owner) { m_owner = owner; }

    bool IsDragging() const { return m_dragging; }
    int DropPosition() const { return m_drop; }
    int MarkPosition() const { return m_mark; }
    // The band the insertion mark inverts for `position`, in viewport pixels.
    QRect MarkRect(int position) const;
    // Moves row `dragged` before `position` in the list itself; false when
    // that leaves the row where it was.
    bool MoveRow(int dragged, int position);
    // Ends a row drag, or a press that may start one, without moving anything.
    void CancelDrag();
    // That row alone selected and current, whatever keys are held: the
    // view's own selection follows the keys (Ctrl toggles a row), and a
    // selection made from code while Ctrl is down for a shortcut would
    // otherwise toggle the row twice and leave it unselected.
    void SelectOnlyRow(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

signals:
    // The user clicked somewhere with no row under the pointer.
    void EmptyClicked();

private:
    void BeginDrag(int row);
    void DragTo(const QPoint& global);
    void EndDrag(const QPoint& global);
    void StopDragging();
    int ProposedPosition(const QPoint& viewportPoint) const;
    void SetMark(int position);
    void ScrollOutside(const QPoint& global);

    AreaListOwner* m_owner = nullptr;
    bool m_dragging = false;
    int m_pressedRow = -1;
    QPoint m_pressPoint;
    int m_dragged = -1;
    int m_drop = -1;
    int m_mark = -1;
    std::unique_ptr<QLabel> m_image; // the dragged row's picture, following the pointer
};

#pragma once
// The dockable list of what the map checker finds in the open map: one row a
// finding (the area's number, the code, what is wrong). It follows every
// edit: a change starts a short pause, each further change starts it again,
// and the map is checked once the pause runs out, so typing is never held
// up; a hidden pane checks nothing until it is shown. Activating a row
// selects its area in the view and in the area list, through the frame.

#include "check/MapChecker.h"

#include <QDockWidget>
#include <QTimer>

#include <vector>

class CZephyrmapDoc;
class PaneInterface;
class QTreeWidget;
class QTreeWidgetItem;

class MapCheckPane : public QDockWidget
{
    Q_OBJECT
public:
    // The pause after the last change before the map is checked again.
    static constexpr int kPauseMs = 400;

    MapCheckPane(CZephyrmapDoc& doc, PaneInterface& frame, QWidget* parent = nullptr);

    // Something in the map changed: it is checked again after the pause.
    void MapChanged();
    // Checks the map now, or empties the list when no map is open.
    void CheckNow();
    bool IsCheckPending() const { return m_pause.isActive(); }

    const std::vector<Finding>& Findings() const { return m_findings; }
    QTreeWidget* List() const { return m_list; }
    // The checker's look at the file system, for tests to stand in for.
    void SetChecker(MapChecker checker) { m_checker = std::move(checker); }

private:
    void Fill();
    void Activate(QTreeWidgetItem* item);

    CZephyrmapDoc& m_doc;
    PaneInterface& m_frame;
    MapChecker m_checker;
    QTimer m_pause;
    QTreeWidget* m_list; // owned by the pane
    std::vector<Finding> m_findings;
    bool m_stale = true; // changed while hidden
};

#include "model/UndoHistory.h"

OwnedList::iterator UndoHistory::Own(std::unique_ptr<CMapData> area)
{
    m_owned.push_back(std::move(area));
    return std::prev(m_owned.end());
}

LiveList::iterator UndoHistory::Refer(CMapData* area)
{
    m_live.push_back(area);
    return std::prev(m_live.end());
}

std::unique_ptr<CMapData> UndoHistory::Release(OwnedList::iterator it)
{
    std::unique_ptr<CMapData> area = std::move(*it);
    m_owned.erase(it);
    return area;
}

void UndoHistory::PushUndo(UndoStep step)
{
    if (!m_captures.empty()) {
        m_captures.back().push_front(std::move(step));
        return;
    }
    m_undo.push_front(std::move(step));
    m_undoAvailable = true;
}

void UndoHistory::PushRedo(UndoStep step)
{
    if (!m_captures.empty()) {
        m_captures.back().push_front(std::move(step));
        return;
    }
    m_redo.push_front(std::move(step));
    m_redoAvailable = true;
}

std::optional<UndoStep> UndoHistory::PopUndo()
{
    if (m_undo.empty())
        return std::nullopt;
    UndoStep step = std::move(m_undo.front());
    m_undo.pop_front();
    if (m_undo.empty())
        m_undoAvailable = false;
    return step;
}

std::optional<UndoStep> UndoHistory::PopRedo()
{
    if (m_redo.empty())
        return std::nullopt;
    UndoStep step = std::move(m_redo.front());
    m_redo.pop_front();
    if (m_redo.empty())
        m_redoAvailable = false;
    return step;
}

// A dropped redo step is the only holder of its objects: free them with it.
void UndoHistory::Forget(const UndoStep& step)
{
    if (step.owned)
        m_owned.erase(*step.owned);
    if (step.live)
        m_live.erase(*step.live);
    for (const UndoStep& part : step.parts)
        Forget(part);
}

void UndoHistory::BeginCapture()
{
    m_captures.emplace_back();
}

std::vector<UndoStep> UndoHistory::EndCapture()
{
    std::deque<UndoStep> captured = std::move(m_captures.back());
    m_captures.pop_back();
    return {std::make_move_iterator(captured.begin()), std::make_move_iterator(captured.end())};
}

void UndoHistory::ClearRedo()
{
    for (const UndoStep& step : m_redo)
        Forget(step);
    m_redo.clear();
    m_redoAvailable = false;
}

void UndoHistory::Clear()
{
    m_undo.clear();
    m_redo.clear();
    m_owned.clear();
    m_live.clear();
    m_captures.clear();
    m_undoAvailable = m_redoAvailable = false;
}

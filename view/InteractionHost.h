#pragma once
// What an interaction may ask of the view it works in, and nothing more: the
// document and the selection, the snapper, the mapping between window and
// picture, painting helpers and repaints, the keys held, and its own place
// in the view's life (starting a drag, ending a drawing). The view
// implements it; an interaction is written, and tested, against this alone.

#include "model/PointList.h"
#include "model/UndoHistory.h"
#include "services/types/Geometry.h"
#include "view/Interaction.h"

#include <QPoint>

#include <memory>
#include <vector>

class CMapData;
class CZephyrmapDoc;
class MapPicture;
class PaneInterface;
class QWidget;
class SelectionState;
class Snapper;
class ViewPainter;
struct AppSettings;

class InteractionHost
{
public:
    virtual ~InteractionHost() = default;

    // The map, its picture, the settings and the frame's panes.
    virtual CZephyrmapDoc& Doc() = 0;
    virtual const MapPicture& Picture() const = 0;
    virtual AppSettings& Settings() = 0;
    virtual PaneInterface& Frame() = 0;
    // What a question to the user is shown over.
    virtual QWidget* Window() = 0;

    // The selection, as the view shows it; the area page is told through
    // the SelectAndTell ones.
    virtual SelectionState& Selection() = 0;
    virtual void SelectAndTell(CMapData* area) = 0;
    virtual void SelectAndTell(const std::vector<CMapData*>& areas) = 0;
    virtual void ClearViewSelection() = 0;

    // Edits, each one undo step.
    virtual void AddArea(std::unique_ptr<CMapData> area) = 0;
    virtual void AddAreas(std::vector<std::unique_ptr<CMapData>> areas) = 0;
    virtual void RecordGeometryEdit(UndoKind kind, std::unique_ptr<CMapData> before, CMapData* live) = 0;
    // Gives each area its new points, all in one undo step of `kind`.
    virtual void ReshapeAreas(const std::vector<CMapData*>& areas, const std::vector<PointList>& points,
                              UndoKind kind) = 0;
    virtual void DeletePoint() = 0;

    // Where points may catch.
    virtual Snapper& Snapping() = 0;

    // Picture pixels and the scrolled surface's pixels ("logical").
    virtual float Factor() const = 0;
    virtual QPoint ToLogical(Point p) const = 0;
    // Whether the last pointer position lies strictly inside the picture.
    virtual bool PointerInsidePicture() const = 0;
    // The last pointer position in window (viewport) pixels, and the
    // scrolled surface's offset under the window.
    virtual QPoint PointerInWindow() const = 0;
    virtual QPoint ScrollPosition() const = 0;
    // Scrolls as far towards `position` as the surface goes.
    virtual void ScrollTo(QPoint position) = 0;

    // Drawing and repainting.
    virtual const ViewPainter& Painter() const = 0;
    virtual void InvalidateAll() = 0;
    // Repaints what an area covered before and covers now (GetScreenBounds of each).
    virtual void InvalidateChange(const Rect& before, const Rect& after) = 0;

    // The keys held with the pointer.
    virtual bool ShiftHeld() const = 0;
    virtual bool CtrlHeld() const = 0;
    virtual bool AltHeld() const = 0;

    // What lies under the pointer, and how the pointer looks.
    virtual void Hover(Point p) = 0;
    virtual CMapData* HoveredArea() const = 0;
    virtual CursorKind Cursor() const = 0;
    virtual void SetCursorKind(CursorKind kind) = 0;

    // The interaction's own life: a drag that runs until the buttons are
    // released, the click timer, a drawing tool's end.
    virtual void BeginDrag(std::unique_ptr<Interaction> drag) = 0;
    virtual void StartClickTimer() = 0;
    virtual void StopClickTimer() = 0;
    // A drawing tool has made its area: back to selection, unless the user
    // keeps the tool.
    virtual void FinishCreation() = 0;
    virtual void ReturnToSelectionTool() = 0;
};

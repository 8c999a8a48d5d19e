#pragma once
// The editor view: the map's picture at its magnification, centred while it
// is smaller than the window, with every area's outline over it, the
// selection's handles, and whatever the active interaction draws. Mouse and
// keys go to the active interaction (drawing, selecting, moving, reshaping,
// placing a pasted area, a rubber band); every finished edit is recorded
// through the document. The view reaches the property pages only through the
// main frame's pane interface.

#include "model/UndoHistory.h"
#include "services/types/ColorRef.h"
#include "services/types/Geometry.h"
#include "view/CommandRoute.h"
#include "view/Interaction.h"
#include "view/InteractionHost.h"
#include "view/SelectionState.h"
#include "view/Snapper.h"
#include "view/ViewPainter.h"

#include <QAbstractScrollArea>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

class CMapData;
class EdgeScroller;
class MapPicture;
class CZephyrmapDoc;
class PaneInterface;
class ZoomedPicture;
struct AppSettings;

// The drawing tools; a tool is one-shot and falls back to selection, unless
// the user keeps it; the trace tool stays until Escape or another tool.
enum class Tool : int { Select = 0, Polygon = 1, Circle = 2, Rectangle = 3, Trace = 4 };

class CZephyrmapView : public QAbstractScrollArea, public InteractionHost
{
    Q_OBJECT
public:
    // The period of the timer that tells a click on a new area from a drag.
    static constexpr int kClickMilliseconds = 90;

    CZephyrmapView(CZephyrmapDoc& doc, AppSettings& settings, PaneInterface& frame, ZoomedPicture& zoomed,
                   QWidget* parent = nullptr);
    ~CZephyrmapView() override;

    // Rendering.
    // False (with the message shown) when the picture cannot be drawn at that
    // magnification; the factor is stored all the same. The selected area,
    // or else the view's centre, stays in view.
    bool ApplyMagnification(float factor);
    // The picture point under the viewport point `anchor` stays under it.
    bool ZoomAround(float factor, QPoint anchor);
    // The whole picture in the window, as large as it fits (up to 800 %).
    void ZoomToFit();
    // The magnification changed, nothing kept in place: false (with the
    // message shown) when the picture cannot be drawn at it.
    bool Rescale(float factor);
    // The picture's own size, and at the magnification; empty without one.
    QSize PictureSize() const;
    QSize ScaledSize() const;
    // Lays the view out for the picture the document has just loaded.
    void ShowPicture(const std::string& path);
    void ResetPicture();
    void RefreshAfterSettings();
    void ReloadPicture();
    void ToggleHatching();
    void ShowAreaCount(int count);
    // The first layout: the stored magnification (1.0 when it is no step)
    // and the picture.
    void InitialUpdate();

    // Editing, for the frame and the pages.
    void SetTool(Tool tool);
    Tool CurrentTool() const { return m_tool; }
    void SelectAreaAt(int index);
    void SelectArea(CMapData* area);
    // Several areas at once (one: as SelectArea; none: the selection goes).
    void SelectAreas(const std::vector<CMapData*>& areas);
    void DeselectArea();
    void DeleteSelectedArea();
    void DeletePoint() override;
    void AddArea(std::unique_ptr<CMapData> area) override;
    // Several new areas, one undo step, selected together.
    void AddAreas(std::vector<std::unique_ptr<CMapData>> areas) override;
    bool HasSelection() const { return m_selection.IsSelected(); }
    // A button is held on an area being moved or reshaped: commands that
    // would change the map under it wait until it is released.
    bool IsDragging() const;
    // A pasted area follows the pointer, waiting for its place.
    bool IsPlacing() const;
    bool CanDeletePoint() const;
    CMapData* SelectedArea() const { return m_selection.Area(); }
    // The commands the view handles, with their enable and check rules.
    std::vector<CommandRoute> Commands();
    // Starts placing `areas` (pasted ones, already centred on `pointer`).
    void StartPlacement(const std::vector<CMapData>& areas, Point pointer);
    void StartPlacement(const CMapData& area, Point pointer) { StartPlacement(std::vector<CMapData>{area}, pointer); }
    // The area clipboard.
    void CopyArea();
    void CutArea();
    // Reads the clipboard's areas and lets them follow the pointer until the
    // next click places them; nothing when the clipboard holds no area.
    void PasteArea(bool withAttributes);
    // Whether the clipboard holds an area, as last seen.
    bool ClipboardHasArea() const { return m_clipboardHasArea; }
    // Escape: gives up what is being drawn, moved, reshaped or placed.
    bool CancelInteraction();
    // A key for the active interaction; true when it took it.
    bool PassKey(int key);

    // For the interactions.
    CZephyrmapDoc& Doc() override { return m_doc; }
    PaneInterface& Frame() override { return m_frame; }
    QWidget* Window() override { return this; }
    const AppSettings& Settings() const { return m_settings; }
    AppSettings& Settings() override { return m_settings; }
    // The document's picture, as loaded.
    const MapPicture& Picture() const override;
    SelectionState& Selection() override { return m_selection; }
    const SelectionState& Selection() const { return m_selection; }
    Snapper& Snapping() override { return m_snapper; }
    const ViewPainter& Painter() const override { return m_painter; }
    float Factor() const override;
    bool ShiftHeld() const override { return m_shift; }
    bool CtrlHeld() const override { return m_ctrl; }
    bool AltHeld() const override { return m_alt; }
    CMapData* HoveredArea() const override { return m_hovered; }
    void SetHoveredArea(CMapData* area) { m_hovered = area; }
    CursorKind Cursor() const override { return m_cursor; }
    void SetCursorKind(CursorKind kind) override;
    void InvalidateAll() override;
    // Repaints what an area covered before and covers now (GetScreenBounds of each).
    void InvalidateChange(const Rect& before, const Rect& after) override;
    // Selects in the view and in the area page, as a click does.
    void SelectAndTell(CMapData* area) override;
    void SelectAndTell(const std::vector<CMapData*>& areas) override;
    void ClearViewSelection() override;
    // A drawing tool has made its area: back to selection, unless the user
    // keeps the tool.
    void FinishCreation() override;
    void ReturnToSelectionTool() override;
    void RecordGeometryEdit(UndoKind kind, std::unique_ptr<CMapData> before, CMapData* live) override;
    void ReshapeAreas(const std::vector<CMapData*>& areas, const std::vector<PointList>& points,
                      UndoKind kind) override;
    void StartClickTimer() override { m_clickTimer.start(); }
    void StopClickTimer() override { m_clickTimer.stop(); }
    // Whether the last pointer position lies strictly inside the picture.
    bool PointerInsidePicture() const override;
    // Mouse hovering in selection mode: handles, edges, then areas.
    void Hover(Point p) override;
    // The interaction that runs until the buttons are released.
    void BeginDrag(std::unique_ptr<Interaction> drag) override;
    // Drops whatever is being drawn, moved, reshaped or placed, unrecorded,
    // and goes back to the selection tool.
    void EndInteractions();
    // Moves every selected area, or the grabbed vertex, by the keys' step.
    void KeyboardMove(int dx, int dy);
    // Tab and Shift+Tab: the next or previous area in list order.
    void SelectNeighbour(int direction);

    // Coordinates. The scrolled surface's pixels are "logical".
    QPoint Origin() const;
    QPoint ToLogical(Point p) const override;
    Point ToPicture(QPoint viewportPoint) const;
    Point ToPictureFromLogical(QPoint logical) const;
    QPoint ScrollPosition() const override;
    void ScrollTo(QPoint position) override;
    QPoint PointerInWindow() const override { return m_pointer; }
    // The picture's rectangle on the logical surface.
    QRect PictureRect() const;

    // Paints the map's surface into `painter` (in logical coordinates) over
    // `clip`: background, picture, grid, areas, handles, the interaction.
    void PaintSurface(QPainter& painter, const QRect& clip);
    // The whole scaled surface, for printing.
    void PaintPage(QPainter& painter);
    // Draws an area's outline inverted and hollow.
    void DrawInverted(QPainter& painter, const CMapData& area) const { m_painter.DrawInverted(painter, area); }

signals:
    // The selection, the tool or anything else a command's rule reads changed.
    void StateChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    Interaction& Active();
    void AfterEvent();
    void EndFinishedQuietly();
    void RetireDrag();
    void ApplyCursor();
    CursorKind HandleCursor(const CMapData& area, int handle);
    void SyncModifiers(Qt::KeyboardModifiers modifiers);
    bool StartPan(Qt::MouseButton button);
    void SetSpaceHeld(bool held);
    void ModifiersFromKeys(bool shift, bool ctrl, bool alt);
    QSize SurfaceClient() const;
    void UpdateScrollBars();
    void SetMagnificationText();
    void SetPictureInfoText(const std::string& path);
    void ShowPointer();
    void ShowHoveredLink();
    void ShowRenderingFailure();
    void PaintPicture(QPainter& painter, const QRect& clip);
    void FollowPointer(QPoint viewportPoint);
    void TellSelection();

    CZephyrmapDoc& m_doc;
    AppSettings& m_settings;
    PaneInterface& m_frame;
    ZoomedPicture& m_zoomed;
    ViewPainter m_painter;
    Snapper m_snapper;
    Tool m_tool = Tool::Select;
    CursorKind m_cursor = CursorKind::Nothing;
    SelectionState m_selection;
    CMapData* m_hovered = nullptr; // in the document
    std::unique_ptr<Interaction> m_selectMode;
    std::unique_ptr<Interaction> m_creation;             // the chosen drawing tool's
    std::unique_ptr<Interaction> m_drag;                 // a move, a reshape, a placement, a band
    std::vector<std::unique_ptr<Interaction>> m_retired; // ended during the current event
    std::unique_ptr<EdgeScroller> m_edgeScroller;
    bool m_shift = false;
    bool m_ctrl = false;
    bool m_alt = false;
    bool m_space = false; // held: a left drag moves the picture
    bool m_initialised = false;
    QSize m_pageClient;  // while a page is rendered: the client it stands for
    QPoint m_pointer;    // the last pointer position, in viewport pixels
    QString m_linkShown; // the hovered area's link as the prompt shows it
    bool m_clipboardHasArea = false;
    QTimer m_clickTimer;
};

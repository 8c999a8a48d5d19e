#pragma once
// The editor view: the map's picture at one of five magnifications, centred
// while it is smaller than the window, with every area's outline over it, the
// selected area's handles, and whatever the active interaction draws. Mouse
// and keys go to the active interaction (drawing, selecting, moving,
// reshaping, placing a pasted area); every finished edit is recorded through
// the document. The view reaches the property pages only through the main
// frame's pane interface.

#include "model/UndoHistory.h"
#include "services/types/ColorRef.h"
#include "services/types/Geometry.h"
#include "view/CommandRoute.h"
#include "view/Interaction.h"
#include "view/SelectionState.h"

#include <QAbstractScrollArea>
#include <QPen>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

class CMapData;
class MapPicture;
class QPrinter;
class CZephyrmapDoc;
class PaneInterface;
class ZoomedPicture;
struct AppSettings;

// The drawing tools; a tool is one-shot and falls back to selection, except
// the trace tool, which stays until Escape or another tool.
enum class Tool : int { Select = 0, Polygon = 1, Circle = 2, Rectangle = 3, Trace = 4 };

class CZephyrmapView : public QAbstractScrollArea
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
    // magnification; the factor is stored all the same.
    bool ApplyMagnification(float factor);
    // Lays the view out for the picture the document has just loaded.
    void ShowPicture(const std::string& path);
    void ResetPicture();
    void RefreshAfterSettings();
    void ReloadPicture();
    void ToggleHatching();
    void ShowAreaCount(int count);
    // The first layout: the stored magnification (1.0 when it is not one of
    // the five) and the picture.
    void InitialUpdate();

    // Editing, for the frame and the pages.
    void SetTool(Tool tool);
    Tool CurrentTool() const { return m_tool; }
    void SelectAreaAt(int index);
    void SelectArea(CMapData* area);
    void DeselectArea();
    void DeleteSelectedArea();
    void DeletePoint();
    void AddArea(std::unique_ptr<CMapData> area);
    bool HasSelection() const { return m_selection.IsSelected(); }
    // A button is held on an area being moved or reshaped: commands that
    // would change the map under it wait until it is released.
    bool IsDragging() const;
    bool CanDeletePoint() const;
    CMapData* SelectedArea() const { return m_selection.Area(); }
    // The commands the view handles, with their enable and check rules.
    std::vector<CommandRoute> Commands();
    // Starts placing `area` (a pasted one, already centred on `pointer`).
    void StartPlacement(const CMapData& area, Point pointer);
    // The area clipboard.
    void CopyArea();
    void CutArea();
    // Reads the clipboard's area and lets it follow the pointer until the
    // next click places it; nothing when the clipboard holds no area.
    void PasteArea(bool withAttributes);
    // Whether the clipboard holds an area, as last seen.
    bool ClipboardHasArea() const { return m_clipboardHasArea; }

    // For the interactions.
    CZephyrmapDoc& Doc() { return m_doc; }
    PaneInterface& Frame() { return m_frame; }
    AppSettings& Settings() { return m_settings; }
    const AppSettings& Settings() const { return m_settings; }
    // The document's picture, as loaded.
    const MapPicture& Picture() const;
    SelectionState& Selection() { return m_selection; }
    float Factor() const;
    bool ShiftHeld() const { return m_shift; }
    bool CtrlHeld() const { return m_ctrl; }
    CMapData* HoveredArea() const { return m_hovered; }
    void SetHoveredArea(CMapData* area) { m_hovered = area; }
    CursorKind Cursor() const { return m_cursor; }
    void SetCursorKind(CursorKind kind);
    void InvalidateAll();
    // Repaints what an area covered before and covers now (GetScreenBounds of each).
    void InvalidateChange(const Rect& before, const Rect& after);
    // Selects in the view and in the area page, as a click does.
    void SelectAndTell(CMapData* area);
    void ClearViewSelection();
    void ReturnToSelectionTool();
    void RecordGeometryEdit(UndoKind kind, std::unique_ptr<CMapData> before, CMapData* live);
    void StartClickTimer() { m_clickTimer.start(); }
    void StopClickTimer() { m_clickTimer.stop(); }
    // Whether the last pointer position lies strictly inside the picture.
    bool PointerInsidePicture() const;
    // Mouse hovering in selection mode: handles, edges, then areas.
    void Hover(Point p);
    // The interaction that runs until the buttons are released.
    void BeginDrag(std::unique_ptr<Interaction> drag);

    // Coordinates. The scrolled surface's pixels are "logical".
    QPoint Origin() const;
    QPoint ToLogical(Point p) const;
    Point ToPicture(QPoint viewportPoint) const;
    QPoint ScrollPosition() const;

    // Paints the map's surface into `painter` (in logical coordinates) over
    // `clip`: background, picture, areas, handles, the interaction.
    void PaintSurface(QPainter& painter, const QRect& clip);
    // Draws an area's outline with the current pen and brush.
    void DrawArea(QPainter& painter, const CMapData& area) const;
    // Draws an area's outline inverted and hollow.
    void DrawInverted(QPainter& painter, const CMapData& area) const;
    QPen OutlinePen() const;
    QBrush AreaBrush() const;
    void Print();
    void PrintTo(QPrinter& printer);
    // The whole scaled surface as one image (at most 8192 pixels a side), as
    // printing uses it.
    QImage RenderPage();

signals:
    // The selection, the tool or anything else a command's rule reads changed.
    void StateChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
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
    void ShiftOrCtrl(bool shift, bool ctrl);
    QSize SurfaceClient() const;
    void UpdateScrollBars();
    void SetMagnificationText();
    void SetPictureInfoText(const std::string& path);
    void ShowRenderingFailure();
    void PaintPicture(QPainter& painter, const QRect& clip);
    void PaintHandles(QPainter& painter) const;
    QRect HandleSquare(const Rect& handle) const;
    void KeyboardMove(int dx, int dy);

    CZephyrmapDoc& m_doc;
    AppSettings& m_settings;
    PaneInterface& m_frame;
    ZoomedPicture& m_zoomed;
    Tool m_tool = Tool::Select;
    CursorKind m_cursor = CursorKind::Nothing;
    SelectionState m_selection;
    CMapData* m_hovered = nullptr; // in the document
    std::unique_ptr<Interaction> m_selectMode;
    std::unique_ptr<Interaction> m_creation;             // the chosen drawing tool's
    std::unique_ptr<Interaction> m_drag;                 // a move, a reshape, a placement
    std::vector<std::unique_ptr<Interaction>> m_retired; // ended during the current event
    bool m_shift = false;
    bool m_ctrl = false;
    bool m_initialised = false;
    QSize m_pageClient; // while a page is rendered: the client it stands for
    QPoint m_pointer;   // the last pointer position, in viewport pixels
    bool m_clipboardHasArea = false;
    QTimer m_clickTimer;
};

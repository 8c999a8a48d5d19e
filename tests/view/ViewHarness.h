#pragma once
// A map with a picture in an editor view, for the view's tests: a stand-in
// main frame that forwards the document's notices to the view as the real
// frame does and records what the view asks of the pages.

#include "model/CMapData.h"
#include "model/CZephyrmapDoc.h"
#include "model/MapCommands.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/picture/MapPicture.h"
#include "services/picture/QtText.h"
#include "services/settings/AppSettings.h"
#include "view/CZephyrmapView.h"
#include "view/PaneInterface.h"
#include "view/ZoomedPicture.h"

#include <QAction>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

class FakePane : public DocListener, public PaneInterface
{
public:
    CZephyrmapView* view = nullptr;
    std::vector<std::string> calls;
    QMap<int, QString> status;
    QMap<int, QAction*> actions;
    int listSelection = -1;

    // DocListener: the view's share.
    void ShowPicture(const std::string& path) override { view->ShowPicture(path); }
    void ReloadPicture() override { view->ReloadPicture(); }
    void ResetPicture() override { view->ResetPicture(); }
    void SelectViewArea(CMapData* area) override { view->SelectArea(area); }
    void SelectViewAreas(const std::vector<CMapData*>& areas) override { view->SelectAreas(areas); }
    void ClearViewSelection() override { view->DeselectArea(); }
    void ShowAreaCount(int count) override { view->ShowAreaCount(count); }

    // PaneInterface: recorded.
    void SelectArea(int index) override
    {
        listSelection = index;
        calls.push_back("row " + std::to_string(index));
    }
    void SelectAreas(const std::vector<int>& indices) override
    {
        listSelection = -1;
        calls.push_back("rows " + std::to_string(indices.size()));
    }
    void SelectDefaultArea() override { calls.push_back("default row"); }
    void ClearSelection() override
    {
        listSelection = -1;
        calls.push_back("clear rows");
    }
    void RefreshList() override {}
    void FillList() override { calls.push_back("fill"); }
    void FillPanes() override {}
    void EnablePanes(bool) override {}
    void UpdateRelativeChecks() override {}
    int GetSelectedArea() const override { return listSelection; }
    int GetListSelectionMark() const override { return listSelection; }
    void ShowAreaAttributes(int) override {}
    void ShowTab(int) override {}
    void CommitPendingEdits() override {}
    void BeginAreaEdit(int) override {}
    void BeginMapEdit(int, const std::string&) override {}
    void EnsureAreaEdit(int) override {}
    void EnsureAreasEdit(const std::vector<int>&) override {}
    void EnsureMapEdit(int) override {}
    void SelectAreaInView(int index) override { view->SelectAreaAt(index); }
    void SelectAreasInView(const std::vector<int>& indices) override
    {
        std::vector<CMapData*> areas;
        for (int index : indices)
            areas.push_back(view->Doc().AreaAt(index));
        view->SelectAreas(areas);
    }
    void DeselectAreaInView() override { view->DeselectArea(); }
    void DeleteSelectedArea() override { view->DeleteSelectedArea(); }
    bool ViewHasSelection() const override { return view->HasSelection(); }
    bool IsMapOpen() const override { return true; }
    void SetStatusText(StatusPane pane, const QString& text) override { status[pane] = text; }
    QAction* Action(CommandId id) const override
    {
        auto& self = const_cast<FakePane&>(*this);
        if (!self.actions.contains(id))
            self.actions[id] = new QAction(QString::number(id));
        return self.actions[id];
    }
    void CommandStateChanged() override {}
    ~FakePane() override { qDeleteAll(actions); }
};

// A view of `width` x `height` showing a picture of `pictureWidth` x `pictureHeight`.
struct ViewHarness {
    bool held = false; // the left button, as the moves report it
    QTemporaryDir dir;
    AppSettings settings;
    MapPicture picture;
    ZoomedPicture zoomed{picture};
    FakePane pane;
    CZephyrmapDoc doc{settings, &pane, &zoomed};
    CZephyrmapView view{doc, settings, pane, zoomed};

    ViewHarness(int width, int height, int pictureWidth = 300, int pictureHeight = 200, const char* name = "pic.png")
    {
        pane.view = &view;
        settings.OutlineColor = 0x0000FF; // red outlines over a white picture
        settings.Bgcolor = 0x808080;
        QImage image(pictureWidth, pictureHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.save(dir.filePath(QLatin1String(name)));
        view.resize(width, height);
        view.show();
        doc.DeleteContents();
        doc.SetAttribute(AttrImageSrc, FromQString(dir.filePath(QLatin1String(name))));
        doc.SetAttribute(AttrMapName, "m");
        mapcmd::AfterMapCreated(doc);
        view.InitialUpdate();
        // A press of another button, so that the first left press of a test is
        // never taken for the second click of the test before.
        QTest::mouseClick(view.viewport(), Qt::MiddleButton, {}, QPoint(1, 1));
    }

    // The window (viewport) point of a picture point.
    QPoint At(int x, int y) const { return view.ToLogical({x, y}) - view.ScrollPosition(); }

    void Press(int x, int y, Qt::KeyboardModifiers mods = {})
    {
        QTest::mousePress(view.viewport(), Qt::LeftButton, mods, At(x, y));
        held = true;
    }
    void Release(int x, int y, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, mods, At(x, y));
        held = false;
    }
    // Sent straight to the view, so that it never depends on where the
    // platform's cursor happens to be.
    void Move(int x, int y, Qt::KeyboardModifiers mods = {})
    {
        const QPoint at = At(x, y);
        QMouseEvent move(QEvent::MouseMove, at, view.viewport()->mapToGlobal(at), Qt::NoButton,
                         held ? Qt::LeftButton : Qt::NoButton, mods);
        QApplication::sendEvent(view.viewport(), &move);
    }
    void Click(int x, int y, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, mods, At(x, y));
    }
    // Press, release, the second press as the double-click event, and its
    // release, as the platform delivers them.
    void DoubleClick(int x, int y)
    {
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, At(x, y));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, At(x, y));
    }

    CMapData* AddRect(int left, int top, int right, int bottom)
    {
        auto area = std::make_unique<CMapData>();
        area->m_shape = ShapeRect;
        area->m_points = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
        area->BuildRegion();
        CMapData* raw = area.get();
        doc.AddAreaUndoable(std::move(area));
        return raw;
    }

    CMapData* AddPolygon(const std::vector<Point>& points)
    {
        auto area = std::make_unique<CMapData>();
        area->m_shape = ShapePoly;
        area->m_points = points;
        area->BuildRegion();
        CMapData* raw = area.get();
        doc.AddAreaUndoable(std::move(area));
        return raw;
    }

    // The window (viewport) as it is drawn now.
    QImage Grab() { return view.viewport()->grab().toImage(); }

    // Runs a view command as its menu item would, if it is enabled; false if not.
    bool Run(CommandId id)
    {
        for (const CommandRoute& route : view.Commands()) {
            if (route.id == id && (!route.enabled || route.enabled())) {
                route.run();
                return true;
            }
        }
        return false;
    }

    // The areas drawn by the user, DEFAULT left out.
    std::vector<CMapData*> Drawn()
    {
        std::vector<CMapData*> areas;
        for (const auto& a : doc.Areas()) {
            if (a->m_shape != ShapeDefault)
                areas.push_back(a.get());
        }
        return areas;
    }
};

inline std::string PointsOf(const CMapData& area)
{
    std::string s;
    for (const Point& p : area.m_points)
        s += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return s;
}

// Several areas at once: selected by Shift+click or a rubber band, moved by
// dragging or the keys, deleted, copied and pasted, arranged; each of these
// one undo step.
#include "tests/view/ViewHarness.h"

#include "view/AreaClipboard.h"

#include <QClipboard>
#include <QMimeData>

namespace
{

QImage Grab(CZephyrmapView& view)
{
    return view.viewport()->grab().toImage();
}

void Run(CZephyrmapView& view, CommandId id)
{
    for (const CommandRoute& route : view.Commands()) {
        if (route.id == id && (!route.enabled || route.enabled()))
            route.run();
    }
}

bool Enabled(CZephyrmapView& view, CommandId id)
{
    for (const CommandRoute& route : view.Commands()) {
        if (route.id == id)
            return !route.enabled || route.enabled();
    }
    return false;
}

} // namespace

class SelectionEditsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ProgramMessage::SetAnswerer([](const ProgramMessageRecord&) { return QMessageBox::Ok; });
    }
    void cleanup() { ProgramMessage::SetAnswerer({}); }

    void shiftClickAddsAndTakesOut()
    {
        ViewHarness h(1000, 800);
        CMapData* a = h.AddRect(10, 10, 50, 50);
        CMapData* b = h.AddRect(100, 10, 150, 50);
        h.view.SelectArea(a);
        h.Move(120, 30);
        h.Click(120, 30, Qt::ShiftModifier);
        QCOMPARE(h.view.Selection().Areas(), (std::vector<CMapData*>{a, b}));
        QVERIFY(h.view.Selection().IsGroup());
        QCOMPARE(h.pane.calls.back(), std::string("rows 2"));
        h.Move(30, 30);
        h.Click(30, 30, Qt::ShiftModifier);
        QCOMPARE(h.view.Selection().Areas(), (std::vector<CMapData*>{b}));
        QCOMPARE(h.view.SelectedArea(), b);
        // Shift and a drag still move along one axis only.
        h.Move(120, 30);
        h.Press(120, 30, Qt::ShiftModifier);
        h.Move(135, 32, Qt::ShiftModifier);
        h.Release(135, 32, Qt::ShiftModifier);
        QCOMPARE(b->Bounds(), (Rect{115, 10, 165, 50}));
        QCOMPARE(h.view.Selection().Areas(), (std::vector<CMapData*>{b}));
    }

    // The band is drawn while it is dragged, and takes the areas wholly inside.
    void aRubberBandSelectsTheAreasInsideIt()
    {
        ViewHarness h(1000, 800);
        h.settings.Hatching = 0;
        CMapData* a = h.AddRect(20, 20, 50, 50);
        CMapData* b = h.AddRect(60, 20, 90, 50);
        h.AddRect(80, 100, 200, 150); // only partly inside
        h.view.DeselectArea();
        h.Move(10, 10);
        h.Press(10, 10);
        h.Move(120, 120);
        const QImage band = Grab(h.view);
        QCOMPARE(band.pixelColor(h.At(10, 60)), QColor(Qt::black)); // the band's left side, inverted
        QCOMPARE(band.pixelColor(h.At(13, 60)), QColor(Qt::white));
        h.Release(120, 120);
        QCOMPARE(h.view.Selection().Areas(), (std::vector<CMapData*>{a, b}));
        QCOMPARE(Grab(h.view).pixelColor(h.At(10, 60)), QColor(Qt::white)); // gone with the release
        // Shift with a band adds to what is selected.
        CMapData* c = h.AddRect(250, 20, 280, 50);
        h.view.SelectArea(c);
        h.Move(10, 10);
        h.Press(10, 10, Qt::ShiftModifier);
        h.Move(55, 55, Qt::ShiftModifier);
        h.Release(55, 55, Qt::ShiftModifier);
        QCOMPARE(h.view.Selection().Areas(), (std::vector<CMapData*>{c, a}));
    }

    void aGroupMovesTogetherInOneStep()
    {
        ViewHarness h(1000, 800);
        CMapData* a = h.AddRect(20, 20, 50, 50);
        CMapData* b = h.AddRect(60, 20, 90, 50);
        h.view.SelectAreas({a, b});
        const std::size_t steps = h.doc.History().UndoDepth();
        h.Move(30, 30);
        h.Press(30, 30);
        h.Move(40, 45);
        h.Release(40, 45);
        QCOMPARE(a->Bounds(), (Rect{30, 35, 60, 65}));
        QCOMPARE(b->Bounds(), (Rect{70, 35, 100, 65}));
        QCOMPARE(h.doc.History().UndoDepth(), steps + 1);
        QTest::keyClick(&h.view, Qt::Key_Left);
        QCOMPARE(h.doc.History().UndoDepth(), steps + 2);
        h.doc.Undo();
        h.doc.Undo();
        QCOMPARE(a->Bounds(), (Rect{20, 20, 50, 50}));
        QCOMPARE(b->Bounds(), (Rect{60, 20, 90, 50}));
        QCOMPARE(h.view.Selection().Areas().size(), std::size_t(2));
    }

    void aGroupGoesTogetherAndComesBackTogether()
    {
        ViewHarness h(1000, 800);
        CMapData* a = h.AddRect(20, 20, 50, 50);
        h.AddRect(60, 20, 90, 50);
        CMapData* c = h.AddRect(100, 20, 130, 50);
        h.view.SelectAreas({c, a});
        Run(h.view, CmdDeleteArea);
        QCOMPARE(h.Drawn().size(), std::size_t(1));
        h.doc.Undo();
        QCOMPARE(h.Drawn().size(), std::size_t(3));
        QCOMPARE(h.Drawn()[0]->Bounds(), (Rect{20, 20, 50, 50})); // each back in its place
        QCOMPARE(h.Drawn()[2]->Bounds(), (Rect{100, 20, 130, 50}));
    }

    // Several areas go on the clipboard together, the first also alone in the
    // one-area format; pasted, they come back as one group, one step.
    void severalAreasAreCopiedAndPastedTogether()
    {
        ViewHarness h(1000, 800);
        CMapData* a = h.AddRect(20, 20, 50, 50);
        CMapData* b = h.AddRect(60, 20, 90, 60);
        a->m_alt = "first";
        h.view.SelectAreas({a, b});
        Run(h.view, CmdCopyArea);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->hasFormat(AreaClipboard::kMimeType));
        QVERIFY(data->hasFormat(AreaClipboard::kManyMimeType));
        std::vector<CMapData> read;
        QVERIFY(AreaClipboard::ReadAreasFromClipboard(read, false));
        QCOMPARE(read.size(), std::size_t(2));
        QCOMPARE(read[0].m_alt, std::string("first"));
        const std::size_t steps = h.doc.History().UndoDepth();
        QCursor::setPos(h.view.viewport()->mapToGlobal(h.At(200, 100)));
        Run(h.view, CmdPasteAreaWithAttributes);
        QVERIFY(h.view.IsPlacing());
        h.Move(200, 100);
        h.Click(200, 100);
        QCOMPARE(h.Drawn().size(), std::size_t(4));
        QCOMPARE(h.doc.History().UndoDepth(), steps + 1);
        // The pair's bounds (20, 20)-(90, 60), centre (55, 40), are centred on the click.
        QCOMPARE(h.Drawn()[2]->Bounds(), (Rect{165, 80, 195, 110}));
        QCOMPARE(h.Drawn()[2]->m_alt, std::string("first"));
        QCOMPARE(h.view.Selection().Areas().size(), std::size_t(2));
        h.doc.Undo();
        QCOMPARE(h.Drawn().size(), std::size_t(2));
    }

    void arrangingNeedsEnoughAreasAndIsOneStep()
    {
        ViewHarness h(1000, 800);
        CMapData* a = h.AddRect(20, 20, 50, 50);
        CMapData* b = h.AddRect(60, 30, 90, 70);
        h.view.SelectArea(a);
        QVERIFY(!Enabled(h.view, CmdAlignLeft));
        h.view.SelectAreas({a, b});
        QVERIFY(Enabled(h.view, CmdAlignTop));
        QVERIFY(!Enabled(h.view, CmdDistributeHorizontally)); // three are needed
        const std::size_t steps = h.doc.History().UndoDepth();
        Run(h.view, CmdAlignTop);
        QCOMPARE(b->Bounds(), (Rect{60, 20, 90, 60}));
        QCOMPARE(a->Bounds(), (Rect{20, 20, 50, 50}));
        Run(h.view, CmdSameHeight);
        QCOMPARE(b->Bounds(), (Rect{60, 20, 90, 50}));
        QCOMPARE(h.doc.History().UndoDepth(), steps + 2);
        h.doc.Undo();
        h.doc.Undo();
        QCOMPARE(b->Bounds(), (Rect{60, 30, 90, 70}));
    }
};

QTEST_MAIN(SelectionEditsTest)
#include "SelectionEditsTest.moc"

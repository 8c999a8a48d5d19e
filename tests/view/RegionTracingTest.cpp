// The trace tool in the editor view: a click inside a drawn region adds its
// outline as one polygon area, the outline shows once the pointer rests,
// the tool stays until Escape, the bracket keys step the tolerance, and a
// region over a quarter of the picture is asked about.

#include "tests/view/ViewHarness.h"

#include "services/trace/PolygonCheck.h"
#include "tests/services/trace/TraceShapes.h"
#include "view/RegionTracing.h"

#include <QPainter>

using namespace traceshapes;

namespace
{

// A pink disc of radius 50 around (100, 100) and a blue block over pixels
// 180 to 279 across and 40 to 159 down, on white, 300 x 200.
QImage Shapes()
{
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 120, 120));
    painter.drawEllipse(QPointF(100, 100), 50, 50);
    painter.fillRect(QRect(180, 40, 100, 120), QColor(30, 60, 200));
    return image;
}

QImage Grab(CZephyrmapView& view)
{
    return view.viewport()->grab().toImage();
}

// The same corners, wherever the outline starts and whichever way it runs.
bool SameCorners(std::vector<Point> a, std::vector<Point> b)
{
    auto order = [](const Point& l, const Point& r) { return l.x != r.x ? l.x < r.x : l.y < r.y; };
    std::sort(a.begin(), a.end(), order);
    std::sort(b.begin(), b.end(), order);
    return a == b;
}

int Differences(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

} // namespace

class RegionTracingTest : public QObject
{
    Q_OBJECT
private:
    std::vector<ProgramMessageRecord> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::No;
    bool m_checked = false; // the command's check mark, once chosen

    // A view over the shapes with the trace tool chosen through its command.
    std::unique_ptr<ViewHarness> Tracing()
    {
        auto h = std::make_unique<ViewHarness>(800, 600);
        const QString path = h->dir.filePath(QStringLiteral("shapes.png"));
        Shapes().save(path);
        h->doc.SetPicture(FromQString(path));
        for (const CommandRoute& route : h->view.Commands()) {
            if (route.id == CmdTraceTool) {
                route.run();
                m_checked = route.checked();
            }
        }
        return h;
    }

    void Key(ViewHarness& h, Qt::Key key) { QTest::keyClick(&h.view, key); }

private slots:
    void init()
    {
        m_boxes.clear();
        m_answer = QMessageBox::No;
        ProgramMessage::SetAnswerer([this](const ProgramMessageRecord& box) {
            m_boxes.push_back(box);
            return m_answer;
        });
    }
    void cleanup() { ProgramMessage::SetAnswerer({}); }

    void aClickInsideARegionAddsItsOutlineAsOnePolygon()
    {
        auto h = Tracing();
        QCOMPARE(h->view.CurrentTool(), Tool::Trace);
        QVERIFY(m_checked);
        h->Click(100, 100);
        QCOMPARE(h->Drawn().size(), std::size_t(1));
        CMapData* disc = h->Drawn()[0];
        QCOMPARE(disc->m_shape, int(ShapePoly));
        const double iou =
            IoU(Covered(300, 200, Disc(100, 100, 50)), Covered(300, 200, Filled(disc->m_points.ToVector())));
        QVERIFY2(iou >= 0.97,
                 qPrintable(QString::number(iou) + QStringLiteral(" ") + QString::fromStdString(PointsOf(*disc))));
        QVERIFY(polygoncheck::IsSimple(disc->m_points));
        // Selected, in the view and in the area page, ready for its link.
        QCOMPARE(h->view.SelectedArea(), disc);
        QCOMPARE(h->pane.listSelection, h->doc.IndexOf(disc));
        // One step undoes it.
        QVERIFY(h->doc.CanUndo());
        h->doc.Undo();
        QVERIFY(h->Drawn().empty());
        QVERIFY(!h->doc.CanUndo());
    }

    void theToolStaysUntilEscape()
    {
        auto h = Tracing();
        h->Click(100, 100);
        h->Click(230, 100);
        QCOMPARE(h->Drawn().size(), std::size_t(2));
        QCOMPARE(h->view.CurrentTool(), Tool::Trace);
        QVERIFY(SameCorners(h->Drawn()[1]->m_points.ToVector(), {{180, 40}, {280, 40}, {280, 160}, {180, 160}}));
        Key(*h, Qt::Key_Escape);
        QCOMPARE(h->view.CurrentTool(), Tool::Select);
        QCOMPARE(h->pane.status[PanePrompt], QString()); // the tolerance is no longer the prompt
        // A click now selects rather than traces.
        h->Click(100, 100);
        QCOMPARE(h->Drawn().size(), std::size_t(2));
    }

    void theOutlineShowsOnceThePointerRests()
    {
        auto h = Tracing();
        const QImage before = Grab(h->view);
        h->Move(230, 100);
        QCOMPARE(Differences(Grab(h->view), before), 0);
        // The block's outline, dashed black over white: its edges, 2 x (100
        // + 120) pixels, along the block's blue at the top and left, and
        // along the white, where only the dashes show, at the right and bottom.
        QTRY_VERIFY_WITH_TIMEOUT(Differences(Grab(h->view), before) > 300, 2000);
        QVERIFY(Differences(Grab(h->view), before) < 450);
        QCOMPARE(h->pane.status[PanePrompt], RegionTracing::PromptText(20));
        // Moving within the outline keeps it; out of it, it goes.
        h->Move(240, 110);
        QVERIFY(Differences(Grab(h->view), before) > 300);
        h->Move(100, 100);
        QCOMPARE(Differences(Grab(h->view), before), 0);
        QVERIFY(h->Drawn().empty());
    }

    void theBracketKeysStepTheTolerance()
    {
        auto h = Tracing();
        QCOMPARE(h->pane.status[PanePrompt], RegionTracing::PromptText(20));
        Key(*h, Qt::Key_BracketRight);
        QCOMPARE(h->settings.nTraceTolerance, 22);
        QCOMPARE(h->pane.status[PanePrompt], RegionTracing::PromptText(22));
        Key(*h, Qt::Key_BracketLeft);
        Key(*h, Qt::Key_BracketLeft);
        QCOMPARE(h->settings.nTraceTolerance, 18);
        QCOMPARE(h->pane.status[PanePrompt], RegionTracing::PromptText(18));
        for (int i = 0; i < 20; ++i)
            Key(*h, Qt::Key_BracketLeft);
        QCOMPARE(h->settings.nTraceTolerance, RegionTracing::kLeastTolerance);
        for (int i = 0; i < 60; ++i)
            Key(*h, Qt::Key_BracketRight);
        QCOMPARE(h->settings.nTraceTolerance, RegionTracing::kMostTolerance);
        // Beyond the pink's distance from white (Delta E about 60) the disc
        // is part of the picture.
        m_answer = QMessageBox::Yes;
        h->Click(100, 100);
        QCOMPARE(h->Drawn().size(), std::size_t(1));
        QVERIFY(SameCorners(h->Drawn()[0]->m_points.ToVector(), {{0, 0}, {300, 0}, {300, 200}, {0, 200}}));
    }

    void aRegionOverAQuarterOfThePictureIsAskedAbout()
    {
        auto h = Tracing();
        // The white around the shapes: 60000 pixels less the disc and the block.
        h->Click(10, 10);
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QCOMPARE(m_boxes[0].caption, QStringLiteral("Zephyrmap !"));
        QCOMPARE(m_boxes[0].icon, QMessageBox::Question);
        QCOMPARE(m_boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(m_boxes[0].defaultButton, QMessageBox::No);
        // The box shows the program's CR LF as line breaks.
        QCOMPARE(m_boxes[0].text, QStringLiteral("トレースした領域は画像全体の100%を占めています。\n"
                                                 "背景をクリックしていないか確かめて下さい。\n"
                                                 "この領域をエリアとして追加しますか?"));
        QVERIFY(h->Drawn().empty());
        QVERIFY(!h->doc.CanUndo());
        m_answer = QMessageBox::Yes;
        h->Click(10, 10);
        QCOMPARE(h->Drawn().size(), std::size_t(1));
        // The disc, a quarter of the picture's size at most, is not asked about.
        h->Click(100, 100);
        QCOMPARE(m_boxes.size(), std::size_t(2));
        QCOMPARE(h->Drawn().size(), std::size_t(2));
    }
};

QTEST_MAIN(RegionTracingTest)
#include "RegionTracingTest.moc"

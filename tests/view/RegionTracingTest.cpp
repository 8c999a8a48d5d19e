// The trace tool in the editor view: a click inside a drawn region adds its
// outline as one polygon area, the outline shows once the pointer rests
// (traced off the editor's thread), the tool stays until Escape, the bracket
// keys step the tolerance up and down a ladder that comes back, a region
// over a quarter of the picture or of a few pixels is asked about, and what
// fails is told.

#include "tests/view/ViewHarness.h"

#include "formats/HtmlWriter.h"
#include "services/trace/PolygonCheck.h"
#include "tests/services/trace/TraceShapes.h"
#include "view/RegionTracing.h"
#include "view/TracedRegionCheck.h"

#include <QPainter>

#include <random>

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

    // A view over the shapes (or another picture) with the trace tool chosen
    // through its command.
    std::unique_ptr<ViewHarness> Tracing(const QImage& picture = Shapes())
    {
        auto h = std::make_unique<ViewHarness>(800, 600);
        const QString path = h->dir.filePath(QStringLiteral("shapes.png"));
        picture.save(path);
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
        QVERIFY(h->pane.status[PanePrompt].startsWith(RegionTracing::PromptText(20)));
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
        QCOMPARE(h->settings.nTraceTolerance, 25);
        QCOMPARE(h->pane.status[PanePrompt], RegionTracing::PromptText(25));
        Key(*h, Qt::Key_BracketLeft);
        Key(*h, Qt::Key_BracketLeft);
        QCOMPARE(h->settings.nTraceTolerance, 15);
        QCOMPARE(h->pane.status[PanePrompt], RegionTracing::PromptText(15));
        for (int i = 0; i < 30; ++i)
            Key(*h, Qt::Key_BracketLeft);
        QCOMPARE(h->settings.nTraceTolerance, RegionTracing::kLeastTolerance);
        for (int i = 0; i < 30; ++i)
            Key(*h, Qt::Key_BracketRight);
        QCOMPARE(h->settings.nTraceTolerance, RegionTracing::kMostTolerance);
        // Beyond the pink's distance from white (Delta E about 60) the disc
        // is part of the picture.
        m_answer = QMessageBox::Yes;
        h->Click(100, 100);
        QCOMPARE(h->Drawn().size(), std::size_t(1));
        QVERIFY(SameCorners(h->Drawn()[0]->m_points.ToVector(), {{0, 0}, {300, 0}, {300, 200}, {0, 200}}));
    }

    // Guards the steps of 2 from 1: down to the least and up again, 20 was
    // never met (19, 21). Every value the keys reach, they come back to.
    void theToleranceComesBackWhereItWas()
    {
        auto h = Tracing();
        for (int i = 0; i < 30; ++i)
            Key(*h, Qt::Key_BracketLeft);
        QCOMPARE(h->settings.nTraceTolerance, 1);
        QList<int> up;
        while (h->settings.nTraceTolerance < RegionTracing::kMostTolerance) {
            Key(*h, Qt::Key_BracketRight);
            up << h->settings.nTraceTolerance;
        }
        QVERIFY2(up.contains(20), qPrintable(QStringLiteral("%1").arg(up.size())));
        for (int i = up.size() - 1; i > 0; --i) {
            Key(*h, Qt::Key_BracketLeft);
            QCOMPARE(h->settings.nTraceTolerance, up[i - 1]);
        }
        // A value set on the settings sheet steps to its neighbours.
        QCOMPARE(RegionTracing::ToleranceAbove(21), 25);
        QCOMPARE(RegionTracing::ToleranceBelow(21), 20);
        QCOMPARE(RegionTracing::ToleranceBelow(1), 1);
        QCOMPARE(RegionTracing::ToleranceAbove(100), 100);
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
        // What may have happened, and what to try: the box shows the
        // program's CR LF as line breaks.
        QCOMPARE(m_boxes[0].text,
                 QStringLiteral("トレースした領域は画像全体の100%を占めています。\n"
                                "背景をクリックしたか、境界の切れ目から隣の領域へ広がったのかもしれません。\n"
                                "[ で色の許容差を下げると (いまは 20)、領域は狭くなります。\n"
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

    // Guards a trace of a few pixels added without a word: at a tolerance of
    // 1 a click on noise gave an area of 3 x 3.
    void aRegionOfAFewPixelsIsAskedAbout()
    {
        QImage noise(120, 80, QImage::Format_RGB32);
        std::mt19937 random(11);
        std::uniform_int_distribution<int> grey(0, 255);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x) {
                const int g = grey(random);
                noise.setPixel(x, y, qRgb(g, g, g));
            }
        auto h = Tracing(noise);
        h->settings.nTraceTolerance = 1;
        h->Click(60, 40);
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QCOMPARE(m_boxes[0].icon, QMessageBox::Question);
        QCOMPARE(m_boxes[0].defaultButton, QMessageBox::No);
        QVERIFY2(m_boxes[0].text.startsWith(QStringLiteral("トレースした領域は ")), qPrintable(m_boxes[0].text));
        QVERIFY2(m_boxes[0].text.endsWith(
                     QStringLiteral(" ピクセルしかありません。\n"
                                    "色の許容差 (いまは 1) が写真のノイズなどに対して低すぎるのかもしれません。\n"
                                    "] で許容差を上げると、領域は広くなります。\n"
                                    "この領域をエリアとして追加しますか?")),
                 qPrintable(m_boxes[0].text));
        QVERIFY(h->Drawn().empty());
        m_answer = QMessageBox::Yes;
        h->Click(60, 40);
        QCOMPARE(h->Drawn().size(), std::size_t(1));
    }

    void theQuestionsSayTheSizeAndTheTolerance()
    {
        QCOMPARE(TracedRegionCheck::TinyRegionQuestion(3, 2, 1),
                 QStringLiteral("トレースした領域は 3 × 2 ピクセルしかありません。\r\n"
                                "色の許容差 (いまは 1) が写真のノイズなどに対して低すぎるのかもしれません。\r\n"
                                "] で許容差を上げると、領域は広くなります。\r\n"
                                "この領域をエリアとして追加しますか?"));
        QCOMPARE(TracedRegionCheck::FailureText(TraceFailure::OutOfMemory),
                 QStringLiteral("この領域は、作業に要るメモリが足りないため、トレースできませんでした。\r\n"
                                "[ で色の許容差を下げて、領域を狭くして下さい。"));
    }

    // Guards a failed trace returning in silence: a click with no picture
    // to trace says so.
    void aTraceThatFailsIsTold()
    {
        auto h = Tracing();
        h->doc.SetPicture(FromQString(h->dir.filePath(QStringLiteral("missing.png"))));
        QVERIFY(!h->picture.IsLoaded());
        RegionTracing tracing(h->view);
        tracing.Pressed({10, 10});
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QCOMPARE(m_boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(m_boxes[0].caption, QStringLiteral("Zephyrmap!"));
        QCOMPARE(m_boxes[0].text, QStringLiteral("画像が読み込まれていないため、トレースできません。"));
        QVERIFY(h->Drawn().empty());
    }

    // A click beside the picture tells so in the prompt, without a box.
    void aClickBesideThePictureIsToldInThePrompt()
    {
        auto h = Tracing();
        RegionTracing tracing(h->view);
        tracing.Pressed({400, 10});
        QVERIFY(m_boxes.empty());
        QCOMPARE(h->pane.status[PanePrompt],
                 RegionTracing::PromptText(20) + QStringLiteral("   画像の外はトレースできません。"));
    }

    // While the outline shows, the prompt gives the region's size.
    void thePromptGivesTheRegionsSize()
    {
        auto h = Tracing();
        h->Move(230, 100);
        QTRY_VERIFY_WITH_TIMEOUT(h->pane.status[PanePrompt] != RegionTracing::PromptText(20), 2000);
        QCOMPARE(h->pane.status[PanePrompt],
                 RegionTracing::PromptText(20) + QStringLiteral("   ") + RegionTracing::RegionText(100 * 120, 20));
        QCOMPARE(RegionTracing::RegionText(12000, 20), QStringLiteral("領域 : 12000 ピクセル (画像の 20%)"));
        // Out of the outline, the size goes with it.
        h->Move(10, 190);
        QCOMPARE(h->pane.status[PanePrompt], RegionTracing::PromptText(20));
    }

    // Guards the trace under a resting pointer running in the editor's own
    // thread, which stalled it for half a second on a large picture: when
    // the rest ends, the trace starts elsewhere and the editor goes on; the
    // outline follows once it is traced.
    void theRestingPointersTraceLeavesTheEditorFree()
    {
        QImage large(3000, 2000, QImage::Format_RGB32);
        large.fill(QColor(120, 170, 230));
        auto h = Tracing(large);
        RegionTracing tracing(h->view);
        tracing.Moved({1500, 1000});
        while (tracing.IsRestTimerActive())
            QCoreApplication::processEvents();
        QVERIFY(tracing.Preview().empty());
        QVERIFY(tracing.IsTracing());
        QTRY_VERIFY_WITH_TIMEOUT(!tracing.Preview().empty(), 10000);
        QVERIFY(SameCorners(tracing.Preview(), {{0, 0}, {3000, 0}, {3000, 2000}, {0, 2000}}));
    }

    // A preview traced for a place the pointer has left, and which does not
    // hold the pointer, is not shown: the one for where it rests is.
    void aPreviewForWhereThePointerWasIsDropped()
    {
        auto h = Tracing();
        RegionTracing tracing(h->view);
        tracing.Moved({100, 100}); // the disc
        while (tracing.IsRestTimerActive())
            QCoreApplication::processEvents();
        tracing.Moved({230, 100}); // the block, before the disc's outline arrives
        QTRY_VERIFY_WITH_TIMEOUT(!tracing.Preview().empty() && !tracing.IsTracing() && !tracing.IsRestTimerActive(),
                                 5000);
        QTest::qWait(50);
        QVERIFY(SameCorners(tracing.Preview(), {{180, 40}, {280, 40}, {280, 160}, {180, 160}}));
    }

    // Guards the repeated first vertex: a traced block is written as its
    // four corners, each once.
    void aTracedBlockIsWrittenWithItsCornersOnce()
    {
        auto h = Tracing();
        h->Click(230, 100);
        QCOMPARE(h->Drawn().size(), std::size_t(1));
        const std::string coords = h->Drawn()[0]->FormatCoords();
        QCOMPARE(std::count(coords.begin(), coords.end(), ','), 7);
        const std::string html = html::WriteMapHtml(h->doc, HtmlOutputOptions());
        QVERIFY2(html.find("COORDS=\"" + coords + "\"") != std::string::npos, html.c_str());
    }
};

QTEST_MAIN(RegionTracingTest)
#include "RegionTracingTest.moc"

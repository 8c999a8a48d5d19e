// Tracing on a thread of its own: the trace runs off the asking thread, its
// result comes back on it through the event loop, and only the newest
// request's result is handed on, older ones waiting or running being dropped.

#include "services/picture/BackgroundTrace.h"

#include "services/picture/MapPicture.h"
#include "services/picture/QtText.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace
{

// A tracer a test lets go of: each trace waits until the test opens the
// gate, and gives the seed back as a one-corner outline so that the
// results tell apart.
class Gate
{
public:
    TraceResult Trace(Point seed)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_started;
        m_thread = std::this_thread::get_id();
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_open > 0; });
        --m_open;
        TraceResult result;
        result.outline = {seed};
        return result;
    }
    void Open()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        ++m_open;
        m_changed.notify_all();
    }
    void WaitForStart(int count)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return m_started >= count; });
    }
    int Started()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_started;
    }
    std::thread::id Thread()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_thread;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_started = 0, m_open = 0;
    std::thread::id m_thread;
};

} // namespace

class BackgroundTraceTest : public QObject
{
    Q_OBJECT
private slots:
    void aTraceRunsElsewhereAndComesBackHere()
    {
        Gate gate;
        std::vector<Point> received;
        std::thread::id receivedOn;
        BackgroundTrace trace(
            [&](const TraceResult& r) {
                received.push_back(r.outline.at(0));
                receivedOn = std::this_thread::get_id();
            },
            [&](const TraceCanvas&, Point seed, const TraceOptions&) { return gate.Trace(seed); });
        trace.Request({1, 2}, TraceOptions());
        gate.WaitForStart(1);
        QVERIFY(gate.Thread() != std::this_thread::get_id());
        QVERIFY(trace.IsBusy());
        gate.Open();
        QTRY_COMPARE(received.size(), std::size_t(1));
        QCOMPARE(received[0], (Point{1, 2}));
        QCOMPARE(receivedOn, std::this_thread::get_id());
        QTRY_VERIFY(!trace.IsBusy());
    }

    // While the first trace runs, a second and a third request come: the
    // second never runs, and the first's result is not handed on.
    void onlyTheNewestRequestCounts()
    {
        Gate gate;
        std::vector<Point> received;
        BackgroundTrace trace([&](const TraceResult& r) { received.push_back(r.outline.at(0)); },
                              [&](const TraceCanvas&, Point seed, const TraceOptions&) { return gate.Trace(seed); });
        trace.Request({1, 1}, TraceOptions());
        gate.WaitForStart(1);
        trace.Request({2, 2}, TraceOptions());
        trace.Request({3, 3}, TraceOptions());
        gate.Open();
        gate.WaitForStart(2);
        gate.Open();
        QTRY_COMPARE(received.size(), std::size_t(1));
        QCOMPARE(received[0], (Point{3, 3}));
        QTest::qWait(50);
        QCOMPARE(received.size(), std::size_t(1));
        QCOMPARE(gate.Started(), 2);
    }

    void aCancelledRequestHandsNothingOn()
    {
        Gate gate;
        int received = 0;
        BackgroundTrace trace([&](const TraceResult&) { ++received; },
                              [&](const TraceCanvas&, Point seed, const TraceOptions&) { return gate.Trace(seed); });
        trace.Request({1, 1}, TraceOptions());
        gate.WaitForStart(1);
        trace.Cancel();
        gate.Open();
        QTRY_VERIFY(!trace.IsBusy());
        QTest::qWait(50);
        QCOMPARE(received, 0);
    }

    // Gone while a trace runs: it waits for the trace, and nothing reaches
    // the receiver after.
    void goneWhileTracingHandsNothingOn()
    {
        Gate gate;
        int received = 0;
        std::thread opener;
        {
            BackgroundTrace trace(
                [&](const TraceResult&) { ++received; },
                [&](const TraceCanvas&, Point seed, const TraceOptions&) { return gate.Trace(seed); });
            trace.Request({1, 1}, TraceOptions());
            gate.WaitForStart(1);
            opener = std::thread([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                gate.Open();
            });
        }
        opener.join();
        QTest::qWait(50);
        QCOMPARE(received, 0);
    }

    // The picture is made into a canvas on the thread from its own copy: the
    // picture may be loaded anew meanwhile. The canvas follows the picture
    // given last.
    void theCanvasFollowsThePicture()
    {
        QTemporaryDir dir;
        auto save = [&](const QString& name, QRect block) {
            QImage image(60, 40, QImage::Format_RGB32);
            image.fill(Qt::white);
            for (int y = block.top(); y <= block.bottom(); ++y)
                for (int x = block.left(); x <= block.right(); ++x)
                    image.setPixel(x, y, qRgb(200, 30, 30));
            image.save(dir.filePath(name));
            return FromQString(dir.filePath(name));
        };
        const std::string first = save(QStringLiteral("first.png"), QRect(10, 5, 20, 20));
        const std::string second = save(QStringLiteral("second.png"), QRect(0, 0, 40, 10));
        std::vector<TraceResult> results;
        BackgroundTrace trace([&](const TraceResult& r) { results.push_back(r); });
        MapPicture picture;
        QVERIFY(picture.Load(first));
        trace.SetPicture(std::make_shared<const PicturePixels>(PicturePixels::Of(picture)));
        QVERIFY(picture.Load(second)); // the first bitmap is gone
        trace.Request({15, 12}, TraceOptions());
        QTRY_COMPARE(results.size(), std::size_t(1));
        QVERIFY(results[0].Ok());
        QCOMPARE(results[0].regionPixels, 20 * 20);
        trace.SetPicture(std::make_shared<const PicturePixels>(PicturePixels::Of(picture)));
        trace.Request({15, 5}, TraceOptions());
        QTRY_COMPARE(results.size(), std::size_t(2));
        QCOMPARE(results[1].regionPixels, 40 * 10);
    }

    void withoutAPictureNothingIsTraced()
    {
        std::vector<TraceResult> results;
        BackgroundTrace trace([&](const TraceResult& r) { results.push_back(r); });
        trace.Request({1, 1}, TraceOptions());
        QTRY_COMPARE(results.size(), std::size_t(1));
        QCOMPARE(results[0].failure, TraceFailure::NoPicture);
    }
};

QTEST_MAIN(BackgroundTraceTest)
#include "BackgroundTraceTest.moc"

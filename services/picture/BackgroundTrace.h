#pragma once
// Traces on a thread of its own, for the editor's preview of the region
// under a resting pointer: a trace of a large region takes longer than a
// pointer rests, and the editor must go on taking keys and moves meanwhile.
// The picture is made into a canvas there, once (halved when large, see
// TraceCanvas). Only the newest request counts: one made while another runs
// waits in its place, and a newer one takes that place; a result is handed
// to the receiver on the thread that made the requests, through its event
// loop, and only while no newer request has been made since.

#include "services/picture/PicturePixels.h"
#include "services/trace/RegionTracer.h"
#include "services/trace/TraceCanvas.h"

#include <QObject>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class BackgroundTrace
{
public:
    using Receiver = std::function<void(const TraceResult&)>;
    // What the thread runs for a request; the canvas's own trace unless a
    // test puts something in its place.
    using Tracer = std::function<TraceResult(const TraceCanvas&, Point, const TraceOptions&)>;

    explicit BackgroundTrace(Receiver receiver, Tracer tracer = {});
    // Waits for a trace under way to end; no result is handed on after.
    ~BackgroundTrace();
    BackgroundTrace(const BackgroundTrace&) = delete;
    BackgroundTrace& operator=(const BackgroundTrace&) = delete;

    // The picture traced from the next request on.
    void SetPicture(std::shared_ptr<const PicturePixels> pixels);
    void Request(Point seed, const TraceOptions& options);
    // No result of a request made so far is handed on.
    void Cancel();
    // A request waits or is being traced.
    bool IsBusy() const;

private:
    struct Job {
        std::uint64_t ticket;
        Point seed;
        TraceOptions options;
    };

    void Run();
    std::optional<Job> NextJob();
    void Hand(std::uint64_t ticket, const TraceResult& result);

    Receiver m_receiver;
    Tracer m_tracer;
    std::uint64_t m_latest = 0; // the newest request's ticket; the asking thread's alone

    mutable std::mutex m_mutex; // guards what follows, down to the thread
    std::condition_variable m_wake;
    std::optional<Job> m_waiting;
    std::shared_ptr<const PicturePixels> m_newPicture; // not yet made into the canvas
    bool m_running = false;
    bool m_stop = false;

    TraceCanvas m_canvas; // the thread's alone
    QObject m_asker;      // lives on the asking thread; results reach it as queued calls
    std::thread m_thread;
};

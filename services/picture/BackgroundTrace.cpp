#include "services/picture/BackgroundTrace.h"

#include <QMetaObject>

BackgroundTrace::BackgroundTrace(Receiver receiver, Tracer tracer)
    : m_receiver(std::move(receiver)), m_tracer(std::move(tracer))
{
    if (!m_tracer)
        m_tracer = [](const TraceCanvas& canvas, Point seed, const TraceOptions& options) {
            return canvas.Trace(seed, options);
        };
}

BackgroundTrace::~BackgroundTrace()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        m_waiting.reset();
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundTrace::SetPicture(std::shared_ptr<const PicturePixels> pixels)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_newPicture = std::move(pixels);
}

// The thread starts with the first request, so that a trace tool that is
// chosen and put down again costs none.
void BackgroundTrace::Request(Point seed, const TraceOptions& options)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_waiting = Job{++m_latest, seed, options};
        if (!m_thread.joinable())
            m_thread = std::thread([this] { Run(); });
    }
    m_wake.notify_one();
}

void BackgroundTrace::Cancel()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    ++m_latest;
    m_waiting.reset();
}

bool BackgroundTrace::IsBusy() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_waiting.has_value() || m_running;
}

// The waiting request, once there is one; none when the thread is to end.
// A new picture is made into the canvas first, outside the lock.
std::optional<BackgroundTrace::Job> BackgroundTrace::NextJob()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_running = false;
    m_wake.wait(lock, [this] { return m_stop || m_waiting.has_value(); });
    if (m_stop)
        return std::nullopt;
    const std::optional<Job> job = std::exchange(m_waiting, std::nullopt);
    m_running = true;
    if (std::shared_ptr<const PicturePixels> picture = std::exchange(m_newPicture, nullptr)) {
        lock.unlock();
        m_canvas = TraceCanvas::Of(picture->Pixels());
    }
    return job;
}

void BackgroundTrace::Run()
{
    while (const std::optional<Job> job = NextJob())
        Hand(job->ticket, m_tracer(m_canvas, job->seed, job->options));
}

// Queued to the asking thread, where the newest ticket is known; a call
// queued to an object that is gone is dropped with it.
void BackgroundTrace::Hand(std::uint64_t ticket, const TraceResult& result)
{
    QMetaObject::invokeMethod(
        &m_asker,
        [this, ticket, result] {
            if (ticket == m_latest)
                m_receiver(result);
        },
        Qt::QueuedConnection);
}

#include "view/RegionTracing.h"

#include "model/CMapData.h"
#include "services/picture/MapPicture.h"
#include "services/picture/PictureTrace.h"
#include "services/settings/AppSettings.h"
#include "view/InteractionHost.h"
#include "view/PaneInterface.h"
#include "view/TracedRegionCheck.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <memory>

namespace
{

constexpr double kTenths = 10.0;
constexpr double kPercent = 100.0;
// The preview's dashes and gaps, in window pixels.
constexpr qreal kDashLength = 4;

// The pointer shows that the editor is busy while a click's trace runs.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

RegionTracing::RegionTracing(InteractionHost& view)
    : m_view(view), m_previewTracer([this](const TraceResult& traced) { Traced(traced); })
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(kRestMilliseconds);
    QObject::connect(&m_rest, &QTimer::timeout, [this] { Rested(); });
    ShowPrompt();
}

QString RegionTracing::PromptText(int tolerance)
{
    return QCoreApplication::translate("RegionTracing", "トレースの色の許容差 : %1  ( [ で下げる、] で上げる )")
        .arg(tolerance);
}

QString RegionTracing::RegionText(std::int64_t pixels, int percent)
{
    return QCoreApplication::translate("RegionTracing", "領域 : %1 ピクセル (画像の %2%)").arg(pixels).arg(percent);
}

QString RegionTracing::TinyRegionText(std::int64_t pixels)
{
    return QCoreApplication::translate("RegionTracing", "領域 : %1 ピクセル、小さすぎます ( ] で許容差を上げて下さい )")
        .arg(pixels);
}

int RegionTracing::ToleranceAbove(int tolerance)
{
    const auto above = std::upper_bound(kTolerances.begin(), kTolerances.end(), tolerance);
    return above == kTolerances.end() ? kMostTolerance : *above;
}

int RegionTracing::ToleranceBelow(int tolerance)
{
    const auto below = std::lower_bound(kTolerances.begin(), kTolerances.end(), tolerance);
    return below == kTolerances.begin() ? kLeastTolerance : *(below - 1);
}

int RegionTracing::Tolerance() const
{
    return std::clamp(m_view.Settings().nTraceTolerance, kLeastTolerance, kMostTolerance);
}

const std::vector<Point>& RegionTracing::Preview() const
{
    static const std::vector<Point> none;
    return m_previewShown ? m_traced.outline : none;
}

// The settings as the tracer takes them; values a damaged settings file
// might hold are brought within their limits.
TraceOptions RegionTracing::Options() const
{
    TraceOptions options;
    options.tolerance = Tolerance();
    options.epsilon = std::clamp(m_view.Settings().nTraceSimplify, kLeastSimplify, kMostSimplify) / kTenths;
    return options;
}

void RegionTracing::Moved(Point p)
{
    m_pointer = p;
    m_rest.start();
    // The outline stays while the pointer stays in it, so that it does not
    // flicker as the pointer moves about one region.
    if (m_previewShown && !m_previewRegion.ContainsPoint(p.x, p.y))
        HidePreview();
}

// The picture's pixels go to the tracing thread (shared, not copied) once,
// and again only when it has been loaded anew since, or its background,
// which transparency is laid over, has changed.
void RegionTracing::TakePicture()
{
    const MapPicture& picture = m_view.Picture();
    if (picture.Generation() == m_pictureGeneration && picture.BackgroundColor() == m_pictureBackground)
        return;
    m_previewTracer.SetPicture(std::make_shared<const PicturePixels>(PicturePixels::Of(picture)));
    m_pictureGeneration = picture.Generation();
    m_pictureBackground = picture.BackgroundColor();
}

void RegionTracing::Rested()
{
    if (!m_view.Picture().IsLoaded()) {
        m_previewTracer.Cancel();
        HidePreview();
        return;
    }
    TakePicture();
    m_asked = m_pointer;
    m_previewTracer.Request(m_pointer, Options());
}

// A preview arrives after the pointer may have moved on: it is shown while
// the pointer is still where it was asked for, or inside the outline.
void RegionTracing::Traced(const TraceResult& traced)
{
    HitRegion region = HitRegion::MakePolygon(traced.Ok() ? traced.outline : std::vector<Point>());
    if (m_pointer != m_asked && !region.ContainsPoint(m_pointer.x, m_pointer.y))
        return;
    m_traced = traced;
    m_previewShown = traced.Ok();
    m_previewRegion = std::move(region);
    if (traced.Ok())
        ShowRegionPrompt();
    else if (traced.failure == TraceFailure::OutsidePicture)
        ShowPrompt();
    else
        ShowPrompt(TracedRegionCheck::FailureText(traced.failure).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    m_view.InvalidateAll();
}

void RegionTracing::HidePreview()
{
    const bool shown = m_previewShown;
    m_previewShown = false;
    m_previewRegion = HitRegion();
    if (shown) {
        ShowPrompt();
        m_view.InvalidateAll();
    }
}

// The click traces the picture itself, not the preview's copy; the new
// area's own outline takes the preview's place.
void RegionTracing::Pressed(Point p)
{
    m_rest.stop();
    m_previewTracer.Cancel();
    HidePreview();
    int width = 0, height = 0;
    m_view.Picture().LoadedSize(width, height);
    TraceResult traced;
    {
        const WaitCursor busy;
        traced = picturetrace::Trace(m_view.Picture(), p, Options());
    }
    if (traced.failure == TraceFailure::OutsidePicture) {
        ShowPrompt(TracedRegionCheck::FailureText(traced.failure));
        return;
    }
    if (!TracedRegionCheck(m_view.Window(), width, height, Tolerance()).Accept(traced))
        return;
    auto area = std::make_unique<CMapData>();
    area->m_shape = ShapePoly;
    area->m_points = traced.outline;
    area->BuildRegion();
    m_view.AddArea(std::move(area));
}

bool RegionTracing::KeyPressed(int key)
{
    switch (key) {
    case Qt::Key_BracketLeft:
        SetTolerance(ToleranceBelow(Tolerance()));
        return true;
    case Qt::Key_BracketRight:
        SetTolerance(ToleranceAbove(Tolerance()));
        return true;
    default:
        return false;
    }
}

// Escape puts the tool down.
bool RegionTracing::Cancel()
{
    m_rest.stop();
    m_previewTracer.Cancel();
    HidePreview();
    m_view.Frame().SetStatusText(PanePrompt, QString());
    m_view.ReturnToSelectionTool();
    return true;
}

// The outline under the pointer follows the new tolerance as soon as it is traced.
void RegionTracing::SetTolerance(int tolerance)
{
    m_view.Settings().nTraceTolerance = tolerance;
    ShowPrompt();
    if (m_previewShown)
        Rested();
}

void RegionTracing::ShowPrompt(const QString& more)
{
    const QString prompt = PromptText(Tolerance());
    m_view.Frame().SetStatusText(PanePrompt, more.isEmpty() ? prompt : prompt + QStringLiteral("   ") + more);
}

void RegionTracing::ShowRegionPrompt()
{
    if (m_traced.IsTiny()) {
        ShowPrompt(TinyRegionText(m_traced.regionPixels));
        return;
    }
    int width = 0, height = 0;
    const double pixels = m_view.Picture().LoadedSize(width, height) ? static_cast<double>(width) * height : 0;
    const int percent =
        pixels > 0 ? static_cast<int>(std::lround(kPercent * static_cast<double>(m_traced.regionPixels) / pixels)) : 0;
    ShowPrompt(RegionText(m_traced.regionPixels, percent));
}

// Black dashes over a white line, which show on any picture, even where
// inverting would give a colour close to the one beside it.
void RegionTracing::Paint(QPainter& painter) const
{
    if (!m_previewShown || m_traced.outline.size() < 3)
        return;
    QPolygon outline;
    for (const Point& p : m_traced.outline)
        outline << m_view.ToLogical(p);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawPolygon(outline);
    QPen dashes(Qt::black, 0, Qt::CustomDashLine);
    dashes.setDashPattern({kDashLength, kDashLength});
    painter.setPen(dashes);
    painter.drawPolygon(outline);
    painter.restore();
}

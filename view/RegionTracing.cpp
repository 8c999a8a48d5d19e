#include "view/RegionTracing.h"

#include "model/CMapData.h"
#include "model/CZephyrmapDoc.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/picture/MapPicture.h"
#include "services/picture/PictureTrace.h"
#include "services/settings/AppSettings.h"
#include "view/InteractionHost.h"
#include "view/PaneInterface.h"
#include "view/SelectionState.h"
#include "view/Snapper.h"
#include "view/ViewPainter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <memory>

namespace
{

// A region larger than this share of the picture is asked about.
constexpr double kLargeShare = 0.25;
constexpr double kTenths = 10.0;
// The preview's dashes and gaps, in window pixels.
constexpr qreal kDashLength = 4;

} // namespace

RegionTracing::RegionTracing(InteractionHost& view) : m_view(view)
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

QString RegionTracing::LargeRegionQuestion(int percent)
{
    return QCoreApplication::translate("RegionTracing", "トレースした領域は画像全体の%1%を占めています。\r\n"
                                                        "背景をクリックしていないか確かめて下さい。\r\n"
                                                        "この領域をエリアとして追加しますか?")
        .arg(percent);
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
// might hold are brought within their limits. Each trace reads the picture
// afresh, since it may have been loaded again meanwhile.
const TraceResult& RegionTracing::TraceAt(Point p)
{
    TraceOptions options;
    options.tolerance = Tolerance();
    options.epsilon = std::clamp(m_view.Settings().nTraceSimplify, kLeastSimplify, kMostSimplify) / kTenths;
    m_traced = picturetrace::Trace(m_view.Picture(), p, options);
    return m_traced;
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

void RegionTracing::Rested()
{
    const TraceResult& traced = TraceAt(m_pointer);
    m_previewShown = traced.Ok();
    m_previewRegion = HitRegion::MakePolygon(m_previewShown ? traced.outline : std::vector<Point>());
    ShowPrompt();
    m_view.InvalidateAll();
}

void RegionTracing::HidePreview()
{
    m_previewShown = false;
    m_previewRegion = HitRegion();
    m_view.InvalidateAll();
}

// The new area's own outline takes the preview's place.
void RegionTracing::Pressed(Point p)
{
    m_rest.stop();
    HidePreview();
    const TraceResult& traced = TraceAt(p);
    if (!traced.Ok() || !AcceptSize(traced))
        return;
    auto area = std::make_unique<CMapData>();
    area->m_shape = ShapePoly;
    area->m_points = traced.outline;
    area->BuildRegion();
    m_view.AddArea(std::move(area));
}

// A click on the background would add an area over most of the picture.
bool RegionTracing::AcceptSize(const TraceResult& traced)
{
    int width = 0, height = 0;
    if (!m_view.Picture().LoadedSize(width, height))
        return false;
    const double share = static_cast<double>(traced.regionPixels) / (static_cast<double>(width) * height);
    if (share <= kLargeShare)
        return true;
    const int percent = static_cast<int>(std::lround(share * 100));
    return ProgramMessage::Show(m_view.Window(), QMessageBox::Question, kInfoCaption, LargeRegionQuestion(percent),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool RegionTracing::KeyPressed(int key)
{
    switch (key) {
    case Qt::Key_BracketLeft:
        StepTolerance(-kToleranceStep);
        return true;
    case Qt::Key_BracketRight:
        StepTolerance(kToleranceStep);
        return true;
    default:
        return false;
    }
}

// Escape puts the tool down.
bool RegionTracing::Cancel()
{
    m_rest.stop();
    HidePreview();
    m_view.Frame().SetStatusText(PanePrompt, QString());
    m_view.ReturnToSelectionTool();
    return true;
}

// The outline under the pointer follows the new tolerance at once.
void RegionTracing::StepTolerance(int step)
{
    m_view.Settings().nTraceTolerance = std::clamp(Tolerance() + step, kLeastTolerance, kMostTolerance);
    ShowPrompt();
    if (m_previewShown)
        Rested();
}

void RegionTracing::ShowPrompt()
{
    m_view.Frame().SetStatusText(PanePrompt, PromptText(Tolerance()));
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

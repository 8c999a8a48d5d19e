#include "app/RefitCanvas.h"

#include "model/CMapData.h"
#include "services/picture/MapPicture.h"
#include "services/refit/MapRefit.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace
{

// The pictures are held at most this large for showing.
constexpr int kLargestShown = 1600;
// What the canvas asks for at most and at least, and the room around the picture.
const QSize kLargestHint(760, 520);
const QSize kSmallest(240, 180);
constexpr int kMargin = 8;
// How near (in widget pixels) a press must come to a pair's point to take it.
constexpr double kGrabDistance = 8;
constexpr double kPairRadius = 5;
constexpr double kOverlayOpacity = 0.5;
const QColor kAreaColour(255, 0, 255);
const QColor kPairColour(0, 200, 255);

// The picture drawn at its size, or smaller, into an image of its own.
QImage Shown(const MapPicture& picture, DisplaySize& size)
{
    if (!picture.LoadedSize(size.width, size.height))
        return {};
    const double factor = std::min(1.0, double(kLargestShown) / std::max(size.width, size.height));
    QImage image(std::max(1, int(size.width * factor)), std::max(1, int(size.height * factor)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.Draw(painter, Rect{0, 0, image.width(), image.height()});
    return image;
}

QTransform QtTransform(const PictureTransform& t)
{
    return QTransform(t.A(), t.D(), t.B(), t.E(), t.C(), t.F());
}

} // namespace

RefitCanvas::RefitCanvas(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(false);
    setCursor(Qt::CrossCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void RefitCanvas::SetPictures(const MapPicture* older, const MapPicture& newer)
{
    m_newShown = Shown(newer, m_newSize);
    m_oldShown = older ? Shown(*older, m_oldSize) : QImage();
    updateGeometry();
    update();
}

void RefitCanvas::SetGuide(const PictureTransform& guide, bool found)
{
    m_guide = guide;
    m_found = found;
    Refit();
}

void RefitCanvas::SetOverlay(bool on)
{
    m_overlay = on;
    update();
}

void RefitCanvas::ClearPairs()
{
    m_pairs.clear();
    Refit();
}

// Pairs that give no transform give none at all: OK waits until they are
// put right, rather than carrying the map by what they were meant to correct.
std::optional<PictureTransform> RefitCanvas::Current() const
{
    if (!m_pairs.empty())
        return m_fromPairs;
    return m_found ? std::optional(m_guide) : std::nullopt;
}

void RefitCanvas::Refit()
{
    m_fromPairs.reset();
    m_pairFailure = ReferenceFailure::None;
    if (!m_pairs.empty()) {
        const ReferenceFit fit = ReferenceFit::From(m_pairs, m_guide);
        if (fit.Ok())
            m_fromPairs = fit.transform;
        else
            m_pairFailure = fit.failure;
    }
    update();
    emit Changed();
}

QSize RefitCanvas::sizeHint() const
{
    if (m_newShown.isNull())
        return kLargestHint;
    // A small picture is shown enlarged, so that its points can be taken
    // precisely.
    const QSize picture(m_newSize.width, m_newSize.height);
    return picture.scaled(kLargestHint, Qt::KeepAspectRatio).grownBy(QMargins(kMargin, kMargin, kMargin, kMargin));
}

QSize RefitCanvas::minimumSizeHint() const
{
    return kSmallest;
}

double RefitCanvas::ViewScale() const
{
    if (!m_newSize.Known())
        return 1;
    return std::min(double(width() - 2 * kMargin) / m_newSize.width, double(height() - 2 * kMargin) / m_newSize.height);
}

QPointF RefitCanvas::ViewOrigin() const
{
    const double scale = ViewScale();
    return {(width() - m_newSize.width * scale) / 2, (height() - m_newSize.height * scale) / 2};
}

QTransform RefitCanvas::PictureToWidget() const
{
    const double scale = ViewScale();
    const QPointF origin = ViewOrigin();
    return QTransform(scale, 0, 0, scale, origin.x(), origin.y());
}

QPointF RefitCanvas::ToWidget(PlanePoint p) const
{
    return PictureToWidget().map(QPointF(p.x, p.y));
}

PlanePoint RefitCanvas::ToPicture(QPointF p) const
{
    const QPointF q = PictureToWidget().inverted().map(p);
    return {q.x(), q.y()};
}

void RefitCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    if (m_newShown.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF picture(0, 0, m_newSize.width, m_newSize.height);
    painter.setTransform(PictureToWidget());
    painter.drawImage(picture, m_newShown);
    const std::optional<PictureTransform> t = Current();
    if (t && m_overlay && !m_oldShown.isNull()) {
        painter.save();
        painter.setOpacity(kOverlayOpacity);
        painter.setTransform(QtTransform(*t) * PictureToWidget());
        painter.drawImage(QRectF(0, 0, m_oldSize.width, m_oldSize.height), m_oldShown);
        painter.restore();
    }
    painter.resetTransform();
    // Without a transform the areas stand where the guide puts them, dashed,
    // so that their landmarks can still be dragged into place.
    DrawAreas(painter, t.value_or(m_guide), t ? Qt::SolidLine : Qt::DashLine);
    DrawPairs(painter);
}

// Each area where the refit would put it, rounded as it would be, drawn
// light under dark so that it shows on any picture.
void RefitCanvas::DrawAreas(QPainter& painter, const PictureTransform& t, Qt::PenStyle style) const
{
    const QTransform view = PictureToWidget();
    for (const auto& [shape, points] : m_areas) {
        if (shape == ShapeDefault)
            continue;
        const PointList carried = maprefit::Carried(shape, points, t, m_newSize);
        QPolygonF outline;
        for (const Point& p : carried)
            outline << view.map(QPointF(p.x, p.y));
        for (const QPen& pen : {QPen(Qt::white, 3, style), QPen(kAreaColour, 1.5, style)}) {
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            if (shape == ShapeCirc && carried.size() == 4)
                painter.drawEllipse(QRectF(outline[0], outline[2]));
            else
                painter.drawPolygon(outline);
        }
    }
}

// Each pair's new point, numbered, with a line from where the transform
// found put its old point.
void RefitCanvas::DrawPairs(QPainter& painter) const
{
    for (std::size_t i = 0; i < m_pairs.size(); ++i) {
        const QPointF to = ToWidget(m_pairs[i].newPoint);
        const QPointF from = ToWidget(m_guide.Apply(m_pairs[i].oldPoint));
        painter.setPen(QPen(kPairColour, 1.5, Qt::DashLine));
        painter.drawLine(from, to);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(kPairColour);
        painter.drawEllipse(to, kPairRadius, kPairRadius);
        painter.drawText(to + QPointF(kPairRadius + 2, -kPairRadius), QString::number(i + 1));
    }
}

int RefitCanvas::PairAt(QPointF at) const
{
    for (int i = int(m_pairs.size()) - 1; i >= 0; --i) {
        const QPointF d = ToWidget(m_pairs[i].newPoint) - at;
        if (std::hypot(d.x(), d.y()) <= kGrabDistance)
            return i;
    }
    return -1;
}

// The point under the press, in the old picture, is where the areas now
// stand there; it starts where it is and follows the pointer.
void RefitCanvas::StartPair(QPointF at)
{
    const PictureTransform shown = Current().value_or(m_guide);
    const std::optional<PictureTransform> back = shown.Inverse();
    if (!back)
        return;
    const PlanePoint newPoint = ToPicture(at);
    if (static_cast<int>(m_pairs.size()) == ReferenceFit::kMostPairs)
        m_pairs.erase(m_pairs.begin());
    m_pairs.push_back({back->Apply(newPoint), newPoint});
    m_dragged = static_cast<int>(m_pairs.size()) - 1;
}

void RefitCanvas::mousePressEvent(QMouseEvent* event)
{
    if (m_newShown.isNull())
        return;
    const int pair = PairAt(event->position());
    if (event->button() == Qt::RightButton) {
        if (pair >= 0) {
            m_pairs.erase(m_pairs.begin() + pair);
            Refit();
        }
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (pair >= 0)
        m_dragged = pair;
    else
        StartPair(event->position());
    Refit();
}

void RefitCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragged < 0 || m_dragged >= static_cast<int>(m_pairs.size()))
        return;
    m_pairs[m_dragged].newPoint = ToPicture(event->position());
    Refit();
}

void RefitCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragged = -1;
}

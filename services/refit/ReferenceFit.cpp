#include "services/refit/ReferenceFit.h"

#include <cmath>

namespace
{

ReferenceFit Failed(ReferenceFailure failure)
{
    ReferenceFit fit;
    fit.failure = failure;
    return fit;
}

ReferenceFit Fitted(const PictureTransform& transform)
{
    if (!transform.Finite())
        return Failed(ReferenceFailure::TooClose);
    if (transform.Determinant() <= 0)
        return Failed(ReferenceFailure::Mirrored);
    ReferenceFit fit;
    fit.transform = transform;
    return fit;
}

ReferenceFit FromOne(const ReferencePair& p, const PictureTransform& guide)
{
    const PlanePoint lands = guide.Apply(p.oldPoint);
    return Fitted({guide.A(), guide.B(), guide.C() + p.newPoint.x - lands.x, guide.D(), guide.E(),
                   guide.F() + p.newPoint.y - lands.y});
}

// The scale along one axis from the two pairs' spans on it; nothing when the
// old points lie too near each other on that axis.
std::optional<double> AxisScale(double oldSpan, double newSpan)
{
    if (std::abs(oldSpan) < ReferenceFit::kShortestSpan)
        return std::nullopt;
    return newSpan / oldSpan;
}

ReferenceFit FromTwo(const ReferencePair& p, const ReferencePair& q)
{
    std::optional<double> sx = AxisScale(q.oldPoint.x - p.oldPoint.x, q.newPoint.x - p.newPoint.x);
    std::optional<double> sy = AxisScale(q.oldPoint.y - p.oldPoint.y, q.newPoint.y - p.newPoint.y);
    if (!sx && !sy)
        return Failed(ReferenceFailure::TooClose);
    const double scaleX = sx.value_or(*sy), scaleY = sy.value_or(*sx);
    if (scaleX <= 0 || scaleY <= 0) // a pair whose points swap sides on an axis
        return Failed(ReferenceFailure::Mirrored);
    // Exact on an axis whose scale the pair gave; the middle of the two
    // otherwise.
    const double shiftX = (p.newPoint.x + q.newPoint.x - scaleX * (p.oldPoint.x + q.oldPoint.x)) / 2;
    const double shiftY = (p.newPoint.y + q.newPoint.y - scaleY * (p.oldPoint.y + q.oldPoint.y)) / 2;
    return Fitted(PictureTransform::ScaleShift(scaleX, scaleY, shiftX, shiftY));
}

// Twice the signed area of the triangle of the three old points.
double TwiceArea(const PlanePoint& p, const PlanePoint& q, const PlanePoint& r)
{
    return (q.x - p.x) * (r.y - p.y) - (r.x - p.x) * (q.y - p.y);
}

// Solved by Cramer's rule: each output coordinate is the plane through the
// three old points at the heights of its new coordinates.
ReferenceFit FromThree(const ReferencePair& p, const ReferencePair& q, const ReferencePair& r)
{
    const PlanePoint &o1 = p.oldPoint, &o2 = q.oldPoint, &o3 = r.oldPoint;
    const double det = TwiceArea(o1, o2, o3);
    const double sides = std::hypot(o2.x - o1.x, o2.y - o1.y) + std::hypot(o3.x - o2.x, o3.y - o2.y) +
                         std::hypot(o1.x - o3.x, o1.y - o3.y);
    // A triangle flatter than a few pixels across its longest side.
    if (std::abs(det) < ReferenceFit::kShortestSpan * sides / 2)
        return Failed(ReferenceFailure::OnOneLine);
    const auto plane = [&](double v1, double v2, double v3, double& a, double& b, double& c) {
        a = ((v2 - v1) * (o3.y - o1.y) - (v3 - v1) * (o2.y - o1.y)) / det;
        b = ((o2.x - o1.x) * (v3 - v1) - (o3.x - o1.x) * (v2 - v1)) / det;
        c = v1 - a * o1.x - b * o1.y;
    };
    double a, b, c, d, e, f;
    plane(p.newPoint.x, q.newPoint.x, r.newPoint.x, a, b, c);
    plane(p.newPoint.y, q.newPoint.y, r.newPoint.y, d, e, f);
    return Fitted({a, b, c, d, e, f});
}

} // namespace

ReferenceFit ReferenceFit::From(std::span<const ReferencePair> pairs, const PictureTransform& guide)
{
    switch (pairs.size()) {
    case 0:
        return Failed(ReferenceFailure::NoPairs);
    case 1:
        return FromOne(pairs[0], guide);
    case 2:
        return FromTwo(pairs[0], pairs[1]);
    default:
        return FromThree(pairs[0], pairs[1], pairs[2]);
    }
}

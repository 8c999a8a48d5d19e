#include "services/refit/PictureTransform.h"

#include <cmath>
#include <numbers>

namespace
{

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

} // namespace

PictureTransform PictureTransform::ScaleShift(double scaleX, double scaleY, double shiftX, double shiftY)
{
    return {scaleX, 0, shiftX, 0, scaleY, shiftY};
}

PictureTransform PictureTransform::Rotation(double degrees, double cx, double cy)
{
    const double c = std::cos(degrees * kRadiansPerDegree), s = std::sin(degrees * kRadiansPerDegree);
    // Turned about the origin, then shifted so that the centre stays put.
    return {c, -s, cx - c * cx + s * cy, s, c, cy - s * cx - c * cy};
}

PictureTransform PictureTransform::After(const PictureTransform& first) const
{
    const PictureTransform& t = first;
    return {m_a * t.m_a + m_b * t.m_d, m_a * t.m_b + m_b * t.m_e, m_a * t.m_c + m_b * t.m_f + m_c,
            m_d * t.m_a + m_e * t.m_d, m_d * t.m_b + m_e * t.m_e, m_d * t.m_c + m_e * t.m_f + m_f};
}

std::optional<PictureTransform> PictureTransform::Inverse() const
{
    const double det = Determinant();
    if (!std::isfinite(det) || std::abs(det) < 1e-12)
        return std::nullopt;
    const double a = m_e / det, b = -m_b / det, d = -m_d / det, e = m_a / det;
    return PictureTransform(a, b, -(a * m_c + b * m_f), d, e, -(d * m_c + e * m_f));
}

double PictureTransform::ScaleX() const
{
    return std::hypot(m_a, m_d);
}

double PictureTransform::ScaleY() const
{
    return std::hypot(m_b, m_e);
}

double PictureTransform::RotationDegrees() const
{
    return std::atan2(m_d, m_a) / kRadiansPerDegree;
}

double PictureTransform::Shear() const
{
    const double lengths = ScaleX() * ScaleY();
    return lengths > 0 ? (m_a * m_b + m_d * m_e) / lengths : 0;
}

bool PictureTransform::Finite() const
{
    return std::isfinite(m_a) && std::isfinite(m_b) && std::isfinite(m_c) && std::isfinite(m_d) && std::isfinite(m_e) &&
           std::isfinite(m_f);
}

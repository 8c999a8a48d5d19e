#pragma once
// How a new picture lies over the old one: the affine map that carries a
// point of the old picture to the same point of the new one,
//
//     x' = a x + b y + c
//     y' = d x + e y + f
//
// in picture coordinates, where (0, 0) is the picture's top-left corner and
// pixel (x, y) spans x to x + 1 and y to y + 1, as the map's areas count
// them. A picture scaled by s is x' = s x exactly, one cropped by 100 pixels
// on the left is x' = x - 100.

#include <optional>

struct PlanePoint {
    double x = 0;
    double y = 0;
};

class PictureTransform
{
public:
    PictureTransform() = default; // the identity
    PictureTransform(double a, double b, double c, double d, double e, double f)
        : m_a(a), m_b(b), m_c(c), m_d(d), m_e(e), m_f(f)
    {
    }
    // Scales along each axis, then a shift.
    static PictureTransform ScaleShift(double scaleX, double scaleY, double shiftX = 0, double shiftY = 0);
    // A turn by `degrees` (clockwise on the screen, y pointing down) about (cx, cy).
    static PictureTransform Rotation(double degrees, double cx, double cy);

    PlanePoint Apply(PlanePoint p) const { return {m_a * p.x + m_b * p.y + m_c, m_d * p.x + m_e * p.y + m_f}; }
    // This one after `first`.
    PictureTransform After(const PictureTransform& first) const;
    // Nothing for a transform that flattens the plane onto a line.
    std::optional<PictureTransform> Inverse() const;

    // What it does to lengths along the old picture's x and y axes.
    double ScaleX() const;
    double ScaleY() const;
    // The mean of the two: what a circle's radius is scaled by.
    double MeanScale() const { return (ScaleX() + ScaleY()) / 2; }
    // The turn of the old x axis, in degrees, clockwise on the screen.
    double RotationDegrees() const;
    // How far from square the old axes come out: the cosine of the angle
    // between their images, 0 for a scale and turn without shear.
    double Shear() const;
    // Where the old picture's corner (0, 0) goes.
    PlanePoint Shift() const { return {m_c, m_f}; }
    double Determinant() const { return m_a * m_e - m_b * m_d; }
    // Every coefficient a finite number.
    bool Finite() const;

    double A() const { return m_a; }
    double B() const { return m_b; }
    double C() const { return m_c; }
    double D() const { return m_d; }
    double E() const { return m_e; }
    double F() const { return m_f; }

private:
    double m_a = 1, m_b = 0, m_c = 0;
    double m_d = 0, m_e = 1, m_f = 0;
};

#pragma once
// Turns a region's outline (every corner along it) into a polygon of few
// corners that keeps within a distance of it and never touches itself.
// Inside the tracer only.

#include "services/types/Geometry.h"

#include <opencv2/core.hpp>

#include <vector>

class OutlineSimplifier
{
public:
    // `outline`: a closed lattice path that touches itself nowhere.
    explicit OutlineSimplifier(std::vector<cv::Point> outline) : m_outline(std::move(outline)) {}

    // Corners taken from the outline so that every part of it lies within
    // `epsilon` of the polygon, at most `maxVertices` of them (0: no limit),
    // at least 3; an outline too small or too thin for that gives its convex
    // hull. Empty for an outline of fewer than 3 points.
    std::vector<Point> Simplify(double epsilon, int maxVertices) const;

private:
    using Indices = std::vector<int>; // corners of the polygon, by their place in the outline

    Indices Within(double epsilon) const;
    Indices Approximate(double epsilon) const;
    bool Untangle(Indices& corners) const;
    int Farthest(int from, int to) const;
    Indices FewerWithin(double epsilon, int maxVertices) const;
    std::vector<Point> Hull(double epsilon, int maxVertices) const;
    std::vector<Point> PointsOf(const Indices& corners) const;

    std::vector<cv::Point> m_outline;
};

#include "services/trace/RegionMask.h"

#include "services/trace/ColourDistance.h"

#include <opencv2/imgproc.hpp>

#include <cmath>

namespace
{

// The first window around the start reaches this far each way. A window is
// widened along every side the region reaches, by half its size, so a small
// region costs a small window and a large one about three times its
// bounding box, all windows together.
constexpr int kFirstReach = 160;
// The pixels smoothing wore off the region, and those an edge the picture
// itself has softened (antialiasing, JPEG's coarser colour) left beyond the
// tolerance, are given back (Regrow), looking this many steps out and
// comparing with the colour this much farther.
constexpr int kRegrowSteps = 2;
constexpr int kFarther = 2;
// Notches are filled this many times over, a pixel with the region on this
// many of its four sides joining it each time.
constexpr int kNotchRounds = 2;
constexpr int kNotchSides = 3;
// The window's mask while it is filled: ColourDistance's within and outside,
// then the start's piece.
constexpr std::uint8_t kWithin = 255, kReached = 128;
// A region's pixels after smoothing, while the start's piece is taken.
constexpr std::uint8_t kInRegion = 255, kStartPiece = 128;

cv::Rect Grown(const cv::Rect& r, int by)
{
    return {r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by};
}

// `window` widened by half its size along each side that the region (`box`,
// in the window) reaches, as far as the picture goes.
cv::Rect Widened(const cv::Rect& window, const cv::Rect& box, const cv::Rect& picture)
{
    cv::Point topLeft = window.tl(), bottomRight = window.br();
    const cv::Point step(window.width / 2 + 1, window.height / 2 + 1);
    if (box.x == 0)
        topLeft.x -= step.x;
    if (box.y == 0)
        topLeft.y -= step.y;
    if (box.br().x == window.width)
        bottomRight.x += step.x;
    if (box.br().y == window.height)
        bottomRight.y += step.y;
    return cv::Rect(topLeft, bottomRight) & picture;
}

// The pixels outside `mask` (CV_8U) with a side neighbour inside it, in
// one pass over it.
std::vector<cv::Point> Fringe(const cv::Mat& mask)
{
    std::vector<cv::Point> fringe;
    for (int y = 0; y < mask.rows; ++y) {
        const std::uint8_t* row = mask.ptr<std::uint8_t>(y);
        const std::uint8_t* above = y > 0 ? mask.ptr<std::uint8_t>(y - 1) : nullptr;
        const std::uint8_t* below = y + 1 < mask.rows ? mask.ptr<std::uint8_t>(y + 1) : nullptr;
        for (int x = 0; x < mask.cols; ++x) {
            if (row[x])
                continue;
            if ((x > 0 && row[x - 1]) || (x + 1 < mask.cols && row[x + 1]) || (above && above[x]) ||
                (below && below[x]))
                fringe.emplace_back(x, y);
        }
    }
    return fringe;
}

} // namespace

// A pixel belongs when its own colour lies within the tolerance, so that a
// line one pixel wide is a border whenever its colour lies beyond it,
// however the colours on either side compare; and when its colour smoothed
// with its neighbours' does too, so that noise which brings single pixels
// of the next region within the tolerance (a photograph's, a JPEG's blocks)
// builds no bridge into it: there the neighbours' colour decides. Smoothing
// wears the region in by a pixel at a strong edge and beside a thin line,
// which the pixels' own colours give back (Regrow). Where the start itself
// is too thin a thing for its smoothed colour to belong (a road two pixels
// wide), its own colour alone decides.
cv::Mat RegionMask::Within(const LabPixels& pixels, const cv::Rect& window, const cv::Vec4b& colour, double tolerance,
                           bool smoothedToo)
{
    if (!smoothedToo)
        return ColourDistance::Within(pixels.Window(window), colour, tolerance);
    return ColourDistance::BothWithin(pixels.Window(window), pixels.Smoothed(window), colour, tolerance);
}

// `within` of `from`, grown to `to` (which holds it) by the strips around it:
// each pixel is judged once however often the window grows.
cv::Mat RegionMask::Extended(const LabPixels& pixels, const cv::Mat& within, const cv::Rect& from, const cv::Rect& to,
                             const cv::Vec4b& colour, double tolerance, bool smoothedToo)
{
    cv::Mat grown(to.size(), CV_8U);
    within.copyTo(grown(from - to.tl()));
    const cv::Rect strips[] = {{to.x, to.y, to.width, from.y - to.y},                        // above
                               {to.x, from.br().y, to.width, to.br().y - from.br().y},       // below
                               {to.x, from.y, from.x - to.x, from.height},                   // left
                               {from.br().x, from.y, to.br().x - from.br().x, from.height}}; // right
    for (const cv::Rect& strip : strips) {
        if (!strip.empty())
            Within(pixels, strip, colour, tolerance, smoothedToo).copyTo(grown(strip - to.tl()));
    }
    return grown;
}

RegionMask RegionMask::Find(const LabPixels& pixels, cv::Point start, const cv::Vec4b& colour, double tolerance,
                            int thinnest)
{
    const cv::Rect picture = pixels.Bounds();
    cv::Rect window = Grown(cv::Rect(start, cv::Size(1, 1)), kFirstReach) & picture;
    const cv::Point at = start - window.tl();
    bool smoothedToo = true;
    cv::Mat within = Within(pixels, window, colour, tolerance, smoothedToo);
    if (within.at<std::uint8_t>(at) != kWithin) {
        smoothedToo = false;
        within = Within(pixels, window, colour, tolerance, smoothedToo);
    }
    // A start beyond the tolerance is a region of one pixel.
    if (within.at<std::uint8_t>(at) != kWithin) {
        RegionMask alone;
        alone.m_mask = cv::Mat(1, 1, CV_8U, cv::Scalar(kInRegion));
        alone.m_origin = start;
        alone.Enclose();
        return alone;
    }
    for (;;) {
        cv::Mat mask = within.clone();
        cv::Rect box;
        cv::floodFill(mask, start - window.tl(), cv::Scalar(kReached), &box, cv::Scalar(), cv::Scalar(),
                      4 | cv::FLOODFILL_FIXED_RANGE);
        cv::Rect wider = Widened(window, box, picture);
        // Most of the picture already: the rest costs less than another widening.
        if (wider != window && 2 * wider.area() > picture.area())
            wider = picture;
        if (wider != window) {
            within = Extended(pixels, within, window, wider, colour, tolerance, smoothedToo);
            window = wider;
            continue;
        }
        RegionMask region;
        cv::compare(mask(box), kReached, region.m_mask, cv::CMP_EQ);
        region.m_origin = window.tl() + box.tl();
        region.Regrow(pixels, colour, tolerance);
        region.Smooth(start, picture.size(), thinnest);
        region.Enclose();
        return region;
    }
}

// Smoothing wears the region in from a strong edge and from a thin line,
// and an edge between two colours lies where its pixels are half-way between
// them, a softened edge leaving pixels nearer the region's colour than the
// colour beyond them outside the tolerance. The region steps back out to side
// neighbours (never across a corner, which a diagonal line would not stop)
// whose own colour lies within the tolerance, or less than half-way from the
// region's colour to the colour a few pixels further out. A thin line between
// two regions of the region's colour is no nearer one than the other: it
// stays out; so does one whose colour lies at least half-way to the colour
// beyond it. Only the pixels along the region's edge are looked at.
void RegionMask::Regrow(const LabPixels& pixels, const cv::Vec4b& colour, double tolerance)
{
    const float limit = static_cast<float>(tolerance * tolerance);
    const cv::Rect picture = pixels.Bounds();
    const cv::Rect area = Grown(cv::Rect(m_origin, m_mask.size()), kRegrowSteps) & picture;
    cv::Mat grown = cv::Mat::zeros(area.size(), CV_8U);
    m_mask.copyTo(grown(cv::Rect(m_origin - area.tl(), m_mask.size())));
    const cv::Point sides[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int step = 0; step < kRegrowSteps; ++step) {
        const std::vector<cv::Point> edge = Fringe(grown);
        // Each edge pixel with the pixels further out from each region pixel beside it.
        std::vector<cv::Point> own, far;
        std::vector<std::size_t> owner;
        for (std::size_t i = 0; i < edge.size(); ++i) {
            own.push_back(edge[i] + area.tl());
            for (const cv::Point& outward : sides) {
                const cv::Point from = edge[i] - outward, beyond = own.back() + kFarther * outward;
                if (from.inside(cv::Rect(cv::Point(), grown.size())) && grown.at<std::uint8_t>(from) &&
                    beyond.inside(picture)) {
                    far.push_back(beyond);
                    owner.push_back(i);
                }
            }
        }
        const std::vector<cv::Vec4b> ownColour = pixels.At(own), farColour = pixels.At(far);
        std::vector<float> distance(edge.size());
        std::vector<bool> joins(edge.size());
        for (std::size_t i = 0; i < edge.size(); ++i) {
            distance[i] = ColourDistance::Squared(ownColour[i], colour);
            joins[i] = distance[i] <= limit;
        }
        for (std::size_t k = 0; k < far.size(); ++k) {
            if (4 * distance[owner[k]] < ColourDistance::Squared(farColour[k], colour))
                joins[owner[k]] = true;
        }
        for (std::size_t i = 0; i < edge.size(); ++i) {
            if (joins[i])
                grown.at<std::uint8_t>(edge[i]) = kInRegion;
        }
    }
    const cv::Rect box = cv::boundingRect(grown);
    m_mask = grown(box).clone();
    m_origin = area.tl() + box.tl();
}

// The mask with a border of one pixel all round: beyond a side that is the
// picture's edge the region is taken to go on, so that the edge itself is
// not worn away; beyond the other sides nothing of the region lies.
cv::Mat RegionMask::Padded(cv::Size picture) const
{
    cv::Mat padded;
    cv::copyMakeBorder(m_mask, padded, 1, 1, 1, 1, cv::BORDER_CONSTANT, cv::Scalar(0));
    if (m_origin.x == 0)
        padded.col(1).copyTo(padded.col(0));
    if (m_origin.y == 0)
        padded.row(1).copyTo(padded.row(0));
    if (m_origin.x + m_mask.cols == picture.width)
        padded.col(padded.cols - 2).copyTo(padded.col(padded.cols - 1));
    if (m_origin.y + m_mask.rows == picture.height)
        padded.row(padded.rows - 2).copyTo(padded.row(padded.rows - 1));
    return padded;
}

// Noise that puts single pixels along the region's edge beyond the
// tolerance bites notches into it, which the simplified outline would cut
// across: a pixel with region on three of its sides joins it. A line one
// pixel wide has the region on two sides at most, and stays out.
void RegionMask::FillNotches(cv::Size picture)
{
    const cv::Rect inner(cv::Point(1, 1), m_mask.size());
    for (int round = 0; round < kNotchRounds; ++round) {
        cv::Mat in;
        cv::bitwise_and(Padded(picture), cv::Scalar(1), in);
        const cv::Mat sides = in(inner - cv::Point(1, 0)) + in(inner + cv::Point(1, 0)) + in(inner - cv::Point(0, 1)) +
                              in(inner + cv::Point(0, 1));
        m_mask.setTo(kInRegion, sides >= kNotchSides);
    }
}

// An opening (erosion, then dilation) takes off whatever is thinner than its
// kernel, `thinnest` pixels square. The opening may cut the region in pieces: the start's piece is the
// region. A start in a part too thin to keep leaves the region as it was found.
void RegionMask::Smooth(cv::Point start, cv::Size picture, int thinnest)
{
    FillNotches(picture);
    cv::Mat padded = Padded(picture);
    // The dilation's square is the erosion's reflected, which for an even side
    // is anchored at the other corner: the opening then moves nothing.
    const cv::Mat square = cv::Mat::ones(thinnest, thinnest, CV_8U);
    const cv::Point anchor(thinnest / 2, thinnest / 2), reflected(thinnest - 1 - anchor.x, thinnest - 1 - anchor.y);
    cv::erode(padded, padded, square, anchor);
    cv::dilate(padded, padded, square, reflected);
    cv::Mat opened = padded(cv::Rect(cv::Point(1, 1), m_mask.size()));
    const cv::Point at = start - m_origin;
    if (opened.at<std::uint8_t>(at) != kInRegion)
        return;
    cv::Rect piece;
    cv::floodFill(opened, at, cv::Scalar(kStartPiece), &piece, cv::Scalar(), cv::Scalar(), 4);
    cv::compare(opened(piece), kStartPiece, m_mask, cv::CMP_EQ);
    m_origin += piece.tl();
}

// What cannot be reached from beyond the mask, stepping from pixel to side
// neighbour, is the region or one of its holes: inside the outer outline.
void RegionMask::Enclose()
{
    cv::Mat padded;
    cv::copyMakeBorder(m_mask, padded, 1, 1, 1, 1, cv::BORDER_CONSTANT, cv::Scalar(0));
    cv::floodFill(padded, cv::Point(0, 0), cv::Scalar(kStartPiece), nullptr, cv::Scalar(), cv::Scalar(),
                  4 | cv::FLOODFILL_FIXED_RANGE);
    cv::compare(padded(cv::Rect(cv::Point(1, 1), m_mask.size())), kStartPiece, m_enclosed, cv::CMP_NE);
}

// A corner belongs to the outline's lattice when one of the four pixels
// around it is in the region. A 2 x 2 dilation anchored at its lower right
// turns the mask's pixels into its corners, corner (i, j) of the mask landing
// at (i + 1, j + 1), which leaves an empty border all round for the contour
// follower. The follower's outer contour of those corners then runs along
// the pixels' outer corners, and is never one corner wide.
std::vector<cv::Point> RegionMask::OuterCorners() const
{
    cv::Mat pixels;
    cv::copyMakeBorder(m_mask, pixels, 1, 2, 1, 2, cv::BORDER_CONSTANT, cv::Scalar(0));
    cv::Mat corners;
    cv::dilate(pixels, corners, cv::Mat::ones(2, 2, CV_8U), cv::Point(1, 1), 1, cv::BORDER_CONSTANT, cv::Scalar(0));
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(corners, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE, m_origin - cv::Point(1, 1));
    std::size_t largest = 0;
    double largestArea = -1;
    for (std::size_t i = 0; i < contours.size(); ++i) {
        const double area = std::abs(cv::contourArea(contours[i]));
        if (area > largestArea) {
            largest = i;
            largestArea = area;
        }
    }
    return contours.empty() ? std::vector<cv::Point>() : contours[largest];
}

std::int64_t RegionMask::EnclosedPixels() const
{
    return cv::countNonZero(m_enclosed);
}

bool RegionMask::Holds(cv::Point p) const
{
    const cv::Rect box(m_origin, m_mask.size());
    if (box.contains(p) && m_enclosed.at<std::uint8_t>(p - m_origin))
        return true;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const cv::Point q = p + cv::Point(dx, dy);
            if (box.contains(q) && m_mask.at<std::uint8_t>(q - m_origin))
                return true;
        }
    }
    return false;
}

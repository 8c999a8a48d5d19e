#include "services/trace/RegionMask.h"

#include <opencv2/imgproc.hpp>

#include <array>
#include <cmath>

namespace
{

// The first window around the seed reaches this far each way. A window is
// widened along every side the region reaches, by half its size, so a small
// region costs a small window and a large one about three times its
// bounding box, all windows together.
constexpr int kFirstReach = 160;
// Smoothing before the colours are compared: a Gaussian of 5 x 5 pixels
// evens out JPEG's block noise, and a thin line between two regions stays a
// wall. It also wears a strong edge in by a pixel, which the pixels'
// unsmoothed colours then give back (Regrow), looking this many steps out
// and comparing with the colour this much farther.
const cv::Size kBlurSize(5, 5);
constexpr double kBlurSigma = 1.0;
constexpr int kBlurReach = 2; // the pixels beyond a window that the blur reads
constexpr int kRegrowSteps = 2;
constexpr int kFarther = 2;
// Spurs and necks thinner than this are taken off the region: narrower than
// a simplified outline could follow, they would only tangle it.
const cv::Size kOpeningSize(3, 3);
// An 8-bit L* holds L * 255 / 100; 8-bit a* and b* hold themselves + 128.
constexpr double kLightnessStep = 100.0 / 255.0;
constexpr int kChannelValues = 256;
// The window's mask while it is filled.
constexpr std::uint8_t kOutside = 0, kWithin = 1, kReached = 2;
// A region's pixels after smoothing, while the seed's piece is taken.
constexpr std::uint8_t kInRegion = 255, kSeedPiece = 128;

cv::Rect PictureRect(const TracePixels& pixels)
{
    return {0, 0, pixels.width, pixels.height};
}

cv::Rect Grown(const cv::Rect& r, int by)
{
    return {r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by};
}

// The picture's pixels in `area` as 3-channel BGR. The rows are read one by
// one, so a bitmap stored bottom-up needs no copy of its own.
cv::Mat BgrOf(const TracePixels& pixels, const cv::Rect& area)
{
    cv::Mat bgr(area.size(), CV_8UC3);
    const int type = pixels.bytesPerPixel == 4 ? CV_8UC4 : CV_8UC3;
    for (int y = 0; y < area.height; ++y) {
        const std::uint8_t* row = pixels.top + static_cast<std::ptrdiff_t>(area.y + y) * pixels.stride +
                                  static_cast<std::ptrdiff_t>(area.x) * pixels.bytesPerPixel;
        const cv::Mat source(1, area.width, type, const_cast<std::uint8_t*>(row));
        cv::Mat target = bgr.row(y);
        if (type == CV_8UC4)
            cv::cvtColor(source, target, cv::COLOR_BGRA2BGR);
        else
            source.copyTo(target);
    }
    return bgr;
}

// The L*a*b* colours of `window`, smoothed or as they are. The blur reads
// the real pixels beyond the window wherever the picture has them, so a
// pixel's colour does not depend on the window it was seen through.
cv::Mat LabOf(const TracePixels& pixels, const cv::Rect& window, bool smoothed)
{
    const cv::Rect read = smoothed ? Grown(window, kBlurReach) & PictureRect(pixels) : window;
    cv::Mat bgr = BgrOf(pixels, read);
    if (smoothed)
        cv::GaussianBlur(bgr, bgr, kBlurSize, kBlurSigma, kBlurSigma, cv::BORDER_REFLECT_101);
    cv::Mat lab;
    cv::cvtColor(bgr(window - read.tl()), lab, cv::COLOR_BGR2Lab);
    return lab;
}

// The unsmoothed L*a*b* colours of a few pixels of the picture.
std::vector<cv::Vec3b> LabAt(const TracePixels& pixels, const std::vector<cv::Point>& points)
{
    if (points.empty())
        return {};
    cv::Mat bgr(1, static_cast<int>(points.size()), CV_8UC3);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::uint8_t* p = pixels.top + static_cast<std::ptrdiff_t>(points[i].y) * pixels.stride +
                                static_cast<std::ptrdiff_t>(points[i].x) * pixels.bytesPerPixel;
        bgr.at<cv::Vec3b>(0, static_cast<int>(i)) = cv::Vec3b(p[0], p[1], p[2]);
    }
    cv::Mat lab;
    cv::cvtColor(bgr, lab, cv::COLOR_BGR2Lab);
    return std::vector<cv::Vec3b>(lab.begin<cv::Vec3b>(), lab.end<cv::Vec3b>());
}

// Squared differences of two 8-bit channel values, in Delta E units, by
// their difference + 255.
struct SquaredSteps {
    std::array<float, 2 * kChannelValues - 1> lightness;
    std::array<float, 2 * kChannelValues - 1> chroma;
    SquaredSteps()
    {
        for (int d = -(kChannelValues - 1); d < kChannelValues; ++d) {
            const double l = d * kLightnessStep;
            lightness[d + kChannelValues - 1] = static_cast<float>(l * l);
            chroma[d + kChannelValues - 1] = static_cast<float>(d * d);
        }
    }
};

const SquaredSteps& Steps()
{
    static const SquaredSteps steps;
    return steps;
}

// The square of Delta E between two 8-bit L*a*b* colours.
float SquaredDistance(const cv::Vec3b& a, const cv::Vec3b& b)
{
    const SquaredSteps& steps = Steps();
    constexpr int zero = kChannelValues - 1;
    return steps.lightness[a[0] - b[0] + zero] + steps.chroma[a[1] - b[1] + zero] + steps.chroma[a[2] - b[2] + zero];
}

// kWithin where the colour lies within `tolerance` of `seed`, else kOutside.
cv::Mat WithinTolerance(const cv::Mat& lab, const cv::Vec3b& seed, double tolerance)
{
    const SquaredSteps& steps = Steps();
    const float limit = static_cast<float>(tolerance * tolerance);
    const int l0 = kChannelValues - 1 - seed[0], a0 = kChannelValues - 1 - seed[1], b0 = kChannelValues - 1 - seed[2];
    cv::Mat mask(lab.size(), CV_8U);
    for (int y = 0; y < lab.rows; ++y) {
        const cv::Vec3b* in = lab.ptr<cv::Vec3b>(y);
        std::uint8_t* out = mask.ptr<std::uint8_t>(y);
        for (int x = 0; x < lab.cols; ++x) {
            const float d = steps.lightness[in[x][0] + l0] + steps.chroma[in[x][1] + a0] + steps.chroma[in[x][2] + b0];
            out[x] = d <= limit ? kWithin : kOutside;
        }
    }
    return mask;
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

} // namespace

RegionMask RegionMask::Find(const TracePixels& pixels, cv::Point seed, double tolerance)
{
    const cv::Rect picture = PictureRect(pixels);
    const cv::Vec3b seedColour = LabOf(pixels, cv::Rect(seed, cv::Size(1, 1)), true).at<cv::Vec3b>(0, 0);
    cv::Rect window = Grown(cv::Rect(seed, cv::Size(1, 1)), kFirstReach) & picture;
    for (;;) {
        cv::Mat mask = WithinTolerance(LabOf(pixels, window, true), seedColour, tolerance);
        cv::Rect box;
        cv::floodFill(mask, seed - window.tl(), cv::Scalar(kReached), &box, cv::Scalar(), cv::Scalar(),
                      4 | cv::FLOODFILL_FIXED_RANGE);
        cv::Rect wider = Widened(window, box, picture);
        // Most of the picture already: the rest costs less than another widening.
        if (wider != window && 2 * wider.area() > picture.area())
            wider = picture;
        if (wider != window) {
            window = wider;
            continue;
        }
        RegionMask region;
        cv::compare(mask(box), kReached, region.m_mask, cv::CMP_EQ);
        region.m_origin = window.tl() + box.tl();
        region.Regrow(pixels, seedColour, tolerance);
        region.Smooth(seed, picture.size());
        return region;
    }
}

// An edge between two colours lies where its pixels are half-way between
// them. Smoothing wears the region in from a strong edge, and an edge the
// picture itself has softened (antialiasing, JPEG's coarser colour) may lie
// beyond the tolerance: the region steps back out to side neighbours (never
// across a corner, which a diagonal line would not stop) whose unsmoothed
// colour is within the tolerance of the seed's, or less than half-way from it
// to the colour a few pixels further out. A thin line between two regions of
// the seed's colour is no nearer one than the other: it stays out. Only the
// pixels along the region's edge are looked at.
void RegionMask::Regrow(const TracePixels& pixels, const cv::Vec3b& seedColour, double tolerance)
{
    const cv::Rect picture = PictureRect(pixels);
    const cv::Rect area = Grown(cv::Rect(m_origin, m_mask.size()), kRegrowSteps) & picture;
    cv::Mat grown = cv::Mat::zeros(area.size(), CV_8U);
    m_mask.copyTo(grown(cv::Rect(m_origin - area.tl(), m_mask.size())));
    const float limit = static_cast<float>(tolerance * tolerance);
    const cv::Mat side = cv::getStructuringElement(cv::MORPH_CROSS, cv::Size(3, 3));
    const cv::Point sides[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int step = 0; step < kRegrowSteps; ++step) {
        cv::Mat fringe;
        cv::dilate(grown, fringe, side);
        fringe &= ~grown;
        std::vector<cv::Point> edge;
        cv::findNonZero(fringe, edge);
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
        const std::vector<cv::Vec3b> ownColour = LabAt(pixels, own), farColour = LabAt(pixels, far);
        std::vector<float> distance(edge.size());
        std::vector<bool> joins(edge.size());
        for (std::size_t i = 0; i < edge.size(); ++i) {
            distance[i] = SquaredDistance(ownColour[i], seedColour);
            joins[i] = distance[i] <= limit;
        }
        for (std::size_t k = 0; k < far.size(); ++k) {
            if (4 * distance[owner[k]] <= SquaredDistance(farColour[k], seedColour))
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

// An opening (erosion, then dilation) takes off whatever is thinner than its
// kernel. Beyond a side of the mask that is the picture's edge the region is
// taken to go on, so the edge itself is not worn away; beyond the other sides
// nothing of the region lies. The opening may cut the region in pieces: the
// seed's piece is the region. A seed in a part too thin to keep leaves the
// region as it was found.
void RegionMask::Smooth(cv::Point seed, cv::Size picture)
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
    cv::morphologyEx(padded, padded, cv::MORPH_OPEN, cv::getStructuringElement(cv::MORPH_RECT, kOpeningSize));
    cv::Mat opened = padded(cv::Rect(cv::Point(1, 1), m_mask.size()));
    const cv::Point at = seed - m_origin;
    if (opened.at<std::uint8_t>(at) != kInRegion)
        return;
    cv::Rect piece;
    cv::floodFill(opened, at, cv::Scalar(kSeedPiece), &piece, cv::Scalar(), cv::Scalar(), 4);
    cv::compare(opened(piece), kSeedPiece, m_mask, cv::CMP_EQ);
    m_origin += piece.tl();
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

// What cannot be reached from beyond the mask, stepping from pixel to side
// neighbour, is the region or one of its holes.
std::int64_t RegionMask::EnclosedPixels() const
{
    cv::Mat padded;
    cv::copyMakeBorder(m_mask, padded, 1, 1, 1, 1, cv::BORDER_CONSTANT, cv::Scalar(0));
    const int outside = cv::floodFill(padded, cv::Point(0, 0), cv::Scalar(kSeedPiece), nullptr, cv::Scalar(),
                                      cv::Scalar(), 4 | cv::FLOODFILL_FIXED_RANGE);
    return static_cast<std::int64_t>(padded.total()) - outside;
}

#include "services/trace/RegionColour.h"

#include "services/trace/ColourDistance.h"

#include <opencv2/imgproc.hpp>

#include <limits>

namespace
{

// The pixels looked at around a click reach this far each way: a window of
// 15 x 15, wider than the strokes of a map's names and lines.
constexpr int kReach = 7;
// Pixels this close (Delta E) share a colour: wider than JPEG's noise on a
// plain fill, narrower than the step between the pastel fills of
// neighbouring countries.
constexpr double kSameColour = 5.0;
// Something of the seed's colour this many pixels across is a region of its
// own; anything thinner (letters, lines) is a mark on the region around it.
constexpr int kSolidSide = 5;
// The seed's piece of its colour while it is measured.
constexpr std::uint8_t kSeedPiece = 128;

int SquaredLength(const cv::Point& p)
{
    return p.x * p.x + p.y * p.y;
}

} // namespace

RegionColour::RegionColour(const cv::Mat& window, cv::Point seed, double tolerance)
    : m_window(window), m_seed(seed), m_tolerance(tolerance)
{
}

std::vector<RegionColour::Choice> RegionColour::Around(const LabPixels& pixels, cv::Point seed, double tolerance)
{
    const cv::Point reach(kReach, kReach);
    const cv::Rect window = cv::Rect(seed - reach, seed + reach + cv::Point(1, 1)) & pixels.Bounds();
    const RegionColour around(pixels.Window(window), seed - window.tl(), tolerance);
    const cv::Vec4b own = around.m_window.at<cv::Vec4b>(around.m_seed);
    const cv::Vec4b shared = around.MostShared();
    // A click on the region itself, wherever in it, takes the colour the
    // region shares rather than the one pixel's, which noise may have moved.
    if (around.Within(own, shared))
        return {{shared, seed}};
    if (around.SeedIsSolid()) {
        const cv::Vec4b mean = around.MeanNear(own);
        return {{around.Within(own, mean) ? mean : own, seed}};
    }
    std::vector<Choice> choices;
    cv::Point start;
    if (around.StartNearSeed(shared, start))
        choices.push_back({shared, start + window.tl()});
    choices.push_back({own, seed});
    return choices;
}

bool RegionColour::Within(const cv::Vec4b& a, const cv::Vec4b& b) const
{
    return ColourDistance::Squared(a, b) <= m_tolerance * m_tolerance;
}

// The colour of the pixel that the most pixels of the window lie close to,
// the nearer to the seed among equals, as the mean of those pixels.
cv::Vec4b RegionColour::MostShared() const
{
    const float same = static_cast<float>(kSameColour * kSameColour);
    std::vector<cv::Vec4b> colours(m_window.begin<cv::Vec4b>(), m_window.end<cv::Vec4b>());
    int most = -1, nearest = std::numeric_limits<int>::max();
    cv::Vec4b mode;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        int close = 0;
        for (const cv::Vec4b& other : colours)
            close += ColourDistance::Squared(colours[i], other) <= same ? 1 : 0;
        const cv::Point at(static_cast<int>(i) % m_window.cols, static_cast<int>(i) / m_window.cols);
        const int distance = SquaredLength(at - m_seed);
        if (close > most || (close == most && distance < nearest)) {
            most = close;
            nearest = distance;
            mode = colours[i];
        }
    }
    return MeanNear(mode);
}

cv::Vec4b RegionColour::MeanNear(const cv::Vec4b& colour) const
{
    const float same = static_cast<float>(kSameColour * kSameColour);
    cv::Vec4d sum(0, 0, 0, 0);
    int count = 0;
    for (auto it = m_window.begin<cv::Vec4b>(); it != m_window.end<cv::Vec4b>(); ++it) {
        if (ColourDistance::Squared(*it, colour) <= same) {
            sum += cv::Vec4d((*it)[0], (*it)[1], (*it)[2], (*it)[3]);
            ++count;
        }
    }
    if (count == 0)
        return colour;
    const cv::Vec4d mean = sum / count;
    return cv::Vec4b(cv::saturate_cast<std::uint8_t>(mean[0]), cv::saturate_cast<std::uint8_t>(mean[1]),
                     cv::saturate_cast<std::uint8_t>(mean[2]), cv::saturate_cast<std::uint8_t>(mean[3]));
}

// Whether the pixels joined to the seed within the tolerance of its colour
// hold a square of kSolidSide anywhere in the window. Beyond the window they
// are taken to go on, so that a region the window cuts is not thinned by it.
bool RegionColour::SeedIsSolid() const
{
    cv::Mat mask = ColourDistance::Within(m_window, m_window.at<cv::Vec4b>(m_seed), m_tolerance);
    cv::floodFill(mask, m_seed, cv::Scalar(kSeedPiece), nullptr, cv::Scalar(), cv::Scalar(),
                  4 | cv::FLOODFILL_FIXED_RANGE);
    cv::Mat piece, core;
    cv::compare(mask, kSeedPiece, piece, cv::CMP_EQ);
    cv::erode(piece, core, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(kSolidSide, kSolidSide)),
              cv::Point(-1, -1), 1, cv::BORDER_CONSTANT, cv::Scalar(255));
    return cv::countNonZero(core) > 0;
}

// The pixel of `colour` nearest the seed in the largest piece of that colour
// in the window: the open part of the region, not a counter inside a letter.
bool RegionColour::StartNearSeed(const cv::Vec4b& colour, cv::Point& start) const
{
    const cv::Mat mask = ColourDistance::Within(m_window, colour, m_tolerance);
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(mask, labels, stats, centroids, 4, CV_32S);
    int largest = 0;
    for (int label = 1; label < count; ++label) {
        if (largest == 0 || stats.at<int>(label, cv::CC_STAT_AREA) > stats.at<int>(largest, cv::CC_STAT_AREA))
            largest = label;
    }
    if (largest == 0)
        return false;
    int nearest = std::numeric_limits<int>::max();
    for (int y = 0; y < labels.rows; ++y) {
        for (int x = 0; x < labels.cols; ++x) {
            const int distance = SquaredLength(cv::Point(x, y) - m_seed);
            if (labels.at<int>(y, x) == largest && distance < nearest) {
                nearest = distance;
                start = {x, y};
            }
        }
    }
    return true;
}

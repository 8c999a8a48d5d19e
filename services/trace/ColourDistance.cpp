#include "services/trace/ColourDistance.h"

namespace
{

// An 8-bit L* holds L * 255 / 100; opacity runs over the same 255 steps.
constexpr double kLightnessStep = 100.0 / 255.0;
constexpr std::uint8_t kIn = 255, kOut = 0;

} // namespace

ColourDistance::Steps::Steps()
{
    for (int d = -(kChannelValues - 1); d < kChannelValues; ++d) {
        const double l = d * kLightnessStep;
        lightness[d + kChannelValues - 1] = static_cast<float>(l * l);
        chroma[d + kChannelValues - 1] = static_cast<float>(d * d);
    }
}

const ColourDistance::Steps& ColourDistance::Table()
{
    static const Steps steps;
    return steps;
}

float ColourDistance::Squared(const cv::Vec4b& a, const cv::Vec4b& b)
{
    const Steps& steps = Table();
    constexpr int zero = kChannelValues - 1;
    return steps.lightness[a[0] - b[0] + zero] + steps.chroma[a[1] - b[1] + zero] + steps.chroma[a[2] - b[2] + zero] +
           steps.lightness[a[3] - b[3] + zero];
}

cv::Mat ColourDistance::Within(const cv::Mat& laba, const cv::Vec4b& reference, double tolerance)
{
    const Steps& steps = Table();
    const float limit = static_cast<float>(tolerance * tolerance);
    constexpr int zero = kChannelValues - 1;
    const int l0 = zero - reference[0], a0 = zero - reference[1], b0 = zero - reference[2], o0 = zero - reference[3];
    cv::Mat mask(laba.size(), CV_8U);
    for (int y = 0; y < laba.rows; ++y) {
        const cv::Vec4b* in = laba.ptr<cv::Vec4b>(y);
        std::uint8_t* out = mask.ptr<std::uint8_t>(y);
        for (int x = 0; x < laba.cols; ++x) {
            const float d = steps.lightness[in[x][0] + l0] + steps.chroma[in[x][1] + a0] + steps.chroma[in[x][2] + b0] +
                            steps.lightness[in[x][3] + o0];
            out[x] = d <= limit ? kIn : kOut;
        }
    }
    return mask;
}

cv::Mat ColourDistance::BothWithin(const cv::Mat& laba, const cv::Mat& other, const cv::Vec4b& reference,
                                   double tolerance)
{
    // Each channel's share of the squared distance, by the channel's value.
    const Steps& steps = Table();
    constexpr int zero = kChannelValues - 1;
    std::array<std::array<float, kChannelValues>, 4> share;
    for (int v = 0; v < kChannelValues; ++v) {
        share[0][v] = steps.lightness[v - reference[0] + zero];
        share[1][v] = steps.chroma[v - reference[1] + zero];
        share[2][v] = steps.chroma[v - reference[2] + zero];
        share[3][v] = steps.lightness[v - reference[3] + zero];
    }
    const float limit = static_cast<float>(tolerance * tolerance);
    auto within = [&](const cv::Vec4b& c) {
        return share[0][c[0]] + share[1][c[1]] + share[2][c[2]] + share[3][c[3]] <= limit;
    };
    // Neighbours share their colours more often than not (a plain fill, a
    // smooth sky): a pixel like the one before it is judged as that one was.
    cv::Mat mask(laba.size(), CV_8U);
    for (int y = 0; y < laba.rows; ++y) {
        const auto* first = laba.ptr<std::uint32_t>(y);
        const auto* second = other.ptr<std::uint32_t>(y);
        std::uint8_t* out = mask.ptr<std::uint8_t>(y);
        std::uint32_t lastFirst = ~first[0], lastSecond = 0;
        std::uint8_t last = kOut;
        for (int x = 0; x < laba.cols; ++x) {
            if (first[x] != lastFirst || second[x] != lastSecond) {
                lastFirst = first[x];
                lastSecond = second[x];
                last = within(laba.ptr<cv::Vec4b>(y)[x]) && within(other.ptr<cv::Vec4b>(y)[x]) ? kIn : kOut;
            }
            out[x] = last;
        }
    }
    return mask;
}

#include "view/TracedRegionCheck.h"

#include "services/dialogs/ProgramMessage.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace
{

constexpr double kPercent = 100.0;

} // namespace

QString TracedRegionCheck::LargeRegionQuestion(int percent, int tolerance)
{
    return QCoreApplication::translate("TracedRegionCheck",
                                       "トレースした領域は画像全体の%1%を占めています。\r\n"
                                       "背景をクリックしたか、境界の切れ目から隣の領域へ広がったのかもしれません。\r\n"
                                       "[ で色の許容差を下げると (いまは %2)、領域は狭くなります。\r\n"
                                       "この領域をエリアとして追加しますか?")
        .arg(percent)
        .arg(tolerance);
}

QString TracedRegionCheck::TinyRegionQuestion(int width, int height, int tolerance)
{
    return QCoreApplication::translate("TracedRegionCheck",
                                       "トレースした領域は %1 × %2 ピクセルしかありません。\r\n"
                                       "色の許容差 (いまは %3) が写真のノイズなどに対して低すぎるのかもしれません。\r\n"
                                       "] で許容差を上げると、領域は広くなります。\r\n"
                                       "この領域をエリアとして追加しますか?")
        .arg(width)
        .arg(height)
        .arg(tolerance);
}

QString TracedRegionCheck::FailureText(TraceFailure failure)
{
    switch (failure) {
    case TraceFailure::NoPicture:
        return QCoreApplication::translate("TracedRegionCheck", "画像が読み込まれていないため、トレースできません。");
    case TraceFailure::OutsidePicture:
        return QCoreApplication::translate("TracedRegionCheck", "画像の外はトレースできません。");
    case TraceFailure::OutOfMemory:
        return QCoreApplication::translate("TracedRegionCheck",
                                           "この領域は、作業に要るメモリが足りないため、トレースできませんでした。\r\n"
                                           "[ で色の許容差を下げて、領域を狭くして下さい。");
    case TraceFailure::BadOptions:
    case TraceFailure::None:
        break;
    }
    return QCoreApplication::translate("TracedRegionCheck", "この領域はトレースできませんでした。");
}

bool TracedRegionCheck::Ask(const QString& question) const
{
    return ProgramMessage::Show(m_owner, QMessageBox::Question, kInfoCaption, question,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

int TracedRegionCheck::Percent(const TraceResult& traced) const
{
    const double pixels = static_cast<double>(m_width) * m_height;
    return pixels > 0 ? static_cast<int>(std::lround(kPercent * static_cast<double>(traced.regionPixels) / pixels)) : 0;
}

bool TracedRegionCheck::Accept(const TraceResult& traced) const
{
    if (!traced.Ok()) {
        ProgramMessage::Show(m_owner, QMessageBox::Warning, kErrorCaption, FailureText(traced.failure));
        return false;
    }
    if (traced.IsTiny()) {
        int left = m_width, top = m_height, right = 0, bottom = 0;
        for (const Point& p : traced.outline) {
            left = std::min(left, p.x);
            top = std::min(top, p.y);
            right = std::max(right, p.x);
            bottom = std::max(bottom, p.y);
        }
        return Ask(TinyRegionQuestion(right - left, bottom - top, m_tolerance));
    }
    const double pixels = static_cast<double>(m_width) * m_height;
    if (static_cast<double>(traced.regionPixels) <= kLargeShare * pixels)
        return true;
    return Ask(LargeRegionQuestion(Percent(traced), m_tolerance));
}

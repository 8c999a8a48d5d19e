#include "services/refit/RefitTexts.h"

namespace refittexts
{

const std::string& FailureText(RefitFailure failure)
{
    static const std::string none,
        noPicture = "画像の画素を読み取れませんでした。",
        noOldSize = "元の画像がなく、マップのWIDTHとHEIGHTもないため、"
                    "元の画像の大きさがわかりません。",
        notSameScene = "新しい画像は元の画像と同じ場面ではないようです。"
                       "合う特徴が見つかりませんでした。",
        tooLittleDetail = "画像に目印になる模様が少なすぎるため、新しい画像が"
                          "元の画像のどこに当たるかわかりません。",
        notAReExport = "新しい画像は、元の画像を大きく回転したか、裏返したか、斜めにゆがめたか、"
                       "16倍を超えて拡大・縮小したものです。エリアを合わせられません。",
        outOfMemory = "画像が大きすぎるため、合わせられません。";
    switch (failure) {
    case RefitFailure::NoPicture:
        return noPicture;
    case RefitFailure::NoOldSize:
        return noOldSize;
    case RefitFailure::NotSameScene:
        return notSameScene;
    case RefitFailure::TooLittleDetail:
        return tooLittleDetail;
    case RefitFailure::NotAReExport:
        return notAReExport;
    case RefitFailure::OutOfMemory:
        return outOfMemory;
    default:
        return none;
    }
}

const std::string& ReferenceFailureText(ReferenceFailure failure)
{
    static const std::string none, tooClose = "基準点どうしが近すぎます。離れた点を選んでください。",
                                   onOneLine = "3組の基準点が一直線に並んでいます。",
                                   mirrored = "基準点の並びが裏返しになっています。";
    switch (failure) {
    case ReferenceFailure::TooClose:
        return tooClose;
    case ReferenceFailure::OnOneLine:
        return onOneLine;
    case ReferenceFailure::Mirrored:
        return mirrored;
    default:
        return none;
    }
}

} // namespace refittexts

#include "check/CheckTexts.h"

#include <initializer_list>

#define ZM_TEXT(name, sourceText)                                                                                      \
    const std::string& name()                                                                                          \
    {                                                                                                                  \
        static const std::string text = sourceText;                                                                    \
        return text;                                                                                                   \
    }

namespace checktexts
{
namespace
{

// Pieces of source text around values.
std::string Join(std::initializer_list<std::string> pieces)
{
    std::string text;
    for (const std::string& piece : pieces)
        text += piece;
    return text;
}

std::string Size(std::int32_t width, std::int32_t height)
{
    return std::to_string(width) + std::string("×") + std::to_string(height);
}

} // namespace

ZM_TEXT(MissingAlt, "リンクのあるエリアにALTがありません。スクリーンリーダーはこのリンクを読み上げられません。")
ZM_TEXT(EmptyRectangle, "幅か高さが0の四角形です。クリックできる部分がありません。")
ZM_TEXT(EmptyCircle, "半径が0の円です。クリックできる部分がありません。")
ZM_TEXT(EmptyPolygon, "面積のない多角形です(異なる点が3つ未満か、すべての点が一直線上にあります)。")
ZM_TEXT(ImgMissingAlt,
        "マップを使うIMGにALTがありません。スクリーンリーダーは、この画像とマップが何かを伝えられません。")
ZM_TEXT(HiddenArea, "リストで先にあるエリアに完全に隠れているため、このエリアはクリックできません。")

std::string OutsidePicture(std::int32_t width, std::int32_t height)
{
    return Join({std::string("エリアが画像("), Size(width, height), std::string(")の外にはみ出しています。")});
}

std::string EntirelyOutsidePicture(std::int32_t width, std::int32_t height)
{
    return Join(
        {std::string("エリアが画像("), Size(width, height), std::string(")の外にあるため、クリックできません。")});
}

std::string DuplicateArea(int earlier)
{
    return Join({std::string("エリア "), std::to_string(earlier), std::string(" と形・座標・リンクが同じです。")});
}

std::string MissingLinkTarget(const std::string& path)
{
    return Join({std::string("リンク先のファイル \""), path, std::string("\" がありません。")});
}

std::string UsemapWithoutHash(const std::string& usemap)
{
    return Join(
        {std::string("IMGのUSEMAP \""), usemap, std::string("\" に \"#\" がないため、どのマップも使われません。")});
}

std::string UsemapNamesNoMap(const std::string& name)
{
    return Join(
        {std::string("IMGのUSEMAPが指す名前 \""), name, std::string("\" のマップが、このページにありません。")});
}

std::string UsemapDiffersInCase(const std::string& name, const std::string& mapName)
{
    return Join({std::string("IMGのUSEMAPが指す名前 \""), name, std::string("\" のマップがありません。マップ \""),
                 mapName, std::string("\" とは大文字と小文字が違うため、ブラウザはこのマップを使いません。")});
}

std::string UsemapById(const std::string& name)
{
    return Join({std::string("IMGのUSEMAP \"#"), name,
                 std::string("\" に合うのはMAPのidだけです。NAMEでマップを探すブラウザでは、マップが使われません。")});
}

std::string UsemapTextBeforeHash(const std::string& usemap)
{
    return Join(
        {std::string("IMGのUSEMAP \""), usemap,
         std::string("\" は \"#\" の前に文字か空白があるため、ブラウザやツールによってマップの探し方が違います。")});
}

std::string DuplicateMapName(const std::string& name, std::size_t firstLine)
{
    return Join({std::string("マップの名前 \""), name, std::string("\" は、"), std::to_string(firstLine),
                 std::string("行目のマップと同じです。ブラウザは最初のマップを使います。")});
}

std::string MapUnused(const std::string& name)
{
    return Join({std::string("マップ \""), name,
                 std::string("\" を使うIMGが、このページにありません。このマップは表示されません。")});
}

std::string QuotedNames(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "\"" : ", \"") + name + "\"";
    return text;
}

std::string SvgAttributesLeftOut(const std::string& names)
{
    return Join({std::string("属性 "), names,
                 std::string(" はSVGのリンクに書けないため、SVG形式では省かれます(HTML形式には残ります)。")});
}

std::string SvgAttributesLeftOutOfArea(int area, const std::string& names)
{
    return Join({std::string("エリア "), std::to_string(area), std::string(": 属性 "), names,
                 std::string(" はSVGのリンクに書けないため、省きました。")});
}

} // namespace checktexts

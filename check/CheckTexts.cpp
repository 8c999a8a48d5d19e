#include "check/CheckTexts.h"

#include "services/text/Utf8Bridge.h"

#include <initializer_list>

#define ZM_TEXT(name, utf8Text)                                                                                        \
    const std::string& name()                                                                                          \
    {                                                                                                                  \
        static const std::string text = utf8::Utf8ToSjis(utf8Text);                                                    \
        return text;                                                                                                   \
    }

namespace checktexts
{
namespace
{

// Pieces of UTF-8 source text around Shift-JIS values.
std::string Join(std::initializer_list<std::string> pieces)
{
    std::string text;
    for (const std::string& piece : pieces)
        text += piece;
    return text;
}

std::string Sjis(const char* utf8Text)
{
    return utf8::Utf8ToSjis(utf8Text);
}

std::string Size(std::int32_t width, std::int32_t height)
{
    return std::to_string(width) + Sjis("×") + std::to_string(height);
}

} // namespace

ZM_TEXT(MissingAlt, "リンクのあるエリアにALTがありません。スクリーンリーダーはこのリンクを読み上げられません。")
ZM_TEXT(EmptyRectangle, "幅か高さが0の四角形です。クリックできる部分がありません。")
ZM_TEXT(EmptyCircle, "半径が0の円です。クリックできる部分がありません。")
ZM_TEXT(EmptyPolygon, "面積のない多角形です(異なる点が3つ未満か、すべての点が一直線上にあります)。")
ZM_TEXT(HiddenArea, "リストで先にあるエリアに完全に隠れているため、このエリアはクリックできません。")

std::string OutsidePicture(std::int32_t width, std::int32_t height)
{
    return Join({Sjis("エリアが画像("), Size(width, height), Sjis(")の外にはみ出しています。")});
}

std::string EntirelyOutsidePicture(std::int32_t width, std::int32_t height)
{
    return Join({Sjis("エリアが画像("), Size(width, height), Sjis(")の外にあるため、クリックできません。")});
}

std::string DuplicateArea(int earlier)
{
    return Join({Sjis("エリア "), std::to_string(earlier), Sjis(" と形・座標・リンクが同じです。")});
}

std::string MissingLinkTarget(const std::string& path)
{
    return Join({Sjis("リンク先のファイル \""), path, Sjis("\" がありません。")});
}

std::string UsemapWithoutHash(const std::string& usemap)
{
    return Join({Sjis("IMGのUSEMAP \""), usemap, Sjis("\" に \"#\" がないため、どのマップも使われません。")});
}

std::string UsemapNamesNoMap(const std::string& name)
{
    return Join({Sjis("IMGのUSEMAPが指す名前 \""), name, Sjis("\" のマップが、このページにありません。")});
}

std::string UsemapDiffersInCase(const std::string& name, const std::string& mapName)
{
    return Join({Sjis("IMGのUSEMAPが指す名前 \""), name, Sjis("\" のマップがありません。マップ \""), mapName,
                 Sjis("\" とは大文字と小文字が違うため、ブラウザはこのマップを使いません。")});
}

std::string UsemapById(const std::string& name)
{
    return Join({Sjis("IMGのUSEMAP \"#"), name,
                 Sjis("\" に合うのはMAPのidだけです。NAMEでマップを探すブラウザでは、マップが使われません。")});
}

std::string UsemapTextBeforeHash(const std::string& usemap)
{
    return Join({Sjis("IMGのUSEMAP \""), usemap,
                 Sjis("\" は \"#\" の前に文字か空白があるため、ブラウザやツールによってマップの探し方が違います。")});
}

std::string DuplicateMapName(const std::string& name, std::size_t firstLine)
{
    return Join({Sjis("マップの名前 \""), name, Sjis("\" は、"), std::to_string(firstLine),
                 Sjis("行目のマップと同じです。ブラウザは最初のマップを使います。")});
}

} // namespace checktexts

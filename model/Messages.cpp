#include "model/Messages.h"

#define ZM_TEXT(name, sourceText)                                                                                      \
    const std::string& name()                                                                                          \
    {                                                                                                                  \
        static const std::string text = sourceText;                                                                    \
        return text;                                                                                                   \
    }

namespace texts
{

ZM_TEXT(Untitled, "無題")
ZM_TEXT(DefaultMapName, "ZephyrmapMap")
ZM_TEXT(NoMapInHtml, "このHTMLには有効なクリッカブルマップが定義されていません。")
ZM_TEXT(HtmlSyntaxError, "読み込んだHTMLコードに構文エラーがある為、クリッカブルマップデータの作成に失敗しました。\r\n"
                         "HTMLコードを修正して、もう一度読み込みを行って下さい。")
ZM_TEXT(NotOurFormat, "このファイルは、Zephyrmap!形式のファイルではないか壊れているため、読み込むことができません。")
ZM_TEXT(NewerVersion, "このファイルは、新しいバージョンのZephyrmap!で作成されているため、読み込むことができません。")
ZM_TEXT(OldVersionWarning, "このファイルは、旧バージョンのZephyrmap!で作成されています。\r\n"
                           "このファイルを保存した場合、今後V2.4.2以前のZephyrmap!では開くことが出来なくなりますので、"
                           "ご注意下さい。")
ZM_TEXT(UnexpectedFormat, "予期しないファイル形式です。")
ZM_TEXT(CannotOpenFile, "ファイルを開く事ができませんでした")

std::string PictureMissing(const std::string& picturePath)
{
    return "画像ファイル\" " + picturePath + " \"が見つかりません。\r\n改めて画像ファイルを選択してください。";
}

std::string PictureUnreadable(const std::string& picturePath)
{
    return "画像ファイル\" " + picturePath +
           " \"を読み込めませんでした。\r\nJPEG、PNG、GIF、BMPの画像ファイルを選択してください。";
}

std::string CharactersReplaced(std::size_t count, std::size_t line)
{
    return "このHTMLには、読み取れない文字が" + std::to_string(count) +
           "個あったため、\"\uFFFD\"に置き換えて読み込みました。\r\n最初に置き換えた文字は" + std::to_string(line) +
           "行目にあります。";
}

} // namespace texts

#include "model/Messages.h"

#include "services/text/Utf8Bridge.h"

#define ZM_TEXT(name, utf8Text)                                                                                        \
    const std::string& name()                                                                                          \
    {                                                                                                                  \
        static const std::string text = utf8::Utf8ToSjis(utf8Text);                                                    \
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
    static const std::string head = utf8::Utf8ToSjis("画像ファイル\" ");
    static const std::string tail = utf8::Utf8ToSjis(" \"が見つかりません。\r\n改めて画像ファイルを選択してください。");
    return head + picturePath + tail;
}

std::string PictureUnreadable(const std::string& picturePath)
{
    static const std::string head = utf8::Utf8ToSjis("画像ファイル\" ");
    static const std::string tail = utf8::Utf8ToSjis(" \"を読み込めませんでした。\r\n"
                                                     "JPEG、PNG、GIF、BMPの画像ファイルを選択してください。");
    return head + picturePath + tail;
}

std::string CharactersReplaced(std::size_t count, std::size_t line)
{
    static const std::string head = utf8::Utf8ToSjis("このHTMLには、Shift-JISで表せない文字が");
    static const std::string middle =
        utf8::Utf8ToSjis("個あったため、\"?\"に置き換えて読み込みました。\r\n最初に置き換えた文字は");
    static const std::string tail = utf8::Utf8ToSjis("行目にあります。");
    return head + std::to_string(count) + middle + std::to_string(line) + tail;
}

} // namespace texts

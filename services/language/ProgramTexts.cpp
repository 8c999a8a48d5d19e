#include "services/language/ProgramTexts.h"

#include "services/language/ProgramLanguage.h"
#include "services/picture/QtText.h"

#include <QRegularExpression>
#include <QtGlobal>

#include <vector>

namespace
{

// The core's messages (model/Messages, check/CheckTexts) as patterns: %1,
// %2 stand where the core puts its values, and %n where it puts a count that
// the English form of the text depends on.
struct CoreText {
    const char* context;
    const char* source;
    // The core counts areas from 0, as its list does; a person reading
    // English counts from 1, as the area page's rows do.
    bool firstValueIsArea = false;
};

const CoreText kCoreTexts[] = {
    {"Messages", QT_TRANSLATE_NOOP("Messages", "無題")},
    {"Messages", QT_TRANSLATE_NOOP("Messages", "このHTMLには有効なクリッカブルマップが定義されていません。")},
    {"Messages",
     QT_TRANSLATE_NOOP("Messages",
                       "読み込んだHTMLコードに構文エラーがある為、クリッカブルマップデータの作成に失敗しました。\r\n"
                       "HTMLコードを修正して、もう一度読み込みを行って下さい。")},
    {"Messages",
     QT_TRANSLATE_NOOP("Messages",
                       "このファイルは、Zephyrmap!形式のファイルではないか壊れているため、読み込むことができません。")},
    {"Messages",
     QT_TRANSLATE_NOOP("Messages",
                       "このファイルは、新しいバージョンのZephyrmap!で作成されているため、読み込むことができません。")},
    {"Messages",
     QT_TRANSLATE_NOOP("Messages",
                       "このファイルは、旧バージョンのZephyrmap!で作成されています。\r\n"
                       "このファイルを保存した場合、今後V2.4.2以前のZephyrmap!では開くことが出来なくなりますので、"
                       "ご注意下さい。")},
    {"Messages", QT_TRANSLATE_NOOP("Messages", "予期しないファイル形式です。")},
    {"Messages", QT_TRANSLATE_NOOP("Messages", "ファイルを開く事ができませんでした")},
    {"Messages",
     QT_TRANSLATE_NOOP("Messages", "画像ファイル\" %1 \"が見つかりません。\r\n改めて画像ファイルを選択してください。")},
    {"Messages", QT_TRANSLATE_NOOP("Messages", "画像ファイル\" %1 \"を読み込めませんでした。\r\n"
                                               "JPEG、PNG、GIF、BMPの画像ファイルを選択してください。")},
    {"Messages",
     QT_TRANSLATE_N_NOOP("Messages", "このHTMLには、読み取れない文字が%n個あったため、\"\uFFFD\"に置き換えて"
                                     "読み込みました。\r\n最初に置き換えた文字は%1行目にあります。")},
    {"CheckTexts",
     QT_TRANSLATE_NOOP("CheckTexts",
                       "リンクのあるエリアにALTがありません。スクリーンリーダーはこのリンクを読み上げられません。")},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "幅か高さが0の四角形です。クリックできる部分がありません。")},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "半径が0の円です。クリックできる部分がありません。")},
    {"CheckTexts",
     QT_TRANSLATE_NOOP("CheckTexts", "面積のない多角形です(異なる点が3つ未満か、すべての点が一直線上にあります)。")},
    {"CheckTexts",
     QT_TRANSLATE_NOOP("CheckTexts", "リストで先にあるエリアに完全に隠れているため、このエリアはクリックできません。")},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "エリアが画像(%1×%2)の外にはみ出しています。")},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "エリアが画像(%1×%2)の外にあるため、クリックできません。")},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "エリア %1 と形・座標・リンクが同じです。"), true},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "リンク先のファイル \"%1\" がありません。")},
    {"CheckTexts",
     QT_TRANSLATE_NOOP("CheckTexts", "IMGのUSEMAP \"%1\" に \"#\" がないため、どのマップも使われません。")},
    {"CheckTexts",
     QT_TRANSLATE_NOOP("CheckTexts", "IMGのUSEMAPが指す名前 \"%1\" のマップが、このページにありません。")},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "IMGのUSEMAPが指す名前 \"%1\" のマップがありません。マップ \"%2\" "
                                                   "とは大文字と小文字が違うため、ブラウザはこのマップを使いません。")},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "IMGのUSEMAP \"#%1\" に合うのはMAPのidだけです。"
                                                   "NAMEでマップを探すブラウザでは、マップが使われません。")},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "IMGのUSEMAP \"%1\" は \"#\" の前に文字か空白があるため、"
                                                   "ブラウザやツールによってマップの探し方が違います。")},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "マップの名前 \"%1\" は、%2行目のマップと同じです。"
                                                   "ブラウザは最初のマップを使います。")},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "マップを使うIMGにALTがありません。"
                                                   "スクリーンリーダーは、この画像とマップが何かを伝えられません。")},
    {"CheckTexts",
     QT_TRANSLATE_NOOP("CheckTexts",
                       "マップ \"%1\" を使うIMGが、このページにありません。このマップは表示されません。")},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "属性 %1 はSVGのリンクに書けないため、"
                                                   "SVG形式では省かれます(HTML形式には残ります)。")},
    {"CheckTexts", QT_TRANSLATE_NOOP("CheckTexts", "エリア %1: 属性 %2 はSVGのリンクに書けないため、省きました。")},
    {"RefitTexts", QT_TRANSLATE_NOOP("RefitTexts", "画像の画素を読み取れませんでした。")},
    {"RefitTexts", QT_TRANSLATE_NOOP("RefitTexts", "元の画像がなく、マップのWIDTHとHEIGHTもないため、"
                                                   "元の画像の大きさがわかりません。")},
    {"RefitTexts", QT_TRANSLATE_NOOP("RefitTexts", "新しい画像は元の画像と同じ場面ではないようです。"
                                                   "合う特徴が見つかりませんでした。")},
    {"RefitTexts", QT_TRANSLATE_NOOP("RefitTexts", "画像に目印になる模様が少なすぎるため、新しい画像が"
                                                   "元の画像のどこに当たるかわかりません。")},
    {"RefitTexts",
     QT_TRANSLATE_NOOP("RefitTexts", "新しい画像は、元の画像を大きく回転したか、裏返したか、斜めにゆがめたか、"
                                     "16倍を超えて拡大・縮小したものです。エリアを合わせられません。")},
    {"RefitTexts", QT_TRANSLATE_NOOP("RefitTexts", "画像が大きすぎるため、合わせられません。")},
    {"RefitTexts", QT_TRANSLATE_NOOP("RefitTexts", "基準点どうしが近すぎます。離れた点を選んでください。")},
    {"RefitTexts", QT_TRANSLATE_NOOP("RefitTexts", "3組の基準点が一直線に並んでいます。")},
    {"RefitTexts", QT_TRANSLATE_NOOP("RefitTexts", "基準点の並びが裏返しになっています。")},
};

// One core text as a whole-text pattern whose groups take the values; the
// group of its count, if it has one.
struct Pattern {
    const CoreText* text;
    QRegularExpression match;
    int countGroup = 0;
};

const QRegularExpression& Placeholder()
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9n]"));
    return placeholder;
}

// The group that takes "%n" in a text; 0 for none.
int CountGroup(const QString& source)
{
    int group = 0;
    for (const QRegularExpressionMatch& m : Placeholder().globalMatch(source)) {
        ++group;
        if (m.captured() == QStringLiteral("%n"))
            return group;
    }
    return 0;
}

QRegularExpression PatternOf(const QString& source)
{
    QString pattern = QStringLiteral("\\A");
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : Placeholder().globalMatch(source)) {
        pattern += QRegularExpression::escape(source.mid(from, m.capturedStart() - from));
        pattern += QStringLiteral("(.*)");
        from = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(source.mid(from)) + QStringLiteral("\\z");
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<Pattern>& Patterns()
{
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> built;
        for (const CoreText& text : kCoreTexts)
            built.push_back(
                {&text, PatternOf(QString::fromUtf8(text.source)), CountGroup(QString::fromUtf8(text.source))});
        return built;
    }();
    return patterns;
}

// All values at once, so that a "%2" inside a file name stays text.
QString WithValues(const QString& translated, const QStringList& values)
{
    switch (values.size()) {
    case 0:
        return translated;
    case 1:
        return translated.arg(values[0]);
    default:
        return translated.arg(values[0], values[1]);
    }
}

} // namespace

namespace programtexts
{

QString Translate(const QString& text)
{
    if (ProgramLanguage::Current() == Language::Japanese)
        return text;
    for (const Pattern& pattern : Patterns()) {
        const QRegularExpressionMatch m = pattern.match.match(text);
        if (!m.hasMatch())
            continue;
        QStringList values = m.capturedTexts().mid(1);
        if (pattern.text->firstValueIsArea && !values.isEmpty())
            values[0] = programtexts::AreaNumber(values[0].toInt());
        if (pattern.countGroup) {
            const int count = values.takeAt(pattern.countGroup - 1).toInt();
            return WithValues(ProgramLanguage::Translate(pattern.text->context, pattern.text->source, count), values);
        }
        return WithValues(ProgramLanguage::Translate(pattern.text->context, pattern.text->source), values);
    }
    return text;
}

QString AreaNumber(int area)
{
    return QString::number(ProgramLanguage::Current() == Language::Japanese ? area : area + 1);
}

QString Translate(const std::string& text)
{
    return Translate(ToQString(text));
}

std::string TranslateText(const std::string& text)
{
    if (ProgramLanguage::Current() == Language::Japanese)
        return text;
    return FromQString(Translate(ToQString(text)));
}

} // namespace programtexts

#include "app/CommandTable.h"

namespace
{

const std::vector<CommandInfo> kCommands = {
    // Commands with no menu item of their own: the tool bar's magnification
    // button and printing, which only its keys reach.
    {CmdMagnification, "表示倍率", "表示倍率の変更\n表示倍率"},
    {CmdPrint, "印刷", "作業中のﾌｧｲﾙを印刷\n印刷"},
    {CmdNewMap, "新規作成(&N)...\tCtrl+N", "新規にクリッカブルマップを作成\n新規マップ"},
    {CmdOpenFromHtmlFile, "HTMLファイルから開く(&H)...\tCtrl+H",
     "HTMLファイルからクリッカブルマップを開く\nHTMLから開く"},
    {CmdOpenFromClipboard, "クリップボードから開く(&C)\tCtrl+B",
     "クリップボードからクリッカブルマップを開く\nクリップボードから開く"},
    {CmdSaveHtmlSource, "HTMLソースを保存(&T)...\tCtrl+L",
     "クリッカブルマップのHTMLソースをファイルに保存\nHTMLソースを保存"},
    {CmdUpdateHtmlDocument, "HTML文書のマップを更新(&U)",
     "マップを使用するHTML文書の中のマップを、編集中のマップで更新\nHTML文書のマップを更新"},
    {CmdCopyHtmlToClipboard, "クリップボードに出力(&B)\tCtrl+D",
     "クリッカブルマップのHTMLソースをクリップボードに出力\nHTMLソースをクリップボードに出力"},
    {CmdSaveSvgSource, "SVGソースを保存(&G)...",
     "画像の大きさに合わせて伸び縮みするSVG形式のマップをファイルに保存\nSVGソースを保存"},
    {CmdCopySvgToClipboard, "SVGをクリップボードに出力(&V)",
     "画像の大きさに合わせて伸び縮みするSVG形式のマップをクリップボードに出力\nSVGをクリップボードに出力"},
    {CmdOpen, "開く(&O)...\tCtrl+O", "Zephyrmapファイルを開く\n開く"},
    {CmdSave, "上書き保存(&S)\tCtrl+S", "Zephyrmap形式でﾌｧｲﾙを上書き保存\n保存"},
    {CmdSaveAs, "名前を付けて保存(&A)...", "Zephyrmap形式で新しい名前をつけて保存\n名前をつけて保存"},
    {CmdExit, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"},
    {CmdUndo, "元に戻す(&U)\tCtrl+Z", "操作を元に戻す\n元に戻す"},
    {CmdRedo, "やり直す(&R)\tCtrl+Y", "取り消した操作をやり直す\nやり直す"},
    {CmdCopyArea, "エリアのコピー(&C)\tCtrl+C", "選択したエリアをクリップボードにコピー\nエリアをコピー"},
    {CmdCutArea, "エリアの切り取り(&T)\tCtrl+X", "選択したエリアをクリップボードに切り取り\nエリアを切り取る"},
    {CmdPasteArea, "エリアの貼り付け(&P)\tCtrl+V", "エリアをクリップボードから貼り付け\nエリアの貼り付け"},
    {CmdPasteAreaWithAttributes, "エリアと属性の貼り付け(&S)\tCtrl+Shift+V",
     "エリアとその属性値をクリップボードから貼り付け\nエリアと属性値の貼り付け"},
    {CmdDeleteArea, "選択エリアを削除(&D)\tDelete", "選択したエリアを削除\nエリアの削除"},
    {CmdDeletePoint, "選択ポイントを削除(&V)\tCtrl+Delete", "選択したポイントを削除\nポイントを削除"},
    {CmdRectangleTool, "四角形(&R)", "RECTエリアの作成\nRECT"},
    {CmdCircleTool, "円形(&L)", "CIRCエリアの作成\nCIRC"},
    {CmdPolygonTool, "多角形(&N)", "POLYエリアの作成\nPOLY"},
    {CmdBrowserPreview, "ブラウザでプレビュー(&B)\tF5",
     "クリッカブルマップをブラウザでプレビュー\nブラウザでプレビュー"},
    {CmdSourcePreview, "HTMLソースをプレビュー(&S)\tF6",
     "クリッカブルマップのHTMLソースをプレビュー\nHTMLソースをプレビュー"},
    {CmdOpenHtmlDocument, "マップを使用するHTML文書を開く(&M)",
     "マップを使用するHTML文書を開く\nマップを使用するHTMLを開く"},
    {CmdEditHtmlDocument, "ﾏｯﾌﾟを使用するHTML文書をｴﾃﾞｨﾀで開く(&H)",
     "マップを使用するHTML文書をエディタで開く\nマップを使用するHTMLを編集"},
    {CmdEditPicture, "画像をエディタで開く(&I)",
     "このマップの画像を外部アプリケーションで編集\nこのマップの画像を編集"},
    {CmdEditLinkTarget, "リンク先をエディタで開く(&E)",
     "現在選択中のエリアのリンク先をエディタで開く\nリンク先ファイルをエディタで開く"},
    {CmdOpenLinkTarget, "リンク先を開く(&W)", "現在選択中のエリアのリンク先を開く\nリンク先ファイルを開く"},
    {CmdCheckMap, "マップの検査(&K)",
     "ブラウザやスクリーンリーダーで問題になる点をマップから探して一覧に表示\nマップの検査"},
    {CmdSettings, "設定(&O)...", "Zephyrmapの設定\n設定"},
    {CmdToggleToolBar, "ﾂｰﾙ ﾊﾞｰ(&T)", "ツールバーの表示/非表示\nツールバーの表示切替"},
    {CmdTogglePane, "マッププロパティ(&M)", "マップのプロパティの表示/非表示\nマッププロパティの表示切替"},
    {CmdToggleStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"},
    {CmdToggleHatching, "エリアにハッチングをする(&H)",
     "クリッカブルマップのエリアにハッチングを表示する\nエリアにハッチングを表示"},
    {CmdZoom50, "50% (&0)", "表示倍率を50%に\n表示倍率50%"},
    {CmdZoom100, "100% (&1)", "表示倍率を100%に\n表示倍率100%"},
    {CmdZoom150, "150% (&5)", "表示倍率を150%に\n表示倍率150%"},
    {CmdZoom200, "200% (&2)", "表示倍率を200%に\n表示倍率200%"},
    {CmdZoom300, "300% (&3)", "表示倍率を300%に\n表示倍率300%"},
    {CmdHelp, "Zephyrmap ! ヘルプ(&H)\tF1", "Zephyrmap!のヘルプを読む\nZephyrmap!ヘルプ"},
    {CmdReadMe, "ReadMeファイルを読む(&R)", "添付のReadMeファイルを読む\nReadMeファイルを読む"},
    {CmdAbout, "ﾊﾞｰｼﾞｮﾝ情報(&A)...", "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
};

const std::vector<MenuInfo> kMainMenu = {
    {"ﾌｧｲﾙ(&F)",
     {CmdNewMap, kSeparator, CmdOpenFromHtmlFile, CmdOpenFromClipboard, CmdSaveHtmlSource, CmdSaveSvgSource,
      CmdUpdateHtmlDocument, CmdCopyHtmlToClipboard, CmdCopySvgToClipboard, kSeparator, CmdOpen, CmdSave, CmdSaveAs,
      kSeparator, CmdExit}},
    {"編集(&E)",
     {CmdUndo, CmdRedo, kSeparator, CmdCopyArea, CmdCutArea, kSeparator, CmdPasteArea, CmdPasteAreaWithAttributes,
      kSeparator, CmdDeleteArea, CmdDeletePoint}},
    {"エリア(&A)", {CmdRectangleTool, CmdCircleTool, CmdPolygonTool}},
    {"ツール(&T)",
     {CmdBrowserPreview, CmdSourcePreview, CmdCheckMap, kSeparator, CmdOpenHtmlDocument, CmdEditHtmlDocument,
      CmdEditPicture, CmdEditLinkTarget, CmdOpenLinkTarget, kSeparator, CmdSettings}},
    {"表示(&V)",
     {CmdToggleToolBar, CmdTogglePane, CmdToggleStatusBar, kSeparator, CmdToggleHatching, kMagnificationMenu}},
    {"ﾍﾙﾌﾟ(&H)", {CmdHelp, CmdReadMe, kSeparator, CmdAbout}},
};

} // namespace

const std::vector<CommandInfo>& AllCommands()
{
    return kCommands;
}
const std::vector<MenuInfo>& MainMenu()
{
    return kMainMenu;
}

const CommandInfo* FindCommand(int id)
{
    for (const CommandInfo& c : kCommands) {
        if (c.id == id)
            return &c;
    }
    return nullptr;
}

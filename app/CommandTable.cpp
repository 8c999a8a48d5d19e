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
    {CmdTraceTool, "領域をトレース(&T)", "クリックした領域の輪郭からPOLYエリアを作成\n領域をトレース"},
    {CmdKeepTool, "ツールを続けて使う(&K)", "エリアを作ったあとも同じツールを使い続ける\nツールを続けて使う"},
    {CmdAlignLeft, "左揃え(&L)", "選択したエリアの左端を揃える\n左揃え"},
    {CmdAlignRight, "右揃え(&R)", "選択したエリアの右端を揃える\n右揃え"},
    {CmdAlignTop, "上揃え(&T)", "選択したエリアの上端を揃える\n上揃え"},
    {CmdAlignBottom, "下揃え(&B)", "選択したエリアの下端を揃える\n下揃え"},
    {CmdAlignCentresHorizontally, "左右中央揃え(&C)", "選択したエリアの左右の中央を揃える\n左右中央揃え"},
    {CmdAlignCentresVertically, "上下中央揃え(&M)", "選択したエリアの上下の中央を揃える\n上下中央揃え"},
    {CmdDistributeHorizontally, "左右に等間隔に配置(&H)", "選択したエリアを左右に等しい間隔で並べる\n左右に等間隔"},
    {CmdDistributeVertically, "上下に等間隔に配置(&V)", "選択したエリアを上下に等しい間隔で並べる\n上下に等間隔"},
    {CmdSameWidth, "幅を揃える(&W)", "選択したエリアの幅を最初に選んだエリアに揃える\n幅を揃える"},
    {CmdSameHeight, "高さを揃える(&E)", "選択したエリアの高さを最初に選んだエリアに揃える\n高さを揃える"},
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
    {CmdZoom25, "25% (&Q)", "表示倍率を25%に\n表示倍率25%"},
    {CmdZoom400, "400% (&4)", "表示倍率を400%に\n表示倍率400%"},
    {CmdZoom600, "600% (&6)", "表示倍率を600%に\n表示倍率600%"},
    {CmdZoom800, "800% (&8)", "表示倍率を800%に\n表示倍率800%"},
    {CmdZoomIn, "拡大(&I)\tCtrl++", "表示倍率を一段大きく\n拡大"},
    {CmdZoomOut, "縮小(&O)\tCtrl+-", "表示倍率を一段小さく\n縮小"},
    {CmdZoomToFit, "ウィンドウに合わせる(&W)", "画像全体がウィンドウに収まる表示倍率に\nウィンドウに合わせる"},
    {CmdShowGrid, "グリッドを表示(&G)", "画像の上にグリッドを表示する\nグリッドを表示"},
    {CmdSnapToGrid, "グリッドに合わせる(&R)", "描く点や動かすエリアをグリッドに合わせる\nグリッドに合わせる"},
    {CmdSnapToAreas, "エリアに合わせる(&E)",
     "描く点や動かすエリアをほかのエリアの頂点と辺に合わせる\nエリアに合わせる"},
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
    {"エリア(&A)",
     {CmdRectangleTool, CmdCircleTool, CmdPolygonTool, CmdTraceTool, kSeparator, CmdKeepTool, kSeparator,
      kArrangeMenu}},
    {"ツール(&T)",
     {CmdBrowserPreview, CmdSourcePreview, CmdCheckMap, kSeparator, CmdOpenHtmlDocument, CmdEditHtmlDocument,
      CmdEditPicture, CmdEditLinkTarget, CmdOpenLinkTarget, kSeparator, CmdSettings}},
    {"表示(&V)",
     {CmdToggleToolBar, CmdTogglePane, CmdToggleStatusBar, kSeparator, CmdToggleHatching, kMagnificationMenu,
      kSeparator, CmdShowGrid, CmdSnapToGrid, CmdSnapToAreas}},
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

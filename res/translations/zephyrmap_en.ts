<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zephyrmap !  Version 2.5.3 [Dec. 2009]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAreaPage</name>
    <message>
        <source>SHAPE=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リンク先 HREF=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアのプロパティ &lt;A&amp;REA&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>相対パス</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リンク先 HRE&amp;F=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参照...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>説明文 &amp;ALT=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ターゲットウィンドウ TAR&amp;GET=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>その他の属性(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;NOHREF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択エリアを削除(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾘﾝｸ先をｴﾃﾞｨﾀで開く(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾘﾝｸ先を開く(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リンク先ファイルの選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML文書(*.*htm* )|*.*htm*|</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHtmlDocDlg</name>
    <message>
        <source>マップを使用するHTML文書</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリッカブルマップを使用するHTML文書を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参照...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリッカブルマップを使用するHTML文書のパスを<byte value="xd"/>
正しく設定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップを使用するHTML文書の指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTMLファイル(*.htm* *.shtm*)|*.htm*;*.shtm*|すべてのファイル(*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImgFileDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>相対パス(&amp;P):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動的に付加</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>新規
c.b.から
htmlから

c.b.へ
htmlへ

四角形
円形
多角形
ﾄﾚｰｽ

Undo
Redo

倍率

ﾌﾞﾗｳｻﾞ
ｿｰｽ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾚﾃﾞｨ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整列(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メイン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マッププロパティ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近使ったﾌｧｲﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定のﾌｧｲﾙを開く</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMapChoiceDlg</name>
    <message>
        <source>このHTMLには、複数のクリッカブルマップが定義されています。
Zephyrmap!で編集するマップを下のリストから選択してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップの選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップの名前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMapPage</name>
    <message>
        <source>マップのプロパティ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変更...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップを使用するH&amp;TML文書</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップの名前 &amp;NAME= / USEMAP=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像のプロパティ &lt;IMG&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>相対パス</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像のサイズ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>幅 WIDTH=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高さ HEIGHT=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の周りの余白</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左右 &amp;HSPACE=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上下 &amp;VSPACE=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像URL &amp;SRC=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>枠の太さ &amp;BORDER=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の位置 A&amp;LIGN=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>説明文 AL&amp;T=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップを使用するHTML文書の指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML文書(*.*htm* )|*.*htm*|すべてのファイル(*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップで使用する画像の指定</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMapSetupDlg</name>
    <message>
        <source>マップの初期設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参照...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップの名前 &amp;USEMAP= / NAME=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップの画像 &amp;SRC=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップを使用する&amp;HTML文書</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; には、Zephyrmap!で扱えない文字が含まれています。<byte value="xd"/>
別の文字に置き換えてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップで使用する画像の指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップを使用するHTML文書の指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML文書(*.*htm* )|*.*htm*|全てのファイル(*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPrpIni</name>
    <message>
        <source>Zephyrmap ! の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;デフォルトエリアを自動的に最後尾に配置する&quot;設定は、<byte value="xd"/>
次回Zephyrnap!を起動した時から有効になります。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPrpIniBrows</name>
    <message>
        <source>プレビューに使用するアプリケーション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップをプレビューするブラウザの場所(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ブラウザのパスの指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTMLソースをプレビューするアプリケーションの場所(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTMLエディタのパスの指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを開くアプリケーション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像を開くアプリケーションの場所(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像を開くアプリケーションの指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準のアプリケーション(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML文書を開くアプリケーションの場所(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML文書を開くブラウザの指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準のアプリケーション(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを編集するエディタ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML文書を編集するエディタの場所(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML文書を開くエディタの指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像を編集するエディタの場所(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像を開くエディタの指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参照 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プログラム(*.exe)|*.exe||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プログラム|*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部ｱﾌﾟﾘｹｰｼｮﾝ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPrpIniView</name>
    <message>
        <source>画面の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集画面の背景色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色(&amp;B)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアの輪郭線色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアのハッチング色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色(&amp;H)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ハッチングをする(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デフォルトに戻す(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力HTMLの設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タグ表記</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大文字(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小文字(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;その他の属性&quot;のタグは大/小文字変換しない(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AREAタグのインデント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>インデントしない(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>半角スペースでインデント(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タブでインデント(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>インデント量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHAPE属性の表記</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;rect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rectan&amp;gle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;circ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circl&amp;e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;poly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>polygo&amp;n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEFAULTエリアを自動的に最後尾に配置する(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AREAタグの同ページ内リンクはファイル名を省略する(&amp;J)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ピクセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>トレースの色の許容差(&amp;K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>トレースの単純化距離(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エディタ設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集画面の設定をデフォルトに戻しますか?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSaveChangesDlg</name>
    <message>
        <source>クリッカブルマップの内容が変更されています。<byte value="xd"/>
マップのデータを出力しますか?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テキストファイルに出力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリップボードに出力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zephyrmap!形式で保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変更を破棄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTextFileDlg</name>
    <message>
        <source>文字エンコード(&amp;J):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>改行コード(&amp;L):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShiftJIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EUC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8 (シグニチャコード無し)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8 (シグニチャコード有り)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-16 (Little-Endian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-16 (Big-Endian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CR+LF (Windows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LF (UNIX)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CR (Macintosh)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CZephyrmapApp</name>
    <message>
        <source>ファイル &quot;%1&quot; が見つかりません。<byte value="xd"/>
Zephyrmap!を入れ直してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル &quot;%1&quot; を開くアプリケーションが見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CZephyrmapView</name>
    <message>
        <source>画像のレンダリング処理に失敗しました。<byte value="xd"/>
画像サイズが、Zephyrmap!の処理能力を超えている可能性があります。<byte value="xd"/>
表示倍率を低く設定して見て下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｴﾘｱ数 : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckTexts</name>
    <message>
        <source>リンクのあるエリアにALTがありません。スクリーンリーダーはこのリンクを読み上げられません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>幅か高さが0の四角形です。クリックできる部分がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>半径が0の円です。クリックできる部分がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>面積のない多角形です(異なる点が3つ未満か、すべての点が一直線上にあります)。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リストで先にあるエリアに完全に隠れているため、このエリアはクリックできません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアが画像(%1×%2)の外にはみ出しています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアが画像(%1×%2)の外にあるため、クリックできません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリア %1 と形・座標・リンクが同じです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リンク先のファイル &quot;%1&quot; がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMGのUSEMAP &quot;%1&quot; に &quot;#&quot; がないため、どのマップも使われません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMGのUSEMAPが指す名前 &quot;%1&quot; のマップが、このページにありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMGのUSEMAPが指す名前 &quot;%1&quot; のマップがありません。マップ &quot;%2&quot; とは大文字と小文字が違うため、ブラウザはこのマップを使いません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMGのUSEMAP &quot;#%1&quot; に合うのはMAPのidだけです。NAMEでマップを探すブラウザでは、マップが使われません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMGのUSEMAP &quot;%1&quot; は &quot;#&quot; の前に文字か空白があるため、ブラウザやツールによってマップの探し方が違います。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップの名前 &quot;%1&quot; は、%2行目のマップと同じです。ブラウザは最初のマップを使います。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>表示倍率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率の変更
表示倍率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを印刷
印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規作成(&amp;N)...	Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規にクリッカブルマップを作成
新規マップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTMLファイルから開く(&amp;H)...	Ctrl+H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTMLファイルからクリッカブルマップを開く
HTMLから開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリップボードから開く(&amp;C)	Ctrl+B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリップボードからクリッカブルマップを開く
クリップボードから開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTMLソースを保存(&amp;T)...	Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリッカブルマップのHTMLソースをファイルに保存
HTMLソースを保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML文書のマップを更新(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップを使用するHTML文書の中のマップを、編集中のマップで更新
HTML文書のマップを更新</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリップボードに出力(&amp;B)	Ctrl+D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリッカブルマップのHTMLソースをクリップボードに出力
HTMLソースをクリップボードに出力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVGソースを保存(&amp;G)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の大きさに合わせて伸び縮みするSVG形式のマップをファイルに保存
SVGソースを保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVGをクリップボードに出力(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の大きさに合わせて伸び縮みするSVG形式のマップをクリップボードに出力
SVGをクリップボードに出力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く(&amp;O)...	Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zephyrmapファイルを開く
開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)	Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zephyrmap形式でﾌｧｲﾙを上書き保存
保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zephyrmap形式で新しい名前をつけて保存
名前をつけて保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝの終了(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示
終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作を元に戻す
元に戻す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり直す(&amp;R)	Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り消した操作をやり直す
やり直す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアのコピー(&amp;C)	Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアをクリップボードにコピー
エリアをコピー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアの切り取り(&amp;T)	Ctrl+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアをクリップボードに切り取り
エリアを切り取る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアの貼り付け(&amp;P)	Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアをクリップボードから貼り付け
エリアの貼り付け</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアと属性の貼り付け(&amp;S)	Ctrl+Shift+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアとその属性値をクリップボードから貼り付け
エリアと属性値の貼り付け</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択エリアを削除(&amp;D)	Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアを削除
エリアの削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択ポイントを削除(&amp;V)	Ctrl+Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したポイントを削除
ポイントを削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>四角形(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECTエリアの作成
RECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>円形(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CIRCエリアの作成
CIRC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>多角形(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POLYエリアの作成
POLY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>領域をトレース(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックした領域の輪郭からPOLYエリアを作成
領域をトレース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツールを続けて使う(&amp;K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアを作ったあとも同じツールを使い続ける
ツールを続けて使う</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左揃え(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアの左端を揃える
左揃え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右揃え(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアの右端を揃える
右揃え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上揃え(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアの上端を揃える
上揃え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下揃え(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアの下端を揃える
下揃え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左右中央揃え(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアの左右の中央を揃える
左右中央揃え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上下中央揃え(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアの上下の中央を揃える
上下中央揃え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左右に等間隔に配置(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアを左右に等しい間隔で並べる
左右に等間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上下に等間隔に配置(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアを上下に等しい間隔で並べる
上下に等間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>幅を揃える(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアの幅を最初に選んだエリアに揃える
幅を揃える</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高さを揃える(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択したエリアの高さを最初に選んだエリアに揃える
高さを揃える</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ブラウザでプレビュー(&amp;B)	F5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリッカブルマップをブラウザでプレビュー
ブラウザでプレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTMLソースをプレビュー(&amp;S)	F6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリッカブルマップのHTMLソースをプレビュー
HTMLソースをプレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップを使用するHTML文書を開く(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップを使用するHTML文書を開く
マップを使用するHTMLを開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟを使用するHTML文書をｴﾃﾞｨﾀで開く(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップを使用するHTML文書をエディタで開く
マップを使用するHTMLを編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像をエディタで開く(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このマップの画像を外部アプリケーションで編集
このマップの画像を編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リンク先をエディタで開く(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>現在選択中のエリアのリンク先をエディタで開く
リンク先ファイルをエディタで開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リンク先を開く(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>現在選択中のエリアのリンク先を開く
リンク先ファイルを開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップの検査(&amp;K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ブラウザやスクリーンリーダーで問題になる点をマップから探して一覧に表示
マップの検査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zephyrmapの設定
設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰ(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツールバーの表示/非表示
ツールバーの表示切替</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マッププロパティ(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップのプロパティの表示/非表示
マッププロパティの表示切替</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰ(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示
ｽﾃｰﾀｽ ﾊﾞｰの表示切り替え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアにハッチングをする(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリッカブルマップのエリアにハッチングを表示する
エリアにハッチングを表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50% (&amp;0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率を50%に
表示倍率50%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100% (&amp;1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率を100%に
表示倍率100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>150% (&amp;5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率を150%に
表示倍率150%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200% (&amp;2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率を200%に
表示倍率200%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>300% (&amp;3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率を300%に
表示倍率300%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25% (&amp;Q)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率を25%に
表示倍率25%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400% (&amp;4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率を400%に
表示倍率400%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600% (&amp;6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率を600%に
表示倍率600%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800% (&amp;8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率を800%に
表示倍率800%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拡大(&amp;I)	Ctrl++</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率を一段大きく
拡大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>縮小(&amp;O)	Ctrl+-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率を一段小さく
縮小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ウィンドウに合わせる(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像全体がウィンドウに収まる表示倍率に
ウィンドウに合わせる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グリッドを表示(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の上にグリッドを表示する
グリッドを表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グリッドに合わせる(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>描く点や動かすエリアをグリッドに合わせる
グリッドに合わせる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリアに合わせる(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>描く点や動かすエリアをほかのエリアの頂点と辺に合わせる
エリアに合わせる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zephyrmap ! ヘルプ(&amp;H)	F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zephyrmap!のヘルプを読む
Zephyrmap!ヘルプ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ReadMeファイルを読む(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>添付のReadMeファイルを読む
ReadMeファイルを読む</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示
ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリア(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoordinateStatus</name>
    <message>
        <source>X %1  Y %2  幅 %3  高さ %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中心 X %1  Y %2  半径 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X %1  Y %2  頂点 %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>HTMLファイル(*.htm* *.shtm*)|*.htm*;*.shtm*|テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML文書(*.*htm* )|*.*htm*|テキスト文書(*.txt )|*.txt|すべてのファイル(*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリップボードの内容を保持するプログラムが動いていないため、Zephyrmap!を終了するとクリップボードの内容は失われます。<byte value="xd"/>
HTMLソースをファイルに保存するか、Zephyrmap!形式で保存してから終了してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTMLファイルから開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ソースコードをファイルに保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>はすでに存在します。<byte value="xd"/>
上書きすると、クリッカブルマップタグ以外のHTMLソースは失われます。<byte value="xd"/>
上書きしますか?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>はすでに存在します。<byte value="xd"/>
上書きしますか?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル &quot;%1&quot; を保存できませんでした。<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTMLソースをクリップボードにコピーしました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリップボードへのデータ転送に失敗しました。<byte value="xd"/>
もう一度操作をやり直してみて下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;の中のマップ&quot;%2&quot;を、編集中のマップで更新しますか?<byte value="xd"/>
元のファイルは&quot;%1~&quot;として残ります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AREA %1 個を更新しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;には、マップ&quot;%2&quot;がありません。<byte value="xd"/>
HTMLソースを保存しますか?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
ファイルは変更していません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マップの文字の中に、ファイル&quot;%1&quot;の文字エンコードで表せないものがあります(%2行目)。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;の%2行目の書き換える部分に、Zephyrmap!で扱えない文字があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;の%2行目で、マップのタグがページの他の部分(閉じていないコメントや引用符、マップの文字の中のタグなど)とつながっているため、マップだけを書き換えることができません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;を更新できませんでした。<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExternalApps</name>
    <message>
        <source>アプリケーションが見つかりません。<byte value="xd"/>
外部アプリケーションの設定を確認して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルへの関連付けが正しく行われていないため、標準のアプリケーションを見つけることが出来ませんでした。<byte value="xd"/>
WINDOWSのアプリケーションの関連付けを正しく設定するか、Zephyrmap!の[設定]コマンドで外部アプリケーションを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このエリアには、リンクが設定されていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルのOPENに失敗しました。(エラー#%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル [ %1 ] が [ %2 ] に<byte value="xd"/>
すでに存在するため、作業ファイルを作成できません。<byte value="xd"/>
このファイルを別のフォルダに移動するか、削除する必要があります。<byte value="xd"/>
ここでこのファイルをごみ箱に移動しますか?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを削除できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル &quot;%1&quot; を作成できませんでした。<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル &quot;%1&quot; に書き込めませんでした。<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;が見つかりませんでした。<byte value="xd"/>
マップを使用するHTML文書のパスを確認してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;が見つかりませんでした。<byte value="xd"/>
リンク先を確認してください。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>画像ファイル(*.jpg *.jpeg *png *gif *bmp)|*.jpg;*.jpeg;*png;*.gif;*.bmp|JPEGファイル(*.jpg *.jpeg)|*.jpg;*.jpeg|PNGファイル(*.png)|*.png|GIFファイル(*gif)|*.gif|BMPファイル(*.bmp)|*.bmp|全てのファイル(*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilePreviewWnd</name>
    <message>
        <source>高さ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>幅 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridSettings</name>
    <message>
        <source>グリッド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グリッドの間隔(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ピクセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グリッドの色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色(&amp;Y)...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>言語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示する言語(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日本語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>言語の変更は、次回Zephyrmap!を起動した時から有効になります。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapCheckPane</name>
    <message>
        <source>マップの検査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エリア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>種類</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題は見つかりませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>無題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このHTMLには有効なクリッカブルマップが定義されていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込んだHTMLコードに構文エラーがある為、クリッカブルマップデータの作成に失敗しました。<byte value="xd"/>
HTMLコードを修正して、もう一度読み込みを行って下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このファイルは、Zephyrmap!形式のファイルではないか壊れているため、読み込むことができません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このファイルは、新しいバージョンのZephyrmap!で作成されているため、読み込むことができません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このファイルは、旧バージョンのZephyrmap!で作成されています。<byte value="xd"/>
このファイルを保存した場合、今後V2.4.2以前のZephyrmap!では開くことが出来なくなりますので、ご注意下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>予期しないファイル形式です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを開く事ができませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像ファイル&quot; %1 &quot;が見つかりません。<byte value="xd"/>
改めて画像ファイルを選択してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像ファイル&quot; %1 &quot;を読み込めませんでした。<byte value="xd"/>
JPEG、PNG、GIF、BMPの画像ファイルを選択してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このHTMLには、Shift-JISで表せない文字が%1個あったため、&quot;?&quot;に置き換えて読み込みました。<byte value="xd"/>
最初に置き換えた文字は%2行目にあります。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NativeFileCommands</name>
    <message>
        <source>ファイル &quot;%1&quot; を保存できませんでした。<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名 &quot;%1&quot; には、Zephyrmap!で扱えない文字が含まれています。<byte value="xd"/>
別の名前のファイルを選択してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zephyrmap!形式のファイルを開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zephyrmap!ファイル(*.zmf)|*.zmf||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zephyrmap ﾌｧｲﾙ (*.zmf)|*.zmf||</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewColumn</name>
    <message>
        <source>プレビュー</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramFileDialog</name>
    <message>
        <source>ファイル名 &quot;%1&quot; には、Zephyrmap!で扱えない文字が含まれています。<byte value="xd"/>
別の名前のファイルを選択してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ &quot;%1&quot; が見つかりません。<byte value="xd"/>
パスを確認してください。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegionTracing</name>
    <message>
        <source>トレースの色の許容差 : %1  ( [ で下げる、] で上げる )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>トレースした領域は画像全体の%1%を占めています。<byte value="xd"/>
背景をクリックしていないか確かめて下さい。<byte value="xd"/>
この領域をエリアとして追加しますか?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShiftJisValidator</name>
    <message>
        <source>Shift-JISで表せない文字は入力できません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SvgCommands</name>
    <message>
        <source>SVG文書(*.svg)|*.svg|HTML文書(*.*htm* )|*.*htm*|テキスト文書(*.txt )|*.txt|すべてのファイル(*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVGソースをファイルに保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVGソースをクリップボードにコピーしました。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewContextMenu</name>
    <message>
        <source>重なったエリアを選択(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

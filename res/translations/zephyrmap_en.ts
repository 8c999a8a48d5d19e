<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AreaGeometryField</name>
    <message>
        <source>座標 X, Y, 幅, 高さ(&amp;C)</source>
        <translation>&amp;Coordinates X, Y, width, height</translation>
    </message>
    <message>
        <source>中心 X, Y, 半径(&amp;C)</source>
        <translation>&amp;Centre X, Y, radius</translation>
    </message>
    <message>
        <source>頂点 X,Y, X,Y, ...(&amp;C)</source>
        <translation>&amp;Corners X,Y, X,Y, ...</translation>
    </message>
    <message>
        <source>座標(&amp;C)</source>
        <translation>&amp;Coordinates</translation>
    </message>
    <message>
        <source>座標には整数を、カンマか空白で区切って入力してください。</source>
        <translation>Type whole numbers for the coordinates, separated by commas or spaces.</translation>
    </message>
    <message>
        <source>四角形には X, Y, 幅, 高さの4つ、円形には中心の X, Y と半径の3つの数を入力してください。</source>
        <translation>A rectangle takes four numbers (X, Y, width, height); a circle takes three (the centre&apos;s X and Y, and the radius).</translation>
    </message>
    <message>
        <source>幅、高さ、半径は1以上にしてください。</source>
        <translation>The width, the height and the radius must be 1 or more.</translation>
    </message>
    <message>
        <source>多角形の頂点は X と Y の組で入力してください。数が奇数です。</source>
        <translation>Type a polygon&apos;s corners as pairs of X and Y: the count of numbers is odd.</translation>
    </message>
    <message>
        <source>多角形には3つ以上の頂点が必要です。</source>
        <translation>A polygon needs three corners or more.</translation>
    </message>
    <message>
        <source>座標が大きすぎます。%1 までの数を入力してください。</source>
        <translation>A coordinate is too large: type numbers up to %1.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Zephyrmap</translation>
    </message>
    <message>
        <source>Zephyrmap !  Version 2.5.3 [Dec. 2009]</source>
        <translation>Zephyrmap, version 2.5.3 (December 2009)</translation>
    </message>
</context>
<context>
    <name>CAreaPage</name>
    <message>
        <source>SHAPE=</source>
        <translation>SHAPE=</translation>
    </message>
    <message>
        <source>リンク先 HREF=</source>
        <translation>Link target HREF=</translation>
    </message>
    <message>
        <source>エリアのプロパティ &lt;A&amp;REA&gt;</source>
        <translation>Area properties &lt;A&amp;REA&gt;</translation>
    </message>
    <message>
        <source>相対パス</source>
        <translation>Relative path</translation>
    </message>
    <message>
        <source>リンク先 HRE&amp;F=</source>
        <translation>Link target HRE&amp;F=</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>説明文 &amp;ALT=</source>
        <translation>Alt text &amp;ALT=</translation>
    </message>
    <message>
        <source>ターゲットウィンドウ TAR&amp;GET=</source>
        <translation>Target window TAR&amp;GET=</translation>
    </message>
    <message>
        <source>その他の属性(&amp;P)</source>
        <translation>O&amp;ther attributes</translation>
    </message>
    <message>
        <source>&amp;NOHREF</source>
        <translation>&amp;NOHREF</translation>
    </message>
    <message>
        <source>選択エリアを削除(&amp;D)</source>
        <translation>&amp;Delete Selected Area</translation>
    </message>
    <message>
        <source>ﾘﾝｸ先をｴﾃﾞｨﾀで開く(&amp;E)</source>
        <translation>Open Link Target in &amp;Editor</translation>
    </message>
    <message>
        <source>ﾘﾝｸ先を開く(&amp;W)</source>
        <translation>Open Link Tar&amp;get</translation>
    </message>
    <message>
        <source>リンク先ファイルの選択</source>
        <translation>Choose the Link Target</translation>
    </message>
    <message>
        <source>HTML文書(*.*htm* )|*.*htm*|</source>
        <translation>HTML documents (*.*htm*)|*.*htm*|</translation>
    </message>
    <message>
        <source>NOHREF ( リンクしない )</source>
        <translation>NOHREF (no link)</translation>
    </message>
    <message>
        <source>(エリアごとに異なる値)</source>
        <translation>(differs between the areas)</translation>
    </message>
</context>
<context>
    <name>CHtmlDocDlg</name>
    <message>
        <source>マップを使用するHTML文書</source>
        <translation>HTML Document Using the Map</translation>
    </message>
    <message>
        <source>クリッカブルマップを使用するHTML文書を指定してください。</source>
        <translation>Name the HTML document that uses the image map.</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>クリッカブルマップを使用するHTML文書のパスを<byte value="xd"/>
正しく設定してください。</source>
        <translation>Please give the correct path of the HTML document
that uses the image map.</translation>
    </message>
    <message>
        <source>マップを使用するHTML文書の指定</source>
        <translation>Choose the HTML Document Using the Map</translation>
    </message>
    <message>
        <source>HTMLファイル(*.htm* *.shtm*)|*.htm*;*.shtm*|すべてのファイル(*.*)|*.*||</source>
        <translation>HTML files (*.htm* *.shtm*)|*.htm*;*.shtm*|All files (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>CImgFileDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>相対パス(&amp;P):</source>
        <translation>Relative &amp;path:</translation>
    </message>
    <message>
        <source>自動的に付加</source>
        <translation>Add automatically</translation>
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
        <translation>New
Paste HTML
Open HTML

Copy HTML
Save HTML

Rectangle
Circle
Polygon
Trace

Undo
Redo

Zoom

Browser
Source</translation>
    </message>
    <message>
        <source>ﾚﾃﾞｨ</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>表示倍率</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>整列(&amp;A)</source>
        <translation>&amp;Arrange</translation>
    </message>
    <message>
        <source>メイン</source>
        <translation>Main Toolbar</translation>
    </message>
    <message>
        <source>マッププロパティ</source>
        <translation>Map Properties</translation>
    </message>
    <message>
        <source>マップ</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>エリア</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>最近使ったﾌｧｲﾙ</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>指定のﾌｧｲﾙを開く</source>
        <translation>Open this file</translation>
    </message>
    <message>
        <source>%1 (キー %2)</source>
        <translation>%1 (key %2)</translation>
    </message>
</context>
<context>
    <name>CMapChoiceDlg</name>
    <message>
        <source>このHTMLには、複数のクリッカブルマップが定義されています。
Zephyrmap!で編集するマップを下のリストから選択してください。</source>
        <translation>This HTML defines more than one image map.
Choose the map to edit from the list below.</translation>
    </message>
    <message>
        <source>マップの選択</source>
        <translation>Choose a Map</translation>
    </message>
    <message>
        <source>マップの名前</source>
        <translation>Map name</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CMapPage</name>
    <message>
        <source>マップのプロパティ</source>
        <translation>Map properties</translation>
    </message>
    <message>
        <source>変更...</source>
        <translation>Change...</translation>
    </message>
    <message>
        <source>マップを使用するH&amp;TML文書</source>
        <translation>HTML &amp;document using the map</translation>
    </message>
    <message>
        <source>マップの名前 &amp;NAME= / USEMAP=</source>
        <translation>Map name &amp;NAME= / USEMAP=</translation>
    </message>
    <message>
        <source>画像のプロパティ &lt;IMG&gt;</source>
        <translation>Image properties &lt;IMG&gt;</translation>
    </message>
    <message>
        <source>相対パス</source>
        <translation>Relative path</translation>
    </message>
    <message>
        <source>画像のサイズ</source>
        <translation>Image size</translation>
    </message>
    <message>
        <source>幅 WIDTH=</source>
        <translation>Width WIDTH=</translation>
    </message>
    <message>
        <source>高さ HEIGHT=</source>
        <translation>Height HEIGHT=</translation>
    </message>
    <message>
        <source>画像の周りの余白</source>
        <translation>Space around the image</translation>
    </message>
    <message>
        <source>左右 &amp;HSPACE=</source>
        <translation>Sides &amp;HSPACE=</translation>
    </message>
    <message>
        <source>上下 &amp;VSPACE=</source>
        <translation>Top, bottom &amp;VSPACE=</translation>
    </message>
    <message>
        <source>画像URL &amp;SRC=</source>
        <translation>Image URL &amp;SRC=</translation>
    </message>
    <message>
        <source>枠の太さ &amp;BORDER=</source>
        <translation>Border width &amp;BORDER=</translation>
    </message>
    <message>
        <source>画像の位置 A&amp;LIGN=</source>
        <translation>Image alignment A&amp;LIGN=</translation>
    </message>
    <message>
        <source>説明文 AL&amp;T=</source>
        <translation>Alt text AL&amp;T=</translation>
    </message>
    <message>
        <source>マップを使用するHTML文書の指定</source>
        <translation>Choose the HTML Document Using the Map</translation>
    </message>
    <message>
        <source>HTML文書(*.*htm* )|*.*htm*|すべてのファイル(*.*)|*.*||</source>
        <translation>HTML documents (*.*htm*)|*.*htm*|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>マップで使用する画像の指定</source>
        <translation>Choose the Map&apos;s Image</translation>
    </message>
</context>
<context>
    <name>CMapSetupDlg</name>
    <message>
        <source>マップの初期設定</source>
        <translation>New Map</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>マップの名前 &amp;USEMAP= / NAME=</source>
        <translation>Map name NAME= / &amp;USEMAP=</translation>
    </message>
    <message>
        <source>マップの画像 &amp;SRC=</source>
        <translation>Map image &amp;SRC=</translation>
    </message>
    <message>
        <source>マップを使用する&amp;HTML文書</source>
        <translation>&amp;HTML document using the map</translation>
    </message>
    <message>
        <source>マップで使用する画像の指定</source>
        <translation>Choose the Map&apos;s Image</translation>
    </message>
    <message>
        <source>マップを使用するHTML文書の指定</source>
        <translation>Choose the HTML Document Using the Map</translation>
    </message>
    <message>
        <source>HTML文書(*.*htm* )|*.*htm*|全てのファイル(*.*)|*.*||</source>
        <translation>HTML documents (*.*htm*)|*.*htm*|All files (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>CPrpIni</name>
    <message>
        <source>Zephyrmap ! の設定</source>
        <translation>Zephyrmap Settings</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&quot;デフォルトエリアを自動的に最後尾に配置する&quot;設定は、<byte value="xd"/>
次回Zephyrnap!を起動した時から有効になります。</source>
        <translation>The setting &quot;Move the DEFAULT area to the end of the list&quot;
takes effect when Zephyrmap next starts.</translation>
    </message>
</context>
<context>
    <name>CPrpIniBrows</name>
    <message>
        <source>プレビューに使用するアプリケーション</source>
        <translation>Applications for previews</translation>
    </message>
    <message>
        <source>マップをプレビューするブラウザの場所(&amp;P)</source>
        <translation>Browser that &amp;previews the map</translation>
    </message>
    <message>
        <source>ブラウザのパスの指定</source>
        <translation>Choose the Browser</translation>
    </message>
    <message>
        <source>HTMLソースをプレビューするアプリケーションの場所(&amp;S)</source>
        <translation>Application that previews the HTML &amp;source</translation>
    </message>
    <message>
        <source>HTMLエディタのパスの指定</source>
        <translation>Choose the HTML Editor</translation>
    </message>
    <message>
        <source>ファイルを開くアプリケーション</source>
        <translation>Applications that open files</translation>
    </message>
    <message>
        <source>画像を開くアプリケーションの場所(&amp;I)</source>
        <translation>Application that opens &amp;images</translation>
    </message>
    <message>
        <source>画像を開くアプリケーションの指定</source>
        <translation>Choose the Application That Opens Images</translation>
    </message>
    <message>
        <source>標準のアプリケーション(&amp;X)</source>
        <translation>Desktop&apos;s defa&amp;ult</translation>
    </message>
    <message>
        <source>HTML文書を開くアプリケーションの場所(&amp;H)</source>
        <translation>Application that opens &amp;HTML documents</translation>
    </message>
    <message>
        <source>HTML文書を開くブラウザの指定</source>
        <translation>Choose the Browser That Opens HTML Documents</translation>
    </message>
    <message>
        <source>標準のアプリケーション(&amp;M)</source>
        <translation>Desktop&apos;s &amp;default</translation>
    </message>
    <message>
        <source>ファイルを編集するエディタ</source>
        <translation>Editors for files</translation>
    </message>
    <message>
        <source>HTML文書を編集するエディタの場所(&amp;T)</source>
        <translation>Editor for HTML documen&amp;ts</translation>
    </message>
    <message>
        <source>HTML文書を開くエディタの指定</source>
        <translation>Choose the Editor for HTML Documents</translation>
    </message>
    <message>
        <source>画像を編集するエディタの場所(&amp;E)</source>
        <translation>&amp;Editor for images</translation>
    </message>
    <message>
        <source>画像を開くエディタの指定</source>
        <translation>Choose the Editor for Images</translation>
    </message>
    <message>
        <source>参照 ...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>プログラム(*.exe)|*.exe||</source>
        <translation>Programs (*.exe)|*.exe||</translation>
    </message>
    <message>
        <source>プログラム|*||</source>
        <translation>Programs|*||</translation>
    </message>
    <message>
        <source>外部ｱﾌﾟﾘｹｰｼｮﾝ</source>
        <translation>Applications</translation>
    </message>
</context>
<context>
    <name>CPrpIniView</name>
    <message>
        <source>画面の設定</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>編集画面の背景色</source>
        <translation>Editor background colour</translation>
    </message>
    <message>
        <source>色(&amp;B)...</source>
        <translation>Colour...</translation>
    </message>
    <message>
        <source>エリアの輪郭線色</source>
        <translation>Area outline colour</translation>
    </message>
    <message>
        <source>色(&amp;O)...</source>
        <translation>Colour...</translation>
    </message>
    <message>
        <source>エリアのハッチング色</source>
        <translation>Area hatching colour</translation>
    </message>
    <message>
        <source>色(&amp;H)...</source>
        <translation>Colour...</translation>
    </message>
    <message>
        <source>ハッチングをする(&amp;A)</source>
        <translation>Hatch &amp;areas</translation>
    </message>
    <message>
        <source>デフォルトに戻す(&amp;D)</source>
        <translation>Restore &amp;defaults</translation>
    </message>
    <message>
        <source>出力HTMLの設定</source>
        <translation>HTML output</translation>
    </message>
    <message>
        <source>タグ表記</source>
        <translation>Tags in</translation>
    </message>
    <message>
        <source>大文字(&amp;U)</source>
        <translation>&amp;Upper case</translation>
    </message>
    <message>
        <source>小文字(&amp;L)</source>
        <translation>&amp;Lower case</translation>
    </message>
    <message>
        <source>&quot;その他の属性&quot;のタグは大/小文字変換しない(&amp;M)</source>
        <translation>&amp;Keep the case of &quot;Other attributes&quot; as typed</translation>
    </message>
    <message>
        <source>AREAタグのインデント</source>
        <translation>AREA tags</translation>
    </message>
    <message>
        <source>インデントしない(&amp;F)</source>
        <translation>No &amp;indentation</translation>
    </message>
    <message>
        <source>半角スペースでインデント(&amp;S)</source>
        <translation>Indent &amp;with spaces</translation>
    </message>
    <message>
        <source>タブでインデント(&amp;T)</source>
        <translation>Indent with &amp;tabs</translation>
    </message>
    <message>
        <source>インデント量</source>
        <translation>Indent width</translation>
    </message>
    <message>
        <source>SHAPE属性の表記</source>
        <translation>SHAPE keywords</translation>
    </message>
    <message>
        <source>&amp;rect</source>
        <translation>&amp;rect</translation>
    </message>
    <message>
        <source>rectan&amp;gle</source>
        <translation>rectan&amp;gle</translation>
    </message>
    <message>
        <source>&amp;circ</source>
        <translation>&amp;circ</translation>
    </message>
    <message>
        <source>circl&amp;e</source>
        <translation>circl&amp;e</translation>
    </message>
    <message>
        <source>&amp;poly</source>
        <translation>&amp;poly</translation>
    </message>
    <message>
        <source>polygo&amp;n</source>
        <translation>polygo&amp;n</translation>
    </message>
    <message>
        <source>編集設定</source>
        <translation>Editing</translation>
    </message>
    <message>
        <source>DEFAULTエリアを自動的に最後尾に配置する(&amp;I)</source>
        <translation>Mo&amp;ve the DEFAULT area to the end of the list</translation>
    </message>
    <message>
        <source>AREAタグの同ページ内リンクはファイル名を省略する(&amp;J)</source>
        <translation>Omit t&amp;he file name from links within the same page</translation>
    </message>
    <message>
        <source> ピクセル</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>トレースの色の許容差(&amp;K)</source>
        <translation>Trace c&amp;olour tolerance</translation>
    </message>
    <message>
        <source>トレースの単純化距離(&amp;W)</source>
        <translation>Trace si&amp;mplification distance</translation>
    </message>
    <message>
        <source>エディタ設定</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>編集画面の設定をデフォルトに戻しますか?</source>
        <translation>Restore the display settings to their defaults?</translation>
    </message>
</context>
<context>
    <name>CRefitDlg</name>
    <message>
        <source>画像を差し替えてエリアを合わせる</source>
        <translation>Replace Image and Fit Areas</translation>
    </message>
    <message>
        <source>エリアがずれているときは、エリアや元の画像の目印になる点を押して、新しい画像の正しい位置までドラッグしてください(3組まで)。1組で位置を、2組で縦横の倍率を、3組で回転も合わせます。右クリックで基準点を消します。</source>
        <translation>Where the areas are off, press on a landmark of the areas or of the old image and drag it to where it belongs in the new image (up to three pairs). One pair fits the position, two the scales across and down, three the turn as well. A right click takes a reference point away.</translation>
    </message>
    <message>
        <source>元の画像を重ねて表示(&amp;O)</source>
        <translation>&amp;Overlay the Old Image</translation>
    </message>
    <message>
        <source>基準点を消す(&amp;C)</source>
        <translation>&amp;Clear Reference Points</translation>
    </message>
    <message>
        <source>基準点から求めました(%1 / 3 組)。</source>
        <translation>Found from the reference points (%1 of 3 pairs).</translation>
    </message>
    <message>
        <source>基準点をドラッグすれば合わせられます。</source>
        <translation>Drag reference points to fit the areas by hand.</translation>
    </message>
    <message>
        <source>特徴の一致から求めました(%1 / %2 個が一致、残差 %3 ピクセル)。</source>
        <translation>Found by matching features (%1 of %2 agree, residual %3 px).</translation>
    </message>
    <message>
        <source>手がかりになる特徴が少ないため、画像の大きさの比から求めました。</source>
        <translation>Too few features to match: found from the ratio of the images&apos; sizes.</translation>
    </message>
    <message>
        <source>元の画像がないため、マップの大きさ(%1×%2)と新しい画像の大きさの比から求めました。</source>
        <translation>The old image is not at hand: found from the ratio of the map&apos;s size (%1×%2) to the new image&apos;s.</translation>
    </message>
    <message>
        <source>新しい画像の外に出るエリア: %1</source>
        <translation>Areas outside the new image: %1</translation>
    </message>
    <message>
        <source>倍率 横 %1 × 縦 %2、回転 %3°、移動 (%4, %5)</source>
        <translation>Scale %1 across × %2 down, turned %3°, shifted by (%4, %5)</translation>
    </message>
</context>
<context>
    <name>CSaveChangesDlg</name>
    <message>
        <source>クリッカブルマップの内容が変更されています。<byte value="xd"/>
マップのデータを出力しますか?</source>
        <translation>The image map has changed.
Do you want to save the map?</translation>
    </message>
    <message>
        <source>テキストファイルに出力</source>
        <translation>Save as HTML File</translation>
    </message>
    <message>
        <source>クリップボードに出力</source>
        <translation>Copy HTML</translation>
    </message>
    <message>
        <source>Zephyrmap!形式で保存</source>
        <translation>Save as Zephyrmap File</translation>
    </message>
    <message>
        <source>変更を破棄</source>
        <translation>Discard Changes</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CTextFileDlg</name>
    <message>
        <source>文字エンコード(&amp;J):</source>
        <translation>&amp;Encoding:</translation>
    </message>
    <message>
        <source>改行コード(&amp;L):</source>
        <translation>&amp;Line ends:</translation>
    </message>
    <message>
        <source>自動選択</source>
        <translation>Detect automatically</translation>
    </message>
    <message>
        <source>ShiftJIS</source>
        <translation>Shift_JIS</translation>
    </message>
    <message>
        <source>JIS</source>
        <translation>ISO-2022-JP</translation>
    </message>
    <message>
        <source>EUC</source>
        <translation>EUC-JP</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>UTF-8 (シグニチャコード無し)</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>UTF-8 (シグニチャコード有り)</source>
        <translation>UTF-8 with BOM</translation>
    </message>
    <message>
        <source>UTF-16</source>
        <translation>UTF-16</translation>
    </message>
    <message>
        <source>UTF-16 (Little-Endian)</source>
        <translation>UTF-16LE</translation>
    </message>
    <message>
        <source>UTF-16 (Big-Endian)</source>
        <translation>UTF-16BE</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>CR+LF (Windows)</source>
        <translation>CR+LF (Windows)</translation>
    </message>
    <message>
        <source>LF (UNIX)</source>
        <translation>LF (macOS, Linux)</translation>
    </message>
    <message>
        <source>CR (Macintosh)</source>
        <translation>CR (classic Mac OS)</translation>
    </message>
</context>
<context>
    <name>CZephyrmapApp</name>
    <message>
        <source>ファイル &quot;%1&quot; が見つかりません。<byte value="xd"/>
Zephyrmap!を入れ直してください。</source>
        <translation>The file &quot;%1&quot; is missing.
Please install Zephyrmap again.</translation>
    </message>
    <message>
        <source>ファイル &quot;%1&quot; を開くアプリケーションが見つかりません。</source>
        <translation>No application was found to open the file &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>CZephyrmapView</name>
    <message>
        <source>画像のレンダリング処理に失敗しました。<byte value="xd"/>
画像サイズが、Zephyrmap!の処理能力を超えている可能性があります。<byte value="xd"/>
表示倍率を低く設定して見て下さい。</source>
        <translation>The image could not be rendered.
It may be larger than Zephyrmap can handle.
Please try a lower magnification.</translation>
    </message>
    <message>
        <source>ｴﾘｱ数 : %1</source>
        <translation>Areas: %1</translation>
    </message>
</context>
<context>
    <name>CheckTexts</name>
    <message>
        <source>リンクのあるエリアにALTがありません。スクリーンリーダーはこのリンクを読み上げられません。</source>
        <translation>An area with a link has no alt text. Screen readers cannot read this link out.</translation>
    </message>
    <message>
        <source>幅か高さが0の四角形です。クリックできる部分がありません。</source>
        <translation>A rectangle of zero width or height. Nothing of it can be clicked.</translation>
    </message>
    <message>
        <source>半径が0の円です。クリックできる部分がありません。</source>
        <translation>A circle of zero radius. Nothing of it can be clicked.</translation>
    </message>
    <message>
        <source>面積のない多角形です(異なる点が3つ未満か、すべての点が一直線上にあります)。</source>
        <translation>A polygon without area (fewer than 3 distinct points, or all points on one line).</translation>
    </message>
    <message>
        <source>リストで先にあるエリアに完全に隠れているため、このエリアはクリックできません。</source>
        <translation>This area cannot be clicked: areas before it in the list cover it completely.</translation>
    </message>
    <message>
        <source>エリアが画像(%1×%2)の外にはみ出しています。</source>
        <translation>The area reaches outside the image (%1×%2).</translation>
    </message>
    <message>
        <source>エリアが画像(%1×%2)の外にあるため、クリックできません。</source>
        <translation>The area lies outside the image (%1×%2), so it cannot be clicked.</translation>
    </message>
    <message>
        <source>エリア %1 と形・座標・リンクが同じです。</source>
        <translation>Same shape, coordinates and link as area %1.</translation>
    </message>
    <message>
        <source>リンク先のファイル &quot;%1&quot; がありません。</source>
        <translation>The linked file &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>IMGのUSEMAP &quot;%1&quot; に &quot;#&quot; がないため、どのマップも使われません。</source>
        <translation>The IMG&apos;s USEMAP &quot;%1&quot; has no &quot;#&quot;, so no map is used.</translation>
    </message>
    <message>
        <source>IMGのUSEMAPが指す名前 &quot;%1&quot; のマップが、このページにありません。</source>
        <translation>This page has no map named &quot;%1&quot;, the name the IMG&apos;s USEMAP points to.</translation>
    </message>
    <message>
        <source>IMGのUSEMAPが指す名前 &quot;%1&quot; のマップがありません。マップ &quot;%2&quot; とは大文字と小文字が違うため、ブラウザはこのマップを使いません。</source>
        <translation>There is no map named &quot;%1&quot;, the name the IMG&apos;s USEMAP points to. The map &quot;%2&quot; differs from it in upper and lower case, so browsers do not use it.</translation>
    </message>
    <message>
        <source>IMGのUSEMAP &quot;#%1&quot; に合うのはMAPのidだけです。NAMEでマップを探すブラウザでは、マップが使われません。</source>
        <translation>Only a MAP&apos;s id matches the IMG&apos;s USEMAP &quot;#%1&quot;. Browsers that look for the map by NAME do not use the map.</translation>
    </message>
    <message>
        <source>IMGのUSEMAP &quot;%1&quot; は &quot;#&quot; の前に文字か空白があるため、ブラウザやツールによってマップの探し方が違います。</source>
        <translation>The IMG&apos;s USEMAP &quot;%1&quot; has characters or spaces before the &quot;#&quot;, so browsers and tools differ in how they find the map.</translation>
    </message>
    <message>
        <source>マップの名前 &quot;%1&quot; は、%2行目のマップと同じです。ブラウザは最初のマップを使います。</source>
        <translation>The map name &quot;%1&quot; is the same as that of the map on line %2. Browsers use the first map.</translation>
    </message>
    <message>
        <source>マップを使うIMGにALTがありません。スクリーンリーダーは、この画像とマップが何かを伝えられません。</source>
        <translation>The IMG that uses the map has no alt text. Screen readers cannot tell what the image and its map are.</translation>
    </message>
    <message>
        <source>マップ &quot;%1&quot; を使うIMGが、このページにありません。このマップは表示されません。</source>
        <translation>No IMG on this page uses the map &quot;%1&quot;. The map is never shown.</translation>
    </message>
    <message>
        <source>属性 %1 はSVGのリンクに書けないため、SVG形式では省かれます(HTML形式には残ります)。</source>
        <translation>The attributes %1 are not allowed on an SVG link, so the SVG form leaves them out (the HTML form keeps them).</translation>
    </message>
    <message>
        <source>エリア %1: 属性 %2 はSVGのリンクに書けないため、省きました。</source>
        <translation>Area %1: left out the attributes %2, which are not allowed on an SVG link.</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>表示倍率</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>表示倍率の変更
表示倍率</source>
        <translation>Change the magnification
Zoom</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを印刷
印刷</source>
        <translation>Print the file being edited
Print</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)...	Ctrl+N</source>
        <translation>&amp;New Map...	Ctrl+N</translation>
    </message>
    <message>
        <source>新規にクリッカブルマップを作成
新規マップ</source>
        <translation>Create a new image map
New map</translation>
    </message>
    <message>
        <source>HTMLファイルから開く(&amp;H)...	Ctrl+H</source>
        <translation>Open from &amp;HTML File...	Ctrl+H</translation>
    </message>
    <message>
        <source>HTMLファイルからクリッカブルマップを開く
HTMLから開く</source>
        <translation>Open an image map from an HTML file
Open from HTML</translation>
    </message>
    <message>
        <source>クリップボードから開く(&amp;C)	Ctrl+B</source>
        <translation>Open from &amp;Clipboard	Ctrl+B</translation>
    </message>
    <message>
        <source>クリップボードからクリッカブルマップを開く
クリップボードから開く</source>
        <translation>Open an image map from HTML on the clipboard
Paste HTML</translation>
    </message>
    <message>
        <source>HTMLソースを保存(&amp;T)...	Ctrl+L</source>
        <translation>Save HTML Source &amp;to File...	Ctrl+L</translation>
    </message>
    <message>
        <source>クリッカブルマップのHTMLソースをファイルに保存
HTMLソースを保存</source>
        <translation>Save the image map&apos;s HTML source to a file
Save HTML source</translation>
    </message>
    <message>
        <source>HTML文書のマップを更新(&amp;U)</source>
        <translation>&amp;Update the Map in the HTML Document</translation>
    </message>
    <message>
        <source>マップを使用するHTML文書の中のマップを、編集中のマップで更新
HTML文書のマップを更新</source>
        <translation>Replace the map in the HTML document that uses it with the map being edited
Update the map in the HTML document</translation>
    </message>
    <message>
        <source>クリップボードに出力(&amp;B)	Ctrl+D</source>
        <translation>Copy HTML Source to Clip&amp;board	Ctrl+D</translation>
    </message>
    <message>
        <source>クリッカブルマップのHTMLソースをクリップボードに出力
HTMLソースをクリップボードに出力</source>
        <translation>Copy the image map&apos;s HTML source to the clipboard
Copy HTML</translation>
    </message>
    <message>
        <source>SVGソースを保存(&amp;G)...</source>
        <translation>Save SV&amp;G Source to File...</translation>
    </message>
    <message>
        <source>画像の大きさに合わせて伸び縮みするSVG形式のマップをファイルに保存
SVGソースを保存</source>
        <translation>Save the map as SVG, which scales with the image, to a file
Save SVG source</translation>
    </message>
    <message>
        <source>SVGをクリップボードに出力(&amp;V)</source>
        <translation>Copy S&amp;VG Source to Clipboard</translation>
    </message>
    <message>
        <source>画像の大きさに合わせて伸び縮みするSVG形式のマップをクリップボードに出力
SVGをクリップボードに出力</source>
        <translation>Copy the map as SVG, which scales with the image, to the clipboard
Copy SVG to clipboard</translation>
    </message>
    <message>
        <source>開く(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>Zephyrmapファイルを開く
開く</source>
        <translation>Open a Zephyrmap file
Open</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Zephyrmap形式でﾌｧｲﾙを上書き保存
保存</source>
        <translation>Save the file in the Zephyrmap format
Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Zephyrmap形式で新しい名前をつけて保存
名前をつけて保存</source>
        <translation>Save in the Zephyrmap format under a new name
Save as</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝの終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示
終了</source>
        <translation>Quit the application, asking to save the work
Exit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>操作を元に戻す
元に戻す</source>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message>
        <source>やり直す(&amp;R)	Ctrl+Y</source>
        <translation>&amp;Redo	Ctrl+Y</translation>
    </message>
    <message>
        <source>取り消した操作をやり直す
やり直す</source>
        <translation>Redo the action undone
Redo</translation>
    </message>
    <message>
        <source>エリアのコピー(&amp;C)	Ctrl+C</source>
        <translation>&amp;Copy Area	Ctrl+C</translation>
    </message>
    <message>
        <source>選択したエリアをクリップボードにコピー
エリアをコピー</source>
        <translation>Copy the selected area to the clipboard
Copy area</translation>
    </message>
    <message>
        <source>エリアの切り取り(&amp;T)	Ctrl+X</source>
        <translation>Cu&amp;t Area	Ctrl+X</translation>
    </message>
    <message>
        <source>選択したエリアをクリップボードに切り取り
エリアを切り取る</source>
        <translation>Cut the selected area to the clipboard
Cut area</translation>
    </message>
    <message>
        <source>エリアの貼り付け(&amp;P)	Ctrl+V</source>
        <translation>&amp;Paste Area	Ctrl+V</translation>
    </message>
    <message>
        <source>エリアをクリップボードから貼り付け
エリアの貼り付け</source>
        <translation>Paste an area from the clipboard
Paste area</translation>
    </message>
    <message>
        <source>エリアと属性の貼り付け(&amp;S)	Ctrl+Shift+V</source>
        <translation>Paste Area with Attribute&amp;s	Ctrl+Shift+V</translation>
    </message>
    <message>
        <source>エリアとその属性値をクリップボードから貼り付け
エリアと属性値の貼り付け</source>
        <translation>Paste an area and its attributes from the clipboard
Paste area with attributes</translation>
    </message>
    <message>
        <source>選択エリアを削除(&amp;D)	Delete</source>
        <translation>&amp;Delete Selected Area	Delete</translation>
    </message>
    <message>
        <source>選択したエリアを削除
エリアの削除</source>
        <translation>Delete the selected area
Delete area</translation>
    </message>
    <message>
        <source>選択ポイントを削除(&amp;V)	Ctrl+Delete</source>
        <translation>Delete Selected &amp;Vertex	Ctrl+Delete</translation>
    </message>
    <message>
        <source>選択したポイントを削除
ポイントを削除</source>
        <translation>Delete the selected vertex
Delete vertex</translation>
    </message>
    <message>
        <source>四角形(&amp;R)</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <source>RECTエリアの作成
RECT</source>
        <translation>Draw a rectangle
Rectangle</translation>
    </message>
    <message>
        <source>円形(&amp;L)</source>
        <translation>Circ&amp;le</translation>
    </message>
    <message>
        <source>CIRCエリアの作成
CIRC</source>
        <translation>Draw a circle
Circle</translation>
    </message>
    <message>
        <source>多角形(&amp;N)</source>
        <translation>Polygo&amp;n</translation>
    </message>
    <message>
        <source>POLYエリアの作成
POLY</source>
        <translation>Draw a polygon
Polygon</translation>
    </message>
    <message>
        <source>領域をトレース(&amp;T)</source>
        <translation>&amp;Trace Region</translation>
    </message>
    <message>
        <source>クリックした領域の輪郭からPOLYエリアを作成
領域をトレース</source>
        <translation>Make a polygon from the outline of the region clicked
Trace region</translation>
    </message>
    <message>
        <source>ツールを続けて使う(&amp;K)</source>
        <translation>&amp;Keep the Tool</translation>
    </message>
    <message>
        <source>エリアを作ったあとも同じツールを使い続ける
ツールを続けて使う</source>
        <translation>Keep using the same tool after making an area
Keep the tool</translation>
    </message>
    <message>
        <source>左揃え(&amp;L)</source>
        <translation>Align &amp;Left</translation>
    </message>
    <message>
        <source>選択したエリアの左端を揃える
左揃え</source>
        <translation>Align the left edges of the selected areas
Align left</translation>
    </message>
    <message>
        <source>右揃え(&amp;R)</source>
        <translation>Align &amp;Right</translation>
    </message>
    <message>
        <source>選択したエリアの右端を揃える
右揃え</source>
        <translation>Align the right edges of the selected areas
Align right</translation>
    </message>
    <message>
        <source>上揃え(&amp;T)</source>
        <translation>Align &amp;Top</translation>
    </message>
    <message>
        <source>選択したエリアの上端を揃える
上揃え</source>
        <translation>Align the top edges of the selected areas
Align top</translation>
    </message>
    <message>
        <source>下揃え(&amp;B)</source>
        <translation>Align &amp;Bottom</translation>
    </message>
    <message>
        <source>選択したエリアの下端を揃える
下揃え</source>
        <translation>Align the bottom edges of the selected areas
Align bottom</translation>
    </message>
    <message>
        <source>左右中央揃え(&amp;C)</source>
        <translation>Align &amp;Centres Horizontally</translation>
    </message>
    <message>
        <source>選択したエリアの左右の中央を揃える
左右中央揃え</source>
        <translation>Align the horizontal centres of the selected areas
Align centres horizontally</translation>
    </message>
    <message>
        <source>上下中央揃え(&amp;M)</source>
        <translation>Align &amp;Middles Vertically</translation>
    </message>
    <message>
        <source>選択したエリアの上下の中央を揃える
上下中央揃え</source>
        <translation>Align the vertical middles of the selected areas
Align middles vertically</translation>
    </message>
    <message>
        <source>左右に等間隔に配置(&amp;H)</source>
        <translation>Distribute &amp;Horizontally</translation>
    </message>
    <message>
        <source>選択したエリアを左右に等しい間隔で並べる
左右に等間隔</source>
        <translation>Space the selected areas evenly from left to right
Distribute horizontally</translation>
    </message>
    <message>
        <source>上下に等間隔に配置(&amp;V)</source>
        <translation>Distribute &amp;Vertically</translation>
    </message>
    <message>
        <source>選択したエリアを上下に等しい間隔で並べる
上下に等間隔</source>
        <translation>Space the selected areas evenly from top to bottom
Distribute vertically</translation>
    </message>
    <message>
        <source>幅を揃える(&amp;W)</source>
        <translation>Same &amp;Width</translation>
    </message>
    <message>
        <source>選択したエリアの幅を最初に選んだエリアに揃える
幅を揃える</source>
        <translation>Give the selected areas the width of the area selected first
Same width</translation>
    </message>
    <message>
        <source>高さを揃える(&amp;E)</source>
        <translation>Same H&amp;eight</translation>
    </message>
    <message>
        <source>選択したエリアの高さを最初に選んだエリアに揃える
高さを揃える</source>
        <translation>Give the selected areas the height of the area selected first
Same height</translation>
    </message>
    <message>
        <source>ブラウザでプレビュー(&amp;B)	F5</source>
        <translation>Preview in &amp;Browser	F5</translation>
    </message>
    <message>
        <source>クリッカブルマップをブラウザでプレビュー
ブラウザでプレビュー</source>
        <translation>Preview the image map in a browser
Preview in browser</translation>
    </message>
    <message>
        <source>HTMLソースをプレビュー(&amp;S)	F6</source>
        <translation>Preview HTML &amp;Source	F6</translation>
    </message>
    <message>
        <source>クリッカブルマップのHTMLソースをプレビュー
HTMLソースをプレビュー</source>
        <translation>Preview the image map&apos;s HTML source
Preview HTML source</translation>
    </message>
    <message>
        <source>マップを使用するHTML文書を開く(&amp;M)</source>
        <translation>Open the HTML Document Using the &amp;Map</translation>
    </message>
    <message>
        <source>マップを使用するHTML文書を開く
マップを使用するHTMLを開く</source>
        <translation>Open the HTML document that uses the map
Open the map&apos;s HTML</translation>
    </message>
    <message>
        <source>ﾏｯﾌﾟを使用するHTML文書をｴﾃﾞｨﾀで開く(&amp;H)</source>
        <translation>Edit the &amp;HTML Document Using the Map</translation>
    </message>
    <message>
        <source>マップを使用するHTML文書をエディタで開く
マップを使用するHTMLを編集</source>
        <translation>Open the HTML document that uses the map in an editor
Edit the map&apos;s HTML</translation>
    </message>
    <message>
        <source>画像をエディタで開く(&amp;I)</source>
        <translation>Edit the &amp;Image</translation>
    </message>
    <message>
        <source>このマップの画像を外部アプリケーションで編集
このマップの画像を編集</source>
        <translation>Edit this map&apos;s image in another application
Edit the map&apos;s image</translation>
    </message>
    <message>
        <source>リンク先をエディタで開く(&amp;E)</source>
        <translation>Open Link Target in &amp;Editor</translation>
    </message>
    <message>
        <source>現在選択中のエリアのリンク先をエディタで開く
リンク先ファイルをエディタで開く</source>
        <translation>Open the selected area&apos;s link target in an editor
Edit the link target</translation>
    </message>
    <message>
        <source>リンク先を開く(&amp;W)</source>
        <translation>Open Link Tar&amp;get</translation>
    </message>
    <message>
        <source>現在選択中のエリアのリンク先を開く
リンク先ファイルを開く</source>
        <translation>Open the selected area&apos;s link target
Open the link target</translation>
    </message>
    <message>
        <source>マップの検査(&amp;K)</source>
        <translation>Chec&amp;k Map</translation>
    </message>
    <message>
        <source>ブラウザやスクリーンリーダーで問題になる点をマップから探して一覧に表示
マップの検査</source>
        <translation>List what browsers and screen readers will stumble on in the map
Check map</translation>
    </message>
    <message>
        <source>設定(&amp;O)...</source>
        <translation>Se&amp;ttings...</translation>
    </message>
    <message>
        <source>Zephyrmapの設定
設定</source>
        <translation>Change Zephyrmap&apos;s settings
Settings</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰ(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ツールバーの表示/非表示
ツールバーの表示切替</source>
        <translation>Show or hide the toolbar
Toolbar</translation>
    </message>
    <message>
        <source>マッププロパティ(&amp;M)</source>
        <translation>&amp;Map Properties</translation>
    </message>
    <message>
        <source>マップのプロパティの表示/非表示
マッププロパティの表示切替</source>
        <translation>Show or hide the map properties
Map properties</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰ(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示
ｽﾃｰﾀｽ ﾊﾞｰの表示切り替え</source>
        <translation>Show or hide the status bar
Status bar</translation>
    </message>
    <message>
        <source>エリアにハッチングをする(&amp;H)</source>
        <translation>&amp;Hatch Areas</translation>
    </message>
    <message>
        <source>クリッカブルマップのエリアにハッチングを表示する
エリアにハッチングを表示</source>
        <translation>Show the image map&apos;s areas hatched
Hatch areas</translation>
    </message>
    <message>
        <source>50% (&amp;0)</source>
        <translation>50% (&amp;0)</translation>
    </message>
    <message>
        <source>表示倍率を50%に
表示倍率50%</source>
        <translation>Zoom to 50%
Zoom 50%</translation>
    </message>
    <message>
        <source>100% (&amp;1)</source>
        <translation>100% (&amp;1)</translation>
    </message>
    <message>
        <source>表示倍率を100%に
表示倍率100%</source>
        <translation>Zoom to 100%
Zoom 100%</translation>
    </message>
    <message>
        <source>150% (&amp;5)</source>
        <translation>150% (&amp;5)</translation>
    </message>
    <message>
        <source>表示倍率を150%に
表示倍率150%</source>
        <translation>Zoom to 150%
Zoom 150%</translation>
    </message>
    <message>
        <source>200% (&amp;2)</source>
        <translation>200% (&amp;2)</translation>
    </message>
    <message>
        <source>表示倍率を200%に
表示倍率200%</source>
        <translation>Zoom to 200%
Zoom 200%</translation>
    </message>
    <message>
        <source>300% (&amp;3)</source>
        <translation>300% (&amp;3)</translation>
    </message>
    <message>
        <source>表示倍率を300%に
表示倍率300%</source>
        <translation>Zoom to 300%
Zoom 300%</translation>
    </message>
    <message>
        <source>25% (&amp;Q)</source>
        <translation>25% (&amp;Q)</translation>
    </message>
    <message>
        <source>表示倍率を25%に
表示倍率25%</source>
        <translation>Zoom to 25%
Zoom 25%</translation>
    </message>
    <message>
        <source>400% (&amp;4)</source>
        <translation>400% (&amp;4)</translation>
    </message>
    <message>
        <source>表示倍率を400%に
表示倍率400%</source>
        <translation>Zoom to 400%
Zoom 400%</translation>
    </message>
    <message>
        <source>600% (&amp;6)</source>
        <translation>600% (&amp;6)</translation>
    </message>
    <message>
        <source>表示倍率を600%に
表示倍率600%</source>
        <translation>Zoom to 600%
Zoom 600%</translation>
    </message>
    <message>
        <source>800% (&amp;8)</source>
        <translation>800% (&amp;8)</translation>
    </message>
    <message>
        <source>表示倍率を800%に
表示倍率800%</source>
        <translation>Zoom to 800%
Zoom 800%</translation>
    </message>
    <message>
        <source>拡大(&amp;I)	Ctrl++</source>
        <translation>Zoom &amp;In	Ctrl++</translation>
    </message>
    <message>
        <source>表示倍率を一段大きく
拡大</source>
        <translation>Zoom in one step
Zoom in</translation>
    </message>
    <message>
        <source>縮小(&amp;O)	Ctrl+-</source>
        <translation>Zoom &amp;Out	Ctrl+-</translation>
    </message>
    <message>
        <source>表示倍率を一段小さく
縮小</source>
        <translation>Zoom out one step
Zoom out</translation>
    </message>
    <message>
        <source>ウィンドウに合わせる(&amp;W)</source>
        <translation>Fit to &amp;Window</translation>
    </message>
    <message>
        <source>画像全体がウィンドウに収まる表示倍率に
ウィンドウに合わせる</source>
        <translation>Zoom so that the whole image fits the window
Fit to window</translation>
    </message>
    <message>
        <source>グリッドを表示(&amp;G)</source>
        <translation>Show &amp;Grid</translation>
    </message>
    <message>
        <source>画像の上にグリッドを表示する
グリッドを表示</source>
        <translation>Show a grid over the image
Show grid</translation>
    </message>
    <message>
        <source>グリッドに合わせる(&amp;R)</source>
        <translation>Sna&amp;p to Grid</translation>
    </message>
    <message>
        <source>描く点や動かすエリアをグリッドに合わせる
グリッドに合わせる</source>
        <translation>Snap drawn points and moved areas to the grid
Snap to grid</translation>
    </message>
    <message>
        <source>エリアに合わせる(&amp;E)</source>
        <translation>Snap to &amp;Areas</translation>
    </message>
    <message>
        <source>描く点や動かすエリアをほかのエリアの頂点と辺に合わせる
エリアに合わせる</source>
        <translation>Snap drawn points and moved areas to the other areas&apos; vertices and edges
Snap to areas</translation>
    </message>
    <message>
        <source>Zephyrmap ! ヘルプ(&amp;H)	F1</source>
        <translation>Zephyrmap &amp;Help	F1</translation>
    </message>
    <message>
        <source>Zephyrmap!のヘルプを読む
Zephyrmap!ヘルプ</source>
        <translation>Read the Zephyrmap help
Zephyrmap help</translation>
    </message>
    <message>
        <source>ReadMeファイルを読む(&amp;R)</source>
        <translation>Read the &amp;ReadMe File</translation>
    </message>
    <message>
        <source>添付のReadMeファイルを読む
ReadMeファイルを読む</source>
        <translation>Read the ReadMe file that comes with the program
Read the ReadMe file</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About Zephyrmap</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示
ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Show the program&apos;s information, version and copyright
About</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>エリア(&amp;A)</source>
        <translation>&amp;Area</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)	Ctrl+A</source>
        <translation>Select &amp;All	Ctrl+A</translation>
    </message>
    <message>
        <source>DEFAULTのほかのすべてのエリアを選択
すべて選択</source>
        <translation>Select every area but DEFAULT
Select All</translation>
    </message>
    <message>
        <source>選択(&amp;S)</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <source>エリアを選んで動かし、形を変えるツール
選択</source>
        <translation>The tool that selects, moves and reshapes areas
Select</translation>
    </message>
    <message>
        <source>選択したエリアに合わせる(&amp;E)	Ctrl+Shift+F</source>
        <translation>Zoom to &amp;Selection	Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>選択したエリアがウィンドウいっぱいに見える表示倍率に
選択したエリアに合わせる</source>
        <translation>Zoom until the selected areas fill the window
Zoom to Selection</translation>
    </message>
    <message>
        <source>画像を差し替えてエリアを合わせる(&amp;R)...</source>
        <translation>&amp;Replace Image and Fit Areas...</translation>
    </message>
    <message>
        <source>マップの画像を新しい画像に差し替え、エリアを新しい画像に合わせて動かす
画像を差し替えてエリアを合わせる</source>
        <translation>Replace the map&apos;s image with a new one and move the areas to fit it
Replace image and fit areas</translation>
    </message>
</context>
<context>
    <name>CoordinateStatus</name>
    <message>
        <source>X %1  Y %2  幅 %3  高さ %4</source>
        <translation>X %1  Y %2  W %3  H %4</translation>
    </message>
    <message>
        <source>中心 X %1  Y %2  半径 %3</source>
        <translation>Centre X %1  Y %2  R %3</translation>
    </message>
    <message>
        <source>X %1  Y %2  頂点 %3</source>
        <translation>X %1  Y %2  Vertices %3</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>HTMLファイル(*.htm* *.shtm*)|*.htm*;*.shtm*|テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*||</source>
        <translation>HTML files (*.htm* *.shtm*)|*.htm*;*.shtm*|Text files (*.txt)|*.txt|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>HTML文書(*.*htm* )|*.*htm*|テキスト文書(*.txt )|*.txt|すべてのファイル(*.*)|*.*||</source>
        <translation>HTML documents (*.*htm*)|*.*htm*|Text documents (*.txt)|*.txt|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>クリップボードの内容を保持するプログラムが動いていないため、Zephyrmap!を終了するとクリップボードの内容は失われます。<byte value="xd"/>
HTMLソースをファイルに保存するか、Zephyrmap!形式で保存してから終了してください。</source>
        <translation>No program is running that keeps the clipboard&apos;s contents, so they are lost when Zephyrmap ends.
Save the HTML source to a file, or save in the Zephyrmap format, before you quit.</translation>
    </message>
    <message>
        <source>HTMLファイルから開く</source>
        <translation>Open from HTML File</translation>
    </message>
    <message>
        <source>ソースコードをファイルに保存</source>
        <translation>Save HTML Source</translation>
    </message>
    <message>
        <source>はすでに存在します。<byte value="xd"/>
上書きすると、クリッカブルマップタグ以外のHTMLソースは失われます。<byte value="xd"/>
上書きしますか?</source>
        <translation> already exists.
Overwriting it loses all its HTML source but the image map&apos;s tags.
Overwrite it?</translation>
    </message>
    <message>
        <source>はすでに存在します。<byte value="xd"/>
上書きしますか?</source>
        <translation> already exists.
Overwrite it?</translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;</source>
        <translation>The file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>HTMLソースをクリップボードにコピーしました。</source>
        <translation>The HTML source was copied to the clipboard.</translation>
    </message>
    <message>
        <source>クリップボードへのデータ転送に失敗しました。<byte value="xd"/>
もう一度操作をやり直してみて下さい。</source>
        <translation>The data could not be put on the clipboard.
Please try again.</translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;の中のマップ&quot;%2&quot;を、編集中のマップで更新しますか?<byte value="xd"/>
元のファイルは&quot;%1~&quot;として残ります。</source>
        <translation>Replace the map &quot;%2&quot; in the file &quot;%1&quot; with the map being edited?
The old file is kept as &quot;%1~&quot;.</translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;には、マップ&quot;%2&quot;がありません。<byte value="xd"/>
HTMLソースを保存しますか?</source>
        <translation>The file &quot;%1&quot; has no map &quot;%2&quot;.
Save the HTML source instead?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
ファイルは変更していません。</source>
        <translation>
The file was not changed.</translation>
    </message>
    <message>
        <source>マップの文字の中に、ファイル&quot;%1&quot;の文字エンコードで表せないものがあります(%2行目)。</source>
        <translation>The map holds characters that the encoding of the file &quot;%1&quot; cannot represent (line %2).</translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;の%2行目の書き換える部分に、Zephyrmap!で扱えない文字があります。</source>
        <translation>The part to replace on line %2 of the file &quot;%1&quot; holds characters Zephyrmap cannot handle.</translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;の%2行目で、マップのタグがページの他の部分(閉じていないコメントや引用符、マップの文字の中のタグなど)とつながっているため、マップだけを書き換えることができません。</source>
        <translation>On line %2 of the file &quot;%1&quot; the map&apos;s tags run into other parts of the page (an unclosed comment or quote, a tag inside the map&apos;s text, ...), so the map alone cannot be replaced.</translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;を更新できませんでした。<byte value="xd"/>
%2</source>
        <translation>The file &quot;%1&quot; could not be updated.
%2</translation>
    </message>
    <message numerus="yes">
        <source>AREA %n 個を更新しました</source>
        <translation>
            <numerusform>%n AREA tag updated</numerusform>
            <numerusform>%n AREA tags updated</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExternalApps</name>
    <message>
        <source>アプリケーションが見つかりません。<byte value="xd"/>
外部アプリケーションの設定を確認して下さい。</source>
        <translation>The application was not found.
Please check the applications in the settings.</translation>
    </message>
    <message>
        <source>ファイルへの関連付けが正しく行われていないため、標準のアプリケーションを見つけることが出来ませんでした。<byte value="xd"/>
WINDOWSのアプリケーションの関連付けを正しく設定するか、Zephyrmap!の[設定]コマンドで外部アプリケーションを指定してください。</source>
        <translation>No default application was found, because no application is associated with the file.
Associate an application with the file type on your desktop, or name the application in Zephyrmap&apos;s settings (Tools &gt; Settings).</translation>
    </message>
    <message>
        <source>このエリアには、リンクが設定されていません。</source>
        <translation>This area has no link.</translation>
    </message>
    <message>
        <source>ファイルのOPENに失敗しました。(エラー#%1)</source>
        <translation>The file could not be opened. (error #%1)</translation>
    </message>
    <message>
        <source>ファイル [ %1 ] が [ %2 ] に<byte value="xd"/>
すでに存在するため、作業ファイルを作成できません。<byte value="xd"/>
このファイルを別のフォルダに移動するか、削除する必要があります。<byte value="xd"/>
ここでこのファイルをごみ箱に移動しますか?</source>
        <translation>The working file cannot be made, because the file [ %1 ]
already exists in [ %2 ].
That file has to be moved to another folder or deleted.
Move it to the trash now?</translation>
    </message>
    <message>
        <source>ファイルを削除できませんでした。</source>
        <translation>The file could not be deleted.</translation>
    </message>
    <message>
        <source>ファイル &quot;%1&quot; を作成できませんでした。<byte value="xd"/>
%2</source>
        <translation>The file &quot;%1&quot; could not be created.
%2</translation>
    </message>
    <message>
        <source>ファイル &quot;%1&quot; に書き込めませんでした。<byte value="xd"/>
%2</source>
        <translation>The file &quot;%1&quot; could not be written.
%2</translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;が見つかりませんでした。<byte value="xd"/>
マップを使用するHTML文書のパスを確認してください。</source>
        <translation>The file &quot;%1&quot; was not found.
Please check the path of the HTML document that uses the map.</translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;が見つかりませんでした。<byte value="xd"/>
リンク先を確認してください。</source>
        <translation>The file &quot;%1&quot; was not found.
Please check the link target.</translation>
    </message>
    <message>
        <source>&lt;HTML&gt;<byte value="xd"/>
<byte value="xd"/>
&lt;HEAD&gt;<byte value="xd"/>
  &lt;META http-equiv=&quot;Content-Type&quot; content=&quot;text/html; charset=UTF-8&quot;&gt;<byte value="xd"/>
  &lt;TITLE&gt;Zephyrmap !プレビュー&lt;/TITLE&gt;<byte value="xd"/>
&lt;/HEAD&gt;<byte value="xd"/>
<byte value="xd"/>
&lt;BODY&gt;<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>&lt;HTML&gt;<byte value="xd"/>
<byte value="xd"/>
&lt;HEAD&gt;<byte value="xd"/>
  &lt;META http-equiv=&quot;Content-Type&quot; content=&quot;text/html; charset=UTF-8&quot;&gt;<byte value="xd"/>
  &lt;TITLE&gt;Zephyrmap Preview&lt;/TITLE&gt;<byte value="xd"/>
&lt;/HEAD&gt;<byte value="xd"/>
<byte value="xd"/>
&lt;BODY&gt;<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>画像ファイル(*.jpg *.jpeg *png *gif *bmp)|*.jpg;*.jpeg;*png;*.gif;*.bmp|JPEGファイル(*.jpg *.jpeg)|*.jpg;*.jpeg|PNGファイル(*.png)|*.png|GIFファイル(*gif)|*.gif|BMPファイル(*.bmp)|*.bmp|全てのファイル(*.*)|*.*||</source>
        <translation>Images (*.jpg *.jpeg *.png *.gif *.bmp)|*.jpg;*.jpeg;*png;*.gif;*.bmp|JPEG images (*.jpg *.jpeg)|*.jpg;*.jpeg|PNG images (*.png)|*.png|GIF images (*.gif)|*.gif|BMP images (*.bmp)|*.bmp|All files (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>FilePreviewWnd</name>
    <message>
        <source>高さ </source>
        <translation>Height </translation>
    </message>
    <message>
        <source>幅 </source>
        <translation>Width </translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source> kbyte</source>
        <translation> KB</translation>
    </message>
</context>
<context>
    <name>GridSettings</name>
    <message>
        <source>グリッド</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>グリッドの間隔(&amp;X)</source>
        <translation>Grid &amp;spacing</translation>
    </message>
    <message>
        <source> ピクセル</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>グリッドの色</source>
        <translation>Grid colour</translation>
    </message>
    <message>
        <source>色(&amp;Y)...</source>
        <translation>Colour...</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>表示する言語(&amp;V)</source>
        <translation>Displa&amp;y language</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>言語の変更は、次回Zephyrmap!を起動した時から有効になります。</source>
        <translation>A new language takes effect when Zephyrmap next starts.</translation>
    </message>
</context>
<context>
    <name>MapCheckPane</name>
    <message>
        <source>マップの検査</source>
        <translation>Map Check</translation>
    </message>
    <message>
        <source>エリア</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Finding</translation>
    </message>
    <message>
        <source>問題は見つかりませんでした。</source>
        <translation>No problems found.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>このHTMLには有効なクリッカブルマップが定義されていません。</source>
        <translation>This HTML defines no usable image map.</translation>
    </message>
    <message>
        <source>読み込んだHTMLコードに構文エラーがある為、クリッカブルマップデータの作成に失敗しました。<byte value="xd"/>
HTMLコードを修正して、もう一度読み込みを行って下さい。</source>
        <translation>The image map could not be made: the HTML code read has a syntax error.
Please correct the HTML code and read it again.</translation>
    </message>
    <message>
        <source>このファイルは、Zephyrmap!形式のファイルではないか壊れているため、読み込むことができません。</source>
        <translation>This file cannot be read: it is not a Zephyrmap file, or it is damaged.</translation>
    </message>
    <message>
        <source>このファイルは、新しいバージョンのZephyrmap!で作成されているため、読み込むことができません。</source>
        <translation>This file cannot be read: it was made by a newer version of Zephyrmap.</translation>
    </message>
    <message>
        <source>このファイルは、旧バージョンのZephyrmap!で作成されています。<byte value="xd"/>
このファイルを保存した場合、今後V2.4.2以前のZephyrmap!では開くことが出来なくなりますので、ご注意下さい。</source>
        <translation>This file was made by an older version of Zephyrmap.
Please note: once saved, it can no longer be opened by Zephyrmap 2.4.2 or earlier.</translation>
    </message>
    <message>
        <source>予期しないファイル形式です。</source>
        <translation>Unexpected file format.</translation>
    </message>
    <message>
        <source>ファイルを開く事ができませんでした</source>
        <translation>The file could not be opened</translation>
    </message>
    <message>
        <source>画像ファイル&quot; %1 &quot;が見つかりません。<byte value="xd"/>
改めて画像ファイルを選択してください。</source>
        <translation>The image file &quot;%1&quot; was not found.
Please choose the image file again.</translation>
    </message>
    <message>
        <source>画像ファイル&quot; %1 &quot;を読み込めませんでした。<byte value="xd"/>
JPEG、PNG、GIF、BMPの画像ファイルを選択してください。</source>
        <translation>The image file &quot;%1&quot; could not be read.
Please choose a JPEG, PNG, GIF or BMP image.</translation>
    </message>
    <message numerus="yes">
        <source>このHTMLには、読み取れない文字が%n個あったため、&quot;�&quot;に置き換えて読み込みました。<byte value="xd"/>
最初に置き換えた文字は%1行目にあります。</source>
        <translation>
            <numerusform>This HTML had %n character that could not be read; it was read as &quot;�&quot;.
It is on line %1.</numerusform>
            <numerusform>This HTML had %n characters that could not be read; they were read as &quot;�&quot;.
The first of them is on line %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NativeFileCommands</name>
    <message>
        <source>Zephyrmap!形式のファイルを開く</source>
        <translation>Open a Zephyrmap File</translation>
    </message>
    <message>
        <source>Zephyrmap!ファイル(*.zmf)|*.zmf||</source>
        <translation>Zephyrmap files (*.zmf)|*.zmf||</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Zephyrmap ﾌｧｲﾙ (*.zmf)|*.zmf||</source>
        <translation>Zephyrmap files (*.zmf)|*.zmf||</translation>
    </message>
    <message>
        <source>ファイル名 &quot;%1&quot; には、文字として読めないバイトが含まれているため、Zephyrmap!では扱えません。<byte value="xd"/>
ファイルまたはフォルダの名前を変えてから、もう一度開いてください。</source>
        <translation>The name &quot;%1&quot; holds bytes that are not characters, so Zephyrmap cannot use it.
Rename the file or folder, then open it again.</translation>
    </message>
</context>
<context>
    <name>PictureSizeNotice</name>
    <message>
        <source>画像の大きさ(%1×%2)がマップのWIDTHとHEIGHT(%3×%4)と違います。</source>
        <translation>The image&apos;s size (%1×%2) is not the map&apos;s WIDTH and HEIGHT (%3×%4).</translation>
    </message>
</context>
<context>
    <name>PreviewColumn</name>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>ProgramFileDialog</name>
    <message>
        <source>フォルダ &quot;%1&quot; が見つかりません。<byte value="xd"/>
パスを確認してください。</source>
        <translation>The folder &quot;%1&quot; was not found.
Please check the path.</translation>
    </message>
</context>
<context>
    <name>RefitCommands</name>
    <message>
        <source>差し替える新しい画像の指定</source>
        <translation>Choose the New Image</translation>
    </message>
</context>
<context>
    <name>RefitTexts</name>
    <message>
        <source>画像の画素を読み取れませんでした。</source>
        <translation>The image&apos;s pixels could not be read.</translation>
    </message>
    <message>
        <source>元の画像がなく、マップのWIDTHとHEIGHTもないため、元の画像の大きさがわかりません。</source>
        <translation>The old image is not at hand and the map has no WIDTH and HEIGHT, so the old image&apos;s size is unknown.</translation>
    </message>
    <message>
        <source>新しい画像は元の画像と同じ場面ではないようです。合う特徴が見つかりませんでした。</source>
        <translation>The new image does not seem to show the old image&apos;s scene: no features match.</translation>
    </message>
    <message>
        <source>画像に目印になる模様が少なすぎるため、新しい画像が元の画像のどこに当たるかわかりません。</source>
        <translation>The images have too little detail to tell where the new image lies over the old one.</translation>
    </message>
    <message>
        <source>新しい画像は、元の画像を大きく回転したか、裏返したか、斜めにゆがめたか、16倍を超えて拡大・縮小したものです。エリアを合わせられません。</source>
        <translation>The new image is the old one turned far, mirrored, slanted or scaled more than sixteen times; the areas cannot be fitted to it.</translation>
    </message>
    <message>
        <source>画像が大きすぎるため、合わせられません。</source>
        <translation>The images are too large to fit.</translation>
    </message>
    <message>
        <source>基準点どうしが近すぎます。離れた点を選んでください。</source>
        <translation>The reference points are too close together; choose points farther apart.</translation>
    </message>
    <message>
        <source>3組の基準点が一直線に並んでいます。</source>
        <translation>The three reference points lie on one line.</translation>
    </message>
    <message>
        <source>基準点の並びが裏返しになっています。</source>
        <translation>The reference points turn the image over.</translation>
    </message>
</context>
<context>
    <name>RegionTracing</name>
    <message>
        <source>トレースの色の許容差 : %1  ( [ で下げる、] で上げる )</source>
        <translation>Trace colour tolerance: %1 ([ lowers it, ] raises it)</translation>
    </message>
    <message>
        <source>領域 : %1 ピクセル (画像の %2%)</source>
        <translation>Region: %1 pixels (%2% of the image)</translation>
    </message>
    <message>
        <source>領域 : %1 ピクセル、小さすぎます ( ] で許容差を上げて下さい )</source>
        <translation>Region: %1 pixels, too small (raise the tolerance with ])</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>ファイル &quot;%1&quot; を保存できませんでした。</source>
        <translation>The file &quot;%1&quot; could not be saved.</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります。</source>
        <translation>A folder has the same name.</translation>
    </message>
    <message>
        <source>同じ名前の、ファイルではないもの(デバイスや名前付きパイプなど)があります。</source>
        <translation>Something that is not a file (a device or a named pipe) has the same name.</translation>
    </message>
    <message>
        <source>ファイルへの書き込みが許可されていません。</source>
        <translation>Writing to the file is not allowed.</translation>
    </message>
    <message>
        <source>フォルダ &quot;%1&quot; がありません。</source>
        <translation>The folder &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>フォルダ &quot;%1&quot; への書き込みが許可されていません。</source>
        <translation>Writing to the folder &quot;%1&quot; is not allowed.</translation>
    </message>
</context>
<context>
    <name>SvgCommands</name>
    <message>
        <source>SVG文書(*.svg)|*.svg|HTML文書(*.*htm* )|*.*htm*|テキスト文書(*.txt )|*.txt|すべてのファイル(*.*)|*.*||</source>
        <translation>SVG documents (*.svg)|*.svg|HTML documents (*.*htm*)|*.*htm*|Text documents (*.txt)|*.txt|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SVGソースをファイルに保存</source>
        <translation>Save SVG Source to File</translation>
    </message>
    <message>
        <source>SVGソースをクリップボードにコピーしました。</source>
        <translation>The SVG source was copied to the clipboard.</translation>
    </message>
</context>
<context>
    <name>TracedRegionCheck</name>
    <message>
        <source>トレースした領域は画像全体の%1%を占めています。<byte value="xd"/>
背景をクリックしたか、境界の切れ目から隣の領域へ広がったのかもしれません。<byte value="xd"/>
[ で色の許容差を下げると (いまは %2)、領域は狭くなります。<byte value="xd"/>
この領域をエリアとして追加しますか?</source>
        <translation>The traced region covers %1% of the whole image.
You may have clicked the background, or the region may have spread through a gap in its border into the next one.
Lowering the colour tolerance with [ (now %2) narrows the region.
Add this region as an area?</translation>
    </message>
    <message>
        <source>トレースした領域は %1 × %2 ピクセルしかありません。<byte value="xd"/>
色の許容差 (いまは %3) が写真のノイズなどに対して低すぎるのかもしれません。<byte value="xd"/>
] で許容差を上げると、領域は広くなります。<byte value="xd"/>
この領域をエリアとして追加しますか?</source>
        <translation>The traced region measures only %1 × %2 pixels.
The colour tolerance (now %3) may be too low for the image&apos;s noise.
Raising it with ] widens the region.
Add this region as an area?</translation>
    </message>
    <message>
        <source>画像が読み込まれていないため、トレースできません。</source>
        <translation>No image is loaded, so there is nothing to trace.</translation>
    </message>
    <message>
        <source>画像の外はトレースできません。</source>
        <translation>There is nothing to trace outside the image.</translation>
    </message>
    <message>
        <source>この領域は、作業に要るメモリが足りないため、トレースできませんでした。<byte value="xd"/>
[ で色の許容差を下げて、領域を狭くして下さい。</source>
        <translation>This region could not be traced: there was not enough memory for the work.
Lower the colour tolerance with [ to narrow the region.</translation>
    </message>
    <message>
        <source>この領域はトレースできませんでした。</source>
        <translation>This region could not be traced.</translation>
    </message>
</context>
<context>
    <name>ViewContextMenu</name>
    <message>
        <source>重なったエリアを選択(&amp;O)</source>
        <translation>Select the &amp;Overlapped Area</translation>
    </message>
</context>
</TS>

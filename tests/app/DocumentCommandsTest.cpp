#include "app/DocumentCommands.h"
#include "app/CSaveChangesDlg.h"
#include "app/NativeFileCommands.h"
#include "formats/FoundMap.h"
#include "formats/NativeMapFile.h"
#include "services/language/ProgramLanguage.h"
#include "tests/app/AppHarness.h"

#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

#include <filesystem>
#include <sys/stat.h>

namespace
{

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

} // namespace

class DocumentCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void anExtensionIsAddedOnlyToAPathWithoutADot_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("saved");
        QTest::newRow("HTML type") << "/web/map" << 1 << "/web/map.html";
        QTest::newRow("text type") << "/web/map" << 2 << "/web/map.txt";
        QTest::newRow("every file") << "/web/map" << 3 << "/web/map";
        // A dot in a folder's name is no extension of the file's.
        QTest::newRow("a folder with a dot") << "/web.site/map" << 1 << "/web.site/map.html";
        QTest::newRow("a user folder with a dot") << "/home/john.doe/out" << 2 << "/home/john.doe/out.txt";
        QTest::newRow("a hidden file") << "/home/john.doe/.map" << 1 << "/home/john.doe/.map";
        QTest::newRow("an extension of its own") << "/web/map.htm" << 2 << "/web/map.htm";
    }
    void anExtensionIsAddedOnlyToAPathWithoutADot()
    {
        QFETCH(QString, path);
        QFETCH(int, filter);
        QFETCH(QString, saved);
        QCOMPARE(QString::fromStdString(DocumentCommands::WithExtension(path.toStdString(), filter)), saved);
    }

    void savingTheSourceWritesTheChosenEncodingAndLineEnds()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(10, 20, 110, 70)->m_alt = "日";
        DocumentCommands& commands = *h.app->Commands();
        commands.chooseSaveTarget = [&h] {
            return std::optional<DocumentCommands::SaveTarget>({h.ProgramPath(QStringLiteral("out")), 4, 2, 1});
        };
        QVERIFY(commands.SaveHtmlSource());
        const QByteArray bytes = ReadAll(h.Path(QStringLiteral("out.html")));
        QVERIFY(
            bytes.startsWith("<IMG SRC=\"pic.png\" USEMAP=\"#m\" WIDTH=\"300\" HEIGHT=\"200\">\n<MAP NAME=\"m\">\n"));
        QVERIFY(bytes.contains("COORDS=\"10,20,110,70\" HREF=\"\" ALT=\"日\">\n</MAP>"));
        QVERIFY(!bytes.contains('\r'));
        QVERIFY(!h.Doc().IsModified());
    }

    void overwritingAsksAndNoChoosesAgain()
    {
        AppHarness h;
        h.OpenMap();
        WriteAll(h.Path(QStringLiteral("index.shtml")), "page");
        WriteAll(h.Path(QStringLiteral("notes.txt")), "notes");
        DocumentCommands& commands = *h.app->Commands();
        QStringList offered = {QStringLiteral("index.shtml"), QStringLiteral("notes.txt")};
        int asked = 0;
        commands.chooseSaveTarget = [&]() -> std::optional<DocumentCommands::SaveTarget> {
            if (asked >= offered.size())
                return std::nullopt;
            return DocumentCommands::SaveTarget{h.ProgramPath(offered[asked++]), 1, 1, 3};
        };
        h.answer = QMessageBox::No;
        QVERIFY(!commands.SaveHtmlSource()); // No, No, then the dialog is cancelled
        QCOMPARE(asked, 2);
        QCOMPARE(h.boxes.size(), 2);
        QCOMPARE(h.boxes[0],
                 QStringLiteral("ファイル\"index.shtml\"はすでに存在します。\n"
                                "上書きすると、クリッカブルマップタグ以外のHTMLソースは失われます。\n上書きしますか?"));
        QCOMPARE(h.boxes[1], QStringLiteral("ファイル\"notes.txt\"はすでに存在します。\n上書きしますか?"));
        QCOMPARE(ReadAll(h.Path(QStringLiteral("index.shtml"))), QByteArray("page"));
        // Cancel ends the command at once.
        asked = 0;
        h.answer = QMessageBox::Cancel;
        QVERIFY(!commands.SaveHtmlSource());
        QCOMPARE(asked, 1);
        // Yes replaces the whole file.
        asked = 0;
        h.answer = QMessageBox::Yes;
        QVERIFY(commands.SaveHtmlSource());
        QVERIFY(ReadAll(h.Path(QStringLiteral("index.shtml"))).startsWith("<IMG "));
    }

    void theFolderIsRememberedOnceTheFileIsWritten()
    {
        AppHarness h;
        h.OpenMap();
        QDir(h.dir.path()).mkdir(QStringLiteral("out"));
        WriteAll(h.Path(QStringLiteral("out/page.html")), "page");
        DocumentCommands& commands = *h.app->Commands();
        commands.chooseSaveTarget = [&h]() -> std::optional<DocumentCommands::SaveTarget> {
            return DocumentCommands::SaveTarget{h.ProgramPath(QStringLiteral("out/page.html")), 1, 1, 2};
        };
        h.answer = QMessageBox::Cancel; // the overwrite question
        QVERIFY(!commands.SaveHtmlSource());
        QCOMPARE(h.app->Store().OpenDialog(QStringLiteral("html"), QStringLiteral("/none")).folder,
                 SettingsStore::HomeFolder());
        h.answer = QMessageBox::Yes;
        QVERIFY(commands.SaveHtmlSource());
        const SettingsStore::DialogStart start =
            h.app->Store().OpenDialog(QStringLiteral("html"), QStringLiteral("/none"));
        QCOMPARE(start.folder, h.Path(QStringLiteral("out")));
        QCOMPARE(start.filterIndex, 2);
    }

    void theSyntaxErrorComesBeforeTheMissingPicture()
    {
        AppHarness h;
        WriteAll(h.Path(QStringLiteral("bad.html")), "<img src=\"gone.png\" usemap=\"#m\"><map name=\"m\">"
                                                     "<area shape=square coords=\"1,2,3,4\"></map>");
        h.app->Commands()->chooseOpenSource = [&h] {
            return std::optional<DocumentCommands::OpenSource>({h.ProgramPath(QStringLiteral("bad.html")), 0});
        };
        h.app->Commands()->OpenFromHtmlFile();
        QCOMPARE(h.boxes.size(), 2);
        QVERIFY(h.boxes[0].startsWith(QStringLiteral("読み込んだHTMLコードに構文エラーがある為")));
        QVERIFY(h.boxes[1].startsWith(QStringLiteral("画像ファイル\" ")));
        QCOMPARE(h.Doc().AreaAt(0)->m_shape, int(ShapeCirc)); // the map stays, with the fallback area
    }

    void cancellingAnyStepOfTheQuestionKeepsTheMap()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(1, 1, 9, 9);
        DocumentCommands& commands = *h.app->Commands();
        int answer = CSaveChangesDlg::Cancel;
        commands.askSaveChanges = [&answer] { return answer; };
        commands.chooseSaveTarget = [] { return std::optional<DocumentCommands::SaveTarget>(); };
        h.app->Files()->chooseSavePath = [] { return std::optional<QString>(); };
        commands.setUpMap = [] { return std::optional<std::vector<std::string>>({"n", "", ""}); };
        for (int code :
             {int(CSaveChangesDlg::Cancel), int(CSaveChangesDlg::SaveText), int(CSaveChangesDlg::SaveNative)}) {
            answer = code;
            commands.NewMap();
            QCOMPARE(h.Doc().MapName(), std::string("m"));
            QCOMPARE(h.Doc().AreaCount(), 2);
            QVERIFY(h.Doc().IsModified());
        }
        answer = CSaveChangesDlg::Discard;
        commands.NewMap();
        QCOMPARE(h.Doc().MapName(), std::string("n"));
    }

    void anEmptyNameBecomesTheDefaultName()
    {
        AppHarness h;
        DocumentCommands& commands = *h.app->Commands();
        commands.setUpMap = [&h] {
            return std::optional<std::vector<std::string>>(
                {std::string(), h.ProgramPath(QStringLiteral("pic.png")), h.ProgramPath(QStringLiteral("a.html"))});
        };
        commands.NewMap();
        QCOMPARE(h.Doc().MapName(), std::string("ZephyrmapMap"));
        QVERIFY(h.Frame().IsMapOpen());
        QCOMPARE(h.Frame().windowTitle(), QStringLiteral("無題 - Zephyrmap !"));
        // The picture is not there: the map opens all the same, after a message.
        QCOMPARE(h.boxes.size(), 1);
        QVERIFY(h.boxes[0].endsWith(QStringLiteral("が見つかりません。\n改めて画像ファイルを選択してください。")));
    }

    void aPictureThatCannotBeReadIsToldToo()
    {
        AppHarness h;
        WriteAll(h.Path(QStringLiteral("broken.png")), QByteArray("\x89PNG\r\n\x1a\n", 8));
        h.app->Commands()->setUpMap = [&h] {
            return std::optional<std::vector<std::string>>(
                {std::string("m"), h.ProgramPath(QStringLiteral("broken.png")), std::string()});
        };
        h.app->Commands()->NewMap();
        QVERIFY(h.Frame().IsMapOpen());
        QCOMPARE(h.boxes.size(), 1);
        QCOMPARE(h.boxes[0], QStringLiteral("画像ファイル\" %1 \"を読み込めませんでした。\n"
                                            "JPEG、PNG、GIF、BMPの画像ファイルを選択してください。")
                                 .arg(h.Path(QStringLiteral("broken.png"))));
    }

    void clipboardTextWithoutAMapChangesNothing()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(1, 1, 9, 9);
        QGuiApplication::clipboard()->setText(QStringLiteral("<img src=a.png><p>no map here</p>"));
        h.app->Commands()->askSaveChanges = [] { return int(CSaveChangesDlg::Discard); };
        h.app->Commands()->OpenFromClipboard();
        QCOMPARE(h.boxes, QStringList{QStringLiteral("このHTMLには有効なクリッカブルマップが定義されていません。")});
        QCOMPARE(h.Doc().AreaCount(), 2);
        QCOMPARE(h.Doc().MapName(), std::string("m"));
    }

    void aMapReadFromTheClipboardAsksForItsDocument()
    {
        AppHarness h;
        QGuiApplication::clipboard()->setText(
            QStringLiteral("<img src=\"pic.png\" usemap=\"#a\"><img src=\"b.png\" usemap=\"#b\">"
                           "<map name=\"a\"><area shape=rect coords=\"1,2,3,4\" href=\"x.html\"></map>"
                           "<map name=\"b\"><area shape=circle coords=\"50,50,10\" alt=\"円\"></map>"));
        DocumentCommands& commands = *h.app->Commands();
        std::vector<std::string> offered;
        commands.chooseMap = [&offered](const std::vector<FoundMap>& maps) {
            for (const FoundMap& map : maps)
                offered.push_back(map.mapName);
            return 1;
        };
        commands.chooseHtmlDocument = [&h] {
            return std::optional<std::string>(h.ProgramPath(QStringLiteral("page.html")));
        };
        commands.OpenFromClipboard();
        QCOMPARE(offered, (std::vector<std::string>{"a", "b"}));
        QCOMPARE(h.Doc().MapName(), std::string("b"));
        QCOMPARE(h.Doc().HtmlPath(), h.ProgramPath(QStringLiteral("page.html")));
        QCOMPARE(h.Doc().AreaAt(0)->m_alt, std::string("円"));
    }

    // Every character of a page comes in as itself; only what could not be
    // read (here a broken UTF-8 sequence) is replaced, and said once.
    void everyCharacterComesInAndWhatCouldNotBeReadIsReportedOnce()
    {
        AppHarness h;
        WriteAll(h.Path(QStringLiteral("emoji.html")),
                 "<meta charset=\"utf-8\">\n<img src=\"pic.png\" usemap=\"#지도\">\n"
                 "<map name=\"지도\"><area shape=rect coords=\"1,1,5,5\" alt=\"\xF0\x9F\x98\x80 \xE3\x80\x9C Café\">"
                 "<area shape=rect coords=\"1,1,5,5\" alt=\"\xF0\x9F\x98\"></map>");
        h.app->Commands()->chooseOpenSource = [&h] {
            return std::optional<DocumentCommands::OpenSource>({h.ProgramPath(QStringLiteral("emoji.html")), 0});
        };
        h.app->Commands()->OpenFromHtmlFile();
        QCOMPARE(h.Doc().MapName(), std::string("지도"));
        QCOMPARE(h.Doc().AreaAt(0)->m_alt, std::string("😀 〜 Café"));
        QCOMPARE(h.Doc().AreaAt(1)->m_alt, std::string("\uFFFD"));
        const QStringList replaced = h.boxes.filter(QStringLiteral("読み取れない文字"));
        QCOMPARE(replaced.size(), 1);
        QVERIFY(replaced[0].contains(QStringLiteral("1個")));
        QVERIFY(replaced[0].contains(QStringLiteral("3行目")));
    }

    void aDroppedMapFileOpensAfterTheQuestion()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(1, 1, 9, 9);
        AppSettings settings;
        CZephyrmapDoc other(settings);
        other.SetAttribute(AttrMapName, "dropped");
        std::string error;
        QVERIFY(native::SaveToFile(other, h.ProgramPath(QStringLiteral("dropped.zmf")), error));
        int asked = 0;
        h.app->Commands()->askSaveChanges = [&asked] {
            ++asked;
            return int(CSaveChangesDlg::Discard);
        };
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(h.Path(QStringLiteral("dropped.zmf")))});
        // A drag enters the window first, then drops.
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&h.Frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&h.Frame(), &drop);
        // The drop returns at once: the question and the open come after it,
        // so that the program the file came from never waits on them.
        QVERIFY(drop.isAccepted());
        QCOMPARE(asked, 0);
        QTRY_COMPARE(asked, 1);
        QCOMPARE(h.Doc().MapName(), std::string("dropped"));
        QCOMPARE(h.Frame().windowTitle(), QStringLiteral("dropped.zmf - Zephyrmap !"));
        QVERIFY(!h.Doc().IsModified());
    }

    // A recent file that cannot be opened is named in the message and leaves
    // the list; a '&' in a path is shown, not taken as a mnemonic.
    void aRecentFileThatFailsLeavesTheList()
    {
        AppHarness h;
        AppSettings settings;
        CZephyrmapDoc other(settings);
        other.SetAttribute(AttrMapName, "m");
        std::string error;
        const QString gone = h.Path(QStringLiteral("gone & lost.zmf"));
        const QString kept = h.Path(QStringLiteral("kept.zmf"));
        QVERIFY(native::SaveToFile(other, FromQString(gone), error));
        QVERIFY(native::SaveToFile(other, FromQString(kept), error));
        QVERIFY(h.app->Files()->Open(kept));
        QVERIFY(h.app->Files()->Open(gone));
        QMenu* file = h.Frame().menuBar()->actions().front()->menu();
        QAction* first = nullptr;
        for (QAction* item : file->actions()) {
            if (item->text().startsWith(QStringLiteral("&1 ")))
                first = item;
        }
        QVERIFY(first);
        QCOMPARE(first->text(), QStringLiteral("&1 ") + QDir::toNativeSeparators(gone).replace("&", "&&"));
        QVERIFY(QFile::remove(gone));
        h.boxes.clear();
        first->trigger();
        QCOMPARE(h.boxes.size(), 1);
        QVERIFY2(h.boxes[0].startsWith(QDir::toNativeSeparators(gone)), qPrintable(h.boxes[0]));
        QCOMPARE(h.app->Files()->RecentFiles(), QStringList{kept});
        QCOMPARE(h.app->Store().LoadRecentFiles(), QStringList{kept});
    }

    // At exit, with nothing to keep the clipboard after the program ends,
    // copying the map there would lose it: the program says so and stays.
    void theClipboardAtExitNeedsSomethingToKeepIt()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(1, 1, 9, 9);
        DocumentCommands& commands = *h.app->Commands();
        commands.askSaveChanges = [] { return int(CSaveChangesDlg::CopyToClipboard); };
        commands.clipboardOutlivesProgram = [] { return false; };
        QVERIFY(!commands.SaveModified(true));
        QVERIFY(h.Doc().IsModified());
        QCOMPARE(h.boxes.size(), 1);
        QVERIFY(h.boxes[0].startsWith(QStringLiteral("クリップボードの内容を保持するプログラムが動いていないため")));
        QVERIFY(!h.Frame().close()); // the window stays
        // Before a new map the program goes on, and so does the clipboard.
        QVERIFY(commands.SaveModified(false));
        QVERIFY(!h.Doc().IsModified());
        // With a clipboard manager running, the copy is enough at exit too.
        h.AddRect(20, 20, 30, 30);
        commands.clipboardOutlivesProgram = [] { return true; };
        QVERIFY(commands.SaveModified(true));
    }

    void theMapGoesBackIntoItsPage()
    {
        AppHarness h;
        h.OpenMap();
        const QByteArray page = "<html>\r\n<body>\r\n<p>before</p>\r\n"
                                "<img src=\"pic.png\" usemap=\"#m\" width=\"300\" height=\"200\">\r\n"
                                "<map name=\"m\">\r\n  <area shape=\"rect\" coords=\"1,1,9,9\" href=\"a.html\">\r\n"
                                "</map>\r\n<p>after</p>\r\n</body>\r\n</html>\r\n";
        WriteAll(h.Path(QStringLiteral("index.html")), page);
        h.AddRect(10, 20, 110, 70);
        h.answer = QMessageBox::Yes;
        h.Frame().UpdateCommandUI();
        QVERIFY(h.Frame().Action(CmdUpdateHtmlDocument)->isEnabled());
        QVERIFY(h.app->Commands()->UpdateHtmlDocument());
        QVERIFY(h.boxes.front().startsWith(QStringLiteral("ファイル\"index.html\"の中のマップ\"m\"を")));
        QCOMPARE(h.boxes.back(), QStringLiteral("AREA 1 個を更新しました"));
        const QByteArray updated = ReadAll(h.Path(QStringLiteral("index.html")));
        QVERIFY(updated.startsWith("<html>\r\n<body>\r\n<p>before</p>\r\n"));
        QVERIFY(updated.endsWith("</map>\r\n<p>after</p>\r\n</body>\r\n</html>\r\n"));
        QVERIFY(updated.contains("10,20,110,70"));
        QVERIFY(!updated.contains("1,1,9,9"));
        QCOMPARE(ReadAll(h.Path(QStringLiteral("index.html~"))), page);
        QVERIFY(!h.Doc().IsModified());
    }

    // Regression: one updated tag was "1 AREA tags updated" in English. The
    // count takes its form; the Japanese stays as it was.
    void theUpdatedCountTakesItsForm_data()
    {
        QTest::addColumn<int>("areas");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("told");
        QTest::newRow("one, Japanese") << 1 << false << QStringLiteral("AREA 1 個を更新しました");
        QTest::newRow("two, Japanese") << 2 << false << QStringLiteral("AREA 2 個を更新しました");
        QTest::newRow("one, English") << 1 << true << QStringLiteral("1 AREA tag updated");
        QTest::newRow("two, English") << 2 << true << QStringLiteral("2 AREA tags updated");
    }
    void theUpdatedCountTakesItsForm()
    {
        QFETCH(int, areas);
        QFETCH(bool, english);
        QFETCH(QString, told);
        AppHarness h;
        h.OpenMap();
        QByteArray page = "<img src=\"pic.png\" usemap=\"#m\">\r\n<map name=\"m\">\r\n";
        for (int i = 0; i < areas; ++i) {
            page += QByteArray("  <area shape=\"rect\" coords=\"1,1,9,9\" href=\"a.html\">\r\n");
            h.AddRect(10 + i, 20, 110, 70);
        }
        WriteAll(h.Path(QStringLiteral("index.html")), page + "</map>\r\n");
        h.answer = QMessageBox::Yes;
        if (english)
            QVERIFY(ProgramLanguage::Install(Language::English));
        const bool updated = h.app->Commands()->UpdateHtmlDocument();
        ProgramLanguage::Install(Language::Japanese);
        QVERIFY(updated);
        QCOMPARE(h.boxes.back(), told);
    }

    void aPageWithoutTheMapOffersTheSourceInstead()
    {
        AppHarness h;
        h.OpenMap();
        WriteAll(h.Path(QStringLiteral("index.html")), "<html><!-- <map name=\"m\"></map> --></html>");
        int offered = 0;
        h.app->Commands()->chooseSaveTarget = [&offered] {
            ++offered;
            return std::optional<DocumentCommands::SaveTarget>();
        };
        h.answer = QMessageBox::Yes;
        QVERIFY(!h.app->Commands()->UpdateHtmlDocument());
        QCOMPARE(offered, 1);
        QCOMPARE(h.boxes.size(), 1); // told at once, without the question before it
        QCOMPARE(h.boxes[0],
                 QStringLiteral("ファイル\"index.html\"には、マップ\"m\"がありません。\nHTMLソースを保存しますか?"));
        QCOMPARE(ReadAll(h.Path(QStringLiteral("index.html"))),
                 QByteArray("<html><!-- <map name=\"m\"></map> --></html>"));
    }

    void aMapTangledWithItsPageLeavesThePageAlone()
    {
        AppHarness h;
        h.OpenMap();
        const QByteArray page = "<img src=\"pic.png\" usemap=\"#m\">\n<map name=\"m\">\n"
                                "<area shape=\"rect\" coords=\"1,1,9,9\">\n</map>\n";
        WriteAll(h.Path(QStringLiteral("index.html")), page);
        h.AddRect(10, 20, 110, 70)->m_alt = "x\"><area shape=rect coords=9,9,9,9";
        h.answer = QMessageBox::Yes;
        QVERIFY(!h.app->Commands()->UpdateHtmlDocument());
        QVERIFY(h.boxes.back().startsWith(QStringLiteral("ファイル\"index.html\"の2行目で、マップのタグが")));
        QVERIFY(h.boxes.back().endsWith(QStringLiteral("ファイルは変更していません。")));
        QCOMPARE(ReadAll(h.Path(QStringLiteral("index.html"))), page);
        QVERIFY(!QFile::exists(h.Path(QStringLiteral("index.html~"))));
        QVERIFY(h.Doc().IsModified());
    }

    void theMagnificationButtonsMenuMarksTheCurrentOne()
    {
        AppHarness h;
        h.OpenMap();
        h.View().ApplyMagnification(2.0f);
        QMenu& menu = h.Frame().MagnificationMenu();
        QMetaObject::invokeMethod(&menu, "aboutToShow");
        QStringList marked;
        for (QAction* item : menu.actions()) {
            QVERIFY(item->isEnabled());
            if (item->isChecked())
                marked << item->text();
        }
        QCOMPARE(marked, QStringList{QStringLiteral("200%")});
    }

    void copyingTheSourceClearsTheModifiedFlag()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(1, 1, 9, 9);
        QVERIFY(h.app->Commands()->CopyHtmlToClipboard());
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("<IMG SRC=\"pic.png\"")));
        QCOMPARE(h.boxes.back(), QStringLiteral("HTMLソースをクリップボードにコピーしました。"));
        QVERIFY(!h.Doc().IsModified());
    }

    // Regression: a failed save showed the file's path twice, the second time
    // in an English "cannot save PATH: REASON". The program's sentence names
    // it once, and says why: in the program's words where it can tell, else
    // in the system's.
    void aFailedSaveIsToldOnceInTheProgramsWords_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a named pipe")
            << QStringLiteral("fifo é.zmf")
            << QStringLiteral("同じ名前の、ファイルではないもの(デバイスや名前付きパイプなど)があります。");
        QTest::newRow("a folder") << QStringLiteral("folder é.zmf") << QStringLiteral("同じ名前のフォルダがあります。");
        QTest::newRow("no folder") << QStringLiteral("none/map é.zmf")
                                   << QStringLiteral("フォルダ \"%1\" がありません。");
        // What the program cannot tell in its words, the system tells, once.
        QTest::newRow("a name too long") << QStringLiteral("long %1.zmf").arg(QString(300, QLatin1Char('x')))
                                         << QStringLiteral("File name too long");
    }
    void aFailedSaveIsToldOnceInTheProgramsWords()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        AppHarness h;
        h.OpenMap();
        const QString path = h.Path(name);
        if (name.startsWith(QStringLiteral("fifo")))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (name.startsWith(QStringLiteral("folder")))
            QVERIFY(QDir().mkpath(path));
        const QString expected =
            QStringLiteral("ファイル \"%1\" を保存できませんでした。\n").arg(path) +
            (reason.contains(QStringLiteral("%1")) ? reason.arg(h.Path(QStringLiteral("none"))) : reason);
        h.app->Files()->chooseSavePath = [path] { return std::optional<QString>(path); };
        h.boxes.clear();
        QVERIFY(!h.app->Files()->SaveAs());
        QCOMPARE(h.boxes, QStringList{expected});
        h.boxes.clear();
        QVERIFY(!DocumentCommands::WriteSourceFile(&h.Frame(), "<p>",
                                                   DocumentCommands::SaveTarget{FromQString(path), 4, 1, 1}));
        QCOMPARE(h.boxes, QStringList{expected});
    }

    // Regression: a map in a folder whose name is not UTF-8 (Linux allows
    // any bytes), opened from the command line or dropped, was taken by the
    // name Qt shows for it, U+FFFD for those bytes, which no file has. Such a
    // name is refused, named.
    void aNameThatIsNotUtf8IsRefused()
    {
        AppHarness h;
        AppSettings settings;
        CZephyrmapDoc other(settings);
        other.SetAttribute(AttrMapName, "m");
        const QByteArray folder = QFile::encodeName(h.dir.path()) + "/bad\xFF\xFE";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        std::string error;
        QVERIFY(native::SaveToFile(other, std::filesystem::path(folder.toStdString() + "/m.zmf"), error));
        const QString shown = QFile::decodeName(folder + "/m.zmf");
        QVERIFY(shown.contains(QChar(0xFFFD)));
        QVERIFY(!h.app->Files()->Open(shown));
        QCOMPARE(h.boxes,
                 QStringList{QStringLiteral("ファイル名 \"%1\" には、文字として読めないバイトが含まれているため、"
                                            "Zephyrmap!では扱えません。\nファイルまたはフォルダの名前を変えてから、"
                                            "もう一度開いてください。")
                                 .arg(shown)});
        QVERIFY(h.app->Files()->RecentFiles().isEmpty());
    }

    // Regression: a picture, page or map under a folder or with a name that
    // Shift-JIS lacks was refused. The editor opens, saves, reads its picture
    // from and writes its page for any name, and shows names as they are.
    void namesOfAnyCharactersOpenSaveAndShow()
    {
        AppHarness h;
        for (const QString& folder : {QStringLiteral("Café/José's maps"), QStringLiteral("中文目录/😀")}) {
            h.OpenMap(folder + QStringLiteral("/naïve 😀.png"), folder + QStringLiteral("/Zürich 地図.html"));
            int width = 0, height = 0;
            QVERIFY(h.Doc().Picture()->LoadedSize(width, height));
            QCOMPARE(width, 300);
            h.AddRect(1, 1, 9, 9)->m_alt = "Café 😀";
            const QString map = h.Path(folder + QStringLiteral("/José's 地図 😀.zmf"));
            h.app->Files()->chooseSavePath = [map] { return std::optional<QString>(map); };
            QVERIFY(h.app->Files()->SaveAs());
            QVERIFY(QFileInfo::exists(map));
            QCOMPARE(h.Frame().windowTitle(), QFileInfo(map).fileName() + QStringLiteral(" - Zephyrmap !"));
            QVERIFY(h.app->Files()->Open(map));
            QCOMPARE(h.Doc().AreaAt(0)->m_alt, std::string("Café 😀"));
            QCOMPARE(h.Doc().ImageSrc(), h.ProgramPath(folder + QStringLiteral("/naïve 😀.png")));
            QCOMPARE(h.app->Files()->RecentFiles().front(), map);
            // The map put back into its page, under its own name.
            QFile page(h.Path(folder + QStringLiteral("/Zürich 地図.html")));
            QVERIFY(page.open(QIODevice::WriteOnly));
            page.write("<meta charset=utf-8><img src=x.png usemap=#m>\n<map name=m>\n</map>\n");
            page.close();
            h.answer = QMessageBox::Yes;
            QVERIFY(h.app->Commands()->UpdateHtmlDocument());
            QVERIFY(page.open(QIODevice::ReadOnly));
            QByteArray updated = page.readAll();
            page.close();
            QVERIFY2(updated.contains("src=\"naïve 😀.png\""), updated.constData());
            QVERIFY2(updated.contains("ALT=\"Café 😀\""), updated.constData());
            // A page that does not say it is UTF-8 is read as Shift-JIS: what
            // that lacks goes in as references, which read as the characters.
            QVERIFY(page.open(QIODevice::WriteOnly));
            page.write("<img src=x.png usemap=#m>\n<map name=m>\n</map>\n");
            page.close();
            QVERIFY(h.app->Commands()->UpdateHtmlDocument());
            QVERIFY(page.open(QIODevice::ReadOnly));
            updated = page.readAll();
            page.close();
            QVERIFY2(updated.contains("src=\"na&#239;ve &#x1F600;.png\""), updated.constData());
            QVERIFY2(updated.contains("ALT=\"Caf&#233; &#x1F600;\""), updated.constData());
        }
        QVERIFY2(h.boxes.filter(QStringLiteral("扱えない")).isEmpty(), qPrintable(h.boxes.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(DocumentCommandsTest)
#include "DocumentCommandsTest.moc"

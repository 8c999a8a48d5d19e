#include "app/SvgCommands.h"
#include "app/CommandTable.h"
#include "tests/app/AppHarness.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace
{

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMenu* MenuOf(CMainFrame& frame, const QString& caption)
{
    for (QAction* a : frame.menuBar()->actions()) {
        if (a->text() == caption)
            return a->menu();
    }
    return nullptr;
}

// The texts of a menu's items, separators left out.
QStringList Items(QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator() && !a->text().isEmpty())
            texts << a->text();
    }
    return texts;
}

} // namespace

class SvgCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void theCommandsStandBesideTheirHtmlTwins()
    {
        AppHarness h;
        const QStringList file = Items(MenuOf(h.Frame(), QStringLiteral("ﾌｧｲﾙ(&F)")));
        QCOMPARE(file.indexOf(QStringLiteral("SVGソースを保存(&G)...")),
                 file.indexOf(QStringLiteral("HTMLソースを保存(&T)...")) + 1);
        QCOMPARE(file.indexOf(QStringLiteral("SVGをクリップボードに出力(&V)")),
                 file.indexOf(QStringLiteral("クリップボードに出力(&B)")) + 1);
        const QStringList tools = Items(MenuOf(h.Frame(), QStringLiteral("ツール(&T)")));
        QVERIFY(tools.contains(QStringLiteral("マップの検査(&K)")));
        // Each letter leads to one item of its menu.
        for (const QStringList& menu : {file, tools}) {
            QStringList letters;
            for (const QString& text : menu) {
                const qsizetype amp = text.indexOf(QLatin1Char('&'));
                if (amp >= 0)
                    letters << text.mid(amp + 1, 1).toUpper();
            }
            QCOMPARE(QSet<QString>(letters.begin(), letters.end()).size(), letters.size());
        }
        // New ids of their own, each one action.
        for (CommandId id : {CmdSaveSvgSource, CmdCopySvgToClipboard, CmdCheckMap}) {
            int entries = 0;
            for (const CommandInfo& c : AllCommands())
                entries += c.id == id;
            QCOMPARE(entries, 1);
            QVERIFY(h.Frame().IsRouted(id));
        }
        h.Frame().UpdateCommandUI();
        QVERIFY(!h.Frame().Action(CmdSaveSvgSource)->isEnabled()); // no map yet
        QVERIFY(!h.Frame().Action(CmdCopySvgToClipboard)->isEnabled());
        h.OpenMap();
        h.Frame().UpdateCommandUI();
        QVERIFY(h.Frame().Action(CmdSaveSvgSource)->isEnabled());
        QVERIFY(h.Frame().Action(CmdCopySvgToClipboard)->isEnabled());
    }

    void anExtensionIsAddedOnlyToAPathWithoutADot_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("saved");
        QTest::newRow("SVG type") << "/web/map" << 1 << "/web/map.svg";
        QTest::newRow("HTML type") << "/web/map" << 2 << "/web/map.html";
        QTest::newRow("text type") << "/web/map" << 3 << "/web/map.txt";
        QTest::newRow("every file") << "/web/map" << 4 << "/web/map";
        QTest::newRow("an extension of its own") << "/web/map.xml" << 1 << "/web/map.xml";
    }
    void anExtensionIsAddedOnlyToAPathWithoutADot()
    {
        QFETCH(QString, path);
        QFETCH(int, filter);
        QFETCH(QString, saved);
        QCOMPARE(QString::fromStdString(SvgCommands::WithExtension(path.toStdString(), filter)), saved);
    }

    // Written in the chosen encoding and line ends; the map stays modified,
    // as an SVG cannot be read back into it.
    void savingWritesTheSvgAndKeepsTheMapModified()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(10, 20, 110, 70)->m_alt = "日 & 本";
        SvgCommands& commands = *h.app->Svg();
        commands.chooseSaveTarget = [&h] {
            return std::optional<DocumentCommands::SaveTarget>({h.ProgramPath(QStringLiteral("map")), 4, 2, 1});
        };
        h.Frame().UpdateCommandUI();
        h.Frame().Action(CmdSaveSvgSource)->trigger();
        const QByteArray bytes = ReadAll(h.Path(QStringLiteral("map.svg")));
        QVERIFY2(bytes.startsWith("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 300 200\" width=\"300\" "
                                  "height=\"200\" style=\"max-width: 100%; height: auto\">\n"
                                  "  <image href=\"pic.png\" width=\"300\" height=\"200\""),
                 bytes.constData());
        QVERIFY(bytes.contains("<a href=\"\" aria-label=\"日 &amp; 本\"><rect x=\"10\" y=\"20\" width=\"100\" "
                               "height=\"50\" fill=\"transparent\"/></a>\n</svg>"));
        QVERIFY(!bytes.contains('\r'));
        QVERIFY(h.Doc().IsModified());
        // Its folder and type are its own, apart from the HTML source's.
        QCOMPARE(h.app->Store().OpenDialog(QStringLiteral("svg"), QStringLiteral("/none")).folder, h.dir.path());
        QCOMPARE(h.app->Store().OpenDialog(QStringLiteral("html"), QStringLiteral("/none")).folder,
                 SettingsStore::HomeFolder());
    }

    void overwritingAsks()
    {
        AppHarness h;
        h.OpenMap();
        QFile page(h.Path(QStringLiteral("page.html")));
        page.open(QIODevice::WriteOnly);
        page.write("page");
        page.close();
        SvgCommands& commands = *h.app->Svg();
        int asked = 0;
        commands.chooseSaveTarget = [&]() -> std::optional<DocumentCommands::SaveTarget> {
            ++asked;
            return DocumentCommands::SaveTarget{h.ProgramPath(QStringLiteral("page.html")), 4, 2, 2};
        };
        h.answer = QMessageBox::Cancel;
        QVERIFY(!commands.SaveSvgSource());
        QCOMPARE(asked, 1);
        QCOMPARE(h.boxes.back(),
                 QStringLiteral("ファイル\"page.html\"はすでに存在します。\n"
                                "上書きすると、クリッカブルマップタグ以外のHTMLソースは失われます。\n上書きしますか?"));
        QCOMPARE(ReadAll(h.Path(QStringLiteral("page.html"))), QByteArray("page"));
        h.answer = QMessageBox::Yes;
        QVERIFY(commands.SaveSvgSource());
        QVERIFY(ReadAll(h.Path(QStringLiteral("page.html"))).startsWith("<svg "));
    }

    void copyingPutsTheSvgOnTheClipboard()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(1, 1, 9, 9);
        h.Frame().UpdateCommandUI();
        h.Frame().Action(CmdCopySvgToClipboard)->trigger();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(copied.startsWith(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 300 200\"")));
        QVERIFY(copied.endsWith(QStringLiteral("</a>\n</svg>")));
        QCOMPARE(h.boxes.back(), QStringLiteral("SVGソースをクリップボードにコピーしました。"));
        QVERIFY(h.Doc().IsModified());
    }
};

QTEST_MAIN(SvgCommandsTest)
#include "SvgCommandsTest.moc"

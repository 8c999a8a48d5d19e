#include "app/ExternalApps.h"
#include "services/language/ProgramLanguage.h"
#include "tests/view/ViewHarness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

void WriteFile(const QString& path, const QByteArray& bytes = "x")
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ExternalAppsTest : public QObject
{
    Q_OBJECT
private:
    QStringList m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::No;
    std::vector<ExternalApps::Launch> m_launches;

    // A map whose HTML document and picture sit in the harness's folder.
    struct Setup {
        ViewHarness h{800, 600};
        ExternalApps apps{h.doc, h.settings, h.pane, &h.view};
        QString Path(const char* name) const { return h.dir.filePath(QLatin1String(name)); }
    };

    void Record(ExternalApps& apps)
    {
        apps.launcher = [this](const ExternalApps::Launch& launch) {
            m_launches.push_back(launch);
            return ExternalApps::Outcome::Started;
        };
    }

private slots:
    void init()
    {
        m_boxes.clear();
        m_launches.clear();
        ProgramMessage::SetAnswerer([this](const ProgramMessageRecord& box) {
            m_boxes << box.text;
            return m_answer;
        });
    }
    void cleanup() { ProgramMessage::SetAnswerer({}); }

    void thePreviewGoesBesideTheDocumentElseThePicture()
    {
        Setup s;
        QDir(s.h.dir.path()).mkdir(QStringLiteral("site"));
        WriteFile(s.Path("site/index.html"));
        s.h.doc.SetAttribute(AttrHtmlPath, FromQString(s.Path("site/index.html")));
        QCOMPARE(s.apps.PreviewFolder(), s.Path("site"));
        s.h.doc.SetAttribute(AttrHtmlPath, FromQString(s.Path("site/missing.html")));
        QCOMPARE(s.apps.PreviewFolder(), s.h.dir.path());
    }

    void aStandInBrowserGetsThePreviewFile()
    {
        Setup s;
        const QString record = s.Path("argument.txt");
        const QString browser = s.Path("browser.sh");
        WriteFile(browser, QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n").arg(record).toUtf8());
        QFile::setPermissions(browser, QFile::permissions(browser) | QFileDevice::ExeOwner);
        s.h.settings.Browser = FromQString(browser);
        s.h.AddRect(1, 1, 10, 10);
        s.apps.BrowserPreview();
        QTRY_COMPARE(QString::fromUtf8(ReadAll(record)), s.Path("Zephyrmap_tmp.html"));
        QVERIFY(m_boxes.isEmpty());
        QFile page(s.Path("Zephyrmap_tmp.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray bytes = page.readAll();
        QVERIFY(bytes.startsWith("<HTML>\r\n\r\n<HEAD>\r\n"));
        QVERIFY(bytes.contains("<TITLE>Zephyrmap !プレビュー</TITLE>"));
        QVERIFY(bytes.contains("<AREA SHAPE=\"rect\" COORDS=\"1,1,10,10\""));
        QVERIFY(bytes.endsWith("</MAP>\r\n\r\n</BODY>\r\n\r\n</HTML>"));
    }

    // The preview page goes beside a document of any name, is UTF-8 with
    // its charset declared, and holds every character of the map.
    void thePreviewTakesAnyNameAndEveryCharacter()
    {
        Setup s;
        const QString folder = s.h.dir.filePath(QStringLiteral("Café/中文目录 😀"));
        QVERIFY(QDir().mkpath(folder));
        WriteFile(folder + QStringLiteral("/José's page.html"));
        s.h.doc.SetAttribute(AttrHtmlPath, FromQString(folder + QStringLiteral("/José's page.html")));
        const QString record = s.Path("argument.txt");
        const QString browser = s.Path("browser.sh");
        WriteFile(browser, QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n").arg(record).toUtf8());
        QFile::setPermissions(browser, QFile::permissions(browser) | QFileDevice::ExeOwner);
        s.h.settings.Browser = FromQString(browser);
        s.h.AddRect(1, 1, 10, 10)->m_alt = "Café 😀 지도 𠮷";
        s.apps.BrowserPreview();
        const QString preview = folder + QStringLiteral("/Zephyrmap_tmp.html");
        QTRY_COMPARE(QString::fromUtf8(ReadAll(record)), preview);
        QVERIFY(m_boxes.isEmpty());
        const QByteArray bytes = ReadAll(preview);
        QVERIFY(bytes.contains("charset=UTF-8"));
        QVERIFY(bytes.contains("ALT=\"Café 😀 지도 𠮷\""));
    }

    void theHeadAndTailFollowTheTagCase()
    {
        Setup s;
        s.h.settings.HtmlOption |= kLowerCaseTags;
        const QByteArray page = s.apps.BrowserPreviewPage();
        QVERIFY(page.startsWith("<html>\r\n\r\n<head>\r\n"));
        QVERIFY(page.contains("<title>Zephyrmap !プレビュー</title>"));
        QVERIFY(page.endsWith("</body>\r\n\r\n</html>"));
    }

    // In English the browser's title is English; the page stays the same.
    void inEnglishThePreviewIsTitledInEnglish()
    {
        Setup s;
        QVERIFY(ProgramLanguage::Install(Language::English));
        const QByteArray page = s.apps.BrowserPreviewPage();
        ProgramLanguage::Install(Language::Japanese);
        QVERIFY(page.startsWith("<HTML>\r\n\r\n<HEAD>\r\n"));
        QVERIFY(page.contains("<TITLE>Zephyrmap Preview</TITLE>"));
        QVERIFY(page.endsWith("</BODY>\r\n\r\n</HTML>"));
    }

    void aSecondPreviewReplacesTheFirstWithoutAQuestion()
    {
        Setup s;
        Record(s.apps);
        s.apps.SourcePreview();
        s.apps.SourcePreview();
        QCOMPARE(m_launches.size(), std::size_t(2));
        QVERIFY(m_boxes.isEmpty());
        QVERIFY(QFileInfo::exists(s.Path("Zephyrmap_tmp.html")));
    }

    // The work file written before was removed from outside, and the map's
    // document moved to a folder holding the user's own file of that name:
    // it gets the question, and it stays when the program ends.
    void aWorkFileOfOursIsOnlyTheOneAtOurPath()
    {
        Setup s;
        {
            ExternalApps apps(s.h.doc, s.h.settings, s.h.pane, &s.h.view); // this run's
            Record(apps);
            apps.BrowserPreview();
            QVERIFY(QFile::remove(s.Path("Zephyrmap_tmp.html")));
            QDir(s.h.dir.path()).mkdir(QStringLiteral("other"));
            WriteFile(s.Path("other/index.html"));
            WriteFile(s.Path("other/Zephyrmap_tmp.html"), "mine");
            s.h.doc.SetAttribute(AttrHtmlPath, FromQString(s.Path("other/index.html")));
            m_answer = QMessageBox::No;
            apps.BrowserPreview();
            QCOMPARE(m_boxes.size(), 1);
            QCOMPARE(m_launches.size(), std::size_t(1));
        } // the program ends
        QCOMPARE(ReadAll(s.Path("other/Zephyrmap_tmp.html")), QByteArray("mine"));
    }

    // Our own work file changed by someone since we wrote it is theirs now.
    void aWorkFileChangedSinceWeWroteItIsTheUsers()
    {
        Setup s;
        {
            ExternalApps apps(s.h.doc, s.h.settings, s.h.pane, &s.h.view);
            Record(apps);
            apps.SourcePreview();
            WriteFile(s.Path("Zephyrmap_tmp.html"), "edited by the user");
            m_answer = QMessageBox::No;
            apps.SourcePreview();
            QCOMPARE(m_boxes.size(), 1);
        }
        QCOMPARE(ReadAll(s.Path("Zephyrmap_tmp.html")), QByteArray("edited by the user"));
        // Unchanged, it goes with the program.
        {
            QFile::remove(s.Path("Zephyrmap_tmp.html"));
            ExternalApps apps(s.h.doc, s.h.settings, s.h.pane, &s.h.view);
            Record(apps);
            apps.SourcePreview();
            QVERIFY(QFileInfo::exists(s.Path("Zephyrmap_tmp.html")));
        }
        QVERIFY(!QFileInfo::exists(s.Path("Zephyrmap_tmp.html")));
    }

    // An editor left at the general opener would show the page rendered:
    // the desktop's text editor takes the file instead, when there is one.
    void editorsLeftAtTheOpenerUseTheDesktopsTextEditor()
    {
        Setup s;
        Record(s.apps);
        s.h.settings.Editor = DefaultBrowserPath();
        s.apps.textEditorCommand = [](const QString& file) {
            return QStringList{QStringLiteral("texteditor"), QStringLiteral("--new"), file};
        };
        s.apps.SourcePreview();
        QCOMPARE(m_launches.size(), std::size_t(1));
        QCOMPARE(m_launches[0].command,
                 (QStringList{QStringLiteral("texteditor"), QStringLiteral("--new"), s.Path("Zephyrmap_tmp.html")}));
        // No text editor on the desktop: the opener it is.
        s.apps.textEditorCommand = [](const QString&) { return QStringList(); };
        s.apps.SourcePreview();
        QVERIFY(m_launches[1].command.isEmpty());
        QCOMPARE(m_launches[1].program, ToQString(DefaultBrowserPath()));
        // An editor of the user's own choice is taken as it is.
        s.h.settings.Editor = "/usr/bin/myeditor";
        s.apps.textEditorCommand = [](const QString&) { return QStringList{QStringLiteral("never")}; };
        s.apps.SourcePreview();
        QVERIFY(m_launches[2].command.isEmpty());
        QCOMPARE(m_launches[2].program, QStringLiteral("/usr/bin/myeditor"));
    }

    void theUsersOwnWorkFileIsAskedAbout()
    {
        Setup s;
        Record(s.apps);
        WriteFile(s.Path("Zephyrmap_tmp.html"), "mine");
        m_answer = QMessageBox::No;
        s.apps.BrowserPreview();
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY(m_boxes.front().startsWith(QStringLiteral("ファイル [ Zephyrmap_tmp.html ] が [ ")));
        QVERIFY(m_boxes.front().endsWith(QStringLiteral("ここでこのファイルをごみ箱に移動しますか?")));
        QVERIFY(m_launches.empty());
        QFile mine(s.Path("Zephyrmap_tmp.html"));
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("mine"));
    }

    // Yes puts the file into the user's trash, even when the user's data
    // folder does not exist yet, and leaves nothing in the current folder.
    void theUsersOwnWorkFileGoesToTheTrash()
    {
        Setup s;
        Record(s.apps);
        const QString dataHome = s.Path("data-home");
        const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome.toUtf8());
        QDir(s.h.dir.path()).mkdir(QStringLiteral("started-here"));
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(s.Path("started-here"));
        WriteFile(s.Path("Zephyrmap_tmp.html"), "mine");
        m_answer = QMessageBox::Yes;
        s.apps.BrowserPreview();
        QDir::setCurrent(oldCurrent);
        qputenv("XDG_DATA_HOME", oldDataHome);
        QCOMPARE(ReadAll(dataHome + QStringLiteral("/Trash/files/Zephyrmap_tmp.html")), QByteArray("mine"));
        QVERIFY(QFileInfo::exists(dataHome + QStringLiteral("/Trash/info/Zephyrmap_tmp.html.trashinfo")));
        QVERIFY(QDir(s.Path("started-here")).isEmpty());
        QCOMPARE(m_launches.size(), std::size_t(1));
        QVERIFY(ReadAll(s.Path("Zephyrmap_tmp.html")).startsWith("<HTML>"));
    }

    void aMissingApplicationIsReported()
    {
        Setup s;
        s.h.settings.Editor = "/nonexistent/editor";
        s.apps.SourcePreview();
        QCOMPARE(m_boxes, QStringList{QStringLiteral(
                              "アプリケーションが見つかりません。\n外部アプリケーションの設定を確認して下さい。")});
    }

    void linkTargetsOpenByTheirType()
    {
        Setup s;
        Record(s.apps);
        WriteFile(s.Path("index.html"));
        WriteFile(s.Path("page.html"));
        WriteFile(s.Path("photo.JPG"));
        s.h.doc.SetAttribute(AttrHtmlPath, FromQString(s.Path("index.html")));
        s.h.settings.HTML_App_default = 0;
        s.h.settings.HTML_App = "/usr/bin/html-viewer";
        s.h.settings.IMG_Editor = "/usr/bin/picture-editor";
        CMapData* typed = s.h.AddRect(1, 1, 9, 9);
        typed->SetAttributes(std::string("page.html#top"), std::nullopt, std::nullopt, 0, -1, std::nullopt);
        s.h.pane.listSelection = s.h.doc.IndexOf(typed);
        s.apps.OpenLinkTarget(false);
        QCOMPARE(m_launches.size(), std::size_t(1));
        QCOMPARE(m_launches[0].program, QStringLiteral("/usr/bin/html-viewer"));
        QCOMPARE(m_launches[0].file, s.Path("page.html"));
        CMapData* picture = s.h.AddRect(1, 1, 9, 9);
        picture->SetAttributes(FromQString(s.Path("photo.JPG")), std::nullopt, std::nullopt, 1, -1, std::nullopt);
        s.h.pane.listSelection = s.h.doc.IndexOf(picture);
        s.apps.OpenLinkTarget(true);
        QCOMPARE(m_launches.back().program, QStringLiteral("/usr/bin/picture-editor"));
        s.apps.OpenLinkTarget(false); // an image opened by association
        QVERIFY(m_launches.back().association);
        QVERIFY(m_boxes.isEmpty());
    }

    void linksThatLeadNowhereAreReported()
    {
        Setup s;
        Record(s.apps);
        WriteFile(s.Path("index.html"));
        s.h.doc.SetAttribute(AttrHtmlPath, FromQString(s.Path("index.html")));
        CMapData* url = s.h.AddRect(1, 1, 9, 9);
        url->SetAttributes(std::string("http://example.com/a.html"), std::nullopt, std::nullopt, 0, -1, std::nullopt);
        s.h.pane.listSelection = s.h.doc.IndexOf(url);
        s.apps.OpenLinkTarget(false);
        CMapData* none = s.h.AddRect(1, 1, 9, 9);
        none->m_noHref = 1;
        s.h.pane.listSelection = s.h.doc.IndexOf(none);
        s.apps.OpenLinkTarget(false);
        QCOMPARE(m_boxes,
                 (QStringList{QStringLiteral("ファイル\"\"が見つかりませんでした。\nリンク先を確認してください。"),
                              QStringLiteral("このエリアには、リンクが設定されていません。")}));
        QVERIFY(m_launches.empty());
    }

    void aMissingHtmlDocumentIsReported()
    {
        Setup s;
        Record(s.apps);
        s.h.doc.SetAttribute(AttrHtmlPath, "/nowhere/index.html");
        s.apps.OpenHtmlDocument(true);
        QCOMPARE(m_boxes,
                 QStringList{QStringLiteral(
                     "ファイル\"/nowhere/"
                     "index.html\"が見つかりませんでした。\nマップを使用するHTML文書のパスを確認してください。")});
    }
};

QTEST_MAIN(ExternalAppsTest)
#include "ExternalAppsTest.moc"

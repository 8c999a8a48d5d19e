#include "services/desktop/DefaultApplication.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

void WriteFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray Entry(const QByteArray& exec, const QByteArray& extra = QByteArray())
{
    return "[Desktop Entry]\nType=Application\nName=Editor\nExec=" + exec + "\n" + extra;
}

} // namespace

class DefaultApplicationTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    DefaultApplication::Folders Folders() const
    {
        DefaultApplication::Folders folders;
        folders.config = {m_dir.filePath(QStringLiteral("config"))};
        folders.data = {m_dir.filePath(QStringLiteral("home-data")), m_dir.filePath(QStringLiteral("system-data"))};
        folders.desktops = {QStringLiteral("lxqt")};
        return folders;
    }
    QString Path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    void init() { QDir(m_dir.path()).removeRecursively(); }

    void theFileIsAlwaysOneArgument_data()
    {
        QTest::addColumn<QByteArray>("exec");
        QTest::addColumn<QStringList>("command");
        const QString file = QStringLiteral("/tmp/a b/page.html");
        QTest::newRow("%F") << QByteArray("edit %F") << QStringList{"edit", file};
        QTest::newRow("%U and options") << QByteArray("edit --new-window %U")
                                        << QStringList{"edit", "--new-window", file};
        QTest::newRow("no field code") << QByteArray("edit") << QStringList{"edit", file};
        QTest::newRow("quoted program") << QByteArray("\"/opt/my editor/run\" %f")
                                        << QStringList{"/opt/my editor/run", file};
        QTest::newRow("escapes in quotes")
            << QByteArray("sh -c \"echo \\\\\"$1\\\\\"\" x %f") << QStringList{"sh", "-c", "echo \"$1\"", "x", file};
        QTest::newRow("dropped codes and a percent")
            << QByteArray("edit %i --title=%c 100%% %f") << QStringList{"edit", "--title=Editor", "100%", file};
    }
    void theFileIsAlwaysOneArgument()
    {
        QFETCH(QByteArray, exec);
        QFETCH(QStringList, command);
        const std::optional<DesktopEntry> entry = DesktopEntry::Parse(Entry(exec), QStringLiteral("/x.desktop"));
        QVERIFY(entry);
        QCOMPARE(entry->CommandFor(QStringLiteral("/tmp/a b/page.html")), command);
    }

    void entriesThatStartNothingAreNoEntries()
    {
        QVERIFY(!DesktopEntry::Parse("[Desktop Entry]\nType=Link\nURL=x\n", QString()));
        QVERIFY(!DesktopEntry::Parse("[Desktop Entry]\nType=Application\n", QString()));
        QVERIFY(!DesktopEntry::Parse("[Other]\nType=Application\nExec=x\n", QString()));
        // An open quote makes no command at all.
        QVERIFY(DesktopEntry::Parse(Entry("\"edit %f"), QString())->CommandFor(QStringLiteral("f")).isEmpty());
        // A translated key is not the command.
        const auto entry = DesktopEntry::Parse(Entry("edit", "Exec[de]=bearbeiten\n"), QString());
        QCOMPARE(entry->CommandFor(QStringLiteral("f")).front(), QStringLiteral("edit"));
    }

    void theUsersDefaultComesFirst()
    {
        WriteFile(Path("system-data/applications/system-editor.desktop"), Entry("system-edit %f"));
        WriteFile(Path("home-data/applications/mine.desktop"), Entry("my-edit %f"));
        WriteFile(Path("system-data/applications/mimeinfo.cache"), "[MIME Cache]\ntext/plain=system-editor.desktop;\n");
        DefaultApplication desktop(Folders());
        QCOMPARE(desktop.For(QStringLiteral("text/plain"))->CommandFor(QStringLiteral("f")).front(),
                 QStringLiteral("system-edit"));
        WriteFile(Path("config/mimeapps.list"), "[Default Applications]\ntext/plain=mine.desktop\n");
        QCOMPARE(desktop.For(QStringLiteral("text/plain"))->CommandFor(QStringLiteral("f")).front(),
                 QStringLiteral("my-edit"));
        // The desktop's own list before the general one.
        WriteFile(Path("config/lxqt-mimeapps.list"), "[Default Applications]\ntext/plain=system-editor.desktop\n");
        QCOMPARE(desktop.Candidates(QStringLiteral("text/plain")).front(), QStringLiteral("system-editor.desktop"));
    }

    void removedTerminalAndMissingApplicationsAreSkipped()
    {
        WriteFile(Path("system-data/applications/vi.desktop"), Entry("vi %f", "Terminal=true\n"));
        WriteFile(Path("system-data/applications/gone.desktop"), Entry("gone %f", "Hidden=true\n"));
        WriteFile(Path("system-data/applications/kde-writer.desktop"), Entry("writer %f"));
        WriteFile(Path("system-data/applications/unwanted.desktop"), Entry("unwanted %f"));
        WriteFile(Path("config/mimeapps.list"),
                  "[Default Applications]\ntext/plain=absent.desktop;vi.desktop;gone.desktop\n"
                  "[Removed Associations]\ntext/plain=unwanted.desktop\n");
        WriteFile(Path("system-data/applications/mimeinfo.cache"),
                  "[MIME Cache]\ntext/plain=unwanted.desktop;kde-writer.desktop;\n");
        DefaultApplication desktop(Folders());
        QCOMPARE(desktop.For(QStringLiteral("text/plain"))->CommandFor(QStringLiteral("f")).front(),
                 QStringLiteral("writer"));
        QVERIFY(!desktop.For(QStringLiteral("image/x-none")));
    }

    // A desktop file id with a dash may live in a folder named by its prefix.
    void anIdMayNameASubfolder()
    {
        WriteFile(Path("system-data/applications/kde/kwrite.desktop"), Entry("kwrite %U"));
        WriteFile(Path("config/mimeapps.list"), "[Default Applications]\ntext/plain=kde-kwrite.desktop\n");
        QCOMPARE(DefaultApplication(Folders()).For(QStringLiteral("text/plain"))->CommandFor(QStringLiteral("f")),
                 (QStringList{QStringLiteral("kwrite"), QStringLiteral("f")}));
    }
};

QTEST_GUILESS_MAIN(DefaultApplicationTest)
#include "DefaultApplicationTest.moc"

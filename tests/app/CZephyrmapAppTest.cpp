#include "app/CZephyrmapApp.h"
#include "model/CZephyrmapDoc.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/picture/MapPicture.h"
#include "services/store/SettingsStore.h"
#include "services/text/Utf8Bridge.h"
#include "tests/services/picture/PictureFiles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class CZephyrmapAppTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString Ini(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    // The nineteen values of old, the drawing's six, the trace tool's two and the language.
    void firstExitWritesAllTwentyEightValues()
    {
        const QString ini = Ini("app.ini");
        CZephyrmapApp app(std::make_unique<SettingsStore>(ini));
        app.InitInstance();
        app.DestroyFrame();
        app.ExitInstance();
        QSettings raw(ini, QSettings::IniFormat);
        raw.beginGroup(QStringLiteral("Settings"));
        QCOMPARE(raw.childKeys().size(), 28);
        QCOMPARE(raw.value(QStringLiteral("KeepTool")).toInt(), 0);
        QCOMPARE(raw.value(QStringLiteral("SnapToAreas")).toInt(), 0);
        QCOMPARE(raw.value(QStringLiteral("HtmlOption")).toInt(), 10);
        QCOMPARE(raw.value(QStringLiteral("Bgcolor")).toInt(), 0xC0C0C0);
        QCOMPARE(raw.value(QStringLiteral("magni")).toInt(), 100);
        QCOMPARE(raw.value(QStringLiteral("nTraceTolerance")).toInt(), 20);
        QCOMPARE(raw.value(QStringLiteral("nTraceSimplify")).toInt(), 15);
        QCOMPARE(raw.value(QStringLiteral("Language")).toInt(), 0);
        QVERIFY(!raw.contains(QStringLiteral("DefaultAreaTailInEffect")));
    }

    void theDocumentsPictureTakesTheStoredBackground()
    {
        const QString ini = Ini("bg.ini");
        {
            QSettings raw(ini, QSettings::IniFormat);
            raw.setValue(QStringLiteral("Settings/Bgcolor"), 0x123456);
        }
        CZephyrmapApp app(std::make_unique<SettingsStore>(ini));
        app.InitInstance();
        QCOMPARE(app.Picture()->BackgroundColor(), ColorRef(0x123456));
        // A fully transparent pixel shows that colour once loaded.
        testpictures::WriteBytes(Ini("clear.png"), testpictures::SolidPng(3, 2, 255, 255, 255, 0));
        app.Document()->SetPicture(utf8::Utf8ToSjis(Ini("clear.png").toStdString()));
        QCOMPARE(app.Document()->Width(), std::string("3"));
        QCOMPARE(app.Picture()->Dib().PixelAt(0, 0), 0x563412u);
        app.DestroyFrame();
    }

    void aMissingHelpFileIsTold()
    {
        CZephyrmapApp app(std::make_unique<SettingsStore>(Ini("help.ini")));
        app.InitInstance();
        QStringList boxes;
        ProgramMessage::SetAnswerer([&boxes](const ProgramMessageRecord& box) {
            boxes << box.caption + QLatin1Char('|') + box.text;
            return QMessageBox::Ok;
        });
        const QString missing = Ini("nowhere/index.html");
        QVERIFY(!app.OpenShippedFile(missing));
        ProgramMessage::SetAnswerer({});
        QCOMPARE(boxes, QStringList{QStringLiteral("Zephyrmap!|ファイル \"%1\" が見つかりません。\n"
                                                   "Zephyrmap!を入れ直してください。")
                                        .arg(missing)});
        app.DestroyFrame();
    }
};

QTEST_MAIN(CZephyrmapAppTest)
#include "CZephyrmapAppTest.moc"

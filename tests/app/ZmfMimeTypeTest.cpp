// The MIME type the program installs for its map files: a file manager knows a
// map file by its name and, under any name, by its first bytes. The type is
// read from the copy the build keeps beside the test programs, as desktops
// read it from an installation.

#include "app/InstalledFiles.h"
#include "formats/NativeMapFile.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

const QString kMapType = QStringLiteral("application/x-zephyrmap");

// The first bytes of a map file: int32 version 2, then the header string
// counted by one byte.
QByteArray Header()
{
    return QByteArray("\x02\x00\x00\x00\x1f", 5) + "Zephyrmap! ClickableMapDataFile";
}

} // namespace

class ZmfMimeTypeTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString Written(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QString();
        return path;
    }

private slots:
    void initTestCase()
    {
        // Only this build's types, over Qt's own database.
        const QString share = QDir::cleanPath(InstalledFiles::ProgramDataFolder() + QStringLiteral("/.."));
        QVERIFY2(QFile::exists(share + QStringLiteral("/mime/packages/zephyrmap.xml")), qPrintable(share));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(share));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("home"))));
    }

    void theTypeIsKnownWithItsComment()
    {
        const QMimeType type = QMimeDatabase().mimeTypeForName(kMapType);
        QVERIFY(type.isValid());
        QCOMPARE(type.comment(), QStringLiteral("Zephyrmap map"));
        QVERIFY(type.globPatterns().contains(QStringLiteral("*.zmf")));
    }

    void aFileNamedZmfIsAMapFile()
    {
        const QString path = Written(QStringLiteral("any.zmf"), QByteArray("not looked at"));
        QCOMPARE(QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name(), kMapType);
    }

    void aSavedMapUnderAnotherNameIsKnownByItsContent()
    {
        AppSettings settings;
        CZephyrmapDoc doc(settings);
        doc.EnsureDefaultArea();
        const QString path = m_dir.filePath(QStringLiteral("saved.bin"));
        std::string error;
        QVERIFY(native::SaveToFile(doc, QFile::encodeName(path).toStdString(), error));
        QCOMPARE(QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchContent).name(), kMapType);
    }

    // Each a header that is not a map file's, with what is wrong with it.
    void otherFirstBytesAreNotAMapFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray version3 = Header();
        version3[0] = '\x03';
        QTest::newRow("version 3") << version3;
        QByteArray bigEndian = Header();
        bigEndian.replace(0, 4, QByteArray("\x00\x00\x00\x02", 4));
        QTest::newRow("version written big-endian") << bigEndian;
        QByteArray count = Header();
        count[4] = '\x1e';
        QTest::newRow("header counted as 30 bytes") << count;
        QTest::newRow("header cut short") << Header().left(20);
        QByteArray otherCase = Header();
        otherCase.replace("Clickable", "clickable");
        QTest::newRow("header in other letters") << otherCase;
        QTest::newRow("header without the version") << Header().mid(4);
    }
    void otherFirstBytesAreNotAMapFile()
    {
        QFETCH(QByteArray, bytes);
        const QString path = Written(QStringLiteral("other.bin"), bytes + QByteArray(64, '\0'));
        QVERIFY(!path.isEmpty());
        QVERIFY(QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchContent).name() != kMapType);
    }
};

QTEST_MAIN(ZmfMimeTypeTest)
#include "ZmfMimeTypeTest.moc"

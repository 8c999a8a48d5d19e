// The core's messages in the language of the run: recognised by their fixed
// pieces, their values carried into the English.

#include "services/language/ProgramTexts.h"
#include "check/CheckTexts.h"
#include "model/Messages.h"
#include "services/language/ProgramLanguage.h"
#include "services/picture/QtText.h"
#include "services/text/Utf8Bridge.h"

#include <QRegularExpression>
#include <QtTest>

namespace
{

std::string Sjis(const char* utf8Text)
{
    return utf8::Utf8ToSjis(utf8Text);
}

bool HasJapanese(const QString& text)
{
    return text.contains(
        QRegularExpression(QStringLiteral("[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]")));
}

} // namespace

class ProgramTextsTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { ProgramLanguage::Install(Language::Japanese); }

    // Every message of the core, with values that hold no Japanese.
    void everyCoreMessageHasItsEnglish_data()
    {
        QTest::addColumn<QByteArray>("message"); // Shift-JIS
        QTest::addColumn<QStringList>("values");
        auto row = [](const char* name, const std::string& text, QStringList values = {}) {
            QTest::newRow(name) << QByteArray::fromStdString(text) << values;
        };
        row("Untitled", texts::Untitled());
        row("NoMapInHtml", texts::NoMapInHtml());
        row("HtmlSyntaxError", texts::HtmlSyntaxError());
        row("NotOurFormat", texts::NotOurFormat());
        row("NewerVersion", texts::NewerVersion());
        row("OldVersionWarning", texts::OldVersionWarning());
        row("UnexpectedFormat", texts::UnexpectedFormat());
        row("CannotOpenFile", texts::CannotOpenFile());
        row("PictureMissing", texts::PictureMissing("/maps/photo.png"), {"/maps/photo.png"});
        row("PictureUnreadable", texts::PictureUnreadable("/maps/photo.jpg"), {"/maps/photo.jpg"});
        row("CharactersReplaced", texts::CharactersReplaced(12, 345), {"12", "345"});
        row("MissingAlt", checktexts::MissingAlt());
        row("EmptyRectangle", checktexts::EmptyRectangle());
        row("EmptyCircle", checktexts::EmptyCircle());
        row("EmptyPolygon", checktexts::EmptyPolygon());
        row("HiddenArea", checktexts::HiddenArea());
        row("OutsidePicture", checktexts::OutsidePicture(640, 480), {"640", "480"});
        row("EntirelyOutsidePicture", checktexts::EntirelyOutsidePicture(64, 48), {"64", "48"});
        row("DuplicateArea: counted from 1", checktexts::DuplicateArea(7), {"area 8"});
        row("MissingLinkTarget", checktexts::MissingLinkTarget("/site/a.html"), {"/site/a.html"});
        row("UsemapWithoutHash", checktexts::UsemapWithoutHash("park"), {"\"park\""});
        row("UsemapNamesNoMap", checktexts::UsemapNamesNoMap("park"), {"\"park\""});
        row("UsemapDiffersInCase", checktexts::UsemapDiffersInCase("park", "Park"), {"\"park\"", "\"Park\""});
        row("UsemapById", checktexts::UsemapById("park"), {"\"#park\""});
        row("UsemapTextBeforeHash", checktexts::UsemapTextBeforeHash("x#park"), {"\"x#park\""});
        row("DuplicateMapName", checktexts::DuplicateMapName("park", 31), {"\"park\"", "line 31"});
        row("ImgMissingAlt", checktexts::ImgMissingAlt());
        row("MapUnused", checktexts::MapUnused("park"), {"\"park\""});
        row("SvgAttributesLeftOut", checktexts::SvgAttributesLeftOut(checktexts::QuotedNames({"dir", "accesskey"})),
            {"\"dir\", \"accesskey\""});
        row("SvgAttributesLeftOutOfArea", checktexts::SvgAttributesLeftOutOfArea(4, "\"dir\""), {"Area 4", "\"dir\""});
    }
    void everyCoreMessageHasItsEnglish()
    {
        QFETCH(QByteArray, message);
        QFETCH(QStringList, values);
        const std::string sjis = message.toStdString();
        QCOMPARE(programtexts::Translate(sjis), ToQString(sjis));
        QCOMPARE(programtexts::TranslateText(sjis), sjis);
        QVERIFY(ProgramLanguage::Install(Language::English));
        const QString english = programtexts::Translate(sjis);
        QVERIFY2(!HasJapanese(english), qPrintable(english));
        for (const QString& value : values)
            QVERIFY2(english.contains(value), qPrintable(english));
        QCOMPARE(programtexts::TranslateText(sjis), FromQString(english));
    }

    // Word for word, where the values move.
    void theValuesMoveIntoTheEnglish()
    {
        QVERIFY(ProgramLanguage::Install(Language::English));
        QCOMPARE(programtexts::Translate(texts::CharactersReplaced(3, 14)),
                 QStringLiteral("This HTML had 3 characters that could not be read; they were read as "
                                "\"\uFFFD\".\nThe first of them is on line 14."));
        QCOMPARE(programtexts::Translate(checktexts::DuplicateMapName("a", 9)),
                 QStringLiteral("The map name \"a\" is the same as that of the map on line 9. Browsers use the first "
                                "map."));
        // The core's first area is the first one a person counts.
        QCOMPARE(programtexts::Translate(checktexts::DuplicateArea(0)),
                 QStringLiteral("Same shape, coordinates and link as area 1."));
        QCOMPARE(programtexts::AreaNumber(0), QStringLiteral("1"));
        ProgramLanguage::Install(Language::Japanese);
        QCOMPARE(programtexts::AreaNumber(0), QStringLiteral("0"));
    }

    // Regression: one unreadable character was "1 characters" in English. The
    // count takes its form; the Japanese stays as it was.
    void aCountTakesItsForm_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("japanese");
        QTest::newRow("one") << 1
                             << QStringLiteral("This HTML had 1 character that could not be read; it was read as "
                                               "\"\uFFFD\".\nIt is on line 7.")
                             << QStringLiteral("このHTMLには、読み取れない文字が1個あったため、\"\uFFFD\"に置き換えて"
                                               "読み込みました。\r\n最初に置き換えた文字は7行目にあります。");
        QTest::newRow("two") << 2
                             << QStringLiteral("This HTML had 2 characters that could not be read; they were read as "
                                               "\"\uFFFD\".\nThe first of them is on line 7.")
                             << QStringLiteral("このHTMLには、読み取れない文字が2個あったため、\"\uFFFD\"に置き換えて"
                                               "読み込みました。\r\n最初に置き換えた文字は7行目にあります。");
    }
    void aCountTakesItsForm()
    {
        QFETCH(int, count);
        QFETCH(QString, english);
        QFETCH(QString, japanese);
        const std::string message = texts::CharactersReplaced(static_cast<std::size_t>(count), 7);
        QCOMPARE(programtexts::Translate(message), japanese);
        QVERIFY(ProgramLanguage::Install(Language::English));
        QCOMPARE(programtexts::Translate(message), english);
    }

    // A file name is a value, whatever it holds: Japanese, a "%2", a piece of
    // another message.
    void aValueStaysAsItIs_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("Japanese") << QString::fromUtf8("/写真/公園.png");
        QTest::newRow("placeholders") << QStringLiteral("/maps/%2%1.png");
        QTest::newRow("a message's own piece") << QString::fromUtf8("/a \"が見つかりません。/b.png");
    }
    void aValueStaysAsItIs()
    {
        QFETCH(QString, path);
        QVERIFY(ProgramLanguage::Install(Language::English));
        QCOMPARE(programtexts::Translate(texts::PictureMissing(FromQString(path))),
                 QStringLiteral("The image file \"%1\" was not found.\nPlease choose the image file again.").arg(path));
    }

    // What is none of the core's messages is not touched.
    void otherTextsStay()
    {
        QVERIFY(ProgramLanguage::Install(Language::English));
        const std::string name = Sjis("無題の地図.zmf");
        QCOMPARE(programtexts::Translate(name), ToQString(name));
        QCOMPARE(programtexts::Translate(texts::Untitled() + "x"), ToQString(texts::Untitled() + "x"));
    }

    // Bytes Shift-JIS cannot decode survive Japanese untouched.
    void japaneseKeepsTheBytes()
    {
        const std::string odd = std::string("\x81\x7f\xa0\xfd\xff", 5) + texts::NoMapInHtml();
        QCOMPARE(programtexts::TranslateText(odd), odd);
    }
};

QTEST_MAIN(ProgramTextsTest)
#include "ProgramTextsTest.moc"

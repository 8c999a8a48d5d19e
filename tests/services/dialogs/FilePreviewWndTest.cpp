#include "services/dialogs/FilePreviewWnd.h"
#include "services/language/ProgramLanguage.h"
#include "tests/services/picture/PictureFiles.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace testpictures;

namespace
{

std::string Program(const QString& path)
{
    return path.toStdString();
}

// Pixels of `image` inside `r` that are (or are not) `color`.
int CountColour(const QImage& image, const QRect& r, QRgb color)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
    return n;
}

} // namespace

class FilePreviewWndTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString Path(const QString& name) const { return m_dir.filePath(name); }

    static QImage Grab(FilePreviewWnd& pane)
    {
        pane.resize(202, 202);
        return pane.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void aPictureShowsItsSizes()
    {
        std::string png = SolidPng(400, 300, 200, 30, 40);
        png.resize(12345, '\0');
        WriteBytes(Path("wide.png"), png);
        FilePreviewWnd pane;
        pane.SetFile(Program(Path("wide.png")));
        QCOMPARE(pane.CurrentMode(), FilePreviewWnd::ShowingPicture);
        QCOMPARE(pane.HeightText(), std::string("高さ 300"));
        QCOMPARE(pane.WidthText(), std::string("幅 400"));
        QCOMPARE(pane.SizeText(), std::string("12.3 kbyte"));
    }

    // In English a size reads as a web author writes it.
    void inEnglishTheSizeIsInKB()
    {
        std::string png = SolidPng(40, 30, 200, 30, 40);
        png.resize(53400, '\0');
        WriteBytes(Path("big.png"), png);
        QVERIFY(ProgramLanguage::Install(Language::English));
        FilePreviewWnd pane;
        pane.SetFile(Program(Path("big.png")));
        ProgramLanguage::Install(Language::Japanese);
        QCOMPARE(pane.SizeText(), std::string("53.4 KB"));
        QCOMPARE(pane.WidthText(), std::string("Width 40"));
    }

    // Inner 200 x 200 at (1, 1); the strip takes its lower 40 rows, so the
    // picture area is 200 x 160 and a 400 x 300 picture fits as 200 x 150
    // at (1, 6).
    void thePictureIsFittedAboveTheTextStrip()
    {
        WriteBytes(Path("red.png"), SolidPng(400, 300, 200, 30, 40));
        FilePreviewWnd pane;
        pane.SetFile(Program(Path("red.png")));
        const QImage shot = Grab(pane);
        const QRgb red = qRgb(200, 30, 40), fill = qRgb(208, 208, 208), strip = qRgb(238, 238, 238);
        QCOMPARE(CountColour(shot, QRect(1, 6, 200, 150), red), 200 * 150);
        QCOMPARE(CountColour(shot, QRect(1, 1, 200, 5), fill), 200 * 5);
        QCOMPARE(CountColour(shot, QRect(1, 156, 200, 5), fill), 200 * 5);
        // The strip: its fill, and two lines of dark text in it.
        const QRect stripRect(1, 161, 200, 40);
        const int stripFill = CountColour(shot, stripRect, strip);
        QVERIFY(stripFill > 200 * 40 / 2 && stripFill < 200 * 40);
        int upper = 0, lower = 0;
        for (int y = 161; y < 201; ++y)
            for (int x = 1; x < 201; ++x)
                if (qGray(shot.pixel(x, y)) < 128)
                    (y < 181 ? upper : lower)++;
        QVERIFY(upper > 0);
        QVERIFY(lower > 0);
        // The sunken frame.
        QCOMPARE(shot.pixel(201, 201), qRgb(255, 255, 255));
        QCOMPARE(shot.pixel(0, 100), pane.palette().color(QPalette::Dark).rgb());
    }

    // Layout 2 puts a strip of the style's width at the right with three
    // lines ending at its bottom; the picture-only layout gives the picture the whole pane.
    void otherLayouts()
    {
        WriteBytes(Path("blue.png"), SolidPng(100, 100, 0, 0, 250));
        PreviewStyle right;
        right.layout = PreviewLayout::StripRight;
        FilePreviewWnd side(right);
        side.SetFile(Program(Path("blue.png")));
        QImage shot = Grab(side);
        // Inner 200 x 200; the strip is x 138..200, the picture area 137 wide:
        // the picture fits as 100 x 100 at (19, 51).
        QCOMPARE(CountColour(shot, QRect(19, 51, 100, 100), qRgb(0, 0, 250)), 100 * 100);
        int textRows = 0, lowest = 0;
        for (int y = 1; y < 201; ++y) {
            bool dark = false;
            for (int x = 138; x < 201; ++x)
                dark = dark || qGray(shot.pixel(x, y)) < 128;
            textRows += dark;
            if (dark)
                lowest = y;
        }
        QVERIFY(textRows > 15);
        QVERIFY(lowest > 185);
        QCOMPARE(CountColour(shot, QRect(1, 1, 137, 40), qRgb(208, 208, 208)), 137 * 40);

        PreviewStyle bare;
        bare.layout = PreviewLayout::PictureOnly;
        FilePreviewWnd whole(bare);
        whole.SetFile(Program(Path("blue.png")));
        shot = Grab(whole);
        QCOMPARE(CountColour(shot, QRect(51, 51, 100, 100), qRgb(0, 0, 250)), 100 * 100);
        QCOMPARE(CountColour(shot, QRect(1, 160, 200, 41), qRgb(208, 208, 208)), 200 * 41); // no text strip
    }

    void missingAndUnusableFilesShowThePlaceholder()
    {
        WriteBytes(Path("broken.png"), "not a picture at all");
        WriteBytes(Path("notes.txt"), "<title>x</title>");
        QDir().mkpath(Path("folder.png"));
        const std::string longPath = Program(Path(QString(260, QLatin1Char('a')) + ".png"));
        for (const std::string& path :
             {Program(Path("gone.png")), Program(Path("broken.png")), Program(Path("notes.txt")),
              Program(Path("folder.png")), longPath, std::string()}) {
            FilePreviewWnd pane;
            pane.SetFile(path);
            QCOMPARE(pane.CurrentMode(), FilePreviewWnd::Nothing);
            const QImage shot = Grab(pane);
            const QRgb face = pane.palette().color(QPalette::Button).rgb();
            QVERIFY(CountColour(shot, QRect(1, 1, 200, 200), face) > 200 * 200 * 9 / 10);
            QVERIFY(CountColour(shot, QRect(1, 1, 200, 200), qRgb(119, 119, 119)) > 0); // "Preview"
        }
    }

    void htmlFilesShowTheirTitle()
    {
        WriteBytes(Path("top.html"), "<html><head><title>Top</title></head></html>");
        WriteBytes(Path("none.htm"), "<html><body></body></html>");
        WriteBytes(Path("late.shtml"), std::string(600, ' ') + "<title>Late</title>");
        FilePreviewWnd pane;
        pane.SetFile(Program(Path("top.html")));
        QCOMPARE(pane.CurrentMode(), FilePreviewWnd::ShowingTitle);
        QCOMPARE(pane.TitleText(), std::string("[ Top ]"));
        pane.SetFile(Program(Path("none.htm")));
        QCOMPARE(pane.TitleText(), std::string("[  ]"));
        pane.SetFile(Program(Path("late.shtml")));
        QCOMPARE(pane.TitleText(), std::string("[  ]"));
        pane.SetFile(Program(Path("top.html")));
        const QImage shot = Grab(pane);
        const QRgb fill = qRgb(238, 238, 238);
        QVERIFY(CountColour(shot, QRect(1, 1, 200, 200), fill) > 200 * 200 * 9 / 10);
        // The title sits in the middle band of the pane.
        int dark = 0, darkOutside = 0;
        for (int y = 1; y < 201; ++y)
            for (int x = 1; x < 201; ++x)
                if (qGray(shot.pixel(x, y)) < 128)
                    (y > 80 && y < 120 ? dark : darkOutside)++;
        QVERIFY(dark > 0);
        QCOMPARE(darkOutside, 0);
    }

    void thePaneFontIsAJapaneseSansAtTheStyleHeight()
    {
        FilePreviewWnd pane;
        QCOMPARE(pane.PaneFont().pixelSize(), 13);
        const QString family = QFontInfo(pane.PaneFont()).family();
        QVERIFY2(!family.isEmpty(), "no font family");
        QVERIFY(QFontDatabase::families(QFontDatabase::Japanese).contains(pane.PaneFont().family()) ||
                pane.PaneFont().family() == QStringLiteral("ＭＳ Ｐゴシック"));
    }
};

QTEST_MAIN(FilePreviewWndTest)
#include "FilePreviewWndTest.moc"

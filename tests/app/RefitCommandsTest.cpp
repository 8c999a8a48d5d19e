// "画像を差し替えてエリアを合わせる" in the editor: where the command stands,
// a half-size copy of the picture halving every area in one undo step, what
// cancelling, another scene and a file that is no picture leave, and the
// status bar's note for a map whose picture no longer has its size.

#include "app/RefitCommands.h"
#include "app/CRefitDlg.h"
#include "app/CommandTable.h"
#include "app/NativeFileCommands.h"
#include "app/PictureSizeNotice.h"
#include "formats/NativeMapFile.h"
#include "model/Messages.h"
#include "services/language/ProgramTexts.h"
#include "services/paths/LocalFile.h"
#include "services/refit/RefitTexts.h"
#include "tests/app/AppHarness.h"
#include "tests/services/picture/RefitPictures.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace
{

// A map over a 400 x 300 scene with a rectangle and a circle, saved as it is.
struct RefitHarness : AppHarness {
    QImage scene = refitpictures::Scene(400, 300, 11);
    int dialogs = 0;

    RefitHarness()
    {
        OpenMap();
        scene.save(Path(QStringLiteral("pic.png")));
        Doc().SetPicture(ProgramPath(QStringLiteral("pic.png")));
        AddRect(40, 60, 240, 160);
        auto circle = std::make_unique<CMapData>();
        circle->m_shape = ShapeCirc;
        circle->m_points = {{300, 200}, {360, 200}, {360, 260}, {300, 260}};
        View().AddArea(std::move(circle));
        Doc().SetModified(false);
    }

    RefitCommands& Refit() { return *app->Refit(); }

    // The command run with `picture` chosen and the dialog answered by `answer`.
    bool RunWith(const QString& picture, std::function<bool(CRefitDlg&)> answer)
    {
        Refit().choosePicture = [this, picture] { return std::optional(ProgramPath(picture)); };
        Refit().runDialog = [this, answer](CRefitDlg& dialog) {
            ++dialogs;
            return answer(dialog);
        };
        return Refit().ReplacePictureAndFit();
    }

    QString Saved(const QImage& image, const QString& name)
    {
        image.save(Path(name));
        return name;
    }

    std::string State()
    {
        std::string s = Doc().ImageSrc() + " " + Doc().Width() + "x" + Doc().Height();
        for (const auto& a : Doc().Areas())
            s += " " + a->FormatCoords();
        return s;
    }
};

QStringList FileMenu(CMainFrame& frame)
{
    QStringList texts;
    for (QAction* a : frame.menuBar()->actions().first()->menu()->actions()) {
        if (!a->isSeparator())
            texts << a->text();
    }
    return texts;
}

const auto kAccept = [](CRefitDlg& dialog) { return dialog.OkButton().isEnabled(); };

} // namespace

class RefitCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void standsAfterNewMapWhileAMapIsOpen()
    {
        AppHarness h;
        const QStringList file = FileMenu(h.Frame());
        QCOMPARE(file.indexOf(QStringLiteral("画像を差し替えてエリアを合わせる(&R)...")),
                 file.indexOf(QStringLiteral("新規作成(&N)...")) + 1);
        h.Frame().UpdateCommandUI();
        QVERIFY(!h.Frame().ActionById(CmdReplacePictureAndFit)->isEnabled());
        h.OpenMap();
        h.Frame().UpdateCommandUI();
        QVERIFY(h.Frame().ActionById(CmdReplacePictureAndFit)->isEnabled());
    }

    void aHalfSizeCopyHalvesEveryAreaInOneStep()
    {
        RefitHarness h;
        const std::string before = h.State();
        const std::size_t depth = h.Doc().History().UndoDepth();
        const QString half = h.Saved(h.scene.scaled(200, 150, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                                     QStringLiteral("half.png"));
        QVERIFY(h.RunWith(half, kAccept));
        const std::string after = h.ProgramPath(half) + " 200x150 20,30,120,80 165,115,15 0,0,200,150";
        QCOMPARE(h.State(), after);
        QVERIFY(h.Doc().IsModified());
        QCOMPARE(h.Doc().History().UndoDepth(), depth + 1);
        h.Run(CmdUndo);
        QCOMPARE(h.State(), before);
        h.Run(CmdRedo);
        QCOMPARE(h.State(), after);
    }

    void cancellingChangesNothing()
    {
        RefitHarness h;
        const std::string before = h.State();
        const QString half = h.Saved(h.scene.scaled(200, 150), QStringLiteral("half.png"));
        QVERIFY(!h.RunWith(half, [](CRefitDlg&) { return false; }));
        QCOMPARE(h.dialogs, 1);
        QCOMPARE(h.State(), before);
        QVERIFY(!h.Doc().IsModified());
        h.Refit().choosePicture = [] { return std::optional<std::string>(); };
        QVERIFY(!h.Refit().ReplacePictureAndFit()); // no picture chosen
        QCOMPARE(h.State(), before);
    }

    // Another scene: the dialog says why and offers no OK.
    void anotherSceneIsRefused()
    {
        RefitHarness h;
        const std::string before = h.State();
        const QString other = h.Saved(refitpictures::Scene(400, 300, 12), QStringLiteral("other.png"));
        bool okOffered = true;
        QString said;
        QVERIFY(!h.RunWith(other, [&](CRefitDlg& dialog) {
            okOffered = dialog.OkButton().isEnabled();
            said = dialog.Summary().text();
            return okOffered;
        }));
        QVERIFY(!okOffered);
        QVERIFY2(said.startsWith(programtexts::Translate(refittexts::FailureText(RefitFailure::NotSameScene))),
                 qPrintable(said));
        QCOMPARE(h.State(), before);
    }

    void aFileThatIsNoPictureIsTold()
    {
        RefitHarness h;
        QFile text(h.Path(QStringLiteral("notes.png")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture");
        text.close();
        const std::string before = h.State();
        QVERIFY(!h.RunWith(QStringLiteral("notes.png"), kAccept));
        QCOMPARE(h.dialogs, 0);
        // The box shows the message's CR LF as one line end.
        const QString told =
            programtexts::Translate(texts::PictureUnreadable(h.ProgramPath(QStringLiteral("notes.png"))));
        QCOMPARE(h.boxes, QStringList{QString(told).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))});
        QCOMPARE(h.State(), before);
    }

    // The map was saved at 800 x 600; its picture was exported again at 400 x
    // 300 over the same file. Opened, the status bar says so and offers the
    // command, which stretches the map's size over the picture.
    void theStatusBarTellsOfAPictureNotOfTheMapsSize()
    {
        RefitHarness h;
        PictureSizeNotice& notice = h.Refit().Notice();
        QVERIFY(!notice.isVisibleTo(&h.Frame()));
        h.Doc().SetAttribute(AttrWidth, "800");
        h.Doc().SetAttribute(AttrHeight, "600");
        const std::string map = h.ProgramPath(QStringLiteral("map.zmf"));
        std::string error;
        QVERIFY(native::SaveToFile(h.Doc(), localfile::PathOf(map), error));
        h.Doc().SetModified(false);
        QVERIFY(h.app->Files()->Open(ToQString(map)));
        QVERIFY(notice.isVisibleTo(&h.Frame()));
        QCOMPARE(notice.Text().text(),
                 QStringLiteral("画像の大きさ(400×300)がマップのWIDTHとHEIGHT(800×600)と違います。"));
        QCOMPARE(notice.Button().text(), QStringLiteral("画像を差し替えてエリアを合わせる..."));
        // The note's button runs the command.
        QString said;
        h.Refit().choosePicture = [&h] { return std::optional(h.ProgramPath(QStringLiteral("pic.png"))); };
        h.Refit().runDialog = [&](CRefitDlg& dialog) {
            said = dialog.Summary().text();
            return kAccept(dialog);
        };
        h.Frame().UpdateCommandUI();
        notice.Button().click();
        QVERIFY2(said.startsWith(QStringLiteral("元の画像がないため、マップの大きさ(800×600)")), qPrintable(said));
        QCOMPARE(h.State(), h.ProgramPath(QStringLiteral("pic.png")) + " 400x300 20,30,120,80 165,115,15 0,0,400,300");
        QVERIFY(!notice.isVisibleTo(&h.Frame()));
        h.Run(CmdUndo);
        QCOMPARE(h.Doc().Width(), std::string("800"));
        QVERIFY(notice.isVisibleTo(&h.Frame()));
        h.Doc().DeleteContents();
        QVERIFY(!notice.isVisibleTo(&h.Frame()));
    }
};

QTEST_MAIN(RefitCommandsTest)
#include "RefitCommandsTest.moc"

#include "tests/app/AppHarness.h"

#include "app/NativeFileCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

class CMapPageTest : public QObject
{
    Q_OBJECT
private slots:
    void thePageShowsTheMap()
    {
        AppHarness h;
        h.OpenMap();
        CMapPage& page = h.MapPage();
        QCOMPARE(page.Edit(AttrMapName)->text(), QStringLiteral("m"));
        QCOMPARE(page.Edit(AttrHtmlPath)->text(), h.Path(QStringLiteral("index.html")));
        QCOMPARE(page.Edit(AttrWidth)->text(), QStringLiteral("300"));
        QCOMPARE(page.Edit(AttrHeight)->text(), QStringLiteral("200"));
        QVERIFY(page.Edit(AttrWidth)->isReadOnly());
        QCOMPARE(page.Combo(AttrBorder)->count(), 12);
        QCOMPARE(page.Combo(AttrAlign)->itemText(7), QStringLiteral("absmiddle"));
    }

    void typingIntoBorderIsOneStepRecordedWhenAnotherFieldTakesTheFocus()
    {
        AppHarness h;
        h.OpenMap();
        CMapPage& page = h.MapPage();
        const std::size_t steps = h.Doc().History().UndoDepth();
        QLineEdit* border = page.Combo(AttrBorder)->lineEdit();
        border->setFocus();
        QTest::keyClicks(border, QStringLiteral("3"));
        QCOMPARE(h.Doc().Attribute(AttrBorder), std::string("3"));
        QVERIFY(h.Doc().CanUndo()); // before any step exists
        QCOMPARE(h.Doc().History().UndoDepth(), steps);
        page.Edit(AttrHspace)->setFocus();
        QCOMPARE(h.Doc().History().UndoDepth(), steps + 1);
        const UndoStep& step = h.Doc().History().UndoSteps().front();
        QCOMPARE(step.kind, UndoMapAttribute);
        QCOMPARE(step.oldText, std::string());
        QCOMPARE(step.newText, std::string("3"));
        h.Doc().Undo();
        QCOMPARE(h.Doc().Attribute(AttrBorder), std::string());
        QCOMPARE(page.Combo(AttrBorder)->currentText(), QString());
        QCOMPARE(h.Frame().PaneTabs().currentIndex(), 0);
    }

    // Typing on after a save opens a new episode from the saved text: undo
    // goes back to it, not past it, and the map is then unmodified.
    void typingAfterASaveStartsFromTheSavedText()
    {
        AppHarness h;
        h.OpenMap();
        h.app->Files()->chooseSavePath = [&h] { return std::optional<QString>(h.Path(QStringLiteral("map.zmf"))); };
        QLineEdit* alt = h.MapPage().Edit(AttrImgAlt);
        alt->setFocus();
        QTest::keyClicks(alt, QStringLiteral("a"));
        h.Run(CmdSave);
        QVERIFY(!h.Doc().IsModified());
        QTest::keyClicks(alt, QStringLiteral("b"));
        QVERIFY(h.Doc().IsModified());
        h.MapPage().Edit(AttrHspace)->setFocus();
        h.Run(CmdUndo);
        QCOMPARE(h.Doc().Attribute(AttrImgAlt), std::string("a"));
        QCOMPARE(alt->text(), QStringLiteral("a"));
        QVERIFY(!h.Doc().IsModified());
    }

    // Combo boxes take what is typed, never an item it begins.
    void combosTakeWhatIsTyped()
    {
        AppHarness h;
        h.OpenMap();
        QLineEdit* align = h.MapPage().Combo(AttrAlign)->lineEdit();
        align->setFocus();
        QTest::keyClicks(align, QStringLiteral("l"));
        QCOMPARE(h.Doc().Attribute(AttrAlign), std::string("l"));
    }

    // Regression: characters Shift-JIS lacks were refused; every one is taken.
    void anyCharacterIsTaken()
    {
        AppHarness h;
        h.OpenMap();
        CMapPage& page = h.MapPage();
        const QString text = QStringLiteral("a✓ Café — ©2026 €5 😀 지도 𠮷");
        for (QLineEdit* field : {page.Edit(AttrImgAlt), page.Combo(AttrAlign)->lineEdit()}) {
            field->setFocus();
            field->insert(text);
            QCOMPARE(field->text(), text);
        }
        QCOMPARE(h.Doc().Attribute(AttrImgAlt), FromQString(text));
        QCOMPARE(h.Doc().Attribute(AttrAlign), FromQString(text));
    }

    void aListItemAppliesAtOnce()
    {
        AppHarness h;
        h.OpenMap();
        QComboBox* align = h.MapPage().Combo(AttrAlign);
        align->setFocus();
        align->setCurrentIndex(7);
        emit align->activated(7);
        QCOMPARE(h.Doc().Attribute(AttrAlign), std::string("absmiddle"));
    }

    void aPictureInASubfolderShowsItsNameOrItsRelativePath()
    {
        AppHarness h;
        h.OpenMap(QStringLiteral("img/pic.png"));
        CMapPage& page = h.MapPage();
        QCOMPARE(page.Edit(AttrImageSrc)->text(), QStringLiteral("pic.png"));
        QVERIFY(page.SrcRelativeCheck()->isEnabled());
        page.SrcRelativeCheck()->click();
        QCOMPARE(page.Edit(AttrImageSrc)->text(), QStringLiteral("./img/pic.png"));
        QCOMPARE(h.app->Settings().SRC_RelativePath, 1);
    }

    void withoutADocumentTheRelativeBoxIsOff()
    {
        AppHarness h;
        h.OpenMap();
        h.Doc().SetAttribute(AttrHtmlPath, std::string());
        h.Frame().UpdateRelativeChecks();
        QVERIFY(!h.MapPage().SrcRelativeCheck()->isEnabled());
    }

    void choosingAnotherPictureIsOneStep()
    {
        AppHarness h;
        h.OpenMap();
        QImage other(64, 48, QImage::Format_RGB32);
        other.fill(Qt::gray);
        other.save(h.Path(QStringLiteral("other.png")));
        CMapPage& page = h.MapPage();
        page.choosePicture = [&h] { return std::optional<std::string>(h.ProgramPath(QStringLiteral("other.png"))); };
        page.PictureButton()->click();
        QCOMPARE(page.Edit(AttrWidth)->text(), QStringLiteral("64"));
        QCOMPARE(page.Edit(AttrImageSrc)->text(), QStringLiteral("other.png"));
        h.Doc().Undo();
        QCOMPARE(h.Doc().ImageSrc(), h.ProgramPath(QStringLiteral("pic.png")));
        QCOMPARE(page.Edit(AttrWidth)->text(), QStringLiteral("300"));
        // Cancelling the dialog changes nothing.
        page.choosePicture = [] { return std::optional<std::string>(); };
        const std::size_t steps = h.Doc().History().UndoDepth();
        page.PictureButton()->click();
        QCOMPARE(h.Doc().History().UndoDepth(), steps);
        QVERIFY(!h.Doc().IsMapEditPending());
    }

    void enterAndEscapeDoNothing()
    {
        AppHarness h;
        h.OpenMap();
        QLineEdit* alt = h.MapPage().Edit(AttrImgAlt);
        alt->setFocus();
        QTest::keyClicks(alt, QStringLiteral("ab"));
        QTest::keyClick(alt, Qt::Key_Return);
        QTest::keyClick(alt, Qt::Key_Escape);
        QCOMPARE(alt->text(), QStringLiteral("ab"));
        QCOMPARE(h.Doc().Attribute(AttrImgAlt), std::string("ab"));
        QVERIFY(h.Frame().Pane().isVisible());
    }
};

QTEST_MAIN(CMapPageTest)
#include "CMapPageTest.moc"

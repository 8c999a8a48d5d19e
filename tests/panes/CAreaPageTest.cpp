#include "tests/app/AppHarness.h"

#include "app/NativeFileCommands.h"
#include "formats/HtmlOutputOptions.h"
#include "formats/HtmlWriter.h"
#include "services/picture/QtText.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

namespace
{

void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QPoint RowPoint(CAreaListCtrl* list, int row, int dy = 0)
{
    return list->visualRect(list->model()->index(row, 1)).center() + QPoint(0, dy);
}

// Drags row `from` with the mouse and lets it go at `to` (viewport pixels).
void DragRow(CAreaListCtrl* list, int from, QPoint to)
{
    const QPoint start = RowPoint(list, from);
    SendMouse(list->viewport(), QEvent::MouseButtonPress, start, Qt::LeftButton);
    SendMouse(list->viewport(), QEvent::MouseMove, start + QPoint(0, 12), Qt::LeftButton);
    SendMouse(list->viewport(), QEvent::MouseMove, to, Qt::LeftButton);
    SendMouse(list->viewport(), QEvent::MouseButtonRelease, to, Qt::NoButton);
}

QStringList Shapes(CZephyrmapDoc& doc)
{
    QStringList coords;
    for (const auto& area : doc.Areas())
        coords << QString::fromStdString(area->FormatCoords());
    return coords;
}

QStringList Rows(CAreaListCtrl* list)
{
    QStringList rows;
    for (int row = 0; row < list->rowCount(); ++row)
        rows << list->item(row, 0)->text() + QLatin1Char(' ') + list->item(row, 1)->text();
    return rows;
}

// Types `text` a character at a time, as a keyboard or input method would
// (the test library's own typing knows only ASCII).
void Type(QWidget* field, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, n);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(field, &release);
        i += n - 1;
    }
}

} // namespace

class CAreaPageTest : public QObject
{
    Q_OBJECT
private slots:
    void rowsShowKeywordsAndLinks()
    {
        AppHarness h;
        h.OpenMap();
        CMapData* area = h.AddRect(10, 10, 50, 50);
        area->SetAttributes(h.ProgramPath(QStringLiteral("a.html")), std::nullopt, std::nullopt, 1, -1, std::nullopt);
        h.app->Settings().HtmlOption |= kRectKeywordLong;
        h.AreaPage().FillList();
        QCOMPARE(Rows(h.AreaPage().List()),
                 (QStringList{QStringLiteral("rectangle a.html"), QStringLiteral("default ")}));
        QCOMPARE(h.AreaPage().List()->horizontalHeaderItem(0)->text(), QStringLiteral("SHAPE="));
        QCOMPARE(h.AreaPage().List()->horizontalHeaderItem(1)->text(), QStringLiteral("リンク先 HREF="));
    }

    void oneSelectionForListAndView()
    {
        AppHarness h;
        h.OpenMap();
        CMapData* first = h.AddRect(10, 10, 50, 50);
        CMapData* second = h.AddRect(100, 100, 150, 150);
        h.ShowAreaPage();
        CAreaListCtrl* list = h.AreaPage().List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowPoint(list, 0));
        QCOMPARE(h.View().SelectedArea(), first);
        QVERIFY(h.AreaPage().AltEdit()->isEnabled());
        h.View().SelectAndTell(second);
        QCOMPARE(h.AreaPage().GetSelectedArea(), 1);
        // A click below the rows clears both.
        const QPoint below(5, list->viewport()->height() - 3);
        QVERIFY(list->rowAt(below.y()) < 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(h.AreaPage().GetSelectedArea(), -1);
        QVERIFY(!h.View().HasSelection());
        QVERIFY(!h.AreaPage().AltEdit()->isEnabled());
    }

    void draggingOntoItselfOrJustBelowChangesNothing()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(1, 1, 10, 10);
        h.AddRect(2, 2, 20, 20);
        h.AddRect(3, 3, 30, 30);
        h.ShowAreaPage();
        const QStringList before = Shapes(h.Doc());
        const std::size_t steps = h.Doc().History().UndoDepth();
        CAreaListCtrl* list = h.AreaPage().List();
        DragRow(list, 1, RowPoint(list, 1, 2));
        DragRow(list, 1, RowPoint(list, 2, 2));
        QCOMPARE(Shapes(h.Doc()), before);
        QCOMPARE(h.Doc().History().UndoDepth(), steps);
    }

    void theDefaultLastRuleKeepsTheDefaultRowLast()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(1, 1, 10, 10);
        h.AddRect(2, 2, 20, 20);
        h.ShowAreaPage();
        CAreaPage& page = h.AreaPage();
        QCOMPARE(page.List()->rowCount(), 3); // the DEFAULT area is the last row
        QVERIFY(!page.CanDrag(2));
        QVERIFY(page.CanDrag(0));
        QVERIFY(!page.CanDrop(3)); // below the last row
        QVERIFY(page.CanDrop(0));  // the top
        QVERIFY(page.CanDrop(-1));
        QVERIFY(page.CanDrop(2)); // above the DEFAULT row
        // The DEFAULT row does not move by mouse either.
        const QStringList before = Shapes(h.Doc());
        DragRow(page.List(), 2, RowPoint(page.List(), 0, -2));
        QCOMPARE(Shapes(h.Doc()), before);
    }

    void withoutTheRuleAnythingGoesAnywhere()
    {
        AppHarness h;
        h.OpenMap();
        h.app->Settings().DefaultAreaTailInEffect = 0;
        h.AddRect(1, 1, 10, 10);
        h.AddRect(2, 2, 20, 20);
        h.ShowAreaPage();
        CAreaPage& page = h.AreaPage();
        // New areas went after the DEFAULT area, which is the first row now.
        QCOMPARE(h.Doc().AreaAt(0)->m_shape, int(ShapeDefault));
        QVERIFY(page.CanDrag(0));
        QVERIFY(page.CanDrop(page.List()->rowCount()));
        DragRow(page.List(), 0, RowPoint(page.List(), 2, 40)); // below the last row
        QCOMPARE(h.Doc().AreaAt(2)->m_shape, int(ShapeDefault));
        QCOMPARE(h.Doc().History().UndoSteps().front().kind, UndoAreaReordered);
    }

    void aReorderChangesTheAreaTagsOrder()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(1, 1, 10, 10);
        h.AddRect(2, 2, 20, 20);
        h.AddRect(3, 3, 30, 30);
        h.ShowAreaPage();
        CAreaListCtrl* list = h.AreaPage().List();
        DragRow(list, 2, RowPoint(list, 0, -5));
        QCOMPARE(Shapes(h.Doc()), (QStringList{QStringLiteral("3,3,30,30"), QStringLiteral("1,1,10,10"),
                                               QStringLiteral("2,2,20,20"), QStringLiteral("0,0,300,200")}));
        const std::string source = html::WriteMapHtml(h.Doc(), HtmlOutputOptions::FromSettings(h.app->Settings()));
        QVERIFY(source.find("3,3,30,30") < source.find("1,1,10,10"));
        h.Doc().Undo();
        QCOMPARE(Shapes(h.Doc()).front(), QStringLiteral("1,1,10,10"));
    }

    void aPickedLinkKeepsItsPathWhenOnlyTheFragmentIsEdited()
    {
        AppHarness h;
        h.app->Settings().HREF_RelativePath = 1;
        h.OpenMap();
        QDir(h.dir.path()).mkdir(QStringLiteral("sub"));
        CMapData* area = h.AddRect(1, 1, 10, 10);
        CAreaPage& page = h.AreaPage();
        page.SelectArea(0);
        page.chooseLinkTarget = [&h] {
            return std::optional<std::string>(h.ProgramPath(QStringLiteral("sub/page.html")));
        };
        page.BrowseButton()->click();
        QCOMPARE(page.HrefEdit()->text(), QStringLiteral("./sub/page.html"));
        QCOMPARE(area->m_hrefIsPath, 1);
        QLineEdit* href = page.HrefEdit();
        href->setFocus();
        href->end(false);
        QTest::keyClicks(href, QStringLiteral("#top"));
        QCOMPARE(area->m_href, h.ProgramPath(QStringLiteral("sub/page.html#top")));
        QTest::keyClick(href, Qt::Key_Backspace);
        QTest::keyClick(href, Qt::Key_Backspace);
        QTest::keyClick(href, Qt::Key_Backspace);
        QTest::keyClicks(href, QStringLiteral("end"));
        QCOMPARE(area->m_href, h.ProgramPath(QStringLiteral("sub/page.html#end")));
        QCOMPARE(area->m_hrefIsPath, 1);
        QCOMPARE(page.List()->item(0, 1)->text(), QStringLiteral("./sub/page.html#end"));
        // Changing the path makes the link the text typed.
        href->selectAll();
        QTest::keyClicks(href, QStringLiteral("./other.html"));
        QCOMPARE(area->m_href, std::string("./other.html"));
        QCOMPARE(area->m_hrefIsPath, 0);
    }

    void noHrefShowsItsTextAndSwitchesTheLinkOff()
    {
        AppHarness h;
        CAreaPage& page = h.PageWithOneArea();
        QVERIFY(page.HrefEdit()->isEnabled());
        page.NoHrefCheck()->click();
        QCOMPARE(page.List()->item(0, 1)->text(), QStringLiteral("NOHREF ( リンクしない )"));
        QVERIFY(!page.HrefEdit()->isEnabled());
        QVERIFY(!page.BrowseButton()->isEnabled());
        QCOMPARE(h.Doc().AreaAt(0)->m_noHref, 1);
        h.Frame().CommitPendingEdits();
        h.Doc().Undo();
        QCOMPARE(h.Doc().AreaAt(0)->m_noHref, 0);
        QVERIFY(page.HrefEdit()->isEnabled());
    }

    void filledFieldsChangeNothing()
    {
        AppHarness h;
        h.OpenMap();
        CMapData* first = h.AddRect(1, 1, 10, 10);
        first->m_alt = "one";
        h.AddRect(2, 2, 20, 20)->m_alt = "two";
        h.Doc().SetModified(false);
        h.ShowAreaPage();
        CAreaListCtrl* list = h.AreaPage().List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowPoint(list, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowPoint(list, 1));
        QCOMPARE(h.AreaPage().AltEdit()->text(), QStringLiteral("two"));
        QCOMPARE(first->m_alt, std::string("one"));
        QVERIFY(!h.Doc().IsAreaEditPending());
        QVERIFY(!h.Doc().IsModified());
    }

    void enterAndEscapeNeitherCloseNorChange()
    {
        AppHarness h;
        CAreaPage& page = h.PageWithOneArea();
        page.AltEdit()->setFocus();
        QTest::keyClicks(page.AltEdit(), QStringLiteral("x"));
        QTest::keyClick(page.AltEdit(), Qt::Key_Return);
        QTest::keyClick(page.AltEdit(), Qt::Key_Escape);
        page.OtherEdit()->setFocus();
        QTest::keyClicks(page.OtherEdit(), QStringLiteral("id=a"));
        QTest::keyClick(page.OtherEdit(), Qt::Key_Return);
        QCOMPARE(page.AltEdit()->text(), QStringLiteral("x"));
        QCOMPARE(page.OtherEdit()->toPlainText(), QStringLiteral("id=a"));
        QVERIFY(h.Frame().Pane().isVisible());
        QCOMPARE(h.Doc().AreaAt(0)->m_otherAttrs, std::string("id=a"));
    }

    // Every character is taken as typed or pasted, into every field: none
    // is refused or turned into "?" on its way into the map.
    void anyCharacterIsTakenAsTypedOrPasted()
    {
        AppHarness h;
        CAreaPage& page = h.PageWithOneArea();
        const QString alt = QStringLiteral("Café crème — ©2026 €5 😀 £©€—–½™• 한국 图片 𠮷野家 e\u0301");
        page.AltEdit()->setFocus();
        Type(page.AltEdit(), alt);
        QCOMPARE(page.AltEdit()->text(), alt);
        QCOMPARE(h.Doc().AreaAt(0)->m_alt, FromQString(alt));
        QVERIFY(page.AltEdit()->isUndoAvailable());
        page.AltEdit()->undo(); // the field's own undo gives the characters back whole
        page.AltEdit()->redo();
        QCOMPARE(h.Doc().AreaAt(0)->m_alt, FromQString(alt));
        page.TargetCombo()->setFocus();
        Type(page.TargetCombo()->lineEdit(), QStringLiteral("𠮷top"));
        QCOMPARE(page.TargetCombo()->currentText(), QStringLiteral("𠮷top"));
        QCOMPARE(h.Doc().AreaAt(0)->m_target, std::string("𠮷top"));
        page.OtherEdit()->setFocus();
        QTest::keyClicks(page.OtherEdit(), QStringLiteral("id=a"));
        page.OtherEdit()->insertPlainText(QStringLiteral(" title=\"한국\""));
        QCOMPARE(page.OtherEdit()->toPlainText(), QStringLiteral("id=a title=\"한국\""));
        QCOMPARE(h.Doc().AreaAt(0)->m_otherAttrs, std::string("id=a title=\"한국\""));
        page.HrefEdit()->setFocus();
        page.HrefEdit()->insert(QStringLiteral("/wiki/Zürich?q=ñ"));
        QCOMPARE(h.Doc().AreaAt(0)->m_href, std::string("/wiki/Zürich?q=ñ"));
    }

    // Regression: a field's own undo (Ctrl+Z) or paste (Ctrl+V) made its
    // change with Ctrl held, and the row selected again from code was
    // toggled twice, ending unselected: every later keystroke was dropped.
    void fieldKeysWithCtrlKeepTheRowAndLaterTyping()
    {
        for (const QKeySequence& keys : {QKeySequence::Undo, QKeySequence::Paste}) {
            AppHarness h;
            CAreaPage& page = h.PageWithOneArea();
            QGuiApplication::clipboard()->setText(QStringLiteral("P"));
            for (QLineEdit* field : {page.HrefEdit(), page.AltEdit(), page.TargetCombo()->lineEdit()}) {
                field->setFocus();
                QTest::keyClicks(field, QStringLiteral("XY"));
                QTest::keySequence(field, keys);
                QCOMPARE(page.GetSelectedArea(), 0);
                QTest::keyClicks(field, QStringLiteral("Q"));
            }
            page.OtherEdit()->setFocus();
            QTest::keyClicks(page.OtherEdit(), QStringLiteral("id=a"));
            QTest::keySequence(page.OtherEdit(), keys);
            QCOMPARE(page.GetSelectedArea(), 0);
            QTest::keyClicks(page.OtherEdit(), QStringLiteral("b"));
            const CMapData* area = h.Doc().AreaAt(0);
            const std::string after = keys == QKeySequence::Undo ? "Q" : "XYPQ";
            QCOMPARE(area->m_href, after);
            QCOMPARE(area->m_alt, after);
            QCOMPARE(area->m_target, after);
            QCOMPARE(area->m_otherAttrs, keys == QKeySequence::Undo ? std::string("b") : std::string("id=aPb"));
        }
    }

    // Other attributes are kept as a page read back gives them, so that the
    // tag written and read again is the same area.
    void otherAttributesKeepTheirBlanksAsAPageWould()
    {
        AppHarness h;
        CAreaPage& page = h.PageWithOneArea();
        page.OtherEdit()->setFocus();
        page.OtherEdit()->insertPlainText(QStringLiteral("  id=a\tclass=\"b\"\n\ntitle=c  "));
        QCOMPARE(h.Doc().AreaAt(0)->m_otherAttrs, std::string("id=a class=\"b\" title=c"));
        const QString typed = page.OtherEdit()->toPlainText();
        QTest::keyClick(page.OtherEdit(), Qt::Key_Tab); // moves on, types nothing
        QCOMPARE(page.OtherEdit()->toPlainText(), typed);
        QCOMPARE(h.Doc().AreaAt(0)->m_otherAttrs, std::string("id=a class=\"b\" title=c"));
    }

    // Ctrl+Z in a field undoes the field's own typing while it has some,
    // and the map's edits otherwise (the key is then not taken by the field).
    void undoKeysInAFieldGoToTheMapWhenTheFieldHasNothingToUndo()
    {
        AppHarness h;
        CAreaPage& page = h.PageWithOneArea();
        const auto taken = [](QWidget* field, const QKeySequence& keys) {
            QKeyEvent event(QEvent::ShortcutOverride, keys[0].key(), keys[0].keyboardModifiers());
            event.ignore();
            QApplication::sendEvent(field, &event);
            return event.isAccepted();
        };
        for (QWidget* field : {static_cast<QWidget*>(page.AltEdit()), static_cast<QWidget*>(page.OtherEdit()),
                               static_cast<QWidget*>(page.TargetCombo()->lineEdit())}) {
            QVERIFY2(!taken(field, QKeySequence(QKeySequence::Undo)), qPrintable(field->objectName()));
            QVERIFY2(!taken(field, QKeySequence(QKeySequence::Redo)), qPrintable(field->objectName()));
        }
        QTest::keyClicks(page.AltEdit(), QStringLiteral("abc"));
        QVERIFY(taken(page.AltEdit(), QKeySequence(QKeySequence::Undo)));
        QVERIFY(!taken(page.AltEdit(), QKeySequence(QKeySequence::Redo)));
        // Other keys are the field's as ever.
        QKeyEvent copy(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier);
        copy.ignore();
        QApplication::sendEvent(page.OtherEdit(), &copy);
        QVERIFY(copy.isAccepted());
    }

    void oneUndoStepPerAreaEpisode()
    {
        AppHarness h;
        CAreaPage& page = h.PageWithOneArea();
        const std::size_t steps = h.Doc().History().UndoDepth();
        page.AltEdit()->setFocus();
        QTest::keyClicks(page.AltEdit(), QStringLiteral("abc"));
        QVERIFY(h.Doc().CanUndo());
        page.TargetCombo()->setFocus(); // another field: the episode is recorded
        QCOMPARE(h.Doc().History().UndoDepth(), steps + 1);
        QCOMPARE(h.Doc().History().UndoSteps().front().kind, UndoAreaAttributes);
        h.Doc().Undo();
        QCOMPARE(h.Doc().AreaAt(0)->m_alt, std::string());
        QCOMPARE(h.Frame().PaneTabs().currentIndex(), 1);
        h.Doc().Redo();
        QCOMPARE(h.Doc().AreaAt(0)->m_alt, std::string("abc"));
        QCOMPARE(page.AltEdit()->text(), QStringLiteral("abc"));
    }

    // A save ends the episode; what is typed after it, the focus still in the
    // field, is a change of its own: the map is modified, and undo takes back
    // only that.
    void typingAfterASaveIsAChangeOfItsOwn()
    {
        AppHarness h;
        CAreaPage& page = h.PageWithOneArea();
        h.app->Files()->chooseSavePath = [&h] { return std::optional<QString>(h.Path(QStringLiteral("map.zmf"))); };
        page.AltEdit()->setFocus();
        QTest::keyClicks(page.AltEdit(), QStringLiteral("X"));
        h.Run(CmdSave);
        QVERIFY(!h.Doc().IsModified());
        QTest::keyClicks(page.AltEdit(), QStringLiteral("Y"));
        QVERIFY(h.Doc().IsModified());
        page.TargetCombo()->setFocus();
        QVERIFY(h.Doc().IsModified());
        h.Run(CmdUndo);
        QCOMPARE(h.Doc().AreaAt(0)->m_alt, std::string("X"));
        QVERIFY(!h.Doc().IsModified()); // back where it was saved
        h.Run(CmdUndo);
        QCOMPARE(h.Doc().AreaAt(0)->m_alt, std::string());
        QVERIFY(h.Doc().IsModified());
    }

    // Typing a letter and taking it back out leaves the map as it was.
    void textTypedAndTakenBackOutChangesNothing()
    {
        AppHarness h;
        CAreaPage& page = h.PageWithOneArea();
        h.Doc().SetModified(false);
        const std::size_t steps = h.Doc().History().UndoDepth();
        page.AltEdit()->setFocus();
        QTest::keyClicks(page.AltEdit(), QStringLiteral("Z"));
        QTest::keyClick(page.AltEdit(), Qt::Key_Backspace);
        page.TargetCombo()->setFocus();
        QCOMPARE(h.Doc().History().UndoDepth(), steps);
        QVERIFY(!h.Doc().IsModified());
    }

    // The edit is recorded before the area leaves the map, so undo brings
    // back the area and then its old text.
    void deletingRightAfterAnEditKeepsTheEditInUndo_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("delete") << int(CmdDeleteArea);
        QTest::newRow("cut") << int(CmdCutArea);
    }
    void deletingRightAfterAnEditKeepsTheEditInUndo()
    {
        QFETCH(int, command);
        AppHarness h;
        h.OpenMap();
        h.AddRect(20, 20, 120, 120);
        CAreaPage& page = h.AreaPage();
        page.SelectArea(0);
        page.AltEdit()->setFocus();
        QTest::keyClicks(page.AltEdit(), QStringLiteral("typed"));
        h.ClickInView(70, 70);
        QCOMPARE(h.View().SelectedArea(), h.Doc().AreaAt(0));
        h.Run(command);
        QCOMPARE(h.Doc().AreaCount(), 1); // the DEFAULT area
        h.Run(CmdUndo);
        QCOMPARE(h.Doc().AreaCount(), 2);
        QCOMPARE(h.Doc().AreaAt(0)->m_alt, std::string("typed"));
        h.Frame().UpdateCommandUI();
        QVERIFY(h.Frame().Action(CmdUndo)->isEnabled()); // the edit's own step
        h.Run(CmdUndo);
        QCOMPARE(h.Doc().AreaCount(), 2); // the edit was undone, not the area's addition
        QCOMPARE(h.Doc().AreaAt(0)->m_alt, std::string());
    }

    // A rebuild under a row drag (here the Delete key during the drag) ends
    // it: the drop moves nothing, least of all another area.
    // Many rows selected at once make a selection of a few ranges, so that
    // asking after the selection costs the same for three rows or all.
    void manyRowsAreSelectedAsRanges()
    {
        AppHarness h;
        h.OpenMap();
        for (int i = 0; i < 30; ++i)
            h.AddRect(i * 10, 0, i * 10 + 8, 8);
        h.ShowAreaPage();
        std::vector<int> indices;
        for (int i = 20; i >= 3; --i)
            indices.push_back(i);
        indices.push_back(25);
        h.AreaPage().SelectAreas(indices);
        CAreaListCtrl* list = h.AreaPage().List();
        QCOMPARE(list->selectionModel()->selection().size(), 2);
        QCOMPARE(list->selectionModel()->selectedRows().size(), 19);
        QCOMPARE(h.AreaPage().GetSelectedArea(), -1);
        QCOMPARE(h.AreaPage().GetListSelectionMark(), 3);
        h.AreaPage().SelectAreas({7});
        QCOMPARE(h.AreaPage().GetSelectedArea(), 7);
    }

    void aRebuildEndsARowDrag()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(10, 10, 20, 20);
        h.AddRect(30, 30, 40, 40);
        h.AddRect(50, 50, 60, 60);
        h.ShowAreaPage();
        CAreaListCtrl* list = h.AreaPage().List();
        const QStringList before = Shapes(h.Doc());
        const QPoint start = RowPoint(list, 0);
        SendMouse(list->viewport(), QEvent::MouseButtonPress, start, Qt::LeftButton);
        SendMouse(list->viewport(), QEvent::MouseMove, start + QPoint(0, 12), Qt::LeftButton);
        QVERIFY(list->IsDragging());
        h.View().SelectAreaAt(0);
        h.Run(CmdDeleteArea);
        QVERIFY(!list->IsDragging());
        SendMouse(list->viewport(), QEvent::MouseMove, RowPoint(list, 2), Qt::LeftButton);
        SendMouse(list->viewport(), QEvent::MouseButtonRelease, RowPoint(list, 2), Qt::NoButton);
        QCOMPARE(Shapes(h.Doc()), before.mid(1));
    }

    // Leaving the link field shows its row's link anew without rebuilding
    // the list; another window taking the focus leaves the field as it is.
    void theLinkFieldKeepsTheFocusWhenTheWindowLosesIt()
    {
        AppHarness h;
        CAreaPage& page = h.PageWithOneArea();
        h.ShowAreaPage();
        QTableWidgetItem* row = page.List()->item(0, 1);
        page.HrefEdit()->setFocus();
        QTest::keyClicks(page.HrefEdit(), QStringLiteral("a.html"));
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(page.HrefEdit(), &away);
        QApplication::processEvents();
        QVERIFY(page.HrefEdit()->isEnabled());
        QCOMPARE(page.HrefEdit()->text(), QStringLiteral("a.html"));
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(page.HrefEdit(), &leave);
        QApplication::processEvents();
        QCOMPARE(page.List()->item(0, 1), row); // the same row, its text refreshed
        QCOMPARE(row->text(), QStringLiteral("a.html"));
        QCOMPARE(page.GetSelectedArea(), 0);
    }

    // TARGET takes what is typed: "_" is "_", not the first item it begins.
    void targetTakesWhatIsTyped()
    {
        AppHarness h;
        CAreaPage& page = h.PageWithOneArea();
        QLineEdit* target = page.TargetCombo()->lineEdit();
        target->setFocus();
        QTest::keyClicks(target, QStringLiteral("_"));
        QCOMPARE(h.Doc().AreaAt(0)->m_target, std::string("_"));
        QCOMPARE(target->text(), QStringLiteral("_"));
        QTest::keyClicks(target, QStringLiteral("b"));
        QCOMPARE(h.Doc().AreaAt(0)->m_target, std::string("_b"));
    }

    void blanksInsideAQuotedValueStay()
    {
        AppHarness h;
        CAreaPage& page = h.PageWithOneArea();
        page.OtherEdit()->setFocus();
        page.OtherEdit()->insertPlainText(QStringLiteral("title=\"a  b\"   class=c"));
        QCOMPARE(h.Doc().AreaAt(0)->m_otherAttrs, std::string("title=\"a  b\" class=c"));
    }

    // The list and the view share one selection of several areas: Ctrl or
    // Shift with a click picks rows, and a group picked in the view shows as
    // its rows; the fields then edit what the group shares.
    void severalRowsAreSeveralAreas()
    {
        AppHarness h;
        h.OpenMap();
        CMapData* a = h.AddRect(10, 10, 50, 50);
        h.AddRect(60, 10, 90, 50);
        CMapData* c = h.AddRect(100, 10, 150, 50);
        h.ShowAreaPage();
        CAreaListCtrl* list = h.AreaPage().List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowPoint(list, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, RowPoint(list, 2));
        QCOMPARE(h.View().Selection().Areas(), (std::vector<CMapData*>{a, c}));
        QVERIFY(h.AreaPage().AltEdit()->isEnabled());
        QCOMPARE(h.AreaPage().GetSelectedArea(), -1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, RowPoint(list, 1));
        QVERIFY(h.View().Selection().Contains(h.Doc().AreaAt(1)) && h.View().Selection().Contains(c));
        // A group picked in the view.
        h.View().SelectAndTell(std::vector<CMapData*>{a, c});
        QCOMPARE(list->selectionModel()->selectedRows().size(), 2);
        // One row again: its attributes come back.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowPoint(list, 1));
        QCOMPARE(h.View().Selection().Areas().size(), std::size_t(1));
        QVERIFY(h.AreaPage().AltEdit()->isEnabled());
        // Deleting the group from the list's menu takes every row.
        h.View().SelectAndTell(std::vector<CMapData*>{a, c});
        h.Run(CmdDeleteArea);
        QCOMPARE(list->rowCount(), 2); // the middle one and the DEFAULT area
    }

    void mnemonicsWorkOnlyInsideThePage()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(1, 1, 10, 10);
        h.ShowAreaPage();
        h.AreaPage().SelectArea(0);
        auto* altLabel = h.AreaPage().findChild<QLabel*>(QStringLiteral("AltLabel"));
        QVERIFY(altLabel);
        h.View().setFocus();
        QCOMPARE(altLabel->text(), QStringLiteral("説明文 ALT="));               // Alt+A is the Area menu's
        QCOMPARE(h.AreaPage().NoHrefCheck()->text(), QStringLiteral("&NOHREF")); // no menu has N
        h.AreaPage().AltEdit()->setFocus();
        QCOMPARE(altLabel->text(), QStringLiteral("説明文 &ALT="));
        QCOMPARE(h.AreaPage().NoHrefCheck()->text(), QStringLiteral("&NOHREF"));
    }

    void theContextMenuDeletesTheSelectedArea()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(1, 1, 10, 10);
        h.ShowAreaPage();
        CAreaListCtrl* list = h.AreaPage().List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowPoint(list, 0));
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions()) {
                if (action->text() == QStringLiteral("選択エリアを削除(&D)")) {
                    QVERIFY(action->isEnabled());
                    action->trigger();
                }
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, RowPoint(list, 0),
                                list->viewport()->mapToGlobal(RowPoint(list, 0)));
        QApplication::sendEvent(list->viewport(), &event);
        QCOMPARE(h.Doc().AreaCount(), 1); // the DEFAULT area is left
        QVERIFY(!h.View().HasSelection());
    }
};

QTEST_MAIN(CAreaPageTest)
#include "CAreaPageTest.moc"

// The area page with several areas selected (a field shows what they share
// and an edit gives it to all, one undo step), and the selected area's
// geometry typed as numbers (one undo step; what cannot be that area is
// refused with a message and changes nothing).
#include "tests/app/AppHarness.h"

#include "panes/AreaGeometryField.h"
#include "services/picture/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace
{

void TypeAndEnter(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

class AreaPageSeveralAndCoordinatesTest : public QObject
{
    Q_OBJECT
private slots:

    // ---- Several areas ----

    void aSharedValueShowsAndADifferentOneIsBlank()
    {
        AppHarness h;
        h.OpenMap();
        CMapData* a = h.AddRect(10, 10, 50, 50);
        CMapData* b = h.AddRect(60, 10, 90, 50);
        a->m_alt = "same";
        b->m_alt = "same";
        a->m_target = "_top";
        b->m_target = "_blank";
        b->m_noHref = 1;
        h.ShowAreaPage();
        h.View().SelectAndTell(std::vector<CMapData*>{a, b});
        CAreaPage& page = h.AreaPage();
        QCOMPARE(page.AltEdit()->text(), QStringLiteral("same"));
        QVERIFY(page.AltEdit()->placeholderText().isEmpty());
        QCOMPARE(page.TargetCombo()->currentText(), QString());
        QVERIFY(!page.TargetCombo()->lineEdit()->placeholderText().isEmpty());
        QCOMPARE(page.NoHrefCheck()->checkState(), Qt::PartiallyChecked);
        QVERIFY(page.HrefEdit()->isEnabled()); // one of them still links
        QVERIFY(!page.Geometry()->Edit()->isEnabled());
    }

    void anEditGoesToEveryAreaAsOneStep()
    {
        AppHarness h;
        h.OpenMap();
        CMapData* a = h.AddRect(10, 10, 50, 50);
        CMapData* b = h.AddRect(60, 10, 90, 50);
        CMapData* c = h.AddRect(100, 10, 150, 50);
        a->m_alt = "first";
        c->m_alt = "third";
        a->m_target = "_top";
        h.ShowAreaPage();
        h.View().SelectAndTell(std::vector<CMapData*>{a, b});
        const std::size_t steps = h.Doc().History().UndoDepth();
        CAreaPage& page = h.AreaPage();
        page.AltEdit()->setFocus();
        QTest::keyClicks(page.AltEdit(), QStringLiteral("Map"));
        h.Frame().CommitPendingEdits();
        QCOMPARE(a->m_alt, std::string("Map"));
        QCOMPARE(b->m_alt, std::string("Map"));
        QCOMPARE(c->m_alt, std::string("third"));
        QCOMPARE(a->m_target, std::string("_top")); // untouched: not typed in
        QCOMPARE(h.Doc().History().UndoDepth(), steps + 1);
        h.Run(CmdUndo);
        QCOMPARE(a->m_alt, std::string("first"));
        QCOMPARE(b->m_alt, std::string());
        h.Run(CmdRedo);
        QCOMPARE(b->m_alt, std::string("Map"));
    }

    void theLinkAndNoHrefGoToEveryArea()
    {
        AppHarness h;
        h.OpenMap();
        CMapData* a = h.AddRect(10, 10, 50, 50);
        CMapData* b = h.AddRect(60, 10, 90, 50);
        h.ShowAreaPage();
        h.View().SelectAndTell(std::vector<CMapData*>{a, b});
        CAreaPage& page = h.AreaPage();
        page.HrefEdit()->setFocus();
        QTest::keyClicks(page.HrefEdit(), QStringLiteral("http://example.com/"));
        h.Frame().CommitPendingEdits();
        QCOMPARE(a->m_href, std::string("http://example.com/"));
        QCOMPARE(b->m_href, std::string("http://example.com/"));
        const std::size_t steps = h.Doc().History().UndoDepth();
        page.NoHrefCheck()->click();
        QCOMPARE(a->m_noHref, 1);
        QCOMPARE(b->m_noHref, 1);
        QCOMPARE(h.Doc().History().UndoDepth(), steps + 1);
        QVERIFY(!page.HrefEdit()->isEnabled());
        h.Run(CmdUndo);
        QCOMPARE(a->m_noHref + b->m_noHref, 0);
    }

    // ---- Typed coordinates ----

    void typedNumbersReshapeTheAreaInOneStep_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("coords");
        QTest::newRow("rectangle") << int(ShapeRect) << "10, 20, 40, 30"
                                   << "12, 22, 50, 8"
                                   << "12,22,62,30";
        QTest::newRow("circle") << int(ShapeCirc) << "30, 40, 20"
                                << "100 90 15"
                                << "100,90,15";
        QTest::newRow("polygon") << int(ShapePoly) << "10,20,50,20,50,50"
                                 << "1,2, 30,2, 30,40, 1,40"
                                 << "1,2,30,2,30,40,1,40";
    }
    void typedNumbersReshapeTheAreaInOneStep()
    {
        QFETCH(int, shape);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QString, coords);
        AppHarness h;
        h.OpenMap();
        auto area = std::make_unique<CMapData>();
        area->m_shape = shape;
        if (shape == ShapePoly)
            area->m_points = {{10, 20}, {50, 20}, {50, 50}};
        else if (shape == ShapeCirc)
            area->m_points = {{10, 20}, {50, 20}, {50, 60}, {10, 60}};
        else
            area->m_points = {{10, 20}, {50, 20}, {50, 50}, {10, 50}};
        area->BuildRegion();
        CMapData* raw = area.get();
        h.View().AddArea(std::move(area));
        h.ShowAreaPage();
        h.View().SelectAndTell(raw);
        QLineEdit* field = h.AreaPage().Geometry()->Edit();
        QCOMPARE(field->text(), shown);
        const std::size_t steps = h.Doc().History().UndoDepth();
        TypeAndEnter(field, typed);
        QCOMPARE(QString::fromStdString(raw->FormatCoords()), coords);
        QCOMPARE(h.Doc().History().UndoDepth(), steps + 1);
        QVERIFY(h.boxes.isEmpty());
        // The view shows it selected where it now is.
        QCOMPARE(h.View().SelectedArea(), raw);
        h.Run(CmdUndo);
        QCOMPARE(field->text(), shown);
    }

    void badNumbersAreRefusedAndChangeNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("letters") << "10, 20, wide, 30";
        QTest::newRow("a fraction") << "10, 20, 40.5, 30";
        QTest::newRow("three numbers") << "10, 20, 40";
        QTest::newRow("no width") << "10, 20, 0, 30";
        QTest::newRow("a negative height") << "10, 20, 40, -3";
        QTest::newRow("too large") << "10, 20, 99999999999, 30";
        QTest::newRow("nothing") << "";
    }
    void badNumbersAreRefusedAndChangeNothing()
    {
        QFETCH(QString, typed);
        AppHarness h;
        h.OpenMap();
        CMapData* area = h.AddRect(10, 20, 50, 50);
        h.ShowAreaPage();
        h.View().SelectAndTell(area);
        const std::size_t steps = h.Doc().History().UndoDepth();
        QLineEdit* field = h.AreaPage().Geometry()->Edit();
        TypeAndEnter(field, typed);
        QCOMPARE(h.boxes.size(), 1);
        QVERIFY(!h.boxes.front().isEmpty());
        QCOMPARE(QString::fromStdString(area->FormatCoords()), QStringLiteral("10,20,50,50"));
        QCOMPARE(h.Doc().History().UndoDepth(), steps);
        QCOMPARE(field->text(), QStringLiteral("10, 20, 40, 30"));
    }

    // Ctrl+Z right after Enter, the field still focused, undoes the map's
    // step (the field has no typing of its own left to undo); Ctrl+Y redoes it.
    void ctrlZAfterEnterUndoesTheNumbers()
    {
        AppHarness h;
        h.OpenMap();
        CMapData* area = h.AddRect(10, 20, 50, 50);
        h.ShowAreaPage();
        h.View().SelectAndTell(area);
        h.Frame().UpdateCommandUI();
        QLineEdit* field = h.AreaPage().Geometry()->Edit();
        TypeAndEnter(field, QStringLiteral("30, 25, 10, 12"));
        QCOMPARE(QString::fromStdString(area->FormatCoords()), QStringLiteral("30,25,40,37"));
        QVERIFY(field->hasFocus());
        h.Frame().UpdateCommandUI();
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(area->FormatCoords()), QStringLiteral("10,20,50,50"));
        QCOMPARE(field->text(), QStringLiteral("10, 20, 40, 30"));
        h.Frame().UpdateCommandUI();
        QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(area->FormatCoords()), QStringLiteral("30,25,40,37"));
        // While typing, Ctrl+Z is the field's.
        QTest::keyClicks(field, QStringLiteral("9"));
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field->text(), QStringLiteral("30, 25, 10, 12"));
        QCOMPARE(QString::fromStdString(area->FormatCoords()), QStringLiteral("30,25,40,37"));
    }

    // Moved in the view, the numbers follow.
    void theNumbersFollowAMoveInTheView()
    {
        AppHarness h;
        h.OpenMap();
        CMapData* area = h.AddRect(10, 20, 50, 50);
        h.ShowAreaPage();
        h.View().SelectAndTell(area);
        h.View().KeyboardMove(5, 0);
        QCOMPARE(h.AreaPage().Geometry()->Edit()->text(), QStringLiteral("15, 20, 40, 30"));
    }
};

QTEST_MAIN(AreaPageSeveralAndCoordinatesTest)
#include "AreaPageSeveralAndCoordinatesTest.moc"

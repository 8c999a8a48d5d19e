#include "panes/CMapChoiceDlg.h"
#include "tests/ModalAnswer.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace
{

std::vector<FoundMap> ThreeMaps()
{
    std::vector<FoundMap> maps(3);
    maps[0].mapName = "top";
    maps[0].picture = "img/top.gif";
    maps[1].mapName = "地図";
    maps[1].picture = "http://example.com/map.png";
    maps[2].mapName = "side";
    maps[2].picture = "side.jpg";
    return maps;
}

QTableWidget* List(QWidget* dlg)
{
    return dlg->findChild<QTableWidget*>(QStringLiteral("mapList"));
}

QPushButton* Button(QWidget* dlg, QDialogButtonBox::StandardButton which)
{
    return dlg->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(which);
}

void ClickRow(QTableWidget* list, int row)
{
    const QRect cell = list->visualRect(list->model()->index(row, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class CMapChoiceDlgTest : public QObject
{
    Q_OBJECT
private slots:
    void theListShowsEachMapWithItsPicture()
    {
        CMapChoiceDlg dlg(ThreeMaps());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("マップの選択"));
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("promptLabel"))->text(),
                 QStringLiteral("このHTMLには、複数のクリッカブルマップが定義されています。\n"
                                "Zephyrmap!で編集するマップを下のリストから選択してください。"));
        QTableWidget* list = List(&dlg);
        QCOMPARE(list->horizontalHeaderItem(0)->text(), QStringLiteral("マップの名前"));
        QCOMPARE(list->horizontalHeaderItem(1)->text(), QStringLiteral("画像"));
        QVERIFY(list->showGrid());
        QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->item(1, 0)->text(), QStringLiteral("地図"));
        QCOMPARE(list->item(1, 1)->text(), QStringLiteral("http://example.com/map.png"));
        QCOMPARE(Button(&dlg, QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    }

    void theFirstRowIsSelectedAndTheColumnsShareTheWidth()
    {
        CMapChoiceDlg dlg(ThreeMaps());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTableWidget* list = List(&dlg);
        QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(list->selectionModel()->selectedRows().first().row(), 0);
        const int width = list->viewport()->width();
        QCOMPARE(list->columnWidth(0), width / 3);
        QCOMPARE(list->columnWidth(1), width * 2 / 3);
    }

    void okGivesTheSelectedRowAndCancelMinusOne_data()
    {
        QTest::addColumn<int>("clickedRow");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("index");
        QTest::newRow("first, as opened") << -1 << true << 0;
        QTest::newRow("third") << 2 << true << 2;
        QTest::newRow("cancel") << 2 << false << -1;
    }
    void okGivesTheSelectedRowAndCancelMinusOne()
    {
        QFETCH(int, clickedRow);
        QFETCH(bool, ok);
        QFETCH(int, index);
        CMapChoiceDlg dlg(ThreeMaps());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        if (clickedRow >= 0)
            ClickRow(List(&dlg), clickedRow);
        Button(&dlg, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        QCOMPARE(dlg.ChosenIndex(), index);
    }

    void aDoubleClickedRowIsChosenAndEveryRowIsInSight()
    {
        std::vector<FoundMap> maps = ThreeMaps();
        maps.resize(6, maps[2]);
        CMapChoiceDlg dlg(maps);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTableWidget* list = List(&dlg);
        QVERIFY(list->viewport()->rect().contains(list->visualRect(list->model()->index(5, 1))));
        const QRect cell = list->visualRect(list->model()->index(4, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.ChosenIndex(), 4);
    }

    void okWithNoRowSelectedGivesMinusOne()
    {
        CMapChoiceDlg dlg(ThreeMaps());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTableWidget* list = List(&dlg);
        const QRect cell = list->visualRect(list->model()->index(0, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, cell.center());
        QVERIFY(list->selectionModel()->selectedRows().isEmpty());
        Button(&dlg, QDialogButtonBox::Ok)->click();
        QCOMPARE(dlg.ChosenIndex(), -1);
    }

    void chooseMapRunsTheDialog()
    {
        auto outcome = modal::AnswerNext<CMapChoiceDlg>([](CMapChoiceDlg* shown) {
            ClickRow(List(shown), 1);
            Button(shown, QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(CMapChoiceDlg::ChooseMap(ThreeMaps()), 1);
        QVERIFY(outcome->answered);
        auto closed = modal::AnswerNext<CMapChoiceDlg>([](CMapChoiceDlg* shown) { shown->close(); });
        QCOMPARE(CMapChoiceDlg::ChooseMap(ThreeMaps()), -1);
        QVERIFY(closed->answered);
    }
};

QTEST_MAIN(CMapChoiceDlgTest)
#include "CMapChoiceDlgTest.moc"

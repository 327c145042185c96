#include "TestDatabase.h"
#include "store/DataView.h"
#include "ui/DataGrid.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using namespace zendaro;
using zendaro::test::TestDatabase;

namespace {

const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
const QLocale english(QLocale::English, QLocale::UnitedStates);

const char* fixture = R"(
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi)
  VALUES (1, 'Harf', 'Harf Notu', 4, 2, 1, 0, 3, 2);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1, 'AA', 1234.5, 'Geçer', 0), (1, 'BA', 3.5, 'Geçer', 1), (1, 'BB', 2, 'Geçer', 2),
  (1, 'DD', 1, 'Kalır', 0), (1, 'FF', 0, 'Kalır', 1);
)";

QVector<GridColumn> gradeColumns() {
    return {{"Harf Notu", "harf_notu", false},
            {"Sayısal Not", "sayisal_not", true},
            {"Başarı Durumu", "durum", false}};
}

QPoint cellCentre(DataGrid& grid, int row, int column) {
    return grid.visualRect(grid.model()->index(row, column)).center();
}

} // namespace

class TestDataGrid : public QObject {
    Q_OBJECT
private slots:
    void showsTheViewsRowsUnderItsColumns_data();
    void showsTheViewsRowsUnderItsColumns();
    void followsTheViewAfterARefresh();
    void currentRowIsOneRowWhicheverSideMovesIt();
    void columnsShowAndHideByPositionOrCaption();
    void movingToARowScrollsItIntoViewWithTheFirstColumnHidden();
    void currentRowMarker_data();
    void currentRowMarker();
    void disabledGridTakesNoFocus();
    void buttonColumnReportsTheRowAndColumn();
    void tableGridTakesRowsWhenReRead();
};

void TestDataGrid::showsTheViewsRowsUnderItsColumns_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("turkish") << turkish << "1.234,50"
                             << "3,50";
    QTest::newRow("english") << english << "1,234.50"
                             << "3.50";
}

void TestDataGrid::showsTheViewsRowsUnderItsColumns() {
    QFETCH(QLocale, locale);
    QFETCH(QString, first);
    QFETCH(QString, second);
    TestDatabase db(fixture);
    DataView view;
    view.SetDatabaseName(db.path());
    view.SetRecordSource("SELECT * FROM diger_notlar where olcek_id=1 order by id ASC");
    view.Refresh();
    DataGrid grid("DG_DIGER_NOTLAR");
    grid.bindView(&view, gradeColumns(), locale);
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(grid.model()->rowCount(), 5);
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QString("Sayısal Not"));
    QCOMPARE(grid.model()->index(0, 0).data().toString(), QString("AA"));
    QCOMPARE(grid.model()->index(0, 1).data().toString(), first);
    QCOMPARE(grid.model()->index(1, 1).data().toString(), second);
    QCOMPARE(grid.model()->index(4, 2).data().toString(), QString("Kalır"));
    QVERIFY(!(grid.model()->flags(grid.model()->index(0, 0)) & Qt::ItemIsEditable));
    QVERIFY(grid.verticalHeader()->isHidden());
}

void TestDataGrid::followsTheViewAfterARefresh() {
    TestDatabase db(fixture);
    DataView view;
    view.SetDatabaseName(db.path());
    view.SetRecordSource("SELECT * FROM diger_notlar where olcek_id=1 order by id ASC");
    view.Refresh();
    DataGrid grid("DG");
    grid.bindView(&view, gradeColumns(), turkish);
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    view.SetRecordSource("SELECT * FROM diger_notlar where durum='Kalır' order by id ASC");
    view.Refresh();
    QCOMPARE(grid.model()->rowCount(), 2);
    QCOMPARE(grid.model()->index(0, 0).data().toString(), QString("DD"));
    QCOMPARE(grid.currentRowNumber(), 0);

    view.SetRecordSource("");
    view.Refresh();
    QCOMPARE(grid.model()->rowCount(), 0);
    QCOMPARE(grid.currentRowNumber(), -1);
}

void TestDataGrid::currentRowIsOneRowWhicheverSideMovesIt() {
    TestDatabase db(fixture);
    DataView view;
    view.SetDatabaseName(db.path());
    view.SetRecordSource("SELECT * FROM diger_notlar where olcek_id=1 order by id ASC");
    view.Refresh();
    DataGrid grid("DG");
    grid.bindView(&view, gradeColumns(), turkish);
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy userMoves(&grid, &DataGrid::currentRowChanged);

    view.MoveLast();
    QCOMPARE(grid.currentRowNumber(), 4);
    QVERIFY(view.FindFirst("harf_notu='BA'"));
    QCOMPARE(grid.currentRowNumber(), 1);
    QCOMPARE(userMoves.count(), 0); // the program's moves are not the user's selection

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, 3, 0));
    QCOMPARE(view.CurrentRow(), 3);
    QCOMPARE(view.Field("harf_notu").toString(), QString("DD"));
    QCOMPARE(userMoves.count(), 1);
    QCOMPARE(userMoves.first().first().toInt(), 3);
}

void TestDataGrid::columnsShowAndHideByPositionOrCaption() {
    DataGrid grid("DG");
    grid.bindTable([] { return 1; }, [](int, int c) { return QVariant(c); }, gradeColumns(), turkish);
    grid.setColumnShown("Harf Notu", false);
    QVERIFY(!grid.isColumnShown(0));
    grid.setColumnShown(0, true);
    QVERIFY(grid.isColumnShown(0));
    grid.setColumnShown(2, false);
    QVERIFY(!grid.isColumnShown(2));
    grid.setColumnShown("No such caption", false); // ignored
    QVERIFY(grid.isColumnShown(0) && grid.isColumnShown(1));
}

void TestDataGrid::movingToARowScrollsItIntoViewWithTheFirstColumnHidden() {
    DataGrid grid("DG");
    grid.bindTable([] { return 200; }, [](int r, int) { return QVariant(r); }, gradeColumns(), turkish);
    grid.setColumnShown(0, false);
    grid.resize(300, 150);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setCurrentRowNumber(150);
    const QRect row = grid.visualRect(grid.model()->index(150, 1));
    QVERIFY2(grid.viewport()->rect().contains(row), "the current row is off screen");
}

void TestDataGrid::currentRowMarker_data() {
    QTest::addColumn<bool>("marker");
    QTest::addColumn<bool>("alternating");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("clicked"); // the user clicks the row rather than the program moving to it
    QTest::addColumn<bool>("marked");
    QTest::newRow("whole-row marker") << true << false << true << false << true;
    QTest::newRow("whole-row marker, alternating colours") << true << true << true << false << true;
    QTest::newRow("whole-row marker, clicked row") << true << true << true << true << true;
    QTest::newRow("no marker") << false << false << true << false << false;
    QTest::newRow("no marker, alternating colours") << false << true << true << false << false;
    QTest::newRow("no marker, clicked row") << false << true << true << true << false;
    QTest::newRow("disabled grid marks no row") << true << true << false << false << false;
}

void TestDataGrid::currentRowMarker() {
    QFETCH(bool, marker);
    QFETCH(bool, alternating);
    QFETCH(bool, enabled);
    QFETCH(bool, clicked);
    QFETCH(bool, marked);
    DataGrid grid("DG");
    grid.bindTable([] { return 4; }, [](int r, int c) { return QVariant(r * 10 + c); }, gradeColumns(),
                   turkish);
    grid.setAlternatingRowColors(alternating);
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setRowMarker(marker);
    grid.setEnabled(enabled);
    // The keyboard focus is elsewhere (a grid holding it frames its current cell).
    grid.setFocusPolicy(Qt::NoFocus);
    grid.clearFocus();
    // How the grid looks with no current row at all.
    const QImage unmarked = grid.viewport()->grab().toImage();

    if (clicked)
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, 2));
    else
        grid.setCurrentRowNumber(1);
    QCOMPARE(grid.currentRowNumber(), 1); // the current row, marked or not
    const QImage shown = grid.viewport()->grab().toImage();
    const QColor highlight = grid.palette().color(QPalette::Active, QPalette::Highlight);
    if (marked) {
        QCOMPARE(shown.pixelColor(cellCentre(grid, 1, 1) + QPoint(0, 4)), highlight);
        QVERIFY(shown != unmarked);
    } else {
        QCOMPARE(shown, unmarked); // painted exactly like its neighbours
    }
}

void TestDataGrid::disabledGridTakesNoFocus() {
    DataGrid grid("DG");
    grid.bindTable([] { return 2; }, [](int, int) { return QVariant(); }, gradeColumns(), turkish);
    grid.setEnabled(false);
    QCOMPARE(grid.focusPolicy(), Qt::NoFocus);
    grid.setEnabled(true);
    QVERIFY(grid.focusPolicy() != Qt::NoFocus);
}

void TestDataGrid::buttonColumnReportsTheRowAndColumn() {
    QVector<GridColumn> columns{{"Sil", {}, false}, {"Harf Notu", {}, false}, {"Sayısal Not", {}, true}};
    DataGrid grid("DG_ARRAY");
    grid.bindTable([] { return 3; }, [](int r, int c) { return c == 0 ? QVariant("Notu Sil") : QVariant(r); },
                   columns, turkish, "Notu Sil");
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy pressed(&grid, &DataGrid::buttonPressed);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, 2, 0));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.first().at(0).toInt(), 2);
    QCOMPARE(pressed.first().at(1).toInt(), 0);
    QCOMPARE(grid.currentRowNumber(), 2);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, 1));
    QCOMPARE(pressed.count(), 1); // not a button cell

    // pressed on one button, released on another: no press reported
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, 0, 0));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, 0));
    QCOMPARE(pressed.count(), 1);
}

void TestDataGrid::tableGridTakesRowsWhenReRead() {
    QVector<double> values{90, 70};
    DataGrid grid("DG_ARRAY");
    grid.bindTable([&] { return static_cast<int>(values.size()); },
                   [&](int r, int) { return QVariant(values.at(r)); }, {{"Sayısal Not", {}, true}}, turkish);
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(grid.model()->rowCount(), 2);

    values.append(30);
    QCOMPARE(grid.model()->rowCount(), 2); // not before it is told to re-read
    grid.reRead();
    QCOMPARE(grid.model()->rowCount(), 3);
    QCOMPARE(grid.model()->index(2, 0).data().toString(), QString("30,00"));

    values.clear();
    grid.reRead();
    QCOMPARE(grid.model()->rowCount(), 0);
}

QTEST_MAIN(TestDataGrid)
#include "tst_datagrid.moc"

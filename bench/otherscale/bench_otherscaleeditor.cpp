// Speed of the other-scale editor FRMDIGEROLCEK: saving a generated scale of
// 10,001 grades with "KAYDET" (target 200 ms), and opening the editor on a
// file holding 1,000 other scales (target 150 ms).
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "TestDatabase.h"
#include "otherscale/OtherScaleEditor.h"
#include "otherscale/OtherScaleEntry.h"
#include "ui/PictureBttn.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

using namespace zendaro;

namespace {

void press(QWidget& window, const char* name) {
    emit window.findChild<PictureBttn*>(QString::fromLatin1(name))->LClick();
}
void setText(QWidget& window, const char* name, const QString& text) {
    window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
}
void choose(QWidget& window, const char* name, int index) {
    window.findChild<QComboBox*>(QString::fromLatin1(name))->setCurrentIndex(index);
}

// "Ölçek Ekle" and a numeric scale of 100.000 down to 0 by 10: 10,001 grades.
void prepareScale(OtherScaleEditor& editor) {
    press(editor, "BTN_OLCEK_EKLE");
    setText(editor, "TXT_OLCEK_ADI", QStringLiteral("Büyük Ölçek"));
    choose(editor, "CMB_NOT_SISTEMI", 1);
    setText(editor, "TXT_MAX_KALIR_NOT", QStringLiteral("49990"));
    choose(editor, "CMB_NOT_DAGILIMI", 0);
    setText(editor, "TXT_MAX_NOT", QStringLiteral("100000"));
    setText(editor, "TXT_NOT_ARALIGI", QStringLiteral("10"));
    press(editor, "BTN_OLCEK_OLUSTUR");
}

void BM_SaveScaleOf10001Grades(benchmark::State& state) {
    test::TestDatabase db;
    test::RecordingMessages messages;
    test::RecordingNavigator navigator;
    OtherScaleEditor editor(db.path(), RegionalSettings::turkish(), navigator);
    editor.show();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        prepareScale(editor);
        if (editor.entry().grades().size() != 10001)
            state.SkipWithError("generation did not make 10,001 grades");
        state.ResumeTiming();

        press(editor, "BTN_OLCEK_KAYDET");

        state.PauseTiming();
        if (editor.state() != OtherScaleEditor::State::Browsing || !messages.messages.isEmpty())
            state.SkipWithError("the scale was not saved");
        state.ResumeTiming();
    }
    if (db.scalar("SELECT count(*) FROM diger_notlar WHERE olcek_id=(SELECT max(id) FROM diger_olcek)")
            .toInt() != 10001)
        state.SkipWithError("the stored scale does not hold 10,001 grades");
}
BENCHMARK(BM_SaveScaleOf10001Grades)->Unit(benchmark::kMillisecond);

// 1,000 scales of eleven grades each (100 down to 0 by 10, max fail 40).
const char* thousandScales = R"(
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000)
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi)
  SELECT i, 'Ölçek ' || i, 'Sayısal Not', 100, 50, 40, 0, 6, 5 FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000),
     g(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM g WHERE k < 10)
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no)
  SELECT i, CAST(100 - 10 * k AS TEXT), 100 - 10 * k, CASE WHEN k < 6 THEN 'Geçer' ELSE 'Kalır' END,
         CASE WHEN k < 6 THEN k ELSE k - 6 END
  FROM n, g ORDER BY i, k;
)";

void BM_OpenWith1000Scales(benchmark::State& state) {
    test::TestDatabase db(QString::fromUtf8(thousandScales));
    test::RecordingMessages messages;
    test::RecordingNavigator navigator;
    for (auto _ : state) {
        auto* editor = new OtherScaleEditor(db.path(), RegionalSettings::turkish(), navigator);
        editor->show();
        QApplication::processEvents(); // laid out and painted once

        state.PauseTiming();
        if (editor->findChild<QLineEdit*>(QStringLiteral("TXT_OLCEK_ADI"))->text() !=
                QStringLiteral("Ölçek 1") ||
            !messages.messages.isEmpty())
            state.SkipWithError("the editor did not open on the first scale");
        delete editor;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenWith1000Scales)->Unit(benchmark::kMillisecond);

} // namespace

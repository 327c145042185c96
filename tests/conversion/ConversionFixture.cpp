#include "ConversionFixture.h"

#include "store/Queries.h"

#include <stdexcept>

namespace zendaro::test {

namespace {

QString homeLadder(qint64 scaleId, const QString& skipLetter = {}, bool lowercaseStatus = false) {
    struct Grade {
        const char* letter;
        double value;
    };
    static const Grade ladder[] = {{"AA", 4.0}, {"BA", 3.5}, {"BB", 3.0}, {"CB", 2.5}, {"CC", 2.0},
                                   {"DC", 1.5}, {"DD", 1.0}, {"FD", 0.5}, {"FF", 0.0}};
    QString sql;
    for (const Grade& g : ladder) {
        if (skipLetter == QLatin1String(g.letter))
            continue;
        QString status = g.value >= 2.5 ? QStringLiteral("GEÇER") : QStringLiteral("KALIR");
        if (lowercaseStatus)
            status = g.value >= 2.5 ? QStringLiteral("geçer") : QStringLiteral("kalır");
        sql += QStringLiteral("INSERT INTO dornela_notlar (olcek_id, harf_notu, sayisal_not, durum) "
                              "VALUES (%1, '%2', %3, '%4');\n")
                   .arg(scaleId)
                   .arg(QLatin1String(g.letter))
                   .arg(g.value)
                   .arg(status);
    }
    return sql;
}

} // namespace

QString conversionFixtureSql() {
    QString sql = QStringLiteral(R"(
INSERT INTO dornela_olcek (id, olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN) VALUES
  (1, 'Lisans', 'Lisans', 4, 2.5, 2, 0),
  (2, 'Eksik Merdiven', 'Lisans', 4, 2.5, 2, 0),
  (3, 'Taşan', 'Lisans', 1.7976931348623157e308, 2.5, 2, 0),
  (4, 'Küçük Harfli Durum', 'Lisans', 4, 2.5, 2, 0);

INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN,
                         Gecer_Not_Sayisi, Kalir_Not_Sayisi) VALUES
  (1, 'Harf Ölçeği', 'Harf Notu', 4, 2, 1.5, 0, 5, 3),
  (2, 'Yüzlük', 'Sayısal Not', 100, 50, 49, 0, 51, 50),
  (3, 'Beşlik', 'Sayısal Not', 5, 3, 2.5, 1, 5, 3),
  (4, 'Five', 'Sayısal Not', 5, 3, 2.5, 1, 5, 3),
  (5, 'Tekli', 'HARF NOTU', 10, 10, 5, 5, 1, 1),
  (6, 'Bozuk', 'Harf Notu', 4, 4, 0, 0, 1, 1),
  (7, 'Uzun Harfler', 'Harf Notu', 100, 50, 49, 0, 2, 1);

INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1, 'AA', 4, 'Geçer', 0), (1, 'BA', 3.5, 'Geçer', 1), (1, 'BB', 3, 'Geçer', 2),
  (1, 'CB', 2.5, 'Geçer', 3), (1, 'CC', 2, 'Geçer', 4),
  (1, 'DC', 1.5, 'Kalır', 0), (1, 'DD', 1, 'Kalır', 1), (1, 'FF', 0, 'Kalır', 2);

INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no)
  WITH RECURSIVE g(v) AS (SELECT 100 UNION ALL SELECT v - 1 FROM g WHERE v > 0)
  SELECT 2, CAST(v AS TEXT), v, CASE WHEN v >= 50 THEN 'Geçer' ELSE 'Kalır' END,
         CASE WHEN v >= 50 THEN 100 - v ELSE 49 - v END FROM g;

INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (3, '5', 5, 'Geçer', 0), (3, '4,5', 4.5, 'Geçer', 1), (3, '4', 4, 'Geçer', 2),
  (3, '3,5', 3.5, 'Geçer', 3), (3, '3', 3, 'Geçer', 4),
  (3, '2,5', 2.5, 'Kalır', 0), (3, '2', 2, 'Kalır', 1), (3, '1', 1, 'Kalır', 2),
  (4, '5', 5, 'Geçer', 0), (4, '4.5', 4.5, 'Geçer', 1), (4, '4', 4, 'Geçer', 2),
  (4, '3.5', 3.5, 'Geçer', 3), (4, '3', 3, 'Geçer', 4),
  (4, '2.5', 2.5, 'Kalır', 0), (4, '2', 2, 'Kalır', 1), (4, '1', 1, 'Kalır', 2),
  (5, 'A', 10, 'Geçer', 7), (5, 'F', 5, 'Kalır', 9),
  (6, 'X', 4, 'Belki', 0), (6, 'F', 0, 'Kalır', 0),
  (7, 'Mükemmel', 100, 'Geçer', 0), (7, 'Orta', 50, 'Geçer', 1), (7, 'Yetersiz', 0, 'Kalır', 0);
)");
    sql += homeLadder(fixture::HomeLadder);
    sql += homeLadder(fixture::HomeWithoutBA, QStringLiteral("BA"));
    sql += homeLadder(fixture::HomeTopAtDoubleMax);
    sql += homeLadder(fixture::HomeLowercaseStatus, {}, true);
    return sql;
}

ConversionWindowViews::ConversionWindowViews(const QString& databasePath) {
    for (DataView* view : {&otherScales, &homeScales, &otherGrades, &homeGrades, &search})
        view->SetDatabaseName(databasePath);
    otherScales.SetRecordSource(queries::Q5());
    otherScales.Refresh();
    homeScales.SetRecordSource(queries::Q6());
    homeScales.Refresh();
}

void ConversionWindowViews::choose(qint64 otherScaleId, qint64 homeScaleId) {
    if (!otherScales.FindFirst(queries::C2(otherScaleId)) || !homeScales.FindFirst(queries::C2(homeScaleId)))
        throw std::runtime_error("fixture scale missing");
    otherGrades.SetRecordSource(queries::Q4(otherScaleId));
    otherGrades.Refresh();
    homeGrades.SetRecordSource(queries::Q2(homeScaleId));
    homeGrades.Refresh();
}

} // namespace zendaro::test

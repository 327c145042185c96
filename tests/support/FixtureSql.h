#pragma once

#include <QString>

namespace zendaro::test {

// The home scale "Lisans" (id 1): Max_GN 4, Min_GN 2.5, Max_KN 2, Min_KN 0 and
// the ladder AA 4.0 to FF 0.0 (CB and above "GEÇER", CC and below "KALIR").
inline QString LisansLadderSql() {
    return QStringLiteral(R"(
INSERT INTO dornela_olcek (id, olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN)
  VALUES (1, 'Lisans', 'Lisans', 4, 2.5, 2, 0);
INSERT INTO dornela_notlar (olcek_id, harf_notu, sayisal_not, durum) VALUES
  (1, 'AA', 4, 'GEÇER'), (1, 'BA', 3.5, 'GEÇER'), (1, 'BB', 3, 'GEÇER'), (1, 'CB', 2.5, 'GEÇER'),
  (1, 'CC', 2, 'KALIR'), (1, 'DC', 1.5, 'KALIR'), (1, 'DD', 1, 'KALIR'), (1, 'FD', 0.5, 'KALIR'),
  (1, 'FF', 0, 'KALIR');
)");
}

// The other scale "Onbinbir" with that id: 100 down to 0 by 0,01 as a Turkish
// numeric scale stores its grades (100, 99,99, ..., 50 pass: 5001 grades;
// 49,99, ..., 0 fail: 5000 grades).
inline QString TenThousandOneGradesSql(qint64 scaleId) {
    return QStringLiteral(R"(
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN,
                         Gecer_Not_Sayisi, Kalir_Not_Sayisi)
  VALUES (%1, 'Onbinbir', 'Sayısal Not', 100, 50, 49.99, 0, 5001, 5000);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no)
  WITH RECURSIVE g(c) AS (SELECT 10000 UNION ALL SELECT c - 1 FROM g WHERE c > 0)
  SELECT %1,
         (c / 100) || CASE WHEN c % 100 = 0 THEN ''
                           WHEN c % 10 = 0 THEN ',' || ((c % 100) / 10)
                           ELSE ',' || CASE WHEN c % 100 < 10 THEN '0' ELSE '' END || (c % 100) END,
         c / 100.0,
         CASE WHEN c >= 5000 THEN 'Geçer' ELSE 'Kalır' END,
         CASE WHEN c >= 5000 THEN 10000 - c ELSE 4999 - c END
  FROM g;
)")
        .arg(scaleId);
}

} // namespace zendaro::test

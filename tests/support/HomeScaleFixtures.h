#pragma once

// Home scales as test fixtures, in the SQL a TestDatabase is seeded with.
namespace zendaro::test {

// One home scale with "CC" as its highest fail grade: pass 4..2.5, fail 2..0.
inline constexpr const char* LisansHomeScale = R"(
INSERT INTO dornela_olcek (id, olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN)
  VALUES (1, 'Lisans', 'Lisans', 4, 2.5, 2.0, 0);
INSERT INTO dornela_notlar (olcek_id, harf_notu, sayisal_not, durum) VALUES
  (1,'AA',4,'GEÇER'),(1,'BA',3.5,'GEÇER'),(1,'BB',3,'GEÇER'),(1,'CB',2.5,'GEÇER'),(1,'CC',2,'KALIR'),
  (1,'DC',1.5,'KALIR'),(1,'DD',1,'KALIR'),(1,'FD',0.5,'KALIR'),(1,'FF',0,'KALIR');
)";

// Two home scales: "Lisans Ölçeği" with "CC" and "Önlisans Ölçeği" with "DC".
inline constexpr const char* TwoHomeScales = R"(
INSERT INTO dornela_olcek (id, olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN) VALUES
  (1, 'Lisans Ölçeği', 'Lisans', 4, 2.5, 2.0, 0), (2, 'Önlisans Ölçeği', 'Önlisans', 4, 2.0, 1.5, 0);
INSERT INTO dornela_notlar (olcek_id, harf_notu, sayisal_not, durum) VALUES
  (1,'AA',4,'GEÇER'),(1,'BA',3.5,'GEÇER'),(1,'BB',3,'GEÇER'),(1,'CB',2.5,'GEÇER'),(1,'CC',2,'KALIR'),
  (1,'DC',1.5,'KALIR'),(1,'DD',1,'KALIR'),(1,'FD',0.5,'KALIR'),(1,'FF',0,'KALIR'),
  (2,'AA',4,'GEÇER'),(2,'BA',3.5,'GEÇER'),(2,'BB',3,'GEÇER'),(2,'CB',2.5,'GEÇER'),(2,'CC',2,'GEÇER'),
  (2,'DC',1.5,'KALIR'),(2,'DD',1,'KALIR'),(2,'FD',0.5,'KALIR'),(2,'FF',0,'KALIR');
)";

} // namespace zendaro::test

-- The scales donustur.evk ships with, stored as the two editors store them.
-- Numeric scales use whole numbers only, so their grade texts ("100" ... "0")
-- are the same under every decimal separator.

-- Home scales: one for each education level, "CC" as the highest fail grade
-- (max_GN 4, min_GN 2.5, max_KN 2.0, min_KN 0; AA to CB pass, CC to FF fail).
CREATE TEMP TABLE home_level (pos INTEGER, olcek_adi TEXT, egitim_duzeyi TEXT);
INSERT INTO home_level VALUES
    (1, 'Dornela Önlisans Not Sistemi', 'Önlisans'),
    (2, 'Dornela Lisans Not Sistemi', 'Lisans'),
    (3, 'Dornela Yüksek Lisans Not Sistemi', 'Yüksek Lisans'),
    (4, 'Dornela Doktora Not Sistemi', 'Doktora');

CREATE TEMP TABLE home_ladder (pos INTEGER, harf_notu TEXT, sayisal_not REAL, durum TEXT);
INSERT INTO home_ladder VALUES
    (1, 'AA', 4.0, 'GEÇER'), (2, 'BA', 3.5, 'GEÇER'), (3, 'BB', 3.0, 'GEÇER'),
    (4, 'CB', 2.5, 'GEÇER'), (5, 'CC', 2.0, 'KALIR'), (6, 'DC', 1.5, 'KALIR'),
    (7, 'DD', 1.0, 'KALIR'), (8, 'FD', 0.5, 'KALIR'), (9, 'FF', 0.0, 'KALIR');

INSERT INTO dornela_olcek (olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN)
    SELECT olcek_adi, egitim_duzeyi, 4, 2.5, 2.0, 0 FROM home_level ORDER BY pos;

-- Each scale's nine grades in ladder order, scale by scale, so that ascending
-- ids list every scale's grades from AA down to FF.
INSERT INTO dornela_notlar (olcek_id, harf_notu, sayisal_not, durum)
    SELECT s.id, l.harf_notu, l.sayisal_not, l.durum
    FROM dornela_olcek s CROSS JOIN home_ladder l
    ORDER BY s.id, l.pos;

-- Other scales. Each grade list runs from the highest value to the lowest;
-- the step number counts from 0 within the pass grades and within the fail
-- grades; the limits and counts are what a save computes from the list.
CREATE TEMP TABLE other_grade (olcek_adi TEXT, pos INTEGER, harf_notu TEXT, sayisal_not REAL, durum TEXT);

-- 100-point scale, 100 down to 0 by 1, passing from 50.
WITH RECURSIVE n(v) AS (SELECT 100 UNION ALL SELECT v - 1 FROM n WHERE v > 0)
INSERT INTO other_grade
    SELECT '100''lük Sayısal Not Sistemi', 100 - v, CAST(v AS TEXT), v,
           CASE WHEN v >= 50 THEN 'Geçer' ELSE 'Kalır' END
    FROM n;

-- 20-point scale, 20 down to 0 by 1, passing from 10.
WITH RECURSIVE n(v) AS (SELECT 20 UNION ALL SELECT v - 1 FROM n WHERE v > 0)
INSERT INTO other_grade
    SELECT '20''lik Sayısal Not Sistemi', 20 - v, CAST(v AS TEXT), v,
           CASE WHEN v >= 10 THEN 'Geçer' ELSE 'Kalır' END
    FROM n;

-- US-style letters with their usual 4.0-point values; D and above pass.
INSERT INTO other_grade VALUES
    ('ABD Harf Notu Sistemi', 0, 'A', 4.0, 'Geçer'),
    ('ABD Harf Notu Sistemi', 1, 'A-', 3.7, 'Geçer'),
    ('ABD Harf Notu Sistemi', 2, 'B+', 3.3, 'Geçer'),
    ('ABD Harf Notu Sistemi', 3, 'B', 3.0, 'Geçer'),
    ('ABD Harf Notu Sistemi', 4, 'B-', 2.7, 'Geçer'),
    ('ABD Harf Notu Sistemi', 5, 'C+', 2.3, 'Geçer'),
    ('ABD Harf Notu Sistemi', 6, 'C', 2.0, 'Geçer'),
    ('ABD Harf Notu Sistemi', 7, 'C-', 1.7, 'Geçer'),
    ('ABD Harf Notu Sistemi', 8, 'D+', 1.3, 'Geçer'),
    ('ABD Harf Notu Sistemi', 9, 'D', 1.0, 'Geçer'),
    ('ABD Harf Notu Sistemi', 10, 'F', 0.0, 'Kalır');

-- ECTS letters, A to E pass, FX and F fail; values 6 down to 0 give each
-- letter a distinct whole number in the letters' order.
INSERT INTO other_grade VALUES
    ('ECTS Not Sistemi', 0, 'A', 6, 'Geçer'),
    ('ECTS Not Sistemi', 1, 'B', 5, 'Geçer'),
    ('ECTS Not Sistemi', 2, 'C', 4, 'Geçer'),
    ('ECTS Not Sistemi', 3, 'D', 3, 'Geçer'),
    ('ECTS Not Sistemi', 4, 'E', 2, 'Geçer'),
    ('ECTS Not Sistemi', 5, 'FX', 1, 'Kalır'),
    ('ECTS Not Sistemi', 6, 'F', 0, 'Kalır');

CREATE TEMP TABLE other_scale (pos INTEGER, olcek_adi TEXT, not_sistemi TEXT);
INSERT INTO other_scale VALUES
    (1, '100''lük Sayısal Not Sistemi', 'Sayısal Not'),
    (2, '20''lik Sayısal Not Sistemi', 'Sayısal Not'),
    (3, 'ABD Harf Notu Sistemi', 'Harf Notu'),
    (4, 'ECTS Not Sistemi', 'Harf Notu');

-- Limits and counts as a save computes them: Max_GN the first grade, Min_KN
-- the last, Min_GN the last pass grade, Max_KN the first fail grade.
INSERT INTO diger_olcek (olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN,
                         Gecer_Not_Sayisi, Kalir_Not_Sayisi)
    SELECT s.olcek_adi, s.not_sistemi,
           (SELECT max(sayisal_not) FROM other_grade g WHERE g.olcek_adi = s.olcek_adi),
           (SELECT min(sayisal_not) FROM other_grade g WHERE g.olcek_adi = s.olcek_adi AND durum = 'Geçer'),
           (SELECT max(sayisal_not) FROM other_grade g WHERE g.olcek_adi = s.olcek_adi AND durum = 'Kalır'),
           (SELECT min(sayisal_not) FROM other_grade g WHERE g.olcek_adi = s.olcek_adi),
           (SELECT count(*) FROM other_grade g WHERE g.olcek_adi = s.olcek_adi AND durum = 'Geçer'),
           (SELECT count(*) FROM other_grade g WHERE g.olcek_adi = s.olcek_adi AND durum = 'Kalır')
    FROM other_scale s ORDER BY s.pos;

-- Grades in list order, scale by scale; the step number is the grade's
-- position within its block.
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no)
    SELECT s.id, g.harf_notu, g.sayisal_not, g.durum,
           (SELECT count(*) FROM other_grade h
             WHERE h.olcek_adi = g.olcek_adi AND h.durum = g.durum AND h.pos < g.pos)
    FROM diger_olcek s JOIN other_grade g ON g.olcek_adi = s.olcek_adi
    ORDER BY s.id, g.pos;

DROP TABLE home_level;
DROP TABLE home_ladder;
DROP TABLE other_grade;
DROP TABLE other_scale;

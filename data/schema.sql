-- The scale database donustur.evk: four tables, home scales and other
-- universities' scales, each with its grades.
--
-- Ids are assigned by the store and always grow (AUTOINCREMENT: an id is never
-- reused, not even after the row with the highest id was deleted).
-- Decimal fields are REAL, whole numbers INTEGER. Letter grades compare without
-- regard to ASCII letter case, as the old engine compared them. The conversion
-- windows order scale names with the program's Turkish collation, which their
-- queries name; the file itself names none, so any SQLite tool reads it.

CREATE TABLE dornela_olcek (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    olcek_adi TEXT NOT NULL COLLATE NOCASE,
    egitim_duzeyi TEXT NOT NULL,
    max_GN REAL,
    min_GN REAL,
    max_KN REAL,
    min_KN REAL
);

CREATE TABLE dornela_notlar (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    olcek_id INTEGER NOT NULL,
    harf_notu TEXT NOT NULL COLLATE NOCASE,
    sayisal_not REAL NOT NULL,
    durum TEXT NOT NULL
);

CREATE TABLE diger_olcek (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    olcek_adi TEXT NOT NULL COLLATE NOCASE,
    not_sistemi TEXT NOT NULL,
    Max_GN REAL,
    Min_GN REAL,
    Max_KN REAL,
    Min_KN REAL,
    Gecer_Not_Sayisi INTEGER,
    Kalir_Not_Sayisi INTEGER
);

CREATE TABLE diger_notlar (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    olcek_id INTEGER NOT NULL,
    harf_notu TEXT NOT NULL COLLATE NOCASE,
    sayisal_not REAL NOT NULL,
    durum TEXT NOT NULL,
    adim_no INTEGER
);

CREATE INDEX dornela_notlar_olcek ON dornela_notlar (olcek_id);
-- The conversion looks a grade up by scale and letter.
CREATE INDEX diger_notlar_olcek_harf ON diger_notlar (olcek_id, harf_notu);

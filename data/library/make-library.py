#!/usr/bin/env python3
"""Writes KUTUPHANE.zolcek, the library of real grading scales shipped with the
program (see docs/zolcek.md for the format). The file is committed; the build
only copies it. Edit the table below, run this again, and check the result by
hand against the named source.

Every scale lists its grades from the best down, each with the value the
program converts by position (higher is better) and its status. Scales whose
best grade is the lowest number (Germany, Austria, ...) keep the grade as it is
written in the letter field and get a value that rises with quality; the note
of each such scale says how.
"""
import json
import re
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "KUTUPHANE.zolcek")
PASS, FAIL = "Geçer", "Kalır"


def letters(rows, fail_from):
    """Letter grades: rows of (letter, value), best first; the rows from
    index fail_from on fail."""
    return [{"harf_notu": l, "sayisal_not": v, "durum": PASS if i < fail_from else FAIL}
            for i, (l, v) in enumerate(rows)]


def numbers(top, bottom, step, max_fail):
    """A numeric scale from top down to bottom by step; values up to max_fail fail."""
    grades = []
    count = round((top - bottom) / step)
    for i in range(count + 1):
        v = round(top - i * step, 4)
        v = int(v) if v == int(v) else v
        grades.append({"sayisal_not": v, "durum": FAIL if v <= max_fail + 1e-9 else PASS})
    return grades


def scale(name, system, country, source, note, grades):
    assert len(name) <= 40, name
    return {"olcek_adi": name, "not_sistemi": system, "ulke": country, "kaynak": source,
            "aciklama": note, "notlar": grades}


H, S = "Harf Notu", "Sayısal Not"

SCALES = [
    scale("AKTS (ECTS) A–F", H, "Avrupa Yükseköğretim Alanı",
          "European Commission, ECTS Users' Guide (2009), ECTS grading scale",
          "A en iyi %10, B sonraki %25, C %30, D %25, E %10 (geçenler arasında); FX ve F kalır. "
          "Sayısal değerler yalnız sırayı verir (A 5 … E 1, FX 0,5, F 0).",
          letters([("A", 5), ("B", 4), ("C", 3), ("D", 2), ("E", 1), ("FX", 0.5), ("F", 0)], 5)),
    scale("ABD Harf Notu (4.0)", H, "Amerika Birleşik Devletleri",
          "ABD üniversitelerinin yaygın 4.0 not ortalaması uygulaması (AACRAO, katalog örnekleri)",
          "A 4,0, A- 3,7, B+ 3,3 … D- 0,7 geçer, F 0 kalır. A+ birçok okulda 4,0 sayıldığından ayrı not "
          "olarak alınmadı; D- kullanmayan okullar da vardır.",
          letters([("A", 4.0), ("A-", 3.7), ("B+", 3.3), ("B", 3.0), ("B-", 2.7), ("C+", 2.3), ("C", 2.0),
                   ("C-", 1.7), ("D+", 1.3), ("D", 1.0), ("D-", 0.7), ("F", 0)], 11)),
    scale("Birleşik Krallık Derece Sınıfları", H, "Birleşik Krallık",
          "QAA, The Frameworks for Higher Education Qualifications of UK Degree-Awarding Bodies (2014); "
          "yüzlük not bantları üniversite yönetmeliklerinden",
          "First 70+, Upper Second (2:1) 60–69, Lower Second (2:2) 50–59, Third 40–49 geçer; 40'ın altı "
          "Fail. Sayısal değer her sınıfın alt sınırıdır.",
          letters([("First", 70), ("2:1", 60), ("2:2", 50), ("Third", 40), ("Fail", 0)], 4)),
    scale("Almanya 1,0–5,0", H, "Almanya",
          "Alman üniversitelerinin sınav yönetmelikleri (Prüfungsordnung): 1,0 … 4,0 geçer, 5,0 kalır; "
          "ara notlar 0,3 farkla, 0,7, 4,3 ve 4,7 kullanılmaz",
          "Alman notu küçüldükçe iyidir; 1,0–4,0 geçer, 5,0 kalır. Not harf alanında yazıldığı gibi durur "
          "ve öyle girilir (1,0 … 5,0, ondalığıyla); sayısal değer 10 × (6 − not) alınmıştır (1,0 → 50, "
          "4,0 → 20, 5,0 → 10): değer notla birlikte büyür, geçer notlar kalır notun üstünde kalır ve hiçbir "
          "değer bir notun yazılışıyla karışmaz.",
          letters([(g, round(10 * (6 - float(g.replace(",", "."))))) for g in
                   ["1,0", "1,3", "1,7", "2,0", "2,3", "2,7", "3,0", "3,3", "3,7", "4,0", "5,0"]], 10)),
    scale("Avusturya 1–5", H, "Avusturya",
          "Universitätsgesetz 2002 (UG), Beurteilung des Studienerfolges: sehr gut (1), gut (2), "
          "befriedigend (3), genügend (4), nicht genügend (5)",
          "Avusturya notu küçüldükçe iyidir; 1–4 geçer, 5 kalır. Not harf alanında yazıldığı gibi (1 … 5); "
          "sayısal değer 10 × (6 − not) (1 → 50, 4 → 20, 5 → 10): değer notla birlikte büyür, geçer notlar "
          "kalır notun üstünde kalır ve hiçbir değer bir notun yazılışıyla karışmaz.",
          letters([("1", 50), ("2", 40), ("3", 30), ("4", 20), ("5", 10)], 4)),
    scale("İsviçre 6'lık", S, "İsviçre",
          "İsviçre üniversitelerinin sınav yönetmelikleri (örn. Universität Zürich, ETH Zürich): "
          "6 en iyi, 4 geçer, yarım notlar",
          "6,0'dan 1,0'a yarım not aralıkla; 4,0 ve üstü geçer, 3,5 ve altı kalır. Çeyrek not veren "
          "okullarda not en yakın yarıma yuvarlanarak girilir.",
          numbers(6, 1, 0.5, 3.5)),
    scale("Fransa 20'lik", S, "Fransa",
          "Arrêté du 30 juillet 2018 relatif au diplôme national de licence: 20 üzerinden not, "
          "ortalama 10/20 ile başarı",
          "20'den 0'a yarım puan aralıkla; 10 ve üstü geçer. Fransa'da telafi (compensation) ortalama "
          "üzerinden yapılır; tek dersin 10'un altındaki notu kalır sayıldı.",
          numbers(20, 0, 0.5, 9.5)),
    scale("Belçika 20'lik", S, "Belçika",
          "Décret « Paysage » du 7 novembre 2013 (Fédération Wallonie-Bruxelles); Codex Hoger Onderwijs "
          "(Vlaanderen): 20 üzerinden not, 10/20 ile kredi kazanılır",
          "20'den 0'a tam puan aralıkla; 10 ve üstü geçer, 9 ve altı kalır.",
          numbers(20, 0, 1, 9)),
    scale("İtalya 30'luk (30 e lode)", H, "İtalya",
          "Regio Decreto 4 giugno 1938, n. 1269 (sınavlar otuzluk ölçekte, en az 18 ile geçilir, "
          "oybirliğiyle 'lode'); D.M. 270/2004",
          "18–30 geçer; '30 e lode' 30'un üstünde 31 değeriyle ayrı not. Kalan sınavda not yazılmaz "
          "('respinto'): tek kalır not 'Respinto', değeri 0. Notlar harf alanında yazıldığı gibi "
          "(18 … 30, '30 e lode').",
          letters([("30 e lode", 31)] + [(str(v), v) for v in range(30, 17, -1)] + [("Respinto", 0)], 14)),
    scale("İspanya 10'luk", S, "İspanya",
          "Real Decreto 1125/2003, art. 5: 0–10, bir ondalık; 0–4,9 suspenso, 5,0–6,9 aprobado, "
          "7,0–8,9 notable, 9,0–10 sobresaliente",
          "10,0'dan 0,0'a 0,1 aralıkla; 5,0 ve üstü geçer. 'Matrícula de Honor' 9,0 ve üstü notlara "
          "verilen bir ayrımdır, ayrı not değildir.",
          numbers(10, 0, 0.1, 4.9)),
    scale("Portekiz 20'lik", S, "Portekiz",
          "Decreto-Lei n.º 42/2005 (escala de classificação portuguesa: 0 a 20, 10 ve üstü geçer)",
          "20'den 0'a tam puan aralıkla; 10 ve üstü geçer.",
          numbers(20, 0, 1, 9)),
    scale("Hollanda 10'luk", S, "Hollanda",
          "Nuffic, Grading systems in the Netherlands: 1–10, geçme notu 5,5 (tam notla 6)",
          "10'dan 1'e yarım not aralıkla; 5,5 ve üstü geçer, 5,0 ve altı kalır. Notu tam sayıya "
          "yuvarlayan okullarda 6 en düşük geçer nottur.",
          numbers(10, 1, 0.5, 5)),
    scale("Polonya 2,0–5,0", S, "Polonya",
          "Ustawa Prawo o szkolnictwie wyższym i nauce (2018) ve üniversitelerin Regulamin studiów "
          "(örn. Uniwersytet Warszawski): bardzo dobry 5,0 … niedostateczny 2,0",
          "5,0 bardzo dobry, 4,5 dobry plus, 4,0 dobry, 3,5 dostateczny plus, 3,0 dostateczny geçer; "
          "2,0 niedostateczny kalır.",
          [{"sayisal_not": v, "durum": PASS if v >= 3 else FAIL} for v in (5, 4.5, 4, 3.5, 3, 2)]),
    scale("Rusya 5'lik", S, "Rusya",
          "Rusya Federasyonu yükseköğretim uygulaması (Federal Yasa No. 273-FZ 'Eğitim Hakkında'; "
          "üniversite yönetmelikleri): otlichno 5, khorosho 4, udovletvoritel'no 3, neudovletvoritel'no 2",
          "5, 4, 3 geçer; 2 kalır. 'Zachet/nezachet' (geçti/kaldı) sınavları bu ölçeğe girmez.",
          numbers(5, 2, 1, 2)),
    scale("Ukrayna 5'lik", S, "Ukrayna",
          "Ukrayna Eğitim ve Bilim Bakanlığı, ulusal ölçek: vidminno 5, dobre 4, zadovilno 3, "
          "nezadovilno 2 (ECTS ve 100'lük ölçekle birlikte kullanılır)",
          "5, 4, 3 geçer; 2 kalır. Transkriptte 100'lük puan da varsa ulusal not girilmelidir.",
          numbers(5, 2, 1, 2)),
    scale("Yunanistan 10'luk", S, "Yunanistan",
          "Yunanistan yükseköğretim mevzuatı (N. 4009/2011, N. 4957/2022): 0–10, geçme notu 5",
          "10'dan 0'a yarım not aralıkla; 5 ve üstü geçer.",
          numbers(10, 0, 0.5, 4.5)),
    scale("Türkiye 4'lük Harf Notu", H, "Türkiye",
          "Türk üniversitelerinin önlisans ve lisans eğitim-öğretim yönetmelikleri (harf notu ve "
          "katsayıları: AA 4,00 … FF 0,00)",
          "AA 4,00 … DD 1,00 geçer; FD 0,50 ve FF 0,00 kalır. DC ve DD birçok üniversitede ortalamaya "
          "bağlı 'koşullu geçer' notudur; burada geçer sayıldı.",
          letters([("AA", 4.0), ("BA", 3.5), ("BB", 3.0), ("CB", 2.5), ("CC", 2.0), ("DC", 1.5), ("DD", 1.0),
                   ("FD", 0.5), ("FF", 0.0)], 7)),
    scale("Türkiye 100'lük", S, "Türkiye",
          "Türk üniversitelerinin 100'lük not kullanan yönetmelikleri; YÖK 4'lük–100'lük not dönüşüm "
          "tablosu",
          "100'den 0'a tam puan aralıkla; 60 ve üstü geçer. Geçme notu üniversiteye göre değişir "
          "(50 ya da 60); 50 kullanan üniversite için ölçek içe aktarıldıktan sonra düzenlenmelidir.",
          numbers(100, 0, 1, 59)),
    scale("Azerbaycan 100'lük (A–F)", S, "Azerbaycan",
          "Azerbaycan Bakanlar Kurulu, yükseköğretimde kredi sistemiyle öğretimin düzenlenmesi "
          "kuralları: A 91–100, B 81–90, C 71–80, D 61–70, E 51–60, F 0–50",
          "100'den 0'a tam puan aralıkla; 51 ve üstü geçer. Harf notu puan bandından okunur.",
          numbers(100, 0, 1, 50)),
    scale("Kazakistan Harf Notu", H, "Kazakistan",
          "Kazakistan Eğitim ve Bilim Bakanlığı, kredi teknolojisiyle öğretim kuralları (20.04.2011, "
          "No. 152): A 4,0 … D 1,0, FX 0,5, F 0",
          "A 4,0 (95–100), A- 3,67, B+ 3,33, B 3,0, B- 2,67, C+ 2,33, C 2,0, C- 1,67, D+ 1,33, D 1,0 "
          "geçer; FX 0,5 ve F 0 kalır.",
          letters([("A", 4.0), ("A-", 3.67), ("B+", 3.33), ("B", 3.0), ("B-", 2.67), ("C+", 2.33),
                   ("C", 2.0), ("C-", 1.67), ("D+", 1.33), ("D", 1.0), ("FX", 0.5), ("F", 0)], 10)),
    scale("İran 20'lik", S, "İran",
          "İran Bilim, Araştırma ve Teknoloji Bakanlığı lisans eğitim yönetmeliği: 0–20, lisansta "
          "geçme notu 10",
          "20'den 0'a çeyrek puan aralıkla; 10 ve üstü geçer. Lisansüstü derslerde geçme notu 12'dir; "
          "o öğrenciler için ölçek düzenlenmelidir.",
          numbers(20, 0, 0.25, 9.75)),
    scale("Çin Yüzlük", S, "Çin",
          "Çin üniversitelerinin yüzlük not uygulaması (transkriptler, CHSI/CDGDC doğrulama belgeleri): "
          "60 ve üstü geçer",
          "100'den 0'a tam puan aralıkla; 60 ve üstü geçer. Beşli sözel not (优/良/中/及格/不及格) "
          "veren derslerde puan karşılığı girilmelidir.",
          numbers(100, 0, 1, 59)),
    scale("Hindistan Yüzdelik", S, "Hindistan",
          "Hindistan üniversitelerinin yüzdelik not uygulaması (UGC; üniversite yönetmelikleri): "
          "ders başına geçme yaygın olarak %40",
          "100'den 0'a tam puan aralıkla; 40 ve üstü geçer. Geçme yüzdesi üniversiteye göre 35–50 "
          "arasında değişir; UGC'nin 10'luk kredi notu (CGPA) ayrı bir ölçektir.",
          numbers(100, 0, 1, 39)),
    scale("Çekya 1–4", H, "Çekya",
          "Çek üniversitelerinin çalışma ve sınav yönetmelikleri (örn. Univerzita Karlova, Studijní a "
          "zkušební řád): výborně 1, velmi dobře 2, dobře 3, neprospěl 4",
          "Çek notu küçüldükçe iyidir; 1–3 geçer, 4 kalır. Not harf alanında yazıldığı gibi (1 … 4); "
          "sayısal değer 10 × (5 − not) (1 → 40, 4 → 10), böylece geçer notlar kalır notun üstünde kalır. "
          "A–F kullanan fakülteler için AKTS ölçeği seçilmelidir.",
          letters([("1", 40), ("2", 30), ("3", 20), ("4", 10)], 3)),
    scale("Macaristan 1–5", S, "Macaristan",
          "Macar üniversitelerinin çalışma ve sınav yönetmelikleri (TVSZ, örn. ELTE): jeles 5, jó 4, "
          "közepes 3, elégséges 2, elégtelen 1",
          "5, 4, 3, 2 geçer; 1 kalır.",
          numbers(5, 1, 1, 1)),
    scale("Bulgaristan 2–6", S, "Bulgaristan",
          "Закон за висшето образование (Bulgaristan Yükseköğretim Kanunu): altılık ölçek, "
          "otlichen 6 … slab 2",
          "6, 5, 4, 3 geçer; 2 (slab) kalır. Ondalıklı ortalamalar en yakın tam nota yuvarlanarak girilir.",
          numbers(6, 2, 1, 2)),
    scale("Romanya 10'luk", S, "Romanya",
          "Legea educației naționale nr. 1/2011: yükseköğretimde 10–1 tam not, geçme notu 5",
          "10'dan 1'e tam not aralıkla; 5 ve üstü geçer.",
          numbers(10, 1, 1, 4)),
    scale("Danimarka 7 Basamak", H, "Danimarka",
          "Karakterbekendtgørelsen (7-trins-skalaen): 12, 10, 7, 4, 02, 00, -3",
          "12, 10, 7, 4, 02 geçer; 00 ve -3 kalır. Notlar harf alanında yazıldığı gibi (02, 00, -3); "
          "sayısal değer notun kendisidir.",
          letters([("12", 12), ("10", 10), ("7", 7), ("4", 4), ("02", 2), ("00", 0), ("-3", -3)], 5)),
    scale("İsveç VG/G/U", H, "İsveç",
          "Högskoleförordningen (1993:100), 6 kap. 18 §: väl godkänd, godkänd, underkänd",
          "VG (väl godkänd) ve G (godkänd) geçer, U (underkänd) kalır. Sayısal değerler yalnız sırayı "
          "verir (VG 2, G 1, U 0). A–F kullanan üniversiteler için AKTS ölçeği seçilmelidir.",
          letters([("VG", 2), ("G", 1), ("U", 0)], 2)),
    scale("Norveç A–F", H, "Norveç",
          "Lov om universiteter og høyskoler; Universitets- og høgskolerådet (UHR), A–F karakterskala",
          "A, B, C, D, E geçer; F kalır. Sayısal değerler yalnız sırayı verir (A 5 … E 1, F 0).",
          letters([("A", 5), ("B", 4), ("C", 3), ("D", 2), ("E", 1), ("F", 0)], 5)),
    scale("Finlandiya 0–5", S, "Finlandiya",
          "Valtioneuvoston asetus yliopistojen tutkinnoista (794/2004); yliopistojen tutkintosäännöt: "
          "5 erinomainen … 1 välttävä, 0 hylätty",
          "5, 4, 3, 2, 1 geçer; 0 (hylätty) kalır.",
          numbers(5, 0, 1, 0)),
    scale("Hırvatistan 1–5", S, "Hırvatistan",
          "Zakon o znanstvenoj djelatnosti i visokom obrazovanju: izvrstan 5, vrlo dobar 4, dobar 3, "
          "dovoljan 2, nedovoljan 1",
          "5, 4, 3, 2 geçer; 1 kalır.",
          numbers(5, 1, 1, 1)),
    scale("Sırbistan 5–10", S, "Sırbistan",
          "Zakon o visokom obrazovanju (Sırbistan Yükseköğretim Kanunu): 5 (nije položio) ile "
          "10 (odličan) arası",
          "10, 9, 8, 7, 6 geçer; 5 kalır.",
          numbers(10, 5, 1, 5)),
    scale("Gürcistan 100'lük (A–F)", S, "Gürcistan",
          "Gürcistan Eğitim ve Bilim Bakanlığı, kredi hesaplama kuralları (5 Ocak 2007, No. 3): "
          "A 91–100 … E 51–60, FX 41–50, F 0–40",
          "100'den 0'a tam puan aralıkla; 51 ve üstü geçer. FX (41–50) tekrar sınav hakkı veren kalır "
          "notudur.",
          numbers(100, 0, 1, 50)),
    scale("Güney Kore 4,5'lik", H, "Güney Kore",
          "Güney Kore üniversitelerinin yaygın 4,5'lik not ortalaması uygulaması (üniversite "
          "yönetmelikleri)",
          "A+ 4,5, A0 4,0, B+ 3,5, B0 3,0, C+ 2,5, C0 2,0, D+ 1,5, D0 1,0 geçer; F 0 kalır. 4,3'lük "
          "ölçek kullanan üniversiteler (örn. Seoul National University) için ölçek düzenlenmelidir.",
          letters([("A+", 4.5), ("A0", 4.0), ("B+", 3.5), ("B0", 3.0), ("C+", 2.5), ("C0", 2.0), ("D+", 1.5),
                   ("D0", 1.0), ("F", 0)], 8)),
    scale("Meksika 10'luk", S, "Meksika",
          "Meksika Eğitim Bakanlığı (SEP) not ölçeği: 0–10, en düşük geçer not 6",
          "10'dan 0'a tam not aralıkla; 6 ve üstü geçer, 5 ve altı kalır.",
          numbers(10, 0, 1, 5)),
]


def main():
    names = [s["olcek_adi"] for s in SCALES]
    assert len(names) == len(set(names))
    doc = {"bicim": "ZENDARO-OLCEK", "surum": 1,
           "aciklama": "ZENDARO not ölçekleri kütüphanesi: gerçek not sistemleri, her biri kaynağıyla.",
           "diger_olcekler": SCALES}
    with open(OUT, "w", encoding="utf-8") as f:
        text = json.dumps(doc, ensure_ascii=False, indent=1)
        # One grade per line: the file stays readable.
        text = re.sub(r'\{\n\s+("(?:harf_notu|sayisal_not)".*?)\n\s+\}',
                      lambda m: "{" + re.sub(r"\n\s+", " ", m.group(1)) + "}", text, flags=re.S)
        f.write(text + "\n")
    print(f"{len(SCALES)} scales -> {OUT}")


if __name__ == "__main__":
    main()

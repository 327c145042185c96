#pragma once

// A conversion file for the report tests: a student, five courses on the
// letter scale and the home ladder of the conversion fixture, one of them
// left out of the average, one whose grade the scale no longer holds (its
// stored result kept) and one whose stored result differs from the result
// now (changed).
#include "ConversionFixture.h"
#include "files/ConversionFile.h"

#include <QString>
#include <QVector>

namespace zendaro::test {

struct SampleLine {
    QString code, name, credit, ects, grade, letter, value, status, mark;
};

inline CourseResult sampleResult(const QString& letter, double value, const QString& status, bool passed) {
    return CourseResult{true, letter, value, value, status, passed};
}

inline ConversionFile sampleFile() {
    ConversionFile file;
    file.id = 12;
    file.studentName = QStringLiteral("Zeynep <b>Çağlar</b> & \"Işık\"");
    file.studentNumber = QStringLiteral("0020231234");
    file.programme = QStringLiteral("Bilgisayar Mühendisliği");
    file.otherUniversity = QStringLiteral("Ege 'Deniz' Üniversitesi");
    file.otherScaleId = fixture::Letters;
    file.homeScaleId = fixture::HomeLadder;
    file.otherScaleName = QStringLiteral("Harf Ölçeği");
    file.homeScaleName = QStringLiteral("Lisans");
    auto add = [&file](const char* code, const char* name, double credit, std::optional<double> ects,
                       const char* grade, bool counts, CourseResult stored) {
        FileCourse c;
        c.code = QString::fromUtf8(code);
        c.name = QString::fromUtf8(name);
        c.credit = credit;
        c.ects = ects;
        c.grade = QString::fromUtf8(grade);
        c.counts = counts;
        c.stored = stored;
        file.courses << c;
    };
    add("MAT101", "Analiz I", 6, 7.5, "AA", true, sampleResult("AA", 4, "GEÇER", true));
    add("FIZ102", "Fizik & <i>Lab</i>", 4, std::nullopt, "CC", true, {});
    add("SEC201", "Seçmeli Ders", 2.5, 3, "DC", false, {});
    add("ESK300", "Eski Ders", 3, std::nullopt, "ZZ", true, sampleResult("BB", 3, "GEÇER", true));
    add("DEG400", "Değişen Ders", 5, std::nullopt, "FF", true, sampleResult("DD", 1, "KALIR", false));
    return file;
}

// What every course shows, with Turkish separators (a comma for an English
// reading replaces the decimal comma).
inline QVector<SampleLine> sampleLines() {
    return {
        {"MAT101", "Analiz I", "6,00", "7,50", "AA", "AA", "4,00", "GEÇER", ""},
        {"FIZ102", "Fizik & <i>Lab</i>", "4,00", "", "CC", "CB", "2,50", "GEÇER", ""},
        {"SEC201", "Seçmeli Ders", "2,50", "3,00", "DC", "CC", "2,00", "KALIR", "ORTALAMAYA KATILMAZ"},
        {"ESK300", "Eski Ders", "3,00", "", "ZZ", "BB", "3,00", "GEÇER", "ÖLÇEKTE YOK"},
        {"DEG400", "Değişen Ders", "5,00", "", "FF", "FF", "0,00", "KALIR", "SONUÇ DEĞİŞTİ"},
    };
}

// The totals: 5 courses, 3 passed (AA, CB, BB as stored), 2 failed, 20,5
// credits; the average leaves out SEC201: (4x6 + 2,5x4 + 3x3 + 0x5) / 18.
constexpr double SampleAverage = (4 * 6 + 2.5 * 4 + 3 * 3 + 0 * 5) / 18.0;

} // namespace zendaro::test

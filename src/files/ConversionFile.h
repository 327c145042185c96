#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>
#include <optional>

namespace zendaro {

// The result of a course as last converted and stored with the file.
struct CourseResult {
    bool converted = false;  // false: the course has no result (never converted)
    QString homeLetter;      // letter of the home grade
    double homeValue = -1;   // the home value reduced to two decimals, as the course list shows it
    double letterValue = -1; // sayisal_not of the home grade (what the average weighs)
    QString homeStatus;      // durum of the home grade, as the home scale stores it
    bool passed = false;
    bool operator==(const CourseResult&) const = default;
};

// One course of a conversion file.
struct FileCourse {
    QString code;
    QString name;
    double credit = 0;          // a positive number, as in the course list
    std::optional<double> ects; // the ECTS credit, when known
    QString grade;              // the grade as entered (normalised as the course list does)
    bool counts = true;         // counts towards the average
    CourseResult stored;        // the result as last converted (what the file holds)
};

// A conversion file ("dönüşüm dosyası"): one student's transcript from one
// other university converted onto one home scale.
struct ConversionFile {
    qint64 id = -1;      // -1: not stored yet
    qint64 revision = 0; // change counter as read; a save checks it and raises it
    QString studentName; // name and surname
    QString studentNumber;
    QString programme;
    QString otherUniversity;
    qint64 otherScaleId = -1; // the chosen other scale (-1: none)
    qint64 homeScaleId = -1;  // the chosen home scale (-1: none)
    QString otherScaleName;   // names as at the last save, shown when a scale is gone
    QString homeScaleName;
    QDateTime created; // UTC; set by the first save
    QDateTime changed; // UTC; set by every save
    QString note;
    QVector<FileCourse> courses; // in order
};

// One line of the file list.
struct FileSummary {
    qint64 id = -1;
    QString studentName;
    QString studentNumber;
    QString programme;
    QString otherUniversity;
    QDateTime changed;
    int courseCount = 0;
};

} // namespace zendaro

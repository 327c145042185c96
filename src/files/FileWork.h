#pragma once

#include "conversion/ConvertGrade.h"
#include "conversion/RegionalSettings.h"
#include "files/ConversionFile.h"

#include <QString>
#include <QVector>
#include <memory>
#include <optional>

namespace zendaro {

// How a course's result stands against the one its file stores.
enum class CourseMark {
    None,         // converted now, the same as stored (or a new course)
    Changed,      // converted now to another result: old and new are shown until the next save
    GradeMissing, // the other scale no longer holds the grade: the stored result is kept
    ScaleMissing, // a chosen scale was deleted (or none is chosen): the stored result is kept
    Failed,       // the scales cannot convert it (formula, M4, M5): the stored result is kept
};

// A course as the window shows it.
struct CourseState {
    CourseMark mark = CourseMark::None;
    CourseResult now;    // the result on the current scales (converted false when none)
    CourseResult stored; // the result the file stores (the old one of a Changed course)
    QString explanation; // how the result now came about (empty when not converted now)
    CourseResult shown() const { return now.converted ? now : stored; }
};

// The totals under the course table: courses whose shown result exists.
struct FileTotals {
    int courses = 0; // every course of the file
    int passed = 0;
    int failed = 0;
    double credit = 0;             // total credit of the courses listed
    std::optional<double> average; // sum of letter value x credit / credit, over the courses that count
};

// The typed values of a course, as the entry boxes hold them.
struct CourseEntry {
    QString code;
    QString name;
    QString credit; // read with the regional separators, as the course list reads it
    QString ects;   // empty: none
    QString grade;
    bool counts = true;
};

// What adding or changing a course came to: empty message when done,
// otherwise the message and the box it concerns.
struct CourseEntryResult {
    bool done = false;
    QString message;
    enum class Box { None, Code, Name, Credit, Ects, Grade } focus = Box::None;
};

// One conversion file being worked on: its courses converted by the single
// grade conversion (ConvertGradeQuietly, batch variant) on the file's scales,
// marked against what the file stores, and totalled. Holds data views of its
// own on the database.
class FileWork {
public:
    FileWork(const QString& databasePath, RegionalSettings settings);
    ~FileWork();
    FileWork(const FileWork&) = delete;
    FileWork& operator=(const FileWork&) = delete;

    // Takes the file (new or loaded) and converts every course again on its
    // scales, marking each against its stored result.
    void open(ConversionFile file);
    const ConversionFile& file() const { return file_; }
    ConversionFile& details() { return file_; } // student fields and note, changed in place

    // Chooses other scales (-1: none) and converts every course again.
    void setScales(qint64 otherScaleId, qint64 homeScaleId);

    // Adds a course at the end (converted at once) or changes one in place.
    // Refused with a message when a box is empty or wrong or the grade is not
    // in the other scale; nothing changes then.
    CourseEntryResult add(const CourseEntry& entry);
    CourseEntryResult change(int row, const CourseEntry& entry);
    void remove(int row);

    int size() const;
    const QVector<CourseState>& states() const { return states_; }
    // How the course of that row converts now, in words (empty when it does not).
    QString explanation(int row) const;
    FileTotals totals() const;
    bool hasChanges() const; // anything differs from the file as opened or last saved

    // The file as it is to be saved: every course's stored result replaced by
    // its result now where it has one (accepting the changes shown).
    ConversionFile forSave() const;
    // After a successful save of forSave(): takes the saved file as the new base.
    void saved(const ConversionFile& file);

    const RegionalSettings& settings() const { return settings_; }

    // The messages of the course boxes beyond those of the course list.
    static QString ScalesNotChosenText();
    static QString EctsNotPositiveText();
    static QString EctsTooLargeText();

private:
    struct Views;
    // Reads the chosen scales and their grades again; false when one is
    // missing (not chosen or deleted).
    bool loadScales();
    void convertAll();
    CourseState stateOf(const FileCourse& course, const GradeConversion& conversion) const;
    CourseEntryResult enter(int row, const CourseEntry& entry);

    RegionalSettings settings_;
    std::unique_ptr<Views> views_;
    ConversionFile file_;
    ConversionFile base_; // the file as opened or last saved
    QVector<CourseState> states_;
};

// The Turkish text of a mark (empty for None).
QString CourseMarkText(CourseMark mark);

} // namespace zendaro

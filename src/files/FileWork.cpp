#include "FileWork.h"

#include "conversion/CourseList.h"
#include "conversion/Explanation.h"
#include "store/DataView.h"
#include "store/Queries.h"

#include <QHash>

namespace zendaro {

struct FileWork::Views {
    DataView otherScales;
    DataView homeScales;
    DataView otherGrades;
    DataView homeGrades;
    DataView search;
    ConversionViews conversion{otherScales, homeScales, otherGrades, homeGrades, search};
    bool scalesFound = false; // both chosen scales exist
};

namespace {

CourseResult resultOf(const GradeConversion& conversion) {
    CourseResult result;
    result.converted = true;
    result.homeLetter = conversion.homeLetter;
    result.homeValue = conversion.value;
    result.letterValue = conversion.homeLetterValue;
    result.homeStatus = conversion.homeStatus;
    result.passed = conversion.passed;
    return result;
}

CourseEntryResult refuse(const QString& message, CourseEntryResult::Box focus) {
    CourseEntryResult result;
    result.message = message;
    result.focus = focus;
    return result;
}

// The same course as stored: every field the file keeps.
bool sameCourse(const FileCourse& a, const FileCourse& b) {
    return a.code == b.code && a.name == b.name && a.credit == b.credit && a.ects == b.ects &&
           a.grade == b.grade && a.counts == b.counts && a.stored == b.stored;
}

// The same file as the user sees it (the scale names follow the scales).
bool sameFile(const ConversionFile& a, const ConversionFile& b) {
    if (a.studentName != b.studentName || a.studentNumber != b.studentNumber || a.programme != b.programme ||
        a.otherUniversity != b.otherUniversity || a.otherScaleId != b.otherScaleId ||
        a.homeScaleId != b.homeScaleId || a.note != b.note || a.courses.size() != b.courses.size())
        return false;
    for (qsizetype i = 0; i < a.courses.size(); ++i)
        if (!sameCourse(a.courses.at(i), b.courses.at(i)))
            return false;
    return true;
}

// Makes the scale of that id current; no current row when there is none.
bool choose(DataView& scales, const QString& query, qint64 id) {
    scales.SetRecordSource(query);
    scales.Refresh();
    if (id >= 0 && scales.RecordCount() > 0 && scales.FindFirst(queries::C2(id)))
        return true;
    scales.SetCurrentRow(-1);
    return false;
}

void loadGrades(DataView& grades, const QString& query) {
    grades.SetRecordSource(query);
    grades.Refresh();
}

} // namespace

QString CourseMarkText(CourseMark mark) {
    switch (mark) {
    case CourseMark::None:
        return {};
    case CourseMark::Changed:
        return QStringLiteral("SONUÇ DEĞİŞTİ");
    case CourseMark::GradeMissing:
        return QStringLiteral("ÖLÇEKTE YOK");
    case CourseMark::ScaleMissing:
        return QStringLiteral("ÖLÇEK BULUNAMADI");
    case CourseMark::Failed:
        return QStringLiteral("DÖNÜŞTÜRÜLEMEDİ");
    }
    return {};
}

QString FileWork::ScalesNotChosenText() {
    return QStringLiteral("LÜTFEN ÖNCE NOT ÖLÇEKLERİNİ SEÇİNİZ...");
}

QString FileWork::EctsNotPositiveText() {
    return QStringLiteral("DERSİN AKTS KREDİSİ SIFIRDAN BÜYÜK BİR SAYI OLMALIDIR...");
}

QString FileWork::EctsTooLargeText() {
    return QStringLiteral("DERSİN AKTS KREDİSİ EN FAZLA 1000 OLABİLİR...");
}

FileWork::FileWork(const QString& databasePath, RegionalSettings settings)
    : settings_(std::move(settings)), views_(std::make_unique<Views>()) {
    for (DataView* view : {&views_->otherScales, &views_->homeScales, &views_->otherGrades,
                           &views_->homeGrades, &views_->search})
        view->SetDatabaseName(databasePath);
}

FileWork::~FileWork() = default;

bool FileWork::loadScales() {
    Views& v = *views_;
    const bool other = choose(v.otherScales, queries::Q5(), file_.otherScaleId);
    const bool home = choose(v.homeScales, queries::Q6(), file_.homeScaleId);
    loadGrades(v.otherGrades, other ? queries::Q4(file_.otherScaleId) : QString());
    loadGrades(v.homeGrades, home ? queries::Q2(file_.homeScaleId) : QString());
    v.scalesFound = other && home;
    return v.scalesFound;
}

CourseState FileWork::stateOf(const FileCourse& course, const GradeConversion& conversion) const {
    CourseState state;
    state.stored = course.stored;
    if (!views_->scalesFound) {
        state.mark = CourseMark::ScaleMissing;
        return state;
    }
    switch (conversion.failure) {
    case ConversionFailure::None:
        state.now = resultOf(conversion);
        state.explanation =
            ExplanationText(conversion, ChosenScales(views_->otherScales, views_->homeScales), settings_);
        if (course.stored.converted && course.stored != state.now)
            state.mark = CourseMark::Changed;
        break;
    case ConversionFailure::EmptyInput:
    case ConversionFailure::NotANumber:
    case ConversionFailure::GradeNotFound:
        state.mark = CourseMark::GradeMissing;
        break;
    case ConversionFailure::Formula:
    case ConversionFailure::Rounding:
    case ConversionFailure::HomeGradeMissing:
        state.mark = CourseMark::Failed;
        break;
    case ConversionFailure::ScaleDeleted:
        state.mark = CourseMark::ScaleMissing;
        break;
    }
    return state;
}

void FileWork::convertAll() {
    loadScales();
    states_.clear();
    states_.reserve(file_.courses.size());
    // Courses of the same grade share one conversion.
    QHash<QString, GradeConversion> done;
    for (const FileCourse& course : std::as_const(file_.courses)) {
        if (!views_->scalesFound) {
            states_.append(stateOf(course, {}));
            continue;
        }
        auto it = done.constFind(course.grade);
        if (it == done.constEnd())
            it = done.insert(course.grade, ConvertGradeQuietly(course.grade, ConversionVariant::Batch,
                                                               views_->conversion, settings_));
        states_.append(stateOf(course, *it));
    }
}

void FileWork::open(ConversionFile file) {
    file_ = std::move(file);
    base_ = file_;
    convertAll();
}

void FileWork::setScales(qint64 otherScaleId, qint64 homeScaleId) {
    file_.otherScaleId = otherScaleId;
    file_.homeScaleId = homeScaleId;
    convertAll();
}

CourseEntryResult FileWork::add(const CourseEntry& entry) {
    return enter(-1, entry);
}

CourseEntryResult FileWork::change(int row, const CourseEntry& entry) {
    if (row < 0 || row >= size())
        return {};
    return enter(row, entry);
}

CourseEntryResult FileWork::enter(int row, const CourseEntry& entry) {
    using Box = CourseEntryResult::Box;
    // The boxes in the order they are filled: credit, ECTS credit, grade.
    if (entry.credit.trimmed().isEmpty())
        return refuse(CourseList::EmptyCreditText(), Box::Credit);
    const auto credit = CourseList::ReadCredit(entry.credit, settings_);
    if (!credit || *credit <= 0)
        return refuse(CourseList::CreditNotPositiveText(), Box::Credit);
    if (*credit > CourseList::MaxCredit)
        return refuse(CourseList::CreditTooLargeText(), Box::Credit);

    std::optional<double> ects;
    if (!entry.ects.trimmed().isEmpty()) {
        ects = CourseList::ReadCredit(entry.ects, settings_);
        if (!ects || *ects <= 0)
            return refuse(EctsNotPositiveText(), Box::Ects);
        if (*ects > CourseList::MaxCredit)
            return refuse(EctsTooLargeText(), Box::Ects);
    }

    const QString grade = NormaliseGradeInput(entry.grade, ConversionVariant::Batch, settings_);
    if (grade.isEmpty())
        return refuse(CourseList::EmptyGradeText(), Box::Grade);
    if (!views_->scalesFound) {
        // Both chosen but one not found: deleted (by another user) since.
        const bool chosen = file_.otherScaleId >= 0 && file_.homeScaleId >= 0;
        return refuse(chosen ? ScaleDeletedText() : ScalesNotChosenText(), Box::None);
    }
    const GradeConversion conversion =
        ConvertGradeQuietly(grade, ConversionVariant::Batch, views_->conversion, settings_);
    switch (conversion.failure) {
    case ConversionFailure::None:
        break;
    case ConversionFailure::EmptyInput:
        return refuse(CourseList::EmptyGradeText(), Box::Grade);
    case ConversionFailure::NotANumber:
    case ConversionFailure::GradeNotFound:
        return refuse(
            ConversionFailureText(conversion.failure,
                                  views_->otherScales.Field(QStringLiteral("olcek_adi")).toString()),
            Box::Grade);
    case ConversionFailure::Formula:
    case ConversionFailure::Rounding:
    case ConversionFailure::HomeGradeMissing:
    case ConversionFailure::ScaleDeleted:
        return refuse(ConversionFailureText(conversion.failure, QString()), Box::None);
    }

    FileCourse course;
    if (row >= 0)
        course.stored = file_.courses.at(row).stored; // the stored result stays until the save
    course.code = entry.code;
    course.name = entry.name;
    course.credit = *credit;
    course.ects = ects;
    course.grade = conversion.gradeText; // as the scale stores it
    course.counts = entry.counts;
    const CourseState state = stateOf(course, conversion);
    if (row < 0) {
        file_.courses.append(course);
        states_.append(state);
    } else {
        file_.courses[row] = course;
        states_[row] = state;
    }
    CourseEntryResult done;
    done.done = true;
    return done;
}

void FileWork::remove(int row) {
    if (row < 0 || row >= size())
        return;
    file_.courses.removeAt(row);
    states_.removeAt(row);
}

QString FileWork::explanation(int row) const {
    return row >= 0 && row < size() ? states_.at(row).explanation : QString();
}

int FileWork::size() const {
    return static_cast<int>(file_.courses.size());
}

FileTotals FileWork::totals() const {
    FileTotals totals;
    totals.courses = size();
    double weighted = 0;
    double weighedCredit = 0;
    for (int i = 0; i < size(); ++i) {
        const FileCourse& course = file_.courses.at(i);
        totals.credit += course.credit;
        const CourseResult shown = states_.at(i).shown();
        if (!shown.converted)
            continue;
        ++(shown.passed ? totals.passed : totals.failed);
        if (!course.counts)
            continue;
        weighted += shown.letterValue * course.credit;
        weighedCredit += course.credit;
    }
    if (weighedCredit > 0)
        totals.average = weighted / weighedCredit;
    return totals;
}

bool FileWork::hasChanges() const {
    if (!sameFile(file_, base_))
        return true;
    for (int i = 0; i < size(); ++i)
        if (states_.at(i).now.converted && states_.at(i).now != file_.courses.at(i).stored)
            return true;
    return false;
}

ConversionFile FileWork::forSave() const {
    ConversionFile file = file_;
    for (int i = 0; i < size(); ++i)
        if (states_.at(i).now.converted)
            file.courses[i].stored = states_.at(i).now;
    // The names of the scales as they are now, kept for the day one is gone.
    if (views_->otherScales.CurrentRow() >= 0)
        file.otherScaleName = views_->otherScales.Field(QStringLiteral("olcek_adi")).toString();
    if (views_->homeScales.CurrentRow() >= 0)
        file.homeScaleName = views_->homeScales.Field(QStringLiteral("olcek_adi")).toString();
    return file;
}

void FileWork::saved(const ConversionFile& file) {
    if (file.courses.size() != file_.courses.size()) {
        open(file); // not the file of forSave(): taken as opened
        return;
    }
    file_ = file;
    base_ = file;
    // The results now are the stored ones: their marks are settled.
    for (int i = 0; i < size(); ++i) {
        CourseState& state = states_[i];
        state.stored = file_.courses.at(i).stored;
        if (state.now.converted)
            state.mark = state.now == state.stored ? CourseMark::None : CourseMark::Changed;
    }
}

} // namespace zendaro

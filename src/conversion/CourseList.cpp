#include "CourseList.h"

#include "NumberText.h"
#include "store/Queries.h"

#include <QHash>

namespace zendaro {

namespace {

qint64 chosenId(const DataView& scales) {
    return scales.CurrentRow() < 0 ? -1 : scales.Field(QStringLiteral("id")).toLongLong();
}

CourseAddResult refuse(const QString& message, CourseBox focus, bool plain = false) {
    CourseAddResult result;
    result.message = message;
    result.focus = focus;
    result.plain = plain;
    return result;
}

} // namespace

QStringList CourseList::captions() {
    return {QStringLiteral("Sil"),
            QStringLiteral("Harf Notu"),
            QStringLiteral("Sayısal Not"),
            QStringLiteral("Kredi"),
            QStringLiteral("Dornela Harf Notu"),
            QStringLiteral("Dornela Sayısal Not"),
            QStringLiteral("Başarı Durumu")};
}

std::optional<double> CourseList::ReadCredit(const QString& text, const RegionalSettings& settings) {
    QString credit = text.trimmed();
    if (!settings.thousandsSeparator.isEmpty())
        credit.replace(settings.thousandsSeparator, settings.decimalSeparator);
    return ReadNumberText(credit, settings);
}

QString CourseList::EmptyGradeText() {
    return QStringLiteral("LÜTFEN DERSİN NOTUNU GİRİNİZ...");
}

QString CourseList::EmptyCreditText() {
    return QStringLiteral("LÜTFEN DERSİN KREDİSİNİ GİRİNİZ...");
}

QString CourseList::CreditNotPositiveText() {
    return QStringLiteral("DERSİN KREDİSİ SIFIRDAN BÜYÜK BİR SAYI OLMALIDIR...");
}

QString CourseList::CreditTooLargeText() {
    return QStringLiteral("DERSİN KREDİSİ EN FAZLA 1000 OLABİLİR...");
}

CourseList::CourseList(DataView& otherScales, DataView& homeScales, const QString& databasePath,
                       RegionalSettings settings)
    : settings_(std::move(settings)), otherScales_(otherScales),
      homeScales_(homeScales), views_{otherScales_, homeScales_, otherGrades_, homeGrades_, search_} {
    for (DataView* view : {&otherGrades_, &homeGrades_, &search_})
        view->SetDatabaseName(databasePath);
}

bool CourseList::loadChosenScales() {
    const qint64 other = chosenId(otherScales_);
    const qint64 home = chosenId(homeScales_);
    if (other == loadedOther_ && home == loadedHome_)
        return false;
    otherGrades_.SetRecordSource(other < 0 ? QString() : queries::Q4(other));
    otherGrades_.Refresh();
    homeGrades_.SetRecordSource(home < 0 ? QString() : queries::Q2(home));
    homeGrades_.Refresh();
    loadedOther_ = other;
    loadedHome_ = home;
    return true;
}

GradeConversion CourseList::convert(const QString& grade) {
    return ConvertGradeQuietly(grade, ConversionVariant::Batch, views_, settings_);
}

void CourseList::convertAll() {
    // Courses of the same grade share one conversion.
    QHash<QString, GradeConversion> done;
    for (Course& course : courses_) {
        auto it = done.constFind(course.grade);
        if (it == done.constEnd())
            it = done.insert(course.grade, convert(course.grade));
        course.result = *it;
    }
}

void CourseList::scalesChanged() {
    loadChosenScales();
    convertAll();
}

CourseAddResult CourseList::add(const QString& gradeText, const QString& creditText) {
    if (loadChosenScales())
        convertAll();

    const QString grade = NormaliseGradeInput(gradeText, ConversionVariant::Batch, settings_);
    if (grade.isEmpty())
        return refuse(EmptyGradeText(), CourseBox::Grade);
    const GradeConversion result = convert(grade);
    switch (result.failure) {
    case ConversionFailure::None:
        break;
    case ConversionFailure::EmptyInput:
        return refuse(EmptyGradeText(), CourseBox::Grade);
    case ConversionFailure::NotANumber:
    case ConversionFailure::GradeNotFound:
        return refuse(
            ConversionFailureText(result.failure, otherScales_.Field(QStringLiteral("olcek_adi")).toString()),
            CourseBox::Grade);
    case ConversionFailure::Formula:
    case ConversionFailure::Rounding:
    case ConversionFailure::HomeGradeMissing:
        return refuse(ConversionFailureText(result.failure, QString()), CourseBox::None, true);
    case ConversionFailure::ScaleDeleted:
        return refuse(ScaleDeletedText(), CourseBox::None);
    }

    if (creditText.trimmed().isEmpty())
        return refuse(EmptyCreditText(), CourseBox::Credit);
    const auto credit = ReadCredit(creditText, settings_);
    if (!credit || *credit <= 0)
        return refuse(CreditNotPositiveText(), CourseBox::Credit);
    if (*credit > MaxCredit)
        return refuse(CreditTooLargeText(), CourseBox::Credit);

    courses_.append(Course{result.gradeText, *credit, result});
    CourseAddResult added;
    added.added = true;
    return added;
}

void CourseList::remove(int row) {
    if (row >= 0 && row < courses_.size())
        courses_.removeAt(row);
}

void CourseList::clear() {
    courses_.clear();
}

CourseTotals CourseList::totals() const {
    CourseTotals totals;
    totals.listed = size();
    double weighted = 0;
    for (const Course& course : courses_) {
        if (!course.result.converted())
            continue;
        ++totals.counted;
        totals.credit += course.credit;
        weighted += course.result.homeLetterValue * course.credit;
    }
    if (totals.counted > 0)
        totals.average = weighted / totals.credit;
    return totals;
}

QString CourseList::markOf(const Course& course) {
    switch (course.result.failure) {
    case ConversionFailure::None:
        return {};
    case ConversionFailure::EmptyInput:
    case ConversionFailure::NotANumber:
    case ConversionFailure::GradeNotFound:
        return QStringLiteral("ÖLÇEKTE YOK");
    default:
        return QStringLiteral("DÖNÜŞTÜRÜLEMEDİ");
    }
}

QVariant CourseList::cell(int row, int column) const {
    if (row < 0 || row >= size())
        return {};
    const Course& course = courses_.at(row);
    const bool converted = course.result.converted();
    switch (column) {
    case ColumnDelete:
        return QStringLiteral("Sil");
    case ColumnLetter:
        return course.shownGrade();
    case ColumnNumeric:
        // A number shows in the standard format; anything else as it is.
        if (const auto number = ReadNumberText(course.shownGrade(), settings_))
            return *number;
        return course.shownGrade();
    case ColumnCredit:
        return course.credit;
    case ColumnHomeLetter:
        return converted ? QVariant(course.result.homeLetter) : QVariant(QStringLiteral("—"));
    case ColumnHomeValue:
        return converted ? QVariant(course.result.value) : QVariant(QStringLiteral("—"));
    case ColumnStatus:
        return converted ? course.result.homeStatus : markOf(course);
    default:
        return {};
    }
}

QString CourseList::countText(const CourseTotals& totals) const {
    QString text = QStringLiteral("Ders Sayısı: %1").arg(totals.counted);
    if (totals.listed > totals.counted)
        text += QStringLiteral(" (%1 ders hesaba katılmadı)").arg(totals.listed - totals.counted);
    return text;
}

QString CourseList::creditText(const CourseTotals& totals) const {
    return QStringLiteral("Toplam Kredi: ") + TwoDecimalText(totals.credit, settings_);
}

QString CourseList::averageText(const CourseTotals& totals) const {
    return QStringLiteral("Ağırlıklı Ortalama: ") +
           (totals.average ? TwoDecimalText(*totals.average, settings_) : QStringLiteral("—"));
}

} // namespace zendaro

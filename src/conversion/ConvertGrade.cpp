#include "ConvertGrade.h"

#include "Formula.h"
#include "NumberText.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/TurkishText.h"
#include "ui/MessageService.h"

namespace zendaro {

namespace {

// Runs one search on the search view.
void search(DataView& view, const SqlText& query) {
    view.SetRecordSource(query.text, query.values);
    view.Refresh();
}

void clearSearch(DataView& view) {
    view.SetRecordSource(QString());
    view.Refresh();
}

// Whether the chosen scale of that table is no longer stored: another user
// deleted it after it was chosen. Asked only when a search found nothing.
// The search view keeps the search that found nothing.
bool scaleGone(const QString& table, const DataView& scales) {
    DataView probe;
    probe.SetDatabaseName(scales.DatabaseName());
    search(probe, {QStringLiteral("SELECT id FROM %1 WHERE id = ?").arg(table),
                   {scales.Field(QStringLiteral("id")).toLongLong()}});
    return probe.RecordCount() == 0;
}

// Makes the first grade that meets the criterion current; when none does, the
// view stays where it was.
bool positionOn(DataView& view, const SqlText& criterion) {
    const int before = view.CurrentRow();
    if (view.RecordCount() > 0)
        view.MoveFirst();
    if (view.FindFirst(criterion.text, criterion.values))
        return true;
    if (before >= 0)
        view.SetCurrentRow(before);
    return false;
}

} // namespace

QString EmptyInputText() {
    return QStringLiteral("LÜTFEN DEĞİŞTİRİLECEK NOTU GİRİNİZ...");
}

QString NotANumberText() {
    return QStringLiteral("GİRDİĞİNİZ NOT SAYISAL BİR NOT DEĞİL...LÜTFEN GEÇERLİ BİR SAYISAL NOT GİRİNİZ...");
}

QString GradeNotFoundText(const QString& scaleName) {
    return QStringLiteral("Girmiş olduğunuz not ") + scaleName +
           QStringLiteral(" adlı not ölçeğinde bulunamadı...");
}

QString RoundingFailureText() {
    return QStringLiteral(
        "DORNELA SAYISAL NOTUNA YUVARLAMA İŞLEMİNDE HATA OLUŞTU. LÜTFEN TEKRAR DENEYİNİZ...");
}

QString HomeGradeMissingText() {
    return QStringLiteral(
        "DORNELA SAYISAL NOTU HARF NOTU İLE EŞLEŞTİRİLİRKEN HATA OLUŞTU. LÜTFEN TEKRAR DENEYİNİZ...");
}

QString ScaleDeletedText() {
    return QStringLiteral("Seçili not ölçeklerinden biri, seçildikten sonra başka bir kullanıcı tarafından "
                          "silinmiş; not dönüştürülemedi. Lütfen başka bir ölçek seçiniz.");
}

QColor PassColour() {
    return QColor(0, 128, 0);
}

QColor FailColour() {
    return QColor(255, 0, 0);
}

QString NormaliseGradeInput(const QString& input, ConversionVariant variant,
                            const RegionalSettings& settings) {
    QString text = input.trimmed();
    if (variant == ConversionVariant::Batch)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    else if (!settings.thousandsSeparator.isEmpty())
        text.replace(settings.thousandsSeparator, settings.decimalSeparator);
    return text;
}

GradeConversion ConvertGradeQuietly(const QString& input, ConversionVariant variant, ConversionViews& views,
                                    const RegionalSettings& settings) {
    GradeConversion result;
    auto failWith = [&result](ConversionFailure failure) {
        result.failure = failure;
        return result;
    };
    result.inputText = NormaliseGradeInput(input, variant, settings);
    if (result.inputText.isEmpty())
        return failWith(ConversionFailure::EmptyInput);

    // Both scales must be chosen; without them there is nothing to convert with.
    if (views.otherScales.CurrentRow() < 0 || views.homeScales.CurrentRow() < 0)
        return failWith(ConversionFailure::Formula);
    const qint64 otherId = views.otherScales.Field(QStringLiteral("id")).toLongLong();

    SqlText grade;
    const bool letterScale = EqualsIgnoringCaseTr(
        views.otherScales.Field(QStringLiteral("not_sistemi")).toString(), QStringLiteral("Harf Notu"));
    if (letterScale) {
        // A number typed for a letter scale names the letter grade of that value.
        if (variant == ConversionVariant::OneToOne) {
            if (const auto number = ReadNumberText(result.inputText, settings)) {
                search(views.search, queries::Q8(otherId, queries::C4(*number)));
                if (views.search.RecordCount() > 0) {
                    views.search.MoveFirst();
                    result.inputText = views.search.Field(QStringLiteral("harf_notu")).toString();
                }
                clearSearch(views.search);
            }
        }
        grade = queries::C5(result.inputText);
    } else {
        const auto number = ReadNumberText(result.inputText, settings);
        if (!number)
            return failWith(ConversionFailure::NotANumber);
        grade = queries::C5(ShortestNumberText(*number, settings));
    }

    search(views.search, queries::Q8(otherId, grade));
    if (views.search.RecordCount() == 0)
        return failWith(scaleGone(QStringLiteral("diger_olcek"), views.otherScales)
                            ? ConversionFailure::ScaleDeleted
                            : ConversionFailure::GradeNotFound);
    clearSearch(views.search);
    // The grade list must hold the grade the search found; a list that does
    // not (not refreshed for the chosen scale) must not convert another grade.
    if (!positionOn(views.otherGrades, grade))
        return failWith(ConversionFailure::GradeNotFound);
    const QString inputText = result.inputText;
    result = ConvertCurrentGradeQuietly(views);
    result.inputText = inputText;
    return result;
}

GradeConversion ConvertCurrentGradeQuietly(ConversionViews& views, HomeGradesFound* found) {
    GradeConversion result;
    auto failWith = [&result](ConversionFailure failure) {
        result.failure = failure;
        return result;
    };
    if (views.otherGrades.CurrentRow() < 0 || views.homeScales.CurrentRow() < 0)
        return failWith(ConversionFailure::GradeNotFound);
    result.gradeFound = true;
    result.gradeRow = views.otherGrades.CurrentRow();
    result.gradeText = views.otherGrades.Field(QStringLiteral("harf_notu")).toString();
    result.gradeValue = views.otherGrades.Field(QStringLiteral("sayisal_not")).toDouble();

    QString status;
    double step = -1;
    const auto computed = ComputeHomeValueQuietly(
        status, step, {views.otherScales, views.homeScales, views.otherGrades}, &result.figures);
    if (!computed)
        return failWith(ConversionFailure::Formula);
    const double value = ReduceToTwoDecimals(*computed);
    const double rounded = RoundToHalfStep(value);
    result.value = value;
    if (rounded == FormulaFailure)
        return failWith(ConversionFailure::Rounding);
    result.rounded = rounded;

    HomeGrade home;
    if (found && found->count(rounded) > 0) {
        home = found->at(rounded);
    } else {
        const qint64 homeId = views.homeScales.Field(QStringLiteral("id")).toLongLong();
        const SqlText criterion = queries::C3(rounded);
        search(views.search, queries::Q7(homeId, criterion));
        if (views.search.RecordCount() == 0)
            return failWith(scaleGone(QStringLiteral("dornela_olcek"), views.homeScales)
                                ? ConversionFailure::ScaleDeleted
                                : ConversionFailure::HomeGradeMissing);
        clearSearch(views.search);
        if (!positionOn(views.homeGrades, criterion))
            return failWith(ConversionFailure::HomeGradeMissing);
        home.letter = views.homeGrades.Field(QStringLiteral("harf_notu")).toString();
        home.value = views.homeGrades.Field(QStringLiteral("sayisal_not")).toDouble();
        home.status = views.homeGrades.Field(QStringLiteral("durum")).toString();
        if (found)
            found->emplace(rounded, home);
    }
    result.homeLetter = home.letter;
    result.homeLetterValue = home.value;
    result.homeStatus = home.status;
    result.passed = EqualsIgnoringCaseTr(result.homeStatus, QStringLiteral("Geçer"));
    return result;
}

QString ConversionFailureText(ConversionFailure failure, const QString& otherScaleName) {
    switch (failure) {
    case ConversionFailure::None:
        return {};
    case ConversionFailure::EmptyInput:
        return EmptyInputText();
    case ConversionFailure::NotANumber:
        return NotANumberText();
    case ConversionFailure::GradeNotFound:
        return GradeNotFoundText(otherScaleName);
    case ConversionFailure::Formula:
        return FormulaFailureText();
    case ConversionFailure::Rounding:
        return RoundingFailureText();
    case ConversionFailure::HomeGradeMissing:
        return HomeGradeMissingText();
    case ConversionFailure::ScaleDeleted:
        return ScaleDeletedText();
    }
    return {};
}

ConversionResult ConvertGrade(const QString& input, ConversionVariant variant, ConversionViews& views,
                              const RegionalSettings& settings, QWidget* owner) {
    return ReportConversion(ConvertGradeQuietly(input, variant, views, settings), views, settings, owner);
}

ConversionResult ReportConversion(const GradeConversion& quiet, ConversionViews& views,
                                  const RegionalSettings& settings, QWidget* owner) {
    ConversionResult result;
    result.inputText = quiet.inputText;
    result.value = quiet.value;
    result.rounded = quiet.rounded;
    switch (quiet.failure) {
    case ConversionFailure::None:
        break;
    case ConversionFailure::EmptyInput:
    case ConversionFailure::NotANumber:
    case ConversionFailure::GradeNotFound: {
        // Input messages in the program's own box; the input box gets the focus.
        const QString name = views.otherScales.CurrentRow() < 0
                                 ? QString()
                                 : views.otherScales.Field(QStringLiteral("olcek_adi")).toString();
        ShowMessage(ConversionFailureText(quiet.failure, name), StyleOk, IconStop, owner);
        result.outcome = ConversionResult::Outcome::FocusInput;
        return result;
    }
    case ConversionFailure::ScaleDeleted:
        ShowMessage(ScaleDeletedText(), StyleOk, IconStop, owner);
        result.outcome = ConversionResult::Outcome::Stopped;
        return result;
    case ConversionFailure::Formula:
    case ConversionFailure::Rounding:
    case ConversionFailure::HomeGradeMissing:
        // Failures after the search: the plain standard box, nothing else.
        ShowPlainMessage(ConversionFailureText(quiet.failure, QString()), owner);
        result.outcome = ConversionResult::Outcome::Stopped;
        return result;
    }

    result.homeLetter = quiet.homeLetter;
    result.passed = quiet.passed;
    result.colour = result.passed ? PassColour() : FailColour();
    result.numericCaption = QStringLiteral("Sayısal Not: ") + TwoDecimalText(quiet.value, settings);
    result.outcome = ConversionResult::Outcome::Converted;
    return result;
}

} // namespace zendaro

#include "HomeScaleModel.h"

#include "store/DataView.h"
#include "store/TurkishText.h"
#include "ui/MessageService.h"

namespace zendaro {

const QVector<LadderRung>& HomeLadder() {
    static const QVector<LadderRung> ladder{
        {"AA", 4.0, "AA - 4,00"}, {"BA", 3.5, "BA - 3,50"}, {"BB", 3.0, "BB - 3,00"},
        {"CB", 2.5, "CB - 2,50"}, {"CC", 2.0, "CC - 2,00"}, {"DC", 1.5, "DC - 1,50"},
        {"DD", 1.0, "DD - 1,00"}, {"FD", 0.5, "FD - 0,50"}, {"FF", 0.0, "FF - 0,00"},
    };
    return ladder;
}

QString LadderLetterOf(double value) {
    for (const LadderRung& rung : HomeLadder())
        if (rung.value == value)
            return rung.letter;
    return {};
}

QStringList EducationLevels() {
    return {QStringLiteral("Önlisans"), QStringLiteral("Lisans"), QStringLiteral("Yüksek Lisans"),
            QStringLiteral("Doktora")};
}

QStringList MaxFailChoices() {
    return {QStringLiteral("CC"), QStringLiteral("DC")};
}

double MaxFailValueAt(int position) {
    return 2.0 - 0.5 * position;
}

QString HomeStatus(const LadderRung& rung, double maxFailValue) {
    static const QString pass = QStringLiteral("GEÇER");
    static const QString fail = QStringLiteral("KALIR");
    if (rung.letter == "AA" || rung.letter == "BA")
        return pass;
    if (rung.letter == "FD" || rung.letter == "FF")
        return fail;
    return maxFailValue >= rung.value ? fail : pass;
}

HomeScaleValues HomeScaleRow(const QString& name, const QString& level, double maxFailValue) {
    HomeScaleValues row;
    row.olcekAdi = name;
    row.egitimDuzeyi = level;
    row.maxGN = 4;
    row.minGN = maxFailValue + 0.5;
    row.maxKN = maxFailValue;
    row.minKN = 0;
    return row;
}

QVector<HomeGradeValues> HomeGradeRows(double maxFailValue) {
    QVector<HomeGradeValues> rows;
    for (const LadderRung& rung : HomeLadder())
        rows.append({rung.letter, rung.value, HomeStatus(rung, maxFailValue)});
    return rows;
}

HomeSaveResult SaveHomeScaleForm(DataView& scales, DataView& grades, const QString& mode,
                                 const HomeScaleForm& form, QWidget* owner) {
    HomeSaveResult result;
    result.trimmedName = form.name.trimmed();

    auto refuse = [&](const char* text, HomeScaleField field) {
        ShowMessage(QString::fromUtf8(text), StyleOk, IconStop, owner);
        result.focus = field;
        return result;
    };
    if (result.trimmedName.isEmpty())
        return refuse("LÜTFEN BİR ÖLÇEK ADI GİRİNİZ...", HomeScaleField::Name);
    if (form.levelIndex < 0)
        return refuse("LÜTFEN EĞİTİM DÜZEYİNİ SEÇİNİZ...", HomeScaleField::Level);
    if (form.maxFailIndex < 0)
        return refuse("LÜTFEN MAKSİMUM KALIR NOTU SEÇİNİZ...", HomeScaleField::MaxFail);

    const bool changing = EqualsIgnoringCaseTr(mode, QStringLiteral("DUZENLE"));
    try {
        if (changing && !form.shown)
            throw StoreError(QStringLiteral("Değiştirilecek ölçek seçili değil."));
        result.id = SaveHomeScale(scales, grades, changing ? form.shown : std::nullopt,
                                  HomeScaleRow(result.trimmedName, form.levelText, form.maxFailValue),
                                  HomeGradeRows(form.maxFailValue));
        result.saved = true;
    } catch (const ScaleConflict& conflict) {
        ShowMessage(conflict.text(), StyleOk, IconStop, owner);
        result.conflict = true;
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, owner);
    }
    return result;
}

} // namespace zendaro

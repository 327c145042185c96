#include "ScaleStore.h"

#include "DataView.h"
#include "Queries.h"
#include "StoreError.h"
#include "StoreTransaction.h"

#include <QSignalBlocker>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

namespace zendaro {

namespace {

// What the views showed before a procedure, to show it again after a failure.
struct ViewState {
    QString gradeSource;
    QVariantList gradeValues;
    std::optional<qint64> currentScale;
};

ViewState remember(const DataView& scales, const DataView& grades) {
    ViewState state{grades.RecordSource(), grades.RecordSourceValues(), std::nullopt};
    if (scales.CurrentRow() >= 0 && !scales.IsPending())
        state.currentScale = scales.Field(QStringLiteral("id")).toLongLong();
    return state;
}

// After a failed procedure (its transaction already undone): both views show
// the file as it is. A failure of this refresh itself is not reported over the
// original failure.
void restore(DataView& scales, DataView& grades, const ViewState& state) {
    try {
        grades.SetRecordSource(state.gradeSource, state.gradeValues);
        grades.Refresh();
    } catch (const StoreError&) {
    }
    try {
        scales.Refresh();
        if (state.currentScale)
            scales.FindFirst(queries::C1(*state.currentScale));
    } catch (const StoreError&) {
    }
}

void requireSameFile(DataView& scales, DataView& grades) {
    if (scales.ConnectionName() != grades.ConnectionName())
        throw StoreError(QStringLiteral("Ölçek ve not görünümleri aynı veritabanı dosyasında değil."));
}

// Runs `body` in one transaction with the views' signals held; on success the
// views are refreshed with signals on, on failure restored as described above.
qint64 runProcedure(DataView& scales, DataView& grades, const std::function<qint64()>& body,
                    const std::function<void(qint64)>& afterwards) {
    requireSameFile(scales, grades);
    const ViewState before = remember(scales, grades);
    // A procedure that cannot begin (the file is held by another program, for
    // one) has changed nothing, neither the file nor the views: it reports at
    // once, without reading the held file again for each view.
    auto transaction = std::make_unique<StoreTransaction>(scales);
    qint64 id = 0;
    try {
        const QSignalBlocker holdScales(scales);
        const QSignalBlocker holdGrades(grades);
        id = body();
        transaction->commit();
    } catch (const StoreError&) {
        transaction.reset(); // undone before the views read the file again
        restore(scales, grades, before);
        throw;
    }
    transaction.reset();
    afterwards(id);
    return id;
}

// The current scale of `scales` must be the one its editor showed.
void requireShown(const DataView& scales, const ShownScale& shown, const QString& noneText) {
    if (scales.CurrentRow() < 0)
        throw StoreError(noneText);
    if (scales.Field(QStringLiteral("id")).toLongLong() != shown.id())
        throw StoreError(QStringLiteral("Seçili ölçek, ekranda gösterilen ölçek değil."));
}

// The scale row: a new one, or the current one (as shown) opened for change.
// Returns the id.
qint64 storeScaleRow(DataView& scales, const std::optional<ShownScale>& changing,
                     const std::function<void()>& writeFields) {
    if (changing) {
        requireShown(scales, *changing, QStringLiteral("Değiştirilecek ölçek seçili değil."));
        ClaimShownScale(scales, *changing, ScaleWrite::Save);
        scales.Edit();
    } else {
        scales.AddNew();
    }
    writeFields();
    const qint64 id = scales.Update();
    scales.Refresh();
    return id;
}

} // namespace

void DeleteAllRows(DataView& view) {
    StoreTransaction transaction(view);
    view.DeleteAll();
    transaction.commit();
}

int SaveHomeScale(DataView& scales, DataView& grades, const std::optional<ShownScale>& changing,
                  const HomeScaleValues& scale, const QVector<HomeGradeValues>& ladder) {
    const bool changeCurrent = changing.has_value();
    const auto body = [&]() -> qint64 {
        const qint64 id = storeScaleRow(scales, changing, [&] {
            scales.SetField(QStringLiteral("olcek_adi"), scale.olcekAdi);
            scales.SetField(QStringLiteral("egitim_duzeyi"), scale.egitimDuzeyi);
            scales.SetField(QStringLiteral("max_GN"), scale.maxGN);
            scales.SetField(QStringLiteral("min_GN"), scale.minGN);
            scales.SetField(QStringLiteral("max_KN"), scale.maxKN);
            scales.SetField(QStringLiteral("min_KN"), scale.minKN);
        });
        grades.SetRecordSource(queries::Q2(id));
        grades.Refresh();
        // A changed scale: its rows are overwritten in id order; a new scale
        // (or a changed one short of rows) gets new rows.
        grades.MoveFirst();
        for (const HomeGradeValues& grade : ladder) {
            if (changeCurrent && grades.CurrentRow() >= 0)
                grades.Edit();
            else
                grades.AddNew();
            grades.SetField(QStringLiteral("olcek_id"), id);
            grades.SetField(QStringLiteral("harf_notu"), grade.harfNotu);
            grades.SetField(QStringLiteral("sayisal_not"), grade.sayisalNot);
            grades.SetField(QStringLiteral("durum"), grade.durum);
            grades.Update();
            if (grades.CurrentRow() >= 0)
                grades.MoveNext();
        }
        // Rows beyond the ladder (never made by this program) go.
        while (changeCurrent && grades.CurrentRow() >= 0) {
            grades.Delete();
            grades.MoveNext();
        }
        return id;
    };
    const auto afterwards = [&](qint64 id) {
        grades.Refresh();
        scales.Refresh();
        scales.FindFirst(queries::C1(id));
    };
    return static_cast<int>(runProcedure(scales, grades, body, afterwards));
}

int SaveOtherScale(DataView& scales, DataView& grades, const std::optional<ShownScale>& changing,
                   const OtherScaleValues& scale, const QVector<OtherGradeValues>& list) {
    const auto body = [&]() -> qint64 {
        const qint64 id = storeScaleRow(scales, changing, [&] {
            scales.SetField(QStringLiteral("olcek_adi"), scale.olcekAdi);
            scales.SetField(QStringLiteral("not_sistemi"), scale.notSistemi);
            scales.SetField(QStringLiteral("Max_GN"), scale.maxGN);
            scales.SetField(QStringLiteral("Min_GN"), scale.minGN);
            scales.SetField(QStringLiteral("Max_KN"), scale.maxKN);
            scales.SetField(QStringLiteral("Min_KN"), scale.minKN);
            scales.SetField(QStringLiteral("Gecer_Not_Sayisi"), scale.gecerNotSayisi);
            scales.SetField(QStringLiteral("Kalir_Not_Sayisi"), scale.kalirNotSayisi);
        });
        // The scale's old grades go, then every grade is added in list
        // order: the view then holds exactly what its query returns.
        grades.SetRecordSource(queries::Q4(id));
        grades.RefreshAndDeleteAll();
        QVector<QVariantList> rows;
        rows.reserve(list.size());
        // Values of the kinds the store gives back (whole numbers as 64-bit).
        for (const OtherGradeValues& grade : list)
            rows.append({id, grade.harfNotu, grade.sayisalNot, grade.durum, qint64{grade.adimNo}});
        grades.AddRows({QStringLiteral("olcek_id"), QStringLiteral("harf_notu"),
                        QStringLiteral("sayisal_not"), QStringLiteral("durum"), QStringLiteral("adim_no")},
                       rows);
        return id;
    };
    const auto afterwards = [&](qint64 id) {
        grades.AcceptHeldRows(); // the grades just stored, not read again
        scales.Refresh();
        scales.FindFirst(queries::C1(id));
    };
    return static_cast<int>(runProcedure(scales, grades, body, afterwards));
}

void DeleteCurrentScale(DataView& scales, DataView& grades, const ShownScale& shown) {
    const auto body = [&]() -> qint64 {
        requireShown(scales, shown, QStringLiteral("Silinecek ölçek seçili değil."));
        ClaimShownScale(scales, shown, ScaleWrite::Delete);
        const qint64 id = shown.id();
        // The grade view shows the file as it is inside the transaction, and
        // must hold this scale's grades: deleting another scale's grades
        // would lose them.
        grades.Refresh();
        for (int row = 0; row < grades.RecordCount(); ++row) {
            if (grades.Rows().at(row).value(QStringLiteral("olcek_id")).toLongLong() != id)
                throw StoreError(QStringLiteral("Not görünümü silinecek ölçeğin notlarını göstermiyor."));
        }
        DeleteAllRows(grades);
        scales.Delete();
        return id;
    };
    const auto afterwards = [&](qint64) {
        scales.Refresh();
        grades.Refresh();
    };
    runProcedure(scales, grades, body, afterwards);
}

} // namespace zendaro

#pragma once

#include "ScaleRevision.h"

#include <QString>
#include <QVector>
#include <optional>

namespace zendaro {

class DataView;

// The rows of a home scale (dornela_olcek) and of one of its grades
// (dornela_notlar), as the home-scale editor computes them.
struct HomeScaleValues {
    QString olcekAdi;
    QString egitimDuzeyi;
    int maxGN = 4;
    double minGN = 2.5;
    double maxKN = 2.0;
    int minKN = 0;
};

struct HomeGradeValues {
    QString harfNotu;
    double sayisalNot = 0;
    QString durum;
};

// The rows of an other scale (diger_olcek) and of one of its grades
// (diger_notlar), as the other-scale editor computes them.
struct OtherScaleValues {
    QString olcekAdi;
    QString notSistemi;
    double maxGN = 0;
    double minGN = 0;
    double maxKN = 0;
    double minKN = 0;
    int gecerNotSayisi = 0;
    int kalirNotSayisi = 0;
};

struct OtherGradeValues {
    QString harfNotu;
    double sayisalNot = 0;
    QString durum;
    int adimNo = 0;
};

// The store's save and delete procedures. `scales` is the editor's scale view
// (Q1 or Q3) and `grades` its grade view (Q2 or Q4) on the same file.
//
// Each runs as one transaction: all of it lands or none of it. On failure the
// transaction is undone, both views are refreshed to show the file as it is
// (the grade view with its former query, the scale that was current current
// again) and the StoreError is rethrown. The views' signals are held while a
// procedure runs; the final Refresh announces the result once.

// Saves a home scale: a new scale row (`changing` empty) or the current row
// of `scales` changed in place (`changing`: that scale as its editor showed
// it; refused with ScaleConflict when another user changed or deleted it
// since), then its grades in ladder order. A changed scale keeps its grade rows and their ids, overwritten in
// id order (a missing row is added, a surplus one removed). Afterwards the grade view holds the scale's
// grades (Q2) and the saved scale is current in `scales`. Returns the scale's id.
int SaveHomeScale(DataView& scales, DataView& grades, const std::optional<ShownScale>& changing,
                  const HomeScaleValues& scale, const QVector<HomeGradeValues>& ladder);

// Saves an other scale: the scale row as above, then its old grade rows
// deleted and the given grades added in list order, so a changed scale gets
// entirely new grade ids. Afterwards the grade view holds the scale's grades
// (Q4) and the saved scale is current. Returns the scale's id.
int SaveOtherScale(DataView& scales, DataView& grades, const std::optional<ShownScale>& changing,
                   const OtherScaleValues& scale, const QVector<OtherGradeValues>& list);

// Deletes every row of a view (one transaction).
void DeleteAllRows(DataView& view);

// Deletes the current scale of `scales`, `shown` as its editor showed it:
// first every row of `grades`, which must hold that scale's grades (its
// olcek_id), then the scale row; then both views are refreshed. Throws
// ScaleConflict when another user changed or deleted the scale since it was
// shown, StoreError when there is no current scale, when it is not the one
// shown or when the grade view holds grades of another scale (nothing is
// deleted).
void DeleteCurrentScale(DataView& scales, DataView& grades, const ShownScale& shown);

} // namespace zendaro

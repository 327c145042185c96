#pragma once

#include "store/ScaleStore.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class QWidget;

namespace zendaro {

class DataView;

// One rung of the fixed home ladder, AA 4.0 down to FF 0.0 in steps of 0.5.
struct LadderRung {
    QString letter;
    double value;
    QString label; // "AA - 4,00": a fixed text with a comma, whatever the regional settings
};

// The nine rungs, best first.
const QVector<LadderRung>& HomeLadder();

// The ladder letter of a value ("CC" for 2.0), or empty when no rung has it.
QString LadderLetterOf(double value);

// The education levels, in list order.
QStringList EducationLevels();

// The highest-fail-grade list: "CC" (position 0) and "DC" (position 1).
QStringList MaxFailChoices();

// The highest fail value of a position of the highest-fail-grade list.
double MaxFailValueAt(int position);

// "GEÇER" or "KALIR" for a rung: AA and BA always pass, FD and FF always fail,
// the others fail when the highest fail value is at least their value.
QString HomeStatus(const LadderRung& rung, double maxFailValue);

// The scale row and the nine grade rows a home scale is stored with.
HomeScaleValues HomeScaleRow(const QString& name, const QString& level, double maxFailValue);
QVector<HomeGradeValues> HomeGradeRows(double maxFailValue);

// What the editor's boxes hold when "KAYDET" is pressed.
struct HomeScaleForm {
    QString name;        // the name box as typed
    int levelIndex = -1; // -1: nothing chosen
    QString levelText;
    int maxFailIndex = -1;     // -1: nothing chosen
    double maxFailValue = 2.0; // the value of the chosen entry
    // The scale being changed as the editor showed it (mode "DUZENLE").
    std::optional<ShownScale> shown;
};

enum class HomeScaleField { None, Name, Level, MaxFail };

struct HomeSaveResult {
    bool saved = false;
    QString trimmedName;                         // what the name box holds afterwards
    HomeScaleField focus = HomeScaleField::None; // where the focus goes after a refusal
    int id = -1;
    // Refused because another user changed or deleted the scale meanwhile:
    // the views show the store as it now is.
    bool conflict = false;
};

// The save: trims the name, runs the three checks in order (only the first
// failing one is reported), then stores the scale and its nine grades in one
// transaction: a changed scale ("DUZENLE", compared ignoring case; the form's
// shown scale) keeps its grade ids. A store failure or a conflict is shown
// with its text and nothing is stored. Messages go through the message
// service with `owner`.
HomeSaveResult SaveHomeScaleForm(DataView& scales, DataView& grades, const QString& mode,
                                 const HomeScaleForm& form, QWidget* owner);

} // namespace zendaro

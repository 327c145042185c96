#include "OtherScaleEntry.h"

#include "BoxRules.h"
#include "EqualInterval.h"
#include "NumericKeyFilter.h"
#include "OtherScaleTexts.h"
#include "WorkingGradeGrid.h"
#include "conversion/NumberText.h"
#include "store/TurkishText.h"
#include "ui/DataGrid.h"
#include "ui/MessageService.h"
#include "ui/TypingLimit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace zendaro {

using namespace otherscale;

namespace {

constexpr int BoxLength = 50;
constexpr int NameLength = 40;

} // namespace

OtherScaleEntry::OtherScaleEntry(const OtherScaleControls& controls, RegionalSettings settings,
                                 QObject* parent)
    : QObject(parent), c_(controls), settings_(std::move(settings)) {
    Q_ASSERT(c_.complete());
    setUpControls();
    installRules();
}

void OtherScaleEntry::setUpControls() {
    // The limits bind typing and pasting; the program's own texts are shown whole.
    LimitTyping(c_.name, NameLength);
    c_.name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QLineEdit* box :
         {c_.maxFail, c_.maxGrade, c_.minGrade, c_.interval, c_.entryValue, c_.entryLetter}) {
        LimitTyping(box, BoxLength);
        box->setAlignment(Qt::AlignCenter);
    }
    {
        const QSignalBlocker blockSystem(c_.gradingSystem);
        const QSignalBlocker blockDistribution(c_.distribution);
        for (QComboBox* list : {c_.gradingSystem, c_.distribution}) {
            list->clear();
            list->setEditable(false);
        }
        c_.gradingSystem->addItems(GradingSystems());
        c_.distribution->addItems(Distributions());
        c_.gradingSystem->setCurrentIndex(-1);
        c_.distribution->setCurrentIndex(-1);
    }
    c_.minGrade->setText(zeroText());
    c_.entryValueLabel->setText(NumericValueCaption());

    BindWorkingGradeGrid(c_.grid, &list_, settings_.numbers());
    c_.grid->hide();
    c_.distributionFrame->hide();
    c_.equalIntervalFrame->hide();
    c_.entryFrame->hide();
}

void OtherScaleEntry::installRules() {
    QComboBox* system = c_.gradingSystem;
    const auto wanted = [system] {
        return system->currentIndex() < 1;
    };
    new NumericKeyFilter(c_.maxFail, settings_, {MaxFailKeyMessage(), wanted, {}});
    new NumericKeyFilter(c_.maxGrade, settings_, {MaxGradeKeyMessage(), wanted, {}});
    new NumericKeyFilter(c_.minGrade, settings_, {MinGradeKeyMessage(), wanted, {}});
    new NumericKeyFilter(c_.interval, settings_, {QString(), {}, {}});
    new NumericKeyFilter(c_.entryValue, settings_, {EntryValueKeyMessage(), wanted, [this] {
                                                        AddGradeToScale();
                                                    }});

    for (QLineEdit* box : {c_.maxFail, c_.maxGrade, c_.minGrade, c_.interval, c_.entryValue}) {
        new FormatOnLeave(box, settings_);
        connect(box, &QLineEdit::textChanged, this, [this, box] { numericTextChanged(box); });
    }
    for (QLineEdit* box :
         {c_.maxFail, c_.maxGrade, c_.minGrade, c_.interval, c_.entryValue, c_.name, c_.entryLetter})
        new SelectOnEntry(box);
    c_.entryLetter->installEventFilter(this);

    connect(c_.gradingSystem, &QComboBox::currentIndexChanged, this, [this] { GradingSystemChosen(); });
    connect(c_.distribution, &QComboBox::currentIndexChanged, this, [this] { DistributionChosen(); });
    connect(c_.grid, &DataGrid::buttonPressed, this, [this](int row, int column) {
        if (column == RemoveColumn)
            RemoveGradeRow(row);
    });
}

// The change rule of the five numeric boxes.
void OtherScaleEntry::numericTextChanged(QLineEdit* box) {
    if (box == c_.maxFail && box->isModified())
        storedMaxFail_.reset(); // the user changed the max fail grade
    const std::optional<double> value = ApplyChangeRule(box, settings_, box == c_.minGrade);
    if (value && box == c_.maxFail)
        RemarkStatuses();
}

std::optional<double> OtherScaleEntry::numberIn(const QLineEdit* box) const {
    return ReadNumberText(box->text(), settings_);
}

std::optional<double> OtherScaleEntry::maxFailGrade() const {
    return storedMaxFail_ ? storedMaxFail_ : numberIn(c_.maxFail);
}

QString OtherScaleEntry::zeroText() const {
    return ZeroText(settings_);
}

QWidget* OtherScaleEntry::owner() const {
    return c_.name->window();
}

bool OtherScaleEntry::letterSystem() const {
    return c_.gradingSystem->currentIndex() == LetterSystem;
}

bool OtherScaleEntry::refuse(const QString& text, QLineEdit* focus) {
    ShowMessage(text, StyleOk, IconStop, owner());
    if (focus)
        focus->setFocus();
    return false;
}

void OtherScaleEntry::inform(const QString& text, QLineEdit* focus) {
    ShowMessage(text, StyleOk, IconInfo, owner());
    focus->setFocus();
}

bool OtherScaleEntry::CheckScaleParameters() {
    const std::optional<double> maxFail = maxFailGrade();
    if (!maxFail)
        return refuse(MaxFailMissing(), c_.maxFail);
    if (c_.distribution->currentIndex() != EqualInterval)
        return true;

    const std::optional<double> highest = numberIn(c_.maxGrade);
    if (!highest)
        return refuse(MaxGradeMissing(), c_.maxGrade);
    const std::optional<double> interval = numberIn(c_.interval);
    if (!interval)
        return refuse(IntervalMissing(), c_.interval);
    if (*interval == 0)
        return refuse(IntervalZero(), c_.interval);
    // Only pasted text can make it negative; generation needs a positive one.
    if (*interval < 0)
        return refuse(IntervalNegative(), c_.interval);
    // The highest and the lowest grade meet the max fail grade by the one rule
    // of the status: the same grade at 15 significant digits is equal.
    if (SameGradeValue(*maxFail, *highest))
        return refuse(MaxGradeEqualsMaxFail(), c_.maxGrade);
    if (*maxFail > *highest)
        return refuse(MaxGradeBelowMaxFail(), c_.maxGrade);
    // The change rule keeps a number in the lowest-grade box; zero is what it falls back to.
    const double lowest = numberIn(c_.minGrade).value_or(0);
    if (!FailsUnder(lowest, *maxFail))
        return refuse(MinGradeAboveMaxFail(), c_.minGrade);
    const double passRange = *highest - *maxFail;
    if (passRange < *interval)
        return refuse(IntervalTooWide(), c_.maxGrade);
    return true;
}

void OtherScaleEntry::GenerateEqualIntervalScale() {
    // Only "Eşit Aralık" generates; without a distribution there are no three values to use.
    if (c_.distribution->currentIndex() != EqualInterval)
        return;
    if (!CheckScaleParameters())
        return;
    if (!letterSystem()) {
        generateNumericScale();
        return;
    }
    c_.entryFrame->show();
    c_.entryValue->setText(c_.maxGrade->text());
    c_.entryLetter->setFocus();
    guided_ = numberIn(c_.maxGrade).value_or(0);
}

void OtherScaleEntry::generateNumericScale() {
    const double highest = numberIn(c_.maxGrade).value_or(0);
    const double lowest = numberIn(c_.minGrade).value_or(0);
    const double interval = numberIn(c_.interval).value_or(0);
    const double maxFail = maxFailGrade().value_or(0);
    const std::optional<int> steps = EqualIntervalSteps(highest, lowest, interval);
    if (!steps) {
        refuse(TooManyGrades(), c_.interval);
        return;
    }
    QVector<WorkingGrade> rows;
    rows.reserve(*steps + 1);
    for (const double value : EqualIntervalValues(highest, interval, *steps))
        rows.append({QString(), value, GradeStatus(value, maxFail), -1});
    list_.setRows(std::move(rows));
    showGrades(0);
    QCoreApplication::processEvents();
}

void OtherScaleEntry::AdvanceGuidedValue() {
    const std::optional<double> interval = numberIn(c_.interval);
    if (!interval || *interval <= 0) {
        // Without a positive interval no further value can be proposed.
        c_.entryValue->clear();
        return;
    }
    guided_ -= *interval;
    if (guided_ >= 0)
        c_.entryValue->setText(TwoDecimalText(guided_, settings_));
    else
        c_.entryValue->clear();
}

void OtherScaleEntry::AddGradeToScale() {
    if (!CheckScaleParameters())
        return;
    const bool letters = letterSystem();
    const std::optional<double> value = numberIn(c_.entryValue);
    if (!letters) {
        if (!value)
            return inform(GradeMissing(), c_.entryValue);
    } else {
        if (c_.entryLetter->text().trimmed().isEmpty())
            return inform(LetterMissing(), c_.entryLetter);
        if (!value && !c_.entryValue->isEnabled())
            return inform(GuidedEntryOver(), c_.entryLetter);
        if (!value)
            return inform(LetterValueMissing(), c_.entryValue);
    }
    const QString letter = c_.entryLetter->text().trimmed();
    c_.entryLetter->setText(letter);

    if (!list_.isEmpty()) {
        if (const int row = list_.findValue(*value); row >= 0) {
            c_.grid->setCurrentRowNumber(row);
            refuse(DuplicateValue(), c_.entryValue->isEnabled() ? c_.entryValue : c_.entryLetter);
            return;
        }
        if (letters) {
            if (const int row = list_.findLetter(letter); row >= 0) {
                c_.grid->setCurrentRowNumber(row);
                refuse(DuplicateLetter(), c_.entryLetter);
                return;
            }
        }
    }

    // A numeric scale's grades carry no letter: the store keeps the value's
    // text in its place, which is what the conversion searches for.
    const double maxFail = maxFailGrade().value_or(0);
    const int row =
        list_.insertByValue({letters ? letter : QString(), *value, GradeStatus(*value, maxFail), -1});
    showGrades(row);

    c_.entryLetter->clear();
    if (c_.distribution->currentIndex() != EqualInterval)
        c_.entryValue->clear();
    else
        AdvanceGuidedValue();
    (letters ? c_.entryLetter : c_.entryValue)->setFocus();
}

void OtherScaleEntry::RemoveGradeRow(int row) {
    if (row < 0 || row >= list_.size())
        return;
    list_.removeRow(row);
    if (list_.isEmpty()) {
        c_.grid->reRead();
        c_.grid->hide();
        return;
    }
    refreshGrid(row);
}

void OtherScaleEntry::GradingSystemChosen() {
    c_.entryFrame->hide();
    const int system = c_.gradingSystem->currentIndex();
    if (system < 0) {
        c_.distributionFrame->hide();
        return;
    }
    c_.distributionFrame->setVisible(EqualsIgnoringCaseTr(mode_, AddMode()));
    clearGrades();
    DistributionChosen();
    const bool letters = system == LetterSystem;
    c_.entryLetter->setVisible(letters);
    c_.entryLetterLabel->setVisible(letters);
    if (letters)
        c_.entryLetter->clear();
    c_.entryValueLabel->setText(letters ? NumericValueCaption() : NumericGradeCaption());
    c_.grid->setColumnShown(LetterColumn, letters);
}

void OtherScaleEntry::DistributionChosen() {
    const int distribution = c_.distribution->currentIndex();
    if (distribution == EqualInterval) {
        c_.equalIntervalFrame->setHidden(c_.distributionFrame->isHidden());
        c_.entryFrame->hide();
        c_.entryLetter->clear();
        c_.entryValue->clear();
        c_.entryValue->setEnabled(false);
    } else if (distribution == VariableInterval) {
        c_.equalIntervalFrame->hide();
        if (!mode_.isEmpty())
            c_.entryFrame->show();
        c_.entryValue->setEnabled(true);
    }
}

void OtherScaleEntry::RemarkStatuses() {
    const std::optional<double> maxFail = maxFailGrade();
    if (!maxFail || list_.isEmpty())
        return;
    list_.remark(*maxFail);
    refreshGrid(c_.grid->currentRowNumber());
}

void OtherScaleEntry::showGrades(int currentRow) {
    c_.grid->show();
    refreshGrid(currentRow);
}

void OtherScaleEntry::clearGrades() {
    if (!list_.isEmpty()) {
        list_.clear();
        c_.grid->reRead();
        c_.grid->redraw();
    }
    c_.grid->hide();
}

void OtherScaleEntry::refreshGrid(int currentRow) {
    c_.grid->reRead();
    if (!list_.isEmpty())
        c_.grid->setCurrentRowNumber(qBound(0, currentRow, list_.size() - 1));
    c_.grid->redraw();
}

// Enter in the letter entry box; every other key is typed as usual.
bool OtherScaleEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched != c_.entryLetter || event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    letterEnter();
    return true;
}

void OtherScaleEntry::letterEnter() {
    if (c_.entryLetter->text().trimmed().isEmpty())
        return;
    if (c_.entryValue->text().isEmpty() && c_.entryValue->isEnabled())
        c_.entryValue->setFocus();
    else
        AddGradeToScale();
}

} // namespace zendaro

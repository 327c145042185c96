#include "OtherScaleEditor.h"

#include "LibraryWindow.h"
#include "OtherScaleEntry.h"
#include "OtherScaleExchange.h"
#include "OtherScaleSave.h"
#include "OtherScaleTexts.h"
#include "conversion/NumberText.h"
#include "store/Queries.h"
#include "store/StoreError.h"
#include "ui/DataGrid.h"
#include "ui/MessageService.h"
#include "ui/PictureBttn.h"
#include "ui/TypingLimit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>

namespace zendaro {

using namespace otherscale;

OtherScaleEditor::OtherScaleEditor(const QString& databasePath, RegionalSettings settings,
                                   Navigator& navigator, QWidget* parent)
    : WorkingForm(QStringLiteral("FRMDIGEROLCEK"), QStringLiteral("DİĞER ÜNİVERSİTELERİN NOT ÖLÇEKLERİ"),
                  navigator, QStringLiteral("#DG"), parent),
      settings_(std::move(settings)) {
    scales_.setObjectName(QStringLiteral("Data_diger_olcek"));
    grades_.setObjectName(QStringLiteral("Data_diger_notlar"));
    scales_.SetDatabaseName(databasePath);
    grades_.SetDatabaseName(databasePath);

    ui_ = BuildOtherScaleLayout(this, &scales_, &grades_, settings_.numbers());
    c_ = OtherScaleControls::find(this);
    entry_ = new OtherScaleEntry(c_, settings_, this);
    SizeWorkingListColumns(c_.grid);
    wire();
    load();
}

OtherScaleEditor::~OtherScaleEditor() = default;

QString OtherScaleEditor::mode() const {
    return entry_->mode();
}

void OtherScaleEditor::wire() {
    connect(ui_.scaleList, &DataGrid::currentRowChanged, this, [this] {
        if (state_ == State::Browsing)
            ShowSelectedScale();
    });
    connect(ui_.addScale, &PictureBttn::LClick, this, &OtherScaleEditor::startAdding);
    connect(ui_.editScale, &PictureBttn::LClick, this, &OtherScaleEditor::startEditing);
    connect(ui_.deleteScale, &PictureBttn::LClick, this, &OtherScaleEditor::deleteScale);
    connect(ui_.cancel, &PictureBttn::LClick, this, &OtherScaleEditor::cancel);
    connect(ui_.save, &PictureBttn::LClick, this, &OtherScaleEditor::SaveScale);
    connect(ui_.generate, &PictureBttn::LClick, entry_, &OtherScaleEntry::GenerateEqualIntervalScale);
    connect(ui_.addGrade, &PictureBttn::LClick, entry_, &OtherScaleEntry::AddGradeToScale);
    connect(ui_.toFile, &PictureBttn::LClick, this, [this] { ExportOtherScales(scales_, this); });
    connect(ui_.fromFile, &PictureBttn::LClick, this, &OtherScaleEditor::importScales);
    connect(ui_.library, &PictureBttn::LClick, this, &OtherScaleEditor::openLibrary);
}

void OtherScaleEditor::showEvent(QShowEvent* event) {
    WorkingForm::showEvent(event);
    BlendFramedButtons(this);
}

void OtherScaleEditor::load() {
    applyState(State::Browsing);
    try {
        scales_.SetRecordSource(queries::Q3());
        scales_.Refresh();
    } catch (const StoreError& error) {
        failAndReturnToMenu(error.text());
        return;
    }
    ShowSelectedScale();
}

// The control table of the three states. The frames of the add state follow
// the lists as the user chooses them (OtherScaleEntry); they start hidden.
void OtherScaleEditor::applyState(State state) {
    state_ = state;
    const bool browsing = state == State::Browsing;
    ui_.scaleList->setEnabled(browsing);
    ui_.gradeView->setVisible(browsing);
    ui_.parameters->setEnabled(!browsing);
    c_.gradingSystem->setEnabled(state != State::Editing);
    c_.distributionFrame->hide();
    c_.equalIntervalFrame->hide();
    c_.entryFrame->setVisible(state == State::Editing);
    c_.grid->setVisible(state == State::Editing);
    ui_.browseButtons->setVisible(browsing);
    ui_.editButtons->setVisible(!browsing);
    backButton()->setVisible(browsing);
    for (PictureBttn* button : {ui_.library, ui_.fromFile, ui_.toFile})
        button->setVisible(browsing);
}

void OtherScaleEditor::clearScaleBoxes() {
    c_.name->clear();
    c_.maxFail->clear();
    c_.gradingSystem->setCurrentIndex(-1);
}

void OtherScaleEditor::ShowSelectedScale() {
    shown_.reset();
    if (scales_.RecordCount() == 0 || scales_.CurrentRow() < 0)
        return;
    try {
        shown_ = ReadShownScale(scales_);
        c_.name->setText(scales_.Field(QStringLiteral("olcek_adi")).toString());
        c_.name->setCursorPosition(0); // the name from its start
        const int system =
            c_.gradingSystem->findText(scales_.Field(QStringLiteral("not_sistemi")).toString());
        // The grading-system effects run also when the system stays the same.
        if (c_.gradingSystem->currentIndex() == system)
            entry_->GradingSystemChosen();
        else
            c_.gradingSystem->setCurrentIndex(system);
        c_.maxFail->setText(TwoDecimalText(scales_.Field(QStringLiteral("Max_KN")).toDouble(), settings_));
        ui_.gradeView->setColumnShown(0, system == LetterSystem);
        grades_.SetRecordSource(queries::Q4(scales_.Field(QStringLiteral("id")).toLongLong()));
        grades_.Refresh();
    } catch (const ScaleConflict& gone) {
        ShowMessage(gone.text(), StyleOk, IconStop, this);
        showListAsStored();
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
    }
}

void OtherScaleEditor::showListAsStored() {
    try {
        scales_.Refresh();
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
        return;
    }
    clearScaleBoxes();
    ui_.scaleList->redraw();
    ShowSelectedScale();
}

void OtherScaleEditor::startAdding() {
    entry_->setMode(AddMode());
    applyState(State::Adding);
    for (QLineEdit* box : {c_.name, c_.maxFail, c_.maxGrade, c_.interval, c_.entryLetter, c_.entryValue})
        box->clear();
    c_.minGrade->setText(entry_->zeroText());
    c_.gradingSystem->setCurrentIndex(-1);
    c_.distribution->setCurrentIndex(-1);
    c_.distributionFrame->hide();
    c_.equalIntervalFrame->hide();
    c_.entryFrame->hide();
    c_.name->setFocus();
}

void OtherScaleEditor::startEditing() {
    if (scales_.RecordCount() == 0 || scales_.CurrentRow() < 0)
        return;
    // The grades are read afresh for the scale being edited: its save replaces them.
    double storedMaxFail = 0;
    try {
        storedMaxFail = scales_.Field(QStringLiteral("Max_KN")).toDouble();
        grades_.SetRecordSource(queries::Q4(scales_.Field(QStringLiteral("id")).toLongLong()));
        grades_.Refresh();
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
        return;
    }
    entry_->setMode(EditMode());
    entry_->keepStoredMaxFail(storedMaxFail);
    // An edit changes the list by hand only: no distribution, no guided value,
    // the numeric entry box open for typing.
    c_.distribution->setCurrentIndex(-1);
    c_.entryLetter->clear();
    c_.entryValue->clear();
    c_.entryValue->setEnabled(true);

    entry_->clearGrades();
    entry_->grades().setRows(WorkingGradesOf(grades_, c_.gradingSystem->currentIndex() == LetterSystem));
    applyState(State::Editing);
    entry_->showGrades(0);
    c_.name->setFocus();
}

void OtherScaleEditor::deleteScale() {
    if (scales_.RecordCount() == 0 || scales_.CurrentRow() < 0)
        return;
    try {
        const QString name = scales_.Field(QStringLiteral("olcek_adi")).toString();
        if (ShowMessage(DeleteQuestion(name), StyleYesNo, IconStop, this) == ResultHayir)
            return;
        if (!shown_)
            throw StoreError(QStringLiteral("Silinecek ölçek seçili değil."));
        ui_.gradeView->hide();
        DeleteCurrentScale(scales_, grades_, *shown_);
    } catch (const StoreError& error) {
        // The store has undone the deletion; the list shows the file as it is.
        ShowMessage(error.text(), StyleOk, IconStop, this);
    }
    clearScaleBoxes();
    ui_.scaleList->redraw();
    ui_.gradeView->show();
    ShowSelectedScale();
}

void OtherScaleEditor::importScales() {
    ImportOtherScales(scales_, grades_, settings_, this);
    ui_.scaleList->redraw();
    ShowSelectedScale();
}

void OtherScaleEditor::openLibrary() {
    std::optional<QVector<library::OtherScale>> scales = ReadScaleLibrary(scales_.DatabaseName(), this);
    if (!scales)
        return;
    auto* window = new LibraryWindow(std::move(*scales), scales_, grades_, settings_, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QDialog::accepted, this, [this] {
        ui_.scaleList->redraw();
        ShowSelectedScale();
    });
    window->open();
}

void OtherScaleEditor::cancel() {
    backToBrowsing();
}

void OtherScaleEditor::backToBrowsing() {
    entry_->setMode(QString());
    clearScaleBoxes();
    applyState(State::Browsing);
    entry_->clearGrades();
    ui_.scaleList->redraw();
    ui_.gradeView->redraw();
    ShowSelectedScale();
}

void OtherScaleEditor::SaveScale() {
    c_.name->setText(c_.name->text().trimmed());
    OtherScaleForm form;
    form.mode = entry_->mode();
    form.name = c_.name->text();
    form.systemIndex = c_.gradingSystem->currentIndex();
    form.systemText = c_.gradingSystem->currentText();
    form.maxFail = entry_->maxFailGrade();
    form.maxFailAsStored = entry_->maxFailAsStored();
    form.shown = shown_;

    const OtherSaveResult result =
        SaveOtherScaleForm(scales_, grades_, form, entry_->grades(), settings_, this, [this] {
            rereadWorkingList();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    c_.name->setText(result.trimmedName);
    switch (result.focus) {
    case OtherScaleField::Name:
        c_.name->setFocus();
        break;
    case OtherScaleField::GradingSystem:
        c_.gradingSystem->setFocus();
        break;
    case OtherScaleField::MaxFail:
        c_.maxFail->setFocus();
        break;
    case OtherScaleField::None:
        break;
    }
    if (result.conflict) {
        backToBrowsing(); // the store as it now is: the changed scale, or the list without it
        return;
    }
    if (!result.saved) {
        // The statuses and step numbers the save gave the list are shown.
        rereadWorkingList();
        return;
    }
    backToBrowsing();
}

void OtherScaleEditor::rereadWorkingList() {
    if (!entry_->grades().isEmpty())
        entry_->showGrades(c_.grid->currentRowNumber());
}

} // namespace zendaro

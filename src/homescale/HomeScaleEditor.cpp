#include "HomeScaleEditor.h"

#include "homescale/HomeScaleExchange.h"
#include "homescale/HomeScaleModel.h"
#include "resources/Pictures.h"
#include "store/Queries.h"
#include "ui/BoxCaption.h"
#include "ui/DataGrid.h"
#include "ui/Fonts.h"
#include "ui/KeyboardAccess.h"
#include "ui/MessageService.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"
#include "ui/TypingLimit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>

namespace zendaro {

namespace {

QFrame* buttonFrame(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(twipsRect(6120, 2160, 5895, 615));
    return frame;
}

} // namespace

HomeScaleEditor::HomeScaleEditor(const QString& databasePath, const NumberFormat& numbers,
                                 Navigator& navigator, QWidget* parent)
    : WorkingForm(QStringLiteral("FRMDORNELAOLCEK"), QStringLiteral("DORNELA ÜNİVERSİTESİ NOT ÖLÇEKLERİ"),
                  navigator, QStringLiteral("#HV"), parent) {
    scales_.setObjectName(QStringLiteral("Data_dornela_olcek"));
    grades_.setObjectName(QStringLiteral("Data_dornela_notlar"));
    scales_.SetDatabaseName(databasePath);
    grades_.SetDatabaseName(databasePath);

    buildGrids(numbers);
    buildEditPanel();
    buildButtons();
    // The list column, the edit column, then the bottom row.
    SetReadingOrder(this, {QStringLiteral("DG_DORNELA_OLCEKLER"), QStringLiteral("DG_DORNELA_NOTLAR"),
                           QStringLiteral("BTN_OLCEK_DUZENLE"), QStringLiteral("BTN_OLCEK_SIL"),
                           QStringLiteral("BTN_OLCEK_EKLE"), QStringLiteral("BTN_OLCEK_VAZGEC"),
                           QStringLiteral("BTN_OLCEK_KAYDET"), QStringLiteral("TXT_OLCEK_ADI"),
                           QStringLiteral("CMB_EGITIM_DUZEYI"), QStringLiteral("CMB_MAX_KN"),
                           QStringLiteral("BTN_HELP"), QStringLiteral("BTN_ICE_AKTAR"),
                           QStringLiteral("BTN_DISA_AKTAR"), QStringLiteral("BTN_BACK")});
    ChooseByTypedLetters(this);
    load();
}

void HomeScaleEditor::buildGrids(const NumberFormat& numbers) {
    scaleList_ = new DataGrid(QStringLiteral("DG_DORNELA_OLCEKLER"), this);
    scaleList_->setGeometry(twipsRect(240, 2160, 5715, 2460));
    scaleList_->bindView(&scales_,
                         {{QStringLiteral("Ölçek Adı"), QStringLiteral("olcek_adi"), false},
                          {QStringLiteral("Eğitim Düzeyi"), QStringLiteral("egitim_duzeyi"), false},
                          {QStringLiteral("Max GN"), QStringLiteral("max_GN"), true},
                          {QStringLiteral("Min GN"), QStringLiteral("min_GN"), true},
                          {QStringLiteral("Max KN"), QStringLiteral("max_KN"), true},
                          {QStringLiteral("Min KN"), QStringLiteral("min_KN"), true}},
                         numbers);
    scaleList_->setFont(msSansSerif825());
    scaleList_->setAccessibleName(QStringLiteral("Dornela Üniversitesi not ölçekleri"));
    scaleList_->setHeaderLines(2);
    scaleList_->horizontalHeader()->setStretchLastSection(false);
    scaleList_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    scaleList_->setColumnWidth(1, 84);
    for (int column = 2; column < 6; ++column)
        scaleList_->setColumnWidth(column, 44);
    connect(scaleList_, &DataGrid::currentRowChanged, this, &HomeScaleEditor::showCurrentScale);

    gradeList_ = new DataGrid(QStringLiteral("DG_DORNELA_NOTLAR"), this);
    gradeList_->setGeometry(twipsRect(240, 4740, 5715, 3240));
    gradeList_->bindView(&grades_,
                         {{QStringLiteral("Harf Notu"), QStringLiteral("harf_notu"), false},
                          {QStringLiteral("Sayısal Not"), QStringLiteral("sayisal_not"), true},
                          {QStringLiteral("Başarı Durumu"), QStringLiteral("durum"), false}},
                         numbers);
    gradeList_->setFont(msSansSerif825());
    gradeList_->setAccessibleName(QStringLiteral("Ölçeğin notları"));
    gradeList_->setRowMarker(false);
    gradeList_->setEnabled(false); // for display only
}

void HomeScaleEditor::buildEditPanel() {
    editPanel_ = new QGroupBox(this);
    editPanel_->setObjectName(QStringLiteral("CER_OLCEK_DUZENLEME"));
    editPanel_->setGeometry(twipsRect(6120, 2880, 5895, 5100));

    QLabel* nameCaption =
        BoxCaption(editPanel_, QStringLiteral("Ölçek Adı :"), twipsRect(60, 300, 1620, 315));
    name_ = new QLineEdit(editPanel_);
    nameCaption->setBuddy(name_);
    name_->setObjectName(QStringLiteral("TXT_OLCEK_ADI"));
    name_->setGeometry(twipsRect(1800, 300, 3900, 345));
    LimitTyping(name_, 40); // a stored name is shown whole

    QLabel* levelCaption =
        BoxCaption(editPanel_, QStringLiteral("Eğitim Düzeyi :"), twipsRect(60, 840, 1620, 315));
    level_ = new QComboBox(editPanel_);
    levelCaption->setBuddy(level_);
    level_->setObjectName(QStringLiteral("CMB_EGITIM_DUZEYI"));
    level_->setGeometry(twipsRect(1800, 840, 2400, 345));
    level_->addItems(EducationLevels());

    QLabel* maxFailCaption =
        BoxCaption(editPanel_, QStringLiteral("Max. Kalır Not :"), twipsRect(60, 1380, 1620, 315));
    maxFail_ = new QComboBox(editPanel_);
    maxFailCaption->setBuddy(maxFail_);
    maxFail_->setObjectName(QStringLiteral("CMB_MAX_KN"));
    maxFail_->setGeometry(twipsRect(1800, 1380, 1200, 345));
    for (int position = 0; position < MaxFailChoices().size(); ++position)
        maxFail_->addItem(MaxFailChoices().at(position), MaxFailValueAt(position));
    connect(maxFail_, &QComboBox::currentIndexChanged, this, &HomeScaleEditor::colourLadder);

    // The fixed ladder, three rungs a row, coloured by the status the chosen
    // highest fail grade gives each letter.
    auto* ladder = new QGroupBox(QStringLiteral("HARF NOTLARI"), editPanel_);
    ladder->setGeometry(twipsRect(240, 2040, 5415, 1620));
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(10);
    mono.setBold(true);
    for (int i = 0; i < HomeLadder().size(); ++i) {
        auto* label = new QLabel(HomeLadder().at(i).label, ladder);
        label->setObjectName(QStringLiteral("LBL_LADDER_%1").arg(HomeLadder().at(i).letter));
        label->setFont(mono);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(twipsRect(240 + (i % 3) * 1680, 360 + (i / 3) * 360, 1560, 300));
        ladderLabels_.append(label);
    }
    auto* legend = new QLabel(QStringLiteral("Yeşil: geçer not   Kırmızı: kalır not"), editPanel_);
    legend->setGeometry(twipsRect(240, 3780, 5415, 300));
    legend->setAlignment(Qt::AlignCenter);
    legend->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));
}

void HomeScaleEditor::buildButtons() {
    browseButtons_ = buttonFrame(this, "CER_BUTONLAR_EKLE_SIL_DUZENLE");
    connect(MakePictureButton(browseButtons_, "BTN_OLCEK_DUZENLE", "Ölçeği Düzenle", "Ölçeği Düzenle",
                              pictures::EditEditNormal, pictures::EditEditLight, 60, 150),
            &PictureBttn::LClick, this, &HomeScaleEditor::startChanging);
    connect(MakePictureButton(browseButtons_, "BTN_OLCEK_SIL", "Ölçeği Sil", "Ölçeği Sil",
                              pictures::EditDeleteNormal, pictures::EditDeleteLight, 2340, 150),
            &PictureBttn::LClick, this, &HomeScaleEditor::deleteScale);
    connect(MakePictureButton(browseButtons_, "BTN_OLCEK_EKLE", "Ölçek Ekle", "Ölçek Ekle",
                              pictures::EditAddNormal, pictures::EditAddLight, 4200, 150),
            &PictureBttn::LClick, this, &HomeScaleEditor::startAdding);

    editButtons_ = buttonFrame(this, "CER_BUTONLAR_IPTAL_KAYDET");
    connect(MakePictureButton(editButtons_, "BTN_OLCEK_VAZGEC", "İPTAL", "İptal", pictures::EditCancelNormal,
                              pictures::EditCancelLight, 2340, 150),
            &PictureBttn::LClick, this, &HomeScaleEditor::cancel);
    connect(MakePictureButton(editButtons_, "BTN_OLCEK_KAYDET", "KAYDET", "Ölçeği Kaydet",
                              pictures::EditSaveNormal, pictures::EditSaveLight, 4200, 150),
            &PictureBttn::LClick, this, &HomeScaleEditor::save);

    // The scale files, between the help button and "ANA MENÜ", level with their middle.
    importButton_ = MakePictureButton(this, "BTN_ICE_AKTAR", "İçe Aktar", "İçe Aktar",
                                      pictures::EditImportNormal, pictures::EditImportLight, 4620, 8280);
    connect(importButton_, &PictureBttn::LClick, this, [this] {
        ImportHomeScales(scales_, grades_, this);
        scaleList_->redraw();
        showCurrentScale();
    });
    exportButton_ = MakePictureButton(this, "BTN_DISA_AKTAR", "Dışa Aktar", "Dışa Aktar",
                                      pictures::EditExportNormal, pictures::EditExportLight, 6540, 8280);
    connect(exportButton_, &PictureBttn::LClick, this, [this] { ExportHomeScales(scales_, this); });
}

void HomeScaleEditor::load() {
    setState(State::Browsing);
    try {
        scales_.SetRecordSource(queries::Q1());
        scales_.Refresh();
        fillFromCurrentScale();
    } catch (const StoreError& error) {
        failAndReturnToMenu(error.text());
    }
}

void HomeScaleEditor::setState(State state) {
    state_ = state;
    const bool browsing = state == State::Browsing;
    editPanel_->setEnabled(!browsing);
    scaleList_->setEnabled(browsing);
    browseButtons_->setVisible(browsing);
    editButtons_->setVisible(!browsing);
    gradeList_->setVisible(state != State::Adding);
    backButton()->setVisible(browsing);
    importButton_->setVisible(browsing);
    exportButton_->setVisible(browsing);
}

void HomeScaleEditor::clearBoxes() {
    name_->clear();
    level_->setCurrentIndex(-1);
    maxFail_->setCurrentIndex(-1);
}

void HomeScaleEditor::showCurrentScale() {
    try {
        fillFromCurrentScale();
    } catch (const ScaleConflict& gone) {
        ShowMessage(gone.text(), StyleOk, IconStop, this);
        showListAsStored();
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
    }
}

void HomeScaleEditor::showListAsStored() {
    try {
        scales_.Refresh();
        fillFromCurrentScale();
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
    }
    scaleList_->redraw();
}

void HomeScaleEditor::fillFromCurrentScale() {
    // A value the highest-fail list does not offer (only possible if the file
    // was changed by other means) is shown as an extra entry with its letter.
    while (maxFail_->count() > MaxFailChoices().size())
        maxFail_->removeItem(maxFail_->count() - 1);
    shown_.reset();
    if (scales_.RecordCount() == 0 || scales_.CurrentRow() < 0) {
        clearBoxes();
        colourLadder();
        return;
    }
    shown_ = ReadShownScale(scales_);
    name_->setText(scales_.Field(QStringLiteral("olcek_adi")).toString());
    level_->setCurrentIndex(level_->findText(scales_.Field(QStringLiteral("egitim_duzeyi")).toString()));
    const double maxKN = scales_.Field(QStringLiteral("max_KN")).toDouble();
    int position = maxFail_->findData(maxKN);
    if (position < 0 && !LadderLetterOf(maxKN).isEmpty()) {
        maxFail_->addItem(LadderLetterOf(maxKN), maxKN);
        position = maxFail_->count() - 1;
    }
    maxFail_->setCurrentIndex(position);
    colourLadder();
    grades_.SetRecordSource(queries::Q2(scales_.Field(QStringLiteral("id")).toLongLong()));
    grades_.Refresh();
}

void HomeScaleEditor::colourLadder() {
    const QVariant value = maxFail_->currentData();
    for (int i = 0; i < ladderLabels_.size(); ++i) {
        QString colour = QStringLiteral("rgb(90, 90, 90)");
        if (value.isValid())
            colour = HomeStatus(HomeLadder().at(i), value.toDouble()) == QStringLiteral("GEÇER")
                         ? QStringLiteral("rgb(0, 128, 0)")
                         : QStringLiteral("rgb(200, 0, 0)");
        ladderLabels_.at(i)->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    }
}

void HomeScaleEditor::startAdding() {
    mode_ = QStringLiteral("EKLE");
    clearBoxes();
    setState(State::Adding);
    name_->setFocus();
}

void HomeScaleEditor::startChanging() {
    if (scales_.RecordCount() == 0)
        return;
    mode_ = QStringLiteral("DUZENLE");
    setState(State::Changing);
    name_->setFocus();
}

void HomeScaleEditor::deleteScale() {
    if (scales_.RecordCount() == 0 || scales_.CurrentRow() < 0)
        return;
    const QString question = scales_.Field(QStringLiteral("olcek_adi")).toString() +
                             QStringLiteral(" isimli ölçeği silmek istiyor musunuz?");
    if (ShowMessage(question, StyleYesNo, IconStop, this) == ResultHayir)
        return;
    try {
        if (!shown_)
            throw StoreError(QStringLiteral("Silinecek ölçek seçili değil."));
        DeleteCurrentScale(scales_, grades_, *shown_);
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
    }
    clearBoxes();
    scaleList_->redraw();
    showCurrentScale();
}

void HomeScaleEditor::save() {
    // The trimmed name is in the box before any check message shows.
    name_->setText(name_->text().trimmed());
    HomeScaleForm form;
    form.name = name_->text();
    form.levelIndex = level_->currentIndex();
    form.levelText = level_->currentText();
    form.maxFailIndex = maxFail_->currentIndex();
    form.maxFailValue = maxFail_->currentData().toDouble();
    form.shown = shown_;

    const HomeSaveResult result = SaveHomeScaleForm(scales_, grades_, mode_, form, this);
    if (result.conflict) {
        // The store as it now is: the changed scale, or the list without it.
        setState(State::Browsing);
        scaleList_->redraw();
        showCurrentScale();
        return;
    }
    name_->setText(result.trimmedName);
    switch (result.focus) {
    case HomeScaleField::Name:
        name_->setFocus();
        break;
    case HomeScaleField::Level:
        level_->setFocus();
        break;
    case HomeScaleField::MaxFail:
        maxFail_->setFocus();
        break;
    case HomeScaleField::None:
        break;
    }
    if (!result.saved)
        return;
    setState(State::Browsing);
    scaleList_->redraw();
    gradeList_->redraw();
    showCurrentScale();
}

void HomeScaleEditor::cancel() {
    setState(State::Browsing);
    showCurrentScale();
}

} // namespace zendaro

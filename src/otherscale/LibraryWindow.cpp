#include "LibraryWindow.h"

#include "OtherScaleExchange.h"
#include "library/LibrarySearch.h"
#include "resources/Pictures.h"
#include "store/DataView.h"
#include "store/StoreAddress.h"
#include "ui/BoxCaption.h"
#include "ui/DataGrid.h"
#include "ui/Fonts.h"
#include "ui/MessageService.h"
#include "ui/PictureBttn.h"
#include "ui/ScaleFileDialogs.h"
#include "ui/Twips.h"
#include "ui/WorkingForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

namespace zendaro {

namespace {

// One paragraph of the description, stacked under the one before it.
QLabel* detail(QGroupBox* parent, const char* name, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    parent->layout()->addWidget(label);
    QFont font = msSansSerif825();
    font.setBold(bold);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* box(QWidget* parent, const char* name, QRect place) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(msSansSerif825());
    box->setGeometry(place);
    return box;
}

} // namespace

std::optional<QVector<library::OtherScale>> ReadScaleLibrary(const QString& databasePath, QWidget* owner) {
    // Beside the database file; a server's clerks each have it beside the program.
    const QString folder = StoreAddress::Parse(databasePath).engine == StoreEngine::SQLite
                               ? QFileInfo(databasePath).absolutePath()
                               : QCoreApplication::applicationDirPath();
    const QString path = QDir(folder).filePath(QStringLiteral("KUTUPHANE.zolcek"));
    library::ReadResult read = library::ReadScaleFile(path);
    if (!read.ok()) {
        ShowMessage(read.error, StyleOk, IconStop, owner);
        return std::nullopt;
    }
    return read.file->otherScales;
}

LibraryWindow::LibraryWindow(QVector<library::OtherScale> scales, DataView& editorScales,
                             DataView& editorGrades, RegionalSettings settings, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), scales_(std::move(scales)),
      editorScales_(editorScales), editorGrades_(editorGrades), settings_(std::move(settings)),
      background_(pictures::LoadPicture(pictures::BackgroundWindow, QSize(twips(12405), twips(9285)))) {
    setObjectName(QStringLiteral("FRMKUTUPHANE"));
    setWindowTitle(QStringLiteral("ZENDARO"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(twips(12405), twips(9285));

    auto* heading = new QLabel(QStringLiteral("NOT ÖLÇEKLERİ KÜTÜPHANESİ"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setGeometry(twipsRect(180, 1440, 12015, 615));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(legacyFont(QStringLiteral("Arial"), 18, true));
    heading->setStyleSheet(QStringLiteral("color: rgb(3, 133, 209);"));

    // Left: the search box and the list.
    BoxCaption(this, QStringLiteral("Ara :"), twipsRect(240, 2190, 600, 315));
    query_ = box(this, "TXT_ARA", twipsRect(900, 2190, 5055, 315));
    query_->setPlaceholderText(QStringLiteral("ülke, ölçek adı ya da not sistemi"));
    query_->setToolTip(QStringLiteral("Ülke, ölçek adı ya da not sistemiyle ara"));
    list_ = new DataGrid(QStringLiteral("DG_KUTUPHANE"), this);
    list_->setFont(msSansSerif825());
    list_->setGeometry(twipsRect(240, 2640, 5715, 5160));
    list_->bindTable([this] { return static_cast<int>(listed_.size()); },
                     [this](int row, int column) -> QVariant {
                         const library::OtherScale& scale = scales_.at(listed_.at(row));
                         switch (column) {
                         case 0:
                             return scale.country;
                         case 1:
                             return scale.name;
                         default:
                             return scale.system;
                         }
                     },
                     {{QStringLiteral("Ülke"), {}, false},
                      {QStringLiteral("Ölçek Adı"), {}, false},
                      {QStringLiteral("Not Sistemi"), {}, false}},
                     settings_.numbers());
    list_->setColumnWidth(0, twips(1560));
    list_->setColumnWidth(1, twips(2520));
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Right: what the chosen scale is, and the name it is added under.
    auto* about = new QGroupBox(this);
    about->setObjectName(QStringLiteral("CER_OLCEK_BILGISI"));
    about->setGeometry(twipsRect(6120, 2160, 5895, 4320));
    auto* paragraphs = new QVBoxLayout(about);
    paragraphs->setContentsMargins(twips(120), twips(120), twips(120), twips(120));
    paragraphs->setSpacing(twips(150));
    country_ = detail(about, "LBL_ULKE", true);
    grades_ = detail(about, "LBL_NOTLAR");
    source_ = detail(about, "LBL_KAYNAK");
    note_ = detail(about, "LBL_ACIKLAMA");
    paragraphs->addStretch();

    BoxCaption(this, QStringLiteral("Ölçek Adı :"), twipsRect(6120, 6660, 1140, 315));
    name_ = box(this, "TXT_OLCEK_ADI", twipsRect(7320, 6660, 4695, 315));
    name_->setMaxLength(library::MaxNameLength);

    add_ = MakePictureButton(this, "BTN_OLCEK_EKLE", "Ölçeği Ekle", "Seçili ölçeği ekle",
                             pictures::EditAddNormal, pictures::EditAddLight, 7320, 7200);
    close_ = MakePictureButton(this, "BTN_KAPAT", "Kapat", "Kütüphaneyi kapat", pictures::EditCancelNormal,
                               pictures::EditCancelLight, 10320, 7200);

    query_->setAccessibleName(QStringLiteral("Ara"));
    list_->setAccessibleName(QStringLiteral("Kütüphanedeki ölçekler"));
    name_->setAccessibleName(QStringLiteral("Ölçek Adı"));
    setTabOrder(query_, list_);
    setTabOrder(list_, name_);
    connect(query_, &QLineEdit::textChanged, this, &LibraryWindow::search);
    connect(list_, &DataGrid::currentRowChanged, this, &LibraryWindow::showChosen);
    connect(add_, &PictureBttn::LClick, this, &LibraryWindow::AddChosenScale);
    connect(close_, &PictureBttn::LClick, this, &QDialog::reject);
    connect(name_, &QLineEdit::returnPressed, this, &LibraryWindow::AddChosenScale);

    search();
    query_->setFocus();
}

const library::OtherScale* LibraryWindow::chosen() const {
    const int row = list_->currentRowNumber();
    if (row < 0 || row >= listed_.size())
        return nullptr;
    return &scales_.at(listed_.at(row));
}

void LibraryWindow::search() {
    listed_ = library::FindScales(scales_, query_->text());
    list_->reRead();
    list_->redraw();
    list_->setCurrentRowNumber(listed_.isEmpty() ? -1 : 0);
    showChosen();
}

void LibraryWindow::showChosen() {
    const library::OtherScale* scale = chosen();
    add_->setEnabled(scale != nullptr);
    if (!scale) {
        for (QLabel* label : {country_, grades_, source_, note_})
            label->clear();
        name_->clear();
        return;
    }
    country_->setText(scale->country + QStringLiteral(" — ") + scale->system);
    grades_->setText(library::GradeSummary(*scale));
    source_->setText(QStringLiteral("Kaynak: ") + scale->source);
    note_->setText(QStringLiteral("Not: ") + scale->note);
    name_->setText(scale->name);
    name_->setCursorPosition(0);
}

void LibraryWindow::AddChosenScale() {
    const library::OtherScale* scale = chosen();
    if (!scale)
        return;
    const QString name = name_->text().trimmed();
    name_->setText(name);
    if (name.isEmpty()) {
        ShowMessage(QStringLiteral("LÜTFEN BİR ÖLÇEK ADI GİRİNİZ..."), StyleOk, IconStop, this);
        name_->setFocus();
        return;
    }
    if (NameTaken(name, ScaleNames(editorScales_))) {
        ShowMessage(QStringLiteral("“%1” adlı bir ölçek zaten var.").arg(name) + QStringLiteral("\r\n\r\n") +
                        QStringLiteral("LÜTFEN BAŞKA BİR ÖLÇEK ADI GİRİNİZ..."),
                    StyleOk, IconStop, this);
        name_->setFocus();
        name_->selectAll();
        return;
    }
    const OtherSaveResult saved = AddOtherScale(editorScales_, editorGrades_, *scale, name, settings_, this);
    if (!saved.saved)
        return;
    addedId_ = saved.id;
    ShowMessage(QStringLiteral("“%1” ölçeği eklendi.").arg(name), StyleOk, IconInfo, this);
    accept();
}

void LibraryWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(rect(), background_);
}

void LibraryWindow::showEvent(QShowEvent* event) {
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    BlendPictureButtons(this, background_);
    QDialog::showEvent(event);
}

} // namespace zendaro

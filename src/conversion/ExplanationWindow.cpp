#include "ExplanationWindow.h"

#include "ConversionCurve.h"
#include "Explanation.h"
#include "NumberText.h"
#include "PairTable.h"
#include "ReportPathDialog.h"
#include "resources/Pictures.h"
#include "store/Queries.h"
#include "store/StoreError.h"
#include "ui/DataGrid.h"
#include "ui/Fonts.h"
#include "ui/KeyboardAccess.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"
#include "ui/WorkingForm.h"

#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

namespace zendaro {

namespace {

QLabel* caption(QWidget* parent, const char* name, const QString& text, QRect place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(legacyFont(QStringLiteral("Arial"), 9.75, true));
    label->setStyleSheet(QStringLiteral("color: rgb(3, 133, 209);"));
    return label;
}

} // namespace

ExplanationWindow::ExplanationWindow(const QString& databasePath, qint64 otherScaleId, qint64 homeScaleId,
                                     GradeConversion converted, RegionalSettings settings, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), converted_(std::move(converted)),
      settings_(std::move(settings)), views_{otherScales_, homeScales_, otherGrades_, homeGrades_, search_},
      background_(pictures::LoadPicture(pictures::BackgroundWindow, QSize(twips(12405), twips(9285)))) {
    setObjectName(QStringLiteral("FRMHESAP"));
    setWindowTitle(QStringLiteral("ZENDARO"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(twips(12405), twips(9285));
    for (DataView* view : {&otherScales_, &homeScales_, &otherGrades_, &homeGrades_, &search_})
        view->SetDatabaseName(databasePath);

    auto* heading = new QLabel(QStringLiteral("NOT DÖNÜŞÜMÜNÜN HESABI"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setGeometry(twipsRect(180, 1440, 12015, 615));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(legacyFont(QStringLiteral("Arial"), 18, true));
    heading->setStyleSheet(QStringLiteral("color: rgb(3, 133, 209);"));

    // The steps in words.
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("CER_ACIKLAMA"));
    frame->setGeometry(twipsRect(240, 2160, 11925, 1260));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(twips(120), twips(90), twips(120), twips(90));
    text_ = new QLabel(frame);
    text_->setObjectName(QStringLiteral("LBL_ACIKLAMA"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text_->setFont(legacyFont(QStringLiteral("Arial"), 9.75, false));
    // Reached by Tab, so a screen reader reads it; the text can be copied.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setFocusPolicy(Qt::StrongFocus);
    text_->setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted rgb(1, 157, 203); }"));
    text_->setAccessibleName(QStringLiteral("Hesaplamanın açıklaması"));
    layout->addWidget(text_);

    // The curve and the table of the pair.
    QLabel* curveCaption =
        caption(this, "Label2", QStringLiteral("DÖNÜŞÜM EĞRİSİ"), twipsRect(240, 3540, 6480, 255));
    curve_ = new ConversionCurve(settings_, this);
    curve_->setGeometry(twipsRect(240, 3840, 6480, 4080));
    curveCaption->setBuddy(curve_);
    QLabel* tableCaption =
        caption(this, "Label3", QStringLiteral("DÖNÜŞÜM TABLOSU"), twipsRect(6900, 3540, 5265, 255));
    table_ = new DataGrid(QStringLiteral("DG_DONUSUM_TABLOSU"), this);
    table_->setFont(msSansSerif825());
    table_->setGeometry(twipsRect(6900, 3840, 5265, 4080));
    table_->setAccessibleName(QStringLiteral("Dönüşüm tablosu"));
    tableCaption->setBuddy(table_);
    table_->bindTable([this] { return static_cast<int>(rows_.size()); },
                      [this](int row, int column) -> QVariant {
                          const GradeConversion& r = rows_.at(row);
                          switch (column) {
                          case 0:
                              return r.gradeText;
                          case 1:
                              return std::isnan(r.figures.placed)
                                         ? QString()
                                         : FigureText(r.figures.placed, settings_, nullptr, 2);
                          case 2:
                              return r.converted() ? TwoDecimalText(r.value, settings_) : QString();
                          case 3:
                              return r.homeLetter;
                          default:
                              return PairRowStatus(r);
                          }
                      },
                      {{QStringLiteral("Diğer Not"), {}, false},
                       {QStringLiteral("Yerleşen"), {}, false},
                       {QStringLiteral("Dornela"), {}, false},
                       {QStringLiteral("Harf"), {}, false},
                       {QStringLiteral("Durum"), {}, false}},
                      settings_.numbers());
    const int widths[] = {1140, 1020, 960, 660};
    for (int column = 0; column < 4; ++column)
        table_->setColumnWidth(column, twips(widths[column]));
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    export_ = MakePictureButton(this, "BTN_PDF_AKTAR", QStringLiteral("PDF'e Aktar"),
                                QStringLiteral("Dönüşüm tablosunu PDF olarak kaydet"),
                                pictures::EditExportNormal, pictures::EditExportLight, 7320, 8100);
    close_ = MakePictureButton(this, "BTN_KAPAT", QStringLiteral("Kapat"), QStringLiteral("Pencereyi kapat"),
                               pictures::EditCancelNormal, pictures::EditCancelLight, 10320, 8100);
    connect(export_, &PictureBttn::LClick, this, &ExplanationWindow::ExportTable);
    connect(close_, &PictureBttn::LClick, this, &QDialog::reject);
    SetReadingOrder(this, {QStringLiteral("LBL_ACIKLAMA"), QStringLiteral("DG_DONUSUM_TABLOSU"),
                           QStringLiteral("BTN_PDF_AKTAR"), QStringLiteral("BTN_KAPAT")});

    load(otherScaleId, homeScaleId);
}

void ExplanationWindow::load(qint64 otherScaleId, qint64 homeScaleId) {
    try {
        otherScales_.SetRecordSource(queries::Q5());
        otherScales_.Refresh();
        otherScales_.FindFirst(queries::C2(otherScaleId));
        homeScales_.SetRecordSource(queries::Q6());
        homeScales_.Refresh();
        homeScales_.FindFirst(queries::C2(homeScaleId));
        otherGrades_.SetRecordSource(queries::Q4(otherScaleId));
        otherGrades_.Refresh();
        homeGrades_.SetRecordSource(queries::Q2(homeScaleId));
        homeGrades_.Refresh();
        scales_ = ChosenScales(otherScales_, homeScales_);
        rows_ = ConvertEveryGrade(views_);
    } catch (const StoreError& error) {
        rows_.clear();
        text_->setText(error.text());
    }
    if (!rows_.isEmpty())
        text_->setText(ExplanationText(converted_, scales_, settings_));
    curve_->setRows(&rows_, converted_.gradeRow);
    curve_->setAccessibleDescription(text_->text());
    table_->reRead();
    table_->redraw();
    if (converted_.gradeRow >= 0 && converted_.gradeRow < rows_.size()) {
        table_->setCurrentRowNumber(converted_.gradeRow);
        table_->scrollTo(table_->model()->index(converted_.gradeRow, 0), QAbstractItemView::PositionAtCenter);
    }
    export_->setEnabled(!rows_.isEmpty());
}

void ExplanationWindow::ExportTable() {
    const QString path =
        AskReportPath(this, QDir::home().filePath(QStringLiteral("ZENDARO-Donusum-Tablosu-%1.pdf")
                                                      .arg(QDate::currentDate().toString(Qt::ISODate))));
    if (path.isEmpty())
        return; // cancelled
    const QString html = PairTableHtml(rows_, scales_, QDateTime::currentDateTime(), settings_);
    TellReportSaved(this, path,
                    WritePdfDocument(path, html, QStringLiteral("ZENDARO Not Ölçekleri Dönüşüm Tablosu")));
}

void ExplanationWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(rect(), background_);
}

void ExplanationWindow::showEvent(QShowEvent* event) {
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    BlendPictureButtons(this, background_);
    QDialog::showEvent(event);
}

} // namespace zendaro

#include "OtherScaleLayout.h"

#include "resources/Pictures.h"
#include "ui/DataGrid.h"
#include "ui/Fonts.h"
#include "ui/KeyboardAccess.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

namespace zendaro {

namespace {

constexpr int BoxHeight = 315;
constexpr int ListHeight = 345;
constexpr int LabelHeight = 300;

// Labels of the parameter area: Times New Roman 11.25 pt, right-aligned so the
// text ends just before the box it names, and standing on the box's text line.
// Where the text is wider than its place it may start a little further left
// (never over the control before it), and if it still does not fit its letters
// are set a little closer: no label is cut off.
QLabel* label(QWidget* parent, const QString& text, int left, int top, int width, int boxLeft,
              const char* name = nullptr) {
    constexpr int ReachLeft = 6; // pixels
    constexpr int GapToBox = 3;  // pixels
    auto* label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    QFont font = legacyFont(QStringLiteral("Times New Roman"), 11.25);
    const int start = qMax(2, twips(left) - ReachLeft);
    const int end = qMax(twips(left + width), twips(boxLeft) - GapToBox);
    const int needed = QFontMetrics(font).horizontalAdvance(text) + 1;
    if (needed > end - start)
        font.setLetterSpacing(QFont::PercentageSpacing, 100.0 * (end - start) / needed);
    label->setFont(font);
    label->setGeometry(start, twips(top), end - start, twips(LabelHeight));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

QLineEdit* box(QWidget* parent, const char* name, int left, int top, int width) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(msSansSerif825());
    box->setGeometry(twipsRect(left, top, width, BoxHeight));
    return box;
}

QComboBox* list(QWidget* parent, const char* name, int left, int top, int width) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFont(msSansSerif825());
    list->setGeometry(twipsRect(left, top, width, ListHeight));
    return list;
}

// A frame; without a title it draws only its border.
QGroupBox* frame(QWidget* parent, const char* name, const QString& title, QRect place) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFont(msSansSerif825());
    frame->setGeometry(place);
    return frame;
}

QFrame* buttonFrame(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(twipsRect(6120, 2160, 5895, 615));
    return frame;
}

void buildGrids(QWidget* window, OtherScaleLayout& ui, DataView* scales, DataView* grades,
                const NumberFormat& numbers) {
    ui.scaleList = new DataGrid(QStringLiteral("DG_DIGER_OLCEKLER"), window);
    ui.scaleList->setGeometry(twipsRect(240, 2400, 5715, 1950));
    ui.scaleList->setFont(msSansSerif825());
    ui.scaleList->setAccessibleName(QStringLiteral("Diğer üniversitelerin not ölçekleri"));
    ui.scaleList->bindView(scales,
                           {{QStringLiteral("Ölçek Adı"), QStringLiteral("olcek_adi"), false},
                            {QStringLiteral("Not Sistemi"), QStringLiteral("not_sistemi"), false},
                            {QStringLiteral("Max GN"), QStringLiteral("max_GN"), true},
                            {QStringLiteral("Min GN"), QStringLiteral("min_GN"), true},
                            {QStringLiteral("Max KN"), QStringLiteral("max_KN"), true},
                            {QStringLiteral("Min KN"), QStringLiteral("min_KN"), true}},
                           numbers);
    ui.scaleList->setHeaderLines(2);
    ui.scaleList->horizontalHeader()->setStretchLastSection(false);
    ui.scaleList->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui.scaleList->setColumnWidth(1, 72);
    for (int column = 2; column < 6; ++column)
        ui.scaleList->setColumnWidth(column, 48);
    ui.scaleList->setRowMarker(true);

    ui.gradeView = new DataGrid(QStringLiteral("DG_DIGER_NOTLAR"), window);
    ui.gradeView->setGeometry(twipsRect(240, 4740, 5715, 2745));
    ui.gradeView->setFont(msSansSerif825());
    ui.gradeView->setAccessibleName(QStringLiteral("Ölçeğin notları"));
    ui.gradeView->bindView(grades,
                           {{QStringLiteral("Harf Notu"), QStringLiteral("harf_notu"), false},
                            {QStringLiteral("Sayısal Not"), QStringLiteral("sayisal_not"), true},
                            {QStringLiteral("Başarı Durumu"), QStringLiteral("durum"), false}},
                           numbers);
    ui.gradeView->setRowMarker(false);
    ui.gradeView->setColumnWidth(0, 110);
    ui.gradeView->setColumnWidth(1, 110);

    // The working grade list lies on the grade view; its columns are set when
    // the list is bound to it.
    auto* working = new DataGrid(QStringLiteral("DG_ARRAY"), window);
    working->setGeometry(twipsRect(240, 4740, 5715, 2745));
    working->setFont(msSansSerif825());
    working->setAccessibleName(QStringLiteral("Ölçeğe girilen notlar"));
    working->hide();
}

void buildButtons(QWidget* window, OtherScaleLayout& ui) {
    ui.browseButtons = buttonFrame(window, "CER_BUTONLAR_EKLE_SIL_DUZENLE");
    ui.editScale =
        MakePictureButton(ui.browseButtons, "BTN_OLCEK_DUZENLE", "Ölçeği Düzenle", "Ölçeği Düzenle",
                          pictures::EditEditNormal, pictures::EditEditLight, 60, 240);
    ui.deleteScale = MakePictureButton(ui.browseButtons, "BTN_OLCEK_SIL", "Ölçeği Sil", "Ölçeği Sil",
                                       pictures::EditDeleteNormal, pictures::EditDeleteLight, 2340, 240);
    ui.addScale = MakePictureButton(ui.browseButtons, "BTN_OLCEK_EKLE", "Ölçek Ekle", "Ölçek Ekle",
                                    pictures::EditAddNormal, pictures::EditAddLight, 4200, 240);

    ui.editButtons = buttonFrame(window, "CER_BUTONLAR_IPTAL_KAYDET");
    ui.cancel = MakePictureButton(ui.editButtons, "BTN_OLCEK_VAZGEC", "İPTAL", "İptal",
                                  pictures::EditCancelNormal, pictures::EditCancelLight, 2340, 240);
    ui.save = MakePictureButton(ui.editButtons, "BTN_OLCEK_KAYDET", "KAYDET", "Ölçeği Kaydet",
                                pictures::EditSaveNormal, pictures::EditSaveLight, 4200, 240);
    ui.editButtons->hide();

    // The library and the scale files, between the help button and "ANA MENÜ",
    // level with their middle.
    ui.library = MakePictureButton(window, "BTN_KUTUPHANE", "Kütüphaneden Ekle", "Kütüphaneden Ekle",
                                   pictures::EditLibraryNormal, pictures::EditLibraryLight, 1740, 8280);
    ui.fromFile = MakePictureButton(window, "BTN_ICE_AKTAR", "İçe Aktar", "İçe Aktar",
                                    pictures::EditImportNormal, pictures::EditImportLight, 4620, 8280);
    ui.toFile = MakePictureButton(window, "BTN_DISA_AKTAR", "Dışa Aktar", "Dışa Aktar",
                                  pictures::EditExportNormal, pictures::EditExportLight, 6540, 8280);
}

// An opaque frame takes the colour the window's background picture has where it lies.
void fillLikeTheBackground(QWidget* window, QWidget* frame) {
    const QImage background = pictures::LoadPicture(pictures::BackgroundWindow, window->size()).toImage();
    if (background.isNull())
        return;
    const QPoint centre = frame->mapTo(window, frame->rect().center());
    const QPoint at(
        qBound(0, centre.x() * background.width() / qMax(1, window->width()), background.width() - 1),
        qBound(0, centre.y() * background.height() / qMax(1, window->height()), background.height() - 1));
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, background.pixelColor(at));
    frame->setPalette(palette);
}

void buildParameters(QWidget* window, OtherScaleLayout& ui) {
    QGroupBox* p = frame(window, "CER_OLCEK_DUZENLEME", {}, twipsRect(6120, 2880, 5895, 4575));
    ui.parameters = p;

    // Each label names the box or list it stands beside.
    label(p, QStringLiteral("Ölçek Adı :"), 90, 240, 1020, 1200)
        ->setBuddy(box(p, "TXT_OLCEK_ADI", 1200, 180, 1635));
    label(p, QStringLiteral("Not Sistemi :"), 3060, 240, 1155, 4260)
        ->setBuddy(list(p, "CMB_NOT_SISTEMI", 4260, 180, 1575));
    label(p, QStringLiteral("Max. Kalır Not :"), 0, 720, 1560, 1620)
        ->setBuddy(box(p, "TXT_MAX_KALIR_NOT", 1620, 660, 1215));

    QGroupBox* distribution = frame(p, "CER_MAX_KALIR_NOT", {}, twipsRect(2940, 540, 2895, 495));
    label(distribution, QStringLiteral("Not Dağılımı :"), 60, 180, 1215, 1320)
        ->setBuddy(list(distribution, "CMB_NOT_DAGILIMI", 1320, 120, 1575));

    QGroupBox* equal = frame(p, "CER_ESIT_ARALIKLI_DAGILIM", {}, twipsRect(60, 1020, 5775, 1695));
    label(equal, QStringLiteral("Max.Not :"), 60, 180, 900, 1020)
        ->setBuddy(box(equal, "TXT_MAX_NOT", 1020, 120, 795));
    label(equal, QStringLiteral("Min.Not :"), 1980, 180, 840, 2880)
        ->setBuddy(box(equal, "TXT_MIN_NOT", 2880, 120, 795));
    label(equal, QStringLiteral("Not Aralığı :"), 3840, 180, 1080, 4980)
        ->setBuddy(box(equal, "TXT_NOT_ARALIGI", 4980, 120, 795));
    ui.generate = MakePictureButton(equal, "BTN_OLCEK_OLUSTUR", "Ölçek Oluştur", "Ölçek Oluştur",
                                    pictures::EditCreateNormal, pictures::EditCreateLight, 2040, 1080);

    // Created after the equal-interval frame and painted over it: during the
    // guided letter entry both are shown, and this one must stay whole.
    QGroupBox* entry =
        frame(p, "CER_NOT_EKLE", QStringLiteral("ÖLÇEĞE NOT EKLEME"), twipsRect(60, 1800, 5775, 1755));
    entry->setAutoFillBackground(true);
    fillLikeTheBackground(window, entry);
    label(entry, QStringLiteral("Harf Notu :"), 1440, 360, 1080, 2580, "LBL_NOT_EKLEME_HARF_NOTU")
        ->setBuddy(box(entry, "TXT_NOT_EKLEME_HARF_NOTU", 2580, 300, 1395));
    label(entry, QStringLiteral("Sayısal Değer :"), 840, 780, 1680, 2580, "LBL_NOT_EKLEME_SAYISAL_NOT")
        ->setBuddy(box(entry, "TXT_NOT_EKLEME_SAYISAL_NOT", 2580, 720, 1395));
    ui.addGrade = MakePictureButton(entry, "BTN_OLCEGE_EKLE", "Ölçeğe Ekle", QString(),
                                    pictures::EditAddGradeNormal, pictures::EditAddGradeLight, 2460, 1140);
    entry->raise();

    distribution->hide();
    equal->hide();
    entry->hide();
    p->setEnabled(false);
}

// The list column, the button row, the parameter boxes in their order (each
// frame's button after its boxes), then the bottom row.
void setTabOrder(QWidget* window) {
    const char* order[] = {"DG_DIGER_OLCEKLER",
                           "DG_DIGER_NOTLAR",
                           "DG_ARRAY",
                           "BTN_OLCEK_DUZENLE",
                           "BTN_OLCEK_SIL",
                           "BTN_OLCEK_EKLE",
                           "BTN_OLCEK_VAZGEC",
                           "BTN_OLCEK_KAYDET",
                           "TXT_OLCEK_ADI",
                           "CMB_NOT_SISTEMI",
                           "TXT_MAX_KALIR_NOT",
                           "CMB_NOT_DAGILIMI",
                           "TXT_MAX_NOT",
                           "TXT_MIN_NOT",
                           "TXT_NOT_ARALIGI",
                           "BTN_OLCEK_OLUSTUR",
                           "TXT_NOT_EKLEME_HARF_NOTU",
                           "TXT_NOT_EKLEME_SAYISAL_NOT",
                           "BTN_OLCEGE_EKLE",
                           "BTN_HELP",
                           "BTN_KUTUPHANE",
                           "BTN_ICE_AKTAR",
                           "BTN_DISA_AKTAR",
                           "BTN_BACK"};
    QStringList names;
    for (const char* name : order)
        names.append(QString::fromLatin1(name));
    SetReadingOrder(window, names);
}

} // namespace

void BlendFramedButtons(QWidget* window) {
    for (PictureBttn* button : window->findChildren<PictureBttn*>()) {
        QList<QWidget*> frames;
        for (QWidget* w = button->parentWidget(); w && w != window; w = w->parentWidget())
            frames.prepend(w);
        QColor colour = toQColor(button->backColor());
        for (QWidget* frame : frames) {
            // The frame's own painting (border, tint, fill) over what lies beneath it.
            QImage patch(frame->size(), QImage::Format_ARGB32_Premultiplied);
            patch.fill(colour);
            const QWidget::RenderFlags flags =
                frame->autoFillBackground() ? QWidget::DrawWindowBackground : QWidget::RenderFlags();
            frame->render(&patch, QPoint(), QRegion(), flags);
            const QPoint at = button->mapTo(frame, button->rect().center());
            colour =
                patch.pixelColor(qBound(0, at.x(), patch.width() - 1), qBound(0, at.y(), patch.height() - 1));
        }
        button->setBackColor(fromQColor(colour));
    }
}

void SizeWorkingListColumns(DataGrid* grid) {
    grid->setColumnWidth(0, 72);  // "Notu Sil"
    grid->setColumnWidth(1, 90);  // letter
    grid->setColumnWidth(2, 100); // value; the status takes the rest
    grid->horizontalHeader()->setStretchLastSection(true);
}

OtherScaleLayout BuildOtherScaleLayout(QWidget* window, DataView* scales, DataView* grades,
                                       const NumberFormat& numbers) {
    OtherScaleLayout ui;
    buildGrids(window, ui, scales, grades, numbers);
    buildButtons(window, ui);
    buildParameters(window, ui);
    setTabOrder(window);
    ChooseByTypedLetters(window);
    return ui;
}

} // namespace zendaro

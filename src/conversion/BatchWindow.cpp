#include "BatchWindow.h"

#include "resources/Pictures.h"
#include "ui/DataGrid.h"
#include "ui/Fonts.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace zendaro {

namespace {
constexpr int LetterRest = 5520;  // the home letter behind the convert button
constexpr int LetterFinal = 8880; // where the home letter ends its slide
constexpr int Step = 240;         // twips per animation tick

// Course list columns.
constexpr int ColumnLetter = 1;
constexpr int ColumnNumeric = 2;
constexpr int ColumnCredit = 3;

QLabel* caption(QWidget* parent, const char* name, const QString& text, QRect place) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(legacyFont(QStringLiteral("Arial"), 9.75, true));
    l->setStyleSheet(QStringLiteral("color: rgb(3, 133, 209);"));
    l->lower(); // captions lie beneath the buttons
    return l;
}

QLineEdit* courseBox(QWidget* parent, const char* name, int maxLength, QRect place) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    box->setMaxLength(maxLength);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(msSansSerif825());
    return box;
}

bool isEnter(QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

BatchWindow::BatchWindow(const QString& databasePath, const RegionalSettings& regional, Navigator& navigator,
                         QWidget* parent)
    : ConversionForm(QStringLiteral("FRMCOGUL"), QStringLiteral("ÇOĞUL ZENDARO"), QString(), databasePath,
                     regional, navigator, parent) {
    // The single-grade box lies on the window below the grids, not in the panel.
    input()->setParent(this);
    input()->setGeometry(twipsRect(2160, 8280, 1155, 660));
    input()->show();

    buildCaptions();
    buildCourseArea();
    // The home letter stays visible at rest, behind the convert button.
    homeLetter()->move(twips(LetterRest), homeLetter()->y());
}

void BatchWindow::buildCaptions() {
    caption(panel(), "Label4", QStringLiteral("DİĞER ÜNİVERSİTE NOTLARI"), twipsRect(0, 180, 5475, 255));
    caption(panel(), "Label5", QStringLiteral("DORNELA ÜNİVERSİTESİ NOTU"), twipsRect(6600, 180, 5235, 255));
    // The course boxes' captions stand right-aligned beside their boxes, in
    // smaller type so that "Dersin Kredisi :" fits its place.
    for (QLabel* l : {caption(panel(), "LBL_NOT_EKLEME_HARF_NOTU", QStringLiteral("Dersin Notu :"),
                              twipsRect(360, 540, 1260, 255)),
                      caption(panel(), "LBL_NOT_EKLEME_SAYISAL_NOT", QStringLiteral("Dersin Kredisi :"),
                              twipsRect(240, 960, 1380, 255))}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFont(legacyFont(QStringLiteral("Arial"), 8.25, true));
    }
}

void BatchWindow::buildCourseArea() {
    courseGrade_ = courseBox(panel(), "TXT_DERSNOTU", 5, twipsRect(1680, 480, 795, 315));
    courseCredit_ = courseBox(panel(), "TXT_KREDI", 50, twipsRect(1680, 900, 795, 315));
    courseGrade_->installEventFilter(this);
    courseCredit_->installEventFilter(this);

    auto* add = new PictureBttn(panel());
    add->setObjectName(QStringLiteral("BTN_LISTEYE_EKLE"));
    add->setPictureNormal(pictures::LoadPicture(QString::fromLatin1(pictures::EditAddGradeNormal)));
    add->setPictureLight(pictures::LoadPicture(QString::fromLatin1(pictures::EditAddGradeLight)));
    add->setCaption(QStringLiteral("Listeye Ekle"));
    add->setToolTip(QStringLiteral("Listeye Ekle"));
    add->move(twips(840), twips(1320));
    connect(add, &PictureBttn::LClick, this, &BatchWindow::addToList);

    courseGrid_ = new DataGrid(QStringLiteral("DG_ARRAY"), panel());
    courseGrid_->setGeometry(twipsRect(2760, 480, 2415, 1185));
    courseGrid_->setFont(msSansSerif825());
    const QVector<GridColumn> columns{{QStringLiteral("Sil"), QString(), false},
                                      {QStringLiteral("Harf Notu"), QString(), false},
                                      {QStringLiteral("Sayısal Not"), QString(), true},
                                      {QStringLiteral("Kredi"), QString(), true}};
    courseGrid_->bindTable([this] { return static_cast<int>(courses_.size()); },
                           [this](int row, int column) -> QVariant {
                               const Course& course = courses_.at(row);
                               switch (column) {
                               case ColumnLetter:
                                   return course.letter;
                               case ColumnNumeric:
                                   return course.numeric;
                               case ColumnCredit:
                                   return course.credit;
                               default:
                                   return {};
                               }
                           },
                           columns, regional().locale, QStringLiteral("Sil"));
    // Narrow columns, the credit taking the rest, so that the three shown fit the grid's width.
    QHeaderView* header = courseGrid_->horizontalHeader();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(20);
    for (int column : {0, ColumnLetter, ColumnNumeric})
        header->setSectionResizeMode(column, QHeaderView::Fixed);
    header->setSectionResizeMode(ColumnCredit, QHeaderView::Stretch);
    courseGrid_->setColumnWidth(0, 36);
    courseGrid_->setColumnWidth(ColumnLetter, 62);
    courseGrid_->setColumnWidth(ColumnNumeric, 62);
}

void BatchWindow::addToList() {
    // Adding a course changes nothing yet: the course list stays as it is and
    // the course boxes keep what was typed.
}

void BatchWindow::emptyBoxesOnPick() {
    input()->clear();
    courseGrade_->clear();
    courseCredit_->clear();
}

void BatchWindow::showScaleKind(bool letterScale) {
    courseGrid_->setColumnShown(ColumnLetter, letterScale);
    courseGrid_->setColumnShown(ColumnNumeric, !letterScale);
    courseGrid_->redraw();
}

void BatchWindow::focusAfterPick() {
    courseGrade_->setFocus();
}

void BatchWindow::inputChanged() {
    // The typed grade stays where it is; the letter goes back behind the button.
    otherGrid()->setRowMarker(false);
    homeGrid()->setRowMarker(false);
    homeLetter()->move(twips(LetterRest), homeLetter()->y());
    homeNumeric()->hide();
}

bool BatchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == courseGrade_ && isEnter(event)) {
        courseCredit_->setFocus();
        return true; // swallowed
    }
    if (watched == courseCredit_ && isEnter(event)) {
        addToList();
        return true;
    }
    return ConversionForm::eventFilter(watched, event);
}

void BatchWindow::startAnimation() {
    focusBeforeAnimation_ = QApplication::focusWidget();
    animationPosition_ = pixelsToTwips(homeLetter()->x());
    timer(3)->start();
}

void BatchWindow::timer2Tick() {
    animationPosition_ += Step;
    homeLetter()->move(twips(animationPosition_), homeLetter()->y());
    if (animationPosition_ >= LetterFinal) {
        timer(2)->stop();
        homeNumeric()->show();
        setEnabled(true);
        homeGrid()->setRowMarker(true);
        if (focusBeforeAnimation_ && focusBeforeAnimation_->window() == this)
            focusBeforeAnimation_->setFocus();
    }
}

} // namespace zendaro

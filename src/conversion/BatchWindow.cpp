#include "BatchWindow.h"

#include "BatchHandOver.h"
#include "CourseList.h"
#include "CourseReport.h"
#include "ReportPathDialog.h"
#include "resources/Pictures.h"
#include "ui/DataGrid.h"
#include "ui/Fonts.h"
#include "ui/KeyboardAccess.h"
#include "ui/MessageService.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTimer>

namespace zendaro {

namespace {
constexpr int LetterRest = 5520;  // the home letter behind the convert button
constexpr int LetterFinal = 8880; // where the home letter ends its slide
constexpr int Step = 240;         // twips per animation tick

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

// The result cells of the course list in the colours of the single result:
// green for a pass, red for a fail; the mark of a course the chosen scales
// cannot convert in brown.
class CourseResultDelegate : public QStyledItemDelegate {
public:
    CourseResultDelegate(const CourseList& list, QObject* parent)
        : QStyledItemDelegate(parent), list_(list) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.row() < 0 || index.row() >= list_.size())
            return;
        const GradeConversion& result = list_.courses().at(index.row()).result;
        const QColor colour = !result.converted() ? QColor(138, 90, 0)
                              : result.passed     ? PassColour()
                                                  : FailColour();
        option->palette.setColor(QPalette::Text, colour);
        option->font.setBold(index.column() == CourseList::ColumnHomeLetter || !result.converted());
    }

private:
    const CourseList& list_;
};

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
                     regional, navigator, parent),
      courses_(
          std::make_unique<CourseList>(views().otherScales, views().homeScales, databasePath, regional)) {
    // The single-grade box lies on the window below the grids, not in the panel.
    input()->setParent(this);
    input()->setGeometry(twipsRect(2160, 8280, 1155, 660));
    input()->show();

    buildCaptions();
    buildCourseArea();
    buildTotals();
    // After the pick itself: the course list follows the chosen scales.
    for (const char* name : {"CMB_KAYNAK_OLCEK", "CMB_DORNELA_OLCEK"})
        connect(findChild<QComboBox*>(QString::fromLatin1(name)), &QComboBox::activated, this,
                &BatchWindow::scalesPicked);
    panel()->installEventFilter(this);
    // The home letter stays visible at rest, behind the convert button.
    homeLetter()->move(twips(LetterRest), homeLetter()->y());

    // No help button here: F1 opens the manual at this window's chapter.
    setF1HelpAnchor(QStringLiteral("#COGUL"));
    input()->setAccessibleName(QStringLiteral("Dönüştürülecek not"));
    SetReadingOrder(this, {QStringLiteral("CMB_KAYNAK_OLCEK"), QStringLiteral("CMB_DORNELA_OLCEK"),
                           QStringLiteral("DG_DIGER_NOTLAR"), QStringLiteral("DG_DORNELA_NOTLAR"),
                           QStringLiteral("TXT_DERSNOTU"), QStringLiteral("TXT_KREDI"),
                           QStringLiteral("BTN_LISTEYE_EKLE"), QStringLiteral("DG_ARRAY"),
                           QStringLiteral("BTN_ZENDARO"), QStringLiteral("BTN_DOSYAYA_AKTAR"),
                           QStringLiteral("TXT_DONUSTURULECEK_NOT"), QStringLiteral("BTN_RAPOR"),
                           QStringLiteral("BTN_BACK")});
}

BatchWindow::~BatchWindow() = default;

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
    // Each caption names the box beside it.
    panel()->findChild<QLabel*>(QStringLiteral("LBL_NOT_EKLEME_HARF_NOTU"))->setBuddy(courseGrade_);
    panel()->findChild<QLabel*>(QStringLiteral("LBL_NOT_EKLEME_SAYISAL_NOT"))->setBuddy(courseCredit_);

    auto* add = new PictureBttn(panel());
    add->setObjectName(QStringLiteral("BTN_LISTEYE_EKLE"));
    add->setPictureNormal(pictures::LoadPicture(QString::fromLatin1(pictures::EditAddGradeNormal)));
    add->setPictureLight(pictures::LoadPicture(QString::fromLatin1(pictures::EditAddGradeLight)));
    add->setCaption(QStringLiteral("Listeye Ekle"));
    add->setToolTip(QStringLiteral("Listeye Ekle"));
    add->move(twips(840), twips(1320));
    connect(add, &PictureBttn::LClick, this, &BatchWindow::addToList);

    courseGrid_ = new DataGrid(QStringLiteral("DG_ARRAY"), panel());
    courseGrid_->setAccessibleName(QStringLiteral("Ders listesi"));
    // Grown within the panel: to the end of its left half and down to its foot.
    courseGrid_->setGeometry(twipsRect(2760, 480, 2715, 1230));
    courseGrid_->setFont(legacyFont(QStringLiteral("MS Sans Serif"), 7.5));
    QVector<GridColumn> columns;
    const QStringList captions = CourseList::captions();
    for (int c = 0; c < captions.size(); ++c) {
        const bool number = c == CourseList::ColumnNumeric || c == CourseList::ColumnCredit ||
                            c == CourseList::ColumnHomeValue;
        columns.append({captions.at(c), QString(), number});
    }
    courseGrid_->bindTable([this] { return courses_->size(); },
                           [this](int row, int column) { return courses_->cell(row, column); }, columns,
                           regional().numbers(), QStringLiteral("Sil"));
    courseGrid_->setHeaderLines(2);
    courseGrid_->horizontalHeader()->setFont(legacyFont(QStringLiteral("MS Sans Serif"), 7));
    courseGrid_->verticalHeader()->setDefaultSectionSize(courseGrid_->fontMetrics().height() + 4);
    QHeaderView* header = courseGrid_->horizontalHeader();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(20);
    const int widths[] = {28, 38, 42, 36, 44, 48, 48};
    for (int c = 0; c < CourseList::ColumnCount; ++c) {
        header->setSectionResizeMode(c, QHeaderView::Fixed);
        courseGrid_->setColumnWidth(c, widths[c]);
    }
    auto* results = new CourseResultDelegate(*courses_, courseGrid_);
    for (int c : {CourseList::ColumnHomeLetter, CourseList::ColumnHomeValue, CourseList::ColumnStatus})
        courseGrid_->setItemDelegateForColumn(c, results);
    connect(courseGrid_, &DataGrid::buttonPressed, this, &BatchWindow::removeCourse);
}

void BatchWindow::buildTotals() {
    // Under the conversion panel, beside the single-grade box: the totals of
    // the course list and its report. Shown together with the panel.
    totals_ = new QFrame(this);
    totals_->setObjectName(QStringLiteral("CER_TOPLAM"));
    totals_->setGeometry(twipsRect(3600, 7965, 6120, 735));
    totals_->hide();
    auto line = [this](const char* name, int top) {
        auto* l = new QLabel(totals_);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(twipsRect(0, top, 3900, 240));
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setFont(legacyFont(QStringLiteral("Arial"), 9, true));
        l->setStyleSheet(QStringLiteral("color: rgb(3, 133, 209);"));
        return l;
    };
    courseCount_ = line("LBL_DERS_SAYISI", 0);
    totalCredit_ = line("LBL_TOPLAM_KREDI", 240);
    average_ = line("LBL_AGIRLIKLI_ORTALAMA", 480);

    report_ = new PictureBttn(totals_);
    report_->setObjectName(QStringLiteral("BTN_RAPOR"));
    report_->setPictureNormal(pictures::LoadPicture(QString::fromLatin1(pictures::EditSaveNormal)));
    report_->setPictureLight(pictures::LoadPicture(QString::fromLatin1(pictures::EditSaveLight)));
    report_->setCaption(QStringLiteral("Rapor (PDF)"));
    report_->setToolTip(QStringLiteral("Ders listesinin raporunu PDF olarak kaydet"));
    report_->move(twips(4020), twips(150));
    connect(report_, &PictureBttn::LClick, this, &BatchWindow::saveReport);

    // In the report's row, left of the single-grade box (the only free place
    // there): the listed courses go into a new conversion file. Shown with
    // the totals.
    toFile_ = MakePictureButton(this, "BTN_DOSYAYA_AKTAR", QStringLiteral("Dosyaya Aktar"),
                                QStringLiteral("Listelenen dersleri yeni bir dönüşüm dosyasına aktar"),
                                pictures::EditExportNormal, pictures::EditExportLight, 120, 8115);
    toFile_->hide();
    connect(toFile_, &PictureBttn::LClick, this, &BatchWindow::moveToFile);
    showCourses(-1);
}

void BatchWindow::showCourses(int currentRow) {
    courseGrid_->reRead();
    if (currentRow >= 0)
        courseGrid_->setCurrentRowNumber(currentRow);
    courseGrid_->redraw();
    const CourseTotals totals = courses_->totals();
    courseCount_->setText(courses_->countText(totals));
    totalCredit_->setText(courses_->creditText(totals));
    average_->setText(courses_->averageText(totals));
}

void BatchWindow::addToList() {
    CourseAddResult result;
    try {
        result = courses_->add(courseGrade_->text(), courseCredit_->text());
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
        return;
    }
    if (!result.added) {
        if (result.plain)
            ShowPlainMessage(result.message, this);
        else
            ShowMessage(result.message, StyleOk, IconStop, this);
        if (result.focus == CourseBox::Grade)
            courseGrade_->setFocus();
        else if (result.focus == CourseBox::Credit)
            courseCredit_->setFocus();
        return;
    }
    showCourses(courses_->size() - 1);
    courseGrade_->clear();
    courseCredit_->clear();
    courseGrade_->setFocus();
}

void BatchWindow::removeCourse(int row, int column) {
    if (column != CourseList::ColumnDelete)
        return;
    courses_->remove(row);
    showCourses(std::min(row, courses_->size() - 1));
}

void BatchWindow::scalesPicked() {
    // Only once both scales are chosen do the courses have scales to convert on.
    if (!panel()->isVisibleTo(this))
        return;
    try {
        courses_->scalesChanged();
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
    }
    showCourses(courseGrid_->currentRowNumber());
}

void BatchWindow::saveReport() {
    if (courses_->size() == 0) {
        ShowMessage(QStringLiteral("RAPOR İÇİN LÜTFEN ÖNCE LİSTEYE DERS EKLEYİNİZ..."), StyleOk, IconInfo,
                    this);
        return;
    }
    const QString path = AskReportPath(
        this, QDir::home().filePath(
                  QStringLiteral("ZENDARO-Rapor-%1.pdf").arg(QDate::currentDate().toString(Qt::ISODate))));
    if (path.isEmpty())
        return; // cancelled
    QString error;
    try {
        const QString html = CourseReportHtml(
            *courses_, ChosenScales(views().otherScales, views().homeScales), QDateTime::currentDateTime());
        error = WriteCourseReportPdf(path, html);
    } catch (const StoreError& storeError) {
        error = storeError.text();
    }
    TellReportSaved(this, path, error);
}

void BatchWindow::moveToFile() {
    if (courses_->size() == 0) {
        ShowMessage(QStringLiteral("DOSYAYA AKTARMAK İÇİN LÜTFEN ÖNCE LİSTEYE DERS EKLEYİNİZ..."), StyleOk,
                    IconInfo, this);
        return;
    }
    BatchHandOver handOver;
    handOver.otherScaleId = views().otherScales.Field(QStringLiteral("id")).toLongLong();
    handOver.homeScaleId = views().homeScales.Field(QStringLiteral("id")).toLongLong();
    for (const Course& course : courses_->courses())
        handOver.courses.append({course.shownGrade(), course.credit});
    // The courses live on in the file: this window closes without asking.
    navigator().handOver(WorkingWindow::Files, QVariant::fromValue(handOver));
    close();
}

void BatchWindow::backRequested() {
    // The course list lives only in this window: leaving it loses the list.
    if (courses_->size() > 0 &&
        ShowMessage(QStringLiteral("Ana menüye dönerseniz ders listesi silinecek. Ana menüye dönmek istiyor "
                                   "musunuz?"),
                    StyleYesNo, IconStop, this) == ResultHayir)
        return;
    returnToMenu();
}

void BatchWindow::emptyBoxesOnPick() {
    input()->clear();
    courseGrade_->clear();
    courseCredit_->clear();
}

void BatchWindow::showScaleKind(bool letterScale) {
    courseGrid_->setColumnShown(CourseList::ColumnLetter, letterScale);
    courseGrid_->setColumnShown(CourseList::ColumnNumeric, !letterScale);
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
    if (watched == panel() &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        totals_->setVisible(event->type() == QEvent::ShowToParent);
        toFile_->setVisible(event->type() == QEvent::ShowToParent);
    }
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
    animationPosition_ = pixelsToTwips(homeLetter()->x());
    timer(3)->start();
}

void BatchWindow::timer2Tick() {
    animationPosition_ += Step;
    homeLetter()->move(twips(animationPosition_), homeLetter()->y());
    if (animationPosition_ >= LetterFinal) {
        timer(2)->stop();
        endAnimation(focusBeforeAnimation()); // the focus is where it was
    }
}

} // namespace zendaro

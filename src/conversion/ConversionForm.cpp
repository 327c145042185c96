#include "ConversionForm.h"

#include "resources/Pictures.h"
#include "store/Queries.h"
#include "store/TurkishText.h"
#include "ui/DataGrid.h"
#include "ui/Fonts.h"
#include "ui/InputShield.h"
#include "ui/KeyboardAccess.h"
#include "ui/MessageService.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"
#include "ui/TypingLimit.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

namespace zendaro {

namespace {

const QString placeholderText = QStringLiteral("S E Ç İ N İ Z . . .");
const QString captionColour = QStringLiteral("color: rgb(1, 157, 203);");
const QString captionHoverColour = QStringLiteral("color: rgb(255, 0, 0);");

QString pickedScaleGoneText() {
    return QStringLiteral("Seçtiğiniz ölçek başka bir kullanıcı tarafından silinmiş; listeden çıkarıldı. "
                          "Lütfen başka bir ölçek seçiniz.");
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect place) {
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(legacyFont(QStringLiteral("Arial"), 9.75, true));
    l->setStyleSheet(QStringLiteral("color: rgb(3, 133, 209);"));
    return l;
}

// A bold Arial of `points`, made smaller only when the text would not fit
// its room: the home letter (47.25 points; two wide capitals do not fit at
// that size) and the input box (24 points; a long letter put there is shown whole).
QFont fittedFont(double points, const QString& text, int room) {
    QFont font = legacyFont(QStringLiteral("Arial"), points, true);
    while (font.pointSizeF() > 8 && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPointSizeF(font.pointSizeF() - 0.75);
    return font;
}

constexpr double HomeLetterPoints = 47.25;
constexpr double InputPoints = 24;

} // namespace

ConversionForm::ConversionForm(const QString& objectName, const QString& banner, const QString& helpAnchor,
                               const QString& databasePath, RegionalSettings regional, Navigator& navigator,
                               QWidget* parent)
    : WorkingForm(objectName, banner, navigator, helpAnchor, parent),
      regional_(std::move(regional)), views_{otherScales_, homeScales_, otherGrades_, homeGrades_, search_} {
    otherScales_.setObjectName(QStringLiteral("Data_diger_olcek"));
    homeScales_.setObjectName(QStringLiteral("Data_dornela_olcek"));
    otherGrades_.setObjectName(QStringLiteral("Data_diger_notlar"));
    homeGrades_.setObjectName(QStringLiteral("Data_dornela_notlar"));
    search_.setObjectName(QStringLiteral("Data_Arama"));
    for (DataView* view : {&otherScales_, &homeScales_, &otherGrades_, &homeGrades_, &search_})
        view->SetDatabaseName(databasePath);

    const int intervals[3] = {2, 2, 250};
    for (int i = 0; i < 3; ++i) {
        timers_[i] = new QTimer(this);
        timers_[i]->setObjectName(QStringLiteral("Timer%1").arg(i + 1));
        timers_[i]->setInterval(intervals[i]);
    }
    connect(timers_[0], &QTimer::timeout, this, [this] { timer1Tick(); });
    connect(timers_[1], &QTimer::timeout, this, [this] { timer2Tick(); });
    connect(timers_[2], &QTimer::timeout, this, [this] { timer3Tick(); });

    buildPickers();
    ChooseByTypedLetters(this);
    buildGrids();
    buildPanel();
    load();
}

ConversionForm::~ConversionForm() = default;

QTimer* ConversionForm::timer(int number) const {
    return timers_[number - 1];
}

void ConversionForm::buildPickers() {
    QLabel* otherCaption =
        label(this, "Label2", QStringLiteral("DİĞER ÜNİVERSİTE NOT ÖLÇEĞİ"), twipsRect(240, 2400, 5655, 255));
    QLabel* homeCaption = label(this, "Label3", QStringLiteral("DORNELA ÜNİVERSİTESİ NOT ÖLÇEĞİ"),
                                twipsRect(6420, 2400, 5655, 255));

    auto picker = [this](const char* name, int left) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setGeometry(twipsRect(left, 2760, 5715, 360));
        combo->installEventFilter(this); // the wheel over a closed picker picks nothing
        return combo;
    };
    otherPicker_ = picker("CMB_KAYNAK_OLCEK", 240);
    homePicker_ = picker("CMB_DORNELA_OLCEK", 6420);
    otherCaption->setBuddy(otherPicker_);
    homeCaption->setBuddy(homePicker_);
    connect(otherPicker_, &QComboBox::activated, this, &ConversionForm::pickOtherScale);
    connect(homePicker_, &QComboBox::activated, this, &ConversionForm::pickHomeScale);

    // The placeholders lie over the text part of each picker; a click passes
    // through them to the picker.
    auto placeholder = [this](const char* name, int left) {
        auto* box = new QLineEdit(placeholderText, this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(twipsRect(left, 2820, 5355, 225));
        box->setAlignment(Qt::AlignCenter);
        box->setReadOnly(true);
        box->setFrame(false);
        box->setFocusPolicy(Qt::NoFocus);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setStyleSheet(QStringLiteral("background: white; color: rgb(3, 133, 209); font-weight: bold;"));
        return box;
    };
    otherPlaceholder_ = placeholder("TXT_KAYNAK_SEC", 300);
    homePlaceholder_ = placeholder("TXT_DORNELA_SEC", 6480);
}

void ConversionForm::buildGrids() {
    const QVector<GridColumn> columns{{QStringLiteral("Harf Notu"), QStringLiteral("harf_notu"), false},
                                      {QStringLiteral("Sayısal Not"), QStringLiteral("sayisal_not"), true},
                                      {QStringLiteral("Başarı Durumu"), QStringLiteral("durum"), false}};
    otherGrid_ = new DataGrid(QStringLiteral("DG_DIGER_NOTLAR"), this);
    otherGrid_->setGeometry(twipsRect(240, 3300, 5715, 2745));
    otherGrid_->bindView(&otherGrades_, columns, regional_.numbers());
    otherGrid_->setAccessibleName(QStringLiteral("Diğer üniversite ölçeğinin notları"));
    homeGrid_ = new DataGrid(QStringLiteral("DG_DORNELA_NOTLAR"), this);
    homeGrid_->setGeometry(twipsRect(6420, 3300, 5715, 2745));
    homeGrid_->bindView(&homeGrades_, columns, regional_.numbers());
    homeGrid_->setAccessibleName(QStringLiteral("Dornela ölçeğinin notları"));
    for (DataGrid* grid : {otherGrid_, homeGrid_}) {
        grid->setFont(msSansSerif825());
        grid->hide();
    }
}

void ConversionForm::buildPanel() {
    panel_ = new QFrame(this);
    panel_->setObjectName(QStringLiteral("CER_DONUSUM"));
    panel_->setGeometry(twipsRect(240, 6180, 11895, 1755));
    panel_->hide();

    // The letter label lies beneath the buttons: it slides out from behind them.
    homeLetter_ = new QLabel(panel_);
    homeLetter_->setObjectName(QStringLiteral("LBL_DORNELA_HARF_NOTU"));
    homeLetter_->setGeometry(twipsRect(5520, 480, 1155, 825));
    homeLetter_->setAlignment(Qt::AlignCenter);
    homeLetter_->setFont(fittedFont(HomeLetterPoints, QString(), homeLetter_->width()));

    homeNumeric_ = new QLabel(panel_);
    homeNumeric_->setObjectName(QStringLiteral("LBL_DORNELA_SAYISAL_NOT"));
    homeNumeric_->setGeometry(twipsRect(8520, 1440, 1935, 285));
    homeNumeric_->setAlignment(Qt::AlignCenter);
    homeNumeric_->setFont(legacyFont(QStringLiteral("Arial"), 9.75, true));
    homeNumeric_->hide();

    input_ = new QLineEdit(panel_);
    input_->setObjectName(QStringLiteral("TXT_DONUSTURULECEK_NOT"));
    input_->setGeometry(twipsRect(2160, 660, 1155, 660));
    LimitTyping(input_, 5); // what the program puts there (a grade's letter) is never cut
    input_->setAlignment(Qt::AlignCenter);
    input_->setFont(legacyFont(QStringLiteral("Arial"), InputPoints, true));
    connect(input_, &QLineEdit::textChanged, this, [this](const QString& text) {
        input_->setFont(fittedFont(InputPoints, text, input_->width() - 10)); // frame and margins
        inputChanged();
    });

    convertCaption_ = new QLabel(QStringLiteral("DÖNÜŞTÜR"), panel_);
    convertCaption_->setObjectName(QStringLiteral("LBL_DONUSTUR"));
    convertCaption_->setGeometry(twipsRect(5520, 180, 1035, 255));
    convertCaption_->setAlignment(Qt::AlignCenter);
    convertCaption_->setFont(legacyFont(QStringLiteral("Arial"), 8.25, true)); // fits above the button
    convertCaption_->setStyleSheet(captionColour);
    convertCaption_->setCursor(Qt::PointingHandCursor);
    convertCaption_->installEventFilter(this);

    zendaro_ = MakePictureButton(panel_, "BTN_ZENDARO", {}, {}, pictures::ZendaroNormal,
                                 pictures::ZendaroLight, 5520, 480);
    donusum_ = MakePictureButton(panel_, "BTN_DONUSUM", {}, {}, pictures::DonusumNormal,
                                 pictures::DonusumLight, 5520, 480);
    donusum_->hide();
    zendaro_->setAccessibleName(QStringLiteral("Dönüştür"));
    // The second picture of the convert button only flashes; it does nothing.
    donusum_->setAccessibleName(QStringLiteral("Dönüştür"));
    donusum_->setFocusPolicy(Qt::NoFocus);
    connect(zendaro_, &PictureBttn::LClick, this, &ConversionForm::convert);
    connect(zendaro_, &PictureBttn::MouseOver, this,
            [this] { convertCaption_->setStyleSheet(captionHoverColour); });
    connect(zendaro_, &PictureBttn::MouseOut, this,
            [this] { convertCaption_->setStyleSheet(captionColour); });
}

bool ConversionForm::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == otherPicker_ || watched == homePicker_) && event->type() == QEvent::Wheel)
        return true;
    if (watched == convertCaption_) {
        // A left-button click on the caption itself converts: pressed and
        // released there. Other buttons, and a release elsewhere, do nothing.
        if (event->type() == QEvent::MouseButtonPress) {
            captionPressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = captionPressed_ && mouse->button() == Qt::LeftButton &&
                               convertCaption_->rect().contains(mouse->position().toPoint());
            captionPressed_ = false;
            if (click)
                convert();
            return true;
        }
    }
    return WorkingForm::eventFilter(watched, event);
}

void ConversionForm::load() {
    try {
        otherScales_.SetRecordSource(queries::Q5());
        otherScales_.Refresh();
        homeScales_.SetRecordSource(queries::Q6());
        homeScales_.Refresh();
        loaded_ = true;
    } catch (const StoreError& error) {
        failAndReturnToMenu(error.text());
    }
}

void ConversionForm::showEvent(QShowEvent* event) {
    WorkingForm::showEvent(event);
    if (firstActivation_ && loaded_)
        QTimer::singleShot(0, this, &ConversionForm::firstActivation);
}

void ConversionForm::firstActivation() {
    if (!firstActivation_)
        return;
    firstActivation_ = false;
    auto handOver = [this](const char* text, WorkingWindow editor) {
        ShowMessage(QString::fromUtf8(text), StyleOk, IconStop, this);
        navigator().openWindow(editor);
        close();
    };
    if (otherScales_.RecordCount() == 0)
        return handOver("LÜTFEN ÖNCELİKLE NOTU DÖNÜŞTÜRÜLECEK ÜNİVERSİTENİN NOT ÖLÇEĞİNİ GİRİNİZ...",
                        WorkingWindow::OtherScales);
    if (homeScales_.RecordCount() == 0)
        return handOver("LÜTFEN ÖNCELİKLE DORNELA ÜNİVERSİTENİN NOT ÖLÇEĞİNİ GİRİNİZ...",
                        WorkingWindow::HomeScales);
    try {
        fillPicker(otherPicker_, otherScales_, true);
        fillPicker(homePicker_, homeScales_, false);
    } catch (const StoreError& error) {
        failAndReturnToMenu(error.text());
    }
}

void ConversionForm::fillPicker(QComboBox* picker, DataView& view, bool withSystem) {
    picker->clear();
    view.MoveFirst();
    while (!view.AtBOF() && !view.AtEOF()) {
        QString text = view.Field(QStringLiteral("olcek_adi")).toString();
        if (withSystem)
            text += QStringLiteral(" (") + view.Field(QStringLiteral("not_sistemi")).toString() +
                    QLatin1Char(')');
        picker->addItem(text, view.Field(QStringLiteral("id")));
        view.MoveNext();
    }
    picker->setCurrentIndex(-1);
    view.Refresh();
}

void ConversionForm::pickOtherScale() {
    emptyBoxesOnPick();
    if (otherPicker_->currentIndex() < 0) {
        otherPlaceholder_->show();
        otherGrid_->hide();
        panel_->hide();
        return;
    }
    try {
        otherScales_.Refresh();
        if (!otherScales_.FindFirst(queries::C2(otherPicker_->currentData().toLongLong()))) {
            ShowMessage(pickedScaleGoneText(), StyleOk, IconStop, this);
            forgetPick(otherPicker_, &ConversionForm::pickOtherScale);
            return;
        }
        const bool letterScale = EqualsIgnoringCaseTr(
            otherScales_.Field(QStringLiteral("not_sistemi")).toString(), QStringLiteral("Harf Notu"));
        otherGrid_->setColumnShown(QStringLiteral("Harf Notu"), letterScale);
        otherGrid_->redraw();
        showScaleKind(letterScale);
        otherGrades_.SetRecordSource(queries::Q4(otherScales_.Field(QStringLiteral("id")).toLongLong()));
        otherGrades_.Refresh();
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
        return;
    }
    otherPlaceholder_->hide();
    otherGrid_->setRowMarker(false);
    otherGrid_->show();
    showPanelWhenBothPicked();
}

void ConversionForm::pickHomeScale() {
    emptyBoxesOnPick();
    homeLetter_->clear();
    if (homePicker_->currentIndex() < 0) {
        homePlaceholder_->show();
        homeGrid_->hide();
        panel_->hide();
        return;
    }
    try {
        homeScales_.Refresh();
        if (!homeScales_.FindFirst(queries::C2(homePicker_->currentData().toLongLong()))) {
            ShowMessage(pickedScaleGoneText(), StyleOk, IconStop, this);
            forgetPick(homePicker_, &ConversionForm::pickHomeScale);
            return;
        }
        homeGrades_.SetRecordSource(queries::Q2(homeScales_.Field(QStringLiteral("id")).toLongLong()));
        homeGrades_.Refresh();
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
        return;
    }
    homePlaceholder_->hide();
    homeGrid_->show();
    homeGrid_->setRowMarker(false);
    showPanelWhenBothPicked();
}

void ConversionForm::forgetPick(QComboBox* picker, void (ConversionForm::*pick)()) {
    picker->removeItem(picker->currentIndex());
    picker->setCurrentIndex(-1);
    (this->*pick)();
}

void ConversionForm::forgetDeletedPicks() {
    const auto check = [this](QComboBox* picker, DataView& scales, void (ConversionForm::*pick)()) {
        if (picker->currentIndex() < 0)
            return;
        scales.Refresh();
        if (!scales.FindFirst(queries::C2(picker->currentData().toLongLong())))
            forgetPick(picker, pick);
    };
    try {
        check(otherPicker_, otherScales_, &ConversionForm::pickOtherScale);
        check(homePicker_, homeScales_, &ConversionForm::pickHomeScale);
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
    }
}

void ConversionForm::showPanelWhenBothPicked() {
    panel_->setVisible(otherGrid_->isVisibleTo(this) && homeGrid_->isVisibleTo(this));
    if (panel_->isVisibleTo(this))
        focusAfterPick();
}

void ConversionForm::convert() {
    if (animating())
        return;
    // The result display starts again from rest.
    homeLetter_->move(twips(5520), homeLetter_->y());
    homeNumeric_->hide();
    lastConversion_ = GradeConversion{};
    conversionStarted();

    ConversionResult result;
    try {
        const GradeConversion quiet = ConvertGradeQuietly(input_->text(), variant(), views_, regional_);
        lastConversion_ = quiet;
        // The box shows the input as normalised (or replaced by the grade's letter).
        if (input_->text() != quiet.inputText)
            input_->setText(quiet.inputText);
        // The found grade is lit in the left grid from here on, whatever follows.
        if (quiet.gradeFound)
            otherGrid_->setRowMarker(true);
        result = ReportConversion(quiet, views_, regional_, this);
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
        return;
    }
    if (lastConversion_.failure == ConversionFailure::ScaleDeleted) {
        forgetDeletedPicks();
        return;
    }
    if (result.outcome == ConversionResult::Outcome::FocusInput) {
        input_->setFocus();
        return;
    }
    if (result.outcome != ConversionResult::Outcome::Converted)
        return;
    homeLetter_->setText(result.homeLetter);
    homeLetter_->setFont(fittedFont(HomeLetterPoints, result.homeLetter, homeLetter_->width() - 2));
    const QString colour = QStringLiteral("color: %1;").arg(result.colour.name());
    homeLetter_->setStyleSheet(colour);
    homeNumeric_->setStyleSheet(colour);
    homeNumeric_->setText(result.numericCaption);
    spokenResult_ = result.homeLetter + QStringLiteral(", ") +
                    (result.passed ? QStringLiteral("GEÇER") : QStringLiteral("KALIR")) +
                    QStringLiteral(", ") + result.numericCaption;
    blinkCount_ = 0;
    // No input reaches the window while the animation runs, and nothing of it
    // turns grey; the focus waits on the window itself.
    focusBeforeAnimation_ = focusWidget();
    animationShield_ = std::make_unique<InputShield>(this);
    setFocus();
    startAnimation();
}

void ConversionForm::endAnimation(QWidget* focus) {
    homeNumeric_->show();
    animationShield_.reset();
    homeGrid_->setRowMarker(true);
    if (focus && focus->window() == this)
        focus->setFocus();
    Announce(homeLetter_, spokenResult_); // a screen reader reads the result now shown
}

void ConversionForm::timer3Tick() {
    if (blinkCount_ <= 1) {
        ++blinkCount_;
        zendaro_->setVisible(!zendaro_->isVisibleTo(panel_));
        donusum_->setVisible(!donusum_->isVisibleTo(panel_));
        return;
    }
    timers_[2]->stop();
    timers_[1]->start();
}

bool ConversionForm::animating() const {
    return timers_[0]->isActive() || timers_[1]->isActive() || timers_[2]->isActive();
}

bool ConversionForm::advanceAnimation() {
    if (timers_[0]->isActive())
        timer1Tick();
    else if (timers_[2]->isActive())
        timer3Tick();
    else if (timers_[1]->isActive())
        timer2Tick();
    else
        return false;
    return true;
}

} // namespace zendaro

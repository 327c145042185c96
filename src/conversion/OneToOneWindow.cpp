#include "OneToOneWindow.h"

#include "ExplanationWindow.h"
#include "store/DataView.h"
#include "ui/DataGrid.h"
#include "ui/Fonts.h"
#include "ui/KeyboardAccess.h"
#include "ui/MessageService.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

namespace zendaro {

namespace {
constexpr int InputRest = 2160;  // the input box at rest
constexpr int LetterRest = 5520; // the home letter behind the convert button
constexpr int Step = 240;        // twips per animation tick
} // namespace

OneToOneWindow::OneToOneWindow(const QString& databasePath, const RegionalSettings& regional,
                               Navigator& navigator, QWidget* parent)
    : ConversionForm(QStringLiteral("FRMBIREBIR"), QStringLiteral("ZENDARO"), QStringLiteral("#DN"),
                     databasePath, regional, navigator, parent) {
    auto caption = [this](const char* name, const QString& text, QRect place) {
        auto* l = new QLabel(text, panel());
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(place);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(legacyFont(QStringLiteral("Arial"), 9.75, true));
        l->setStyleSheet(QStringLiteral("color: rgb(3, 133, 209);"));
        l->lower();
        return l;
    };
    letterCaption_ = caption("LBL_DIGER_HARF_NOTU", QStringLiteral("DİĞER ÜNİVERSİTE HARF NOTU"),
                             twipsRect(0, 180, 5475, 255));
    numericCaption_ = caption("LBL_DIGER_SAYISAL_NOT", QStringLiteral("DİĞER ÜNİVERSİTE SAYISAL NOT"),
                              twipsRect(0, 180, 5475, 255));
    numericCaption_->hide();
    letterCaption_->setBuddy(input());
    caption("Label5", QStringLiteral("DORNELA ÜNİVERSİTESİ HARF NOTU"), twipsRect(7200, 180, 4635, 255));

    input()->move(twips(InputRest), input()->y());
    homeLetter()->move(twips(LetterRest), homeLetter()->y());
    homeLetter()->hide();
    input()->installEventFilter(this);

    // Beside the result, once a conversion has succeeded: how it came about.
    howLink_ = new QLabel(QStringLiteral("Nasıl hesaplandı?"), panel());
    howLink_->setObjectName(QStringLiteral("LBL_NASIL_HESAPLANDI"));
    howLink_->setGeometry(twipsRect(10155, 765, 1620, 255));
    howLink_->setAlignment(Qt::AlignCenter);
    howLink_->setFont(legacyFont(QStringLiteral("Arial"), 8.25, true));
    howLink_->setStyleSheet(QStringLiteral("QLabel { color: rgb(1, 157, 203); text-decoration: underline; }"
                                           "QLabel:focus { border: 1px dotted rgb(1, 157, 203); }"));
    howLink_->setCursor(Qt::PointingHandCursor);
    howLink_->setFocusPolicy(Qt::StrongFocus);
    howLink_->setAccessibleName(QStringLiteral("Nasıl hesaplandı?"));
    howLink_->setToolTip(QStringLiteral("Dönüşümün adımları, dönüşüm eğrisi ve tablosu"));
    howLink_->installEventFilter(this);
    howLink_->hide();

    SetReadingOrder(this, {QStringLiteral("CMB_KAYNAK_OLCEK"), QStringLiteral("CMB_DORNELA_OLCEK"),
                           QStringLiteral("DG_DIGER_NOTLAR"), QStringLiteral("DG_DORNELA_NOTLAR"),
                           QStringLiteral("TXT_DONUSTURULECEK_NOT"), QStringLiteral("BTN_ZENDARO"),
                           QStringLiteral("LBL_NASIL_HESAPLANDI"), QStringLiteral("BTN_HELP"),
                           QStringLiteral("BTN_BACK")});
}

void OneToOneWindow::emptyBoxesOnPick() {
    input()->clear();
}

void OneToOneWindow::showScaleKind(bool letterScale) {
    letterCaption_->setVisible(letterScale);
    numericCaption_->setVisible(!letterScale);
    // The caption shown names the input box.
    letterCaption_->setBuddy(letterScale ? input() : nullptr);
    numericCaption_->setBuddy(letterScale ? nullptr : input());
}

void OneToOneWindow::focusAfterPick() {
    input()->setFocus();
}

void OneToOneWindow::inputChanged() {
    otherGrid()->setRowMarker(false);
    homeGrid()->setRowMarker(false);
    input()->move(twips(InputRest), input()->y());
    homeLetter()->move(twips(LetterRest), homeLetter()->y());
    homeNumeric()->hide();
    homeLetter()->hide();
    howLink_->hide();
}

void OneToOneWindow::conversionStarted() {
    howLink_->hide();
}

void OneToOneWindow::explain() {
    if (!lastConversion().converted() || animating())
        return;
    ConversionViews& v = views();
    try {
        ExplanationWindow window(
            v.otherScales.DatabaseName(), v.otherScales.Field(QStringLiteral("id")).toLongLong(),
            v.homeScales.Field(QStringLiteral("id")).toLongLong(), lastConversion(), regional(), this);
        window.exec();
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
    }
    // Back to this window, the focus on the link, whatever the desktop does
    // when the explanation goes.
    howLink_->setFocus(Qt::ActiveWindowFocusReason);
    raise();
    activateWindow();
}

bool OneToOneWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == howLink_) {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            howLink_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            explain();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                explain();
                return true;
            }
        }
    }
    if (watched == input()) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                convert();
                input()->selectAll();
                return true; // swallowed: no beep, no default button
            }
        } else if (event->type() == QEvent::FocusIn) {
            // After the click that gave the focus has placed the caret.
            QTimer::singleShot(0, input(), [box = input()] { box->selectAll(); });
        }
    }
    return ConversionForm::eventFilter(watched, event);
}

void OneToOneWindow::startAnimation() {
    animationPosition_ = InputRest;
    timer(1)->start();
}

void OneToOneWindow::timer1Tick() {
    animationPosition_ += Step;
    input()->move(twips(animationPosition_), input()->y());
    if (animationPosition_ == LetterRest) {
        input()->hide();
        timer(1)->stop();
        returnPosition_ = animationPosition_;
        timer(3)->start();
    }
}

void OneToOneWindow::timer2Tick() {
    animationPosition_ += Step;
    returnPosition_ -= Step;
    input()->move(twips(returnPosition_), input()->y());
    homeLetter()->move(twips(animationPosition_), homeLetter()->y());
    homeLetter()->show();
    input()->show();
    if (returnPosition_ == InputRest) {
        timer(2)->stop();
        howLink_->setVisible(lastConversion().converted());
        endAnimation(input());
    }
}

} // namespace zendaro

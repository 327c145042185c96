#include "OneToOneWindow.h"

#include "ui/DataGrid.h"
#include "ui/Fonts.h"
#include "ui/KeyboardAccess.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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

    SetReadingOrder(this, {QStringLiteral("CMB_KAYNAK_OLCEK"), QStringLiteral("CMB_DORNELA_OLCEK"),
                           QStringLiteral("DG_DIGER_NOTLAR"), QStringLiteral("DG_DORNELA_NOTLAR"),
                           QStringLiteral("TXT_DONUSTURULECEK_NOT"), QStringLiteral("BTN_ZENDARO"),
                           QStringLiteral("BTN_HELP"), QStringLiteral("BTN_BACK")});
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
}

bool OneToOneWindow::eventFilter(QObject* watched, QEvent* event) {
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
        endAnimation(input());
    }
}

} // namespace zendaro

// The message box window and the real message service: button slots, keys,
// results, the height rule, icons, the owner, dragging, the plain box.
#include "PointerDriver.h"
#include "ui/Fonts.h"
#include "ui/InputShield.h"
#include "ui/MessageService.h"
#include "ui/MsgForm.h"
#include "ui/tvColorButton.h"
#include "ui/tvShape.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace zendaro;
using namespace zendaro::test;

namespace {

MsgForm* openBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("MsgForm") && w->isVisible())
            return qobject_cast<MsgForm*>(w);
    return nullptr;
}

// Waits (polling, while the message loop runs) for a message box to be
// shown, then acts on it once.
void whenBoxShows(std::function<void(MsgForm*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (MsgForm* box = openBox()) {
            poll->stop();
            poll->deleteLater();
            act(box);
        }
    });
    poll->start();
}

QList<tvColorButton*> slotsOf(MsgForm* box) {
    return {box->buttonSlot(0), box->buttonSlot(1), box->buttonSlot(2)};
}

tvColorButton* slotWithCaption(MsgForm* box, const QString& caption) {
    for (tvColorButton* b : slotsOf(box))
        if (!b->isHidden() && b->caption() == caption)
            return b;
    return nullptr;
}

void loadBox(MsgForm& box, const QString& text, int style, int icon) {
    box.MyMessage = text;
    box.MyFlag = style;
    box.MyImage = icon;
    box.load();
}

} // namespace

class MsgBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init() { parkPointer(); }

    void cleanup() {
        // No box may be left behind by a call.
        QCOMPARE(openBox(), nullptr);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(w->objectName() != QLatin1String("MsgForm"));
    }

    void buttonSlots_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("count");
        for (int style = 0; style <= 18; ++style) {
            const int count = style <= 5                                                   ? 1
                              : (style == 7 || style == 8 || (style >= 10 && style <= 12)) ? 3
                                                                                           : 2;
            QTest::addRow("style %d", style) << style << count;
        }
    }
    void buttonSlots() {
        QFETCH(int, style);
        QFETCH(int, count);
        MsgForm box;
        loadBox(box, QStringLiteral("Deneme"), style, 0);
        const int lefts[3] = {5160 / 15, 3480 / 15, 1800 / 15};
        for (int slot = 0; slot < 3; ++slot) {
            tvColorButton* b = box.buttonSlot(slot);
            QCOMPARE(b->objectName(), QStringLiteral("ActBttn"));
            QCOMPARE(b->property("index").toInt(), slot);
            QCOMPARE(b->isHidden(), slot >= count); // the slots fill from the right
            QCOMPARE(b->geometry(), QRect(lefts[slot], b->y(), 105, 25));
            QCOMPARE(b->y(), box.buttonSlot(0)->y());
        }
        QVERIFY(box.buttonSlot(0)->isDefault());
        QVERIFY(!box.buttonSlot(0)->caption().isEmpty());
        int cancels = 0;
        for (tvColorButton* b : slotsOf(&box))
            cancels += b->isCancel() ? 1 : 0;
        QCOMPARE(cancels, 1);
    }

    void keysAnswerThroughTheRealService_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("0 Enter") << 0 << int(Qt::Key_Return) << int(ResultTamam);
        QTest::newRow("0 Escape") << 0 << int(Qt::Key_Escape) << int(ResultTamam);
        QTest::newRow("9 Enter") << 9 << int(Qt::Key_Return) << int(ResultEvet);
        QTest::newRow("9 Escape") << 9 << int(Qt::Key_Escape) << int(ResultHayir);
        QTest::newRow("10 Enter") << 10 << int(Qt::Key_Enter) << int(ResultEvet);
        QTest::newRow("10 Escape: İptal at the left") << 10 << int(Qt::Key_Escape) << int(ResultIptal);
        QTest::newRow("11 Enter") << 11 << int(Qt::Key_Return) << int(ResultEvet);
        QTest::newRow("11 Escape: Hayır") << 11 << int(Qt::Key_Escape) << int(ResultHayir);
    }
    void keysAnswerThroughTheRealService() {
        QFETCH(int, style);
        QFETCH(int, key);
        QFETCH(int, result);
        whenBoxShows([key](MsgForm* box) {
            // the focus may be on any button: give it to the left-most shown one
            for (int slot = 2; slot >= 0; --slot)
                if (!box->buttonSlot(slot)->isHidden()) {
                    box->buttonSlot(slot)->setFocus();
                    break;
                }
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box, Qt::Key(key));
        });
        QCOMPARE(ShowMessage(QStringLiteral("Emin misiniz?"), style, 1, nullptr), result);
    }

    void aRepeatingKeyAnswersNothing() {
        whenBoxShows([](MsgForm* box) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(box, &repeat);
            QVERIFY(box->isVisible());
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(ShowMessage(QStringLiteral("Emin misiniz?"), 9, 0, nullptr), int(ResultHayir));
    }

    void clicksAndSpace_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("space");
        QTest::addColumn<int>("result");
        QTest::newRow("click Tamam") << 0 << "Tamam" << false << int(ResultTamam);
        QTest::newRow("Space on Tamam") << 0 << "Tamam" << true << int(ResultTamam);
        QTest::newRow("click Hayır") << 9 << "Hayır" << false << int(ResultHayir);
        QTest::newRow("Space on Vazgeç") << 11 << "Vazgeç" << true << int(ResultVazgec);
        QTest::newRow("click Tekrar Dene") << 7 << "Tekrar Dene" << false << int(ResultTekrarDene);
    }
    void clicksAndSpace() {
        QFETCH(int, style);
        QFETCH(QString, caption);
        QFETCH(bool, space);
        QFETCH(int, result);
        whenBoxShows([caption, space](MsgForm* box) {
            tvColorButton* b = slotWithCaption(box, caption);
            QVERIFY(b);
            if (space) {
                b->setFocus();
                QTest::keyClick(b, Qt::Key_Space);
            } else {
                pressAt(b, QPoint(30, 10));
                releaseAt(b, QPoint(31, 10));
            }
        });
        QCOMPARE(ShowMessage(QStringLiteral("Seçiniz."), style, 0, nullptr), result);
    }

    void closingOtherwiseAnswersAsCancel_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("result");
        QTest::newRow("0") << 0 << int(ResultTamam);
        QTest::newRow("9: never consent") << 9 << int(ResultHayir);
        QTest::newRow("10") << 10 << int(ResultIptal);
    }
    void closingOtherwiseAnswersAsCancel() {
        QFETCH(int, style);
        QFETCH(int, result);
        whenBoxShows([](MsgForm* box) { box->close(); });
        QCOMPARE(ShowMessage(QStringLiteral("Kapat"), style, 0, nullptr), result);
    }

    void leavingTheEventLoopsIsNoConsent() {
        // The application quitting while a question is open ends the wait:
        // the question answers as its cancel button, not with its style code.
        whenBoxShows([](MsgForm*) { QCoreApplication::exit(0); });
        const int result = ShowMessage(QStringLiteral("Kaydedilsin mi?"), 9, 1, nullptr);
        // Leaving the loops sticks until the application's own loop runs again.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        QCOMPARE(result, int(ResultHayir));
    }

    void ownerClosedWhileTheBoxIsOpen() {
        auto* owner = new QWidget;
        owner->setAttribute(Qt::WA_DeleteOnClose);
        owner->show();
        QVERIFY(QTest::qWaitForWindowExposed(owner));
        whenBoxShows([owner](MsgForm* box) {
            owner->close();
            QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_Return); });
        });
        QCOMPARE(ShowMessage(QStringLiteral("Sahipsiz"), 0, 0, owner), int(ResultTamam));
    }

    void boxWithoutButtonsCanBeDismissed() {
        whenBoxShows([](MsgForm* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(ShowMessage(QStringLiteral("?"), 99, 0, nullptr), int(ResultIptal));
    }

    void heightRule_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one line") << "Lütfen dönüştürülecek notu giriniz."
                                  << QStringList{"Lütfen dönüştürülecek notu giriniz."};
        QTest::newRow("three CR LF lines")
            << "Birinci satır\r\nİkinci, daha uzun olan satır\r\nÜç"
            << QStringList{"Birinci satır", "İkinci, daha uzun olan satır", "Üç"};
    }
    void heightRule() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        MsgForm box;
        loadBox(box, text, 9, 0);
        const QFontMetricsF fm(box.messageLabel()->font());
        double w = 0;
        for (const QString& line : lines)
            w = std::max(w, fm.horizontalAdvance(line) * 15);
        const double h = lines.size() * fm.height() * 15;
        const double label = h * (1 + w / 5175);
        QVERIFY(qAbs(box.labelHeightTwips() - label) < 0.1);
        QVERIFY(qAbs(box.height() - (label + 1495) / 15) <= 1);
        QVERIFY(qAbs(box.buttonSlot(0)->y() - (label + 920) / 15) <= 1);
        QCOMPARE(box.width(), 465);
        QCOMPARE(box.mainShape()->geometry(), QRect(0, 0, 465, box.height()));
        QCOMPARE(box.messageLabel()->geometry().topLeft(), QPoint(100, 44));
        QCOMPARE(box.messageLabel()->text().count(QLatin1Char('\n')), lines.size() - 1);
    }

    void longTextIsNeverCutOff() {
        MsgForm box;
        QString text;
        for (int i = 0; i < 40; ++i)
            text += QStringLiteral("Öğrencinin notu İİİ ŞŞŞ ĞĞĞ çok uzun bir açıklama ile verilmiştir. ");
        loadBox(box, text, 0, 1);
        QLabel* label = box.messageLabel();
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QVERIFY(box.buttonSlot(0)->y() >= label->geometry().bottom());
        QCOMPARE(box.width(), 465); // the box only grows downwards
    }

    void icons_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("stop");
        QTest::newRow("0: stop") << 0 << true;
        QTest::newRow("1: information") << 1 << false;
        QTest::newRow("7: information") << 7 << false;
    }
    void icons() {
        QFETCH(int, icon);
        QFETCH(bool, stop);
        MsgForm box;
        loadBox(box, QStringLiteral("İkon"), 0, icon);
        auto* imgStop = box.findChild<QLabel*>(QStringLiteral("img_stop"));
        auto* imgInfo = box.findChild<QLabel*>(QStringLiteral("img_info"));
        QCOMPARE(!imgStop->isHidden(), stop);
        QCOMPARE(!imgInfo->isHidden(), !stop);
        QCOMPARE(imgStop->geometry(), QRect(24, 36, 48, 48));
        const QImage picture = (stop ? imgStop : imgInfo)->pixmap().toImage();
        const QColor disc = picture.pixelColor(10, 24);
        QVERIFY(stop ? disc.red() > 150 && disc.blue() < 100 : disc.blue() > 150 && disc.red() < 100);
        QCOMPARE(picture.pixelColor(24, 24), QColor(Qt::white)); // the cross or the "i" at the centre
    }

    void theBoxItself() {
        whenBoxShows([](MsgForm* box) {
            QVERIFY(box->windowFlags().testFlag(Qt::FramelessWindowHint));
            QVERIFY(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QCOMPARE(box->windowTitle(), QStringLiteral("ZENDARO"));
            QCOMPARE(box->mainShape()->caption(), QStringLiteral("ZENDARO"));
            QCOMPARE(box->mainShape()->objectName(), QStringLiteral("MainShpe"));
            QCOMPARE(box->messageLabel()->objectName(), QStringLiteral("MsgLbl"));
            QCOMPARE(box->messageLabel()->text(), QStringLiteral("Merhaba"));
            const QPoint screenCentre = box->screen()->geometry().center();
            QVERIFY((box->geometry().center() - screenCentre).manhattanLength() <= 2);
            // the tab order runs from the shape over the buttons left to right
            QCOMPARE(box->mainShape()->nextInFocusChain(), box->buttonSlot(2));
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(ShowMessage(QStringLiteral("Merhaba"), 0, 0, nullptr), int(ResultTamam));
    }

    void ownerIsBarredWhileTheBoxIsOpen() {
        QWidget owner;
        owner.setGeometry(50, 50, 300, 200);
        auto* button = new QPushButton(QStringLiteral("Bas"), &owner);
        button->setGeometry(10, 10, 100, 30);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QSignalSpy clicked(button, &QPushButton::clicked);
        const QImage look = owner.grab().toImage();
        bool barredDuring = false;
        QImage lookDuring;
        whenBoxShows([&](MsgForm* box) {
            barredDuring = InputShield::isShielded(&owner);
            lookDuring = owner.grab().toImage();
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::keyClick(button, Qt::Key_Space);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        // the owner may be given as any widget of its window
        QCOMPARE(ShowMessage(QStringLiteral("Sahip"), 9, 0, button), int(ResultHayir));
        QVERIFY(barredDuring);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(lookDuring == look); // barred, but nothing of it painted disabled
        QVERIFY(owner.isEnabled() && button->isEnabled());
        QVERIFY(!InputShield::isShielded(&owner));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    void aBoxOverABoxKeepsTheOwnerBarred() {
        QWidget owner;
        owner.setGeometry(50, 50, 300, 200);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        int inner = -1;
        bool barredAfterInner = false;
        whenBoxShows([&](MsgForm* first) {
            // a timer of the application shows a second box while the first is open
            QPointer<MsgForm> outer(first);
            whenBoxShows([&, outer](MsgForm*) {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* box = qobject_cast<MsgForm*>(w); box && box != outer && box->isVisible())
                        QTest::keyClick(box, Qt::Key_Return);
            });
            // (the poll finds the first box again unless it is hidden from it)
            first->setObjectName(QStringLiteral("MsgFormOuter"));
            inner = ShowMessage(QStringLiteral("İkinci"), 9, 1, &owner);
            barredAfterInner = InputShield::isShielded(&owner);
            first->setObjectName(QStringLiteral("MsgForm"));
            QTest::keyClick(first, Qt::Key_Escape);
        });
        QCOMPARE(ShowMessage(QStringLiteral("Birinci"), 9, 0, &owner), int(ResultHayir));
        QCOMPARE(inner, int(ResultEvet));
        QVERIFY(barredAfterInner);
        QVERIFY(!InputShield::isShielded(&owner));
    }

    void draggingByTheBackgroundMovesTheBox() {
        MsgForm box;
        loadBox(box, QStringLiteral("Sürükle"), 0, 0);
        box.move(100, 100);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        tvShape* shape = box.mainShape();
        pressAt(shape, QPoint(200, 60), Qt::RightButton); // other buttons do not drag
        movePointer(shape, QPoint(230, 80), Qt::RightButton);
        releaseAt(shape, QPoint(230, 80), Qt::RightButton);
        QCOMPARE(box.pos(), QPoint(100, 100));

        pressAt(shape, QPoint(200, 60));
        movePointer(shape, QPoint(250, 90), Qt::LeftButton);
        QCOMPARE(box.pos(), QPoint(150, 130));
        // the shape moved with the box: the same screen point is now (200, 60) of it
        movePointer(shape, QPoint(210, 70), Qt::LeftButton);
        QCOMPARE(box.pos(), QPoint(160, 140));
        releaseAt(shape, QPoint(210, 70));
        movePointer(shape, QPoint(100, 50));
        QCOMPARE(box.pos(), QPoint(160, 140)); // released: the drag is over
        box.close();
    }

    void plainBox() {
        bool checked = false;
        QTimer::singleShot(0, [&checked] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("ZENDARO"));
            QCOMPARE(box->text(), QStringLiteral("Dönüşüm yapılamadı."));
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
            checked = true;
            box->button(QMessageBox::Ok)->click();
        });
        ShowPlainMessage(QStringLiteral("Dönüşüm yapılamadı."), nullptr);
        QVERIFY(checked);
    }
};

QTEST_MAIN(MsgBoxTest)
#include "tst_msgbox.moc"

// Saves pictures of the two conversion windows under a folder (default
// /tmp/zendaro-conversion), on a copy of the shipped database, so a person can
// look at them: before picking, after picking, in the middle of the result
// animation, and after a passing and a failing conversion; for the batch
// window also its course list empty and with a dozen courses, and the PDF
// report of that list (cogul-report.pdf; render it with pdftoppm), and the
// list after another other scale was picked.
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "TestDatabase.h"
#include "conversion/BatchWindow.h"
#include "conversion/OneToOneWindow.h"
#include "conversion/ReportPathDialog.h"
#include "ui/PictureBttn.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

using namespace zendaro;

namespace {

void save(QWidget& window, const QString& folder, const QString& name) {
    QApplication::processEvents();
    window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void pick(QWidget& window, const char* picker, const QString& text) {
    auto* combo = window.findChild<QComboBox*>(QString::fromLatin1(picker));
    const int index = combo->findText(text);
    if (index < 0) {
        std::fprintf(stderr, "no scale %s\n", qPrintable(text));
        return;
    }
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void type(QWidget& window, const char* box, const QString& text) {
    window.findChild<QLineEdit*>(QString::fromLatin1(box))->setText(text);
}

void convert(ConversionForm& window, const QString& grade, int ticks) {
    type(window, "TXT_DONUSTURULECEK_NOT", grade);
    emit window.findChild<PictureBttn*>(QStringLiteral("BTN_ZENDARO"))->LClick();
    for (int i = 0; (ticks < 0 || i < ticks) && window.advanceAnimation(); ++i) {
    }
}

// Every state of one window; `prefix` names its pictures.
void shoot(ConversionForm& window, const QString& folder, const QString& prefix, const QString& other,
           const QString& pass, const QString& fail, int midTicks) {
    window.show();
    QApplication::processEvents(); // the first activation fills the pickers
    save(window, folder, prefix + QStringLiteral("-1-before-picking"));
    pick(window, "CMB_KAYNAK_OLCEK", other);
    pick(window, "CMB_DORNELA_OLCEK", QStringLiteral("Dornela Lisans Not Sistemi"));
    if (window.findChild<QLineEdit*>(QStringLiteral("TXT_DERSNOTU"))) {
        type(window, "TXT_DERSNOTU", QStringLiteral("B+"));
        type(window, "TXT_KREDI", QStringLiteral("4"));
    }
    save(window, folder, prefix + QStringLiteral("-2-after-picking"));
    convert(window, pass, midTicks);
    save(window, folder, prefix + QStringLiteral("-3-mid-animation"));
    while (window.advanceAnimation()) {
    }
    save(window, folder, prefix + QStringLiteral("-4-pass"));
    convert(window, fail, -1);
    save(window, folder, prefix + QStringLiteral("-5-fail"));
}

// The link beside a result and the explanation window it opens (hesap.png:
// the manual's picture).
void shootExplanation(ConversionForm& window, const QString& folder) {
    convert(window, QStringLiteral("73"), -1);
    save(window, folder, QStringLiteral("birebir-6-link"));
    QTimer::singleShot(0, [folder] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        save(*modal, folder, QStringLiteral("hesap-window"));
        // The manual's pictures are 640 pixels wide (help/hesap.png).
        modal->grab()
            .toImage()
            .convertToFormat(QImage::Format_RGB32)
            .scaled(640, 479, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .save(folder + QStringLiteral("/hesap.png"));
        modal->close();
    });
    auto* link = window.findChild<QLabel*>(QStringLiteral("LBL_NASIL_HESAPLANDI"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(link, &press);
}

// Answers the report's save dialog with a path of the tool's own.
class FixedPath : public ReportPathChooser {
public:
    explicit FixedPath(QString path) : path_(std::move(path)) {}
    QString choosePdfPath(QWidget*, const QString&) override { return path_; }

private:
    QString path_;
};

// The course list of the batch window: empty, then a transcript of a dozen
// courses (one the scale does not have), then its report.
void shootCourses(BatchWindow& window, const QString& folder) {
    pick(window, "CMB_KAYNAK_OLCEK", QStringLiteral("ABD Harf Notu Sistemi (Harf Notu)"));
    pick(window, "CMB_DORNELA_OLCEK", QStringLiteral("Dornela Lisans Not Sistemi"));
    save(window, folder, QStringLiteral("cogul-6-empty-list"));
    const std::pair<const char*, const char*> transcript[] = {
        {"A", "4"}, {"A-", "3"}, {"B+", "5"}, {"B", "2"}, {"C+", "3"},   {"A", "6"},
        {"D", "2"}, {"F", "4"},  {"B-", "3"}, {"C", "2"}, {"A-", "1,5"}, {"B+", "4"}};
    auto* add = window.findChild<PictureBttn*>(QStringLiteral("BTN_LISTEYE_EKLE"));
    for (const auto& [grade, credit] : transcript) {
        type(window, "TXT_DERSNOTU", QString::fromUtf8(grade));
        type(window, "TXT_KREDI", QString::fromUtf8(credit));
        emit add->LClick();
    }
    save(window, folder, QStringLiteral("cogul-7-dozen-courses"));
    FixedPath path(folder + QStringLiteral("/cogul-report.pdf"));
    setReportPathChooser(&path);
    emit window.findChild<PictureBttn*>(QStringLiteral("BTN_RAPOR"))->LClick();
    setReportPathChooser(nullptr);
    // Another other scale: the letters are marked, a numeric course converts.
    pick(window, "CMB_KAYNAK_OLCEK", QStringLiteral("100'lük Sayısal Not Sistemi (Sayısal Not)"));
    type(window, "TXT_DERSNOTU", QStringLiteral("85"));
    type(window, "TXT_KREDI", QStringLiteral("3"));
    emit add->LClick();
    save(window, folder, QStringLiteral("cogul-8-other-scale"));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zendaro-conversion");
    QDir().mkpath(folder);
    test::RecordingMessages messages;
    auto db = test::TestDatabase::copyOfShipped();
    test::RecordingNavigator navigator;
    const RegionalSettings turkish = RegionalSettings::turkish();
    {
        auto* window = new OneToOneWindow(db.path(), turkish, navigator);
        // Mid-animation: the typed grade on its way back, the letter sliding out.
        shoot(*window, folder, QStringLiteral("birebir"),
              QStringLiteral("100'lük Sayısal Not Sistemi (Sayısal Not)"), QStringLiteral("85"),
              QStringLiteral("30"), 14 + 3 + 7);
        shootExplanation(*window, folder);
        delete window;
    }
    {
        auto* window = new BatchWindow(db.path(), turkish, navigator);
        // Mid-animation: the letter half way out from behind the convert button.
        shoot(*window, folder, QStringLiteral("cogul"), QStringLiteral("ABD Harf Notu Sistemi (Harf Notu)"),
              QStringLiteral("B+"), QStringLiteral("F"), 3 + 7);
        shootCourses(*window, folder);
        delete window;
    }
    // The report's own confirmation is the one message expected.
    if (messages.messages.size() == 1 &&
        messages.messages.first().text.startsWith(QStringLiteral("Rapor ")) &&
        messages.messages.first().text.endsWith(QStringLiteral("kaydedildi...")))
        messages.clear();
    if (!messages.messages.isEmpty()) {
        std::fprintf(stderr, "unexpected messages: %s\n",
                     qPrintable(messages.texts().join(QLatin1Char('|'))));
        return 1;
    }
    return 0;
}

// Saves pictures of the other-scale editor under a folder (default
// /tmp/zendaro-otherscale), on a copy of the shipped database, so a person can
// look at them: browsing, adding (equal interval; guided letter entry;
// variable interval) and editing.
#include "EditorDriver.h"

#include <QDir>

using namespace zendaro;

namespace {
void save(QWidget& window, const QString& folder, const QString& name) {
    QApplication::processEvents();
    window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zendaro-otherscale");
    QDir().mkpath(folder);
    auto shipped = test::TestDatabase::copyOfShipped();
    test::RecordingNavigator navigator;
    test::RecordingMessages messages;
    OtherScaleEditor editor(shipped.path(), RegionalSettings::turkish(), navigator);
    editor.show();
    (void)QTest::qWaitForWindowExposed(&editor);

    // A driver's helpers, on this editor.
    const auto press = [&](const char* name) {
        emit editor.findChild<PictureBttn*>(QString::fromLatin1(name))->LClick();
    };
    const auto box = [&](const char* name) {
        return editor.findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    const auto list = [&](const char* name) {
        return editor.findChild<QComboBox*>(QString::fromLatin1(name));
    };
    const auto type = [&](const char* name, const QString& text) {
        QLineEdit* target = box(name);
        target->setFocus();
        target->selectAll();
        test::typeText(target, text);
        QTest::keyClick(target, Qt::Key_Tab);
    };

    save(editor, folder, "browsing");

    press("BTN_OLCEK_EKLE");
    type("TXT_OLCEK_ADI", "Yüzlük Ölçek");
    list("CMB_NOT_SISTEMI")->setCurrentIndex(1);
    type("TXT_MAX_KALIR_NOT", "49");
    list("CMB_NOT_DAGILIMI")->setCurrentIndex(0);
    type("TXT_MAX_NOT", "100");
    type("TXT_NOT_ARALIGI", "5");
    press("BTN_OLCEK_OLUSTUR");
    save(editor, folder, "adding-equal-interval");

    list("CMB_NOT_SISTEMI")->setCurrentIndex(0);
    list("CMB_NOT_DAGILIMI")->setCurrentIndex(0);
    type("TXT_MAX_NOT", "4");
    type("TXT_NOT_ARALIGI", "0,5");
    type("TXT_MAX_KALIR_NOT", "1,5");
    press("BTN_OLCEK_OLUSTUR");
    for (const char* letter : {"AA", "BA", "BB"}) {
        type("TXT_NOT_EKLEME_HARF_NOTU", QString::fromLatin1(letter));
        press("BTN_OLCEGE_EKLE");
    }
    save(editor, folder, "adding-guided-letters");

    list("CMB_NOT_DAGILIMI")->setCurrentIndex(1);
    for (const auto& [letter, value] : {std::pair{"A", "90"}, std::pair{"B", "75"}, std::pair{"F", "40"}}) {
        type("TXT_NOT_EKLEME_HARF_NOTU", QString::fromLatin1(letter));
        type("TXT_NOT_EKLEME_SAYISAL_NOT", QString::fromLatin1(value));
        press("BTN_OLCEGE_EKLE");
    }
    type("TXT_NOT_EKLEME_HARF_NOTU", QStringLiteral("C"));
    save(editor, folder, "adding-variable-interval");

    press("BTN_OLCEK_VAZGEC");
    press("BTN_OLCEK_DUZENLE");
    save(editor, folder, "editing");

    press("BTN_OLCEK_VAZGEC");
    auto* scales = editor.findChild<DataGrid*>(QStringLiteral("DG_DIGER_OLCEKLER"));
    QTest::mouseClick(scales->viewport(), Qt::LeftButton, {},
                      scales->visualRect(scales->model()->index(2, 0)).center());
    save(editor, folder, "browsing-letters");
    press("BTN_OLCEK_DUZENLE");
    save(editor, folder, "editing-letters");
    return 0;
}

// Saves pictures of the home-scale editor in its three states under a folder
// (default /tmp/zendaro-homescale), on a copy of the shipped database, so a
// person can look at them.
#include "RecordingNavigator.h"
#include "TestDatabase.h"
#include "homescale/HomeScaleEditor.h"
#include "ui/PictureBttn.h"

#include <QApplication>
#include <QDir>

using namespace zendaro;

namespace {
void save(QWidget& window, const QString& folder, const QString& name) {
    QApplication::processEvents();
    window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}
void press(QWidget& window, const char* name) {
    emit window.findChild<PictureBttn*>(QString::fromLatin1(name))->LClick();
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zendaro-homescale");
    QDir().mkpath(folder);
    auto db = test::TestDatabase::copyOfShipped();
    test::RecordingNavigator navigator;
    HomeScaleEditor editor(db.path(), QLocale(QLocale::Turkish, QLocale::Turkey), navigator);
    editor.show();
    save(editor, folder, "browsing");
    press(editor, "BTN_OLCEK_EKLE");
    save(editor, folder, "adding");
    press(editor, "BTN_OLCEK_VAZGEC");
    press(editor, "BTN_OLCEK_DUZENLE");
    save(editor, folder, "changing");
    return 0;
}

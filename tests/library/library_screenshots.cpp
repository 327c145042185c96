// Saves pictures of FRMKUTUPHANE over the other-scale editor under a folder
// (default /tmp/zendaro-library), on a copy of the shipped database with the
// library beside it, so a person can look at them. "kutuphane.png" is the
// manual's picture help/kutuphane.png.
#include "EditorDriver.h"
#include "otherscale/LibraryWindow.h"

#include <QDir>
#include <QFile>

using namespace zendaro;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zendaro-library");
    QDir().mkpath(folder);
    auto shipped = test::TestDatabase::copyOfShipped();
    QFile::copy(QStringLiteral(ZENDARO_SOURCE_DIR "/data/library/KUTUPHANE.zolcek"),
                shipped.folder() + QStringLiteral("/KUTUPHANE.zolcek"));
    test::RecordingNavigator navigator;
    test::RecordingMessages messages;
    OtherScaleEditor editor(shipped.path(), RegionalSettings::turkish(), navigator);
    editor.show();
    (void)QTest::qWaitForWindowExposed(&editor);
    editor.grab().save(folder + QStringLiteral("/editor.png"));

    emit editor.findChild<PictureBttn*>(QStringLiteral("BTN_KUTUPHANE"))->LClick();
    auto* window = editor.findChild<LibraryWindow*>(QStringLiteral("FRMKUTUPHANE"));
    if (!window)
        return 1;
    (void)QTest::qWaitForWindowExposed(window);
    QApplication::processEvents();
    window->grab().save(folder + QStringLiteral("/library.png"));
    auto* query = window->findChild<QLineEdit*>(QStringLiteral("TXT_ARA"));
    test::typeText(query, QStringLiteral("almanya"));
    QApplication::processEvents();
    const QPixmap searched = window->grab();
    searched.save(folder + QStringLiteral("/library-search.png"));
    // The manual's pictures are 640 pixels wide.
    searched.toImage()
        .convertToFormat(QImage::Format_RGB32)
        .scaled(640, 479, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .save(folder + QStringLiteral("/kutuphane.png"));
    return 0;
}

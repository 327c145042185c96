#pragma once

#include "GuiHelpers.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "conversion/RegionalSettings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWindow>

namespace zendaro::test {

// A conversion window under test, shown on a database, with the message
// service and the navigator recording, and a user's hands: picking scales by
// their ids and running the animation to its end.
template <typename Window> struct ConversionWindowDriver {
    RecordingMessages messages;
    RecordingNavigator navigator;
    Window* window;
    QPointer<Window> alive;

    explicit ConversionWindowDriver(const QString& path,
                                    const RegionalSettings& regional = RegionalSettings::turkish())
        : window(new Window(path, regional, navigator)), alive(window) {
        window->show();
        // A window that hands over closes at once and is deleted: waited for
        // through the guarded pointer.
        (void)QTest::qWaitFor([this] {
            return alive.isNull() || (alive->windowHandle() != nullptr && alive->windowHandle()->isExposed());
        });
        QCoreApplication::processEvents(); // the first activation
    }
    ~ConversionWindowDriver() { delete alive.data(); }
    ConversionWindowDriver(const ConversionWindowDriver&) = delete;
    ConversionWindowDriver& operator=(const ConversionWindowDriver&) = delete;

    template <typename T> T* get(const char* name) { return control<T>(window, QString::fromLatin1(name)); }
    QLineEdit* input() { return get<QLineEdit>("TXT_DONUSTURULECEK_NOT"); }
    QLabel* letter() { return get<QLabel>("LBL_DORNELA_HARF_NOTU"); }
    QLabel* numeric() { return get<QLabel>("LBL_DORNELA_SAYISAL_NOT"); }

    void pick(const char* picker, qint64 id) {
        auto* combo = get<QComboBox>(picker);
        const int index = combo->findData(id);
        QVERIFY2(index >= 0, picker);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void choose(qint64 other, qint64 home) {
        pick("CMB_KAYNAK_OLCEK", other);
        pick("CMB_DORNELA_OLCEK", home);
    }
    // What the user sees of the parts of the window an animation must leave
    // alone: the left picker and the "ANA MENÜ" button, as painted.
    QList<QImage> lookOfControls() {
        return {get<QWidget>("CMB_KAYNAK_OLCEK")->grab().toImage(),
                get<QWidget>("BTN_BACK")->grab().toImage()};
    }
    // The colour painted in a row of a grid, beside the text of its middle column.
    QColor rowColour(const char* grid, int row) {
        auto* view = get<QAbstractItemView>(grid);
        const QRect cell = view->visualRect(view->model()->index(row, 1));
        return view->viewport()->grab().toImage().pixelColor(cell.left() + 3, cell.center().y());
    }
    QColor highlight(const char* grid) {
        return get<QWidget>(grid)->palette().color(QPalette::Active, QPalette::Highlight);
    }

    void finishAnimation() {
        for (int guard = 0; guard < 100 && window->advanceAnimation(); ++guard) {
        }
    }
};

} // namespace zendaro::test

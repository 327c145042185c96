#pragma once

#include "GuiHelpers.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "TestDatabase.h"
#include "otherscale/OtherScaleEditor.h"
#include "otherscale/OtherScaleEntry.h"
#include "ui/DataGrid.h"
#include "ui/PictureBttn.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace zendaro::test {

// The other-scale editor on a fresh database, driven as a user drives it:
// picture buttons clicked where they are, text typed key by key, list items
// chosen.
struct EditorDriver {
    TestDatabase db;
    RecordingMessages messages;
    RecordingNavigator navigator;
    OtherScaleEditor editor;

    explicit EditorDriver(const QString& sql = {})
        : db(sql), editor(db.path(), RegionalSettings::turkish(), navigator) {
        editor.show();
        QApplication::setActiveWindow(&editor);
        (void)QTest::qWaitForWindowActive(&editor);
    }

    template <typename T> T* get(const char* name) { return control<T>(&editor, QLatin1String(name)); }
    QLineEdit* box(const char* name) { return get<QLineEdit>(name); }
    QLineEdit* name() { return box("TXT_OLCEK_ADI"); }
    QLineEdit* maxFail() { return box("TXT_MAX_KALIR_NOT"); }
    QLineEdit* letter() { return box("TXT_NOT_EKLEME_HARF_NOTU"); }
    QLineEdit* value() { return box("TXT_NOT_EKLEME_SAYISAL_NOT"); }
    QComboBox* system() { return get<QComboBox>("CMB_NOT_SISTEMI"); }
    QComboBox* distribution() { return get<QComboBox>("CMB_NOT_DAGILIMI"); }
    DataGrid* grid(const char* name) { return get<DataGrid>(name); }
    bool shown(const char* name) { return get<QWidget>(name)->isVisible(); }
    bool enabled(const char* name) { return get<QWidget>(name)->isEnabled(); }
    int rows(const char* grid) { return this->grid(grid)->model()->rowCount(); }
    QString cell(const char* grid, int row, int column) {
        return this->grid(grid)->model()->index(row, column).data().toString();
    }

    void click(const char* name) {
        auto* button = get<PictureBttn>(name);
        if (!button->isVisible())
            qFatal("%s is not visible", name);
        clickOn(button);
    }
    // Replaces a box's text as a user does: click into it (its text gets
    // selected), type, leave it with Tab.
    void type(QLineEdit* target, const QString& text) {
        target->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        target->selectAll();
        typeText(target, text);
        QTest::keyClick(target, Qt::Key_Tab);
    }
    // "Ölçek Ekle", the name, the grading system and the max fail grade.
    void startScale(const QString& scaleName, int gradingSystem, const QString& maxFailText) {
        click("BTN_OLCEK_EKLE");
        type(name(), scaleName);
        system()->setCurrentIndex(gradingSystem);
        type(maxFail(), maxFailText);
    }
    // "Eşit Aralık" from `highest` by `interval`, then "Ölçek Oluştur".
    void generate(const QString& highest, const QString& interval) {
        distribution()->setCurrentIndex(0);
        type(box("TXT_MAX_NOT"), highest);
        type(box("TXT_NOT_ARALIGI"), interval);
        click("BTN_OLCEK_OLUSTUR");
    }
    // One grade by hand: its letter (letter scales) and value, "Ölçeğe Ekle".
    void addGrade(const QString& letterText, const QString& valueText) {
        if (!letterText.isEmpty())
            type(letter(), letterText);
        if (!valueText.isEmpty())
            type(value(), valueText);
        click("BTN_OLCEGE_EKLE");
    }
    // The "Notu Sil" button of a row of the working grade list.
    void removeRow(int row) {
        DataGrid* list = grid("DG_ARRAY");
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Selects a row of the scale list with the mouse.
    void selectScale(int row) {
        DataGrid* list = grid("DG_DIGER_OLCEKLER");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
    }

    // The database, read directly.
    int count(const QString& sql) { return db.scalar(sql).toInt(); }
    // Fields of one scale row, joined with "|" (TestDatabase::row).
    QString scaleFields(const QString& fields, qint64 scaleId) {
        return db.row(QStringLiteral("SELECT %1 FROM diger_olcek WHERE id=%2").arg(fields).arg(scaleId));
    }
    // Numbers written as SQL literals ("10, 1.88, 0"), as scaleFields gives them.
    static QString exactNumbers(const QString& literals) {
        QStringList out;
        for (const QString& literal : literals.split(QLatin1Char(',')))
            out << TestDatabase::exact(literal.trimmed().toDouble());
        return out.join(QLatin1Char('|'));
    }
    // One field of a scale's grades in id order, joined with "|".
    QString gradeColumn(const QString& field, qint64 scaleId) {
        QStringList values;
        for (const QVariant& value :
             db.column(QStringLiteral("SELECT %1 FROM diger_notlar WHERE olcek_id=%2 ORDER BY id")
                           .arg(field)
                           .arg(scaleId)))
            values << TestDatabase::exact(value);
        return values.join(QLatin1Char('|'));
    }
};

} // namespace zendaro::test

#pragma once

#include "GuiHelpers.h"
#include "RecordingMessages.h"
#include "conversion/RegionalSettings.h"
#include "otherscale/OtherScaleEntry.h"
#include "ui/DataGrid.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

namespace zendaro::test {

// A window holding the real controls of the other-scale editor's parameter
// and entry area, nested in their frames as the editor nests them, with an
// OtherScaleEntry over them.
struct EntryHarness {
    RecordingMessages messages;
    QWidget window;
    std::unique_ptr<OtherScaleEntry> entry;

    explicit EntryHarness(const RegionalSettings& settings = RegionalSettings::turkish()) {
        window.setObjectName(QStringLiteral("FRMHARNESS"));
        auto* layout = new QVBoxLayout(&window);
        auto add = [&](QWidget* w, const char* name, QWidget* into = nullptr) {
            w->setObjectName(QLatin1String(name));
            if (into)
                into->layout()->addWidget(w);
            else
                layout->addWidget(w);
            return w;
        };
        auto frame = [&](QWidget* w, const char* name) {
            add(w, name);
            new QVBoxLayout(w);
            return w;
        };
        add(new QLineEdit, "TXT_OLCEK_ADI");
        add(new QComboBox, "CMB_NOT_SISTEMI");
        add(new QLineEdit, "TXT_MAX_KALIR_NOT");
        QWidget* distribution = frame(new QFrame, "CER_MAX_KALIR_NOT");
        add(new QComboBox, "CMB_NOT_DAGILIMI", distribution);
        QWidget* equal = frame(new QFrame, "CER_ESIT_ARALIKLI_DAGILIM");
        add(new QLineEdit, "TXT_MAX_NOT", equal);
        add(new QLineEdit, "TXT_MIN_NOT", equal);
        add(new QLineEdit, "TXT_NOT_ARALIGI", equal);
        QWidget* manual = frame(new QGroupBox(QStringLiteral("ÖLÇEĞE NOT EKLEME")), "CER_NOT_EKLE");
        add(new QLabel(QStringLiteral("Harf Notu :")), "LBL_NOT_EKLEME_HARF_NOTU", manual);
        add(new QLineEdit, "TXT_NOT_EKLEME_HARF_NOTU", manual);
        add(new QLabel, "LBL_NOT_EKLEME_SAYISAL_NOT", manual);
        add(new QLineEdit, "TXT_NOT_EKLEME_SAYISAL_NOT", manual);
        layout->addWidget(new DataGrid(QStringLiteral("DG_ARRAY")));
        window.resize(500, 700);

        entry = std::make_unique<OtherScaleEntry>(OtherScaleControls::find(&window), settings);
        window.show();
        QApplication::setActiveWindow(&window);
        (void)QTest::qWaitForWindowActive(&window);
    }

    template <typename T> T* get(const char* name) { return control<T>(&window, QLatin1String(name)); }
    QLineEdit* box(const char* name) { return get<QLineEdit>(name); }
    QLineEdit* maxFail() { return box("TXT_MAX_KALIR_NOT"); }
    QLineEdit* maxGrade() { return box("TXT_MAX_NOT"); }
    QLineEdit* minGrade() { return box("TXT_MIN_NOT"); }
    QLineEdit* interval() { return box("TXT_NOT_ARALIGI"); }
    QLineEdit* letter() { return box("TXT_NOT_EKLEME_HARF_NOTU"); }
    QLineEdit* value() { return box("TXT_NOT_EKLEME_SAYISAL_NOT"); }
    QComboBox* system() { return get<QComboBox>("CMB_NOT_SISTEMI"); }
    QComboBox* distribution() { return get<QComboBox>("CMB_NOT_DAGILIMI"); }
    DataGrid* grid() { return get<DataGrid>("DG_ARRAY"); }
    bool shown(const char* name) { return get<QWidget>(name)->isVisibleTo(&window); }

    // "Ölçek Ekle" as far as these controls are concerned: add mode, then the two lists.
    void startAdding(int gradingSystem, int gradeDistribution) {
        entry->setMode(QStringLiteral("EKLE"));
        system()->setCurrentIndex(gradingSystem);
        distribution()->setCurrentIndex(gradeDistribution);
    }

    // The user clicks into a box (its text gets selected), types, and leaves it with Tab.
    void enter(QLineEdit* target, const QString& text) {
        target->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        typeText(target, text);
        QTest::keyClick(target, Qt::Key_Tab);
    }
    // Replaces a box's text (the program, or the user's whole-text typing).
    void replace(QLineEdit* target, const QString& text) {
        target->setFocus();
        target->selectAll();
        if (text.isEmpty())
            QTest::keyClick(target, Qt::Key_Backspace);
        else
            typeText(target, text);
    }

    QString cell(int row, int column) { return grid()->model()->index(row, column).data().toString(); }
    QVector<double> values() {
        QVector<double> out;
        for (const WorkingGrade& g : entry->grades().rows())
            out << g.value;
        return out;
    }
    QStringList statuses() {
        QStringList out;
        for (const WorkingGrade& g : entry->grades().rows())
            out << g.status;
        return out;
    }
    QWidget* focus() { return QApplication::focusWidget(); }
};

} // namespace zendaro::test

// Hostile text in the grade boxes of both conversion windows: the box keeps
// at most its limit, a conversion of it ends in the one right message (never
// a result, never an error), and the database is untouched.
#include "../conversion/ConversionFixture.h"
#include "GuiHelpers.h"
#include "HostileTexts.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "conversion/BatchWindow.h"
#include "conversion/ConversionForm.h"
#include "conversion/ConvertGrade.h"
#include "conversion/OneToOneWindow.h"
#include "ui/PictureBttn.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <memory>

using namespace zendaro;
using namespace zendaro::test;

namespace {

constexpr int GradeLimit = 5;
const QString LetterScaleName = QStringLiteral("Harf Ölçeği"); // fixture::Letters

// One conversion window, one-to-one or batch, with both scales picked.
struct Window {
    RecordingMessages messages;
    RecordingNavigator navigator;
    QPointer<QWidget> window;

    Window(bool batch, const QString& path, qint64 otherScale) {
        if (batch)
            window = new BatchWindow(path, RegionalSettings::turkish(), navigator);
        else
            window = new OneToOneWindow(path, RegionalSettings::turkish(), navigator);
        window->show();
        (void)QTest::qWaitForWindowExposed(window);
        QCoreApplication::processEvents(); // the first activation
        pick("CMB_KAYNAK_OLCEK", otherScale);
        pick("CMB_DORNELA_OLCEK", fixture::HomeLadder);
    }
    ~Window() { delete window.data(); }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    template <typename T> T* get(const char* name) { return control<T>(window, QString::fromLatin1(name)); }

    void pick(const char* picker, qint64 id) {
        auto* combo = get<QComboBox>(picker);
        const int index = combo->findData(id);
        QVERIFY2(index >= 0, picker);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // The convert button, then any animation run to its end.
    void convert() {
        clickOn(get<PictureBttn>("BTN_ZENDARO"));
        auto* form = qobject_cast<ConversionForm*>(window);
        QVERIFY(form);
        for (int guard = 0; guard < 200 && form->advanceAnimation(); ++guard) {
        }
    }
};

} // namespace

class TestHostileConversion : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { db_ = std::make_unique<TestDatabase>(conversionFixtureSql()); }

    void gradeBoxRefusesHostileText_data();
    void gradeBoxRefusesHostileText();
    void courseBoxesKeepTheirLimits();

private:
    std::unique_ptr<TestDatabase> db_;
};

void TestHostileConversion::gradeBoxRefusesHostileText_data() {
    QTest::addColumn<bool>("batch");
    QTest::addColumn<qint64>("scale");
    QTest::addColumn<QString>("text");
    QList<HostileText> texts = hostileTexts();
    // A NUL must not cut the typed grade short: "AA" followed by it is no grade.
    texts.append({"grade then nul", QStringLiteral("AA") + QChar(0) + QStringLiteral("x")});
    texts.append({"grade then quote", QStringLiteral("AA'")});
    for (const bool batch : {false, true})
        for (const qint64 scale : {fixture::Letters, fixture::Hundred})
            for (const HostileText& hostile : texts)
                QTest::addRow("%s, %s scale, %s", batch ? "batch" : "one-to-one",
                              scale == fixture::Letters ? "letter" : "numeric", hostile.name)
                    << batch << scale << hostile.text;
}

void TestHostileConversion::gradeBoxRefusesHostileText() {
    QFETCH(bool, batch);
    QFETCH(qint64, scale);
    QFETCH(QString, text);
    const QString before = tablesAndCounts(*db_);
    Window w(batch, db_->path(), scale);
    auto* box = w.get<QLineEdit>("TXT_DONUSTURULECEK_NOT");
    pasteInto(box, text);
    QCOMPARE(box->text(), text.left(GradeLimit));
    w.convert();

    const QString kept = text.left(GradeLimit).trimmed();
    const QString expected = kept.isEmpty()              ? EmptyInputText()
                             : scale == fixture::Hundred ? NotANumberText()
                                                         : GradeNotFoundText(LetterScaleName);
    QCOMPARE(w.messages.texts(), QStringList{expected});
    auto* letter = w.get<QLabel>("LBL_DORNELA_HARF_NOTU"); // no home letter shown
    QVERIFY2(!letter->isVisible() || letter->text().isEmpty(), qPrintable(letter->text()));
    QVERIFY(w.window->isEnabled());
    QCOMPARE(tablesAndCounts(*db_), before);
}

void TestHostileConversion::courseBoxesKeepTheirLimits() {
    Window w(true, db_->path(), fixture::Letters);
    const QString paste = QString(10000, QChar(u'9')) + QStringLiteral("'); DROP TABLE diger_notlar; --");
    for (const auto& [name, limit] : {std::pair{"TXT_DERSNOTU", 5}, std::pair{"TXT_KREDI", 50}}) {
        auto* box = w.get<QLineEdit>(name);
        pasteInto(box, paste);
        QCOMPARE(box->text(), paste.left(limit));
    }
    QCOMPARE(w.messages.texts(), QStringList{});
}

QTEST_MAIN(TestHostileConversion)
#include "tst_hostileconversion.moc"

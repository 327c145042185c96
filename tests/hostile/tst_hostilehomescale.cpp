// Hostile text in the name box of the home-scale editor: whatever is typed or
// pasted is stored as text, exactly as the box holds it (trimmed, cut at 40
// characters), and nothing of it runs as SQL.
#include "GuiHelpers.h"
#include "HostileTexts.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "homescale/HomeScaleEditor.h"
#include "ui/PictureBttn.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <algorithm>

using namespace zendaro;
using namespace zendaro::test;

namespace {

const char* oneScale = R"(
INSERT INTO dornela_olcek (id, olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN) VALUES
  (1, 'Lisans Ölçeği', 'Lisans', 4, 2.5, 2.0, 0);
INSERT INTO dornela_notlar (olcek_id, harf_notu, sayisal_not, durum) VALUES
  (1,'AA',4,'GEÇER'),(1,'BA',3.5,'GEÇER'),(1,'BB',3,'GEÇER'),(1,'CB',2.5,'GEÇER'),(1,'CC',2,'KALIR'),
  (1,'DC',1.5,'KALIR'),(1,'DD',1,'KALIR'),(1,'FD',0.5,'KALIR'),(1,'FF',0,'KALIR');
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, max_GN, min_GN, max_KN, min_KN, gecer_not_sayisi,
                         kalir_not_sayisi) VALUES (1, 'ABD', 'Harf Notu', 4, 1, 0, 0, 1, 1);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1, 'A', 4, 'Geçer', 0), (1, 'F', 0, 'Kalır', 0);
)";

constexpr int NameLimit = 40;

} // namespace

class TestHostileHomeScale : public QObject {
    Q_OBJECT
private slots:
    void nameIsStoredAsTheBoxHoldsIt_data();
    void nameIsStoredAsTheBoxHoldsIt();
};

void TestHostileHomeScale::nameIsStoredAsTheBoxHoldsIt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    for (const HostileText& hostile : hostileTexts()) {
        QTest::addRow("%s, pasted", hostile.name) << hostile.text << false;
        const bool printable =
            std::all_of(hostile.text.cbegin(), hostile.text.cend(), [](QChar c) { return c.isPrint(); });
        if (printable && hostile.text.size() <= NameLimit)
            QTest::addRow("%s, typed", hostile.name) << hostile.text << true;
    }
    QTest::addRow("blanks around, pasted") << QStringLiteral("   ' OR 1=1 --   ") << false;
    QTest::addRow("cut inside a combining pair")
        << (QString(NameLimit - 1, QChar(u'x')) + QStringLiteral("e\u0301")) << false;
}

void TestHostileHomeScale::nameIsStoredAsTheBoxHoldsIt() {
    QFETCH(QString, text);
    QFETCH(bool, typed);
    TestDatabase db(QString::fromUtf8(oneScale));
    const QString before = tablesAndCounts(db);
    RecordingMessages messages;
    RecordingNavigator navigator;
    HomeScaleEditor editor(db.path(), QLocale(QLocale::Turkish, QLocale::Turkey), navigator);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));

    clickOn(control<PictureBttn>(&editor, QStringLiteral("BTN_OLCEK_EKLE")));
    auto* name = control<QLineEdit>(&editor, QStringLiteral("TXT_OLCEK_ADI"));
    if (typed)
        typeText(name, text);
    else
        pasteInto(name, text);
    QCOMPARE(name->text(), text.left(NameLimit));
    control<QComboBox>(&editor, QStringLiteral("CMB_EGITIM_DUZEYI"))->setCurrentIndex(0);
    control<QComboBox>(&editor, QStringLiteral("CMB_MAX_KN"))->setCurrentIndex(0);
    clickOn(control<PictureBttn>(&editor, QStringLiteral("BTN_OLCEK_KAYDET")));

    const QString expected = text.left(NameLimit).trimmed();
    QCOMPARE(name->text(), expected);
    QCOMPARE(messages.texts(), QStringList{});
    const QString stored =
        storedText(db, QStringLiteral("olcek_adi"), QStringLiteral("FROM dornela_olcek WHERE id <> 1"));
    QCOMPARE(stored, expected);
    // One scale more, with its nine grades; every table still there.
    QString after = before;
    after.replace(QStringLiteral("dornela_olcek=1"), QStringLiteral("dornela_olcek=2"));
    after.replace(QStringLiteral("dornela_notlar=9"), QStringLiteral("dornela_notlar=18"));
    QCOMPARE(tablesAndCounts(db), after);
}

QTEST_MAIN(TestHostileHomeScale)
#include "tst_hostilehomescale.moc"

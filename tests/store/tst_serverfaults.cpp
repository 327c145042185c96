// Faults of a server store: the server stopped or restarted in the middle of
// a session (a clear message, nothing half written, the next action connects
// again by itself) and the refusals of a login (a password wanted or wrong, an
// unknown database or role, a missing table), each with what to do. On a
// cluster of this suite's own: it is crashed and its logins are changed.
#include "PrivateServer.h"
#include "store/DataView.h"
#include "store/ServerLogin.h"
#include "store/StoreAddress.h"
#include "store/StoreConnection.h"
#include "store/StoreError.h"
#include "store/StoreTransaction.h"

#include <QTest>
#include <memory>

using namespace zendaro;
using zendaro::test::PrivateServer;

class ServerFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void restartWhileIdleIsNotNoticed();
    void actionWhileDownFailsClearlyThenReconnects();
    void crashInsideTransactionLeavesNothingHalfWritten();
    void refusalsSayWhatToDo_data();
    void refusalsSayWhatToDo();
    void passwordAskedWhenNoPlaceHoldsOne_data();
    void passwordAskedWhenNoPlaceHoldsOne();
    void passwordKeptForTheSession();

private:
    qint64 rowCount() const;
    std::unique_ptr<PrivateServer> server_;
};

namespace {

const QString kRows = QStringLiteral("SELECT id, ad FROM kayit ORDER BY id");
const QString kPassword = QStringLiteral("Doğru-parola 1");

QString passwordServer(const PrivateServer& server) {
    return StoreAddress::Server(server.host(), 0, QStringLiteral("zendaro_test"), QStringLiteral("parolali"))
        .text();
}

} // namespace

qint64 ServerFaultsTest::rowCount() const {
    DataView view;
    view.SetDatabaseName(server_->address());
    view.SetRecordSource(kRows);
    view.Refresh();
    return view.RecordCount();
}

void ServerFaultsTest::initTestCase() {
    server_ = std::make_unique<PrivateServer>();
    server_->superuser(QStringLiteral("CREATE TABLE kayit (id SERIAL PRIMARY KEY, ad TEXT NOT NULL);"
                                      "INSERT INTO kayit (ad) VALUES ('bir'), ('iki');"
                                      "GRANT ALL ON kayit, kayit_id_seq TO zendaro;"),
                       QStringLiteral("zendaro_test"));
    // A role that logs in with a password only (the others are trusted).
    server_->addPasswordRole(QStringLiteral("parolali"), kPassword);
}

void ServerFaultsTest::init() {
    ForgetServerPasswords();
    SetServerPasswordPrompt({});
}

void ServerFaultsTest::cleanup() {
    SetServerPasswordPrompt({});
    qunsetenv("PGPASSWORD");
}

void ServerFaultsTest::restartWhileIdleIsNotNoticed() {
    DataView view;
    view.SetDatabaseName(server_->address());
    view.SetRecordSource(kRows);
    view.Refresh();
    QCOMPARE(view.RecordCount(), 2);
    server_->crash();
    server_->restart();
    // The connection the view holds died with the server; the next action
    // finds it broken and opens a new one before its statement.
    view.Refresh();
    QCOMPARE(view.RecordCount(), 2);
    QCOMPARE(view.Field(QStringLiteral("ad")).toString(), QStringLiteral("bir"));
}

void ServerFaultsTest::actionWhileDownFailsClearlyThenReconnects() {
    DataView view;
    view.SetDatabaseName(server_->address());
    view.SetRecordSource(kRows);
    view.Refresh();
    server_->crash();
    for (int action = 0; action < 2; ++action) {
        try {
            view.Refresh();
            QFAIL("a query on a stopped server succeeded");
        } catch (const StoreError& e) {
            QVERIFY2(e.text().startsWith(QStringLiteral("Veritabanı sunucusuna bağlanılamadı: ") +
                                         StoreAddress::Parse(server_->address()).description()),
                     qPrintable(e.text()));
            QVERIFY2(e.text().contains(QStringLiteral("Sunucu çalışmıyor")), qPrintable(e.text()));
        }
    }
    server_->restart();
    view.Refresh();
    QCOMPARE(view.RecordCount(), 2);
}

void ServerFaultsTest::crashInsideTransactionLeavesNothingHalfWritten() {
    DataView view;
    view.SetDatabaseName(server_->address());
    view.SetRecordSource(kRows);
    view.Refresh();
    const qint64 before = view.RecordCount();
    try {
        StoreTransaction transaction(view);
        view.AddNew();
        view.SetField(QStringLiteral("ad"), QStringLiteral("yarım"));
        view.Update();
        server_->crash();
        view.AddNew();
        view.SetField(QStringLiteral("ad"), QStringLiteral("kayıp"));
        view.Update();
        transaction.commit();
        QFAIL("a transaction was committed on a stopped server");
    } catch (const StoreError& e) {
        QVERIFY2(e.text().startsWith(QStringLiteral("Veritabanı sunucu")), qPrintable(e.text()));
    }
    server_->restart();
    QCOMPARE(rowCount(), before);
    // The view that saw the failure goes on working on the new connection.
    view.AddNew();
    view.SetField(QStringLiteral("ad"), QStringLiteral("sonra"));
    view.Update();
    QCOMPARE(rowCount(), before + 1);
}

void ServerFaultsTest::refusalsSayWhatToDo_data() {
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("says");
    QTest::newRow("unknown database") << "yok_boyle"
                                      << "zendaro" << kRows << "Ad değerini denetleyiniz";
    QTest::newRow("unknown role") << "zendaro_test"
                                  << "kimse" << kRows << "Kullanici değerini denetleyiniz";
    QTest::newRow("missing table") << "zendaro_test"
                                   << "zendaro"
                                   << "SELECT id FROM olcek_yok"
                                   << "Veritabanında gerekli bir tablo ya da alan yok.";
    QTest::newRow("password wanted, no prompt") << "zendaro_test"
                                                << "parolali" << kRows << "parola istiyor; parola girilmedi";
}

void ServerFaultsTest::refusalsSayWhatToDo() {
    QFETCH(QString, database);
    QFETCH(QString, user);
    QFETCH(QString, query);
    QFETCH(QString, says);
    DataView view;
    view.SetDatabaseName(StoreAddress::Server(server_->host(), 0, database, user).text());
    view.SetRecordSource(query);
    try {
        view.Refresh();
        QFAIL("the view was refreshed");
    } catch (const StoreError& e) {
        QVERIFY2(e.text().contains(says), qPrintable(e.text()));
    }
}

void ServerFaultsTest::passwordAskedWhenNoPlaceHoldsOne_data() {
    QTest::addColumn<QStringList>("answers"); // "-": the user gives none
    QTest::addColumn<QString>("environment"); // PGPASSWORD, libpq's own place
    QTest::addColumn<int>("asked");
    QTest::addColumn<QString>("says"); // empty: connected
    QTest::newRow("right at once") << QStringList{kPassword} << "" << 1 << "";
    QTest::newRow("wrong, then right") << QStringList{QStringLiteral("yanlış"), kPassword} << "" << 2 << "";
    QTest::newRow("wrong, then none")
        << QStringList{QStringLiteral("yanlış"), QStringLiteral("-")} << "" << 2 << "parolayı kabul etmedi";
    QTest::newRow("none given") << QStringList{QStringLiteral("-")} << "" << 1 << "parola girilmedi";
    QTest::newRow("libpq's place serves first") << QStringList{} << kPassword << 0 << "";
    QTest::newRow("libpq's place wrong: not asked")
        << QStringList{} << "yanlış" << 0 << "parolayı kabul etmedi. Lütfen parolanızı denetleyiniz";
}

void ServerFaultsTest::passwordAskedWhenNoPlaceHoldsOne() {
    QFETCH(QStringList, answers);
    QFETCH(QString, environment);
    QFETCH(int, asked);
    QFETCH(QString, says);
    if (!environment.isEmpty())
        qputenv("PGPASSWORD", environment.toUtf8());
    QList<bool> wrongBefore;
    SetServerPasswordPrompt([&](const StoreAddress& server, bool wrong) -> std::optional<QString> {
        wrongBefore << wrong;
        if (server.user != QStringLiteral("parolali") || wrongBefore.size() > answers.size())
            return std::nullopt;
        const QString answer = answers.at(wrongBefore.size() - 1);
        return answer == QStringLiteral("-") ? std::nullopt : std::optional<QString>(answer);
    });
    QString failure;
    try {
        auto connection = StoreConnection::Acquire(passwordServer(*server_));
        connection->exec(QStringLiteral("SELECT 1"));
    } catch (const StoreError& e) {
        failure = e.text();
    }
    QCOMPARE(wrongBefore.size(), asked);
    for (int i = 0; i < wrongBefore.size(); ++i)
        QCOMPARE(wrongBefore.at(i), i > 0 && answers.at(i - 1) != kPassword);
    if (says.isEmpty())
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    else
        QVERIFY2(failure.contains(says), qPrintable(failure));
}

void ServerFaultsTest::passwordKeptForTheSession() {
    int asked = 0;
    SetServerPasswordPrompt([&](const StoreAddress&, bool) -> std::optional<QString> {
        ++asked;
        return kPassword;
    });
    auto first = StoreConnection::Acquire(passwordServer(*server_));
    first.reset(); // the last view let go: the connection is closed
    auto second = StoreConnection::Acquire(passwordServer(*server_));
    second->exec(QStringLiteral("SELECT 1"));
    // A reconnection after a restart uses it too.
    server_->crash();
    server_->restart();
    second->exec(QStringLiteral("SELECT 1"));
    QCOMPARE(asked, 1);
}

QTEST_MAIN(ServerFaultsTest)
#include "tst_serverfaults.moc"

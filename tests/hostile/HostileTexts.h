#pragma once

// Texts a careless or hostile user can put into a text box, and the ways a
// database can be checked to be whole afterwards.
#include "TestDatabase.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QString>
#include <QTest>

namespace zendaro::test {

struct HostileText {
    const char* name;
    QString text;
};

// Quotes, SQL fragments, control characters, right-to-left and combining
// characters, and a 10,000-character paste.
inline QList<HostileText> hostileTexts() {
    return {
        {"sql drop", QStringLiteral("'); DROP TABLE dornela_olcek; --")},
        {"sql or", QStringLiteral("'OR'1")},
        {"sql comment", QStringLiteral("x' --")},
        {"quotes", QStringLiteral("O'Brien \"Lisans\" `x` ''")},
        {"percent and underscore", QStringLiteral("%_%")},
        {"control characters", QStringLiteral("A\tB") + QChar(0) + QStringLiteral("C\x1b[2J")},
        {"nul only", QString(QChar(0))},
        {"arabic", QStringLiteral("جامعة القاهرة")},
        {"hebrew", QStringLiteral("האוניברסיטה העברית")},
        {"combining", QStringLiteral("Unive\u0301rsite\u0301 e\u0301")},
        {"emoji", QStringLiteral("Ölçek 🎓")},
        {"10000 characters", QString(10000, QChar(u'Ş'))},
    };
}

// Pastes text into a box as a user would: the clipboard, then Ctrl+V.
inline void pasteInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// A stored text read whole, NUL characters included: `expression` is a
// column, and the query's FROM and WHERE follow in `rest`.
inline QString storedText(const TestDatabase& db, const QString& expression, const QString& rest) {
    const QString hex = db.scalar(QStringLiteral("SELECT hex(%1) %2").arg(expression, rest)).toString();
    return QString::fromUtf8(QByteArray::fromHex(hex.toLatin1()));
}

// The tables of the database with their row counts, in one text.
inline QString tablesAndCounts(const TestDatabase& db) {
    QString result =
        db.scalar(QStringLiteral("SELECT group_concat(name, ',') FROM (SELECT name FROM sqlite_master "
                                 "WHERE type = 'table' ORDER BY name)"))
            .toString();
    for (const char* table : {"dornela_olcek", "dornela_notlar", "diger_olcek", "diger_notlar"})
        result += QStringLiteral(" %1=%2").arg(
            QString::fromLatin1(table),
            db.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(QString::fromLatin1(table))).toString());
    return result;
}

} // namespace zendaro::test

#include "Queries.h"

#include "StoreError.h"

#include <QRegularExpression>

namespace zendaro::queries {

namespace {

QString id(qint64 scaleId) {
    return QString::number(scaleId);
}

// Only a plain numeral may become part of a query text.
QString checkedNumber(const QString& number) {
    static const QRegularExpression numeral(
        QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!numeral.match(number).hasMatch())
        throw StoreError(QStringLiteral("Sorguda kullanılamayacak sayı: \"%1\"").arg(number));
    return number;
}

} // namespace

// clang-format off
QString Q1() { return "SELECT * FROM dornela_olcek order by id ASC"; }
QString Q2(qint64 scaleId) { return "SELECT * FROM dornela_notlar where olcek_id=" + id(scaleId) + " order by id ASC"; }
QString Q3() { return "SELECT * FROM diger_olcek order by id ASC"; }
QString Q4(qint64 scaleId) { return "SELECT * FROM diger_notlar where olcek_id=" + id(scaleId) + " order by id ASC"; }
QString Q5() { return "SELECT * FROM diger_olcek order by olcek_adi COLLATE turkce ASC"; }
QString Q6() { return "SELECT * FROM dornela_olcek order by olcek_adi COLLATE turkce ASC"; }
SqlText Q7(qint64 scaleId, const SqlText& c) { return {"SELECT * FROM dornela_notlar where olcek_id=" + id(scaleId) + " and " + c.text, c.values}; }
SqlText Q8(qint64 scaleId, const SqlText& c) { return {"SELECT * FROM diger_notlar where olcek_id=" + id(scaleId) + " and " + c.text, c.values}; }

QString C1(qint64 scaleId) { return "id=" + id(scaleId); }
QString C2(qint64 scaleId) { return "id = " + id(scaleId); }
SqlText C3(const QString& number) { return {"sayisal_not=" + checkedNumber(number), {}}; }
SqlText C4(const QString& number) { return {"sayisal_not= " + checkedNumber(number), {}}; }
// The catalogue writes "harf_notu= '" + letter + "'"; the letter is bound in place of the quoted text.
SqlText C5(const QString& letter) { return {"harf_notu= ?", {letter}}; }
// clang-format on

SqlText C3(double value) {
    return C3(NumberForQuery(value));
}
SqlText C4(double value) {
    return C4(NumberForQuery(value));
}

QString NumberForQuery(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace zendaro::queries

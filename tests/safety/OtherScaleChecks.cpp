#include "OtherScaleChecks.h"

#include "store/TurkishText.h"

#include <QVector>
#include <sqlite3.h>
#include <stdexcept>

namespace zendaro::test {

namespace {

// A look at the file from outside the program. It is opened for writing so
// that SQLite can roll back a journal left by a killed writer before reading.
class Reader {
public:
    explicit Reader(const QString& path) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            const std::string text = sqlite3_errmsg(db_);
            sqlite3_close(db_);
            throw std::runtime_error("cannot open " + path.toStdString() + ": " + text);
        }
    }
    ~Reader() { sqlite3_close(db_); }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // Every row of a query, each column as text (NULL as an invalid QString).
    QVector<QStringList> rows(const char* sql, qint64 bound = -1) const {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        if (bound >= 0)
            sqlite3_bind_int64(stmt, 1, bound);
        QVector<QStringList> out;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            QStringList row;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                row << (text ? QString::fromUtf8(text) : QString());
            }
            out << row;
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(db_));
        return out;
    }

private:
    sqlite3* db_ = nullptr;
};

struct Grade {
    QString letter;
    double value;
    bool pass;
    QString status;
    qint64 step;
};

QStringList scaleViolations(const QStringList& scale, const QVector<Grade>& grades) {
    QStringList out;
    const QString name = QStringLiteral("scale %1: ").arg(scale.at(0));
    auto fail = [&](const QString& what) {
        out << name + what;
    };
    if (scale.at(1) != QStringLiteral("Harf Notu") && scale.at(1) != QStringLiteral("Sayısal Not"))
        fail(QStringLiteral("grading system \"%1\"").arg(scale.at(1)));
    int passes = 0;
    int fails = 0;
    for (int i = 0; i < grades.size(); ++i) {
        const Grade& g = grades.at(i);
        if (g.letter.isEmpty())
            fail(QStringLiteral("row %1 has an empty letter").arg(i));
        if (g.status != QStringLiteral("Geçer") && g.status != QStringLiteral("Kalır"))
            fail(QStringLiteral("row %1 has the status \"%2\"").arg(i).arg(g.status));
        if (i > 0 && g.value > grades.at(i - 1).value)
            fail(QStringLiteral("row %1 is higher than the row before it").arg(i));
        if (g.pass && fails > 0)
            fail(QStringLiteral("pass row %1 comes after a fail row").arg(i));
        const int expectedStep = g.pass ? passes++ : fails++;
        if (g.step != expectedStep)
            fail(QStringLiteral("row %1 has step %2, not %3").arg(i).arg(g.step).arg(expectedStep));
    }
    if (passes == 0 || fails == 0) {
        fail(QStringLiteral("%1 pass and %2 fail grades").arg(passes).arg(fails));
        return out;
    }
    if (scale.at(6).toInt() != passes || scale.at(7).toInt() != fails)
        fail(QStringLiteral("counts %1/%2 for %3/%4 rows")
                 .arg(scale.at(6), scale.at(7))
                 .arg(passes)
                 .arg(fails));
    const double maxGN = scale.at(2).toDouble();
    const double minGN = scale.at(3).toDouble();
    const double maxKN = scale.at(4).toDouble();
    const double minKN = scale.at(5).toDouble();
    if (maxGN != grades.first().value || minGN != grades.at(passes - 1).value ||
        maxKN != grades.at(passes).value || minKN != grades.last().value)
        fail(QStringLiteral("limits %1 %2 %3 %4 do not match the grades")
                 .arg(maxGN)
                 .arg(minGN)
                 .arg(maxKN)
                 .arg(minKN));
    if (!(maxGN >= minGN && minGN > maxKN && maxKN >= minKN))
        fail(QStringLiteral("limits out of order: %1 %2 %3 %4").arg(maxGN).arg(minGN).arg(maxKN).arg(minKN));
    return out;
}

} // namespace

QStringList otherScaleViolations(const QString& databasePath) {
    const Reader reader(databasePath);
    QStringList out;
    const auto scales =
        reader.rows("SELECT id, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, "
                    "Kalir_Not_Sayisi FROM diger_olcek ORDER BY id");
    for (const QStringList& scale : scales) {
        QVector<Grade> grades;
        const auto rows = reader.rows("SELECT harf_notu, sayisal_not, durum, adim_no FROM diger_notlar "
                                      "WHERE olcek_id = ? ORDER BY id",
                                      scale.at(0).toLongLong());
        for (const QStringList& row : rows) {
            const bool pass = EqualsIgnoringCaseTr(row.at(2), QStringLiteral("Geçer"));
            grades.append({row.at(0), row.at(1).toDouble(), pass, row.at(2),
                           row.at(3).isNull() ? -1 : row.at(3).toLongLong()});
        }
        out << scaleViolations(scale, grades);
    }
    const auto orphans =
        reader.rows("SELECT count(*) FROM diger_notlar WHERE olcek_id NOT IN (SELECT id FROM diger_olcek)");
    if (orphans.first().first().toInt() != 0)
        out << QStringLiteral("%1 grade rows without a scale").arg(orphans.first().first());
    return out;
}

QString otherScaleContent(const QString& databasePath, qint64 scaleId) {
    const Reader reader(databasePath);
    QString out;
    const auto scale =
        reader.rows("SELECT quote(olcek_adi)||','||quote(not_sistemi)||','||quote(Max_GN)||','||"
                    "quote(Min_GN)||','||quote(Max_KN)||','||quote(Min_KN)||','||"
                    "quote(Gecer_Not_Sayisi)||','||quote(Kalir_Not_Sayisi) FROM diger_olcek "
                    "WHERE id = ?",
                    scaleId);
    out += scale.isEmpty() ? QStringLiteral("(no scale)") : scale.first().first();
    const auto grades =
        reader.rows("SELECT quote(harf_notu)||','||quote(sayisal_not)||','||quote(durum)||','||"
                    "quote(adim_no) FROM diger_notlar WHERE olcek_id = ? ORDER BY id",
                    scaleId);
    for (const QStringList& row : grades)
        out += QLatin1Char('|') + row.first();
    return out;
}

QString integrityCheck(const QString& databasePath) {
    const Reader reader(databasePath);
    QStringList lines;
    for (const QStringList& row : reader.rows("PRAGMA integrity_check"))
        lines << row.first();
    return lines.join(QLatin1Char('\n'));
}

} // namespace zendaro::test

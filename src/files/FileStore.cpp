#include "files/FileStore.h"

#include "store/EngineSql.h"
#include "store/StoreConnection.h"
#include "store/TurkishText.h"

#include <QSqlQuery>
#include <QVariant>

namespace zendaro {

namespace {

const QString kListColumns = QStringLiteral(
    "SELECT id, ogrenci_adi, ogrenci_no, program_adi, diger_universite, degistirilme, ders_sayisi "
    "FROM donusum_dosyasi ");
const QString kListOrder = QStringLiteral(" ORDER BY degistirilme DESC, id DESC");

// A null QString would be bound as NULL: every text column holds a text.
QVariant text(const QString& value) {
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

QVariant scaleId(qint64 id) {
    return id < 0 ? QVariant(QMetaType::fromType<qint64>()) : QVariant(id);
}

QVariant optionalNumber(const std::optional<double>& value) {
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
}

// Dates are ISO 8601 UTC text with milliseconds: they sort as they read.
QString storedDate(const QDateTime& date) {
    return date.toUTC().toString(Qt::ISODateWithMs);
}

// Reads the text storedDate() writes ("2026-12-10T15:57:43.123Z") digit by
// digit (a list reads thousands); any other form through Qt's ISO reader.
QDateTime readDate(const QVariant& value) {
    const QString text = value.toString();
    static const QString form = QStringLiteral("0000-00-00T00:00:00.000Z");
    bool fixed = text.size() == form.size();
    for (qsizetype i = 0; fixed && i < text.size(); ++i)
        fixed = form.at(i) == QLatin1Char('0') ? text.at(i).isDigit() && text.at(i).unicode() < 128
                                               : text.at(i) == form.at(i);
    if (!fixed)
        return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
    const auto number = [&](qsizetype from, qsizetype length) {
        int n = 0;
        for (qsizetype i = from; i < from + length; ++i)
            n = n * 10 + (text.at(i).unicode() - '0');
        return n;
    };
    return QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
                     QTime(number(11, 2), number(14, 2), number(17, 2), number(20, 3)), Qt::UTC);
}

// The search text as the stored search columns hold it, with the pattern
// characters of LIKE escaped by "!".
QString likePattern(const QString& search) {
    QString pattern = FoldCaseTr(search);
    pattern.replace(QLatin1Char('!'), QStringLiteral("!!"));
    pattern.replace(QLatin1Char('%'), QStringLiteral("!%"));
    pattern.replace(QLatin1Char('_'), QStringLiteral("!_"));
    return QLatin1Char('%') + pattern + QLatin1Char('%');
}

void bindAll(QSqlQuery& query, const QVariantList& values) {
    int position = 0;
    for (const QVariant& value : values)
        query.bindValue(position++, value);
}

void execute(QSqlQuery& query) {
    if (!query.exec())
        throw StoreError(StoreErrorText(query.lastError()));
}

// Runs `body` as one transaction of the connection: it lands whole or is undone.
template <typename Body> void inTransaction(StoreConnection& connection, Body body) {
    connection.begin();
    try {
        body();
        connection.commit();
    } catch (...) {
        connection.rollback();
        throw;
    }
}

} // namespace

FileStore::FileStore(const QString& databasePath) : connection_(StoreConnection::Acquire(databasePath)) {}

FileStore::~FileStore() = default;

QString FileStore::ChangedElsewhereText() {
    return QStringLiteral("Bu dosya, açıldığından bu yana başka bir kullanıcı ya da başka bir pencere "
                          "tarafından değiştirilmiş. İşlem yapılmadı: dosyanın kayıtlı hali de bu "
                          "penceredeki bilgiler de olduğu gibi duruyor. Güncel halini görmek için dosyayı "
                          "yeniden açınız.");
}

QString FileStore::DeletedElsewhereText() {
    return QStringLiteral("Bu dosya, açıldığından bu yana başka bir kullanıcı ya da başka bir pencere "
                          "tarafından silinmiş. İşlem yapılmadı: bu penceredeki bilgiler olduğu gibi "
                          "duruyor.");
}

QVector<FileSummary> FileStore::list(const QString& search) const {
    const QString wanted = search.trimmed();
    const bool all = wanted.isEmpty();
    QSqlQuery& query = connection_->prepared(
        all ? kListColumns + kListOrder
            : kListColumns +
                  QStringLiteral("WHERE arama_adi LIKE ? ESCAPE '!' OR arama_no LIKE ? ESCAPE '!'") +
                  kListOrder);
    const StatementUse use(query);
    if (!all) {
        const QString pattern = likePattern(wanted);
        query.bindValue(0, pattern);
        query.bindValue(1, pattern);
    }
    execute(query);
    QVector<FileSummary> files;
    while (query.next()) {
        FileSummary file;
        file.id = query.value(0).toLongLong();
        file.studentName = query.value(1).toString();
        file.studentNumber = query.value(2).toString();
        file.programme = query.value(3).toString();
        file.otherUniversity = query.value(4).toString();
        file.changed = readDate(query.value(5));
        file.courseCount = query.value(6).toInt();
        files.append(std::move(file));
    }
    if (query.lastError().isValid())
        throw StoreError(StoreErrorText(query.lastError()));
    return files;
}

ConversionFile FileStore::load(qint64 id) const {
    ConversionFile file;
    {
        QSqlQuery& query = connection_->prepared(QStringLiteral(
            "SELECT id, surum, ogrenci_adi, ogrenci_no, program_adi, diger_universite, diger_olcek_id, "
            "dornela_olcek_id, diger_olcek_adi, dornela_olcek_adi, olusturulma, degistirilme, aciklama "
            "FROM donusum_dosyasi WHERE id = ?"));
        const StatementUse use(query);
        query.bindValue(0, id);
        execute(query);
        if (!query.next()) {
            if (query.lastError().isValid())
                throw StoreError(StoreErrorText(query.lastError()));
            throw StoreError(QStringLiteral("Dönüşüm dosyası bulunamadı: başka bir kullanıcı ya da başka bir "
                                            "pencere tarafından silinmiş olabilir."));
        }
        file.id = query.value(0).toLongLong();
        file.revision = query.value(1).toLongLong();
        file.studentName = query.value(2).toString();
        file.studentNumber = query.value(3).toString();
        file.programme = query.value(4).toString();
        file.otherUniversity = query.value(5).toString();
        file.otherScaleId = query.value(6).isNull() ? -1 : query.value(6).toLongLong();
        file.homeScaleId = query.value(7).isNull() ? -1 : query.value(7).toLongLong();
        file.otherScaleName = query.value(8).toString();
        file.homeScaleName = query.value(9).toString();
        file.created = readDate(query.value(10));
        file.changed = readDate(query.value(11));
        file.note = query.value(12).toString();
    }
    QSqlQuery& query = connection_->prepared(QStringLiteral(
        "SELECT ders_kodu, ders_adi, kredi, akts, girilen_not, ortalamaya_katilir, donusturuldu, harf_notu, "
        "sayisal_deger, harf_degeri, durum, gecti FROM donusum_dersi WHERE dosya_id = ? ORDER BY sira"));
    const StatementUse use(query);
    query.bindValue(0, id);
    execute(query);
    while (query.next()) {
        FileCourse course;
        course.code = query.value(0).toString();
        course.name = query.value(1).toString();
        course.credit = query.value(2).toDouble();
        if (!query.value(3).isNull())
            course.ects = query.value(3).toDouble();
        course.grade = query.value(4).toString();
        course.counts = query.value(5).toInt() != 0;
        course.stored.converted = query.value(6).toInt() != 0;
        course.stored.homeLetter = query.value(7).toString();
        course.stored.homeValue = query.value(8).toDouble();
        course.stored.letterValue = query.value(9).toDouble();
        course.stored.homeStatus = query.value(10).toString();
        course.stored.passed = query.value(11).toInt() != 0;
        file.courses.append(std::move(course));
    }
    if (query.lastError().isValid())
        throw StoreError(StoreErrorText(query.lastError()));
    return file;
}

namespace {

// Why a write found no row with the revision it was given.
[[noreturn]] void conflict(StoreConnection& connection, qint64 id) {
    QSqlQuery& query =
        connection.prepared(QStringLiteral("SELECT count(*) FROM donusum_dosyasi WHERE id = ?"));
    bool exists = false;
    {
        const StatementUse use(query);
        query.bindValue(0, id);
        execute(query);
        exists = query.next() && query.value(0).toLongLong() > 0;
    }
    throw FileConflict(exists ? FileStore::ChangedElsewhereText() : FileStore::DeletedElsewhereText());
}

void deleteCourses(StoreConnection& connection, qint64 id) {
    QSqlQuery& query = connection.prepared(QStringLiteral("DELETE FROM donusum_dersi WHERE dosya_id = ?"));
    const StatementUse use(query);
    query.bindValue(0, id);
    execute(query);
}

void insertCourses(StoreConnection& connection, qint64 id, const QVector<FileCourse>& courses) {
    const QString sql = QStringLiteral(
        "INSERT INTO donusum_dersi (dosya_id, sira, ders_kodu, ders_adi, kredi, akts, girilen_not, "
        "ortalamaya_katilir, donusturuldu, harf_notu, sayisal_deger, harf_degeri, durum, gecti) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < courses.size(); ++i) {
        const FileCourse& course = courses.at(i);
        QSqlQuery& query = connection.prepared(sql);
        const StatementUse use(query);
        query.bindValue(0, id);
        query.bindValue(1, i + 1);
        query.bindValue(2, text(course.code));
        query.bindValue(3, text(course.name));
        query.bindValue(4, course.credit);
        query.bindValue(5, optionalNumber(course.ects));
        query.bindValue(6, text(course.grade));
        query.bindValue(7, course.counts ? 1 : 0);
        query.bindValue(8, course.stored.converted ? 1 : 0);
        query.bindValue(9, text(course.stored.homeLetter));
        query.bindValue(10, course.stored.homeValue);
        query.bindValue(11, course.stored.letterValue);
        query.bindValue(12, text(course.stored.homeStatus));
        query.bindValue(13, course.stored.passed ? 1 : 0);
        execute(query);
    }
}

// The values of the file row every save writes, in the order the INSERT and
// the UPDATE name them.
QVariantList fileValues(const ConversionFile& file) {
    return {text(file.studentName),
            text(file.studentNumber),
            text(file.programme),
            text(file.otherUniversity),
            scaleId(file.otherScaleId),
            scaleId(file.homeScaleId),
            text(file.otherScaleName),
            text(file.homeScaleName),
            text(file.note),
            qint64{file.courses.size()},
            text(FoldCaseTr(file.studentName)),
            text(FoldCaseTr(file.studentNumber))};
}

} // namespace

void FileStore::save(ConversionFile& file) {
    // Milliseconds, as the stored text holds them: the dates read back equal.
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(QDateTime::currentMSecsSinceEpoch(), Qt::UTC);
    qint64 id = file.id;
    qint64 revision = 0;
    QVariantList texts = fileValues(file);
    for (const FileCourse& course : file.courses)
        texts << course.code << course.name << course.grade << course.stored.homeLetter
              << course.stored.homeStatus;
    RequireStorableTexts(connection_->engine(), texts);
    inTransaction(*connection_, [&] {
        const QVariantList values = fileValues(file);
        if (id < 0) {
            QSqlQuery& query = connection_->prepared(QStringLiteral(
                "INSERT INTO donusum_dosyasi (ogrenci_adi, ogrenci_no, program_adi, diger_universite, "
                "diger_olcek_id, dornela_olcek_id, diger_olcek_adi, dornela_olcek_adi, aciklama, "
                "ders_sayisi, "
                "arama_adi, arama_no, surum, olusturulma, degistirilme) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?)"));
            const StatementUse use(query);
            bindAll(query, values + QVariantList{storedDate(now), storedDate(now)});
            execute(query);
            id = query.lastInsertId().toLongLong();
            revision = 1;
        } else {
            bool updated = false;
            {
                QSqlQuery& query = connection_->prepared(QStringLiteral(
                    "UPDATE donusum_dosyasi SET ogrenci_adi = ?, ogrenci_no = ?, program_adi = ?, "
                    "diger_universite = ?, diger_olcek_id = ?, dornela_olcek_id = ?, diger_olcek_adi = ?, "
                    "dornela_olcek_adi = ?, aciklama = ?, ders_sayisi = ?, arama_adi = ?, arama_no = ?, "
                    "surum = surum + 1, degistirilme = ? WHERE id = ? AND surum = ?"));
                const StatementUse use(query);
                bindAll(query, values + QVariantList{storedDate(now), id, file.revision});
                execute(query);
                updated = query.numRowsAffected() > 0;
            }
            if (!updated)
                conflict(*connection_, id);
            revision = file.revision + 1;
            deleteCourses(*connection_, id);
        }
        insertCourses(*connection_, id, file.courses);
    });
    if (file.id < 0)
        file.created = now;
    file.id = id;
    file.revision = revision;
    file.changed = now;
}

void FileStore::remove(qint64 id, qint64 revision) {
    inTransaction(*connection_, [&] {
        bool deleted = false;
        {
            QSqlQuery& query = connection_->prepared(
                QStringLiteral("DELETE FROM donusum_dosyasi WHERE id = ? AND surum = ?"));
            const StatementUse use(query);
            query.bindValue(0, id);
            query.bindValue(1, revision);
            execute(query);
            deleted = query.numRowsAffected() > 0;
        }
        if (!deleted)
            conflict(*connection_, id);
        deleteCourses(*connection_, id);
    });
}

} // namespace zendaro

#include "StoreTestHelpers.h"

#include "TestDatabase.h"

#include <QFile>
#include <QProcess>
#include <QVariant>

namespace zendaro::test {

namespace {

bool writable(const QString& path) {
    QFile probe(path);
    return probe.open(QIODevice::ReadWrite);
}

bool chattr(const QString& flag, const QString& path) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("chattr"), {flag, path});
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

ReadOnlyFile::ReadOnlyFile(const QString& path) : path_(path) {
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (writable(path_))
        immutable_ = chattr(QStringLiteral("+i"), path_);
    active_ = !writable(path_);
}

ReadOnlyFile::~ReadOnlyFile() {
    if (immutable_)
        chattr(QStringLiteral("-i"), path_);
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
}

QString dumpScales(const TestDatabase& db) {
    static const char* queries[] = {
        "SELECT group_concat(r, '|') FROM (SELECT "
        "quote(id)||','||quote(olcek_adi)||','||quote(egitim_duzeyi)||','||"
        "quote(max_GN)||','||quote(min_GN)||','||quote(max_KN)||','||quote(min_KN) AS r FROM dornela_olcek "
        "ORDER BY id) AS t",
        "SELECT group_concat(r, '|') FROM (SELECT "
        "quote(id)||','||quote(olcek_id)||','||quote(harf_notu)||','||"
        "quote(sayisal_not)||','||quote(durum) AS r FROM dornela_notlar ORDER BY id) AS t",
        "SELECT group_concat(r, '|') FROM (SELECT "
        "quote(id)||','||quote(olcek_adi)||','||quote(not_sistemi)||','||"
        "quote(Max_GN)||','||quote(Min_GN)||','||quote(Max_KN)||','||quote(Min_KN)||','||quote(Gecer_Not_"
        "Sayisi)||','||"
        "quote(Kalir_Not_Sayisi) AS r FROM diger_olcek ORDER BY id) AS t",
        "SELECT group_concat(r, '|') FROM (SELECT "
        "quote(id)||','||quote(olcek_id)||','||quote(harf_notu)||','||"
        "quote(sayisal_not)||','||quote(durum)||','||quote(adim_no) AS r FROM diger_notlar ORDER BY id) AS t",
    };
    QString out;
    for (const char* q : queries)
        out += db.scalar(QString::fromUtf8(q)).toString() + QLatin1Char('\n');
    // A server's id sequences are not part of its transactions (an insert
    // rolled back has used its id up; ids still grow and are never reused),
    // so only a file's counters belong to what it holds.
    if (!TestDatabase::onServer())
        out += db.scalar(QStringLiteral("SELECT group_concat(name||'='||seq, '|') FROM sqlite_sequence"))
                   .toString() +
               QLatin1Char('\n');
    return out;
}

} // namespace zendaro::test

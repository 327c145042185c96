#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

// The .zolcek format: scales exchanged between offices and the shipped
// library KUTUPHANE.zolcek. A UTF-8 JSON document, versioned; docs/zolcek.md
// describes it. This module reads, checks and writes it, and knows nothing of
// windows or of the database.
namespace zendaro::library {

// The format's name in the file and the newest version this program reads and writes.
inline constexpr auto FormatName = "ZENDARO-OLCEK";
constexpr int FormatVersion = 1;

// Limits of a file that is read: larger files are refused unread.
constexpr qint64 MaxFileBytes = qint64{16} * 1024 * 1024;
constexpr int MaxGradesPerScale = 10001; // as many as the editor may generate
constexpr int MaxScalesPerFile = 5000;
constexpr int MaxNameLength = 40;   // the scale name box
constexpr int MaxLetterLength = 50; // the letter entry box

// One grade of an other scale. The letter is empty for a numeric scale: the
// save stores the value as text in its place.
struct Grade {
    QString letter;
    double value = 0;
    bool pass = false;
    friend bool operator==(const Grade&, const Grade&) = default;
};

// A scale of another university: its grades from the highest value down,
// every pass grade above every fail grade.
struct OtherScale {
    QString name;
    QString system; // "Harf Notu" or "Sayısal Not"
    QString country;
    QString source;
    QString note;
    QVector<Grade> grades;
    friend bool operator==(const OtherScale&, const OtherScale&) = default;

    bool letterSystem() const;
    double maxFail() const; // the highest fail value
    int passCount() const;
};

// A home scale: the ladder is fixed, so its name, level and highest fail
// value (2.0 for "CC", 1.5 for "DC") describe it whole.
struct HomeScale {
    QString name;
    QString level; // "Önlisans", "Lisans", "Yüksek Lisans" or "Doktora"
    double maxFail = 2.0;
    friend bool operator==(const HomeScale&, const HomeScale&) = default;
};

struct ScaleFile {
    QVector<OtherScale> otherScales;
    QVector<HomeScale> homeScales;
    friend bool operator==(const ScaleFile&, const ScaleFile&) = default;
};

// A file read and checked, or the reason it was refused: one Turkish text for
// the user, naming the scale and grade concerned.
struct ReadResult {
    std::optional<ScaleFile> file;
    QString error;
    bool ok() const { return file.has_value(); }
};

// The words the format shares with the database.
QString LetterSystemName();  // "Harf Notu"
QString NumericSystemName(); // "Sayısal Not"
QString PassWord();          // "Geçer"
QString FailWord();          // "Kalır"
QStringList HomeLevels();    // the four education levels

// Checks a document in memory. Everything is checked before anything is
// returned: a file either comes back whole, with every scale meeting what a
// stored scale must meet, or is refused.
ReadResult ParseScaleFile(const QByteArray& bytes);

// Reads and checks a file; a file above MaxFileBytes is refused without being read.
ReadResult ReadScaleFile(const QString& path);

// The document of a file, UTF-8, newest version.
QByteArray WriteScaleFile(const ScaleFile& file);

// Writes the document to `path` whole or not at all (the old file stays when
// writing fails). Returns the empty text, or the reason it failed.
QString SaveScaleFile(const QString& path, const ScaleFile& file);

// The heading of every refusal: "ÖLÇEK DOSYASI OKUNAMADI..."
QString RefusalHeading();

} // namespace zendaro::library

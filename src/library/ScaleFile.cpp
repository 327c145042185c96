#include "ScaleFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace zendaro::library {

namespace {

const QString kFormat = QStringLiteral("bicim");
const QString kVersion = QStringLiteral("surum");
const QString kOtherScales = QStringLiteral("diger_olcekler");
const QString kHomeScales = QStringLiteral("dornela_olcekleri");
const QString kName = QStringLiteral("olcek_adi");
const QString kSystem = QStringLiteral("not_sistemi");
const QString kCountry = QStringLiteral("ulke");
const QString kSource = QStringLiteral("kaynak");
const QString kNote = QStringLiteral("aciklama");
const QString kGrades = QStringLiteral("notlar");
const QString kLetter = QStringLiteral("harf_notu");
const QString kValue = QStringLiteral("sayisal_not");
const QString kStatus = QStringLiteral("durum");
const QString kLevel = QStringLiteral("egitim_duzeyi");
const QString kMaxFail = QStringLiteral("max_KN");

// A refusal on its way out of the checks.
struct Refusal {
    QString text;
};

QString quoted(const QString& text) {
    return QStringLiteral("“%1”").arg(text);
}

// A value as the user reads it: shortest form, decimal comma.
QString shown(double value) {
    return QString::number(value, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

// Two values are the same grade when they read the same in 15 significant digits.
bool sameValue(double a, double b) {
    return a == b || QString::number(a, 'g', 15) == QString::number(b, 'g', 15);
}

// Letters compare as the store compares them: ASCII letters without regard to
// case, every other character exactly.
bool sameLetter(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QChar x = a.at(i);
        const QChar y = b.at(i);
        if (x == y)
            continue;
        if (x.unicode() >= 128 || y.unicode() >= 128 || x.toLower() != y.toLower())
            return false;
    }
    return true;
}

// Reads the fields of one JSON object, naming `where` in every refusal.
class Fields {
public:
    Fields(const QJsonObject& object, QString where) : object_(object), where_(std::move(where)) {}

    [[noreturn]] void refuse(const QString& problem) const {
        throw Refusal{where_ + QStringLiteral(": ") + problem};
    }

    QJsonValue required(const QString& key) const {
        QJsonValue value = object_.value(key);
        if (value.isUndefined() || value.isNull())
            refuse(QStringLiteral("%1 alanı eksik.").arg(quoted(key)));
        return value;
    }

    QString text(const QString& key) const {
        const QJsonValue value = required(key);
        if (!value.isString())
            refuse(QStringLiteral("%1 alanı metin olmalı.").arg(quoted(key)));
        return value.toString();
    }

    QString optionalText(const QString& key) const {
        const QJsonValue value = object_.value(key);
        if (value.isUndefined() || value.isNull())
            return {};
        if (!value.isString())
            refuse(QStringLiteral("%1 alanı metin olmalı.").arg(quoted(key)));
        return value.toString();
    }

    double number(const QString& key) const {
        const QJsonValue value = required(key);
        if (!value.isDouble())
            refuse(QStringLiteral("%1 alanı sayı olmalı.").arg(quoted(key)));
        const double number = value.toDouble();
        if (!std::isfinite(number))
            refuse(QStringLiteral("%1 alanı sonlu bir sayı olmalı.").arg(quoted(key)));
        return number;
    }

    QJsonArray list(const QString& key) const {
        const QJsonValue value = required(key);
        if (!value.isArray())
            refuse(QStringLiteral("%1 alanı liste olmalı.").arg(quoted(key)));
        return value.toArray();
    }

private:
    const QJsonObject& object_;
    QString where_;
};

QJsonObject objectAt(const QJsonArray& array, qsizetype index, const QString& where) {
    const QJsonValue value = array.at(index);
    if (!value.isObject())
        throw Refusal{where + QStringLiteral(": bir nesne olmalı.")};
    return value.toObject();
}

QString scaleName(const Fields& fields) {
    QString name = fields.text(kName).trimmed();
    if (name.isEmpty())
        fields.refuse(QStringLiteral("ölçek adı boş."));
    if (name.size() > MaxNameLength)
        fields.refuse(QStringLiteral("ölçek adı %1 karakterden uzun.").arg(MaxNameLength));
    return name;
}

Grade readGrade(const QJsonObject& object, const QString& where, bool letterSystem) {
    const Fields fields(object, where);
    Grade grade;
    grade.value = fields.number(kValue);
    const QString status = fields.text(kStatus);
    if (status == PassWord())
        grade.pass = true;
    else if (status != FailWord())
        fields.refuse(
            QStringLiteral("durum %1 ya da %2 olmalı.").arg(quoted(PassWord()), quoted(FailWord())));
    // A numeric scale's grades are their values; a letter there is not read.
    const QString letter = fields.optionalText(kLetter).trimmed();
    if (letterSystem) {
        if (letter.isEmpty())
            fields.refuse(QStringLiteral("harf notu boş ya da eksik."));
        if (letter.size() > MaxLetterLength)
            fields.refuse(QStringLiteral("harf notu %1 karakterden uzun.").arg(MaxLetterLength));
        grade.letter = letter;
    }
    return grade;
}

// The checks a stored scale needs: no value twice, no letter twice, at least
// one pass and one fail grade, every pass grade above every fail grade.
void checkGrades(const OtherScale& scale, const QString& where) {
    const QVector<Grade>& grades = scale.grades;
    for (qsizetype i = 1; i < grades.size(); ++i) {
        if (sameValue(grades.at(i - 1).value, grades.at(i).value))
            throw Refusal{where + QStringLiteral(": %1 değeri iki kez var.").arg(shown(grades.at(i).value))};
    }
    if (scale.letterSystem()) {
        for (qsizetype i = 0; i < grades.size(); ++i) {
            for (qsizetype j = i + 1; j < grades.size(); ++j) {
                if (sameLetter(grades.at(i).letter, grades.at(j).letter))
                    throw Refusal{
                        where +
                        QStringLiteral(": %1 harf notu iki kez var.").arg(quoted(grades.at(j).letter))};
            }
        }
    }
    const auto isPass = [](const Grade& g) {
        return g.pass;
    };
    if (std::none_of(grades.begin(), grades.end(), isPass))
        throw Refusal{where + QStringLiteral(": ölçekte geçer not yok.")};
    if (std::all_of(grades.begin(), grades.end(), isPass))
        throw Refusal{where + QStringLiteral(": ölçekte kalır not yok.")};
    const auto firstFail = std::find_if_not(grades.begin(), grades.end(), isPass);
    const auto lowPass = std::find_if(firstFail, grades.end(), isPass);
    if (lowPass != grades.end())
        throw Refusal{where +
                      QStringLiteral(": geçer not %1, kalır not %2 değerinden düşük. Geçer notların tümü "
                                     "kalır notların üstünde olmalı.")
                          .arg(shown(lowPass->value), shown(firstFail->value))};
}

OtherScale readOtherScale(const QJsonObject& object, qsizetype index) {
    QString where = QStringLiteral("%1. ölçek").arg(index + 1);
    const Fields head(object, where);
    OtherScale scale;
    scale.name = scaleName(head);
    where += QStringLiteral(" (%1)").arg(quoted(scale.name));
    const Fields fields(object, where);
    scale.system = fields.text(kSystem);
    if (scale.system != LetterSystemName() && scale.system != NumericSystemName())
        fields.refuse(QStringLiteral("not sistemi %1 ya da %2 olmalı.")
                          .arg(quoted(LetterSystemName()), quoted(NumericSystemName())));
    scale.country = fields.optionalText(kCountry);
    scale.source = fields.optionalText(kSource);
    scale.note = fields.optionalText(kNote);
    const QJsonArray grades = fields.list(kGrades);
    if (grades.isEmpty())
        fields.refuse(QStringLiteral("ölçekte hiç not yok."));
    if (grades.size() > MaxGradesPerScale)
        fields.refuse(QStringLiteral("ölçekte %1 nottan fazla not var.").arg(QStringLiteral("10.001")));
    scale.grades.reserve(grades.size());
    for (qsizetype i = 0; i < grades.size(); ++i) {
        const QString gradeWhere = where + QStringLiteral(", %1. not").arg(i + 1);
        scale.grades.append(readGrade(objectAt(grades, i, gradeWhere), gradeWhere, scale.letterSystem()));
    }
    // The file may list the grades in any order; the program keeps them from the highest down.
    std::stable_sort(scale.grades.begin(), scale.grades.end(),
                     [](const Grade& a, const Grade& b) { return a.value > b.value; });
    checkGrades(scale, where);
    return scale;
}

HomeScale readHomeScale(const QJsonObject& object, qsizetype index) {
    QString where = QStringLiteral("%1. Dornela ölçeği").arg(index + 1);
    HomeScale scale;
    scale.name = scaleName(Fields(object, where));
    where += QStringLiteral(" (%1)").arg(quoted(scale.name));
    const Fields fields(object, where);
    scale.level = fields.text(kLevel);
    if (!HomeLevels().contains(scale.level))
        fields.refuse(
            QStringLiteral("eğitim düzeyi %1 olmalı.").arg(HomeLevels().join(QStringLiteral(", "))));
    scale.maxFail = fields.number(kMaxFail);
    if (scale.maxFail != 2.0 && scale.maxFail != 1.5)
        fields.refuse(QStringLiteral("%1 2 (CC) ya da 1,5 (DC) olmalı.").arg(quoted(kMaxFail)));
    return scale;
}

QJsonArray listOf(const QJsonObject& top, const QString& key) {
    const QJsonValue value = top.value(key);
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isArray())
        throw Refusal{QStringLiteral("%1 alanı liste olmalı.").arg(quoted(key))};
    return value.toArray();
}

ScaleFile readDocument(const QByteArray& bytes) {
    if (bytes.size() > MaxFileBytes)
        throw Refusal{QStringLiteral("Dosya çok büyük. Bir ölçek dosyası en fazla 16 MB olabilir.")};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw Refusal{QStringLiteral("Dosya bir ZENDARO ölçek dosyası değil ya da yarıda kesilmiş "
                                     "(bozukluk dosyanın %1. baytında).")
                          .arg(error.offset + 1)};
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(kFormat).toString() != QLatin1String(FormatName))
        throw Refusal{QStringLiteral("Dosya bir ZENDARO ölçek dosyası değil.")};
    const QJsonValue version = top.value(kVersion);
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 1 || number != std::floor(number))
        throw Refusal{
            QStringLiteral("Dosyanın biçim sürümü (%1) eksik ya da geçersiz.").arg(quoted(kVersion))};
    if (number > FormatVersion)
        throw Refusal{QStringLiteral("Dosya ZENDARO'nun daha yeni bir sürümüyle yazılmış (biçim sürümü %1). "
                                     "Bu program en fazla %2. sürümü okuyabilir.")
                          .arg(shown(number))
                          .arg(FormatVersion)};

    const QJsonArray others = listOf(top, kOtherScales);
    const QJsonArray homes = listOf(top, kHomeScales);
    if (others.isEmpty() && homes.isEmpty())
        throw Refusal{QStringLiteral("Dosyada hiç ölçek yok.")};
    if (others.size() + homes.size() > MaxScalesPerFile)
        throw Refusal{QStringLiteral("Dosyada %1 ölçekten fazla ölçek var.").arg(MaxScalesPerFile)};
    ScaleFile file;
    for (qsizetype i = 0; i < others.size(); ++i)
        file.otherScales.append(
            readOtherScale(objectAt(others, i, QStringLiteral("%1. ölçek").arg(i + 1)), i));
    for (qsizetype i = 0; i < homes.size(); ++i)
        file.homeScales.append(
            readHomeScale(objectAt(homes, i, QStringLiteral("%1. Dornela ölçeği").arg(i + 1)), i));
    return file;
}

ReadResult refused(const QString& detail) {
    return {std::nullopt, RefusalHeading() + QStringLiteral("\r\n\r\n") + detail};
}

} // namespace

bool OtherScale::letterSystem() const {
    return system == LetterSystemName();
}

double OtherScale::maxFail() const {
    for (const Grade& grade : grades) {
        if (!grade.pass)
            return grade.value;
    }
    return 0;
}

int OtherScale::passCount() const {
    return static_cast<int>(
        std::count_if(grades.begin(), grades.end(), [](const Grade& g) { return g.pass; }));
}

QString LetterSystemName() {
    return QStringLiteral("Harf Notu");
}
QString NumericSystemName() {
    return QStringLiteral("Sayısal Not");
}
QString PassWord() {
    return QStringLiteral("Geçer");
}
QString FailWord() {
    return QStringLiteral("Kalır");
}
QStringList HomeLevels() {
    return {QStringLiteral("Önlisans"), QStringLiteral("Lisans"), QStringLiteral("Yüksek Lisans"),
            QStringLiteral("Doktora")};
}

QString RefusalHeading() {
    return QStringLiteral("ÖLÇEK DOSYASI OKUNAMADI...");
}

ReadResult ParseScaleFile(const QByteArray& bytes) {
    try {
        return {readDocument(bytes), {}};
    } catch (const Refusal& refusal) {
        return refused(refusal.text);
    }
}

ReadResult ReadScaleFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QStringLiteral("%1 dosyası açılamadı.").arg(quoted(QFileInfo(path).fileName())));
    // One byte beyond the limit is enough to know the file is too large.
    if (file.size() > MaxFileBytes)
        return refused(QStringLiteral("Dosya çok büyük. Bir ölçek dosyası en fazla 16 MB olabilir."));
    return ParseScaleFile(file.read(MaxFileBytes + 1));
}

QByteArray WriteScaleFile(const ScaleFile& file) {
    QJsonObject top;
    top.insert(kFormat, QLatin1String(FormatName));
    top.insert(kVersion, FormatVersion);
    if (!file.otherScales.isEmpty()) {
        QJsonArray others;
        for (const OtherScale& scale : file.otherScales) {
            QJsonObject object;
            object.insert(kName, scale.name);
            object.insert(kSystem, scale.system);
            for (const auto& [key, text] : {std::pair{kCountry, scale.country},
                                            std::pair{kSource, scale.source}, std::pair{kNote, scale.note}}) {
                if (!text.isEmpty())
                    object.insert(key, text);
            }
            QJsonArray grades;
            for (const Grade& grade : scale.grades) {
                QJsonObject g;
                if (scale.letterSystem())
                    g.insert(kLetter, grade.letter);
                g.insert(kValue, grade.value);
                g.insert(kStatus, grade.pass ? PassWord() : FailWord());
                grades.append(g);
            }
            object.insert(kGrades, grades);
            others.append(object);
        }
        top.insert(kOtherScales, others);
    }
    if (!file.homeScales.isEmpty()) {
        QJsonArray homes;
        for (const HomeScale& scale : file.homeScales) {
            QJsonObject object;
            object.insert(kName, scale.name);
            object.insert(kLevel, scale.level);
            object.insert(kMaxFail, scale.maxFail);
            homes.append(object);
        }
        top.insert(kHomeScales, homes);
    }
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

QString SaveScaleFile(const QString& path, const ScaleFile& file) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return QStringLiteral("%1 dosyası yazılamadı: %2")
            .arg(quoted(QFileInfo(path).fileName()), out.errorString());
    out.write(WriteScaleFile(file));
    if (!out.commit())
        return QStringLiteral("%1 dosyası yazılamadı: %2")
            .arg(quoted(QFileInfo(path).fileName()), out.errorString());
    return {};
}

} // namespace zendaro::library

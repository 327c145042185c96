#include "OtherScaleTexts.h"

namespace zendaro::otherscale {

QString PassWord() {
    return QStringLiteral("Geçer");
}
QString FailWord() {
    return QStringLiteral("Kalır");
}
QString AddMode() {
    return QStringLiteral("EKLE");
}
QString EditMode() {
    return QStringLiteral("DUZENLE");
}
QString RemoveCaption() {
    return QStringLiteral("Notu Sil");
}

QStringList GradingSystems() {
    return {QStringLiteral("Harf Notu"), QStringLiteral("Sayısal Not")};
}
QStringList Distributions() {
    return {QStringLiteral("Eşit Aralık"), QStringLiteral("Değişken Aralık")};
}

QString NumericValueCaption() {
    return QStringLiteral("Sayısal Değer :");
}
QString NumericGradeCaption() {
    return QStringLiteral("Sayısal Not :");
}

QString MaxFailKeyMessage() {
    return QStringLiteral("LÜTFEN EN YÜKSEK KALIR NOTA KARŞILIK GELEN SAYISAL NOTU GİRİNİZ...");
}
QString MaxGradeKeyMessage() {
    return QStringLiteral("LÜTFEN EN YÜKSEK NOTA KARŞILIK GELEN SAYISAL NOTU GİRİNİZ...");
}
QString MinGradeKeyMessage() {
    return QStringLiteral("LÜTFEN EN DÜŞÜK NOTA KARŞILIK GELEN SAYISAL NOTU GİRİNİZ...");
}
QString EntryValueKeyMessage() {
    return QStringLiteral("LÜTFEN HARF NOTUNA KARŞILIK GELEN SAYISAL NOTU GİRİNİZ...");
}

QString MaxFailMissing() {
    return QStringLiteral("LÜTFEN EN YÜKSEK KALIR NOTU GİRİNİZ...");
}
QString MaxGradeMissing() {
    return QStringLiteral("LÜTFEN EN YÜKSEK NOTU GİRİNİZ...");
}
QString IntervalMissing() {
    return QStringLiteral("LÜTFEN NOT ARALIĞINI GİRİNİZ...");
}
QString IntervalZero() {
    return QStringLiteral("NOT ARALIĞI 'SIFIR' OLAMAZ...");
}
QString IntervalNegative() {
    return QStringLiteral("NOT ARALIĞI SIFIRDAN KÜÇÜK OLAMAZ...");
}
QString MaxGradeBelowMaxFail() {
    return QStringLiteral("EN YÜKSEK NOT EN YÜKSEK KALIR NOTTAN KÜÇÜK OLAMAZ...");
}
QString MaxGradeEqualsMaxFail() {
    return QStringLiteral("EN YÜKSEK NOT EN YÜKSEK KALIR NOTA EŞİT OLAMAZ...");
}
QString MinGradeAboveMaxFail() {
    return QStringLiteral("EN DÜŞÜK NOT EN YÜKSEK KALIR NOTTAN BÜYÜK OLAMAZ...");
}
QString IntervalTooWide() {
    return QStringLiteral("NOT ARALIĞI EN YÜKSEK NOT VE EN YÜKSEK KALIR NOT FARKINDAN BÜYÜK OLAMAZ...");
}

QString TooManyGrades() {
    return QStringLiteral(
        "ÖLÇEKTE EN FAZLA 10.001 NOT OLABİLİR. LÜTFEN DAHA BÜYÜK BİR NOT ARALIĞI GİRİNİZ...");
}
QString GuidedEntryOver() {
    return QStringLiteral("EŞİT ARALIKLI DAĞILIMDA GİRİLEBİLECEK NOT KALMADI...");
}

QString GradeMissing() {
    return QStringLiteral("LÜTFEN NOTU GİRİNİZ...");
}
QString LetterMissing() {
    return QStringLiteral("LÜTFEN HARF NOTUNU GİRİNİZ...");
}
QString LetterValueMissing() {
    return QStringLiteral("LÜTFEN HARF NOTUNU KARŞILIK GELEN SAYISAL NOTU GİRİNİZ...");
}
QString DuplicateValue() {
    return QStringLiteral("GİRMİŞ OLDUĞUNUZ SAYISAL NOT DAHA ÖNCE ÖLÇEĞE EKLENMİŞ...");
}
QString DuplicateLetter() {
    return QStringLiteral("GİRMİŞ OLDUĞUNUZ HARF NOTU DAHA ÖNCE ÖLÇEĞE EKLENMİŞ...");
}

QString NameMissing() {
    return QStringLiteral("LÜTFEN BİR ÖLÇEK ADI GİRİNİZ...");
}
QString GradingSystemMissing() {
    return QStringLiteral("LÜTFEN NOT SİSTEMİNİ SEÇİNİZ...");
}
QString NoGrades() {
    return QStringLiteral("ÖLÇEKTE NOT YOK. LÜTFEN ÖLÇEĞE NOT EKLEYİNİZ...");
}
QString NoPassGrade() {
    return QStringLiteral("ÖLÇEKTE EN AZ BİR TANE GEÇER NOT OLMALIDIR. LÜTFEN ÖLÇEĞE NOT EKLEYİNİZ...");
}
QString NoFailGrade() {
    return QStringLiteral("ÖLÇEKTE EN AZ BİR TANE KALIR NOT OLMALIDIR. LÜTFEN ÖLÇEĞE NOT EKLEYİNİZ...");
}
QString MaxFailNotInScale() {
    return QStringLiteral("Max. Kalır Not alanında belirttiğiniz Not ölçekte yok.\r\n\r\n"
                          "Ölçeği bu haliyle kaydetmek ister misiniz?");
}

QString DeleteQuestion(const QString& scaleName) {
    return scaleName + QStringLiteral(" isimli ölçeği silmek istiyor musunuz?");
}

} // namespace zendaro::otherscale

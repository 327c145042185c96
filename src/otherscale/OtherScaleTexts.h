#pragma once

#include <QString>
#include <QStringList>

// The words, list items and messages of the other-scale editor, exactly as the
// program shows and stores them.
namespace zendaro::otherscale {

// Status words of an other scale's grades.
QString PassWord(); // "Geçer"
QString FailWord(); // "Kalır"

// Editor modes.
QString AddMode();  // "EKLE"
QString EditMode(); // "DUZENLE"

// The caption of the remove button of every working-list row.
QString RemoveCaption(); // "Notu Sil"

// Grading systems ("Harf Notu", "Sayısal Not") and grade distributions
// ("Eşit Aralık", "Değişken Aralık"), in list order.
QStringList GradingSystems();
QStringList Distributions();
constexpr int LetterSystem = 0;
constexpr int NumericSystem = 1;
constexpr int EqualInterval = 0;
constexpr int VariableInterval = 1;

// Captions of the numeric entry label.
QString NumericValueCaption(); // "Sayısal Değer :" (letter system)
QString NumericGradeCaption(); // "Sayısal Not :" (numeric system)

// Messages of the key filter (information icon).
QString MaxFailKeyMessage();
QString MaxGradeKeyMessage();
QString MinGradeKeyMessage();
QString EntryValueKeyMessage();

// Messages of the parameter check (stop icon).
QString MaxFailMissing();
QString MaxGradeMissing();
QString IntervalMissing();
QString IntervalZero();
QString IntervalNegative();
QString MaxGradeBelowMaxFail();
QString MaxGradeEqualsMaxFail();
QString MinGradeAboveMaxFail();
QString IntervalTooWide();

// Generation.
QString TooManyGrades();   // stop icon
QString GuidedEntryOver(); // information icon

// Manual entry.
QString GradeMissing();       // information icon
QString LetterMissing();      // information icon
QString LetterValueMissing(); // information icon
QString DuplicateValue();     // stop icon
QString DuplicateLetter();    // stop icon

// The save (stop icon, except the question).
QString NameMissing();          // "LÜTFEN BİR ÖLÇEK ADI GİRİNİZ..."
QString GradingSystemMissing(); // "LÜTFEN NOT SİSTEMİNİ SEÇİNİZ..."
QString NoGrades();
QString NoPassGrade();
QString NoFailGrade();
// Asked (information icon, "Evet"/"Hayır") when the max fail grade is no grade of the list.
QString MaxFailNotInScale();

// Deleting (stop icon, "Evet"/"Hayır").
QString DeleteQuestion(const QString& scaleName);

} // namespace zendaro::otherscale

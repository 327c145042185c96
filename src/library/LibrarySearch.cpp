#include "LibrarySearch.h"

#include <QLocale>
#include <QStringList>

namespace zendaro::library {

namespace {

QString folded(const QString& text) {
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    // I and İ take their Turkish small letters first: Qt's locale knows them
    // only where Qt is built with ICU (not on Windows).
    QString smallOfI = text;
    smallOfI.replace(u'I', u'\u0131').replace(u'\u0130', u'i');
    return turkish.toLower(smallOfI);
}

QString gradeText(const OtherScale& scale, const Grade& grade) {
    if (scale.letterSystem())
        return grade.letter;
    return QString::number(grade.value, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString block(const OtherScale& scale, bool pass) {
    QStringList texts;
    for (const Grade& grade : scale.grades) {
        if (grade.pass == pass)
            texts.append(gradeText(scale, grade));
    }
    constexpr int Named = 12;
    const QString word = pass ? PassWord() : FailWord();
    if (texts.size() <= Named)
        return word + QStringLiteral(": ") + texts.join(QStringLiteral(", "));
    return QStringLiteral("%1: %2 … %3 (%4 not)").arg(word, texts.first(), texts.last()).arg(texts.size());
}

} // namespace

QVector<int> FindScales(const QVector<OtherScale>& scales, const QString& query) {
    const QStringList words = folded(query).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QVector<int> found;
    for (int i = 0; i < scales.size(); ++i) {
        const OtherScale& scale = scales.at(i);
        const QString text =
            folded(scale.country + QLatin1Char(' ') + scale.name + QLatin1Char(' ') + scale.system);
        if (std::all_of(words.begin(), words.end(), [&](const QString& word) { return text.contains(word); }))
            found.append(i);
    }
    return found;
}

QString GradeSummary(const OtherScale& scale) {
    return block(scale, true) + QLatin1Char('\n') + block(scale, false);
}

} // namespace zendaro::library

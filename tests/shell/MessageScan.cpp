#include "MessageScan.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>

namespace zendaro::test {

namespace {

QChar unescaped(QChar c) {
    switch (c.unicode()) {
    case 'n':
        return QLatin1Char('\n');
    case 'r':
        return QLatin1Char('\r');
    case 't':
        return QLatin1Char('\t');
    default:
        return c; // \" \' \\ and the rest stand for themselves here
    }
}

} // namespace

QList<SourceLiteral> StringLiterals(const QString& source) {
    QList<SourceLiteral> literals;
    const qsizetype n = source.size();
    bool joining = false; // only white space or comments since the last literal
    for (qsizetype i = 0; i < n;) {
        const QChar c = source.at(i);
        const QChar next = i + 1 < n ? source.at(i + 1) : QChar();
        if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
            i = source.indexOf(QLatin1Char('\n'), i);
            if (i < 0)
                break;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            const qsizetype end = source.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 2;
        } else if (c == QLatin1Char('\'') && !(i > 0 && source.at(i - 1).isLetterOrNumber())) {
            // A character literal (a quote after a digit separates digits).
            for (++i; i < n && source.at(i) != QLatin1Char('\''); ++i) {
                if (source.at(i) == QLatin1Char('\\'))
                    ++i;
            }
            ++i;
            joining = false;
        } else if (c == QLatin1Char('"')) {
            const int line = static_cast<int>(source.left(i).count(QLatin1Char('\n'))) + 1;
            QString text;
            for (++i; i < n && source.at(i) != QLatin1Char('"'); ++i) {
                if (source.at(i) == QLatin1Char('\\') && i + 1 < n)
                    text += unescaped(source.at(++i));
                else
                    text += source.at(i);
            }
            ++i;
            if (joining)
                literals.last().text += text;
            else
                literals.append({text, line});
            joining = true;
        } else {
            if (!c.isSpace())
                joining = false;
            ++i;
        }
    }
    return literals;
}

bool LooksLikeMessage(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\p{L}{2}"));
    static const QRegularExpression query(
        QStringLiteral("^(SELECT|INSERT|UPDATE|DELETE|WHERE|CREATE|PRAGMA|BEGIN|COMMIT|ORDER|FROM|AND)\\b"));
    static const QRegularExpression place(QStringLiteral("%\\d"));
    const QString t = text.trimmed();
    if (!t.contains(QLatin1Char(' ')) || !word.match(t).hasMatch())
        return false;
    if (t.contains(QLatin1Char('<')) || t.contains(QLatin1Char('_')) || query.match(t).hasMatch())
        return false;
    // Words a person reads carry a capital or a Turkish letter; "color: %1;" does not.
    if (std::none_of(t.begin(), t.end(),
                     [](QChar c) { return c.isUpper() || (c.isLetter() && c.unicode() > 127); }))
        return false;
    return t.endsWith(QLatin1Char('.')) || t.endsWith(QLatin1Char('?')) || t.endsWith(QLatin1Char('!')) ||
           text.endsWith(QStringLiteral(": ")) || place.match(t).hasMatch();
}

QStringList ManualMessageCells(const QString& html) {
    static const QRegularExpression cell(QStringLiteral("<td class=\"msg\">(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QStringList cells;
    for (auto it = cell.globalMatch(html); it.hasNext();)
        cells << QTextDocumentFragment::fromHtml(it.next().captured(1)).toPlainText().simplified();
    return cells;
}

bool ManualHolds(const QStringList& cells, const QString& message) {
    static const QRegularExpression breaks(QStringLiteral("%\\d+|\\r\\n|\\n"));
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    QStringList pieces;
    for (const QString& piece : message.split(breaks)) {
        if (letter.match(piece).hasMatch())
            pieces << piece.simplified();
    }
    return std::any_of(cells.begin(), cells.end(), [&](const QString& cell) {
        return std::all_of(pieces.begin(), pieces.end(),
                           [&](const QString& piece) { return cell.contains(piece); });
    });
}

} // namespace zendaro::test

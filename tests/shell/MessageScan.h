#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zendaro::test {

// A string literal of a C++ source: adjacent literals joined, escapes
// resolved, comments skipped; with the line it starts on.
struct SourceLiteral {
    QString text;
    int line = 0;
};

QList<SourceLiteral> StringLiterals(const QString& source);

// Whether a literal is a text the program shows as a message: a sentence of
// words (it ends with ".", "...", "?" or "!"), or the lead-in of one that goes
// on with a name, a file or a cause (it ends with ": " or holds a %1 place).
// Query texts, style sheets, HTML and identifiers are none.
bool LooksLikeMessage(const QString& text);

// The texts of the manual's message cells (<td class="msg">: the message
// chapter and the course list's table), as plain text with runs of white
// space made single spaces.
QStringList ManualMessageCells(const QString& html);

// Whether one cell holds the message: every fixed piece of it (the parts
// between its %1 places and line breaks) stands in the same cell.
bool ManualHolds(const QStringList& cells, const QString& message);

} // namespace zendaro::test

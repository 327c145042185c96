#pragma once

class QLineEdit;

namespace zendaro {

// Limits what the user may type or paste into a box to `maxCharacters`, as a
// maximum length does (a longer paste is cut), but never cuts a longer text
// the program puts into the box: such a text is shown whole, and the user may
// delete from it but not make it longer, nor replace it by a longer paste.
void LimitTyping(QLineEdit* box, int maxCharacters);

} // namespace zendaro

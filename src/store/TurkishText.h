#pragma once

#include <QString>

namespace zendaro {

// Compares two texts ignoring letter case the Turkish way: "KALIR" equals
// "Kalır" and "GEÇER" equals "Geçer" (I pairs with ı, İ with i). Status words
// and modes are compared with this everywhere. "i̇" (i with a combining dot
// above, as other languages write a small "İ") counts as i.
bool EqualsIgnoringCaseTr(const QString& a, const QString& b);

// The text with its letter case folded the Turkish way (two texts fold alike
// exactly when EqualsIgnoringCaseTr holds): what searches compare.
QString FoldCaseTr(const QString& text);

} // namespace zendaro

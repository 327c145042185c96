#pragma once

#include <QString>
#include <array>

namespace zendaro {

// The Turkish button captions of the message box.
inline const QString CaptionTamam = QStringLiteral("Tamam");
inline const QString CaptionEvet = QStringLiteral("Evet");
inline const QString CaptionHayir = QStringLiteral("Hayır");
inline const QString CaptionIptal = QStringLiteral("İptal");
inline const QString CaptionVazgec = QStringLiteral("Vazgeç");
inline const QString CaptionTekrarDene = QStringLiteral("Tekrar Dene");

// The buttons of one style code: captions by slot (0 right, 1 middle, 2 left),
// the default (Enter) and cancel (Escape) slots, and how many slots show.
struct ButtonSet {
    std::array<QString, 3> captions;
    int defaultSlot = -1;
    int cancelSlot = -1;
    int count = 0;
};

// The button set of a style code 0..18; any other code has no buttons.
ButtonSet buttonSetFor(int style);

// The result code of a pressed caption (exact, case-sensitive comparison), or
// -1 for a caption that is none of the six.
int resultForCaption(const QString& caption);

// The result of closing a box of this style other than by a button: the
// result of its cancel button, or "İptal" when it has none.
int cancelResultFor(int style);

} // namespace zendaro

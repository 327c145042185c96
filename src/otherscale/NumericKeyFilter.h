#pragma once

#include "conversion/RegionalSettings.h"

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;

namespace zendaro {

// The key filter of one numeric box: typed characters pass the numeric key
// rule (NumericKey.h); a refused character is dropped with a beep, and boxes
// that have a refusal message show it (information icon) when it is wanted,
// then take the focus back. Cursor keys, Delete and the editing shortcuts
// (Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+Z) are no characters and keep working; pasted
// text is left to the box's change rule.
class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString refusalMessage;              // empty: a refusal only beeps
        std::function<bool()> messageWanted; // asked before the message; none: always
        // Enter: without an action it is dropped. With one, Enter in a box that
        // holds text is dropped and runs the action; in an empty box it is
        // refused like any other character.
        std::function<void()> enterAction;
    };

    // Installs itself on the box; the box owns it.
    NumericKeyFilter(QLineEdit* box, const RegionalSettings& settings, Options options);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refuse(bool withMessage);

    QLineEdit* box_;
    QChar decimal_;
    QChar thousands_;
    Options options_;
};

} // namespace zendaro

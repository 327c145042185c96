#pragma once

#include <QObject>

class QLineEdit;
class QString;

namespace zendaro {

// The length limit of a text box that binds typing and pasting only: a text
// the program puts into the box with PutWholeText is shown whole, however long
// (the limit grows to hold it), and the limit is back as soon as the text fits
// it again. Owned by the box.
class TypingLimit : public QObject {
    Q_OBJECT
public:
    TypingLimit(QLineEdit* box, int limit);

private:
    QLineEdit* box_;
    int limit_;
};

// Puts the program's text into a box without cutting it to the box's limit.
void PutWholeText(QLineEdit* box, const QString& text);

} // namespace zendaro

#include "RecordingMessages.h"

namespace zendaro::test {

RecordingMessages::RecordingMessages() {
    setMessageService(this);
}

RecordingMessages::~RecordingMessages() {
    setMessageService(nullptr);
}

int RecordingMessages::showMessage(const QString& text, int style, int icon, QWidget* owner) {
    RecordedMessage m{text, style, icon, owner, false};
    messages.append(m);
    if (onShow)
        onShow(m);
    if (!answers.isEmpty())
        return answers.takeFirst();
    return style == StyleYesNo ? ResultEvet : ResultTamam;
}

void RecordingMessages::showPlain(const QString& text, QWidget* owner) {
    RecordedMessage m{text, StyleOk, IconStop, owner, true};
    messages.append(m);
    if (onShow)
        onShow(m);
}

QStringList RecordingMessages::texts() const {
    QStringList out;
    for (const auto& m : messages)
        out << m.text;
    return out;
}

void RecordingMessages::clear() {
    messages.clear();
    answers.clear();
    beeps = 0;
}

} // namespace zendaro::test

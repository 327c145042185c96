#pragma once

#include "ui/MessageService.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace zendaro::test {

struct RecordedMessage {
    QString text;
    int style = 0;
    int icon = 0;
    QPointer<QWidget> owner;
    bool plain = false; // the plain standard box rather than the program's own
};

// A message service for tests: records every message and beep and answers
// from a queue (or with the default button of the style when the queue is
// empty: "Tamam" for 0, "Evet" for 9). Installs itself for its lifetime.
class RecordingMessages : public MessageService {
public:
    RecordingMessages();
    ~RecordingMessages() override;
    RecordingMessages(const RecordingMessages&) = delete;
    RecordingMessages& operator=(const RecordingMessages&) = delete;

    int showMessage(const QString& text, int style, int icon, QWidget* owner) override;
    void showPlain(const QString& text, QWidget* owner) override;
    void beep() override { ++beeps; }

    QStringList texts() const;
    void clear();

    QList<RecordedMessage> messages;
    QList<int> answers;                                 // consumed front first
    std::function<void(const RecordedMessage&)> onShow; // runs while the "box" is open
    int beeps = 0;
};

} // namespace zendaro::test

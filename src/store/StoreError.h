#pragma once

#include <QString>
#include <stdexcept>

namespace zendaro {

// A failure of the store (missing or unreadable file, missing table, failing
// statement). Carries the store's own text so a window can show it as it is.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace zendaro

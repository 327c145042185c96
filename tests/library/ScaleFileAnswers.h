#pragma once

#include "ui/ScaleFileDialogs.h"

#include <QString>

namespace zendaro::test {

// Answers the scale-file dialogs with paths of the test's own, and remembers
// that it was asked. Installs itself for its lifetime.
struct ScaleFileAnswers : ScaleFileChooser {
    QString savePath;
    QString openPath;
    int asked = 0;

    ScaleFileAnswers() { setScaleFileChooser(this); }
    ~ScaleFileAnswers() override { setScaleFileChooser(nullptr); }
    ScaleFileAnswers(const ScaleFileAnswers&) = delete;
    ScaleFileAnswers& operator=(const ScaleFileAnswers&) = delete;

    QString chooseSavePath(QWidget*, const QString&) override {
        ++asked;
        return savePath;
    }
    QString chooseOpenPath(QWidget*) override {
        ++asked;
        return openPath;
    }
};

} // namespace zendaro::test

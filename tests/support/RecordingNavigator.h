#pragma once

#include "ui/Navigator.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace zendaro::test {

// A navigator for tests of working windows: records what a window asks for.
// Returning to the menu closes the window, as the shell does.
class RecordingNavigator : public Navigator {
public:
    void openWindow(WorkingWindow which) override { opened.append(which); }
    void handOver(WorkingWindow which, const QVariant& data) override {
        opened.append(which);
        handedOver.append(data);
    }
    void returnToMenu(QWidget* from) override {
        ++returns;
        if (from)
            from->close();
    }
    void showHelp(const QString& anchor, QWidget* owner) override {
        helpAnchors.append(anchor);
        helpOwners.append(owner);
    }

    QList<WorkingWindow> opened;
    QList<QVariant> handedOver; // what each hand-over carried
    int returns = 0;
    QStringList helpAnchors;
    QList<QPointer<QWidget>> helpOwners;
};

} // namespace zendaro::test

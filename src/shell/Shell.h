#pragma once

#include "conversion/RegionalSettings.h"
#include "shell/MainMenu.h"
#include "ui/Navigator.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace zendaro {

// What a working window is given when the shell creates it.
struct WindowContext {
    Navigator& navigator;
    const RegionalSettings& regional;
    QString appFolder; // the folder of the executable, donustur.evk and HELP/
    QVariant handOver; // what another window handed over (Navigator::handOver), else null
};

// Creates one working window, top level and not yet shown (its load step may
// run here or when it is shown).
using WindowFactory = std::function<QWidget*(const WindowContext&)>;

// The application shell: runs the start-up check, owns the main menu and
// moves between it and the working windows. Working windows are made by the
// factories registered per window; a window without a factory is not opened.
class Shell : public QObject, public Navigator {
    Q_OBJECT
public:
    explicit Shell(QString appFolder, QObject* parent = nullptr);
    ~Shell() override;

    void registerWindow(WorkingWindow which, const WindowFactory& factory);

    // Start-up: reads the regional separators. When they cannot be read, tells
    // the user with the plain standard box and returns false; no window is
    // shown. Otherwise builds the main menu, shows it centred and returns true.
    // Runs once; later calls return the first answer.
    bool start();

    const QString& appFolder() const { return appFolder_; }
    const RegionalSettings& regional() const { return regional_; }
    MainMenu* mainMenu() const { return menu_.data(); }
    QWidget* workingWindow() const { return working_.data(); }

    // Navigator.
    void openWindow(WorkingWindow which) override;
    void handOver(WorkingWindow which, const QVariant& handOver) override;
    void returnToMenu(QWidget* from) override;
    void showHelp(const QString& anchor, QWidget* owner) override;

    // The about window, modal over `owner`.
    void showAbout(QWidget* owner);

    // Ends the program at once: every window closes and the event loop ends
    // with status 0.
    void exitProgram();

private:
    void onWorkingWindowGone();
    void giveBackTheKeyboard(QWidget* owner);

    QString appFolder_;
    RegionalSettings regional_;
    QHash<WorkingWindow, WindowFactory> factories_;
    QPointer<MainMenu> menu_;
    QPointer<QWidget> working_;
    int started_ = 0; // 0 not yet, 1 started, -1 failed
    bool exiting_ = false;
};

} // namespace zendaro

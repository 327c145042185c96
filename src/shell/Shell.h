#pragma once

#include "conversion/RegionalSettings.h"
#include "files/SchemaUpgrade.h"
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
    QString store;     // the store every data view is given: donustur.evk or the server of zendaro.ini
    QVariant handOver; // what another window handed over (Navigator::handOver), else null
    // What the start-up upgrade of donustur.evk came to: conversion files may
    // be used when schema->filesUsable(); otherwise schema->message says why.
    // Checked before any working window is made; never null in a context the
    // shell made, and valid while the shell lives.
    const SchemaState* schema = nullptr;
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
    // shown. Then reads zendaro.ini: a file that cannot be understood is told
    // in the program's own box, and start() returns false. Otherwise builds
    // the main menu, shows it centred and returns true; the check of the store
    // follows once the event loop runs (the menu does not wait for it). Runs
    // once; later calls return the first answer.
    bool start();

    // Brings the store (donustur.evk of the application folder, or the server
    // zendaro.ini names) to this program's schema version, once per run, and
    // shows the outcome's message (a newer or an unusable store, a server
    // without ZENDARO's tables) over the main menu. start() queues it; a
    // working window that opens first runs it before it is made.
    void checkSchema();
    // The outcome of checkSchema(); null before it ran.
    const SchemaState* schema() const { return schemaChecked_ ? &schema_ : nullptr; }

    const QString& appFolder() const { return appFolder_; }
    // The store of this run (known once start() has read zendaro.ini).
    const QString& store() const { return store_; }
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
    QString store_;
    RegionalSettings regional_;
    QHash<WorkingWindow, WindowFactory> factories_;
    QPointer<MainMenu> menu_;
    QPointer<QWidget> working_;
    int started_ = 0; // 0 not yet, 1 started, -1 failed
    SchemaState schema_;
    bool schemaChecked_ = false;
    bool exiting_ = false;
};

} // namespace zendaro

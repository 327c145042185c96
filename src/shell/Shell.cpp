#include "shell/Shell.h"

#include "shell/AboutWindow.h"
#include "shell/HelpTarget.h"
#include "shell/HelpWindow.h"
#include "shell/MainMenu.h"
#include "shell/PasswordWindow.h"
#include "shell/Startup.h"
#include "shell/StoreStart.h"
#include "store/ServerLogin.h"
#include "store/StoreSettings.h"
#include "ui/MessageService.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace zendaro {

Shell::Shell(QString appFolder, QObject* parent) : QObject(parent), appFolder_(std::move(appFolder)) {}

Shell::~Shell() {
    SetServerPasswordPrompt({});
    delete working_;
    delete menu_;
}

void Shell::registerWindow(WorkingWindow which, const WindowFactory& factory) {
    factories_.insert(which, factory);
}

bool Shell::start() {
    if (started_ != 0)
        return started_ > 0;
    const std::optional<RegionalSettings> read = ReadRegionalSeparators();
    if (!read) {
        started_ = -1;
        ShowPlainMessage(RegionalSettingsFailureText(), nullptr);
        return false;
    }
    regional_ = *read;
    const StoreChoice choice = ReadStoreChoice(appFolder_);
    if (!choice.problem.isEmpty()) {
        started_ = -1;
        ShowMessage(choice.problem, StyleOk, IconStop, nullptr);
        return false;
    }
    store_ = choice.address.text();
    started_ = 1;
    // A server that wants a password no place of libpq's holds: asked once
    // in this run, over the window in front.
    SetServerPasswordPrompt([this](const StoreAddress& server, bool wrongBefore) {
        QWidget* owner = QApplication::activeWindow();
        return AskServerPassword(server, wrongBefore, owner ? owner : menu_.data());
    });

    menu_ = new MainMenu;
    connect(menu_, &MainMenu::openRequested, this, &Shell::openWindow);
    connect(menu_, &MainMenu::helpRequested, this, [this] { showHelp(QString(), menu_); });
    connect(menu_, &MainMenu::aboutRequested, this, [this] { showAbout(menu_); });
    connect(menu_, &MainMenu::exitRequested, this, &Shell::exitProgram);
    menu_->showCentred();
    // The menu is up before the file is read: start-up does not wait for it.
    QTimer::singleShot(0, this, &Shell::checkSchema);
    return true;
}

void Shell::checkSchema() {
    if (schemaChecked_)
        return;
    schemaChecked_ = true;
    schema_ = CheckStoreSchema(store_);
    if (!schema_.message.isEmpty() && menu_ && menu_->isVisible()) {
        const int icon = schema_.kind == SchemaState::Kind::Newer ? IconInfo : IconStop;
        ShowMessage(schema_.message, StyleOk, icon, menu_);
    }
}

void Shell::openWindow(WorkingWindow which) {
    handOver(which, QVariant());
}

void Shell::handOver(WorkingWindow which, const QVariant& handOver) {
    const auto factory = factories_.constFind(which);
    if (factory == factories_.constEnd() || !*factory)
        return;
    checkSchema();
    const WindowContext context{*this, regional_, appFolder_, store_, handOver, &schema_};
    QWidget* window = (*factory)(context);
    if (!window)
        return;
    // The shell owns the window from here: it goes away when it closes, either
    // through "ANA MENÜ" or when it hands over to another working window.
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QObject::destroyed, this, &Shell::onWorkingWindowGone, Qt::QueuedConnection);
    working_ = window;
    window->show();
    // The window takes the keyboard at once, on its first control.
    window->raise();
    window->activateWindow();
    if (menu_)
        menu_->hide();
}

void Shell::returnToMenu(QWidget* from) {
    // The menu is shown before the window closes, so that the program never
    // passes through a moment with no window at all.
    if (menu_)
        menu_->showCentred();
    if (from)
        from->close();
}

void Shell::onWorkingWindowGone() {
    // A working window that closed without handing over to another one (or
    // without "ANA MENÜ") must not leave the program running with no window:
    // the menu comes back.
    if (exiting_ || !menu_ || menu_->isVisible())
        return;
    if (working_ && working_->isVisible())
        return;
    menu_->showCentred();
}

void Shell::showHelp(const QString& anchor, QWidget* owner) {
    SetHelpTarget(appFolder_, anchor);
    HelpWindow help(owner);
    help.exec();
    giveBackTheKeyboard(owner);
}

void Shell::showAbout(QWidget* owner) {
    AboutWindow about(owner, StoreAddress::Parse(store_).description());
    about.exec();
    giveBackTheKeyboard(owner);
}

void Shell::giveBackTheKeyboard(QWidget* owner) {
    // The window that opened a modal window is active again, its focus where it
    // was, whatever the desktop does when the modal window goes.
    if (!owner || exiting_ || !owner->isVisible())
        return;
    owner->raise();
    owner->activateWindow();
}

void Shell::exitProgram() {
    if (exiting_)
        return;
    exiting_ = true;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible())
            window->close();
    }
    QCoreApplication::exit(0);
}

} // namespace zendaro

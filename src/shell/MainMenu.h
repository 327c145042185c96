#pragma once

#include "ui/Navigator.h"

#include <QPixmap>
#include <QWidget>

namespace zendaro {

class PictureBttn;

// FRMMAIN: the borderless main menu with its background picture, title,
// banner, two groups of working-window buttons and the help, about and exit
// buttons. It only reports what was asked for; the shell acts on it.
class MainMenu : public QWidget {
    Q_OBJECT
public:
    explicit MainMenu(QWidget* parent = nullptr);

    // Shows the menu centred on the screen.
    void showCentred();

    PictureBttn* button(const QString& objectName) const;

signals:
    void openRequested(zendaro::WorkingWindow which);
    void helpRequested();
    void aboutRequested();
    void exitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    PictureBttn* addButton(QWidget* parent, const char* name, const QString& caption, const QString& tooltip,
                           const char* normal, const char* light);

    QPixmap background_;
};

} // namespace zendaro

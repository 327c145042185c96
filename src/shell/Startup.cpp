#include "shell/Startup.h"

#include "resources/Pictures.h"
#include "shell/Shell.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zendaro {

QString RegionalSettingsFailureText() {
    return QStringLiteral("BİLGİSAYARINIZIN YEREL AYARLARI OKUNURKEN HATA OLUŞTU... ") +
           QStringLiteral("\r\n\r\n") + QStringLiteral("LÜTFEN YAZILIM ÜRETİCİSİ İLE GÖRÜŞÜNÜZ...");
}

namespace {

// Qt's own dialogs (the report's file dialog, the plain box) speak Turkish
// like the rest of the program, whatever the user's language. Without Qt's
// translations (Debian's qt6-translations-l10n) they stay in English.
void installQtTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void ConfigureApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("ZENDARO"));
    installQtTranslations(app);
    UseShippedFonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    QApplication::setWindowIcon(pictures::LoadAppIcon());
    // The program ends only through the exit button of the main menu (or when
    // the main menu itself is closed), never because no window is showing.
    app.setQuitOnLastWindowClosed(false);
}

int RunZendaro(QApplication& app, Shell& shell) {
    ConfigureApplication(app);
    if (!shell.start())
        return 1;
    return QApplication::exec();
}

} // namespace zendaro

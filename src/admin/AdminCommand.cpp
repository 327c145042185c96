#include "AdminCommand.h"

#include "StoreCopy.h"
#include "store/StoreError.h"
#include "store/StoreSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cstring>
#include <optional>

namespace zendaro {

namespace {

const QString kSetUp = QStringLiteral("--sunucu-kur");
const QString kCopy = QStringLiteral("--aktar");
const QString kOverwrite = QStringLiteral("--uzerine-yaz");
const QString kServer = QStringLiteral("sunucu");

QString usage() {
    return QStringLiteral(
        "Kullanım:\n"
        "  zendaro                              pencereli program\n"
        "  zendaro --sunucu-kur                 zendaro.ini'de adı geçen boş sunucu veritabanında\n"
        "                                       ZENDARO'nun tablolarını kurar\n"
        "  zendaro --aktar sunucu [--uzerine-yaz]\n"
        "                                       programın yanındaki donustur.evk'deki bütün ölçekleri,\n"
        "                                       notları ve dönüşüm dosyalarını sunucuya aktarır (boş bir\n"
        "                                       veritabanında tabloları da kurar); veri tutan bir sunucuya\n"
        "                                       yalnızca --uzerine-yaz ile, eski verilerin yerine yazar\n"
        "  zendaro --aktar YEDEK.evk            sunucudaki bütün verileri yeni bir veritabanı dosyasına\n"
        "                                       yedekler (var olan bir dosyanın üzerine yazmaz)\n"
        "  zendaro --yardim                     bu bilgi\n");
}

// What the command line asks for.
struct Command {
    enum class Kind { SetUp, ToServer, ToFile, Help } kind = Kind::Help;
    QString file;
    bool overwrite = false;
};

std::optional<Command> parse(const QStringList& arguments) {
    Command command;
    QStringList rest = arguments;
    command.overwrite = rest.removeAll(kOverwrite) > 0;
    if (rest == QStringList{kSetUp} && !command.overwrite) {
        command.kind = Command::Kind::SetUp;
    } else if (rest.size() == 2 && rest.first() == kCopy && !rest.last().startsWith(QLatin1Char('-'))) {
        command.kind = rest.last() == kServer ? Command::Kind::ToServer : Command::Kind::ToFile;
        command.file = rest.last();
        if (command.kind == Command::Kind::ToFile && command.overwrite)
            return std::nullopt; // a backup never replaces a file
    } else if (rest.size() == 1 && !command.overwrite &&
               (rest.first() == QLatin1String("--yardim") || rest.first() == QLatin1String("--help") ||
                rest.first() == QLatin1String("-h"))) {
        command.kind = Command::Kind::Help;
    } else {
        return std::nullopt;
    }
    return command;
}

// The server zendaro.ini names; throws StoreError when it names none.
QString chosenServer(const QString& appFolder) {
    const StoreChoice choice = ReadStoreChoice(appFolder);
    if (!choice.problem.isEmpty())
        throw StoreError(choice.problem);
    if (choice.address.engine != StoreEngine::PostgreSQL)
        throw StoreError(
            QStringLiteral("Bu komut için program klasöründeki zendaro.ini dosyası bir PostgreSQL "
                           "sunucusu belirtmelidir ([Veritabani] bölümünde Tur=PostgreSQL ve "
                           "Ad=VERİTABANI): %1")
                .arg(QDir(appFolder).filePath(QStringLiteral("zendaro.ini"))));
    return choice.address.text();
}

QString countsText(const StoreCounts& counts) {
    return QStringLiteral("%1 Dornela ölçeği, %2 diğer ölçek, %3 not, %4 dönüşüm dosyası, %5 ders.")
        .arg(counts.homeScales)
        .arg(counts.otherScales)
        .arg(counts.grades)
        .arg(counts.files)
        .arg(counts.courses);
}

QString serverName(const QString& address) {
    return StoreAddress::Parse(address).description();
}

} // namespace

bool IsAdminCommandLine(int argc, const char* const* argv) {
    if (argc < 2)
        return false;
    // Qt's options for the windows, with one dash or two.
    static const char* const qtOptions[] = {"platform",
                                            "platformpluginpath",
                                            "platformtheme",
                                            "plugin",
                                            "qwindowgeometry",
                                            "qwindowicon",
                                            "qwindowtitle",
                                            "reverse",
                                            "session",
                                            "style",
                                            "stylesheet",
                                            "widgetcount",
                                            "display",
                                            "geometry",
                                            "title",
                                            "name",
                                            "visual",
                                            "ncols",
                                            "cmap",
                                            "nograb",
                                            "dograb",
                                            "qmljsdebugger"};
    const char* option = argv[1];
    if (option[0] != '-')
        return true;
    option += option[1] == '-' ? 2 : 1;
    for (const char* qt : qtOptions) {
        const std::size_t length = std::strlen(qt);
        if (std::strncmp(option, qt, length) == 0 && (option[length] == '\0' || option[length] == '='))
            return false;
    }
    return true;
}

int RunAdminCommand(const QStringList& arguments, const QString& appFolder, QTextStream& out,
                    QTextStream& err) {
    const std::optional<Command> command = parse(arguments);
    if (!command) {
        err << QStringLiteral("Bilinmeyen seçenek ya da eksik komut: %1\n")
                   .arg(arguments.join(QLatin1Char(' ')))
            << usage();
        err.flush();
        return 2;
    }
    try {
        switch (command->kind) {
        case Command::Kind::Help:
            out << usage();
            break;
        case Command::Kind::SetUp: {
            const QString server = chosenServer(appFolder);
            SetUpServer(server);
            out << QStringLiteral("ZENDARO'nun tabloları sunucuda kuruldu: %1\n").arg(serverName(server));
            break;
        }
        case Command::Kind::ToServer: {
            const QString server = chosenServer(appFolder);
            const QString file = QDir(appFolder).filePath(QStringLiteral("donustur.evk"));
            const StoreCounts counts = CopyFileToServer(file, server, command->overwrite);
            out << QStringLiteral("%1 dosyası sunucuya aktarıldı (%2): ")
                       .arg(QDir::toNativeSeparators(file), serverName(server))
                << countsText(counts) << '\n';
            break;
        }
        case Command::Kind::ToFile: {
            const QString server = chosenServer(appFolder);
            const QString file = QFileInfo(command->file).absoluteFilePath();
            const StoreCounts counts = CopyServerToFile(server, file);
            out << QStringLiteral("Sunucudaki veriler (%1) %2 dosyasına yedeklendi: ")
                       .arg(serverName(server), QDir::toNativeSeparators(file))
                << countsText(counts) << '\n';
            break;
        }
        }
    } catch (const StoreError& error) {
        out.flush();
        err << error.text() << '\n';
        err.flush();
        return 1;
    }
    out.flush();
    return 0;
}

} // namespace zendaro

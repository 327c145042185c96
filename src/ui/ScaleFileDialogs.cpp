#include "ScaleFileDialogs.h"

#include "MessageService.h"
#include "store/DataView.h"
#include "store/StoreError.h"
#include "store/StoreTransaction.h"
#include "store/TurkishText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlRecord>

namespace zendaro {

namespace {

const QString Filter = QStringLiteral("ZENDARO ölçek dosyası (*.zolcek)");

class DialogChooser : public ScaleFileChooser {
public:
    QString chooseSavePath(QWidget* owner, const QString& suggestedPath) override {
        return QFileDialog::getSaveFileName(owner, QStringLiteral("Ölçekleri Dışa Aktar"), suggestedPath,
                                            Filter, nullptr, QFileDialog::DontConfirmOverwrite);
    }
    QString chooseOpenPath(QWidget* owner) override {
        return QFileDialog::getOpenFileName(owner, QStringLiteral("Ölçekleri İçe Aktar"), QDir::homePath(),
                                            Filter);
    }
};

ScaleFileChooser* installed = nullptr;

QString quoted(const QString& text) {
    return QStringLiteral("“%1”").arg(text);
}

const QString Gap = QStringLiteral("\r\n\r\n");

} // namespace

ScaleFileChooser& scaleFileChooser() {
    static DialogChooser real;
    if (installed)
        return *installed;
    return real;
}

void setScaleFileChooser(ScaleFileChooser* chooser) {
    installed = chooser;
}

QString WithZolcekSuffix(const QString& path) {
    if (path.endsWith(QStringLiteral(".zolcek"), Qt::CaseInsensitive))
        return path;
    return path + QStringLiteral(".zolcek");
}

bool ExportScaleFile(const library::ScaleFile& file, const QString& suggestedName, QWidget* owner) {
    // Characters a file name cannot carry become "_".
    QString fileName = suggestedName;
    fileName.replace(QRegularExpression(QStringLiteral(R"([/\\:*?"<>|])")), QStringLiteral("_"));
    const QString chosen =
        scaleFileChooser().chooseSavePath(owner, QDir::home().filePath(WithZolcekSuffix(fileName)));
    if (chosen.isEmpty())
        return false;
    const QString path = WithZolcekSuffix(chosen);
    const QString shownName = quoted(QFileInfo(path).fileName());
    if (QFileInfo::exists(path) && ShowMessage(QStringLiteral("%1 dosyası zaten var.").arg(shownName) + Gap +
                                                   QStringLiteral("Dosyanın üzerine yazılsın mı?"),
                                               StyleYesNo, IconInfo, owner) == ResultHayir)
        return false;
    const QString failure = library::SaveScaleFile(path, file);
    if (!failure.isEmpty()) {
        ShowMessage(QStringLiteral("ÖLÇEK DOSYASI YAZILAMADI...") + Gap + failure, StyleOk, IconStop, owner);
        return false;
    }
    const qsizetype count = file.otherScales.size() + file.homeScales.size();
    ShowMessage(QStringLiteral("%1 ölçek %2 dosyasına yazıldı.").arg(count).arg(shownName), StyleOk, IconInfo,
                owner);
    return true;
}

bool ExportCurrentOnly(const QString& currentName, int scaleCount, QWidget* owner) {
    if (scaleCount < 2)
        return true;
    const QString question =
        QStringLiteral("Yalnız seçili %1 ölçeği mi dışa aktarılsın?").arg(quoted(currentName)) + Gap +
        QStringLiteral("“Hayır” derseniz tüm ölçekler (%1 ölçek) dışa aktarılır.").arg(scaleCount);
    return ShowMessage(question, StyleYesNo, IconInfo, owner) != ResultHayir;
}

QString NothingToExport() {
    return QStringLiteral("DIŞA AKTARILACAK ÖLÇEK YOK...");
}

std::optional<library::ScaleFile> ChooseScaleFileToImport(QWidget* owner) {
    const QString path = scaleFileChooser().chooseOpenPath(owner);
    if (path.isEmpty())
        return std::nullopt;
    library::ReadResult read = library::ReadScaleFile(path);
    if (!read.ok()) {
        ShowMessage(read.error, StyleOk, IconStop, owner);
        return std::nullopt;
    }
    return std::move(read.file);
}

bool ConfirmImport(const QStringList& scaleLines, QWidget* owner) {
    // A long file is shown by its first scales; the box stays on the screen.
    constexpr int ShownLines = 12;
    QStringList lines = scaleLines.mid(0, ShownLines);
    if (scaleLines.size() > ShownLines)
        lines.append(QStringLiteral("… ve %1 ölçek daha").arg(scaleLines.size() - ShownLines));
    const QString text = QStringLiteral("Dosyada %1 ölçek var:").arg(scaleLines.size()) + Gap +
                         lines.join(QStringLiteral("\r\n")) + Gap +
                         QStringLiteral("Bu ölçekler eklensin mi?");
    return ShowMessage(text, StyleYesNo, IconInfo, owner) != ResultHayir;
}

QStringList ScaleNames(const DataView& scales) {
    QStringList names;
    for (const QSqlRecord& row : scales.Rows())
        names.append(row.value(QStringLiteral("olcek_adi")).toString());
    return names;
}

bool NameTaken(const QString& name, const QStringList& taken) {
    const QString trimmed = name.trimmed();
    return std::any_of(taken.begin(), taken.end(),
                       [&](const QString& other) { return EqualsIgnoringCaseTr(trimmed, other.trimmed()); });
}

QString FreeName(const QString& name, const QStringList& taken) {
    constexpr int MaxName = library::MaxNameLength;
    if (!NameTaken(name, taken))
        return name;
    for (int n = 2;; ++n) {
        const QString tail = QStringLiteral(" (%1)").arg(n);
        QString candidate = name.left(MaxName - tail.size()).trimmed() + tail;
        if (!NameTaken(candidate, taken))
            return candidate;
    }
}

QVector<std::optional<QString>> ImportNames(const QStringList& names, QStringList taken, QWidget* owner) {
    QVector<std::optional<QString>> chosen;
    for (const QString& name : names) {
        std::optional<QString> final = name;
        if (NameTaken(name, taken)) {
            const QString free = FreeName(name, taken);
            const QString question = QStringLiteral("%1 adlı bir ölçek zaten var.").arg(quoted(name)) + Gap +
                                     QStringLiteral("Ölçek %1 adıyla eklensin mi?").arg(quoted(free)) + Gap +
                                     QStringLiteral("“Hayır” derseniz bu ölçek atlanır.");
            if (ShowMessage(question, StyleYesNo, IconInfo, owner) == ResultHayir)
                final.reset();
            else
                final = free;
        }
        if (final)
            taken.append(*final);
        chosen.append(final);
    }
    return chosen;
}

QString ImportReport(int added, int skipped) {
    QString text = QStringLiteral("%1 ölçek eklendi.").arg(added);
    if (skipped > 0)
        text += QStringLiteral(" %1 ölçek atlandı.").arg(skipped);
    return text;
}

bool AddScalesTogether(DataView& scales, const QVector<std::optional<QString>>& names,
                       const std::function<bool(qsizetype index, const QString& name)>& add, QWidget* owner) {
    int added = 0;
    bool complete = true;
    try {
        StoreTransaction all(scales);
        for (qsizetype i = 0; i < names.size() && complete; ++i) {
            if (!names.at(i))
                continue;
            complete = add(i, *names.at(i));
            added += complete ? 1 : 0;
        }
        if (complete)
            all.commit();
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, owner);
        complete = false;
    }
    if (!complete) {
        try {
            scales.Refresh(); // the file as it is again
        } catch (const StoreError&) {
        }
        return false;
    }
    ShowMessage(ImportReport(added, static_cast<int>(names.size()) - added), StyleOk, IconInfo, owner);
    return added > 0;
}

} // namespace zendaro

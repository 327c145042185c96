#include "FileListPage.h"

#include "files/FileStore.h"
#include "resources/Pictures.h"
#include "ui/BoxCaption.h"
#include "ui/DataGrid.h"
#include "ui/Fonts.h"
#include "ui/MessageService.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <functional>

namespace zendaro {

namespace {

QString changedText(const QDateTime& changed) {
    return QLocale(QLocale::Turkish, QLocale::Turkey)
        .toString(changed.toLocalTime(), QStringLiteral("dd.MM.yyyy HH:mm"));
}

// Enter on a row of the list opens it, as a double-click does.
class EnterOpens : public QObject {
public:
    EnterOpens(QObject* parent, std::function<void()> open) : QObject(parent), open_(std::move(open)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        open_();
        return true;
    }

private:
    std::function<void()> open_;
};

} // namespace

FileListPage::FileListPage(FileStore& store, const NumberFormat& numbers, QWidget* parent)
    : QWidget(parent), store_(store) {
    setObjectName(QStringLiteral("CER_DOSYA_LISTESI"));

    auto* caption = BoxCaption(this, QStringLiteral("Ara :"), twipsRect(240, 0, 600, 315));
    query_ = new QLineEdit(this);
    query_->setObjectName(QStringLiteral("TXT_ARA"));
    query_->setFont(msSansSerif825());
    query_->setGeometry(twipsRect(900, 0, 5055, 315));
    query_->setPlaceholderText(QStringLiteral("öğrencinin adı ya da numarası"));
    query_->setToolTip(QStringLiteral("Öğrencinin adı ya da numarasıyla ara"));
    query_->setAccessibleName(QStringLiteral("Ara"));
    caption->setBuddy(query_);

    list_ = new DataGrid(QStringLiteral("DG_DOSYALAR"), this);
    list_->setAccessibleName(QStringLiteral("Kayıtlı dönüşüm dosyaları"));
    list_->setFont(msSansSerif825());
    list_->setGeometry(twipsRect(120, 450, 12045, 5400));
    list_->bindTable([this] { return static_cast<int>(listed_.size()); },
                     [this](int row, int column) -> QVariant {
                         const FileSummary& file = listed_.at(row);
                         switch (column) {
                         case 0:
                             return file.studentName;
                         case 1:
                             return file.studentNumber;
                         case 2:
                             return file.programme;
                         case 3:
                             return file.otherUniversity;
                         case 4:
                             return changedText(file.changed);
                         default:
                             return file.courseCount;
                         }
                     },
                     {{QStringLiteral("Adı Soyadı"), {}, false},
                      {QStringLiteral("Öğrenci No"), {}, false},
                      {QStringLiteral("Programı"), {}, false},
                      {QStringLiteral("Diğer Üniversite"), {}, false},
                      {QStringLiteral("Değiştirildi"), {}, false},
                      {QStringLiteral("Ders"), {}, false}},
                     numbers);
    const int widths[] = {2700, 1500, 2400, 2700, 1500};
    for (int c = 0; c < 5; ++c)
        list_->setColumnWidth(c, twips(widths[c]));
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->installEventFilter(new EnterOpens(list_, [this] { openChosen(); }));

    open_ = MakePictureButton(this, "BTN_DOSYA_AC", QStringLiteral("Dosyayı Aç"),
                              QStringLiteral("Seçili dönüşüm dosyasını aç"), pictures::EditEditNormal,
                              pictures::EditEditLight, 1650, 6150);
    create_ = MakePictureButton(this, "BTN_YENI_DOSYA", QStringLiteral("Yeni Dosya"),
                                QStringLiteral("Yeni bir dönüşüm dosyası başlat"), pictures::EditCreateNormal,
                                pictures::EditCreateLight, 3600, 6150);
    delete_ = MakePictureButton(this, "BTN_DOSYA_SIL", QStringLiteral("Dosyayı Sil"),
                                QStringLiteral("Seçili dönüşüm dosyasını sil"), pictures::EditDeleteNormal,
                                pictures::EditDeleteLight, 5550, 6150);

    connect(query_, &QLineEdit::textChanged, this, &FileListPage::search);
    connect(list_, &QAbstractItemView::doubleClicked, this, &FileListPage::openChosen);
    connect(list_, &DataGrid::currentRowChanged, this, &FileListPage::enableButtons);
    connect(open_, &PictureBttn::LClick, this, &FileListPage::openChosen);
    connect(create_, &PictureBttn::LClick, this, &FileListPage::newRequested);
    connect(delete_, &PictureBttn::LClick, this, &FileListPage::deleteChosen);
}

void FileListPage::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    enableButtons();
}

void FileListPage::enableButtons() {
    open_->setEnabled(chosen() != nullptr);
    create_->setEnabled(!readOnly_);
    delete_->setEnabled(!readOnly_ && chosen() != nullptr);
}

void FileListPage::reload() {
    search();
}

void FileListPage::search() {
    try {
        listed_ = store_.list(query_->text());
    } catch (const StoreError& error) {
        listed_.clear();
        ShowMessage(error.text(), StyleOk, IconStop, this);
    }
    list_->reRead();
    list_->redraw();
    list_->setCurrentRowNumber(listed_.isEmpty() ? -1 : 0);
    enableButtons();
}

const FileSummary* FileListPage::chosen() const {
    const int row = list_->currentRowNumber();
    return row < 0 || row >= listed_.size() ? nullptr : &listed_.at(row);
}

void FileListPage::openChosen() {
    if (const FileSummary* file = chosen())
        emit openRequested(file->id);
}

void FileListPage::deleteChosen() {
    const FileSummary* file = chosen();
    if (!file || readOnly_)
        return;
    const QString who = file->studentName.isEmpty() ? file->studentNumber : file->studentName;
    if (ShowMessage(QStringLiteral("“%1” adlı dönüşüm dosyası bütün dersleriyle silinecek. Silmek istiyor "
                                   "musunuz?")
                        .arg(who),
                    StyleYesNo, IconStop, this) == ResultHayir)
        return;
    try {
        // The file as it stands now is what the user agreed to delete.
        const ConversionFile stored = store_.load(file->id);
        store_.remove(stored.id, stored.revision);
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
    }
    reload();
    list_->setFocus();
}

} // namespace zendaro

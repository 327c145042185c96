#include "FilesWindow.h"

#include "FileEditorPage.h"
#include "FileListPage.h"
#include "conversion/BatchHandOver.h"
#include "files/FileStore.h"
#include "ui/KeyboardAccess.h"
#include "ui/MessageService.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"

#include <QStackedWidget>
#include <QTimer>

namespace zendaro {

namespace {

// The Tab order of each page, in reading order; the window's own buttons close it.
const QStringList ListOrder{QStringLiteral("TXT_ARA"),        QStringLiteral("DG_DOSYALAR"),
                            QStringLiteral("BTN_HELP"),       QStringLiteral("BTN_DOSYA_AC"),
                            QStringLiteral("BTN_YENI_DOSYA"), QStringLiteral("BTN_DOSYA_SIL"),
                            QStringLiteral("BTN_BACK")};
const QStringList EditorOrder{QStringLiteral("TXT_OGRENCI_ADI"),   QStringLiteral("TXT_OGRENCI_NO"),
                              QStringLiteral("TXT_PROGRAM"),       QStringLiteral("TXT_DIGER_UNIVERSITE"),
                              QStringLiteral("TXT_ACIKLAMA"),      QStringLiteral("CMB_KAYNAK_OLCEK"),
                              QStringLiteral("CMB_DORNELA_OLCEK"), QStringLiteral("TXT_DERS_KODU"),
                              QStringLiteral("TXT_DERS_ADI"),      QStringLiteral("TXT_KREDI"),
                              QStringLiteral("TXT_AKTS"),          QStringLiteral("TXT_DERSNOTU"),
                              QStringLiteral("CHK_ORTALAMA"),      QStringLiteral("BTN_DERS_EKLE"),
                              QStringLiteral("BTN_DERS_VAZGEC"),   QStringLiteral("BTN_DERS_SIL"),
                              QStringLiteral("DG_DERSLER"),        QStringLiteral("BTN_HELP"),
                              QStringLiteral("BTN_KAYDET"),        QStringLiteral("BTN_PDF"),
                              QStringLiteral("BTN_XLSX"),          QStringLiteral("BTN_DOSYA_LISTESI"),
                              QStringLiteral("BTN_BACK")};

// A new file holding the courses the batch window handed over.
ConversionFile fileFrom(const BatchHandOver& handOver) {
    ConversionFile file;
    file.otherScaleId = handOver.otherScaleId;
    file.homeScaleId = handOver.homeScaleId;
    for (const BatchHandOver::Course& course : handOver.courses) {
        FileCourse added;
        added.grade = course.grade;
        added.credit = course.credit;
        file.courses.append(added);
    }
    return file;
}

} // namespace

FilesWindow::FilesWindow(const QString& databasePath, const RegionalSettings& regional, Navigator& navigator,
                         const SchemaState& schema, const QVariant& handOver, QWidget* parent)
    : WorkingForm(QStringLiteral("FRMDOSYA"), QStringLiteral("DÖNÜŞÜM DOSYALARI"), navigator,
                  QStringLiteral("#DOSYA"), parent),
      schema_(schema) {
    if (schema.kind == SchemaState::Kind::Failed) {
        // The files' tables are not there: nothing to list.
        failAndReturnToMenu(schema.message);
        return;
    }
    try {
        store_ = std::make_unique<FileStore>(databasePath);
        pages_ = new QStackedWidget(this);
        pages_->setObjectName(QStringLiteral("CER_SAYFALAR"));
        pages_->setGeometry(0, twips(2130), width(), height() - twips(2130));
        list_ = new FileListPage(*store_, regional.numbers(), pages_);
        editor_ = new FileEditorPage(databasePath, regional, *store_, pages_);
        pages_->addWidget(list_);
        pages_->addWidget(editor_);
    } catch (const StoreError& error) {
        failAndReturnToMenu(error.text());
        return;
    }
    // The window's own buttons lie over the pages.
    backButton()->raise();
    helpButton()->raise();

    const bool readOnly = !schema.filesUsable();
    list_->setReadOnly(readOnly);
    editor_->setReadOnly(readOnly);
    ChooseByTypedLetters(this);
    connect(list_, &FileListPage::openRequested, this, &FilesWindow::openFile);
    connect(list_, &FileListPage::newRequested, this, [this] { newFile({}); });
    connect(editor_, &FileEditorPage::listRequested, this, &FilesWindow::showList);
    connect(editor_, &FileEditorPage::savedFile, list_, &FileListPage::reload);

    if (handOver.canConvert<BatchHandOver>())
        newFile(handOver);
    else
        showList();
}

FilesWindow::~FilesWindow() = default;

bool FilesWindow::editing() const {
    return pages_ && pages_->currentWidget() == editor_;
}

void FilesWindow::showList() {
    list_->reload();
    pages_->setCurrentWidget(list_);
    SetReadingOrder(this, ListOrder);
    if (isVisible())
        findChild<QWidget*>(QStringLiteral("TXT_ARA"))->setFocus();
}

void FilesWindow::openFile(qint64 id) {
    ConversionFile file;
    try {
        file = store_->load(id);
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
        list_->reload();
        return;
    }
    pages_->setCurrentWidget(editor_);
    SetReadingOrder(this, EditorOrder);
    editor_->open(std::move(file));
}

void FilesWindow::newFile(const QVariant& handOver) {
    pages_->setCurrentWidget(editor_);
    SetReadingOrder(this, EditorOrder);
    editor_->open(handOver.canConvert<BatchHandOver>() ? fileFrom(handOver.value<BatchHandOver>())
                                                       : ConversionFile());
}

void FilesWindow::backRequested() {
    if (editing() && !editor_->mayLeave())
        return;
    returnToMenu();
}

void FilesWindow::showEvent(QShowEvent* event) {
    WorkingForm::showEvent(event);
    if (!toldReadOnly_ && schema_.kind == SchemaState::Kind::Newer) {
        toldReadOnly_ = true;
        QTimer::singleShot(0, this, [this] { ShowMessage(schema_.message, StyleOk, IconInfo, this); });
    }
}

} // namespace zendaro

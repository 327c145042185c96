#include "FileEditorPage.h"

#include "CourseTable.h"
#include "conversion/NumberText.h"
#include "conversion/ReportPathDialog.h"
#include "files/FileReport.h"
#include "files/FileSpreadsheet.h"
#include "files/FileStore.h"
#include "resources/Pictures.h"
#include "store/Queries.h"
#include "ui/BoxCaption.h"
#include "ui/DataGrid.h"
#include "ui/Fonts.h"
#include "ui/KeyboardAccess.h"
#include "ui/MessageService.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"
#include "ui/TypingLimit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>

namespace zendaro {

namespace {

QLineEdit* box(QWidget* parent, const char* name, const QString& accessibleName, QRect place) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(msSansSerif825());
    box->setGeometry(place);
    box->setAccessibleName(accessibleName);
    return box;
}

// A box with its caption on its left (the caption names the box).
QLineEdit* captionedBox(QWidget* parent, const char* name, const QString& caption, QRect captionPlace,
                        QRect boxPlace) {
    QString accessible = caption;
    accessible.remove(QStringLiteral(" :"));
    QLineEdit* edit = box(parent, name, accessible, boxPlace);
    BoxCaption(parent, caption, captionPlace)->setBuddy(edit);
    return edit;
}

QComboBox* picker(QWidget* parent, const char* name, const QString& caption, QRect captionPlace,
                  QRect place) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFont(msSansSerif825());
    list->setGeometry(place);
    QString accessible = caption;
    accessible.remove(QStringLiteral(" :"));
    list->setAccessibleName(accessible);
    BoxCaption(parent, caption, captionPlace)->setBuddy(list);
    return list;
}

bool isKey(QEvent* event, std::initializer_list<int> keys) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

bool isEnter(QEvent* event) {
    return isKey(event, {Qt::Key_Return, Qt::Key_Enter});
}

} // namespace

FileEditorPage::FileEditorPage(const QString& databasePath, const RegionalSettings& settings,
                               FileStore& store, QWidget* parent)
    : QWidget(parent), databasePath_(databasePath), settings_(settings), store_(store),
      work_(std::make_unique<FileWork>(databasePath, settings)) {
    setObjectName(QStringLiteral("CER_DOSYA"));
    for (DataView* view : {&otherScales_, &homeScales_})
        view->SetDatabaseName(databasePath);
    buildStudent();
    buildEntry();
    buildTable();
    buildButtons();
    alignEntry();
}

void FileEditorPage::alignEntry() {
    // Each entry box stands right above the column it fills.
    const QList<std::pair<QWidget*, int>> boxes{
        {code_, course_table::Code}, {course_, course_table::Name}, {credit_, course_table::Credit},
        {ects_, course_table::Ects}, {grade_, course_table::Grade}, {counts_, course_table::Counts}};
    const QHeaderView* header = table_->horizontalHeader();
    const int left = table_->x() + table_->frameWidth();
    for (const auto& [box, column] : boxes) {
        QRect place(left + header->sectionPosition(column), twips(1140), header->sectionSize(column),
                    twips(315));
        if (box == counts_)
            place.adjust((place.width() - counts_->sizeHint().width()) / 2, 0, 0, 0);
        box->setGeometry(place);
    }
}

FileEditorPage::~FileEditorPage() = default;

void FileEditorPage::buildStudent() {
    name_ = captionedBox(this, "TXT_OGRENCI_ADI", QStringLiteral("Adı Soyadı :"),
                         twipsRect(120, 0, 1740, 315), twipsRect(1920, 0, 2610, 315));
    number_ = captionedBox(this, "TXT_OGRENCI_NO", QStringLiteral("Numarası :"),
                           twipsRect(4590, 0, 1140, 315), twipsRect(5790, 0, 1560, 315));
    programme_ = captionedBox(this, "TXT_PROGRAM", QStringLiteral("Programı :"),
                              twipsRect(7410, 0, 1140, 315), twipsRect(8610, 0, 3555, 315));
    university_ = captionedBox(this, "TXT_DIGER_UNIVERSITE", QStringLiteral("Diğer Üniversite :"),
                               twipsRect(120, 360, 1740, 315), twipsRect(1920, 360, 2610, 315));
    note_ = captionedBox(this, "TXT_ACIKLAMA", QStringLiteral("Not :"), twipsRect(4590, 360, 1140, 315),
                         twipsRect(5790, 360, 6375, 315));
    otherPicker_ = picker(this, "CMB_KAYNAK_OLCEK", QStringLiteral("Diğer Ölçek :"),
                          twipsRect(120, 720, 1740, 315), twipsRect(1920, 720, 3810, 315));
    homePicker_ = picker(this, "CMB_DORNELA_OLCEK", QStringLiteral("Dornela Ölçeği :"),
                         twipsRect(5790, 720, 1680, 315), twipsRect(7530, 720, 4635, 315));
    for (QLineEdit* edit : {name_, number_, programme_, university_, note_})
        connect(edit, &QLineEdit::textEdited, this, &FileEditorPage::detailsEdited);
    for (QComboBox* list : {otherPicker_, homePicker_})
        connect(list, &QComboBox::activated, this, &FileEditorPage::pickScales);
}

void FileEditorPage::buildEntry() {
    // The entry boxes stand above the columns they fill.
    code_ = box(this, "TXT_DERS_KODU", QStringLiteral("Ders kodu"), {});
    course_ = box(this, "TXT_DERS_ADI", QStringLiteral("Ders adı"), {});
    credit_ = box(this, "TXT_KREDI", QStringLiteral("Kredi"), {});
    ects_ = box(this, "TXT_AKTS", QStringLiteral("AKTS kredisi"), {});
    grade_ = box(this, "TXT_DERSNOTU", QStringLiteral("Dersin notu"), {});
    const QList<std::pair<QLineEdit*, QString>> hints{{code_, QStringLiteral("Kod")},
                                                      {course_, QStringLiteral("Ders Adı")},
                                                      {credit_, QStringLiteral("Kredi")},
                                                      {ects_, QStringLiteral("AKTS")},
                                                      {grade_, QStringLiteral("Not")}};
    for (const auto& [edit, hint] : hints) {
        edit->setPlaceholderText(hint);
        edit->setToolTip(edit->accessibleName());
        edit->installEventFilter(this);
    }
    for (QLineEdit* edit : {credit_, ects_, grade_})
        edit->setAlignment(Qt::AlignCenter);
    // As the course list's boxes: a grade the scale stores longer is shown whole.
    LimitTyping(grade_, 5);
    LimitTyping(credit_, 50);
    LimitTyping(ects_, 50);

    counts_ = new QCheckBox(this);
    counts_->setObjectName(QStringLiteral("CHK_ORTALAMA"));
    counts_->setChecked(true);
    counts_->setAccessibleName(QStringLiteral("Ortalamaya katılır"));
    counts_->setToolTip(QStringLiteral("Ortalamaya katılır"));
    counts_->installEventFilter(this);

    add_ = MakePictureButton(this, "BTN_DERS_EKLE", QStringLiteral("Dersi Ekle"),
                             QStringLiteral("Dersi ekle ve dönüştür (Enter)"), pictures::EditAddGradeNormal,
                             pictures::EditAddGradeLight, 6750, 1110);
    cancel_ = MakePictureButton(this, "BTN_DERS_VAZGEC", QStringLiteral("Vazgeç"),
                                QStringLiteral("Dersin değişikliğinden vazgeç (Esc)"),
                                pictures::EditCancelNormal, pictures::EditCancelLight, 9000, 1110);
    cancel_->hide();
    remove_ = MakePictureButton(this, "BTN_DERS_SIL", QStringLiteral("Dersi Sil"),
                                QStringLiteral("Seçili dersi sil (Delete)"), pictures::EditDeleteNormal,
                                pictures::EditDeleteLight, 10500, 1110);
    connect(add_, &PictureBttn::LClick, this, &FileEditorPage::commitEntry);
    connect(cancel_, &PictureBttn::LClick, this, &FileEditorPage::cancelEdit);
    connect(remove_, &PictureBttn::LClick, this, &FileEditorPage::deleteRow);
}

void FileEditorPage::buildTable() {
    table_ = new DataGrid(QStringLiteral("DG_DERSLER"), this);
    table_->setAccessibleName(QStringLiteral("Dersler"));
    table_->setFont(msSansSerif825());
    table_->setGeometry(twipsRect(120, 1500, 12045, 4140));
    QVector<GridColumn> columns;
    const QStringList captions = course_table::captions();
    for (int c = 0; c < captions.size(); ++c)
        columns.append({captions.at(c), QString(), course_table::isNumber(c)});
    table_->bindTable([this] { return work_->size(); },
                      [this](int row, int column) { return course_table::cell(*work_, row, column); },
                      columns, settings_.numbers());
    // Each course's explanation is one hover (or the tooltip key) away.
    if (auto* model = qobject_cast<TableModel*>(table_->gridModel()))
        model->setRowTip([this](int row) { return work_->explanation(row); });
    table_->verticalHeader()->setDefaultSectionSize(17);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QHeaderView* header = table_->horizontalHeader();
    header->setMinimumSectionSize(20);
    for (int c = 0; c < course_table::Mark; ++c) {
        header->setSectionResizeMode(c, QHeaderView::Fixed);
        table_->setColumnWidth(c, course_table::width(c));
    }
    header->setStretchLastSection(true);
    table_->setItemDelegate(course_table::makeDelegate(*work_, table_));
    table_->installEventFilter(this);
    connect(table_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { editRow(index.row()); });

    totals_ = new QLabel(this);
    totals_->setObjectName(QStringLiteral("LBL_TOPLAMLAR"));
    totals_->setGeometry(twipsRect(120, 5670, 12045, 255));
    totals_->setFont(legacyFont(QStringLiteral("Arial"), 9, true));
    totals_->setStyleSheet(QStringLiteral("color: rgb(3, 133, 209);"));
}

void FileEditorPage::buildButtons() {
    saveButton_ = MakePictureButton(this, "BTN_KAYDET", QStringLiteral("Kaydet"),
                                    QStringLiteral("Dönüşüm dosyasını kaydet"), pictures::EditSaveNormal,
                                    pictures::EditSaveLight, 1650, 6150);
    pdf_ = MakePictureButton(this, "BTN_PDF", QStringLiteral("Belge (PDF)"),
                             QStringLiteral("Not Dönüşüm Belgesini PDF olarak kaydet"),
                             pictures::EditExportNormal, pictures::EditExportLight, 3300, 6150);
    xlsx_ = MakePictureButton(this, "BTN_XLSX", QStringLiteral("Excel (xlsx)"),
                              QStringLiteral("Dersleri ve sonuçlarını .xlsx dosyasına aktar"),
                              pictures::EditExportNormal, pictures::EditExportLight, 5250, 6150);
    list_ = MakePictureButton(this, "BTN_DOSYA_LISTESI", QStringLiteral("Dosya Listesi"),
                              QStringLiteral("Kayıtlı dönüşüm dosyalarının listesine dön"),
                              pictures::EditLibraryNormal, pictures::EditLibraryLight, 7350, 6150);
    connect(saveButton_, &PictureBttn::LClick, this, &FileEditorPage::save);
    connect(pdf_, &PictureBttn::LClick, this, [this] { writeReport(false); });
    connect(xlsx_, &PictureBttn::LClick, this, [this] { writeReport(true); });
    connect(list_, &PictureBttn::LClick, this, [this] {
        if (mayLeave())
            emit listRequested();
    });
}

void FileEditorPage::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    saveButton_->setEnabled(!readOnly);
}

void FileEditorPage::fillPickers() {
    const auto fill = [](QComboBox* list, DataView& view, const QString& query, bool withSystem) {
        list->clear();
        view.SetRecordSource(query);
        view.Refresh();
        for (view.MoveFirst(); !view.AtBOF() && !view.AtEOF(); view.MoveNext()) {
            QString text = view.Field(QStringLiteral("olcek_adi")).toString();
            if (withSystem)
                text += QStringLiteral(" (") + view.Field(QStringLiteral("not_sistemi")).toString() +
                        QLatin1Char(')');
            list->addItem(text, view.Field(QStringLiteral("id")));
        }
    };
    fill(otherPicker_, otherScales_, queries::Q5(), true);
    fill(homePicker_, homeScales_, queries::Q6(), false);
}

void FileEditorPage::open(ConversionFile file) {
    try {
        fillPickers();
        work_->open(std::move(file));
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
    }
    cancelEdit();
    showFile();
    showCourses(work_->size() > 0 ? 0 : -1);
    name_->setFocus();
}

void FileEditorPage::showFile() {
    const ConversionFile& file = work_->file();
    name_->setText(file.studentName);
    number_->setText(file.studentNumber);
    programme_->setText(file.programme);
    university_->setText(file.otherUniversity);
    note_->setText(file.note);
    for (QLineEdit* edit : {name_, number_, programme_, university_, note_})
        edit->setCursorPosition(0);
    otherPicker_->setCurrentIndex(otherPicker_->findData(file.otherScaleId));
    homePicker_->setCurrentIndex(homePicker_->findData(file.homeScaleId));
    // A scale that is gone is named as the file last knew it.
    otherPicker_->setPlaceholderText(file.otherScaleName);
    homePicker_->setPlaceholderText(file.homeScaleName);
}

void FileEditorPage::detailsEdited() {
    ConversionFile& file = work_->details();
    file.studentName = name_->text();
    file.studentNumber = number_->text();
    file.programme = programme_->text();
    file.otherUniversity = university_->text();
    file.note = note_->text();
}

void FileEditorPage::pickScales() {
    const auto chosen = [](QComboBox* list) {
        return list->currentIndex() < 0 ? qint64(-1) : list->currentData().toLongLong();
    };
    try {
        work_->setScales(chosen(otherPicker_), chosen(homePicker_));
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
    }
    showCourses(table_->currentRowNumber());
}

void FileEditorPage::showCourses(int currentRow) {
    table_->reRead();
    table_->redraw();
    table_->setCurrentRowNumber(std::min(currentRow, work_->size() - 1));
    const FileTotals totals = work_->totals();
    // Each total as its caption, a colon and its value, side by side.
    const QList<std::pair<QString, QString>> parts{
        {QStringLiteral("Ders"), QString::number(totals.courses)},
        {QStringLiteral("Geçer"), QString::number(totals.passed)},
        {QStringLiteral("Kalır"), QString::number(totals.failed)},
        {QStringLiteral("Toplam Kredi"), TwoDecimalText(totals.credit, settings_)},
        {QStringLiteral("Ağırlıklı Ortalama"),
         totals.average ? TwoDecimalText(*totals.average, settings_) : QStringLiteral("—")}};
    QStringList shown;
    for (const auto& [caption, value] : parts)
        shown.append(caption + QStringLiteral(": ") + value);
    const QString text = shown.join(QStringLiteral("     "));
    totals_->setText(text);
    totals_->setAccessibleName(text);
    remove_->setEnabled(!work_->states().isEmpty());
}

void FileEditorPage::clearEntry() {
    for (QLineEdit* edit : {code_, course_, credit_, ects_, grade_})
        edit->clear();
    counts_->setChecked(true);
}

void FileEditorPage::commitEntry() {
    const CourseEntry entry{code_->text(), course_->text(), credit_->text(),
                            ects_->text(), grade_->text(),  counts_->isChecked()};
    CourseEntryResult result;
    try {
        result = editedRow_ >= 0 ? work_->change(editedRow_, entry) : work_->add(entry);
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, this);
        return;
    }
    if (!result.done) {
        showMessageFor(result);
        return;
    }
    const int row = editedRow_ >= 0 ? editedRow_ : work_->size() - 1;
    cancelEdit();
    showCourses(row);
    code_->setFocus();
}

void FileEditorPage::showMessageFor(const CourseEntryResult& result) {
    ShowMessage(result.message, StyleOk, IconStop, this);
    using Box = CourseEntryResult::Box;
    if (result.focus == Box::None && (otherPicker_->currentIndex() < 0 || homePicker_->currentIndex() < 0)) {
        (otherPicker_->currentIndex() < 0 ? otherPicker_ : homePicker_)->setFocus();
        return;
    }
    QLineEdit* focus = result.focus == Box::Code     ? code_
                       : result.focus == Box::Name   ? course_
                       : result.focus == Box::Credit ? credit_
                       : result.focus == Box::Ects   ? ects_
                                                     : grade_;
    focus->setFocus();
    focus->selectAll();
}

void FileEditorPage::editRow(int row) {
    if (row < 0 || row >= work_->size())
        return;
    const FileCourse& course = work_->file().courses.at(row);
    editedRow_ = row;
    code_->setText(course.code);
    course_->setText(course.name);
    credit_->setText(ShortestNumberText(course.credit, settings_));
    ects_->setText(course.ects ? ShortestNumberText(*course.ects, settings_) : QString());
    grade_->setText(course.grade);
    counts_->setChecked(course.counts);
    add_->setCaption(QStringLiteral("Dersi Değiştir"));
    add_->setToolTip(QStringLiteral("Dersin değişikliğini kaydet ve dönüştür (Enter)"));
    cancel_->show();
    table_->setCurrentRowNumber(row);
    code_->setFocus();
    code_->selectAll();
}

void FileEditorPage::cancelEdit() {
    const bool wasEditing = editedRow_ >= 0;
    editedRow_ = -1;
    clearEntry();
    add_->setCaption(QStringLiteral("Dersi Ekle"));
    add_->setToolTip(QStringLiteral("Dersi ekle ve dönüştür (Enter)"));
    cancel_->hide();
    if (wasEditing)
        table_->setFocus();
}

void FileEditorPage::deleteRow() {
    const int row = table_->currentRowNumber();
    if (row < 0 || row >= work_->size())
        return;
    const FileCourse& course = work_->file().courses.at(row);
    const QString what = course.code.isEmpty() ? course.name : course.code;
    const QString text =
        what.isEmpty() ? QStringLiteral("Seçili ders dosyadan silinecek. Silmek istiyor musunuz?")
                       : QStringLiteral("“%1” dersi dosyadan silinecek. Silmek istiyor musunuz?").arg(what);
    if (ShowMessage(text, StyleYesNo, IconStop, this) == ResultHayir)
        return;
    if (editedRow_ >= 0)
        cancelEdit();
    work_->remove(row);
    showCourses(row);
    table_->setFocus();
}

bool FileEditorPage::save() {
    if (readOnly_)
        return false;
    detailsEdited();
    if (work_->file().studentName.trimmed().isEmpty()) {
        ShowMessage(QStringLiteral("LÜTFEN ÖĞRENCİNİN ADINI VE SOYADINI GİRİNİZ..."), StyleOk, IconStop,
                    this);
        name_->setFocus();
        return false;
    }
    ConversionFile file = work_->forSave();
    try {
        store_.save(file);
    } catch (const StoreError& error) {
        // A conflict or a store failure: nothing was written, the work stays here.
        ShowMessage(error.text(), StyleOk, IconStop, this);
        return false;
    }
    work_->saved(file);
    showCourses(table_->currentRowNumber());
    emit savedFile();
    ShowMessage(QStringLiteral("Dönüşüm dosyası kaydedildi..."), StyleOk, IconInfo, this);
    return true;
}

void FileEditorPage::writeReport(bool spreadsheet) {
    if (work_->size() == 0) {
        ShowMessage(QStringLiteral("RAPOR İÇİN LÜTFEN ÖNCE LİSTEYE DERS EKLEYİNİZ..."), StyleOk, IconInfo,
                    this);
        return;
    }
    detailsEdited();
    // Named after the student, in the user's home folder, dated today.
    QString who = work_->file().studentNumber.trimmed();
    if (who.isEmpty())
        who = work_->file().studentName.trimmed();
    who.replace(QRegularExpression(QStringLiteral("[\\/:*?\"<>|\\s]+")), QStringLiteral("-"));
    const QString name = QStringLiteral("Not-Donusum-Belgesi%1-%2")
                             .arg(who.isEmpty() ? QString() : QLatin1Char('-') + who,
                                  QDate::currentDate().toString(Qt::ISODate));
    const QString suggested =
        QDir::home().filePath(name + (spreadsheet ? QStringLiteral(".xlsx") : QStringLiteral(".pdf")));
    const QString path = spreadsheet ? AskReportPath(
                                           this, suggested,
                                           [](QWidget* owner, const QString& at) {
                                               return reportPathChooser().chooseXlsxPath(owner, at);
                                           },
                                           WithXlsxSuffix)
                                     : AskReportPath(this, suggested);
    if (path.isEmpty())
        return;
    // The explanations go in as an appendix when the user wants them.
    bool withExplanations = false;
    if (!spreadsheet) {
        const auto& states = work_->states();
        if (std::any_of(states.begin(), states.end(),
                        [](const CourseState& state) { return !state.explanation.isEmpty(); }))
            withExplanations =
                ShowMessage(ExplanationAppendixQuestion(), StyleYesNo, IconInfo, this) == ResultEvet;
    }
    const QString error = spreadsheet ? WriteFileSpreadsheet(path, *work_)
                                      : WriteFileReport(path, databasePath_, *work_,
                                                        QDateTime::currentDateTime(), withExplanations);
    TellReportSaved(this, path, error);
}

bool FileEditorPage::mayLeave() {
    detailsEdited();
    if (readOnly_ || !work_->hasChanges())
        return true;
    return ShowMessage(QStringLiteral("Dosyada kaydedilmemiş değişiklikler var. Kaydetmeden çıkarsanız bu "
                                      "değişiklikler kaybolacak. Çıkmak istiyor musunuz?"),
                       StyleYesNo, IconStop, this) != ResultHayir;
}

bool FileEditorPage::eventFilter(QObject* watched, QEvent* event) {
    // Enter goes from box to box and, in the grade box, adds the course.
    if (isEnter(event)) {
        if (watched == code_)
            course_->setFocus();
        else if (watched == course_)
            credit_->setFocus();
        else if (watched == credit_)
            ects_->setFocus();
        else if (watched == ects_)
            grade_->setFocus();
        else if (watched == grade_ || watched == counts_)
            commitEntry();
        else if (watched == table_)
            editRow(table_->currentRowNumber());
        else
            return QWidget::eventFilter(watched, event);
        return true;
    }
    if (watched == table_ && isKey(event, {Qt::Key_F2})) {
        editRow(table_->currentRowNumber());
        return true;
    }
    if (watched == table_ && isKey(event, {Qt::Key_Delete})) {
        deleteRow();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zendaro

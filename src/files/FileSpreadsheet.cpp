#include "FileSpreadsheet.h"

#include "conversion/CourseReport.h"
#include "conversion/NumberText.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cstdio>
#include <xlsxwriter.h>
#ifdef Q_OS_WIN
#include <QDir>
#include <windows.h>
#endif

namespace zendaro {

namespace {

// The most characters a spreadsheet cell holds.
constexpr qsizetype MaxCellText = 32767;

enum Column {
    ColumnNumber,
    ColumnStudent,
    ColumnRow,
    ColumnCode,
    ColumnName,
    ColumnCredit,
    ColumnEcts,
    ColumnGrade,
    ColumnCounts,
    ColumnHomeLetter,
    ColumnHomeValue,
    ColumnLetterValue,
    ColumnStatus,
    ColumnMark,
};

// Text as a spreadsheet file stores it: characters XML cannot hold (control
// characters other than tab and line feed, U+FFFE, U+FFFF) written as
// _xHHHH_, and text that already reads like such an escape guarded by an
// escaped underscore, so that a reader gets back exactly the typed text.
QString cellText(const QString& text) {
    static const QRegularExpression startsEscape(QStringLiteral("_(?=x[0-9A-Fa-f]{4}_)"));
    QString guarded = text;
    guarded.replace(startsEscape, QStringLiteral("_x005F_"));
    QString out;
    out.reserve(guarded.size());
    for (const QChar c : std::as_const(guarded)) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n') || u == 0xFFFE || u == 0xFFFF)
            out += QString::asprintf("_x%04X_", static_cast<unsigned>(u));
        else
            out += c;
    }
    return out;
}

// Characters as the library counts them (code points).
qsizetype characters(const QString& text) {
    return static_cast<qsizetype>(text.toUcs4().size());
}

class Sheet {
public:
    explicit Sheet(lxw_workbook* book) {
        sheet_ = workbook_add_worksheet(book, "Dersler");
        bold_ = workbook_add_format(book);
        format_set_bold(bold_);
        twoDecimals_ = workbook_add_format(book);
        format_set_num_format(twoDecimals_, "0.00");
        textFormat_ = workbook_add_format(book);
        format_set_num_format(textFormat_, "@");
    }

    bool ready() const { return sheet_ != nullptr && bold_ && twoDecimals_ && textFormat_; }
    bool failed() const { return error_ != LXW_NO_ERROR; }
    bool tooLong() const { return tooLong_; }

    void text(int row, int column, const QString& value, lxw_format* format = nullptr) {
        const QString stored = cellText(value);
        if (characters(stored) > MaxCellText) {
            tooLong_ = true;
            return;
        }
        if (stored.isEmpty())
            return;
        check(worksheet_write_string(sheet_, row, static_cast<lxw_col_t>(column), stored.toUtf8().constData(),
                                     format ? format : textFormat_));
    }

    void number(int row, int column, double value, lxw_format* format = nullptr) {
        check(worksheet_write_number(sheet_, row, static_cast<lxw_col_t>(column), value, format));
    }

    void header(const QStringList& captions) {
        for (int column = 0; column < captions.size(); ++column)
            text(0, column, captions.at(column), bold_);
        worksheet_freeze_panes(sheet_, 1, 0);
    }

    void widths() {
        const double width[] = {16, 24, 6, 12, 36, 8, 8, 8, 10, 10, 10, 10, 14, 20};
        for (int column = 0; column < static_cast<int>(std::size(width)); ++column)
            check(worksheet_set_column(sheet_, static_cast<lxw_col_t>(column), static_cast<lxw_col_t>(column),
                                       width[column], nullptr));
    }

    lxw_format* twoDecimals() const { return twoDecimals_; }

private:
    void check(lxw_error error) {
        if (error != LXW_NO_ERROR && error_ == LXW_NO_ERROR)
            error_ = error;
    }

    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    lxw_format* twoDecimals_ = nullptr;
    lxw_format* textFormat_ = nullptr;
    lxw_error error_ = LXW_NO_ERROR;
    bool tooLong_ = false;
};

void writeCourses(Sheet& sheet, const FileWork& work) {
    const ConversionFile& file = work.file();
    sheet.header(FileSpreadsheetCaptions());
    sheet.widths();
    for (int i = 0; i < work.size(); ++i) {
        const int row = i + 1;
        const FileCourse& course = file.courses.at(i);
        const CourseState& state = work.states().at(i);
        const CourseResult shown = state.shown();
        sheet.text(row, ColumnNumber, file.studentNumber);
        sheet.text(row, ColumnStudent, file.studentName);
        sheet.number(row, ColumnRow, i + 1);
        sheet.text(row, ColumnCode, course.code);
        sheet.text(row, ColumnName, course.name);
        sheet.number(row, ColumnCredit, course.credit);
        if (course.ects)
            sheet.number(row, ColumnEcts, *course.ects);
        // A grade that reads as a number is a number; a letter is text.
        if (const auto grade = ReadNumberText(course.grade, work.settings()))
            sheet.number(row, ColumnGrade, *grade);
        else
            sheet.text(row, ColumnGrade, course.grade);
        sheet.text(row, ColumnCounts, course.counts ? QStringLiteral("Evet") : QStringLiteral("Hayır"));
        if (shown.converted) {
            sheet.text(row, ColumnHomeLetter, shown.homeLetter);
            sheet.number(row, ColumnHomeValue, shown.homeValue, sheet.twoDecimals());
            sheet.number(row, ColumnLetterValue, shown.letterValue, sheet.twoDecimals());
            sheet.text(row, ColumnStatus, shown.homeStatus);
        }
        sheet.text(row, ColumnMark, CourseMarkText(state.mark));
    }
}

// A file name of its own, made from a template as QTemporaryFile makes it;
// the file is removed with the object unless kept. No handle of the file is
// held (Windows refuses to rename a file that is open).
class TemporaryName {
public:
    explicit TemporaryName(const QString& nameTemplate) {
        QTemporaryFile file(nameTemplate);
        file.setAutoRemove(false);
        if (file.open())
            name_ = file.fileName();
    }
    ~TemporaryName() {
        if (!name_.isEmpty() && !kept_)
            QFile::remove(name_);
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    QString fileName() const { return name_; }
    void keep() { kept_ = true; }

private:
    QString name_;
    bool kept_ = false;
};

// Puts the written file in the target's place in one step, an older file of
// the name replaced (Windows' own rename refuses to replace a file).
bool replaceWith(const QString& written, const QString& target) {
#ifdef Q_OS_WIN
    const QString from = QDir::toNativeSeparators(written);
    const QString to = QDir::toNativeSeparators(target);
    return MoveFileExW(reinterpret_cast<const wchar_t*>(from.utf16()),
                       reinterpret_cast<const wchar_t*>(to.utf16()), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(QFile::encodeName(written).constData(), QFile::encodeName(target).constData()) == 0;
#endif
}

} // namespace

QStringList FileSpreadsheetCaptions() {
    return {QStringLiteral("Öğrenci Numarası"),
            QStringLiteral("Adı Soyadı"),
            QStringLiteral("Sıra"),
            QStringLiteral("Ders Kodu"),
            QStringLiteral("Ders Adı"),
            QStringLiteral("Kredi"),
            QStringLiteral("AKTS"),
            QStringLiteral("Not"),
            QStringLiteral("Ortalamaya Katılır"),
            QStringLiteral("Dornela Harf Notu"),
            QStringLiteral("Dornela Sayısal Not"),
            QStringLiteral("Harf Notu Değeri"),
            QStringLiteral("Başarı Durumu"),
            QStringLiteral("Uyarı")};
}

QString TextTooLongForCellText() {
    return QStringLiteral("Bir yazı bir tablo hücresine sığmayacak kadar uzun (en fazla 32.767 karakter).");
}

QString WithXlsxSuffix(const QString& path) {
    return path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive) ? path
                                                                       : path + QStringLiteral(".xlsx");
}

QString WriteFileSpreadsheet(const QString& path, const FileWork& work) {
    const QFileInfo target(path);
    if (target.isDir() || (target.exists() && !target.isWritable()))
        return UnwritableFileReason(path);
    // Written beside the target under a name of its own, renamed at the end.
    TemporaryName temporary(target.absolutePath() + QStringLiteral("/.zendaro-XXXXXX.xlsx"));
    if (temporary.fileName().isEmpty())
        return UnwritableFileReason(path);
    const QByteArray temporaryName = QFile::encodeName(temporary.fileName());

    lxw_workbook* book = workbook_new(temporaryName.constData());
    if (!book)
        return UnwritableFileReason(path);
    Sheet sheet(book);
    const QByteArray title = QStringLiteral("ZENDARO Ders Sonuçları").toUtf8();
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(title.constData());
    workbook_set_properties(book, &properties);
    if (sheet.ready())
        writeCourses(sheet, work);
    const bool written = sheet.ready() && !sheet.failed() && !sheet.tooLong();
    const lxw_error closed = workbook_close(book); // frees the workbook, writes the file
    if (sheet.tooLong())
        return TextTooLongForCellText();
    if (!written || closed != LXW_NO_ERROR)
        return UnwritableFileReason(path);

    QFile::setPermissions(temporary.fileName(), target.exists() ? target.permissions()
                                                                : QFile::ReadOwner | QFile::WriteOwner |
                                                                      QFile::ReadGroup | QFile::ReadOther);
    if (!replaceWith(temporary.fileName(), target.absoluteFilePath()))
        return UnwritableFileReason(path);
    temporary.keep();
    return {};
}

} // namespace zendaro

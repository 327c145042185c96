#include "FileReport.h"

#include "conversion/CourseReport.h"
#include "conversion/NumberText.h"
#include "store/DataView.h"
#include "store/Queries.h"

#include <QLocale>
#include <algorithm>

namespace zendaro {

namespace {

// What the document adds to the reports' style sheet.
const char* const extraStyle = R"(
table.course td { font-size: 9pt; padding: 3px 4px; }
table.course th { font-size: 9pt; padding: 4px 4px; }
table.grades td { font-size: 8pt; padding: 1px 5px; }
table.grades th { font-size: 8pt; padding: 2px 5px; }
td.gap { border-bottom: none; }
td.sign { padding-top: 10px; border-bottom: none; }
p.line { margin-top: 14px; }
)";

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

std::optional<double> number(const DataView& view, const char* name) {
    const QVariant value = view.Field(QString::fromLatin1(name));
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    const double read = value.toDouble(&ok);
    return ok ? std::optional<double>(read) : std::nullopt;
}

std::optional<qint64> whole(const DataView& view, const char* name) {
    const QVariant value = view.Field(QString::fromLatin1(name));
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    const qint64 read = value.toLongLong(&ok);
    return ok ? std::optional<qint64>(read) : std::nullopt;
}

// Reads one scale and its grades: the scale view at the chosen id, the
// grades through the grade query of the scale.
ReportScaleTable readScale(const QString& databasePath, qint64 id, const QString& keptName, bool other) {
    ReportScaleTable table;
    table.name = keptName;
    if (id < 0)
        return table;
    DataView scales;
    scales.SetDatabaseName(databasePath);
    scales.SetRecordSource(other ? queries::Q5() : queries::Q6());
    scales.Refresh();
    if (scales.RecordCount() == 0 || !scales.FindFirst(queries::C2(id)))
        return table;
    table.found = true;
    table.name = scales.Field(QStringLiteral("olcek_adi")).toString();
    table.kind =
        scales.Field(other ? QStringLiteral("not_sistemi") : QStringLiteral("egitim_duzeyi")).toString();
    table.maxPass = number(scales, "max_GN");
    table.minPass = number(scales, "min_GN");
    table.maxFail = number(scales, "max_KN");
    table.minFail = number(scales, "min_KN");
    if (other) {
        table.passCount = whole(scales, "Gecer_Not_Sayisi");
        table.failCount = whole(scales, "Kalir_Not_Sayisi");
    }

    DataView grades;
    grades.SetDatabaseName(databasePath);
    grades.SetRecordSource(other ? queries::Q4(id) : queries::Q2(id));
    grades.Refresh();
    for (const QSqlRecord& row : grades.Rows()) {
        ReportScaleTable::Grade grade;
        grade.letter = row.value(QStringLiteral("harf_notu")).toString();
        grade.value = row.value(QStringLiteral("sayisal_not")).toDouble();
        grade.status = row.value(QStringLiteral("durum")).toString();
        if (other && !row.value(QStringLiteral("adim_no")).isNull())
            grade.step = row.value(QStringLiteral("adim_no")).toLongLong();
        table.grades.append(grade);
    }
    return table;
}

class Document {
public:
    Document(const FileWork& work, const FileReportScales& scales) : work_(work), scales_(scales) {}
    QString html(const QDateTime& when, bool withExplanations);

private:
    QString two(double value) const { return TwoDecimalText(value, work_.settings()); }
    QString shortest(std::optional<double> value) const {
        return value ? ShortestNumberText(*value, work_.settings()) : QStringLiteral("&mdash;");
    }
    void student();
    void scaleNames();
    void courses();
    void totals();
    void signatures();
    void scaleTables();
    void gradeTable(const ReportScaleTable& table, bool other);
    void explanations();

    const FileWork& work_;
    const FileReportScales& scales_;
    QString out_;
};

QString scaleName(const ReportScaleTable& table) {
    if (table.found)
        return escaped(table.name);
    if (table.name.isEmpty())
        return QStringLiteral("&mdash; <span class=\"mark\">(seçilmedi)</span>");
    return escaped(table.name) + QStringLiteral(" <span class=\"mark\">(veritabanında artık yok)</span>");
}

void Document::student() {
    const ConversionFile& file = work_.file();
    out_ += QStringLiteral("<h2>Öğrenci</h2><table cellspacing=\"0\" width=\"100%\">");
    const std::pair<const char*, const QString*> rows[] = {
        {"Adı Soyadı", &file.studentName},
        {"Öğrenci Numarası", &file.studentNumber},
        {"Programı", &file.programme},
        {"Geldiği Üniversite", &file.otherUniversity},
    };
    for (const auto& [caption, value] : rows)
        out_ += QStringLiteral("<tr><td class=\"label\" width=\"28%\">") + QString::fromUtf8(caption) +
                QStringLiteral("</td><td>") + escaped(*value) + QStringLiteral("</td></tr>");
    out_ += QStringLiteral("</table>");
}

void Document::scaleNames() {
    out_ += QStringLiteral("<h2>Not Ölçekleri</h2><table cellspacing=\"0\" width=\"100%\">"
                           "<tr><th align=\"left\"></th><th align=\"left\">Ölçek Adı</th>"
                           "<th align=\"left\">Not Sistemi</th><th align=\"left\">Eğitim Düzeyi</th></tr>");
    out_ += QStringLiteral("<tr><td class=\"label\">Diğer Üniversite</td><td>") + scaleName(scales_.other) +
            QStringLiteral("</td><td>") + escaped(scales_.other.kind) +
            QStringLiteral("</td><td>&mdash;</td></tr>");
    out_ += QStringLiteral("<tr><td class=\"label\">Dornela Üniversitesi</td><td>") +
            scaleName(scales_.home) + QStringLiteral("</td><td>Harf Notu (AA&ndash;FF)</td><td>") +
            escaped(scales_.home.kind) + QStringLiteral("</td></tr></table>");
}

void Document::courses() {
    out_ += QStringLiteral(
        "<h2>Dersler</h2><table class=\"course\" cellspacing=\"0\" width=\"100%\"><tr>"
        "<th align=\"right\" width=\"6%\">Sıra</th><th align=\"left\" width=\"11%\">Ders Kodu</th>"
        "<th align=\"left\" width=\"23%\">Ders Adı</th><th align=\"right\" width=\"8%\">Kredi</th>"
        "<th align=\"right\" width=\"7%\">AKTS</th><th align=\"left\" width=\"6%\">Not</th>"
        "<th align=\"left\" width=\"10%\">Dornela<br>Harf Notu</th>"
        "<th align=\"right\" width=\"10%\">Dornela<br>Sayısal Not</th>"
        "<th align=\"left\" width=\"19%\">Başarı Durumu</th></tr>");
    for (int row = 0; row < work_.size(); ++row) {
        const FileCourse& course = work_.file().courses.at(row);
        const CourseState& state = work_.states().at(row);
        const CourseResult shown = state.shown();
        out_ += QStringLiteral("<tr><td class=\"num\">%1</td><td>").arg(row + 1) + escaped(course.code) +
                QStringLiteral("</td><td>") + escaped(course.name) +
                QStringLiteral("</td><td class=\"num\">") + two(course.credit) +
                QStringLiteral("</td><td class=\"num\">") +
                (course.ects ? two(*course.ects) : QStringLiteral("&mdash;")) + QStringLiteral("</td><td>") +
                escaped(course.grade) + QStringLiteral("</td>");
        QString status;
        if (shown.converted) {
            const QString kind = shown.passed ? QStringLiteral("pass") : QStringLiteral("fail");
            out_ += QStringLiteral("<td class=\"%1\">").arg(kind) + escaped(shown.homeLetter) +
                    QStringLiteral("</td><td class=\"num\">") + two(shown.homeValue) +
                    QStringLiteral("</td>");
            status = QStringLiteral("<span class=\"%1\">").arg(kind) + escaped(shown.homeStatus) +
                     QStringLiteral("</span>");
        } else {
            out_ += QStringLiteral("<td>&mdash;</td><td class=\"num\">&mdash;</td>");
            status = QStringLiteral("&mdash;");
        }
        if (state.mark != CourseMark::None) {
            status += QStringLiteral("<br><span class=\"mark\">") + escaped(CourseMarkText(state.mark));
            if (state.mark == CourseMark::Changed)
                status += QStringLiteral(" (önceki sonuç ") + escaped(state.stored.homeLetter) +
                          QStringLiteral(" ") + two(state.stored.homeValue) + QStringLiteral(")");
            status += QStringLiteral("</span>");
        }
        if (!course.counts)
            status += QStringLiteral("<br><span class=\"mark\">ORTALAMAYA KATILMAZ</span>");
        out_ += QStringLiteral("<td>") + status + QStringLiteral("</td></tr>");
    }
    out_ += QStringLiteral("</table>");
}

void Document::totals() {
    const FileTotals totals = work_.totals();
    const std::pair<const char*, QString> rows[] = {
        {"Ders Sayısı", QString::number(totals.courses)},
        {"Geçen / Kalan", QStringLiteral("%1 / %2").arg(totals.passed).arg(totals.failed)},
        {"Toplam Kredi", two(totals.credit)},
        {"Ağırlıklı Ortalama", totals.average ? two(*totals.average) : QStringLiteral("&mdash;")},
    };
    out_ += QStringLiteral("<h2>Toplam</h2><table cellspacing=\"0\">");
    for (const auto& [caption, value] : rows)
        out_ += QStringLiteral("<tr><td class=\"label\">") + QString::fromUtf8(caption) +
                QStringLiteral("</td><td class=\"total\">") + value + QStringLiteral("</td></tr>");
    out_ += QStringLiteral("</table><p class=\"sub\">Ağırlıklı ortalama, ortalamaya katılan ve sonucu olan "
                           "derslerin Dornela harf notu değerleri ile kredilerinin çarpımları toplamının bu "
                           "derslerin toplam kredisine bölümüdür.</p>");
    if (!work_.file().note.isEmpty())
        out_ += QStringLiteral("<h2>Açıklama</h2><p>") +
                escaped(work_.file().note).replace(u'\n', QStringLiteral("<br>")) + QStringLiteral("</p>");
}

void Document::signatures() {
    out_ += QStringLiteral("<table cellspacing=\"0\" width=\"100%\" style=\"margin-top: 28px;\"><tr>");
    for (const char* role : {"Hazırlayan", "Onaylayan"})
        out_ += QStringLiteral("<td class=\"sign\" width=\"50%\"><b>") + QString::fromUtf8(role) +
                QStringLiteral("</b><p class=\"line\">Adı Soyadı: ______________________</p>"
                               "<p class=\"line\">İmza: ______________________</p>"
                               "<p class=\"line\">Tarih: ______________________</p></td>");
    out_ += QStringLiteral("</tr></table>");
}

void Document::gradeTable(const ReportScaleTable& table, bool other) {
    if (!table.found) {
        out_ +=
            QStringLiteral("<p class=\"mark\">Bu ölçek veritabanında artık yok; notları gösterilemiyor.</p>");
        return;
    }
    out_ += QStringLiteral("<table cellspacing=\"0\"><tr><td class=\"label\">Geçer Notlar</td><td>") +
            shortest(table.maxPass) + QStringLiteral(" &ndash; ") + shortest(table.minPass);
    if (other)
        out_ += QStringLiteral(" (%1 not)")
                    .arg(table.passCount ? QString::number(*table.passCount) : QStringLiteral("&mdash;"));
    out_ += QStringLiteral("</td></tr><tr><td class=\"label\">Kalır Notlar</td><td>") +
            shortest(table.maxFail) + QStringLiteral(" &ndash; ") + shortest(table.minFail);
    if (other)
        out_ += QStringLiteral(" (%1 not)")
                    .arg(table.failCount ? QString::number(*table.failCount) : QStringLiteral("&mdash;"));
    out_ += QStringLiteral("</td></tr></table>");

    // Many grades stand side by side in up to three groups.
    const int count = static_cast<int>(table.grades.size());
    const int groups = std::clamp((count + 19) / 20, 1, 3);
    const int rows = (count + groups - 1) / groups;
    const QString header =
        other ? QStringLiteral("<th align=\"left\">Not</th><th align=\"right\">Sayısal Değer</th>"
                               "<th align=\"left\">Durum</th><th align=\"right\">Adım</th>")
              : QStringLiteral("<th align=\"left\">Harf Notu</th><th align=\"right\">Sayısal Not</th>"
                               "<th align=\"left\">Durum</th>");
    out_ += QStringLiteral("<table class=\"grades\" cellspacing=\"0\"><tr>");
    for (int g = 0; g < groups; ++g)
        out_ += (g > 0 ? QStringLiteral("<td class=\"gap\">&nbsp;&nbsp;</td>") : QString()) + header;
    out_ += QStringLiteral("</tr>");
    for (int r = 0; r < rows; ++r) {
        out_ += QStringLiteral("<tr>");
        for (int g = 0; g < groups; ++g) {
            if (g > 0)
                out_ += QStringLiteral("<td class=\"gap\"></td>");
            const int i = g * rows + r;
            if (i >= count) {
                out_ += other ? QStringLiteral("<td></td><td></td><td></td><td></td>")
                              : QStringLiteral("<td></td><td></td><td></td>");
                continue;
            }
            const ReportScaleTable::Grade& grade = table.grades.at(i);
            out_ += QStringLiteral("<td>") + escaped(grade.letter) +
                    QStringLiteral("</td><td class=\"num\">") +
                    ShortestNumberText(grade.value, work_.settings()) + QStringLiteral("</td><td>") +
                    escaped(grade.status) + QStringLiteral("</td>");
            if (other)
                out_ += QStringLiteral("<td class=\"num\">") +
                        (grade.step ? QString::number(*grade.step) : QStringLiteral("&mdash;")) +
                        QStringLiteral("</td>");
        }
        out_ += QStringLiteral("</tr>");
    }
    out_ += QStringLiteral("</table>");
}

void Document::scaleTables() {
    out_ += QStringLiteral("<div style=\"page-break-before: always;\"><h1>Not Ölçekleri</h1>"
                           "<p class=\"sub\">Belgedeki her dersin sonucu bu iki ölçeğe göre hesaplanmıştır: "
                           "diğer üniversitenin notu, geçer ya da kalır bloğundaki adımına göre Dornela "
                           "ölçeğinin aynı bloğuna yerleştirilir ve yarım puana yuvarlanır.</p></div>");
    out_ += QStringLiteral("<p class=\"sub\">Öğrenci: ") + escaped(work_.file().studentName) +
            QStringLiteral(" &nbsp;&middot;&nbsp; ") + escaped(work_.file().studentNumber) +
            QStringLiteral("</p>");
    out_ += QStringLiteral("<h2>Diğer Üniversitenin Ölçeği: ") + scaleName(scales_.other) +
            QStringLiteral("</h2>");
    gradeTable(scales_.other, true);
    out_ += QStringLiteral("<h2>Dornela Üniversitesi Ölçeği: ") + scaleName(scales_.home) +
            QStringLiteral("</h2>");
    gradeTable(scales_.home, false);
}

void Document::explanations() {
    out_ += QStringLiteral("<div style=\"page-break-before: always;\"><h1>") + ExplanationAppendixTitle() +
            QStringLiteral("</h1></div>");
    for (int row = 0; row < work_.size(); ++row) {
        const QString text = work_.explanation(row);
        if (text.isEmpty())
            continue;
        const FileCourse& course = work_.file().courses.at(row);
        out_ += QStringLiteral("<p><b>") + escaped(course.code) + QStringLiteral(" &mdash; ") +
                escaped(course.name) + QStringLiteral(":</b> ") + escaped(text) + QStringLiteral("</p>");
    }
}

QString Document::html(const QDateTime& when, bool withExplanations) {
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    out_ = QStringLiteral("<html><head><meta charset=\"utf-8\"><style>") + ReportStyleSheet() +
           QString::fromUtf8(extraStyle) + QStringLiteral("</style></head><body>");
    out_ += QStringLiteral("<h1>") + FileReportTitle() + QStringLiteral("</h1>");
    out_ += QStringLiteral("<p class=\"sub\">Dornela Üniversitesi &nbsp;&middot;&nbsp; Tarih: ") +
            escaped(turkish.toString(when, QStringLiteral("d MMMM yyyy"))) + QStringLiteral("</p>");
    student();
    scaleNames();
    courses();
    totals();
    signatures();
    scaleTables();
    if (withExplanations)
        explanations();
    out_ += QStringLiteral("</body></html>");
    return out_;
}

} // namespace

QString FileReportTitle() {
    return QStringLiteral("Not Dönüşüm Belgesi");
}

QString ExplanationAppendixTitle() {
    return QStringLiteral("Ek: Dönüşüm Hesapları");
}

QString ExplanationAppendixQuestion() {
    return QStringLiteral("Belgeye her dersin dönüşüm hesabı ek olarak eklensin mi?");
}

FileReportScales ReadFileReportScales(const QString& databasePath, const ConversionFile& file) {
    return {readScale(databasePath, file.otherScaleId, file.otherScaleName, true),
            readScale(databasePath, file.homeScaleId, file.homeScaleName, false)};
}

QString FileReportHtml(const FileWork& work, const FileReportScales& scales, const QDateTime& when,
                       bool withExplanations) {
    return Document(work, scales).html(when, withExplanations);
}

QString WriteFileReport(const QString& path, const QString& databasePath, const FileWork& work,
                        const QDateTime& when, bool withExplanations) {
    QString html;
    try {
        html = FileReportHtml(work, ReadFileReportScales(databasePath, work.file()), when, withExplanations);
    } catch (const StoreError& error) {
        return error.text();
    }
    return WritePdfDocument(path, html, QStringLiteral("ZENDARO ") + FileReportTitle());
}

} // namespace zendaro

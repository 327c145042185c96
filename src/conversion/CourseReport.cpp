#include "CourseReport.h"

#include "CourseList.h"
#include "NumberText.h"
#include "store/DataView.h"
#include "store/TurkishText.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace zendaro {

namespace {

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString field(const DataView& view, const char* name) {
    return view.CurrentRow() < 0 ? QString() : view.Field(QString::fromLatin1(name)).toString();
}

const char* const style = R"(
body { font-family: 'Liberation Sans'; font-size: 10pt; color: #1d2b36; }
h1 { font-size: 16pt; color: #0385d1; margin-bottom: 0; }
p.sub { font-size: 10pt; color: #4a5d6b; margin-top: 2px; }
h2 { font-size: 11.5pt; color: #0385d1; margin-top: 16px; margin-bottom: 6px; }
table { border-collapse: collapse; }
th { background-color: #0385d1; color: #ffffff; font-weight: bold; padding: 4px 8px; }
td { padding: 3px 8px; border-bottom: 1px solid #cfe3ef; }
td.num { text-align: right; }
td.label { color: #4a5d6b; }
.pass { color: #008000; font-weight: bold; }
.fail { color: #d00000; font-weight: bold; }
.mark { color: #8a5a00; font-style: italic; }
.total { font-weight: bold; }
)";

} // namespace

ReportScales ChosenScales(const DataView& otherScales, const DataView& homeScales) {
    return {field(otherScales, "olcek_adi"), field(otherScales, "not_sistemi"),
            field(homeScales, "olcek_adi"), field(homeScales, "egitim_duzeyi")};
}

QString CourseReportHtml(const CourseList& list, const ReportScales& scales, const QDateTime& when) {
    const RegionalSettings& settings = list.settings();
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    const bool letterScale = EqualsIgnoringCaseTr(scales.otherSystem, QStringLiteral("Harf Notu"));

    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><style>") + ReportStyleSheet() +
                   QStringLiteral("</style></head><body>");
    html += QStringLiteral("<h1>ZENDARO &mdash; Çoğul Not Dönüştürme Raporu</h1>");
    html += QStringLiteral("<p class=\"sub\">Dornela Üniversitesi &nbsp;&middot;&nbsp; Tarih: ") +
            escaped(turkish.toString(when, QStringLiteral("d MMMM yyyy, HH:mm"))) + QStringLiteral("</p>");

    html += QStringLiteral("<h2>Not Ölçekleri</h2><table cellspacing=\"0\" width=\"100%\">"
                           "<tr><th align=\"left\"></th><th align=\"left\">Ölçek Adı</th>"
                           "<th align=\"left\">Not Sistemi</th><th align=\"left\">Eğitim Düzeyi</th></tr>");
    html += QStringLiteral("<tr><td class=\"label\">Diğer Üniversite</td><td>") + escaped(scales.otherName) +
            QStringLiteral("</td><td>") + escaped(scales.otherSystem) +
            QStringLiteral("</td><td>&mdash;</td></tr>");
    html += QStringLiteral("<tr><td class=\"label\">Dornela Üniversitesi</td><td>") +
            escaped(scales.homeName) + QStringLiteral("</td><td>Harf Notu (AA&ndash;FF)</td><td>") +
            escaped(scales.homeLevel) + QStringLiteral("</td></tr></table>");

    html += QStringLiteral("<h2>Dersler</h2><table cellspacing=\"0\" width=\"100%\"><tr>"
                           "<th align=\"right\">Sıra</th><th align=\"left\">") +
            (letterScale ? QStringLiteral("Harf Notu") : QStringLiteral("Sayısal Not")) +
            QStringLiteral("</th><th align=\"right\">Kredi</th><th align=\"left\">Dornela Harf Notu</th>"
                           "<th align=\"right\">Dornela Sayısal Not</th><th align=\"left\">Başarı Durumu</th>"
                           "</tr>");
    for (int row = 0; row < list.size(); ++row) {
        const Course& course = list.courses().at(row);
        QString grade = course.shownGrade();
        if (!letterScale)
            if (const auto number = ReadNumberText(grade, settings))
                grade = TwoDecimalText(*number, settings);
        html += QStringLiteral("<tr><td class=\"num\">%1</td><td>").arg(row + 1) + escaped(grade) +
                QStringLiteral("</td><td class=\"num\">") + TwoDecimalText(course.credit, settings) +
                QStringLiteral("</td>");
        if (course.result.converted()) {
            const QString kind = course.result.passed ? QStringLiteral("pass") : QStringLiteral("fail");
            html += QStringLiteral("<td class=\"%1\">").arg(kind) + escaped(course.result.homeLetter) +
                    QStringLiteral("</td><td class=\"num\">") +
                    TwoDecimalText(course.result.value, settings) +
                    QStringLiteral("</td><td class=\"%1\">").arg(kind) + escaped(course.result.homeStatus) +
                    QStringLiteral("</td></tr>");
        } else {
            html += QStringLiteral("<td>&mdash;</td><td class=\"num\">&mdash;</td><td class=\"mark\">") +
                    escaped(CourseList::markOf(course)) + QStringLiteral("</td></tr>");
        }
    }
    html += QStringLiteral("</table>");

    const CourseTotals totals = list.totals();
    html += QStringLiteral("<h2>Toplam</h2><table cellspacing=\"0\">");
    for (const QString& line : {list.countText(totals), list.creditText(totals), list.averageText(totals)}) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        html += QStringLiteral("<tr><td class=\"label\">") + escaped(line.left(colon)) +
                QStringLiteral("</td><td class=\"total\">") + escaped(line.mid(colon + 1).trimmed()) +
                QStringLiteral("</td></tr>");
    }
    html += QStringLiteral("</table>");
    if (totals.listed > totals.counted)
        html += QStringLiteral("<p class=\"mark\">Seçilen ölçeklerle dönüştürülemeyen dersler ortalamaya ve "
                               "toplam krediye katılmamıştır.</p>");
    html += QStringLiteral("<p class=\"sub\">Ağırlıklı ortalama, her dersin Dornela harf notunun sayısal "
                           "değeri ile kredisinin çarpımları toplamının toplam krediye bölümüdür.</p>");
    html += QStringLiteral("</body></html>");
    return html;
}

QString ReportStyleSheet() {
    return QString::fromUtf8(style);
}

QString UnwritableFileReason(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir())
        return QStringLiteral("Bu adda bir klasör var.");
    if (!folder.isDir())
        return QStringLiteral("Seçilen klasör bulunamadı.");
    if (!folder.isWritable())
        return QStringLiteral("Bu klasöre yazma izniniz yok.");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("Dosya yazmaya karşı korumalı.");
    return QStringLiteral("Dosya diske yazılamadı; diskte yer kalmamış olabilir.");
}

QString WriteCourseReportPdf(const QString& path, const QString& html) {
    return WritePdfDocument(path, html, QStringLiteral("ZENDARO Çoğul Not Dönüştürme Raporu"));
}

QString WritePdfDocument(const QString& path, const QString& html, const QString& title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return UnwritableFileReason(path);
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("ZENDARO"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        // The document keeps margins of its own (2 cm) when it is printed.
        QTextDocument document;
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(10);
        document.setDefaultFont(font);
        document.setHtml(html);
        document.print(&writer);
    }
    if (!file.commit())
        return UnwritableFileReason(path);
    return {};
}

} // namespace zendaro

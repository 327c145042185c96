#include "PairTable.h"

#include "Explanation.h"
#include "NumberText.h"
#include "store/DataView.h"

#include <QLocale>
#include <cmath>

namespace zendaro {

QVector<GradeConversion> ConvertEveryGrade(ConversionViews& views) {
    QVector<GradeConversion> rows;
    const int count = views.otherGrades.RecordCount();
    rows.reserve(count);
    const int before = views.otherGrades.CurrentRow();
    HomeGradesFound found;
    for (int row = 0; row < count; ++row) {
        views.otherGrades.SetCurrentRow(row);
        rows.append(ConvertCurrentGradeQuietly(views, &found));
    }
    views.otherGrades.SetCurrentRow(before);
    return rows;
}

QString PairRowStatus(const GradeConversion& row) {
    if (row.converted())
        return row.passed ? QStringLiteral("GEÇER") : QStringLiteral("KALIR");
    switch (row.failure) {
    case ConversionFailure::Formula:
        return QStringLiteral("Formül hatası");
    case ConversionFailure::Rounding:
        return QStringLiteral("Yuvarlama hatası");
    case ConversionFailure::HomeGradeMissing:
        return QStringLiteral("Dornela notu yok");
    default:
        return QStringLiteral("Dönüştürülemedi");
    }
}

QString PairTableHtml(const QVector<GradeConversion>& rows, const ReportScales& scales, const QDateTime& when,
                      const RegionalSettings& settings) {
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    auto escaped = [](const QString& text) {
        return text.toHtmlEscaped();
    };
    QString html = QStringLiteral(
        "<html><head><meta charset=\"utf-8\"><style>"
        "body { font-family: 'Liberation Sans'; font-size: 9.5pt; color: #1d2b36; }"
        "h1 { font-size: 15pt; color: #0385d1; margin-bottom: 0; }"
        "th { background-color: #0385d1; color: #ffffff; font-weight: bold; padding: 3px 6px; }"
        "td { padding: 2px 6px; border-bottom: 1px solid #cfe3ef; }"
        "td.num { text-align: right; } td.label { color: #4a5d6b; } .pass { color: #008000; } .fail { color: "
        "#d00000; }"
        "</style></head><body>");
    html += QStringLiteral("<h1>ZENDARO &mdash; Not Ölçekleri Dönüşüm Tablosu</h1>");
    html += QStringLiteral("<table cellspacing=\"0\"><tr><td class=\"label\">Diğer Üniversite</td><td>") +
            escaped(scales.otherName) + QStringLiteral(" (") + escaped(scales.otherSystem) +
            QStringLiteral(")</td></tr><tr><td class=\"label\">Dornela Üniversitesi</td><td>") +
            escaped(scales.homeName) + QStringLiteral("</td></tr><tr><td class=\"label\">Tarih</td><td>") +
            escaped(turkish.toString(when, QStringLiteral("d MMMM yyyy, HH:mm"))) +
            QStringLiteral("</td></tr></table><p></p>");
    html +=
        QStringLiteral("<table cellspacing=\"0\" width=\"100%\"><tr><th align=\"left\">Diğer Üniversite "
                       "Notu</th><th align=\"right\">Yerleşen Değer</th><th align=\"right\">Dornela "
                       "Sayısal Not</th><th align=\"left\">Dornela Harf Notu</th><th align=\"left\">Başarı "
                       "Durumu</th></tr>");
    for (const GradeConversion& row : rows) {
        const QString kind = row.passed ? QStringLiteral("pass") : QStringLiteral("fail");
        html += QStringLiteral("<tr><td>") + escaped(row.gradeText) +
                QStringLiteral("</td><td class=\"num\">") +
                (std::isnan(row.figures.placed) ? QStringLiteral("&mdash;")
                                                : FigureText(row.figures.placed, settings, nullptr, 2)) +
                QStringLiteral("</td><td class=\"num\">") +
                (row.converted() ? TwoDecimalText(row.value, settings) : QStringLiteral("&mdash;")) +
                QStringLiteral("</td><td class=\"%1\">").arg(kind) + escaped(row.homeLetter) +
                QStringLiteral("</td><td class=\"%1\">").arg(kind) + escaped(PairRowStatus(row)) +
                QStringLiteral("</td></tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}

} // namespace zendaro

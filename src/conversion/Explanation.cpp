#include "Explanation.h"

#include "NumberText.h"

#include <cmath>

namespace zendaro {

QString FigureText(double value, const RegionalSettings& settings, bool* exact, int minDecimals) {
    const double shown = std::round(value * 10000.0) / 10000.0;
    if (exact)
        *exact = std::abs(shown - value) < 1e-12;
    QString text = ShortestNumberText(shown, settings);
    const qsizetype separator = text.lastIndexOf(settings.decimalSeparator);
    const qsizetype decimals = separator < 0 ? 0 : text.size() - separator - settings.decimalSeparator.size();
    if (decimals < minDecimals)
        text +=
            (separator < 0 ? settings.decimalSeparator : QString()) + QString(minDecimals - decimals, u'0');
    return text;
}

QString ExplanationText(const GradeConversion& conversion, const ReportScales& scales,
                        const RegionalSettings& settings) {
    if (!conversion.converted())
        return {};
    const FormulaFigures& f = conversion.figures;
    auto two = [&settings](double value) {
        return TwoDecimalText(value, settings);
    };
    auto whole = [&settings](double value) {
        return ShortestNumberText(value, settings);
    };
    const QString block = f.passBlock ? QStringLiteral("geçer") : QStringLiteral("kalır");
    const QString otherLimits =
        f.count == 1 ? two(f.otherTop) : two(f.otherTop) + QStringLiteral(" … ") + two(f.otherBottom);

    QString text = QStringLiteral("%1 notu, %2 ölçeğinin %3 bloğunda (%4; %5 not) ")
                       .arg(conversion.gradeText, scales.otherName, block, otherLimits, whole(f.count));
    const QString homeBlock =
        QStringLiteral("Dornela %1 bloğu %2 … %3").arg(block, two(f.homeTop), two(f.homeBottom));
    if (f.count == 1) {
        text +=
            QStringLiteral("tek nottur. Tek notlu bir blok, Dornela bloğunun en üst değerine yerleşir. ") +
            homeBlock + QStringLiteral(": %1.").arg(two(f.placed));
    } else {
        bool exact = true;
        const QString ratio = FigureText(f.step / (f.count - 1), settings, &exact);
        bool placedExact = true;
        const QString placed = FigureText(f.placed, settings, &placedExact);
        text += QStringLiteral("%1. adımdadır (bloğun en üstteki notu 0. adımdır). ").arg(whole(f.step));
        text += QStringLiteral("Oran %1 / %2 %3 %4. ")
                    .arg(whole(f.step), whole(f.count - 1), exact ? QStringLiteral("=") : QStringLiteral("≈"),
                         ratio);
        text += homeBlock + QStringLiteral(": %1 − %2 / %3 × %4 %5 %6.")
                                .arg(two(f.homeTop), whole(f.step), whole(f.count - 1),
                                     two(f.homeTop - f.homeBottom),
                                     placedExact ? QStringLiteral("=") : QStringLiteral("≈"), placed);
    }
    text +=
        QStringLiteral(" İki ondalık: %1; yarım adıma yuvarlama (%2 ve %3 yukarı): %4 → %5 (%6).")
            .arg(two(conversion.value), two(0.25), two(0.75), two(conversion.rounded), conversion.homeLetter,
                 conversion.passed ? QStringLiteral("GEÇER") : QStringLiteral("KALIR"));
    return text;
}

} // namespace zendaro

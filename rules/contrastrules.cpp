#include "rules/contrastrules.h"

#include "color/apca.h"
#include "color/decimal.h"
#include "color/notation.h"
#include "color/wcag.h"
#include "rules/editorinput.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct ContrastRules {
    Q_DECLARE_TR_FUNCTIONS(ContrastRules)
};

QString notMet()
{
    return ContrastRules::tr("nicht erfüllt");
}

ContrastSentence sentence(bool passed, const char* over, const char* under)
{
    return {ContrastRules::tr(passed ? over : under), passed ? clBlack : lampRed};
}

QString html(TColor color)
{
    return QString::fromStdString(ColorNotation(color, NotationHtml));
}

// The first line of an info text, short enough for a hint or a list line.
QString shortInfo(const QString& info)
{
    const QString line = info.section(u'\n', 0, 0).trimmed();
    return line.size() > 30 ? line.left(29) + QChar(0x2026) : line;
}

QString withInfo(int slot, const QString& info)
{
    const QString name = shortInfo(info);
    return name.isEmpty() ? QString::number(slot) : QStringLiteral("%1 (%2)").arg(slot).arg(name);
}

} // namespace

int perceivedBrightness(TColor color)
{
    return (299 * redOf(color) + 587 * greenOf(color) + 114 * blueOf(color)) / 1000;
}

ContrastVerdict contrastCheck(TColor foreground, TColor background)
{
    ContrastVerdict v;
    v.brightnessDifference = std::abs(perceivedBrightness(background) - perceivedBrightness(foreground));
    v.colorDifference = std::abs(redOf(background) - redOf(foreground))
        + std::abs(greenOf(background) - greenOf(foreground)) + std::abs(blueOf(background) - blueOf(foreground));

    const bool brightEnough = v.brightnessDifference >= 125;
    v.brightnessLamp = brightEnough ? lampGreen : lampRed;
    v.brightness =
        sentence(brightEnough, QT_TRANSLATE_NOOP("ContrastRules", "- Die Helligkeitsdifferenz liegt über dem Grenzwert (125)"),
                 QT_TRANSLATE_NOOP("ContrastRules", "- Die Helligkeitsdifferenz liegt unter dem Grenzwert (125)"));

    const int d = v.colorDifference;
    v.colorLamp = d >= 500 ? lampGreen : d >= 400 ? lampYellow : lampRed;
    v.w3c = sentence(
        d >= 500, QT_TRANSLATE_NOOP("ContrastRules", "- Die Farbdifferenz liegt über dem vom W3C genannten Grenzwert (500)"),
        QT_TRANSLATE_NOOP("ContrastRules", "- Die Farbdifferenz liegt unter dem vom W3C genannten Grenzwert (500)"));
    v.hp = sentence(
        d >= 400,
        QT_TRANSLATE_NOOP("ContrastRules", "- Die Farbdifferenz liegt über dem von Hewlett Packard genannten Grenzwert (400)"),
        QT_TRANSLATE_NOOP("ContrastRules", "- Die Farbdifferenz liegt unter dem von Hewlett Packard genannten Grenzwert (400)"));
    return v;
}

QString wcagVerdictText(double ratio)
{
    switch (wcagTextLevel(ratio)) {
    case WcagLevel::Aaa: return QStringLiteral("AAA");
    case WcagLevel::Aa: return QStringLiteral("AA");
    case WcagLevel::AaLargeTextOnly: return ContrastRules::tr("AA nur für große Schrift");
    case WcagLevel::Fail: break;
    }
    return notMet();
}

WcagLine wcagLine(TColor foreground, TColor background)
{
    const double ratio = contrastRatio(foreground, background);
    WcagLine line;
    line.text = ContrastRules::tr("Kontrastverhältnis (WCAG 2.2): %1 – %2")
                    .arg(shownNumber(formatContrastRatio(ratio)), wcagVerdictText(ratio));
    const double lc = apcaContrast(foreground, background);
    line.text += QStringLiteral(" · ") + apcaText(lc);
    line.hint = ContrastRules::tr("WCAG 2.2 für normale Schrift: %1\n%2")
                    .arg(wcagVerdictText(ratio), apcaUseText(lc));
    line.lamp = wcagLamp(ratio);
    if (wcagTextLevel(ratio) < WcagLevel::Aa) {
        line.suggestion = nearestPassingShade(foreground, background, 4.5);
        line.backgroundSuggestion = nearestPassingShade(background, foreground, 4.5);
    }
    return line;
}

QString wcagRatioText(double ratio)
{
    return QStringLiteral("WCAG %1:1").arg(shownNumber(formatContrastRatio(ratio)));
}

QString apcaText(double lc)
{
    return QStringLiteral("APCA Lc ") + shownNumber(decimalCommaText(lc, 1));
}

QString apcaUseText(double lc)
{
    // APCA's simple levels, from the highest down; the first one reached says what the Lc allows.
    static const struct {
        double minimum;
        const char* use;
    } levels[] = {
        {90, QT_TRANSLATE_NOOP("ContrastRules", "ab Lc 90 bevorzugt für Fließtext")},
        {75, QT_TRANSLATE_NOOP("ContrastRules", "ab Lc 75 genügt es für Fließtext")},
        {60, QT_TRANSLATE_NOOP("ContrastRules", "ab Lc 60 genügt es für sonstigen Inhaltstext")},
        {45, QT_TRANSLATE_NOOP("ContrastRules", "ab Lc 45 genügt es für große Schrift und Überschriften")},
        {30, QT_TRANSLATE_NOOP("ContrastRules", "ab Lc 30 genügt es für kurze Hinweistexte und Nicht-Text-Elemente")},
        {15, QT_TRANSLATE_NOOP("ContrastRules", "ab Lc 15 nur für Nicht-Text-Elemente, als Schrift nicht lesbar")},
        {0, QT_TRANSLATE_NOOP("ContrastRules", "unter Lc 15 ist nichts mehr zu erkennen")},
    };
    const auto level = std::find_if(std::begin(levels), std::end(levels) - 1, // else the last
                                    [lc](const auto& l) { return std::abs(lc) >= l.minimum; });
    return QStringLiteral("APCA: ") + ContrastRules::tr(level->use);
}

TColor apcaLamp(double lc)
{
    const double level = std::abs(lc);
    return level >= 75 ? lampGreen : level >= 60 ? lampYellow : lampRed;
}

TColor contrastLamp(const ContrastCell& cell, ContrastMeasure measure)
{
    return measure == ContrastMeasure::Apca ? apcaLamp(cell.lc) : wcagLamp(cell.ratio);
}

TColor wcagLamp(double ratio)
{
    switch (wcagTextLevel(ratio)) {
    case WcagLevel::Aaa:
    case WcagLevel::Aa: return lampGreen;
    case WcagLevel::AaLargeTextOnly: return lampYellow;
    case WcagLevel::Fail: break;
    }
    return lampRed;
}

std::vector<ContrastCell> contrastMatrix(std::span<const TColor> colors)
{
    std::vector<ContrastCell> cells;
    cells.reserve(colors.size() * colors.size());
    for (const TColor text : colors) {
        for (const TColor background : colors)
            cells.push_back({text, background, contrastRatio(text, background), apcaContrast(text, background)});
    }
    return cells;
}

QString contrastCellHint(const ContrastCell& cell, ContrastMeasure measure)
{
    if (measure == ContrastMeasure::Apca)
        return ContrastRules::tr("%1 auf %2\n%3\n%4")
            .arg(html(cell.text), html(cell.background), apcaText(cell.lc), apcaUseText(cell.lc));
    const WcagLevel largeLevel = wcagLargeTextLevel(cell.ratio);
    const QString large = largeLevel == WcagLevel::Aaa ? QStringLiteral("AAA")
        : largeLevel == WcagLevel::Aa                  ? QStringLiteral("AA")
                                                       : notMet();
    return ContrastRules::tr("%1 auf %2\nKontrastverhältnis: %3\nNormale Schrift: %4\nGroße Schrift: %5")
        .arg(html(cell.text), html(cell.background), shownNumber(formatContrastRatio(cell.ratio)),
             wcagVerdictText(cell.ratio), large);
}

namespace {

// What a ratio meets for normal text, short: "AAA", "AA", "AA groß" or "–".
QString shortVerdict(double ratio)
{
    switch (wcagTextLevel(ratio)) {
    case WcagLevel::Aaa: return QStringLiteral("AAA");
    case WcagLevel::Aa: return QStringLiteral("AA");
    case WcagLevel::AaLargeTextOnly: return ContrastRules::tr("AA groß");
    case WcagLevel::Fail: break;
    }
    return QStringLiteral("–");
}

// Up to two decimals, without trailing zeros.
QString shortNumber(double value)
{
    std::string text = decimalCommaText(value, 2);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == ',')
        text.pop_back();
    return shownNumber(text);
}

// A target's name with the language's decimal separator: "4,5".
QString targetText(std::string name)
{
    std::replace(name.begin(), name.end(), '.', ',');
    return shownNumber(name);
}

} // namespace

ScaleStepTexts scaleStepTexts(const ScaleStep& step)
{
    const QString name = targetText(step.name);
    if (!step.color)
        return {name, ContrastRules::tr("nicht erreichbar"), {}, {}};
    const QString hex = step.sameAs.empty() ? html(*step.color) : ContrastRules::tr("wie Ziel %1").arg(targetText(step.sameAs));
    const char* white = QT_TRANSLATE_NOOP("ContrastRules", "Weiß");
    const char* black = QT_TRANSLATE_NOOP("ContrastRules", "Schwarz");
    if (step.measure == ContrastMeasure::Apca) {
        const auto on = [](const char* ground, double lc) {
            return QStringLiteral("%1 Lc %2").arg(ContrastRules::tr(ground), shownNumber(decimalCommaText(lc, 1)));
        };
        return {name, hex, on(white, step.lcOnWhite), on(black, step.lcOnBlack)};
    }
    const auto on = [](const char* ground, double ratio) {
        return QStringLiteral("%1 %2 %3")
            .arg(ContrastRules::tr(ground), shownNumber(formatContrastRatio(ratio)), shortVerdict(ratio));
    };
    return {name, hex, on(white, step.ratioOnWhite), on(black, step.ratioOnBlack)};
}

std::optional<std::vector<double>> contrastTargetList(const QString& text, ContrastMeasure measure, int most)
{
    const double ceiling = measure == ContrastMeasure::Wcag ? 21 : 108;
    std::vector<double> targets;
    for (const QString& part : text.split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts)) {
        bool ok = false;
        const double value = QString(part).replace(u',', u'.').toDouble(&ok);
        if (!ok || !(value >= 1 && value <= ceiling))
            return std::nullopt;
        targets.push_back(value);
    }
    if (targets.empty() || static_cast<int>(targets.size()) > most)
        return std::nullopt;
    return targets;
}

QString contrastTargetText(const std::vector<double>& targets)
{
    QStringList parts;
    for (const double target : targets)
        parts << shortNumber(target);
    return parts.join(u' ');
}

QString slotName(int slot, const QString& info)
{
    return ContrastRules::tr("Platz %1").arg(withInfo(slot, info));
}

QString slotPairName(int first, const QString& firstInfo, int second, const QString& secondInfo)
{
    return ContrastRules::tr("Platz %1 und %2")
        .arg(withInfo(first, firstInfo), withInfo(second, secondInfo));
}

} // namespace Tintara

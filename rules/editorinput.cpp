#include "rules/editorinput.h"

#include "color/colortext.h"
#include "color/decimal.h"
#include "platform/textcodec.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct EditorInput {
    Q_DECLARE_TR_FUNCTIONS(EditorInput)
};

} // namespace

QString transparencyRefusal()
{
    return EditorInput::tr(
        "„transparent“ ist durchsichtig und hat keine Farbe. Tintara Studio nimmt nur deckende Farben.");
}

QString htmlFieldHint()
{
    return EditorInput::tr(
        "Sechs Hexziffern; eingefügt oder abgelegt auch jede Schreibweise, die Tintara Studio kopiert, und aus CSS "
        "#rgb, #rgba, #rrggbb, #rrggbbaa, rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch(), "
        "color() und die Farbnamen; eine Farbe außerhalb von sRGB so, wie ein Browser sie auf einem sRGB-Bildschirm "
        "zeigt. Eine Deckkraft unter 1 bleibt unberücksichtigt: Tintara Studio nimmt nur deckende Farben.");
}

std::optional<QString> opacityNote(const QString& text)
{
    const auto opacity = opacityOf(text.toStdString());
    if (!opacity || *opacity >= 1)
        return std::nullopt;
    const double percent = std::round(*opacity * 1000) / 10; // "50,2 %", "25 %"
    return EditorInput::tr("Die Deckkraft %1 % von „%2“ bleibt unberücksichtigt: Tintara Studio nimmt nur "
                           "deckende Farben.")
        .arg(shownNumber(decimalCommaText(percent, percent == std::round(percent) ? 0 : 1)), excerpt(text));
}

QString shownNumber(const std::string& decimalCommaText)
{
    return QString::fromStdString(decimalCommaText).replace(u',', EditorInput::tr(",", "decimal separator"));
}

namespace {

KeyVerdict swallowedIf(bool swallow)
{
    KeyVerdict verdict;
    verdict.swallow = swallow;
    return verdict;
}

} // namespace

KeyVerdict WertEingabeRule(const QString& text, QChar key, int limit)
{
    const bool digit = key >= u'0' && key <= u'9';
    if (!digit && key != backspaceKey)
        return swallowedIf(true);
    if (text.isEmpty() && key != u'0' && key != u'1' && key != u'2')
        return swallowedIf(true);
    KeyVerdict verdict;
    verdict.selectAll = text.size() == 3;
    if (digit && text.size() == 2 && (text + key).toInt() > limit)
        verdict.replaceBy = QString::number(limit);
    return verdict;
}

KeyVerdict channelKeyOverSelection(const QString& text, int selectionStart, int selectionLength, QChar key,
                                   int limit)
{
    const bool digit = key >= u'0' && key <= u'9';
    if (selectionLength <= 0 || selectionStart < 0 || !(digit || key == backspaceKey))
        return WertEingabeRule(text, key, limit);
    KeyVerdict verdict;
    if (digit && QString(text).replace(selectionStart, selectionLength, key).toInt() > limit)
        verdict.replaceBy = QString::number(limit);
    return verdict;
}

KeyVerdict ZahleneingabeRule(const QString& text, QChar key)
{
    if (key == u'-' && !text.isEmpty())
        return swallowedIf(true);
    const bool allowed = (key >= u'0' && key <= u'9') || key == backspaceKey || key == enterKey || key == u'-';
    return swallowedIf(!allowed);
}

std::optional<QString> EditFuellenRule(const QString& text, int limit)
{
    if (text.isEmpty())
        return QStringLiteral("0");
    bool ok = false;
    if (text.toInt(&ok) > limit && ok)
        return QString::number(limit);
    return std::nullopt;
}

std::optional<int> clampedNumber(const QString& text, int lo, int hi)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return std::clamp(value, lo, hi);
}

bool isCompleteHtmlText(const QString& text)
{
    QString digits = text;
    digits.remove(u'#');
    if (digits.size() != 6)
        return false;
    for (const QChar c : digits) {
        if (!(c >= u'0' && c <= u'9') && !(c >= u'A' && c <= u'F') && !(c >= u'a' && c <= u'f'))
            return false;
    }
    return true;
}

} // namespace Tintara

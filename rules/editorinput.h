#pragma once

#include <QString>

#include <optional>
#include <string>

namespace Tintara {

// Why "transparent", a CSS colour keyword, is not taken as a colour.
QString transparencyRefusal();

// The HTML field's hint: which colour texts it reads, and that it keeps opaque colours only.
QString htmlFieldHint();
// What a colour text with an opacity below 1 loses when it is taken ("#FF000080": 50 %); none for an
// opaque colour or text that is no colour.
std::optional<QString> opacityNote(const QString& text);

// A number written with the decimal comma ("4,5"), shown with the decimal separator of the
// interface's language. Fields read either separator back.
QString shownNumber(const std::string& decimalCommaText);

// What a key filter does with one key typed into a field.
struct KeyVerdict {
    bool swallow = false;             // the key never reaches the field
    bool selectAll = false;           // select the whole text first, so the key replaces it
    std::optional<QString> replaceBy; // new text for the field (the key is then swallowed)
};

inline constexpr QChar backspaceKey = u'\b';
inline constexpr QChar enterKey = u'\r';

// The channel fields: digits and Backspace only, no leading 3..9, at most `limit`.
KeyVerdict WertEingabeRule(const QString& text, QChar key, int limit);

// The same for a field with a selection, which a typed digit replaces as in any field: the digit
// is judged by the text it leaves, and a number above `limit` becomes the limit. Backspace
// deletes the selection.
KeyVerdict channelKeyOverSelection(const QString& text, int selectionStart, int selectionLength, QChar key,
                                   int limit);

// The module number fields: digits, Backspace, Enter and a leading minus sign.
KeyVerdict ZahleneingabeRule(const QString& text, QChar key);

// The value a channel field gets when it loses the focus, if it must change.
std::optional<QString> EditFuellenRule(const QString& text, int limit);

// The number in a field clamped to lo..hi, or nothing when the text is no number.
std::optional<int> clampedNumber(const QString& text, int lo, int hi);

// "#RRGGBB" typed into the HTML field counts once it holds six hex digits.
bool isCompleteHtmlText(const QString& text);

} // namespace Tintara

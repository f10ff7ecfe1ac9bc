#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace Tintara {

// A readable identifier from an info text: lower case, umlauts transliterated (ä → ae, ß → ss),
// every other run of non-alphanumerics one hyphen, none at either end; empty where nothing is left.
QString readableIdentifier(const QString& info);

enum class NameStart { Any, Letter };

// One name per entry: its readable identifier, "farbe-<slot>" where that is empty, made unique by
// appending -2, -3 … in order. `infos[i]` belongs to slot `slotNumbers[i]`. With NameStart::Letter
// an identifier that starts with a digit gets "farbe-" in front.
QStringList uniqueReadableNames(std::span<const QString> infos, std::span<const int> slotNumbers,
                                NameStart start = NameStart::Any);

} // namespace Tintara

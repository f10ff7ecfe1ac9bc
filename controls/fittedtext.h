#pragma once

#include <QString>

#include <functional>

class QLabel;

namespace Tintara {

// Shows `text` in the one line of `label`; a text wider than the label is shortened with "…" and
// the whole of it is the label's tool tip, so nothing runs past the window's edge unseen.
void setFittedText(QLabel* label, const QString& text);

// `compose(part)` with `part` shortened with "…" as far as needed for the line to fit `label`:
// the fixed rest of a line (numbers, a verdict) stays readable while a long name gives way.
QString fittedLine(const QLabel* label, const QString& part, const std::function<QString(const QString&)>& compose);

} // namespace Tintara

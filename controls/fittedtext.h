#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QLabel;

namespace Tintara {

// Shows `text` in the one line of `label`; a text wider than the label is shortened with "…" and
// the whole of it is the label's tool tip, so nothing runs past the window's edge unseen.
void setFittedText(QLabel* label, const QString& text);

// `compose(parts)` with the parts shortened with "…", all to the same width, as far as needed for
// the line to fit `label`: the fixed rest of a line (numbers, a verdict) stays readable while long
// names give way, each keeping its start.
QString fittedLine(const QLabel* label, const QStringList& parts,
                   const std::function<QString(const QStringList&)>& compose);

} // namespace Tintara

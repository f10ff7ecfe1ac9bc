#pragma once

#include <QObject>

#include <optional>

class QKeyEvent;
class QLineEdit;
class QScrollBar;

namespace Tintara {

// A key as the classic key filters see it: a typed character, Backspace or Enter; nothing for
// the keys that type nothing (Delete, the arrows, Home, End, shortcuts), which pass unfiltered.
std::optional<QChar> typedKey(const QKeyEvent* event);

// The key filter of a module number field that sets a bar: digits and a leading minus only, and
// on Enter the number, clamped to 0..top, moves the bar to it minus `offset`.
class NumberEntry : public QObject
{
public:
    NumberEntry(QLineEdit* field, QScrollBar* bar, int top, int offset);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Zahleneingabe(const QKeyEvent* event);

    QLineEdit* m_field;
    QScrollBar* m_bar;
    int m_top;
    int m_offset;
};

} // namespace Tintara

#pragma once

#include "color/tcolor.h"

#include <QObject>

#include <functional>
#include <optional>

class QLineEdit;

namespace Tintara {

class Clipboard;

// Colour text pasted or dropped into the HTML field, in any notation the program reads. A colour
// becomes the active colour; anything else leaves the field showing the active colour again, so
// the field never holds a value the display does not show. Its hint says what it reads.
class HtmlFieldPaste : public QObject
{
    Q_OBJECT

public:
    HtmlFieldPaste(QLineEdit* field, Clipboard& clipboard, std::function<TColor()> activeColor, QObject* parent);

    void paste(const QString& text);

Q_SIGNALS:
    void colorPasted(TColor color);
    // "transparent" is refused like any text that is no colour, but the user is told why.
    void transparencyRefused();
    // A colour was taken without the opacity below 1 its text gave; `note` says so, and the field
    // shows it as a tool tip.
    void opacityLeftOut(const QString& note);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // `text` as read; a colour with an opacity below 1 is taken opaque, and the field says so.
    void take(std::optional<TColor> color, const QString& text);

    QLineEdit* m_field;
    Clipboard& m_clipboard;
    std::function<TColor()> m_activeColor;
};

} // namespace Tintara

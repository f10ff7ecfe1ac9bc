#pragma once

#include "controls/eventhook.h"

#include <QEvent>
#include <QWidget>

#include <functional>

namespace Tintara {

// Runs `retranslate` each time the program's language changes; every widget hears of such a
// change, so `widget` carries the watch.
inline void whenLanguageChanges(QWidget* widget, const std::function<void()>& retranslate)
{
    const auto onChange = [retranslate](QObject*, QEvent* event) {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        return false;
    };
    widget->installEventFilter(new EventHook(onChange, widget));
}

// The same, and once now: for texts composed in code that the widget shows from the start.
inline void keepTranslated(QWidget* widget, const std::function<void()>& retranslate)
{
    retranslate();
    whenLanguageChanges(widget, retranslate);
}

} // namespace Tintara

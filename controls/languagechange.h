#pragma once

#include "controls/eventhook.h"

#include <QEvent>
#include <QWidget>

#include <functional>

namespace Tintara {

// Runs `retranslate` now and again each time the program's language changes, for texts composed in
// code; every widget hears of such a change, so `widget` carries the watch.
inline void keepTranslated(QWidget* widget, const std::function<void()>& retranslate)
{
    retranslate();
    const auto onChange = [retranslate](QObject*, QEvent* event) {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        return false;
    };
    widget->installEventFilter(new EventHook(onChange, widget));
}

} // namespace Tintara

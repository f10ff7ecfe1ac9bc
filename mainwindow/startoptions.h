#pragma once

#include "platform/language.h"

#include <QStringList>

#include <optional>

namespace Tintara {

// Where the window keeps its configuration, and what the command line asked for.
struct StartOptions {
    QString configurationPath; // empty: nothing is read or written
    QStringList arguments;     // the first one names a scheme file to open
    std::optional<Language> language = std::nullopt; // --language: this run only, not saved
};

} // namespace Tintara

#pragma once

#include <QStringList>

namespace Tintara {

// Where the window keeps its configuration, and what the command line asked for.
struct StartOptions {
    QString configurationPath; // empty: nothing is read or written
    QStringList arguments;     // the first one names a scheme file to open
};

} // namespace Tintara

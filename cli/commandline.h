#pragma once

#include <QStringList>

class QIODevice;

namespace Tintara {

// Whether the arguments (without the program's name) ask for the command line instead of the
// window: an option of its own anywhere, or any long option first. A scheme file named first
// still opens the window, as it always did.
bool wantsCommandLine(const QStringList& arguments);

// `tintara --export FORMAT SCHEME.tsf [-o FILE]`, --help and --version. Text goes to `out`,
// messages to `err`. The result is the exit code: 0 done, 1 failed, 2 misused.
int runCommandLine(const QStringList& arguments, QIODevice& out, QIODevice& err);

} // namespace Tintara

#pragma once

#include <QStringList>

namespace Tintara {

class Shell
{
public:
    virtual ~Shell() = default;
    // The desktop's default action for the first of `paths` that a program is registered for,
    // trying them in order. Asking the desktop may take a while; the window does not wait for it.
    virtual void openFirst(const QStringList& paths) = 0;
};

} // namespace Tintara

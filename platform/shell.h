#pragma once

#include <QStringList>

#include <functional>

namespace Tintara {

class Shell
{
public:
    virtual ~Shell() = default;
    // The desktop's default action for the first of `paths` that a program is registered for,
    // trying them in order; `noneOpened` runs where no program opens any of them. Asking the desktop
    // may take a while; the window does not wait for it.
    virtual void openFirst(const QStringList& paths, const std::function<void()>& noneOpened) = 0;
};

} // namespace Tintara

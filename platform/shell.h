#pragma once

#include <QString>

namespace Tintara {

class Shell
{
public:
    virtual ~Shell() = default;
    // The desktop's default action for the file. False where no program is registered for its
    // type or none could be started.
    virtual bool open(const QString& path) = 0;
};

} // namespace Tintara

#pragma once

#include <QString>

namespace Tintara {

class Shell
{
public:
    virtual ~Shell() = default;
    // The desktop's default action for the file; the outcome is not reported.
    virtual void open(const QString& path) = 0;
};

} // namespace Tintara

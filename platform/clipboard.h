#pragma once

#include <QString>

namespace Tintara {

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};

} // namespace Tintara

#pragma once

#include <QImage>
#include <QString>

namespace Tintara {

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
    // The picture on the clipboard; a null image where there is none.
    virtual QImage image() const = 0;
};

} // namespace Tintara

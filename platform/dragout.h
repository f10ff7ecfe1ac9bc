#pragma once

class QMimeData;
class QWidget;

namespace Tintara {

// A drag that leaves the window for another program.
class DragOut
{
public:
    virtual ~DragOut() = default;
    // Hands `data` over (its ownership too) and returns once the other program took it or not.
    virtual void start(QWidget* source, QMimeData* data) = 0;
};

} // namespace Tintara

#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace Tintara {

// The function keys F1..F12 of a window, seen before the focused control sees them.
class FunctionKeys : public QObject
{
    Q_OBJECT

public:
    // Watches every key of the application while `window` exists.
    explicit FunctionKeys(QWidget& window);
    ~FunctionKeys() override;

Q_SIGNALS:
    // F`n` was pressed in the window.
    void pressed(int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    // The press being delivered: a key the focused control ignores travels on to its parents as
    // the same press, until the key is released.
    int m_pressedKey = 0;
    QPointer<QWidget> m_firstReceiver;
};

} // namespace Tintara

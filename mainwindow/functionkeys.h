#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace Tintara {

// The function keys F1..F11 of a window, seen before the focused control sees them.
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
    const QEvent* m_lastKeyEvent = nullptr;
    QPointer<QWidget> m_lastKeyReceiver;
};

} // namespace Tintara

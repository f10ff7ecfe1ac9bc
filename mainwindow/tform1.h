#pragma once

#include "platform/platform.h"

#include <QMainWindow>

namespace Tintara {

// The program's one window.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(const Platform& platform, QWidget* parent = nullptr);

private:
    Platform m_platform;
};

} // namespace Tintara

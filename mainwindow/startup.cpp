#include "mainwindow/tform1.h"

namespace Tintara {

TForm1::TForm1(const Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(platform)
{
    setWindowTitle(QStringLiteral("Orbelin Tintara Studio Version 1.0.4"));
    setFixedSize(716, 490);
}

} // namespace Tintara

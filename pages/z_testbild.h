#pragma once

#include "pages/modulepage.h"

#include <memory>

namespace Ui {
class Z_Testbild;
}

namespace Tintara {

class PageHost;

// Six pictures of colour areas, filled with defaults or with colours drawn from the scheme.
class Z_Testbild : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Testbild(const PageHost& host, QWidget* parent = nullptr);
    ~Z_Testbild() override;

    // Test image n (1..6) as drawn: its area of the page.
    QPixmap grabTestImage(int n);

    QList<QWidget*> backgroundCaptions() const override;

private:
    void BitBtn3Click(QObject* sender);
    void updateTestImagePreview();

    const PageHost& m_host;
    std::unique_ptr<Ui::Z_Testbild> ui;
};

} // namespace Tintara

#pragma once

#include "pages/modulepage.h"

#include <memory>

namespace Ui {
class Z_Export;
}

namespace Tintara {

class PageHost;
struct ExportChoice;
enum class ExportContent;
struct ExportFormat;

// The scheme as a style sheet, a colour listing, two reference pictures or a palette strip.
class Z_Export : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Export(PageHost& host, QWidget* parent = nullptr);
    ~Z_Export() override;

    void pageShown() override { cbExportFormatChange(); } // Z_ExportShow

protected:
    void languageChanged() override;

private:
    const ExportFormat& chosenFormat() const;
    // The tab of options for what a format of the page makes.
    QWidget* optionsTab(ExportContent content) const;
    ExportChoice exportChoice() const;
    void cbExportFormatChange();
    void ExportWahl();
    // The preview and what saving writes, for the scheme as it is now; leaves the focus where it is.
    // Drawing the palette strip puts the picture format back to BMP, unless it is only redrawn
    // for a changed scheme.
    enum class PictureFormat { Reset, Kept };
    void showExport(PictureFormat pictureFormat = PictureFormat::Reset);
    QString paletteTitle() const;
    void btSpeichernClick();

    PageHost& m_host;
    std::unique_ptr<Ui::Z_Export> ui;
};

} // namespace Tintara

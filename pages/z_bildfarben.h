#pragma once

#include "color/dominantcolors.h"
#include "pages/modulepage.h"
#include "platform/filedialog.h"

#include <memory>
#include <vector>

class QLabel;

namespace Ui {
class Z_Bildfarben;
}

namespace Tintara {

class PageHost;
class TColorShape;

// The colours of a picture: opened, dropped as a file or pasted, shown whole; its dominant colours
// with their shares as draggable swatches, and any pixel of it picked with a click.
class Z_Bildfarben : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Bildfarben(PageHost& host, QWidget* parent = nullptr);
    ~Z_Bildfarben() override;

    const std::vector<DominantColor>& colours() const { return m_colours; }
    // Reads the picture file; a message where it is none, and the page stays as it was.
    void openPicture(const QString& path);
    void pastePicture();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    static constexpr int mostColours = 16;

    struct ColourRow {
        TColorShape* swatch;
        QLabel* label;
    };

    void choosePicture();
    void showPicture(const QImage& picture);
    void showColours();
    void addToScheme();

    PageHost& m_host;
    std::unique_ptr<Ui::Z_Bildfarben> ui;
    std::vector<ColourRow> m_rows;
    std::vector<DominantColor> m_colours;
    FileDialog m_openDialog;
};

} // namespace Tintara

#include "pages/z_bildfarben.h"

#include "color/notation.h"
#include "controls/languagechange.h"
#include "controls/tcolorshape.h"
#include "pages/pagehost.h"
#include "rules/picturecolors.h"

#include "ui_z_bildfarben.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QTimer>

namespace Tintara {

namespace {

constexpr int firstRowY = 36;
constexpr int rowHeight = 21;

// The local file a drag brings, if it brings exactly one.
QString droppedFile(const QMimeData* data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

} // namespace

Z_Bildfarben::Z_Bildfarben(PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Bildfarben>())
    , m_openDialog(FileDialogKind::Open, host.platform().fileDialogs)
{
    setUpForm(*ui);
    setAcceptDrops(true);
    setFocusPolicy(Qt::ClickFocus); // a click anywhere on the page lets its Ctrl+V paste a picture
    ui->lbBildHinweis->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int n = 0; n < mostColours; ++n) {
        auto* swatch = new TColorShape(this);
        swatch->setObjectName(QStringLiteral("shBildfarbe%1").arg(n + 1));
        swatch->setGeometry(346, firstRowY + n * rowHeight, 40, rowHeight - 3);
        swatch->setDragMode(TColorShape::DragMode::Automatic);
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("lbBildfarbe%1").arg(n + 1));
        label->setGeometry(392, firstRowY + n * rowHeight, 126, rowHeight - 3);
        m_rows.push_back({swatch, label});
    }
    auto* paste = new QAction(this);
    paste->setObjectName(QStringLiteral("actBildEinfuegen"));
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetWithChildrenShortcut); // the HTML field keeps its own Ctrl+V
    connect(paste, &QAction::triggered, this, &Z_Bildfarben::pastePicture);
    auto* open = new QAction(this);
    connect(open, &QAction::triggered, this, &Z_Bildfarben::choosePicture);
    addAction(paste);
    ui->pvBild->addActions({paste, open});
    ui->pvBild->setContextMenuPolicy(Qt::ActionsContextMenu);
    keepTranslated(ui->pvBild, [paste, open] {
        paste->setText(tr("Bild einfügen"));
        open->setText(tr("Bild öffnen …"));
    });

    connect(ui->btBildOeffnen, &QPushButton::clicked, this, &Z_Bildfarben::choosePicture);
    connect(ui->btBildInsFarbschema, &QPushButton::clicked, this, &Z_Bildfarben::addToScheme);
    connect(ui->sbBildAnzahl, &QSpinBox::valueChanged, this, &Z_Bildfarben::showColours);
    connect(ui->cbBildAuswahl, &QComboBox::currentIndexChanged, this, &Z_Bildfarben::showColours);
    connect(ui->pvBild, &PictureView::pixelClicked, this,
            [this](QPoint pixel) {
                const QRgb p = ui->pvBild->picture().pixel(pixel);
                m_host.pickColor(RGB(qRed(p), qGreen(p), qBlue(p)));
            });
    showColours();
}

Z_Bildfarben::~Z_Bildfarben() = default;

void Z_Bildfarben::choosePicture()
{
    m_openDialog.options.filter = pictureFileFilter(); // in the language of the moment
    if (m_openDialog.execute())
        openPicture(m_openDialog.options.fileName);
}

void Z_Bildfarben::openPicture(const QString& path)
{
    const PictureRead read = readPictureFile(path);
    if (!read.error.isEmpty()) {
        m_host.platform().messages.showError(read.error);
        return;
    }
    showPicture(read.image);
}

void Z_Bildfarben::pastePicture()
{
    const QImage picture = m_host.platform().clipboard.image();
    if (picture.isNull()) {
        m_host.platform().messages.showMessage(tr("Die Zwischenablage enthält kein Bild."));
        return;
    }
    showPicture(picture);
}

void Z_Bildfarben::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Z_Bildfarben::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The other program waits until the drop is done: read the picture (and say why it is refused)
    // once it has been let go.
    QTimer::singleShot(0, this, [this, path] { openPicture(path); });
}

void Z_Bildfarben::showPicture(const QImage& picture)
{
    ui->pvBild->setPicture(picture);
    ui->lbBildHinweis->hide();
    showColours();
}

void Z_Bildfarben::showColours()
{
    m_colours = pictureColors(ui->pvBild->picture(), ui->sbBildAnzahl->value(),
                              ui->cbBildAuswahl->currentIndex() == 1 ? ColorEmphasis::Accents : ColorEmphasis::Area);
    for (std::size_t n = 0; n < m_rows.size(); ++n) {
        const bool shown = n < m_colours.size();
        m_rows[n].swatch->setVisible(shown);
        m_rows[n].label->setVisible(shown);
        if (!shown)
            continue;
        m_rows[n].swatch->setColor(m_colours[n].color);
        m_rows[n].label->setText(QStringLiteral("%1 %  %2")
                                     .arg(qRound(m_colours[n].share * 100))
                                     .arg(QString::fromStdString(ColorNotation(m_colours[n].color, NotationHtml))));
    }
    ui->btBildInsFarbschema->setEnabled(!m_colours.empty());
}

void Z_Bildfarben::addToScheme()
{
    std::vector<TColor> colours;
    for (const DominantColor& colour : m_colours)
        colours.push_back(colour.color);
    m_host.addToFreeSlots([] { return tr("Bildfarben ins Farbschema"); }, colours);
}

} // namespace Tintara

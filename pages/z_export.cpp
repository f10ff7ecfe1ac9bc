#include "pages/z_export.h"

#include "exchange/paletteformats.h"
#include "pages/pagehost.h"
#include "platform/atomicwrite.h"
#include "platform/imagefiles.h"
#include "rules/exportrules.h"

#include "ui_z_export.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace Tintara {

namespace {

// The list's own five formats come first; the palette formats of other programs follow.
constexpr int firstPaletteFormat = 5;

std::optional<PaletteFormat> paletteFormatAt(int index)
{
    if (index < firstPaletteFormat || index >= firstPaletteFormat + paletteFormatCount)
        return std::nullopt;
    return static_cast<PaletteFormat>(index - firstPaletteFormat);
}

} // namespace

Z_Export::Z_Export(PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Export>())
{
    ui->setupUi(this);
    connect(ui->cbExportFormat, &QComboBox::currentIndexChanged, this, &Z_Export::cbExportFormatChange);
    connect(ui->btAktuell, &QPushButton::clicked, this, &Z_Export::cbExportFormatChange);
    connect(ui->btSpeichern, &QPushButton::clicked, this, &Z_Export::btSpeichernClick);
    for (QCheckBox* box : ui->PageControl2->findChildren<QCheckBox*>())
        connect(box, &QCheckBox::clicked, this, &Z_Export::ExportWahl);
    ui->ScrollBox1->setFocusPolicy(Qt::ClickFocus); // a click on the picture focuses the box
    ui->ScrollBox1->setBackgroundRole(QPalette::Base);
    // What is shown is what "Speichern" writes, so it follows the scheme while the page is shown.
    const auto follow = [this] {
        if (isCurrentPage())
            showExport();
    };
    connect(&host.events(), &PageEvents::schemeChanged, this, follow);
    connect(&host.events(), &PageEvents::schemeLoaded, this, follow);
}

Z_Export::~Z_Export() = default;

ExportChoice Z_Export::exportChoice() const
{
    ExportChoice c;
    c.format = ui->cbExportFormat->currentIndex();
    c.textColor = ui->cbTextText->isChecked();
    c.background = ui->cbTextBkgrnd->isChecked();
    c.definition = ui->cbTextCSSDef->isChecked();
    c.cssInfo = ui->cbCSSInfo->isChecked();
    c.html = ui->cbTextHTML->isChecked();
    c.rgb = ui->cbTextRGB->isChecked();
    c.textInfo = ui->cbTextInfo->isChecked();
    c.pictureName = ui->cbGrafikName->isChecked();
    c.pictureHtml = ui->cbGrafikHTML->isChecked();
    c.pictureRgb = ui->cbGrafikRGB->isChecked();
    c.pictureInfo = ui->cbGrafikInfo->isChecked();
    return c;
}

// Z_ExportShow and btAktuellClick come here too.
void Z_Export::cbExportFormatChange()
{
    ui->Label21->setEnabled(true);
    ui->Label60->setEnabled(false);
    ui->cbAusgabeFormat->setEnabled(false);
    const int format = std::max(0, ui->cbExportFormat->currentIndex());
    const bool palette = paletteFormatAt(format).has_value();
    ui->PageControl2->setVisible(!palette); // palette files have no options
    if (!palette)
        ui->PageControl2->setCurrentIndex(format);
    ui->Memo1->setVisible(format <= 1 || palette);
    ui->ScrollBox1->setVisible(format >= 2 && !palette);
    ExportWahl();
}

// A palette file names itself after the scheme file, or after the program.
QString Z_Export::paletteTitle() const
{
    const QString scheme = QFileInfo(m_host.schemeSaveDialog().options.fileName).completeBaseName();
    return scheme.isEmpty() ? QStringLiteral("Tintara Studio") : scheme;
}

void Z_Export::ExportWahl()
{
    showExport();
    if (exportMode(exportChoice()) >= 7 && !paletteFormatAt(ui->cbExportFormat->currentIndex()))
        ui->ScrollBox1->setFocus();
}

void Z_Export::showExport()
{
    if (const auto palette = paletteFormatAt(ui->cbExportFormat->currentIndex())) {
        ui->Memo1->setPlainText(palettePreview(*palette, m_host.schemeSlots(), paletteTitle()));
        ui->Memo1->moveCursor(QTextCursor::Start);
        return;
    }
    const ExportChoice choice = exportChoice();
    const int mode = exportMode(choice);
    const SchemeSlots scheme = m_host.schemeSlots();
    m_exportLines = exportText(mode, scheme, choice);
    ui->Memo1->setPlainText(m_exportLines.join(u'\n'));
    ui->Memo1->moveCursor(QTextCursor::Start);
    if (mode < 7)
        return;

    ui->Label60->setEnabled(true);
    ui->cbAusgabeFormat->setEnabled(true);
    ui->Label21->setEnabled(mode == 7);
    if (mode == 9)
        ui->cbAusgabeFormat->setCurrentIndex(0);
    ui->ScrollBox1->setHorizontalScrollBarPolicy(mode == 7 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    ui->ScrollBox1->setVerticalScrollBarPolicy(mode == 9 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);

    m_exportPicture = exportPicture(mode, scheme, choice, font());
    const qreal scale = devicePixelRatioF(); // the file keeps its pixels; the screen shows it sharp
    ui->AnzeigeGrafik->setPixmap(
        QPixmap::fromImage(scale == 1 ? m_exportPicture : exportPicture(mode, scheme, choice, font(), scale)));
    // The picture control of the tall reference picture is 10 pixels shorter than its bitmap.
    const QSize shown = mode == 7 ? QSize(475, 1310) : m_exportPicture.size();
    ui->AnzeigeGrafik->setGeometry(QRect(QPoint(0, 0), shown));
    ui->AnzeigeGrafik->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui->ScrollBoxInhalt->resize(shown);
}

void Z_Export::btSpeichernClick()
{
    // The scheme's save dialog, lent with the format's filter; it keeps the scheme's name.
    FileDialog& dialog = m_host.schemeSaveDialog();
    const FileDialogOptions remembered = dialog.options;
    const int format = ui->cbExportFormat->currentIndex();
    const auto palette = paletteFormatAt(format);
    const bool jpeg = format >= 2 && !palette && ui->cbAusgabeFormat->currentIndex() == 1;
    const QString title = paletteTitle(); // before the dialog takes a name of its own
    if (palette)
        dialog.options = {paletteFileFilter(*palette).first, paletteFileFilter(*palette).second, {}};
    else if (format == 0)
        dialog.options = {QStringLiteral("Style-Sheet|*.css"), QStringLiteral("css"), {}};
    else if (format == 1)
        dialog.options = {QStringLiteral("Textdatei|*.txt"), QStringLiteral("txt"), {}};
    else if (jpeg)
        dialog.options = {QStringLiteral("JPG-Grafik|*.jpg"), QStringLiteral("jpg"), {}};
    else
        dialog.options = {QStringLiteral("Bitmapgrafik|*.bmp"), QStringLiteral("bmp"), {}};

    if (dialog.execute()) {
        QByteArray bytes;
        QString reason;
        if (palette) {
            bytes = paletteFile(*palette, m_host.schemeSlots(), title);
        } else if (format <= 1) {
            bytes = exportTextFile(m_exportLines);
        } else {
            bytes = jpeg ? encodeJpeg(m_exportPicture, 100, &reason) : encodeBmp(m_exportPicture, &reason);
        }
        const QString path = dialog.options.fileName;
        if (!reason.isEmpty() || !writeFileAtomically(path, bytes, &reason))
            m_host.platform().messages.showError(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2")
                                              .arg(QDir::toNativeSeparators(path), reason));
    }
    dialog.options = remembered;
}

} // namespace Tintara

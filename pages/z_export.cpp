#include "pages/z_export.h"

#include "exchange/exportformats.h"
#include "pages/pagehost.h"
#include "platform/atomicwrite.h"
#include "rules/exportrules.h"

#include "ui_z_export.h"

#include <QDir>
#include <QFileInfo>


namespace Tintara {

Z_Export::Z_Export(PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Export>())
{
    setUpForm(*ui);
    for (std::size_t n = 0; n < exportFormats.size(); ++n)
        ui->cbExportFormat->addItem(QString());
    languageChanged();
    connect(ui->cbExportFormat, &QComboBox::currentIndexChanged, this, &Z_Export::cbExportFormatChange);
    connect(ui->btAktuell, &QPushButton::clicked, this, &Z_Export::cbExportFormatChange);
    connect(ui->btSpeichern, &QPushButton::clicked, this, &Z_Export::btSpeichernClick);
    for (QCheckBox* box : ui->PageControl2->findChildren<QCheckBox*>())
        connect(box, &QCheckBox::clicked, this, &Z_Export::ExportWahl);
    connect(ui->cbTokenHex, &QCheckBox::clicked, this, &Z_Export::ExportWahl);
    ui->ScrollBox1->setFocusPolicy(Qt::ClickFocus); // a click on the picture focuses the box
    ui->ScrollBox1->setBackgroundRole(QPalette::Base);
    // What is shown is what "Speichern" writes, so it follows the scheme while the page is shown;
    // the picture format the user chose stays.
    const auto follow = [this] {
        if (isCurrentPage())
            showExport(PictureFormat::Kept);
    };
    connect(&host.events(), &PageEvents::schemeChanged, this, follow);
    connect(&host.events(), &PageEvents::schemeLoaded, this, follow);
}

Z_Export::~Z_Export() = default;

const ExportFormat& Z_Export::chosenFormat() const
{
    return *exportFormatAt(std::max(0, ui->cbExportFormat->currentIndex()));
}

ExportChoice Z_Export::exportChoice() const
{
    ExportChoice c;
    c.content = chosenFormat().content;
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
    c.tokenHex = ui->cbTokenHex->isChecked();
    return c;
}

// Z_ExportShow and btAktuellClick come here too.
void Z_Export::cbExportFormatChange()
{
    ui->Label21->setEnabled(true);
    ui->Label60->setEnabled(false);
    ui->cbAusgabeFormat->setEnabled(false);
    const ExportFormat& format = chosenFormat();
    const bool palette = format.palette.has_value();
    ui->PageControl2->setVisible(!palette); // palette files have no options but the tokens' value
    ui->cbTokenHex->setVisible(format.palette && writesTokens(*format.palette));
    if (!palette)
        ui->PageControl2->setCurrentWidget(optionsTab(format.content));
    const bool picture = isPicture(format.content) && !palette;
    ui->Memo1->setVisible(!picture);
    ui->ScrollBox1->setVisible(picture);
    ExportWahl();
}

QWidget* Z_Export::optionsTab(ExportContent content) const
{
    switch (content) {
    case ExportContent::StyleSheet: return ui->ZZ_CSS;
    case ExportContent::Listing: return ui->ZZ_Text;
    case ExportContent::ReferencePicture: return ui->ZZ_Grafik;
    case ExportContent::ReferencePicture2: return ui->ZZ_Grafik2;
    case ExportContent::PaletteStrip: return ui->ZZ_Phase5;
    }
    return nullptr; // not reached: the switch names every content
}

void Z_Export::languageChanged()
{
    for (std::size_t n = 0; n < exportFormats.size(); ++n)
        ui->cbExportFormat->setItemText(int(n), exportFormatName(exportFormats[n]));
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
    if (isPicture(chosenFormat().content) && !chosenFormat().palette)
        ui->ScrollBox1->setFocus();
}

void Z_Export::showExport(PictureFormat pictureFormat)
{
    if (const auto palette = chosenFormat().palette) {
        ui->Memo1->setPlainText(palettePreview(*palette, m_host.schemeSlots(), paletteTitle(),
                                               exportChoice().tokenHex ? TokenValue::Hex : TokenValue::Object));
        ui->Memo1->moveCursor(QTextCursor::Start);
        return;
    }
    const ExportChoice choice = exportChoice();
    const int mode = exportMode(choice);
    const SchemeSlots scheme = m_host.schemeSlots();
    ui->Memo1->setPlainText(exportText(mode, scheme, choice).join(u'\n'));
    ui->Memo1->moveCursor(QTextCursor::Start);
    if (!isPicture(choice.content))
        return;

    const bool tall = choice.content == ExportContent::ReferencePicture;
    const bool strip = choice.content == ExportContent::PaletteStrip;
    ui->Label60->setEnabled(true);
    ui->cbAusgabeFormat->setEnabled(true);
    ui->Label21->setEnabled(tall);
    if (strip && pictureFormat == PictureFormat::Reset)
        ui->cbAusgabeFormat->setCurrentIndex(0);
    ui->ScrollBox1->setHorizontalScrollBarPolicy(tall ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    ui->ScrollBox1->setVerticalScrollBarPolicy(strip ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);

    // The file keeps its pixels; the screen shows it sharp.
    const QImage picture = exportPicture(mode, scheme, choice, font(), devicePixelRatioF());
    ui->AnzeigeGrafik->setPixmap(QPixmap::fromImage(picture));
    // The picture control of the tall reference picture is 10 pixels shorter than its bitmap.
    const QSize shown = tall ? QSize(475, 1310) : picture.deviceIndependentSize().toSize();
    ui->AnzeigeGrafik->setGeometry(QRect(QPoint(0, 0), shown));
    ui->AnzeigeGrafik->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui->ScrollBoxInhalt->resize(shown);
}

void Z_Export::btSpeichernClick()
{
    // The scheme's save dialog, lent with the format's filter; it keeps the scheme's name.
    FileDialog& dialog = m_host.schemeSaveDialog();
    const FileDialogOptions remembered = dialog.options;
    const ExportFormat& format = chosenFormat();
    const bool jpeg = isPicture(format.content) && !format.palette && ui->cbAusgabeFormat->currentIndex() == 1;
    const QString title = paletteTitle(); // before the dialog takes a name of its own
    const auto [filter, extension] = exportFileFilter(format, jpeg);
    dialog.options = {filter, extension, {}};

    if (dialog.execute()) {
        QString reason;
        const QByteArray bytes = exportFile(format, m_host.schemeSlots(), exportChoice(), title, jpeg, &reason);
        const QString path = dialog.options.fileName;
        if (!reason.isEmpty() || !writeFileAtomically(path, bytes, &reason))
            m_host.platform().messages.showError(tr("Datei \"%1\" kann nicht erstellt werden. %2")
                                              .arg(QDir::toNativeSeparators(path), reason));
    }
    dialog.options = remembered;
}

} // namespace Tintara

#include "mainwindow/tform1.h"

#include "rules/exportrules.h"
#include "platform/atomicwrite.h"
#include "platform/imagefiles.h"

#include "ui_tform1.h"
#include "ui_z_export.h"

#include <QDir>

namespace Tintara {

void TForm1::connectExport()
{
    connect(uiExport->cbExportFormat, &QComboBox::currentIndexChanged, this, &TForm1::cbExportFormatChange);
    connect(uiExport->btAktuell, &QPushButton::clicked, this, &TForm1::cbExportFormatChange);
    connect(uiExport->btSpeichern, &QPushButton::clicked, this, &TForm1::btSpeichernClick);
    for (QCheckBox* box : uiExport->PageControl2->findChildren<QCheckBox*>())
        connect(box, &QCheckBox::clicked, this, &TForm1::ExportWahl);
    uiExport->ScrollBox1->setFocusPolicy(Qt::ClickFocus); // a click on the picture focuses the box
    uiExport->ScrollBox1->setBackgroundRole(QPalette::Base);
}

ExportChoice TForm1::exportChoice() const
{
    ExportChoice c;
    c.format = uiExport->cbExportFormat->currentIndex();
    c.textColor = uiExport->cbTextText->isChecked();
    c.background = uiExport->cbTextBkgrnd->isChecked();
    c.definition = uiExport->cbTextCSSDef->isChecked();
    c.cssInfo = uiExport->cbCSSInfo->isChecked();
    c.html = uiExport->cbTextHTML->isChecked();
    c.rgb = uiExport->cbTextRGB->isChecked();
    c.textInfo = uiExport->cbTextInfo->isChecked();
    c.pictureName = uiExport->cbGrafikName->isChecked();
    c.pictureHtml = uiExport->cbGrafikHTML->isChecked();
    c.pictureRgb = uiExport->cbGrafikRGB->isChecked();
    c.pictureInfo = uiExport->cbGrafikInfo->isChecked();
    return c;
}

// Z_ExportShow and btAktuellClick come here too.
void TForm1::cbExportFormatChange()
{
    uiExport->Label21->setEnabled(true);
    uiExport->Label60->setEnabled(false);
    uiExport->cbAusgabeFormat->setEnabled(false);
    const int format = std::max(0, uiExport->cbExportFormat->currentIndex());
    uiExport->PageControl2->setCurrentIndex(format);
    uiExport->Memo1->setVisible(format <= 1);
    uiExport->ScrollBox1->setVisible(format >= 2);
    ExportWahl();
}

void TForm1::ExportWahl()
{
    const ExportChoice choice = exportChoice();
    const int mode = exportMode(choice);
    const SchemeSlots scheme = schemeSlots();
    m_exportLines = exportText(mode, scheme, choice);
    uiExport->Memo1->setPlainText(m_exportLines.join(u'\n'));
    uiExport->Memo1->moveCursor(QTextCursor::Start);
    if (mode < 7)
        return;

    uiExport->Label60->setEnabled(true);
    uiExport->cbAusgabeFormat->setEnabled(true);
    uiExport->Label21->setEnabled(mode == 7);
    if (mode == 9)
        uiExport->cbAusgabeFormat->setCurrentIndex(0);
    uiExport->ScrollBox1->setHorizontalScrollBarPolicy(mode == 7 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    uiExport->ScrollBox1->setVerticalScrollBarPolicy(mode == 9 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);

    m_exportPicture = exportPicture(mode, scheme, choice, font());
    uiExport->AnzeigeGrafik->setPixmap(QPixmap::fromImage(m_exportPicture));
    // The picture control of the tall reference picture is 10 pixels shorter than its bitmap.
    const QSize shown = mode == 7 ? QSize(475, 1310) : m_exportPicture.size();
    uiExport->AnzeigeGrafik->setGeometry(QRect(QPoint(0, 0), shown));
    uiExport->AnzeigeGrafik->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    uiExport->ScrollBoxInhalt->resize(shown);
    uiExport->ScrollBox1->setFocus();
}

void TForm1::btSpeichernClick()
{
    const FileDialogOptions remembered = m_dlSave.options;
    const int format = uiExport->cbExportFormat->currentIndex();
    const bool jpeg = format >= 2 && uiExport->cbAusgabeFormat->currentIndex() == 1;
    if (format == 0)
        m_dlSave.options = {QStringLiteral("Style-Sheet|*.css"), QStringLiteral("css"), {}};
    else if (format == 1)
        m_dlSave.options = {QStringLiteral("Textdatei|*.txt"), QStringLiteral("txt"), {}};
    else if (jpeg)
        m_dlSave.options = {QStringLiteral("JPG-Grafik|*.jpg"), QStringLiteral("jpg"), {}};
    else
        m_dlSave.options = {QStringLiteral("Bitmapgrafik|*.bmp"), QStringLiteral("bmp"), {}};

    if (m_dlSave.execute()) {
        QByteArray bytes;
        QString reason;
        if (format <= 1) {
            for (const QString& line : std::as_const(m_exportLines))
                bytes += line.toUtf8() + "\r\n";
        } else {
            bytes = jpeg ? encodeJpeg(m_exportPicture, 100, &reason) : encodeBmp(m_exportPicture);
        }
        const QString path = m_dlSave.options.fileName;
        if (!reason.isEmpty() || !writeFileAtomically(path, bytes, &reason))
            m_platform.messages.showError(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2")
                                              .arg(QDir::toNativeSeparators(path), reason));
    }
    m_dlSave.options = remembered;
}

} // namespace Tintara

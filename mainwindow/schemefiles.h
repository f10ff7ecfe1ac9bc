#pragma once

#include "platform/filedialog.h"

#include <QObject>

namespace Tintara {

class SchemeSwatches;
struct Platform;

// The scheme as a file: new, open and save `.tsf`, with the two dialogs that keep their last name.
class SchemeFiles : public QObject
{
    Q_OBJECT

public:
    SchemeFiles(SchemeSwatches& scheme, const Platform& platform, QObject* parent);

    void PaletteNeu();
    void PaletteLaden(const QString& path);
    void PaletteOeffnen();
    void PaletteSpeichern();
    // Into the file the scheme was loaded from or last saved to, without a dialog; with no file
    // yet, as PaletteSpeichern.
    void saveInPlace();
    FileDialog& openDialog() { return m_dlOpen; }
    FileDialog& saveDialog() { return m_dlSave; }

Q_SIGNALS:
    // "Neu" emptied every slot.
    void cleared();
    // A scheme file filled the slots.
    void loaded();
    // A scheme file was opened or saved.
    void fileUsed(const QString& path);
    // A file was not loaded: it is no scheme, or cannot be read whole. The scheme stays.
    void refused(const QString& message);

private:
    static QString schemeFilter();
    void writeTo(const QString& path);

    SchemeSwatches& m_scheme;
    const Platform& m_platform;
    FileDialog m_dlOpen;
    FileDialog m_dlSave;
};

} // namespace Tintara

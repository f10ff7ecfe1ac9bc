#pragma once

#include <QString>

#include <optional>

namespace Tintara {

enum class FileDialogKind { Open, Save };

// What an open or save dialog is shown with. The filter uses the classic "Text|*.ext" pairs.
struct FileDialogOptions {
    QString filter;
    QString defaultExt;
    QString fileName;
};

class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // The chosen path (the default extension appended when the user typed none), or nothing.
    // The save dialog asks before it replaces a file; the open dialog accepts names that do not exist.
    virtual std::optional<QString> execute(FileDialogKind kind, const FileDialogOptions& options) = 0;
};

// A dialog that keeps its filter, default extension and file name between uses.
class FileDialog
{
public:
    FileDialog(FileDialogKind kind, FileDialogs& dialogs)
        : m_kind(kind), m_dialogs(dialogs) {}

    FileDialogOptions options;

    // Shows the dialog; on OK the chosen path becomes the file name.
    bool execute()
    {
        const auto chosen = m_dialogs.execute(m_kind, options);
        if (chosen)
            options.fileName = *chosen;
        return chosen.has_value();
    }

private:
    FileDialogKind m_kind;
    FileDialogs& m_dialogs;
};

// "A|*.a|B|*.b" as Qt's "A (*.a);;B (*.b)".
QString qtFileFilter(const QString& classicFilter);
// `path` with ".ext" appended when its file name has no extension.
QString withDefaultExtension(const QString& path, const QString& defaultExt);

} // namespace Tintara

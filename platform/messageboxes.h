#pragma once

#include <QString>

namespace Tintara {

// Boxes that wait for the user. German button texts come from Qt's translations.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // The application's general error box.
    virtual void showError(const QString& text) = 0;
    virtual void showMessage(const QString& text) = 0;
    virtual bool askYesNo(const QString& text) = 0;
    virtual bool askOkCancel(const QString& text) = 0;
};

} // namespace Tintara

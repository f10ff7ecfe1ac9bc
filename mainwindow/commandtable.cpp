#include "mainwindow/commandtable.h"

#include <QAction>
#include <QToolButton>

namespace Tintara {

QToolButton* toolButtonOf(const QObject& form, const CommandRow& row)
{
    return row.button ? form.findChild<QToolButton*>(QLatin1String(row.button)) : nullptr;
}

QStringList missingFormControls(const QObject& form)
{
    QStringList missing;
    for (const CommandRow& row : commandTable) {
        const QString name = QLatin1String(row.action);
        if (row.button && !toolButtonOf(form, row))
            missing << QStringLiteral("The command row \"%1\" names the tool button \"%2\", which the form does not have.")
                           .arg(name, QLatin1String(row.button));
        if (!row.windowAction && !form.findChild<QAction*>(name))
            missing << QStringLiteral("The command row \"%1\" names a menu entry the form does not have; a row "
                                      "whose action the window makes says windowAction.")
                           .arg(name);
    }
    return missing;
}

} // namespace Tintara

#include "rules/navigationrules.h"

#include <algorithm>

namespace Tintara {

BackgroundRule backgroundRule(BackgroundUse use, int customFlag)
{
    switch (use) {
    case BackgroundUse::Leaves: return BackgroundRule::Unchanged;
    case BackgroundUse::Standard: return BackgroundRule::Standard;
    case BackgroundUse::User: return customFlag == 1 ? BackgroundRule::Custom : BackgroundRule::Standard;
    }
    return BackgroundRule::Unchanged;
}

bool titleBarReachable(QPoint topLeft, int width, const QList<QRect>& screens)
{
    constexpr int titleHeight = 24;
    const QRect title(topLeft, QSize(width, titleHeight));
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) { return screen.intersects(title); });
}

QString withFunctionKey(const QString& text, int key)
{
    return QStringLiteral("%1 (F%2)").arg(text).arg(key);
}

} // namespace Tintara

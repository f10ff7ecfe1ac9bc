#include "rules/navigationrules.h"

#include <algorithm>


namespace Tintara {

namespace {

template <typename Matches>
const Navigation* findRow(Matches matches)
{
    const auto row = std::find_if(navigationTable.begin(), navigationTable.end(), matches);
    return row == navigationTable.end() ? nullptr : &*row;
}

} // namespace

const Navigation* navigationForSender(QStringView sender)
{
    return findRow([&](const Navigation& row) { return sender == QLatin1String(row.sender); });
}

const Navigation* navigationForMenuEntry(QStringView entry)
{
    return findRow([&](const Navigation& row) { return row.menuEntry && entry == QLatin1String(row.menuEntry); });
}

const Navigation* navigationForKey(int n)
{
    return n > 0 ? findRow([&](const Navigation& row) { return row.functionKey == n; }) : nullptr;
}

BackgroundRule backgroundRule(const Navigation* row, int customFlag)
{
    if (!row || row->command == Command::Help || row->command == Command::Tray)
        return BackgroundRule::Standard;
    if (row->command != Command::ShowPage)
        return BackgroundRule::Unchanged;
    return customFlag == 1 && row->userBackground ? BackgroundRule::Custom : BackgroundRule::Standard;
}

bool isBackgroundPage(QStringView page)
{
    const Navigation* row = findRow([&](const Navigation& r) { return r.page && page == QLatin1String(r.page); });
    return row && row->userBackground;
}

bool titleBarReachable(QPoint topLeft, int width, const QList<QRect>& screens)
{
    constexpr int titleHeight = 24;
    const QRect title(topLeft, QSize(width, titleHeight));
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) { return screen.intersects(title); });
}

} // namespace Tintara

#include "rules/navigationrules.h"

#include <algorithm>

namespace Tintara {

namespace {

template <typename Matches>
const Navigation* findRow(std::span<const Navigation> table, Matches matches)
{
    const auto row = std::find_if(table.begin(), table.end(), matches);
    return row == table.end() ? nullptr : &*row;
}

} // namespace

const Navigation* navigationForSender(std::span<const Navigation> table, QStringView sender)
{
    return findRow(table, [&](const Navigation& row) { return sender == QLatin1String(row.sender); });
}

const Navigation* navigationForMenuEntry(std::span<const Navigation> table, QStringView entry)
{
    return findRow(table, [&](const Navigation& row) { return row.menuEntry && entry == QLatin1String(row.menuEntry); });
}

const Navigation* navigationForKey(std::span<const Navigation> table, int n)
{
    return n > 0 ? findRow(table, [&](const Navigation& row) { return row.functionKey == n; }) : nullptr;
}

BackgroundRule backgroundRule(const Navigation* row, int customFlag)
{
    if (!row || row->command == Command::Help || row->command == Command::Tray)
        return BackgroundRule::Standard;
    if (row->command != Command::ShowPage)
        return BackgroundRule::Unchanged;
    return customFlag == 1 && row->userBackground ? BackgroundRule::Custom : BackgroundRule::Standard;
}

bool isBackgroundPage(std::span<const Navigation> table, QStringView page)
{
    const Navigation* row = findRow(table, [&](const Navigation& r) { return r.page && page == QLatin1String(r.page); });
    return row && row->userBackground;
}

bool titleBarReachable(QPoint topLeft, int width, const QList<QRect>& screens)
{
    constexpr int titleHeight = 24;
    const QRect title(topLeft, QSize(width, titleHeight));
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) { return screen.intersects(title); });
}

} // namespace Tintara

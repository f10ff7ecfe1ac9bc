#include "model/documentmodel.h"

#include <utility>

namespace Tintara {

DocumentModel::DocumentModel(TColor startColor, QObject* parent)
    : QObject(parent), m_active(startColor), m_base(startColor), m_pageSettings(freshPageSettings())
{
    m_kept.backgrnd = 0; // no background shown yet
}

void DocumentModel::setActiveColor(const WideColor& color, const QObject* source, Base base)
{
    m_active = color.srgb;
    m_wide = color.wide;
    if (base == Base::Follows)
        m_base = color.srgb;
    m_source = source;
    m_pickPreview.reset();
    Q_EMIT shownColorChanged();
    Q_EMIT activeColorChanged();
}

void DocumentModel::setPickPreview(TColor color)
{
    m_pickPreview = color;
    Q_EMIT shownColorChanged();
}

void DocumentModel::endPickPreview()
{
    if (std::exchange(m_pickPreview, std::nullopt))
        Q_EMIT shownColorChanged();
}

void DocumentModel::setSlot(int slot, const WideColor& color, int used)
{
    m_scheme.scheme.colors[slot - 1] = color.srgb;
    m_scheme.scheme.used[slot - 1] = used;
    m_scheme.scheme.wide[slot - 1] = color.wide;
    m_scheme.draggable[slot - 1] = used == 1;
    Q_EMIT schemeChanged();
}

void DocumentModel::setSlotInfo(int slot, const QString& text)
{
    m_scheme.scheme.infos[slot - 1] = text;
    if (!text.isEmpty())
        m_infoShown[slot - 1] = true;
    Q_EMIT schemeChanged();
}

void DocumentModel::setInfoTexts(const std::array<QString, 16>& texts)
{
    m_scheme.scheme.infos = texts;
    for (std::size_t n = 0; n < texts.size(); ++n)
        m_infoShown[n] = !texts[n].isEmpty();
    Q_EMIT schemeChanged();
}

void DocumentModel::loadScheme(const SchemeSlots& scheme)
{
    for (std::size_t n = 0; n < 16; ++n) {
        m_scheme.scheme.colors[n] = scheme.colors[n];
        m_scheme.scheme.used[n] = scheme.used[n];
        m_scheme.scheme.wide[n] = scheme.wide[n];
        if (scheme.used[n] == 1)
            m_scheme.draggable[n] = true;
        m_scheme.scheme.infos[n] = scheme.infos[n];
        if (!scheme.infos[n].isEmpty())
            m_infoShown[n] = true;
    }
    m_scheme.scheme.roles = scheme.roles;
    Q_EMIT schemeChanged();
}

void DocumentModel::restoreScheme(const SchemeState& state)
{
    m_scheme = state;
    for (std::size_t n = 0; n < 16; ++n)
        m_infoShown[n] = !state.scheme.infos[n].isEmpty();
    Q_EMIT schemeChanged();
}

void DocumentModel::setRoles(const ThemeRoles& roles)
{
    if (roles == m_scheme.scheme.roles)
        return;
    m_scheme.scheme.roles = roles;
    Q_EMIT schemeChanged();
}

void DocumentModel::setDisplayMode(DisplayMode mode)
{
    m_displayMode = mode;
    Q_EMIT displayModeChanged(mode);
}

void DocumentModel::setEditorGamut(EditorGamut gamut)
{
    if (gamut == m_gamut)
        return;
    m_gamut = gamut;
    Q_EMIT editorGamutChanged(gamut);
}

void DocumentModel::setColourHistory(const std::array<TColor, 5>& colours)
{
    if (colours == m_kept.clipbrd)
        return;
    m_kept.clipbrd = colours;
    Q_EMIT colourHistoryChanged();
}

Configuration DocumentModel::configuration(QPoint position) const
{
    Configuration c = m_kept;
    c.farbanzeige = m_active;
    c.scheme = m_scheme.scheme;
    c.oklchMode = m_displayMode == DisplayMode::Oklch;
    c.modus = c.oklchMode ? 0 : static_cast<int>(m_displayMode);
    c.oklchGamut = static_cast<int>(m_gamut);
    c.links = position.x();
    c.oben = position.y();
    c.pages = m_pageSettings;
    return c;
}

void DocumentModel::setPageSettings(const PageSettings& settings)
{
    if (settings == m_pageSettings)
        return;
    m_pageSettings = settings;
    Q_EMIT pageSettingsChanged();
}

} // namespace Tintara

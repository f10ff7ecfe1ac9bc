#include "model/documentmodel.h"

namespace Tintara {

DocumentModel::DocumentModel(TColor startColor, QObject* parent)
    : QObject(parent), m_active(startColor), m_base(startColor)
{
}

void DocumentModel::setActiveColor(TColor color, const QObject* source, Base base)
{
    m_active = color;
    if (base == Base::Follows)
        m_base = color;
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

void DocumentModel::setDisplayMode(DisplayMode mode)
{
    m_displayMode = mode;
    Q_EMIT displayModeChanged(mode);
}

void DocumentModel::setPageSettings(const PageSettings& settings)
{
    if (settings == m_pageSettings)
        return;
    m_pageSettings = settings;
    Q_EMIT pageSettingsChanged();
}

} // namespace Tintara

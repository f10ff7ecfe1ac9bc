#include "mainwindow/oklcheditor.h"

#include "controls/colortrack.h"
#include "controls/languagechange.h"
#include "rules/editorinput.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <cmath>

namespace Tintara {

namespace {

// The bars step in the last decimal their fields show.
double trackUnits(OklchChannel channel)
{
    const OklchChannelRange range = oklchRange(channel);
    return range.fieldScale * std::pow(10, range.decimals);
}

struct ChannelLook {
    OklchChannel which;
    const char* name;
    const char* caption;
    const char* hint;
    int x;
};
// Where the RGB and HSV bars stand; the fields are wider, for their decimals.
constexpr ChannelLook looks[] = {
    {OklchChannel::Lightness, "L", "L", QT_TRANSLATE_NOOP("Tintara::OklchEditor", "Helligkeit (OKLCH) in Prozent"),
     11},
    {OklchChannel::Chroma, "C", "C", QT_TRANSLATE_NOOP("Tintara::OklchEditor", "Buntheit (OKLCH)"), 46},
    {OklchChannel::Hue, "H", "H", QT_TRANSLATE_NOOP("Tintara::OklchEditor", "Farbton (OKLCH) in Grad"), 81},
};

} // namespace

OklchEditor::OklchEditor(QWidget& panel, ColorEditor& editor, DocumentModel& model)
    : m_editor(editor), m_model(model), m_gamut(new QComboBox(&panel))
{
    for (std::size_t n = 0; n < m_channels.size(); ++n) {
        const ChannelLook& look = looks[n];
        auto* caption = new QLabel(QLatin1String(look.caption), &panel);
        caption->setObjectName(QStringLiteral("lbOk") + QLatin1String(look.name));
        caption->setGeometry(look.x, 126, 25, 18);
        caption->setAlignment(Qt::AlignCenter);
        auto* track = new ColorTrack(&panel);
        track->setObjectName(QStringLiteral("sbOk") + QLatin1String(look.name));
        track->setGeometry(look.x, 150, 25, 205);
        track->setRange(0, static_cast<int>(std::lround(oklchRange(look.which).maximum * trackUnits(look.which))));
        track->setPageStep(track->maximum() / 20);
        auto* field = new QLineEdit(&panel);
        field->setObjectName(QStringLiteral("edOk") + QLatin1String(look.name));
        field->setGeometry(look.x, 360, 33, 21);
        keepTranslated(track, [track, field, hint = look.hint] {
            track->setToolTip(tr(hint));
            field->setToolTip(tr(hint));
        });
        m_channels[n] = {look.which, caption, track, field};
    }
    // Beside the bars' captions, over the brightness bar; names of colour spaces are the same in every language.
    m_gamut->setObjectName(QStringLiteral("cbOkGamut"));
    m_gamut->setGeometry(107, 124, 80, 21);
    m_gamut->addItems({QStringLiteral("sRGB"), QStringLiteral("Display P3")});
    keepTranslated(m_gamut, [this] {
        m_gamut->setToolTip(tr("Farbraum der OKLCH-Werte: schraffiert ist, was er nicht fasst; in Display P3 "
                               "ist gepunktet, was nur ein Bildschirm mit großem Farbraum zeigt"));
    });
    connect(m_gamut, &QComboBox::activated, this,
            [this](int index) { m_model.setEditorGamut(index == 1 ? EditorGamut::DisplayP3 : EditorGamut::Srgb); });
    connect(&model, &DocumentModel::editorGamutChanged, this, &OklchEditor::gamutChanged);
    for (const Channel& channel : m_channels) {
        connect(channel.track, &QAbstractSlider::valueChanged, this, [this, &channel] { trackMoved(channel); });
        connect(channel.field, &QLineEdit::textEdited, this, [this, &channel] { fieldEdited(channel); });
        // Leaving a field or pressing Enter shows its value as the others are shown.
        connect(channel.field, &QLineEdit::editingFinished, this, [this] { showValues(nullptr); });
    }
    connect(&model, &DocumentModel::activeColorChanged, this, &OklchEditor::activeColorChanged);
    connect(&model, &DocumentModel::displayModeChanged, this, &OklchEditor::showMode);
    m_requested = model.activeWideColor().wide.value_or(toOklch(model.activeColor()));
    m_gamut->setCurrentIndex(static_cast<int>(model.editorGamut()));
    showMode(m_editor.displayMode());
    whenLanguageChanges(&panel, [this] { showValues(nullptr); }); // the decimal separator of the language
}

QList<QWidget*> OklchEditor::controls() const
{
    QList<QWidget*> list;
    for (const Channel& channel : m_channels)
        list << channel.track << channel.field;
    return list << m_gamut;
}

void OklchEditor::showMode(ColorEditor::DisplayMode mode)
{
    const bool shown = mode == ColorEditor::DisplayMode::Oklch;
    QList<QWidget*> shownInMode = controls();
    for (const Channel& channel : m_channels)
        shownInMode << channel.caption;
    for (QWidget* control : shownInMode) {
        control->setVisible(shown);
        control->setEnabled(shown);
    }
    if (shown)
        showValues(nullptr);
}

// The values asked for are mapped into the new gamut; the editor shows their colour there.
void OklchEditor::gamutChanged(EditorGamut gamut)
{
    m_gamut->setCurrentIndex(static_cast<int>(gamut));
    if (!m_channels[0].track->isVisible())
        return;
    apply(m_gamut);
    showValues(nullptr);
}

// A colour from elsewhere (a drop, a pick, the HTML field, an undo) sets the three values; a wide
// colour gives its own.
void OklchEditor::activeColorChanged()
{
    if (m_applying)
        return;
    const WideColor active = m_model.activeWideColor();
    const Oklch now = active.wide.value_or(toOklch(active.srgb));
    // A grey has no hue of its own; the hue bar stays where the user left it.
    m_requested = {now.L, now.C, now.C > 0 ? now.h : m_requested.h};
    if (m_channels[0].track->isVisible())
        showValues(nullptr);
}

void OklchEditor::trackMoved(const Channel& channel)
{
    m_requested = withChannel(m_requested, channel.which, channel.track->value() / trackUnits(channel.which));
    apply(channel.track);
    showValues(nullptr);
}

void OklchEditor::fieldEdited(const Channel& channel)
{
    const auto value = oklchFieldValue(channel.which, channel.field->text().toStdString());
    if (!value)
        return; // an unfinished number changes nothing until it is one
    m_requested = withChannel(m_requested, channel.which, *value);
    apply(channel.field);
    showValues(channel.field);
}

void OklchEditor::apply(const QObject* source)
{
    m_applying = true;
    m_editor.setActiveColorFrom(editorColor(m_requested, m_model.editorGamut()), source);
    m_applying = false;
}

// Bars and fields from the requested values; the field being typed in keeps its text.
void OklchEditor::showValues(const QLineEdit* typedIn)
{
    for (const Channel& channel : m_channels) {
        const double value = channelOf(m_requested, channel.which);
        {
            const QSignalBlocker blocker(channel.track);
            channel.track->setValue(static_cast<int>(std::lround(value * trackUnits(channel.which))));
        }
        if (channel.field != typedIn)
            channel.field->setText(shownNumber(oklchFieldText(channel.which, value)));
    }
    paintTracks();
}

void OklchEditor::paintTracks()
{
    for (const Channel& channel : m_channels)
        channel.track->setStops(
            oklchTrack(channel.which, m_requested, channel.track->trackLength(), m_model.editorGamut()));
}

} // namespace Tintara

#include "mainwindow/coloreditor.h"

#include "color/html.h"
#include "color/notation.h"
#include "controls/tcolorshape.h"
#include "controls/eventhook.h"
#include "pages/numberentry.h"
#include "platform/platform.h"
#include "rules/editorinput.h"

#include "controls/tmagnifier.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QKeyEvent>
#include <QSignalBlocker>

namespace Tintara {

namespace {

QString htmlText(TColor color)
{
    return QString::fromStdString(ColorNotation(color, NotationHtml));
}

// A wheel turned over a bar moves it as a drag would: the bar takes the focus first, so the change
// handlers know where the change came from and fields, bars and colour stay in step.
class WheelTakesFocus : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Wheel)
            static_cast<QWidget*>(watched)->setFocus(Qt::MouseFocusReason);
        return false;
    }
};

} // namespace

ColorEditor::ColorEditor(const EditorControls& controls, DocumentModel& model, const Platform& platform,
                         QObject* parent)
    : QObject(parent), m_controls(controls), m_model(model), m_platform(platform)
{
    // Made before every other observer of the model: the controls show a change before the rest
    // of the window hears of it.
    connect(&m_model, &DocumentModel::shownColorChanged, this,
            [this] { m_controls.Farbanzeige->setColor(m_model.shownColor()); });
    connect(&m_model, &DocumentModel::activeColorChanged, this, &ColorEditor::activeColorChanged);
    m_controls.Farbanzeige->setColor(m_model.shownColor());
    auto* wheelTakesFocus = new WheelTakesFocus(this);
    for (QScrollBar* bar : {m_controls.sbRot, m_controls.sbGruen, m_controls.sbBlau, m_controls.sbH, m_controls.sbS,
                           m_controls.sbV, m_controls.sbHell}) {
        bar->setFocusPolicy(Qt::WheelFocus); // the focus tells which group the user works in
        bar->installEventFilter(wheelTakesFocus);
    }
    for (QScrollBar* bar :
        {m_controls.sbRot, m_controls.sbGruen, m_controls.sbBlau, m_controls.sbH, m_controls.sbS, m_controls.sbV})
        connect(bar, &QScrollBar::valueChanged, this, &ColorEditor::ScrollbarWechsel);
    // The channel fields filter their own keys and fill themselves in when left.
    auto* channelInput = new EventHook(
        [this](QObject* watched, QEvent* event) {
            auto* field = static_cast<QLineEdit*>(watched);
            if (event->type() == QEvent::FocusOut)
                EditFuellen(field);
            return event->type() == QEvent::KeyPress && WertEingabe(field, static_cast<QKeyEvent*>(event));
        },
        this);
    for (QLineEdit* field :
        {m_controls.edRot, m_controls.edGruen, m_controls.edBlau, m_controls.edH, m_controls.edS, m_controls.edV}) {
        connect(field, &QLineEdit::textChanged, this, &ColorEditor::ScrollbarWechsel);
        field->installEventFilter(channelInput);
    }
    connect(m_controls.sbHell, &QScrollBar::valueChanged, this, &ColorEditor::sbHellChange);
    connect(m_controls.edHTML, &QLineEdit::textChanged, this, &ColorEditor::FarbwertAnzeigeChange);
}

void ColorEditor::commit(const WideColor& color, const QObject* source, DocumentModel::Base base)
{
    m_committing = true;
    m_model.setActiveColor(color, source, base);
    m_committing = false;
}

void ColorEditor::activeColorChanged()
{
    if (m_committing)
        return;
    {
        const QSignalBlocker blocker(m_controls.sbHell);
        m_controls.sbHell->setValue(0);
    }
    ScrollbarAnpassung(activeColor());
}

void ColorEditor::showStartColor()
{
    m_model.setActiveColor(activeColor());
    m_lastRandomColor = activeColor();
}

void ColorEditor::setActiveColorFrom(const WideColor& color, const QObject* source)
{
    ScrollbarAnpassung(color.srgb);
    commit(color, source);
}

// A picked colour comes to the editor as if its sliders had been moved.
void ColorEditor::takePickedColor(const WideColor& color)
{
    ScrollbarAnpassung(color.srgb);
    commit(color, nullptr);
}

void ColorEditor::ScrollbarAnpassung(TColor color)
{
    {
        const QSignalBlocker blockers[] = {
            QSignalBlocker(m_controls.sbRot), QSignalBlocker(m_controls.sbGruen), QSignalBlocker(m_controls.sbBlau),
            QSignalBlocker(m_controls.sbH), QSignalBlocker(m_controls.sbS), QSignalBlocker(m_controls.sbV),
            QSignalBlocker(m_controls.edRot), QSignalBlocker(m_controls.edGruen), QSignalBlocker(m_controls.edBlau),
            QSignalBlocker(m_controls.edH), QSignalBlocker(m_controls.edS), QSignalBlocker(m_controls.edV),
            QSignalBlocker(m_controls.edHTML),
        };
        showRgbBars(color);
        showRgbFields();
        m_controls.edHTML->setText(htmlText(color));
        showHsv(RGBnachHSV(color));
    }
    // While the user drags the brightness bar its position stays.
    if (!m_controls.sbHell->hasFocus() || color == m_dialogColor) {
        const QSignalBlocker blocker(m_controls.sbHell);
        m_controls.sbHell->setValue(0);
    }
}

void ColorEditor::showRgbBars(TColor color)
{
    m_controls.sbRot->setValue(redOf(color));
    m_controls.sbGruen->setValue(greenOf(color));
    m_controls.sbBlau->setValue(blueOf(color));
}

void ColorEditor::showRgbFields()
{
    m_controls.edRot->setText(QString::number(m_controls.sbRot->value()));
    m_controls.edGruen->setText(QString::number(m_controls.sbGruen->value()));
    m_controls.edBlau->setText(QString::number(m_controls.sbBlau->value()));
}

void ColorEditor::showHsv(const Hsv& hsv)
{
    m_controls.sbH->setValue(hsv.h);
    m_controls.sbS->setValue(hsv.s);
    m_controls.sbV->setValue(hsv.v);
    m_controls.edH->setText(QString::number(hsv.h));
    m_controls.edS->setText(QString::number(hsv.s));
    m_controls.edV->setText(QString::number(hsv.v));
}

ColorEditor::SourceKind ColorEditor::sourceKind() const
{
    const QWidget* focus = QApplication::focusWidget();
    const auto in = [focus](std::initializer_list<const QWidget*> group) {
        return std::find(group.begin(), group.end(), focus) != group.end();
    };
    if (in({m_controls.edRot, m_controls.edGruen, m_controls.edBlau}))
        return SourceKind::RgbFields;
    if (in({m_controls.edH, m_controls.edS, m_controls.edV}))
        return SourceKind::HsvFields;
    if (in({m_controls.sbH, m_controls.sbS, m_controls.sbV}))
        return SourceKind::HsvBars;
    if (in({m_controls.sbRot, m_controls.sbGruen, m_controls.sbBlau}))
        return SourceKind::RgbBars;
    return SourceKind::None;
}

// The number in a channel field moves its bar; a text that is no number is put back.
void ColorEditor::fieldValue(QLineEdit* field, QScrollBar* bar)
{
    if (field->hasFocus() && field->text().isEmpty())
        field->setText(QStringLiteral("0"));
    if (const auto value = clampedNumber(field->text(), bar->minimum(), bar->maximum()))
        bar->setValue(*value);
    else
        field->setText(QString::number(bar->value()));
}

void ColorEditor::ScrollbarWechsel()
{
    // Writing bars and fields here fires this handler again; those nested runs would compute the
    // same result, so they are skipped.
    if (m_inScrollbarWechsel)
        return;
    m_inScrollbarWechsel = true;
    const SourceKind kind = sourceKind();
    const bool hsv = kind == SourceKind::HsvFields || kind == SourceKind::HsvBars;
    const bool rgb = kind == SourceKind::RgbFields || kind == SourceKind::RgbBars;

    if (kind == SourceKind::RgbFields) {
        fieldValue(m_controls.edRot, m_controls.sbRot);
        fieldValue(m_controls.edGruen, m_controls.sbGruen);
        fieldValue(m_controls.edBlau, m_controls.sbBlau);
    } else if (kind == SourceKind::HsvFields) {
        fieldValue(m_controls.edH, m_controls.sbH);
        fieldValue(m_controls.edS, m_controls.sbS);
        fieldValue(m_controls.edV, m_controls.sbV);
    }
    std::optional<TColor> color;
    if (hsv) {
        if (kind == SourceKind::HsvBars) {
            m_controls.edH->setText(QString::number(m_controls.sbH->value()));
            m_controls.edS->setText(QString::number(m_controls.sbS->value()));
            m_controls.edV->setText(QString::number(m_controls.sbV->value()));
        }
        color = HSVnachRGB(m_controls.sbH->value(), m_controls.sbS->value(), m_controls.sbV->value());
        // The HSV bars keep the user's positions.
        showRgbBars(*color);
    } else if (rgb) {
        color = RGB(m_controls.sbRot->value(), m_controls.sbGruen->value(), m_controls.sbBlau->value());
        showHsv(RGBnachHSV(*color));
    }
    if (hsv || kind == SourceKind::RgbBars)
        showRgbFields();
    m_controls.edHTML->setText(htmlText(color.value_or(activeColor())));
    if (!m_controls.sbHell->hasFocus()) {
        const QSignalBlocker blocker(m_controls.sbHell);
        m_controls.sbHell->setValue(0);
    }
    // A bar moved with no group in focus (by a program, not a person) changes no colour.
    if (color)
        commit(*color, QApplication::focusWidget());
    m_inScrollbarWechsel = false;
}

void ColorEditor::FarbwertAnzeigeChange()
{
    if (m_controls.edHTML->hasFocus()) {
        const QString text = m_controls.edHTML->text();
        if (isCompleteHtmlText(text)) {
            const TColor color = HTMLToColor(text.toStdString(), activeColor());
            ScrollbarAnpassung(color);
            commit(color, m_controls.edHTML);
        }
        // A complete value is selected, so that the next key starts a new one.
        const QString now = m_controls.edHTML->text();
        if ((now.size() == 7 && now.startsWith(u'#')) || (now.size() == 6 && !now.startsWith(u'#')))
            m_controls.edHTML->selectAll();
    }
    m_model.takeBrightnessBase();
}

void ColorEditor::sbHellChange()
{
    if (!m_controls.sbHell->hasFocus())
        return;
    const TColor color = ShadeColor(brightnessBase(), m_controls.sbHell->value());
    ScrollbarAnpassung(color);
    commit(color, m_controls.sbHell, DocumentModel::Base::Stays);
}

int ColorEditor::channelLimit(const QLineEdit* field) const
{
    return field == m_controls.edH ? 360 : 255;
}

bool ColorEditor::WertEingabe(QLineEdit* field, QKeyEvent* event)
{
    const auto key = typedKey(event);
    if (!key || *key == enterKey)
        return key.has_value();
    const KeyVerdict verdict = channelKeyOverSelection(field->text(), field->selectionStart(),
                                                       static_cast<int>(field->selectedText().size()), *key,
                                                       channelLimit(field));
    if (verdict.selectAll)
        field->selectAll();
    if (verdict.replaceBy)
        field->setText(*verdict.replaceBy);
    return verdict.swallow || verdict.replaceBy.has_value();
}

void ColorEditor::EditFuellen(QLineEdit* field)
{
    if (const auto text = EditFuellenRule(field->text(), channelLimit(field)))
        field->setText(*text);
}

void ColorEditor::Anzeigemodus(DisplayMode mode)
{
    const std::array<std::vector<QWidget*>, 3> groups = {{
        {m_controls.sbRot, m_controls.sbGruen, m_controls.sbBlau, m_controls.edRot, m_controls.edGruen,
         m_controls.edBlau, m_controls.shRot, m_controls.shGruen, m_controls.shBlau},
        {m_controls.sbH, m_controls.sbS, m_controls.sbV, m_controls.shH, m_controls.shS, m_controls.shV,
         m_controls.edH, m_controls.edS, m_controls.edV},
        {m_controls.Zoom, m_controls.Bevel14, m_controls.cbZoom},
    }};
    // The OKLCH mode shows controls of its own and hides all three groups.
    for (int group = 0; group < 3; ++group) {
        for (QWidget* control : groups[group]) {
            control->setVisible(group == static_cast<int>(mode));
            control->setEnabled(group == static_cast<int>(mode));
        }
    }
    m_controls.sbHell->setEnabled(mode != DisplayMode::Picker);
    m_model.setDisplayMode(mode);
}

void ColorEditor::runColorDialog()
{
    m_dialogColor = activeColor();
    if (const auto chosen = m_platform.colorDialog.execute(m_dialogColor)) {
        m_dialogColor = *chosen;
        ScrollbarAnpassung(*chosen);
        commit(*chosen, nullptr);
    }
}

void ColorEditor::RandomColor()
{
    if (activeColor() != m_lastRandomColor
        && !m_platform.messages.askYesNo(
            tr("Soll die aktive Farbe durch eine Zufallsfarbe ersetzt werden?")))
        return;
    m_platform.random.randomize();
    const int blue = m_platform.random.random(256);
    const int green = m_platform.random.random(256);
    const int red = m_platform.random.random(256);
    m_model.setActiveColor(RGB(red, green, blue));
    m_lastRandomColor = activeColor();
}

} // namespace Tintara

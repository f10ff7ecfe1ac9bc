#include "mainwindow/coloreditor.h"

#include "color/html.h"
#include "color/notation.h"
#include "controls/tcolorshape.h"
#include "controls/eventhook.h"
#include "pages/numberentry.h"
#include "platform/platform.h"
#include "rules/editorinput.h"

#include "ui_tform1.h"

#include <QApplication>
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

ColorEditor::ColorEditor(Ui::TForm1& ui, const Platform& platform, QObject* parent)
    : QObject(parent), m_ui(ui), m_platform(platform)
{
    auto* wheelTakesFocus = new WheelTakesFocus(this);
    for (QScrollBar* bar : {m_ui.sbRot, m_ui.sbGruen, m_ui.sbBlau, m_ui.sbH, m_ui.sbS, m_ui.sbV, m_ui.sbHell}) {
        bar->setFocusPolicy(Qt::WheelFocus); // the focus tells which group the user works in
        bar->installEventFilter(wheelTakesFocus);
    }
    for (QScrollBar* bar : {m_ui.sbRot, m_ui.sbGruen, m_ui.sbBlau, m_ui.sbH, m_ui.sbS, m_ui.sbV})
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
    for (QLineEdit* field : {m_ui.edRot, m_ui.edGruen, m_ui.edBlau, m_ui.edH, m_ui.edS, m_ui.edV}) {
        connect(field, &QLineEdit::textChanged, this, &ColorEditor::ScrollbarWechsel);
        field->installEventFilter(channelInput);
    }
    connect(m_ui.sbHell, &QScrollBar::valueChanged, this, &ColorEditor::sbHellChange);
    connect(m_ui.edHTML, &QLineEdit::textChanged, this, &ColorEditor::FarbwertAnzeigeChange);
}

TColor ColorEditor::activeColor() const
{
    return m_ui.Farbanzeige->color();
}

void ColorEditor::setActiveColor(TColor color)
{
    m_ui.Farbanzeige->setColor(color);
    m_brightnessBase = color;
    {
        const QSignalBlocker blocker(m_ui.sbHell);
        m_ui.sbHell->setValue(0);
    }
    ScrollbarAnpassung(color);
    m_changeSource = nullptr;
}

void ColorEditor::showStartColor()
{
    setActiveColor(activeColor());
    m_lastRandomColor = activeColor();
}

// A picked colour comes to the editor as if its sliders had been moved.
void ColorEditor::takePickedColor(TColor color)
{
    m_ui.sbRot->setValue(redOf(color));
    m_ui.sbGruen->setValue(greenOf(color));
    m_ui.sbBlau->setValue(blueOf(color));
    m_brightnessBase = color;
    ScrollbarAnpassung(color);
    m_changeSource = nullptr;
}

void ColorEditor::ScrollbarAnpassung(TColor color)
{
    {
        const QSignalBlocker blockers[] = {
            QSignalBlocker(m_ui.sbRot), QSignalBlocker(m_ui.sbGruen), QSignalBlocker(m_ui.sbBlau),
            QSignalBlocker(m_ui.sbH), QSignalBlocker(m_ui.sbS), QSignalBlocker(m_ui.sbV),
            QSignalBlocker(m_ui.edRot), QSignalBlocker(m_ui.edGruen), QSignalBlocker(m_ui.edBlau),
            QSignalBlocker(m_ui.edH), QSignalBlocker(m_ui.edS), QSignalBlocker(m_ui.edV),
            QSignalBlocker(m_ui.edHTML),
        };
        showRgbBars(color);
        showRgbFields();
        m_ui.edHTML->setText(htmlText(activeColor()));
        showHsv(RGBnachHSV(color));
    }
    // While the user drags the brightness bar its position stays.
    if (!m_ui.sbHell->hasFocus() || color == m_dialogColor) {
        const QSignalBlocker blocker(m_ui.sbHell);
        m_ui.sbHell->setValue(0);
    }
    Q_EMIT activeColorChanged();
}

void ColorEditor::showRgbBars(TColor color)
{
    m_ui.sbRot->setValue(redOf(color));
    m_ui.sbGruen->setValue(greenOf(color));
    m_ui.sbBlau->setValue(blueOf(color));
}

void ColorEditor::showRgbFields()
{
    m_ui.edRot->setText(QString::number(m_ui.sbRot->value()));
    m_ui.edGruen->setText(QString::number(m_ui.sbGruen->value()));
    m_ui.edBlau->setText(QString::number(m_ui.sbBlau->value()));
}

void ColorEditor::showHsv(const Hsv& hsv)
{
    m_ui.sbH->setValue(hsv.h);
    m_ui.sbS->setValue(hsv.s);
    m_ui.sbV->setValue(hsv.v);
    m_ui.edH->setText(QString::number(hsv.h));
    m_ui.edS->setText(QString::number(hsv.s));
    m_ui.edV->setText(QString::number(hsv.v));
}

ColorEditor::SourceKind ColorEditor::sourceKind() const
{
    const QWidget* focus = QApplication::focusWidget();
    const auto in = [focus](std::initializer_list<const QWidget*> group) {
        return std::find(group.begin(), group.end(), focus) != group.end();
    };
    if (in({m_ui.edRot, m_ui.edGruen, m_ui.edBlau}))
        return SourceKind::RgbFields;
    if (in({m_ui.edH, m_ui.edS, m_ui.edV}))
        return SourceKind::HsvFields;
    if (in({m_ui.sbH, m_ui.sbS, m_ui.sbV}))
        return SourceKind::HsvBars;
    if (in({m_ui.sbRot, m_ui.sbGruen, m_ui.sbBlau}))
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
    m_changeSource = QApplication::focusWidget();
    const SourceKind kind = sourceKind();
    const bool hsv = kind == SourceKind::HsvFields || kind == SourceKind::HsvBars;
    const bool rgb = kind == SourceKind::RgbFields || kind == SourceKind::RgbBars;

    if (kind == SourceKind::RgbFields) {
        fieldValue(m_ui.edRot, m_ui.sbRot);
        fieldValue(m_ui.edGruen, m_ui.sbGruen);
        fieldValue(m_ui.edBlau, m_ui.sbBlau);
    } else if (kind == SourceKind::HsvFields) {
        fieldValue(m_ui.edH, m_ui.sbH);
        fieldValue(m_ui.edS, m_ui.sbS);
        fieldValue(m_ui.edV, m_ui.sbV);
    }
    if (hsv) {
        if (kind == SourceKind::HsvBars) {
            m_ui.edH->setText(QString::number(m_ui.sbH->value()));
            m_ui.edS->setText(QString::number(m_ui.sbS->value()));
            m_ui.edV->setText(QString::number(m_ui.sbV->value()));
        }
        const TColor color = HSVnachRGB(m_ui.sbH->value(), m_ui.sbS->value(), m_ui.sbV->value());
        m_ui.Farbanzeige->setColor(color);
        m_brightnessBase = color;
        // The HSV bars keep the user's positions.
        showRgbBars(color);
    } else if (rgb) {
        const TColor color = RGB(m_ui.sbRot->value(), m_ui.sbGruen->value(), m_ui.sbBlau->value());
        m_ui.Farbanzeige->setColor(color);
        m_brightnessBase = color;
        showHsv(RGBnachHSV(color));
    }
    if (hsv || kind == SourceKind::RgbBars)
        showRgbFields();
    m_ui.edHTML->setText(htmlText(activeColor()));
    Q_EMIT activeColorChanged();
    if (!m_ui.sbHell->hasFocus()) {
        const QSignalBlocker blocker(m_ui.sbHell);
        m_ui.sbHell->setValue(0);
    }
    m_inScrollbarWechsel = false;
}

void ColorEditor::FarbwertAnzeigeChange()
{
    if (m_ui.edHTML->hasFocus()) {
        m_changeSource = m_ui.edHTML;
        const QString text = m_ui.edHTML->text();
        if (isCompleteHtmlText(text)) {
            const TColor color = HTMLToColor(text.toStdString(), activeColor());
            m_ui.Farbanzeige->setColor(color);
            ScrollbarAnpassung(color);
        }
        // A complete value is selected, so that the next key starts a new one.
        const QString now = m_ui.edHTML->text();
        if ((now.size() == 7 && now.startsWith(u'#')) || (now.size() == 6 && !now.startsWith(u'#')))
            m_ui.edHTML->selectAll();
    }
    m_brightnessBase = activeColor();
}

void ColorEditor::sbHellChange()
{
    if (!m_ui.sbHell->hasFocus())
        return;
    m_changeSource = m_ui.sbHell;
    const TColor color = ShadeColor(m_brightnessBase, m_ui.sbHell->value());
    m_ui.Farbanzeige->setColor(color);
    ScrollbarAnpassung(color);
}

int ColorEditor::channelLimit(const QLineEdit* field) const
{
    return field == m_ui.edH ? 360 : 255;
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
    m_displayMode = mode;
    const std::array<std::vector<QWidget*>, 3> groups = {{
        {m_ui.sbRot, m_ui.sbGruen, m_ui.sbBlau, m_ui.edRot, m_ui.edGruen, m_ui.edBlau, m_ui.shRot, m_ui.shGruen,
         m_ui.shBlau},
        {m_ui.sbH, m_ui.sbS, m_ui.sbV, m_ui.shH, m_ui.shS, m_ui.shV, m_ui.edH, m_ui.edS, m_ui.edV},
        {m_ui.Zoom, m_ui.Bevel14, m_ui.cbZoom},
    }};
    for (int group = 0; group < 3; ++group) {
        for (QWidget* control : groups[group]) {
            control->setVisible(group == static_cast<int>(mode));
            control->setEnabled(group == static_cast<int>(mode));
        }
    }
    m_ui.sbHell->setEnabled(mode != DisplayMode::Picker);
}

void ColorEditor::runColorDialog()
{
    m_dialogColor = activeColor();
    if (const auto chosen = m_platform.colorDialog.execute(m_dialogColor)) {
        m_dialogColor = *chosen;
        m_ui.Farbanzeige->setColor(*chosen);
        ScrollbarAnpassung(*chosen);
        m_brightnessBase = *chosen;
        m_changeSource = nullptr;
    }
}

void ColorEditor::RandomColor()
{
    if (activeColor() != m_lastRandomColor
        && !m_platform.messages.askYesNo(QStringLiteral("Soll die aktive Farbe durch eine Zufallsfarbe ersetzt werden?")))
        return;
    m_platform.random.randomize();
    const int blue = m_platform.random.random(256);
    const int green = m_platform.random.random(256);
    const int red = m_platform.random.random(256);
    setActiveColor(RGB(red, green, blue));
    m_lastRandomColor = activeColor();
}

} // namespace Tintara

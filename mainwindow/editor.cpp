#include "mainwindow/tform1.h"

#include "color/html.h"
#include "color/notation.h"
#include "controls/tcolorshape.h"
#include "controls/eventhook.h"
#include "pages/numberentry.h"
#include "pages/z_vorschlag.h"
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

void TForm1::connectEditor()
{
    auto* wheelTakesFocus = new WheelTakesFocus(this);
    for (QScrollBar* bar : {ui->sbRot, ui->sbGruen, ui->sbBlau, ui->sbH, ui->sbS, ui->sbV, ui->sbHell}) {
        bar->setFocusPolicy(Qt::WheelFocus); // the focus tells which group the user works in
        bar->installEventFilter(wheelTakesFocus);
    }
    for (QScrollBar* bar : {ui->sbRot, ui->sbGruen, ui->sbBlau, ui->sbH, ui->sbS, ui->sbV})
        connect(bar, &QScrollBar::valueChanged, this, &TForm1::ScrollbarWechsel);
    // The channel fields filter their own keys and fill themselves in when left.
    auto* channelInput = new EventHook(
        [this](QObject* watched, QEvent* event) {
            auto* field = static_cast<QLineEdit*>(watched);
            if (event->type() == QEvent::FocusOut)
                EditFuellen(field);
            return event->type() == QEvent::KeyPress && WertEingabe(field, static_cast<QKeyEvent*>(event));
        },
        this);
    for (QLineEdit* field : {ui->edRot, ui->edGruen, ui->edBlau, ui->edH, ui->edS, ui->edV}) {
        connect(field, &QLineEdit::textChanged, this, &TForm1::ScrollbarWechsel);
        field->installEventFilter(channelInput);
    }
    connect(ui->sbHell, &QScrollBar::valueChanged, this, &TForm1::sbHellChange);
    connect(ui->edHTML, &QLineEdit::textChanged, this, &TForm1::FarbwertAnzeigeChange);
}

Hsv TForm1::currentHsv() const
{
    return m_vorschlag->currentHsv();
}

TColor TForm1::activeColor() const
{
    return ui->Farbanzeige->color();
}

void TForm1::setActiveColor(TColor color)
{
    ui->Farbanzeige->setColor(color);
    m_brightnessBase = color;
    {
        const QSignalBlocker blocker(ui->sbHell);
        ui->sbHell->setValue(0);
    }
    ScrollbarAnpassung(color);
}

// A picked colour comes to the editor as if its sliders had been moved.
void TForm1::takePickedColor(TColor color)
{
    ui->sbRot->setValue(redOf(color));
    ui->sbGruen->setValue(greenOf(color));
    ui->sbBlau->setValue(blueOf(color));
    m_brightnessBase = color;
    ScrollbarAnpassung(color);
}

void TForm1::ScrollbarAnpassung(TColor color)
{
    {
        const QSignalBlocker blockers[] = {
            QSignalBlocker(ui->sbRot), QSignalBlocker(ui->sbGruen), QSignalBlocker(ui->sbBlau),
            QSignalBlocker(ui->sbH), QSignalBlocker(ui->sbS), QSignalBlocker(ui->sbV),
            QSignalBlocker(ui->edRot), QSignalBlocker(ui->edGruen), QSignalBlocker(ui->edBlau),
            QSignalBlocker(ui->edH), QSignalBlocker(ui->edS), QSignalBlocker(ui->edV),
            QSignalBlocker(ui->edHTML),
        };
        showRgbBars(color);
        showRgbFields();
        ui->edHTML->setText(htmlText(activeColor()));
        showHsv(RGBnachHSV(color));
    }
    // While the user drags the brightness bar its position stays.
    if (!ui->sbHell->hasFocus() || color == m_dialogColor) {
        const QSignalBlocker blocker(ui->sbHell);
        ui->sbHell->setValue(0);
    }
    Q_EMIT activeColorChanged();
}

void TForm1::showRgbBars(TColor color)
{
    ui->sbRot->setValue(redOf(color));
    ui->sbGruen->setValue(greenOf(color));
    ui->sbBlau->setValue(blueOf(color));
}

void TForm1::showRgbFields()
{
    ui->edRot->setText(QString::number(ui->sbRot->value()));
    ui->edGruen->setText(QString::number(ui->sbGruen->value()));
    ui->edBlau->setText(QString::number(ui->sbBlau->value()));
}

void TForm1::showHsv(const Hsv& hsv)
{
    ui->sbH->setValue(hsv.h);
    ui->sbS->setValue(hsv.s);
    ui->sbV->setValue(hsv.v);
    ui->edH->setText(QString::number(hsv.h));
    ui->edS->setText(QString::number(hsv.s));
    ui->edV->setText(QString::number(hsv.v));
}

TForm1::SourceKind TForm1::sourceKind() const
{
    const QWidget* focus = QApplication::focusWidget();
    const auto in = [focus](std::initializer_list<const QWidget*> group) {
        return std::find(group.begin(), group.end(), focus) != group.end();
    };
    if (in({ui->edRot, ui->edGruen, ui->edBlau}))
        return SourceKind::RgbFields;
    if (in({ui->edH, ui->edS, ui->edV}))
        return SourceKind::HsvFields;
    if (in({ui->sbH, ui->sbS, ui->sbV}))
        return SourceKind::HsvBars;
    if (in({ui->sbRot, ui->sbGruen, ui->sbBlau}))
        return SourceKind::RgbBars;
    return SourceKind::None;
}

// The number in a channel field moves its bar; a text that is no number is put back.
void TForm1::fieldValue(QLineEdit* field, QScrollBar* bar)
{
    if (field->hasFocus() && field->text().isEmpty())
        field->setText(QStringLiteral("0"));
    if (const auto value = clampedNumber(field->text(), bar->minimum(), bar->maximum()))
        bar->setValue(*value);
    else
        field->setText(QString::number(bar->value()));
}

void TForm1::ScrollbarWechsel()
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
        fieldValue(ui->edRot, ui->sbRot);
        fieldValue(ui->edGruen, ui->sbGruen);
        fieldValue(ui->edBlau, ui->sbBlau);
    } else if (kind == SourceKind::HsvFields) {
        fieldValue(ui->edH, ui->sbH);
        fieldValue(ui->edS, ui->sbS);
        fieldValue(ui->edV, ui->sbV);
    }
    if (hsv) {
        if (kind == SourceKind::HsvBars) {
            ui->edH->setText(QString::number(ui->sbH->value()));
            ui->edS->setText(QString::number(ui->sbS->value()));
            ui->edV->setText(QString::number(ui->sbV->value()));
        }
        const TColor color = HSVnachRGB(ui->sbH->value(), ui->sbS->value(), ui->sbV->value());
        ui->Farbanzeige->setColor(color);
        m_brightnessBase = color;
        // The HSV bars keep the user's positions.
        showRgbBars(color);
    } else if (rgb) {
        const TColor color = RGB(ui->sbRot->value(), ui->sbGruen->value(), ui->sbBlau->value());
        ui->Farbanzeige->setColor(color);
        m_brightnessBase = color;
        showHsv(RGBnachHSV(color));
    }
    if (hsv || kind == SourceKind::RgbBars)
        showRgbFields();
    ui->edHTML->setText(htmlText(activeColor()));
    Q_EMIT activeColorChanged();
    if (!ui->sbHell->hasFocus()) {
        const QSignalBlocker blocker(ui->sbHell);
        ui->sbHell->setValue(0);
    }
    m_inScrollbarWechsel = false;
}

void TForm1::FarbwertAnzeigeChange()
{
    if (ui->edHTML->hasFocus()) {
        const QString text = ui->edHTML->text();
        if (isCompleteHtmlText(text)) {
            const TColor color = HTMLToColor(text.toStdString(), activeColor());
            ui->Farbanzeige->setColor(color);
            ScrollbarAnpassung(color);
        }
        // A complete value is selected, so that the next key starts a new one.
        const QString now = ui->edHTML->text();
        if ((now.size() == 7 && now.startsWith(u'#')) || (now.size() == 6 && !now.startsWith(u'#')))
            ui->edHTML->selectAll();
    }
    m_brightnessBase = activeColor();
}

void TForm1::sbHellChange()
{
    if (!ui->sbHell->hasFocus())
        return;
    const TColor color = ShadeColor(m_brightnessBase, ui->sbHell->value());
    ui->Farbanzeige->setColor(color);
    ScrollbarAnpassung(color);
}

int TForm1::channelLimit(const QLineEdit* field) const
{
    return field == ui->edH ? 360 : 255;
}

bool TForm1::WertEingabe(QLineEdit* field, QKeyEvent* event)
{
    const auto key = typedKey(event);
    if (!key || *key == enterKey)
        return key.has_value();
    const KeyVerdict verdict = WertEingabeRule(field->text(), *key, channelLimit(field));
    if (verdict.selectAll)
        field->selectAll();
    if (verdict.replaceBy)
        field->setText(*verdict.replaceBy);
    return verdict.swallow || verdict.replaceBy.has_value();
}

void TForm1::EditFuellen(QLineEdit* field)
{
    if (const auto text = EditFuellenRule(field->text(), channelLimit(field)))
        field->setText(*text);
}

void TForm1::runColorDialog()
{
    m_dialogColor = activeColor();
    if (const auto chosen = m_platform.colorDialog.execute(m_dialogColor)) {
        m_dialogColor = *chosen;
        ui->Farbanzeige->setColor(*chosen);
        ScrollbarAnpassung(*chosen);
        m_brightnessBase = *chosen;
    }
}

} // namespace Tintara

#include "toolkit/selector.h"

#include "toolkit/accessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

namespace toolkit {

namespace {

constexpr int focusFrameWidth = 2;
constexpr int notch = 120; // one step of an ordinary mouse wheel, in eighths of a degree

} // namespace

Selector::Selector(Qt::Orientation orientation, const StartState &start, QWidget *parent)
    : QScrollBar(orientation, parent), m_min(start.min), m_max(start.max), m_value(start.value)
{
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setTracking(false);
    setSingleStep(1);
    setPageStep(1);
    showValue();
    setEnabled(start.enabled);
    connect(this, &QScrollBar::valueChanged, this, &Selector::takeUserValue);
}

void Selector::setValue(qint16 value)
{
    if (value == m_value)
        return;
    m_value = value;
    showValue();
    emit changed();
}

// The bar's own release ends a press of an arrow, the track or the thumb; it must not take the
// thumb's place as a value.
void Selector::endUserInput()
{
    m_inputEnded = true;
    m_wheelTurn = 0;
    if (repeatAction() != SliderNoAction || isSliderDown()) {
        const QSignalBlocker quiet(this);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), QPointF(), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QScrollBar::mouseReleaseEvent(&release);
        setRepeatAction(SliderNoAction);
    }
    showValue();
}

// Puts the range and the value, clamped into the range, on the bar without treating the bar's own
// notification as a user's change.
void Selector::showValue()
{
    const QSignalBlocker quiet(this);
    setRange(m_min, std::max(m_min, m_max));
    QScrollBar::setValue(std::clamp<int>(m_value, m_min, std::max(m_min, m_max)));
}

// Only the program moves a disabled selector, or one behind a modal window: a value or a step from
// assistive technology, which passes Qt's modality and the bar's disabled state, goes back at once.
void Selector::takeUserValue(int value)
{
    if (value == m_value)
        return;
    if (!isEnabled() || isBlockedByModalWindow(*this)) {
        showValue();
        return;
    }
    m_value = static_cast<qint16>(value);
    emit changed();
}

void Selector::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepSub);
        break;
    default:
        QScrollBar::keyPressEvent(event);
    }
}

// One notch of the wheel is one step, like an arrow click, whatever the desktop's scroll speed:
// several steps at once would skip types without showing them.
void Selector::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    m_wheelTurn += delta.y() != 0 ? delta.y() : delta.x();
    const int steps = m_wheelTurn / notch;
    m_wheelTurn -= steps * notch;
    m_inputEnded = false;
    for (int step = 0; step < std::abs(steps) && !m_inputEnded; ++step)
        triggerAction(steps > 0 ? SliderSingleStepSub : SliderSingleStepAdd);
    event->accept();
}

void Selector::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        event->ignore();
    else if (!stepOnTrackClick(event->position().toPoint()))
        QScrollBar::mousePressEvent(event);
}

void Selector::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        QScrollBar::mouseReleaseEvent(event);
    else
        event->ignore();
}

// The focused bar is framed in the highlight colour, inside its own rectangle: not every style
// shows the focus on a scroll bar, and the arrow keys act on the focused one.
void Selector::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), focusFrameWidth));
    painter.setBrush(Qt::NoBrush);
    const int inset = focusFrameWidth / 2;
    painter.drawRect(rect().adjusted(inset, inset, -inset, -inset));
}

// Some styles make a left click on the track jump the thumb to the pointer; here a track
// click is always one step towards the pointer. Returns whether the click was taken.
bool Selector::stepOnTrackClick(const QPoint &position)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    if (!style()->styleHint(QStyle::SH_ScrollBar_LeftClickAbsolutePosition, &option, this))
        return false;
    switch (style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, position, this)) {
    case QStyle::SC_ScrollBarAddPage:
        triggerAction(SliderPageStepAdd);
        return true;
    case QStyle::SC_ScrollBarSubPage:
        triggerAction(SliderPageStepSub);
        return true;
    default:
        return false;
    }
}

} // namespace toolkit

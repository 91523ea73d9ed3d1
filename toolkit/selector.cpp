#include "toolkit/selector.h"

#include "toolkit/accessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

namespace toolkit {

// The bar the user operates. Arrow keys step the same way on both orientations (Right and Down
// add one, Left and Up take one away), and only the left button steps it: a middle click would
// otherwise jump the thumb to the pointer.
class SelectorBar : public QScrollBar
{
public:
    SelectorBar(Qt::Orientation orientation, QWidget *parent) : QScrollBar(orientation, parent)
    {
        setFocusPolicy(Qt::StrongFocus);
        setContextMenuPolicy(Qt::NoContextMenu);
        setTracking(false);
        setSingleStep(1);
        setPageStep(1);
    }

    // Ends a press of an arrow, the track or the thumb at once, and drops the rest of a wheel turn.
    void endUserInput()
    {
        m_inputEnded = true;
        m_wheelTurn = 0;
        if (repeatAction() == SliderNoAction && !isSliderDown())
            return;
        // The bar's own release ends its press; it must not take the thumb's place as a value.
        const QSignalBlocker quiet(this);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), QPointF(), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QScrollBar::mouseReleaseEvent(&release);
        setRepeatAction(SliderNoAction);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
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

    // One notch of the wheel is one step, like an arrow click, whatever the desktop's scroll
    // speed: several steps at once would skip types without showing them.
    void wheelEvent(QWheelEvent *event) override
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

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            event->ignore();
        else if (!stepOnTrackClick(event->position().toPoint()))
            QScrollBar::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            QScrollBar::mouseReleaseEvent(event);
        else
            event->ignore();
    }

protected:
    // The focused bar is framed in the highlight colour, inside its own rectangle: not every
    // style shows the focus on a scroll bar, and the arrow keys act on the focused one.
    void paintEvent(QPaintEvent *event) override
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

private:
    static constexpr int focusFrameWidth = 2;
    static constexpr int notch = 120; // one step of an ordinary mouse wheel, in eighths of a degree
    int m_wheelTurn = 0;
    bool m_inputEnded = false;

    // Some styles make a left click on the track jump the thumb to the pointer; here a track
    // click is always one step towards the pointer. Returns whether the click was taken.
    bool stepOnTrackClick(const QPoint &position)
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
};

Selector::Selector(Qt::Orientation orientation, const StartState &start, QWidget *parent)
    : QWidget(parent), m_bar(new SelectorBar(orientation, this)), m_min(start.min),
      m_max(start.max), m_value(start.value)
{
    // The selector takes part in the tab order as a whole; the focus itself goes to its bar.
    setFocusPolicy(m_bar->focusPolicy());
    setFocusProxy(m_bar);
    showValue();
    QWidget::setEnabled(start.enabled);
    connect(m_bar, &QScrollBar::valueChanged, this, &Selector::takeUserValue);
}

void Selector::setMin(qint16 min)
{
    m_min = min;
    showValue();
}

void Selector::setMax(qint16 max)
{
    m_max = max;
    showValue();
}

void Selector::setValue(qint16 value)
{
    if (value == m_value)
        return;
    m_value = value;
    showValue();
    emit changed();
}

void Selector::endUserInput()
{
    m_bar->endUserInput();
    showValue();
}

QScrollBar *Selector::scrollBar() const
{
    return m_bar;
}

void Selector::resizeEvent(QResizeEvent *)
{
    m_bar->setGeometry(rect());
}

// Puts the range and the value, clamped into the range, on the bar without treating the bar's own
// notification as a user's change.
void Selector::showValue()
{
    const QSignalBlocker quiet(m_bar);
    m_bar->setRange(m_min, std::max(m_min, m_max));
    m_bar->setValue(std::clamp<int>(m_value, m_min, std::max(m_min, m_max)));
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

} // namespace toolkit

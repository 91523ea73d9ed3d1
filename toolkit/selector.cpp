#include "toolkit/selector.h"

#include "toolkit/eventdispatch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <algorithm>

namespace toolkit {

namespace {

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
        for (; m_wheelTurn >= notch; m_wheelTurn -= notch)
            triggerAction(SliderSingleStepSub);
        for (; m_wheelTurn <= -notch; m_wheelTurn += notch)
            triggerAction(SliderSingleStepAdd);
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

private:
    static constexpr int notch = 120; // one step of an ordinary mouse wheel, in eighths of a degree
    int m_wheelTurn = 0;

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

} // namespace

Selector::Selector(Qt::Orientation orientation, const Settings &settings, QWidget *parent)
    : QWidget(parent), m_bar(new SelectorBar(orientation, this)), m_min(settings.min),
      m_max(settings.max), m_value(settings.value)
{
    // The selector takes part in the tab order as a whole; the focus itself goes to its bar.
    setFocusPolicy(m_bar->focusPolicy());
    setFocusProxy(m_bar);
    showValue();
    QWidget::setEnabled(settings.enabled);
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
    raiseChange();
}

void Selector::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
}

void Selector::setChangeHandler(std::function<void()> handler)
{
    m_changeHandler = std::move(handler);
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

void Selector::takeUserValue(int value)
{
    if (value == m_value)
        return;
    m_value = static_cast<qint16>(value);
    raiseChange();
}

void Selector::raiseChange()
{
    if (m_changeHandler)
        runHandler(m_changeHandler);
}

} // namespace toolkit

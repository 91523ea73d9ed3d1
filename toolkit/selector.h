#pragma once

#include <QScrollBar>

namespace toolkit {

// A scroll bar that selects a whole number. Its `Value` stays where the program put it even when
// it lies outside `Min`..`Max` (the bar then shows the nearest end), and it signals changed()
// synchronously: inside setValue() when the program writes a different value, and after every
// user step (arrow or track click, arrow key, wheel notch) or the release of a dragged thumb.
// Arrow keys step the same way on both orientations (Right and Down add one, Left and Up take one
// away), and only the left button steps it: a middle click would jump the thumb to the pointer. A
// value that reaches the bar from assistive technology while the selector is disabled, or while a
// modal window blocks its window, is put back and signals nothing.
class Selector : public QScrollBar
{
    Q_OBJECT

public:
    // What the window's design gives a selector when it is created.
    struct StartState
    {
        qint16 min = 0;
        qint16 max = 32767;
        qint16 value = 0;
        bool enabled = true;
    };

    Selector(Qt::Orientation orientation, const StartState &start, QWidget *parent);

    qint16 Min() const { return m_min; }
    qint16 Max() const { return m_max; }
    qint16 Value() const { return m_value; }
    bool Enabled() const { return isEnabled(); }

    // Narrowing the range never moves `Value` and signals nothing.
    void setMin(qint16 min)
    {
        m_min = min;
        showValue();
    }
    void setMax(qint16 max)
    {
        m_max = max;
        showValue();
    }
    // Signals changed(), before returning, when `value` differs from `Value`.
    void setValue(qint16 value);

    // Ends whatever the user is doing with the bar at once: an arrow or track held down stops
    // repeating, a dragged thumb goes back to `Value`, the rest of a wheel turn is dropped. Nothing
    // is signalled. Used before a report takes the input away from the window, so that no press is
    // left half done behind it.
    void endUserInput();

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showValue();
    void takeUserValue(int value);
    bool stepOnTrackClick(const QPoint &position);

    qint16 m_min;
    qint16 m_max;
    qint16 m_value;
    int m_wheelTurn = 0;
    bool m_inputEnded = false;
};

} // namespace toolkit

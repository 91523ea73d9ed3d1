#pragma once

#include <QWidget>
#include <functional>

class QScrollBar;

namespace toolkit {

// A scroll bar that selects a whole number. Its `Value` stays where the program put it even when
// it lies outside `Min`..`Max` (the bar on screen then shows the nearest end), and its change
// handler runs synchronously: inside setValue() when the program writes a different value, and
// after every user step (arrow or track click, arrow key) or the release of a dragged thumb.
class Selector : public QWidget
{
    Q_OBJECT

public:
    struct Settings
    {
        qint16 min = 0;
        qint16 max = 32767;
        qint16 value = 0;
        bool enabled = true;
    };

    Selector(Qt::Orientation orientation, const Settings &settings, QWidget *parent);

    qint16 Min() const { return m_min; }
    qint16 Max() const { return m_max; }
    qint16 Value() const { return m_value; }
    bool Enabled() const { return isEnabled(); }

    // Narrowing the range never moves `Value` and raises nothing.
    void setMin(qint16 min);
    void setMax(qint16 max);
    // Raises the change handler, before returning, when `value` differs from `Value`.
    void setValue(qint16 value);
    void setEnabled(bool enabled);

    void setChangeHandler(std::function<void()> handler);

    // The scroll bar the user works with, e.g. to send it input.
    QScrollBar *scrollBar() const { return m_bar; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showValue();
    void takeUserValue(int value);
    void raiseChange();

    QScrollBar *m_bar;
    qint16 m_min;
    qint16 m_max;
    qint16 m_value;
    std::function<void()> m_changeHandler;
};

} // namespace toolkit

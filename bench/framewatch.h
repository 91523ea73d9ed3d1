#pragma once

#include <QObject>
#include <QPointer>

class QEventLoop;
class QWidget;

namespace bench {

// Tells when a window has shown a new frame: a widget on it has been painted and control has gone
// back to the event loop, which happens only once the painted frame has been handed to the window
// system.
class FrameWatch : public QObject
{
    Q_OBJECT

public:
    FrameWatch();
    ~FrameWatch() override;

    // Starts watching for the next frame of `window`; nullptr watches every top-level window.
    void arm(QWidget *window = nullptr);
    // Runs the event loop until the armed frame is out; false if none comes within the time.
    bool wait(int timeoutMs = 10000);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    QEventLoop *m_loop = nullptr;
    bool m_armed = false;
    bool m_painted = false;
    bool m_done = false;
};

} // namespace bench

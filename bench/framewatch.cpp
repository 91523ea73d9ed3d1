#include "framewatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace bench {

FrameWatch::FrameWatch()
{
    QCoreApplication::instance()->installEventFilter(this);
}

FrameWatch::~FrameWatch()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void FrameWatch::arm(QWidget *window)
{
    m_window = window;
    m_armed = true;
    m_painted = false;
    m_done = false;
}

bool FrameWatch::wait(int timeoutMs)
{
    if (!m_done) {
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        timeout.start(timeoutMs);
        m_loop = &loop;
        loop.exec();
        m_loop = nullptr;
    }
    m_armed = false;
    return m_done;
}

// The whole frame is painted in one go, inside the event that paints the first widget; a
// zero-time timer started there fires once that event has finished, frame flushed.
bool FrameWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (m_armed && !m_painted && event->type() == QEvent::Paint && watched->isWidgetType()) {
        const QWidget *window = static_cast<QWidget *>(watched)->window();
        if (!m_window || window == m_window) {
            m_painted = true;
            QTimer::singleShot(0, this, [this] {
                m_done = true;
                if (m_loop)
                    m_loop->quit();
            });
        }
    }
    return false;
}

} // namespace bench

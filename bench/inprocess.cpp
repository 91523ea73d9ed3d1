#include "inprocess.h"

#include "app/form1.h"
#include "baselinewindow.h"
#include "catalogue/filepictureloader.h"
#include "catalogue/objectcatalogue.h"
#include "catalogue/picturepath.h"
#include "framewatch.h"
#include "residentmemory.h"
#include "toolkit/image.h"
#include "toolkit/imagehost.h"
#include "toolkit/selector.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

namespace bench {

namespace {

using Samples = std::vector<double>;

void print(const char *name, const Samples &values)
{
    QTextStream out(stdout);
    out << "= " << name;
    for (double value : values)
        out << ' ' << value;
    out << '\n';
}

double elapsedMs(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// A failure would otherwise open a message box and stall the run.
void failOnErrorReport(app::Form1 *form)
{
    QObject::connect(form, &app::Form1::failed, [](const QString &message) {
        std::fprintf(stderr, "error report: %s\n", qPrintable(message));
        std::exit(2);
    });
}

// A left click as the window system delivers it: press and release on the image's centre, which
// its host receives.
void click(const toolkit::Image *image)
{
    QWidget *widget = image->host();
    const QPointF centre = QRectF(image->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// The editor's window, followed through "Clear Maze" from one window to its successor.
class Editor
{
public:
    Editor() : m_form(app::Form1::open(m_loader, app::Form1::Reports::SignalOnly)) { follow(); }

    app::Form1 *form() const { return m_form; }
    const catalogue::FilePictureLoader &loader() const { return m_loader; }

    // Chooses "Clear Maze" as the menu does; the successor is open when this returns.
    void clearMaze() { m_form->mnuClear->trigger(); }

private:
    void follow()
    {
        failOnErrorReport(m_form);
        QObject::connect(m_form, &app::Form1::replaced, [this](app::Form1 *successor) {
            m_form = successor;
            follow();
        });
    }

    catalogue::FilePictureLoader m_loader;
    app::Form1 *m_form;
};

// Runs the event loop until the deleted windows are gone, outside any timing.
void dropDeletedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int startup(const QString &subject)
{
    QElapsedTimer timer;
    timer.start();
    FrameWatch frame;
    std::unique_ptr<Editor> editor;
    QWidget *window = nullptr;
    if (subject == QLatin1String("editor")) {
        editor = std::make_unique<Editor>();
        window = editor->form();
    } else {
        window = BaselineWindow::open();
    }
    frame.arm(window);
    if (!frame.wait())
        return 1;
    print("startup", {elapsedMs(timer)});
    print("rss", {static_cast<double>(residentKiB())});
    return 0;
}

int clear(const QString &subject, int rounds)
{
    FrameWatch frame;
    Samples samples;
    if (subject == QLatin1String("editor")) {
        Editor editor;
        frame.arm(editor.form());
        frame.wait();
        for (int i = 0; i < rounds; ++i) {
            QElapsedTimer timer;
            timer.start();
            editor.clearMaze();
            frame.arm(editor.form());
            if (!frame.wait())
                return 1;
            samples.push_back(elapsedMs(timer));
            dropDeletedWindows();
        }
    } else {
        QWidget *window = BaselineWindow::open();
        frame.arm(window);
        frame.wait();
        for (int i = 0; i < rounds; ++i) {
            QElapsedTimer timer;
            timer.start();
            window->hide();
            window->deleteLater();
            window = BaselineWindow::open();
            frame.arm(window);
            if (!frame.wait())
                return 1;
            samples.push_back(elapsedMs(timer));
            dropDeletedWindows();
        }
    }
    print("clear", samples);
    return 0;
}

// Clicks on the cells in turn, each time until the cell's new picture is on the screen; beside
// it, the same file read and decoded by Qt alone, and read through the editor's picture loader.
int clicks(int count)
{
    Editor editor;
    FrameWatch frame;
    frame.arm(editor.form());
    frame.wait();
    const QString path = catalogue::picturePath(catalogue::objectFile(1, 1));
    const QString file = editor.loader().filePath(path);

    // The three take turns, so that whatever else the machine does falls on all of them alike.
    Samples clickMs, handlerMs, decodeMs, loadMs;
    for (int i = 0; i < count; ++i) {
        toolkit::Image *cell = editor.form()->Piece.element(i % 100);
        QElapsedTimer timer;
        timer.start();
        click(cell);
        handlerMs.push_back(elapsedMs(timer));
        frame.arm(editor.form());
        if (!frame.wait())
            return 1;
        clickMs.push_back(elapsedMs(timer));

        timer.start();
        const QImage image(file);
        decodeMs.push_back(elapsedMs(timer));
        if (image.isNull())
            return 1;

        timer.start();
        const QPixmap picture = editor.loader().loadPicture(path);
        loadMs.push_back(elapsedMs(timer));
    }
    print("click", clickMs);
    print("click_handler", handlerMs);
    print("decode", decodeMs);
    print("load", loadMs);
    return 0;
}

// Steps the object type selector as a click on its arrow does, up through all 67 types and down
// again, each time until the sample is repainted. A step onto a type with variants loads twice:
// the nested change of the variant selector, then the type's own picture.
int typeChanges(int count)
{
    Editor editor;
    FrameWatch frame;
    frame.arm(editor.form());
    frame.wait();
    QScrollBar *types = editor.form()->ObjScrollH->scrollBar();
    Samples samples;
    bool up = true;
    for (int i = 0; i < count; ++i) {
        const qint16 type = editor.form()->ObjScrollH->Value();
        if (type == 67 || type == 1)
            up = type == 1;
        QElapsedTimer timer;
        timer.start();
        types->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd
                                : QAbstractSlider::SliderSingleStepSub);
        frame.arm(editor.form());
        if (!frame.wait())
            return 1;
        samples.push_back(elapsedMs(timer));
    }
    print("typechange", samples);
    return 0;
}

// Resident memory at start-up, after a warm-up, after 1,000 "Clear Maze" and after 10,000 clicks
// more, spread over cells and both kinds of wall slot with the selectors moving now and then.
int longRun()
{
    Editor editor;
    FrameWatch frame;
    const auto clearOnce = [&] {
        editor.clearMaze();
        frame.arm(editor.form());
        frame.wait();
        dropDeletedWindows();
    };
    const auto clickOnce = [&](int i) {
        app::Form1 *form = editor.form();
        if (i % 50 == 0) {
            for (toolkit::Selector *selector :
                 {form->ObjScrollH, form->WallScrollH, form->WallScrollV})
                selector->scrollBar()->triggerAction(selector->Value() ==
                                                             selector->scrollBar()->maximum()
                                                         ? QAbstractSlider::SliderToMinimum
                                                         : QAbstractSlider::SliderSingleStepAdd);
        }
        toolkit::ControlArray &family = i % 3 == 0   ? form->Piece
                                        : i % 3 == 1 ? form->HWall
                                                     : form->VWall;
        click(family.element(i % family.count()));
        frame.arm(form);
        frame.wait();
    };

    frame.arm(editor.form());
    frame.wait();
    const qint64 atStart = residentKiB();
    for (int i = 0; i < 10; ++i)
        clearOnce();
    for (int i = 0; i < 100; ++i)
        clickOnce(i);
    const qint64 warm = residentKiB();
    for (int i = 0; i < 1000; ++i)
        clearOnce();
    const qint64 afterClears = residentKiB();
    for (int i = 0; i < 10000; ++i)
        clickOnce(i);
    const qint64 afterClicks = residentKiB();
    print("rss_start", {static_cast<double>(atStart)});
    print("rss_warm", {static_cast<double>(warm)});
    print("rss_clears", {static_cast<double>(afterClears)});
    print("rss_clicks", {static_cast<double>(afterClicks)});
    return 0;
}

} // namespace

int runChildTask(const QStringList &arguments)
{
    const QString task = arguments.value(0);
    const QString subject = arguments.value(1);
    if (task == QLatin1String("startup"))
        return startup(subject);
    if (task == QLatin1String("clear"))
        return clear(subject, arguments.value(2).toInt());
    if (task == QLatin1String("click"))
        return clicks(subject.toInt());
    if (task == QLatin1String("typechange"))
        return typeChanges(subject.toInt());
    if (task == QLatin1String("longrun"))
        return longRun();
    return 64;
}

} // namespace bench

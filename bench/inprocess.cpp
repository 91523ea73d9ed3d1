#include "inprocess.h"

#include "app/form1.h"
#include "bareboard.h"
#include "baselinewindow.h"
#include "catalogue/catalogue.h"
#include "catalogue/pictureloader.h"
#include "framewatch.h"
#include "residentmemory.h"
#include "support/windowlayout.h"
#include "toolkit/image.h"
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

// A left click as the window system delivers it: press and release at `position`, which the widget
// there receives.
void click(QWidget *widget, QPointF position)
{
    const QPointF global = widget->mapToGlobal(position);
    QMouseEvent press(QEvent::MouseButtonPress, position, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, position, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// A click on the image's centre, which its host receives.
void click(const toolkit::Image *image)
{
    click(image->host(), QRectF(image->rect()).center());
}

// The editor's window, opened as the editor's main() opens it, and followed through "Clear Maze"
// from one window to its successor. One per process: it sets up the application.
class Editor
{
public:
    Editor() : m_form(open(m_loader)) { follow(); }

    app::Form1 *form() const { return m_form; }
    const catalogue::FilePictureLoader &loader() const { return m_loader; }

    // Chooses "Clear Maze" as the menu does; the successor is open when this returns.
    void clearMaze() { m_form->mnuClear->trigger(); }

private:
    // The application's style, icon and accessibility are part of what the editor costs.
    static app::Form1 *open(const catalogue::PictureLoader &loader)
    {
        app::setUpApplication();
        return app::Form1::open(loader, app::Form1::Reports::SignalOnly);
    }

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

// Clicks on the cells in turn, in the editor and on the bare board of a baseline window beside it,
// each time until the new picture has gone to the X server; between the clicks, the same file read
// and decoded by Qt alone, and read through the editor's picture loader. The baseline window shares
// the editor's application setup (style, icon), which a click on it does not touch.
int clicks(int count)
{
    Editor editor;
    FrameWatch frame;
    frame.arm(editor.form());
    frame.wait();
    // Without a window manager both windows would open at the screen's top-left corner; side by
    // side, each is wholly on the screen.
    BaselineWindow bare;
    bare.move(editor.form()->frameGeometry().right() + 1, 0);
    bare.show();
    frame.arm(&bare);
    frame.wait();
    const QString path = catalogue::picturePath(catalogue::objectFile(1, 1));
    const QString file = editor.loader().filePath(path);
    if (bare.board()->pictureFile() != file) {
        std::fprintf(stderr, "the baseline reads %s, not %s\n",
                     qPrintable(bare.board()->pictureFile()), qPrintable(file));
        return 1;
    }

    Samples clickMs, handlerMs, bareMs, decodeMs, loadMs;
    const auto editorClick = [&](int cell) {
        QElapsedTimer timer;
        timer.start();
        click(editor.form()->Piece.element(cell));
        handlerMs.push_back(elapsedMs(timer));
        frame.arm(editor.form());
        const bool shown = frame.wait();
        clickMs.push_back(elapsedMs(timer));
        return shown;
    };
    const auto bareClick = [&](int cell) {
        const QRectF square(cell % 10 * layout::pitch, cell / 10 * layout::pitch, layout::cellSide,
                            layout::cellSide);
        QElapsedTimer timer;
        timer.start();
        click(bare.board(), square.center());
        frame.arm(&bare);
        const bool shown = frame.wait();
        bareMs.push_back(elapsedMs(timer));
        return shown;
    };
    // All of them take turns, editor and bare board each going first every other time, so that
    // whatever else the machine does falls on all of them alike.
    for (int i = 0; i < count; ++i) {
        const int cell = i % 100;
        const bool shown = i % 2 == 0 ? editorClick(cell) && bareClick(cell)
                                      : bareClick(cell) && editorClick(cell);
        if (!shown)
            return 1;

        QElapsedTimer timer;
        timer.start();
        const QImage image(file);
        decodeMs.push_back(elapsedMs(timer));
        if (image.isNull())
            return 1;

        timer.start();
        const QPixmap picture = editor.loader().loadPicture(path);
        loadMs.push_back(elapsedMs(timer));
    }
    if (bare.board()->picture().isNull())
        return 1;
    print("click", clickMs);
    print("click_handler", handlerMs);
    print("bare_click", bareMs);
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
    QScrollBar *types = editor.form()->ObjScrollH;
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
                selector->triggerAction(selector->Value() == selector->maximum()
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

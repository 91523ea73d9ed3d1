// The window as it opens, before any user action: caption, client area and background, the menu
// command, the eleven controls of the design where the design puts them, the selectors' start
// states, the keyboard focus and tab order, the samples' pictures, and that opening it runs no
// handler and reads no picture.

#include "app/form1.h"
#include "support/recordingloader.h"
#include "support/windowimages.h"
#include "support/windowlayout.h"
#include "toolkit/image.h"
#include "toolkit/selector.h"

#include <QApplication>
#include <QMenuBar>
#include <QScrollBar>
#include <QtTest>
#include <memory>

namespace {

QString selectorName(const QWidget *focus)
{
    return focus ? focus->objectName() : "(none)";
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void captionAndClientArea();
    void backgroundIsCyan();
    void menuBarHoldsOnlyClearMaze();
    void controlsAtTheirDesignRectangles_data();
    void controlsAtTheirDesignRectangles();
    void selectorStartStates_data();
    void selectorStartStates();
    void focusStartsOnWallScrollV();
    void tabOrderFollowsTheSelectors();
    void clearMazePutsTheFocusBack();
    void samplesShowTheirPicturesDoubled_data();
    void samplesShowTheirPicturesDoubled();
    void imagesNeverTakeTheFocus();
    void openingRunsNoHandler();

private:
    void showActive();

    support::RecordingLoader m_loader;
    std::unique_ptr<app::Form1> m_form;
    QStringList m_reports;
};

void TestWindow::init()
{
    m_form = std::make_unique<app::Form1>(m_loader, app::Form1::Reports::SignalOnly);
    connect(m_form.get(), &app::Form1::failed, this,
            [this](const QString &message) { m_reports << message; });
}

void TestWindow::cleanup()
{
    m_form.reset();
    QVERIFY2(m_reports.isEmpty(), qPrintable(m_reports.join('\n')));
    m_reports.clear();
    m_loader.reads.clear();
}

void TestWindow::showActive()
{
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void TestWindow::captionAndClientArea()
{
    showActive();
    QCOMPARE(m_form->windowTitle(), QString("Tolvane v1.1"));
    const QWidget *client = m_form->centralWidget();
    QCOMPARE(client->size(), layout::clientArea);
    QVERIFY(client->geometry().top() > m_form->menuBar()->geometry().bottom());
}

// Every pixel of the client area outside the board square and the palette controls shows the
// background colour.
void TestWindow::backgroundIsCyan()
{
    showActive();
    const QImage screen = m_form->centralWidget()->grab().toImage();
    QCOMPARE(screen.size(), layout::clientArea);
    int checked = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            const QPoint at(x, y);
            if (layout::covered(at))
                continue;
            QVERIFY2(screen.pixel(at) == layout::cyan,
                     qPrintable(QStringLiteral("(%1, %2) is %3")
                                    .arg(x)
                                    .arg(y)
                                    .arg(QColor(screen.pixel(at)).name())));
            ++checked;
        }
    }
    QVERIFY(checked > 60000);
}

void TestWindow::menuBarHoldsOnlyClearMaze()
{
    const QList<QAction *> actions = m_form->menuBar()->actions();
    QCOMPARE(actions.size(), 1);
    const QAction *command = actions.first();
    QCOMPARE(command, m_form->mnuClear);
    QCOMPARE(command->objectName(), QString("mnuClear"));
    QCOMPARE(command->text(), QString("Clear Maze"));
    QVERIFY(!command->text().contains('&'));
    QCOMPARE(command->menu(), nullptr);
    QVERIFY(command->shortcut().isEmpty());
    QVERIFY(command->shortcuts().isEmpty());
    QVERIFY(!command->isCheckable());
    QVERIFY(command->isEnabled());
    QVERIFY(command->isVisible());
}

void TestWindow::controlsAtTheirDesignRectangles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    for (const layout::Control &control : layout::controls)
        QTest::newRow(control.name) << QString::fromLatin1(control.name) << control.rect;
}

void TestWindow::controlsAtTheirDesignRectangles()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);

    showActive();
    QWidget *client = m_form->centralWidget();
    const QList<QObject *> named = client->findChildren<QObject *>(name);
    QCOMPARE(named.size(), 1);
    if (const auto *image = qobject_cast<const toolkit::Image *>(named.first())) {
        QCOMPARE(image->host(), client);
        QCOMPARE(image->rect(), rect);
        QVERIFY(image->Visible());
        return;
    }
    const auto *control = qobject_cast<const QWidget *>(named.first());
    QVERIFY(control);
    QCOMPARE(QRect(control->mapTo(client, QPoint(0, 0)), control->size()), rect);
    QVERIFY(control->isVisible());
}

void TestWindow::selectorStartStates_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::newRow("ObjScrollH") << "ObjScrollH" << 1 << 67 << 1 << true << Qt::Horizontal;
    QTest::newRow("ObjScrollV") << "ObjScrollV" << 0 << 32767 << 0 << false << Qt::Vertical;
    QTest::newRow("WallScrollH") << "WallScrollH" << 1 << 5 << 1 << true << Qt::Horizontal;
    QTest::newRow("WallScrollV") << "WallScrollV" << 1 << 5 << 1 << true << Qt::Vertical;
}

void TestWindow::selectorStartStates()
{
    QFETCH(QString, name);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(bool, enabled);
    QFETCH(Qt::Orientation, orientation);

    showActive();
    const auto *selector = m_form->centralWidget()->findChild<toolkit::Selector *>(name);
    QVERIFY(selector);
    QCOMPARE(int(selector->Min()), min);
    QCOMPARE(int(selector->Max()), max);
    QCOMPARE(int(selector->Value()), value);
    QCOMPARE(selector->Enabled(), enabled);
    // What the user sees and works with.
    const QScrollBar *bar = selector;
    QCOMPARE(bar->orientation(), orientation);
    QCOMPARE(bar->minimum(), min);
    QCOMPARE(bar->maximum(), max);
    QCOMPARE(bar->value(), value);
    QCOMPARE(bar->isEnabled(), enabled);
}

// The arrow keys step the vertical wall type as soon as the window is open.
void TestWindow::focusStartsOnWallScrollV()
{
    showActive();
    QCOMPARE(QApplication::focusWidget(), m_form->WallScrollV);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(m_form->WallScrollV->Value(), qint16(2));
    QCOMPARE(m_loader.reads.size(), 1);
}

void TestWindow::tabOrderFollowsTheSelectors()
{
    showActive();
    const auto walkTabs = [](int steps) {
        QStringList visited{selectorName(QApplication::focusWidget())};
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << selectorName(QApplication::focusWidget());
        }
        return visited;
    };

    QCOMPARE(walkTabs(3), (QStringList{"WallScrollV", "WallScrollH", "ObjScrollH", "WallScrollV"}));

    m_form->ObjScrollV->setEnabled(true);
    QCOMPARE(walkTabs(4), (QStringList{"WallScrollV", "WallScrollH", "ObjScrollH", "ObjScrollV",
                                       "WallScrollV"}));
}

// The new window that "Clear Maze" opens has the focus where a first window has it.
void TestWindow::clearMazePutsTheFocusBack()
{
    showActive();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(selectorName(QApplication::focusWidget()), QString("WallScrollH"));

    app::Form1 *successor = nullptr;
    connect(m_form.get(), &app::Form1::replaced, this,
            [&successor](app::Form1 *next) { successor = next; });
    m_form->mnuClear->trigger();
    QVERIFY(successor);
    std::unique_ptr<app::Form1> owned(successor);
    m_form.release(); // deleted by the window itself once the command has finished
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    successor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(successor));
    QCOMPARE(QApplication::focusWidget(), successor->WallScrollV);
}

void TestWindow::samplesShowTheirPicturesDoubled_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("picture");
    QTest::newRow("ObjSample") << "ObjSample" << layout::objSample.size()
                               << ":/assets/objsample.bmp";
    QTest::newRow("WallSampleH") << "WallSampleH" << layout::wallSampleH.size()
                                 << ":/assets/hwall.bmp";
    QTest::newRow("WallSampleV") << "WallSampleV" << layout::wallSampleV.size()
                                 << ":/assets/vwall.bmp";
}

void TestWindow::samplesShowTheirPicturesDoubled()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QString, picture);

    showActive();
    auto *sample = m_form->centralWidget()->findChild<toolkit::Image *>(name);
    QVERIFY(sample);
    QCOMPARE(sample->size(), size);
    const QImage design(picture);
    QCOMPARE(design.size() * 2, size);
    const QImage shown = support::shownImage(sample);
    QCOMPARE(shown.size(), size);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            QVERIFY2(shown.pixel(x, y) == design.pixel(x / 2, y / 2),
                     qPrintable(QStringLiteral("(%1, %2) is %3, the picture has %4")
                                    .arg(x)
                                    .arg(y)
                                    .arg(QColor(shown.pixel(x, y)).name(),
                                         QColor(design.pixel(x / 2, y / 2)).name())));
        }
    }
}

// Clicks on images that handle no click, on the background and on the disabled variant selector
// leave the focus where it was and do nothing.
void TestWindow::imagesNeverTakeTheFocus()
{
    showActive();
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    for (const toolkit::Image *image : {m_form->ObjSample, m_form->WallSampleH, m_form->WallSampleV,
                                        m_form->Corner.element(0), m_form->Corner.element(80)})
        support::clickImage(image);
    QTest::mouseClick(m_form->ObjScrollV, Qt::LeftButton);
    QTest::mouseClick(m_form->centralWidget(), Qt::LeftButton, {}, QPoint(440, 200));

    QCOMPARE(QApplication::focusWidget(), focus);
    QVERIFY(m_loader.reads.isEmpty());
    QCOMPARE(m_form->ObjScrollV->Value(), qint16(0));
}

void TestWindow::openingRunsNoHandler()
{
    QVERIFY(m_loader.reads.isEmpty());
    showActive();
    QVERIFY(m_loader.reads.isEmpty());

    std::unique_ptr<app::Form1> opened(app::Form1::open(m_loader));
    QVERIFY(QTest::qWaitForWindowExposed(opened.get()));
    QVERIFY(opened->isVisible());
    QVERIFY(m_loader.reads.isEmpty());
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"

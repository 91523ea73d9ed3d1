// The editor as a user meets it: the real executable on an X server of its own, without a window
// manager, driven only by real pointer and key events and judged only from what the screen shows.
// Every tile picture is a stand-in of one solid colour, so the screen tells which file each image
// shows.

#include "screen.h"
#include "support/desktopprogram.h"
#include "support/standinfolder.h"
#include "support/xvfbserver.h"
#include "windowlook.h"
#include "xdotool.h"

#include <QDir>
#include <QGuiApplication>
#include <QtTest>
#include <functional>
#include <memory>

using namespace e2e;
using namespace support;

namespace {

const QString objectAtStart = QStringLiteral("1UpMushroom.bmp");
const QString hWallAtStart = QStringLiteral("BlankWallH.bmp");
const QString vWallAtStart = QStringLiteral("BlankWallV.bmp");
// Other files that the selectors select, and `design` for an image's design-time picture.
const QString design;
const QString angleL = QStringLiteral("AngleL.bmp");
const QString angleR = QStringLiteral("AngleR.bmp");
const QString wallH = QStringLiteral("WallH.bmp");
const QString gateH = QStringLiteral("ElectricGateH.bmp");
const QString wallV = QStringLiteral("WallV.bmp");
const QString breakWallV = QStringLiteral("BreakWallV.bmp");

// The cell and the slots that the selection tests place pictures on, to see what the selectors
// select.
constexpr int probeIndex = 44;

// What the samples and the probe cell and slots show after the selectors have moved; an empty
// sample means its design-time picture.
struct Selection
{
    QString objectSample;
    QString wallSampleH;
    QString wallSampleV;
    QString cell;
    QString hWall;
    QString vWall;
};

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '));
}

} // namespace

Q_DECLARE_METATYPE(Selection)

// Fails the test with the description when a check returns one.
#define CHECK(check)                                                                               \
    do {                                                                                           \
        const QString fault_ = (check);                                                            \
        QVERIFY2(fault_.isEmpty(), qPrintable(fault_));                                            \
    } while (false)

class EditorWindowTest : public QObject
{
    Q_OBJECT

public:
    EditorWindowTest(const QString &skipReason, const QString &serverFault, const QString &display)
        : m_skipReason(skipReason), m_serverFault(serverFault), m_display(display), m_input(display)
    {}

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void clientArea();
    void designAtStart_data();
    void designAtStart();
    void clickPlacesPicture_data();
    void clickPlacesPicture();
    void clickChangesNothing_data();
    void clickChangesNothing();
    void scrollArrowsSelect_data();
    void scrollArrowsSelect();
    void keysStepFocusedSelector_data();
    void keysStepFocusedSelector();
    void clearMazeRestoresDesign();
    void missingPictureIsReported_data();
    void missingPictureIsReported();
    void failureEndsThePress_data();
    void failureEndsThePress();
    void noHiddenKeyboardMode();
    void focusedSelectorLooksDifferent();
    void clickOnTheEdgeOfACell_data();
    void clickOnTheEdgeOfACell();

private:
    QString startEditor();
    QString editorWithStartSelectors();
    QString findWindow(quint64 other = 0);
    QImage clientShot() const { return grabScreen(m_client); }
    QString waitForClient(const std::function<QString(const QImage &)> &check) const;
    QString clickClient(QPoint point);
    QString activateByClick(quint64 window, QPoint point);
    QString pressKeys(const QString &keys);
    QString placeProbes();
    QString checkSelection(const Selection &expected);
    // The editor's windows on the screen other than its main window: its reports.
    QList<quint64> reportBoxes() const;
    // On the menu bar, above the client area: "Clear Maze" is its first and only item.
    QPoint clearMazeItem() const
    {
        return {24, (m_frame.height() - layout::clientArea.height()) / 2};
    }

    QString m_skipReason;
    QString m_serverFault;
    QString m_display;
    Xdotool m_input;
    StandInFolder m_pictures;
    std::unique_ptr<DesktopProgram> m_editor;
    quint64 m_window = 0;
    QRect m_frame;  // the window on the screen, menu bar included
    QRect m_client; // its client area on the screen
    bool m_selectorsAtStart = false;
};

void EditorWindowTest::initTestCase()
{
    if (!m_skipReason.isEmpty())
        QSKIP(qPrintable(m_skipReason));
    QVERIFY2(m_serverFault.isEmpty(), qPrintable(m_serverFault));
    QVERIFY(m_pictures.isValid());
    m_editor = std::make_unique<DesktopProgram>(QStringLiteral(TOLVANE_EXECUTABLE), m_display,
                                                m_pictures.home());
}

void EditorWindowTest::cleanup()
{
    if (QTest::currentTestFailed() && m_editor)
        qInfo().noquote() << "The editor's output:" << m_editor->output();
}

void EditorWindowTest::cleanupTestCase()
{
    if (m_editor)
        m_editor->stop();
}

// Starts a new editor process and waits until its window is on the screen and painted.
QString EditorWindowTest::startEditor()
{
    m_editor->stop();
    m_selectorsAtStart = false;
    if (QString fault = m_editor->start(); !fault.isEmpty())
        return fault;
    if (QString fault = findWindow(); !fault.isEmpty())
        return fault;
    if (QString fault = waitForClient(freeAreaMismatch); !fault.isEmpty())
        return QStringLiteral("the window is not painted: ") + fault;
    m_selectorsAtStart = true;
    return {};
}

QString EditorWindowTest::editorWithStartSelectors()
{
    if (m_selectorsAtStart && m_editor->running())
        return {};
    return startEditor();
}

// Waits for the editor's main window, other than `other`, to be mapped, and takes its place on
// the screen. Without a window manager the window has no frame, so its menu bar is at its top and
// its client area fills the rest.
QString EditorWindowTest::findWindow(quint64 other)
{
    const QString title = QStringLiteral("^Tolvane v1\\.1$");
    const bool found = waitUntil([&] {
        const QList<quint64> own = m_input.visibleWindows(m_editor->pid());
        for (quint64 window : m_input.visibleWindows(title))
            if (window != other && own.contains(window)) {
                m_window = window;
                return true;
            }
        return false;
    });
    if (!found)
        return QStringLiteral("no window titled \"Tolvane v1.1\" appears");
    m_frame = m_input.geometry(m_window);
    if (!m_frame.isValid())
        return QStringLiteral("the window has no geometry");
    m_client = QRect(m_frame.left(), m_frame.bottom() + 1 - layout::clientArea.height(),
                     layout::clientArea.width(), layout::clientArea.height());
    return {};
}

// Polls the client area until `check` finds nothing wrong; returns the last fault on timeout.
QString EditorWindowTest::waitForClient(const std::function<QString(const QImage &)> &check) const
{
    QString fault;
    waitUntil([&] {
        fault = check(clientShot());
        return fault.isEmpty();
    });
    return fault;
}

QString EditorWindowTest::clickClient(QPoint point)
{
    if (!m_input.click(m_client.topLeft() + point))
        return QStringLiteral("xdotool cannot click");
    return {};
}

// Without a window manager a window takes the keyboard focus when it is clicked. Keys are sent
// once the server has given it the focus: the editor then learns of the focus before the keys.
QString EditorWindowTest::activateByClick(quint64 window, QPoint point)
{
    if (!m_input.click(point))
        return QStringLiteral("xdotool cannot click");
    if (!waitUntil([&] { return m_input.focusedWindow() == window; }))
        return QStringLiteral("the window does not take the keyboard focus");
    return {};
}

QString EditorWindowTest::pressKeys(const QString &keys)
{
    m_selectorsAtStart = false;
    if (!m_input.key(keys))
        return QStringLiteral("xdotool cannot press ") + keys;
    return {};
}

// Clicks the probe cell and slots, each of which then shows what its selector selects. The
// events are handled in order, so once the last probe shows a picture, everything before it has
// been handled and painted.
QString EditorWindowTest::placeProbes()
{
    for (Family family : {Family::Cell, Family::HorizontalSlot, Family::VerticalSlot})
        if (QString fault = clickClient(elementRect(family, probeIndex).center()); !fault.isEmpty())
            return fault;
    const QRect last = elementRect(Family::VerticalSlot, probeIndex);
    return waitForClient([&last](const QImage &shot) {
        return solidMismatch(shot, last, white, {}).isEmpty()
                   ? QStringLiteral("the vertical probe slot stays blank")
                   : QString();
    });
}

QString EditorWindowTest::checkSelection(const Selection &expected)
{
    if (QString fault = placeProbes(); !fault.isEmpty())
        return fault;
    const QImage shot = clientShot();
    const QString faults[] = {
        sampleMismatch(shot, objSample, expected.objectSample, QStringLiteral("object sample")),
        sampleMismatch(shot, wallSampleH, expected.wallSampleH,
                       QStringLiteral("horizontal wall sample")),
        sampleMismatch(shot, wallSampleV, expected.wallSampleV,
                       QStringLiteral("vertical wall sample")),
        sampleMismatch(shot, elementRect(Family::Cell, probeIndex), expected.cell,
                       QStringLiteral("cell")),
        sampleMismatch(shot, elementRect(Family::HorizontalSlot, probeIndex), expected.hWall,
                       QStringLiteral("horizontal slot")),
        sampleMismatch(shot, elementRect(Family::VerticalSlot, probeIndex), expected.vWall,
                       QStringLiteral("vertical slot")),
    };
    for (const QString &fault : faults)
        if (!fault.isEmpty())
            return fault;
    return {};
}

void EditorWindowTest::clientArea()
{
    CHECK(startEditor());
    QCOMPARE(m_frame.width(), layout::clientArea.width());
    QVERIFY2(m_frame.height() > layout::clientArea.height(), "no menu bar above the client area");

    // Every pixel of the client area that no control covers is cyan, and the cyan stops at the
    // client area: the menu bar above it and the screen right of and below it show none.
    CHECK(freeAreaMismatch(clientShot()));
    const QImage around = grabScreen(m_frame.adjusted(0, 0, 1, 1));
    const int menuBarHeight = m_frame.height() - layout::clientArea.height();
    const QRect menuBar(0, 0, layout::clientArea.width(), menuBarHeight);
    const QRect rightOfWindow(layout::clientArea.width(), 0, 1, m_frame.height());
    const QRect belowWindow(0, m_frame.height(), layout::clientArea.width() + 1, 1);
    for (const QRect &outside : {menuBar, rightOfWindow, belowWindow})
        for (int y = outside.top(); y <= outside.bottom(); ++y)
            for (int x = outside.left(); x <= outside.right(); ++x)
                QVERIFY2(around.pixel(x, y) != cyan,
                         qPrintable(QStringLiteral("cyan at (%1, %2) of the window, outside its "
                                                   "client area")
                                        .arg(x)
                                        .arg(y)));
}

void EditorWindowTest::designAtStart_data()
{
    QTest::addColumn<std::function<QString(const QImage &)>>("check");
    QTest::newRow("white cells") << std::function(
        [](const QImage &shot) { return familyMismatch(shot, Family::Cell); });
    QTest::newRow("white horizontal wall slots") << std::function(
        [](const QImage &shot) { return familyMismatch(shot, Family::HorizontalSlot); });
    QTest::newRow("white vertical wall slots") << std::function(
        [](const QImage &shot) { return familyMismatch(shot, Family::VerticalSlot); });
    QTest::newRow("corner posts") << std::function(
        [](const QImage &shot) { return familyMismatch(shot, Family::CornerPost); });
    QTest::newRow("figure in the object sample") << std::function(figureMismatch);
    QTest::newRow("white wall samples") << std::function([](const QImage &shot) {
        const QString fault =
            solidMismatch(shot, wallSampleH, white, QStringLiteral("WallSampleH"));
        return fault.isEmpty()
                   ? solidMismatch(shot, wallSampleV, white, QStringLiteral("WallSampleV"))
                   : fault;
    });
}

void EditorWindowTest::designAtStart()
{
    QFETCH(std::function<QString(const QImage &)>, check);
    CHECK(editorWithStartSelectors());
    CHECK(check(clientShot()));
}

void EditorWindowTest::clickPlacesPicture_data()
{
    QTest::addColumn<Family>("family");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("file");
    QTest::newRow("cell 0") << Family::Cell << 0 << objectAtStart;
    QTest::newRow("cell 37") << Family::Cell << 37 << objectAtStart;
    QTest::newRow("cell 99") << Family::Cell << 99 << objectAtStart;
    QTest::newRow("horizontal slot 0") << Family::HorizontalSlot << 0 << hWallAtStart;
    QTest::newRow("horizontal slot 37") << Family::HorizontalSlot << 37 << hWallAtStart;
    QTest::newRow("horizontal slot 89") << Family::HorizontalSlot << 89 << hWallAtStart;
    QTest::newRow("vertical slot 0") << Family::VerticalSlot << 0 << vWallAtStart;
    QTest::newRow("vertical slot 9") << Family::VerticalSlot << 9 << vWallAtStart;
    QTest::newRow("vertical slot 37") << Family::VerticalSlot << 37 << vWallAtStart;
    QTest::newRow("vertical slot 89") << Family::VerticalSlot << 89 << vWallAtStart;
}

// A click puts the selected picture into exactly the element clicked.
void EditorWindowTest::clickPlacesPicture()
{
    QFETCH(Family, family);
    QFETCH(int, index);
    QFETCH(QString, file);
    CHECK(editorWithStartSelectors());
    const QRect target = elementRect(family, index);
    const QImage before = clientShot();
    CHECK(clickClient(target.center()));
    CHECK(waitForClient([&](const QImage &shot) {
        return solidMismatch(shot, target, standInColour(file), file);
    }));
    CHECK(changesOutside(before, clientShot(), {target}));
}

void EditorWindowTest::clickChangesNothing_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("probeCell");
    const QRect corner0 = elementRect(Family::CornerPost, 0);
    QTest::newRow("corner post 0") << corner0.center() << 90;
    QTest::newRow("white edge of corner post 0") << corner0.topLeft() << 91;
    QTest::newRow("corner post 40") << elementRect(Family::CornerPost, 40).center() << 92;
    QTest::newRow("corner post 80") << elementRect(Family::CornerPost, 80).center() << 93;
    QTest::newRow("object sample") << objSample.center() << 94;
    QTest::newRow("horizontal wall sample") << wallSampleH.center() << 95;
    QTest::newRow("vertical wall sample") << wallSampleV.center() << 96;
    QTest::newRow("background") << background << 97;
}

// After a click on something that takes none, a click on a cell is the only change on the board.
void EditorWindowTest::clickChangesNothing()
{
    QFETCH(QPoint, point);
    QFETCH(int, probeCell);
    CHECK(editorWithStartSelectors());
    const QRect probe = elementRect(Family::Cell, probeCell);
    const QImage before = clientShot();
    CHECK(solidMismatch(before, probe, white, QStringLiteral("probe cell")));
    CHECK(clickClient(point));
    CHECK(clickClient(probe.center()));
    CHECK(waitForClient([&](const QImage &shot) {
        return solidMismatch(shot, probe, standInColour(objectAtStart), QStringLiteral("probe"));
    }));
    CHECK(changesOutside(before, clientShot(), {probe}));
}

void EditorWindowTest::scrollArrowsSelect_data()
{
    QTest::addColumn<QStringList>("arrows");
    QTest::addColumn<Selection>("expected");
    // clang-format off
    QTest::newRow("object type up") << words("ObjScrollH+")
        << Selection{angleL, design, design, angleL, hWallAtStart, vWallAtStart};
    QTest::newRow("object type down at its minimum") << words("ObjScrollH-")
        << Selection{design, design, design, objectAtStart, hWallAtStart, vWallAtStart};
    QTest::newRow("variant of a type with variants") << words("ObjScrollH+ ObjScrollV+")
        << Selection{angleR, design, design, angleR, hWallAtStart, vWallAtStart};
    QTest::newRow("variant stops at the last") << words("ObjScrollH+ ObjScrollV+ ObjScrollV+")
        << Selection{angleR, design, design, angleR, hWallAtStart, vWallAtStart};
    QTest::newRow("variant selector disabled at start") << words("ObjScrollV+")
        << Selection{design, design, design, objectAtStart, hWallAtStart, vWallAtStart};
    QTest::newRow("back to a type without variants") << words("ObjScrollH+ ObjScrollV+ ObjScrollH-")
        << Selection{objectAtStart, design, design, objectAtStart, hWallAtStart, vWallAtStart};
    QTest::newRow("horizontal wall up") << words("WallScrollH+")
        << Selection{design, wallH, design, objectAtStart, wallH, vWallAtStart};
    QTest::newRow("horizontal wall stops at its maximum")
        << words("WallScrollH+ WallScrollH+ WallScrollH+ WallScrollH+ WallScrollH+")
        << Selection{design, gateH, design, objectAtStart, gateH, vWallAtStart};
    QTest::newRow("horizontal wall up and down again") << words("WallScrollH+ WallScrollH-")
        << Selection{design, hWallAtStart, design, objectAtStart, hWallAtStart, vWallAtStart};
    QTest::newRow("vertical wall up") << words("WallScrollV+")
        << Selection{design, design, wallV, objectAtStart, hWallAtStart, wallV};
    QTest::newRow("vertical wall down at its minimum") << words("WallScrollV-")
        << Selection{design, design, design, objectAtStart, hWallAtStart, vWallAtStart};
    // clang-format on
}

// Each click on an arrow steps its selector by one within its range; the samples follow the
// selectors, and so do the pictures that clicks then place.
void EditorWindowTest::scrollArrowsSelect()
{
    QFETCH(QStringList, arrows);
    QFETCH(Selection, expected);
    CHECK(startEditor());
    m_selectorsAtStart = false;
    for (const QString &arrow : arrows)
        CHECK(clickClient(arrowPoint(arrow)));
    CHECK(checkSelection(expected));
}

void EditorWindowTest::keysStepFocusedSelector_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<Selection>("expected");
    // clang-format off
    QTest::newRow("down on the vertical wall selector") << QStringLiteral("Down")
        << Selection{design, design, wallV, objectAtStart, hWallAtStart, wallV};
    QTest::newRow("right twice") << QStringLiteral("Right Right")
        << Selection{design, design, breakWallV, objectAtStart, hWallAtStart, breakWallV};
    QTest::newRow("down and up again") << QStringLiteral("Down Up")
        << Selection{design, design, vWallAtStart, objectAtStart, hWallAtStart, vWallAtStart};
    QTest::newRow("up at the minimum") << QStringLiteral("Up")
        << Selection{design, design, design, objectAtStart, hWallAtStart, vWallAtStart};
    QTest::newRow("tab to the horizontal wall selector") << QStringLiteral("Tab Right")
        << Selection{design, wallH, design, objectAtStart, wallH, vWallAtStart};
    QTest::newRow("tab to the object type selector") << QStringLiteral("Tab Tab Right")
        << Selection{angleL, design, design, angleL, hWallAtStart, vWallAtStart};
    QTest::newRow("tab skips the disabled variant selector") << QStringLiteral("Tab Tab Tab Down")
        << Selection{design, design, wallV, objectAtStart, hWallAtStart, wallV};
    QTest::newRow("tab to the enabled variant selector") << QStringLiteral("Tab Tab Right Tab Down")
        << Selection{angleR, design, design, angleR, hWallAtStart, vWallAtStart};
    QTest::newRow("tab round to the vertical wall selector")
        << QStringLiteral("Tab Tab Right Tab Tab Down")
        << Selection{angleL, design, wallV, angleL, hWallAtStart, wallV};
    // clang-format on
}

// The focus starts on the vertical wall selector; the arrow keys step the selector that has the
// focus and the tab key moves the focus on. The keys go to the window once a click on its
// background has made it the active one.
void EditorWindowTest::keysStepFocusedSelector()
{
    QFETCH(QString, keys);
    QFETCH(Selection, expected);
    CHECK(startEditor());
    CHECK(activateByClick(m_window, m_client.topLeft() + background));
    CHECK(pressKeys(keys));
    CHECK(checkSelection(expected));
}

// "Clear Maze" replaces the window by a new one that looks exactly as the first did at start-up,
// with the selectors back at their start values and the focus back on the vertical wall selector.
void EditorWindowTest::clearMazeRestoresDesign()
{
    CHECK(startEditor());
    const QImage atStart = clientShot();
    CHECK(designMismatch(atStart));
    m_selectorsAtStart = false;
    for (const char *arrow : {"ObjScrollH+", "ObjScrollV+", "WallScrollH+", "WallScrollV+"})
        CHECK(clickClient(arrowPoint(QString::fromLatin1(arrow))));
    CHECK(placeProbes());

    for (int round = 1; round <= 2; ++round) {
        const quint64 oldWindow = m_window;
        QVERIFY(m_input.click(m_frame.topLeft() + clearMazeItem()));
        CHECK(findWindow(oldWindow));
        QVERIFY2(
            waitUntil([&] { return !m_input.visibleWindows(m_editor->pid()).contains(oldWindow); }),
            "the old window stays on the screen");
        QVERIFY(m_input.moveTo(m_client.topLeft() + background));
        CHECK(waitForClient([&atStart](const QImage &shot) {
            return shot == atStart ? QString() : designMismatch(shot);
        }));
        QVERIFY2(clientShot() == atStart, "the new window differs from the first one at start-up");
        QVERIFY(m_editor->running());
    }

    CHECK(activateByClick(m_window, m_client.topLeft() + background));
    CHECK(pressKeys(QStringLiteral("Down")));
    CHECK(checkSelection({{}, {}, wallV, objectAtStart, hWallAtStart, wallV}));
}

void EditorWindowTest::missingPictureIsReported_data()
{
    QTest::addColumn<QString>("dismissKey");
    QTest::newRow("dismissed with Return") << QStringLiteral("Return");
    QTest::newRow("dismissed with Escape") << QStringLiteral("Escape");
}

// A picture that cannot be loaded is reported in a message box; the editor goes on with its board
// as it was, and once the file is back a click places it.
void EditorWindowTest::missingPictureIsReported()
{
    QFETCH(QString, dismissKey);
    CHECK(startEditor());
    const QRect placed = elementRect(Family::Cell, 1);
    const QRect failing = elementRect(Family::Cell, 2);
    const QRgb objectColour = standInColour(objectAtStart);
    CHECK(clickClient(placed.center()));
    CHECK(waitForClient([&](const QImage &shot) {
        return solidMismatch(shot, placed, objectColour, QStringLiteral("cell 1"));
    }));

    QVERIFY(m_pictures.remove(objectAtStart));
    const auto restorePicture = [this] { return m_pictures.restore(objectAtStart); };
    auto restore = qScopeGuard(restorePicture);
    const QImage before = clientShot();
    CHECK(clickClient(failing.center()));

    quint64 box = 0;
    QVERIFY2(waitUntil([&] {
                 for (quint64 window : m_input.visibleWindows(m_editor->pid()))
                     if (window != m_window)
                         box = window;
                 return box != 0;
             }),
             "no message box appears");
    QVERIFY2(m_editor->running(), "the editor ended");
    const QRect boxArea = m_input.geometry(box);
    QVERIFY(!boxArea.isEmpty());

    QVERIFY2(waitUntil([&] { return m_input.focusedWindow() == box; }),
             "the message box does not take the keyboard focus");
    CHECK(pressKeys(dismissKey));
    QVERIFY2(waitUntil([&] { return !m_input.visibleWindows(m_editor->pid()).contains(box); }),
             "the message box stays");
    CHECK(
        waitForClient([&before](const QImage &shot) { return changesOutside(before, shot, {}); }));
    QVERIFY2(m_editor->running(), "the editor ended");

    restore.dismiss();
    QVERIFY(restorePicture());
    CHECK(clickClient(failing.center()));
    CHECK(waitForClient([&](const QImage &shot) {
        return solidMismatch(shot, failing, objectColour, QStringLiteral("cell 2"));
    }));
}

QList<quint64> EditorWindowTest::reportBoxes() const
{
    QList<quint64> boxes = m_input.visibleWindows(m_editor->pid());
    boxes.removeAll(m_window);
    return boxes;
}

void EditorWindowTest::failureEndsThePress_data()
{
    QTest::addColumn<QString>("missing"); // a file of the picture folder, or the folder itself
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<Selection>("expected");
    // clang-format off
    QTest::newRow("missing picture") << angleL << "ObjScrollH+"
        << Selection{design, design, design, angleL, hWallAtStart, vWallAtStart};
    QTest::newRow("missing wall picture") << "WallV.bmp" << "WallScrollV+"
        << Selection{design, design, design, objectAtStart, hWallAtStart, "WallV.bmp"};
    QTest::newRow("no picture folder") << "" << "ObjScrollH+"
        << Selection{design, design, design, angleL, hWallAtStart, vWallAtStart};
    // clang-format on
}

// An arrow held down while its picture fails to load: the report comes once, the selector stops
// after its one step, and nothing goes on behind the report or after it.
void EditorWindowTest::failureEndsThePress()
{
    QFETCH(QString, missing);
    QFETCH(QString, arrow);
    QFETCH(Selection, expected);
    CHECK(startEditor());
    m_selectorsAtStart = false;
    const QString path = missing.isEmpty() ? m_pictures.folder() : m_pictures.filePath(missing);
    const QString away = m_pictures.home() + QStringLiteral("/away");
    QVERIFY(QDir().rename(path, away));
    auto restore = qScopeGuard([&] { QDir().rename(away, path); });

    QVERIFY(m_input.press(m_client.topLeft() + arrowPoint(arrow)));
    QVERIFY2(waitUntil([&] { return !reportBoxes().isEmpty(); }), "no report appears");
    // Held past the bar's auto-repeat delay.
    QTest::qWait(1200);
    QVERIFY(m_input.release());
    const QList<quint64> boxes = reportBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(waitUntil([&] { return m_input.focusedWindow() == boxes.front(); }),
             "the report does not take the keyboard focus");
    CHECK(pressKeys(QStringLiteral("Return")));
    QVERIFY2(waitUntil([&] { return reportBoxes().isEmpty(); }), "the report stays");
    QTest::qWait(1000);
    QVERIFY2(reportBoxes().isEmpty(), "a second report follows");

    restore.dismiss();
    QVERIFY(QDir().rename(away, path));
    CHECK(checkSelection(expected));
    QVERIFY(reportBoxes().isEmpty());
}

// Alt and F10 open no keyboard mode of the menu bar: the arrow keys go on stepping the focused
// selector, and Return and Space do not run "Clear Maze".
void EditorWindowTest::noHiddenKeyboardMode()
{
    CHECK(startEditor());
    const QRect cell = elementRect(Family::Cell, 3);
    CHECK(activateByClick(m_window, m_client.topLeft() + cell.center()));
    CHECK(waitForClient([&](const QImage &shot) {
        return solidMismatch(shot, cell, standInColour(objectAtStart), QStringLiteral("cell 3"));
    }));
    CHECK(pressKeys(QStringLiteral("alt Return alt space F10 Return F10 Down")));
    CHECK(checkSelection(
        Selection{{}, {}, QStringLiteral("WallV.bmp"), objectAtStart, hWallAtStart, "WallV.bmp"}));
    CHECK(
        solidMismatch(clientShot(), cell, standInColour(objectAtStart), QStringLiteral("cell 3")));
    QVERIFY(m_input.visibleWindows(m_editor->pid()).contains(m_window));
}

// The selector that has the keyboard focus looks different; the tab key takes that look from
// the vertical wall selector to the horizontal one.
void EditorWindowTest::focusedSelectorLooksDifferent()
{
    CHECK(startEditor());
    CHECK(activateByClick(m_window, m_client.topLeft() + background));
    QTest::qWait(200);
    const QImage before = clientShot();
    CHECK(pressKeys(QStringLiteral("Tab")));
    CHECK(waitForClient([&](const QImage &shot) {
        return shot.copy(wallScrollH) != before.copy(wallScrollH)
                   ? QString()
                   : QStringLiteral("the horizontal wall selector looks as before");
    }));
    const QImage after = clientShot();
    QVERIFY2(after.copy(wallScrollV) != before.copy(wallScrollV),
             "the vertical wall selector still looks focused");
}

void EditorWindowTest::clickOnTheEdgeOfACell_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("lastColumn");
    for (const qreal scale : {1.0, 1.25, 1.75, 2.0}) {
        QTest::addRow("last column at %g", scale) << scale << true;
        QTest::addRow("last row at %g", scale) << scale << false;
    }
}

// At any scale a click on the last device column or row that shows a cell fills that cell, and not
// the wall slot beside it. The window's device pixels are worked out as Qt draws them: each edge
// of the cell on the nearest device pixel boundary, below a menu bar of whole window pixels.
void EditorWindowTest::clickOnTheEdgeOfACell()
{
    QFETCH(qreal, scale);
    QFETCH(bool, lastColumn);
    m_editor->stop();
    m_selectorsAtStart = false;
    CHECK(m_editor->start({}, {QStringLiteral("QT_SCALE_FACTOR=%1").arg(scale)}));
    CHECK(findWindow());
    const int menuBar = qRound(m_frame.height() / scale) - layout::clientArea.height();
    const auto onDevice = [&](QRect area) {
        area.translate(0, menuBar);
        return QRect(QPoint(qRound(area.left() * scale), qRound(area.top() * scale)),
                     QPoint(qRound((area.right() + 1) * scale) - 1,
                            qRound((area.bottom() + 1) * scale) - 1))
            .translated(m_frame.topLeft());
    };
    const QRect free = onDevice(QRect(background, QSize(1, 1)));
    QVERIFY2(waitUntil([&] { return grabScreen(free).pixel(0, 0) == cyan; }),
             "the window is not painted");
    const int index = 37;
    const QRect cell = onDevice(elementRect(Family::Cell, index));
    const QRect slot =
        lastColumn ? onDevice(elementRect(Family::VerticalSlot, index % 10 * 10 + index / 10))
                   : onDevice(elementRect(Family::HorizontalSlot, index));
    const QPoint edge = lastColumn ? QPoint(cell.right(), cell.center().y())
                                   : QPoint(cell.center().x(), cell.bottom());

    QVERIFY(m_input.click(edge));
    const QRgb placed = standInColour(objectAtStart);
    const bool filled = waitUntil([&] {
        const QImage shot = grabScreen(cell);
        return shot.pixel(0, 0) == placed &&
               shot.pixel(shot.width() - 1, shot.height() - 1) == placed;
    });
    QVERIFY2(filled, qPrintable(QStringLiteral("cell %1 is not filled by a click on (%2, %3)")
                                    .arg(index)
                                    .arg(edge.x())
                                    .arg(edge.y())));
    CHECK(solidMismatch(grabScreen(slot), QRect(QPoint(), slot.size()), white,
                        QStringLiteral("the slot beside the cell")));
}

// The test's own connection to the X server grabs the screen, so the server is started before
// the application; without Xvfb or xdotool the application runs offscreen only to report the skip.
int main(int argc, char *argv[])
{
    XvfbServer server;
    QString skipReason;
    QString serverFault;
    if (!XvfbServer::installed())
        skipReason = QStringLiteral("Xvfb is not installed (Debian package xvfb)");
    else if (!Xdotool::installed())
        skipReason = QStringLiteral("xdotool is not installed (Debian package xdotool)");
    else
        serverFault = server.start();

    for (const char *name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "WAYLAND_DISPLAY"})
        qunsetenv(name);
    if (skipReason.isEmpty() && serverFault.isEmpty()) {
        qputenv("DISPLAY", server.display().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    EditorWindowTest test(skipReason, serverFault, server.display());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_editorwindow.moc"

// The editor as a screen reader meets it: the real executable on an X server and a session bus of
// its own, with accessibility on, read only through the AT-SPI accessibility bus. The selectors and
// the menu command are named, the client area holds every image by name, and a cell's press action
// places the selected picture there, which the cell's name then tells.

#include "accessibilitybus.h"
#include "sessionbus.h"
#include "support/desktopprogram.h"
#include "support/standinfolder.h"
#include "support/xvfbserver.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace e2e;
using namespace support;

namespace {

constexpr int waitMs = 20000;

// Waits until `ready` gives a non-empty answer, asking every 100 ms.
template <typename T> T waitFor(const std::function<T()> &ready)
{
    QElapsedTimer timer;
    timer.start();
    T answer = ready();
    while (answer == T() && timer.elapsed() < waitMs) {
        QTest::qWait(100);
        answer = ready();
    }
    return answer;
}

} // namespace

class AccessibleTreeTest : public QObject
{
    Q_OBJECT

public:
    AccessibleTreeTest(const QString &skipReason, const QString &display)
        : m_skipReason(skipReason), m_display(display)
    {}

private slots:
    void initTestCase();
    void cleanupTestCase();

    void selectorsAndCommandAreNamed();
    void clientAreaHoldsEveryImage();
    void pressingACellPlacesThePicture();
    void whatIsDisabledOrReplacedTakesNothing();
    void aReportTakesEveryPressAway();

private:
    // The first object below `root`, breadth first, of which `match` holds.
    AccessibleObject find(const AccessibleObject &root,
                          const std::function<bool(const AccessibleObject &)> &match) const;
    AccessibleObject findNamed(const QString &name) const;
    // The object whose children are the images: the one with a child named "Cell 0: ...".
    AccessibleObject clientArea() const;
    QString cellName(const AccessibleObject &client, int index) const;

    QString m_skipReason;
    QString m_display;
    StandInFolder m_pictures;
    SessionBus m_session;
    AccessibilityBus m_bus;
    std::unique_ptr<DesktopProgram> m_editor;
    AccessibleObject m_program;
    AccessibleObject m_window;
};

void AccessibleTreeTest::initTestCase()
{
    if (!m_skipReason.isEmpty())
        QSKIP(qPrintable(m_skipReason));
    QVERIFY(m_pictures.isValid());
    const QString sessionFault = m_session.start();
    QVERIFY2(sessionFault.isEmpty(), qPrintable(sessionFault));
    const QString busFault = m_bus.connect(m_session.address());
    QVERIFY2(busFault.isEmpty(), qPrintable(busFault));

    // The editor finds the session bus in its environment, and keeps accessibility on although no
    // screen reader has asked for it.
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_session.address().toLocal8Bit());
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    m_editor = std::make_unique<DesktopProgram>(QStringLiteral(TOLVANE_EXECUTABLE), m_display,
                                                m_pictures.home());
    const QString startFault = m_editor->start();
    qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QVERIFY2(startFault.isEmpty(), qPrintable(startFault));

    // The editor's window, once its program has registered and shows it.
    m_window = waitFor<AccessibleObject>([this] {
        for (const AccessibleObject &program : m_bus.programs()) {
            if (m_bus.name(program) != QStringLiteral("Tolvane"))
                continue;
            m_program = program;
            for (const AccessibleObject &window : m_bus.children(program)) {
                if (m_bus.name(window) == QStringLiteral("Tolvane v1.1"))
                    return window;
            }
        }
        return AccessibleObject();
    });
    QVERIFY2(!m_window.path.isEmpty(),
             qPrintable(QStringLiteral("the editor's window never appeared on the accessibility "
                                       "bus; the editor said:\n") +
                        m_editor->output()));
}

void AccessibleTreeTest::cleanupTestCase()
{
    m_editor.reset();
}

AccessibleObject
AccessibleTreeTest::find(const AccessibleObject &root,
                         const std::function<bool(const AccessibleObject &)> &match) const
{
    QList<AccessibleObject> queue{root};
    for (qsizetype i = 0; i < queue.size(); ++i) {
        if (match(queue[i]))
            return queue[i];
        queue << m_bus.children(queue[i]);
    }
    return {};
}

AccessibleObject AccessibleTreeTest::findNamed(const QString &name) const
{
    return find(m_window,
                [&](const AccessibleObject &object) { return m_bus.name(object) == name; });
}

AccessibleObject AccessibleTreeTest::clientArea() const
{
    return find(m_window, [&](const AccessibleObject &object) {
        const QList<AccessibleObject> children = m_bus.children(object);
        return std::any_of(children.begin(), children.end(), [&](const AccessibleObject &child) {
            return m_bus.name(child).startsWith(QStringLiteral("Cell 0, "));
        });
    });
}

QString AccessibleTreeTest::cellName(const AccessibleObject &client, int index) const
{
    const QString prefix = QStringLiteral("Cell %1, ").arg(index);
    for (const AccessibleObject &child : m_bus.children(client)) {
        const QString name = m_bus.name(child);
        if (name.startsWith(prefix))
            return name;
    }
    return {};
}

void AccessibleTreeTest::selectorsAndCommandAreNamed()
{
    const struct
    {
        const char *name;
        const char *description;
    } selectors[] = {
        {"Object type", "1UpMushroom.bmp"},
        {"Object variant", "no variants"},
        {"Horizontal wall type", "BlankWallH.bmp"},
        {"Vertical wall type", "BlankWallV.bmp"},
    };
    for (const auto &selector : selectors) {
        const AccessibleObject found = findNamed(QString::fromLatin1(selector.name));
        QVERIFY2(!found.path.isEmpty(), selector.name);
        QCOMPARE(m_bus.roleName(found), QStringLiteral("scroll bar"));
        QCOMPARE(m_bus.description(found), QString::fromLatin1(selector.description));
        qInfo("%s, %s: %s", selector.name, qPrintable(m_bus.roleName(found)),
              qPrintable(m_bus.description(found)));
    }
    const AccessibleObject command = findNamed(QStringLiteral("Clear Maze"));
    QVERIFY(!command.path.isEmpty());
    QCOMPARE(m_bus.roleName(command), QStringLiteral("menu item"));
    qInfo("Clear Maze, %s: %s", qPrintable(m_bus.roleName(command)),
          qPrintable(m_bus.description(command)));
}

// 100 cells, 90 + 90 wall slots and three samples; no corner post.
void AccessibleTreeTest::clientAreaHoldsEveryImage()
{
    const AccessibleObject client = clientArea();
    QVERIFY2(!client.path.isEmpty(), "no object holds the cells");
    QMap<QString, int> roles;
    QStringList names;
    for (const AccessibleObject &child : m_bus.children(client)) {
        const QString role = m_bus.roleName(child);
        ++roles[role];
        if (role == QStringLiteral("graphic") || role == QStringLiteral("push button"))
            names << m_bus.name(child);
    }
    qInfo("client area children by role: %s",
          qPrintable(QDebug::toString(roles).remove(QStringLiteral("QMap"))));
    QCOMPARE(names.size(), 283);
    QCOMPARE(roles.value(QStringLiteral("push button")), 100 + 90 + 90);
    for (const char *name :
         {"Cell 37, row 4, column 8: empty",
          "Horizontal wall slot 5, between cells 5 and 15: empty",
          "Vertical wall slot 12, between cells 21 and 22: empty", "Object sample: design picture",
          "Horizontal wall sample: design picture", "Vertical wall sample: design picture"}) {
        QVERIFY2(names.contains(QString::fromLatin1(name)), name);
        qInfo("image child: %s", name);
    }
}

// The press goes to the editor's click handler, which reads the selected picture.
void AccessibleTreeTest::pressingACellPlacesThePicture()
{
    const AccessibleObject client = clientArea();
    const QString before = QStringLiteral("Cell 37, row 4, column 8: empty");
    const AccessibleObject cell =
        find(client, [&](const AccessibleObject &object) { return m_bus.name(object) == before; });
    QVERIFY(!cell.path.isEmpty());
    QCOMPARE(m_bus.actionNames(cell), QStringList{QStringLiteral("Press")});
    QVERIFY(m_bus.doAction(cell, QStringLiteral("Press")));
    const QString after = QStringLiteral("Cell 37, row 4, column 8: 1UpMushroom.bmp");
    QCOMPARE(waitFor<QString>([&] {
                 const QString name = m_bus.name(cell);
                 return name == before ? QString() : name;
             }),
             after);
    qInfo("pressed \"%s\", now \"%s\"", qPrintable(before), qPrintable(m_bus.name(cell)));
    QCOMPARE(cellName(client, 36), QStringLiteral("Cell 36, row 4, column 7: empty"));
}

// A disabled selector takes no value and no step, and presses of "Clear Maze" sent back to back
// replace the window once: the window they were sent to takes nothing once it is replaced.
void AccessibleTreeTest::whatIsDisabledOrReplacedTakesNothing()
{
    const AccessibleObject variants = findNamed(QStringLiteral("Object variant"));
    m_bus.setValue(variants, 2);
    for (const QString &step : {QStringLiteral("Increase"), QStringLiteral("Decrease")})
        m_bus.doAction(variants, step);
    QCOMPARE(m_bus.description(variants), QStringLiteral("no variants"));
    QVERIFY(!findNamed(QStringLiteral("Object sample: design picture")).path.isEmpty());

    const AccessibleObject command = findNamed(QStringLiteral("Clear Maze"));
    QVERIFY(m_bus.sendAction(command, QStringLiteral("Press"), 10));
    const auto windows = [this] {
        QList<AccessibleObject> found;
        for (const AccessibleObject &window : m_bus.children(m_program)) {
            if (m_bus.name(window) == QStringLiteral("Tolvane v1.1") && !(window == m_window))
                found << window;
        }
        return found;
    };
    QVERIFY(!waitFor<QList<AccessibleObject>>(windows).isEmpty());
    QTest::qWait(2000);
    QCOMPARE(windows().size(), 1);
    QCOMPARE(m_bus.children(m_program).size(), 1);
    m_window = windows().front();
}

// While a report is open, no press of a cell or the menu command, nor a selector's value, gets in.
void AccessibleTreeTest::aReportTakesEveryPressAway()
{
    QVERIFY(m_pictures.remove(QStringLiteral("1UpMushroom.bmp")));
    const AccessibleObject cell = findNamed(QStringLiteral("Cell 38, row 4, column 9: empty"));
    QVERIFY(m_bus.doAction(cell, QStringLiteral("Press")));
    QVERIFY(waitFor<bool>([this] { return m_bus.children(m_program).size() == 2; }));
    for (int press = 0; press < 300; ++press)
        QVERIFY(!m_bus.doAction(cell, QStringLiteral("Press")));
    QVERIFY(!m_bus.doAction(findNamed(QStringLiteral("Clear Maze")), QStringLiteral("Press")));
    const AccessibleObject types = findNamed(QStringLiteral("Object type"));
    m_bus.setValue(types, 5);
    QCOMPARE(m_bus.description(types), QStringLiteral("1UpMushroom.bmp"));
    QCOMPARE(m_bus.name(cell), QStringLiteral("Cell 38, row 4, column 9: empty"));
    QCOMPARE(m_bus.children(m_program).size(), 2);
}

// The accessibility bus and the X server are the test's own; the test itself runs offscreen, with
// its own accessibility off, so that only the editor registers.
int main(int argc, char *argv[])
{
    XvfbServer server;
    QString skipReason = SessionBus::missingPackage();
    if (skipReason.isEmpty() && !XvfbServer::installed())
        skipReason = QStringLiteral("Xvfb is not installed (Debian package xvfb)");
    if (skipReason.isEmpty()) {
        const QString fault = server.start();
        if (!fault.isEmpty())
            skipReason = QStringLiteral("no X server: ") + fault;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    QGuiApplication application(argc, argv);
    AccessibleTreeTest test(skipReason, server.display());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibletree.moc"

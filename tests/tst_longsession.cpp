// A long editing session of random actions with a fixed seed: clicks on every kind of element,
// selector moves by keys and by the program, "Clear Maze", and picture files replaced or deleted
// while the editor runs. After every action the window must still be whole and consistent, and
// only the images the action aims at may show a new picture. Built with the sanitizers, this is
// also the run that looks for memory faults over many windows and loads.

#include "app/form1.h"
#include "catalogue/catalogue.h"
#include "catalogue/pictureloader.h"
#include "support/standinfolder.h"
#include "support/windowimages.h"
#include "toolkit/image.h"
#include "toolkit/selector.h"

#include <QAction>
#include <QPointer>
#include <QScrollBar>
#include <QtTest>
#include <numeric>
#include <random>

namespace {

using support::Pictures;
using support::StandInFolder;
using toolkit::Image;
using toolkit::Selector;

constexpr int actionCount = 20000;
constexpr std::mt19937::result_type seed = 20240611;

// The numbers of the object types that have variants.
const QList<int> multiVariantTypes = [] {
    QList<int> numbers;
    for (int type = 1; type <= catalogue::objectTypeCount; ++type) {
        if (catalogue::variantCount(type) > 1)
            numbers << type;
    }
    return numbers;
}();

// The colour of a one-colour picture (its top-left pixel).
QRgb colourOf(const QPixmap &picture)
{
    return picture.toImage().pixel(0, 0) | 0xff000000;
}

// What an action may do to the window, for the checks that follow it.
struct Expectation
{
    QList<const Image *> mayChange; // images that may show a new picture afterwards
    const Image *target = nullptr;  // a clicked cell or wall slot
    QString file;                   // the file the target or the sample is to show
    const Image *sample = nullptr;  // the sample a selector change fills
    bool objectSelection = false;   // whether the object selection ran
    bool newWindow = false;         // "Clear Maze"
    bool deletesFlushed = false;    // unloaded windows must be gone
};

class Session
{
public:
    Session(StandInFolder &folder, const catalogue::PictureLoader &loader)
        : m_folder(folder), m_random(seed)
    {
        m_window = app::Form1::open(loader, app::Form1::Reports::SignalOnly);
        watchReports(m_window);
    }
    ~Session()
    {
        delete m_window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Runs one random action and checks the window after it; returns what went wrong.
    QString step();
    QString lastAction() const { return m_lastAction; }
    void watchReports(app::Form1 *window)
    {
        QObject::connect(window, &app::Form1::failed,
                         [this](const QString &report) { m_reports << report; });
    }
    int windowsOpened() const { return m_windowsOpened; }
    int failedLoads() const { return static_cast<int>(m_reports.size()); }

private:
    struct Action
    {
        const char *name;
        int weight;
        Expectation (Session::*run)();
    };
    static const Action actions[];

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }

    QString objectFile() const;
    QString wallFile(const Selector *walls, catalogue::Place orientation) const;
    bool click(Image *image);
    QString describe(const Image *image) const { return support::imageName(*m_window, image); }

    Expectation clickCell();
    Expectation clickWallSlot();
    Expectation clickCorner();
    Expectation clickSample();
    Expectation pressKey();
    Expectation moveByProgram();
    Expectation changeFile();
    Expectation clearMaze();
    Expectation flushDeletes();
    Expectation selectorChanged(Selector *selector, qint16 before);

    QString checkWindow() const;
    QString checkVariants(const Expectation &expected, qsizetype newReports);
    QString checkPictures(const Expectation &expected, const Pictures &before,
                          qsizetype reportsBefore) const;

    StandInFolder &m_folder;
    std::mt19937 m_random;
    app::Form1 *m_window = nullptr;
    QList<QPointer<app::Form1>> m_unloaded;
    QStringList m_reports;
    QString m_lastAction;
    bool m_variantsLeftByFailure = false;
    int m_windowsOpened = 1;
};

// How often each action comes, in thousandths.
const Session::Action Session::actions[] = {
    {"click a cell", 300, &Session::clickCell},
    {"click a wall slot", 240, &Session::clickWallSlot},
    {"click a corner post", 30, &Session::clickCorner},
    {"click a sample", 20, &Session::clickSample},
    {"press a key on a selector", 180, &Session::pressKey},
    {"set a selector's value", 154, &Session::moveByProgram},
    {"replace or delete a picture file", 60, &Session::changeFile},
    {"flush deferred deletes", 13, &Session::flushDeletes},
    {"Clear Maze", 3, &Session::clearMaze},
};

// The file an object selection with the selectors as they stand shows.
QString Session::objectFile() const
{
    const int type = m_window->ObjScrollH->Value();
    const int variant = catalogue::variantCount(type) == 1 ? 1 : m_window->ObjScrollV->Value();
    return catalogue::objectFile(type, variant);
}

QString Session::wallFile(const Selector *walls, catalogue::Place orientation) const
{
    return catalogue::wallFile(walls->Value(), orientation);
}

// A left click on the image where the user sees it, as the mouse makes it: in its middle, or, when
// a picture of another size on a neighbour covers that, on the first point where it lies on top.
// Returns false when nothing of the image can be seen.
bool Session::click(Image *image)
{
    toolkit::ImageHost *host = image->host();
    const auto onTop = [&](QPoint point) {
        return host->imageAt(host->mapTo(host->window(), point)) == image && !host->childAt(point);
    };
    const QRect area = image->rect();
    QPoint point = area.center();
    for (int y = area.top(); !onTop(point) && y <= area.bottom(); ++y) {
        for (int x = area.left(); !onTop(point) && x <= area.right(); ++x)
            point = {x, y};
    }
    if (!onTop(point))
        return false;
    support::clickAt(host, point);
    return true;
}

Expectation Session::clickCell()
{
    const qint16 index = static_cast<qint16>(below(m_window->Piece.count()));
    Image *cell = m_window->Piece.element(index);
    const Expectation expected{{cell}, cell, objectFile(), nullptr, true, false};
    // A cell that cannot be seen is clicked through its handler.
    if (!(chance(50) && click(cell)))
        emit m_window->Piece.clicked(index);
    return expected;
}

Expectation Session::clickWallSlot()
{
    const bool horizontal = chance(50);
    toolkit::ControlArray &array = horizontal ? m_window->HWall : m_window->VWall;
    const qint16 index = static_cast<qint16>(below(array.count()));
    Image *slot = array.element(index);
    const QString file = horizontal ? wallFile(m_window->WallScrollH, catalogue::HorizontalWall)
                                    : wallFile(m_window->WallScrollV, catalogue::VerticalWall);
    if (!(chance(50) && click(slot))) {
        emit array.clicked(index);
    }
    return {{slot}, slot, file, nullptr, false, false};
}

Expectation Session::clickCorner()
{
    click(m_window->Corner.element(below(m_window->Corner.count())));
    return {};
}

Expectation Session::clickSample()
{
    const QList<Image *> samples{m_window->ObjSample, m_window->WallSampleH, m_window->WallSampleV};
    click(samples[below(static_cast<int>(samples.size()))]);
    return {};
}

Selector *pickSelector(app::Form1 *window, int which)
{
    const QList<Selector *> selectors{window->ObjScrollH, window->ObjScrollV, window->WallScrollH,
                                      window->WallScrollV};
    return selectors[which];
}

Expectation Session::pressKey()
{
    static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                   Qt::Key_Home, Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown};
    Selector *selector = pickSelector(m_window, below(4));
    const qint16 before = selector->Value();
    QTest::keyClick(selector, keys[below(std::size(keys))]);
    return selectorChanged(selector, before);
}

// A value within the range, often one of its ends. For the type selector, half of the time a type
// with variants, so that the variant selector often goes from one range to another.
Expectation Session::moveByProgram()
{
    Selector *selector = pickSelector(m_window, below(4));
    const qint16 before = selector->Value();
    const int low = selector->Min();
    const int high = std::max(selector->Min(), selector->Max());
    const int pick = below(4);
    int value = pick == 0 ? low : pick == 1 ? high : low + below(high - low + 1);
    if (selector == m_window->ObjScrollH && chance(50))
        value = multiVariantTypes[below(static_cast<int>(multiVariantTypes.size()))];
    selector->setValue(static_cast<qint16>(value));
    return selectorChanged(selector, before);
}

Expectation Session::selectorChanged(Selector *selector, qint16 before)
{
    if (selector->Value() == before)
        return {};
    if (selector == m_window->WallScrollH)
        return {{m_window->WallSampleH}, nullptr, wallFile(selector, catalogue::HorizontalWall),
                m_window->WallSampleH,   false,   false};
    if (selector == m_window->WallScrollV)
        return {{m_window->WallSampleV}, nullptr, wallFile(selector, catalogue::VerticalWall),
                m_window->WallSampleV,   false,   false};
    return {{m_window->ObjSample}, nullptr, objectFile(), m_window->ObjSample, true, false};
}

// Half of the time one of the files the selectors point at, so that loads do fail.
Expectation Session::changeFile()
{
    QStringList candidates{objectFile(), wallFile(m_window->WallScrollH, catalogue::HorizontalWall),
                           wallFile(m_window->WallScrollV, catalogue::VerticalWall)};
    const QStringList all = m_folder.fileNames();
    const QString file =
        chance(50) ? candidates[below(3)] : all[below(static_cast<int>(all.size()))];
    if (file.isEmpty())
        return {};
    const int what = below(5);
    if (what < 1 && m_folder.tile(file).present)
        m_folder.remove(file);
    else if (what < 4)
        m_folder.rewrite(file, m_folder.familySize(file));
    else
        m_folder.rewrite(file, m_folder.familySize(file).transposed() + QSize(3, 5));
    return {};
}

Expectation Session::clearMaze()
{
    app::Form1 *successor = nullptr;
    QObject::connect(m_window, &app::Form1::replaced,
                     [&successor](app::Form1 *next) { successor = next; });
    m_window->mnuClear->trigger();
    if (successor) {
        watchReports(successor);
        m_unloaded << m_window;
        m_window = successor;
        ++m_windowsOpened;
    }
    Expectation expected;
    expected.newWindow = true;
    return expected;
}

Expectation Session::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    Expectation expected;
    expected.deletesFlushed = true;
    return expected;
}

QString Session::step()
{
    const Pictures before = support::picturesOf(*m_window);
    const qsizetype reportsBefore = m_reports.size();
    const app::Form1 *window = m_window;

    int pick =
        below(std::accumulate(std::begin(actions), std::end(actions), 0,
                              [](int sum, const Action &action) { return sum + action.weight; }));
    Expectation expected;
    for (const Action &action : actions) {
        if (pick < action.weight) {
            m_lastAction = QString::fromLatin1(action.name);
            expected = (this->*action.run)();
            break;
        }
        pick -= action.weight;
    }

    if (expected.newWindow && m_window == window)
        return QStringLiteral("\"Clear Maze\" opened no new window");
    if (expected.deletesFlushed) {
        const bool allGone = std::all_of(m_unloaded.begin(), m_unloaded.end(),
                                         [](const QPointer<app::Form1> &old) { return !old; });
        if (!allGone)
            return QStringLiteral("an unloaded window outlived the deferred deletes");
        m_unloaded.clear();
    }
    for (const QPointer<app::Form1> &old : std::as_const(m_unloaded)) {
        if (old && old->isVisible())
            return QStringLiteral("an unloaded window is still on the screen");
    }
    if (QString fault = checkWindow(); !fault.isEmpty())
        return fault;
    if (m_reports.size() - reportsBefore > 1)
        return QStringLiteral("one action, %1 reports").arg(m_reports.size() - reportsBefore);
    if (QString fault = checkVariants(expected, m_reports.size() - reportsBefore); !fault.isEmpty())
        return fault;
    if (expected.newWindow)
        return {};
    return checkPictures(expected, before, reportsBefore);
}

// 361 elements, and every selector's value within its range (the variant selector's only while
// it is enabled: disabled, it keeps whatever range and value it had).
QString Session::checkWindow() const
{
    const int counts[] = {m_window->Piece.count(), m_window->HWall.count(), m_window->VWall.count(),
                          m_window->Corner.count()};
    if (counts[0] != 100 || counts[1] != 90 || counts[2] != 90 || counts[3] != 81)
        return QStringLiteral("the board has %1 cells, %2 + %3 wall slots and %4 corner posts")
            .arg(counts[0])
            .arg(counts[1])
            .arg(counts[2])
            .arg(counts[3]);
    for (int i = 0; i < 4; ++i) {
        const Selector *selector = pickSelector(m_window, i);
        if (selector == m_window->ObjScrollV && !selector->Enabled())
            continue;
        if (selector->Value() < selector->Min() || selector->Value() > selector->Max())
            return QStringLiteral("%1 holds %2 outside %3..%4")
                .arg(selector->objectName())
                .arg(selector->Value())
                .arg(selector->Min())
                .arg(selector->Max());
    }
    return {};
}

// The variant selector follows the object type: range 1..N and enabled for a type of N variants,
// disabled for a single picture. A single picture's file that failed to load leaves it as it was
// (the routine disables it only after the load), until an object selection succeeds.
QString Session::checkVariants(const Expectation &expected, qsizetype newReports)
{
    if (expected.newWindow)
        m_variantsLeftByFailure = false;
    const Selector *variants = m_window->ObjScrollV;
    const int count = catalogue::variantCount(m_window->ObjScrollH->Value());
    const bool inLine = count == 1 ? !variants->Enabled()
                                   : variants->Enabled() && variants->Min() == 1 &&
                                         variants->Max() == count && variants->Value() >= 1 &&
                                         variants->Value() <= count;
    if (inLine) {
        m_variantsLeftByFailure = false;
        return {};
    }
    const bool leftByFailure =
        count == 1 && variants->Enabled() &&
        (newReports > 0 || (m_variantsLeftByFailure && !expected.objectSelection));
    if (leftByFailure) {
        m_variantsLeftByFailure = true;
        return {};
    }
    return QStringLiteral("ObjScrollV is %1..%2 at %3, %4, for an object type of %5 variants")
        .arg(variants->Min())
        .arg(variants->Max())
        .arg(variants->Value())
        .arg(variants->Enabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"))
        .arg(count);
}

// Only the images the action aims at show a new picture, a target shows the file as it is on
// disk now, and every report is about a file that is missing.
QString Session::checkPictures(const Expectation &expected, const Pictures &before,
                               qsizetype reportsBefore) const
{
    const Pictures after = support::picturesOf(*m_window);
    for (const Image *image : support::changedImages(before, after)) {
        if (!expected.mayChange.contains(image))
            return QStringLiteral("%1 shows a new picture").arg(describe(image));
    }
    const QStringList files = m_folder.fileNames();
    for (qsizetype i = reportsBefore; i < m_reports.size(); ++i) {
        const bool aboutMissingFile =
            std::any_of(files.begin(), files.end(), [&](const QString &name) {
                return !m_folder.tile(name).present &&
                       m_reports[i].contains(QLatin1Char('"') + m_folder.filePath(name) + '"');
            });
        if (!aboutMissingFile)
            return QStringLiteral("unexpected report: ") + m_reports[i];
    }
    const Image *shown = expected.target ? expected.target : expected.sample;
    if (!shown)
        return {};
    const StandInFolder::Tile tile = m_folder.tile(expected.file);
    const bool changed = after.value(shown) != before.value(shown);
    if (!tile.present) {
        if (changed || m_reports.size() == reportsBefore)
            return QStringLiteral("%1 is missing, yet %2 changed or nothing was reported")
                .arg(expected.file, describe(shown));
        return {};
    }
    if (colourOf(shown->Picture()) != (tile.colour | 0xff000000) ||
        shown->Picture().size() != tile.size)
        return QStringLiteral("%1 does not show %2 as it is on disk")
            .arg(describe(shown), expected.file);
    if (expected.target && shown->size() != tile.size)
        return QStringLiteral("a board image does not take its picture's size");
    return {};
}

} // namespace

class TestLongSession : public QObject
{
    Q_OBJECT

private slots:
    void randomActions();
};

void TestLongSession::randomActions()
{
    StandInFolder folder;
    QVERIFY(folder.isValid());
    const catalogue::FilePictureLoader loader(QFile::encodeName(folder.documents()));
    Session session(folder, loader);

    for (int n = 1; n <= actionCount; ++n) {
        const QString fault = session.step();
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("action %1 (%2), seed %3: %4")
                                                 .arg(n)
                                                 .arg(session.lastAction())
                                                 .arg(seed)
                                                 .arg(fault)));
    }
    qInfo("%d actions, %d windows opened, %d failed loads reported", actionCount,
          session.windowsOpened(), session.failedLoads());
    QVERIFY(session.windowsOpened() > 10);
    QVERIFY(session.failedLoads() > 10);
}

QTEST_MAIN(TestLongSession)
#include "tst_longsession.moc"

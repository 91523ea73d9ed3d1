// The selector as the user and the program drive it: real clicks on its arrows, track and thumb,
// real key presses, and program writes, each checked for the value it leaves and for the change
// events it raises.

#include "support/windowlayout.h"
#include "toolkit/selector.h"

#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest>

namespace {

using StartState = toolkit::Selector::StartState;

enum class Input
{
    AddArrow,
    SubArrow,
    AddTrack,
    SubTrack,
    KeyRight,
    KeyLeft,
    KeyDown,
    KeyUp,
    WheelAway,
    WheelToward
};

// The style option a QScrollBar builds for itself, so that the style places its parts exactly
// where the bar looks for them.
QStyleOptionSlider barOption(const QScrollBar *bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return option;
}

QRect partRect(const QScrollBar *bar, QStyle::SubControl part)
{
    const QStyleOptionSlider option = barOption(bar);
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

// What an input other than the wheel does, in the order of Input: a click on a part of the bar, or,
// where the part is none, a key press.
const struct
{
    QStyle::SubControl part;
    Qt::Key key;
} actions[] = {
    {QStyle::SC_ScrollBarAddLine, {}}, {QStyle::SC_ScrollBarSubLine, {}},
    {QStyle::SC_ScrollBarAddPage, {}}, {QStyle::SC_ScrollBarSubPage, {}},
    {QStyle::SC_None, Qt::Key_Right},  {QStyle::SC_None, Qt::Key_Left},
    {QStyle::SC_None, Qt::Key_Down},   {QStyle::SC_None, Qt::Key_Up},
};

// A left click on one part of the bar, or a key press on it.
void send(QScrollBar *bar, Input input)
{
    if (input == Input::WheelAway || input == Input::WheelToward) {
        const QPoint notch(0, input == Input::WheelAway ? 120 : -120);
        const QPointF centre = QRectF(bar->rect()).center();
        QWheelEvent wheel(centre, bar->mapToGlobal(centre), {}, notch, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(bar, &wheel);
        return;
    }
    const auto &action = actions[static_cast<int>(input)];
    if (action.part == QStyle::SC_None) {
        QTest::keyClick(bar, action.key);
        return;
    }
    const QRect rect = partRect(bar, action.part);
    QVERIFY2(!rect.isEmpty(), "the part to click is not on the bar");
    QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
}

// A style that asks a left click on the track to jump the thumb to the pointer, as some desktops
// configure it.
class JumpingTrackStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// One selector at the size of the window's selectors, recording the value its change handler
// sees each time it runs.
struct Bench
{
    Bench(Qt::Orientation orientation, StartState settings)
        : selector(new toolkit::Selector(orientation, settings, &host))
    {
        selector->resize(orientation == Qt::Horizontal ? layout::objScrollH.size()
                                                       : layout::objScrollV.size());
        QObject::connect(selector, &toolkit::Selector::changed,
                         [this] { seen.append(selector->Value()); });
        host.resize(100, 100);
        host.show();
    }

    QScrollBar *bar() const { return selector; }

    QWidget host;
    toolkit::Selector *selector;
    QList<qint16> seen;
};

QList<qint16> eventsFor(qint16 start, qint16 end)
{
    return start == end ? QList<qint16>{} : QList<qint16>{end};
}

} // namespace

Q_DECLARE_METATYPE(Input)

class TestSelector : public QObject
{
    Q_OBJECT

private slots:
    void programWriteRaisesInsideTheWrite();
    void narrowingTheRangeKeepsValue();
    void userStep_data();
    void userStep();
    void trackClickStepsWhateverTheStyle_data();
    void trackClickStepsWhateverTheStyle();
    void dragRaisesOnlyOnRelease_data();
    void dragRaisesOnlyOnRelease();
    void disabledSelectorIgnoresTheUser_data();
    void disabledSelectorIgnoresTheUser();
};

void TestSelector::programWriteRaisesInsideTheWrite()
{
    Bench bench(Qt::Horizontal, {1, 5, 1, true});
    bench.selector->setValue(4);
    QCOMPARE(bench.seen, QList<qint16>{4}); // the handler has run, and saw the new value
    QCOMPARE(bench.bar()->value(), 4);

    bench.selector->setValue(4);
    QCOMPARE(bench.seen, QList<qint16>{4});

    bench.selector->setValue(1);
    QCOMPARE(bench.seen, (QList<qint16>{4, 1}));
}

void TestSelector::narrowingTheRangeKeepsValue()
{
    Bench bench(Qt::Vertical, {});
    QCOMPARE(bench.selector->Min(), qint16(0));
    QCOMPARE(bench.selector->Max(), qint16(32767));
    bench.selector->setValue(6);
    bench.seen.clear();

    bench.selector->setMin(1);
    bench.selector->setMax(2);
    QVERIFY(bench.seen.isEmpty());
    QCOMPARE(bench.selector->Value(), qint16(6));
    QCOMPARE(bench.bar()->minimum(), 1);
    QCOMPARE(bench.bar()->maximum(), 2);
    QCOMPARE(bench.bar()->value(), 2);

    // The bar shows its end, so a step beyond it changes nothing; a write of 2 is a change.
    send(bench.bar(), Input::KeyDown);
    QVERIFY(bench.seen.isEmpty());
    bench.selector->setValue(6);
    QVERIFY(bench.seen.isEmpty());
    bench.selector->setValue(2);
    QCOMPARE(bench.seen, QList<qint16>{2});
}

void TestSelector::userStep_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<Input>("input");
    QTest::addColumn<qint16>("max");
    QTest::addColumn<qint16>("start");
    QTest::addColumn<qint16>("expected");

    struct Row
    {
        const char *name;
        Input input;
        qint16 max, start, expected;
    };
    const Row rows[] = {
        {"add arrow", Input::AddArrow, 5, 3, 4},
        {"sub arrow", Input::SubArrow, 5, 3, 2},
        {"add arrow up to max", Input::AddArrow, 5, 4, 5},
        {"add arrow at max", Input::AddArrow, 5, 5, 5},
        {"sub arrow at min", Input::SubArrow, 5, 1, 1},
        {"add track", Input::AddTrack, 5, 1, 2},
        {"sub track", Input::SubTrack, 5, 5, 4},
        {"add track, long range", Input::AddTrack, 67, 30, 31},
        {"sub track, long range", Input::SubTrack, 67, 30, 29},
        {"add arrow at max, long range", Input::AddArrow, 67, 67, 67},
        {"sub arrow at min, long range", Input::SubArrow, 67, 1, 1},
        {"key right", Input::KeyRight, 5, 3, 4},
        {"key down", Input::KeyDown, 5, 3, 4},
        {"key left", Input::KeyLeft, 5, 3, 2},
        {"key up", Input::KeyUp, 5, 3, 2},
        {"key right at max", Input::KeyRight, 5, 5, 5},
        {"key down at max", Input::KeyDown, 5, 5, 5},
        {"key left at min", Input::KeyLeft, 5, 1, 1},
        {"key up at min", Input::KeyUp, 5, 1, 1},
        {"wheel notch toward the user", Input::WheelToward, 67, 30, 31},
        {"wheel notch away from the user", Input::WheelAway, 67, 30, 29},
        {"wheel notch toward the user at max", Input::WheelToward, 5, 5, 5},
    };
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        const char *prefix = orientation == Qt::Horizontal ? "horizontal" : "vertical";
        for (const Row &row : rows) {
            QTest::addRow("%s, %s", prefix, row.name)
                << orientation << row.input << row.max << row.start << row.expected;
        }
    }
}

// Each click or key moves the value by exactly one, never past the ends, and raises one change
// event when the value moved and none when it did not.
void TestSelector::userStep()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(Input, input);
    QFETCH(qint16, max);
    QFETCH(qint16, start);
    QFETCH(qint16, expected);

    Bench bench(orientation, {1, max, start, true});
    send(bench.bar(), input);
    QCOMPARE(bench.selector->Value(), expected);
    QCOMPARE(bench.bar()->value(), int(expected));
    QCOMPARE(bench.seen, eventsFor(start, expected));
}

void TestSelector::trackClickStepsWhateverTheStyle_data()
{
    QTest::addColumn<Input>("input");
    QTest::addColumn<qint16>("start");
    QTest::addColumn<qint16>("expected");
    QTest::newRow("add track") << Input::AddTrack << qint16(1) << qint16(2);
    QTest::newRow("sub track") << Input::SubTrack << qint16(67) << qint16(66);
}

void TestSelector::trackClickStepsWhateverTheStyle()
{
    QFETCH(Input, input);
    QFETCH(qint16, start);
    QFETCH(qint16, expected);

    JumpingTrackStyle style;
    Bench bench(Qt::Horizontal, {1, 67, start, true});
    bench.bar()->setStyle(&style);
    send(bench.bar(), input);
    QCOMPARE(bench.selector->Value(), expected);
    QCOMPARE(bench.seen, eventsFor(start, expected));
    bench.bar()->setStyle(nullptr);
}

void TestSelector::dragRaisesOnlyOnRelease_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QList<int>>("path"); // pointer offsets along the bar, one move each
    QTest::addColumn<bool>("moves");      // whether the thumb ends away from where it started

    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        const char *prefix = orientation == Qt::Horizontal ? "horizontal" : "vertical";
        QTest::addRow("%s, forward", prefix) << orientation << QList<int>{2, 4, 6, 8} << true;
        QTest::addRow("%s, there and back", prefix)
            << orientation << QList<int>{3, 6, 9, 4, 0} << false;
    }
}

void TestSelector::dragRaisesOnlyOnRelease()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QList<int>, path);
    QFETCH(bool, moves);

    Bench bench(orientation, {1, 5, 1, true});
    QScrollBar *bar = bench.bar();
    const QPoint grip = partRect(bar, QStyle::SC_ScrollBarSlider).center();
    const QPoint along = orientation == Qt::Horizontal ? QPoint(1, 0) : QPoint(0, 1);

    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    bool thumbMoved = false;
    for (const int offset : path) {
        QTest::mouseMove(bar, grip + offset * along);
        thumbMoved = thumbMoved || bar->sliderPosition() != 1;
        QVERIFY(bench.seen.isEmpty());
        QCOMPARE(bench.selector->Value(), qint16(1));
    }
    QVERIFY2(thumbMoved, "the drag did not move the thumb");
    QCOMPARE(bar->sliderPosition() != 1, moves);
    const int released = bar->sliderPosition();
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + path.last() * along);

    QCOMPARE(bench.selector->Value(), qint16(released));
    QCOMPARE(bench.seen, eventsFor(1, qint16(released)));
}

void TestSelector::disabledSelectorIgnoresTheUser_data()
{
    QTest::addColumn<Input>("input");
    QTest::newRow("add arrow") << Input::AddArrow;
    QTest::newRow("sub arrow") << Input::SubArrow;
    QTest::newRow("add track") << Input::AddTrack;
    QTest::newRow("sub track") << Input::SubTrack;
    QTest::newRow("key down") << Input::KeyDown;
    QTest::newRow("key up") << Input::KeyUp;
}

void TestSelector::disabledSelectorIgnoresTheUser()
{
    QFETCH(Input, input);

    Bench bench(Qt::Vertical, {1, 5, 3, false});
    QVERIFY(!bench.selector->Enabled());
    send(bench.bar(), input);
    QCOMPARE(bench.selector->Value(), qint16(3));
    QCOMPARE(bench.bar()->value(), 3);
    QVERIFY(bench.seen.isEmpty());

    // The program still sets range, value and enabled state.
    bench.selector->setMin(2);
    bench.selector->setMax(4);
    bench.selector->setValue(4);
    QCOMPARE(bench.seen, QList<qint16>{4});
    QCOMPARE(bench.bar()->minimum(), 2);
    QCOMPARE(bench.bar()->maximum(), 4);
    QCOMPARE(bench.bar()->value(), 4);
    bench.selector->setEnabled(true);
    QVERIFY(bench.selector->Enabled());
    send(bench.bar(), Input::KeyUp);
    QCOMPARE(bench.seen, (QList<qint16>{4, 3}));
}

QTEST_MAIN(TestSelector)
#include "tst_selector.moc"

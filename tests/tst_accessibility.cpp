// What assistive technology is told about the window, read through Qt's accessibility interfaces
// as its bridge reads them: the client area's image children and their names, the press of a cell,
// the selectors' names and descriptions, and the menu command.

#include "app/form1.h"
#include "support/recordingloader.h"
#include "toolkit/image.h"
#include "toolkit/selector.h"

#include <QAccessible>
#include <QMenuBar>
#include <QScrollBar>
#include <QtTest>
#include <memory>

namespace {

// The client area's children that are images, by name.
QHash<QString, QAccessibleInterface *> imageChildren(QAccessibleInterface *client)
{
    QHash<QString, QAccessibleInterface *> images;
    for (int i = 0; i < client->childCount(); ++i) {
        QAccessibleInterface *child = client->child(i);
        if (child->role() == QAccessible::Graphic || child->role() == QAccessible::Button)
            images.insert(child->text(QAccessible::Name), child);
    }
    return images;
}

QString description(toolkit::Selector *selector)
{
    return QAccessible::queryAccessibleInterface(selector)->text(QAccessible::Description);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clientAreaHasEveryImageAsChild();
    void pressingACellPlacesThePicture();
    void selectorsTellWhatTheySelect();
    void clearMazeIsANamedCommand();

private:
    QAccessibleInterface *client() const;

    support::RecordingLoader m_loader;
    std::unique_ptr<app::Form1> m_form;
};

void TestAccessibility::initTestCase()
{
    app::setUpApplication();
}

void TestAccessibility::init()
{
    m_form = std::make_unique<app::Form1>(m_loader, app::Form1::Reports::SignalOnly);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestAccessibility::cleanup()
{
    m_form.reset();
}

QAccessibleInterface *TestAccessibility::client() const
{
    return QAccessible::queryAccessibleInterface(m_form->centralWidget());
}

// 100 cells, 90 + 90 wall slots and three samples, each where it lies; the corner posts only
// decorate.
void TestAccessibility::clientAreaHasEveryImageAsChild()
{
    const auto images = imageChildren(client());
    QCOMPARE(images.size(), 283);
    for (const char *name :
         {"Cell 0, row 1, column 1: empty", "Cell 99, row 10, column 10: empty",
          "Horizontal wall slot 89, between cells 89 and 99: empty",
          "Vertical wall slot 0, between cells 0 and 1: empty",
          "Vertical wall slot 37, between cells 73 and 74: empty", "Object sample: design picture",
          "Horizontal wall sample: design picture", "Vertical wall sample: design picture"})
        QVERIFY2(images.contains(QString::fromLatin1(name)), name);

    QAccessibleInterface *cell = images.value(QStringLiteral("Cell 37, row 4, column 8: empty"));
    QCOMPARE(cell->parent()->object(), m_form->centralWidget());
    QCOMPARE(client()->child(client()->indexOfChild(cell)), cell);
    const toolkit::Image *image = m_form->Piece.element(37);
    const QRect onScreen(m_form->centralWidget()->mapToGlobal(image->rect().topLeft()),
                         image->rect().size());
    QCOMPARE(cell->rect(), onScreen);
    QCOMPARE(client()->childAt(onScreen.center().x(), onScreen.center().y()), cell);
    const QPoint corner =
        m_form->centralWidget()->mapToGlobal(m_form->Corner.element(12)->rect().center());
    QVERIFY(!client()->childAt(corner.x(), corner.y()));
    QCOMPARE(m_loader.reads, QStringList()); // naming reads no picture
}

// A press is a click: the handler reads the selected picture, and the name tells it.
void TestAccessibility::pressingACellPlacesThePicture()
{
    QAccessibleInterface *cell = imageChildren(client()).value("Cell 37, row 4, column 8: empty");
    QVERIFY(cell);
    QAccessibleActionInterface *actions = cell->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    QSignalSpy clicks(&m_form->Piece, &toolkit::ControlArray::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(clicks.size(), 1);
    QCOMPARE(clicks.front().front().value<qint16>(), qint16(37));
    QCOMPARE(m_loader.reads, QStringList{"c:/My Documents/pardovine/1UpMushroom.bmp"});
    QCOMPARE(cell->text(QAccessible::Name),
             QStringLiteral("Cell 37, row 4, column 8: 1UpMushroom.bmp"));
}

void TestAccessibility::selectorsTellWhatTheySelect()
{
    QCOMPARE(QAccessible::queryAccessibleInterface(m_form->ObjScrollH)->text(QAccessible::Name),
             QStringLiteral("Object type"));
    QCOMPARE(description(m_form->ObjScrollH), QStringLiteral("1UpMushroom.bmp"));
    QCOMPARE(description(m_form->ObjScrollV), QStringLiteral("no variants"));
    m_form->ObjScrollH->setValue(2);
    m_form->ObjScrollV->setValue(2);
    QCOMPARE(description(m_form->ObjScrollH), QStringLiteral("AngleR.bmp"));
    QCOMPARE(description(m_form->ObjScrollV), QStringLiteral("AngleR.bmp"));
    m_form->ObjScrollH->setValue(3); // one picture: the variant selector is disabled
    QCOMPARE(description(m_form->ObjScrollH), QStringLiteral("Arrow.bmp"));
    QCOMPARE(description(m_form->ObjScrollV), QStringLiteral("no variants"));
    m_form->WallScrollV->setValue(5);
    QCOMPARE(description(m_form->WallScrollV), QStringLiteral("ElectricGateV.bmp"));
    QCOMPARE(description(m_form->WallScrollH), QStringLiteral("BlankWallH.bmp"));
}

void TestAccessibility::clearMazeIsANamedCommand()
{
    QAccessibleInterface *menuBar = QAccessible::queryAccessibleInterface(m_form->menuBar());
    QCOMPARE(menuBar->childCount(), 1);
    QAccessibleInterface *command = menuBar->child(0);
    QCOMPARE(command->text(QAccessible::Name), QStringLiteral("Clear Maze"));
    QVERIFY(!command->text(QAccessible::Description).isEmpty());
    app::Form1 *successor = nullptr;
    connect(m_form.get(), &app::Form1::replaced, this,
            [&successor](app::Form1 *next) { successor = next; });
    m_form.release(); // deleted by the window itself once the command has run
    command->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(successor);
    m_form.reset(successor);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

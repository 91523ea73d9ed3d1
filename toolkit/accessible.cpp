#include "toolkit/accessible.h"

#include "toolkit/image.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QWindow>
#include <algorithm>

namespace toolkit {

namespace {

const QWindow *topWindow(const QWindow *window)
{
    while (const QWindow *above = window->parent() ? window->parent() : window->transientParent())
        window = above;
    return window;
}

// An application-modal window blocks every window but its own descendants; a window-modal one
// the windows it shares its top window with.
bool blocks(const QWindow *modal, const QWindow *window)
{
    if (!modal->isVisible() || !modal->isModal() || modal == window ||
        modal->isAncestorOf(window, QWindow::IncludeTransients))
        return false;
    return modal->modality() == Qt::ApplicationModal || topWindow(modal) == topWindow(window);
}

// Whether `widget` takes input now: it is enabled (a replaced window is not) and no modal window
// keeps the input from it.
bool takesInput(const QWidget &widget)
{
    return widget.isEnabled() && !isBlockedByModalWindow(widget);
}

// An object that assistive technology sees without children and that may offer a press: a
// windowless image or a command on a menu bar, each an area of the widget it lives on. The press is
// run from the event loop, as Qt's buttons and menus run theirs: whatever it starts (a report
// waiting for the user, a new window) must not hold up the assistive technology's call. It runs
// only if the widget still takes input then: a modal window shown meanwhile takes it away, as it
// takes the mouse's.
class LeafAccessible : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    using QAccessibleObject::QAccessibleObject;

    bool isValid() const override { return QAccessibleObject::isValid() && widget(); }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(widget());
    }
    QWindow *window() const override
    {
        const QAccessibleInterface *above = parent();
        return above ? above->window() : nullptr;
    }
    QRect rect() const override { return {widget()->mapToGlobal(area().topLeft()), area().size()}; }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // A disabled object, one behind a modal window included, offers no press.
    QStringList actionNames() const override
    {
        if (!pressable() || state().disabled)
            return {};
        return {pressAction()};
    }

    void doAction(const QString &actionName) override
    {
        if (state().invisible || !actionNames().contains(actionName))
            return;
        QMetaObject::invokeMethod(
            object(),
            [widget = QPointer<QWidget>(widget()), object = QPointer<QObject>(object()), this] {
                if (widget && object && takesInput(*widget))
                    press();
            },
            Qt::QueuedConnection);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface && pressable())
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

protected:
    // The widget the object lives on, nullptr once it has left it, and where on it the object lies.
    virtual QWidget *widget() const = 0;
    virtual QRect area() const = 0;
    virtual bool pressable() const = 0;
    virtual void press() = 0;
};

// A windowless image: a button with a press action when its array takes clicks, else a graphic.
// It is a child of its host's interface.
class ImageAccessible : public LeafAccessible
{
public:
    explicit ImageAccessible(Image *image) : LeafAccessible(image) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? image()->host()->imageName(*image()) : QString();
    }
    QAccessible::Role role() const override
    {
        return pressable() ? QAccessible::Button : QAccessible::Graphic;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !image()->Visible() || !image()->host()->isVisible();
        state.disabled = !takesInput(*image()->host());
        return state;
    }

protected:
    // An image outlives its host for a moment while the host's children are destroyed.
    QWidget *widget() const override { return image()->host(); }
    QRect area() const override { return image()->rect(); }
    bool pressable() const override { return image()->array() && image()->array()->takesClicks(); }
    void press() override { ImageHost::click(image()); }

private:
    Image *image() const { return static_cast<Image *>(object()); }
};

// A command placed directly on a menu bar: a menu item named after the command's text and
// described by its status tip, which Qt's own interface for it leaves out.
class MenuCommandAccessible : public LeafAccessible
{
public:
    MenuCommandAccessible(QAction *command, QMenuBar *menuBar)
        : LeafAccessible(command), m_menuBar(menuBar)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return command()->statusTip();
        if (t != QAccessible::Name)
            return {};
        return command()->text().remove(QRegularExpression(QStringLiteral("&(?=.)")));
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.disabled = !command()->isEnabled() || !takesInput(*m_menuBar);
        state.invisible = !command()->isVisible() || !m_menuBar->isVisible();
        state.focusable = !state.disabled;
        return state;
    }

protected:
    QWidget *widget() const override
    {
        return command()->parent() == m_menuBar ? m_menuBar : nullptr;
    }
    QRect area() const override { return m_menuBar->actionGeometry(command()); }
    bool pressable() const override { return true; }
    void press() override
    {
        if (command()->isEnabled())
            command()->trigger();
    }

private:
    QAction *command() const { return static_cast<QAction *>(object()); }
    QMenuBar *m_menuBar;
};

// An image host: the widget, with its windowless images as children after its child widgets, in
// the order the host paints them. The images of an array that takes no clicks only decorate and
// are left out.
class ImageHostAccessible : public QAccessibleWidget
{
public:
    explicit ImageHostAccessible(ImageHost *host) : QAccessibleWidget(host, QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QObject *> objects = children();
        return index >= 0 && index < objects.size()
                   ? QAccessible::queryAccessibleInterface(objects[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? static_cast<int>(children().indexOf(child->object())) : -1;
    }
    // Child widgets lie above the images; of the images, the topmost one there, unless it only
    // decorates.
    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (QAccessibleInterface *widget = QAccessibleWidget::childAt(x, y))
            return widget;
        Image *image = host()->imageAt(host()->window()->mapFromGlobal(QPointF(x, y)));
        return image && !decorative(*image) ? QAccessible::queryAccessibleInterface(image)
                                            : nullptr;
    }

private:
    ImageHost *host() const { return static_cast<ImageHost *>(widget()); }
    static bool decorative(const Image &image)
    {
        return image.array() && !image.array()->takesClicks();
    }
    // The child widgets, then the images that do not only decorate.
    QList<QObject *> children() const
    {
        QList<QObject *> objects;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i)
            objects << QAccessibleWidget::child(i)->object();
        for (Image *image : host()->images()) {
            if (!decorative(*image))
                objects << image;
        }
        return objects;
    }
};

QAccessibleInterface *createInterface(const QString &, QObject *object)
{
    if (auto *image = qobject_cast<Image *>(object))
        return new ImageAccessible(image);
    if (auto *host = qobject_cast<ImageHost *>(object))
        return new ImageHostAccessible(host);
    if (auto *command = qobject_cast<QAction *>(object)) {
        if (auto *menuBar = qobject_cast<QMenuBar *>(command->parent()))
            return new MenuCommandAccessible(command, menuBar);
    }
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(createInterface);
}

// The latest modal window frees itself and its descendants from the ones shown before it.
bool isBlockedByModalWindow(const QWidget &widget)
{
    const QWindow *window = widget.window()->windowHandle();
    const QWindow *latest = QGuiApplication::modalWindow();
    if (!window || !latest || latest == window ||
        latest->isAncestorOf(window, QWindow::IncludeTransients))
        return false;
    const QWindowList windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.begin(), windows.end(),
                       [window](const QWindow *modal) { return blocks(modal, window); });
}

} // namespace toolkit

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
// windowless image or a command on a menu bar. The press is run from the event loop, as Qt's
// buttons and menus run theirs: whatever it starts (a report waiting for the user, a new window)
// must not hold up the assistive technology's call. It runs only if `widget` still takes input
// then: a modal window shown meanwhile takes it away, as it takes the mouse's.
class LeafAccessible : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    using QAccessibleObject::QAccessibleObject;

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    QWindow *window() const override
    {
        const QAccessibleInterface *above = parent();
        return above ? above->window() : nullptr;
    }

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
    // The widget the object lives on.
    virtual QWidget *widget() const = 0;
    virtual bool pressable() const = 0;
    virtual void press() = 0;
};

// A windowless image: a button with a press action when its array takes clicks, else a graphic.
// It is a child of its host's interface, and lies where the image lies on the screen.
class ImageAccessible : public LeafAccessible
{
public:
    explicit ImageAccessible(Image *image) : LeafAccessible(image) {}

    // An image outlives its host for a moment while the host's children are destroyed.
    bool isValid() const override { return QAccessibleObject::isValid() && image()->host(); }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(image()->host());
    }
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
    QRect rect() const override
    {
        const QRect area = image()->rect();
        return {image()->host()->mapToGlobal(area.topLeft()), area.size()};
    }

protected:
    QWidget *widget() const override { return image()->host(); }
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

    bool isValid() const override
    {
        return QAccessibleObject::isValid() && command()->parent() == m_menuBar;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_menuBar);
    }
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
    QRect rect() const override
    {
        const QRect area = m_menuBar->actionGeometry(command());
        return {m_menuBar->mapToGlobal(area.topLeft()), area.size()};
    }

protected:
    QWidget *widget() const override { return m_menuBar; }
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

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + static_cast<int>(told().size());
    }
    QAccessibleInterface *child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const std::vector<Image *> images = told();
        return index - widgets < static_cast<int>(images.size())
                   ? QAccessible::queryAccessibleInterface(images[std::size_t(index - widgets)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (!qobject_cast<Image *>(child->object()))
            return QAccessibleWidget::indexOfChild(child);
        const std::vector<Image *> images = told();
        const auto found = std::find(images.begin(), images.end(), child->object());
        return found == images.end()
                   ? -1
                   : QAccessibleWidget::childCount() + static_cast<int>(found - images.begin());
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
    std::vector<Image *> told() const
    {
        std::vector<Image *> images;
        std::copy_if(host()->images().begin(), host()->images().end(), std::back_inserter(images),
                     [](const Image *image) { return !decorative(*image); });
        return images;
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

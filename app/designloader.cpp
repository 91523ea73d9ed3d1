#include "app/designloader.h"

#include "toolkit/controlarray.h"
#include "toolkit/image.h"
#include "toolkit/imagehost.h"
#include "toolkit/selector.h"

#include <QScrollBar>
#include <algorithm>
#include <map>

namespace app {

namespace {

// Places an image of the design: an image that does not stretch takes the size of its picture.
void placeImage(toolkit::Image *image, const ControlDesign &row)
{
    image->setLeft(static_cast<float>(row.rect().left()));
    image->setTop(static_cast<float>(row.rect().top()));
    image->setSize(row.rect().size());
    image->setVisible(row.visible);
}

// A lone image, or a control array whose element 0 is the design's row.
QObject *createImage(bool stretches, const ControlDesign &row, toolkit::ImageHost *client)
{
    const QPixmap picture(QString::fromLatin1(row.picture));
    const QString name = QString::fromLatin1(row.name);
    if (row.index == 0) {
        auto *array = new toolkit::ControlArray(stretches, picture, client, client);
        array->element(0)->setObjectName(name);
        placeImage(array->element(0), row);
        return array;
    }
    auto *image = new toolkit::Image(stretches, picture, client);
    image->setObjectName(name);
    placeImage(image, row);
    return image;
}

toolkit::Selector *createSelector(Qt::Orientation orientation, const ControlDesign &row,
                                  toolkit::ImageHost *client)
{
    auto *selector = new toolkit::Selector(orientation, row.selector, client);
    selector->setObjectName(QString::fromLatin1(row.name));
    selector->setGeometry(row.rect());
    selector->setVisible(row.visible);
    return selector;
}

QObject *createControl(const ControlDesign &row, toolkit::ImageHost *client)
{
    switch (row.kind) {
    case ControlKind::HorizontalSelector:
        return createSelector(Qt::Horizontal, row, client);
    case ControlKind::VerticalSelector:
        return createSelector(Qt::Vertical, row, client);
    case ControlKind::Image:
        return createImage(false, row, client);
    case ControlKind::StretchImage:
        return createImage(true, row, client);
    }
    return nullptr;
}

// The selectors take the focus in the order of their tab indices, the first of them when the
// window opens.
void setTabOrder(const std::map<int, toolkit::Selector *> &selectorsByTab)
{
    toolkit::Selector *previous = nullptr;
    for (const auto &[tab, selector] : selectorsByTab) {
        if (previous)
            QWidget::setTabOrder(previous, selector);
        previous = selector;
    }
    if (!selectorsByTab.empty())
        selectorsByTab.begin()->second->setFocus();
}

} // namespace

QHash<QString, QObject *> loadControls(std::span<const ControlDesign> design,
                                       toolkit::ImageHost *client)
{
    QHash<QString, QObject *> byName;
    std::map<int, toolkit::Selector *> selectorsByTab;
    for (const ControlDesign &row : design) {
        QObject *control = createControl(row, client);
        if (auto *selector = qobject_cast<toolkit::Selector *>(control))
            selectorsByTab.emplace(row.tabIndex, selector);
        byName.insert(QString::fromLatin1(row.name), control);
    }
    setTabOrder(selectorsByTab);
    return byName;
}

} // namespace app

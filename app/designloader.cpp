#include "app/designloader.h"

#include "toolkit/image.h"
#include "toolkit/imagehost.h"
#include "toolkit/selector.h"

#include <QScrollBar>
#include <algorithm>
#include <map>

namespace app {

namespace {

template <typename Control> Control *place(Control *control, const ControlDesign &row)
{
    control->setObjectName(QString::fromLatin1(row.name));
    control->setGeometry(row.rect());
    control->setVisible(row.visible);
    return control;
}

toolkit::Image *createImage(toolkit::Image::Fit fit, const ControlDesign &row,
                            toolkit::ImageHost *client)
{
    return place(new toolkit::Image(fit, QPixmap(row.picture), client), row);
}

toolkit::Selector *createSelector(Qt::Orientation orientation, const ControlDesign &row,
                                  toolkit::ImageHost *client)
{
    return place(new toolkit::Selector(orientation, row.selector, client), row);
}

QObject *createControl(const ControlDesign &row, toolkit::ImageHost *client)
{
    switch (row.kind) {
    case ControlKind::HorizontalSelector:
        return createSelector(Qt::Horizontal, row, client);
    case ControlKind::VerticalSelector:
        return createSelector(Qt::Vertical, row, client);
    case ControlKind::Image:
        return createImage(toolkit::Image::Fit::Natural, row, client);
    case ControlKind::StretchImage:
        return createImage(toolkit::Image::Fit::Stretch, row, client);
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
        byName.insert(control->objectName(), control);
    }
    setTabOrder(selectorsByTab);
    return byName;
}

} // namespace app

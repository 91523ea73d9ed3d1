#include "app/designloader.h"

#include "toolkit/image.h"
#include "toolkit/selector.h"

#include <QScrollBar>
#include <algorithm>
#include <map>

namespace app {

namespace {

QWidget *createControl(const ControlDesign &row, QWidget *client)
{
    switch (row.kind) {
    case ControlKind::HorizontalSelector:
        return new toolkit::Selector(Qt::Horizontal, row.selector, client);
    case ControlKind::VerticalSelector:
        return new toolkit::Selector(Qt::Vertical, row.selector, client);
    case ControlKind::Image:
        return new toolkit::Image(toolkit::Image::Fit::Natural, QPixmap(row.picture), client);
    case ControlKind::StretchImage:
        return new toolkit::Image(toolkit::Image::Fit::Stretch, QPixmap(row.picture), client);
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

QHash<QString, QWidget *> loadControls(std::span<const ControlDesign> design, QWidget *client)
{
    QHash<QString, QWidget *> byName;
    std::map<int, toolkit::Selector *> selectorsByTab;
    for (const ControlDesign &row : design) {
        QWidget *control = createControl(row, client);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(row.rect());
        control->setVisible(row.visible);
        if (auto *selector = qobject_cast<toolkit::Selector *>(control))
            selectorsByTab.emplace(row.tabIndex, selector);
        byName.insert(control->objectName(), control);
    }
    setTabOrder(selectorsByTab);
    return byName;
}

} // namespace app

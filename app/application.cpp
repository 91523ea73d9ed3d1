#include "app/application.h"

#include "app/formdesign.h"
#include "toolkit/accessiblefactory.h"
#include "translations/translators.h"

#include <QApplication>
#include <QIcon>
#include <QProxyStyle>

namespace app {

namespace {

// The application's style in all but one point: a lone Alt press does not put the menu bar into a
// keyboard mode that nothing on the screen shows, in which the arrow keys stop stepping the focused
// selector and Return would run "Clear Maze". The menu command runs when chosen with the mouse.
class NoMenuKeyboardModeStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void setUpApplication()
{
    translations::installTranslators(*QCoreApplication::instance());
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tolvane.Tolvane"));
    // One icon for every window: an icon made for each window would leave its pixmaps behind in
    // Qt's pixmap cache, which keys them by icon, when the window goes.
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(form1Window().icon)));
    QApplication::setStyle(new NoMenuKeyboardModeStyle);
    toolkit::installAccessibleInterfaces();
}

} // namespace app

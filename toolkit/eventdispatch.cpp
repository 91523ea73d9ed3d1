#include "toolkit/eventdispatch.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace toolkit {

namespace {

void showMessageBox(const QString &message)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                          message);
}

ErrorReporter &currentReporter()
{
    static ErrorReporter reporter = showMessageBox;
    return reporter;
}

} // namespace

void runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        currentReporter()(QString::fromUtf8(error.what()));
    }
}

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    return std::exchange(currentReporter(), std::move(reporter));
}

} // namespace toolkit

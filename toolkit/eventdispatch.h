#pragma once

#include <QString>
#include <functional>

namespace toolkit {

// The toolkit's default error handling. Every event handler of the program runs through
// runHandler(): an exception that leaves the handler is reported to the user and the program goes
// on, so that a failure never takes the composed board with it.
using ErrorReporter = std::function<void(const QString &message)>;

void runHandler(const std::function<void()> &handler);

// Replaces the report (a modal message box by default), e.g. to collect reports in tests.
// Returns the reporter that was in place.
ErrorReporter setErrorReporter(ErrorReporter reporter);

} // namespace toolkit

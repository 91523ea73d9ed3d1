#pragma once

#include <QtGlobal>

namespace bench {

// The resident set size of a process (this one by default) in KiB, from /proc; -1 if unknown.
qint64 residentKiB(qint64 pid = 0);

} // namespace bench

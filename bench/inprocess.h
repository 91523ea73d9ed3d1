#pragma once

#include <QStringList>

namespace bench {

// The measurements taken inside one process, each run in a fresh process of its own (started by
// the benchmark with "--child TASK ...") so that none inherits another's warm caches or memory.
// A QApplication must exist. Each task prints its results as lines "= NAME VALUE VALUE ...",
// times in milliseconds and memory in KiB, and returns the process's exit status.
//
//   startup editor|baseline     from a ready QApplication to the window's first frame
//   clear editor|baseline N     "Clear Maze" (or a fresh baseline window) to the new frame
//   click N                     a click on a cell to its new picture on the screen
//   typechange N                a step of the object type to the sample repainted
//   longrun                     resident memory over 1,000 "Clear Maze" and 10,000 clicks
int runChildTask(const QStringList &arguments);

} // namespace bench

#pragma once

#include <QString>

namespace bench {

// The programs the benchmark starts, and the stage they play on: an X display of its own and a
// home folder whose Documents/pardovine/ holds a stand-in for every tile picture.
struct Stage
{
    QString editor;   // the tolvane executable
    QString baseline; // the baseline window program
    QString driver;   // this program, run again for each in-process measurement
    QString display;
    QString home;
};

// Runs every measurement `runs` times in turn, editor and baselines side by side, and prints each
// run's table and, after several runs, one table of their ranges. Returns the process's exit
// status: 0 when everything ran (whether or not every target is met).
int runBenchmark(const Stage &stage, int runs);

} // namespace bench

// The benchmark driver. Run as "tolvane-bench [--runs N]", it starts a virtual X server of its own,
// lays out a home folder with stand-in tile pictures, measures the editor against the baseline
// window N times (once by default) and prints the tables; it runs itself again with
// "--child TASK ..." for each in-process measurement.

#include "benchmark.h"
#include "inprocess.h"
#include "support/standinfolder.h"
#include "support/xvfbserver.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdlib>

namespace {

int runChild(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    return bench::runChildTask(QApplication::arguments().mid(2));
}

int runParent(int argc, char *argv[], int runs)
{
    support::XvfbServer server;
    if (const QString fault = server.start(); !fault.isEmpty()) {
        QTextStream(stderr) << fault << '\n';
        return 1;
    }
    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);

    const support::StandInFolder home;
    if (!home.isValid())
        return 1;
    const bench::Stage stage{
        QStringLiteral(TOLVANE_EXECUTABLE), QStringLiteral(BASELINE_EXECUTABLE),
        QCoreApplication::applicationFilePath(), server.display(), home.home()};
    return bench::runBenchmark(stage, runs);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    const int runs = argc == 1                                      ? 1
                     : argc == 3 && qstrcmp(argv[1], "--runs") == 0 ? std::atoi(argv[2])
                                                                    : 0;
    if (runs < 1) {
        QTextStream(stderr) << "usage: tolvane-bench [--runs N]\n";
        return 64;
    }
    return runParent(argc, argv, runs);
}

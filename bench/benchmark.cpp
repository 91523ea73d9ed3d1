#include "benchmark.h"

#include "report.h"
#include "residentmemory.h"
#include "statistics.h"
#include "support/desktopprogram.h"
#include "support/windowlayout.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QThread>
#include <map>
#include <stdexcept>

namespace bench {

namespace {

using Samples = std::vector<double>;
using Results = std::map<QString, Samples>;

constexpr int startupRuns = 15;
constexpr int clearRounds = 400;
// Editor and baseline take turns, a chunk of rounds at a time, so that a change in the machine's
// load falls on both.
constexpr int clearChunks = 8;
constexpr int clickCount = 2000;
constexpr int typeChangeCount = 4 * 66;
// How long a freshly started program is left alone before its memory is read.
constexpr int settleMs = 300;
// A point of the client area that both windows paint cyan: without a window manager they open at
// the screen's top-left corner, below a menu bar of some 20 pixels.
constexpr QPoint probe(483, 300);

void progress(const QString &what)
{
    QTextStream(stderr) << what << '\n';
}

bool probeIsCyan()
{
    const QImage pixel =
        QGuiApplication::primaryScreen()->grabWindow(0, probe.x(), probe.y(), 1, 1).toImage();
    return pixel.pixel(0, 0) == layout::cyan;
}

// Runs the driver for one in-process task and collects the "= NAME VALUES" lines it prints.
Results runChild(const Stage &stage, const QStringList &task)
{
    support::DesktopProgram child(stage.driver, stage.display, stage.home);
    if (const QString fault = child.start(QStringList{QStringLiteral("--child")} + task);
        !fault.isEmpty())
        throw std::runtime_error(fault.toStdString());
    if (!child.waitForFinished(600000))
        throw std::runtime_error("a measurement does not end: " + task.join(' ').toStdString());
    Results results;
    for (const QString &line : child.output().split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("= ")))
            continue;
        const QStringList words = line.mid(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        Samples &values = results[words.value(0)];
        for (qsizetype i = 1; i < words.size(); ++i)
            values.push_back(words[i].toDouble());
    }
    if (results.empty())
        throw std::runtime_error("a measurement failed: " + task.join(' ').toStdString() + "\n" +
                                 child.output().toStdString());
    return results;
}

struct WholeProcess
{
    Samples startupMs;
    Samples residentKiB;
};

// From starting the executable to its first frame on the screen, polled at one pixel; then its
// resident memory once it has settled.
void startWholeProcess(const Stage &stage, const QString &executable, WholeProcess &into)
{
    while (probeIsCyan())
        QThread::msleep(5);
    support::DesktopProgram program(executable, stage.display, stage.home);
    QElapsedTimer timer;
    timer.start();
    if (const QString fault = program.start(); !fault.isEmpty())
        throw std::runtime_error(fault.toStdString());
    while (!probeIsCyan()) {
        if (timer.elapsed() > 30000)
            throw std::runtime_error("no window appears: " + executable.toStdString());
        QThread::usleep(500);
    }
    into.startupMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    QThread::msleep(settleMs);
    into.residentKiB.push_back(static_cast<double>(residentKiB(program.pid())));
    program.stop();
}

// The load averages over 1, 5 and 15 minutes, as the kernel gives them.
QString loadAverages()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2);
}

// Every measurement once, editor and baselines side by side; `notes` receives what the table does
// not show.
std::vector<Figure> measure(const Stage &stage, QStringList &notes)
{
    std::vector<Figure> figures;
    const auto add = [&figures](const QString &measure, Figure::Unit unit, double editor,
                                std::optional<double> baseline, std::optional<double> readDecode,
                                Target target) {
        figures.push_back({measure, unit, editor, baseline, readDecode, target});
    };
    constexpr auto ms = Figure::Milliseconds;

    progress(
        QStringLiteral("start-up, whole process and in-process, %1 runs each").arg(startupRuns));
    WholeProcess editorWhole, baselineWhole;
    Samples editorInProcess, baselineInProcess;
    for (int run = 0; run < startupRuns; ++run) {
        // Alternating the order spreads any drift of the machine over both.
        const bool editorFirst = run % 2 == 0;
        for (int turn = 0; turn < 2; ++turn) {
            const bool editor = (turn == 0) == editorFirst;
            startWholeProcess(stage, editor ? stage.editor : stage.baseline,
                              editor ? editorWhole : baselineWhole);
            const Results inProcess =
                runChild(stage, {QStringLiteral("startup"),
                                 editor ? QStringLiteral("editor") : QStringLiteral("baseline")});
            (editor ? editorInProcess : baselineInProcess)
                .push_back(inProcess.at(QStringLiteral("startup")).at(0));
        }
    }
    add(QStringLiteral("Start-up to first frame, in-process"), ms, median(editorInProcess),
        median(baselineInProcess), {}, {Target::RatioToBaseline, 1.10});
    add(QStringLiteral("Start-up to first frame, whole process"), ms, median(editorWhole.startupMs),
        median(baselineWhole.startupMs), {}, {Target::RatioToBaseline, 1.10});

    progress(QStringLiteral("\"Clear Maze\", %1 rounds each").arg(clearRounds));
    Samples clearEditor, clearBaseline;
    for (int chunk = 0; chunk < clearChunks; ++chunk)
        for (const QString &subject : {QStringLiteral("editor"), QStringLiteral("baseline")}) {
            const Samples some = runChild(stage, {QStringLiteral("clear"), subject,
                                                  QString::number(clearRounds / clearChunks)})
                                     .at(QStringLiteral("clear"));
            Samples &into = subject == QLatin1String("editor") ? clearEditor : clearBaseline;
            into.insert(into.end(), some.begin(), some.end());
        }
    add(QStringLiteral("\"Clear Maze\" to the new window's frame, median"), ms, median(clearEditor),
        median(clearBaseline), {}, {Target::RatioToBaseline, 1.2});

    progress(QStringLiteral("clicks on cells, %1 each").arg(clickCount));
    const Results clicks = runChild(stage, {QStringLiteral("click"), QString::number(clickCount)});
    const Samples &click = clicks.at(QStringLiteral("click"));
    const Samples &bareClick = clicks.at(QStringLiteral("bare_click"));
    const Samples &decode = clicks.at(QStringLiteral("decode"));
    add(QStringLiteral("Click on a cell to its new picture, median"), ms, median(click),
        median(bareClick), median(decode), {Target::RatioToBaseline, 1.3});
    add(QStringLiteral("Click on a cell to its new picture, 99th pct."), ms,
        percentile(click, 0.99), percentile(bareClick, 0.99), percentile(decode, 0.99),
        {Target::Below, 16});
    add(QStringLiteral("Click handler alone, median; read + decode by the editor's loader"), ms,
        median(clicks.at(QStringLiteral("click_handler"))), {},
        median(clicks.at(QStringLiteral("load"))), {});

    progress(QStringLiteral("object type changes, %1").arg(typeChangeCount));
    const Samples typeChange =
        runChild(stage, {QStringLiteral("typechange"), QString::number(typeChangeCount)})
            .at(QStringLiteral("typechange"));
    add(QStringLiteral("Object type step to the sample repainted, median"), ms, median(typeChange),
        {}, median(decode), {});
    add(QStringLiteral("Object type step to the sample repainted, 99th pct."), ms,
        percentile(typeChange, 0.99), {}, {}, {Target::Below, 16});

    add(QStringLiteral("Resident memory after start-up"), Figure::KiB,
        median(editorWhole.residentKiB), median(baselineWhole.residentKiB), {},
        {Target::BaselinePlus, 8 * 1024});

    progress(QStringLiteral("long run: 1,000 \"Clear Maze\" and 10,000 clicks"));
    const Results longRun = runChild(stage, {QStringLiteral("longrun")});
    const auto rss = [&](const char *name) { return longRun.at(QString::fromLatin1(name)).at(0); };
    add(QStringLiteral("Resident memory growth over the long run"), Figure::KiB,
        rss("rss_clicks") - rss("rss_warm"), {}, {}, {Target::Below, 1024});
    notes << QStringLiteral("Long run, resident memory: %1 MiB at the start, %2 MiB warm, %3 MiB "
                            "after the clears, %4 MiB at the end.")
                 .arg(rss("rss_start") / 1024, 0, 'f', 1)
                 .arg(rss("rss_warm") / 1024, 0, 'f', 1)
                 .arg(rss("rss_clears") / 1024, 0, 'f', 1)
                 .arg(rss("rss_clicks") / 1024, 0, 'f', 1);
    return figures;
}

} // namespace

int runBenchmark(const Stage &stage, int runs)
{
    QTextStream out(stdout);
    std::vector<std::vector<Figure>> figures;
    try {
        for (int run = 1; run <= runs; ++run) {
            progress(QStringLiteral("run %1 of %2").arg(run).arg(runs));
            QStringList notes{QStringLiteral("Load averages (1, 5, 15 min) on %1 cores: %2 at the "
                                             "start")
                                  .arg(QThread::idealThreadCount())
                                  .arg(loadAverages())};
            figures.push_back(measure(stage, notes));
            notes.first() += QStringLiteral(", %1 at the end.").arg(loadAverages());
            out << "\nRun " << run << " of " << runs << "\n\n";
            printReport(out, {figures.back()});
            out << '\n' << notes.join(QLatin1Char('\n')) << '\n';
            out.flush();
        }
    } catch (const std::exception &error) {
        QTextStream(stderr) << "The benchmark stopped: " << error.what() << '\n';
        return 1;
    }
    if (runs > 1) {
        out << "\nRange over " << runs << " runs, lowest to highest\n\n";
        printReport(out, figures);
    }
    return 0;
}

} // namespace bench

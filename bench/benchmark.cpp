#include "benchmark.h"

#include "report.h"
#include "residentmemory.h"
#include "statistics.h"
#include "support/desktopprogram.h"
#include "support/windowlayout.h"

#include <QElapsedTimer>
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

QString ratioText(double ratio)
{
    return QString::number(ratio, 'f', 2) + QStringLiteral(" ×");
}

ReportRow timeRatioRow(const QString &measure, double editor, const QString &referenceName,
                       double reference, double limit)
{
    const double ratio = editor / reference;
    return {measure,
            milliseconds(editor),
            milliseconds(reference) + QStringLiteral(" (") + referenceName + QLatin1Char(')'),
            ratioText(ratio),
            QStringLiteral("≤ ") + QString::number(limit) + QStringLiteral(" ×"),
            ratio <= limit};
}

ReportRow frameBudgetRow(const QString &measure, double p99)
{
    return {measure, milliseconds(p99), {}, {}, QStringLiteral("< 16 ms"), p99 < 16.0};
}

} // namespace

int runBenchmark(const Stage &stage)
{
    std::vector<ReportRow> rows;
    try {
        progress(QStringLiteral("start-up, whole process and in-process, %1 runs each")
                     .arg(startupRuns));
        WholeProcess editorWhole, baselineWhole;
        Samples editorInProcess, baselineInProcess;
        for (int run = 0; run < startupRuns; ++run) {
            // Alternating the order spreads any drift of the machine over both.
            const bool editorFirst = run % 2 == 0;
            for (int turn = 0; turn < 2; ++turn) {
                const bool editor = (turn == 0) == editorFirst;
                startWholeProcess(stage, editor ? stage.editor : stage.baseline,
                                  editor ? editorWhole : baselineWhole);
                const Results inProcess = runChild(
                    stage, {QStringLiteral("startup"),
                            editor ? QStringLiteral("editor") : QStringLiteral("baseline")});
                (editor ? editorInProcess : baselineInProcess)
                    .push_back(inProcess.at(QStringLiteral("startup")).at(0));
            }
        }
        rows.push_back(timeRatioRow(QStringLiteral("Start-up to first frame, in-process"),
                                    median(editorInProcess), QStringLiteral("baseline"),
                                    median(baselineInProcess), 1.15));
        rows.push_back(timeRatioRow(QStringLiteral("Start-up to first frame, whole process"),
                                    median(editorWhole.startupMs), QStringLiteral("baseline"),
                                    median(baselineWhole.startupMs), 1.15));

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
        rows.push_back(timeRatioRow(QStringLiteral("\"Clear Maze\" to the new window's frame"),
                                    median(clearEditor), QStringLiteral("fresh baseline window"),
                                    median(clearBaseline), 1.3));

        progress(QStringLiteral("clicks on cells, %1").arg(clickCount));
        const Results clicks =
            runChild(stage, {QStringLiteral("click"), QString::number(clickCount)});
        const Samples &click = clicks.at(QStringLiteral("click"));
        rows.push_back(timeRatioRow(QStringLiteral("Click on a cell to its new picture, median"),
                                    median(click), QStringLiteral("read + decode alone"),
                                    median(clicks.at(QStringLiteral("decode"))), 3));
        rows.push_back(
            frameBudgetRow(QStringLiteral("Click on a cell to its new picture, 99th pct."),
                           percentile(click, 0.99)));
        rows.push_back({QStringLiteral("  of which the click handler (load, assign), median"),
                        milliseconds(median(clicks.at(QStringLiteral("click_handler")))),
                        milliseconds(median(clicks.at(QStringLiteral("load")))) +
                            QStringLiteral(" (the editor's loader alone)"),
                        {},
                        {},
                        std::nullopt});

        progress(QStringLiteral("object type changes, %1").arg(typeChangeCount));
        const Samples typeChange =
            runChild(stage, {QStringLiteral("typechange"), QString::number(typeChangeCount)})
                .at(QStringLiteral("typechange"));
        rows.push_back({QStringLiteral("Object type step to the sample repainted, median"),
                        milliseconds(median(typeChange)),
                        milliseconds(median(clicks.at(QStringLiteral("decode")))) +
                            QStringLiteral(" (read + decode alone)"),
                        ratioText(median(typeChange) / median(clicks.at(QStringLiteral("decode")))),
                        {},
                        std::nullopt});
        rows.push_back(
            frameBudgetRow(QStringLiteral("Object type step to the sample repainted, 99th pct."),
                           percentile(typeChange, 0.99)));

        const double editorMemory = median(editorWhole.residentKiB);
        const double baselineMemory = median(baselineWhole.residentKiB);
        rows.push_back({QStringLiteral("Resident memory after start-up"), mebibytes(editorMemory),
                        mebibytes(baselineMemory) + QStringLiteral(" (baseline)"),
                        QStringLiteral("+") + mebibytes(editorMemory - baselineMemory),
                        QStringLiteral("≤ baseline + 8 MiB"),
                        editorMemory - baselineMemory <= 8 * 1024});

        progress(QStringLiteral("long run: 1,000 \"Clear Maze\" and 10,000 clicks"));
        const Results longRun = runChild(stage, {QStringLiteral("longrun")});
        const double start = longRun.at(QStringLiteral("rss_start")).at(0);
        const double warm = longRun.at(QStringLiteral("rss_warm")).at(0);
        const double afterClears = longRun.at(QStringLiteral("rss_clears")).at(0);
        const double end = longRun.at(QStringLiteral("rss_clicks")).at(0);
        rows.push_back(
            {QStringLiteral("Resident memory growth over the long run"),
             QStringLiteral("+") + mebibytes(end - warm),
             QStringLiteral("%1 at start, %2 warm, %3 after the clears, %4 at the end")
                 .arg(mebibytes(start), mebibytes(warm), mebibytes(afterClears), mebibytes(end)),
             {},
             QStringLiteral("< 1 MiB"),
             end - warm < 1024});
    } catch (const std::exception &error) {
        QTextStream(stderr) << "The benchmark stopped: " << error.what() << '\n';
        return 1;
    }
    printReport(rows);
    return 0;
}

} // namespace bench

#include "report.h"

#include <QTextStream>
#include <algorithm>

namespace bench {

namespace {

const QString headings[] = {QStringLiteral("Measure"),      QStringLiteral("Tolvane"),
                            QStringLiteral("Held against"), QStringLiteral("Ratio"),
                            QStringLiteral("Target"),       QStringLiteral("Result")};

std::vector<QString> cells(const ReportRow &row)
{
    return {row.measure,
            row.editor,
            row.reference,
            row.ratio,
            row.target,
            !row.met ? QString() : *row.met ? QStringLiteral("met") : QStringLiteral("MISSED")};
}

} // namespace

void printReport(const std::vector<ReportRow> &rows)
{
    std::vector<qsizetype> widths;
    for (const QString &heading : headings)
        widths.push_back(heading.size());
    for (const ReportRow &row : rows) {
        const std::vector<QString> line = cells(row);
        for (std::size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], line[c].size());
    }
    QTextStream out(stdout);
    const auto printLine = [&](const std::vector<QString> &line) {
        out << '|';
        for (std::size_t c = 0; c < line.size(); ++c)
            out << ' ' << line[c].leftJustified(widths[c]) << " |";
        out << '\n';
    };
    printLine(std::vector<QString>(std::begin(headings), std::end(headings)));
    std::vector<QString> rule;
    for (qsizetype width : widths)
        rule.push_back(QString(width, QLatin1Char('-')));
    printLine(rule);
    for (const ReportRow &row : rows)
        printLine(cells(row));
}

QString milliseconds(double ms)
{
    const int decimals = ms < 1 ? 3 : ms < 10 ? 2 : 1;
    return QString::number(ms, 'f', decimals) + QStringLiteral(" ms");
}

QString mebibytes(double kib)
{
    return QString::number(kib / 1024.0, 'f', 1) + QStringLiteral(" MiB");
}

} // namespace bench

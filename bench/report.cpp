#include "report.h"

#include <QTextStream>
#include <algorithm>

namespace bench {

namespace {

const QString headings[] = {
    QStringLiteral("Measure"),       QStringLiteral("Tolvane"),
    QStringLiteral("Baseline"),      QStringLiteral("Tolvane / baseline"),
    QStringLiteral("Read + decode"), QStringLiteral("Tolvane / read + decode"),
    QStringLiteral("Target"),        QStringLiteral("Result")};

// A value to `decimals` places, with a plus sign too where `withSign` asks for one.
QString number(double value, int decimals, bool withSign = false)
{
    const QString text = QString::number(value, 'f', decimals);
    return withSign && !text.startsWith(QLatin1Char('-')) ? QLatin1Char('+') + text : text;
}

// Milliseconds to three significant digits or so, memory in MiB to a tenth.
int decimalsFor(Figure::Unit unit, double largest)
{
    if (unit == Figure::KiB)
        return 1;
    return largest < 1 ? 3 : largest < 10 ? 2 : 1;
}

QString unitText(Figure::Unit unit)
{
    return unit == Figure::KiB ? QStringLiteral(" MiB") : QStringLiteral(" ms");
}

double shown(Figure::Unit unit, double value)
{
    return unit == Figure::KiB ? value / 1024 : value;
}

// One column's values over the runs, absent where a run has none.
using Column = std::vector<std::optional<double>>;

// The lowest and highest value of a column, as "LOW–HIGH" followed by `suffix`, or one value where
// the two agree when printed. Empty when no run has a value.
QString range(const Column &values, int decimals, const QString &suffix, bool withSign = false)
{
    std::vector<double> present;
    for (const std::optional<double> &value : values)
        if (value)
            present.push_back(*value);
    if (present.empty())
        return {};
    const auto [low, high] = std::minmax_element(present.begin(), present.end());
    const QString lowText = number(*low, decimals, withSign);
    if (number(*high, decimals) == number(*low, decimals))
        return lowText + suffix;
    // A sign on the high end too only where the low end is negative: "+0.6–0.7", "-0.1–+0.2".
    return lowText + QStringLiteral("–") +
           number(*high, decimals, withSign && lowText.startsWith(u'-')) + suffix;
}

std::optional<double> ratio(double value, const std::optional<double> &reference)
{
    if (!reference || *reference <= 0)
        return std::nullopt;
    return value / *reference;
}

QString targetText(const Figure &figure)
{
    const Target &target = figure.target;
    const QString amount =
        QString::number(shown(figure.unit, target.limit)) + unitText(figure.unit);
    switch (target.kind) {
    case Target::None:
        return {};
    case Target::RatioToBaseline:
        return QStringLiteral("≤ ") + number(target.limit, 2) + QStringLiteral(" × baseline");
    case Target::Below:
        return QStringLiteral("< ") + amount;
    case Target::BaselinePlus:
        return QStringLiteral("≤ baseline + ") + amount;
    }
    return {};
}

// Whether the figure meets its target; nothing when it has none.
std::optional<bool> meets(const Figure &figure)
{
    switch (figure.target.kind) {
    case Target::None:
        return std::nullopt;
    case Target::RatioToBaseline:
        return figure.baseline && figure.editor <= figure.target.limit * *figure.baseline;
    case Target::Below:
        return figure.editor < figure.target.limit;
    case Target::BaselinePlus:
        return figure.baseline && figure.editor - *figure.baseline <= figure.target.limit;
    }
    return std::nullopt;
}

QString resultText(const std::vector<const Figure *> &runs)
{
    qsizetype missed = 0;
    for (const Figure *figure : runs) {
        const std::optional<bool> met = meets(*figure);
        if (!met)
            return {};
        missed += !*met;
    }
    if (missed == 0)
        return QStringLiteral("met");
    if (runs.size() == 1 || missed == static_cast<qsizetype>(runs.size()))
        return QStringLiteral("MISSED");
    return QStringLiteral("MISSED in %1 of %2 runs").arg(missed).arg(runs.size());
}

// One line of the table: the same measure in every run. Memory is held against the baseline by
// the difference, time by the ratio; a figure held to a bound of its own shows no ratios.
std::vector<QString> cells(const std::vector<const Figure *> &runs)
{
    const Figure &first = *runs.front();
    const Figure::Unit unit = first.unit;
    const auto inUnit = [unit](const std::optional<double> &value) {
        return value ? std::optional(shown(unit, *value)) : std::nullopt;
    };
    Column editor, baseline, readDecode, toBaseline, toReadDecode;
    double largest = 0;
    for (const Figure *figure : runs) {
        editor.push_back(shown(unit, figure->editor));
        baseline.push_back(inUnit(figure->baseline));
        readDecode.push_back(inUnit(figure->readDecode));
        toBaseline.push_back(unit == Figure::KiB
                                 ? inUnit(figure->baseline
                                              ? std::optional(figure->editor - *figure->baseline)
                                              : std::nullopt)
                                 : ratio(figure->editor, figure->baseline));
        toReadDecode.push_back(ratio(figure->editor, figure->readDecode));
        for (const Column *column : {&editor, &baseline, &readDecode})
            largest = std::max(largest, column->back().value_or(0));
    }
    const int decimals = decimalsFor(unit, largest);
    const QString suffix = unitText(unit);
    const bool ratios = first.target.kind != Target::Below;
    return {first.measure,
            range(editor, decimals, suffix),
            range(baseline, decimals, suffix),
            !ratios               ? QString()
            : unit == Figure::KiB ? range(toBaseline, 1, suffix, true)
                                  : range(toBaseline, 2, QStringLiteral(" ×")),
            range(readDecode, decimals, suffix),
            ratios ? range(toReadDecode, 2, QStringLiteral(" ×")) : QString(),
            targetText(first),
            resultText(runs)};
}

} // namespace

void printReport(QTextStream &out, const std::vector<std::vector<Figure>> &runs)
{
    std::vector<std::vector<QString>> lines;
    lines.emplace_back(std::begin(headings), std::end(headings));
    for (std::size_t row = 0; row < runs.front().size(); ++row) {
        std::vector<const Figure *> figures;
        for (const std::vector<Figure> &run : runs)
            figures.push_back(&run.at(row));
        lines.push_back(cells(figures));
    }
    std::vector<qsizetype> widths(lines.front().size(), 3);
    for (const std::vector<QString> &line : lines)
        for (std::size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], line[c].size());
    const auto printLine = [&](const std::vector<QString> &line) {
        out << '|';
        for (std::size_t c = 0; c < line.size(); ++c)
            out << ' ' << line[c].leftJustified(widths[c]) << " |";
        out << '\n';
    };
    printLine(lines.front());
    std::vector<QString> rule;
    for (qsizetype width : widths)
        rule.push_back(QString(width, QLatin1Char('-')));
    printLine(rule);
    for (std::size_t l = 1; l < lines.size(); ++l)
        printLine(lines[l]);
}

} // namespace bench

#pragma once

#include <QString>
#include <optional>
#include <vector>

class QTextStream;

namespace bench {

// What a figure is held to, if anything.
struct Target
{
    enum Kind
    {
        None,
        RatioToBaseline, // the editor's figure at most `limit` times the baseline's
        Below,           // the editor's figure under `limit`
        BaselinePlus     // the editor's figure at most `limit` above the baseline's
    };
    Kind kind = None;
    double limit = 0;
};

// One figure of one run: the editor's, the bare Qt program's doing the same work, and the picture
// file's read and decode alone, in milliseconds or in KiB.
struct Figure
{
    enum Unit
    {
        Milliseconds,
        KiB
    };
    QString measure;
    Unit unit;
    double editor;
    std::optional<double> baseline;
    std::optional<double> readDecode;
    Target target;
};

// Prints, as a Markdown table, the figures of one run or more, each line the same measure in every
// run. Over several runs a cell shows the range from the lowest to the highest value, and a target
// is met only when every run meets it.
void printReport(QTextStream &out, const std::vector<std::vector<Figure>> &runs);

} // namespace bench

#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace bench {

// One line of the benchmark's table: the editor's figure, what it is held against, and whether it
// meets its target (nothing for a line that only explains another).
struct ReportRow
{
    QString measure;
    QString editor;
    QString reference;
    QString ratio;
    QString target;
    std::optional<bool> met;
};

// Prints the rows as a Markdown table to standard output.
void printReport(const std::vector<ReportRow> &rows);

QString milliseconds(double ms);
QString mebibytes(double kib);

} // namespace bench

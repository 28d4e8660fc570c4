#pragma once

#include <QString>

#include <vector>

class QIODevice;

namespace plot {
struct PlotRecord;
}

namespace sheet {

// One dot that a plot drew: the plot's number on the sheet (from 1), the function it plotted as
// the list shows it, and the point in graph units.
struct TableRow
{
    int plot = 0;
    QString function;
    double x = 0;
    double y = 0;
};

// Every dot of every plot, one row each, in the order drawn.
std::vector<TableRow> tableRows(const std::vector<plot::PlotRecord> &plots);

// Writes `rows` as a table of comma-separated values (RFC 4180: a header row, CRLF line ends,
// a field holding a comma, a quote or a line end in quotes with its quotes doubled), UTF-8, the
// numbers in the C locale with as many digits as read back the same value. Returns an empty
// string when it was all written to `device`, otherwise the reason in plain words.
QString writeTable(QIODevice *device, const std::vector<TableRow> &rows);

} // namespace sheet

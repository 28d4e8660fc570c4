#include "valuetable.h"

#include "ui/atomicfile.h"

#include "plot/plotroutine.h"

#include <QByteArray>

#include <charconv>
#include <string>

namespace sheet {

namespace {

std::string field(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::string out;
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n')
        && !bytes.contains('\r')) {
        out.assign(bytes.constData(), std::size_t(bytes.size()));
        return out;
    }
    out += '"';
    for (const char c : bytes) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

// The shortest text that reads back as the same number, whatever the locale.
template<typename Number> void appendNumber(std::string &out, Number value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end);
}

} // namespace

std::vector<TableRow> tableRows(const std::vector<plot::PlotRecord> &plots)
{
    std::vector<TableRow> rows;
    int number = 0;
    for (const plot::PlotRecord &record : plots) {
        ++number;
        const QString function = record.function ? record.function->text : QString();
        plot::forEachDot(record, [&](double x, double y) {
            rows.push_back({number, function, x, y});
        });
    }
    return rows;
}

QString writeTable(QIODevice *device, const std::vector<TableRow> &rows)
{
    std::string out = "plot,function,x,y\r\n";
    out.reserve(out.size() + rows.size() * 48);
    // Rows of one plot share the function's text; it is quoted once for them all.
    const QString *function = nullptr;
    std::string quoted;
    for (const TableRow &row : rows) {
        if (!function || row.function != *function) {
            function = &row.function;
            quoted = field(row.function);
        }
        appendNumber(out, row.plot);
        out += ',';
        out += quoted;
        out += ',';
        appendNumber(out, row.x);
        out += ',';
        appendNumber(out, row.y);
        out += "\r\n";
    }
    return ui::writeAll(device, QByteArray::fromRawData(out.data(), qsizetype(out.size())));
}

} // namespace sheet

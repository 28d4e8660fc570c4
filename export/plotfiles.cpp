#include "plotfiles.h"

#include "app/form1.h"
#include "drawn/drawn.h"
#include "sheet/sheet.h"
#include "sheet/valuetable.h"
#include "sheet/vectorfile.h"
#include "sound/wav.h"
#include "ui/atomicfile.h"
#include "ui/imageoutput.h"
#include "ui/runtimeerror.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

namespace {

// Every kind of file the plot is written as: its extension, what it holds, its name in a file
// dialog (extensions of one name share an entry) and, for an image, the format as the image
// writer names it.
struct FileFormat
{
    const char *extension;
    PlotFormat format;
    const char *name;
    const char *imageFormat;
};
constexpr FileFormat kFormats[] = {
        {"png", PlotFormat::Image, QT_TRANSLATE_NOOP("PlotFiles", "PNG image"), "png"},
        {"jpg", PlotFormat::Image, QT_TRANSLATE_NOOP("PlotFiles", "JPEG image"), "jpeg"},
        {"jpeg", PlotFormat::Image, QT_TRANSLATE_NOOP("PlotFiles", "JPEG image"), "jpeg"},
        {"bmp", PlotFormat::Image, QT_TRANSLATE_NOOP("PlotFiles", "BMP image"), "bmp"},
        {"svg", PlotFormat::Svg, QT_TRANSLATE_NOOP("PlotFiles", "SVG drawing"), nullptr},
        {"pdf", PlotFormat::Pdf, QT_TRANSLATE_NOOP("PlotFiles", "PDF document"), nullptr},
        {"csv", PlotFormat::Table, QT_TRANSLATE_NOOP("PlotFiles", "CSV table"), nullptr},
        {"wav", PlotFormat::Sound, QT_TRANSLATE_NOOP("PlotFiles", "WAV sound"), nullptr},
        {"txt", PlotFormat::Text, QT_TRANSLATE_NOOP("PlotFiles", "Text description"), nullptr},
};

const FileFormat *formatFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const FileFormat &known : kFormats) {
        if (suffix.compare(QLatin1String(known.extension), Qt::CaseInsensitive) == 0)
            return &known;
    }
    return nullptr;
}

// Why the plot cannot be written to `path`, or an empty text once it has been.
QString plotFileFailure(const Form1 &form, const Drawn *drawn, const QString &path,
                        const SaveOptions &options)
{
    const Worksheet &worksheet = options.worksheet;
    const int scale = options.scale;
    const FileFormat *format = formatFor(path);
    if (!format || (worksheet && !plotFormatDraws(format->format)))
        return QCoreApplication::translate("PlotExport",
                                           "the file name does not end in one of %1, so there is "
                                           "no format to write it in")
                .arg(plotExtensions(worksheet.has_value()).join(QLatin1String(", ")));
    if (format->format == PlotFormat::Image && scale == 1 && !worksheet)
        return ui::saveImage(plotImage(form), path, format->imageFormat);
    // Refused before anything is written where what was drawn was not all kept.
    if (const QString missing = drawn->unavailable(); !missing.isEmpty())
        return missing;
    const sheet::Drawing drawing
            = worksheet ? worksheet::worksheetDrawing(*worksheet) : sheet::Drawing();
    switch (format->format) {
    case PlotFormat::Image: {
        QString failure;
        const QImage image = worksheet
                ? sheet::renderSheet(*drawn, scale, &failure,
                                     worksheet::worksheetPainter(*worksheet, false))
                : sheet::renderSheet(*drawn, scale, &failure);
        return image.isNull() ? failure : ui::saveImage(image, path, format->imageFormat);
    }
    case PlotFormat::Svg:
        return ui::writeAtomically(path, [drawn, &drawing](QIODevice &file) {
            return sheet::writeSvg(&file, *drawn, drawing);
        });
    case PlotFormat::Pdf:
        return ui::writeAtomically(path, [drawn, &drawing](QIODevice &file) {
            return sheet::writePdf(&file, *drawn, drawing);
        });
    case PlotFormat::Table:
        return ui::writeAtomically(path, [drawn](QIODevice &file) {
            return sheet::writeTable(&file, sheet::tableRows(drawn->plots()));
        });
    case PlotFormat::Sound: {
        const auto &sounds = options.reading.sounds;
        return ui::writeAtomically(path, [drawn, &sounds](QIODevice &file) {
            return sound::writeWav(file,
                                   sound::plotSound(sounds ? sounds(*drawn) : drawn->sounds()));
        });
    }
    case PlotFormat::Text:
        if (!options.reading.account)
            return QCoreApplication::translate("PlotExport",
                                               "there is nothing here to tell the plots in words");
        return ui::writeAtomically(path, [drawn, &options](QIODevice &file) {
            return ui::writeAll(&file, options.reading.account(drawn->plots()).toUtf8());
        });
    case PlotFormat::None:
        break;
    }
    return {};
}

} // namespace

QImage plotImage(const Form1 &form)
{
    return form.P.image();
}

PlotFormat plotFormatFor(const QString &path)
{
    const FileFormat *format = formatFor(path);
    return format ? format->format : PlotFormat::None;
}

bool plotFormatDraws(PlotFormat format)
{
    return format == PlotFormat::Image || format == PlotFormat::Svg || format == PlotFormat::Pdf;
}

QStringList plotExtensions(bool drawings)
{
    QStringList extensions;
    for (const FileFormat &known : kFormats) {
        if (!drawings || plotFormatDraws(known.format))
            extensions << QLatin1Char('.') + QLatin1String(known.extension);
    }
    return extensions;
}

QStringList plotFileFilters(bool drawings)
{
    QStringList filters;
    for (std::size_t i = 0; i < std::size(kFormats); ++i) {
        if (drawings && !plotFormatDraws(kFormats[i].format))
            continue;
        const QString pattern = QLatin1String("*.") + QLatin1String(kFormats[i].extension);
        const QString name = QCoreApplication::translate("PlotFiles", kFormats[i].name);
        if (i > 0 && QLatin1String(kFormats[i].name) == QLatin1String(kFormats[i - 1].name))
            filters.last().insert(filters.last().size() - 1, QLatin1Char(' ') + pattern);
        else
            filters << QStringLiteral("%1 (%2)").arg(name, pattern);
    }
    return filters;
}

bool needsWhatWasDrawn(const QString &path, const SaveOptions &options)
{
    const int scale = options.scale;
    const Worksheet &worksheet = options.worksheet;
    const PlotFormat format = plotFormatFor(path);
    return format != PlotFormat::None && (format != PlotFormat::Image || scale != 1 || worksheet);
}

void savePlot(const Form1 &form, const Drawn *drawn, const QString &path,
              const SaveOptions &options)
{
    const QString reason = plotFileFailure(form, drawn, path, options);
    if (!reason.isEmpty())
        throw ui::RuntimeError(ui::RuntimeError::Kind::FileError,
                               QCoreApplication::translate(
                                       "PlotExport", "The plot could not be saved to \"%1\": %2.")
                                       .arg(path, reason),
                               form.P.widget());
}

void printPlot(const Form1 &form, const Drawn &drawn, QPrinter &printer, const Worksheet &worksheet)
{
    if (worksheet)
        printer.setDocName(worksheet::documentTitle(*worksheet));
    const sheet::SheetPainter paint
            = worksheet ? worksheet::worksheetPainter(*worksheet, true) : sheet::paintSheet;
    const QString reason = !drawn.unavailable().isEmpty()
            ? (worksheet ? drawn.unavailable() : ui::printImage(printer, plotImage(form)))
            : ui::printPage(printer, [&drawn, &paint](QPainter &painter) {
                  const QPaintDevice &page = *painter.device();
                  sheet::paintSheetFitted(painter, drawn, QRectF(0, 0, page.width(), page.height()),
                                          paint);
              });
    if (reason.isEmpty())
        return;
    const QString file = printer.outputFileName();
    throw ui::RuntimeError(
            ui::RuntimeError::Kind::FileError,
            file.isEmpty() ? QCoreApplication::translate("PlotExport",
                                                         "The plot could not be printed: %1.")
                                     .arg(reason)
                           : QCoreApplication::translate(
                                     "PlotExport", "The plot could not be printed to \"%1\": %2.")
                                     .arg(file, reason),
            form.P.widget());
}

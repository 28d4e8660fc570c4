#include "plotexport.h"

#include "app/form1.h"
#include "drawn/drawn.h"
#include "sheet/sheet.h"
#include "sheet/valuetable.h"
#include "sheet/vectorfile.h"
#include "sound/wav.h"

#include "ui/atomicfile.h"
#include "ui/imageoutput.h"
#include "ui/runtimeerror.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QShortcut>
#include <QStandardPaths>

#include <iterator>
#include <utility>

namespace {

struct KnownFormat
{
    const char *extension;
    PlotFormat format;
};
constexpr KnownFormat kFormats[]
        = {{"png", PlotFormat::Image}, {"jpg", PlotFormat::Image}, {"jpeg", PlotFormat::Image},
           {"bmp", PlotFormat::Image}, {"svg", PlotFormat::Svg},   {"pdf", PlotFormat::Pdf},
           {"csv", PlotFormat::Table}, {"wav", PlotFormat::Sound}};

QString startFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

// The window takes the keyboard back after a dialog, also where no window manager hands it back.
void giveBackFocus(Form1 &form)
{
    form.w->activateWindow();
}

void savePlotAs(Form1 &form, const Drawn &drawn)
{
    QFileDialog dialog(form.w, QCoreApplication::translate("PlotExport", "Save Plot As"),
                       startFolder(),
                       QCoreApplication::translate("PlotExport",
                                                   "PNG image (*.png);;JPEG image (*.jpg "
                                                   "*.jpeg);;BMP image (*.bmp);;SVG drawing "
                                                   "(*.svg);;PDF document (*.pdf);;CSV table "
                                                   "(*.csv);;WAV sound (*.wav)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(QStringLiteral("plot.png"));
    // A name typed without an extension gets the one of the kind chosen: "(*.svg)" gives .svg.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &f) {
        const qsizetype star = f.indexOf(QLatin1String("*."));
        if (star >= 0)
            dialog.setDefaultSuffix(f.mid(star + 2).section(QRegularExpression("[ )]"), 0, 0));
    });
    const int answer = dialog.exec();
    giveBackFocus(form);
    if (answer != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    savePlot(form, drawn, dialog.selectedFiles().constFirst());
}

void askAndPrint(Form1 &form, const Drawn &drawn)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, form.w);
    const int answer = dialog.exec();
    giveBackFocus(form);
    if (answer == QDialog::Accepted)
        printPlot(form, drawn, printer);
}

// Writes `path` all-or-nothing with `write`, which gives the reason it failed or an empty text.
template<typename Write> QString writeFile(const QString &path, Write &&write)
{
    ui::AtomicFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (const QString reason = write(file); !reason.isEmpty())
        return file.failed() ? file.errorString() : reason;
    return file.commit() ? QString() : file.errorString();
}

QString saveImage(const Form1 &form, const Drawn &drawn, const QString &path, int scale)
{
    if (scale == 1)
        return ui::saveImage(plotImage(form), path);
    QString failure;
    const QImage image = sheet::renderSheet(drawn.drawing(), scale, &failure);
    return image.isNull() ? failure : ui::saveImage(image, path);
}

// Why the plot cannot be written to `path`, or an empty text once it has been.
QString plotFileFailure(const Form1 &form, const Drawn &drawn, const QString &path, int scale)
{
    const PlotFormat format = plotFormatFor(path);
    // Refused before anything is written where the dots were not all kept (the drawing's own
    // writers refuse likewise where it was not kept).
    if (format == PlotFormat::Table || format == PlotFormat::Sound) {
        if (const QString missing = drawn.plotsUnavailable(); !missing.isEmpty())
            return missing;
    }
    switch (format) {
    case PlotFormat::None:
        break;
    case PlotFormat::Image:
        return saveImage(form, drawn, path, scale);
    case PlotFormat::Svg:
        return writeFile(path,
                         [&](QIODevice &file) { return sheet::writeSvg(&file, drawn.drawing()); });
    case PlotFormat::Pdf:
        return writeFile(path,
                         [&](QIODevice &file) { return sheet::writePdf(&file, drawn.drawing()); });
    case PlotFormat::Table:
        return writeFile(path,
                         [&](QIODevice &file) { return sheet::writeTable(&file, drawn.table()); });
    case PlotFormat::Sound:
        return writeFile(path, [&](QIODevice &file) {
            return sound::writeWav(file, sound::plotSound(drawn.sounds()));
        });
    }
    return QCoreApplication::translate("PlotExport",
                                       "the file name does not end in one of %1, so there is no "
                                       "format to write it in")
            .arg(plotExtensions().join(QLatin1String(", ")));
}

// Opens the menu at `at` with its first enabled entry active, so that a screen reader speaks it
// at once and Return takes it.
void openMenu(QMenu *menu, const QPoint &at)
{
    menu->popup(at);
    for (QAction *action : menu->actions()) {
        if (action->isEnabled() && !action->isSeparator()) { // hidden ones are disabled
            menu->setActiveAction(action);
            break;
        }
    }
}

} // namespace

QImage plotImage(const Form1 &form)
{
    return form.P.image();
}

PlotFormat plotFormatFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const KnownFormat &known : kFormats) {
        if (suffix.compare(QLatin1String(known.extension), Qt::CaseInsensitive) == 0)
            return known.format;
    }
    return PlotFormat::None;
}

QStringList plotExtensions()
{
    QStringList extensions;
    for (const KnownFormat &known : kFormats)
        extensions << QLatin1Char('.') + QLatin1String(known.extension);
    return extensions;
}

void savePlot(const Form1 &form, const Drawn &drawn, const QString &path, int scale)
{
    const QString reason = plotFileFailure(form, drawn, path, scale);
    if (!reason.isEmpty())
        throw ui::RuntimeError(ui::RuntimeError::Kind::FileError,
                               QCoreApplication::translate(
                                       "PlotExport", "The plot could not be saved to \"%1\": %2.")
                                       .arg(path, reason));
}

void printPlot(const Form1 &form, const Drawn &drawn, QPrinter &printer)
{
    const ui::DrawingRecord &drawing = drawn.drawing();
    const QString reason = !sheet::unavailable(drawing).isEmpty()
            ? ui::printImage(printer, plotImage(form))
            : ui::printPage(printer, [&drawing](QPainter &painter) {
                  const QPaintDevice &page = *painter.device();
                  sheet::paintSheetFitted(painter, drawing,
                                          QRectF(0, 0, page.width(), page.height()));
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
                                     .arg(file, reason));
}

void PlotExport::undoClear()
{
    if (!m_erased)
        return;
    const Snapshot erased = *std::exchange(m_erased, std::nullopt);
    m_form.P.restore(erased.image);
    for (const Restore &part : erased.parts)
        part();
}

void PlotExport::addToMenu(QAction *action)
{
    m_menu->addAction(action);
}

PlotExport::PlotExport(Form1 &form, const Drawn &drawn) : m_form(form)
{
    form.beforePlot([this] { m_erased.reset(); });
    // Taken before a clear, kept once the clear has succeeded: one that fails erases nothing.
    form.beforeClear([this] {
        m_clearing = Snapshot {m_form.P.image(), {}};
        for (const auto &keep : m_keepers)
            m_clearing.parts.push_back(keep());
    });
    form.afterClear([this] { m_erased = std::exchange(m_clearing, {}); });

    QWidget *area = form.P.widget();
    auto *menu = m_menu = new QMenu(area);
    struct Entry
    {
        const char *text;
        QKeySequence::StandardKey key;
        const char *handler;
        std::function<void()> action;
    };
    const Entry entries[] = {
            {QT_TRANSLATE_NOOP("PlotExport", "Save Plot As…"), QKeySequence::Save, "Save_Plot",
             [&form, &drawn] { savePlotAs(form, drawn); }},
            {QT_TRANSLATE_NOOP("PlotExport", "Copy Plot"), QKeySequence::Copy, "Copy_Plot",
             [&form] { ui::copyImage(plotImage(form)); }},
            {QT_TRANSLATE_NOOP("PlotExport", "Print…"), QKeySequence::Print, "Print_Plot",
             [&form, &drawn] { askAndPrint(form, drawn); }},
            {QT_TRANSLATE_NOOP("PlotExport", "Undo Clear"), QKeySequence::Undo, "Undo_Clear",
             [this] { undoClear(); }},
    };
    QAction *undo = nullptr;
    for (const Entry &entry : entries) {
        auto *action = new QAction(QCoreApplication::translate("PlotExport", entry.text), form.w);
        action->setShortcut(entry.key);
        QObject::connect(action, &QAction::triggered, form.w,
                         [name = QLatin1String(entry.handler), run = entry.action] {
                             ui::dispatch(name, run); // a failure reaches the error dialog
                         });
        form.w->addAction(action);
        menu->addAction(action);
        undo = action;
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu,
                     [this, undo] { undo->setEnabled(canUndoClear()); });
    QObject::connect(menu, &QMenu::aboutToHide, menu, [undo] { undo->setEnabled(true); });

    area->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(area, &QWidget::customContextMenuRequested, menu,
                     [menu, area](QPoint at) { openMenu(menu, area->mapToGlobal(at)); });
    const auto onKey = [area](const QKeySequence &key, auto handler) {
        auto *shortcut = new QShortcut(key, area);
        shortcut->setContext(Qt::WidgetShortcut);
        QObject::connect(shortcut, &QShortcut::activated, area, handler);
    };
    const auto popupHere
            = [menu, area] { openMenu(menu, area->mapToGlobal(area->rect().center())); };
    onKey(QKeySequence(Qt::Key_Menu), popupHere);
    onKey(QKeySequence(Qt::SHIFT | Qt::Key_F10), popupHere);
    onKey(QKeySequence::Delete, [&form] { form.P.dblClick.raise(); });
}

#include "plotexport.h"

#include "app/form1.h"
#include "ui/event.h"
#include "ui/imageoutput.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QShortcut>
#include <QStandardPaths>

#include <utility>

namespace {

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

void savePlotAs(Form1 &form, const Drawn &drawn, const SaveOptions &options)
{
    const Worksheet &worksheet = options.worksheet;
    QFileDialog dialog(form.w,
                       worksheet ? QCoreApplication::translate("PlotExport", "Save Worksheet As")
                                 : QCoreApplication::translate("PlotExport", "Save Plot As"),
                       startFolder());
    dialog.setNameFilters(plotFileFilters(worksheet.has_value()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A worksheet is for printing, which a PDF keeps sharp.
    if (worksheet) {
        dialog.selectNameFilter(dialog.nameFilters().last());
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.selectFile(QStringLiteral("worksheet.pdf"));
    } else {
        dialog.setDefaultSuffix(QStringLiteral("png"));
        dialog.selectFile(QStringLiteral("plot.png"));
    }
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
    savePlot(form, &drawn, dialog.selectedFiles().constFirst(), options);
}

void askAndPrint(Form1 &form, const Drawn &drawn, const Worksheet &worksheet = {})
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, form.w);
    if (worksheet)
        dialog.setWindowTitle(QCoreApplication::translate("PlotExport", "Print Worksheet"));
    const int answer = dialog.exec();
    giveBackFocus(form);
    if (answer == QDialog::Accepted)
        printPlot(form, drawn, printer, worksheet);
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

worksheet::Annotations PlotExport::worksheet() const
{
    return {QString(), m_description ? m_description() : QString(), QLocale()};
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
             [this, &form, &drawn] {
                 savePlotAs(form, drawn, {1, {}, m_reading});
             }},
            {QT_TRANSLATE_NOOP("PlotExport", "Save Worksheet As…"), QKeySequence::UnknownKey,
             "Save_Worksheet",
             [this, &form, &drawn] {
                 savePlotAs(form, drawn, {1, worksheet(), m_reading});
             }},
            {QT_TRANSLATE_NOOP("PlotExport", "Copy Plot"), QKeySequence::Copy, "Copy_Plot",
             [&form] { ui::copyImage(plotImage(form)); }},
            {QT_TRANSLATE_NOOP("PlotExport", "Print…"), QKeySequence::Print, "Print_Plot",
             [&form, &drawn] { askAndPrint(form, drawn); }},
            {QT_TRANSLATE_NOOP("PlotExport", "Print Worksheet…"), QKeySequence::UnknownKey,
             "Print_Worksheet", [this, &form, &drawn] { askAndPrint(form, drawn, worksheet()); }},
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

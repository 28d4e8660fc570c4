#include "render.h"

#include "access/account.h"
#include "access/interest.h"
#include "access/listening.h"
#include "access/plotstory.h"
#include "access/sentences.h"
#include "app/form1.h"
#include "commandline.h"
#include "drawn/drawn.h"
#include "export/plotfiles.h"

#include "ui/runtimeerror.h"
#include "ui/screen.h"

#include <QLocale>

#include <cstdio>
#include <optional>

namespace {

// What the plot area's description would tell of the plots drawn.
QString description(const Drawn &drawn)
{
    PlotStory story;
    for (const plot::PlotRecord &record : drawn.plots())
        story.plotted(plotSentence(record, nullptr), record.mapping,
                      plotSummary(pointsOfInterest(record)));
    return story.description();
}

} // namespace

int render(const RenderRequest &request)
{
    // The coefficients come with a decimal point in every language, so the boxes read them so:
    // the same command line draws the same plot everywhere. Messages keep the user's language,
    // and so do the numbers of a worksheet and of the plots told in words.
    const QLocale language;
    SaveOptions options {request.scale, {}, {}};
    if (request.annotate)
        options.worksheet = worksheet::Annotations {request.title, QString(), language};
    QLocale::setDefault(QLocale::c());
    ui::Screen::overrideSize(request.screen);
    std::optional<QString> failure;
    ui::setErrorReporter([&failure](const QString &, const ui::RuntimeError &error) {
        if (!failure)
            failure = error.title() + QLatin1String(": ") + error.detail();
    });

    // The window's own start-up and handlers, without showing it: the events a user's choices
    // raise, in the order they would raise them, for each plot in turn. What is drawn is kept
    // only for the formats that draw the sheet anew or give its dots.
    Form1 form;
    std::optional<Drawn> drawn;
    if (needsWhatWasDrawn(request.file, options))
        drawn.emplace(form);
    form.window.load.raise();
    form.window.activate.raise();
    for (const PlotRequest &plot : request.plots) {
        for (int i = 0; i < form.l1.listCount(); ++i) {
            if (form.l1.list(i) == plot.function)
                form.l1.choose(i);
        }
        for (int i = 0; i < 4; ++i)
            form.T6[i].setText(plot.coefficients[i]);
        form.V1.setValue(qint16(plot.lower));
        form.V2.setValue(qint16(plot.upper));
        form.Cp.click.raise();
        if (failure)
            break;
    }

    if (options.worksheet && drawn)
        options.worksheet->description = description(*drawn);
    if (!failure)
        ui::dispatch(QStringLiteral("Save"), [&] {
            options.reading = {[&language](const std::vector<plot::PlotRecord> &plots) {
                                   return plotAccount(plots, language);
                               },
                               [](const Drawn &kept) { return listenedPlots(kept); }};
            savePlot(form, drawn ? &*drawn : nullptr, request.file, options);
        });
    ui::resetErrorReporter();
    if (failure) {
        std::fprintf(stderr, "curvanta: %s\n", qPrintable(*failure));
        return 1;
    }
    return 0;
}

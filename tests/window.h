#pragma once

// The program's window as a user drives it, on a screen of 1024 x 768 pixels.
#include "app/form1.h"
#include "drawn/drawn.h"
#include "ui/screen.h"

#include <QString>

// Chooses the function of `code` (1 to 11), types a and b, sets the bars and presses Plot.
inline void plotOn(Form1 &form, int code, const QString &a = QStringLiteral("1.5"),
                   const QString &b = QStringLiteral("1.5"), int lower = -12, int upper = 12)
{
    form.l1.choose(code - 1);
    form.T6[0].setText(a);
    form.T6[1].setText(b);
    form.V1.setValue(qint16(lower));
    form.V2.setValue(qint16(upper));
    form.Cp.click.raise();
}

// The window loaded and activated, not shown, with what its plot area holds kept.
struct Window
{
    explicit Window(std::size_t limit = Drawn::kDefaultLimit) : drawn(form, limit)
    {
        form.window.load.raise();
        form.window.activate.raise();
    }
    void plot(int code, const QString &a = QStringLiteral("1.5"),
              const QString &b = QStringLiteral("1.5"), int lower = -12, int upper = 12)
    {
        plotOn(form, code, a, b, lower, upper);
    }
    void clear() { form.P.dblClick.raise(); }
    QImage image() const { return form.P.image().convertToFormat(QImage::Format_RGB32); }

    const bool screen = (ui::Screen::overrideSize(QSize(1024, 768)), true);
    Form1 form;
    Drawn drawn;
};

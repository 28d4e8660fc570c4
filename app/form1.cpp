#include "form1.h"

#include "decor/animations.h"
#include "plot/frame.h"
#include "plot/plotroutine.h"
#include "plot/range.h"
#include "plot/selection.h"
#include "ui/runtimeerror.h"

#include <algorithm>

namespace {
const QString kSans = QStringLiteral("MS Sans Serif");
const QString kSerif = QStringLiteral("Times New Roman");

void run(const std::vector<std::function<void()>> &hooks)
{
    for (const auto &hook : hooks)
        hook();
}
} // namespace

Form1::Form1()
{
    design();
    stack();
    wireEvents();
}

void Form1::design()
{
    using ui::rgb;
    window.setBackColor(rgb(128, 255, 128));
    window.setCaption(QStringLiteral("Form1"));

    Text2.place(480, 1200, 1335, 285);
    Text2.setTabIndex(20);
    Text1.place(1560, 1680, 1335, 375);
    Text1.setTabIndex(17);
    const float boxTops[4] = {3360, 4320, 5160, 6000};
    const int boxTabs[4] = {10, 14, 15, 16};
    const float captionTops[4] = {3240, 4200, 5040, 5880};
    const char *captions[4] = {"a=", "b=", "c=", "d="};
    for (int i = 0; i < 4; ++i) {
        T6[i].place(1320, boxTops[i], 1455, 495);
        T6[i].setTabIndex(boxTabs[i]);
        T6[i].setDesignFont(kSans, 18, false);
        T6[i].setText(QStringLiteral("1"));
        L6[i].place(480, captionTops[i], 735, 615);
        L6[i].setTabIndex(9 + (i ? i + 1 : 0));
        L6[i].setFont(kSerif, 21.75f, true);
        L6[i].setForeColor(rgb(192, 0, 192));
        L6[i].setCaption(QLatin1String(captions[i]));
    }

    V2.place(14280, 1680, 495, 6375);
    V2.setTabIndex(3);
    V1.place(5160, 1680, 495, 6495);
    V1.setTabIndex(2);
    for (ui::VScrollBar *bar : {&V1, &V2})
        bar->setSteps(1, 3);

    l1.place(5760, 240, 6015, 675);
    l1.setTabIndex(18);
    l1.setDesignFont(kSans, 24, true);
    l1.setForeColor(rgb(0, 192, 0));
    l1.setDesignText(QStringLiteral("Select Function"));

    Cp.place(6600, 8520, 4215, 1095);
    Cp.setTabIndex(1);
    Cp.setDesignFont(kSerif, 21.75, true);

    P.place(5760, 1680, 8535, 6375);
    P.setTabIndex(0);
    P.setBackColor(rgb(0, 255, 255));
    P.setPicture(QStringLiteral(":/graphpaper.jpg"));
    P.setAutoRedraw(true);

    struct Block
    {
        ui::Label &label;
        float left, top, width, height;
        int tab;
    };
    for (const Block &b : {Block {s4, 7680, 5640, 855, 735, 24}, Block {s3, 0, 5640, 735, 735, 23},
                           Block {s2, 7920, 0, 615, 855, 22}, Block {s1, 0, 0, 615, 615, 21}}) {
        b.label.place(b.left, b.top, b.width, b.height);
        b.label.setTabIndex(b.tab);
        b.label.setOpaque(true);
        b.label.setBackColor(rgb(255, 0, 0));
    }

    // Self-sizing labels keep their designed size until their caption or font size changes.
    cl.place(6600, 1080, 5970, 360);
    cl.setTabIndex(25);
    cl.setFont(kSerif, 15.75f, true);
    cl.setForeColor(rgb(192, 0, 192));
    cl.setCaption(QStringLiteral("Double click on plotted region to clear screen"));
    cl.setAutoSize(true);

    Shape1_3.place(13440, 7440, 735, 615);

    mes.place(15480, 840, 2685, 1620);
    mes.setTabIndex(19);
    mes.setFont(QStringLiteral("Algerian"), 18, true);
    mes.setForeColor(rgb(255, 0, 255));
    mes.setCaption(QStringLiteral("Powerred By: Orvendale"));
    mes.setAutoSize(true, true);

    Label1.place(1200, 360, 2715, 465);
    Label1.setTabIndex(8);
    Label1.setFont(kSerif, 20.25f, true);
    Label1.setForeColor(rgb(255, 0, 0));
    Label1.setCaption(QStringLiteral("Curvanta"));
    Label1.setAutoSize(true);

    struct Caption
    {
        ui::Label &label;
        float left, top, width, height;
        int tab;
        const char *text;
        ui::Colour colour;
    };
    for (const Caption &c : {Caption {L5, 14280, 1200, 1575, 495, 7, "", rgb(255, 128, 0)},
                             Caption {L4, 5400, 1320, 1095, 495, 6, "", rgb(255, 128, 0)},
                             Caption {L3, 13200, 1200, 1335, 495, 5, "+x limit", rgb(0, 0, 255)},
                             Caption {L2, 4080, 1320, 1245, 330, 4, "-X values", rgb(0, 0, 255)}}) {
        c.label.place(c.left, c.top, c.width, c.height);
        c.label.setTabIndex(c.tab);
        c.label.setFont(kSerif, 14.25f, true);
        c.label.setForeColor(c.colour);
        c.label.setCaption(QLatin1String(c.text));
    }
    L2.setAutoSize(true);
}

void Form1::stack()
{
    // The design lists controls from the top of the stack down, and labels and shapes lie
    // beneath every control window of their container.
    const std::vector<ui::Control *> lightweight {&cl,    &Shape1_3, &mes, &L6[3], &L6[2], &L6[1],
                                                  &L6[0], &Label1,   &L5,  &L4,    &L3,    &L2};
    const std::vector<ui::Control *> windowed {&Text2, &Text1, &T6[3], &T6[2], &T6[1], &T6[0],
                                               &V2,    &V1,    &l1,    &Cp,    &P};
    for (const auto *list : {&lightweight, &windowed}) {
        for (auto it = list->rbegin(); it != list->rend(); ++it)
            (*it)->widget()->raise();
    }
    for (ui::Label *block : {&s4, &s3, &s2, &s1})
        block->widget()->raise();

    const std::vector<QWidget *> order = tabOrder();
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

std::vector<QWidget *> Form1::tabOrder() const
{
    std::vector<const ui::Control *> focusable {&P,     &Cp,    &V1,    &V2, &T6[0], &T6[1],
                                                &T6[2], &T6[3], &Text1, &l1, &Text2};
    std::sort(focusable.begin(), focusable.end(), [](const ui::Control *a, const ui::Control *b) {
        return a->tabIndex() < b->tabIndex();
    });
    std::vector<QWidget *> widgets;
    for (const ui::Control *control : focusable)
        widgets.push_back(control->widget());
    return widgets;
}

void Form1::wireEvents()
{
    window.load.connect(QStringLiteral("Form_Load"), [this] { Form_Load(); });
    window.activate.connect(QStringLiteral("Form_Activate"), [this] { Form_Activate(); });
    l1.click.connect(QStringLiteral("l1_Click"), [this] { plot::l1_Click({l1, Text1}); });
    Cp.click.connect(QStringLiteral("Cp_Click"), [this] {
        run(m_beforePlot);
        plot::PlotRecord record;
        try {
            plot::Cp_Click(
                    {P, L4, L5, {&T6[0], &T6[1], &T6[2], &T6[3]}, Text1, QLocale(), &record});
        } catch (const ui::RuntimeError &error) {
            for (const PlotHook &hook : m_afterPlot)
                hook(record, &error);
            throw;
        }
        for (const PlotHook &hook : m_afterPlot)
            hook(record, nullptr);
    });
    P.dblClick.connect(QStringLiteral("P_DblClick"), [this] {
        run(m_beforeClear);
        plot::P_DblClick(P);
        run(m_afterClear);
    });
    V1.change.connect(QStringLiteral("V1_Change"), [this] { plot::V1_Change(V1, L4); });
    V2.change.connect(QStringLiteral("V2_Change"), [this] { plot::V2_Change(V2, L5); });
    Timer1.tick.connect(QStringLiteral("Timer1_Timer"), [this] { decor::Timer1_Timer(Label1); });
    Timer2.tick.connect(QStringLiteral("Timer2_Timer"), [this] { decor::Timer2_Timer(mes); });
    Timer4.tick.connect(QStringLiteral("Timer4_Timer"), [this] {
        decor::Timer4_Timer({&s1, &s2, &s3, &s4});
    });
    Timer5.tick.connect(QStringLiteral("Timer5_Timer"), [this] { decor::Timer5_Timer(window); });
}

void Form1::start()
{
    window.load.raise();
    P.widget()->setFocus();
    window.show();
}

#include "animations.h"

#include "ui/label.h"
#include "ui/window.h"

namespace decor {

namespace {

struct Step
{
    ui::Colour from;
    ui::Colour to;
};

// The colour that follows `current` in a cycle; any colour not in it starts the cycle over.
ui::Colour following(ui::Colour current, const std::array<Step, 5> &cycle, ui::Colour restart)
{
    for (const Step &step : cycle) {
        if (current == step.from)
            return step.to;
    }
    return restart;
}

} // namespace

void Timer1_Timer(ui::Label &Label1)
{
    Label1.setLeft(Label1.left() + 10);
    if (Label1.left() == 5000)
        Label1.setLeft(0);
}

void Timer2_Timer(ui::Label &mes)
{
    mes.setFontSize(mes.fontSize() - 1);
    if (mes.fontSize() == 15)
        mes.setFontSize(18);
}

void Timer4_Timer(const std::array<ui::Label *, 4> &blocks)
{
    using ui::rgb;
    static constexpr std::array<Step, 5> cycle {{
            {rgb(255, 0, 0), rgb(0, 255, 0)},
            {rgb(0, 255, 0), rgb(0, 0, 255)},
            {rgb(0, 0, 255), rgb(0, 230, 255)},
            {rgb(0, 230, 255), rgb(100, 100, 0)},
            {rgb(100, 100, 0), rgb(100, 100, 100)},
    }};
    const ui::Colour next = following(blocks[0]->backColor(), cycle, rgb(255, 0, 0));
    for (ui::Label *block : blocks)
        block->setBackColor(next);
}

void Timer5_Timer(ui::Window &Form1)
{
    using ui::rgb;
    static constexpr std::array<Step, 5> cycle {{
            {rgb(0, 255, 0), rgb(0, 25, 0)},
            {rgb(0, 25, 0), rgb(0, 0, 11)},
            {rgb(0, 0, 11), rgb(0, 25, 25)},
            {rgb(0, 25, 25), rgb(200, 200, 0)},
            {rgb(200, 200, 0), rgb(200, 200, 250)},
    }};
    Form1.setBackColor(following(Form1.backColor(), cycle, rgb(0, 255, 0)));
}

} // namespace decor

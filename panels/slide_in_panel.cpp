#include "panels/slide_in_panel.h"

#include "forms_runtime/form_registry.h"
#include "forms_runtime/label.h"
#include "forms_runtime/screen.h"
#include "forms_runtime/timer.h"

namespace {

using forms::TimerDesign;

constexpr TimerDesign kTimers[] = {
    {"Timer1", 10, true},
    {"Timer2", 1, true},
};

} // namespace

SlideInPanel::SlideInPanel(const forms::FormDesign& design,
                           std::span<const forms::ControlDesign> controls)
    : Form(design)
{
    buildControls(controls);
    addTimers(kTimers);
    Timer1 = timer("Timer1");
    Timer2 = timer("Timer2");
    cmdX = label("cmdX");
    connect(Timer1, &forms::Timer::timer, this, &SlideInPanel::Timer1_Timer);
    connect(Timer2, &forms::Timer::timer, this, &SlideInPanel::Timer2_Timer);
    // The close label, or a double click where no label covers the panel.
    connect(cmdX, &forms::Label::clicked, this, &SlideInPanel::closedByUser);
    connect(this, &Form::doubleClicked, this, &SlideInPanel::closedByUser);
}

void SlideInPanel::load()
{
    // Just below the screen, 100 twips in from its right edge; Left before Top.
    setLeft(forms::Screen::width() - width() - kRightMargin);
    setTop(forms::Screen::height());
}

void SlideInPanel::Timer1_Timer()
{
    // The check normally runs between any two steps; on a busy machine two due steps can
    // come back to back, so run it here too and the panel always rests at the same place.
    Timer2_Timer();
    if (Timer1->isEnabled()) {
        setTop(top() - kRiseStep);
    }
}

void SlideInPanel::Timer2_Timer()
{
    const float limit = forms::Screen::height() - height() - kRestAboveBottom;
    if (limit > top()) {
        Timer1->setEnabled(false);
        // Nothing can start the rise again, so the check has nothing left to watch:
        // stopping it lets a resting panel cost no wake-ups at all.
        Timer2->setEnabled(false);
    }
}

void SlideInPanel::closedByUser()
{
    forms::unload(*this);
}

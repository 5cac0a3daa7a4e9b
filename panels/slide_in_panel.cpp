#include "panels/slide_in_panel.h"

#include "forms_runtime/form_registry.h"
#include "forms_runtime/label.h"
#include "forms_runtime/screen.h"
#include "forms_runtime/screen_changes.h"
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
    connect(&forms::ScreenChanges::instance(), &forms::ScreenChanges::changed, this,
            &SlideInPanel::screenChanged);
}

void SlideInPanel::load()
{
    placeBelowScreen();
}

void SlideInPanel::placeBelowScreen()
{
    // Just below the screen, 100 twips in from its right edge; Left before Top.
    setLeft(forms::Screen::width() - Width() - kRightMargin);
    setTop(forms::Screen::height());
}

void SlideInPanel::Timer1_Timer()
{
    // The check normally runs between any two steps; on a busy machine two due steps can
    // come back to back, so run it here too and the panel always rests at the same place.
    Timer2_Timer();
    if (Timer1->isEnabled()) {
        setTop(Top() - kRiseStep);
    }
}

void SlideInPanel::Timer2_Timer()
{
    if (hasRisenFarEnough(Top())) {
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

void SlideInPanel::screenChanged()
{
    // A smaller screen must not hide the panel for good: one that would not rest wholly on
    // the new screen is placed again as at load and rises from there, or, at rest, stands
    // at once where it would come to rest. One that fits is left alone.
    if (restsWhollyOnScreen()) {
        return;
    }
    const bool resting = !Timer1->isEnabled();
    placeBelowScreen();
    if (resting) {
        setTop(restingTopFrom(Top()));
    }
}

bool SlideInPanel::hasRisenFarEnough(forms::Twips panelTop) const
{
    return forms::Screen::height() - Height() - kRestAboveBottom > panelTop;
}

forms::Twips SlideInPanel::restingTopFrom(forms::Twips risingTop) const
{
    // The rise as the timers run it: the stop check before every step.
    forms::Twips panelTop = risingTop;
    while (!hasRisenFarEnough(panelTop)) {
        panelTop = panelTop - kRiseStep;
    }
    return panelTop;
}

bool SlideInPanel::restsWhollyOnScreen() const
{
    const forms::Twips restingTop = Timer1->isEnabled() ? restingTopFrom(Top()) : Top();
    const forms::Twips origin{0};
    return Left() >= origin && restingTop >= origin && Left() + Width() <= forms::Screen::width() &&
           restingTop + Height() <= forms::Screen::height();
}

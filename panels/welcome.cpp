#include "panels/welcome.h"

namespace {

using namespace forms;
using namespace forms::twips_literals;
using colours::kBlack;
using colours::kWhite;

constexpr FormDesign kForm{
    "Form2", 2895_tw, 2505_tw, kBlack, WindowKind::SlideInPanel, StartUpPosition::WindowsDefault,
    {},      "title"};

// Front to back.
constexpr ControlDesign kControls[] = {
    panelCloseLabel(2),
    LabelDesign{"Label1",
                kNoIndex,
                "By answering the questions below you can find out what type of skin you have",
                120_tw,
                360_tw,
                2655_tw,
                1935_tw,
                kBlack,
                kWhite,
                FontSpec{"Tahoma", 14.25f, kBold, 178},
                Alignment::Left,
                1,
                {}},
    panelTitle("Welcome"),
};

} // namespace

Welcome::Welcome() : SlideInPanel(kForm, kControls) {}

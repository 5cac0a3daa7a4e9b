#include "panels/welcome.h"

namespace {

using namespace forms;
using colours::kBlack;
using colours::kWhite;

constexpr FormDesign kForm{
    "Form2", 2895,   2505, kBlack, WindowKind::SlideInPanel, StartUpPosition::WindowsDefault,
    {},      "title"};

// Front to back.
constexpr ControlDesign kControls[] = {
    panelCloseLabel(2),
    LabelDesign{"Label1",
                kNoIndex,
                "By answering the questions below you can find out what type of skin you have",
                120,
                360,
                2655,
                1935,
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

#include "panels/form2.h"

namespace {

using namespace forms;
using namespace forms::twips_literals;
using colours::kBlack;
using colours::kWhite;

constexpr Colour kAdviceColour = 0x8080FF; // RGB 255, 128, 128
constexpr Colour kPointsColour = 0x0080FF; // RGB 255, 128, 0
constexpr FontSpec kResultFont{"Arial", 9.75f, kBold, 178};

constexpr FormDesign kForm{
    "Form2", 2895_tw, 5175_tw, kBlack, WindowKind::SlideInPanel, StartUpPosition::WindowsDefault,
    {},      "title"};

// Front to back. Label2 reaches 240 twips past the right edge, where it is cut.
constexpr ControlDesign kControls[] = {
    ShapeDesign{"Shape1", 0_tw, 360_tw, 2895_tw, 4815_tw, kWhite, 2},
    panelCloseLabel(4),
    LabelDesign{"Label3",
                kNoIndex,
                "Advice",
                240_tw,
                1440_tw,
                2535_tw,
                3495_tw,
                kBlack,
                kAdviceColour,
                kResultFont,
                Alignment::Left,
                3,
                {}},
    LabelDesign{"Label2",
                kNoIndex,
                "Skin Type is  ",
                240_tw,
                840_tw,
                2895_tw,
                1335_tw,
                kBlack,
                kWhite,
                kResultFont,
                Alignment::Left,
                2,
                {}},
    LabelDesign{"Label1",
                kNoIndex,
                "Your Point= ",
                240_tw,
                480_tw,
                2415_tw,
                375_tw,
                kBlack,
                kPointsColour,
                kResultFont,
                Alignment::Centre,
                1,
                {}},
    panelTitle("Result"),
};

} // namespace

Form2::Form2() : SlideInPanel(kForm, kControls)
{
    Label1 = label("Label1");
    Label2 = label("Label2");
    Label3 = label("Label3");
}

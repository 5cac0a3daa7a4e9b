#include "panels/welcome.h"

#include "forms_runtime/label.h"
#include "resources/look.h"

using namespace forms;
using namespace forms::twips_literals;

Welcome::Welcome()
    : SlideInPanel({.caption = "Form2",
                    .width = 2895_tw,
                    .height = 2505_tw,
                    .backColor = velorin::colours::kBlack,
                    .kind = WindowKind::Notification,
                    .startUpPosition = StartUpPosition::WindowsDefault,
                    .iconFolder = {}},
                   "Welcome", 2),
      Label1(add<Label>(
          {.name = "Label1",
           .index = kNoIndex,
           .caption =
               "By answering the questions below you can find out what type of skin you have",
           .left = 120_tw,
           .top = 360_tw,
           .width = 2655_tw,
           .height = 1935_tw,
           .backColor = velorin::colours::kBlack,
           .foreColor = velorin::colours::kWhite,
           .font = {"Tahoma", 14.25f, kBold, 178},
           .alignment = Alignment::Left,
           .tabIndex = 1,
           .toolTip = {}}))
{}

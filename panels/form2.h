#pragma once

#include "panels/slide_in_panel.h"

// The result panel: the points, the skin type and the advice of the last calculation.
class Form2 : public SlideInPanel
{
    Q_OBJECT

public:
    Form2();

    forms::Label* Label1 = nullptr; // the points line
    forms::Label* Label2 = nullptr; // the skin type
    forms::Label* Label3 = nullptr; // the advice
};

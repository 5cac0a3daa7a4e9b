// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questionnaire_window/form1.h"

#include "assessment/scoring.h"
#include "forms_runtime/answer_list.h"
#include "forms_runtime/failures.h"
#include "forms_runtime/form_registry.h"
#include "forms_runtime/keystrokes.h"
#include "forms_runtime/label.h"
#include "forms_runtime/message_box.h"
#include "forms_runtime/mouse_buttons.h"
#include "forms_runtime/shape.h"
#include "forms_runtime/text.h"
#include "forms_runtime/window_drag.h"
#include "panels/form2.h"
#include "panels/welcome.h"
#include "resources/look.h"

using forms::toQString;

namespace {
constexpr forms::Colour kPressedColour = 0xFFC0C0; // RGB 192, 192, 255
} // namespace
using velorin::colours::kAccent;
using velorin::colours::kBlack;
using velorin::colours::kWhite;

void Form1::connectHandlers()
{
    for (int i = 0; i < assessment::kQuestionCount; ++i) {
        connect(Combo1[i], &forms::AnswerList::change, this, [this, i] { Combo1_Change(i); });
    }
    connect(this, &Form::mouseMove, this, &Form1::Form_MouseMove);
    connect(this, &Form::keyDown, this, &Form1::Form_KeyDown);
    connect(title, &forms::Label::mouseMove, this, &Form1::title_MouseMove);
    connect(Label1, &forms::Label::mouseMove, this, &Form1::Label1_MouseMove);
    connect(Label1, &forms::Label::mouseDown, this, &Form1::Label1_MouseDown);
    connect(Label1, &forms::Label::clicked, this, &Form1::Label1_Click);
    connect(about, &forms::Label::clicked, this, &Form1::about_Click);
    connect(cmdX, &forms::Label::clicked, this, &Form1::cmdX_Click);
}

QString Form1::aboutText()
{
    return QStringLiteral("Velorin v.1.0\r\n"
                          "Programming by : Halvessen \r\n"
                          "you can contact me via <halvessen@example.org> ");
}

void Form1::load()
{
    forms::show<Welcome>();
}

void Form1::Form_MouseMove(int buttons)
{
    forms::ignoringFailure([&] {
        if (buttons == forms::kLeftButtonAlone) {
            forms::dragWindow(*this);
        }
    });
    forms::ignoringFailure([&] { setButtonNormal(); });
}

void Form1::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    // Enter on the keypad carries the keypad modifier; it is the same key to the user.
    modifiers &= ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            calculateFromKeyboard();
            break;
        case Qt::Key_Escape:
            closeFrontPanel();
            break;
        case Qt::Key_F1:
            about_Click();
            break;
        default:
            break;
        }
    } else if (modifiers == Qt::ControlModifier && key == Qt::Key_Q) {
        cmdX_Click();
    }
}

void Form1::title_MouseMove(int buttons)
{
    if (buttons == forms::kLeftButtonAlone) {
        forms::dragWindow(*this);
    }
}

void Form1::Label1_MouseMove(int)
{
    setButtonHover();
}

void Form1::Label1_MouseDown(int)
{
    Label1->setBackColor(kPressedColour);
    forms::show<Form2>();
}

void Form1::Label1_Click()
{
    using forms::ignoringFailure;
    ignoringFailure([] { forms::hide<Welcome>(); });

    // Read afresh on every click; a list that cannot be read repeats the last value read.
    std::array<assessment::AnswerPosition, assessment::kQuestionCount> positions{};
    assessment::AnswerPosition position = 0;
    for (int i = 0; i < assessment::kQuestionCount; ++i) {
        ignoringFailure(
            [&] { position = static_cast<assessment::AnswerPosition>(Combo1[i]->listIndex()); });
        positions[i] = position;
    }
    const assessment::AssessmentResult result = assessment::ScoreAnswers(positions);

    ignoringFailure(
        [&] { forms::form<Form2>().Label2->setCaption(toQString(result.SkinTypeCaption)); });
    ignoringFailure([&] { forms::form<Form2>().Label3->setCaption(toQString(result.AdviceText)); });
    ignoringFailure([&] { forms::form<Form2>().Label1->setCaption(toQString(result.PointsLine)); });
}

void Form1::Combo1_Change(int index)
{
    // Typing guard: the Backspace is handled after this returns, and its own edit comes
    // back here, so the text before the caret is erased one character at a time. It goes to
    // the list typed into: by then the focus may be in the next list, whose answer must stay.
    forms::queueKeystroke(*Combo1[index], Qt::Key_Backspace);
}

void Form1::about_Click()
{
    forms::showQuestionMessage(aboutText(), QStringLiteral("Velorin"));
}

void Form1::cmdX_Click()
{
    forms::end();
}

void Form1::calculateFromKeyboard()
{
    // What a click on the calculate button does, its colours aside. The result is written
    // before the panel shows, so the panel is announced with its texts.
    Label1_Click();
    forms::show<Form2>();
}

void Form1::closeFrontPanel()
{
    // The result panel stands in front of the welcome panel; a hidden panel is left alone.
    for (SlideInPanel* panel : {static_cast<SlideInPanel*>(forms::loadedForm<Form2>()),
                                static_cast<SlideInPanel*>(forms::loadedForm<Welcome>())}) {
        if (panel != nullptr && panel->isVisible()) {
            forms::unload(*panel);
            return;
        }
    }
}

void Form1::setButtonNormal()
{
    Label1->setBackColor(kBlack);
    Shape1->setBorderColor(kAccent);
}

void Form1::setButtonHover()
{
    Label1->setBackColor(kAccent);
    Shape1->setBorderColor(kWhite);
}

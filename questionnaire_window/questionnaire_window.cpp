// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questionnaire_window/questionnaire_window.h"

#include "assessment/scoring.h"
#include "controls/answer_list.h"
#include "controls/label.h"
#include "controls/mouse_buttons.h"
#include "controls/shape.h"
#include "controls/text.h"
#include "forms_runtime/form_registry.h"
#include "forms_runtime/keystrokes.h"
#include "forms_runtime/message_box.h"
#include "panels/result_panel.h"
#include "panels/welcome_panel.h"
#include "resources/look.h"

using forms::toQString;

namespace {
constexpr QColor kPressedColour(192, 192, 255);
} // namespace
using velorin::colours::kAccent;
using velorin::colours::kBlack;
using velorin::colours::kWhite;

void QuestionnaireWindow::connectHandlers()
{
    for (int i = 0; i < assessment::kQuestionCount; ++i) {
        connect(answerLists[i], &forms::AnswerList::change, this,
                [this, i] { onAnswerTextEdited(i); });
    }
    connect(this, &Form::mouseMove, this, &QuestionnaireWindow::onMouseMovedOverWindow);
    connect(this, &Form::keyDown, this, &QuestionnaireWindow::onKeyPressed);
    connect(title, &forms::Label::mouseMove, this, &QuestionnaireWindow::onMouseMovedOverTitle);
    connect(calculateButton, &forms::Label::mouseMove, this,
            &QuestionnaireWindow::onMouseMovedOverCalculateButton);
    connect(calculateButton, &forms::Label::mouseDown, this,
            &QuestionnaireWindow::onCalculateButtonPressed);
    connect(calculateButton, &forms::Label::clicked, this,
            &QuestionnaireWindow::onCalculateClicked);
    connect(aboutButton, &forms::Label::clicked, this, &QuestionnaireWindow::onAboutClicked);
    connect(closeButton, &forms::Label::clicked, this, &QuestionnaireWindow::onCloseClicked);
}

QString QuestionnaireWindow::aboutText()
{
    return QStringLiteral("Velorin v.1.0\r\n"
                          "Programming by : Halvessen \r\n"
                          "you can contact me via <halvessen@example.org> ");
}

void QuestionnaireWindow::load()
{
    forms::show<WelcomePanel>();
}

void QuestionnaireWindow::onMouseMovedOverWindow(int buttons)
{
    if (buttons == forms::kLeftButtonAlone) {
        m_windowDrag.start();
    }
    setButtonNormal();
}

void QuestionnaireWindow::onKeyPressed(int key, Qt::KeyboardModifiers modifiers)
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
            onAboutClicked();
            break;
        default:
            break;
        }
    } else if (modifiers == Qt::ControlModifier && key == Qt::Key_Q) {
        onCloseClicked();
    }
}

void QuestionnaireWindow::onMouseMovedOverTitle(int buttons)
{
    if (buttons == forms::kLeftButtonAlone) {
        m_windowDrag.start();
    }
}

void QuestionnaireWindow::onMouseMovedOverCalculateButton(int)
{
    setButtonHover();
}

void QuestionnaireWindow::onCalculateButtonPressed(int)
{
    calculateButton->setBackColor(kPressedColour);
    forms::show<ResultPanel>();
}

void QuestionnaireWindow::onCalculateClicked()
{
    forms::hide<WelcomePanel>();
    // Read afresh on every click: nothing of an earlier calculation is kept.
    std::array<assessment::AnswerPosition, assessment::kQuestionCount> positions{};
    for (int i = 0; i < assessment::kQuestionCount; ++i) {
        positions[i] = static_cast<assessment::AnswerPosition>(answerLists[i]->listIndex());
    }
    const assessment::AssessmentResult result = assessment::scoreAnswers(positions);

    ResultPanel& resultPanel = forms::form<ResultPanel>();
    resultPanel.skinTypeCaption->setCaption(toQString(result.skinTypeCaption));
    resultPanel.adviceText->setCaption(toQString(result.adviceText));
    resultPanel.pointsLine->setCaption(toQString(result.pointsLine));
}

void QuestionnaireWindow::onAnswerTextEdited(int index)
{
    // Typing guard: the Backspace is handled after this returns, and its own edit comes
    // back here, so the text before the caret is erased one character at a time. It goes to
    // the list typed into: by then the focus may be in the next list, whose answer must stay.
    forms::queueKeystroke(*answerLists[index], Qt::Key_Backspace);
}

void QuestionnaireWindow::onAboutClicked()
{
    forms::showQuestionMessage(aboutText(), QStringLiteral("Velorin"));
}

void QuestionnaireWindow::onCloseClicked()
{
    forms::end();
}

void QuestionnaireWindow::calculateFromKeyboard()
{
    // What a click on the calculate button does, its colours aside. The result is written
    // before the panel shows, so the panel is announced with its texts.
    onCalculateClicked();
    forms::show<ResultPanel>();
}

void QuestionnaireWindow::closeFrontPanel()
{
    // The result panel stands in front of the welcome panel; a hidden panel is left alone.
    for (SlideInPanel* panel : {static_cast<SlideInPanel*>(forms::loadedForm<ResultPanel>()),
                                static_cast<SlideInPanel*>(forms::loadedForm<WelcomePanel>())}) {
        if (panel != nullptr && panel->isVisible()) {
            forms::unload(*panel);
            return;
        }
    }
}

void QuestionnaireWindow::setButtonNormal()
{
    calculateButton->setBackColor(kBlack);
    calculateButtonFrame->setBorderColor(kAccent);
}

void QuestionnaireWindow::setButtonHover()
{
    calculateButton->setBackColor(kAccent);
    calculateButtonFrame->setBorderColor(kWhite);
}

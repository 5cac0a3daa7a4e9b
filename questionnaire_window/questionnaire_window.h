// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms_runtime/form.h"
#include "forms_runtime/window_drag.h"

#include <array>

namespace forms {
class AnswerList;
class Label;
class Line;
class Shape;
} // namespace forms

// The questionnaire window: ten questions, each answered from a list, and the calculate
// button that scores the answers into the result panel.
class QuestionnaireWindow : public forms::Form
{
    Q_OBJECT

public:
    QuestionnaireWindow();

    // Front to back, as drawn.
    const std::array<forms::AnswerList*, 10> answerLists;
    forms::Label* const aboutButton;
    const std::array<forms::Label*, 10> questionLabels;
    const std::array<forms::Line*, 10> separatorLines;
    forms::Label* const closeButton;
    forms::Label* const title;
    forms::Shape* const calculateButtonFrame;
    forms::Label* const calculateButton;

    static QString aboutText();

protected:
    void load() override;

private slots:
    void onMouseMovedOverWindow(int buttons);
    void onKeyPressed(int key, Qt::KeyboardModifiers modifiers);
    void onMouseMovedOverTitle(int buttons);
    void onMouseMovedOverCalculateButton(int buttons);
    void onCalculateButtonPressed(int button);
    void onCalculateClicked();
    void onAnswerTextEdited(int index);
    void onAboutClicked();
    void onCloseClicked();

private:
    void connectHandlers();
    void setButtonNormal();
    void setButtonHover();
    void calculateFromKeyboard();
    void closeFrontPanel();

    forms::WindowDrag m_windowDrag{*this};
};

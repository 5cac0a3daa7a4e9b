// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms_runtime/form.h"

#include <array>

namespace forms {
class AnswerList;
class Label;
class Line;
class Shape;
} // namespace forms

// The questionnaire window: ten questions, each answered from a list, and the calculate
// button that scores the answers into the result panel.
class Form1 : public forms::Form
{
    Q_OBJECT

public:
    Form1();

    // Front to back, as drawn.
    const std::array<forms::AnswerList*, 10> Combo1;
    forms::Label* const about;
    const std::array<forms::Label*, 10> question;
    const std::array<forms::Line*, 10> Line1;
    forms::Label* const cmdX;
    forms::Label* const title;
    forms::Shape* const Shape1; // the calculate button's frame
    forms::Label* const Label1; // the calculate button

    static QString aboutText();

protected:
    void load() override;

private slots:
    void Form_MouseMove(int buttons);
    void Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void title_MouseMove(int buttons);
    void Label1_MouseMove(int buttons);
    void Label1_MouseDown(int button);
    void Label1_Click();
    void Combo1_Change(int index);
    void about_Click();
    void cmdX_Click();

private:
    void connectHandlers();
    void setButtonNormal();
    void setButtonHover();
    void calculateFromKeyboard();
    void closeFrontPanel();
};

// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace assessment {

inline constexpr int kQuestionCount = 10;
inline constexpr int kAnswersPerQuestion = 4;

// The place of the chosen entry in a list: -1 while nothing is chosen, else 0 to 3.
using AnswerPosition = std::int16_t;

struct Question
{
    std::string_view text; // with its trailing line breaks
    std::array<std::string_view, kAnswersPerQuestion> answers;
};

// The fixed questionnaire, in screen order. Answers run from the most sun-sensitive
// person (position 0) to the least sensitive (position 3); scoring rests on that order.
const std::array<Question, kQuestionCount>& questions();

std::string_view questionText(int question);
std::string_view answerText(int question, int position);
// What a list shows before anything is chosen: its first answer, not selected.
std::string_view initialText(int question);

} // namespace assessment

// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "assessment/questionnaire.h"

#include <span>
#include <string>
#include <string_view>

namespace assessment {

// What the result panel reports of one skin type.
struct SkinType
{
    std::string_view skinTypeCaption;
    std::string_view adviceText;
};

struct AssessmentResult
{
    int points;
    std::string skinTypeCaption;
    std::string adviceText;
    std::string pointsLine;
};

int answerPoints(AnswerPosition position);
// 10 to 15 points are type I, 16 to 25 type II, 26 to 35 type III, any other sum type IV.
const SkinType& classifyPoints(int points);
AssessmentResult scoreAnswers(std::span<const AnswerPosition, kQuestionCount> positions);

} // namespace assessment

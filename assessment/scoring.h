// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "assessment/questionnaire.h"

#include <span>
#include <string>
#include <string_view>

namespace assessment {

// One row of the points table. Both ends are inclusive; the fallback row has no range
// of its own (NaN ends, which hold no sum).
struct SkinTypeBand
{
    float LowestPoints;
    float HighestPoints;
    std::string_view SkinTypeCaption;
    std::string_view AdviceText;
};

struct AssessmentResult
{
    float Points;
    std::string SkinTypeCaption;
    std::string AdviceText;
    std::string PointsLine;
};

std::int16_t AnswerPoints(AnswerPosition position);
const SkinTypeBand& ClassifyPoints(float points);
// The points as the result panel writes them: whole sums as bare decimal digits.
std::string PointsText(float points);
AssessmentResult ScoreAnswers(std::span<const AnswerPosition, kQuestionCount> positions);

} // namespace assessment

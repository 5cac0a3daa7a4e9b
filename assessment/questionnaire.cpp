// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assessment/questionnaire.h"

namespace assessment {

namespace {

constexpr std::array<Question, kQuestionCount> kQuestions{{
    {"What is the natural colour of your skin?\r\n\r\n", {"Reddish", "Whitish", "Beige", "Brown"}},
    {"What colour are your eyes?\r\n",
     {"Bright blue,light grey,light green", "Blue, grey or green", "Grey or brown", "Dark"}},
    {"What is your natural hair colour?\r\n\r\n",
     {"red to blond", "blond to brown", "Grey or brown", "Dark brown to black"}},
    {"How long can you stay in the summer sun without suntan lotion before you burn?\r\n\r\n",
     {"Less than 15 minutes", "15 to 20 minutes", "25 to 40 minutes", "more than 40 minutes"}},
    {"How many Freckles do you have?\r\n\r\n", {"Lots", "Some", "Few", "None"}},
    {"Does your skin usually display a tanning effect immediately after a long sun bathing "
     "session?\r\n\r\n",
     {"Never", "Not usually", "Often", "Usually"}},
    {"Does your skin go brown after a long sunbathing session?\r\n\r\n",
     {"Hardly or not at all", "A little", "Very and progressively", "Quickly and deeply"}},
    {"Does your face react to the sun?\r\n\r\n", {"Yes strongly", "Yes", "Yes normally", "No"}},
    {"How does your skin react to sunburn?\r\n\r\n",
     {"Painfully with blisters and peeling", "Painfully with peeling",
      "Slight reaction some peeling", "Little reaction rarely peeling"}},
    {"How does your skin react to long sunbathing sessions?\r\n\r\n",
     {"Always burn", "Usually burn", "Often burn", "Rarely or never burn"}},
}};

} // namespace

const std::array<Question, kQuestionCount>& questions()
{
    return kQuestions;
}

std::string_view questionText(int question)
{
    return kQuestions.at(question).text;
}

std::string_view answerText(int question, int position)
{
    return kQuestions.at(question).answers.at(position);
}

std::string_view initialText(int question)
{
    return answerText(question, 0);
}

} // namespace assessment

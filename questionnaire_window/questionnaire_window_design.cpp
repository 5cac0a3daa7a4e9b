// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The questionnaire window's design table: the window and its controls, front to back.
#include "assessment/questionnaire.h"
#include "controls/answer_list.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/shape.h"
#include "questionnaire_window/questionnaire_window.h"
#include "resources/look.h"

#include <array>

using namespace forms;
using namespace forms::twips_literals;
using velorin::colours::kAccent;
using velorin::colours::kBlack;
using velorin::colours::kWhite;

namespace {

constexpr FontSpec kTitleFont{"Tahoma", 14.25f, kBold};
constexpr FontSpec kButtonFont{"Arial", 14.25f, kBold};
constexpr FontSpec kQuestionFont{"Arial", 12, kBold};
constexpr FontSpec kListFont{"Tahoma", 8.25f, kRegular};

constexpr Twips kListWidth{2775};
constexpr Twips kListHeight{315};
constexpr Twips kLineLeft{120};
constexpr Twips kLineRight{8880};

// One question row: its label, its answer list and the separator line below them.
struct QuestionRow
{
    Twips left, top, width, height;
    int questionTabIndex;
    Twips listLeft, listTop;
    int listTabIndex;
    Twips lineY;
};

constexpr std::array<QuestionRow, assessment::kQuestionCount> kRows{{
    {360_tw, 720_tw, 5895_tw, 375_tw, 0, 5880_tw, 720_tw, 1, 1320_tw},
    {360_tw, 1560_tw, 5895_tw, 615_tw, 12, 5880_tw, 1560_tw, 2, 2160_tw},
    {360_tw, 2400_tw, 5895_tw, 375_tw, 13, 5880_tw, 2400_tw, 3, 3000_tw},
    {360_tw, 3120_tw, 5655_tw, 735_tw, 14, 5880_tw, 3240_tw, 4, 3840_tw},
    {360_tw, 4080_tw, 5895_tw, 375_tw, 15, 5880_tw, 4080_tw, 5, 4680_tw},
    {360_tw, 4800_tw, 5535_tw, 615_tw, 16, 5880_tw, 4920_tw, 6, 5520_tw},
    {360_tw, 5640_tw, 5415_tw, 615_tw, 17, 5880_tw, 5760_tw, 8, 6360_tw},
    {360_tw, 6600_tw, 5895_tw, 375_tw, 18, 5880_tw, 6600_tw, 9, 7200_tw},
    {405_tw, 7440_tw, 5895_tw, 375_tw, 20, 5925_tw, 7440_tw, 19, 8040_tw},
    {285_tw, 8160_tw, 6255_tw, 615_tw, 22, 5880_tw, 8280_tw, 21, 8880_tw},
}};

// One design row per question, built from the rows above.
template <class Design, class MakeRow>
std::array<Design, assessment::kQuestionCount> perQuestion(MakeRow makeRow)
{
    std::array<Design, assessment::kQuestionCount> rows{};
    for (int i = 0; i < assessment::kQuestionCount; ++i) {
        rows[i] = makeRow(i, kRows[i]);
    }
    return rows;
}

ListDesign answerList(int i, const QuestionRow& row)
{
    return {.name = "answerList",
            .index = i,
            .left = row.listLeft,
            .top = row.listTop,
            .width = kListWidth,
            .height = kListHeight,
            .backColor = kWhite,
            .foreColor = kBlack,
            .font = kListFont,
            .tabIndex = row.listTabIndex,
            .entries = assessment::questions()[i].answers,
            .initialText = assessment::initialText(i)};
}

LabelDesign questionLabel(int i, const QuestionRow& row)
{
    return {.name = "questionLabel",
            .index = i,
            .caption = assessment::questionText(i),
            .left = row.left,
            .top = row.top,
            .width = row.width,
            .height = row.height,
            .backColor = kBlack,
            .foreColor = kWhite,
            .font = kQuestionFont,
            .tabIndex = row.questionTabIndex};
}

LineDesign separatorLine(int i, const QuestionRow& row)
{
    return {.name = "separatorLine",
            .index = i,
            .x1 = kLineLeft,
            .y1 = row.lineY,
            .x2 = kLineRight,
            .y2 = row.lineY,
            .colour = kWhite,
            .widthPixels = 2};
}

} // namespace

// Where a question reaches down to its separator line, the question lies over it.
QuestionnaireWindow::QuestionnaireWindow()
    : Form({.caption = "Form1",
            .width = 9015_tw,
            .height = 9675_tw,
            .backColor = kBlack,
            .kind = WindowKind::Main,
            .startUpPosition = StartUpPosition::CenterScreen,
            .iconFolder = ":/icons/window"}),
      answerLists(add<AnswerList>(perQuestion<ListDesign>(answerList))),
      aboutButton(add<Label>({.name = "aboutButton",
                              .caption = "?",
                              .left = 8760_tw,
                              .top = 0_tw,
                              .width = 120_tw,
                              .height = 240_tw,
                              .backColor = kAccent,
                              .foreColor = kWhite,
                              .font = velorin::kCaptionBarFont,
                              .alignment = Alignment::Centre,
                              .tabIndex = 23,
                              .toolTip = "About"})),
      questionLabels(add<Label>(perQuestion<LabelDesign>(questionLabel))),
      separatorLines(add<Line>(perQuestion<LineDesign>(separatorLine))),
      closeButton(add<Label>(velorin::closeLabel(8520_tw, 11))),
      title(add<Label>({.name = "title",
                        .caption = "Velorin",
                        .left = 0_tw,
                        .top = 0_tw,
                        .width = 9015_tw,
                        .height = 465_tw,
                        .backColor = kAccent,
                        .foreColor = kWhite,
                        .font = kTitleFont,
                        .alignment = Alignment::Centre,
                        .tabIndex = 7})),
      calculateButtonFrame(add<Shape>({.name = "calculateButtonFrame",
                                       .left = 2167_tw,
                                       .top = 9090_tw,
                                       .width = 4680_tw,
                                       .height = 405_tw,
                                       .borderColor = kAccent,
                                       .borderPixels = 2})),
      calculateButton(add<Label>({.name = "calculateButton",
                                  .caption = "Calculate Your Skin Type",
                                  .left = 2167_tw,
                                  .top = 9090_tw,
                                  .width = 4680_tw,
                                  .height = 420_tw,
                                  .backColor = kBlack,
                                  .foreColor = kWhite,
                                  .font = kButtonFont,
                                  .alignment = Alignment::Centre,
                                  .tabIndex = 10}))
{
    // Each question names its list to assistive tools, and the caption bar the window.
    for (std::size_t i = 0; i < questionLabels.size(); ++i) {
        questionLabels[i]->setBuddy(answerLists[i]);
    }
    nameAfter(title);
    connectHandlers();
}

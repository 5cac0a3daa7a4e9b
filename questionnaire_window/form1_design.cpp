#include "questionnaire_window/form1_design.h"

#include "assessment/questionnaire.h"

#include <array>

namespace form1_design {

namespace {

using namespace forms;
using colours::kAccent;
using colours::kBlack;
using colours::kWhite;

constexpr FormDesign kForm{
    "Form1",          9015,   9675, kBlack, WindowKind::Main, StartUpPosition::CenterScreen,
    ":/icons/window", "title"};

constexpr FontSpec kTitleFont{"Tahoma", 14.25f, kBold, 178};
constexpr FontSpec kButtonFont{"Arial", 14.25f, kBold, 178};
constexpr FontSpec kQuestionFont{"Arial", 12, kBold, 178};
constexpr FontSpec kListFont{"Tahoma", 8.25f, kRegular, 178};
constexpr FontSpec kCaptionBarFont{"Arial", 9.75f, kBold, 0};

constexpr float kListWidth = 2775;
constexpr float kListHeight = 315;
constexpr float kLineLeft = 120;
constexpr float kLineRight = 8880;

// One question row: its label, its answer list and the separator line below them.
struct QuestionRow
{
    float left, top, width, height;
    int questionTabIndex;
    float listLeft, listTop;
    int listTabIndex;
    float lineY;
};

constexpr std::array<QuestionRow, assessment::kQuestionCount> kRows{{
    {360, 720, 5895, 375, 0, 5880, 720, 1, 1320},
    {360, 1560, 5895, 615, 12, 5880, 1560, 2, 2160},
    {360, 2400, 5895, 375, 13, 5880, 2400, 3, 3000},
    {360, 3120, 5655, 735, 14, 5880, 3240, 4, 3840},
    {360, 4080, 5895, 375, 15, 5880, 4080, 5, 4680},
    {360, 4800, 5535, 615, 16, 5880, 4920, 6, 5520},
    {360, 5640, 5415, 615, 17, 5880, 5760, 8, 6360},
    {360, 6600, 5895, 375, 18, 5880, 6600, 9, 7200},
    {405, 7440, 5895, 375, 20, 5925, 7440, 19, 8040},
    {285, 8160, 6255, 615, 22, 5880, 8280, 21, 8880},
}};

ListDesign answerList(int i)
{
    const QuestionRow& row = kRows[i];
    const auto& question = assessment::questions()[i];
    return {"Combo1",         i,
            row.listLeft,     row.listTop,
            kListWidth,       kListHeight,
            kWhite,           kBlack,
            kListFont,        row.listTabIndex,
            question.answers, assessment::initialText(i),
            "question"};
}

LabelDesign questionLabel(int i)
{
    const QuestionRow& row = kRows[i];
    return {"question",
            i,
            assessment::questionText(i),
            row.left,
            row.top,
            row.width,
            row.height,
            kBlack,
            kWhite,
            kQuestionFont,
            Alignment::Left,
            row.questionTabIndex,
            {}};
}

LineDesign separatorLine(int i)
{
    const QuestionRow& row = kRows[i];
    return {"Line1", i, kLineLeft, row.lineY, kLineRight, row.lineY, kWhite, 2};
}

std::vector<ControlDesign> buildControls()
{
    std::vector<ControlDesign> rows;
    for (int i = 0; i < assessment::kQuestionCount; ++i) {
        rows.emplace_back(answerList(i));
    }
    rows.emplace_back(LabelDesign{"about", kNoIndex, "?", 8760, 0, 120, 240, kAccent, kWhite,
                                  kCaptionBarFont, Alignment::Centre, 23, "About"});
    // question(i) lies over Line1(i) from the bottom row up; the first row's line lies over
    // its question.
    for (int i = assessment::kQuestionCount - 1; i >= 1; --i) {
        rows.emplace_back(questionLabel(i));
        rows.emplace_back(separatorLine(i));
    }
    rows.emplace_back(separatorLine(0));
    rows.emplace_back(questionLabel(0));
    rows.emplace_back(LabelDesign{"cmdX", kNoIndex, "X", 8520, 0, 150, 195, kAccent, kWhite,
                                  kCaptionBarFont, Alignment::Centre, 11, "Close"});
    rows.emplace_back(LabelDesign{"title",
                                  kNoIndex,
                                  "Velorin",
                                  0,
                                  0,
                                  9015,
                                  465,
                                  kAccent,
                                  kWhite,
                                  kTitleFont,
                                  Alignment::Centre,
                                  7,
                                  {}});
    rows.emplace_back(ShapeDesign{"Shape1", 2167, 9090, 4680, 405, kAccent, 2});
    rows.emplace_back(LabelDesign{"Label1",
                                  kNoIndex,
                                  "Calculate Your Skin Type",
                                  2167,
                                  9090,
                                  4680,
                                  420,
                                  kBlack,
                                  kWhite,
                                  kButtonFont,
                                  Alignment::Centre,
                                  10,
                                  {}});
    return rows;
}

} // namespace

const FormDesign& form()
{
    return kForm;
}

const std::vector<ControlDesign>& controls()
{
    static const std::vector<ControlDesign> rows = buildControls();
    return rows;
}

} // namespace form1_design

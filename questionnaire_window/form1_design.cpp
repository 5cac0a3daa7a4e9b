#include "questionnaire_window/form1_design.h"

#include "assessment/questionnaire.h"

#include <array>

namespace form1_design {

namespace {

using namespace forms;
using namespace forms::twips_literals;
using colours::kAccent;
using colours::kBlack;
using colours::kWhite;

constexpr FormDesign kForm{"Form1",          9015_tw,          9675_tw,
                           kBlack,           WindowKind::Main, StartUpPosition::CenterScreen,
                           ":/icons/window", "title"};

constexpr FontSpec kTitleFont{"Tahoma", 14.25f, kBold, 178};
constexpr FontSpec kButtonFont{"Arial", 14.25f, kBold, 178};
constexpr FontSpec kQuestionFont{"Arial", 12, kBold, 178};
constexpr FontSpec kListFont{"Tahoma", 8.25f, kRegular, 178};
constexpr FontSpec kCaptionBarFont{"Arial", 9.75f, kBold, 0};

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
    rows.emplace_back(LabelDesign{"about", kNoIndex, "?", 8760_tw, 0_tw, 120_tw, 240_tw, kAccent,
                                  kWhite, kCaptionBarFont, Alignment::Centre, 23, "About"});
    // question(i) lies over Line1(i) from the bottom row up; the first row's line lies over
    // its question.
    for (int i = assessment::kQuestionCount - 1; i >= 1; --i) {
        rows.emplace_back(questionLabel(i));
        rows.emplace_back(separatorLine(i));
    }
    rows.emplace_back(separatorLine(0));
    rows.emplace_back(questionLabel(0));
    rows.emplace_back(LabelDesign{"cmdX", kNoIndex, "X", 8520_tw, 0_tw, 150_tw, 195_tw, kAccent,
                                  kWhite, kCaptionBarFont, Alignment::Centre, 11, "Close"});
    rows.emplace_back(LabelDesign{"title",
                                  kNoIndex,
                                  "Velorin",
                                  0_tw,
                                  0_tw,
                                  9015_tw,
                                  465_tw,
                                  kAccent,
                                  kWhite,
                                  kTitleFont,
                                  Alignment::Centre,
                                  7,
                                  {}});
    rows.emplace_back(ShapeDesign{"Shape1", 2167_tw, 9090_tw, 4680_tw, 405_tw, kAccent, 2});
    rows.emplace_back(LabelDesign{"Label1",
                                  kNoIndex,
                                  "Calculate Your Skin Type",
                                  2167_tw,
                                  9090_tw,
                                  4680_tw,
                                  420_tw,
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

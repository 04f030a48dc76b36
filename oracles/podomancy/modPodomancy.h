#pragma once

#include <QString>

// The foot questionnaire: its eight answer groups and the fixed result rules
// that give every answer its interpretation. Nothing here is drawn at random.
namespace modPodomancy {

inline constexpr int GroupCount = 8;
inline constexpr int RuleCount = 28;

// Group indices double as page indices of the questionnaire.
enum Group {
    ToeAppearance,
    InclinationofToes,
    BigToe,
    SecondToe,
    FootArches,
    ToeShape,
    ColorofNails,
    RidgesonToeNails,
};

struct AnswerGroup {
    const char *optionName;  // the option buttons' control array
    const char *pageCaption; // caption of the questionnaire page
    const char *boxCaption;  // caption of the interpretation box
    const char *nameLabel;   // label that receives the chosen option's caption
    const char *resultLabel; // label that receives its interpretation
    int size;                // number of options
};

// In page order; this is also the order in which a reading is written.
extern const AnswerGroup AnswerGroups[GroupCount];

struct ResultRule {
    Group group;
    int index;                  // option index within its group, 0 upward
    const char *option;         // the option's caption (UTF-8)
    const char *interpretation; // UTF-8; trailing blanks are part of the text
};

// Grouped in page order, options in index order.
extern const ResultRule ResultRules[RuleCount];

// The group's number of options; 0 for a group that does not exist.
int GroupSize(int group);

// The rule of option `index` of `group`, or nullptr when there is none.
const ResultRule *FindResultRule(int group, int index);

// Caption and interpretation of one option; empty when there is no such option.
QString OptionCaption(int group, int index);
QString Interpretation(int group, int index);

} // namespace modPodomancy

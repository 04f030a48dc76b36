#include "modPodomancy.h"

namespace modPodomancy {

const AnswerGroup AnswerGroups[GroupCount] = {
    {"optToeAppearance", "Toe Appearance", "Toe Appearance", "lblToeAppearance", "lblToeAppearanceResult", 6},
    {"optInclinationofToes", "Inclination of Toes", "Inclination of Toes", "lblInclinationofToes",
     "lblInclinationofToesResult", 2},
    {"optBigToe", "Big Toe", "Big Toe", "lblBigToe", "lblBigToeResult", 5},
    {"optSecondToe", "Second Toe", "Second Toe", "lblSecondToe", "lblSecondToeResult", 3},
    // The page caption carries a trailing blank; the interpretation box does not.
    {"optFootArches", "Foot Arches ", "Foot Arches", "lblFootArches", "lblFootArchesResult", 3},
    {"optToeShape", "Toe Shape", "Toe Shape", "lblToeShape", "lblToeShapeResult", 3},
    {"optColorofNails", "Color of Nails", "Color of Nails", "lblColorofNails", "lblColorofNailsResult", 4},
    {"optRidgesonToeNails", "Ridges on Toe Nails", "Ridges on Toe Nails", "lblRidgesonToeNails",
     "lblRidgesonToeNailsResult", 2},
};

const ResultRule ResultRules[RuleCount] = {
    {ToeAppearance, 0, "Large", "This toe indicates a high level of energy."},
    {ToeAppearance, 1, "Short", "This toe indicates that you are controlled and not very expressive."},
    {ToeAppearance, 2, "Pointed", "This toe indicates that you are prone to sudden bursts of energy."},
    {ToeAppearance, 3, "Rounded", "You are vulnerable but also diplomatic."},
    {ToeAppearance, 4, "Spatulate",
     "This toe indicates a lot of energy that can be powerful if used the right way. "},
    {ToeAppearance, 5, "Rectangular", "This toe signifies a practical and down-to-earth nature."},

    {InclinationofToes, 0, "Bent towards Big Toe", "This means that you still think about past happenings."},
    {InclinationofToes, 1, "Bent towards Little Toe", "You are in a hurry to face the unknown future."},

    {BigToe, 0, "Large Big Toe",
     "You may talk too much on the verge of boastfulness and not implement all your ideas but you may also "
     "be rational. This also indicates wealth and prosperity. "},
    {BigToe, 1, "Small Big Toe", "You may not be very dependable by nature."},
    {BigToe, 2, "Rounded Big Toe ", "You are very clever and can go to great heights in life."},
    {BigToe, 3, "Painful Big Toe", "You may have to face sorrows in life."},
    {BigToe, 4, "Standalone Big Toe", "You are not very comfortable with sharing your feelings with others."},

    {SecondToe, 0, "Second Toe Larger than the Big Toe",
     "You may have a dominating nature. But you can be a leader if you take life positively."},
    {SecondToe, 1, "Second Toe Smaller than the Big Toe",
     "You will have an average lifestyle with enough money but never more. "},
    {SecondToe, 2, "Webbed Second Toe", "Your career means everything to you."},

    {FootArches, 0, "High Arches",
     "You are very logical by nature and a thinker at heart. You may tend to dream a lot."},
    {FootArches, 1, "Low Arches or Flat Feet", "You are very practical by nature."},
    {FootArches, 2, "Swollen Feet", "You are not very comfortable with sharing your feelings with others."},

    {ToeShape, 0, "Twisted", "You may tend to run away from the truth and need encouragement from others."},
    {ToeShape, 1, "Bent", "You may scared to bear responsibility and very unsure of yourself"},
    {ToeShape, 2, "Crooked", "You may change your thinking to please others."},

    {ColorofNails, 0, "Black", "You may not have a very dependable nature."},
    {ColorofNails, 1, "Blue", "You are well liked and respected."},
    {ColorofNails, 2, "Yellow", "You may become wealthy."},
    {ColorofNails, 3, "Copper", "You will lead a royal life."},

    {RidgesonToeNails, 0, "Vertical", "You may go to all extent to support your opinions"},
    {RidgesonToeNails, 1, "Horizontal", "You may feel emotional unstable."},
};

int GroupSize(int group)
{
    return group >= 0 && group < GroupCount ? AnswerGroups[group].size : 0;
}

const ResultRule *FindResultRule(int group, int index)
{
    for (const ResultRule &rule : ResultRules)
        if (rule.group == group && rule.index == index)
            return &rule;
    return nullptr;
}

QString OptionCaption(int group, int index)
{
    const ResultRule *rule = FindResultRule(group, index);
    return rule ? QString::fromUtf8(rule->option) : QString();
}

QString Interpretation(int group, int index)
{
    const ResultRule *rule = FindResultRule(group, index);
    return rule ? QString::fromUtf8(rule->interpretation) : QString();
}

} // namespace modPodomancy

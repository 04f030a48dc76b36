#include "modDominoOracle.h"

namespace modDominoOracle {

namespace {

// One reading per domino of the set, named by its lower-first pair.
constexpr char Reading00[] = "This is an unlucky omen. This may indicate some losses. Difficult times are ahead. Challenges can be overcome if you are ready to face the battle.";
constexpr char Reading01[] = "You will get help from a stranger. But be careful that you don't trust everyone.";
constexpr char Reading02[] = "You will meet someone who becomes very close to you. Hardships in life will make you a better person and prepare you for life's toughest battles.";
constexpr char Reading03[] = "Jealousy may cause strained relations between friends. Past lives may cause problems in current relationships.";
constexpr char Reading04[] = "You may have hurt a friend. Seek forgiveness before it is too late. Think twice before you talk.";
constexpr char Reading05[] = "A friend of yours may be in trouble. You may be able to bring him some comfort. Be careful in matters of business and finance.";
constexpr char Reading06[] = "Be careful. Someone may be out to harm you disguised behind friendship. Do not gossip.";
constexpr char Reading11[] = "Be strong and take the step forward. This will bear good consequences. Trust yourself and you will make the right decisions.";
constexpr char Reading12[] = "You may lose property in the near future. Good friendships can help you overcome this loss.";
constexpr char Reading14[] = "This is the time to settle debts and move on. Be brave and you will have a good future.Also save for the rainy day.";
constexpr char Reading15[] = "Those involved in a romantic relationship may suffer from heartbreak. So be careful. Time to party and have a good time in general.";
constexpr char Reading16[] = "Whatever has been bothering you will be solved shortly. You may also have a fruitful relationship or partnership.";
constexpr char Reading22[] = "You will have a happy marriage. This also means personal prosperity and success.";
constexpr char Reading23[] = "Do not speculate on matters of chance. You may face some problems in your romance.";
constexpr char Reading24[] = "Be careful. Someone may try to dupe you. Changes will bring prosperity.";
constexpr char Reading25[] = "A birth of a child in the family is indicated. Or this may be the beginning of a new venture / deal/ partnership.";
constexpr char Reading33[] = "Happiness will smile you. You may face some minor problems but they will be short lived.";
constexpr char Reading34[] = "Do now worry too much about problems. Be positive and things will start looking up.";
constexpr char Reading35[] = "Someone important may help you out. You will also attain peace of mind.";
constexpr char Reading36[] = "A short journey is on the cards. This will prove to be very successful for you.";
constexpr char Reading44[] = "A party is on the cards. Life will be full of happiness. So enjoy yourself.";
constexpr char Reading46[] = "You may face some legal problems or arguments of some sort. You may attain prosperity but be careful.";
constexpr char Reading55[] = "Relocation may happen. But this will be for your own good. Be receptive to the situation and you shall gain.";
constexpr char Reading66[] = "This is the luckiest domino reading that one can get. This signifies that your life will be full of happiness. You will be financially prosperous and successful in whatever you do.";

// The four dominoes whose two orders differ in their last character.
constexpr char Reading13[] = "You may come to know of something that may be useful to you. You may get a surprise. This domino also tells you to be careful of so-called friends";
constexpr char Reading31[] = "You may come to know of something that may be useful to you. You may get a surprise. This domino also tells you to be careful of so-called friends.";
constexpr char Reading26[] = "This is a very lucky domino. You will enjoy good fortune and good health. You may receive an unexpected gift. ";
constexpr char Reading62[] = "This is a very lucky domino. You will enjoy good fortune and good health. You may receive an unexpected gift.";
constexpr char Reading45[] = "Your investments may make a good profit. Be careful not to speculate.";
constexpr char Reading54[] = "Your investments may make a good profit. Be careful not to speculate. ";
constexpr char Reading56[] = "You may be inclined to help others. Keep a lookout for good happenings. ";
constexpr char Reading65[] = "You may be inclined to help others. Keep a lookout for good happenings.";

} // namespace

const DominoRow DominoTable[DominoEntryCount] = {
    {"0-0", Reading00}, {"0-1", Reading01}, {"0-2", Reading02}, {"0-3", Reading03},
    {"0-4", Reading04}, {"0-5", Reading05}, {"0-6", Reading06},

    {"1-0", Reading01}, {"1-1", Reading11}, {"1-2", Reading12}, {"1-3", Reading13},
    {"1-4", Reading14}, {"1-5", Reading15}, {"1-6", Reading16},

    {"2-0", Reading02}, {"2-1", Reading12}, {"2-2", Reading22}, {"2-3", Reading23},
    {"2-4", Reading24}, {"2-5", Reading25}, {"2-6", Reading26},

    {"3-0", Reading03}, {"3-1", Reading31}, {"3-2", Reading23}, {"3-3", Reading33},
    {"3-4", Reading34}, {"3-5", Reading35}, {"3-6", Reading36},

    {"4-0", Reading04}, {"4-1", Reading14}, {"4-2", Reading24}, {"4-3", Reading34},
    {"4-4", Reading44}, {"4-5", Reading45}, {"4-6", Reading46},

    {"5-0", Reading05}, {"5-1", Reading15}, {"5-2", Reading25}, {"5-3", Reading35},
    {"5-4", Reading54}, {"5-5", Reading55}, {"5-6", Reading56},

    {"6-0", Reading06}, {"6-1", Reading16}, {"6-2", Reading62}, {"6-3", Reading36},
    {"6-4", Reading46}, {"6-5", Reading65}, {"6-6", Reading66},
};

} // namespace modDominoOracle

#pragma once

#include <QString>

// The name-number engine: letter values, the split into vowels and
// consonants, reduction to one digit and the meaning of each number.
// Nothing here is drawn at random; the same name always gives the same reading.
namespace modArithmancy {

inline constexpr int MeaningCount = 9;

// Shown in a result box whose number came out 0.
inline constexpr char NoCharacterNumberText[] =
    "No Character Number available, as your name has no letter from A to Z";
inline constexpr char NoHeartNumberText[] = "No Heart Number available";
inline constexpr char NoSocialNumberText[] = "No Social Number available";

// Meanings of the numbers 1..9 (row n - 1 holds number n), UTF-8, in the
// second person. One table serves all three numbers.
extern const char *const NumberMeaning[MeaningCount];

// Value 1..9 of a capital letter A..Z (position in the alphabet reduced
// into 1..9); 0 for any other character, lower-case letters included.
int LetterValue(QChar letter);

// True for A, E, I, O and U only; Y and lower-case letters are not vowels.
bool IsVowel(QChar letter);

// While n has more than one decimal digit, replaces it by the sum of its
// digits. 0 stays 0 and there are no master numbers. Stores the digit back
// into n and returns it.
int ReduceToOneDigit(quint64 &n);

// The meaning of number 1..9; empty text for any other number.
QString MeaningOf(int number);

struct ArithmancyReading {
    qint16 CharacterNumber = 0;
    qint16 HeartNumber = 0;
    qint16 SocialNumber = 0;
    QString CharacterText;
    QString HeartText;
    QString SocialText;
};

// The reading for `name` as it stands in the name box, trimmed. Only the
// capital letters A..Z count (case-sensitive): blanks, digits, punctuation
// and lower-case letters are skipped. Totals are kept in 64 bits, so no name
// that fits in memory can overflow them.
ArithmancyReading ComputeArithmancyReading(const QString &name);

} // namespace modArithmancy

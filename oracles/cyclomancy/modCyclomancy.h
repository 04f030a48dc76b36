#pragma once

#include <QString>

// The wheel of ten numbers: its draw and the interpretation of each number.
namespace modCyclomancy {

inline constexpr int NumberCount = 10;

// lblInterpretation before the first spin. The run of 69 blanks pushes the
// second part onto a new line of the label.
inline constexpr char WelcomeText[] =
    "Welcome to Orrin Cyclomancy! Let the Wheel help you solve your problems."
    "                                                                     "
    "Just close your eyes and meditate on your problem. Open your eyes and click on the button! ";

// Interpretation k is that of number k + 1 (UTF-8).
extern const char *const CyclomancyInterpretation[NumberCount];

// The interpretation of hand k (number k + 1), 0..9; empty text otherwise.
QString Interpretation(int k);

// The hand for one value r of the generator, 0 <= r < 1: r × 9 in single
// precision, rounded to the nearest whole number, halves to the even one
// (0.5 gives 0, 1.5 gives 2, 8.5 gives 8). Hands 0 and 9 come half as often
// as each of 1 to 8.
int WheelIndex(float r);

// Takes one value of the shared generator and returns its hand, 0..9; the
// number shown is the hand + 1.
int DrawCyclomancyIndex();

} // namespace modCyclomancy

#pragma once

#include "oracles/SharedState.h"

#include <QString>

#include <functional>

// The fortune cookie: 156 fortunes keyed 0..155 and the fortune shown for the
// drawn number.
namespace modFortunrCookies {

inline constexpr int FortuneCount = 156;
// The key and text arrays that ShowFortune builds have one slot more than
// there are fortunes (indices 0..156); the last slot stays key 0 and empty
// text and is never examined.
inline constexpr int FortuneSlots = FortuneCount + 1;

// The fortunes in key order (UTF-8): entry i is fortune i. Some keep a blank
// before the apostrophe ("Don 't"); they are shown as they stand.
extern const char *const FortuneTable[FortuneCount];

// The drawn number lives in the program-wide FirstDraw, which the tea leaf
// reading also uses.
using ::FirstDraw;

// Takes one value r of the shared generator and sets FirstDraw = Int(r * 156),
// in single precision: 0..155. Returns the number drawn.
qint16 DrawFortune();

// Receives the fortune to show: the Display window passes a setter of its
// lblFortuneMassage caption.
using FortuneCaption = std::function<void(const QString &)>;

// Fills a fresh key array (slot i = i) and text array (slot i = fortune i),
// walks the keys 0..155 and, at the first key equal to FirstDraw, hands that
// fortune to `setCaption` once and stops. A number that is no key (only
// possible if FirstDraw was set by other means) calls nothing, so the caption
// keeps what it had. Returns whether a fortune was handed over.
bool ShowFortune(const FortuneCaption &setCaption);

} // namespace modFortunrCookies

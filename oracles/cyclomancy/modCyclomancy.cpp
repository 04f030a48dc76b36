#include "modCyclomancy.h"

#include "platform/Platform.h"

#include <cmath>

namespace modCyclomancy {

const char *const CyclomancyInterpretation[NumberCount] = {
    // 1
    "Number one stands for initiation, starting a new project or the beginning of a new time period. Your "
    "mind will be infused with novel ideas and. With an inspired and revised outlook toward life you will "
    "feel a strong urge to move ahead. A new change in all the spheres of your life, romance, career and "
    "education is on the cards.",
    // 2
    "At this point of your life, you need to be more tactful and subtle in business affairs. A careless "
    "word could undo the goodwill you have built with so much effort. Listen more than you speak and let "
    "your partners share the credit. Your patience will win you a loyal ally whose support will prove "
    "valuable in the months ahead.",
    // 3
    "This number denotes generation, growth and new birth. Seeds you planted long ago will begin to sprout "
    "and bear fruit. It is a fertile time for creative work, for starting a family or for nursing a young "
    "venture. Tend your plans with care and they will grow beyond your hopes. Joyful news from a dear "
    "friend is also on the way.",
    // 4
    "You will realize the true value of stability and security in your life. The urge to wander will give "
    "way to a wish for firm ground beneath your feet. Put your finances in order and strengthen the bonds "
    "with your family. A sound decision made now about your home or your work will serve you well for many "
    "years.",
    // 5
    "There is much chance that you will be ridden with many complications to overcome. Plans may be "
    "delayed and people you counted on may let you down. Do not lose heart, for every obstacle hides a "
    "lesson. Keep a cool head and deal with one problem at a time, and you will emerge from this period "
    "wiser and stronger than before.",
    // 6
    "This will be a happy time for you with ample opportunities to attain success and reputation. Your "
    "efforts will at last be noticed by those who matter. Harmony will return to your home and an old "
    "misunderstanding will be cleared. Accept the praise that comes your way with grace, and share your "
    "good fortune with those who stood by you.",
    // 7
    "You must think twice before initiating anything new. The road ahead is not as clear as it seems, and "
    "hasty steps may lead you astray. Spend some time alone to reflect and to gather your strength. Study "
    "the details, seek sound advice and wait for the right moment. Your patience will be rewarded with a "
    "clear sign.",
    // 8
    "On the positive side, you will feel highly determined and pursue relentlessly your goal in life. Money "
    "matters will turn in your favour and your ambitions will find firm support. Use your energy wisely and "
    "do not ride roughshod over others. Those who are fair in their dealings now will reap a rich harvest "
    "before long.",
    // 9
    "After much worry and delay, success will be nearing you after a long time. The burden you have carried "
    "will grow lighter day by day. Let go of old grudges and regrets, for they only slow your steps. A "
    "chapter of your life is drawing to a close, and a kind and generous heart will carry you gracefully "
    "into the next.",
    // 10
    "This number represents the finishing point of a lengthy and arduous journey. An air of change will "
    "blow into your life from all directions. Fame and respect will be showered on you for achieving "
    "success. You will enjoy at the gathering of your family, relatives and friends. A sense of soaring "
    "idealism will occupy your mind.",
};

QString Interpretation(int k)
{
    if (k < 0 || k >= NumberCount)
        return QString();
    return QString::fromUtf8(CyclomancyInterpretation[k]);
}

int WheelIndex(float r)
{
    // Rounded by hand rather than by the floating-point environment, so that
    // a changed rounding mode cannot move a hand.
    const float x = r * 9.0f;
    const float whole = std::floor(x);
    const float fraction = x - whole;
    int k = static_cast<int>(whole);
    if (fraction > 0.5f || (fraction == 0.5f && k % 2 != 0))
        ++k;
    return qBound(0, k, NumberCount - 1);
}

int DrawCyclomancyIndex()
{
    return WheelIndex(Rnd());
}

} // namespace modCyclomancy

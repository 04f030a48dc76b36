#include "modArithmancy.h"

namespace modArithmancy {

const char *const NumberMeaning[MeaningCount] = {
    // 1
    "Being the first digit, number one insists you to be a leader in every sphere of your life. You are "
    "blessed with immense will power and the drive needed for successful completion of any task. Try to "
    "channelize your energy in positive ways to get the maximum benefit. You are highly individualistic in "
    "your point of view. Your approach regarding the solution of any problem is original and innovative. "
    "Your preference for independence above everything else and pioneering attitude is easily discernible. "
    "On the negative side, you run the risk of being considered as a very arrogant, bossy and lonesome "
    "person.",
    // 2
    "The most important characteristic of number two people is their ability to communicate and co-operate "
    "with others. You are a natural peacemaker who senses the mood of a room before a word is spoken, and "
    "you find your strength in partnership rather than in standing alone. Your patience, tact and gentle "
    "diplomacy make you the one others turn to when a quarrel needs mending. You notice the small details "
    "that everyone else overlooks. On the negative side, you may be too sensitive to criticism and too eager "
    "to please, and you can lose yourself in the wishes of others. Learn to value your own needs as highly as "
    "you value harmony.",
    // 3
    "According to Pythagorean theorists, 3 is the first complete digit having a beginning, midpoint and an "
    "end. Like your number, you carry a sense of wholeness and a gift for creative expression. You are "
    "lively, witty and optimistic, and words and ideas come easily to you, whether you write, speak, paint "
    "or sing. People are drawn to your warmth and your ready laughter, and you brighten any gathering you "
    "join. Your imagination is your greatest treasure, so give it a form that others can share. On the "
    "negative side, you scatter your energy across too many projects at once and may leave good work "
    "unfinished. A little discipline will turn your many talents into lasting achievements.",
    // 4
    "The vibe of number four is reflected through the laboriousness and practicality of the number four "
    "person. You are the solid foundation on which others build: honest, orderly and loyal, you prefer a "
    "steady plan to a sudden gamble. You respect rules, keep your promises and finish what you start, and "
    "your hard work earns you the trust of everyone around you. Your home, your family and your savings "
    "matter deeply to you. On the negative side, you can become rigid and stubborn, resisting change even "
    "when change would serve you well. Allow yourself some rest and play, and remember that a little "
    "flexibility makes your strength greater still.",
    // 5
    "Under the influence of number five, you will acquire a volatile temperament with time. You are "
    "restless, curious and quick-witted, and you crave freedom, travel and new experiences above any "
    "routine. Change does not frighten you; it excites you, and you adapt to new places and new people with "
    "ease. Your charm and your way with words make you a persuasive speaker and a lively companion. On the "
    "negative side, you may act on impulse, leave promises half kept and chase one thrill after another. "
    "Your challenge is to use your love of freedom wisely, choosing a few worthy adventures and seeing them "
    "through to the end.",
    // 6
    "This number signifies a highly romantic disposition. You are caring, responsible and devoted to those "
    "you love, and your home is the centre of your world. Beauty, harmony and comfort matter greatly to you, "
    "and you have a fine eye for art and for the little touches that make a place feel welcoming. Friends "
    "and family rely on your kindness and your wise counsel, and you take your duties towards them "
    "seriously. On the negative side, you may worry too much about others, interfere where you are not "
    "asked and give up your own wishes until you feel unappreciated. Give your love freely, but let others "
    "walk their own path.",
    // 7
    "Number seven people are infused with the spirit of mysticism and spirituality. You are a seeker of "
    "truth who looks beneath the surface of things, and you are never satisfied with easy answers. Quiet "
    "moments, study and reflection restore you, and your sharp, analytical mind can unravel problems that "
    "puzzle others. Your intuition is strong; learn to trust the inner voice that guides you. On the "
    "negative side, you can seem distant, secretive or aloof, and you may withdraw so far into your own "
    "thoughts that loneliness follows. Share your wisdom with the few you trust, and you will find that it "
    "grows richer still.",
    // 8
    "Down the ages, number eight has earned the reputation of being the most unpredictable number of all. "
    "You are ambitious and capable, blessed with a natural talent for business, organisation and the "
    "handling of money. You think on a large scale and have the stamina to pursue goals that others find "
    "daunting, and authority comes naturally to you. Your life may swing between great gains and hard "
    "losses, but each setback teaches you resilience. On the negative side, you may become too driven by "
    "wealth and status and neglect the people who care for you. Balance your material success with "
    "generosity, and your power will bring you lasting rewards.",
    // 9
    "Great resolve, enthusiasm and dynamism are the keywords in life for number nine people. You are "
    "compassionate, broad-minded and generous, and you feel a deep wish to make the world a better place. "
    "Your ideals are high and your heart is open to people of every kind, which makes you a natural "
    "humanitarian, teacher or healer. You give without expecting anything in return, and your courage "
    "inspires those around you. On the negative side, you may be impatient with the failings of others and "
    "find it hard to let go of the past. Forgive freely, close old chapters gracefully, and the new doors "
    "you long for will open.",
};

} // namespace modArithmancy

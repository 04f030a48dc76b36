#include "oracles/bibliomancy/BibliomancyTables.h"

namespace modBibliomancy {

// Verses of the Qur'an in plain English of our own. Entry 9 gives the Opening
// and the last surah, one verse to a line.
const PassageRow IslamTable[IslamCount] = {
    {"Quran", "God does not burden any soul with more than it can bear."},
    {"Quran", "Call on your Lord with humility and in private."},
    {"Quran", "Surely with hardship comes ease; surely with hardship comes ease."},
    {"Quran", "God does not change the condition of a people until they change what is in themselves."},
    {"Quran", "Whoever does an atom's weight of good will see it, and whoever does an atom's weight of evil will see it."},
    {"Quran", "Seek help through patience and prayer; God is with those who are patient."},
    {"Quran", "There is no compulsion in religion; the right way has been made clear from the wrong."},
    {"Quran", "Whoever saves one life, it is as if he had saved the whole of mankind."},
    {"Quran", "Do not let hatred of a people lead you into injustice. Be just, for that is nearer to piety."},
    {"Quran",
     "In the name of God, the Most Gracious, the Most Merciful.\r\n"
     "Praise be to God, Lord of all the worlds,\r\n"
     "the Most Gracious, the Most Merciful,\r\n"
     "Master of the Day of Judgement.\r\n"
     "You alone we worship, and You alone we ask for help.\r\n"
     "Guide us on the straight path,\r\n"
     "the path of those You have blessed, not of those who earned Your anger, nor of those who went astray.\r\n"
     "Say: I seek refuge with the Lord of mankind,\r\n"
     "the King of mankind,\r\n"
     "the God of mankind,\r\n"
     "from the evil of the whisperer who slinks away,\r\n"
     "who whispers in the hearts of mankind,\r\n"
     "from among the jinn and mankind.\r\n"},
    {"Quran", "When My servants ask you about Me, I am near. I answer the call of the one who calls, when he calls on Me."}, // 10
    {"Quran", "Remember Me, and I will remember you. Be grateful to Me and do not deny Me."},
    {"Quran", "Truly, in the remembrance of God hearts find rest."},
    {"Quran", "Good and evil are not equal. Repel evil with what is better, and your enemy may become a close friend."},
    {"Quran", "Speak kindly to people, keep up the prayer and give in charity."},
    {"Quran", "We created you from a male and a female and made you into nations and tribes so that you may know one another. The noblest of you in the sight of God is the most righteous."},
    {"Quran", "Do not walk proudly on the earth; you cannot split the earth apart, nor reach the mountains in height."},
    {"Quran", "Be kind to your parents. If one or both of them reach old age with you, do not say a word of impatience to them, nor scold them, but speak to them with honour."},
    {"Quran", "Do not despair of the mercy of God; He forgives all sins, for He is the Forgiving, the Merciful."},
    {"Quran", "He is with you wherever you are, and God sees all that you do."},
    {"Quran", "We created man and know what his soul whispers to him, and We are nearer to him than his jugular vein."}, // 20
    {"Quran", "God commands justice, kindness and giving to relatives, and He forbids indecency, wrongdoing and oppression."},
    {"Quran", "Give full measure when you measure, and weigh with a true balance; that is better and best in the end."},
    {"Quran", "Avoid much suspicion, for some suspicion is a sin. Do not spy on one another, nor speak ill of one another behind their backs."},
    {"Quran", "Those who spend their wealth by night and by day, in secret and in public, have their reward with their Lord; they shall have no fear, nor shall they grieve."},
    {"Quran", "Every soul shall taste death, and only on the Day of Resurrection will you be paid your reward in full."},
    {"Quran", "It may be that you dislike a thing though it is good for you, and love a thing though it is bad for you. God knows, and you do not know."},
    {"Quran", "Hold fast, all of you together, to the rope of God, and do not be divided."},
    {"Quran", "Help one another in goodness and piety, and do not help one another in sin and aggression."},
    {"Quran", "The servants of the Most Merciful are those who walk humbly on the earth, and when the ignorant speak to them, they answer: Peace."},
    {"Quran", "Say: My Lord, increase me in knowledge."}, // 30
    {"Quran", "Whoever puts his trust in God, God is enough for him."},
    {"Quran", "To God belong the east and the west; wherever you turn, there is the face of God."},
    {"Quran", "The life of this world is only play and passing amusement, but the home of the Hereafter is the true life, if only they knew."},
    {"Quran", "Do not consume one another's wealth unjustly, nor bribe the judges to take a share of other people's property by wrong."},
    {"Quran", "God is the light of the heavens and the earth; light upon light, He guides to His light whom He wills."},
};

} // namespace modBibliomancy

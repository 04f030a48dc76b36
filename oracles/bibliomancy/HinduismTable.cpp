#include "oracles/bibliomancy/BibliomancyTables.h"

namespace modBibliomancy {

// Passages from the Vedas, the Upanishads and the Bhagavad Gita, told in plain
// English of our own. Multi-line passages keep one verse to a line.
const PassageRow HinduismTable[HinduismCount] = {
    {"Yajur Veda", "May all beings look on me with the eye of a friend, and may I look on all beings with the eye of a friend."},
    {"Rig Veda", "May good and noble thoughts come to us from every direction."},
    {"Yajur Veda", "Whoever sees all beings in the Self, and the Self in all beings, hates no one."},
    {"Krishna Yajur Veda", "Speak the truth and follow what is right. Honour your mother, your father, your teacher and your guest as you would honour a god."},
    {"Bhagavad Gita", "You have a right to your work, but never to its fruits. Do not act for the sake of reward, yet do not cling to doing nothing."},
    {"Bhagavad Gita", "As a man throws off worn-out clothes and puts on new ones, so the soul leaves worn-out bodies and enters new ones."},
    {"Bhagavad Gita", "The soul is never born and never dies. Unborn, eternal and ancient, it is not slain when the body is slain."},
    {"Bhagavad Gita", "Better is your own duty, though done imperfectly, than the duty of another done well."},
    {"Bhagavad Gita", "Whenever righteousness declines and wrong rises up, I come forth into the world."},
    {"Bhagavad Gita", "The wise sees knowledge and action as one; they see truly."},
    {"Bhagavad Gita", "Lift yourself up by your own self and do not let yourself sink; the self alone is your friend, and the self alone is your enemy."}, // 10
    {"Bhagavad Gita", "Whoever offers me with love a leaf, a flower, a fruit or a little water, that gift of a devoted heart I accept."},
    {"Bhagavad Gita", "Neither in this world nor in the next is there ruin for one who does good; no one who does good comes to a bad end."},
    {"Bhagavad Gita 18:37-38", "What seems like poison at first but turns to nectar in the end is the happiness of goodness, born of a clear mind. What seems like nectar at first, when the senses meet their objects, but turns to poison in the end, is the happiness of passion."},
    {"Katha Upanishad 1.2.22-24", "The wise man who knows the Self as bodiless within bodies, unchanging among changing things, great and everywhere present, does not grieve. This Self is not won by teaching, nor by cleverness, nor by much learning; it is won by the one whom it chooses, and to that one it shows its own true form. But one who has not turned away from wrongdoing, whose senses are not calm and whose mind is not at peace, cannot reach it by knowledge alone."},
    {"Bhagavad Gita 13:11", "To dwell always in knowledge of the Self and to see the purpose of true knowledge: this is called knowledge, and all that differs from it is ignorance."},
    {"Bhagavad Gita 11:55", "Whoever works for me, holds me as the highest goal and is devoted to me, free from attachment and without hatred for any being, comes to me."},
    {"Bhagavad Gita 6:26-29", "Whenever the restless and unsteady mind wanders away, draw it back and bring it under the rule of the Self. The highest joy comes to the yogi whose mind is at peace, whose passions are stilled, who is free from stain and one with Brahman. Ever joining himself to the Self and rid of fault, the yogi easily touches the boundless bliss of union with Brahman. With his self steadied in yoga, he sees the Self in all beings and all beings in the Self; everywhere he sees the same."},
    {"Atharva Veda", "Let there be harmony among you, one heart and one mind, free from hatred. Love one another as a cow loves her newborn calf."},
    {"Atharva Veda", "Let the son be loyal to his father and of one mind with his mother; let the wife speak sweet and gentle words to her husband."},
    {"Atharva Veda", "Let not brother hate brother, nor sister sister. United in purpose and bound by the same vows, speak kindly to one another."}, // 20
    {"Atharva Veda", "The earth is my mother and I am her child. May she who bears all things give us wealth, strength and long life."},
    {"Atharva Veda", "Whatever I dig out of you, O Earth, may it quickly grow again. May I not wound your vital parts or your heart."},
    {"Atharva Veda", "Grant us freedom from fear of friend and foe, of what we know and what we do not know. Let night and day be free of fear for us, and may all the regions be our friends."},
    {"Rig Veda", "Truth is one, though the wise call it by many names."},
    {"Rig Veda", "Come together, speak together, let your minds be of one accord, as the gods of old sat down together to share their portion."},
    {"Rig Veda", "Common be your purpose and common your hearts; let your minds be united, so that you may dwell together in peace."},
    {"Rig Veda", "The generous one who gives food to the hungry stranger at his door makes him a friend for the days to come."},
    {"Rig Veda", "Let the rich man give to the one in need and look along the longer road. Wealth turns like the wheels of a chariot, coming now to one and now to another."},
    {"Rig Veda", "He who eats alone, keeping everything for himself, eats only sin. One who feeds neither friend nor comrade has his food in vain."},
    {"Rig Veda", "Lead us by a good path to prosperity, O Agni, you who know all our ways. Keep far from us the wrong that leads us astray."}, // 30
    {"Bhagavad Gita", "One who is the same to friend and foe, in honour and dishonour, in heat and cold, in pleasure and pain, and free from attachment, is dear to me."},
    {"Bhagavad Gita", "Fearlessness, purity of heart, steadiness in knowledge, generosity, self-control, study and a simple life are the marks of one born to a divine nature."},
    {"Bhagavad Gita", "Give up all other duties and take refuge in me alone. I will free you from every wrong; do not grieve."},
    {"Rig Veda", "May the winds blow sweetness and the rivers flow with sweetness for the one who keeps the law; may the plants be sweet to us."},
    {"Rig Veda", "Let us dwell on the lovely splendour of the Sun, the god who gives life; may he stir and guide our thoughts."},
    {"Rig Veda", "Then there was neither being nor non-being, no air and no sky beyond it. Who truly knows, and who can tell, from where this creation came?"},
    {"Veda Upanishads", "As rivers flowing into the sea give up their names and forms, so the wise, freed from name and form, go to the divine Person who is beyond all."},
    {"Rig Veda", "Like the sun and the moon in their courses, may we walk the path of well-being, and may we meet again with those who give, who do no harm and who understand."},
    {"Bhagavad Gita", "Yoga is not for one who eats too much or too little, nor for one who sleeps too much or too little. It ends sorrow for one who is moderate in food and rest, in work and in sleep."},
    {"Bhagavad Gita", "For one who dwells on the objects of the senses, attachment arises; from attachment comes desire, and from desire comes anger."}, // 40
    {"Bhagavad Gita", "From anger comes confusion, from confusion the loss of memory, from the loss of memory the ruin of reason, and when reason is ruined one is lost."},
    {"Bhagavad Gita", "As a lamp in a windless place does not flicker, so is the disciplined mind of the yogi who is absorbed in the Self."},
    {"Bhagavad Gita", "Three are the gates of hell that ruin the soul: desire, anger and greed. Therefore give up all three."},
    {"Bhagavad Gita", "Whatever you do, whatever you eat, whatever you offer or give away, whatever discipline you keep, do it as an offering to me."},
    {"Yajur Veda", "Doing your work here, you may wish to live a hundred years. In this way alone, and in no other, your deeds will not bind you."},
    {"Yajur Veda", "All this, whatever moves in this moving world, is dwelt in by the Lord. Enjoy it by letting go, and do not covet the wealth of anyone."},
    {"Yajur Veda", "The mind that travels far when we are awake and when we sleep, the one light of all lights: may that mind of mine be set on what is good."},
    {"Yajur Veda", "May the sky be peace, the air peace and the earth peace; may the waters, the plants and the trees be peace; may peace itself bring peace to me."},
    {"Yajur Veda", "Into blind darkness go those who worship ignorance; into still greater darkness go those who delight in knowledge alone."},
    {"Yajur Veda", "May we see a hundred autumns and live a hundred autumns; may we hear and speak for a hundred autumns, and stand unbowed for a hundred autumns and more."}, // 50
    {"Upanishads",
     "Know the Self as the lord of the chariot, and the body as the chariot.\r\n"
     "Know the intellect as the charioteer, and the mind as the reins.\r\n"
     "The senses, they say, are the horses; the things of sense are the roads they run on.\r\n"
     "One who lacks understanding, whose mind is never held firm,\r\n"
     "has senses that run wild, like the unruly horses of a driver.\r\n"
     "But one who has understanding, whose mind is always held firm,\r\n"
     "has senses well in hand, like the good horses of a driver."},
    {"Upanishads",
     "That is whole, this is whole; from the whole the whole comes forth.\r\n"
     "Take the whole from the whole, and the whole remains."},
    {"Upanishads",
     "From the unreal lead me to the real.\r\n"
     "From darkness lead me to light.\r\n"
     "From death lead me to immortality."},
    {"Upanishads",
     "The finest essence of all things is the Self of this whole world; that is the truth, that is the Self.\r\n"
     "And you are that, Shvetaketu."},
    {"Upanishads",
     "Two birds, close companions, sit on the same tree.\r\n"
     "One eats the sweet fruit; the other does not eat, but only looks on."},
    {"Upanishads",
     "Truth alone triumphs, not falsehood.\r\n"
     "By truth the road is laid that leads to the divine."},
};

} // namespace modBibliomancy

#include "oracles/bibliomancy/BibliomancyTables.h"

namespace modBibliomancy {

// Verses of the Hebrew Bible and sayings of the sages (Pirkei Avot, the
// Talmud), in our own plain English. Poetry keeps one line to a line.
const PassageRow JudaismTable[JudaismCount] = {
    {"Judaism", "Hear, O Israel: the Lord is our God, the Lord is One."},
    {"Judaism", "What is hateful to you, do not do to your fellow. That is the whole Torah; the rest is its explanation. Go and learn it."},
    {"Judaism", "If I am not for myself, who will be for me? If I am only for myself, what am I? And if not now, when?"},
    {"Judaism",
     "You have been told what is good,\r\n"
     "and what the Lord asks of you:\r\n"
     "only to do justly, to love mercy and to walk humbly with your God."},
    {"Judaism", "The work is not yours to finish, but neither are you free to walk away from it."},
    {"Judaism", "Who is wise? The one who learns from every person. Who is strong? The one who masters his own desires. Who is rich? The one who is glad of his portion."},
    {"Judaism", "Whoever saves a single life is counted as if he had saved a whole world."},
    {"Judaism",
     "There is a time for everything under heaven:\r\n"
     "a time to be born and a time to die,\r\n"
     "a time to weep and a time to laugh,\r\n"
     "a time to mourn and a time to dance."},
    {"Judaism",
     "I lift my eyes to the hills: from where will my help come?\r\n"
     "My help comes from the Lord, maker of heaven and earth."},
    {"Judaism", "Say little and do much, and greet every person with a cheerful face."},
    {"Judaism", "Make yourself a teacher, win yourself a friend, and judge every person on the side of merit."}, // 10
    {"Judaism", "Do not cut yourself off from the community, and do not judge your fellow until you have stood in his place."},
    {"Judaism",
     "Lord, who may stay in your tent?\r\n"
     "Who may dwell on your holy mountain?\r\n"
     "The one who walks without blame\r\n"
     "and who does what is right,\r\n"
     "who speaks the truth in his heart\r\n"
     "and has no slander on his tongue,\r\n"
     "who does his friend no harm\r\n"
     "and heaps no scorn on his neighbour,\r\n"
     "who honours those who fear the Lord\r\n"
     "and keeps his word though it costs him,\r\n"
     "who lends without taking interest\r\n"
     "and takes no bribe against the innocent.\r\n"
     "Whoever does these things shall never be moved.\r\n"},
    {"Judaism",
     "Have you not known? Have you not heard?\r\n"
     "The Lord is God from everlasting,\r\n"
     "who made the far ends of the earth.\r\n"
     "He does not tire and is never spent;\r\n"
     "he gives strength to the faint\r\n"
     "and adds might to those who have none.\r\n"
     "Those who wait for the Lord gain new strength:\r\n"
     "they rise on wings as eagles, they run and are not weary, they walk and do not faint."},
    {"Judaism", "Scorn no one and dismiss nothing, for there is no person without his hour and no thing without its place."},
    {"Judaism", "A soft reply calms fury, but a wounding word kindles anger."},
    {"Judaism",
     "Trust in the Lord with all your heart,\r\n"
     "and do not rely on your own insight.\r\n"
     "In all your ways acknowledge him\r\n"
     "and he will make straight your paths."},
    {"Judaism", "Do not say, 'I will study when I have leisure,' for perhaps you will never have leisure."},
    {"Judaism", "Do not take revenge and do not bear a grudge against the children of your people, but love your neighbour as yourself: I am the Lord."},
    {"Judaism", "Much have I learned from my teachers, more from my friends, and most of all from my students."},
    {"Judaism", "Where there is no bread there is no learning, and where there is no learning there is no bread."}, // 20
    {"Judaism", "One who is slow to anger is better than a mighty man, and one who rules his own spirit is better than one who takes a city."},
    {"Judaism", "I have set before you life and death, blessing and cursing: therefore choose life, that you and your children may live."},
    {"Judaism", "Do not look at the jar but at what is in it: a new jar may be full of old wine, and an old jar may not hold even new wine."},
    {"Judaism", "Kindness is greater than charity: charity is given with money, kindness with the whole self; charity goes to the poor, kindness to poor and rich alike; charity helps the living, kindness the living and the dead."},
    {"Judaism", "The body is the sheath of the soul."},
    {"Judaism", "The world stands on three things: on the Torah, on the service of God and on deeds of loving-kindness."},
    {"Judaism", "Not by might and not by power, but by my spirit, says the Lord of hosts."},
    {"Judaism", "Know what is above you: an eye that sees, an ear that hears, and all your deeds written in a book."},
    {"Judaism",
     "This is how you shall bless the children of Israel:\r\n"
     "May the Lord bless you and keep you.\r\n"
     "May the Lord make his face shine upon you and be gracious to you.\r\n"
     "May the Lord lift up his countenance upon you\r\n"
     "and give you peace."},
    {"Judaism", "Welcoming guests is greater than receiving the presence of God."}, // 30
    {"Judaism",
     "They shall beat their swords into ploughshares\r\n"
     "and their spears into pruning hooks;\r\n"
     "nation shall not lift up sword against nation,\r\n"
     "nor shall they learn war any more."},
    {"Judaism",
     "Go to the ant, you sluggard;\r\n"
     "watch her ways and grow wise.\r\n"
     "She has no chief,\r\n"
     "no overseer and no ruler,\r\n"
     "yet she lays in her bread in summer\r\n"
     "and gathers her food at harvest."},
    {"Judaism",
     "Where you go, I will go,\r\n"
     "and where you lodge, I will lodge.\r\n"
     "Your people shall be my people,\r\n"
     "and your God my God."},
    {"Judaism", "Let your friend's honour be as dear to you as your own, and do not be quick to anger."},
    {"Judaism",
     "Two are better than one,\r\n"
     "for they have a good reward for their labour.\r\n"
     "If one falls, the other lifts up his companion;\r\n"
     "but woe to the one who falls alone\r\n"
     "with no one to raise him up.\r\n"
     "If two lie together, they are warm;\r\n"
     "but how can one be warm alone?\r\n"
     "A threefold cord is not quickly broken."},
    {"Judaism", "Be a disciple of Aaron: love peace and pursue peace, love all people and bring them near to the Torah."},
};

} // namespace modBibliomancy

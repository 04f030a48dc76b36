#include "modMajongOracle.h"

namespace modMajongOracle {

// In the alphabetical order of the picture keys, suit word first: within a
// suit the ranks are not in order. The source is UTF-8 ("Chü").
const TileRow MahjongTable[TileCount] = {
    // Bamboo, tiles 1..9
    {"4 Bamboo", "Carp", "Li", "bamboo-carp.jpg",
     "This tile signifies a long life and happiness. Recovery from sickness is also signified. Peace is on the cards and you will be able to overcome all problems."},
    {"2 Bamboo", "Duck", "Ya", "bamboo-duck.jpg",
     "This tile signifies faithfulness in love and a happy union. A loyal partner or a lasting friendship is on the cards."},
    {"8 Bamboo", "Mushroom", "Chun", "bamboo-fungus.jpg",
     "This tile represents hidden growth. Small efforts made quietly now will grow into a lasting reward."},
    {"5 Bamboo", "Lotus", "Lien", "bamboo-lotus.jpg",
     "This tile signifies purity and peace of mind. You will rise above a troubled situation without losing your good name."},
    {"1 Bamboo", "Peacock", "K'ung", "bamboo-peacock.jpg",
     "This tile represents beauty, dignity and recognition. Your work will be noticed and honoured by those around you."},
    {"3 Bamboo", "Toad", "Min", "bamboo-toad.jpg",
     "This tile signifies money coming your way. But be careful, as what is gained quickly can also be lost quickly."},
    {"7 Bamboo", "Tortoise", "Kuei", "bamboo-tortoise.jpg",
     "The result will be achieved through patience. This tile also means 'knowledge'. "},
    {"6 Bamboo", "Water", "Shui", "bamboo-water.jpg",
     "This tile represents the flow of life and of money. Things will move along smoothly if you do not stand in their way."},
    {"9 Bamboo", "Willow", "Liu", "bamboo-willow.jpg",
     "This tile signifies grace and flexibility. Bend with the wind and you will not break under pressure."},

    // Characters, tiles 10..18
    {"3 Wan (Character)", "Earth", "Ti", "character-earth.jpg",
     "This tile represents stability and a firm foundation. Property, land or a settled home may be on the cards."},
    {"6 Wan (Character)", "Fire", "Huo", "character-fire.jpg",
     "This tile signifies energy and passion. Be careful not to let anger spoil what enthusiasm has built."},
    {"9 Wan (Character)", "Heaven", "Tien", "character-heaven.jpg",
     "This tile represents blessings from above. Your wishes may be granted and your efforts crowned with success."},
    {"5 Wan (Character)", "House", "Fang", "character-house.jpg",
     "This tile signifies a safe home and a happy family. Domestic matters will go well for you."},
    {"8 Wan (Character)", "Knot", "Chieh", "character-knot.jpg",
     "This tile represents a bond that ties two people together. It may also mean a tangled problem that needs patience to undo."},
    {"4 Wan (Character)", "Lute", "Ch'in", "character-lute.jpg",
     "This tile signifies harmony and friendship. A time of music, laughter and agreement with others is indicated."},
    {"1 Wan (Character)", "Open Door", "Ju", "character-opendoor.jpg",
     "This indicates an opportunity that is waiting for you. Walk through the door with confidence and new paths will open."},
    {"2 Wan (Character)", "Sword", "Chien", "character-sword.jpg",
     "This tile represents courage and a fight for what is right. A conflict may arise, but you have the strength to win it."},
    {"7 Wan (Character)", "The Seven Star", "Tuo", "character-thesevenstar.jpg",
     "This tile signifies guidance and a clear direction. Follow your inner light and you will not lose your way."},

    // Circles, tiles 19..27
    {"5 Circle", "Dragon", "Lung", "circle-dragon.jpg",
     "This tile signifies good luck and prosperity. But this will come unexpectedly and not through hard work."},
    {"7 Circle", "Insect", "Chung", "circle-insect.jpg",
     "This tile represents small annoyances and petty worries. Do not let little things grow into big problems."},
    {"4 Circle", "Jade", "Yu", "circle-jade.jpg",
     "This tile signifies lasting wealth and virtue. Something of great value, a gift or an honour, may come to you."},
    {"6 Circle", "Peach", "Tao", "circle-peach.jpg",
     "This tile represents a long and healthy life. A marriage or a happy celebration in the family may also be indicated."},
    {"1 Circle", "Pearl", "Chu ", "circle-pearl.jpg",
     "This tile signifies wisdom and hidden treasure. What is precious in you will soon be seen by others."},
    {"3 Circle ", "Phoenix", "Feng", "circle-phoenix.jpg",
     "This tile represents rebirth and renewal. After a difficult time you will rise again, stronger than before."},
    {"2 Circle", "Pine", "Sung", "circle-pin.jpg",
     "This indicates endurance and steadfast friendship. Like the pine, you will stay green through the hardest winter."},
    {"8 Circle", "Tiger", "Hu", "circle-tiger.jpg",
     "This tile represents aggression. This may also mea something to do with officers and bureaucrats."},
    {"9 Circle", "Unicorn", "Chi", "circle-unicorn.jpg",
     "This tile signifies a rare and happy event. Wisdom, good fortune and gifted children are indicated."},

    // Dragons, tiles 28..30
    {"Green Dragon", "Green Dragon", "Fa", "dragon-greendragon.jpg",
     "This means 'Commence'. It represents the start or beginning of a new venture."},
    {"Red Dragon", "Red Dragon", "Chung", "dragon-reddragon.jpg",
     "This tile represents the 'Centre' or the 'Middle' of a target. It symbolizes success, achievement of goals and ambitions."},
    {"White Dragon", "White Dragon", "Pai", "dragon-whitedragon.jpg",
     "This represents the mystery of the unknown."},

    // Flowers, tiles 31..34
    {"Flowers Bamboo", "Flowers Bamboo", "Chu", "flower-bamboo.jpg",
     "This tile represents an upright and honest character. Stay true to your principles and others will look up to you."},
    {"Flowers Chrysanthemum", "Flowers Chrysanthemum", "Chü", "flower-chrys.jpg",
     "This tile signifies a life of ease and cheerfulness. Contentment and comfort in later years are indicated."},
    {"Flowers Orchid", "Flowers Orchid", "Lan", "flower-orchid.jpg",
     "This tile represents refinement and love. A gentle friendship may blossom into something more."},
    {"Flowers Plum Blossom", "Flowers Plum Blossom", "Li", "flower-plum.jpg",
     "This tile is symbol of innocence and happiness. It also signifies new beginnings and fortune."},

    // Seasons, tiles 35..38
    {"Seasons Autumn", "Seasons Autumn", "Keng", "season-autumn.jpg",
     "This indicates a time of harvest. The rewards of your past work will now be gathered."},
    {"Seasons Spring", "Seasons Spring", "Yu", "season-spring.jpg",
     "This indicates a fresh start and new growth. Plans made now will flourish in the months ahead."},
    {"Seasons Summer", "Seasons Summer", "Ch'iao", "season-summer.jpg",
     "This indicates warmth, activity and abundance. Your affairs are at their height, so make the most of this time."},
    {"Seasons Winter", "Seasons Winter", "Tu", "season-winter.jpg",
     "This indicates a time of rest and reflection. Save your strength and prepare quietly for what is to come."},

    // Winds, tiles 39..42
    {"Wind East", "Wind East", "Tung", "wind-east.jpg",
     "An important incident may occur which may leave a lasting impression on your life."},
    {"Wind North", "Wind North", "Pei", "wind-north.jpg",
     "This represents difficult times and a period of worry and unhappiness."},
    {"Wind South", "Wind South", "Nan", "wind-south.jpg",
     "Your plans will gather strength and grow. This tile represents expansion and a period of steady progress."},
    {"Wind West", "Wind West", "Hsi", "wind-west.jpg",
     "This tile signifies a time of completion. One matter will come to an end so that something better can begin."},
};

const WindAttributes WindTable[WindCount] = {
    {"Wind East", "Spring", "Green", "Wood", "Dragon (5 Circles)"},
    {"Wind South", "Summer", "Red", "Fire", "Phoenix (3 Circles)"},
    {"Wind West", "Autumn", "White", "Metal", "Tiger (8 Circles)"},
    {"Wind North", "Winter", "Black", "Water", "Tortoise (7 Bamboo)"},
};

const FlowerAttributes FlowerTable[FlowerCount] = {
    {"Flowers Plum Blossom", "East Wind", "Spring"},
    {"Flowers Orchid", "South Wind", "Summer"},
    {"Flowers Chrysanthemum", "West Wind", "Autumn"},
    {"Flowers Bamboo", "North Wind", "Winter"},
};

const SeasonAttributes SeasonTable[SeasonCount] = {
    {"Seasons Spring", "East Wind", "Fisherman", "Plum Blossom", "Green", "Wood"},
    {"Seasons Summer", "South Wind", "Woodcutter", "Orchid", "Red", "Fire"},
    {"Seasons Autumn", "West Wind", "Farmer", "Chrysanthemum", "White", "Metal"},
    {"Seasons Winter", "North Wind", "Scholar", "Bamboo", "Black", "Water"},
};

} // namespace modMajongOracle

#include "oracles/bibliomancy/BibliomancyTables.h"

namespace modBibliomancy {

// King James Version, word for word; the captions stand as they are shown.
// "Exodus, 20. 13" holds verses 13 to 16 and "Psalm 23. 1" verses 1 to 5, one
// verse a line. Entries 18, 33 and 34 repeat the passages of 10, 29 and 30.
const PassageRow ChristianityTable[ChristianityCount] = {
    {"Genesis, 1. 1", "In the beginning God created the heaven and the earth."},
    {"Genesis, 1. 28", "And God blessed them, and God said unto them, Be fruitful, and multiply, and replenish the earth, and subdue it: and have dominion over the fish of the sea, and over the fowl of the air, and over every living thing that moveth upon the earth."},
    {"Genesis, 2. 18", "It is not good that the man should be alone."},
    {"Genesis, 3. 13", "And the LORD God said unto the woman, What is this that thou hast done? And the woman said, The serpent beguiled me, and I did eat."},
    {"Genesis, 3. 19", "In the sweat of thy face shalt thou eat bread, till thou return unto the ground; for out of it wast thou taken: for dust thou art, and unto dust shalt thou return."},
    {"Genesis, 8. 9", "But the dove found no rest for the sole of her foot, and she returned unto him into the ark, for the waters were on the face of the whole earth: then he put forth his hand, and took her, and pulled her in unto him into the ark."},
    {"Genesis, 13. 8", "And Abram said unto Lot, Let there be no strife, I pray thee, between me and thee, and between my herdmen and thy herdmen; for we be brethren."},
    {"Exodus, 20. 12", "Honour thy father and thy mother: that thy days may be long upon the land which the LORD thy God giveth thee."},
    {"Exodus, 20. 13",
     "Thou shalt not kill.\r\n"
     "Thou shalt not commit adultery.\r\n"
     "Thou shalt not steal.\r\n"
     "Thou shalt not bear false witness against thy neighbor."},
    {"Exodus 20:5", "Thou shalt not bow down thyself to them, nor serve them: for I the LORD thy God am a jealous God, visiting the iniquity of the fathers upon the children unto the third and fourth generation of them that hate me;"},
    {"Psalms 1:1", "Blessed is the man that walketh not in the counsel of the ungodly, nor standeth in the way of sinners, nor sitteth in the seat of the scornful."}, // 10
    {"Psalms 1:2", "But his delight is in the law of the LORD; and in his law doth he meditate day and night."},
    {"Psalms 1:3", "And he shall be like a tree planted by the rivers of water, that bringeth forth his fruit in his season; his leaf also shall not wither; and whatsoever he doeth shall prosper."},
    {"Psalms 1:4", "The ungodly are not so: but are like the chaff which the wind driveth away."},
    {"Psalms 1:5", "Therefore the ungodly shall not stand in the judgment, nor sinners in the congregation of the righteous."},
    {"Psalms 1:6", "For the LORD knoweth the way of the righteous: but the way of the ungodly shall perish."},
    {"Exodus, 21. 23", "And if any mischief follow, then thou shalt give life for life,"},
    {"Exodus, 33. 20", "And he said, Thou canst not see my face: for there shall no man see me, and live."},
    {"Psalm 1. 1", "Blessed is the man that walketh not in the counsel of the ungodly, nor standeth in the way of sinners, nor sitteth in the seat of the scornful."}, // repeats 10
    {"Psalm 4. 4", "Stand in awe, and sin not: commune with your own heart upon your bed, and be still. Selah."},
    {"Psalm 4. 6", "There be many that say, Who will shew us any good? LORD, lift thou up the light of thy countenance upon us."}, // 20
    {"Psalm 8. 5", "For thou hast made him a little lower than the angels, and hast crowned him with glory and honour."},
    {"Psalm 19. 10", "More to be desired are they than gold, yea, than much fine gold: sweeter also than honey and the honeycomb."},
    {"Psalm 22. 16", "For dogs have compassed me: the assembly of the wicked have inclosed me: they pierced my hands and my feet."},
    {"Psalm 23. 1",
     "The LORD is my shepherd; I shall not want.\r\n"
     "He maketh me to lie down in green pastures: he leadeth me beside the still waters.\r\n"
     "He restoreth my soul: he leadeth me in the paths of righteousness for his name's sake.\r\n"
     "Yea, though I walk through the valley of the shadow of death, I will fear no evil: for thou art with me; thy rod and thy staff they comfort me.\r\n"
     "Thou preparest a table before me in the presence of mine enemies: thou anointest my head with oil; my cup runneth over."},
    {"Psalm 24. 1", "The earth is the LORD's, and the fulness thereof; the world, and they that dwell therein."},
    {"Psalm 24. 7", "Lift up your heads, O ye gates; and be ye lift up, ye everlasting doors; and the King of glory shall come in."},
    {"Psalm 25. 7", "Remember not the sins of my youth, nor my transgressions: according to thy mercy remember thou me for thy goodness' sake, O LORD."},
    {"Psalm 25. 22", "Redeem Israel, O God, out of all his troubles."},
    {"Psalm 27. 1", "The LORD is my light and my salvation; whom shall I fear? the LORD is the strength of my life; of whom shall I be afraid?"},
    {"Psalm 27. 11", "Teach me thy way, O LORD, and lead me in a plain path, because of mine enemies."}, // 30
    {"Psalm 30. 5", "For his anger endureth but a moment; in his favour is life: weeping may endure for a night, but joy cometh in the morning."},
    {"Psalm 31. 5", "Into thine hand I commit my spirit: thou hast redeemed me, O LORD God of truth."},
    {"Psalm 27. 1", "The LORD is my light and my salvation; whom shall I fear? the LORD is the strength of my life; of whom shall I be afraid?"}, // repeats 29
    {"Psalm 27. 11", "Teach me thy way, O LORD, and lead me in a plain path, because of mine enemies."}, // repeats 30
    {"Psalm 31. 20", "Thou shalt hide them in the secret of thy presence from the pride of man: thou shalt keep them secretly in a pavilion from the strife of tongues."},
    {"Psalm 32. 10", "Many sorrows shall be to the wicked: but he that trusteth in the LORD, mercy shall compass him about."},
    {"Psalm 34. 13", "Keep thy tongue from evil, and thy lips from speaking guile."},
    {"Proverbs 30:3", "I neither learned wisdom, nor have the knowledge of the holy."},
    {"Proverbs 30:4", "Who hath ascended up into heaven, or descended? who hath gathered the wind in his fists? who hath bound the waters in a garment? who hath established all the ends of the earth? what is his name, and what is his son's name, if thou canst tell?"},
    {"Proverbs 30:5", "Every word of God is pure: he is a shield unto them that put their trust in him."}, // 40
    {"Proverbs 30:6", "Add thou not unto his words, lest he reprove thee, and thou be found a liar."},
    {"Proverbs 30:7", "Two things have I required of thee; deny me them not before I die:"},
    {"Proverbs 30:8", "Remove far from me vanity and lies: give me neither poverty nor riches; feed me with food convenient for me:"},
    {"Proverbs 30:10", "Accuse not a servant unto his master, lest he curse thee, and thou be found guilty."},
    {"Proverbs 30:18", "There be three things which are too wonderful for me, yea, four which I know not:"},
    {"Proverbs 30:24", "There be four things which are little upon the earth, but they are exceeding wise:"},
    {"Proverbs 30:25", "The ants are a people not strong, yet they prepare their meat in the summer;"},
    {"Proverbs 30:30", "A lion which is strongest among beasts, and turneth not away for any;"},
    {"Proverbs 30:32", "If thou hast done foolishly in lifting up thyself, or if thou hast thought evil, lay thine hand upon thy mouth."},
    {"Proverbs 30:33", "Surely the churning of milk bringeth forth butter, and the wringing of the nose bringeth forth blood: so the forcing of wrath bringeth forth strife."}, // 50
    {"Psalm 39. 4", "LORD, make me to know mine end, and the measure of my days, what it is: that I may know how frail I am."},
    {"Psalm 139. 6", "Such knowledge is too wonderful for me; it is high, I cannot attain unto it."},
    {"Psalm 146. 3", "Put not your trust in princes, nor in the son of man, in whom there is no help."},
    {"Psalm 122. 7", "Peace be within thy walls, and prosperity within thy palaces."},
    {"Psalm 127. 3", "Lo, children are an heritage of the LORD: and the fruit of the womb is his reward."},
    {"Psalm 129. 2", "Many a time have they afflicted me from my youth: yet they have not prevailed against me."},
    {"Psalm 133. 1", "Behold, how good and how pleasant it is for brethren to dwell together in unity!"},
    {"Psalm 85. 10", "Mercy and truth are met together; righteousness and peace have kissed each other."},
    {"Psalm 90. 12", "So teach us to number our days, that we may apply our hearts unto wisdom."},
    {"Psalm 91. 5", "Thou shalt not be afraid for the terror by night; nor for the arrow that flieth by day;"}, // 60
    {"Psalm 92. 12", "The righteous shall flourish like the palm tree: he shall grow like a cedar in Lebanon."},
    {"Psalm 91. 9", "Because thou hast made the LORD, which is my refuge, even the most High, thy habitation;"},
    {"John 3:16-17", "For God so loved the world, that he gave his only begotten Son, that whosoever believeth in him should not perish, but have everlasting life. For God sent not his Son into the world to condemn the world; but that the world through him might be saved."},
    {"Romans 11:33", "O the depth of the riches both of the wisdom and knowledge of God! how unsearchable are his judgments, and his ways past finding out!"},
    {"Job 5:2", "For wrath killeth the foolish man, and envy slayeth the silly one."},
    {"Job 19:29", "Be ye afraid of the sword: for wrath bringeth the punishments of the sword, that ye may know there is a judgment."},
    {"Psalms 37:8", "Cease from anger, and forsake wrath: fret not thyself in any wise to do evil."},
    {"Proverbs 6:34", "For jealousy is the rage of a man: therefore he will not spare in the day of vengeance."},
    {"Proverbs 12:16", "A fool's wrath is presently known: but a prudent man covereth shame."},
    {"Proverbs 14:17", "[He that is] soon angry dealeth foolishly: and a man of wicked devices is hated."}, // 70
    {"Ecclesiastes 9:10", "Whatsoever thy hand findeth to do, do it with thy might; for there is no work, nor device, nor knowledge, nor wisdom, in the grave, whither thou goest."},
    {"1 Corinthians 9:24", "Know ye not that they which run in a race run all, but one receiveth the prize? So run, that ye may obtain."},
    {"Colossians 3:23", "And whatsoever ye do, do it heartily, as to the Lord, and not unto men;"},
};

} // namespace modBibliomancy

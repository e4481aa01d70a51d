// SPDX-License-Identifier: MIT
#include "core/vedic/match/koota_texts.h"

namespace lumora {

// What each koota stands for, in koota order. Paragraphs of a text are separated
// by CR LF pairs as the report shows them.
const std::array<std::string_view, kKootaCount> kKootaSignificance = {
    // Varna Kuta
    "Varna Kuta is the technique that is concerned with the spiritual and the individual "
    "ego development of the couple or potential business partners. "
    "It is the first of the eight kootas and carries just one point out of the total of "
    "36, so its weight in the overall score is quite small. "
    "The term Varna ideally refers to the family background or class. "
    "In this matching, however, it is read from the moon sign, not from birth, and "
    "describes a person's inner temperament and outlook. "
    "The water signs Cancer, Scorpio and Pisces are Brahmin, known for learning and "
    "reflection; the fire signs Aries, Leo and Sagittarius are Kshatriya, linked to "
    "courage and leadership; the earth signs Taurus, Virgo and Capricorn are Vysya, "
    "suited to trade and to practical tasks; and the air signs Gemini, Libra and "
    "Aquarius are Sudra, devoted to service and teamwork. "
    "The point is given when the woman's Varna is equal to or higher than the man's. "
    "When it is lower, tradition holds that the two may differ in their values and "
    "goals, "
    "leading to marital problems. "
    "Since only one point is at stake, a zero here is rarely decisive, and astrologers "
    "usually weigh it together with the other seven kootas.",

    // Vasya Kuta
    "The Vasya Kuta deals with the inherent liking or the natural attraction that a "
    "couple or two potential business partners, have for each other. "
    "The word Vasya means control or influence, and this koota looks at how far one "
    "partner is drawn to, or can sway, the other. "
    "It carries at most two points. "
    "The moon signs are sorted into five groups, and the score depends on the groups of "
    "the two partners: signs of the same group, or a sign that is naturally under the "
    "sway of the other, earn the higher marks, while groups that are natural "
    "adversaries, such as the wild sign and the human or quadruped signs, earn little or "
    "nothing. "
    "A low score suggests one partner may feel dominated or unappreciated. "
    "The five groups are:"
    "\r\n\r\n"
    "Quadruped Sign - Aries, Taurus, first 15 degrees of Capricorn and the second 15 "
    "degrees of Sagittarius."
    "\r\n\r\n"
    "Human Sign - Gemini, Virgo, Libra and the first 15 degrees of Sagittarius and "
    "Aquarius."
    "\r\n\r\n"
    "Water Sign - Cancer, Pisces and the second 15 degrees of Capricorn."
    "\r\n\r\n"
    "Wild Sign - This includes only the Leo zodiac sign."
    "\r\n\r\n"
    "Insect Sign - This includes only the Scorpio zodiac sign."
    "\r\n\r\n"
    "According to the Hindu shastras, if the couple or potential business partners' moon "
    "signs are Vasya to one another, it will generate harmony resulting in a happy and "
    "meaningful relationship.",

    // Tara Kuta
    "The word 'Dina' in Hindu terminology symbolizes day, and the Dina Kuta agreement is "
    "also known as the Tara Kuta. "
    "It compares the birth stars, or nakshatras, of the two partners and carries up to "
    "three points. "
    "The count is made from the woman's nakshatra to the man's and from the man's to the "
    "woman's, and each number is divided by nine. "
    "The remainder names one of nine taras: Janma, Sampat, Vipat, Kshema, Pratyak, "
    "Sadhana, Naidhana, Mitra and Parama Mitra. "
    "Remainders of three, five and seven, the Vipat, Pratyak and Naidhana taras, are "
    "considered unfavorable, hinting at obstacles, opposition and strain on health and "
    "longevity, while the others are favorable. "
    "A partner's star next to the other's earns the full three points, the very same "
    "tara earns none, and other places earn one and a half. "
    "A good Tara score is thought to bring good fortune and well-being to the couple day "
    "after day. "
    "Hindu shastra says that it is essential that the woman feels comfortable in the "
    "presence of the man in her life, and absorbs anything good that the man has to "
    "offer. "
    "Where the Tara score is weak, families often pray to the ruling planets of the "
    "stars involved and then look for strengths in the other kootas.",

    // Yoni Kuta
    "In the realm of Vedic Astrology, the term 'Yoni' indicates the sexual organ of a "
    "woman. "
    "The Yoni Kuta measures physical and intimate compatibility, and carries up to four "
    "points. "
    "Each of the 27 nakshatras is linked to one of fourteen animals: horse, elephant, "
    "sheep, serpent, dog, cat, rat, cow, buffalo, tiger, deer, monkey, mongoose and "
    "lion, each in male or female form. "
    "The animal nature of a person's birth star is believed to color his or her "
    "instincts, desires and ways of showing affection. "
    "The best-suited pairs of animals earn the full four points, a couple sharing one "
    "animal earns two or three, friendly animals three, neutral ones two and a half, "
    "enemies none. "
    "The enemy pairs are horse and buffalo, elephant and lion, sheep and monkey, serpent "
    "and mongoose, dog and deer, cat and rat, and cow and tiger. "
    "A couple whose animals are enemies may find closeness difficult and may clash over "
    "petty matters. "
    "Therefore the Yoni Kuta is a compatibility chart, based on various animal signs, "
    "all of which are friendly, unfriendly, neutral or inimical with each other. "
    "A low score is not read as a final verdict; many astrologers suggest patience, "
    "frank talk and mutual respect, along with prayer, to ease its effects.",

    // Graha Maitri Kuta
    "This technique is basically used to determine whether a potential couple or "
    "business partners are friendly, loving and compassionate towards one another. "
    "Graha Maitri means friendship of the planets, and the koota carries at most five "
    "points. "
    "It looks at the planets that rule the two moon signs: Mars rules Aries and Scorpio, "
    "Venus rules Taurus and Libra, Mercury rules Gemini and Virgo, the Moon rules "
    "Cancer, the Sun rules Leo, Jupiter rules Sagittarius and Pisces, and Saturn rules "
    "Capricorn and Aquarius. "
    "By tradition, each planet treats the others as friends, neutrals or enemies. "
    "If both lords are friends, or the same planet rules both signs, the full five "
    "points are given. "
    "A friend and a neutral earn four, two neutrals earn three, a friend and an enemy "
    "one, a neutral and an enemy half a point, and two enemies none."
    "\r\n"
    "If these moon sign planets are mostly compatible to one another, one can expect a "
    "very harmonious and thoroughly fulfilling relationship.",

    // Gana Kuta
    "The real aim of the Gana Kuta is to measure the temperamental compatibility between "
    "prospective partners. "
    "It carries up to six points. "
    "Every nakshatra belongs to one of three ganas, or temperaments. "
    "Deva gana, the divine type, is linked with gentleness, generosity, kindliness and a "
    "spiritual bent. "
    "Manushya gana, the human type, stands for a balanced nature that mixes ambition and "
    "worldly concerns with decency and care for others. "
    "Rakshasa gana, the demonic type, does not mean an evil person; it describes a "
    "strong-willed, independent and intense nature. "
    "When both partners belong to the same gana, the full six points are given. "
    "A Deva with a Manushya also scores well, while a Rakshasa paired with either of the "
    "others scores little or nothing, since tradition warns of frequent quarrels. "
    "Deva people are seen as gentle and forgiving, Manushya people practical and "
    "sociable, and Rakshasa people are said to be proud, bold, "
    "dominating and have a tendency to break down conventional norms. "
    "Such a person can be a strong, protective partner, but may find it hard to live "
    "with someone of a softer nature who wants peace at any cost. "
    "The gravest mismatch is thought to be when one partner is Rakshasa and the other "
    "Deva. "
    "Some astrologers ignore a Gana mismatch when the lords of the two moon signs are "
    "friends, or when the Rashi and Nadi kootas score well. "
    "Prayer and a real effort to respect each other's pace are the usual remedies.",

    // Rashi Kuta
    "The Rashi Kuta technique is used to determine general prosperity in a couple's "
    "family life with regard to children born in a couple's potential family life. "
    "Also called Bhakoot, it carries up to seven points, second only to the Nadi koota. "
    "It looks at how far apart the two moon signs lie in the zodiac, counting forward "
    "from one partner's sign to the other's. "
    "When both moon signs are the same, when they stand directly opposite each other, or "
    "when they fall in the 3rd and 11th or the 4th and 10th positions from each other, "
    "the full seven points are given and the couple can hope for wealth, harmony and "
    "healthy children. "
    "The 3rd and 11th pairing is linked with gains and mutual support, the 4th and 10th "
    "with a settled home and shared work, and opposite signs with strong attraction and "
    "balance. "
    "When the signs fall in the 5th and 9th positions, many astrologers link the pair "
    "with worries about children. "
    "If the signs stand in the 6th and 8th "
    "positions, or in the 2nd and 12th positions from one another, this indicates loss "
    "of prosperity in family life and problems in constructing a bright, happy family in "
    "general. "
    "This mismatch, called Bhakoot Dosha, is often set aside when both moon signs share "
    "a lord or have lords who are friends.",

    // Nadi Kuta
    "In Hindu terminology, the term 'Nadi' refers to the nervous system, and its center, "
    "which controls the health and the emotional temperament of a person. "
    "The Nadi Kuta holds eight points, the most of any koota. "
    "Every nakshatra belongs to one of three nadis, named after the three doshas of "
    "Ayurveda: Vatha, Pittha and Kapha. "
    "Partners of different nadis score highly, while partners of the same nadi score "
    "rather low. "
    "The nakshatras of each nadi are:"
    "\r\n\r\n"
    "Vatha - Asvinni, Ardra, Punurvasu, Uttara Phalguni, Hasta, Jyeshtha, Mula, "
    "Shatabisha and Purva Bhadra Pada."
    "\r\n\r\n"
    "Pittha - Bharani, Mrigashira, Pushyami, Purva Phalguni, Chitra, Anuradha, Purva "
    "Ashada, Dhanishta and Uttara Bhadra Pada."
    "\r\n\r\n"
    "Kapha - Krittika, Rohini, Aslesha, Magha, Svati, Vishakha, Uttara Ashada, Sravana "
    "and Revati."
    "\r\n\r\n"
    "The importance of Nadi Kuta lies in the fact that health is top priority for all, "
    "and the birth of children also depends on this factor. "
    "When both partners share the same nadi, the result is called Nadi Dosha, and it is "
    "believed to bring health troubles and difficulty in having healthy children. "
    "Tradition lists some exceptions, for example when both share the same moon sign but "
    "different nakshatras, or the same nakshatra but different quarters. "
    "Common remedies include the Maha Mrityunjaya mantra, charity and prayer."};

// The sentences of the texts above that describe the specified tables' points, with
// what the classical tables do in their place (classical_tables.h).
const std::array<SignificanceChange, 6> kClassicalSignificanceChanges{{
    {0, "are Vysya, ", "are Vaishya, "},
    {0, "are Sudra, ", "are Shudra, "},
    {0,
     "The point is given when the woman's Varna is equal to or higher than the man's. "
     "When it is lower, ",
     "The point is given when the man's Varna is equal to or higher than the woman's. "
     "When it is lower, "},
    {2,
     "A partner's star next to the other's earns the full three points, the very same "
     "tara earns none, and other places earn one and a half. ",
     "Each direction whose tara is favorable earns one and a half points, so the same "
     "star or a star next to the other's earns the full three, and any other place one "
     "and a half. "},
    {3,
     "The best-suited pairs of animals earn the full four points, a couple sharing one "
     "animal earns two or three, friendly animals three, neutral ones two and a half, "
     "enemies none. ",
     "A couple sharing one animal earns the full four points, friendly animals three, "
     "neutral ones two, unfriendly ones one, and enemies none. "},
    {7, "rather low. ", "nothing. "},
}};

}  // namespace lumora

// SPDX-License-Identifier: MIT
// The rashi and nakshatra catalogues against the reference tables: every short field
// in full, every prose field by its opening words and exact length, and the pages of
// the result window that show them.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ephemeris/zodiac.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"
#include "table_reader.h"

namespace lumora {
namespace {

// Reference tables, copied row for row. Cells are quoted texts; prose cells give the
// opening words and, in brackets, the length of the whole field.
constexpr std::string_view kRashiNames = R"tbl(
| Index | IndianName | EnglishName | RullingPlanet | Symbol | InbornNature | SignColor |
| 0 | "Mesha" | "Aries" | "Mars" | "The Ram" | "Fire" | "Red, Brown, Copper" |
| 1 | "Vrishabha" | "Taurus" | "Venus" | "The Bull" | "Earth" | "White" |
| 2 | "Mithuna" | "Gemini" | "Mercury" | "The Twins" | "Air" | "Green" |
| 3 | "Kataka" | "Cancer" | "Moon" | "The Crab" | "Water" | "Pink" |
| 4 | "Simha" | "Leo" | "Sun" | "The Lion" | "Fire" | "White" |
| 5 | "Kanya" | "Virgo" | "Mercury" | "The Virgin" | "Earth" | "Multicolored" |
| 6 | "Thula" | "Libra" | "Venus" | "The Balance" | "Air" | "Black" |
| 7 | "Vrischika" | "Scorpio" | "Mars" | "The Scorpion" | "Water" | "Reddish Brown" |
| 8 | "Dhanus" | "Sagittarius" | "Jupiter" | "The Archer" | "Fire" | "Yellowish brown" |
| 9 | "Makara" | "Capricorn" | "Saturn" | "The Crocodile" | "Earth" | "Multicolored" |
| 10 | "Kumbha" | "Aquarius" | "Saturn" | "The Water Carrier" | "Air" | "Deep Brown" |
| 11 | "Meena" | "Pisces" | "Jupiter" | "The Double Fish" | "Water" | "Blue" |
)tbl";

constexpr std::string_view kRashiClasses = R"tbl(
| Index | EnglishName | TypeOfSign | Gender | BestPeriodOfActivity | Barren | SignCaste | SignPosition | Constituent |
| 0 | "Aries" | "Movable" | "Male" | "Night" | "Barren" | "Kshatriya" | "Dwara" | "Mineral (Dhatu)" |
| 1 | "Taurus" | "Fixed" | "Female" | "Night" | "Semi-Fruitful" | "Vaisya" | "Bahya" | "Vegetable (Moola)" |
| 2 | "Gemini" | "Mixed" | "Female" | "Night" | "Barren" | "Sudra" | "Garbha" | "Animal (Jeeva)" |
| 3 | "Cancer" | "Movable" | "Female" | "Night" | "Fruitful" | "Brahmana" | "Dwara" | "Mineral (Dhatu)" |
| 4 | "Leo" | "Fixed" | "Male" | "Day" | "Barren" | "Kshatriya" | "Bahya" | "Vegetable (Moola)" |
| 5 | "Virgo" | "Mixed" | "Female" | "Day" | "Barren" | "Vaisya" | "Garbha" | "Animal (Jeeva)" |
| 6 | "Libra" | "Movable" | "Male" | "Day" | "Semi-Fruitful" | "Sudra" | "Dwara" | "Mineral (Dhatu)" |
| 7 | "Scorpio" | "Fixed" | "Female" | "Day" | "Fruitful" | "Brahmana" | "Bahya" | "Vegetable (Moola)" |
| 8 | "Sagittarius" | "Mixed" | "Male" | "Night" | "Semi-Fruitful" | "Kshatriya" | "Garbha" | "Animal (Jeeva)" |
| 9 | "Capricorn" | "Movable" | "Female" | "Night" | "Barren" | "Vaisya" | "Dwara" | "Mineral (Dhatu)" |
| 10 | "Aquarius" | "Fixed" | "Male" | "Day" | "Semi-Fruitful" | "Sudra" | "Bahya" | "Vegetable (Moola)" |
| 11 | "Pisces" | "Mixed" | "Female" | "Day" | "Fruitful" | "Brahmana" | "Garbha" | "Animal (Jeeva)" |
)tbl";

constexpr std::string_view kRashiLuck = R"tbl(
| Index | EnglishName | LuckyDays | LuckyNumbers | BestDirection | LuckyColors | LuckyGemstone | PartOfTheBody | Physique |
| 0 | "Aries" | "Monday, Tuesday" | "9, 1" | "East" | "Red, Brown, Copper" | "Coral" | "Head" | "Short" |
| 1 | "Taurus" | "Thursday, Friday" | "2, 8" | "South" | "Pink, Green" | "Diamond" | "Face" | "Short" |
| 2 | "Gemini" | "Monday, Wednesday" | "3, 7" | "West" | "Yellow, Purple, Blue" | "Emerald" | "Shoulders" | "Even" |
| 3 | "Cancer" | "Monday, Thursday" | "2, 7, 9" | "North" | "White, Red, Yellow" | "Pearl" | "Chest" | "Even" |
| 4 | "Leo" | "Sunday, Monday" | "1, 4, 5, 9" | "East" | "Orange, Red, Green" | "Ruby" | "Heart & Stomach" | "Tall" |
| 5 | "Virgo" | "Wednesday, Friday" | "2, 3, 5, 6" | "South" | "Green" | "Emerald" | "Abdomen" | "Tall" |
| 6 | "Libra" | "Friday, Wednesday, Thursday" | "1, 2, 4" | "West" | "White, Green, Yellow" | "Diamond" | "Lower Abdomen & Groin" | "Tall" |
| 7 | "Scorpio" | "Monday, Tuesday, Thursday" | "3, 7, 9" | "North" | "Brown, Red, Yellow, White" | "Coral" | "External Genitalia" | "Tall" |
| 8 | "Sagittarius" | "Sunday, Thursday" | "3, 5, 6, 8" | "East" | "Yellow, Gray, Brown" | "Yellow Sapphire" | "Thighs" | "Even" |
| 9 | "Capricorn" | "Saturday, Wednesday" | "6, 8, 9" | "South" | "Black, Blue" | "Blue Sapphire" | "Knees" | "Even" |
| 10 | "Aquarius" | "Thursday, Friday, Saturday" | "2, 3, 7, 9" | "West" | "Blue, Black" | "Blue Sapphire" | "Calves" | "Short" |
| 11 | "Pisces" | "Thursday, Monday, Tuesday" | "1, 3, 4" | "North" | "Pink, Cream" | "Yellow Sapphire" | "Feet" | "Short" |
)tbl";

constexpr std::string_view kRashiCompatibility = R"tbl(
| Index | EnglishName | CompatibleWith | NotCompatibleWith |
| 0 | "Aries" | "Leo, Sagittarius, Gemini, Aquarius, Libra" | "Scorpio, Pisces, Cancer" |
| 1 | "Taurus" | "Cancer, Virgo, Scorpio, Capricorn, Pisces" | "Gemini, Aquarius, Libra" |
| 2 | "Gemini" | "Aries, Leo, Libra, Sagittarius, Aquarius" | "Taurus, Virgo, Capricorn" |
| 3 | "Cancer" | "Virgo, Scorpio, Capricorn, Pisces, Taurus" | "Aries, Leo, Sagittarius" |
| 4 | "Leo" | "Libra, Sagittarius, Aquarius, Aries, Gemini" | "Scorpio, Pisces, Cancer" |
| 5 | "Virgo" | "Scorpio, Capricorn, Pisces, Cancer" | "Gemini, Aquarius, Libra" |
| 6 | "Libra" | "Sagittarius, Aquarius, Aries, Gemini, Leo" | "Taurus, Virgo, Capricorn" |
| 7 | "Scorpio" | "Capricorn, Pisces, Taurus, Cancer, Virgo" | "Aries, Leo, Sagittarius" |
| 8 | "Sagittarius" | "Aquarius, Aries, Gemini, Leo, Libra" | "Scorpio, Pisces, Cancer" |
| 9 | "Capricorn" | "Pisces, Taurus, Cancer, Virgo, Scorpio" | "Gemini, Aquarius, Libra" |
| 10 | "Aquarius" | "Aquarius, Libra, Gemini" | "Taurus, Virgo, Capricorn" |
| 11 | "Pisces" | "Taurus, Cancer, Virgo, Scorpio, Capricorn" | "Aries, Leo, Sagittarius" |
)tbl";

constexpr std::string_view kRashiProse = R"tbl(
| Index | Looks | Nature | CareerAndFinance | LoveAndDomesticLife | Health |
| 0 | "You may be slim and" (189) | "You are very independent and" (883) | "You are ambitious by nature." (175) | "You are a romantic to" (210) | "You may be prone to" (123) |
| 1 | "You are most probably attractive" (208) | "You have a powerful and" (685) | "You love spending on luxurious" (282) | "You may not express your" (140) | "You may not enjoy good" (84) |
| 2 | "People of this sign are" (152) | "You have an analytical mind." (652) | "You will do very well" (227) | "You are blessed with a" (216) | "You may have some problems" (108) |
| 3 | "You may have a medium" (144) | "You are a patient person" (619) | "You have an artistic bent" (186) | "Parents will mean a lot" (220) | "You may have stress and" (166) |
| 4 | "Leos are usually tall and" (162) | "You are a leader and" (716) | "You can do well in" (215) | "You love living life king" (321) | "Heart problems may occur. Stomach" (124) |
| 5 | "You are most probably tall" (149) | "You are practical and polished." (855) | "You are skilled in music" (126) | "You are not romantic at" (150) | "Your intestine and liver may" (81) |
| 6 | "You are mostly tall and" (165) | "Justice means everything to you." (769) | "You could make a career" (157) | "Being peaceful and loving by" (184) | "Kidney and liver are your" (93) |
| 7 | "You may have broad body" (120) | "Mysterious is the first word" (811) | "You may come in possession" (257) | "Your possessive nature may create" (276) | "You may have problems from" (110) |
| 8 | "You may be medium to" (183) | "You are very optimistic and" (515) | "You always yearn to learn" (240) | "You may have some problem" (297) | "Your body gives out too" (155) |
| 9 | "You generally have beautiful eyes." (117) | "You want to achieve a" (726) | "Material wealth means a lot" (166) | "Domestic life will have its" (324) | "You may be prone to" (93) |
| 10 | "You may have a fair" (244) | "You are a thinker, philosopher" (626) | "You will do very well" (195) | "You are influenced more by" (177) | "Your legs and eyes may" (155) |
| 11 | "You may have the perfect" (169) | "You are very creative and" (699) | "You are artistically inclined. You" (231) | "Your children will be very" (293) | "Common cold will be your" (131) |
)tbl";

constexpr std::string_view kNakshatraSymbols = R"tbl(
| Index | NakshatraName | RullingPlanet | Symbol | AnimalSymbol | AstronomicalName |
| 0 | "Ashwini" | "Ketu" | "Head of a Horse" | "Horse" | "Beta Arietis" |
| 1 | "Bharani" | "Venus" | "Yoni ( Female Sexual Organ)" | "Elephant" | "35 Arietis" |
| 2 | "Krittika" | "Sun" | "A Razor" | "Sheep" | "Eta Tauri" |
| 3 | "Rohini" | "Moon" | "A Chariot" | "Serpent" | "Aldebaran" |
| 4 | "Mrigasira" | "Mars" | "Head of a Deer" | "Serpent" | "Lambda Orionis" |
| 5 | "Ardra" | "Rahu" | "Precious Stone" | "Dog" | "Alpha Orionis" |
| 6 | "Punarvasu" | "Jupiter" | "A Bow / A House" | "Cat" | "Beta Geminorium" |
| 7 | "Pushya" | "Saturn" | "A Circle / A Flower/ An Arrow" | "Sheep" | "Delta Cancri" |
| 8 | "Ashlesha" | "Mercury" | "A Serpent" | "Cat" | "Alpha Hydroe" |
| 9 | "Magha" | "Ketu" | "A House or a Palaquin" | "Rat" | "Regulus" |
| 10 | "Poorva Phalguni" | "Venus" | "A Fire Place" | "Rat" | "Delta Leonis" |
| 11 | "Uttara Phalguni" | "Sun" | "A Small Bed" | "Cow" | "Beta Leonis" |
| 12 | "Hasta" | "Moon" | "The Fist" | "Buffalo" | "Delta Corvi" |
| 13 | "Chitra" | "Mars" | "A Pearl" | "Tiger" | "Spica Virginis -Vegus" |
| 14 | "Swati" | "Rahu" | "A Coral" | "Buffalo" | "Arcturus" |
| 15 | "Vishakha" | "Jupiter" | "A Potter's Wheel" | "Tiger" | "Alpha Libroe" |
| 16 | "Anuradha" | "Saturn" | "A Lotus Flower" | "Hare" | "Delta Scorpio" |
| 17 | "Jyeshtha" | "Mercury" | "An Umbrella" | "Hare" | "Antares" |
| 18 | "Moola" | "Ketu" | "Tail of a Lion" | "Dog" | "Lambda Scorpio" |
| 19 | "Purva Ashadha" | "Venus" | "Tusk of an Elephant / A Handfan" | "Monkey" | "Delta Sagittari" |
| 20 | "Uttara Ashadha" | "Sun" | "A Small Cot" | "Mongoose" | "Sigma Sagittari" |
| 21 | "Shravana" | "Moon" | "An Ear /An Arrow / Three Footprints" | "Monkey" | "Alpha Aquiloe" |
| 22 | "Dhanistha" | "Mars" | "A Musical Drum / A Flute" | "Lion" | "Beta Delphinum" |
| 23 | "Shatabhisha" | "Rahu" | "Hundred Flowers / A Circle" | "Horse" | "Lambda Aquarius" |
| 24 | "Poorva Bhadrapada" | "Jupiter" | "A Sword" | "Lion" | "Alpha Pegasi" |
| 25 | "Uttara Bhadrapada" | "Saturn" | "Twins or the Number Two" | "Cow" | "Gama Pegasi" |
| 26 | "Revati" | "Mercury" | "A Fish" | "Elephant" | "Zeta Piscum" |
)tbl";

constexpr std::string_view kNakshatraDeities = R"tbl(
| Index | NakshatraName | RullingDeva | PurposeOfTheDeva | Element | PartOfBody |
| 0 | "Ashwini" | "Ashwina Kumara" | "Physician of the Demi Gods" | "Prithvi (Earth)" | "Upper Part of Feet" |
| 1 | "Bharani" | "Yamaraja" | "Punisher of Death" | "Prithvi (Earth)" | "Soles" |
| 2 | "Krittika" | "Agni" | "The Demi God of Fire" | "Prithvi (Earth)" | "Head" |
| 3 | "Rohini" | "Brahma" | "Creator of the Universe" | "Prithvi (Earth)" | "Forehead" |
| 4 | "Mrigasira" | "Chandra" | "Moon, Deity of the Mind" | "Prithvi (Earth)" | "Eye Brows" |
| 5 | "Ardra" | "Rudra" | "Shiva, Lord of Destruction & Anger" | "Jala (Water)" | "Eyes" |
| 6 | "Punarvasu" | "Aditi" | "Mother of the Demigods" | "Jala (Water)" | "Nose" |
| 7 | "Pushya" | "Brihaspati" | "Jupiter, Teacher of the Demigods" | "Jala (Water)" | "Face" |
| 8 | "Ashlesha" | "Naga" | "The Serpent Demigod" | "Jala (Water)" | "Ears" |
| 9 | "Magha" | "Pitara" | "The Forefathers" | "Jala (Water)" | "Lips & Chin" |
| 10 | "Poorva Phalguni" | "Bhaga" | "The Demi God of Lavishness" | "Jala (Water)" | "Right Hand" |
| 11 | "Uttara Phalguni" | "Aryama" | "Lord of the Manes" | "Tejo (Fire)" | "Left Hand" |
| 12 | "Hasta" | "Aditya" | "The Sun, Demi God of Light" | "Tejo (Fire)" | "Fingers" |
| 13 | "Chitra" | "Thvasta" | "Vishwakarma, Architect of the Demigods" | "Tejo (Fire)" | "Neck" |
| 14 | "Swati" | "Vayu" | "Demi God of Wind" | "Tejo (Fire)" | "Chest" |
| 15 | "Vishakha" | "Shakragni" | "Combination of Indra & Agni" | "Tejo (Fire)" | "Breasts" |
| 16 | "Anuradha" | "Mitra" | "Demi God of Brain" | "Tejo (Fire)" | "Stomach" |
| 17 | "Jyeshtha" | "Indra" | "Vasava, King of the Demigods" | "Vayu (Air)" | "Right Side of Trunk" |
| 18 | "Moola" | "Nirriti" | "Rakshasa, King of Demons" | "Vayu (Air)" | "Left Side of Trunk" |
| 19 | "Purva Ashadha" | "Varuna" | "Demi God of Water" | "Vayu (Air)" | "Back" |
| 20 | "Uttara Ashadha" | "Vishwadeva" | "Demi God of the Stars" | "Vayu (Air)" | "Waist" |
| 21 | "Shravana" | "Govinda" | "Lord Vishnu" | "Vayu (Air)" | "Sex Organs" |
| 22 | "Dhanistha" | "Vasu" | "Deity of the Sun" | "Akasha (Space)" | "Anus" |
| 23 | "Shatabhisha" | "Varuna" | "God of the Rains" | "Akasha (Space)" | "Right Thigh" |
| 24 | "Poorva Bhadrapada" | "Ajaekapat" | "A form of Shiva" | "Akasha (Space)" | "Left Thigh" |
| 25 | "Uttara Bhadrapada" | "Ahirbudhanya" | "The Snake that holds the Universe" | "Akasha (Space)" | "Shins" |
| 26 | "Revati" | "Pushan" | "Demi God for Agriculture" | "Akasha (Space)" | "Ankles" |
)tbl";

constexpr std::string_view kNakshatraNatures = R"tbl(
| Index | NakshatraName | Nature | Gender | PurposeInLife | Dosha | Temperaments | BestDirection | LuckyGemstone |
| 0 | "Ashwini" | "Light / Swift" | "Male" | "Dharma" | "Vata" | "Deva (Godly)" | "North-East" | "Cat's Eye" |
| 1 | "Bharani" | "Ferocious" | "Male" | "Artha" | "Pitta" | "Manushya (Human)" | "North-East" | "Diamond" |
| 2 | "Krittika" | "Sharp & Soft" | "Female" | "Kama" | "Kapha" | "Rakshasa (Demon)" | "Central" | "Ruby" |
| 3 | "Rohini" | "Fixed" | "Male" | "Moksha" | "Kapha" | "Manushya (Human)" | "Central" | "White Pearl" |
| 4 | "Mrigasira" | "Soft" | "Female" | "Moksha" | "Pitta" | "Deva (Godly)" | "Central" | "Red Coral" |
| 5 | "Ardra" | "Sharp & Dreadful" | "Female" | "Kama" | "Vata" | "Manushya (Human)" | "East" | "Gomeda" |
| 6 | "Punarvasu" | "Mutable" | "Female" | "Artha" | "Vata" | "Deva (Godly)" | "East" | "Yellow Sapphire" |
| 7 | "Pushya" | "Light / Swift" | "Male" | "Dharma" | "Pitta" | "Deva (Godly)" | "East" | "Blue Sapphire" |
| 8 | "Ashlesha" | "Sharp & Dreadful" | "Male" | "Dharma" | "Kapha" | "Rakshasa (Demon)" | "South-East" | "Emerald" |
| 9 | "Magha" | "Ferocious" | "Male" | "Artha" | "Kapha" | "Rakshasa (Demon)" | "South-East" | "Cat's Eye" |
| 10 | "Poorva Phalguni" | "Ferocious" | "Female" | "Kama" | "Pitta" | "Manushya (Human)" | "South-East" | "Diamond" |
| 11 | "Uttara Phalguni" | "Fixed" | "Male" | "Moksha" | "Vata" | "Manushya (Human)" | "South" | "Ruby" |
| 12 | "Hasta" | "Light / Swift" | "Female" | "Moksha" | "Vata" | "Deva (Godly)" | "South" | "White Pearl" |
| 13 | "Chitra" | "Soft" | "Female" | "Kama" | "Pitta" | "Rakshasa (Demon)" | "South" | "Coral" |
| 14 | "Swati" | "Mutable" | "Male" | "Artha" | "Kapha" | "Deva (Godly)" | "South-West" | "Gomeda" |
| 15 | "Vishakha" | "Sharp & Soft" | "Male" | "Dharma" | "Kapha" | "Rakshasa (Demon)" | "South-West" | "Yellow Sapphire" |
| 16 | "Anuradha" | "Soft" | "Female" | "Dharma" | "Pitta" | "Deva (Godly)" | "South-West" | "Blue Sapphire" |
| 17 | "Jyeshtha" | "Sharp & Dreadful" | "Male" | "Artha" | "Vata" | "Rakshasa (Demon)" | "West" | "Emerald" |
| 18 | "Moola" | "Sharp & Dreadful" | "Male" | "Kama" | "Vata" | "Rakshasa (Demon)" | "West" | "Cat's Eye" |
| 19 | "Purva Ashadha" | "Ferocious" | "Male" | "Moksha" | "Pitta" | "Manushya (Human)" | "West" | "Diamond" |
| 20 | "Uttara Ashadha" | "Fixed" | "Male" | "Moksha" | "Kapha" | "Manushya (Human)" | "North-West" | "Ruby" |
| 21 | "Shravana" | "Mutable" | "Female" | "Artha" | "Kapha" | "Manushya (Human)" | "North-West" | "White Pearl" |
| 22 | "Dhanistha" | "Mutable" | "Female" | "Dharma" | "Pitta" | "Rakshasa (Demon)" | "North-West" | "Red Coral" |
| 23 | "Shatabhisha" | "Mutable" | "Female" | "Dharma" | "Vata" | "Rakshasa (Demon)" | "North" | "Gomeda" |
| 24 | "Poorva Bhadrapada" | "Ferocious" | "Male" | "Artha" | "Vata" | "Manushya (Human)" | "North" | "Yellow Sapphire" |
| 25 | "Uttara Bhadrapada" | "Fixed" | "Female" | "Kama" | "Pitta" | "Manushya (Human)" | "North" | "Blue Sapphire" |
| 26 | "Revati" | "Soft" | "Female" | "Moksha" | "Kapha" | "Deva (Godly)" | "North-East" | "Emerald" |
)tbl";

constexpr std::string_view kNakshatraProse = R"tbl(
| Index | GeneralAndPhysicalFeatures | PositiveHumanTraits | NegativeHumanTraits | BestCareerOptions | DomesticLife | Health |
| 0 | "Ashwini is the first" (328) | "People influenced by this" (651) | "Ruled by the horse," (784) | "Careers that are best" (168) | "You will have a" (66) | "Moreover, since people ruled" (176) |
| 1 | "The second nakshatra of" (253) | "People influenced by this" (941) | "On the other side," (790) | "Career options well suited" (115) | "Marriage will be a" (83) | "They fear water, are" (162) |
| 2 | "Krittika is the 3rd" (434) | "Krittikas also have a" (1197) | "On the other hand," (609) | "Krittikas can go on" (91) | "You will be lucky" (66) | "You may suffer from" (73) |
| 3 | "Rohini is the fourth" (343) | "They are lightly built" (688) | "Conversely speaking, Rohinis make" (862) | "Rohinis are great motivators" (214) | "Family life will be" (62) | "You may be prone" (95) |
| 4 | "Mrigasira is the fifth" (408) | "They have the ability" (745) | "On the flip side," (531) | "Careers, which allow creative" (171) | "Marriage may not be" (93) | "An Mrigasira might suffer" (91) |
| 5 | "The sixth nakshatra of" (356) | "Being vigorous in nature," (541) | "Surprisingly however, these same" (737) | "Careerwise, the people born" (98) | "Marriage may be delayed" (57) | "A lot of people" (161) |
| 6 | "Indians hold Punarvasu in" (452) | "Simple people, they are" (700) | "People born under the" (290) | "Careerwise, religious and spiritual" (146) | "Interestingly, those born under" (218) | "Healthwise, these people should" (104) |
| 7 | "Pushya is the eighth" (362) | "Those born under this" (1010) | "However, Pushya people should" (472) | "Careerwise, they can be" (84) | "Family peace can be" (97) | "Some of them could" (114) |
| 8 | "Ashlesha is the ninth" (271) | "People born under this" (818) | "Since the Ashlesha is" (638) | "Politics and statesmanship are" (91) | "Family responsibilities will be" (37) | "They frequently suffer from" (55) |
| 9 | "The tenth nakshatra of" (500) | "They are knowledgeable people" (830) | "At times, however, such" (432) | "Careers as social workers" (112) | "The men will enjoy" (100) | "They frequently suffer from" (110) |
| 10 | "The eleventh nakshatra of" (410) | "They are very determined" (733) | "On the flip side," (515) | "These people do well" (93) | "Married life will be" (72) | "Sinus, dental problems, high" (114) |
| 11 | "Uttara Phalguni is the" (325) | "People born under this" (846) | "Sometimes, people governed by" (471) | "Career wise, public relations," (146) | "People under this star" (79) | "Muscle pain, gastric ulcers" (91) |
| 12 | "Hasta, being the thirteenth" (489) | "It is very difficult" (649) | "People born under this" (544) | "At work, these people" (114) | "Their marital life is" (217) | "Stress related ailments such" (170) |
| 13 | "Chitra is the fourteenth" (335) | "People born under the" (526) | "Persons born under this" (602) | "Professions that suit them" (106) | "The star Chitra has" (343) | "They often suffer from" (44) |
| 14 | "Swati is the fifteenth" (439) | "Independent and self reliant" (732) | "However, people born under" (403) | "In the professional sphere," (242) | "Their marital life is" (266) | "People born under Swati," (95) |
| 15 | "Vishakha is the sixteenth" (395) | "An interesting aspect about" (816) | "The single minded pursuit" (619) | "In the professional sphere," (132) | "Both males and females" (101) | "Paralysis, hormonal deficiencies and" (102) |
| 16 | "Anuradha is the seventeenth" (437) | "They can be entrusted" (728) | "People born under this" (389) | "Career options best suited" (120) | "These people usually have" (131) | "Those born under this" (131) |
| 17 | "Jyeshta is the eighteenth" (488) | "Intelligent in speech and" (720) | "People born under the" (625) | "Career wise, their best" (123) | "Married life will be" (70) | "People under the influence" (145) |
| 18 | "Moola signifies the nineteenth" (362) | "They are soft at" (801) | "Conversely, however, people born" (545) | "Best suited career roles" (131) | "Financially successful, they enjoy" (92) | "Health wise, such people" (137) |
| 19 | "The Purva Ashadha nakshatra" (303) | "The most striking feature" (961) | "Given their good qualities," (701) | "Well-suited career roles that" (142) | "Their married life is" (92) | "Health wise, they often" (123) |
| 20 | "The second part of" (400) | "These people are usually" (732) | "On the flip side," (779) | "Career wise, they do" (87) | "Family life will be" (105) | "Eye and stomach problems" (95) |
| 21 | "The Shravana constellation ranges" (753) | "Deeply religious at heart," (254) | "On the other hand," (490) | "The arts such as" (387) | "Their marital life is" (47) | "Such individuals also suffer" (171) |
| 22 | "The Dhanishta nakshatra is" (330) | "These people are generally" (477) | "On the flip side," (639) | "Being interested in the" (102) | "These people are characterized" (140) | "They also have an" (291) |
| 23 | "The Shatabhisha nakshatra is" (339) | "People born under this" (729) | "People born under the" (842) | "Good career options exist" (104) | "These people are usually" (215) | "They are likely to" (65) |
| 24 | "This nakshatra ranges from" (498) | "They are also born" (936) | "Persons under the influence" (482) | "Careers that will suit" (99) | "The mother of the" (150) | "Paralysis, gastric problems and" (131) |
| 25 | "Uttara Bhadrapada is traditionally" (421) | "People born under Uttara" (795) | "Some of the people" (554) | "Career wise they can" (83) | "Family life is satisfactory" (126) | "Rheumatism and body aches" (65) |
| 26 | "Revati is the penultimate" (417) | "Independent and often fiercely" (650) | "Persons influenced by Revati" (824) | "Well-suited career options include" (88) | "Marital bliss is assured" (63) | "Common afflictions troubling such" (103) |
)tbl";

constexpr std::string_view kRashiPageTable = R"tbl(
| Tab | Caption | Fields (caption: text box suffix) |
| 1 | "Sign Characteristics" | "Type Of Sign": `TypeOfSign`; "Gender": `Gender`; "Barren / Fruitful": `Barren`; "Sign Caste": `SignCaste`; "Sign Position": `SignPosition`; "Constituent Character": `Constituent`; "Part Of The Body": `PartOfTheBody` |
| 2 | "Physique And Looks" | "Physique": `Physique`; "Look": `Looks` |
| 3 | "Human Nature" | "Nature": `Nature` |
| 4 | "Career And Finance" | "Career And Finance": `CareerAndFinance` |
| 5 | "Love And Compatibility" | "Love And Domestic": `LoveAndDomesticLife`; "Compatible With": `CompatibleWith`; "Not Compatible With": `NotCompatibleWith` |
| 6 | "Health" | "Health": `Health` |
| 7 | "Lucky for Rashi" | "Lucky Days": `LuckyDays`; "Lucky Numbers": `LuckyNumbers`; "Best Direction": `BestDirection`; "Lucky Colors": `LuckyColors`; "Lucky Gemstone": `LuckyGemstone`; "Best Period Of Activity": `BestPeriodOfActivity` |
| 8 | "About Software" | the product description and links |
)tbl";

constexpr std::string_view kNakshatraPageTable = R"tbl(
| Tab | Caption | Fields (caption: text box suffix) |
| 1 | "More About Nakshatra" | "Nature Of Nakshatra": `Nature`; "Name Of Ruling Deva/Demi God": `RullingDeva`; "Purpose Of The Deva": `PurposeOfTheDeva`; "Element / Tatthwa": `Element`; "Part Of Body": `PartOfBody`; "Dosha": `Dosha`; "Gender": `Gender`; "Purpose In Life": `PurposeInLife`; "Temperaments": `Temperaments`; "Best Direction": `BestDirection`; "Lucky Gemstone": `LuckyGemstone` |
| 2 | "General And Physical Features" | "General And Physical Features": `GeneralAndPhysicalFeatures` |
| 3 | "Positive Human Traits" | "Positive Human Traits": `PositiveHumanTraits` |
| 4 | "Negative Human Traits" | "Negative Human Traits": `NegativeHumanTraits` |
| 5 | "Career And Health And Domestic" | "Best Career Options": `BestCareerOptions`; "Domestic Life": `DomesticLife`; "Health": `Health` |
| 6 | "About Software" | the product description and links |
)tbl";

std::vector<std::vector<std::string>> Rows(std::string_view table) {
  return testing::TableRows(table);
}

std::string Unquoted(const std::string& cell) {
  EXPECT_TRUE(cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') << cell;
  return cell.substr(1, cell.size() - 2);
}

// A prose cell: "opening words" (length).
struct Prose {
  std::string opening;
  std::size_t length;
};
Prose ParseProse(const std::string& cell) {
  const std::size_t close = cell.rfind('"');
  const std::size_t bracket = cell.find('(', close);
  return {cell.substr(1, close - 1), std::stoul(cell.substr(bracket + 1))};
}

std::string_view RashiField(const RashiRecord& record, std::string_view name) {
  for (const auto& field : kRashiFields) {
    if (field.Name == name)
      return record.*field.Member;
  }
  ADD_FAILURE() << "no rashi field " << name;
  return {};
}

std::string_view NakshatraField(const NakshatraRecord& record, std::string_view name) {
  for (const auto& field : kNakshatraFields) {
    if (field.Name == name)
      return record.*field.Member;
  }
  ADD_FAILURE() << "no nakshatra field " << name;
  return {};
}

bool PlainAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 32 && code <= 126;
  });
}

TEST(RashiCatalogue, TwelveRecordsInSignOrder) {
  ASSERT_EQ(kRashiCatalogue.size(), 12u);
  for (std::size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(kRashiCatalogue[i].EnglishName, kSignNames[i]);
    EXPECT_EQ(FindRashi(kSignNames[i]), &kRashiCatalogue[i]);
  }
}

TEST(NakshatraCatalogue, TwentySevenRecordsInNakshatraOrder) {
  ASSERT_EQ(kNakshatraCatalogue.size(), 27u);
  for (std::size_t i = 0; i < 27; ++i) {
    EXPECT_EQ(kNakshatraCatalogue[i].NakshatraName, kNakshatraNames[i]);
    EXPECT_EQ(FindNakshatraRecord(kNakshatraNames[i]), &kNakshatraCatalogue[i]);
  }
}

TEST(Catalogues, FieldNamesInRecordOrder) {
  const std::vector<std::string_view> rashi = {
      "IndianName",    "EnglishName",      "RullingPlanet",
      "Symbol",        "InbornNature",     "SignColor",
      "TypeOfSign",    "Gender",           "BestPeriodOfActivity",
      "Barren",        "SignCaste",        "SignPosition",
      "Constituent",   "LuckyDays",        "LuckyNumbers",
      "BestDirection", "LuckyColors",      "LuckyGemstone",
      "PartOfTheBody", "Physique",         "Looks",
      "Nature",        "CareerAndFinance", "LoveAndDomesticLife",
      "Health",        "CompatibleWith",   "NotCompatibleWith"};
  const std::vector<std::string_view> nakshatra = {"NakshatraName",
                                                   "RullingDeva",
                                                   "PurposeOfTheDeva",
                                                   "RullingPlanet",
                                                   "AnimalSymbol",
                                                   "Symbol",
                                                   "AstronomicalName",
                                                   "Element",
                                                   "PartOfBody",
                                                   "Nature",
                                                   "Gender",
                                                   "PurposeInLife",
                                                   "Dosha",
                                                   "Temperaments",
                                                   "BestDirection",
                                                   "LuckyGemstone",
                                                   "GeneralAndPhysicalFeatures",
                                                   "PositiveHumanTraits",
                                                   "NegativeHumanTraits",
                                                   "BestCareerOptions",
                                                   "DomesticLife",
                                                   "Health"};
  ASSERT_EQ(kRashiFields.size(), rashi.size());
  for (std::size_t i = 0; i < rashi.size(); ++i)
    EXPECT_EQ(kRashiFields[i].Name, rashi[i]);
  ASSERT_EQ(kNakshatraFields.size(), nakshatra.size());
  for (std::size_t i = 0; i < nakshatra.size(); ++i) {
    EXPECT_EQ(kNakshatraFields[i].Name, nakshatra[i]);
  }
}

TEST(Catalogues, NoEmptyFieldAndOnlyPlainAscii) {
  for (const RashiRecord& record : kRashiCatalogue) {
    for (const auto& field : kRashiFields) {
      const std::string_view value = record.*field.Member;
      EXPECT_FALSE(value.empty()) << record.EnglishName << " " << field.Name;
      EXPECT_TRUE(PlainAscii(value)) << record.EnglishName << " " << field.Name;
    }
  }
  for (const NakshatraRecord& record : kNakshatraCatalogue) {
    for (const auto& field : kNakshatraFields) {
      const std::string_view value = record.*field.Member;
      EXPECT_FALSE(value.empty()) << record.NakshatraName << " " << field.Name;
      EXPECT_TRUE(PlainAscii(value)) << record.NakshatraName << " " << field.Name;
    }
  }
}

// Compares every quoted cell of a reference table with the field of its column;
// the Index column picks the record.
template <typename Catalogue, typename FieldOf>
void ExpectShortFields(std::string_view table, const Catalogue& catalogue, FieldOf field_of,
                       std::size_t rows_expected) {
  const auto rows = Rows(table);
  ASSERT_EQ(rows.size(), rows_expected + 1);
  const auto& header = rows.front();
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const auto& record = catalogue.at(std::stoul(rows[r][0]));
    for (std::size_t c = 1; c < header.size(); ++c) {
      EXPECT_EQ(field_of(record, header[c]), Unquoted(rows[r][c]))
          << "row " << rows[r][0] << ", " << header[c];
    }
  }
}

template <typename Catalogue, typename FieldOf>
void ExpectProse(std::string_view table, const Catalogue& catalogue, FieldOf field_of,
                 std::size_t rows_expected) {
  const auto rows = Rows(table);
  ASSERT_EQ(rows.size(), rows_expected + 1);
  const auto& header = rows.front();
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const auto& record = catalogue.at(std::stoul(rows[r][0]));
    for (std::size_t c = 1; c < header.size(); ++c) {
      SCOPED_TRACE("row " + rows[r][0] + ", " + header[c]);
      const Prose prose = ParseProse(rows[r][c]);
      const std::string_view value = field_of(record, header[c]);
      EXPECT_EQ(value.substr(0, prose.opening.size()), prose.opening);
      EXPECT_EQ(value.size(), prose.length);
    }
  }
}

TEST(RashiCatalogue, ShortFieldsInFull) {
  for (std::string_view table : {kRashiNames, kRashiClasses, kRashiLuck, kRashiCompatibility}) {
    ExpectShortFields(table, kRashiCatalogue, RashiField, 12);
  }
}

TEST(RashiCatalogue, ProseOpeningsAndLengths) {
  ExpectProse(kRashiProse, kRashiCatalogue, RashiField, 12);
}

TEST(NakshatraCatalogue, ShortFieldsInFull) {
  for (std::string_view table : {kNakshatraSymbols, kNakshatraDeities, kNakshatraNatures}) {
    ExpectShortFields(table, kNakshatraCatalogue, NakshatraField, 27);
  }
}

TEST(NakshatraCatalogue, ProseOpeningsAndLengths) {
  ExpectProse(kNakshatraProse, kNakshatraCatalogue, NakshatraField, 27);
}

TEST(Catalogues, CalledOutFields) {
  const RashiRecord* leo = FindRashi("Leo");
  ASSERT_NE(leo, nullptr);
  EXPECT_EQ(leo->IndianName, "Simha");
  EXPECT_EQ(leo->PartOfTheBody, "Heart & Stomach");
  EXPECT_EQ(leo->CompatibleWith, "Libra, Sagittarius, Aquarius, Aries, Gemini");
  const NakshatraRecord* moola = FindNakshatraRecord("Moola");
  ASSERT_NE(moola, nullptr);
  EXPECT_EQ(moola->RullingPlanet, "Ketu");
  EXPECT_EQ(moola->AnimalSymbol, "Dog");
  EXPECT_EQ(moola->Element, "Vayu (Air)");
  const NakshatraRecord* krittika = FindNakshatraRecord("Krittika");
  ASSERT_NE(krittika, nullptr);
  EXPECT_EQ(krittika->PositiveHumanTraits.size(), 1197u);
  EXPECT_EQ(krittika->PositiveHumanTraits.substr(0, 19), "Krittikas also have");
}

TEST(Catalogues, OtherNamesFindNothing) {
  for (const char* name : {"Leo (Simha)", "leo", "Leo ", "Simha", ""}) {
    EXPECT_EQ(FindRashi(name), nullptr) << name;
  }
  for (const char* name : {"Mula", "moola", "Moola ", "Purva Bhadrapada", "Dhanishta", ""}) {
    EXPECT_EQ(FindNakshatraRecord(name), nullptr) << name;
  }
}

TEST(Catalogues, AnyNameFindsTheRecord) {
  struct Case {
    const char* name;
    std::optional<std::size_t> rashi;
    std::optional<std::size_t> nakshatra;
  };
  const Case cases[] = {
      {"Leo", 4, std::nullopt},
      {"leo", 4, std::nullopt},        // any letter case
      {"SIMHA", 4, std::nullopt},      // the Indian name
      {"Vrishcika", 7, std::nullopt},  // as the Moon ephemeris writes it
      {"Vrischika", 7, std::nullopt},  // as the catalogue writes it
      {"Capricorn ", 9, std::nullopt},
      {"Moola", std::nullopt, 18},
      {"Mula", std::nullopt, 18},
      {"purva bhadrapada", std::nullopt, 24},
      {"Poorva-Phalguni", std::nullopt, 10},
      {"Dhanishta", std::nullopt, 22},
      {"Svati", std::nullopt, 14},
      {"Leo (Simha)", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
      {"  ", std::nullopt, std::nullopt},
      {"Ophiuchus", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindRashiByAnyName(c.name), c.rashi) << c.name;
    EXPECT_EQ(FindNakshatraByAnyName(c.name), c.nakshatra) << c.name;
  }
  // Every catalogue name finds its own record.
  for (std::size_t i = 0; i < kRashiCatalogue.size(); ++i) {
    EXPECT_EQ(FindRashiByAnyName(kRashiCatalogue[i].IndianName), i);
  }
  for (std::size_t i = 0; i < kNakshatraCatalogue.size(); ++i) {
    EXPECT_EQ(FindNakshatraByAnyName(kNakshatraCatalogue[i].NakshatraName), i);
  }
}

// The pages of a tab strip as the reference lists them: caption, then the fields
// as "caption": `Name` pairs.
std::vector<CataloguePage> ReferencePages(std::string_view table) {
  static std::deque<std::string> texts;  // owns the texts the pages' views point into
  auto keep = [](std::string text) -> std::string_view {
    return texts.emplace_back(std::move(text));
  };
  std::vector<CataloguePage> pages;
  const auto rows = Rows(table);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    CataloguePage page{keep(Unquoted(rows[r][1])), {}};
    const std::string& fields = rows[r][2];
    std::size_t at = fields.find('"');
    while (at != std::string::npos) {
      const std::size_t caption_end = fields.find('"', at + 1);
      const std::size_t name_start = fields.find('`', caption_end) + 1;
      const std::size_t name_end = fields.find('`', name_start);
      const std::string_view caption = keep(fields.substr(at + 1, caption_end - at - 1));
      page.Fields.push_back({caption, keep(fields.substr(name_start, name_end - name_start))});
      at = fields.find('"', name_end + 1);
    }
    pages.push_back(page);
  }
  return pages;
}

void ExpectPages(const std::vector<CataloguePage>& actual, std::string_view table,
                 std::size_t count) {
  const std::vector<CataloguePage> expected = ReferencePages(table);
  ASSERT_EQ(expected.size(), count);
  ASSERT_EQ(actual.size(), count);
  for (std::size_t p = 0; p < count; ++p) {
    SCOPED_TRACE(expected[p].Caption);
    EXPECT_EQ(actual[p].Caption, expected[p].Caption);
    ASSERT_EQ(actual[p].Fields.size(), expected[p].Fields.size());
    for (std::size_t f = 0; f < expected[p].Fields.size(); ++f) {
      EXPECT_EQ(actual[p].Fields[f].Caption, expected[p].Fields[f].Caption);
      EXPECT_EQ(actual[p].Fields[f].Name, expected[p].Fields[f].Name);
    }
  }
  EXPECT_TRUE(actual.back().Fields.empty());  // "About Software" shows no field
}

TEST(CataloguePages, RashiTabStrip) {
  ExpectPages(RashiPages(), kRashiPageTable, 8);
  const std::vector<std::pair<std::string_view, std::string_view>> header = {
      {"English Name", "EnglishName"},
      {"Ruling Planet", "RullingPlanet"},
      {"Symbol", "Symbol"},
      {"Inborn Nature", "InbornNature"},
      {"Sign Color", "SignColor"}};
  ASSERT_EQ(RashiHeaderFields().size(), header.size());
  for (std::size_t i = 0; i < header.size(); ++i) {
    EXPECT_EQ(RashiHeaderFields()[i].Caption, header[i].first);
    EXPECT_EQ(RashiHeaderFields()[i].Name, header[i].second);
  }
}

TEST(CataloguePages, NakshatraTabStrip) {
  ExpectPages(NakshatraPages(), kNakshatraPageTable, 6);
  const std::vector<std::pair<std::string_view, std::string_view>> header = {
      {"Ruling Planet", "RullingPlanet"},
      {"Symbol", "Symbol"},
      {"Animal Symbol", "AnimalSymbol"},
      {"Astronomical Name", "AstronomicalName"}};
  ASSERT_EQ(NakshatraHeaderFields().size(), header.size());
  for (std::size_t i = 0; i < header.size(); ++i) {
    EXPECT_EQ(NakshatraHeaderFields()[i].Caption, header[i].first);
    EXPECT_EQ(NakshatraHeaderFields()[i].Name, header[i].second);
  }
}

// Every field but the heading is shown exactly once: above the tab strip or on a page.
template <typename Fields>
void ExpectEachFieldShownOnce(const Fields& fields, std::string_view heading,
                              const std::vector<CataloguePageField>& header,
                              const std::vector<CataloguePage>& pages) {
  std::map<std::string_view, int> shown;
  for (const auto& f : header)
    ++shown[f.Name];
  for (const auto& page : pages) {
    for (const auto& f : page.Fields)
      ++shown[f.Name];
  }
  for (const auto& field : fields) {
    EXPECT_EQ(shown[field.Name], field.Name == heading ? 0 : 1) << field.Name;
  }
  EXPECT_EQ(shown.size(), fields.size()) << "a page shows a field the record lacks";
}

TEST(CataloguePages, EveryFieldShownExactlyOnce) {
  ExpectEachFieldShownOnce(kRashiFields, "IndianName", RashiHeaderFields(), RashiPages());
  ExpectEachFieldShownOnce(kNakshatraFields, "NakshatraName", NakshatraHeaderFields(),
                           NakshatraPages());
}

}  // namespace
}  // namespace lumora

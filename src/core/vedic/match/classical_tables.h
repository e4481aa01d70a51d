// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace lumora {

// The classical Ashta-koota tables (Guna Milan, 36 points) as astrologers and the
// programs of the field use them, as numbers. Signs are 0 (Aries) .. 11 (Pisces),
// nakshatras 0 (Ashwini) .. 26 (Revati); every function below expects an index in
// that range. Points come as half points (int), so every sum is exact. Each table's
// sources are named above it in classical_tables_data.cpp; the words of each value
// are made by the *Name functions for the windows, documents and CLI.

// --- Varna (1 point), by the Moon sign -------------------------------------------
// Ranked highest first.
enum class Varna { Brahmin, Kshatriya, Vaishya, Shudra };
inline constexpr int kVarnaCount = 4;

Varna SignVarna(int sign);
// 1 point when the boy's varna ranks equal to or higher than the girl's, else 0.
int ClassicalVarnaHalfPoints(Varna boy, Varna girl);

// --- Vasya (2 points), by the Moon sign; Sagittarius and Capricorn split at 15 ---
enum class VasyaClass { Chatushpada, Manava, Jalachara, Vanachara, Keeta };
// Sagittarius and Capricorn change vasya class at this degree of the sign.
inline constexpr double kVasyaHalfSignDegrees = 15.0;
inline constexpr int kVasyaClassCount = 5;

// The class of a Moon at degree_in_sign (sidereal longitude mod 30) of a sign: below
// 15 degrees is the first half of Sagittarius (Manava) and of Capricorn (Chatushpada).
VasyaClass SignVasyaClass(int sign, double degree_in_sign);
// Without a longitude (a profile names only sign and nakshatra) the degree is the
// midpoint of the part of the nakshatra that lies inside the sign, or 15 when the
// nakshatra does not touch the sign.
double ProfileDegreeInSign(int sign, int nakshatra);
VasyaClass ProfileVasyaClass(int sign, int nakshatra);
int ClassicalVasyaHalfPoints(VasyaClass boy, VasyaClass girl);

// --- Tara (3 points), by the nakshatras ------------------------------------------
// The tara (1 Janma .. 9 Parama Mitra) of the nakshatra `to` counted inclusively
// from `from`: the 1st, 10th and 19th nakshatra are Janma.
int TaraNumber(int from_nakshatra, int to_nakshatra);
// 3 and 5 and 7 (Vipat, Pratyak, Naidhana) are the unfavourable taras.
bool IsFavourableTara(int tara);
// 1.5 points for each direction (boy to girl, girl to boy) whose tara is favourable.
int ClassicalTaraHalfPoints(int boy_nakshatra, int girl_nakshatra);

// --- Yoni (4 points), by the nakshatras ------------------------------------------
enum class YoniAnimal {
  Horse,
  Elephant,
  Sheep,
  Serpent,
  Dog,
  Cat,
  Rat,
  Cow,
  Buffalo,
  Tiger,
  Deer,
  Monkey,
  Mongoose,
  Lion
};
inline constexpr int kYoniAnimalCount = 14;
enum class YoniSex { Male, Female };

struct NakshatraYoni {
  YoniAnimal Animal;
  YoniSex Sex;  // does not change the points
};

NakshatraYoni YoniOf(int nakshatra);
// The seven pairs of sworn enemies (Horse-Buffalo, Elephant-Lion, Sheep-Monkey,
// Serpent-Mongoose, Dog-Deer, Cat-Rat, Cow-Tiger), either order.
bool AreSwornEnemies(YoniAnimal a, YoniAnimal b);
// 4 same animal, 3 friendly, 2 neutral, 1 unfriendly, 0 sworn enemies (symmetric).
int ClassicalYoniHalfPoints(YoniAnimal boy, YoniAnimal girl);

// --- Graha Maitri (5 points), by the lords of the Moon signs ---------------------
// The seven planets that rule signs, in the customary order.
enum class Planet { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn };
inline constexpr int kPlanetCount = 7;
enum class Friendship { Friend, Neutral, Enemy };

Planet SignLord(int sign);
// The natural (naisargika) relationship: how `from` regards `to`. Not symmetric
// (the Moon counts Mercury a friend, Mercury counts the Moon an enemy). A planet is
// not in its own table; the points treat a shared lord as friend both ways.
Friendship NaturalFriendship(Planet from, Planet to);
// From the two views: friend/friend 5, friend/neutral 4, neutral/neutral 3,
// friend/enemy 1, neutral/enemy 0.5, enemy/enemy 0.
int MaitriHalfPoints(Friendship one_way, Friendship other_way);
// By the lords of the two Moon signs; a shared lord counts as friend both ways.
int ClassicalGrahaMaitriHalfPoints(Planet boy_lord, Planet girl_lord);

// --- Gana (6 points), by the nakshatras ------------------------------------------
enum class Gana { Deva, Manushya, Rakshasa };
inline constexpr int kGanaCount = 3;

Gana GanaOf(int nakshatra);
int ClassicalGanaHalfPoints(Gana boy, Gana girl);

// --- Bhakoot / Rashi (7 points), by the Moon signs -------------------------------
// The place of the girl's sign counted inclusively from the boy's: 1 .. 12.
int SignDistance(int boy_sign, int girl_sign);
// 0 when the signs stand 2/12, 5/9 or 6/8 from each other, else 7 (symmetric).
int ClassicalBhakootHalfPoints(int boy_sign, int girl_sign);

// --- Nadi (8 points), by the nakshatras ------------------------------------------
enum class Nadi { Adi, Madhya, Antya };
inline constexpr int kNadiCount = 3;

Nadi NadiOf(int nakshatra);
// 0 for the same nadi, 8 for different ones.
int ClassicalNadiHalfPoints(Nadi boy, Nadi girl);

// --- Words, for the edges --------------------------------------------------------
std::string_view VarnaName(Varna varna);               // "Kshatriya"
std::string_view VasyaClassName(VasyaClass vasya);     // "Manava"
std::string_view VasyaClassMeaning(VasyaClass vasya);  // "human"
std::string_view YoniAnimalName(YoniAnimal animal);    // "Dog"
std::string_view PlanetName(Planet planet);            // "Jupiter"
std::string_view GanaName(Gana gana);                  // "Manushya"
std::string_view NadiName(Nadi nadi);                  // "Adi"
std::string_view TaraName(int tara);                   // 1 "Janma" .. 9 "Parama Mitra"

}  // namespace lumora

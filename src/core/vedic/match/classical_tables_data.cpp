// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cassert>

#include "core/vedic/match/classical_tables.h"

namespace lumora {

namespace {

constexpr int kSigns = 12;
constexpr int kNakshatras = 27;
constexpr double kSignDegrees = 30.0;
constexpr double kNakshatraDegrees = 360.0 / kNakshatras;  // 13 degrees 20 minutes

int HalfPoints(double points) {
  return static_cast<int>(points * 2.0);
}

// Varna and lord of each sign, Aries to Pisces.
// Varna: sign mod 4 gives Kshatriya, Vaishya, Shudra, Brahmin (Maitreya astrobase.cpp
// getVarna; the same list on vishnuavatars.com, microastrology.com, ranjanadikshit.com
// and in the rule quoted on prasadtimes.blogspot.com).
// Lords: the customary rulerships (Mars rules Aries and Scorpio, Venus Taurus and
// Libra, Mercury Gemini and Virgo, the Moon Cancer, the Sun Leo, Jupiter Sagittarius
// and Pisces, Saturn Capricorn and Aquarius).
struct SignFacts {
  Varna SignVarna;
  Planet Lord;
};
constexpr std::array<SignFacts, kSigns> kSignFacts{{
    {Varna::Kshatriya, Planet::Mars},     // Aries
    {Varna::Vaishya, Planet::Venus},      // Taurus
    {Varna::Shudra, Planet::Mercury},     // Gemini
    {Varna::Brahmin, Planet::Moon},       // Cancer
    {Varna::Kshatriya, Planet::Sun},      // Leo
    {Varna::Vaishya, Planet::Mercury},    // Virgo
    {Varna::Shudra, Planet::Venus},       // Libra
    {Varna::Brahmin, Planet::Mars},       // Scorpio
    {Varna::Kshatriya, Planet::Jupiter},  // Sagittarius
    {Varna::Vaishya, Planet::Saturn},     // Capricorn
    {Varna::Shudra, Planet::Saturn},      // Aquarius
    {Varna::Brahmin, Planet::Jupiter},    // Pisces
}};

// Vasya class of each sign's first half (below 15 degrees) and second half. Only
// Sagittarius (Manava, then Chatushpada) and Capricorn (Chatushpada, then Jalachara)
// change class within the sign. Sources: Maitreya astrobase.cpp getVashya (split at
// 15 degrees), kundalimilan.in, ranjanadikshit.com/en/kundali-milan/.
struct VasyaHalves {
  VasyaClass FirstHalf;
  VasyaClass SecondHalf;
};
constexpr std::array<VasyaHalves, kSigns> kSignVasya{{
    {VasyaClass::Chatushpada, VasyaClass::Chatushpada},  // Aries
    {VasyaClass::Chatushpada, VasyaClass::Chatushpada},  // Taurus
    {VasyaClass::Manava, VasyaClass::Manava},            // Gemini
    {VasyaClass::Jalachara, VasyaClass::Jalachara},      // Cancer
    {VasyaClass::Vanachara, VasyaClass::Vanachara},      // Leo
    {VasyaClass::Manava, VasyaClass::Manava},            // Virgo
    {VasyaClass::Manava, VasyaClass::Manava},            // Libra
    {VasyaClass::Keeta, VasyaClass::Keeta},              // Scorpio
    {VasyaClass::Manava, VasyaClass::Chatushpada},       // Sagittarius
    {VasyaClass::Chatushpada, VasyaClass::Jalachara},    // Capricorn
    {VasyaClass::Manava, VasyaClass::Manava},            // Aquarius
    {VasyaClass::Jalachara, VasyaClass::Jalachara},      // Pisces
}};

// Vasya points, boy's class in rows, girl's in columns (Chatushpada, Manava,
// Jalachara, Vanachara, Keeta). Source: Maitreya Partner.cpp vashya_map[groom][bride];
// saravali.de koota_vashya prints the same table with the bride in the rows. The
// least standardised koota: other programs ship other matrices.
constexpr std::array<std::array<double, kVasyaClassCount>, kVasyaClassCount> kVasyaPoints{{
    {2, 1, 0.5, 0, 1},    // Chatushpada
    {0, 2, 1, 0, 1},      // Manava
    {0, 1, 2, 0, 1},      // Jalachara
    {0.5, 0.5, 1, 2, 0},  // Vanachara
    {0, 1, 1, 0, 2},      // Keeta
}};

// Yoni animal and sex, gana and nadi of each nakshatra, Ashwini to Revati.
// Animals: freehoroscopesonline.in/yonikoota.php, saravali.de koota_yoni, Maitreya
// Nakshatra.cpp, PyJHora yoni_mappings, VedAstro (all agree); sexes after saravali.de
// and Maitreya (other lists swap a few).
// Gana: Maitreya Nakshatra.cpp, PyJHora, astrolaabh.in, planets4u.com (identical).
// Nadi: Maitreya Nakshatra.cpp nadi_map, PyJHora NadiArray; by index mod 6 the pattern
// runs Adi, Madhya, Antya, Antya, Madhya, Adi.
struct NakshatraFacts {
  NakshatraYoni Yoni;
  Gana NakshatraGana;
  Nadi NakshatraNadi;
};
using A = YoniAnimal;
using S = YoniSex;
constexpr std::array<NakshatraFacts, kNakshatras> kNakshatraFacts{{
    {{A::Horse, S::Male}, Gana::Deva, Nadi::Adi},            // Ashwini
    {{A::Elephant, S::Male}, Gana::Manushya, Nadi::Madhya},  // Bharani
    {{A::Sheep, S::Female}, Gana::Rakshasa, Nadi::Antya},    // Krittika
    {{A::Serpent, S::Male}, Gana::Manushya, Nadi::Antya},    // Rohini
    {{A::Serpent, S::Female}, Gana::Deva, Nadi::Madhya},     // Mrigasira
    {{A::Dog, S::Female}, Gana::Manushya, Nadi::Adi},        // Ardra
    {{A::Cat, S::Female}, Gana::Deva, Nadi::Adi},            // Punarvasu
    {{A::Sheep, S::Male}, Gana::Deva, Nadi::Madhya},         // Pushya
    {{A::Cat, S::Male}, Gana::Rakshasa, Nadi::Antya},        // Ashlesha
    {{A::Rat, S::Male}, Gana::Rakshasa, Nadi::Antya},        // Magha
    {{A::Rat, S::Female}, Gana::Manushya, Nadi::Madhya},     // Poorva Phalguni
    {{A::Cow, S::Male}, Gana::Manushya, Nadi::Adi},          // Uttara Phalguni
    {{A::Buffalo, S::Female}, Gana::Deva, Nadi::Adi},        // Hasta
    {{A::Tiger, S::Female}, Gana::Rakshasa, Nadi::Madhya},   // Chitra
    {{A::Buffalo, S::Male}, Gana::Deva, Nadi::Antya},        // Swati
    {{A::Tiger, S::Male}, Gana::Rakshasa, Nadi::Antya},      // Vishakha
    {{A::Deer, S::Female}, Gana::Deva, Nadi::Madhya},        // Anuradha
    {{A::Deer, S::Male}, Gana::Rakshasa, Nadi::Adi},         // Jyeshtha
    {{A::Dog, S::Male}, Gana::Rakshasa, Nadi::Adi},          // Moola
    {{A::Monkey, S::Male}, Gana::Manushya, Nadi::Madhya},    // Purva Ashadha
    {{A::Mongoose, S::Male}, Gana::Manushya, Nadi::Antya},   // Uttara Ashadha
    {{A::Monkey, S::Female}, Gana::Deva, Nadi::Antya},       // Shravana
    {{A::Lion, S::Female}, Gana::Rakshasa, Nadi::Madhya},    // Dhanistha
    {{A::Horse, S::Female}, Gana::Rakshasa, Nadi::Adi},      // Shatabhisha
    {{A::Lion, S::Male}, Gana::Manushya, Nadi::Adi},         // Poorva Bhadrapada
    {{A::Cow, S::Female}, Gana::Manushya, Nadi::Madhya},     // Uttara Bhadrapada
    {{A::Elephant, S::Female}, Gana::Deva, Nadi::Antya},     // Revati
}};

// The sworn enemies, scored 0 whatever the order. Same sources as the animals.
constexpr std::array<std::array<YoniAnimal, 2>, 7> kSwornEnemies{{
    {A::Horse, A::Buffalo},
    {A::Elephant, A::Lion},
    {A::Sheep, A::Monkey},
    {A::Serpent, A::Mongoose},
    {A::Dog, A::Deer},
    {A::Cat, A::Rat},
    {A::Cow, A::Tiger},
}};

// Yoni points by animal (symmetric): 4 same animal, 3 friendly, 2 neutral,
// 1 unfriendly, 0 sworn enemies. Source: the symmetric form printed verbatim by most
// public tables (saravali.de koota_yoni and PyJHora YoniArray each differ from it in
// two cells only); the 4/3/2/1/0 rule after freehoroscopesonline.in.
constexpr std::array<std::array<double, kYoniAnimalCount>, kYoniAnimalCount> kYoniPoints{{
    // Hor Ele She Ser Dog Cat Rat Cow Buf Tig Dee Mon Mgs Lio
    {4, 2, 2, 3, 2, 2, 2, 1, 0, 1, 3, 3, 2, 1},  // Horse
    {2, 4, 3, 3, 2, 2, 2, 2, 3, 1, 2, 3, 2, 0},  // Elephant
    {2, 3, 4, 2, 1, 2, 1, 3, 3, 1, 2, 0, 3, 1},  // Sheep
    {3, 3, 2, 4, 2, 1, 1, 1, 1, 2, 2, 2, 0, 2},  // Serpent
    {2, 2, 1, 2, 4, 2, 1, 2, 2, 1, 0, 2, 1, 1},  // Dog
    {2, 2, 2, 1, 2, 4, 0, 2, 2, 1, 3, 3, 2, 1},  // Cat
    {2, 2, 1, 1, 1, 0, 4, 2, 2, 2, 2, 2, 1, 2},  // Rat
    {1, 2, 3, 1, 2, 2, 2, 4, 3, 0, 3, 2, 2, 1},  // Cow
    {0, 3, 3, 1, 2, 2, 2, 3, 4, 1, 2, 2, 2, 1},  // Buffalo
    {1, 1, 1, 2, 1, 1, 2, 0, 1, 4, 1, 1, 2, 1},  // Tiger
    {3, 2, 2, 2, 0, 3, 2, 3, 2, 1, 4, 2, 2, 1},  // Deer
    {3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 2, 4, 3, 2},  // Monkey
    {2, 2, 3, 0, 1, 2, 1, 2, 2, 2, 2, 3, 4, 2},  // Mongoose
    {1, 0, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 4},  // Lion
}};

// Natural relationships, how the row planet regards the column planet (Sun, Moon,
// Mars, Mercury, Jupiter, Venus, Saturn); a planet's view of itself is unused.
// Sources: Maitreya astrobase.cpp (getPlanetaryFriendship and the table in its
// comment) and PyJHora, identical.
using F = Friendship;
constexpr std::array<std::array<Friendship, kPlanetCount>, kPlanetCount> kNaturalFriendship{{
    // Sun        Moon        Mars        Mercury     Jupiter     Venus       Saturn
    {F::Friend, F::Friend, F::Friend, F::Neutral, F::Friend, F::Enemy, F::Enemy},       // Sun
    {F::Friend, F::Friend, F::Neutral, F::Friend, F::Neutral, F::Neutral, F::Neutral},  // Moon
    {F::Friend, F::Friend, F::Friend, F::Enemy, F::Friend, F::Neutral, F::Neutral},     // Mars
    {F::Friend, F::Enemy, F::Neutral, F::Friend, F::Neutral, F::Friend, F::Neutral},    // Mercury
    {F::Friend, F::Friend, F::Friend, F::Enemy, F::Friend, F::Enemy, F::Neutral},       // Jupiter
    {F::Enemy, F::Enemy, F::Neutral, F::Friend, F::Neutral, F::Friend, F::Friend},      // Venus
    {F::Enemy, F::Enemy, F::Enemy, F::Friend, F::Neutral, F::Friend, F::Friend},        // Saturn
}};

// Gana points, boy's gana in rows (Deva, Manushya, Rakshasa). Sources: Maitreya
// gana_map[groom][bride], PyJHora gana_array (girl rows, the same cells),
// astrolaabh.in (boy Deva with girl Manushya 5; a Rakshasa boy with a Deva or Manushya
// girl 0).
constexpr std::array<std::array<double, kGanaCount>, kGanaCount> kGanaPoints{{
    {6, 5, 1},  // Deva
    {6, 6, 0},  // Manushya
    {0, 0, 6},  // Rakshasa
}};

// Bhakoot: the sign distances 2/12 (dwirdwadasha), 5/9 (navapanchama) and 6/8
// (shashtashtaka) score 0, every other distance the full 7. Sources: saravali.de
// koota_rasi, Maitreya Partner.cpp, PyJHora raasi_array.
constexpr double kBhakootPoints = 7;
constexpr std::array<int, 6> kBhakootDoshaDistances = {2, 12, 5, 9, 6, 8};

// Tara: 1.5 points for each favourable direction; the 3rd, 5th and 7th taras are
// unfavourable. Sources: Maitreya Partner.cpp, saravali koota_dina, "Horoscope
// Matching" (futuresamachar.com) p. 41.
constexpr double kTaraPointsPerDirection = 1.5;
constexpr std::array<int, 3> kUnfavourableTaras = {3, 5, 7};

// Nadi: different nadis score 8, the same nadi 0 (Maitreya Partner.cpp, PyJHora).
constexpr double kNadiPoints = 8;

// Graha Maitri points by the two views (PyJHora raasi_adhipathi_array, cell for cell).
constexpr double kMaitriFriendFriend = 5;
constexpr double kMaitriFriendNeutral = 4;
constexpr double kMaitriNeutralNeutral = 3;
constexpr double kMaitriFriendEnemy = 1;
constexpr double kMaitriNeutralEnemy = 0.5;
constexpr double kMaitriEnemyEnemy = 0;

int Index(auto value) {
  return static_cast<int>(value);
}

}  // namespace

Varna SignVarna(int sign) {
  assert(sign >= 0 && sign < kSigns);
  return kSignFacts[sign].SignVarna;
}

int ClassicalVarnaHalfPoints(Varna boy, Varna girl) {
  return Index(boy) <= Index(girl) ? HalfPoints(1) : 0;
}

VasyaClass SignVasyaClass(int sign, double degree_in_sign) {
  assert(sign >= 0 && sign < kSigns);
  return degree_in_sign < kVasyaHalfSignDegrees ? kSignVasya[sign].FirstHalf
                                                : kSignVasya[sign].SecondHalf;
}

double ProfileDegreeInSign(int sign, int nakshatra) {
  const double sign_start = sign * kSignDegrees;
  const double start = std::max(sign_start, nakshatra * kNakshatraDegrees);
  const double end = std::min(sign_start + kSignDegrees, (nakshatra + 1) * kNakshatraDegrees);
  if (end <= start) {
    return kVasyaHalfSignDegrees;
  }
  return (start + end) / 2.0 - sign_start;
}

VasyaClass ProfileVasyaClass(int sign, int nakshatra) {
  return SignVasyaClass(sign, ProfileDegreeInSign(sign, nakshatra));
}

int ClassicalVasyaHalfPoints(VasyaClass boy, VasyaClass girl) {
  return HalfPoints(kVasyaPoints[Index(boy)][Index(girl)]);
}

int TaraNumber(int from_nakshatra, int to_nakshatra) {
  const int count = ((to_nakshatra - from_nakshatra) % kNakshatras + kNakshatras) % kNakshatras;
  return count % 9 + 1;
}

bool IsFavourableTara(int tara) {
  return std::find(kUnfavourableTaras.begin(), kUnfavourableTaras.end(), tara) ==
         kUnfavourableTaras.end();
}

int ClassicalTaraHalfPoints(int boy_nakshatra, int girl_nakshatra) {
  int half_points = 0;
  for (const int tara :
       {TaraNumber(boy_nakshatra, girl_nakshatra), TaraNumber(girl_nakshatra, boy_nakshatra)}) {
    if (IsFavourableTara(tara)) {
      half_points += HalfPoints(kTaraPointsPerDirection);
    }
  }
  return half_points;
}

NakshatraYoni YoniOf(int nakshatra) {
  assert(nakshatra >= 0 && nakshatra < kNakshatras);
  return kNakshatraFacts[nakshatra].Yoni;
}

bool AreSwornEnemies(YoniAnimal a, YoniAnimal b) {
  return std::any_of(kSwornEnemies.begin(), kSwornEnemies.end(), [&](const auto& pair) {
    return (pair[0] == a && pair[1] == b) || (pair[0] == b && pair[1] == a);
  });
}

int ClassicalYoniHalfPoints(YoniAnimal boy, YoniAnimal girl) {
  return HalfPoints(kYoniPoints[Index(boy)][Index(girl)]);
}

Planet SignLord(int sign) {
  assert(sign >= 0 && sign < kSigns);
  return kSignFacts[sign].Lord;
}

Friendship NaturalFriendship(Planet from, Planet to) {
  return kNaturalFriendship[Index(from)][Index(to)];
}

int MaitriHalfPoints(Friendship one_way, Friendship other_way) {
  const int friends = (one_way == F::Friend) + (other_way == F::Friend);
  const int enemies = (one_way == F::Enemy) + (other_way == F::Enemy);
  double points = kMaitriNeutralNeutral;
  if (friends == 2) {
    points = kMaitriFriendFriend;
  } else if (enemies == 2) {
    points = kMaitriEnemyEnemy;
  } else if (friends == 1 && enemies == 1) {
    points = kMaitriFriendEnemy;
  } else if (friends == 1) {
    points = kMaitriFriendNeutral;
  } else if (enemies == 1) {
    points = kMaitriNeutralEnemy;
  }
  return HalfPoints(points);
}

int ClassicalGrahaMaitriHalfPoints(Planet boy, Planet girl) {
  if (boy == girl) {
    return MaitriHalfPoints(F::Friend, F::Friend);
  }
  return MaitriHalfPoints(NaturalFriendship(boy, girl), NaturalFriendship(girl, boy));
}

Gana GanaOf(int nakshatra) {
  assert(nakshatra >= 0 && nakshatra < kNakshatras);
  return kNakshatraFacts[nakshatra].NakshatraGana;
}

int ClassicalGanaHalfPoints(Gana boy, Gana girl) {
  return HalfPoints(kGanaPoints[Index(boy)][Index(girl)]);
}

int SignDistance(int boy_sign, int girl_sign) {
  return ((girl_sign - boy_sign) % kSigns + kSigns) % kSigns + 1;
}

int ClassicalBhakootHalfPoints(int boy_sign, int girl_sign) {
  const int distance = SignDistance(boy_sign, girl_sign);
  const bool dosha = std::find(kBhakootDoshaDistances.begin(), kBhakootDoshaDistances.end(),
                               distance) != kBhakootDoshaDistances.end();
  return dosha ? 0 : HalfPoints(kBhakootPoints);
}

Nadi NadiOf(int nakshatra) {
  assert(nakshatra >= 0 && nakshatra < kNakshatras);
  return kNakshatraFacts[nakshatra].NakshatraNadi;
}

int ClassicalNadiHalfPoints(Nadi boy, Nadi girl) {
  return boy == girl ? 0 : HalfPoints(kNadiPoints);
}

std::string_view VarnaName(Varna varna) {
  constexpr std::array<std::string_view, kVarnaCount> kNames = {"Brahmin", "Kshatriya", "Vaishya",
                                                                "Shudra"};
  return kNames[Index(varna)];
}

std::string_view VasyaClassName(VasyaClass vasya) {
  constexpr std::array<std::string_view, kVasyaClassCount> kNames = {
      "Chatushpada", "Manava", "Jalachara", "Vanachara", "Keeta"};
  return kNames[Index(vasya)];
}

std::string_view VasyaClassMeaning(VasyaClass vasya) {
  constexpr std::array<std::string_view, kVasyaClassCount> kMeanings = {"quadruped", "human",
                                                                        "water", "wild", "insect"};
  return kMeanings[Index(vasya)];
}

std::string_view YoniAnimalName(YoniAnimal animal) {
  constexpr std::array<std::string_view, kYoniAnimalCount> kNames = {
      "Horse", "Elephant", "Sheep", "Serpent", "Dog",    "Cat",      "Rat",
      "Cow",   "Buffalo",  "Tiger", "Deer",    "Monkey", "Mongoose", "Lion"};
  return kNames[Index(animal)];
}

std::string_view PlanetName(Planet planet) {
  constexpr std::array<std::string_view, kPlanetCount> kNames = {
      "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};
  return kNames[Index(planet)];
}

std::string_view GanaName(Gana gana) {
  constexpr std::array<std::string_view, kGanaCount> kNames = {"Deva", "Manushya", "Rakshasa"};
  return kNames[Index(gana)];
}

std::string_view NadiName(Nadi nadi) {
  constexpr std::array<std::string_view, kNadiCount> kNames = {"Adi", "Madhya", "Antya"};
  return kNames[Index(nadi)];
}

std::string_view TaraName(int tara) {
  constexpr std::array<std::string_view, 9> kNames = {"Janma",    "Sampat",  "Vipat",
                                                      "Kshema",   "Pratyak", "Sadhana",
                                                      "Naidhana", "Mitra",   "Parama Mitra"};
  return kNames[static_cast<std::size_t>(tara - 1)];
}

}  // namespace lumora

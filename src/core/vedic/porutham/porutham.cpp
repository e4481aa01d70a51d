// SPDX-License-Identifier: MIT
#include "core/vedic/porutham/porutham.h"

#include <algorithm>

#include "core/ephemeris/zodiac.h"
#include "core/vedic/match/classical_tables.h"

namespace lumora {

// Sources of the ten rules, cited once here and by short name below:
//   [Raman]   B. V. Raman, Muhurtha (Electional Astrology), the chapter on marriage.
//   [Kala]    Kalaprakasika, tr. N. P. Subramania Iyer, the chapter on marriage
//             agreements, the text Tamil and Kerala almanacs follow.
// Both describe the same ten agreements; each rule below is given in the reading of
// the Tamil almanacs where the two agree, and where published practice differs (Stree
// Deergha's threshold, the 6/8 pair of Rasi, Kerala's Rajju) the default is named and
// the variants are listed beside the rule. The help page repeats the variants.

namespace {

// Dina: the counts n at which the boy's star is a good day from the girl's. [Raman],
// [Kala]: 2, 4, 6, 8, 9, 11, 13, 15, 18, 20, 24, 26.
constexpr std::array<int, 12> kDinaCounts = {2, 4, 6, 8, 9, 11, 13, 15, 18, 20, 24, 26};

// Mahendra: every third star from the 4th. [Raman], [Kala].
constexpr std::array<int, 8> kMahendraCounts = {4, 7, 10, 13, 16, 19, 22, 25};

// Stree Deergha: the boy's star must lie far from the girl's, n above this count.
// [Raman], [Kala]: beyond 13. Variants: many Tamil almanacs accept n above 7 as
// middling (madhyamam); some North Karnataka lists ask for more than 9, a few for 15.
constexpr int kStreeDeerghaAbove = 13;

// Rasi: the counts r at which the rashis agree: the same rashi, or the boy's 7th..12th
// from the girl's. [Raman], [Kala]. Variant (the 6/8 pair, shashtashtaka): this default
// accepts r = 8 and rejects r = 6; several Tamil manuals reject both, and some accept
// both when the two rashi lords are friends.
constexpr std::array<int, 7> kRasiCounts = {1, 7, 8, 9, 10, 11, 12};

// Vasya: the rashis each rashi holds in its sway. [Raman], [Kala].
struct VasyaPair {
  ZodiacSign Ruler;
  ZodiacSign Subject;
};

constexpr std::array<VasyaPair, 18> kVasyaPairs{{
    {Aries, Leo},
    {Aries, Scorpio},  //
    {Taurus, Cancer},
    {Taurus, Libra},  //
    {Gemini, Virgo},  //
    {Cancer, Scorpio},
    {Cancer, Sagittarius},  //
    {Leo, Libra},           //
    {Virgo, Pisces},
    {Virgo, Gemini},  //
    {Libra, Virgo},
    {Libra, Capricorn},     //
    {Scorpio, Cancer},      //
    {Sagittarius, Pisces},  //
    {Capricorn, Aries},
    {Capricorn, Aquarius},  //
    {Aquarius, Aries},      //
    {Pisces, Capricorn},    //
}};

// Rajju: the body part of each star, Ashwini to Revati (stars run feet to head and
// back: 1 Pada, 2 Kati, 3 Nabhi, 4 Kanta, 5 Siro, 6 Kanta, ...). [Raman], [Kala].
// Variant (Kerala): the stars of a group are read as ascending (aroha) or descending
// (avaroha) and the dosha is seen only when both stars share the group and the
// direction; this default, the Tamil reading, fails on any shared group.
constexpr std::array<RajjuGroup, 27> kRajjuGroups = {
    RajjuGroup::Pada,  RajjuGroup::Kati, RajjuGroup::Nabhi,  // Ashwini, Bharani, Krittika
    RajjuGroup::Kanta, RajjuGroup::Siro, RajjuGroup::Kanta,  // Rohini, Mrigasira, Ardra
    RajjuGroup::Nabhi, RajjuGroup::Kati, RajjuGroup::Pada,   // Punarvasu, Pushya, Ashlesha
    RajjuGroup::Pada,  RajjuGroup::Kati, RajjuGroup::Nabhi,  // Magha, P. Phalguni, U. Phalguni
    RajjuGroup::Kanta, RajjuGroup::Siro, RajjuGroup::Kanta,  // Hasta, Chitra, Swati
    RajjuGroup::Nabhi, RajjuGroup::Kati, RajjuGroup::Pada,   // Vishakha, Anuradha, Jyeshtha
    RajjuGroup::Pada,  RajjuGroup::Kati, RajjuGroup::Nabhi,  // Moola, P. Ashadha, U. Ashadha
    RajjuGroup::Kanta, RajjuGroup::Siro, RajjuGroup::Kanta,  // Shravana, Dhanistha, Shatabhisha
    RajjuGroup::Nabhi, RajjuGroup::Kati, RajjuGroup::Pada,   // P. Bhadrapada, U. Bhadrapada, Revati
};

// Vedha: the pairs of stars that pierce each other, numbered 1 (Ashwini) to 27
// (Revati) as the sources print them; Mrigasira, Chitra and Dhanistha pierce one
// another. [Raman], [Kala].
struct VedhaPair {
  int First;
  int Second;
};

constexpr std::array<VedhaPair, 15> kVedhaPairs{{
    {1, 18},
    {2, 17},
    {3, 16},
    {4, 15},
    {6, 22},
    {7, 21},
    {8, 20},
    {9, 19},
    {10, 27},
    {11, 26},
    {12, 25},
    {13, 24},
    {5, 23},
    {5, 14},
    {14, 23},
}};

// The poruthams that veto the match when they fail, in the order they are listed.
constexpr std::array<Porutham, 2> kVetoPoruthams = {Porutham::Rajju, Porutham::Vedha};

// Verdict thresholds on the count of agreements, with no veto: seven or more make a
// good match, five an acceptable one (the almanacs' usual reading of "more than half").
constexpr int kGoodCount = 7;
constexpr int kAcceptableCount = 5;

template <typename Array>
bool Contains(const Array& values, int value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

bool IsVasya(int ruler, int subject) {
  return std::any_of(kVasyaPairs.begin(), kVasyaPairs.end(), [&](const VasyaPair& pair) {
    return pair.Ruler == ruler && pair.Subject == subject;
  });
}

bool IsVedha(int boy_nakshatra, int girl_nakshatra) {
  const int a = boy_nakshatra + 1;
  const int b = girl_nakshatra + 1;
  return std::any_of(kVedhaPairs.begin(), kVedhaPairs.end(), [&](const VedhaPair& pair) {
    return (pair.First == a && pair.Second == b) || (pair.First == b && pair.Second == a);
  });
}

// Gana: the same gana, or Deva with Manushya, agrees; a Rakshasa with either of the
// others fails. [Raman], [Kala]. The ganas are those of the Gana koota.
bool GanasAgree(Gana boy, Gana girl) {
  if (boy == girl) {
    return true;
  }
  return boy != Gana::Rakshasa && girl != Gana::Rakshasa;
}

// Rasiyathipathi: the rashi lords are the same, friends both ways, or one a friend and
// the other neutral (Graha Maitri 4 or 5 points). [Raman], [Kala]; the natural
// friendships of the classical tables.
bool LordsAgree(Planet boy, Planet girl) {
  if (boy == girl) {
    return true;
  }
  const Friendship to_girl = NaturalFriendship(boy, girl);
  const Friendship to_boy = NaturalFriendship(girl, boy);
  const bool friend_both = to_girl == Friendship::Friend && to_boy == Friendship::Friend;
  const bool friend_and_neutral =
      (to_girl == Friendship::Friend && to_boy == Friendship::Neutral) ||
      (to_girl == Friendship::Neutral && to_boy == Friendship::Friend);
  return friend_both || friend_and_neutral;
}

}  // namespace

int NakshatraCount(int boy_nakshatra, int girl_nakshatra) {
  return ((boy_nakshatra - girl_nakshatra) % 27 + 27) % 27 + 1;
}

int RashiCount(int boy_sign, int girl_sign) {
  return ((boy_sign - girl_sign) % 12 + 12) % 12 + 1;
}

RajjuGroup RajjuGroupOf(int nakshatra) {
  return kRajjuGroups[static_cast<std::size_t>(nakshatra)];
}

PoruthamResult AssessPorutham(Porutham which, const MoonPair& pair) {
  const int n = NakshatraCount(pair.BoyNakshatra, pair.GirlNakshatra);
  const int r = RashiCount(pair.BoySign, pair.GirlSign);
  PoruthamResult out;
  out.Which = which;
  switch (which) {
    case Porutham::Dina:
      out.Agrees = Contains(kDinaCounts, n);
      out.Count = n;
      break;
    case Porutham::Gana:
      out.Agrees = GanasAgree(GanaOf(pair.BoyNakshatra), GanaOf(pair.GirlNakshatra));
      break;
    case Porutham::Mahendra:
      out.Agrees = Contains(kMahendraCounts, n);
      out.Count = n;
      break;
    case Porutham::StreeDeergha:
      out.Agrees = n > kStreeDeerghaAbove;
      out.Count = n;
      break;
    case Porutham::Yoni:
      // Yoni: agrees unless the two animals are sworn enemies. [Raman], [Kala].
      out.Agrees =
          !AreSwornEnemies(YoniOf(pair.BoyNakshatra).Animal, YoniOf(pair.GirlNakshatra).Animal);
      break;
    case Porutham::Rasi:
      out.Agrees = Contains(kRasiCounts, r);
      out.Count = r;
      break;
    case Porutham::Rasiyathipathi:
      out.Agrees = LordsAgree(SignLord(pair.BoySign), SignLord(pair.GirlSign));
      break;
    case Porutham::Vasya:
      out.Agrees = IsVasya(pair.BoySign, pair.GirlSign) || IsVasya(pair.GirlSign, pair.BoySign);
      break;
    case Porutham::Rajju: {
      const RajjuGroup boy = RajjuGroupOf(pair.BoyNakshatra);
      out.Agrees = boy != RajjuGroupOf(pair.GirlNakshatra);
      if (!out.Agrees) {
        out.Group = boy;
      }
      break;
    }
    case Porutham::Vedha:
      out.Agrees = !IsVedha(pair.BoyNakshatra, pair.GirlNakshatra);
      break;
  }
  return out;
}

PoruthamVerdict PoruthamVerdictOf(int count, bool vetoed) {
  if (!vetoed && count >= kGoodCount) {
    return PoruthamVerdict::Good;
  }
  if (!vetoed && count >= kAcceptableCount) {
    return PoruthamVerdict::Acceptable;
  }
  return PoruthamVerdict::NotRecommended;
}

PoruthamMatch MatchPoruthams(const MoonPair& pair) {
  PoruthamMatch out;
  for (int k = 0; k < kPoruthamCount; ++k) {
    const auto which = static_cast<Porutham>(k);
    out.Poruthams[static_cast<std::size_t>(k)] = AssessPorutham(which, pair);
  }
  out.Count = static_cast<int>(std::count_if(out.Poruthams.begin(), out.Poruthams.end(),
                                             [](const PoruthamResult& p) { return p.Agrees; }));
  for (Porutham veto : kVetoPoruthams) {
    if (!out.Poruthams[static_cast<std::size_t>(veto)].Agrees) {
      out.Vetoes.push_back(veto);
    }
  }
  out.Verdict = PoruthamVerdictOf(out.Count, out.HasVeto());
  return out;
}

// ---------------------------------------------------------------- Papasamyam

namespace {

// Papasamyam: Mars, Saturn, the Sun and Rahu in the dosha houses 1, 2, 4, 7, 8 and 12
// (whole signs) count 1 from the Lagna, 1/2 from the Moon and 1/4 from Venus; the
// girl's total must not exceed the boy's. [Raman]; the Tamil almanac practice of
// "papa samyam" (balance of malefics).
struct PapaWeight {
  PapaReference From;
  double Points;
};

constexpr std::array<PapaWeight, 3> kPapaWeights{{
    {PapaReference::Lagna, 1.0},
    {PapaReference::Moon, 0.5},
    {PapaReference::Venus, 0.25},
}};

double ReferenceLongitude(const SiderealChart& chart, PapaReference from) {
  switch (from) {
    case PapaReference::Lagna:
      return chart.Lagna;
    case PapaReference::Moon:
      return chart.Of(Graha::Moon);
    case PapaReference::Venus:
      return chart.Of(Graha::Venus);
  }
  return chart.Lagna;
}

void AppendPlacements(std::vector<PapaPlacement>& out, const SiderealChart& chart, bool boy) {
  for (Graha planet : kPapaGrahas) {
    const int sign = SignOf(chart.Of(planet));
    for (const PapaWeight& weight : kPapaWeights) {
      PapaPlacement placement;
      placement.Boy = boy;
      placement.Planet = planet;
      placement.From = weight.From;
      placement.House = HouseFrom(sign, SignOf(ReferenceLongitude(chart, weight.From)));
      placement.Points = Contains(kDoshaHouses, placement.House) ? weight.Points : 0.0;
      out.push_back(placement);
    }
  }
}

double Total(const std::vector<PapaPlacement>& placements, bool boy) {
  double total = 0.0;
  for (const PapaPlacement& placement : placements) {
    if (placement.Boy == boy) {
      total += placement.Points;  // quarters: exact in binary
    }
  }
  return total;
}

}  // namespace

std::vector<PapaPlacement> PapasamyamResult::Contributions() const {
  std::vector<PapaPlacement> out;
  std::copy_if(Placements.begin(), Placements.end(), std::back_inserter(out),
               [](const PapaPlacement& placement) { return placement.Points > 0.0; });
  return out;
}

double PapaPoints(const SiderealChart& chart) {
  std::vector<PapaPlacement> placements;
  AppendPlacements(placements, chart, true);
  return Total(placements, true);
}

PapasamyamResult AssessPapasamyam(const SiderealChart& boy, const SiderealChart& girl) {
  PapasamyamResult out;
  AppendPlacements(out.Placements, boy, true);
  AppendPlacements(out.Placements, girl, false);
  out.Boy = Total(out.Placements, true);
  out.Girl = Total(out.Placements, false);
  out.Agrees = out.Girl <= out.Boy;
  return out;
}

}  // namespace lumora

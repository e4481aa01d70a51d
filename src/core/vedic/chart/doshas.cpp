// SPDX-License-Identifier: MIT
#include "core/vedic/chart/doshas.h"

#include <algorithm>

#include "core/ephemeris/geometry.h"
#include "core/ephemeris/quick_positions.h"
#include "core/ephemeris/zodiac.h"
#include "core/text.h"
#include "core/vedic/match/classical_tables.h"
#include "core/vedic/match/koota_scoring.h"
#include "core/vedic/result/rashi_catalogue.h"

namespace lumora {

const std::array<DoshaExceptionText, kDoshaExceptionCount> kDoshaExceptionTexts{{
    {"OwnOrExaltedSign", "Mars is in its own or exalted sign (Aries, Scorpio or Capricorn)"},
    {"SignHouseException", "Mars sits in a sign that excuses its house from the Lagna"},
    {"MarsInLeoOrAquarius", "Mars is in Leo or Aquarius"},
    {"LagnaCancerOrLeo", "The Lagna is Cancer or Leo"},
    {"JupiterAspect", "Jupiter is with Mars or in the 1st or 7th house from the Lagna"},
    {"SameRashiDifferentNakshatra", "Same rashi, different nakshatras"},
    {"SameNakshatraDifferentRashi", "Same nakshatra, different rashis"},
    {"SameRashiLord", "Both rashis have the same lord"},
    {"FriendlyRashiLords", "The rashi lords are friends (Graha Maitri 4 or more)"},
}};

std::string_view ExceptionCode(DoshaException exception) {
  return kDoshaExceptionTexts[static_cast<std::size_t>(exception)].Code;
}

std::string_view ExceptionWords(DoshaException exception) {
  return kDoshaExceptionTexts[static_cast<std::size_t>(exception)].Words;
}

namespace {

// ---------------------------------------------------------------- Manglik

// What the Manglik exception rules look at.
struct ManglikFacts {
  int MarsSign;
  int LagnaSign;
  int JupiterSign;
  int MarsHouseFromLagna;
  int JupiterHouseFromLagna;
};

// A Mars house from the Lagna excused when Mars stands in one of two signs there.
struct SignHouseRule {
  int House;
  int FirstSign;
  int SecondSign;
};

// The traditional places where Kuja dosha lapses, as matching handbooks list them: the 2nd in
// Gemini or Virgo, the 4th in Aries or Scorpio, the 7th in Cancer or Capricorn, the 8th in
// Sagittarius or Pisces, the 12th in Taurus or Libra.
constexpr std::array<SignHouseRule, 5> kSignHouseRules{{
    {2, Gemini, Virgo},
    {4, Aries, Scorpio},
    {7, Cancer, Capricorn},
    {8, Sagittarius, Pisces},
    {12, Taurus, Libra},
}};

bool OwnOrExalted(const ManglikFacts& f) {
  return f.MarsSign == Aries || f.MarsSign == Scorpio || f.MarsSign == Capricorn;
}

bool SignHouse(const ManglikFacts& f) {
  return std::any_of(kSignHouseRules.begin(), kSignHouseRules.end(), [&](const SignHouseRule& r) {
    return f.MarsHouseFromLagna == r.House &&
           (f.MarsSign == r.FirstSign || f.MarsSign == r.SecondSign);
  });
}

bool MarsInLeoOrAquarius(const ManglikFacts& f) {
  return f.MarsSign == Leo || f.MarsSign == Aquarius;
}

bool LagnaCancerOrLeo(const ManglikFacts& f) {
  return f.LagnaSign == Cancer || f.LagnaSign == Leo;
}

bool JupiterAspect(const ManglikFacts& f) {
  return f.JupiterSign == f.MarsSign || f.JupiterHouseFromLagna == 1 ||
         f.JupiterHouseFromLagna == 7;
}

struct ManglikExceptionRule {
  DoshaException Code;
  bool (*Applies)(const ManglikFacts&);
};

// In listing order.
constexpr std::array<ManglikExceptionRule, 5> kManglikExceptionRules{{
    // Mars in its own signs (Aries, Scorpio) or exalted (Capricorn) does no harm.
    {DoshaException::OwnOrExaltedSign, OwnOrExalted},
    // Particular houses are excused in particular signs (table above).
    {DoshaException::SignHouseException, SignHouse},
    // Mars in the signs of the Sun and of Saturn is held mild.
    {DoshaException::MarsInLeoOrAquarius, MarsInLeoOrAquarius},
    // For Cancer and Leo rising Mars is a yoga-karaka, a benefic.
    {DoshaException::LagnaCancerOrLeo, LagnaCancerOrLeo},
    // Jupiter joined with Mars, or strong in the 1st or 7th, protects the marriage.
    {DoshaException::JupiterAspect, JupiterAspect},
}};

// ---------------------------------------------------------------- pair doshas

// The Moon values of a pair with what the rules compare, read from the koota tables.
struct PairFacts {
  MoonPair Pair;
  bool SameRashiLord;
  bool FriendlyRashiLords;
};

bool SameRashiDifferentNakshatra(const PairFacts& f) {
  return f.Pair.BoySign == f.Pair.GirlSign && f.Pair.BoyNakshatra != f.Pair.GirlNakshatra;
}

bool SameNakshatraDifferentRashi(const PairFacts& f) {
  return f.Pair.BoyNakshatra == f.Pair.GirlNakshatra && f.Pair.BoySign != f.Pair.GirlSign;
}

bool SameRashiLord(const PairFacts& f) {
  return f.SameRashiLord;
}

bool FriendlyRashiLords(const PairFacts& f) {
  return f.FriendlyRashiLords;
}

struct PairExceptionRule {
  PairDosha Dosha;
  DoshaException Code;
  bool (*Applies)(const PairFacts&);
};

// In listing order within each dosha.
constexpr std::array<PairExceptionRule, 6> kPairExceptionRules{{
    // One Moon sign with two nakshatras: the nadi dosha is not held to bind.
    {PairDosha::Nadi, DoshaException::SameRashiDifferentNakshatra, SameRashiDifferentNakshatra},
    // One nakshatra in two signs (its padas split between them): likewise.
    {PairDosha::Nadi, DoshaException::SameNakshatraDifferentRashi, SameNakshatraDifferentRashi},
    // Moon signs ruled by one planet share its nature: nadi dosha is excused.
    {PairDosha::Nadi, DoshaException::SameRashiLord, SameRashiLord},
    // The 6/8 and 2/12 signs of one lord (Aries-Scorpio, Taurus-Libra ...) are excused.
    {PairDosha::Bhakoot, DoshaException::SameRashiLord, SameRashiLord},
    // Friendly lords of the Moon signs undo the bhakoot dosha.
    {PairDosha::Bhakoot, DoshaException::FriendlyRashiLords, FriendlyRashiLords},
    // Friendly lords of the Moon signs soften a Rakshasa partner.
    {PairDosha::Gana, DoshaException::FriendlyRashiLords, FriendlyRashiLords},
}};

// Sign relations c = (girl - boy) mod 12 + 1 that make bhakoot dosha: 2/12, 5/9, 6/8.
constexpr std::array<int, 6> kBhakootDoshaCounts = {2, 12, 5, 9, 6, 8};

constexpr int kFriendlyMaitriHalfPoints = 8;

bool DoshaPresent(PairDosha dosha, const MoonPair& p) {
  switch (dosha) {
    case PairDosha::Nadi:
      return NadiOf(p.BoyNakshatra) == NadiOf(p.GirlNakshatra);
    case PairDosha::Bhakoot: {
      const int c = HouseFrom(p.GirlSign, p.BoySign);
      return std::find(kBhakootDoshaCounts.begin(), kBhakootDoshaCounts.end(), c) !=
             kBhakootDoshaCounts.end();
    }
    case PairDosha::Gana:
      return (GanaOf(p.BoyNakshatra) == Gana::Rakshasa) !=
             (GanaOf(p.GirlNakshatra) == Gana::Rakshasa);
  }
  return false;
}

}  // namespace

ManglikAssessment AssessManglik(const SiderealChart& chart) {
  const int mars = SignOf(chart.Of(Graha::Mars));
  const int lagna = SignOf(chart.Lagna);
  const std::array<int, 3> references = {lagna, SignOf(chart.Of(Graha::Moon)),
                                         SignOf(chart.Of(Graha::Venus))};
  ManglikAssessment out;
  bool any = false;
  for (std::size_t r = 0; r < references.size(); ++r) {
    const int house = HouseFrom(mars, references[r]);
    const bool dosha =
        std::find(kDoshaHouses.begin(), kDoshaHouses.end(), house) != kDoshaHouses.end();
    out.From[r] = {house, dosha};
    any = any || dosha;
  }
  out.IsManglik = out.From[static_cast<std::size_t>(ManglikReference::Lagna)].Dosha ||
                  out.From[static_cast<std::size_t>(ManglikReference::Moon)].Dosha;
  if (any) {
    const int jupiter = SignOf(chart.Of(Graha::Jupiter));
    const ManglikFacts facts{mars, lagna, jupiter, HouseFrom(mars, lagna),
                             HouseFrom(jupiter, lagna)};
    for (const ManglikExceptionRule& rule : kManglikExceptionRules) {
      if (rule.Applies(facts)) {
        out.Exceptions.push_back(rule.Code);
      }
    }
  }
  return out;
}

bool IsManglikFrom(double lagna, double moon, double mars) {
  const auto dosha_from = [mars_sign = SignOf(mars)](double reference) {
    const int house = HouseFrom(mars_sign, SignOf(reference));
    return std::find(kDoshaHouses.begin(), kDoshaHouses.end(), house) != kDoshaHouses.end();
  };
  return dosha_from(lagna) || dosha_from(moon);
}

namespace {

// The signs a sidereal longitude may lie in when it is known to within bound degrees:
// its own, and the neighbour whose edge lies within the bound (at most 15 degrees).
struct PossibleSigns {
  int Sign = 0;
  std::array<int, 2> Neighbours{};
  int NeighbourCount = 0;
};

PossibleSigns SignsWithin(double longitude, double bound) {
  PossibleSigns out;
  out.Sign = SignOf(longitude);
  const double within = longitude - kDegreesPerSign * out.Sign;
  if (within <= bound) {
    out.Neighbours[static_cast<std::size_t>(out.NeighbourCount++)] = (out.Sign + 11) % 12;
  }
  if (kDegreesPerSign - within <= bound) {
    out.Neighbours[static_cast<std::size_t>(out.NeighbourCount++)] = (out.Sign + 1) % 12;
  }
  return out;
}

// Whether every combination of the possible signs gives the same verdict as the signs
// themselves.
bool VerdictIsCertain(const std::array<PossibleSigns, 3>& places) {
  const auto middle = [](int sign) { return kDegreesPerSign * sign + kDegreesPerSign / 2.0; };
  const auto choices = [](const PossibleSigns& p) {
    std::array<int, 3> signs{p.Sign, 0, 0};
    for (int k = 0; k < p.NeighbourCount; ++k) {
      signs[static_cast<std::size_t>(k + 1)] = p.Neighbours[static_cast<std::size_t>(k)];
    }
    return std::pair{signs, p.NeighbourCount + 1};
  };
  const auto [lagnas, lagna_count] = choices(places[0]);
  const auto [moons, moon_count] = choices(places[1]);
  const auto [marses, mars_count] = choices(places[2]);
  const bool verdict = IsManglikFrom(middle(lagnas[0]), middle(moons[0]), middle(marses[0]));
  for (int l = 0; l < lagna_count; ++l) {
    for (int m = 0; m < moon_count; ++m) {
      for (int r = 0; r < mars_count; ++r) {
        if (IsManglikFrom(middle(lagnas[static_cast<std::size_t>(l)]),
                          middle(moons[static_cast<std::size_t>(m)]),
                          middle(marses[static_cast<std::size_t>(r)])) != verdict) {
          return false;
        }
      }
    }
  }
  return true;
}

}  // namespace

ManglikVerdict ScreenedManglik(const BirthMoment& moment, const ChartOptions& options) {
  const ChartInstant instant = BirthInstant(moment);
  const AstroTime time = AstroTimeOf(instant);
  const double ayanamsa = AyanamsaDegrees(options.ayanamsa, time);
  const QuickPlaces quick = QuickPlacesAt(time, instant.SignedLatitude, -instant.SignedLongitude);
  // Lagna, Moon, Mars: the sidereal places and how far each may be from the precise one.
  std::array<double, 3> longitudes{NormalizedDegrees(quick.Ascendant.Longitude - ayanamsa),
                                   NormalizedDegrees(quick.Moon - ayanamsa),
                                   NormalizedDegrees(quick.Mars - ayanamsa)};
  std::array<double, 3> bounds{std::min(quick.Ascendant.BoundDegrees, kDegreesPerSign / 2.0),
                               kQuickMoonBoundDegrees, quick.MarsBoundDegrees};
  const auto precise = [&](std::size_t body) {
    switch (body) {
      case 0:
        return NormalizedDegrees(
            AnglesAt(time, instant.SignedLatitude, -instant.SignedLongitude).Ascendant - ayanamsa);
      case 1:
        return NormalizedDegrees(ApparentLongitude(Body::Moon, time) - ayanamsa);
      default:
        return NormalizedDegrees(ApparentLongitude(Body::Mars, time) - ayanamsa);
    }
  };
  ManglikVerdict out;
  const auto possible = [&] {
    return std::array<PossibleSigns, 3>{SignsWithin(longitudes[0], bounds[0]),
                                        SignsWithin(longitudes[1], bounds[1]),
                                        SignsWithin(longitudes[2], bounds[2])};
  };
  std::array<PossibleSigns, 3> places = possible();
  for (std::size_t body = 0; body < 3 && !VerdictIsCertain(places); ++body) {
    if (places[body].NeighbourCount == 0) {
      continue;
    }
    longitudes[body] = precise(body);
    bounds[body] = 0.0;
    ++out.PreciseBodies;
    places = possible();
  }
  out.IsManglik = IsManglikFrom(longitudes[0], longitudes[1], longitudes[2]);
  return out;
}

ManglikMatch MatchManglik(bool boy_is_manglik, bool girl_is_manglik) {
  if (boy_is_manglik && girl_is_manglik) {
    return ManglikMatch::Both;
  }
  if (boy_is_manglik) {
    return ManglikMatch::Boy;
  }
  return girl_is_manglik ? ManglikMatch::Girl : ManglikMatch::Neither;
}

PairDoshas AssessPairDoshas(const MoonPair& pair) {
  // The lords count as friendly where the program's own Graha Maitri table gives them
  // at least 4 points.
  const KootaRule& maitri =
      TableSetOf(KootaTables::Specified).Rules[static_cast<std::size_t>(Koota::GrahaMaitri)];
  const int maitri_half_points = maitri.HalfPoints(pair.BoySign, pair.GirlSign);
  const PairFacts facts{pair, SignLord(pair.BoySign) == SignLord(pair.GirlSign),
                        maitri_half_points >= kFriendlyMaitriHalfPoints};
  PairDoshas out;
  for (std::size_t d = 0; d < out.size(); ++d) {
    DoshaAssessment& assessment = out[d];
    assessment.Dosha = static_cast<PairDosha>(d);
    assessment.Present = DoshaPresent(assessment.Dosha, pair);
    if (!assessment.Present) {
      continue;
    }
    for (const PairExceptionRule& rule : kPairExceptionRules) {
      if (rule.Dosha == assessment.Dosha && rule.Applies(facts)) {
        assessment.Exceptions.push_back(rule.Code);
      }
    }
  }
  return out;
}

}  // namespace lumora

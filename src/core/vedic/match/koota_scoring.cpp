// SPDX-License-Identifier: MIT
#include "core/vedic/match/koota_scoring.h"

#include "core/ephemeris/zodiac.h"
#include "core/vedic/match/classical_tables.h"
#include "core/vedic/match/koota_matrices.h"

namespace lumora {

namespace {

constexpr double kSignDegrees = 30.0;

int Index(auto value) {
  return static_cast<int>(value);
}

template <std::size_t N>
int MatrixHalfPoints(const KootaMatrix<N>& matrix, int boy, int girl) {
  return static_cast<int>(matrix[static_cast<std::size_t>(boy)][static_cast<std::size_t>(girl)] *
                          2.0);
}

int SignOfMoon(const KootaMoon& moon) {
  return moon.Sign;
}
int NakshatraOfMoon(const KootaMoon& moon) {
  return moon.Nakshatra;
}
int VarnaOfMoon(const KootaMoon& moon) {
  return Index(SignVarna(moon.Sign));
}
int GanaOfMoon(const KootaMoon& moon) {
  return Index(GanaOf(moon.Nakshatra));
}
int NadiOfMoon(const KootaMoon& moon) {
  return Index(NadiOf(moon.Nakshatra));
}
std::string_view SignWord(int sign) {
  return kSignNames[static_cast<std::size_t>(sign)];
}
std::string_view NakshatraWord(int nakshatra) {
  return kNakshatraNames[static_cast<std::size_t>(nakshatra)];
}

// --- The specified tables: the program's own, every earlier result rests on them ---
// Varna, gana and nadi classify signs and nakshatras as the classical lists do (the
// same lists under older spellings); vasya has three classes, each sign whole.

enum class SpecifiedVasya { Chatushpada, Nara, Jala };
constexpr std::array<SpecifiedVasya, 12> kSpecifiedVasya = {
    SpecifiedVasya::Chatushpada, SpecifiedVasya::Chatushpada,
    SpecifiedVasya::Nara,  // Ari Tau Gem
    SpecifiedVasya::Jala,        SpecifiedVasya::Chatushpada,
    SpecifiedVasya::Nara,  // Can Leo Vir
    SpecifiedVasya::Nara,        SpecifiedVasya::Jala,
    SpecifiedVasya::Chatushpada,  // Lib Sco Sag
    SpecifiedVasya::Chatushpada, SpecifiedVasya::Nara,
    SpecifiedVasya::Jala,  // Cap Aqu Pis
};

constexpr std::array<std::string_view, kVarnaCount> kSpecifiedVarnaWords = {"Brahmin", "Kshatriya",
                                                                            "Vysya", "Sudra"};
constexpr std::array<std::string_view, 3> kSpecifiedVasyaWords = {"Chatushpada", "Nara", "Jala"};
constexpr std::array<std::string_view, kGanaCount> kSpecifiedGanaWords = {"Deva", "Manusha",
                                                                          "Rakshasa"};
constexpr std::array<std::string_view, kNadiCount> kSpecifiedNadiWords = {
    "Vatha/Adi", "Pitha/Madhya", "Sleshma/Anthya"};

// Tara by the two nakshatras' places in their cycle of nine: the same place 0, a
// neighbour on either side 3, any other place 1.5.
int SpecifiedTaraHalfPoints(int boy, int girl) {
  const int d = ((girl - boy) % 9 + 9) % 9;
  return d == 0 ? 0 : (d == 1 || d == 8) ? 6 : 3;
}

constexpr KootaTableSet kSpecifiedTables{{{
    {VarnaOfMoon, [](int b, int g) { return MatrixHalfPoints(kVarnaMatrix, b, g); },
     [](int v) { return kSpecifiedVarnaWords[static_cast<std::size_t>(v)]; }},
    {[](const KootaMoon& m) { return Index(kSpecifiedVasya[static_cast<std::size_t>(m.Sign)]); },
     [](int b, int g) { return MatrixHalfPoints(kVasyaMatrix, b, g); },
     [](int v) { return kSpecifiedVasyaWords[static_cast<std::size_t>(v)]; }},
    {NakshatraOfMoon, SpecifiedTaraHalfPoints, NakshatraWord},
    {NakshatraOfMoon, [](int b, int g) { return MatrixHalfPoints(kYoniMatrix, b, g); },
     NakshatraWord},
    {SignOfMoon, [](int b, int g) { return MatrixHalfPoints(kGrahaMaitriMatrix, b, g); }, SignWord},
    {GanaOfMoon, [](int b, int g) { return MatrixHalfPoints(kGanaMatrix, b, g); },
     [](int v) { return kSpecifiedGanaWords[static_cast<std::size_t>(v)]; }},
    {SignOfMoon, [](int b, int g) { return MatrixHalfPoints(kRashiMatrix, b, g); }, SignWord},
    {NadiOfMoon, [](int b, int g) { return MatrixHalfPoints(kNadiMatrix, b, g); },
     [](int v) { return kSpecifiedNadiWords[static_cast<std::size_t>(v)]; }},
}}};

// --- The classical tables (classical_tables.h) ---------------------------------------

constexpr KootaTableSet kClassicalTables{{{
    {VarnaOfMoon, [](int b, int g) { return ClassicalVarnaHalfPoints(Varna(b), Varna(g)); },
     [](int v) { return VarnaName(Varna(v)); }},
    {[](const KootaMoon& m) { return Index(SignVasyaClass(m.Sign, m.DegreeInSign)); },
     [](int b, int g) { return ClassicalVasyaHalfPoints(VasyaClass(b), VasyaClass(g)); },
     [](int v) { return VasyaClassName(VasyaClass(v)); }},
    {NakshatraOfMoon, ClassicalTaraHalfPoints, NakshatraWord},
    {[](const KootaMoon& m) { return Index(YoniOf(m.Nakshatra).Animal); },
     [](int b, int g) { return ClassicalYoniHalfPoints(YoniAnimal(b), YoniAnimal(g)); },
     [](int v) { return YoniAnimalName(YoniAnimal(v)); }},
    {[](const KootaMoon& m) { return Index(SignLord(m.Sign)); },
     [](int b, int g) { return ClassicalGrahaMaitriHalfPoints(Planet(b), Planet(g)); },
     [](int v) { return PlanetName(Planet(v)); }},
    {GanaOfMoon, [](int b, int g) { return ClassicalGanaHalfPoints(Gana(b), Gana(g)); },
     [](int v) { return GanaName(Gana(v)); }},
    {SignOfMoon, ClassicalBhakootHalfPoints, SignWord},
    {NadiOfMoon, [](int b, int g) { return ClassicalNadiHalfPoints(Nadi(b), Nadi(g)); },
     [](int v) { return NadiName(Nadi(v)); }},
}}};

}  // namespace

std::string_view KootaTablesName(KootaTables tables) {
  return tables == KootaTables::Specified ? "Specified" : "Classical";
}

std::optional<KootaTables> FindKootaTables(std::string_view name) {
  for (const KootaTables tables : kAllKootaTables) {
    const std::string_view word = KootaTablesName(tables);
    if (name.size() == word.size() &&
        std::equal(name.begin(), name.end(), word.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) ==
                 std::tolower(static_cast<unsigned char>(b));
        })) {
      return tables;
    }
  }
  return std::nullopt;
}

KootaMoon KootaMoonAt(double sidereal_longitude) {
  const double longitude = ReduceLongitude(sidereal_longitude).value_or(0.0);
  const ZodiacPosition position = ToZodiacPosition(longitude);
  return {position.Sign, NakshatraIndex(longitude), longitude - position.Sign * kSignDegrees};
}

KootaMoon KootaMoonOf(int sign, int nakshatra) {
  return {sign, nakshatra, ProfileDegreeInSign(sign, nakshatra)};
}

const KootaTableSet& TableSetOf(KootaTables tables) {
  return tables == KootaTables::Specified ? kSpecifiedTables : kClassicalTables;
}

KootaScores ScoreKootas(const KootaTableSet& set, const KootaMoon& boy, const KootaMoon& girl) {
  KootaScores scores;
  for (std::size_t k = 0; k < scores.size(); ++k) {
    const KootaRule& rule = set.Rules[k];
    KootaScore& score = scores[k];
    score.Boy = rule.Value(boy);
    score.Girl = rule.Value(girl);
    score.HalfPoints = rule.HalfPoints(score.Boy, score.Girl);
  }
  return scores;
}

KootaScores ScoreKootas(KootaTables tables, const KootaMoon& boy, const KootaMoon& girl) {
  return ScoreKootas(TableSetOf(tables), boy, girl);
}

int TotalHalfPoints(const KootaScores& scores) {
  int total = 0;
  for (const KootaScore& score : scores) {
    total += score.HalfPoints;
  }
  return total;
}

std::string_view KootaValueName(KootaTables tables, int koota, int value) {
  return TableSetOf(tables).Rules[static_cast<std::size_t>(koota)].ValueName(value);
}

}  // namespace lumora

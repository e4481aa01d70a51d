// SPDX-License-Identifier: MIT
// Koota classification and scoring, checked cell by cell against the reference tables.
// The tables below are copied row for row from the tables the koota engine was built
// from; a scorer must reproduce every cell, boy's value by row and girl's by column.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ephemeris/zodiac.h"
#include "core/vedic/match/koota_scoring.h"
#include "core/vedic/match/koota_tables.h"
#include "table_reader.h"

namespace lumora {
namespace {

// The cells of one table row "| a | "b" | c |", trimmed, with surrounding quotes removed.
std::vector<std::vector<std::string>> Rows(std::string_view table) {
  return testing::TableRows(table, testing::Quotes::Strip);
}

// A score table with a header row of girl's values and one row per boy's value.
class ScoreTable {
 public:
  explicit ScoreTable(std::string_view text) {
    const auto rows = Rows(text);
    columns_.assign(rows.front().begin() + 1, rows.front().end());
    for (std::size_t r = 1; r < rows.size(); ++r) {
      rows_.push_back(rows[r].front());
      for (std::size_t c = 1; c < rows[r].size(); ++c) {
        cells_[{rows[r].front(), columns_[c - 1]}] = rows[r][c];
      }
    }
  }
  const std::string& At(const std::string& boy, const std::string& girl) const {
    return cells_.at({boy, girl});
  }
  std::size_t RowCount() const { return rows_.size(); }
  std::size_t ColumnCount() const { return columns_.size(); }

 private:
  std::vector<std::string> columns_;
  std::vector<std::string> rows_;
  std::map<std::pair<std::string, std::string>, std::string> cells_;
};

// Sign names with their index, varna and vasya class.
constexpr std::string_view kSignTable = R"tbl(
| Index | Sign name | Varna | Vasya class |
| 0 | "Aries" | "Kshatriya" | "Chatushpada" |
| 1 | "Taurus" | "Vysya" | "Chatushpada" |
| 2 | "Gemini" | "Sudra" | "Nara" |
| 3 | "Cancer" | "Brahmin" | "Jala" |
| 4 | "Leo" | "Kshatriya" | "Chatushpada" |
| 5 | "Virgo" | "Vysya" | "Nara" |
| 6 | "Libra" | "Sudra" | "Nara" |
| 7 | "Scorpio" | "Brahmin" | "Jala" |
| 8 | "Sagittarius" | "Kshatriya" | "Chatushpada" |
| 9 | "Capricorn" | "Vysya" | "Chatushpada" |
| 10 | "Aquarius" | "Sudra" | "Nara" |
| 11 | "Pisces" | "Brahmin" | "Jala" |
)tbl";

// Nakshatra names with their index, tara position, gana and nadi.
constexpr std::string_view kNakshatraTable = R"tbl(
| Index | Nakshatra name | Tara position | Gana | Nadi |
| 0 | "Ashwini" | 0 | "Deva" | "Vatha/Adi" |
| 1 | "Bharani" | 1 | "Manusha" | "Pitha/Madhya" |
| 2 | "Krittika" | 2 | "Rakshasa" | "Sleshma/Anthya" |
| 3 | "Rohini" | 3 | "Manusha" | "Sleshma/Anthya" |
| 4 | "Mrigasira" | 4 | "Deva" | "Pitha/Madhya" |
| 5 | "Ardra" | 5 | "Manusha" | "Vatha/Adi" |
| 6 | "Punarvasu" | 6 | "Deva" | "Vatha/Adi" |
| 7 | "Pushya" | 7 | "Deva" | "Pitha/Madhya" |
| 8 | "Ashlesha" | 8 | "Rakshasa" | "Sleshma/Anthya" |
| 9 | "Magha" | 0 | "Rakshasa" | "Sleshma/Anthya" |
| 10 | "Poorva Phalguni" | 1 | "Manusha" | "Pitha/Madhya" |
| 11 | "Uttara Phalguni" | 2 | "Manusha" | "Vatha/Adi" |
| 12 | "Hasta" | 3 | "Deva" | "Vatha/Adi" |
| 13 | "Chitra" | 4 | "Rakshasa" | "Pitha/Madhya" |
| 14 | "Swati" | 5 | "Deva" | "Sleshma/Anthya" |
| 15 | "Vishakha" | 6 | "Rakshasa" | "Sleshma/Anthya" |
| 16 | "Anuradha" | 7 | "Deva" | "Pitha/Madhya" |
| 17 | "Jyeshtha" | 8 | "Rakshasa" | "Vatha/Adi" |
| 18 | "Moola" | 0 | "Rakshasa" | "Vatha/Adi" |
| 19 | "Purva Ashadha" | 1 | "Manusha" | "Pitha/Madhya" |
| 20 | "Uttara Ashadha" | 2 | "Manusha" | "Sleshma/Anthya" |
| 21 | "Shravana" | 3 | "Deva" | "Sleshma/Anthya" |
| 22 | "Dhanistha" | 4 | "Rakshasa" | "Pitha/Madhya" |
| 23 | "Shatabhisha" | 5 | "Rakshasa" | "Vatha/Adi" |
| 24 | "Poorva Bhadrapada" | 6 | "Manusha" | "Vatha/Adi" |
| 25 | "Uttara Bhadrapada" | 7 | "Manusha" | "Pitha/Madhya" |
| 26 | "Revati" | 8 | "Deva" | "Sleshma/Anthya" |
)tbl";

constexpr std::string_view kVarnaTable = R"tbl(
| Boy \ Girl | Brahmin | Kshatriya | Vysya | Sudra |
| Brahmin | 1 | 0 | 0 | 0 |
| Kshatriya | 1 | 1 | 0 | 0 |
| Vysya | 1 | 1 | 1 | 0 |
| Sudra | 1 | 1 | 1 | 1 |
)tbl";

constexpr std::string_view kVasyaTable = R"tbl(
| Boy \ Girl | Chatushpada | Nara | Jala |
| Chatushpada | 2 | 0.5 | 1 |
| Nara | 0.5 | 2 | 0.5 |
| Jala | 1 | 0 | 2 |
)tbl";

constexpr std::string_view kTaraTable = R"tbl(
| Boy \ Girl | 0 | 1 | 2 | 3 | 4 | 5 | 6 | 7 | 8 |
| 0 | 0 | 3 | 1.5 | 1.5 | 1.5 | 1.5 | 1.5 | 1.5 | 3 |
| 1 | 3 | 0 | 3 | 1.5 | 1.5 | 1.5 | 1.5 | 1.5 | 1.5 |
| 2 | 1.5 | 3 | 0 | 3 | 1.5 | 1.5 | 1.5 | 1.5 | 1.5 |
| 3 | 1.5 | 1.5 | 3 | 0 | 3 | 1.5 | 1.5 | 1.5 | 1.5 |
| 4 | 1.5 | 1.5 | 1.5 | 3 | 0 | 3 | 1.5 | 1.5 | 1.5 |
| 5 | 1.5 | 1.5 | 1.5 | 1.5 | 3 | 0 | 3 | 1.5 | 1.5 |
| 6 | 1.5 | 1.5 | 1.5 | 1.5 | 1.5 | 3 | 0 | 3 | 1.5 |
| 7 | 1.5 | 1.5 | 1.5 | 1.5 | 1.5 | 1.5 | 3 | 0 | 3 |
| 8 | 3 | 1.5 | 1.5 | 1.5 | 1.5 | 1.5 | 1.5 | 3 | 0 |
)tbl";

constexpr std::string_view kGanaTable = R"tbl(
| Boy \ Girl | Deva | Manusha | Rakshasa |
| Deva | 6 | 4 | 3 |
| Manusha | 5 | 6 | 2 |
| Rakshasa | 0 | 0 | 6 |
)tbl";

constexpr std::string_view kNadiTable = R"tbl(
| Boy \ Girl | Vatha/Adi | Pitha/Madhya | Sleshma/Anthya |
| Vatha/Adi | 2 | 8 | 6 |
| Pitha/Madhya | 8 | 0 | 8 |
| Sleshma/Anthya | 6 | 8 | 2 |
)tbl";

constexpr std::string_view kGrahaMaitriTable = R"tbl(
| Boy \ Girl | Aries | Taurus | Gemini | Cancer | Leo | Virgo | Libra | Scorpio | Sagittarius | Capricorn | Aquarius | Pisces |
| Aries | 5 | 3 | 1 | 4 | 5 | 1 | 3 | 5 | 5 | 1 | 1 | 5 |
| Taurus | 3 | 5 | 5 | 1 | 0 | 5 | 5 | 3 | 1 | 5 | 5 | 1 |
| Gemini | 1 | 5 | 5 | 2 | 4 | 5 | 5 | 1 | 1 | 4 | 4 | 1 |
| Cancer | 4 | 1 | 2 | 5 | 5 | 2 | 1 | 4 | 4 | 1 | 1 | 4 |
| Leo | 5 | 0 | 4 | 5 | 5 | 4 | 0 | 5 | 5 | 0 | 0 | 5 |
| Virgo | 1 | 5 | 5 | 2 | 4 | 5 | 5 | 1 | 1 | 4 | 4 | 1 |
| Libra | 3 | 5 | 5 | 1 | 0 | 5 | 5 | 3 | 1 | 5 | 5 | 1 |
| Scorpio | 5 | 3 | 1 | 4 | 5 | 1 | 3 | 5 | 5 | 1 | 1 | 5 |
| Sagittarius | 5 | 1 | 1 | 4 | 5 | 1 | 1 | 5 | 5 | 3 | 3 | 5 |
| Capricorn | 1 | 5 | 4 | 1 | 0 | 4 | 5 | 1 | 3 | 5 | 5 | 3 |
| Aquarius | 1 | 5 | 4 | 1 | 0 | 4 | 5 | 1 | 3 | 5 | 5 | 3 |
| Pisces | 5 | 1 | 1 | 4 | 5 | 1 | 1 | 5 | 5 | 3 | 3 | 5 |
)tbl";

constexpr std::string_view kRashiTable = R"tbl(
| Boy \ Girl | Aries | Taurus | Gemini | Cancer | Leo | Virgo | Libra | Scorpio | Sagittarius | Capricorn | Aquarius | Pisces |
| Aries | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 |
| Taurus | 7 | 7 | 7 | 0 | 0 | 7 | 7 | 0 | 7 | 7 | 7 | 7 |
| Gemini | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 |
| Cancer | 7 | 7 | 7 | 7 | 7 | 0 | 0 | 0 | 0 | 7 | 7 | 7 |
| Leo | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 |
| Virgo | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 0 | 0 | 0 | 0 | 7 |
| Libra | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 |
| Scorpio | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 0 | 0 | 7 |
| Sagittarius | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 |
| Capricorn | 0 | 7 | 0 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 0 |
| Aquarius | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 |
| Pisces | 7 | 0 | 0 | 0 | 7 | 7 | 7 | 7 | 7 | 7 | 7 | 7 |
)tbl";

constexpr std::string_view kYoniTable = R"tbl(
| Boy \ Girl | 0 | 1 | 2 | 3 | 4 | 5 | 6 | 7 | 8 | 9 | 10 | 11 | 12 | 13 | 14 | 15 | 16 | 17 | 18 | 19 | 20 | 21 | 22 | 23 | 24 | 25 | 26 |
| 0 | 2 | 1.5 | 3.5 | 1.5 | 3.5 | 3.5 | 3.5 | 1.5 | 1.5 | 1.5 | 3.5 | 1.5 | 1 | 3.5 | 0 | 1.5 | 3.5 | 1.5 | 1.5 | 1.5 | 1.5 | 3.5 | 3.5 | 4 | 1.5 | 3.5 | 3.5 |
| 1 | 1.5 | 2 | 3.5 | 1.5 | 3.5 | 3.5 | 3.5 | 1.5 | 1.5 | 1.5 | 3.5 | 1.5 | 3.5 | 3.5 | 1.5 | 1.5 | 3.5 | 1.5 | 1.5 | 1.5 | 1.5 | 3.5 | 1 | 3.5 | 0 | 3.5 | 4 |
| 2 | 3.5 | 3.5 | 3 | 3.5 | 2.5 | 2.5 | 2.5 | 4 | 3.5 | 3.5 | 2.5 | 3.5 | 2.5 | 2.5 | 3.5 | 3.5 | 2.5 | 3.5 | 3.5 | 1 | 3.5 | 0.5 | 2.5 | 2.5 | 3.5 | 2.5 | 2.5 |
| 3 | 1.5 | 1.5 | 3.5 | 2 | 4 | 3.5 | 3.5 | 1.5 | 1.5 | 1.5 | 3.5 | 1.5 | 3.5 | 3.5 | 1.5 | 1.5 | 3.5 | 1.5 | 1.5 | 1.5 | 0 | 3.5 | 3.5 | 3.5 | 1.5 | 3.5 | 3.5 |
| 4 | 3.5 | 3.5 | 2.5 | 4 | 3 | 2.5 | 2.5 | 3.5 | 3.5 | 3.5 | 2.5 | 3.5 | 2.5 | 2.5 | 3.5 | 3.5 | 2.5 | 3.5 | 3.5 | 3.5 | 1 | 2.5 | 2.5 | 2.5 | 3.5 | 2.5 | 2.5 |
| 5 | 3.5 | 3.5 | 2.5 | 3.5 | 2.5 | 3 | 2.5 | 3.5 | 3.5 | 3.5 | 2.5 | 3.5 | 2.5 | 2.5 | 3.5 | 3.5 | 0.5 | 1 | 4 | 3.5 | 3.5 | 2.5 | 2.5 | 2.5 | 3.5 | 2.5 | 2.5 |
| 6 | 3.5 | 2.5 | 2.5 | 3.5 | 2.5 | 2.5 | 3 | 3.5 | 4 | 1 | 0.5 | 3.5 | 2.5 | 3.5 | 3.5 | 3.5 | 2.5 | 3.5 | 3.5 | 3.5 | 3.5 | 2.5 | 2.5 | 2.5 | 3.5 | 2.5 | 2.5 |
| 7 | 1.5 | 1.5 | 4 | 1.5 | 3.5 | 3.5 | 3.5 | 2 | 1.5 | 1.5 | 3.5 | 1.5 | 3.5 | 3.5 | 1.5 | 1.5 | 3.5 | 1.5 | 1.5 | 0 | 1.5 | 1 | 3.5 | 3.5 | 1.5 | 3.5 | 3.5 |
| 8 | 1.5 | 3.5 | 3.5 | 1.5 | 3.5 | 3.5 | 4 | 1.5 | 2 | 0 | 1 | 1.5 | 3.5 | 3.5 | 1.5 | 1.5 | 3.5 | 1.5 | 1.5 | 1.5 | 1.5 | 3.5 | 3.5 | 3.5 | 1.5 | 3.5 | 3.5 |
| 9 | 0.5 | 1.5 | 3.5 | 1.5 | 3.5 | 3.5 | 0 | 1.5 | 0 | 2 | 4 | 1.5 | 3.5 | 3.5 | 1.5 | 1.5 | 3.5 | 1.5 | 1.5 | 1.5 | 1.5 | 3.5 | 3.5 | 3.5 | 1.5 | 3.5 | 3.5 |
| 10 | 3.5 | 3.5 | 2.5 | 3.5 | 2.5 | 3.5 | 0.5 | 3.5 | 1 | 4 | 3 | 3.5 | 2.5 | 2.5 | 3.5 | 3.5 | 2.5 | 3.5 | 3.5 | 3.5 | 3.5 | 2.5 | 2.5 | 2.5 | 3.5 | 2.5 | 2.5 |
| 11 | 0.5 | 1.5 | 3.5 | 1.5 | 3.5 | 2.5 | 3.5 | 1.5 | 1.5 | 1.5 | 3.5 | 2 | 3.5 | 0 | 1.5 | 0 | 3.5 | 1.5 | 1.5 | 1.5 | 1.5 | 3.5 | 3.5 | 3.5 | 1.5 | 4 | 3.5 |
| 12 | 1.5 | 3.5 | 2.5 | 3.5 | 2.5 | 3.5 | 2.5 | 3.5 | 3.5 | 3.5 | 2.5 | 3.5 | 3 | 2.5 | 4 | 3.5 | 2.5 | 3.5 | 3.5 | 3.5 | 3.5 | 2.5 | 2.5 | 0.5 | 3.5 | 2.5 | 2.5 |
| 13 | 3.5 | 3.5 | 2.5 | 3.5 | 2.5 | 2.5 | 2.5 | 3.5 | 3.5 | 3.5 | 2.5 | 1 | 2.5 | 3 | 3.5 | 4 | 2.5 | 3.5 | 3.5 | 3.5 | 3.5 | 2.5 | 2.5 | 2.5 | 3.5 | 0.5 | 2.5 |
| 14 | 0 | 1.5 | 3.5 | 1.5 | 3.5 | 2.5 | 3.5 | 1.5 | 1.5 | 1.5 | 3.5 | 1.5 | 4 | 3.5 | 2 | 1.5 | 1.5 | 1.5 | 1.5 | 1.5 | 1.5 | 3.5 | 3.5 | 1 | 1.5 | 3.5 | 3.5 |
| 15 | 1.5 | 1.5 | 3.5 | 1.5 | 3.5 | 3.5 | 3.5 | 1.5 | 1.5 | 1.5 | 3.5 | 0 | 3.5 | 4 | 1.5 | 2 | 3.5 | 1.5 | 1.5 | 1.5 | 1.5 | 3.5 | 3.5 | 3.5 | 1.5 | 1 | 3.5 |
| 16 | 3.5 | 3.5 | 2.5 | 3.5 | 2.5 | 0.5 | 2.5 | 1.5 | 3.5 | 3.5 | 2.5 | 3.5 | 2.5 | 2.5 | 3.5 | 3.5 | 3 | 4 | 1 | 3.5 | 3.5 | 2.5 | 2.5 | 2.5 | 3.5 | 2.5 | 2.5 |
| 17 | 0.5 | 1.5 | 3.5 | 1.5 | 3.5 | 1 | 2.5 | 3.5 | 1.5 | 1.5 | 2.5 | 1.5 | 3.5 | 3.5 | 1.5 | 1.5 | 4 | 2 | 0 | 1.5 | 1.5 | 3.5 | 3.5 | 3.5 | 1.5 | 3.5 | 3.5 |
| 18 | 1.5 | 1.5 | 3.5 | 1.5 | 3.5 | 4 | 3.5 | 1.5 | 1.5 | 1.5 | 3.5 | 1.5 | 3.5 | 3.5 | 1.5 | 1.5 | 1 | 0 | 2 | 1.5 | 1.5 | 3.5 | 3.5 | 3.5 | 1.5 | 3.5 | 3.5 |
| 19 | 1.5 | 1.5 | 1 | 1.5 | 3.5 | 3.5 | 3.5 | 0 | 1.5 | 1.5 | 3.5 | 1.5 | 3.5 | 3.5 | 1.5 | 1.5 | 3.5 | 3.5 | 3.5 | 2 | 1.5 | 4 | 3.5 | 3.5 | 1.5 | 3.5 | 3.5 |
| 20 | 1.5 | 1.5 | 3.5 | 0 | 1 | 3.5 | 3.5 | 1.5 | 1.5 | 1.5 | 3.5 | 1.5 | 3.5 | 3.5 | 1.5 | 1.5 | 3.5 | 3.5 | 3.5 | 3.5 | 2 | 3.5 | 3.5 | 3.5 | 1.5 | 3.5 | 3.5 |
| 21 | 3.5 | 3.5 | 0.5 | 3.5 | 2.5 | 2.5 | 3.5 | 1 | 3.5 | 3.5 | 3.5 | 3.5 | 2.5 | 2.5 | 3.5 | 3.5 | 2.5 | 2.5 | 2.5 | 4 | 3.5 | 3 | 2.5 | 2.5 | 3.5 | 2.5 | 2.5 |
| 22 | 3.5 | 1 | 2.5 | 3.5 | 2.5 | 2.5 | 2.5 | 3.5 | 3.5 | 3.5 | 2.5 | 3.5 | 2.5 | 2.5 | 3.5 | 3.5 | 2.5 | 2.5 | 2.5 | 2.5 | 2.5 | 2.5 | 3 | 2.5 | 4 | 2.5 | 0.5 |
| 23 | 4 | 3.5 | 2.5 | 3.5 | 2.5 | 2.5 | 2.5 | 3.5 | 3.5 | 3.5 | 2.5 | 3.5 | 0.5 | 2.5 | 1 | 3.5 | 2.5 | 2.5 | 2.5 | 2.5 | 2.5 | 2.5 | 2.5 | 3 | 2.5 | 2.5 | 2.5 |
| 24 | 1.5 | 0 | 3.5 | 1.5 | 3.5 | 3.5 | 3.5 | 1.5 | 1.5 | 1.5 | 3.5 | 1.5 | 3.5 | 3.5 | 1.5 | 1.5 | 2.5 | 2.5 | 2.5 | 2.5 | 2.5 | 2.5 | 4 | 3.5 | 2 | 2.5 | 1 |
| 25 | 3.5 | 3.5 | 2.5 | 3.5 | 2.5 | 2.5 | 2.5 | 3.5 | 3.5 | 3.5 | 2.5 | 4 | 2.5 | 0.5 | 3.5 | 1 | 3.5 | 3.5 | 3.5 | 3.5 | 3.5 | 3.5 | 3.5 | 3.5 | 3.5 | 3 | 2.5 |
| 26 | 3.5 | 4 | 2.5 | 3.5 | 2.5 | 2.5 | 2.5 | 3.5 | 3.5 | 3.5 | 3.5 | 2.5 | 2.5 | 2.5 | 3.5 | 1.5 | 2.5 | 2.5 | 2.5 | 2.5 | 2.5 | 2.5 | 0.5 | 2.5 | 1 | 2.5 | 3 |
)tbl";

struct SignRow {
  std::string name, index, varna, vasya;
};
struct NakshatraRow {
  std::string name, index, tara, gana, nadi;
};

std::vector<SignRow> SignRows() {
  std::vector<SignRow> out;
  const auto rows = Rows(kSignTable);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    out.push_back({rows[r][1], rows[r][0], rows[r][2], rows[r][3]});
  }
  return out;
}

std::vector<NakshatraRow> NakshatraRows() {
  std::vector<NakshatraRow> out;
  const auto rows = Rows(kNakshatraTable);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    out.push_back({rows[r][1], rows[r][0], rows[r][2], rows[r][3], rows[r][4]});
  }
  return out;
}

TEST(KootaTables, ReferenceTablesAreComplete) {
  // Guards the copies above: a lost row would silently shrink every loop below.
  EXPECT_EQ(SignRows().size(), 12u);
  EXPECT_EQ(NakshatraRows().size(), 27u);
  const std::pair<std::string_view, std::size_t> matrices[] = {
      {kVarnaTable, 4}, {kVasyaTable, 3},        {kTaraTable, 9},   {kGanaTable, 3},
      {kNadiTable, 3},  {kGrahaMaitriTable, 12}, {kRashiTable, 12}, {kYoniTable, 27}};
  for (const auto& [text, size] : matrices) {
    const ScoreTable table(text);
    EXPECT_EQ(table.RowCount(), size);
    EXPECT_EQ(table.ColumnCount(), size);
  }
}

TEST(KootaTables, SignClassification) {
  for (const SignRow& row : SignRows()) {
    SCOPED_TRACE("sign table: " + row.name);
    EXPECT_EQ(kSignNames[std::stoul(row.index)], row.name);
    EXPECT_EQ(GetSignIndex(row.name), row.index);
    EXPECT_EQ(FindSign(row.name), std::stoi(row.index));
    EXPECT_EQ(GetVarna(row.name), row.varna);
    EXPECT_EQ(GetVasyaClass(row.name), row.vasya);
  }
}

TEST(KootaTables, NakshatraClassification) {
  for (const NakshatraRow& row : NakshatraRows()) {
    SCOPED_TRACE("nakshatra table: " + row.name);
    EXPECT_EQ(kNakshatraNames[std::stoul(row.index)], row.name);
    EXPECT_EQ(GetNakshatraIndex(row.name), row.index);
    EXPECT_EQ(FindNakshatra(row.name), std::stoi(row.index));
    EXPECT_EQ(GetTaraPosition(row.name), row.tara);
    EXPECT_EQ(GetGana(row.name), row.gana);
    EXPECT_EQ(GetNadi(row.name), row.nadi);
  }
}

struct ClassCase {
  const char* source;
  std::string (*classify)(std::string_view);
  const char* name;
  const char* expected;
};

TEST(KootaTables, NamedClassifications) {
  const ClassCase cases[] = {
      {"Sagittarius is a Kshatriya sign", GetVarna, "Sagittarius", "Kshatriya"},
      {"Sagittarius is quadruped as a whole", GetVasyaClass, "Sagittarius", "Chatushpada"},
      {"Capricorn is quadruped whatever the degree", GetVasyaClass, "Capricorn", "Chatushpada"},
      {"Moola starts the third tara cycle", GetTaraPosition, "Moola", "0"},
      {"Moola index", GetNakshatraIndex, "Moola", "18"},
      {"Moola gana", GetGana, "Moola", "Rakshasa"},
      {"Moola nadi", GetNadi, "Moola", "Vatha/Adi"},
      {"Revati ends the third tara cycle", GetTaraPosition, "Revati", "8"},
      {"Revati index", GetNakshatraIndex, "Revati", "26"},
      {"Pisces index, no leading zero", GetSignIndex, "Pisces", "11"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.classify(c.name), c.expected) << c.source;
  }
}

TEST(KootaTables, NamesOutsideTheTablesComeBackUnchanged) {
  std::string (*const operations[])(std::string_view) = {
      GetSignIndex, GetVarna, GetVasyaClass, GetNakshatraIndex, GetTaraPosition, GetGana, GetNadi};
  // Letter case, display names, blanks and other spellings are all other names.
  const char* names[] = {"aries", "Aries (Mesha)", "Aries ", " Aries",    "",        "LEO",
                         "moola", "Mula",          "Moola ", "Dhanishta", "Brahmin", "7"};
  for (auto* operation : operations) {
    for (const char* name : names) {
      EXPECT_EQ(operation(name), name);
    }
  }
  EXPECT_EQ(FindSign("Aries (Mesha)"), std::nullopt);
  EXPECT_EQ(FindNakshatra("Purva Bhadrapada"), std::nullopt);  // the table spells it "Poorva"
}

// Every cell of every matrix, through the scorers, for every pair of names.
TEST(KootaScoring, SignKootasEveryPair) {
  const ScoreTable varna(kVarnaTable), vasya(kVasyaTable), maitri(kGrahaMaitriTable),
      rashi(kRashiTable);
  for (const SignRow& boy : SignRows()) {
    for (const SignRow& girl : SignRows()) {
      SCOPED_TRACE(boy.name + " with " + girl.name);
      const KootaResult v = CalculateVarnaKuta(boy.name, girl.name);
      EXPECT_EQ(v.Points, varna.At(boy.varna, girl.varna));
      EXPECT_EQ(v.BoyValue, boy.varna);
      EXPECT_EQ(v.GirlValue, girl.varna);
      const KootaResult w = CalculateVasyaKuta(boy.name, girl.name);
      EXPECT_EQ(w.Points, vasya.At(boy.vasya, girl.vasya));
      EXPECT_EQ(w.BoyValue, boy.vasya);
      EXPECT_EQ(w.GirlValue, girl.vasya);
      const KootaResult m = CalculateGrahaMaitriKuta(boy.name, girl.name);
      EXPECT_EQ(m.Points, maitri.At(boy.name, girl.name));
      EXPECT_EQ(m.BoyValue, boy.name);
      EXPECT_EQ(m.GirlValue, girl.name);
      const KootaResult r = CalculateRashiKuta(boy.name, girl.name);
      EXPECT_EQ(r.Points, rashi.At(boy.name, girl.name));
      EXPECT_EQ(r.BoyValue, boy.name);
      EXPECT_EQ(r.GirlValue, girl.name);
    }
  }
}

TEST(KootaScoring, NakshatraKootasEveryPair) {
  const ScoreTable tara(kTaraTable), gana(kGanaTable), nadi(kNadiTable), yoni(kYoniTable);
  for (const NakshatraRow& boy : NakshatraRows()) {
    for (const NakshatraRow& girl : NakshatraRows()) {
      SCOPED_TRACE(boy.name + " with " + girl.name);
      const KootaResult t = CalculateTaraKuta(boy.name, girl.name);
      EXPECT_EQ(t.Points, tara.At(boy.tara, girl.tara));
      EXPECT_EQ(t.BoyValue, boy.name);
      EXPECT_EQ(t.GirlValue, girl.name);
      const KootaResult g = CalculateGanaKuta(boy.name, girl.name);
      EXPECT_EQ(g.Points, gana.At(boy.gana, girl.gana));
      EXPECT_EQ(g.BoyValue, boy.gana);
      EXPECT_EQ(g.GirlValue, girl.gana);
      const KootaResult n = CalculateNadiKuta(boy.name, girl.name);
      EXPECT_EQ(n.Points, nadi.At(boy.nadi, girl.nadi));
      EXPECT_EQ(n.BoyValue, boy.nadi);
      EXPECT_EQ(n.GirlValue, girl.nadi);
      const KootaResult y = CalculateYoniKuta(boy.name, girl.name);
      EXPECT_EQ(y.Points, yoni.At(boy.index, girl.index));
      EXPECT_EQ(y.BoyValue, boy.name);
      EXPECT_EQ(y.GirlValue, girl.name);
    }
  }
}

TEST(KootaScoring, RolesAreNeverSwapped) {
  // The Yoni matrix differs from its mirror image in 54 pairs of cells, the Rashi
  // matrix holds 0 in nineteen cells, and the Graha Maitri matrix is symmetric.
  int yoni_asymmetric = 0;
  for (int i = 0; i < 27; ++i) {
    for (int j = i + 1; j < 27; ++j) {
      const auto forward = CalculateYoniKuta(kNakshatraNames[i], kNakshatraNames[j]).Points;
      const auto backward = CalculateYoniKuta(kNakshatraNames[j], kNakshatraNames[i]).Points;
      yoni_asymmetric += forward != backward ? 1 : 0;
    }
  }
  EXPECT_EQ(yoni_asymmetric, 54);
  int rashi_zero = 0;
  for (int i = 0; i < 12; ++i) {
    for (int j = 0; j < 12; ++j) {
      rashi_zero += CalculateRashiKuta(kSignNames[i], kSignNames[j]).Points == "0" ? 1 : 0;
      EXPECT_EQ(CalculateGrahaMaitriKuta(kSignNames[i], kSignNames[j]).Points,
                CalculateGrahaMaitriKuta(kSignNames[j], kSignNames[i]).Points);
    }
  }
  EXPECT_EQ(rashi_zero, 19);
}

using Scorer = KootaResult (*)(std::string_view, std::string_view);

struct PointsCase {
  const char* source;
  Scorer scorer;
  const char* boy;
  const char* girl;
  const char* points;
};

TEST(KootaScoring, NamedCells) {
  const PointsCase cases[] = {
      {"Varna: Brahmin boy, Kshatriya girl", CalculateVarnaKuta, "Cancer", "Leo", "0"},
      {"Varna: Kshatriya boy, Brahmin girl", CalculateVarnaKuta, "Leo", "Cancer", "1"},
      {"Varna: same varna", CalculateVarnaKuta, "Gemini", "Aquarius", "1"},
      {"Vasya: Jala boy, Nara girl", CalculateVasyaKuta, "Pisces", "Gemini", "0"},
      {"Vasya: Nara boy, Jala girl", CalculateVasyaKuta, "Gemini", "Pisces", "0.5"},
      {"Rashi: Taurus boy, Pisces girl", CalculateRashiKuta, "Taurus", "Pisces", "7"},
      {"Rashi: Pisces boy, Taurus girl", CalculateRashiKuta, "Pisces", "Taurus", "0"},
      {"Rashi: Taurus boy, Aquarius girl", CalculateRashiKuta, "Taurus", "Aquarius", "7"},
      {"Maitri: Taurus boy, Aquarius girl", CalculateGrahaMaitriKuta, "Taurus", "Aquarius", "5"},
      {"Maitri: Leo boy, Taurus girl", CalculateGrahaMaitriKuta, "Leo", "Taurus", "0"},
      {"Maitri: Gemini boy, Cancer girl", CalculateGrahaMaitriKuta, "Gemini", "Cancer", "2"},
      {"Tara: Rohini (3) with Mrigasira (4)", CalculateTaraKuta, "Rohini", "Mrigasira", "3"},
      {"Tara: Rohini (3) with Krittika (2)", CalculateTaraKuta, "Rohini", "Krittika", "3"},
      {"Tara: Rohini (3) with Hasta (3)", CalculateTaraKuta, "Rohini", "Hasta", "0"},
      {"Tara: Rohini (3) with Ardra (5)", CalculateTaraKuta, "Rohini", "Ardra", "1.5"},
      {"Tara: Ashwini (0) with Revati (8)", CalculateTaraKuta, "Ashwini", "Revati", "3"},
      {"Yoni: Bharani boy, Revati girl", CalculateYoniKuta, "Bharani", "Revati", "4"},
      {"Yoni: Ashwini with Ashwini", CalculateYoniKuta, "Ashwini", "Ashwini", "2"},
      {"Yoni: Krittika with Krittika", CalculateYoniKuta, "Krittika", "Krittika", "3"},
      {"Yoni: Ashwini boy, Swati girl", CalculateYoniKuta, "Ashwini", "Swati", "0"},
      {"Yoni: Magha boy, Ashwini girl (row 9)", CalculateYoniKuta, "Magha", "Ashwini", "0.5"},
      {"Yoni: Ashwini boy, Magha girl (row 0)", CalculateYoniKuta, "Ashwini", "Magha", "1.5"},
      {"Gana: Rakshasa boy, Deva girl", CalculateGanaKuta, "Magha", "Ashwini", "0"},
      {"Gana: Deva boy, Rakshasa girl", CalculateGanaKuta, "Ashwini", "Magha", "3"},
      {"Nadi: both Pitha/Madhya", CalculateNadiKuta, "Bharani", "Pushya", "0"},
      {"Nadi: both Vatha/Adi", CalculateNadiKuta, "Ashwini", "Ardra", "2"},
      {"Nadi: Vatha/Adi with Sleshma/Anthya", CalculateNadiKuta, "Ashwini", "Krittika", "6"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.scorer(c.boy, c.girl).Points, c.points) << c.source;
  }
}

struct PurityCase {
  const char* koota;
  Scorer scorer;
  const char* valid;  // a name of the scorer's table
  const char* other;  // a text outside it
};

TEST(KootaScoring, NamesOutsideTheTablesScoreNothing) {
  // A scorer keeps no state: right after a valid call, a name outside the tables
  // gives empty points and shows the names as received. Class names are not sign or
  // nakshatra names either, even though the class matrices are keyed by them.
  const PurityCase cases[] = {
      {"Varna", CalculateVarnaKuta, "Leo", "Leo (Simha)"},
      {"Varna", CalculateVarnaKuta, "Leo", "Brahmin"},
      {"Vasya", CalculateVasyaKuta, "Leo", "leo"},
      {"Vasya", CalculateVasyaKuta, "Leo", "Jala"},
      {"Graha Maitri", CalculateGrahaMaitriKuta, "Leo", "Leo "},
      {"Graha Maitri", CalculateGrahaMaitriKuta, "Leo", "4"},
      {"Rashi", CalculateRashiKuta, "Leo", ""},
      {"Tara", CalculateTaraKuta, "Magha", "Mula"},
      {"Tara", CalculateTaraKuta, "Magha", "0"},
      {"Yoni", CalculateYoniKuta, "Magha", "magha"},
      {"Yoni", CalculateYoniKuta, "Magha", "9"},
      {"Gana", CalculateGanaKuta, "Magha", ""},
      {"Gana", CalculateGanaKuta, "Magha", "Rakshasa"},
      {"Nadi", CalculateNadiKuta, "Magha", "Purva Bhadrapada"},
      {"Nadi", CalculateNadiKuta, "Magha", "Sleshma/Anthya"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.koota) + " with \"" + c.other + "\"");
    ASSERT_FALSE(c.scorer(c.valid, c.valid).Points.empty());
    const KootaResult boy_outside = c.scorer(c.other, c.valid);
    EXPECT_EQ(boy_outside.Points, "");
    EXPECT_EQ(boy_outside.BoyValue, c.other);
    ASSERT_FALSE(c.scorer(c.valid, c.valid).Points.empty());
    const KootaResult girl_outside = c.scorer(c.valid, c.other);
    EXPECT_EQ(girl_outside.Points, "");
    EXPECT_EQ(girl_outside.GirlValue, c.other);
  }
}

TEST(KootaScoring, AllKootasInKootaOrder) {
  // Varna, Vasya, Tara, Yoni, Graha Maitri, Gana, Rashi, Nadi.
  const KootaResults all = ScoreAllKootas("Aries", "Gemini", "Bharani", "Shatabhisha");
  const char* expected[kKootaCount] = {"0", "0.5", "1.5", "3.5", "1", "2", "7", "8"};
  for (int k = 0; k < kKootaCount; ++k) {
    EXPECT_EQ(all[k].Points, expected[k]) << k;
  }
  EXPECT_EQ(all[0].BoyValue, "Kshatriya");
  EXPECT_EQ(all[2].GirlValue, "Shatabhisha");
  EXPECT_EQ(all[4].GirlValue, "Gemini");
  EXPECT_EQ(all[7].BoyValue, "Pitha/Madhya");
}

}  // namespace
}  // namespace lumora

// SPDX-License-Identifier: MIT
#pragma once

// The one reader of the reference tables the core tests are written against: tables
// in the Markdown style, one row a line, cells between '|' bars.

#include <string>
#include <string_view>
#include <vector>

namespace lumora::testing {

enum class Quotes {
  Keep,   // cells as written
  Strip,  // one pair of double quotes around a cell taken off
};

inline std::string_view TrimmedCell(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

// The cells of every line that begins with '|' (the header row first), split at the
// bars and trimmed of blanks.
inline std::vector<std::vector<std::string>> TableRows(std::string_view table,
                                                       Quotes quotes = Quotes::Keep) {
  std::vector<std::vector<std::string>> rows;
  std::size_t start = 0;
  while (start < table.size()) {
    std::size_t end = table.find('\n', start);
    if (end == std::string_view::npos)
      end = table.size();
    std::string_view line = TrimmedCell(table.substr(start, end - start));
    start = end + 1;
    if (line.size() < 2 || line.front() != '|')
      continue;
    line = line.substr(1, line.size() - 2);
    std::vector<std::string> cells;
    std::size_t from = 0;
    while (true) {
      const std::size_t bar = line.find('|', from);
      std::string_view cell = TrimmedCell(line.substr(from, bar - from));
      if (quotes == Quotes::Strip && cell.size() >= 2 && cell.front() == '"' &&
          cell.back() == '"') {
        cell = cell.substr(1, cell.size() - 2);
      }
      cells.emplace_back(cell);
      if (bar == std::string_view::npos)
        break;
      from = bar + 1;
    }
    rows.push_back(std::move(cells));
  }
  return rows;
}

}  // namespace lumora::testing

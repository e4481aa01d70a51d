// SPDX-License-Identifier: MIT
#include "cli/readable_layout.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <sstream>
#include <utility>

#include "cli/cli_io.h"
#include "core/display_width.h"
#include "core/entry/date_lists.h"
#include "core/ephemeris/zodiac.h"
#include "core/glossary/catalogue_words.h"
#include "core/glossary/glossary.h"
#include "core/glossary/messages.h"
#include "core/glossary/phrases.h"
#include "core/glossary/readable_words.h"
#include "core/glossary/western_phrases.h"
#include "core/terminal_text.h"

namespace lumora::cli {

namespace {

std::string Label(std::string_view key);

bool InEnglish() {
  return Context().Lang == Language::English;
}

// The columns a text takes on a terminal: its bytes in English, as it always was; in
// another language its display width, the combining signs and joiners taking none.
std::size_t Columns(std::string_view text) {
  return InEnglish() ? text.size() : DisplayColumns(text);
}

// "Sagittarius (Dhanush)", the Moon's sign with its Indian name: the sign's word.
std::optional<std::string> SignWithIndianName(Language language, std::string_view text) {
  const std::size_t open = text.find(" (");
  if (open == std::string_view::npos || text.back() != ')') {
    return std::nullopt;
  }
  const std::string_view english = text.substr(0, open);
  for (std::size_t s = 0; s < kSignNames.size(); ++s) {
    if (kSignNames[s] == english) {
      return std::string(RashiWord(language, static_cast<int>(s)));
    }
  }
  return std::nullopt;
}

// The clock words of a place ("zone as entered, UTC+05:30 with daylight time") in the
// language.
std::string WithClockWords(Language language, std::string text) {
  const Phrases& english = PhrasesOf(Language::English);
  const Phrases& words = PhrasesOf(language);
  for (const auto& [from, to] : {std::pair{english.ZoneAsEntered, words.ZoneAsEntered},
                                 std::pair{english.WithDaylightTime, words.WithDaylightTime}}) {
    if (const std::size_t at = text.find(from); at != std::string::npos) {
      text.replace(at, from.size(), to);
    }
  }
  return text;
}

// A name of the field, a month or a form's message in the reader's language; any other
// text as it is.
std::string InLanguage(std::string text) {
  if (!InEnglish()) {
    const Language language = Context().Lang;
    if (const auto word = WordOfEnglishName(language, text)) {
      return std::string(*word);
    }
    if (const std::string_view comment = WesternCommentWord(language, text); comment != text) {
      return std::string(comment);
    }
    if (const auto month = MonthNumber(text)) {
      return std::string(MonthWords(language)[static_cast<std::size_t>(*month - 1)]);
    }
    if (const auto word = ReadableValueWord(language, text)) {
      return std::string(*word);
    }
    if (std::string words = CatalogueValueText(language, text); words != text) {
      return words;
    }
    if (const auto sign = SignWithIndianName(language, text)) {
      return *sign;
    }
    if (const auto position = PositionTextIn(language, text)) {
      return *position;
    }
    if (const auto date = EnglishDateIn(language, text)) {
      return *date;
    }
    return WithClockWords(language, std::string(MessageIn(language, text)));
  }
  return text;
}

// A text is shown, never acted on: a name or zone given as input may hold terminal
// escape sequences or a line break that would forge a line of the output.
std::string Scalar(const Json& value) {
  if (value.is_string()) {
    return EscapeControlCharacters(InLanguage(value.get<std::string>()));
  }
  if (value.is_null()) {
    return "-";
  }
  if (value.is_boolean() && !InEnglish()) {
    const Phrases& words = PhrasesOf(Context().Lang);
    return std::string(value.get<bool>() ? words.Yes : words.No);
  }
  if (value.is_number_float()) {
    std::ostringstream out;
    out.precision(10);
    out << value.get<double>();
    return out.str();
  }
  return value.dump();
}

bool IsScalarArray(const Json& value) {
  return value.is_array() && std::all_of(value.begin(), value.end(), [](const Json& item) {
           return !item.is_object() && !item.is_array();
         });
}

bool IsTable(const Json& value) {
  if (!value.is_array() || value.empty()) {
    return false;
  }
  for (const Json& row : value) {
    if (!row.is_object()) {
      return false;
    }
    for (const auto& item : row.items()) {
      if (item.value().is_object() || (item.value().is_array() && !IsScalarArray(item.value()))) {
        return false;
      }
    }
  }
  return true;
}

std::string Cell(const Json& value) {
  if (value.is_array()) {
    std::string text;
    for (const Json& item : value) {
      text += (text.empty() ? "" : ", ") + Scalar(item);
    }
    return text;
  }
  return Scalar(value);
}

void WriteTable(std::ostream& out, const Json& rows, const std::string& indent) {
  std::vector<std::string> keys;
  for (const Json& row : rows) {
    for (const auto& item : row.items()) {
      if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) {
        keys.push_back(item.key());
      }
    }
  }
  std::vector<std::size_t> widths;
  for (const std::string& key : keys) {
    std::size_t width = Columns(Label(key));
    for (const Json& row : rows) {
      if (row.contains(key)) {
        const std::string cell = Cell(row[key]);
        // Long prose cells are not allowed to widen the whole column.
        width = std::max(width, std::min<std::size_t>(Columns(cell), 40));
      }
    }
    widths.push_back(width);
  }
  auto write_row = [&](const std::vector<std::string>& cells) {
    std::string line = indent;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      line += cells[i];
      if (i + 1 < cells.size()) {
        line +=
            std::string(widths[i] > Columns(cells[i]) ? widths[i] - Columns(cells[i]) : 0, ' ') +
            "  ";
      }
    }
    out << line << '\n';
  };
  std::vector<std::string> headers;
  for (const std::string& key : keys) {
    headers.push_back(Label(key));
  }
  write_row(headers);
  for (const Json& row : rows) {
    std::vector<std::string> cells;
    for (const std::string& key : keys) {
      cells.push_back(row.contains(key) ? Cell(row[key]) : "");
    }
    write_row(cells);
  }
}

// Values only a reader checking the arithmetic needs; readable output shows them with
// --verbose. JSON output always carries them.
bool IsWorkingValue(std::string_view key) {
  return key == "T" || key == "JulianDay" || key == "Grid";
}

struct WordLabel {
  std::string_view Key;
  std::string_view Words;
};

// Keys whose words a split at capitals would not give: the Western report's labels and
// abbreviations.
constexpr WordLabel kWordLabels[] = {
    {"UT", "Universal time (hours)"},
    {"T", "Julian centuries from J2000.0"},
    {"mName", "Male name"},
    {"mDOB", "Male date of birth"},
    {"mTOB", "Male time of birth"},
    {"mLocation", "Male coordinates and clock"},
    {"mCity", "Male city"},
    {"mState", "Male state"},
    {"Mcountry", "Male country"},
    {"fName", "Female name"},
    {"fDOB", "Female date of birth"},
    {"fTOB", "Female time of birth"},
    {"fLocation", "Female coordinates and clock"},
    {"fCity", "Female city"},
    {"fState", "Female state"},
    {"fCountry", "Female country"},
    {"AInB", "A's points in B's houses"},
    {"BInA", "B's points in A's houses"},
};

// "MoonSignName" -> "Moon sign name"; runs of capitals ("UT") stay as they are.
std::string EnglishLabel(std::string_view key);

// The words of a key in the reader's language: the phrase table's label, a name of the
// field (a koota keyed by its name), else the English words.
std::string Label(std::string_view key) {
  if (!InEnglish()) {
    const Language language = Context().Lang;
    for (std::size_t i = 0; i < kReadableKeys.size(); ++i) {
      if (kReadableKeys[i] == key) {
        return std::string(PhrasesOf(language).KeyLabels[i]);
      }
    }
    const WesternPhrases& western = WesternPhrasesOf(language);
    for (std::size_t i = 0; i < kWesternReadableKeys.size(); ++i) {
      if (kWesternReadableKeys[i] == key) {
        return std::string(western.KeyLabels[i]);
      }
    }
    if (const auto word = WordOfEnglishName(language, key)) {
      return std::string(*word);
    }
    if (const auto word = ReadableKeyWord(language, key)) {
      return std::string(*word);
    }
    if (const auto word = ReadableValueWord(language, key)) {
      return std::string(*word);
    }
    if (const auto word = CatalogueKeyWord(language, key)) {
      return std::string(*word);
    }
  }
  return EnglishLabel(key);
}

std::string EnglishLabel(std::string_view key) {
  for (const WordLabel& label : kWordLabels) {
    if (label.Key == key) {
      return std::string(label.Words);
    }
  }
  std::string words;
  for (std::size_t i = 0; i < key.size(); ++i) {
    const auto c = static_cast<unsigned char>(key[i]);
    const bool upper = std::isupper(c) != 0;
    const bool after_lower = i > 0 && std::islower(static_cast<unsigned char>(key[i - 1])) != 0;
    const bool starts_word =
        i > 0 && upper &&
        (after_lower ||
         (i + 1 < key.size() && std::islower(static_cast<unsigned char>(key[i + 1])) != 0));
    if (starts_word) {
      words += ' ';
    }
    const bool acronym =
        upper &&
        ((i + 1 < key.size() && std::isupper(static_cast<unsigned char>(key[i + 1])) != 0) ||
         (i > 0 && std::isupper(static_cast<unsigned char>(key[i - 1])) != 0 && !starts_word));
    words += (i > 0 && starts_word && !acronym) ? static_cast<char>(std::tolower(c)) : key[i];
  }
  return words;
}

// The label of a value: a universal time given as a date and time is no count of hours.
std::string LabelOf(std::string_view key, const Json& value) {
  return key == "UT" && value.is_string() ? Label("UniversalTime") : Label(key);
}

// Words of text laid out from column `start` up to width, later lines indented to start.
std::string Wrap(const std::string& text, std::size_t start, std::size_t width) {
  const std::size_t room = width > start + 20 ? width - start : 20;
  if (Columns(text) <= room) {
    return text;
  }
  std::string wrapped;
  std::size_t column = 0;
  std::istringstream words(text);
  std::string word;
  while (words >> word) {
    if (column > 0 && column + 1 + Columns(word) > room) {
      wrapped += '\n' + std::string(start, ' ');
      column = 0;
    } else if (column > 0) {
      wrapped += ' ';
      ++column;
    }
    wrapped += word;
    column += Columns(word);
  }
  return wrapped;
}

void WriteReadable(std::ostream& out, const Json& object, const std::string& indent) {
  const bool verbose = Context().Verbose;
  std::size_t width = 0;
  for (const auto& item : object.items()) {
    if (verbose || !IsWorkingValue(item.key())) {
      width = std::max(width, Columns(LabelOf(item.key(), item.value())));
    }
  }
  for (const auto& item : object.items()) {
    if (!verbose && IsWorkingValue(item.key())) {
      continue;
    }
    const std::string words = LabelOf(item.key(), item.value());
    const std::string label = indent + words + ":";
    const Json& value = item.value();
    if (value.is_object()) {
      out << label << '\n';
      WriteReadable(out, value, indent + "  ");
    } else if (IsTable(value)) {
      out << label << '\n';
      WriteTable(out, value, indent + "  ");
    } else if (value.is_array() && !IsScalarArray(value)) {
      out << label << '\n';
      for (const Json& element : value) {
        WriteReadable(out, element, indent + "  ");
        out << '\n';
      }
    } else {
      std::string cell = Cell(value);
      if (item.key() == "Focus" && value.is_string()) {
        cell = ControlInWords(Context().Lang, cell);
      }
      // A catalogue record's names: its English name stays English, its Indian name or
      // star's name is the glossary's.
      const bool record_name = item.key() == "EnglishName" || item.key() == "IndianName" ||
                               item.key() == "NakshatraName";
      if (record_name && value.is_string() && !InEnglish()) {
        cell = EscapeControlCharacters(
            CatalogueFieldText(Context().Lang, item.key(), value.get<std::string>()));
      }
      const std::size_t start = Columns(label) + (width - Columns(words)) + 1;
      out << label << std::string(width - Columns(words) + 1, ' ')
          << Wrap(cell, start, static_cast<std::size_t>(Context().Width)) << '\n';
    }
  }
}

}  // namespace

void WriteResult(std::ostream& out, const Json& result, bool json) {
  if (json) {
    out << result.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
  } else {
    WriteReadable(out, result, "");
    out << '\n';
  }
}

}  // namespace lumora::cli

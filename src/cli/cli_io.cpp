// SPDX-License-Identifier: MIT
#include "cli/cli_io.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace lumora::cli {

CliContext& Context() {
  static CliContext context{&std::cin, &std::cout, &std::cerr, false, 80};
  return context;
}

namespace {

// Passes the bytes of a source through one at a time and ends the stream early at a
// NUL byte or at a line longer than kMaxInputLine, remembering which.
class GuardedInput : public std::streambuf {
 public:
  enum class Fault { None, NulByte, LongLine };

  explicit GuardedInput(std::streambuf* source) : source_(source) {}

  Fault fault() const { return fault_; }
  int line() const { return line_; }

 protected:
  int_type underflow() override {
    if (fault_ != Fault::None || source_ == nullptr) {
      return traits_type::eof();
    }
    const int_type c = source_->sbumpc();
    if (traits_type::eq_int_type(c, traits_type::eof())) {
      return c;
    }
    if (c == 0) {
      fault_ = Fault::NulByte;
      return traits_type::eof();
    }
    if (c == '\n') {
      ++line_;
      line_length_ = 0;
    } else if (++line_length_ > kMaxInputLine) {
      fault_ = Fault::LongLine;
      return traits_type::eof();
    }
    current_ = traits_type::to_char_type(c);
    setg(&current_, &current_, &current_ + 1);
    return c;
  }

 private:
  std::streambuf* source_;
  char current_ = 0;
  std::size_t line_length_ = 0;
  int line_ = 1;
  Fault fault_ = Fault::None;
};

void ThrowOnFault(const GuardedInput& guard) {
  switch (guard.fault()) {
    case GuardedInput::Fault::NulByte:
      throw UsageError("input line " + std::to_string(guard.line()) +
                       " contains a NUL byte; the input must be JSON text");
    case GuardedInput::Fault::LongLine:
      throw UsageError("input line " + std::to_string(guard.line()) + " is longer than " +
                       std::to_string(kMaxInputLine / 1024) + " KiB");
    case GuardedInput::Fault::None:
      break;
  }
}

std::vector<Json> ReadStream(std::streambuf* source) {
  GuardedInput guard(source);
  std::istream in(&guard);
  std::vector<Json> inputs;
  for (;;) {
    // Objects follow one another, each on its line or spread over several.
    while (in.peek() != std::char_traits<char>::eof() && std::isspace(in.peek()) != 0) {
      in.get();
    }
    if (in.peek() == std::char_traits<char>::eof()) {
      ThrowOnFault(guard);
      break;
    }
    const int line = guard.line();
    Json value;
    try {
      in >> value;
    } catch (const Json::exception&) {
      ThrowOnFault(guard);
      throw UsageError("input line " + std::to_string(line) + " is not a JSON object");
    }
    ThrowOnFault(guard);
    if (!value.is_object()) {
      throw UsageError("input line " + std::to_string(line) +
                       " is not a JSON object: the input must be a JSON object or JSON Lines "
                       "of objects");
    }
    inputs.push_back(std::move(value));
  }
  return inputs;
}

}  // namespace

std::vector<Json> ReadInputs(const std::string& input_file) {
  std::vector<Json> inputs;
  if (input_file.empty()) {
    inputs = ReadStream(Context().In->rdbuf());
  } else {
    std::error_code error;
    if (std::filesystem::is_directory(input_file, error)) {
      throw UsageError("cannot read input file: " + input_file + " is a folder");
    }
    std::ifstream file(input_file, std::ios::binary);
    if (!file) {
      throw UsageError("cannot read input file: " + input_file);
    }
    inputs = ReadStream(file.rdbuf());
    if (file.bad()) {
      throw UsageError("cannot read input file: " + input_file);
    }
  }
  if (inputs.empty()) {
    throw UsageError("no input: give a JSON object on standard input or with --input FILE");
  }
  return inputs;
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t limit) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    return std::nullopt;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return std::nullopt;
  }
  // One byte past the limit tells a file at the limit from a longer one, without
  // trusting a size that devices and pipes do not report.
  std::string bytes(limit + 1, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) {
    return std::nullopt;
  }
  const auto count = static_cast<std::size_t>(file.gcount());
  if (count > limit) {
    return std::nullopt;
  }
  bytes.resize(count);
  return bytes;
}

Rejection RejectionOf(const FormFailure& failure) {
  return Rejection(failure.Message,
                   failure.Icon == MessageIcon::Information ? "information" : "error",
                   failure.Control.empty() ? std::nullopt : std::optional(failure.Control));
}

Json ErrorObject(const Rejection& rejection) {
  Json error;
  error["Message"] = rejection.Message;
  error["Icon"] = rejection.Icon;
  error["Focus"] = rejection.Focus ? Json(*rejection.Focus) : Json(nullptr);
  Json wrapper;
  wrapper["Error"] = std::move(error);
  return wrapper;
}

namespace {

std::string Label(std::string_view key);

std::string Scalar(const Json& value) {
  if (value.is_string()) {
    return value.get<std::string>();
  }
  if (value.is_null()) {
    return "-";
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
    std::size_t width = Label(key).size();
    for (const Json& row : rows) {
      if (row.contains(key)) {
        const std::string cell = Cell(row[key]);
        // Long prose cells are not allowed to widen the whole column.
        width = std::max(width, std::min<std::size_t>(cell.size(), 40));
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
            std::string(widths[i] > cells[i].size() ? widths[i] - cells[i].size() : 0, ' ') + "  ";
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
    {"mCity", "Male city"},
    {"mState", "Male state"},
    {"Mcountry", "Male country"},
    {"fName", "Female name"},
    {"fDOB", "Female date of birth"},
    {"fCity", "Female city"},
    {"fState", "Female state"},
    {"fCountry", "Female country"},
    {"AInB", "A's points in B's houses"},
    {"BInA", "B's points in A's houses"},
};

// The control of a window named in words, the control name after it for scripts.
constexpr WordLabel kControlWords[] = {
    {"Name", "name"},
    {"Date", "day of birth"},
    {"Month", "month of birth"},
    {"Year", "year of birth"},
    {"HH", "hour of birth"},
    {"MM", "minute of birth"},
    {"SS", "second of birth"},
    {"City", "city"},
    {"State", "state"},
    {"Country", "country"},
    {"LD", "latitude degrees"},
    {"LM", "latitude minutes"},
    {"LoD", "longitude degrees"},
    {"LoM", "longitude minutes"},
    {"North", "latitude direction"},
    {"South", "latitude direction"},
    {"East", "longitude direction"},
    {"West", "longitude direction"},
    {"Long", "latitude direction"},
    {"Lat", "longitude direction"},
    {"ZoneHour", "time-zone hours"},
    {"ZoneMinute", "time-zone minutes"},
    {"TimeZone", "time zone"},
    {"DST", "daylight saving"},
};

// "MoonSignName" -> "Moon sign name"; runs of capitals ("UT") stay as they are.
std::string Label(std::string_view key) {
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
  return key == "UT" && value.is_string() ? std::string("Universal time") : Label(key);
}

// "cboMHH" -> "hour of birth of the male (cboMHH)".
std::string ControlInWords(const std::string& control) {
  if (control.size() < 5) {
    return control;
  }
  const std::string_view rest = std::string_view(control).substr(4);
  const char side = control[3];
  if (side != 'M' && side != 'F') {
    return control;
  }
  for (const WordLabel& words : kControlWords) {
    if (words.Key == rest) {
      return std::string(words.Words) + (side == 'M' ? " of the male" : " of the female") + " (" +
             control + ")";
    }
  }
  return control;
}

// Words of text laid out from column `start` up to width, later lines indented to start.
std::string Wrap(const std::string& text, std::size_t start, std::size_t width) {
  const std::size_t room = width > start + 20 ? width - start : 20;
  if (text.size() <= room) {
    return text;
  }
  std::string wrapped;
  std::size_t column = 0;
  std::istringstream words(text);
  std::string word;
  while (words >> word) {
    if (column > 0 && column + 1 + word.size() > room) {
      wrapped += '\n' + std::string(start, ' ');
      column = 0;
    } else if (column > 0) {
      wrapped += ' ';
      ++column;
    }
    wrapped += word;
    column += word.size();
  }
  return wrapped;
}

void WriteReadable(std::ostream& out, const Json& object, const std::string& indent) {
  const bool verbose = Context().Verbose;
  std::size_t width = 0;
  for (const auto& item : object.items()) {
    if (verbose || !IsWorkingValue(item.key())) {
      width = std::max(width, LabelOf(item.key(), item.value()).size());
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
        cell = ControlInWords(cell);
      }
      const std::size_t start = label.size() + (width - words.size()) + 1;
      out << label << std::string(width - words.size() + 1, ' ')
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

int RunEach(const std::vector<Json>& inputs, bool json,
            const std::function<Json(const Json&)>& command) {
  int status = 0;
  for (const Json& input : inputs) {
    try {
      WriteResult(*Context().Out, command(input), json);
    } catch (const Rejection& rejection) {
      status = 2;
      WriteResult(*Context().Out, ErrorObject(rejection), json);
    } catch (const UsageError&) {
      throw;  // the whole run's error (a --pdf file that could not be written): exit status 1
    } catch (const std::exception& error) {
      // One input the core could not handle does not stop the others, and what was
      // already written stays a valid answer for the inputs before it.
      status = 2;
      WriteResult(
          *Context().Out,
          ErrorObject(Rejection(std::string("This input could not be processed: ") + error.what())),
          json);
    }
  }
  return status;
}

int IntField(const Json& input, const char* key, std::optional<int> fallback, int minimum,
             int maximum, const std::string& message) {
  if (!input.contains(key) || input[key].is_null()) {
    if (fallback) {
      return *fallback;
    }
    throw Rejection(std::string(key) + " is required");
  }
  const Json& value = input[key];
  // Each kind is read as itself: reading an unsigned value past 2^63 as a signed one
  // would wrap it to a negative number that could pass the range check.
  if (value.is_number_unsigned()) {
    const auto n = value.get<std::uint64_t>();
    if (maximum >= 0 && n <= static_cast<std::uint64_t>(maximum) &&
        (minimum <= 0 || n >= static_cast<std::uint64_t>(minimum))) {
      return static_cast<int>(n);
    }
  } else if (value.is_number_integer()) {
    const auto n = value.get<std::int64_t>();
    if (n >= minimum && n <= maximum) {
      return static_cast<int>(n);
    }
  } else if (value.is_number_float()) {
    const double d = value.get<double>();
    if (std::isfinite(d) && d == std::floor(d) && d >= minimum && d <= maximum) {
      return static_cast<int>(d);
    }
  }
  throw Rejection(message);
}

bool BoolField(const Json& input, const char* key, bool fallback) {
  if (!input.contains(key) || input[key].is_null()) {
    return fallback;
  }
  if (!input[key].is_boolean()) {
    throw Rejection(std::string(key) + " must be true or false");
  }
  return input[key].get<bool>();
}

std::string StringField(const Json& input, const char* key, const std::string& fallback) {
  if (!input.contains(key) || input[key].is_null()) {
    return fallback;
  }
  if (input[key].is_string()) {
    return input[key].get<std::string>();
  }
  if (input[key].is_number_integer()) {
    // The number as written: an unsigned value past 2^63 must not turn negative.
    return input[key].dump();
  }
  throw Rejection(std::string(key) + " must be a text");
}

}  // namespace lumora::cli

// SPDX-License-Identifier: MIT
#include "cli/input_reading.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <istream>

#include "cli/cli_io.h"
#include "core/file_access.h"
#include "core/terminal_text.h"

namespace lumora::cli {

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

// The text of the next JSON value, read up to its end so that the next value may
// follow it. Never holds more than kMaxJsonDepth levels of nesting: past that the rest
// of the value is read and dropped, and too_deep says so.
std::string ReadValueText(std::istream& in, bool& too_deep) {
  std::string text;
  too_deep = false;
  const auto eof = std::char_traits<char>::eof();
  if (in.peek() != '{' && in.peek() != '[') {
    // Not an object: up to the next blank, for the parser to refuse.
    while (in.peek() != eof && std::isspace(in.peek()) == 0) {
      text.push_back(static_cast<char>(in.get()));
    }
    return text;
  }
  int depth = 0;
  bool in_string = false;
  bool escaped = false;
  for (int c = in.get(); c != eof; c = in.get()) {
    if (!too_deep) {
      text.push_back(static_cast<char>(c));
    }
    if (in_string) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        in_string = false;
      }
    } else if (c == '"') {
      in_string = true;
    } else if (c == '{' || c == '[') {
      if (++depth > kMaxJsonDepth) {
        too_deep = true;
      }
    } else if ((c == '}' || c == ']') && --depth == 0) {
      break;
    }
  }
  return text;
}

Inputs ReadStream(std::streambuf* source) {
  GuardedInput guard(source);
  std::istream in(&guard);
  Inputs inputs;
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
    bool too_deep = false;
    const std::string text = ReadValueText(in, too_deep);
    ThrowOnFault(guard);
    const std::string where = "The input at line " + std::to_string(line) + " ";
    if (too_deep) {
      inputs.push_back(Input{
          Json(), where + "is nested deeper than " + std::to_string(kMaxJsonDepth) + " levels"});
      continue;
    }
    auto parsed = ParseStrictJson(text);
    if (const auto* why = std::get_if<std::string>(&parsed)) {
      if (*why == kNotJson) {
        throw UsageError("input line " + std::to_string(line) + " is not a JSON object");
      }
      inputs.push_back(Input{Json(), where + *why});
      continue;
    }
    Json value = std::get<Json>(std::move(parsed));
    if (!value.is_object()) {
      throw UsageError("input line " + std::to_string(line) +
                       " is not a JSON object: the input must be a JSON object or JSON Lines "
                       "of objects");
    }
    inputs.push_back(Input{std::move(value), std::nullopt});
  }
  return inputs;
}

}  // namespace

std::variant<Json, std::string> ParseStrictJson(std::string_view text) {
  std::variant<json::Value, json::ReadFault> read = json::Read(text);
  if (auto* value = std::get_if<json::Value>(&read)) {
    return std::move(*value);
  }
  const json::ReadFault& fault = std::get<json::ReadFault>(read);
  switch (fault.Kind) {
    case json::FaultKind::NameTwice:
      return "names the member \"" + EscapeControlCharacters(fault.Detail) + "\" twice";
    case json::FaultKind::TooDeep:
      return "is nested deeper than " + std::to_string(kMaxJsonDepth) + " levels";
    case json::FaultKind::Grammar:
      break;
  }
  return std::string(kNotJson);
}

Inputs ReadInputs(const std::string& input_file) {
  Inputs inputs;
  if (input_file.empty()) {
    inputs = ReadStream(Context().In->rdbuf());
  } else {
    std::error_code error;
    if (std::filesystem::is_directory(input_file, error)) {
      throw UsageError("cannot read input file: " + input_file + " is a folder");
    }
    // A FIFO would wait for a writer for good, a device never end: regular files only.
    if (const auto failure = FailureOf(CheckRegularFile(input_file))) {
      throw UsageError("cannot read input file: " + failure->Message);
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
  FormResult<std::string> read = ReadRegularFile(path, limit);
  auto* bytes = std::get_if<std::string>(&read);
  if (bytes == nullptr || bytes->size() > limit) {
    return std::nullopt;
  }
  return std::move(*bytes);
}

}  // namespace lumora::cli

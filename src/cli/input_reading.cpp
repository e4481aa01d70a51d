// SPDX-License-Identifier: MIT
#include "cli/input_reading.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <istream>

#include "cli/cli_io.h"

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

}  // namespace lumora::cli

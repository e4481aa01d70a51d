import re,sys
root='/work/wt/hostile/'
def edit(p, old, new, count=1):
    s=open(root+p).read()
    if old not in s:
        sys.exit('missing in %s: %s' % (p, old[:80]))
    s=s.replace(old,new,count)
    open(root+p,'w').write(s)

# --- cli_io.h
edit('src/cli/cli_io.h','''// Reads one JSON object (it may span lines), or JSON Lines, streaming from the file or
// from the context's input when empty. A NUL byte, an over-long line, a folder or a
// malformed line is a UsageError.
std::vector<Json> ReadInputs(const std::string& input_file);''','''// JSON input is read strictly: nesting deeper than kMaxJsonDepth (forms and records are
// two levels deep) and a member named twice in one object are refused, so no reader or
// writer meets a value nested 100,000 deep and no input says two things at once.
inline constexpr int kMaxJsonDepth = 32;

// Parses JSON text strictly (see kMaxJsonDepth): the value, or why it was refused.
std::variant<Json, std::string> ParseStrictJson(std::string_view text);

// Reads one JSON object (it may span lines), or JSON Lines, streaming from the file or
// from the context's input when empty. A NUL byte, an over-long line, a file that is
// not a regular one (a FIFO, a device, a folder) or a malformed line is a UsageError;
// an object nested too deep or naming a member twice is a rejected input, reported in
// its place by RunEach.
std::vector<Json> ReadInputs(const std::string& input_file);''')
edit('src/cli/cli_io.h','''  bool Verbose = false;
  int Width = 80;
};''','''  bool Verbose = false;
  int Width = 80;
  // Why each input ReadInputs refused was refused, in input order (the input itself is
  // a discarded value in its place).
  std::vector<std::string> RefusedInputs;
};''')
# --- cli_io.cpp
edit('src/cli/cli_io.cpp','''std::vector<Json> ReadStream(std::streambuf* source) {''','''// The text of one JSON value, read up to its end so that the next may follow it. Never
// holds more than kMaxJsonDepth + 1 levels of nesting: past that the rest of the value
// is read and dropped, and too_deep says so.
std::string ReadValueText(std::istream& in, bool& too_deep) {
  std::string text;
  too_deep = false;
  const int first = in.peek();
  if (first != '{' && first != '[') {
    // Not an object: up to the next blank, for the parser to refuse.
    while (in.peek() != std::char_traits<char>::eof() && std::isspace(in.peek()) == 0) {
      text.push_back(static_cast<char>(in.get()));
    }
    return text;
  }
  int depth = 0;
  bool in_string = false;
  bool escaped = false;
  for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
    if (!too_deep) {
      text.push_back(static_cast<char>(c));
    }
    if (in_string) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\\\') {
        escaped = true;
      } else if (c == '"') {
        in_string = false;
      }
      continue;
    }
    if (c == '"') {
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

std::vector<Json> ReadStream(std::streambuf* source) {''')
edit('src/cli/cli_io.cpp','''    const int line = guard.line();
    Json value;
    try {
      in >> value;
    } catch (const Json::exception&) {
      ThrowOnFault(guard);
      throw UsageError("input line " + std::to_string(line) + " is not a JSON object");
    }
    ThrowOnFault(guard);
    if (!value.is_object()) {''','''    const int line = guard.line();
    bool too_deep = false;
    const std::string text = ReadValueText(in, too_deep);
    ThrowOnFault(guard);
    if (too_deep) {
      Context().RefusedInputs.push_back("The input at line " + std::to_string(line) +
                                        " is nested deeper than " +
                                        std::to_string(kMaxJsonDepth) + " levels");
      inputs.emplace_back(Json::value_t::discarded);
      continue;
    }
    auto parsed = ParseStrictJson(text);
    if (const auto* why = std::get_if<std::string>(&parsed)) {
      if (why->find("twice") != std::string::npos) {
        Context().RefusedInputs.push_back("The input at line " + std::to_string(line) + " " +
                                          *why);
        inputs.emplace_back(Json::value_t::discarded);
        continue;
      }
      throw UsageError("input line " + std::to_string(line) + " is not a JSON object");
    }
    Json value = std::get<Json>(std::move(parsed));
    if (!value.is_object()) {''')
edit('src/cli/cli_io.cpp','''}  // namespace

std::vector<Json> ReadInputs(const std::string& input_file) {''','''}  // namespace

std::variant<Json, std::string> ParseStrictJson(std::string_view text) {
  // Member names seen in each object still open, innermost last.
  std::vector<std::vector<std::string>> names;
  std::optional<std::string> refusal;
  const Json::parser_callback_t check = [&](int depth, Json::parse_event_t event, Json& parsed) {
    if (refusal) {
      return false;
    }
    if (depth > kMaxJsonDepth) {
      refusal = "is nested deeper than " + std::to_string(kMaxJsonDepth) + " levels";
      return false;
    }
    switch (event) {
      case Json::parse_event_t::object_start:
        names.emplace_back();
        break;
      case Json::parse_event_t::object_end:
        if (!names.empty()) {
          names.pop_back();
        }
        break;
      case Json::parse_event_t::key:
        if (!names.empty()) {
          const std::string name = parsed.get<std::string>();
          auto& seen = names.back();
          if (std::find(seen.begin(), seen.end(), name) != seen.end()) {
            refusal = "names the member \\"" + name + "\\" twice";
            return false;
          }
          seen.push_back(name);
        }
        break;
      default:
        break;
    }
    return true;
  };
  Json value = Json::parse(text, check, false);
  if (refusal) {
    return *refusal;
  }
  if (value.is_discarded()) {
    return std::string("is not JSON");
  }
  return value;
}

std::vector<Json> ReadInputs(const std::string& input_file) {''')
edit('src/cli/cli_io.cpp','''    std::error_code error;
    if (std::filesystem::is_directory(input_file, error)) {
      throw UsageError("cannot read input file: " + input_file + " is a folder");
    }
    std::ifstream file(input_file, std::ios::binary);''','''    std::error_code error;
    if (std::filesystem::is_directory(input_file, error)) {
      throw UsageError("cannot read input file: " + input_file + " is a folder");
    }
    // A FIFO would wait for a writer for good, a device never end: regular files only.
    if (const auto failure = FailureOf(CheckRegularFile(input_file))) {
      throw UsageError("cannot read input file: " + failure->Message);
    }
    std::ifstream file(input_file, std::ios::binary);''')
edit('src/cli/cli_io.cpp','''  int status = 0;
  for (const Json& input : inputs) {
    try {''','''  int status = 0;
  std::size_t refused = 0;
  for (const Json& input : inputs) {
    if (input.is_discarded()) {
      status = 2;
      const auto& why = Context().RefusedInputs;
      WriteResult(*Context().Out,
                  ErrorObject(Rejection(refused < why.size() ? why[refused] : "Refused input")),
                  json);
      ++refused;
      continue;
    }
    try {''')
edit('src/cli/cli_io.cpp','#include <algorithm>','#include <algorithm>\n#include <optional>\n#include <variant>\n\n#include "core/file_access.h"',1)
# --- command_vedic.cpp: bounded couple read
edit('src/cli/command_vedic.cpp','''std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    throw UsageError("cannot read input file: " + path);
  }
  std::ostringstream buffer;
  buffer << file.rdbuf();
  return buffer.str();
}''','''// A couple file's bytes, never more than one past its limit (ReadCoupleFile refuses a
// longer file), and only from a regular file.
std::string FileBytes(const std::string& path) {
  FormResult<std::string> read = ReadRegularFile(path, kCoupleMaxBytes);
  if (const auto* failure = std::get_if<FormFailure>(&read)) {
    throw UsageError("cannot read input file: " + failure->Message);
  }
  return std::get<std::string>(std::move(read));
}''')
edit('src/cli/command_vedic.cpp','#include "cli/pdf_output.h"','#include "cli/pdf_output.h"\n#include "core/file_access.h"',1)
# --- command_rank.cpp: strict parse for JSON Lines and the person file
edit('src/cli/command_rank.cpp','''      CandidateRow row{line_, BirthEntry{}};
      const Json object = Json::parse(line, nullptr, false);
      if (object.is_discarded() || !EntryOf(object, std::get<BirthEntry>(row.Entry))) {
        row.Entry = FormFailure{"The line is not a JSON object", MessageIcon::Error, "", false};
      }
      return row;''','''      CandidateRow row{line_, BirthEntry{}};
      const auto parsed = ParseStrictJson(line);
      if (const auto* why = std::get_if<std::string>(&parsed)) {
        row.Entry = FormFailure{"The line " + *why, MessageIcon::Error, "", false};
      } else if (!EntryOf(std::get<Json>(parsed), std::get<BirthEntry>(row.Entry))) {
        row.Entry = FormFailure{"The line is not a JSON object", MessageIcon::Error, "", false};
      }
      return row;''')
edit('src/cli/command_rank.cpp','''  const Json object = Json::parse(std::get<std::string>(read), nullptr, false);
  BirthEntry entry;
  if (object.is_discarded() || !EntryOf(object, entry)) {
    throw UsageError("the person file " + file_name + " is not a JSON object");
  }''','''  const auto parsed = ParseStrictJson(std::get<std::string>(read));
  if (const auto* why = std::get_if<std::string>(&parsed)) {
    throw UsageError("the person file " + file_name + " " + *why);
  }
  BirthEntry entry;
  if (!EntryOf(std::get<Json>(parsed), entry)) {
    throw UsageError("the person file " + file_name + " is not a JSON object");
  }''')
print('applied')
edit('tests/cli/input_safety_cli_test.cpp','''      {"an endless stream of zeros", "moon --json --input /dev/zero", "", "NUL byte"},''','''      {"an endless stream of zeros", "moon --json --input /dev/zero", "", "not a regular file"},''')
edit('tests/cli/input_safety_cli_test.cpp','''TEST(InputSafetyCli, IntegersPastTheirRangeAreRefusedWithTheFieldsMessage) {''','''// JSON nested 100,000 deep (about 200 KB) and an object naming a member twice: each is
// a rejected input in its place (exit status 2), the inputs around it answered; no
// reader or writer ever meets the deep value.
TEST(InputSafetyCli, DeepNestingAndDuplicateMembersAreRejectedInputs) {
  const std::string deep = std::string(100000, '[') + std::string(100000, ']');
  const std::string deep_objects = [] {
    std::string text;
    for (int i = 0; i < 40000; ++i) {
      text += "{\\"a\\":";
    }
    return text + "1" + std::string(40000, '}');
  }();
  const struct {
    const char* source;
    std::string args;
    std::string input;
    const char* message;
  } cases[] = {
      {"a deep array as a form entry", "vedic --json", VedicWith("txtMName", deep), "deeper than"},
      {"deep objects as the couple format", "vedic --json", VedicWith("Format", deep_objects),
       "deeper than"},
      {"a deep array as a whole input", "moon --json", deep, "deeper than"},
      {"a member named twice", "vedic --json", VedicWith("txtMName", "\\"Bela\\",\\"txtMName\\":1"),
       "twice"},
      {"a member named twice in the moon input", "moon --json",
       R"({"BirthYear":1947,"BirthYear":2047,"BirthMonth":8,"BirthDay":15})", "twice"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    const CliRun run = RunCli(c.args, std::string(kMoon) + "\\n" + c.input + "\\n" + kMoon + "\\n");
    EXPECT_EQ(run.status, 2) << run.err;
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), 3u) << run.out.substr(0, 300) << run.err;
    ASSERT_TRUE(lines[1].contains("Error")) << lines[1].dump().substr(0, 300);
    EXPECT_NE(lines[1]["Error"]["Message"].get<std::string>().find(c.message), std::string::npos)
        << lines[1].dump();
  }
}

// A FIFO or a device named as the input is refused at once, never waited on or read for
// ever, couple files (.lumora) included.
TEST(InputSafetyCli, OnlyRegularFilesAreRead) {
  const std::string fifo = "/tmp/lumora-cli-input-fifo.lumora";
  const std::string device = "/tmp/lumora-cli-input-zero.lumora";
  std::remove(fifo.c_str());
  std::remove(device.c_str());
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", device);
  const std::string plain_fifo = "/tmp/lumora-cli-input-fifo.json";
  std::remove(plain_fifo.c_str());
  ASSERT_EQ(::mkfifo(plain_fifo.c_str(), 0600), 0);
  const struct {
    std::string args;
    const char* message;
  } cases[] = {
      {"vedic --json --input " + fifo, "FIFO"},
      {"vedic --json --input " + device, "device"},
      {"moon --json --input " + plain_fifo, "FIFO"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun run = RunCli(c.args, "", false, 20);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  std::remove(fifo.c_str());
  std::remove(device.c_str());
  std::remove(plain_fifo.c_str());
}

TEST(InputSafetyCli, IntegersPastTheirRangeAreRefusedWithTheFieldsMessage) {''')
print('tests staged')

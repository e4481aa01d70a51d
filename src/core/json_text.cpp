// SPDX-License-Identifier: MIT
#include "core/json_text.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace lumora::json {

namespace {

// Builds the value as nlohmann's own DOM parser does, and refuses what the grammar allows
// but a file of ours never holds: a name twice in one object, nesting beyond kMaxDepth.
class StrictBuilder {
 public:
  bool null() { return Put(nullptr); }
  bool boolean(bool value) { return Put(value); }
  bool number_integer(Value::number_integer_t value) { return Put(value); }
  bool number_unsigned(Value::number_unsigned_t value) { return Put(value); }
  bool number_float(Value::number_float_t value, const Value::string_t& /*text*/) {
    return Put(value);
  }
  bool string(Value::string_t& value) { return Put(std::move(value)); }
  bool binary(Value::binary_t& /*value*/) { return Refuse("binary data is not JSON text"); }
  bool start_object(std::size_t /*size*/) { return Open(Value::object()); }
  bool key(Value::string_t& name) {
    if (open_.back()->contains(name)) {
      return Refuse("the name \"" + name + "\" is given twice");
    }
    key_ = std::move(name);
    return true;
  }
  bool end_object() { return Close(); }
  bool start_array(std::size_t /*size*/) { return Open(Value::array()); }
  bool end_array() { return Close(); }
  bool parse_error(std::size_t position, const std::string& /*last_token*/,
                   const nlohmann::json::exception& fault) {
    position_ = position;
    return Refuse(Reason(fault.what()));
  }

  Value& Root() { return root_; }
  const std::string& Fault() const { return fault_; }
  std::optional<std::size_t> Position() const { return position_; }

 private:
  // nlohmann's message less its identifier and its own position:
  // "[json.exception.parse_error.101] parse error at line 1, column 4: syntax error ..."
  static std::string Reason(std::string_view what) {
    if (const std::size_t tag = what.find("] "); tag != std::string_view::npos) {
      what.remove_prefix(tag + 2);
    }
    if (what.substr(0, 11) == "parse error") {
      if (const std::size_t colon = what.find(": "); colon != std::string_view::npos) {
        what.remove_prefix(colon + 2);
      }
    }
    return std::string(what);
  }

  bool Refuse(std::string fault) {
    if (fault_.empty()) {
      fault_ = std::move(fault);
    }
    return false;
  }

  // The new value's place: the whole text, the next element, or the member just named.
  Value* Place(Value value) {
    if (open_.empty()) {
      root_ = std::move(value);
      return &root_;
    }
    Value& parent = *open_.back();
    if (parent.is_array()) {
      parent.push_back(std::move(value));
      return &parent.back();
    }
    Value& member = parent[key_];
    member = std::move(value);
    return &member;
  }

  bool Put(Value value) {
    Place(std::move(value));
    return true;
  }

  bool Open(Value empty) {
    if (static_cast<int>(open_.size()) >= kMaxDepth) {
      return Refuse("nesting deeper than " + std::to_string(kMaxDepth) + " levels");
    }
    open_.push_back(Place(std::move(empty)));
    return true;
  }

  bool Close() {
    open_.pop_back();
    return true;
  }

  Value root_;
  std::vector<Value*> open_;
  std::string key_;
  std::string fault_;
  std::optional<std::size_t> position_;
};

// Line and column, both from 1, of the position-th byte of the text (nlohmann counts the
// byte it failed on, the end of the text counting as one more).
std::pair<std::size_t, std::size_t> LineAndColumn(std::string_view text, std::size_t position) {
  const std::size_t before = std::min(position > 0 ? position - 1 : 0, text.size());
  const std::string_view read = text.substr(0, before);
  const std::size_t line = 1 + static_cast<std::size_t>(std::count(read.begin(), read.end(), '\n'));
  const std::size_t line_start = read.rfind('\n');
  const std::size_t column =
      line_start == std::string_view::npos ? before + 1 : before - line_start;
  return {line, column};
}

}  // namespace

FormResult<Value> Parse(std::string_view text) {
  StrictBuilder builder;
  if (Value::sax_parse(text, &builder, nlohmann::json::input_format_t::json, true, false)) {
    return std::move(builder.Root());
  }
  std::string message = "Not valid JSON";
  if (const std::optional<std::size_t> position = builder.Position()) {
    const auto [line, column] = LineAndColumn(text, *position);
    message += " at line " + std::to_string(line) + ", column " + std::to_string(column);
  }
  message += ": " + builder.Fault();
  if (message.back() != '.') {
    message += '.';
  }
  return FormFailure{std::move(message), MessageIcon::Error, std::nullopt, false};
}

std::string Write(const Value& value) {
  const std::string dumped = value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
  // Backspace and form feed as six-character escapes, as the files have always had them
  // (nlohmann writes "\b" and "\f"). Every backslash of the dump opens an escape, so
  // the escapes are walked pair by pair.
  std::string out;
  out.reserve(dumped.size());
  for (std::size_t i = 0; i < dumped.size(); ++i) {
    if (dumped[i] != '\\' || i + 1 == dumped.size()) {
      out += dumped[i];
      continue;
    }
    const char escape = dumped[++i];
    if (escape == 'b') {
      out += "\\u0008";
    } else if (escape == 'f') {
      out += "\\u000c";
    } else {
      out += '\\';
      out += escape;
    }
  }
  return out;
}

}  // namespace lumora::json

// SPDX-License-Identifier: MIT
#include "core/json_text.h"

#include <algorithm>
#include <optional>
#include <set>
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
  bool binary(Value::binary_t& /*value*/) {
    return Refuse(FaultKind::Grammar, "binary data is not JSON text");
  }
  bool start_object(std::size_t /*size*/) { return Open(Value::object()); }
  bool key(Value::string_t& name) {
    // The names seen in each open object, kept apart from it: an ordered object finds a
    // name by walking its members, which a long hostile object would make quadratic.
    if (!open_.back().Names.insert(name).second) {
      return Refuse(FaultKind::NameTwice, name);
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
    return Refuse(FaultKind::Grammar, Reason(fault.what()));
  }

  Value& Root() { return root_; }
  const std::optional<ReadFault>& Fault() const { return fault_; }
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

  bool Refuse(FaultKind kind, std::string detail) {
    if (!fault_) {
      fault_.emplace(ReadFault{kind, std::move(detail), std::nullopt, std::nullopt});
    }
    return false;
  }

  // The new value's place: the whole text, the next element, or the member just named.
  Value* Place(Value value) {
    if (open_.empty()) {
      root_ = std::move(value);
      return &root_;
    }
    Value& parent = *open_.back().Container;
    if (parent.is_array()) {
      parent.push_back(std::move(value));
      return &parent.back();
    }
    // The name is new to the object (key() saw to it): appended without the ordered
    // object's own search for it.
    Value::object_t& members = parent.get_ref<Value::object_t&>();
    members.Container::emplace_back(std::move(key_), std::move(value));
    return &members.back().second;
  }

  bool Put(Value value) {
    Place(std::move(value));
    return true;
  }

  bool Open(Value empty) {
    if (static_cast<int>(open_.size()) >= kMaxDepth) {
      return Refuse(FaultKind::TooDeep, "");
    }
    open_.push_back(OpenContainer{Place(std::move(empty)), {}});
    return true;
  }

  bool Close() {
    open_.pop_back();
    return true;
  }

  // A container being filled, and the member names it has so far.
  struct OpenContainer {
    Value* Container;
    std::set<std::string, std::less<>> Names;
  };

  Value root_;
  std::vector<OpenContainer> open_;
  std::string key_;
  std::optional<ReadFault> fault_;
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

std::variant<Value, ReadFault> Read(std::string_view text) {
  StrictBuilder builder;
  if (Value::sax_parse(text, &builder, nlohmann::json::input_format_t::json, true, false)) {
    return std::move(builder.Root());
  }
  ReadFault fault = builder.Fault().value_or(ReadFault{});
  if (const std::optional<std::size_t> position = builder.Position();
      position && fault.Kind == FaultKind::Grammar) {
    const auto [line, column] = LineAndColumn(text, *position);
    fault.Line = line;
    fault.Column = column;
  }
  return fault;
}

FormResult<Value> Parse(std::string_view text) {
  std::variant<Value, ReadFault> read = Read(text);
  if (auto* value = std::get_if<Value>(&read)) {
    return std::move(*value);
  }
  const ReadFault& fault = std::get<ReadFault>(read);
  std::string message = "Not valid JSON";
  if (fault.Line && fault.Column) {
    message +=
        " at line " + std::to_string(*fault.Line) + ", column " + std::to_string(*fault.Column);
  }
  switch (fault.Kind) {
    case FaultKind::Grammar:
      message += ": " + fault.Detail;
      break;
    case FaultKind::NameTwice:
      message += ": the name \"" + fault.Detail + "\" is given twice";
      break;
    case FaultKind::TooDeep:
      message += ": nesting deeper than " + std::to_string(kMaxDepth) + " levels";
      break;
  }
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

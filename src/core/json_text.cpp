// SPDX-License-Identifier: MIT
#include "core/json_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace lumora::json {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  FormResult<Value> Run() {
    Value value;
    if (!ParseValue(value, 0)) {
      return Failure();
    }
    SkipBlanks();
    if (at_ != text_.size()) {
      Fail("unexpected text after the end");
      return Failure();
    }
    return value;
  }

 private:
  bool Fail(std::string what) {
    if (error_.empty()) {
      error_ = std::move(what);
    }
    return false;
  }

  FormFailure Failure() const {
    int line = 1;
    int column = 1;
    for (std::size_t i = 0; i < at_ && i < text_.size(); ++i) {
      if (text_[i] == '\n') {
        ++line;
        column = 1;
      } else {
        ++column;
      }
    }
    return FormFailure{"Not valid JSON at line " + std::to_string(line) + ", column " +
                           std::to_string(column) + ": " + error_ + ".",
                       MessageIcon::Error, std::nullopt, false};
  }

  void SkipBlanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r')) {
      ++at_;
    }
  }

  bool Literal(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) {
      return Fail("unknown word");
    }
    at_ += word.size();
    return true;
  }

  bool ParseValue(Value& out, int depth) {
    if (depth > kMaxDepth) {
      return Fail("nested too deeply");
    }
    SkipBlanks();
    if (at_ >= text_.size()) {
      return Fail("the text ends where a value should be");
    }
    switch (text_[at_]) {
      case '{':
        return ParseObject(out, depth);
      case '[':
        return ParseArray(out, depth);
      case '"': {
        std::string text;
        if (!ParseString(text)) {
          return false;
        }
        out.Data = std::move(text);
        return true;
      }
      case 't':
        out.Data = true;
        return Literal("true");
      case 'f':
        out.Data = false;
        return Literal("false");
      case 'n':
        out.Data = nullptr;
        return Literal("null");
      default:
        return ParseNumber(out);
    }
  }

  bool ParseObject(Value& out, int depth) {
    ++at_;  // '{'
    Object object;
    SkipBlanks();
    if (at_ < text_.size() && text_[at_] == '}') {
      ++at_;
      out.Data = std::move(object);
      return true;
    }
    while (true) {
      SkipBlanks();
      if (at_ >= text_.size() || text_[at_] != '"') {
        return Fail("a member name in double quotes is expected");
      }
      std::string name;
      if (!ParseString(name)) {
        return false;
      }
      if (Find(object, name) != nullptr) {
        return Fail("the member \"" + name + "\" appears twice");
      }
      SkipBlanks();
      if (at_ >= text_.size() || text_[at_] != ':') {
        return Fail("a colon is expected after a member name");
      }
      ++at_;
      Value value;
      if (!ParseValue(value, depth + 1)) {
        return false;
      }
      object.emplace_back(std::move(name), std::move(value));
      SkipBlanks();
      if (at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        continue;
      }
      if (at_ < text_.size() && text_[at_] == '}') {
        ++at_;
        out.Data = std::move(object);
        return true;
      }
      return Fail("a comma or a closing brace is expected");
    }
  }

  bool ParseArray(Value& out, int depth) {
    ++at_;  // '['
    Array array;
    SkipBlanks();
    if (at_ < text_.size() && text_[at_] == ']') {
      ++at_;
      out.Data = std::move(array);
      return true;
    }
    while (true) {
      Value value;
      if (!ParseValue(value, depth + 1)) {
        return false;
      }
      array.push_back(std::move(value));
      SkipBlanks();
      if (at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        continue;
      }
      if (at_ < text_.size() && text_[at_] == ']') {
        ++at_;
        out.Data = std::move(array);
        return true;
      }
      return Fail("a comma or a closing bracket is expected");
    }
  }

  bool Hex4(unsigned& code) {
    if (at_ + 4 > text_.size()) {
      return Fail("a \\u escape needs four hexadecimal digits");
    }
    code = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      code <<= 4;
      if (c >= '0' && c <= '9') {
        code |= static_cast<unsigned>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        code |= static_cast<unsigned>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        code |= static_cast<unsigned>(c - 'A' + 10);
      } else {
        return Fail("a \\u escape needs four hexadecimal digits");
      }
    }
    return true;
  }

  static void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  // One UTF-8 sequence copied as it is, checked for shape (RFC 3629).
  bool CopyUtf8(std::string& out) {
    const auto lead = static_cast<unsigned char>(text_[at_]);
    int length = 0;
    unsigned code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      code = lead & 0x07u;
    } else {
      return Fail("the text is not UTF-8");
    }
    if (at_ + static_cast<std::size_t>(length) > text_.size()) {
      return Fail("the text is not UTF-8");
    }
    for (int i = 1; i < length; ++i) {
      const auto next = static_cast<unsigned char>(text_[at_ + static_cast<std::size_t>(i)]);
      if ((next & 0xC0u) != 0x80u) {
        return Fail("the text is not UTF-8");
      }
      code = (code << 6) | (next & 0x3Fu);
    }
    const unsigned smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return Fail("the text is not UTF-8");
    }
    out.append(text_.substr(at_, static_cast<std::size_t>(length)));
    at_ += static_cast<std::size_t>(length);
    return true;
  }

  bool ParseString(std::string& out) {
    ++at_;  // opening quote
    while (true) {
      if (at_ >= text_.size()) {
        return Fail("a text is not closed");
      }
      const char c = text_[at_];
      if (c == '"') {
        ++at_;
        return true;
      }
      if (static_cast<unsigned char>(c) < 0x20) {
        return Fail("a control character stands in a text");
      }
      if (static_cast<unsigned char>(c) >= 0x80) {
        if (!CopyUtf8(out)) {
          return false;
        }
        continue;
      }
      ++at_;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) {
        return Fail("a text is not closed");
      }
      const char escape = text_[at_++];
      switch (escape) {
        case '"':
        case '\\':
        case '/':
          out += escape;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          unsigned code = 0;
          if (!Hex4(code)) {
            return false;
          }
          if (code >= 0xDC00 && code <= 0xDFFF) {
            return Fail("a lone low surrogate");
          }
          if (code >= 0xD800 && code <= 0xDBFF) {
            unsigned low = 0;
            if (text_.substr(at_, 2) != "\\u") {
              return Fail("a lone high surrogate");
            }
            at_ += 2;
            if (!Hex4(low)) {
              return false;
            }
            if (low < 0xDC00 || low > 0xDFFF) {
              return Fail("a lone high surrogate");
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          }
          AppendUtf8(out, code);
          break;
        }
        default:
          return Fail("an unknown escape in a text");
      }
    }
  }

  bool ParseNumber(Value& out) {
    // The grammar first (no leading '+', no leading zeros, digits after '.' and 'e'),
    // then the conversion.
    const std::size_t start = at_;
    auto digits = [&] {
      const std::size_t from = at_;
      while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
        ++at_;
      }
      return at_ - from;
    };
    if (at_ < text_.size() && text_[at_] == '-') {
      ++at_;
    }
    if (at_ < text_.size() && text_[at_] == '0') {
      ++at_;
    } else if (digits() == 0) {
      return Fail("a value is expected");
    }
    if (at_ < text_.size() && text_[at_] == '.') {
      ++at_;
      if (digits() == 0) {
        return Fail("digits are expected after a decimal point");
      }
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) {
        ++at_;
      }
      if (digits() == 0) {
        return Fail("digits are expected in an exponent");
      }
    }
    double number = 0.0;
    const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + at_, number);
    if (error != std::errc() || end != text_.data() + at_ || !std::isfinite(number)) {
      at_ = start;
      return Fail("a number out of range");
    }
    out.Data = number;
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::string error_;
};

void WriteString(std::string& out, const std::string& text) {
  out += '"';
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
          out += escape;
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void WriteValue(std::string& out, const Value& value, int indent) {
  const std::string inner(static_cast<std::size_t>(indent + 1) * 2, ' ');
  const std::string outer(static_cast<std::size_t>(indent) * 2, ' ');
  if (value.IsNull()) {
    out += "null";
  } else if (const bool* flag = value.AsBool()) {
    out += *flag ? "true" : "false";
  } else if (const double* number = value.AsNumber()) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, *number);
    out.append(buffer, result.ptr);
  } else if (const std::string* text = value.AsString()) {
    WriteString(out, *text);
  } else if (const Array* array = value.AsArray()) {
    if (array->empty()) {
      out += "[]";
      return;
    }
    out += "[\n";
    for (std::size_t i = 0; i < array->size(); ++i) {
      out += inner;
      WriteValue(out, (*array)[i], indent + 1);
      out += i + 1 < array->size() ? ",\n" : "\n";
    }
    out += outer + "]";
  } else if (const Object* object = value.AsObject()) {
    if (object->empty()) {
      out += "{}";
      return;
    }
    out += "{\n";
    for (std::size_t i = 0; i < object->size(); ++i) {
      out += inner;
      WriteString(out, (*object)[i].first);
      out += ": ";
      WriteValue(out, (*object)[i].second, indent + 1);
      out += i + 1 < object->size() ? ",\n" : "\n";
    }
    out += outer + "}";
  }
}

}  // namespace

FormResult<Value> Parse(std::string_view text) {
  return Parser(text).Run();
}

std::string Write(const Value& value) {
  std::string out;
  WriteValue(out, value, 0);
  return out;
}

const Value* Find(const Object& object, std::string_view name) {
  for (const Member& member : object) {
    if (member.first == name) {
      return &member.second;
    }
  }
  return nullptr;
}

}  // namespace lumora::json

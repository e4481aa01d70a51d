#include "cli/cli_io.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>

namespace lumora::cli {

std::vector<Json> ReadInputs(const std::string& input_file) {
  std::string text;
  if (input_file.empty()) {
    std::ostringstream buffer;
    buffer << std::cin.rdbuf();
    text = buffer.str();
  } else {
    std::ifstream file(input_file, std::ios::binary);
    if (!file) {
      throw UsageError("cannot read input file: " + input_file);
    }
    std::ostringstream buffer;
    buffer << file.rdbuf();
    text = buffer.str();
  }

  std::vector<Json> inputs;
  // One object, possibly spread over several lines ...
  Json whole = Json::parse(text, nullptr, false);
  if (!whole.is_discarded()) {
    if (!whole.is_object()) {
      throw UsageError("the input must be a JSON object or JSON Lines of objects");
    }
    inputs.push_back(std::move(whole));
    return inputs;
  }
  // ... or JSON Lines, one object per line.
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    if (std::all_of(line.begin(), line.end(), [](unsigned char c) { return std::isspace(c); })) {
      continue;
    }
    Json value = Json::parse(line, nullptr, false);
    if (value.is_discarded() || !value.is_object()) {
      throw UsageError("input line " + std::to_string(number) + " is not a JSON object");
    }
    inputs.push_back(std::move(value));
  }
  if (inputs.empty()) {
    throw UsageError("no input: give a JSON object on standard input or with --input FILE");
  }
  return inputs;
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
    std::size_t width = key.size();
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
  write_row(keys);
  for (const Json& row : rows) {
    std::vector<std::string> cells;
    for (const std::string& key : keys) {
      cells.push_back(row.contains(key) ? Cell(row[key]) : "");
    }
    write_row(cells);
  }
}

void WriteReadable(std::ostream& out, const Json& object, const std::string& indent) {
  std::size_t width = 0;
  for (const auto& item : object.items()) {
    width = std::max(width, item.key().size());
  }
  for (const auto& item : object.items()) {
    const std::string label = indent + item.key() + ":";
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
      out << label << std::string(width - item.key().size() + 1, ' ') << Cell(value) << '\n';
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
      WriteResult(std::cout, command(input), json);
    } catch (const Rejection& rejection) {
      status = 2;
      WriteResult(std::cout, ErrorObject(rejection), json);
    }
  }
  return status;
}

int IntField(const Json& input, const char* key, std::optional<int> fallback) {
  if (!input.contains(key) || input[key].is_null()) {
    if (fallback) {
      return *fallback;
    }
    throw Rejection(std::string(key) + " is required");
  }
  const Json& value = input[key];
  if (value.is_number_integer()) {
    const auto n = value.get<long long>();
    if (n < -100000 || n > 100000) {
      throw Rejection(std::string(key) + " is out of range");
    }
    return static_cast<int>(n);
  }
  if (value.is_number_float()) {
    const double d = value.get<double>();
    if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) <= 100000) {
      return static_cast<int>(d);
    }
  }
  throw Rejection(std::string(key) + " must be a whole number");
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
    return std::to_string(input[key].get<long long>());
  }
  throw Rejection(std::string(key) + " must be a text");
}

}  // namespace lumora::cli

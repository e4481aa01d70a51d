// SPDX-License-Identifier: MIT
#include "core/vedic/rank/csv_reader.h"

#include <algorithm>
#include <cstring>

namespace lumora {

bool CsvReader::ReadLine(std::string& line) {
  line.clear();
  // A runaway line is kept only up to one byte past the limit (enough to refuse
  // it); the rest of it is skipped. The input is read a block at a time and each line
  // found in the block at once.
  bool any = false;
  for (;;) {
    if (next_ == filled_) {
      const std::streamsize got =
          in_.rdbuf()->sgetn(block_.data(), static_cast<std::streamsize>(block_.size()));
      if (got <= 0) {
        break;
      }
      next_ = 0;
      filled_ = static_cast<std::size_t>(got);
    }
    any = true;
    const char* start = block_.data() + next_;
    const auto* end = static_cast<const char*>(std::memchr(start, '\n', filled_ - next_));
    const std::size_t length =
        end != nullptr ? static_cast<std::size_t>(end - start) : filled_ - next_;
    if (line.size() <= kMaxRecordBytes) {
      line.append(start, std::min(length, kMaxRecordBytes + 1 - line.size()));
    }
    next_ += length;
    if (end != nullptr) {
      ++next_;
      break;
    }
  }
  if (!any) {
    return false;
  }
  ++line_;
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  if (first_line_) {
    first_line_ = false;
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) {
      line.erase(0, 3);
    }
  }
  return true;
}

std::optional<CsvRecord> CsvReader::Next() {
  std::string& line = line_text_;
  do {
    if (!ReadLine(line)) {
      return std::nullopt;
    }
  } while (line.empty());

  CsvRecord record;
  record.Line = line_;
  record.Fields.reserve(fields_seen_);
  std::string field;
  std::size_t bytes = line.size();
  bool quoted = false;      // inside a quoted field
  bool was_quoted = false;  // the current field began with a quote
  std::size_t i = 0;
  for (;;) {
    if (i == line.size()) {
      if (!quoted) {
        record.Fields.push_back(std::move(field));
        break;
      }
      // A quoted field goes on over the line break.
      if (!ReadLine(line)) {
        record.Fault = "a quoted field is not closed before the end of the file";
        break;
      }
      bytes += line.size() + 1;
      if (bytes > kMaxRecordBytes) {
        record.Fault = "the row is longer than 65536 bytes";
        break;
      }
      field.push_back('\n');
      i = 0;
      continue;
    }
    const char c = line[i++];
    if (quoted) {
      if (c != '"') {
        field.push_back(c);
      } else if (i < line.size() && line[i] == '"') {
        field.push_back('"');
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == ',') {
      record.Fields.push_back(std::move(field));
      field.clear();
      was_quoted = false;
    } else if (c == '"' && field.empty() && !was_quoted) {
      quoted = true;
      was_quoted = true;
    } else if (was_quoted) {
      record.Fault =
          "text follows the closing quote of field " + std::to_string(record.Fields.size() + 1);
      break;
    } else {
      // An unquoted field runs to the next comma, quotes and all.
      const std::size_t from = i - 1;
      const std::size_t comma = line.find(',', from);
      i = comma == std::string::npos ? line.size() : comma;
      field.append(line, from, i - from);
    }
  }
  if (!record.Fault && bytes > kMaxRecordBytes) {
    record.Fault = "the row is longer than 65536 bytes";
  }
  if (record.Fault) {
    record.Fields.clear();
  }
  fields_seen_ = std::max(fields_seen_, record.Fields.size());
  return record;
}

}  // namespace lumora

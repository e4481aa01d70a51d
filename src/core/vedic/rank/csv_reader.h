// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace lumora {

// One record of a CSV file (RFC 4180 with the usual leniencies).
struct CsvRecord {
  int Line = 0;  // the physical line the record starts on, counted from 1
  std::vector<std::string> Fields;
  std::optional<std::string> Fault;  // why the record cannot be read, when it cannot
};

// Reads CSV one record at a time, so memory stays the size of one record however
// long the file: UTF-8 with or without a byte-order mark, LF or CR LF line ends,
// fields in double quotes holding commas, line breaks and doubled quotes. Lines
// with nothing on them are skipped. A record longer than kMaxRecordBytes is
// refused and the reader goes on at the next line.
class CsvReader {
 public:
  static constexpr std::size_t kMaxRecordBytes = 64 * 1024;

  explicit CsvReader(std::istream& in) : in_(in) {}

  // The next record; nothing at the end of the input.
  std::optional<CsvRecord> Next();

 private:
  bool ReadLine(std::string& line);

  std::istream& in_;
  int line_ = 0;
  bool first_line_ = true;
  std::vector<char> block_ = std::vector<char>(std::size_t{1} << 16);  // read, not yet taken
  std::size_t next_ = 0;
  std::size_t filled_ = 0;
  std::string line_text_;        // the line being read, its room kept from one record to the next
  std::size_t fields_seen_ = 8;  // the most fields of a record so far, reserved for the next
};

}  // namespace lumora

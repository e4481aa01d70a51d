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
};

}  // namespace lumora

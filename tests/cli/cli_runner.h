// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace lumora::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
  // Standard output parsed as JSON Lines.
  std::vector<nlohmann::ordered_json> Lines() const;
};

// Runs lumora-cli with the arguments, feeding stdin_text on standard input; with
// as_nobody (and a superuser running the tests) as the unprivileged user "nobody", so
// that file permissions count; with timeout_seconds, killed after that long (a run that
// would block for good then fails instead of hanging the tests).
CliRun RunCli(const std::string& arguments, const std::string& stdin_text, bool as_nobody = false,
              int timeout_seconds = 0);

// A file of the CLI's test fixtures: its path, and its bytes.
std::string FixturePath(const std::string& name);
std::string Fixture(const std::string& name);

// The whole of a file; empty when it cannot be read.
std::string FileBytes(const std::string& path);

// A fresh folder for the files of one test, removed afterwards.
class ScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string Bytes(const std::string& path) { return FileBytes(path); }
  static void Put(const std::string& path, const std::string& bytes);
  // How many entries the folder holds.
  std::size_t FileCount() const;

  std::filesystem::path dir_;
};

}  // namespace lumora::testing

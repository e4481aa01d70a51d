// SPDX-License-Identifier: MIT
#include "cli_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace lumora::testing {

std::vector<nlohmann::ordered_json> CliRun::Lines() const {
  std::vector<nlohmann::ordered_json> lines;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty()) {
      lines.push_back(nlohmann::ordered_json::parse(line));
    }
  }
  return lines;
}

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream buffer;
  buffer << file.rdbuf();
  return buffer.str();
}

void ScratchFolder::SetUp() {
  char pattern[] = "/tmp/lumora-cli-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  dir_ = pattern;
}

void ScratchFolder::TearDown() {
  std::filesystem::remove_all(dir_);
}

void ScratchFolder::Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::size_t ScratchFolder::FileCount() const {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir_),
                                                std::filesystem::directory_iterator()));
}

CliRun RunCli(const std::string& arguments, const std::string& stdin_text, bool as_nobody,
              int timeout_seconds) {
  char in_path[] = "/tmp/lumora-cli-in-XXXXXX";
  char out_path[] = "/tmp/lumora-cli-out-XXXXXX";
  char err_path[] = "/tmp/lumora-cli-err-XXXXXX";
  const int in_fd = mkstemp(in_path);
  const int out_fd = mkstemp(out_path);
  const int err_fd = mkstemp(err_path);
  if (write(in_fd, stdin_text.data(), stdin_text.size()) !=
      static_cast<ssize_t>(stdin_text.size())) {
    return {};
  }
  close(in_fd);
  close(out_fd);
  close(err_fd);
  // The shell opens the redirections before setpriv gives up the privileges.
  const std::string user =
      as_nobody && geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  const std::string limit =
      timeout_seconds > 0 ? "timeout -s KILL " + std::to_string(timeout_seconds) + " " : "";
  const std::string command = limit + user + "'" + LUMORA_CLI_PATH + "' " + arguments + " <" +
                              in_path + " >" + out_path + " 2>" + err_path;
  const int raw = std::system(command.c_str());
  CliRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = FileBytes(out_path);
  run.err = FileBytes(err_path);
  std::remove(in_path);
  std::remove(out_path);
  std::remove(err_path);
  return run;
}

std::string FixturePath(const std::string& name) {
  return std::string(LUMORA_CLI_FIXTURES) + "/" + name;
}

std::string Fixture(const std::string& name) {
  return FileBytes(FixturePath(name));
}

}  // namespace lumora::testing

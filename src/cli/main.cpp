// SPDX-License-Identifier: MIT
// lumora-cli: the computation core of Lumora without any window.
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/run_cli.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const int status = lumora::cli::RunCli(arguments, std::cin, std::cout, std::cerr);
  // Output that never arrived (a full disk, /dev/full, a closed pipe) is a failure, not
  // a success: everything is flushed and checked before the status is given.
  errno = 0;
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "lumora-cli: cannot write to standard output"
              << (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()) << '\n';
    return 1;
  }
  return status;
}

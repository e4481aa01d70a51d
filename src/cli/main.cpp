// SPDX-License-Identifier: MIT
// lumora-cli: the computation core of Lumora without any window.
#include <iostream>
#include <string>
#include <vector>

#include "cli/run_cli.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return lumora::cli::RunCli(arguments, std::cin, std::cout, std::cerr);
}

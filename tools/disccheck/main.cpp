#include <iostream>

#include "Disccheck.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return launcher::disccheck::Run(args, std::cout, std::cerr);
}

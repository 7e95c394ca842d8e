// Build step: make the program's folder tree with its templates, keeping what exists.
#include <iostream>

#include "core/files/DataTree.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: yardmark-layout PROGRAM_DIR\n";
    return 2;
  }
  try {
    yardmark::layOutTree(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "yardmark-layout: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

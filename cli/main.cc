#include <iostream>

#include "cli/rekicalc_app.h"

int main(int argc, char** argv) {
  return reki::cli::RunRekicalc(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                std::cerr);
}

#pragma once
// Page file names for the reading tests.

#include <string>

#include "reading/page_files.h"

namespace daub::test {

// `model` with its four page digits set to n.
inline std::string page_name(int n, std::string model = "page0000.skl") {
  setpagenumber(n, model);
  return model;
}

}  // namespace daub::test

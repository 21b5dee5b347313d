// Golden files of tests/data.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace kov {

inline std::string ReadTestData(const std::string& name) {
    std::ifstream in(std::string(KOV_TEST_DATA) + "/" + name, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace kov

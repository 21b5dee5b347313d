// A clipboard held in memory; a test can make it refuse data.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/clipboard.h"

namespace kov::fakes {

class FakeClipboard : public platform::Clipboard {
  public:
    std::optional<std::string> GetText() override {
        ++textReads;
        return text;
    }
    std::optional<std::vector<std::string>> GetFiles() override { return files; }
    bool SetText(std::string_view value) override {
        files.reset();
        text.reset();
        if (refuses) return false;
        text = std::string(value.substr(0, value.find('\0')));
        return true;
    }

    std::optional<std::string> text;
    std::optional<std::vector<std::string>> files;
    bool refuses = false;
    int textReads = 0;
};

}  // namespace kov::fakes

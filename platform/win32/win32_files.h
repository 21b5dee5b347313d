#pragma once

#include "platform/files.h"

namespace kov::win32 {

class Win32Files : public platform::Files {
  public:
    bool IsOrdinaryFile(const std::string& path) override;
    std::optional<std::string> sReadWholeFile(const std::string& path,
                                              std::string* whyNot = nullptr) override;
    bool WriteNewFile(const std::string& path, std::string_view content) override;
    bool ReplaceFile(const std::string& path, std::string_view content) override;
    bool FileExists(const std::string& path) override;
    bool AppendToFile(const std::string& path, std::string_view bytes) override;
    bool DeleteFile(const std::string& path) override;
    std::optional<bool> ExistsOnLocalDrive(const std::string& path) override;

  private:
    // Whether each drive letter is a local disk: unknown until asked once.
    enum class Drive : unsigned char { Unknown, Local, Other };
    Drive drives_[26] = {};
};

}  // namespace kov::win32

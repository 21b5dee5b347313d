// The file operations the logic needs, in terms of whole texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/text_encoding.h"

namespace kov::platform {

class Files {
  public:
    virtual ~Files() = default;
    // True when a file-name search finds an ordinary file: folders and hidden or system files do
    // not count.
    virtual bool IsOrdinaryFile(const std::string& path) = 0;
    // The whole content as bytes; nullopt when it cannot be opened or read, with the system's
    // reason in whyNot when that is asked for.
    virtual std::optional<std::string> sReadWholeFile(const std::string& path,
                                                      std::string* whyNot = nullptr) = 0;
    // Creates the file with the content; false, touching nothing, when a file of that name exists.
    virtual bool WriteNewFile(const std::string& path, std::string_view content) = 0;
    // Writes the content to a new file beside path and only then puts it in path's place, so a
    // failure half-way leaves the old file whole.
    virtual bool ReplaceFile(const std::string& path, std::string_view content) = 0;
    // True when a file (not a folder) of that name exists, whatever its attributes.
    virtual bool FileExists(const std::string& path) = 0;
    // Adds the bytes at the end of an existing file without rewriting it; false when the file is
    // missing or cannot be written.
    virtual bool AppendToFile(const std::string& path, std::string_view bytes) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;
    // Whether a file or folder of that name exists, for a path on a local drive; nullopt for any
    // other path (a network path, a relative name), which is not looked at.
    virtual std::optional<bool> ExistsOnLocalDrive(const std::string& path) = 0;
};

// The file's text decoded to UTF-8, with the encoding it was found in; nullopt when it cannot be
// read.
inline std::optional<DecodedText> ReadTextFile(Files& files, const AnsiCodePage& ansi,
                                               const std::string& path) {
    const auto bytes = files.sReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return DecodeText(*bytes, ansi);
}

}  // namespace kov::platform

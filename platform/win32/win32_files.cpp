#include "platform/win32/win32_files.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <cctype>

#include "core/device_names.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

bool Win32Files::IsOrdinaryFile(const std::string& path) {
    // Some systems' file search finds devices; reading one would hang or read nothing.
    if (path.empty() || IsDeviceName(path)) return false;
    WIN32_FIND_DATAW data;
    UniqueFind find(FindFirstFileW(WidePath(path).c_str(), &data));
    if (!find) return false;
    constexpr DWORD kNotOrdinary =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
        if ((data.dwFileAttributes & kNotOrdinary) == 0) return true;
    } while (FindNextFileW(find.get(), &data));
    return false;
}

namespace {

// The system's words for why the last call failed, without the line end it puts after them.
std::optional<std::string> Failed(std::string* whyNot) {
    const DWORD error = GetLastError();
    if (whyNot == nullptr) return std::nullopt;
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    *whyNot =
        length > 0 ? Narrow(std::wstring_view(text, length)) : "error " + std::to_string(error);
    LocalFree(text);
    while (!whyNot->empty() && std::isspace(static_cast<unsigned char>(whyNot->back()))) {
        whyNot->pop_back();
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> Win32Files::sReadWholeFile(const std::string& path,
                                                      std::string* whyNot) {
    UniqueFile file(CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.get(), &size)) return Failed(whyNot);
    if (size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > std::string().max_size()) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return Failed(whyNot);
    }
    std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < content.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 24));
        DWORD read = 0;
        if (!ReadFile(file.get(), content.data() + done, chunk, &read, nullptr)) {
            return Failed(whyNot);
        }
        if (read == 0) break;  // the file shrank while being read
        done += read;
    }
    content.resize(done);
    return content;
}

namespace {

bool WriteAll(HANDLE file, std::string_view content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 24));
        DWORD written = 0;
        if (!WriteFile(file, content.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

bool Win32Files::WriteNewFile(const std::string& path, std::string_view content) {
    const auto wide = WidePath(path);
    // Create-new: a file of that name, whoever made it, is never emptied or overwritten.
    UniqueFile file(CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    if (WriteAll(file.get(), content)) return true;
    file.reset();
    DeleteFileW(wide.c_str());  // made here, half written
    return false;
}

bool Win32Files::ReplaceFile(const std::string& path, std::string_view content) {
    if (path.empty()) return false;
    // A read-only file is the user's word that it stays as it is (not every system's move
    // refuses to replace one).
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return false;
    }
    // The new content is complete on disk before the old file goes, under a name of its own:
    // a file left by someone else beside it is not touched.
    for (int n = 0; n < 100; ++n) {
        const std::string fresh = path + ".new~" + (n > 0 ? std::to_string(n) : std::string());
        if (!WriteNewFile(fresh, content)) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return false;
        }
        if (MoveFileExW(WidePath(fresh).c_str(), WidePath(path).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        DeleteFileW(WidePath(fresh).c_str());
        return false;
    }
    return false;
}

bool Win32Files::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::AppendToFile(const std::string& path, std::string_view bytes) {
    // Append-only access: every write lands at the end, and nothing before it is touched.
    UniqueFile file(CreateFileW(WidePath(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteAll(file.get(), bytes);
}

bool Win32Files::DeleteFile(const std::string& path) {
    return DeleteFileW(WidePath(path).c_str()) != FALSE;
}

std::optional<bool> Win32Files::ExistsOnLocalDrive(const std::string& path) {
    const auto letter = path.empty() ? 0 : (path[0] | 0x20) - 'a';
    if (path.size() < 3 || letter < 0 || letter >= 26 || path[1] != ':' ||
        (path[2] != '\\' && path[2] != '/')) {
        return std::nullopt;
    }
    // Asking the DOS device costs a fraction of asking the drive type, which some systems answer
    // slowly, and says as much.
    auto& drive = drives_[letter];
    if (drive == Drive::Unknown) {
        const wchar_t name[] = {static_cast<wchar_t>(L'A' + letter), L':', L'\0'};
        wchar_t target[MAX_PATH] = {};
        drive = QueryDosDeviceW(name, target, MAX_PATH) != 0 && IsLocalDiskDevice(Narrow(target))
                    ? Drive::Local
                    : Drive::Other;
    }
    // Mapped network drives and disc drives could keep the user waiting; they are not checked.
    if (drive != Drive::Local) return std::nullopt;
    return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace kov::win32

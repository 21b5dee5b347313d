// A program for the runner's tests to run: "lines N [code]" writes N lines and ends with the exit
// code, "look" tells how it was started, "forever" starts a copy of itself that sleeps and then
// sleeps too, "flood" writes without end.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void Write(const std::string& text) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
              &written, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "lines") {
        const int count = argc > 2 ? std::atoi(argv[2]) : 1;
        for (int n = 1; n <= count; ++n) Write("line " + std::to_string(n) + "\r\n");
    } else if (mode == "look") {
        STARTUPINFOW startup{};
        GetStartupInfoW(&startup);
        char input[16];
        DWORD read = 1;
        const bool inputEnds =
            !ReadFile(GetStdHandle(STD_INPUT_HANDLE), input, sizeof input, &read, nullptr) ||
            read == 0;
        Write("console " + std::to_string(GetConsoleWindow() != nullptr) + " show " +
              std::to_string(startup.wShowWindow) + " input ends " + std::to_string(inputEnds));
    } else if (mode == "forever") {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring line = L"\"" + std::wstring(self) + L"\" sleep";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION child{};
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &child);
        Sleep(INFINITE);
    } else if (mode == "sleep") {
        Sleep(INFINITE);
    } else if (mode == "flood") {
        const std::string block(4096, 'x');
        for (;;) Write(block);
    }
    return argc > 3 ? std::atoi(argv[3]) : 0;
}

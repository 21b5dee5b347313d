// Time per line of reading and building menu files of growing size through the recording fakes;
// the builder must stay linear in the file size, whatever the line ends, and a file full of
// mistakes or cut into sections for programs cost little more.
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tests/fakes/fake_menu_file.h"

namespace {

std::string MenuFileOfLines(int count, const std::string& lineEnd = "\r\n") {
    static const char* const kLines[] = {
        "Notepad\tnotepad.exe||%windir%|2",
        "; a comment",
        "-",
        "[Tools",
        "\tCalculator\tcalc.exe",
        "\t\xA6gHeading",
        "\t]",
        "@TextColor 10, 20, 30",
        "Search\thttp://www.example.com/?q=\xA6s",
        "",
    };
    std::string text;
    for (int i = 0; i < count; ++i) text += kLines[i % 10] + lineEnd;
    return text;
}

// Half settings, half items: each line with a mistake, or the same line without it.
std::string LinesWithProblems(int count, bool problems) {
    std::string text;
    for (int i = 0; i < count; i += 2) {
        text += std::string(problems ? "@BGMenuColour " : "@BGMenuColor ") + "1, 2, 3\r\n";
        text += "Item " + std::to_string(i) + (problems ? "" : "\tnotepad.exe") + "\r\n";
    }
    return text;
}

// Sections of ten lines for the program in front, or the same lines with a comment in place of
// each section line.
std::string LinesInSections(int count, bool sections) {
    const std::string first = sections ? "@ForPrograms *code*.exe; class=CabinetWClass; notepad.exe"
                                       : "; *code*.exe; class=CabinetWClass; notepad.exe";
    std::string text;
    for (int i = 0; i < count; i += 10) {
        text += first + "\r\n" + MenuFileOfLines(9);
    }
    return text;
}

// Other files the menu file may include, by path.
using Files = std::vector<std::pair<std::string, std::string>>;

double NanosecondsPerLine(const std::string& text, int lines, int repetitions,
                          const Files& others = {},
                          const kov::platform::WindowInFront& front = {}) {
    double best = 1e300;
    for (int r = 0; r < repetitions; ++r) {
        kov::fakes::FakePlatform fake;
        fake.platform.front = front;
        fake.files.files["C:\\m.mnu"] = text;
        for (const auto& [path, content] : others) fake.files.files[path] = content;
        kov::fakes::FakeMenuFile menuFile(fake);
        const auto root = fake.menus.CreatePopupMenu();
        const auto start = std::chrono::steady_clock::now();
        const auto lines_read = menuFile.Read("C:\\m.mnu", root);
        const auto end = std::chrono::steady_clock::now();
        if (!lines_read) return -1;
        best = std::min(best, std::chrono::duration<double, std::nano>(end - start).count());
    }
    return best / lines;
}

}  // namespace

int main() {
    const struct {
        int lines;
        int repetitions;
    } sizes[] = {{2000, 50}, {100000, 5}, {1000000, 2}};
    double first = 0;
    for (const auto& size : sizes) {
        const double perLine =
            NanosecondsPerLine(MenuFileOfLines(size.lines), size.lines, size.repetitions);
        if (first == 0) first = perLine;
        std::printf("%8d lines: %7.1f ns per line (%.2f x the 2,000-line figure)\n", size.lines,
                    perLine, perLine / first);
    }
    const double clean = NanosecondsPerLine(LinesWithProblems(2000, false), 2000, 50);
    const double problems = NanosecondsPerLine(LinesWithProblems(2000, true), 2000, 50);
    std::printf("2,000 problems in 2,000 lines: %.2f x the same file without them\n",
                problems / clean);
    const kov::platform::WindowInFront notepad{1, "notepad.exe", "Notepad"};
    const double plain = NanosecondsPerLine(LinesInSections(2000, false), 2000, 50, {}, notepad);
    const double inSections =
        NanosecondsPerLine(LinesInSections(2000, true), 2000, 50, {}, notepad);
    std::printf(
        "2,000 lines in 200 sections for the program in front: %.2f x the same lines "
        "without sections\n",
        inSections / plain);
    // Old Mac line ends read as fast as Windows ones.
    const double crOnly = NanosecondsPerLine(MenuFileOfLines(200000, "\r"), 200000, 5);
    const double crLf = NanosecondsPerLine(MenuFileOfLines(200000), 200000, 5);
    std::printf("200,000 lines, CR only: %.2f x the time with CR LF\n", crOnly / crLf);

    // The same 2,000 lines in 8 included files, and behind 20 "¦o" lines whose programs only
    // run when their submenus open.
    const auto lines = MenuFileOfLines(2000);
    Files parts;
    std::string includes, generators;
    for (int part = 0; part < 8; ++part) {
        const auto path = "C:\\part" + std::to_string(part) + ".mnu";
        parts.emplace_back(path, MenuFileOfLines(250));
        includes += "@Include " + path + "\r\n";
    }
    for (int n = 0; n < 20; ++n)
        generators += "\xA6oGenerated|C:\\gen" + std::to_string(n) + ".exe\r\n";
    const double oneFile = NanosecondsPerLine(lines, 2000, 50);
    std::printf("2,000 lines in 8 included files: %.2f x the same lines in one file\n",
                NanosecondsPerLine(includes, 2000, 50, parts) / oneFile);
    std::printf("20 unopened generator lines before them: %.2f x without\n",
                NanosecondsPerLine(generators + lines, 2000, 50) / oneFile);
}

#include "menufile/program_sections.h"

#include <algorithm>
#include <string>

#include "core/text.h"
#include "core/utf8.h"
#include "menufile/settings_directives.h"

namespace kov {

namespace {

constexpr std::string_view kClassPrefix = "class=";

// Folded, into a buffer kept from pattern to pattern, so that a line of patterns allocates nothing.
void FoldedCodePoints(std::string_view text, std::u32string& points) {
    points.clear();
    for (std::size_t at = 0; at < text.size();) {
        const auto point = DecodeUtf8At(text, at);
        points.push_back(FoldCase(point.value));
        at += point.length;
    }
}

std::string_view TrimmedBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "*" and "?" over code points; each star is tried forward from where the last one matched, so a
// pattern costs at most its length times the name's.
bool Glob(std::u32string_view name, std::u32string_view pattern) {
    std::size_t n = 0, p = 0;
    std::size_t starAt = std::u32string_view::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == U'*') {
            starAt = p++;
            resumeAt = n;
        } else if (starAt != std::u32string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*') ++p;
    return p == pattern.size();
}

// A window class needs a name; a program file name cannot hold a folder or these characters.
bool Readable(std::string_view pattern) {
    if (StartsWithNoCase(pattern, kClassPrefix)) return pattern.size() > kClassPrefix.size();
    return pattern.find_first_of("\\/:\"<>|") == std::string_view::npos;
}

}  // namespace

ProgramSections::ProgramSections(const platform::WindowInFront& front, bool everySection)
    : front_(front), everySection_(everySection) {
    FoldedCodePoints(front.program, program_);
}

bool ProgramSections::Matches(std::string_view pattern) {
    if (front_.handle == 0) return false;
    if (StartsWithNoCase(pattern, kClassPrefix)) {
        return EqualsNoCase(pattern.substr(kClassPrefix.size()), front_.className);
    }
    FoldedCodePoints(pattern, pattern_);
    return Glob(program_, pattern_);
}

bool ProgramSections::Keeps(std::string_view line, const LineOrigin& origin,
                            MenuProblems& problems) {
    if (line.starts_with('[')) {
        ++depth_;
    } else if (line.starts_with(']')) {
        if (section_.line != 0 && depth_ == sectionDepth_ && depth_ > 0) {
            problems.Add(origin, "] closes a submenu opened before the @ForPrograms section of " +
                                     SectionPlace());
            --sectionDepth_;
        }
        if (depth_ > 0) --depth_;
    } else if (!line.starts_with('@')) {
        return kept_;
    } else if (const auto patterns = SettingValue(line, kForProgramsKey)) {
        StartSection(*patterns, origin, problems);
        return false;
    }
    return kept_;
}

std::string ProgramSections::SectionPlace() const {
    const auto place = "line " + std::to_string(section_.line);
    if (section_.file.empty()) return place;
    return place + " of " + section_.file.substr(section_.file.find_last_of('\\') + 1);
}

void ProgramSections::StartSection(std::string_view patterns, const LineOrigin& origin,
                                   MenuProblems& problems) {
    if (section_.line != 0 && depth_ > sectionDepth_) {
        problems.Add(origin, "a submenu opened in the @ForPrograms section of " + SectionPlace() +
                                 " is still open where it ends");
    }
    sectionDepth_ = depth_;
    const auto list = TrimmedBlanks(patterns);
    if (list.empty()) {
        section_ = {};
        kept_ = true;
        return;
    }
    section_ = origin;
    bool any = false;
    bool matched = false;
    for (std::size_t start = 0; start <= list.size();) {
        const auto end = std::min(list.find(';', start), list.size());
        const auto pattern = TrimmedBlanks(list.substr(start, end - start));
        start = end + 1;
        if (pattern.empty()) continue;
        any = true;
        if (!Readable(pattern)) {
            problems.Add(origin, "@ForPrograms: cannot read the pattern " + Quote(pattern));
        } else if (!matched && !everySection_) {
            matched = Matches(pattern);
        }
    }
    if (!any) problems.Add(origin, "@ForPrograms: the pattern list is empty");
    kept_ = everySection_ || matched;
}

}  // namespace kov

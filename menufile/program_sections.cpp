#include "menufile/program_sections.h"

#include <string>
#include <vector>

#include "core/text.h"
#include "core/utf8.h"
#include "menufile/settings_directives.h"
#include "menufile/text_helpers.h"

namespace kov {

namespace {

constexpr std::string_view kClassPrefix = "class=";

std::u32string CodePoints(std::string_view text) {
    std::u32string points;
    for (std::size_t at = 0; at < text.size();) {
        const auto point = DecodeUtf8At(text, at);
        points.push_back(FoldCase(point.value));
        at += point.length;
    }
    return points;
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

bool MatchesProgramPattern(std::string_view pattern, const platform::WindowInFront& front) {
    if (front.handle == 0) return false;
    if (StartsWithNoCase(pattern, kClassPrefix)) {
        return EqualsNoCase(pattern.substr(kClassPrefix.size()), front.className);
    }
    return Glob(CodePoints(front.program), CodePoints(pattern));
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
    const auto list = sTrimBlanks(patterns);
    if (list.empty()) {
        section_ = {};
        kept_ = true;
        return;
    }
    section_ = origin;
    bool any = false;
    bool matched = false;
    for (const auto& piece : SplitText(list, ";")) {
        const auto pattern = sTrimBlanks(piece);
        if (pattern.empty()) continue;
        any = true;
        if (!Readable(pattern)) {
            problems.Add(origin, "@ForPrograms: cannot read the pattern " + Quote(pattern));
        } else if (!matched && !everySection_) {
            matched = MatchesProgramPattern(pattern, front_);
        }
    }
    if (!any) problems.Add(origin, "@ForPrograms: the pattern list is empty");
    kept_ = everySection_ || matched;
}

}  // namespace kov

#include "menufile/date_format.h"

#include <array>
#include <chrono>
#include <cstdio>

#include "core/text.h"

namespace kov {

namespace {

using platform::LocalDateTime;

int DayOfYear(const LocalDateTime& time) {
    using namespace std::chrono;
    const auto monthNumber = time.month < 1 || time.month > 12 ? 1 : time.month;
    const year_month yearMonth = year{time.year} / month{static_cast<unsigned>(monthNumber)};
    const sys_days monthStart{yearMonth / 1d};
    const sys_days yearStart{year{time.year} / January / 1d};
    return static_cast<int>((monthStart - yearStart).count()) + time.day;
}

int WeekOfYear(const LocalDateTime& time) {
    const int dayIndex = DayOfYear(time) - 1;
    const int january1Weekday = ((time.weekday - dayIndex) % 7 + 7) % 7;
    return (dayIndex + january1Weekday) / 7 + 1;
}

std::string Number(int value, bool twoDigits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, twoDigits ? "%02d" : "%d", value);
    return buffer;
}

// The twelve-hour designators, longest first so "AM/PM" is not read as "A/P" plus text.
struct Designator {
    std::string_view code;
    std::string_view am;
    std::string_view pm;
};
constexpr std::array<Designator, 5> kDesignators = {{
    {"AM/PM", "AM", "PM"},
    {"am/pm", "am", "pm"},
    {"AMPM", "", ""},  // the locale's own designators
    {"A/P", "A", "P"},
    {"a/p", "a", "p"},
}};

const Designator* DesignatorAt(std::string_view format, std::size_t at) {
    for (const auto& designator : kDesignators) {
        if (format.substr(at).starts_with(designator.code)) return &designator;
    }
    return nullptr;
}

bool HasDesignator(std::string_view format) {
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (DesignatorAt(format, i) != nullptr) return true;
    }
    return false;
}

class Formatter {
  public:
    Formatter(std::string_view format, const LocalDateTime& time, platform::Clock& clock)
        : format_(format), time_(time), clock_(clock), twelveHour_(HasDesignator(format)) {}

    std::string Run() {
        while (at_ < format_.size()) Step();
        return out_;
    }

  private:
    // Length of the run of one letter at the current position, at most limit.
    std::size_t Run(char letter, std::size_t limit) const {
        std::size_t n = 0;
        while (at_ + n < format_.size() && format_[at_ + n] == letter && n < limit) ++n;
        return n;
    }

    void Code(std::string text, std::size_t length, bool hour = false) {
        out_ += text;
        at_ += length;
        afterHour_ = hour;
    }

    void Literal(std::string_view text, std::size_t length) {
        out_ += text;
        at_ += length;
    }

    void Step() {
        const char c = format_[at_];
        if (const auto* designator = DesignatorAt(format_, at_)) {
            const bool pm = time_.hour >= 12;
            const auto text = designator->am.empty()
                                  ? clock_.TimeMarker(pm)
                                  : std::string(pm ? designator->pm : designator->am);
            return Code(text, designator->code.size());
        }
        switch (c) {
            case 'd':
                return Day(Run('d', 6));
            case 'w': {
                const auto n = Run('w', 2);
                return Code(Number(n == 1 ? time_.weekday + 1 : WeekOfYear(time_), false), n);
            }
            case 'm':
                return Month(Run('m', 4));
            case 'q':
                return Code(Number((time_.month - 1) / 3 + 1, false), 1);
            case 'y': {
                const auto n = Run('y', 4);
                if (n == 4) return Code(Number(time_.year, false), 4);
                if (n >= 2) return Code(Number(time_.year % 100, true), 2);
                return Code(Number(DayOfYear(time_), false), 1);
            }
            case 'h': {
                const auto n = Run('h', 2);
                int hour = time_.hour;
                if (twelveHour_) hour = hour % 12 == 0 ? 12 : hour % 12;
                return Code(Number(hour, n == 2), n, true);
            }
            case 'n': {
                const auto n = Run('n', 2);
                return Code(Number(time_.minute, n == 2), n);
            }
            case 's': {
                const auto n = Run('s', 2);
                return Code(Number(time_.second, n == 2), n);
            }
            case 'c':
                return Code(GeneralDate(), 1);
            case 't':
                if (Run('t', 5) == 5) return Code(clock_.LongTime(time_), 5);
                return Literal("t", 1);
            case '/':
                return Literal(clock_.DateSeparator(), 1);
            case ':':
                return Literal(clock_.TimeSeparator(), 1);
            case '\\':
                if (at_ + 1 < format_.size()) return Literal(format_.substr(at_ + 1, 1), 2);
                return Literal("", 1);
            case '"': {
                const auto close = format_.find('"', at_ + 1);
                const auto end = close == std::string_view::npos ? format_.size() : close;
                return Literal(format_.substr(at_ + 1, end - at_ - 1), end + 1 - at_);
            }
            default:
                return Literal(format_.substr(at_, 1), 1);
        }
    }

    void Day(std::size_t n) {
        switch (n) {
            case 1:
            case 2:
                return Code(Number(time_.day, n == 2), n);
            case 3:
            case 4:
                return Code(clock_.DayName(time_.weekday, n == 3), n);
            case 5:
                return Code(clock_.ShortDate(time_), n);
            default:
                return Code(clock_.LongDate(time_), n);
        }
    }

    void Month(std::size_t n) {
        if (n <= 2 && afterHour_) return Code(Number(time_.minute, n == 2), n);
        if (n <= 2) return Code(Number(time_.month, n == 2), n);
        return Code(clock_.MonthName(time_.month, n == 3), n);
    }

    // The date, followed by the time unless it is exactly midnight.
    std::string GeneralDate() {
        auto text = clock_.ShortDate(time_);
        if (time_.hour != 0 || time_.minute != 0 || time_.second != 0) {
            text += " " + clock_.LongTime(time_);
        }
        return text;
    }

    std::string_view format_;
    const LocalDateTime& time_;
    platform::Clock& clock_;
    const bool twelveHour_;
    std::size_t at_ = 0;
    bool afterHour_ = false;
    std::string out_;
};

}  // namespace

std::string FormatDateTime(std::string_view format, const LocalDateTime& time,
                           platform::Clock& clock) {
    return Formatter(format, time, clock).Run();
}

std::string sReplaceDate(std::string_view text, platform::Clock& clock) {
    const auto open = FindNoCase(text, kDatePlaceholderOpen);
    if (open == std::string_view::npos) return std::string(text);
    const auto close = text.find(')', open);
    if (close == std::string_view::npos) return std::string(text);
    const auto placeholder = text.substr(open, close + 1 - open);
    const auto formatStart = open + kDatePlaceholderOpen.size();
    const auto format = text.substr(formatStart, close - formatStart);
    return ReplaceAllNoCase(text, placeholder, FormatDateTime(format, clock.Now(), clock));
}

}  // namespace kov

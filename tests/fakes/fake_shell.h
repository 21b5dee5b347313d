// Records what would have been started; results are set by the test.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/text.h"
#include "platform/shell.h"
#include "platform/temp_folder.h"

namespace kov::fakes {

class FakeShell : public platform::Shell {
  public:
    struct Process {
        std::string commandLine;
        int show;
        bool operator==(const Process&) const = default;
    };

    std::intptr_t ShellExecute(const platform::ShellRequest& request) override {
        executed.push_back(request);
        if (onExecute) onExecute(request);
        return TakeOr(executeResults, 42);
    }
    std::uint32_t StartProcess(const std::string& commandLine, int show) override {
        processes.push_back({commandLine, show});
        return static_cast<std::uint32_t>(TakeOr(processIds, 0));
    }
    std::optional<std::string> FindExecutable(const std::string& file) override {
        lookedUp.push_back(file);
        return browser;
    }
    void Sleep(unsigned milliseconds) override { slept.push_back(milliseconds); }

    std::vector<platform::ShellRequest> executed;
    std::vector<Process> processes;
    std::vector<std::string> lookedUp;
    std::vector<unsigned> slept;
    std::deque<std::intptr_t> executeResults;  // taken in order; success (42) when empty
    std::deque<std::intptr_t> processIds;      // taken in order; nothing started when empty
    std::optional<std::string> browser;
    std::function<void(const platform::ShellRequest&)> onExecute;

  private:
    static std::intptr_t TakeOr(std::deque<std::intptr_t>& queue, std::intptr_t otherwise) {
        if (queue.empty()) return otherwise;
        const auto value = queue.front();
        queue.pop_front();
        return value;
    }
};

class FakeTempFolder : public platform::TempFolder {
  public:
    std::string UserTempFolder() override { return path; }
    std::string path = "C:\\Users\\me\\Temp";
};

}  // namespace kov::fakes

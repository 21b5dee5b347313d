#include "odmenu/win32/shell_icon_worker.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/win32/com_apartment.h"

namespace kov::win32 {

struct ShellIconWorker::Shared {
    struct Request {
        platform::ShellIconTarget target;
        int side = 0;
    };
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Request> requests;
    std::vector<ShellIconResult> results;
    bool announced = false;
    bool abandoned = false;
};

ShellIconWorker::ShellIconWorker(HWND window) : window_(window) {}

ShellIconWorker::~ShellIconWorker() {
    if (!shared_) return;
    std::vector<ShellIconResult> dropped;
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->abandoned = true;
        shared_->requests.clear();
        dropped.swap(shared_->results);
    }
    shared_->wake.notify_one();
}

void ShellIconWorker::Request(const platform::ShellIconTarget& target, int side) {
    if (!shared_) {
        shared_ = std::make_shared<Shared>();
        std::thread([shared = shared_, window = window_] {
            const ComApartment apartment;
            std::unique_lock lock(shared->mutex);
            while (true) {
                shared->wake.wait(lock,
                                  [&] { return shared->abandoned || !shared->requests.empty(); });
                if (shared->abandoned) return;
                const auto request = std::move(shared->requests.front());
                shared->requests.pop_front();
                lock.unlock();
                ShellIconResult result{
                    {request.target.path, request.side},
                    PixelsOfIcon(LookUpShellIcon(request.target, request.side).get(),
                                 request.side)};
                lock.lock();
                if (shared->abandoned) return;
                shared->results.push_back(std::move(result));
                if (!std::exchange(shared->announced, true))
                    PostMessageW(window, kShellIconsArrived, 0, 0);
            }
        }).detach();
    }
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->requests.push_back({target, side});
    }
    shared_->wake.notify_one();
}

std::vector<ShellIconResult> ShellIconWorker::TakeResults() {
    std::vector<ShellIconResult> taken;
    if (!shared_) return taken;
    const std::lock_guard lock(shared_->mutex);
    taken.swap(shared_->results);
    shared_->announced = false;
    return taken;
}

}  // namespace kov::win32

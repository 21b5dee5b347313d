#include "odmenu/win32/icon_worker.h"

#include <algorithm>
#include <list>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/win32/com_apartment.h"

namespace kov::win32 {

namespace {

// Three threads, of which at most two work at once on this kind of two-core machine; the one
// left waits, pumping its messages as an apartment must, and watches for jobs that stall.
constexpr int kThreads = 3;
// Replacements for stalled threads stop here: a share that never answers costs this many.
constexpr int kMaxThreads = 2 * kThreads;
constexpr DWORD kWatchMs = 250;

// Waits for the event, for at most ms, dispatching the thread's messages meanwhile.
void WaitPumping(HANDLE event, DWORD ms) {
    if (MsgWaitForMultipleObjectsEx(1, &event, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE) !=
        WAIT_OBJECT_0 + 1) {
        return;
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

struct IconWorker::Shared {
    struct Job {
        IconRequest request;
        ULONGLONG started = 0;
        bool givenUp = false;
    };
    HWND window = nullptr;
    HANDLE wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::mutex mutex;
    std::list<IconRequest> queue;
    std::map<IconKey, std::list<IconRequest>::iterator> queued;
    std::list<Job> running;
    int threads = 0;  // those that have not stalled
    int all = 0;      // stalled ones included
    std::vector<IconResult> results;
    bool announced = false;
    bool abandoned = false;

    ~Shared() { CloseHandle(wake); }

    // Under the lock.
    void Deliver(IconResult result) {
        results.push_back(std::move(result));
        if (!std::exchange(announced, true)) PostMessageW(window, kIconsArrived, 0, 0);
    }

    // Under the lock.
    void StartThread(const std::shared_ptr<Shared>& self) {
        ++threads;
        ++all;
        std::thread([self] { self->Work(self); }).detach();
    }

    // Under the lock: jobs past their time are answered with no icon and their threads
    // replaced; the stalled threads end when their calls return.
    void GiveUpStalled(const std::shared_ptr<Shared>& self) {
        const ULONGLONG now = GetTickCount64();
        for (auto& job : running) {
            if (job.givenUp || now - job.started < kGiveUpAfterMs) continue;
            job.givenUp = true;
            --threads;
            Deliver({job.request.key, {}});
            if (all < kMaxThreads) StartThread(self);
        }
    }

    // Under the lock.
    bool Running(const IconKey& key) const {
        return std::any_of(running.begin(), running.end(),
                           [&](const Job& job) { return !job.givenUp && job.request.key == key; });
    }

    int Busy() const {
        return static_cast<int>(std::count_if(running.begin(), running.end(),
                                              [](const Job& job) { return !job.givenUp; }));
    }

    void Work(const std::shared_ptr<Shared>& self) {
        const ComApartment apartment;
        std::unique_lock lock(mutex);
        while (!abandoned) {
            GiveUpStalled(self);
            if (queue.empty() || Busy() >= std::max(1, threads - 1)) {
                lock.unlock();
                WaitPumping(wake, kWatchMs);
                lock.lock();
                continue;
            }
            auto request = std::move(queue.front());
            queue.pop_front();
            queued.erase(request.key);
            const auto job = running.insert(running.end(), {request, GetTickCount64(), false});
            if (!queue.empty()) SetEvent(wake);
            lock.unlock();
            IconPixels icon = request.make();
            lock.lock();
            const bool givenUp = job->givenUp;
            running.erase(job);
            if (givenUp) break;
            if (!abandoned) Deliver({request.key, std::move(icon)});
        }
        --all;
    }
};

IconWorker::IconWorker(HWND window) : shared_(std::make_shared<Shared>()) {
    shared_->window = window;
}

IconWorker::~IconWorker() {
    std::vector<IconResult> dropped;
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->abandoned = true;
        shared_->queue.clear();
        shared_->queued.clear();
        dropped.swap(shared_->results);
    }
    SetEvent(shared_->wake);
}

void IconWorker::Request(const std::vector<IconRequest>& requests) {
    auto& shared = *shared_;
    {
        const std::lock_guard lock(shared.mutex);
        // Backwards, each to the front: the first ends up first.
        for (auto request = requests.rbegin(); request != requests.rend(); ++request) {
            const IconKey& key = request->key;
            if (const auto waiting = shared.queued.find(key); waiting != shared.queued.end()) {
                shared.queue.splice(shared.queue.begin(), shared.queue, waiting->second);
            } else if (!shared.Running(key)) {
                shared.queue.push_front(*request);
                shared.queued.emplace(key, shared.queue.begin());
            }
        }
        if (shared.all == 0) {
            for (int i = 0; i < kThreads; ++i) shared.StartThread(shared_);
        }
    }
    SetEvent(shared.wake);
}

std::vector<IconResult> IconWorker::TakeResults() {
    std::vector<IconResult> taken;
    const std::lock_guard lock(shared_->mutex);
    taken.swap(shared_->results);
    shared_->announced = false;
    return taken;
}

}  // namespace kov::win32

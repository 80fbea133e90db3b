#include "concurrency/parallel.h"

#include <QThread>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

std::atomic<bool> yieldToGui{false};

// One call of runInParallel: its jobs are taken by number, each by one
// thread, and it is done once every job has finished.
class Batch
{
public:
    Batch(int count, const std::function<void(int)> &job) : m_count(count), m_job(job) {}

    // Runs jobs no thread has taken yet until none is left. Job 0 is the
    // caller's own and is never taken here.
    void work()
    {
        for (int i = m_next.fetch_add(1); i < m_count; i = m_next.fetch_add(1)) {
            m_job(i);
            finishOne();
        }
    }

    // The caller's own job.
    void runFirst()
    {
        m_job(0);
        finishOne();
    }

    bool allTaken() const { return m_next.load() >= m_count; }

    void waitForAll()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_allFinished.wait(lock, [this] { return m_finished == m_count; });
    }

private:
    void finishOne()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (++m_finished == m_count)
            m_allFinished.notify_all();
    }

    const int m_count;
    // Only called for jobs not yet finished, so only while the caller waits.
    const std::function<void(int)> &m_job;
    std::atomic<int> m_next{1};
    std::mutex m_mutex;
    std::condition_variable m_allFinished;
    int m_finished = 0;
};

// Threads that help with the batches: one fewer than there are cores (the
// caller of each batch works too), started on first use and kept for the
// program's life. Batches are handed over through this queue under a
// standard mutex, which thread checkers see; they cannot see the locks
// inside the toolkit's thread pools. Kept apart from the toolkit's global
// pool, whose threads may be the very ones that wait for these jobs.
class Helpers
{
public:
    explicit Helpers(int threads)
    {
        // A thread the system refuses leaves more of the work to the caller.
        try {
            for (int i = 0; i < threads; ++i)
                std::thread([this] { help(); }).detach();
        } catch (const std::system_error &) {
        }
    }

    void offer(const std::shared_ptr<Batch> &batch)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_batches.push_back(batch);
        }
        m_offered.notify_all();
    }

    // The caller has taken every job itself or seen them taken.
    void withdraw(const std::shared_ptr<Batch> &batch)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_batches.erase(std::remove(m_batches.begin(), m_batches.end(), batch), m_batches.end());
    }

private:
    void help()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_offered.wait(lock, [this] { return !m_batches.empty(); });
            const std::shared_ptr<Batch> batch = m_batches.front();
            if (batch->allTaken()) {
                m_batches.pop_front();
                continue;
            }
            lock.unlock();
            workerStarted();
            batch->work();
            lock.lock();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_offered;
    std::deque<std::shared_ptr<Batch>> m_batches;
};

Helpers &helpers()
{
    // Never destroyed: its threads wait on it until the program ends.
    static Helpers *instance = new Helpers(parallelJobs() - 1);
    return *instance;
}

} // namespace

void setWorkersYieldToGui(bool yield)
{
    yieldToGui = yield;
}

void workerStarted()
{
    thread_local bool lowered = false;
    if (lowered || !yieldToGui)
        return;
    lowered = true;
#ifdef Q_OS_LINUX
    // The toolkit's thread priorities mean nothing to Linux's usual
    // scheduler; a higher nice value of the thread itself does.
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10);
#else
    QThread::currentThread()->setPriority(QThread::LowPriority);
#endif
}

int parallelJobs()
{
    return std::max(1, QThread::idealThreadCount());
}

void runInParallel(int count, const std::function<void(int)> &job)
{
    if (count <= 0)
        return;
    if (count == 1 || parallelJobs() == 1) {
        for (int i = 0; i < count; ++i)
            job(i);
        return;
    }
    const auto batch = std::make_shared<Batch>(count, job);
    helpers().offer(batch);
    batch->runFirst();
    batch->work();
    helpers().withdraw(batch);
    batch->waitForAll();
}

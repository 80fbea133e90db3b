#include "render/parallel.h"

#include <QRunnable>
#include <QThread>
#include <QThreadPool>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace {

std::atomic<bool> yieldToGui{false};

// Kept apart from the global pool, whose threads may be the very ones that
// wait for these jobs.
QThreadPool &jobPool()
{
    static QThreadPool *pool = [] {
        auto *p = new QThreadPool;
        p->setMaxThreadCount(parallelJobs());
        p->setExpiryTimeout(-1);
        return p;
    }();
    return *pool;
}

// Counts finished jobs; the standard library's primitives, which thread
// checkers see through.
class Latch
{
public:
    void countDown()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_count;
        m_changed.notify_all();
    }
    void wait(int count)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this, count] { return m_count >= count; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_count = 0;
};

class Job : public QRunnable
{
public:
    Job(int index, const std::function<void(int)> &job, Latch &done)
        : m_index(index), m_job(job), m_done(done)
    {
        setAutoDelete(false);
    }

    void run() override
    {
        workerStarted();
        m_job(m_index);
        m_done.countDown();
    }

private:
    int m_index;
    const std::function<void(int)> &m_job;
    Latch &m_done;
};

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
    Latch done;
    std::vector<std::unique_ptr<Job>> others;
    others.reserve(count - 1);
    for (int i = 1; i < count; ++i) {
        others.push_back(std::make_unique<Job>(i, job, done));
        jobPool().start(others.back().get());
    }
    job(0);
    for (const auto &other : others) {
        if (jobPool().tryTake(other.get()))
            other->run();
    }
    done.wait(count - 1);
}

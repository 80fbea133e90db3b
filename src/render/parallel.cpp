#include "render/parallel.h"

#include <QRunnable>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

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

class Job : public QRunnable
{
public:
    Job(int index, const std::function<void(int)> &job, QSemaphore &done)
        : m_index(index), m_job(job), m_done(done)
    {
        setAutoDelete(false);
    }

    void run() override
    {
        m_job(m_index);
        m_done.release();
    }

private:
    int m_index;
    const std::function<void(int)> &m_job;
    QSemaphore &m_done;
};

} // namespace

int parallelJobs()
{
    return std::max(1, QThread::idealThreadCount());
}

void runInParallel(int count, const std::function<void(int)> &job)
{
    if (count <= 0)
        return;
    QSemaphore done;
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
    done.acquire(count - 1);
}

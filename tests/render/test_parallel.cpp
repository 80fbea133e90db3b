#include "concurrency/parallel.h"

#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Runs `count` jobs, each of which runs `count` more, `depth` levels deep.
// True when every job of every call ran exactly once, each call's job 0 on
// the thread that made the call, and every job had finished when its call
// returned.
bool runNested(int count, int depth, std::atomic<qint64> &leaves)
{
    std::vector<std::atomic<int>> runs(count);
    std::atomic<bool> ok{true};
    const std::thread::id caller = std::this_thread::get_id();
    runInParallel(count, [&](int i) {
        if (i == 0 && std::this_thread::get_id() != caller)
            ok = false;
        if (depth == 1)
            ++leaves;
        else if (!runNested(count, depth - 1, leaves))
            ok = false;
        ++runs[i];
    });
    for (const std::atomic<int> &r : runs) {
        if (r != 1)
            ok = false;
    }
    return ok;
}

#ifdef Q_OS_LINUX
int threadNice()
{
    return getpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)));
}
#endif

} // namespace

class TestParallel : public QObject
{
    Q_OBJECT

private slots:
    void everyJobOnce_data();
    void everyJobOnce();
    void callerKeepsItsPriority();
};

void TestParallel::everyJobOnce_data()
{
    QTest::addColumn<int>("callers");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("depth");

    const int cores = parallelJobs();
    QTest::newRow("no job") << 1 << 0 << 1;
    QTest::newRow("one job") << 1 << 1 << 1;
    QTest::newRow("one per core") << 1 << cores << 1;
    QTest::newRow("many more than cores") << 1 << 7 * cores + 3 << 1;
    // Jobs that wait for jobs of their own, as a band drawn on a helper
    // thread may: nobody waits for a free thread.
    QTest::newRow("nested three deep") << 1 << cores + 1 << 3;
    QTest::newRow("four callers at once") << 4 << 3 * cores << 1;
    QTest::newRow("four callers at once, nested") << 4 << cores + 1 << 2;
}

void TestParallel::everyJobOnce()
{
    QFETCH(int, callers);
    QFETCH(int, count);
    QFETCH(int, depth);
    std::atomic<qint64> leaves{0};
    std::atomic<int> failed{0};
    std::vector<std::thread> threads;
    for (int c = 0; c < callers; ++c)
        threads.emplace_back([&] { failed += !runNested(count, depth, leaves); });
    for (std::thread &t : threads)
        t.join();
    QCOMPARE(failed.load(), 0);
    qint64 expected = callers;
    for (int d = 0; d < depth; ++d)
        expected *= count;
    QCOMPARE(leaves.load(), expected);
}

void TestParallel::callerKeepsItsPriority()
{
#ifdef Q_OS_LINUX
    // Helpers give way to the window's thread; a caller that runs jobs
    // itself keeps its own priority, as it may be that thread.
    setWorkersYieldToGui(true);
    const int before = threadNice();
    std::atomic<qint64> leaves{0};
    QVERIFY(runNested(8 * parallelJobs(), 2, leaves));
    QCOMPARE(threadNice(), before);
    setWorkersYieldToGui(false);
#else
    QSKIP("Thread priorities are read on Linux only");
#endif
}

QTEST_GUILESS_MAIN(TestParallel)
#include "test_parallel.moc"

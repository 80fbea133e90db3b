#include "export/frameencoder.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Takes frames only as fast as the test lets it: a slow encoder on demand.
// The encoder owns it; the test keeps a pointer while the encoder lives.
class GatedSink : public FrameSink
{
public:
    std::mutex mutex;
    std::condition_variable changed;
    int allowed = 0; // frames it may take before it waits for the test
    int written = 0;
    int failAt = -1; // the frame it fails on
    bool finished = false;
    bool abandoned = false;

    void allow(int frames)
    {
        std::lock_guard<std::mutex> lock(mutex);
        allowed += frames;
        changed.notify_all();
    }
    int writtenNow()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return written;
    }

    bool writeFrame(const QImage &, QString *error) override
    {
        std::unique_lock<std::mutex> lock(mutex);
        // Looks at the cancel flag as the real writers do, between steps.
        while (allowed <= written && !*m_cancel)
            changed.wait_for(lock, std::chrono::milliseconds(1));
        if (*m_cancel || written == failAt) {
            *error = *m_cancel ? QStringLiteral("stopped") : QStringLiteral("the disk is full");
            return false;
        }
        ++written;
        return true;
    }
    bool finish(QString *) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        return finished = true;
    }
    void abandon() override
    {
        std::lock_guard<std::mutex> lock(mutex);
        abandoned = true;
    }
    void watchCancel(const std::atomic_bool *cancel) override { m_cancel = cancel; }

private:
    const std::atomic_bool *m_cancel = nullptr;
};

QImage frame()
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::red);
    return image;
}

} // namespace

class TestFrameEncoder : public QObject
{
    Q_OBJECT

private slots:
    void queueStaysWithinLimit_data();
    void queueStaysWithinLimit();
    void failureStopsTheDrawer();
    void cancelStopsAWaitingDrawer();
    void realWriter_data();
    void realWriter();
};

void TestFrameEncoder::queueStaysWithinLimit_data()
{
    QTest::addColumn<int>("limit");
    QTest::newRow("one") << 1;
    QTest::newRow("default") << FrameEncoder::defaultQueueLimit;
}

void TestFrameEncoder::queueStaysWithinLimit()
{
    QFETCH(int, limit);
    constexpr int frames = 10;
    auto owned = std::make_unique<GatedSink>();
    GatedSink *sink = owned.get();
    FrameEncoder encoder(std::move(owned), limit);
    std::atomic<int> pushed{0};
    std::thread drawer([&] {
        for (int n = 0; n < frames; ++n) {
            if (!encoder.push(frame()))
                return;
            ++pushed;
        }
    });
    // A failed check returns early: the drawer must not be left waiting.
    auto stop = qScopeGuard([&] {
        encoder.cancel();
        drawer.join();
    });

    // One frame in the encoder's hands, `limit` waiting: the drawer waits.
    QTRY_COMPARE(pushed.load(), limit + 1);
    QCOMPARE(encoder.queued(), limit);
    for (int n = 1; pushed < frames; ++n) {
        sink->allow(1);
        QTRY_COMPARE(pushed.load(), std::min(frames, limit + 1 + n));
        QVERIFY(encoder.queued() <= limit);
    }
    stop.dismiss();
    drawer.join();
    sink->allow(frames);
    QString error;
    QVERIFY2(encoder.finish(&error), qPrintable(error));
    QCOMPARE(sink->writtenNow(), frames);
    QVERIFY(sink->finished && !sink->abandoned);
    QCOMPARE(encoder.peakQueued(), limit);
}

void TestFrameEncoder::failureStopsTheDrawer()
{
    auto owned = std::make_unique<GatedSink>();
    GatedSink *sink = owned.get();
    sink->allowed = 1000;
    sink->failAt = 2;
    FrameEncoder encoder(std::move(owned));
    QString error;
    int pushes = 0;
    while (pushes < 1000 && encoder.push(frame(), &error))
        ++pushes;
    QVERIFY(pushes < 1000);
    QCOMPARE(error, QStringLiteral("the disk is full"));
    error.clear();
    QVERIFY(!encoder.finish(&error));
    QCOMPARE(error, QStringLiteral("the disk is full"));
    QVERIFY(sink->abandoned && !sink->finished);
    QCOMPARE(sink->writtenNow(), 2);
}

void TestFrameEncoder::cancelStopsAWaitingDrawer()
{
    auto owned = std::make_unique<GatedSink>();
    GatedSink *sink = owned.get();
    FrameEncoder encoder(std::move(owned), 1);
    std::atomic<int> pushed{0};
    QString drawerError;
    std::thread drawer([&] {
        while (encoder.push(frame(), &drawerError))
            ++pushed;
    });
    auto stop = qScopeGuard([&] {
        encoder.cancel();
        drawer.join();
    });
    QTRY_COMPARE(pushed.load(), 2);
    // Both the encoder, in the middle of a frame, and the drawer, waiting
    // for room in the queue, stop; nothing is finished.
    stop.dismiss();
    encoder.cancel();
    drawer.join();
    QCOMPARE(drawerError, QStringLiteral("Cancelled."));
    QVERIFY(sink->abandoned && !sink->finished);
    QString error;
    QVERIFY(!encoder.finish(&error));
    QCOMPARE(error, QStringLiteral("Cancelled."));
    QCOMPARE(encoder.queued(), 0);
}

void TestFrameEncoder::realWriter_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("finished") << false;
    QTest::newRow("cancelled") << true;
}

void TestFrameEncoder::realWriter()
{
    QFETCH(bool, cancel);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dial.mov"));
    auto writer = std::make_unique<VideoWriter>();
    QString error;
    QVERIFY2(writer->open({videoFormat::quickTimeAnimation, path, 64, 30, QColor()}, &error),
             qPrintable(error));
    {
        FrameEncoder encoder(std::move(writer));
        for (int n = 0; n < 20; ++n)
            QVERIFY2(encoder.push(frame(), &error), qPrintable(error));
        if (cancel)
            encoder.cancel();
        else
            QVERIFY2(encoder.finish(&error), qPrintable(error));
        // Nothing is left to wait for once either has returned.
        const QStringList names = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(names, cancel ? QStringList() : QStringList{QStringLiteral("dial.mov")});
    }
    QCOMPARE(QFileInfo::exists(path), !cancel);
}

QTEST_GUILESS_MAIN(TestFrameEncoder)
#include "test_frameencoder.moc"

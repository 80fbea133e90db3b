#pragma once

#include <functional>

// Runs job(0) to job(count - 1) at the same time, one per core as far as
// there are cores, and returns once all have finished. The calling thread
// runs job 0 and then any job no other thread has started yet, so a caller
// that is itself a worker never waits for a free thread. The jobs run on
// threads of their own, apart from the application's global pool.
void runInParallel(int count, const std::function<void(int)> &job);

// The number of jobs worth running at once: the number of cores.
int parallelJobs();

// In a program with a window, worker threads must never delay the GUI
// thread's events: once this is switched on, workerStarted() lowers the
// priority of the calling worker thread below the GUI thread's. Programs
// without a window leave it off and use every core at full priority.
void setWorkersYieldToGui(bool yield);
// Called by a worker thread (never the GUI thread) as it begins its work.
void workerStarted();

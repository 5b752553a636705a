#pragma once

class QThreadPool;

namespace kivra::platform {

// Threads for work that grows with a folder or the log (listing and stat-ing a folder, reading
// the notes, freeing a listing): each task run in it first calls LowerThreadPriority(), so that
// when the window's thread and one of these want the same core, the window's gets it.
QThreadPool* BackgroundPool();

// Lowers the calling thread's priority below the window's, once; it stays so (an ordinary user
// cannot raise it back), which is why only BackgroundPool()'s threads and threads of one's own
// call it.
void LowerThreadPriority();

}  // namespace kivra::platform

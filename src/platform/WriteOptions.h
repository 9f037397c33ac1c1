#pragma once

namespace kw {

class CFileFaults;

// How a file or a batch of files is written.
struct SWriteOptions {
    // Flushes go down to the disk (fsync, syncfs). Only a program that cannot observe a power
    // loss, a test, turns them off; renames and every check stay.
    bool durable = DurableWritesByDefault();
    // Test seam asked before every file-system call of the write; not owned, may be null.
    CFileFaults* faults = nullptr;

    // True unless the environment variable KW06_NO_SYNC is set when first asked. Read once: the
    // test programs set it before their first write, and nothing changes it afterwards.
    static bool DurableWritesByDefault();
};

}  // namespace kw

#include "FaultyVfs.h"

#include <sqlite3.h>

namespace {

struct State {
    bool armed = false;
    FaultyVfs::Fault fault = FaultyVfs::Fault::IoError;
    int target = 0;
    int count = 0;
    int injected = 0;
};
State state;

sqlite3_vfs* base = nullptr;
sqlite3_vfs faulty;

// Our file, with the system layer's own file right behind it in the same allocation.
struct File {
    sqlite3_file file;
    sqlite3_file* real;
};

bool failWrite() {
    if (!state.armed)
        return false;
    ++state.count;
    const bool fail = state.fault == FaultyVfs::Fault::DiskFull ? state.count >= state.target
                                                                : state.count == state.target;
    state.injected += fail;
    return fail;
}

bool failOther() {
    // A full disk still syncs and shrinks files.
    return state.fault == FaultyVfs::Fault::IoError && failWrite();
}

sqlite3_file* real(sqlite3_file* file) {
    return reinterpret_cast<File*>(file)->real;
}

int xClose(sqlite3_file* f) {
    return real(f)->pMethods->xClose(real(f));
}
int xRead(sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
    return real(f)->pMethods->xRead(real(f), data, amount, offset);
}
int xWrite(sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
    if (failWrite())
        return state.fault == FaultyVfs::Fault::DiskFull ? SQLITE_FULL : SQLITE_IOERR_WRITE;
    return real(f)->pMethods->xWrite(real(f), data, amount, offset);
}
int xTruncate(sqlite3_file* f, sqlite3_int64 size) {
    if (failOther())
        return SQLITE_IOERR_TRUNCATE;
    return real(f)->pMethods->xTruncate(real(f), size);
}
int xSync(sqlite3_file* f, int flags) {
    if (failOther())
        return SQLITE_IOERR_FSYNC;
    return real(f)->pMethods->xSync(real(f), flags);
}
int xFileSize(sqlite3_file* f, sqlite3_int64* size) {
    return real(f)->pMethods->xFileSize(real(f), size);
}
int xLock(sqlite3_file* f, int level) {
    return real(f)->pMethods->xLock(real(f), level);
}
int xUnlock(sqlite3_file* f, int level) {
    return real(f)->pMethods->xUnlock(real(f), level);
}
int xCheckReservedLock(sqlite3_file* f, int* out) {
    return real(f)->pMethods->xCheckReservedLock(real(f), out);
}
int xFileControl(sqlite3_file* f, int op, void* arg) {
    return real(f)->pMethods->xFileControl(real(f), op, arg);
}
int xSectorSize(sqlite3_file* f) {
    return real(f)->pMethods->xSectorSize(real(f));
}
int xDeviceCharacteristics(sqlite3_file* f) {
    return real(f)->pMethods->xDeviceCharacteristics(real(f));
}

// Version 1: no shared memory and no memory mapping, which a rollback journal does not use.
const sqlite3_io_methods methods = [] {
    sqlite3_io_methods m{};
    m.iVersion = 1;
    m.xClose = xClose;
    m.xRead = xRead;
    m.xWrite = xWrite;
    m.xTruncate = xTruncate;
    m.xSync = xSync;
    m.xFileSize = xFileSize;
    m.xLock = xLock;
    m.xUnlock = xUnlock;
    m.xCheckReservedLock = xCheckReservedLock;
    m.xFileControl = xFileControl;
    m.xSectorSize = xSectorSize;
    m.xDeviceCharacteristics = xDeviceCharacteristics;
    return m;
}();

int xOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    auto* ours = reinterpret_cast<File*>(file);
    ours->real = reinterpret_cast<sqlite3_file*>(ours + 1);
    const int rc = base->xOpen(base, name, ours->real, flags, outFlags);
    // SQLite closes a file only when its methods are set.
    ours->file.pMethods = rc == SQLITE_OK ? &methods : nullptr;
    return rc;
}

} // namespace

namespace FaultyVfs {

void install() {
    if (base)
        return;
    base = sqlite3_vfs_find(nullptr);
    faulty = *base;
    faulty.pNext = nullptr;
    faulty.zName = kName;
    faulty.szOsFile = int(sizeof(File)) + base->szOsFile;
    faulty.xOpen = xOpen;
    sqlite3_vfs_register(&faulty, 0);
}

void arm(Fault fault, int n) {
    state = {true, fault, n, 0, 0};
}

int disarm() {
    state.armed = false;
    return state.injected;
}

} // namespace FaultyVfs

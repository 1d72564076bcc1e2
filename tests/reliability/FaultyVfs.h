#pragma once

// A SQLite file layer over the system's own that fails as a failing disk would, for the
// I/O-error tests. Registered under kName (never as the default); a connection opened with
// that name counts the writes, syncs and truncates of all its files.
namespace FaultyVfs {

inline constexpr const char* kName = "pantrelle-faulty";

enum class Fault {
    // The Nth write, sync or truncate fails with an I/O error; the ones after it succeed.
    IoError,
    // From the Nth write on, every write finds the disk full.
    DiskFull,
};

// Registers the layer; safe to call more than once.
void install();
// Counts from zero again and fails as `fault` says once the count reaches `n`.
void arm(Fault fault, int n);
// Stops failing; returns how many faults were injected since `arm`.
int disarm();

} // namespace FaultyVfs

#pragma once

#include <QString>

// What the system tells about one mounted volume. Kept as plain values so that the rules
// below can be checked on examples recorded on real machines.
struct VolumeFacts {
    QString mountPoint; // "/media/ann/STICK"
    QString fileSystem; // "vfat"
    QString device;     // "/dev/sdb1"; for a network share the server's path
    QString label;      // the volume's own name; often empty
    bool ready = true;  // mounted, readable and its size known
    // The block device's disk under /sys/devices, e.g. ".../usb2/2-1/2-1:1.0/host6/.../block/sdb";
    // empty when the volume has no block device behind it.
    QString sysfsPath;
    // The disk's sysfs "removable" attribute is 1.
    bool removableFlag = false;
};

// A volume the user would recognise as a drive: a real file system, not one of the
// kernel's or the desktop's bookkeeping mounts. Whatever the desktop mounts under /media
// or /run/media is always listed.
bool IsListedVolume(const VolumeFacts& volume);

// A volume that can be taken away with the backup on it: its disk is removable or sits on
// a USB, MMC or FireWire bus, or the desktop mounted it under /media or /run/media. The
// system's own root volume never counts.
bool IsRemovableVolume(const VolumeFacts& volume);

#pragma once

#include "VolumeRules.h"

#include <QList>
#include <QString>

// A drive as the backup window lists it: the volume's name (may be empty), the folder it is
// mounted on and its size in bytes (0 when unknown).
struct Drive {
    QString name;
    QString rootPath;
    qint64 bytesTotal = 0;
};

// The drives the user can back up to, and which of them can be taken away.
class Drives {
public:
    virtual ~Drives() = default;
    // Asked afresh each time, so newly inserted media show up.
    virtual QList<Drive> list() = 0;
    // Asked at the moment of use: the medium may have gone since it was listed.
    virtual bool isRemovable(const QString& rootPath) = 0;
};

// The mounted volumes, judged by what sysfs tells about their block devices.
class QtDrives final : public Drives {
public:
    QList<Drive> list() override;
    bool isRemovable(const QString& rootPath) override;
};

// Fills in what sysfs (mounted at `sysRoot`) tells about the block device of
// `volume.device`: its disk's place under /sys/devices and its removable flag. Partitions
// and device-mapper volumes (encrypted sticks) are traced to the disk beneath them.
void ReadBlockDeviceFacts(VolumeFacts& volume, const QString& sysRoot = QStringLiteral("/sys"));

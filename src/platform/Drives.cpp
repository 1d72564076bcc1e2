#include "Drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

VolumeFacts recordVolume(const QStorageInfo& storage) {
    VolumeFacts volume;
    volume.mountPoint = storage.rootPath();
    volume.fileSystem = QString::fromUtf8(storage.fileSystemType());
    volume.device = QString::fromUtf8(storage.device());
    volume.label = storage.name();
    volume.ready = storage.isValid() && storage.isReady();
    ReadBlockDeviceFacts(volume);
    return volume;
}

QString firstEntry(const QString& folder) {
    const QStringList entries = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return entries.isEmpty() ? QString() : entries.first();
}

} // namespace

void ReadBlockDeviceFacts(VolumeFacts& volume, const QString& sysRoot) {
    // /dev/disk/by-label/... and /dev/mapper/... are links to the kernel's own name.
    const QString node = QFileInfo(volume.device).canonicalFilePath();
    const QString device = node.isEmpty() ? volume.device : node;
    if (!device.startsWith(QLatin1String("/dev/")))
        return;
    const QString blocks = sysRoot + QStringLiteral("/class/block/");
    QString disk = QFileInfo(blocks + QFileInfo(device).fileName()).canonicalFilePath();
    // An encrypted or logical volume rests on other block devices; follow the first down.
    for (int depth = 0; depth < 4 && !disk.isEmpty(); ++depth) {
        const QString below = firstEntry(disk + QStringLiteral("/slaves"));
        if (below.isEmpty())
            break;
        disk = QFileInfo(blocks + below).canonicalFilePath();
    }
    if (disk.isEmpty())
        return;
    if (QFileInfo::exists(disk + QStringLiteral("/partition")))
        disk = QFileInfo(disk).path();
    QFile removable(disk + QStringLiteral("/removable"));
    volume.removableFlag =
        removable.open(QIODevice::ReadOnly) && removable.readAll().trimmed() == "1";
    // Reported as the kernel shows it, whatever folder sysfs was read from.
    const QString root = QFileInfo(sysRoot).canonicalFilePath();
    volume.sysfsPath = QStringLiteral("/sys") + disk.mid(root.size());
}

QList<Drive> QtDrives::list() {
    QList<Drive> drives;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        const VolumeFacts volume = recordVolume(storage);
        if (!IsListedVolume(volume))
            continue;
        // A later mount on the same folder hides the earlier one.
        drives.removeIf([&](const Drive& d) { return d.rootPath == volume.mountPoint; });
        drives.append({volume.label, volume.mountPoint, storage.bytesTotal()});
    }
    return drives;
}

bool QtDrives::isRemovable(const QString& rootPath) {
    const QStorageInfo storage(rootPath);
    // A folder that is no longer a mount point belongs to the volume around it.
    if (!storage.isValid() || storage.rootPath() != rootPath)
        return false;
    return IsRemovableVolume(recordVolume(storage));
}

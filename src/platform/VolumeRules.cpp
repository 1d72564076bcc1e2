#include "VolumeRules.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

bool isUnder(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

bool isDesktopMedia(const QString& mountPoint) {
    return isUnder(mountPoint, QStringLiteral("/media")) ||
           isUnder(mountPoint, QStringLiteral("/run/media"));
}

bool isPseudoFileSystem(const QString& type) {
    static const QStringList pseudo{QStringLiteral("proc"),
                                    QStringLiteral("sysfs"),
                                    QStringLiteral("cgroup"),
                                    QStringLiteral("cgroup2"),
                                    QStringLiteral("overlay"),
                                    QStringLiteral("tmpfs"),
                                    QStringLiteral("devtmpfs"),
                                    QStringLiteral("devpts"),
                                    QStringLiteral("securityfs"),
                                    QStringLiteral("debugfs"),
                                    QStringLiteral("tracefs"),
                                    QStringLiteral("pstore"),
                                    QStringLiteral("bpf"),
                                    QStringLiteral("configfs"),
                                    QStringLiteral("fusectl"),
                                    QStringLiteral("hugetlbfs"),
                                    QStringLiteral("mqueue"),
                                    QStringLiteral("autofs"),
                                    QStringLiteral("binfmt_misc"),
                                    QStringLiteral("efivarfs"),
                                    QStringLiteral("squashfs"),
                                    QStringLiteral("nsfs"),
                                    QStringLiteral("ramfs"),
                                    QStringLiteral("rpc_pipefs"),
                                    QStringLiteral("selinuxfs"),
                                    QStringLiteral("nfsd"),
                                    QStringLiteral("fuse.gvfsd-fuse"),
                                    QStringLiteral("fuse.portal"),
                                    QStringLiteral("fuse.lxcfs")};
    return pseudo.contains(type);
}

// Folders where only the system mounts its own things.
bool isSystemPlace(const QString& mountPoint) {
    for (const char* folder : {"/proc", "/sys", "/dev", "/run", "/snap"}) {
        if (isUnder(mountPoint, QLatin1String(folder)))
            return true;
    }
    return false;
}

bool onHotPlugBus(const QString& sysfsPath) {
    static const QRegularExpression bus(
        QStringLiteral("^(usb\\d+|mmc\\d+|mmc_host|fw\\d+.*|firewire.*)$"));
    for (const QString& part : sysfsPath.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (bus.match(part).hasMatch())
            return true;
    }
    return false;
}

} // namespace

bool IsListedVolume(const VolumeFacts& volume) {
    if (!volume.ready || volume.mountPoint.isEmpty())
        return false;
    if (isDesktopMedia(volume.mountPoint))
        return true;
    return !isPseudoFileSystem(volume.fileSystem) && !isSystemPlace(volume.mountPoint);
}

bool IsRemovableVolume(const VolumeFacts& volume) {
    if (!volume.ready || volume.mountPoint == QLatin1String("/"))
        return false;
    return isDesktopMedia(volume.mountPoint) || volume.removableFlag ||
           onHotPlugBus(volume.sysfsPath);
}

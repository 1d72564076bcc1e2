// Which volumes are offered as drives and which count as removable, and the real drive
// list and file copier behind the backup window.
#include "platform/Drives.h"
#include "platform/FileCopier.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kUsbDisk("/sys/devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/"
                       "target6:0:0/6:0:0:0/block/sdb");
const QString kSataDisk("/sys/devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/"
                        "0:0:0:0/block/sda");

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestRemovableMedia : public QObject {
    Q_OBJECT

private slots:
    // Facts as recorded from real machines: mount point, file system, device, ready,
    // the disk under /sys/devices and its removable flag.
    void volumeRules_data() {
        QTest::addColumn<VolumeFacts>("volume");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<bool>("removable");
        auto row = [](const char* name, VolumeFacts v, bool listed, bool removable) {
            QTest::newRow(name) << v << listed << removable;
        };
        row("USB stick",
            {"/media/ann/KINGSTON", "vfat", "/dev/sdb1", "KINGSTON", true, kUsbDisk, true}, true,
            true);
        row("SD card in a built-in reader",
            {"/mnt/card", "vfat", "/dev/mmcblk0p1", "", true,
             "/sys/devices/pci0000:00/0000:00:1c.0/0000:02:00.0/rtsx_pci_sdmmc.0/mmc_host/mmc0/"
             "mmc0:aaaa/block/mmcblk0",
             false},
            true, true);
        row("FireWire disk",
            {"/mnt/fw", "ext4", "/dev/sdd1", "", true,
             "/sys/devices/pci0000:00/0000:00:1e.0/0000:05:00.0/fw1/fw1.0/host7/target7:0:0/"
             "7:0:0:0/block/sdd",
             false},
            true, true);
        row("internal NVMe system disk",
            {"/", "ext4", "/dev/nvme0n1p2", "", true,
             "/sys/devices/pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0/nvme0n1", false},
            true, false);
        row("system started from a stick", {"/", "ext4", "/dev/sdb2", "", true, kUsbDisk, true},
            true, false);
        row("tmpfs under /media", {"/media/ram", "tmpfs", "tmpfs", "", true, "", false}, true,
            true);
        row("network share", {"/mnt/nas", "cifs", "//nas/backup", "", true, "", false}, true,
            false);
        row("stick not ready", {"/media/ann/OLD", "vfat", "/dev/sdc1", "", false, kUsbDisk, true},
            false, false);
        row("proc", {"/proc", "proc", "proc", "", true, "", false}, false, false);
        row("container root", {"/", "overlay", "overlay", "", true, "", false}, false, false);
    }
    void volumeRules() {
        QFETCH(VolumeFacts, volume);
        QFETCH(bool, listed);
        QFETCH(bool, removable);
        QCOMPARE(IsListedVolume(volume), listed);
        QCOMPARE(IsRemovableVolume(volume), removable);
    }

    // A sysfs tree as the kernel lays it out, in a temporary folder.
    void blockDeviceFactsComeFromSysfs() {
        QTemporaryDir sys;
        const QString root = sys.path();
        auto link = [&](const QString& name, const QString& target) {
            QDir().mkpath(root + "/class/block");
            QVERIFY(QFile::link(root + target, root + "/class/block/" + name));
        };
        const QString usb = kUsbDisk.mid(4);
        write(root + usb + "/removable", "1\n");
        write(root + usb + "/sdb1/partition", "1\n");
        link("sdb1", usb + "/sdb1");
        QDir().mkpath(root + "/devices/virtual/block/dm-0/slaves/sdb1");
        link("dm-0", "/devices/virtual/block/dm-0");
        const QString sata = kSataDisk.mid(4);
        write(root + sata + "/removable", "0\n");
        link("sda", sata);

        const QList<std::tuple<QString, QString, bool>> cases{
            {"/dev/sdb1", kUsbDisk, true},  // a partition: its disk
            {"/dev/dm-0", kUsbDisk, true},  // an encrypted stick: the disk beneath
            {"/dev/sda", kSataDisk, false}, // a whole disk
            {"//nas/backup", "", false},    // no block device
            {"/dev/sdz9", "", false},       // unknown to sysfs
        };
        for (const auto& [device, disk, removable] : cases) {
            VolumeFacts volume;
            volume.device = device;
            ReadBlockDeviceFacts(volume, root);
            QCOMPARE(volume.sysfsPath, disk);
            QCOMPARE(volume.removableFlag, removable);
        }
    }

    void realDriveListOnThisMachine() {
        QtDrives drives;
        const QList<Drive> listed = drives.list();
        for (const Drive& drive : listed) {
            QVERIFY2(QStorageInfo(drive.rootPath).rootPath() == drive.rootPath,
                     qPrintable(drive.rootPath));
            QVERIFY(!drive.rootPath.startsWith("/proc") && !drive.rootPath.startsWith("/sys"));
        }
        if (QStorageInfo::root().device().startsWith("/dev/")) {
            QVERIFY(std::any_of(listed.begin(), listed.end(),
                                [](const Drive& d) { return d.rootPath == "/"; }));
        }
        QVERIFY(!drives.isRemovable("/"));
        QTemporaryDir notAMountPoint;
        QVERIFY(!drives.isRemovable(notAMountPoint.path()));
    }

    void realCopierCopiesAndReplaces() {
        QTemporaryDir dir;
        const QString source = dir.filePath("source");
        const QString target = dir.filePath("target");
        // More than one chunk, and not a whole number of them.
        QByteArray bytes(3 * 1024 * 1024 + 17, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
        write(source, bytes);
        write(target, "an older, longer file that must not leave a tail behind");
        QtFileCopier files;
        QVERIFY(files.copy(source, target));
        QCOMPARE(read(target), bytes);

        const QString old = dir.filePath("old");
        write(old, "old");
        QVERIFY(files.replace(target, old));
        QCOMPARE(read(old), bytes);
        QVERIFY(!QFile::exists(target));

        QVERIFY(!files.copy(dir.filePath("missing"), target));
        QVERIFY(!files.copy(source, dir.filePath("no such folder/target")));
        QVERIFY(!files.replace(dir.filePath("missing"), old));
        QCOMPARE(read(old), bytes);
    }
};

QTEST_MAIN(TestRemovableMedia)
#include "tst_removablemedia.moc"

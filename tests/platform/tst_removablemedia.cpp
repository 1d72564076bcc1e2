// Which volumes are offered as drives and which count as removable, and the real drive
// list and file copier behind the backup window.
#include "platform/Drives.h"
#include "platform/FileCopier.h"

#include <QRandomGenerator>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kPci("/sys/devices/pci0000:00/");
const QString kUsbDisk(kPci + "0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb");
const QString kSataDisk(kPci + "0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda");

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
    void volumeRules() {
        const QString sd(kPci + "0000:00:1c.0/0000:02:00.0/rtsx_pci_sdmmc.0/mmc_host/mmc0/"
                                "mmc0:aaaa/block/mmcblk0");
        const QString fw(kPci + "0000:00:1e.0/0000:05:00.0/fw1/fw1.0/host7/target7:0:0/"
                                "7:0:0:0/block/sdd");
        // Recorded on real machines: mount point, file system, device, label, ready, the disk
        // under /sys/devices and its removable flag; then whether listed and removable.
        auto expect = [](bool listed, bool removable, const char* name, const VolumeFacts& v) {
            QVERIFY2(IsListedVolume(v) == listed, name);
            QVERIFY2(IsRemovableVolume(v) == removable, name);
        };
        // Each way of being removable on its own: the bus, the flag, the desktop's folder.
        expect(true, true, "USB hard disk",
               {"/mnt/backup", "ext4", "/dev/sdb1", "", true, kUsbDisk, false});
        expect(true, true, "SD card reader",
               {"/mnt/card", "vfat", "/dev/mmcblk0p1", "", true, sd, false});
        expect(true, true, "FireWire disk", {"/mnt/fw", "ext4", "/dev/sdd1", "", true, fw, false});
        expect(true, true, "card reader flagged removable",
               {"/mnt/cf", "vfat", "/dev/sda1", "", true, kSataDisk, true});
        expect(true, false, "started from a stick",
               {"/", "ext4", "/dev/sdb2", "", true, kUsbDisk, true});
        expect(true, true, "tmpfs under /media",
               {"/media/ram", "tmpfs", "tmpfs", "", true, "", false});
        expect(true, false, "a folder named like /media",
               {"/mediastore", "ext4", "/dev/sda3", "", true, kSataDisk, false});
        expect(false, false, "stick not ready",
               {"/media/OLD", "vfat", "/dev/sdc1", "", false, kUsbDisk, true});
        expect(false, false, "container root", {"/", "overlay", "overlay", "", true, "", false});
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
        write(root + kSataDisk.mid(4) + "/removable", "0\n");
        link("sda", kSataDisk.mid(4));

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

    void realDrivesAndCopier() {
        QtDrives drives;
        const QList<Drive> listed = drives.list();
        for (const Drive& drive : listed)
            QVERIFY2(QStorageInfo(drive.rootPath).rootPath() == drive.rootPath &&
                         !drive.rootPath.startsWith("/proc") && drive.bytesTotal > 0,
                     qPrintable(drive.rootPath));
        if (QStorageInfo::root().device().startsWith("/dev/"))
            QVERIFY(std::any_of(listed.begin(), listed.end(),
                                [](const Drive& d) { return d.rootPath == "/"; }));
        QTemporaryDir dir;
        QVERIFY(!drives.isRemovable("/") && !drives.isRemovable(dir.path()));

        // More than one chunk, and not a whole number of them, over a longer older file.
        QByteArray bytes(3 * 1024 * 1024 + 17, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
        write(dir.filePath("source"), bytes);
        write(dir.filePath("copy"), QByteArray(4 * 1024 * 1024, 'x'));
        write(dir.filePath("old"), "old");
        QtFileCopier files;
        QVERIFY(files.copy(dir.filePath("source"), dir.filePath("copy")));
        QVERIFY(files.replace(dir.filePath("copy"), dir.filePath("old")));
        QCOMPARE(read(dir.filePath("old")), bytes);
        QVERIFY(!QFile::exists(dir.filePath("copy")));

        QVERIFY(!files.copy(dir.filePath("source"), dir.filePath("no such folder/copy")));
        QVERIFY(!files.replace(dir.filePath("missing"), dir.filePath("old")));
        QCOMPARE(read(dir.filePath("old")), bytes);
    }
};

QTEST_MAIN(TestRemovableMedia)
#include "tst_removablemedia.moc"

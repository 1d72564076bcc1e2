#include "frmBackup.h"

#include "BackupFiles.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/WaitCursor.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kDiskInformation = QStringLiteral("Disk Information!");

// Where the drive is, then what it is called and how much it holds:
// "/media/usb (KINGSTON, 14.9 GB)".
QString driveCaption(const Drive& drive) {
    QStringList about;
    if (!drive.name.isEmpty())
        about << drive.name;
    if (drive.bytesTotal > 0)
        about << QLocale().formattedDataSize(drive.bytesTotal, 1,
                                             QLocale::DataSizeTraditionalFormat);
    return about.isEmpty()
               ? drive.rootPath
               : QStringLiteral("%1 (%2)").arg(drive.rootPath, about.join(QStringLiteral(", ")));
}

} // namespace

frmBackup::frmBackup(AppContext& app, QWidget* parent)
    : Form(app, QStringLiteral("frmBackup"), QStringLiteral("Backup"), parent) {
    setClientSize(4920, 2160);

    Label1 = place<QLabel>(QStringLiteral("Label1"), 120, 120, 4680, 615);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);

    Drive1 = place<QComboBox>(QStringLiteral("Drive1"), 120, 840, 4680, 315);

    cmdBackup = place<QPushButton>(QStringLiteral("cmdBackup"), 1680, 1440, 1560, 495);
    cmdBackup->setText(QStringLiteral("Backup"));
    connect(cmdBackup, &QPushButton::clicked, this, &frmBackup::cmdBackup_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kRefreshMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &frmBackup::Timer1_Timer);

    setCancelAction(addTopEntry(QStringLiteral("mnuClose"), QStringLiteral("&Close"),
                                &frmBackup::mnuClose_Click));

    Form_Load();
}

void frmBackup::Form_Load() {
    PaintBackgrounds(app().settings.BackGroundColor, {this});
    refreshDrives();
    Timer1->start();
}

void frmBackup::refreshDrives() {
    const QString chosen = Drive1->currentData().toString();
    Drive1->clear();
    for (const Drive& drive : app().platform().drives().list())
        Drive1->addItem(driveCaption(drive), drive.rootPath);
    const int kept = chosen.isEmpty() ? -1 : Drive1->findData(chosen);
    if (kept >= 0)
        Drive1->setCurrentIndex(kept);
    else
        selectFirstRemovable();
}

void frmBackup::selectFirstRemovable() {
    Drives& drives = app().platform().drives();
    for (int i = 0; i < Drive1->count(); ++i) {
        if (drives.isRemovable(Drive1->itemData(i).toString())) {
            Drive1->setCurrentIndex(i);
            return;
        }
    }
}

void frmBackup::Timer1_Timer() {
    refreshDrives();
}

void frmBackup::mnuClose_Click() {
    close();
}

void frmBackup::cmdBackup_Click() {
    const QString root = Drive1->currentData().toString();
    if (root.isEmpty() || !app().platform().drives().isRemovable(root)) {
        app().messages().show(this,
                              QStringLiteral("You must choose a removable Drive (IE: Floppy or USB "
                                             "Drive)! Insert Backup media and try again!"),
                              kDiskInformation, MsgButtons::Ok);
        close();
        return;
    }
    const bool backup = cmdBackup->text() == QLatin1String("Backup");
    // Asked before the data file is let go, so that No costs nothing.
    if (!backup &&
        app().messages().show(this,
                              QStringLiteral("This will over write your data file! Do you want to "
                                             "continue?"),
                              QStringLiteral("WARNING! Confirm Restore!"),
                              MsgButtons::YesNo) != MsgAnswer::Yes) {
        close();
        return;
    }

    CopyOutcome outcome;
    {
        WaitCursor hourglass;
        outcome = backup ? BackUpDataFile(app(), root) : RestoreDataFile(app(), root);
    }
    switch (outcome) {
    case CopyOutcome::Done:
        break;
    case CopyOutcome::Failed:
        app().messages().show(
            this,
            QStringLiteral(
                "Error performing Backup or Restore! Insert Backup media and try again!"),
            kDiskInformation, MsgButtons::Ok);
        break;
    case CopyOutcome::PutBack:
        app().messages().show(this,
                              QStringLiteral("The restored data file could not be opened. Your "
                                             "previous data has been put back."),
                              kDiskInformation, MsgButtons::Ok);
        break;
    case CopyOutcome::NoDataFile:
        // The program cannot go on without its data, as at start-up.
        app().messages().show(this, QStringLiteral("Data File not found. Re-install program!"),
                              QStringLiteral("Error loading Data File!"), MsgButtons::Ok);
        app().platform().endProcess(1);
        break;
    }
    close();
}

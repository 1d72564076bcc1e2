#pragma once

#include "ui/Form.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

// Copies the data file to a removable drive, or a copy from there back over it. What it
// does is told by the caption of `cmdBackup`, "Backup" or "Restore", which the opener sets
// together with the window's caption and the instruction in `Label1`.
class frmBackup : public Form {
    Q_OBJECT
public:
    static constexpr int kRefreshMilliseconds = 10000;

    explicit frmBackup(AppContext& app, QWidget* parent = nullptr);

    void Form_Load();

    QLabel* Label1;
    QComboBox* Drive1;
    QPushButton* cmdBackup;
    QTimer* Timer1;

public slots:
    void cmdBackup_Click();
    void Timer1_Timer();
    void mnuClose_Click();

private:
    // Lists the drives again, keeping the chosen one while it is there.
    void refreshDrives();
    void selectFirstRemovable();
};

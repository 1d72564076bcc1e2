#pragma once

class AppContext;
class QWidget;

// The backup window, modal over `owner`, set to copy the data file to a removable drive.
// Returns when it has closed.
void ShowBackupWindow(AppContext& app, QWidget* owner);

// The same window set to copy a backup from a removable drive over the data file. The
// settings in memory outlive a restore.
void ShowRestoreWindow(AppContext& app, QWidget* owner);

#pragma once

class AppContext;
class QWidget;

// Asks for a folder and writes everything the data file holds into a new folder inside it
// as CSV files, then says where and how much; a failure is told and leaves nothing behind.
void ShowExport(AppContext& app, QWidget* owner);

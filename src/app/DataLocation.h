#pragma once

#include <QString>

// Where the program keeps its data file and finds its manual.
struct DataLocation {
    QString dataFolder;
    QString manualFolder;
};

// A data file beside the executable makes a portable copy: data and manual stay in the
// program's folder. An installed program keeps the data file in the user's own folder,
// made from the installed template at the first start (through a temporary file, so an
// interrupted start leaves no half-copied file), and reads the installed manual unless one
// lies beside it. A template that cannot be copied leaves the file missing, which start-up
// reports.
DataLocation PrepareDataLocation(const QString& programFolder, const QString& installedFolder,
                                 const QString& userFolder);

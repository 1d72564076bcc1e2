#pragma once

#include "platform/Platform.h"
#include "store/DataStore.h"
#include "store/Settings.h"

#include <QString>
#include <memory>

class QWidget;

// State shared by every window for the whole run: the open data file, the settings and the
// print colour. Windows get it by reference.
class AppContext {
public:
    static inline const QString kDataFileName = QStringLiteral("Pantrelle Two.mdb");

    // `folder` holds the data file, and the manual unless `manualFolder` is given: the
    // executable's folder or the user's data folder in the program, a temporary folder in
    // tests.
    AppContext(QString folder, Platform& platform, QString manualFolder = {});

    const QString& folder() const { return m_folder; }
    QString dataFilePath() const;
    QString manualPath() const;

    Platform& platform() { return m_platform; }
    MessageBoxes& messages() { return m_platform.messages(); }

    // Throws StoreError when the data file is not open.
    DataStore& store();
    bool storeIsOpen() const { return m_store != nullptr; }
    // Opens the data file, adding the tables a file from an earlier version lacks. `vfs` as
    // for DataStore::open.
    void openStore(const char* vfs = nullptr);
    void closeStore();

    // The main window: the hub that opens the work windows and is shown again when they
    // close. Work windows are its children, so they go when the program ends.
    QWidget* mainWindow = nullptr;
    void showMainWindow();
    void hideMainWindow();

    Settings settings;
    quint32 PrintColor = 0;

private:
    QString m_folder;
    QString m_manualFolder;
    Platform& m_platform;
    std::unique_ptr<DataStore> m_store;
};

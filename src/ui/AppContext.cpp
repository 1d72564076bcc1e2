#include "AppContext.h"

#include "store/Schema.h"
#include "store/StoreError.h"

#include <QDir>
#include <QWidget>

AppContext::AppContext(QString folder, Platform& platform, QString manualFolder)
    : m_folder(std::move(folder)), m_manualFolder(std::move(manualFolder)), m_platform(platform) {
    if (m_manualFolder.isEmpty())
        m_manualFolder = m_folder;
}

QString AppContext::dataFilePath() const {
    return QDir(m_folder).filePath(kDataFileName);
}

QString AppContext::manualPath() const {
    return QDir(m_manualFolder).filePath(QStringLiteral("Manual.htm"));
}

DataStore& AppContext::store() {
    if (!m_store)
        throw StoreError(QStringLiteral("the data file is not open"));
    return *m_store;
}

void AppContext::openStore(const char* vfs) {
    m_store.reset();
    m_store = DataStore::open(dataFilePath(), DataStore::kPassword, vfs);
    // A file from an earlier version gains the tables added since. One that cannot take them
    // (read-only, a full disk) is still used: only what needs them fails, and says so.
    IgnoreStoreErrors([this] { AddMissingTables(*m_store); });
}

void AppContext::closeStore() {
    m_store.reset();
}

void AppContext::showMainWindow() {
    if (mainWindow)
        mainWindow->show();
}

void AppContext::hideMainWindow() {
    if (mainWindow)
        mainWindow->hide();
}

#pragma once

#include "FakePlatform.h"
#include "ui/AppContext.h"

#include <QTemporaryDir>
#include <memory>

// A data file in a temporary folder, and an application context around it.
class TestData {
    QTemporaryDir m_dir; // first, so it exists before the context that points into it

public:
    // Creates the data file with its fixed tables and one settings row.
    TestData();

    QString folder() const { return m_dir.path(); }
    QString dataFile() const;

    // Opens the data file as the program would at start-up, without the main window.
    AppContext& open();

    FakePlatform platform;
    AppContext app;
};

// Rows of a table as "field=value" joined by "|", in the order they were added.
QStringList Rows(DataStore& store, const QString& table, const QStringList& fields);

// Field names of a table in creation order.
QStringList FieldNames(DataStore& store, const QString& table);

// The file's whole content, as "name: definition" of each table by name, each followed by
// its rows as "name: row".
QStringList FileContent(DataStore& store);

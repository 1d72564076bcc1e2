#pragma once

#include "KitchenCsv.h"

class DataStore;

// What importing a CSV file would do, worked out before anything is written.
struct ImportPlan {
    // Why the file cannot be imported at all, as a message; empty when it can.
    QString problem;
    // Which of the export's files the header row says it is.
    KitchenFile kind = KitchenFile::Catalogue;
    // What Import writes (WriteKitchen).
    Kitchen kitchen;
    // One line per thing added or replaced, then one per row refused, with its reason.
    QStringList summary;
    // Rows below the header, and how many of them Import writes.
    int rows = 0;
    int imported = 0;
};

// Reads `bytes` as one of the export's files, told apart by its header row (any column
// order, letter case ignored, unknown columns ignored). Rows are checked as the windows
// check what is typed, against the names the store holds now; a refused row is left out
// whole, and so is the meal, list, week or plan it belongs to. Reads the store, writes
// nothing; throws StoreError when the store cannot be read.
ImportPlan PlanImport(DataStore& store, const QByteArray& bytes);

// A field's text as a box keeps it: TAB, CR and LF (a CRLF pair as one) become a blank.
QString SingleLineField(const QString& text);

#pragma once

#include <QString>

class DataStore;

// In-memory copies of the settings row, read once at start-up.
struct Settings {
    int DropDown = 0;
    int OptionColor = 0;
    quint32 BackGroundColor = 0;
    QString GroceryListName;
};

// Reads the first settings row. Throws StoreError when there is none or its colour is unset.
Settings ReadSettings(DataStore& store);

// Stores the two settings that are written only when the program ends.
void WriteExitSettings(DataStore& store, const Settings& settings);

// Stores the name of the grocery list saved last, which the grocery list window opens.
void WriteGroceryListName(DataStore& store, const QString& name);

// Stores the index of the print colour chosen last.
void WriteOptionColor(DataStore& store, int index);

// The sender address kept for the feedback mail; empty when none is kept.
QString ReadEmailAddress(DataStore& store);
// Keeps `address` as the feedback mail's sender.
void WriteEmailAddress(DataStore& store, const QString& address);

// How many settings rows the file holds; a usable file holds exactly one.
int SettingsRowCount(DataStore& store);

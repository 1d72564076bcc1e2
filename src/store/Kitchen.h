#pragma once

#include "Catalogue.h"
#include "GroceryLists.h"
#include "Loaders.h"
#include "Meals.h"
#include "SavedWeeks.h"

#include <optional>

class DataStore;

// Everything a household keeps in the data file, as values: what an export writes out, and
// what an import brings in (one kind at a time).
struct Kitchen {
    QList<CatalogueCategory> catalogue;
    QList<Meal> meals;
    // The week's plan by slot, empty texts for empty slots; nothing when it was never saved.
    std::optional<QStringList> plan;
    QList<SavedGroceryList> lists;
    QList<AisleLine> aisles;
    QStringList links;
    QList<SavedWeek> weeks;
};

// Reads it all. Throws StoreError.
Kitchen ReadKitchen(DataStore& store);

// Brings `kitchen` into the store through the routines the windows save with, all in one
// transaction: missing categories are made and items stored into them (an item of the same
// name replaced); meals, lists and weeks replace those of the same name; the plan, when
// given, replaces the plan; aisles are saved (a description replaced); links not kept yet
// are added. Which list the program opens next does not change. Throws StoreError, leaving
// the store as it was.
void WriteKitchen(DataStore& store, const Kitchen& kitchen);

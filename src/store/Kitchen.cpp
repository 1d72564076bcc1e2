#include "Kitchen.h"

#include "CouponLinks.h"
#include "DataStore.h"
#include "MealPlan.h"

Kitchen ReadKitchen(DataStore& store) {
    Kitchen kitchen;
    kitchen.catalogue = ReadCatalogue(store);
    kitchen.meals = ReadAllMeals(store);
    QStringList plan = ReadMealPlan(store);
    if (!plan.isEmpty()) {
        plan.resize(kPlanSlots);
        for (QString& meal : plan)
            if (meal == kNoMeal)
                meal.clear();
        kitchen.plan = plan;
    }
    kitchen.lists = ReadAllGroceryLists(store);
    kitchen.aisles = ReadAislesInSavedOrder(store);
    kitchen.links = LoadCouponLinks(store);
    kitchen.weeks = ReadAllWeeks(store);
    return kitchen;
}

void WriteKitchen(DataStore& store, const Kitchen& kitchen) {
    Transaction transaction(store);
    for (const CatalogueCategory& category : kitchen.catalogue) {
        if (!HasItemTable(store, category.name))
            CreateCategory(store, category.name);
        StoreCatalogueItems(store, category.name, category.items);
    }
    for (const Meal& meal : kitchen.meals)
        WriteMeal(store, meal.name, meal.types, meal.items);
    if (kitchen.plan)
        WriteMealPlan(store, *kitchen.plan);
    for (const SavedGroceryList& list : kitchen.lists)
        SaveGroceryList(store, list.name, list.lines, OpenNext::Unchanged);
    for (const AisleLine& aisle : kitchen.aisles)
        SaveAisle(store, aisle.aisle, aisle.description);
    if (!kitchen.links.isEmpty()) {
        QStringList links = LoadCouponLinks(store);
        for (const QString& link : kitchen.links)
            if (!links.contains(link))
                links << link;
        WriteCouponLinks(store, links);
    }
    for (const SavedWeek& week : kitchen.weeks)
        SaveWeek(store, week.name, week.meals);
    transaction.commit();
}

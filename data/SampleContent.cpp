#include "SampleContent.h"

#include "store/Catalogue.h"
#include "store/DataStore.h"
#include "store/Loaders.h"
#include "store/SavedWeeks.h"
#include "store/TableAccess.h"

#include <QStringList>

namespace {

struct Item {
    const char* name;
    const char* size;
    const char* aisle;
    const char* price;
    const char* comment;
};

struct Category {
    const char* name;
    std::initializer_list<Item> items;
};

const Category kCatalogue[] = {
    {"Produce",
     {{"Apples", "3 lb", "A1", "3.99", "Honeycrisp if on sale"},
      {"Avocados", "each", "A1", "1.25", ""},
      {"Bananas", "bunch", "A1", "1.29", ""},
      {"Broccoli", "head", "A1", "1.99", ""},
      {"Carrots", "2 lb", "A1", "1.49", ""},
      {"Garlic", "bulb", "A1", "0.50", ""},
      {"Lemons", "each", "A1", "0.59", ""},
      {"Lettuce", "head", "A1", "1.79", "Romaine"},
      {"Onions", "3 lb", "A1", "2.99", "Yellow"},
      {"Potatoes", "5 lb", "A1", "3.49", "Russet"},
      {"Spinach", "10 oz", "A1", "2.99", "Baby spinach"},
      {"Tomatoes", "1 lb", "A1", "2.49", ""}}},
    {"Dairy",
     {{"Butter", "1 lb", "B1", "4.29", "Unsalted"},
      {"Cheddar Cheese", "8 oz", "B1", "2.99", "Sharp"},
      {"Cream Cheese", "8 oz", "B1", "1.89", ""},
      {"Eggs", "dozen", "B1", "2.99", "Large"},
      {"Milk", "gal", "B1", "3.59", "2% kind"},
      {"Orange Juice", "64 oz", "B1", "3.29", "No pulp"},
      {"Parmesan Cheese", "6 oz", "B1", "4.49", ""},
      {"Sour Cream", "16 oz", "B1", "1.99", ""},
      {"Yogurt", "32 oz", "B1", "3.49", "Plain"}}},
    {"Meat & Fish",
     {{"Bacon", "12 oz", "B2", "5.49", "Thick cut"},
      {"Chicken Breast", "2 lb", "B2", "7.98", "Boneless"},
      {"Deli Turkey", "8 oz", "B2", "4.29", "Sliced thin"},
      {"Ground Beef", "1 lb", "B2", "4.99", "85% lean"},
      {"Italian Sausage", "1 lb", "B2", "4.79", ""},
      {"Pork Chops", "1.5 lb", "B2", "6.49", ""},
      {"Salmon Fillet", "1 lb", "B3", "9.99", "Wild caught"},
      {"Shrimp", "1 lb", "B3", "8.99", "Peeled"}}},
    {"Bakery",
     {{"Bagels", "6 ct", "A2", "3.49", ""},
      {"Croissants", "4 ct", "A2", "3.99", ""},
      {"Dinner Rolls", "12 ct", "A2", "3.29", ""},
      {"English Muffins", "6 ct", "A2", "2.49", ""},
      {"Hamburger Buns", "8 ct", "A2", "2.29", ""},
      {"Tortillas", "10 ct", "A2", "2.79", "Flour, soft taco size"},
      {"Whole Wheat Bread", "loaf", "A2", "2.99", "Check the date"}}},
    {"Pantry",
     {{"Black Beans", "15 oz", "A4", "0.99", ""},
      {"Chicken Broth", "32 oz", "A4", "2.49", "Low sodium"},
      {"Flour", "5 lb", "A6", "2.89", "All purpose"},
      {"Olive Oil", "17 oz", "A6", "6.99", "Extra virgin"},
      {"Pasta Sauce", "24 oz", "A4", "2.99", ""},
      {"Peanut Butter", "16 oz", "A4", "2.79", "Crunchy"},
      {"Rice", "2 lb", "A5", "2.19", "Long grain"},
      {"Salsa", "16 oz", "A7", "2.99", "Medium"},
      {"Spaghetti", "1 lb", "A5", "1.29", "Store brand is fine"},
      {"Sugar", "4 lb", "A6", "2.99", ""},
      {"Taco Seasoning", "1 oz", "A6", "0.89", ""},
      {"Tortilla Chips", "13 oz", "A7", "3.49", ""}}},
    {"Breakfast & Cereal",
     {{"Coffee", "12 oz", "A8", "7.99", "Medium roast"},
      {"Corn Flakes", "12 oz", "A3", "3.49", ""},
      {"Granola", "12 oz", "A3", "4.29", ""},
      {"Maple Syrup", "12 oz", "A3", "5.99", "The real thing"},
      {"Oatmeal", "18 oz", "A3", "3.19", "Old fashioned"},
      {"Pancake Mix", "32 oz", "A3", "2.69", ""},
      {"Tea Bags", "20 ct", "A8", "2.99", ""}}},
    {"Frozen",
     {{"Fish Sticks", "24 ct", "B4", "4.49", ""},
      {"Frozen Berries", "12 oz", "B4", "3.99", "For smoothies"},
      {"Frozen Peas", "16 oz", "B4", "1.49", ""},
      {"Frozen Pizza", "each", "B4", "5.99", ""},
      {"Ice Cream", "48 oz", "B4", "4.99", "Family size"},
      {"Waffles", "10 ct", "B4", "2.49", ""}}},
};

const char* const kAisles[][2] = {
    {"A1", "Fruit and Vegetables"}, {"A2", "Bread and Bakery"},
    {"A3", "Cereal and Breakfast"}, {"A4", "Canned Goods and Spreads"},
    {"A5", "Pasta and Rice"},       {"A6", "Baking, Oils and Spices"},
    {"A7", "Snacks and Chips"},     {"A8", "Coffee, Tea and Drinks"},
    {"B1", "Dairy and Eggs"},       {"B2", "Meat and Poultry"},
    {"B3", "Fish Counter"},         {"B4", "Frozen Foods"},
};

struct MealItem {
    const char* qty;
    const char* item;
    const char* category;
};

struct Meal {
    const char* name;
    bool breakfast, lunch, dinner;
    std::initializer_list<MealItem> items;
};

const Meal kMeals[] = {
    {"Pancake Breakfast",
     true,
     false,
     false,
     {{"1", "Pancake Mix", "Breakfast & Cereal"},
      {"1", "Eggs", "Dairy"},
      {"1", "Milk", "Dairy"},
      {"1", "Maple Syrup", "Breakfast & Cereal"},
      {"1", "Bacon", "Meat & Fish"}}},
    {"Oatmeal and Fruit",
     true,
     false,
     false,
     {{"1", "Oatmeal", "Breakfast & Cereal"}, {"1", "Bananas", "Produce"}, {"1", "Milk", "Dairy"}}},
    {"Bagels and Cream Cheese",
     true,
     true,
     false,
     {{"1", "Bagels", "Bakery"}, {"1", "Cream Cheese", "Dairy"}, {"1", "Orange Juice", "Dairy"}}},
    {"Scrambled Eggs and Toast",
     true,
     false,
     false,
     {{"1", "Eggs", "Dairy"}, {"1", "Whole Wheat Bread", "Bakery"}, {"1", "Butter", "Dairy"}}},
    {"Turkey Sandwiches",
     false,
     true,
     false,
     {{"1", "Whole Wheat Bread", "Bakery"},
      {"1", "Deli Turkey", "Meat & Fish"},
      {"1", "Lettuce", "Produce"},
      {"2", "Tomatoes", "Produce"},
      {"1", "Cheddar Cheese", "Dairy"}}},
    {"Chicken Salad",
     false,
     true,
     true,
     {{"1", "Chicken Breast", "Meat & Fish"},
      {"1", "Lettuce", "Produce"},
      {"1", "Tomatoes", "Produce"},
      {"1", "Carrots", "Produce"},
      {"2", "Lemons", "Produce"}}},
    {"Spaghetti and Meat Sauce",
     false,
     false,
     true,
     {{"1", "Spaghetti", "Pantry"},
      {"1", "Pasta Sauce", "Pantry"},
      {"1", "Ground Beef", "Meat & Fish"},
      {"1", "Parmesan Cheese", "Dairy"},
      {"1", "Garlic", "Produce"}}},
    {"Tacos",
     false,
     true,
     true,
     {{"1", "Tortillas", "Bakery"},
      {"1", "Ground Beef", "Meat & Fish"},
      {"1", "Taco Seasoning", "Pantry"},
      {"1", "Lettuce", "Produce"},
      {"1", "Cheddar Cheese", "Dairy"},
      {"1", "Salsa", "Pantry"},
      {"1", "Sour Cream", "Dairy"}}},
    {"Baked Salmon Dinner",
     false,
     false,
     true,
     {{"2", "Salmon Fillet", "Meat & Fish"},
      {"1", "Rice", "Pantry"},
      {"1", "Broccoli", "Produce"},
      {"1", "Lemons", "Produce"},
      {"1", "Olive Oil", "Pantry"}}},
    {"Pork Chops and Potatoes",
     false,
     false,
     true,
     {{"1", "Pork Chops", "Meat & Fish"},
      {"1", "Potatoes", "Produce"},
      {"1", "Frozen Peas", "Frozen"},
      {"1", "Butter", "Dairy"}}},
};

// Monday to Sunday for breakfast, then lunch, then dinner.
const char* const kPlan[21] = {
    "Oatmeal and Fruit",
    "Scrambled Eggs and Toast",
    "Oatmeal and Fruit",
    "Bagels and Cream Cheese",
    "Scrambled Eggs and Toast",
    "Pancake Breakfast",
    "Pancake Breakfast",
    "Turkey Sandwiches",
    "Chicken Salad",
    "Turkey Sandwiches",
    "Tacos",
    "Turkey Sandwiches",
    "None",
    "Bagels and Cream Cheese",
    "Spaghetti and Meat Sauce",
    "Tacos",
    "Baked Salmon Dinner",
    "Pork Chops and Potatoes",
    "Chicken Salad",
    "Spaghetti and Meat Sauce",
    "Baked Salmon Dinner",
};

// Two weeks kept aside, slots as in the plan; an empty text is an empty slot.
struct Week {
    const char* name;
    const char* meals[21];
};

const Week kWeeks[] = {
    {"School Week",
     {"Oatmeal and Fruit",
      "Scrambled Eggs and Toast",
      "Oatmeal and Fruit",
      "Scrambled Eggs and Toast",
      "Oatmeal and Fruit",
      "Pancake Breakfast",
      "Pancake Breakfast",
      "Turkey Sandwiches",
      "Turkey Sandwiches",
      "Chicken Salad",
      "Turkey Sandwiches",
      "Turkey Sandwiches",
      "Tacos",
      "",
      "Spaghetti and Meat Sauce",
      "Pork Chops and Potatoes",
      "Tacos",
      "Baked Salmon Dinner",
      "Spaghetti and Meat Sauce",
      "Tacos",
      "Pork Chops and Potatoes"}},
    {"Holiday Week",
     {"Pancake Breakfast",
      "Bagels and Cream Cheese",
      "Pancake Breakfast",
      "Bagels and Cream Cheese",
      "Scrambled Eggs and Toast",
      "Pancake Breakfast",
      "",
      "",
      "Tacos",
      "Chicken Salad",
      "",
      "Bagels and Cream Cheese",
      "Tacos",
      "",
      "Baked Salmon Dinner",
      "Chicken Salad",
      "Tacos",
      "Spaghetti and Meat Sauce",
      "Baked Salmon Dinner",
      "Chicken Salad",
      "Pork Chops and Potatoes"}},
};

const char* const kListName = "Weekly Shopping";

struct ListLine {
    const char* item;
    const char* qty;
    bool coupon;
    const char* category;
};

const ListLine kList[] = {
    {"Apples", "1", false, "Produce"},
    {"Bananas", "2", false, "Produce"},
    {"Milk", "2", false, "Dairy"},
    {"Eggs", "1", true, "Dairy"},
    {"Whole Wheat Bread", "2", false, "Bakery"},
    {"Chicken Breast", "1", true, "Meat & Fish"},
    {"Ground Beef", "2", false, "Meat & Fish"},
    {"Spaghetti", "1", false, "Pantry"},
    {"Pasta Sauce", "1", false, "Pantry"},
    {"Coffee", "1", true, "Breakfast & Cereal"},
    {"Lettuce", "2", false, "Produce"},
    {"Ice Cream", "1", false, "Frozen"},
};

QVariant text(const char* value) {
    return *value ? QVariant(QString::fromUtf8(value)) : QVariant();
}

const Item& find(const char* category, const char* name) {
    for (const Category& c : kCatalogue)
        if (qstrcmp(c.name, category) == 0)
            for (const Item& item : c.items)
                if (qstrcmp(item.name, name) == 0)
                    return item;
    qFatal("sample list names an item that is not in the catalogue: %s", name);
}

const char* const kCouponSites[] = {
    "https://www.coupons.com",
    "https://www.retailmenot.com",
    "https://www.groupon.com/coupons",
    "https://slickdeals.net",
};

} // namespace

void FillSampleContent(DataStore& store) {
    Transaction transaction(store);
    store.run(QStringLiteral("INSERT INTO \"dbIndex\" (\"DropDown\", \"OptionColor\", "
                             "\"BackGroundColor\", \"GroceryListName\", \"eMailFlag\") "
                             "VALUES (1, 0, ?1, ?2, ?3)"),
              qint64(0x00D8EEDF), QString::fromUtf8(kListName),
              QStringLiteral("shopper@example.com"));

    for (const Category& category : kCatalogue) {
        const QString name = QString::fromUtf8(category.name);
        CreateCategory(store, name);
        for (const Item& item : category.items)
            store.run(QStringLiteral("INSERT INTO %1 (\"Item\", \"Size\", \"Aisle\", \"Price\", "
                                     "\"Comments\") VALUES (?1, ?2, ?3, ?4, ?5)")
                          .arg(QuoteIdentifier(name)),
                      text(item.name), text(item.size), text(item.aisle), text(item.price),
                      text(item.comment));
    }

    for (const auto& aisle : kAisles)
        SaveAisle(store, QString::fromUtf8(aisle[0]), QString::fromUtf8(aisle[1]));

    for (const Meal& meal : kMeals)
        for (const MealItem& item : meal.items)
            store.run(QStringLiteral("INSERT INTO \"Meals\" (\"Meal\", \"Breakfast\", \"Lunch\", "
                                     "\"Dinner\", \"Item\", \"Category\", \"Qty\") "
                                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"),
                      text(meal.name), meal.breakfast, meal.lunch, meal.dinner, text(item.item),
                      text(item.category), text(item.qty));

    for (const char* slot : kPlan)
        store.run(QStringLiteral("INSERT INTO \"MealIndex\" (\"ItemIndex\") VALUES (?1)"),
                  text(slot));

    for (const Week& week : kWeeks) {
        QStringList meals;
        for (const char* meal : week.meals)
            meals << QString::fromUtf8(meal);
        SaveWeek(store, QString::fromUtf8(week.name), meals);
    }

    for (const ListLine& line : kList) {
        const Item& item = find(line.category, line.item);
        store.run(QStringLiteral("INSERT INTO \"GroceryList\" (\"ListName\", \"Item\", "
                                 "\"Quanity\", \"Size\", \"Aisle\", \"Price\", \"Category\", "
                                 "\"Comments\", \"Coupon\") "
                                 "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)"),
                  text(kListName), text(line.item), text(line.qty), text(item.size),
                  text(item.aisle), text(item.price), text(line.category), text(item.comment),
                  line.coupon);
    }

    for (const char* site : kCouponSites)
        store.run(QStringLiteral("INSERT INTO \"Coupon Links\" (\"Link\") VALUES (?1)"),
                  text(site));
    transaction.commit();
}

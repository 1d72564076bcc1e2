// The kill test's saver: opens the data file it is given as the program does (seeding it on
// the first run), prints "whole <latest round>" when the file is whole and every object
// holds exactly one round, then saves round after round through the program's own routines
// until it is killed.
#include "SuiteHelpers.h"
#include "store/Catalogue.h"
#include "store/CouponLinks.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"
#include "store/Loaders.h"
#include "store/MealPlan.h"
#include "store/Meals.h"
#include "store/StoreError.h"

#include <QRegularExpression>
#include <algorithm>
#include <cstdio>

namespace {

const QString kCategory = QStringLiteral("Kill");

// Every text a round saves carries the round's stamp, padded so that names sort by round.
QString stamp(int round) {
    return QStringLiteral("#%1").arg(round, 6, 10, QLatin1Char('0'));
}

QStringList stamped(const QString& text, int count, int round) {
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << text.arg(i) + stamp(round);
    return texts;
}

QString table(DataStore& store, const QString& name) {
    return Rows(store, name, FieldNames(store, name)).join(' ');
}

// What a round saves, each object with the stamps it holds when whole.
struct Object {
    const char* name;
    int stamps;
    void (*save)(DataStore&, int round);
    QString (*read)(DataStore&);
};

const Object kObjects[] = {
    {"the list", 200,
     [](DataStore& s, int round) {
         QList<GroceryListLine> lines;
         for (const QString& item : stamped("Item %1 ", 200, round))
             lines.append({item, "1", false, "each", "A1", "1.00", kCategory, ""});
         SaveGroceryList(s, "Kill List", lines);
     },
     [](DataStore& s) { return table(s, "GroceryList"); }},
    {"the meal", 30,
     [](DataStore& s, int round) {
         QList<MealItem> items;
         for (const QString& item : stamped("Part %1 ", 30, round))
             items.append({"", item, kCategory, "1"});
         WriteMeal(s, "Kill Meal", {true, false, true}, items);
     },
     [](DataStore& s) { return table(s, "Meals"); }},
    {"the plan", kPlanSlots,
     [](DataStore& s, int round) { WriteMealPlan(s, stamped("Meal %1 ", 21, round)); },
     [](DataStore& s) { return table(s, "MealIndex"); }},
    {"the links", 5,
     [](DataStore& s, int round) {
         WriteCouponLinks(s, stamped("https://example.com/%1", 5, round));
     },
     [](DataStore& s) { return table(s, "Coupon Links"); }},
    {"the catalogue item", 2,
     [](DataStore& s, int round) {
         StoreCatalogueItem(s, kCategory, {"Kill Item", stamp(round), "", "", stamp(round)});
     },
     [](DataStore& s) { return table(s, kCategory); }},
    {"the aisle", 1, [](DataStore& s, int round) { SaveAisle(s, "Kill Aisle", stamp(round)); },
     [](DataStore& s) { return table(s, "Aisles"); }},
    // A new category, and those of earlier rounds deleted: the newest one counts, and each is
    // listed in [Groups] exactly when its table exists.
    {"the newest category", 1,
     [](DataStore& s, int round) {
         CreateCategory(s, "Round " + stamp(round));
         for (const QString& name : LoadCategories(s).filter("Round #"))
             if (name != "Round " + stamp(round))
                 DeleteCategory(s, name);
     },
     [](DataStore& s) {
         QStringList tables = DumpTables(s).filter(QRegularExpression("^Round #\\d+: "));
         tables.replaceInStrings(QRegularExpression(": .*"), "");
         const QStringList listed = LoadCategories(s).filter("Round #");
         return listed == tables ? listed.value(listed.size() - 1) : QString();
     }},
};

// Empty when the file is whole and every object holds one whole round; `rounds` gets each
// object's round, in the order a round saves them.
QString inspect(DataStore& store, QList<int>& rounds) {
    if (const QString check = IntegrityCheck(store); check != "ok")
        return "integrity check: " + check;
    static const QRegularExpression kStamp(QStringLiteral("#(\\d{6})"));
    for (const Object& object : kObjects) {
        QList<int> found;
        for (const QRegularExpressionMatch& match : kStamp.globalMatch(object.read(store)))
            found << match.captured(1).toInt();
        if (found.size() != object.stamps || found.count(found.value(0)) != found.size())
            return QString("%1: %2 stamps, not %3 of one round")
                .arg(object.name)
                .arg(found.size())
                .arg(object.stamps);
        rounds << found.first();
    }
    // Committed saves stay: no object lags behind one that a round saves after it.
    if (!std::is_sorted(rounds.rbegin(), rounds.rend()))
        return "the objects' rounds are out of step";
    return {};
}

} // namespace

int main(int, char** argv) {
    try {
        auto store = DataStore::open(QString::fromLocal8Bit(argv[1]));
        if (!IsCategory(*store, kCategory)) {
            CreateCategory(*store, kCategory);
            for (const Object& object : kObjects)
                object.save(*store, 0);
        }
        QList<int> rounds;
        if (const QString problem = inspect(*store, rounds); !problem.isEmpty()) {
            std::printf("broken: %s\n", qPrintable(problem));
            return 1;
        }
        std::printf("whole %d\n", rounds.first());
        std::fflush(stdout);
        for (int round = rounds.first() + 1;; ++round)
            for (const Object& object : kObjects)
                object.save(*store, round);
    } catch (const StoreError& error) {
        std::printf("failed: %s\n", error.what());
        return 1;
    }
}

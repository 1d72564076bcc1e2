#include "SaveRounds.h"

#include "StoreChecks.h"
#include "TestData.h"
#include "store/Catalogue.h"
#include "store/CouponLinks.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"
#include "store/Loaders.h"
#include "store/MealPlan.h"
#include "store/Meals.h"
#include "store/Settings.h"

#include <QRegularExpression>
#include <algorithm>

namespace SaveRounds {

namespace {

const QString kList = QStringLiteral("Kill List");
const QString kMeal = QStringLiteral("Kill Meal");
const QString kCategory = QStringLiteral("Kill");
const QString kItem = QStringLiteral("Kill Item");
const QString kAisle = QStringLiteral("Kill Aisle");

QString stamp(int round) {
    return QStringLiteral("round %1").arg(round);
}

QString roundCategory(int round) {
    return QStringLiteral("Round %1").arg(round);
}

QString link(int round, int i) {
    return QStringLiteral("https://r%1.example.com/%2").arg(round).arg(i);
}

// One object read back: the round each of its parts says it was saved in, or what is wrong.
struct Reading {
    QString problem;
    int round = -1;
};

// Every part must name the same round; `parts` is how many there must be.
Reading oneRound(const QString& object, const QList<int>& rounds, qsizetype parts) {
    if (rounds.size() != parts)
        return {
            QStringLiteral("%1 has %2 parts, not %3").arg(object).arg(rounds.size()).arg(parts)};
    const auto [low, high] = std::minmax_element(rounds.begin(), rounds.end());
    if (*low != *high || *low < 0)
        return {QStringLiteral("%1 mixes rounds %2 to %3").arg(object).arg(*low).arg(*high)};
    return {{}, *low};
}

// A part that does not read as its round counts as round -1, which no round has.
int roundIn(const QString& text, const QString& prefix, const QString& suffix = {}) {
    if (!text.startsWith(prefix) || !text.endsWith(suffix))
        return -1;
    bool ok = false;
    const int round =
        text.mid(prefix.size(), text.size() - prefix.size() - suffix.size()).toInt(&ok);
    return ok ? round : -1;
}

Reading readList(DataStore& store) {
    const QList<GroceryListLine> lines = ReadGroceryList(store, kList);
    QList<int> rounds;
    for (int i = 0; i < lines.size(); ++i) {
        const GroceryListLine& line = lines[i];
        const int round = line.quantity.toInt();
        const bool whole = line.item == QStringLiteral("Item %1").arg(i) &&
                           line.comments == stamp(round) && line.price == line.quantity;
        rounds << (whole ? round : -1);
    }
    return oneRound(kList, rounds, kListLines);
}

Reading readMeal(DataStore& store) {
    QList<int> rounds;
    const QList<MealItem> items = ReadMealItems(store, {kMeal});
    for (int i = 0; i < items.size(); ++i) {
        const int round = items[i].quantity.toInt();
        rounds << (items[i].item == QStringLiteral("Part %1").arg(i) ? round : -1);
    }
    // The marks are written with the items: lunch on odd rounds, breakfast on even ones.
    Statement marks = store.query(
        QStringLiteral("SELECT Breakfast, Lunch, Qty FROM Meals WHERE Meal = ?1"), kMeal);
    while (marks.next()) {
        const bool odd = marks.text(QStringLiteral("Qty")).toInt() % 2 == 1;
        if ((marks.integer(QStringLiteral("Lunch")) != 0) != odd ||
            (marks.integer(QStringLiteral("Breakfast")) != 0) == odd)
            return {kMeal + QStringLiteral(" has marks from another round")};
    }
    return oneRound(kMeal, rounds, kMealItems);
}

Reading readPlan(DataStore& store) {
    const QStringList plan = ReadMealPlan(store);
    QList<int> rounds;
    for (int k = 0; k < plan.size(); ++k)
        rounds << roundIn(plan[k], QStringLiteral("Meal "), QStringLiteral("/%1").arg(k));
    return oneRound(QStringLiteral("The plan"), rounds, kPlanSlots);
}

Reading readLinks(DataStore& store) {
    const QStringList links = LoadCouponLinks(store);
    QList<int> rounds;
    for (const QString& text : links)
        rounds << roundIn(text.section(QLatin1Char('.'), 0, 0), QStringLiteral("https://r"));
    Reading reading = oneRound(QStringLiteral("The links"), rounds, kLinks);
    for (int i = 0; reading.problem.isEmpty() && i < kLinks; ++i)
        if (links[i] != link(reading.round, i))
            reading.problem = QStringLiteral("The links are not those of one round");
    return reading;
}

Reading readItem(DataStore& store) {
    QList<int> rounds;
    const QStringList rows = Rows(store, kCategory, {"Item", "Size", "Price", "Comments"});
    for (const QString& row : rows) {
        const QStringList fields = row.split(QLatin1Char('|'));
        if (fields[0].compare(kItem, Qt::CaseInsensitive) != 0)
            continue;
        const int round = fields[1].toInt();
        rounds << (fields[2] == fields[1] && fields[3] == stamp(round) ? round : -1);
    }
    return oneRound(kItem, rounds, 1);
}

Reading readAisle(DataStore& store) {
    QList<int> rounds;
    for (const QString& row : Rows(store, "Aisles", {"Aisle", "Description"}))
        if (row.section(QLatin1Char('|'), 0, 0).compare(kAisle, Qt::CaseInsensitive) == 0)
            rounds << roundIn(row.section(QLatin1Char('|'), 1), QStringLiteral("round "));
    return oneRound(kAisle, rounds, 1);
}

// A round adds its category and then deletes those of earlier rounds, so at least one is
// there; each listed in [Groups] exactly when its table exists.
Reading readCategories(DataStore& store) {
    QList<int> listed;
    for (const QString& name : LoadCategories(store))
        if (name.startsWith(QStringLiteral("Round ")))
            listed << roundIn(name, QStringLiteral("Round "));
    QList<int> tables;
    Statement names = store.prepare(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name LIKE 'Round %'"));
    while (names.next())
        tables << roundIn(names.text(QStringLiteral("name")), QStringLiteral("Round "));
    std::sort(listed.begin(), listed.end());
    std::sort(tables.begin(), tables.end());
    if (listed != tables)
        return {QStringLiteral("The round categories and their tables differ")};
    if (listed.isEmpty() || listed.first() < 0)
        return {QStringLiteral("No round category")};
    return {{}, listed.last()};
}

Reading readSettings(DataStore& store) {
    const Settings settings = ReadSettings(store);
    const int round = int(settings.BackGroundColor);
    if (settings.DropDown != round % 2)
        return {QStringLiteral("The settings mix two rounds")};
    return {{}, round};
}

} // namespace

void Seed(DataStore& store) {
    CreateCategory(store, kCategory);
    Save(store, 0);
}

void Save(DataStore& store, int round) {
    QList<GroceryListLine> lines;
    const QString number = QString::number(round);
    for (int i = 0; i < kListLines; ++i)
        lines.append({QStringLiteral("Item %1").arg(i), number, QString(), QStringLiteral("each"),
                      QStringLiteral("A1"), number, kCategory, stamp(round)});
    SaveGroceryList(store, kList, lines);

    QList<MealItem> items;
    for (int i = 0; i < kMealItems; ++i)
        items.append({kMeal, QStringLiteral("Part %1").arg(i), kCategory, number});
    WriteMeal(store, kMeal, {round % 2 == 0, round % 2 == 1, true}, items);

    QStringList plan;
    for (int k = 0; k < kPlanSlots; ++k)
        plan << QStringLiteral("Meal %1/%2").arg(round).arg(k);
    WriteMealPlan(store, plan);

    QStringList links;
    for (int i = 0; i < kLinks; ++i)
        links << link(round, i);
    WriteCouponLinks(store, links);

    StoreCatalogueItem(store, kCategory, {kItem, number, QString(), number, stamp(round)});
    SaveAisle(store, kAisle, stamp(round));
    CreateCategory(store, roundCategory(round));
    for (const QString& name : LoadCategories(store))
        if (name.startsWith(QStringLiteral("Round ")) && name != roundCategory(round))
            DeleteCategory(store, name);

    Settings settings;
    settings.DropDown = round % 2;
    settings.BackGroundColor = quint32(round);
    WriteExitSettings(store, settings);
}

Findings Inspect(DataStore& store) {
    Findings findings;
    const QString integrity = IntegrityCheck(store);
    if (integrity != QLatin1String("ok")) {
        findings.problem = QStringLiteral("integrity check: ") + integrity;
        return findings;
    }
    using Reader = Reading (*)(DataStore&);
    for (Reader read : {readList, readMeal, readPlan, readLinks, readItem, readAisle,
                        readCategories, readSettings}) {
        const Reading reading = read(store);
        if (!reading.problem.isEmpty()) {
            findings.problem = reading.problem;
            return findings;
        }
        findings.rounds << reading.round;
    }
    // Committed saves stay: an object is never behind one that a round saves after it.
    const QList<int>& r = findings.rounds;
    if (!std::is_sorted(r.rbegin(), r.rend()))
        findings.problem = QStringLiteral("the objects' rounds are out of step:");
    for (const int round : r)
        if (!findings.problem.isEmpty())
            findings.problem += QStringLiteral(" %1").arg(round);
    return findings;
}

} // namespace SaveRounds

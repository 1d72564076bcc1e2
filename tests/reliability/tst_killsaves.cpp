// Kills a process in the middle of the program's saves, again and again. Each save is one
// transaction, so the next open rolls back what a kill interrupted, as the program's own open
// does, and finds the file whole with every saved object holding exactly one round.
#include "SuiteHelpers.h"
#include "store/Catalogue.h"
#include "store/CouponLinks.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"
#include "store/Loaders.h"
#include "store/MealPlan.h"
#include "store/Meals.h"
#include "store/SavedWeeks.h"

#include <QRandomGenerator>
#include <QtTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kCategory = "Kill";

// What a round saves: texts that each carry the round's stamp, and the lines of the file's
// content that hold them.
struct Object {
    const char* lines;
    int texts;
    void (*save)(DataStore&, const QStringList& texts);
    // Saved in more than one transaction, so a kill may leave an earlier round beside it.
    bool rounds = false;
};

const Object kObjects[] = {
    {"^GroceryList: ", 200,
     [](DataStore& s, const QStringList& texts) {
         QList<GroceryListLine> lines;
         for (const QString& item : texts)
             lines.append({item, "1", false, "each", "A1", "1.00", kCategory, ""});
         SaveGroceryList(s, "Kill List", lines);
     }},
    {"^Meals: ", 30,
     [](DataStore& s, const QStringList& texts) {
         QList<MealItem> items;
         for (const QString& item : texts)
             items.append({"", item, kCategory, "1"});
         WriteMeal(s, "Kill Meal", {true, false, true}, items);
     }},
    {"^MealIndex: ", kPlanSlots, [](DataStore& s, const QStringList& t) { WriteMealPlan(s, t); }},
    {"^SavedWeeks: ", kPlanSlots,
     [](DataStore& s, const QStringList& t) { SaveWeek(s, "Kill Week", t); }},
    {"^Coupon Links: ", 5, [](DataStore& s, const QStringList& t) { WriteCouponLinks(s, t); }},
    {"^Kill: ", 2,
     [](DataStore& s, const QStringList& t) {
         StoreCatalogueItem(s, kCategory, {"Kill Item", t[0], "", "", t[1]});
     }},
    {"^Aisles: ", 1, [](DataStore& s, const QStringList& t) { SaveAisle(s, "Kill Aisle", t[0]); }},
    // A new category, then those of earlier rounds deleted: each one table, its name twice in
    // its definition, listed once in Groups.
    {"Round ", 3,
     [](DataStore& s, const QStringList& t) {
         CreateCategory(s, "Round " + t[0]);
         for (const QString& name : LoadCategories(s).filter("Round "))
             if (name != "Round " + t[0])
                 DeleteCategory(s, name);
     },
     true},
};

void save(DataStore& store, int round) {
    for (const Object& object : kObjects) {
        QStringList texts;
        for (int i = 0; i < object.texts; ++i)
            texts << QString("%1 #%2").arg(i).arg(round, 6, 10, QLatin1Char('0'));
        object.save(store, texts);
    }
}

} // namespace

class TestKillSaves : public QObject {
    Q_OBJECT

private slots:
    void everyKillLeavesWholeRounds() {
        constexpr int kKills = 40;
        UseQuickKeys();
        QTemporaryDir folder;
        const QString file = folder.filePath("kill.mdb");
        {
            const auto store = DataStore::create(file);
            CreateCategory(*store, kCategory);
            save(*store, 0);
        }
        QRandomGenerator random(14);
        QList<int> rounds{0};
        int interrupted = 0;
        for (int kill = 1; kill <= kKills; ++kill) {
            // The saver tells when its first round is in, so a slow machine still kills it
            // among its saves rather than before them.
            int started[2];
            QVERIFY(pipe(started) == 0);
            const pid_t saver = fork();
            if (saver == 0) {
                // The saver goes on from the newest whole round until it is killed.
                try {
                    const auto store = DataStore::open(file);
                    for (int round = rounds.first() + 1;; ++round) {
                        save(*store, round);
                        if (round == rounds.first() + 1 && write(started[1], "1", 1) != 1)
                            break;
                    }
                } catch (...) {
                }
                _exit(1);
            }
            close(started[1]);
            char first = 0;
            const bool begun = read(started[0], &first, 1) == 1;
            close(started[0]);
            // Then up to 60 ms more of saving: a few rounds.
            usleep(random.bounded(60000));
            ::kill(saver, SIGKILL);
            waitpid(saver, nullptr, 0);
            QVERIFY(begun);
            interrupted += QFileInfo(file + "-journal").size() > 0;
            // Opened again, the file is whole and every object holds one round's texts.
            const auto store = DataStore::open(file);
            QCOMPARE(IntegrityCheck(*store), QString("ok"));
            const QStringList content = FileContent(*store);
            rounds.clear();
            for (const Object& object : kObjects) {
                QList<int> found;
                static const QRegularExpression kStamp("#(\\d{6})");
                const QString text = content.filter(QRegularExpression(object.lines)).join(' ');
                for (const QRegularExpressionMatch& match : kStamp.globalMatch(text))
                    found << match.captured(1).toInt();
                const QString where = QString("kill %1: %2").arg(kill).arg(object.lines);
                QList<int> stamps = found;
                std::sort(stamps.begin(), stamps.end());
                stamps.erase(std::unique(stamps.begin(), stamps.end()), stamps.end());
                QVERIFY2(!stamps.isEmpty() && (object.rounds || stamps.size() == 1),
                         qPrintable(where));
                for (int round : stamps)
                    QVERIFY2(found.count(round) == object.texts, qPrintable(where));
                rounds << stamps.last();
            }
            // Committed saves stay: no object lags behind one that a round saves after it.
            QVERIFY(std::is_sorted(rounds.rbegin(), rounds.rend()));
        }
        // The kills must land among the saves, not before them, and the saves go on.
        QVERIFY(interrupted > kKills / 4 && rounds.first() > kKills / 4);
    }
};

QTEST_GUILESS_MAIN(TestKillSaves)
#include "tst_killsaves.moc"

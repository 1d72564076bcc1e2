// How fast a large catalogue goes out as CSV files and comes back in: 100 categories of
// 1,000 items each, exported to a new folder, then its catalogue.csv imported into an
// empty data file (read, checked and written in one transaction).
#include "BenchSupport.h"
#include "domain/KitchenImport.h"
#include "transfer/ExportFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

constexpr int kCategories = 100;
constexpr int kItems = 1000;
constexpr int kRuns = 5;

void fillCatalogue(DataStore& store) {
    for (int c = 0; c < kCategories; ++c) {
        const QString category = QStringLiteral("Category %1").arg(c, 3, 10, QLatin1Char('0'));
        CreateCategory(store, category);
        QList<CatalogueItem> items;
        for (int i = 0; i < kItems; ++i)
            items.append({QStringLiteral("Item %1, %2").arg(c).arg(i), QStringLiteral("1 lb"),
                          QStringLiteral("A%1").arg(i % 20), QString::number(0.25 + i % 40),
                          i % 3 ? QString() : QStringLiteral("a \"good\" one")});
        StoreCatalogueItems(store, category, items);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    BenchData data(fillCatalogue);
    QTemporaryDir out;
    std::optional<QString> folder;
    const bool exported =
        Report("export of 100 categories x 1,000 items",
               MedianMs(
                   kRuns, [] {},
                   [&] {
                       folder = WriteExportFolder(out.path(), QDateTime::currentDateTime(),
                                                  KitchenCsvFiles(ReadKitchen(data.app.store())));
                   }),
               1000);
    if (!folder)
        return 1;
    const QString file = QDir(*folder).filePath(QStringLiteral("catalogue.csv"));
    int run = 0;
    std::unique_ptr<DataStore> empty;
    int imported = 0;
    const bool importedFast =
        Report("import of its catalogue.csv into an empty data file",
               MedianMs(
                   kRuns,
                   [&] {
                       empty.reset();
                       empty =
                           DataStore::create(out.filePath(QStringLiteral("empty %1").arg(++run)));
                   },
                   [&] {
                       QFile csv(file);
                       csv.open(QIODevice::ReadOnly);
                       const ImportPlan plan = PlanImport(*empty, csv.readAll());
                       WriteKitchen(*empty, plan.kitchen);
                       imported = plan.imported;
                   }),
               1000);
    std::printf("  (%d rows imported)\n", imported);
    return exported && importedFast && imported == kCategories * kItems ? 0 : 1;
}

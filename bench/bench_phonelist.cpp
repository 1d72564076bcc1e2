// How fast a long grocery list becomes the text and the QR codes the phone window shows.
#include "BenchSupport.h"
#include "domain/ListText.h"
#include "domain/QrCodes.h"
#include "grocerylist/frmPhoneList.h"
#include "platform/Twips.h"

#include <QGuiApplication>

namespace {

constexpr int kLines = 500;
constexpr int kRuns = 11;

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QList<GroceryListLine> lines = BenchListLines(kLines);
    // The largest code the window's picture shows with readable modules.
    const int version = LargestQrVersion(TwipsToPixels(frmPhoneList::kPictureTwips));
    qsizetype codes = 0;
    const bool ok =
        Report("text and QR codes of a 500-line list",
               MedianMs(
                   kRuns, [] {},
                   [&] {
                       codes =
                           QrCodeImages(ListText(QStringLiteral("Weekly"), lines), version).size();
                   }),
               50);
    std::printf("  (%lld codes of version %d at most)\n", static_cast<long long>(codes), version);
    return ok ? 0 : 1;
}

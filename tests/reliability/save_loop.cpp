// The kill test's saver: opens a data file as the program does, reports whether every
// object the rounds save came through whole, then saves round after round until killed.
#include "SaveRounds.h"
#include "store/DataStore.h"
#include "store/StoreError.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: save_loop <data file>\n", stderr);
        return 2;
    }
    try {
        auto store = DataStore::open(QString::fromLocal8Bit(argv[1]));
        const SaveRounds::Findings findings = SaveRounds::Inspect(*store);
        if (!findings.problem.isEmpty()) {
            std::printf("broken: %s\n", qPrintable(findings.problem));
            return 1;
        }
        // The first object a round saves carries the latest round.
        const int latest = findings.rounds.first();
        std::printf("whole %d %d\n", latest, findings.rounds.first() != findings.rounds.last());
        std::fflush(stdout);
        for (int round = latest + 1;; ++round)
            SaveRounds::Save(*store, round);
    } catch (const StoreError& error) {
        std::printf("failed: %s\n", error.what());
        return 1;
    }
}

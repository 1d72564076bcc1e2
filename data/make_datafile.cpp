// Writes the data file the program is delivered with, unless one is already there: a file
// the user has been working in is never replaced by a rebuild.
#include "SampleContent.h"
#include "store/DataStore.h"
#include "store/StoreError.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_datafile <data file>\n");
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(target))
        return 0;
    // Built under another name and renamed at the end, so an interrupted build leaves no
    // half-filled data file behind.
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    try {
        auto store = DataStore::create(partial);
        FillSampleContent(*store);
    } catch (const StoreError& error) {
        std::fprintf(stderr, "make_datafile: %s\n", error.what());
        QFile::remove(partial);
        return 1;
    }
    if (!QFile::rename(partial, target)) {
        std::fprintf(stderr, "make_datafile: cannot rename %s\n", qPrintable(partial));
        return 1;
    }
    return 0;
}

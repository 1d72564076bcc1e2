#pragma once

#include "platform/Platform.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"
#include "store/Settings.h"
#include "ui/AppContext.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// A desktop that answers every question with OK or Yes and closes modal windows at once,
// so that timed handlers run to their end without a person.
class AnsweringPlatform final : public Platform {
    struct Boxes final : MessageBoxes {
        MsgAnswer show(QWidget*, const QString&, const QString&, MsgButtons buttons) override {
            return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
        }
    };
    struct Modal final : ModalRunner {
        void runModal(QDialog* window) override { window->close(); }
    };

public:
    MessageBoxes& messages() override { return m_boxes; }
    ModalRunner& modal() override { return m_modal; }
    ColorChooser& colors() override { return m_real.colors(); }
    DocumentOpener& documents() override { return m_real.documents(); }
    Drives& drives() override { return m_real.drives(); }
    FileCopier& files() override { return m_real.files(); }
    MailSender& mail() override { return m_real.mail(); }
    Printers& printers() override { return m_real.printers(); }
    FileChooser& fileChoosers() override { return m_real.fileChoosers(); }
    void endProcess(int) override {}

private:
    Boxes m_boxes;
    Modal m_modal;
    QtPlatform m_real;
};

// Runs `prepare` (untimed) then `work` (timed) `runs` times; the median in milliseconds.
inline double MedianMs(int runs, const std::function<void()>& prepare,
                       const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Prints one measurement against its target; false when the target is missed.
inline bool Report(const char* what, double ms, double targetMs) {
    std::printf("%-58s %8.2f ms  (target < %.0f ms)%s\n", what, ms, targetMs,
                ms < targetMs ? "" : "  MISSED");
    return ms < targetMs;
}

// A data file in a temporary folder with its settings row, filled by `fill` and then opened
// as the program opens it, on a desktop that answers every question.
class BenchData {
    QTemporaryDir m_folder; // first, so it exists before the context that points into it
    AnsweringPlatform m_platform;

public:
    explicit BenchData(const std::function<void(DataStore&)>& fill)
        : app(m_folder.path(), m_platform) {
        {
            auto store = DataStore::create(app.dataFilePath());
            store->run(QStringLiteral("INSERT INTO dbIndex VALUES (0, 0, 12648447, '', '')"));
            fill(*store);
        }
        app.openStore();
        app.settings = ReadSettings(app.store());
    }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }

    AppContext app;
};

// `count` grocery list lines with varied quantities, coupons, aisles and prices.
inline QList<GroceryListLine> BenchListLines(int count) {
    QList<GroceryListLine> lines;
    for (int i = 0; i < count; ++i)
        lines.append({QStringLiteral("Item number %1").arg(count - i, 5, 10, QLatin1Char('0')),
                      QString::number(1 + i % 12), i % 7 == 0, QStringLiteral("1 lb"),
                      QStringLiteral("A%1").arg(i % 20), QString::number(0.5 + (i % 40) * 0.25),
                      QStringLiteral("Pantry"), QStringLiteral("a comment")});
    return lines;
}

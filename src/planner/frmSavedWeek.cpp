#include "frmSavedWeek.h"

#include "store/SavedWeeks.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"

#include <QListWidget>
#include <QPushButton>

frmSavedWeek::frmSavedWeek(AppContext& app, QWidget* parent, WeekChosen open)
    : Form(app, QStringLiteral("frmSavedWeek"), QStringLiteral("Select Saved Week!"), parent),
      m_open(std::move(open)) {
    setClientSize(2895, 3135);
    lstWeeks = place<QListWidget>(QStringLiteral("lstWeeks"), 120, 120, 2655, 2370);
    lstWeeks->setAccessibleName(QStringLiteral("Saved Weeks"));
    const auto button = [this](const QString& name, const QString& caption, int left) {
        auto* b = place<QPushButton>(name, left, 2640, 855, 375);
        b->setText(caption);
        return b;
    };
    cmdOpen = button(QStringLiteral("cmdOpen"), QStringLiteral("Open"), 120);
    cmdDelete = button(QStringLiteral("cmdDelete"), QStringLiteral("Delete"), 1020);
    cmdClose = button(QStringLiteral("cmdClose"), QStringLiteral("Close"), 1920);
    setCancelButton(cmdClose);

    connect(cmdOpen, &QPushButton::clicked, this, &frmSavedWeek::cmdOpen_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmSavedWeek::cmdDelete_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSavedWeek::cmdClose_Click);
    connect(lstWeeks, &QListWidget::itemDoubleClicked, this, &frmSavedWeek::cmdOpen_Click);
    Form_Load();
    PaintBackgrounds(app.settings.BackGroundColor, {this});
}

void frmSavedWeek::Form_Load() {
    lstWeeks->clear();
    IgnoreStoreErrors([&] { lstWeeks->addItems(LoadWeekNames(app().store())); });
}

QString frmSavedWeek::chosenName() {
    const QList<QListWidgetItem*> selected = lstWeeks->selectedItems();
    if (!selected.isEmpty())
        return selected.first()->text();
    app().messages().show(this, QStringLiteral("Please Select a Saved Week!"),
                          QStringLiteral("Information!"), MsgButtons::Ok);
    return {};
}

void frmSavedWeek::cmdOpen_Click() {
    const QString name = chosenName();
    if (name.isEmpty())
        return;
    QStringList week;
    try {
        week = ReadWeek(app().store(), name);
    } catch (const StoreError&) {
        reportFailure(QStringLiteral("The Week could not be opened!"));
        return;
    }
    m_open(week);
    close();
}

void frmSavedWeek::cmdDelete_Click() {
    const QString name = chosenName();
    if (name.isEmpty())
        return;
    if (app().messages().show(this, QStringLiteral("Do you want to Delete week %1 ?").arg(name),
                              QStringLiteral("Confirm Delete!"),
                              MsgButtons::YesNo) == MsgAnswer::No)
        return;
    // When the delete fails the week is still saved, and still listed and chosen.
    if (written(QStringLiteral("The Week could not be deleted!"),
                [&] { DeleteWeek(app().store(), name); }))
        Form_Load();
}

void frmSavedWeek::cmdClose_Click() {
    close();
}

#include "frmImport.h"

#include "store/Kitchen.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

frmImport::frmImport(AppContext& app, ImportPlan plan, const QString& file, QWidget* parent)
    : Form(app, QStringLiteral("frmImport"), QStringLiteral("Import from CSV File!"), parent),
      m_plan(std::move(plan)), m_fileName(QFileInfo(file).fileName()) {
    setClientSize(7440, 5400);
    Label1 = place<QLabel>(QStringLiteral("Label1"), 120, 120, 7200, 480);
    Label1->setWordWrap(true);
    const QString kind = KitchenFileLayouts()[int(m_plan.kind)].fileName;
    Label1->setText(QStringLiteral("%1 holds %2 of %3; %4 can be imported. Nothing is "
                                   "written before you press Import.")
                        .arg(m_fileName, Counted(m_plan.rows, "row", "rows"), kind,
                             QString::number(m_plan.imported)));
    lstSummary = place<QListWidget>(QStringLiteral("lstSummary"), 120, 720, 7200, 3960);
    lstSummary->addItems(m_plan.summary);
    cmdImport = place<QPushButton>(QStringLiteral("cmdImport"), 4680, 4860, 1215, 375);
    cmdImport->setText(QStringLiteral("&Import"));
    cmdImport->setEnabled(m_plan.imported > 0);
    cmdCancel = place<QPushButton>(QStringLiteral("cmdCancel"), 6105, 4860, 1215, 375);
    cmdCancel->setText(QStringLiteral("&Cancel"));
    setCancelButton(cmdCancel);
    connect(cmdImport, &QPushButton::clicked, this, &frmImport::cmdImport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmImport::cmdCancel_Click);
    PaintBackgrounds(app.settings.BackGroundColor, {this});
}

void frmImport::cmdImport_Click() {
    const bool imported = written(QStringLiteral("%1 could not be imported! Your data is as it "
                                                 "was; please try again.")
                                      .arg(m_fileName),
                                  [&] { WriteKitchen(app().store(), m_plan.kitchen); });
    if (!imported)
        return;
    app().messages().show(this,
                          QStringLiteral("Imported %1 of the %2 of %3.")
                              .arg(m_plan.imported)
                              .arg(Counted(m_plan.rows, "row", "rows"), m_fileName),
                          windowTitle(), MsgButtons::Ok);
    close();
}

void frmImport::cmdCancel_Click() {
    close();
}

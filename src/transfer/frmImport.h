#pragma once

#include "domain/KitchenImport.h"
#include "ui/Form.h"

class QLabel;
class QListWidget;
class QPushButton;

// "Import from CSV File!": what importing a file will add, replace and refuse, and the
// Import that writes it all at once; Cancel writes nothing.
class frmImport : public Form {
    Q_OBJECT
public:
    // `file` is the path the plan was read from.
    frmImport(AppContext& app, ImportPlan plan, const QString& file, QWidget* parent = nullptr);
    ~frmImport() override { disconnectChildren(); }

    QLabel* Label1;
    QListWidget* lstSummary;
    QPushButton* cmdImport;
    QPushButton* cmdCancel;

public slots:
    void cmdImport_Click();
    void cmdCancel_Click();

private:
    ImportPlan m_plan;
    QString m_fileName;
};

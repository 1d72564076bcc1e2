#pragma once

#include "ui/Form.h"

#include <functional>

class QListWidget;
class QPushButton;

// "Select Saved Week!": opens or deletes one of the saved weeks. Opening hands the week's
// slots to `open`; deleting asks first.
class frmSavedWeek : public Form {
    Q_OBJECT
public:
    using WeekChosen = std::function<void(const QStringList&)>;

    frmSavedWeek(AppContext& app, QWidget* parent, WeekChosen open);
    ~frmSavedWeek() override { disconnectChildren(); }

    void Form_Load();

    QListWidget* lstWeeks;
    QPushButton* cmdOpen;
    QPushButton* cmdDelete;
    QPushButton* cmdClose;

public slots:
    void cmdOpen_Click();
    void cmdDelete_Click();
    void cmdClose_Click();

private:
    // The chosen name; empty, and the user told, when none is chosen.
    QString chosenName();

    WeekChosen m_open;
};

#pragma once

#include "ui/Form.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// "Save Week As!": asks the name to keep the planner's week under. OK hands the name, without
// the blanks around it, to `chosen`, which answers whether the week was saved; the window
// stays open when it was not, so another name can be tried.
class frmWeekName : public Form {
    Q_OBJECT
public:
    using NameChosen = std::function<bool(const QString&)>;

    frmWeekName(AppContext& app, QWidget* parent, NameChosen chosen);
    ~frmWeekName() override { disconnectChildren(); }

    QLabel* Label1;
    QLineEdit* txtWeekName;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    NameChosen m_chosen;
};

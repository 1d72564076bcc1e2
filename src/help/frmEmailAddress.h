#pragma once

#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Sets the sender address of the feedback mail, kept in the settings row.
class frmEmailAddress : public Form {
    Q_OBJECT
public:
    explicit frmEmailAddress(AppContext& app, QWidget* parent = nullptr);

    // Shows the address kept now.
    void Form_Load();

    QLabel* Label1;
    QLineEdit* txtEmailAddress;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();
};

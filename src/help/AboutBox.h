#pragma once

#include "ui/Form.h"

class QFrame;
class QLabel;

// Name, version and notices. Any click or key closes it; the web address opens the
// product's page and the mail line leads to the feedback window.
class AboutBox : public Form {
    Q_OBJECT
public:
    explicit AboutBox(AppContext& app, QWidget* parent = nullptr);

    QFrame* Frame3D1;
    QLabel* Label1;
    QLabel* Comments;
    QLabel* Lbl_Version;
    QFrame* lin_HorizontalLine1;
    QLabel* lblCopyright;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Email;

public slots:
    void Label2_Click();
    void Email_Click();
    // A click anywhere else, or a key.
    void Form_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* label(const QString& name, const QString& text, int top, int height);
};

#include "AboutBox.h"

#include "ShowFeedbackMail.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/ListUtilities.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

namespace {

// PANTRELLE_VERSION is the project version the build was made from.
const QString kVersion = QStringLiteral("Version " PANTRELLE_VERSION);
const QString kWebSite = QStringLiteral("www.orvanta.example");

constexpr int kLeft = 240;
constexpr int kWidth = 4815;

bool isModifierOnly(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return true;
    default:
        return false;
    }
}

void setLinkLook(QLabel* label) {
    SetTextColor(label, Qt::blue);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setCursor(Qt::PointingHandCursor);
}

} // namespace

AboutBox::AboutBox(AppContext& app, QWidget* parent)
    : Form(app, QStringLiteral("AboutBox"), QString(), parent) {
    // No title bar: the box goes with any click or key.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setClientSize(5535, 3975);
    Frame3D1 = place<QFrame>(QStringLiteral("Frame3D1"), 120, 120, 5295, 3735);
    Frame3D1->setFrameStyle(QFrame::Box | QFrame::Raised);
    Frame3D1->setLineWidth(2);

    Label1 = label(QStringLiteral("Label1"), QStringLiteral("Pantrelle"), 180, 600);
    QFont title = ProgramFont(24, true);
    title.setItalic(true);
    Label1->setFont(title);
    SetTextColor(Label1, QColor(0x00, 0x00, 0x80));
    Comments = label(QStringLiteral("Comments"),
                     QStringLiteral("....Enhance your shopping experience"), 780, 315);
    Comments->setFont(ProgramFont(10, true));
    SetTextColor(Comments, Qt::red);
    Lbl_Version = label(QStringLiteral("Lbl_Version"), kVersion, 1140, 255);
    lin_HorizontalLine1 =
        place<QFrame>(QStringLiteral("lin_HorizontalLine1"), kLeft, 1500, kWidth, 30, Frame3D1);
    lin_HorizontalLine1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    lblCopyright =
        label(QStringLiteral("lblCopyright"),
              QStringLiteral("Copyright \u00A9 2026 Orvanta. All rights reserved."), 1620, 255);
    Label3 = label(QStringLiteral("Label3"),
                   QStringLiteral("Warning: this program is protected by copyright law. Copying "
                                  "or passing on this program or any part of it without "
                                  "permission is prohibited."),
                   1935, 735);
    Label3->setWordWrap(true);
    Label2 = label(QStringLiteral("Label2"), kWebSite, 2790, 255);
    setLinkLook(Label2);
    Email = label(QStringLiteral("Email"), QStringLiteral("Send us an eMail"), 3135, 255);
    setLinkLook(Email);

    // Every part of the box answers a click, whichever part is under the mouse.
    installEventFilter(this);
    for (QWidget* widget : findChildren<QWidget*>())
        widget->installEventFilter(this);
}

QLabel* AboutBox::label(const QString& name, const QString& text, int top, int height) {
    auto* l = place<QLabel>(name, kLeft, top, kWidth, height, Frame3D1);
    l->setText(text);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return l;
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease)
        return Form::eventFilter(watched, event);
    if (watched == Label2)
        Label2_Click();
    else if (watched == Email)
        Email_Click();
    else
        Form_Click();
    return true;
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    // A modifier alone is the start of a shortcut, such as switching windows.
    if (!isModifierOnly(event))
        Form_Click();
}

void AboutBox::Label2_Click() {
    OpenDocument(app(), QStringLiteral("https://") + kWebSite);
    close();
}

void AboutBox::Email_Click() {
    AppContext& context = app();
    QWidget* owner = parentWidget();
    close();
    ShowFeedbackMail(context, owner);
}

void AboutBox::Form_Click() {
    close();
}

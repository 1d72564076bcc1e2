// The real desktop services behind the platform seams, driven as a person would drive them,
// so that the scripted stand-ins the other suites use never hide a broken real path.
#include "platform/Platform.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QtTest>

namespace {

// Runs `step` on the modal window once it is up.
template <typename W> void whenShown(std::function<void(W*)> step) {
    QTimer::singleShot(0, [step] {
        QTRY_VERIFY(qobject_cast<W*>(QApplication::activeModalWidget()));
        step(qobject_cast<W*>(QApplication::activeModalWidget()));
    });
}

} // namespace

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void messageBoxesAnswerWithTheButtonPressed_data() {
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<int>("press"); // a standard button, or 0 for Esc
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("OK") << MsgButtons::Ok << int(QMessageBox::Ok) << MsgAnswer::Ok;
        QTest::newRow("OK by Esc") << MsgButtons::Ok << 0 << MsgAnswer::Ok;
        QTest::newRow("OK of OK/Cancel")
            << MsgButtons::OkCancel << int(QMessageBox::Ok) << MsgAnswer::Ok;
        QTest::newRow("Cancel") << MsgButtons::OkCancel << int(QMessageBox::Cancel)
                                << MsgAnswer::Cancel;
        QTest::newRow("OK/Cancel by Esc") << MsgButtons::OkCancel << 0 << MsgAnswer::Cancel;
        QTest::newRow("Yes") << MsgButtons::YesNo << int(QMessageBox::Yes) << MsgAnswer::Yes;
        QTest::newRow("No") << MsgButtons::YesNo << int(QMessageBox::No) << MsgAnswer::No;
        QTest::newRow("Yes/No by Esc") << MsgButtons::YesNo << 0 << MsgAnswer::No;
    }
    void messageBoxesAnswerWithTheButtonPressed() {
        QFETCH(MsgButtons, buttons);
        QFETCH(int, press);
        QFETCH(MsgAnswer, answer);
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Warning;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            if (press)
                box->button(QMessageBox::StandardButton(press))->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QtMessageBoxes boxes;
        QCOMPARE(boxes.show(nullptr, "Really?", "", buttons), answer);
        QCOMPARE(text, QString("Really?"));
        QCOMPARE(title, kAppTitle);
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void modalWindowsReturnOnceClosed() {
        QtModalRunner runner;
        auto* window = new QDialog;
        window->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<QDialog> watched(window);
        whenShown<QDialog>([](QDialog* shown) {
            QVERIFY(shown->isModal());
            shown->close();
        });
        runner.runModal(window);
        QTRY_VERIFY(!watched);
    }

    void colourChooserReturnsTheConfirmedColourOrNothing() {
        QtColorChooser chooser;
        std::array<QColor, 16> custom;
        custom.fill(Qt::black);
        custom[3] = QColor(1, 2, 3);
        QColor preselected;
        whenShown<QColorDialog>([&](QColorDialog* dialog) {
            preselected = dialog->currentColor();
            dialog->setCurrentColor(QColor(10, 20, 30));
            dialog->accept();
        });
        QCOMPARE(chooser.choose(nullptr, QColor(200, 100, 50), custom, true),
                 std::optional<QColor>(QColor(10, 20, 30)));
        QCOMPARE(preselected, QColor(200, 100, 50));
        QCOMPARE(QColorDialog::customColor(3), QColor(1, 2, 3));

        whenShown<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
        QCOMPARE(chooser.choose(nullptr, QColor(Qt::red), custom, true), std::nullopt);
    }

    void documentsAndAddressesGoToTheDesktop() {
        UrlRecorder recorder;
        const QStringList schemes{"file", "http", "https"};
        for (const QString& scheme : schemes)
            QDesktopServices::setUrlHandler(scheme, &recorder, "open");
        const auto unset = qScopeGuard([&] {
            for (const QString& scheme : schemes)
                QDesktopServices::unsetUrlHandler(scheme);
        });
        QtDocumentOpener opener;
        opener.open("/opt/Pantrelle/Manual #1.htm");
        opener.open("www.example.com/deals");
        QCOMPARE(recorder.urls, (QList<QUrl>{QUrl::fromLocalFile("/opt/Pantrelle/Manual #1.htm"),
                                             QUrl("http://www.example.com/deals")}));
    }

    void endingTheProcessLeavesTheEventLoopWithItsCode() {
        QtPlatform platform;
        QTimer::singleShot(0, [&] { platform.endProcess(3); });
        QCOMPARE(QCoreApplication::exec(), 3);
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"

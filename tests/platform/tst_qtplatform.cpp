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
    // Buttons and Esc (button 0) of the sets that ask, with the literal text, the program's
    // name for an empty title and no icon.
    void messageBoxesAnswerWithTheButtonPressed() {
        using B = QMessageBox;
        const struct {
            MsgButtons buttons;
            int press;
            MsgAnswer answer;
        } cases[] = {{MsgButtons::OkCancel, B::Ok, MsgAnswer::Ok},
                     {MsgButtons::OkCancel, 0, MsgAnswer::Cancel},
                     {MsgButtons::YesNo, B::Yes, MsgAnswer::Yes},
                     {MsgButtons::YesNo, 0, MsgAnswer::No}};
        for (const auto& c : cases) {
            QString seen;
            whenShown<QMessageBox>([&](QMessageBox* box) {
                seen = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon());
                if (c.press)
                    box->button(B::StandardButton(c.press))->click();
                else
                    QTest::keyClick(box, Qt::Key_Escape);
            });
            QCOMPARE(QtMessageBoxes().show(nullptr, "Really?", "", c.buttons), c.answer);
            QCOMPARE(seen, kAppTitle + "|Really?|0");
        }
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

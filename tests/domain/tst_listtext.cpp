// The list as text for a phone, and that text cut into QR codes.
#include "domain/ListText.h"
#include "domain/QrCodes.h"

#include <QtTest>

class ListTextTest : public QObject {
    Q_OBJECT

private slots:
    void listsItemsInAisleOrder() {
        const QList<GroceryListLine> lines{
            {"Tea", " ", false, "", " ", "", "Drinks", ""},
            {"milk", "2", false, "1 L", "b1", "1.1", "Dairy", ""},
            {"Apples\nred", "3", true, "", "A2", "", "Fruit", ""},
            {"Butter", "1", false, "", "B1", "2", "Dairy", ""},
            {"Bread", "1", true, "loaf", "", "2.5", "Bakery", ""},
        };
        QCOMPARE(ListText("Weekly", lines), "Weekly\n"
                                            "[ ] 3 x Apples red - A2 - coupon\n"
                                            "[ ] 1 x Butter - B1 - $2.00\n"
                                            "[ ] 2 x milk (1 L) - b1 - $1.10\n"
                                            "[ ] 1 x Bread (loaf) - $2.50 - coupon\n"
                                            "[ ] Tea\n"
                                            "Total Estimated Price $6.70\n");
    }

    void capacitiesAreTheEncoders() {
        // A full code is as large as its version; one byte more takes the next version.
        for (int version = 1; version < kMaxQrVersion; ++version) {
            const QByteArray full(QrByteCapacity(version), 'x');
            QCOMPARE(QrCodeImage(full).width(), 25 + 4 * version);
            QCOMPARE(QrCodeImage(full + 'x').width(), 29 + 4 * version);
        }
        // Modules of 4 pixels with the quiet zone: 360 pixels hold 90 modules, version 16.
        QCOMPARE(LargestQrVersion(360), 16);
        QCOMPARE(LargestQrVersion(10), 1);
    }

    void splitsAtLineEnds() {
        // A version 1 code holds 14 bytes.
        QCOMPARE(SplitForQrCodes("abc\ndefgh\nij\n", 1), QList<QByteArray>{"abc\ndefgh\nij\n"});
        QCOMPARE(SplitForQrCodes("0123456789\nabc\nxy", 1),
                 (QList<QByteArray>{"0123456789\n", "abc\nxy"}));
        // A line longer than a code is cut between two characters.
        QCOMPARE(SplitForQrCodes("ab\naéééééééé\nc\n", 1),
                 (QList<QByteArray>{"ab\n", "aéééééé", "éé\nc\n"}));
    }
};

QTEST_GUILESS_MAIN(ListTextTest)
#include "tst_listtext.moc"

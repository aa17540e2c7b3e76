#include "widgets/thumbnail_strip.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <map>

using qm::ThumbnailStrip;
namespace fs = std::filesystem;

class ThumbnailStripTest : public QObject {
    Q_OBJECT

    // A strip whose file-drawn entries come from a counting source instead
    // of the disk, so the test sees every decode.
    struct CountingStrip {
        ThumbnailStrip strip;
        std::map<fs::path, int> made;
        CountingStrip() {
            strip.setThumbnailSize({100, 135});
            strip.resize(225, 161);
            strip.setPictureSource([this](const fs::path& file, QSize cell) {
                ++made[file];
                QImage picture(cell, QImage::Format_RGB888);
                picture.fill(Qt::red);
                return picture;
            });
        }
        int total() const {
            int sum = 0;
            for (const auto& [file, n] : made) sum += n;
            return sum;
        }
    };

    static std::vector<fs::path> files(int n) {
        std::vector<fs::path> out;
        for (int i = 0; i < n; ++i) out.push_back("/patterns/p" + std::to_string(i) + ".png");
        return out;
    }

private slots:
    void fillingDecodesNothingAndSightDecodesEachOnce() {
        CountingStrip s;
        s.strip.setFiles(files(500));
        QCOMPARE(s.strip.count(), 500);
        QCOMPARE(s.strip.selectedIndex(), 0);
        QCOMPARE(s.total(), 0);

        s.strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.strip));
        s.strip.viewport()->repaint();
        const int visible = s.total();
        QVERIFY(visible >= 1);
        QVERIFY(visible <= 4);

        // Scroll to the end and back: only the newly seen entries are made,
        // and none of them twice.
        auto* bar = s.strip.horizontalScrollBar();
        bar->setValue(bar->maximum());
        s.strip.viewport()->repaint();
        bar->setValue(0);
        s.strip.viewport()->repaint();
        s.strip.viewport()->repaint();
        QVERIFY(s.total() <= 2 * visible + 1);
        for (const auto& [file, n] : s.made) QCOMPARE(n, 1);
        QVERIFY(s.made.count("/patterns/p499.png"));
        QVERIFY(!s.made.count("/patterns/p250.png"));
    }

    void ownPicturesAreNeverDecoded() {
        CountingStrip s;
        QImage own(100, 100, QImage::Format_RGB888);
        own.fill(Qt::blue);
        s.strip.appendEntry("/patterns/narrow.png", own);
        s.strip.appendEntry("/patterns/wide.png");
        s.strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.strip));
        s.strip.viewport()->repaint();
        QCOMPARE(s.made.count("/patterns/narrow.png"), std::size_t(0));
        QCOMPARE(s.made["/patterns/wide.png"], 1);
        QCOMPARE(s.strip.fileName(0), fs::path("/patterns/narrow.png"));
    }

    void clicksSelectAndSignalButTheProgramSelectsSilently() {
        CountingStrip s;
        s.strip.setFiles(files(5));
        s.strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.strip));
        QSignalSpy spy(&s.strip, &ThumbnailStrip::imageSelected);

        s.strip.setSelectedIndex(1);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(s.strip.selectedIndex(), 1);

        const QPoint onSecond = s.strip.entryRect(1).center();
        QTest::mouseClick(s.strip.viewport(), Qt::LeftButton, {}, onSecond);
        QCOMPARE(spy.count(), 1);  // the already selected entry still signals
        QCOMPARE(spy.takeFirst().at(0).toInt(), 1);

        QTest::mouseClick(s.strip.viewport(), Qt::LeftButton, {}, s.strip.entryRect(0).center());
        QCOMPARE(spy.takeFirst().at(0).toInt(), 0);
        QCOMPARE(s.strip.selectedIndex(), 0);

        // Between the cells and past the last one nothing is hit.
        QCOMPARE(s.strip.entryAt({1, 20}), -1);
        QCOMPARE(s.strip.entryAt({s.strip.entryRect(0).center().x(), 2}), -1);
        QTest::mouseClick(s.strip.viewport(), Qt::LeftButton, {}, {1, 20});
        QCOMPARE(spy.count(), 0);
    }

    void selectionFallsBackToTheFirstEntry() {
        ThumbnailStrip strip;
        QCOMPARE(strip.selectedOrFirst(), -1);
        strip.appendEntry("/a.png");
        strip.appendEntry("/b.png");
        QCOMPARE(strip.selectedIndex(), -1);
        QCOMPARE(strip.selectedOrFirst(), 0);
        strip.setSelectedIndex(7);  // out of range clears
        QCOMPARE(strip.selectedIndex(), -1);
        strip.clear();
        QCOMPARE(strip.count(), 0);
    }

    void unreadableFileGivesNoPictureInsteadOfThrowing() {
        const QImage picture =
            ThumbnailStrip::pictureFromFile(fs::path(QUILLMOUNT_TEST_DATA) / "no-such-file.png", {100, 100});
        QVERIFY(picture.isNull());
    }
};

QTEST_MAIN(ThumbnailStripTest)
#include "thumbnail_strip_test.moc"

// Holding a window at its sizes while a window manager moves and drags it:
// the bounds the platform reports, one after another, and where the window
// rests once the drag is let go.
#include "gui/app/window_placement.h"
#include "gui/app/window_size_keeper.h"

#include <QGuiApplication>
#include <QScreen>
#include <QList>
#include <QWidget>
#include <QtTest>

namespace kr::gui::test {

class WindowSizeTest : public QObject {
    Q_OBJECT

private slots:
    void DragsSettleByTheBorderFirstMoved_data()
    {
        QTest::addColumn<QRect>("resting");
        QTest::addColumn<QList<QRect>>("reported");
        QTest::addColumn<QRect>("settled");
        const QRect medium(100, 100, 760, 520);
        const QRect small(100, 100, 600, 400);
        const QRect large(100, 100, 984, 688);
        QTest::newRow("bottom to 620 high") << medium << QList<QRect>{{100, 100, 760, 560}, {100, 100, 760, 620}}
                                            << large;
        QTest::newRow("bottom to 500 high") << small << QList<QRect>{{100, 100, 600, 500}} << medium;
        QTest::newRow("corner to 900 wide") << medium << QList<QRect>{{100, 100, 900, 570}} << large;
        QTest::newRow("right to 700 wide") << large << QList<QRect>{{100, 100, 800, 688}, {100, 100, 700, 688}}
                                           << medium;
        QTest::newRow("right out and back") << medium << QList<QRect>{{100, 100, 900, 520}, {100, 100, 650, 520}}
                                            << small;
        QTest::newRow("left, moved and resized at once") << medium << QList<QRect>{{40, 100, 820, 520}} << medium;
        QTest::newRow("left, the move reported first")
            << medium << QList<QRect>{{40, 100, 760, 520}, {40, 100, 820, 520}} << medium;
        QTest::newRow("bottom-left, back to the left edge")
            << medium << QList<QRect>{{7, 100, 853, 640}, {100, 100, 760, 640}} << medium;
        QTest::newRow("top") << medium << QList<QRect>{{100, 60, 760, 560}} << medium;
        QTest::newRow("top-right") << small << QList<QRect>{{100, 80, 700, 420}} << small;
        QTest::newRow("moved by the title bar")
            << medium << QList<QRect>{{150, 120, 760, 520}, {300, 200, 760, 520}} << QRect(300, 200, 760, 520);
    }
    void DragsSettleByTheBorderFirstMoved()
    {
        QFETCH(QRect, resting);
        QFETCH(QList<QRect>, reported);
        QFETCH(QRect, settled);
        QWidget window;
        QList<QRect> laidOut;
        WindowSizeKeeper* keeper = nullptr;
        keeper = new WindowSizeKeeper(window, [] { return true; }, [&] { laidOut << keeper->RestingGeometry(); });
        window.show();
        // The program places the frame; the sizes are those of the client area.
        const QPoint frameOffset = window.geometry().topLeft() - window.pos();
        keeper->SetBounds(QRect(resting.topLeft() - frameOffset, resting.size()));
        QCOMPARE(window.geometry(), resting);
        for (const QRect& bounds : reported) {
            window.setGeometry(bounds);
            keeper->BoundsChanged(true);
        }
        // Until the drag is let go the window rests where it began, and
        // closing then would keep that.
        QCOMPARE(keeper->RestingGeometry(), resting);
        QCOMPARE(keeper->RestingFramePosition(), resting.topLeft() - frameOffset);
        QTRY_COMPARE(window.geometry(), settled);
        QTRY_COMPARE(keeper->RestingGeometry(), settled);
        QCOMPARE(laidOut.last(), settled);
    }
    void BoundsOffEveryScreenComeOntoTheNearest_data()
    {
        QTest::addColumn<QRect>("requested");
        QTest::addColumn<QPoint>("placed");
        // The screens of PlaceOnScreens below: side by side, the right one lower.
        QTest::newRow("on a screen") << QRect(100, 100, 760, 520) << QPoint(100, 100);
        QTest::newRow("a grip showing") << QRect(-700, 1000, 760, 520) << QPoint(-700, 1000);
        QTest::newRow("a sliver showing") << QRect(-750, 100, 760, 520) << QPoint(0, 100);
        QTest::newRow("at the largest position") << QRect(32767, 32767, 600, 400) << QPoint(2600, 824);
        QTest::newRow("at the smallest position") << QRect(-32768, -32768, 600, 400) << QPoint(0, 0);
        QTest::newRow("above the right screen") << QRect(2000, 0, 600, 100) << QPoint(2000, 200);
        QTest::newRow("larger than the screen") << QRect(5000, 0, 1500, 400) << QPoint(1920, 200);
    }
    void BoundsOffEveryScreenComeOntoTheNearest()
    {
        QFETCH(QRect, requested);
        QFETCH(QPoint, placed);
        QCOMPARE(PlaceOnScreens(requested, {QRect(0, 0, 1920, 1080), QRect(1920, 200, 1280, 1024)}), placed);
    }
    void TheProgramsBoundsLandOnTheScreen()
    {
        QWidget window;
        auto* keeper = new WindowSizeKeeper(window, [] { return true; }, [] {});
        window.show();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (const QPoint& saved : {QPoint(32767, 32767), QPoint(-32768, -32768)}) {
            keeper->SetBounds(QRect(saved, QSize(600, 400)));
            QVERIFY2(screen.contains(window.frameGeometry()), qPrintable(QString::number(window.x())));
        }
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::WindowSizeTest)
#include "window_size_test.moc"

// The canvas on QPainter: pixels of the screen picture, pages of a PDF.
#include "gui/present/screen_picture.h"
#include "pdf/qpainter_canvas.h"

#include <QFontInfo>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <array>

namespace kr::gui::test {

namespace {

constexpr QRgb White = 0xffffffff;

// The pixels that are not white: the box around them and how many.
struct Ink {
    QRect Box;
    int Count = 0;
};

Ink InkOf(const QImage& picture)
{
    Ink ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != White) {
                ink.Box |= QRect(x, y, 1, 1);
                ++ink.Count;
            }
    return ink;
}

}  // namespace

class PainterCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void RubberBandDrawnTwiceLeavesThePictureAsItWas_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("style");
        QTest::newRow("dotted, 2 pixels") << 2 << int(PenStyle::Dot);
        QTest::newRow("solid, 1 pixel") << 1 << int(PenStyle::Solid);
    }
    void RubberBandDrawnTwiceLeavesThePictureAsItWas()
    {
        QFETCH(int, width);
        QFETCH(int, style);
        QImage picture = NewCurvesPicture();
        QPainterCanvas canvas(picture);
        canvas.SetBrush({colours::Navy});
        canvas.FillRect({10, 10, 300, 200});
        const QImage before = picture.copy();
        canvas.SetPen({colours::Aqua, width, PenStyle(style), PenMode::Xor});
        const auto drawBand = [&] {
            canvas.Polyline(std::array<Point, 3>{{{20, 30}, {400, 30}, {400, 300}}});
            canvas.Polyline(std::array<Point, 3>{{{20, 30}, {20, 300}, {400, 300}}});
        };
        drawBand();
        // Exclusive-or aqua turns white into red and navy into (0, 255, 127).
        QCOMPARE(picture.pixel(350, 30), qRgb(255, 0, 0));
        QCOMPARE(picture.pixel(200, 30), qRgb(0, 255, 127));
        drawBand();
        QVERIFY(std::equal(picture.constBits(), picture.constBits() + picture.sizeInBytes(), before.constBits()));
    }

    // A one-pixel line sets its first pixel and stops before its end point,
    // whichever way it runs, so the lines of a path set each pixel once.
    void LinesLeaveOutTheirEndPoint_data()
    {
        QTest::addColumn<QList<QPoint>>("points");
        QTest::newRow("right") << QList<QPoint>{{2, 5}, {12, 5}};
        QTest::newRow("left") << QList<QPoint>{{12, 5}, {2, 5}};
        QTest::newRow("down") << QList<QPoint>{{5, 2}, {5, 12}};
        QTest::newRow("diagonal up") << QList<QPoint>{{2, 12}, {12, 2}};
        QTest::newRow("diagonal back") << QList<QPoint>{{12, 2}, {2, 12}};
        QTest::newRow("steep back") << QList<QPoint>{{9, 13}, {6, 1}};
        QTest::newRow("turning twice") << QList<QPoint>{{2, 2}, {12, 2}, {12, 12}, {4, 12}};
    }
    void LinesLeaveOutTheirEndPoint()
    {
        QFETCH(QList<QPoint>, points);
        int length = 0;
        std::vector<Point> path{{points[0].x(), points[0].y()}};
        for (qsizetype i = 1; i < points.size(); ++i) {
            const QPoint step = points[i] - points[i - 1];
            length += std::max(std::abs(step.x()), std::abs(step.y()));
            path.push_back({points[i].x(), points[i].y()});
        }
        QImage byLines = NewScreenPicture({16, 16});
        QImage byPolyline = byLines.copy();
        {
            QPainterCanvas lines(byLines);
            lines.MoveTo(path[0].X, path[0].Y);
            for (std::size_t i = 1; i < path.size(); ++i)
                lines.LineTo(path[i].X, path[i].Y);
            QPainterCanvas(byPolyline).Polyline(path);
        }
        for (const QImage& picture : {byLines, byPolyline}) {
            QVERIFY(picture.pixel(points.front()) != White);
            QCOMPARE(picture.pixel(points.back()), White);
            QCOMPARE(InkOf(picture).Count, length);
        }
    }

    // Probes inside, on the box's first pixel, on its last pixel and at
    // (Right, Bottom), which is outside.
    void ShapesStayInsideTheirBox_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<QList<QRgb>>("probes");
        const QRgb pen = qRgb(0, 0, 255);
        const QRgb brush = qRgb(255, 0, 0);
        QTest::newRow("rectangle") << "rectangle" << true << QList<QRgb>{brush, pen, pen, White};
        QTest::newRow("rectangle, clear") << "rectangle" << false << QList<QRgb>{White, pen, pen, White};
        QTest::newRow("fill") << "fill" << true << QList<QRgb>{brush, brush, brush, White};
        QTest::newRow("fill, clear") << "fill" << false << QList<QRgb>{White, White, White, White};
        QTest::newRow("ellipse") << "ellipse" << true << QList<QRgb>{brush, White, White, White};
        QTest::newRow("triangle") << "polygon" << true << QList<QRgb>{brush, pen, pen, White};
        QTest::newRow("triangle, clear") << "polygon" << false << QList<QRgb>{White, pen, pen, White};
    }
    void ShapesStayInsideTheirBox()
    {
        QFETCH(QString, shape);
        QFETCH(bool, filled);
        QFETCH(QList<QRgb>, probes);
        const Rect box{10, 10, 30, 30};
        QImage picture = NewScreenPicture({40, 40});
        {
            QPainterCanvas canvas(picture);
            canvas.SetPen({colours::Blue});
            canvas.SetBrush({colours::Red, filled ? BrushStyle::Solid : BrushStyle::Clear});
            if (shape == "rectangle")
                canvas.Rectangle(box);
            else if (shape == "fill")
                canvas.FillRect(box);
            else if (shape == "ellipse")
                canvas.Ellipse(box);
            else
                canvas.Polygon(std::array<Point, 3>{{{10, 10}, {29, 29}, {10, 29}}});
        }
        QCOMPARE((QList<QRgb>{picture.pixel(14, 24), picture.pixel(10, 10), picture.pixel(29, 29), picture.pixel(30, 30)}),
                 probes);
        QVERIFY(QRect(10, 10, 20, 20).contains(InkOf(picture).Box) || InkOf(picture).Count == 0);
    }

    void TextSitsBelowItsTopInItsColourAndTurns()
    {
        QImage picture = NewCurvesPicture();
        QPainterCanvas canvas(picture);
        canvas.SetFont({"Arial", 8});
        const Size small = canvas.TextExtent("1500.0");
        canvas.SetFont({"Arial", 12, false, false, false, colours::Red});
        const Size large = canvas.TextExtent("1500.0");
        QVERIFY(small.Width > 0 && small.Height > 0);
        QVERIFY(large.Width > small.Width && large.Height > small.Height);

        canvas.TextOut(100, 50, "1500.0");
        const QRect ink = InkOf(picture).Box;
        QVERIFY(QRect(100, 50, large.Width, large.Height).contains(ink));
        // In the font's colour: red blended into white, pure red at its core.
        QRgb deepest = White;
        for (int y = ink.top(); y <= ink.bottom(); ++y)
            for (int x = ink.left(); x <= ink.right(); ++x) {
                QCOMPARE(qRed(picture.pixel(x, y)), 255);
                deepest = std::min(deepest, picture.pixel(x, y));
            }
        QCOMPARE(deepest, qRgb(255, 0, 0));

        // Turned a quarter counter-clockwise, the text runs upward from its corner.
        QImage turned = NewCurvesPicture();
        QPainterCanvas turnedCanvas(turned);
        turnedCanvas.SetFont({"Arial", 12});
        turnedCanvas.RotatedTextOut(100, 300, 900, "1500.0");
        const QRect turnedInk = InkOf(turned).Box;
        QVERIFY(QRect(100, 300 - large.Width, large.Height, large.Width + 1).contains(turnedInk));
        QVERIFY(turnedInk.height() > 2 * turnedInk.width());

    }

    void OriginalFontNamesResolveToTheirMetricTwins_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("twin");
        QTest::newRow("Arial") << "Arial" << "Liberation Sans";
        QTest::newRow("Times new roman") << "Times new roman" << "Liberation Serif";
    }
    void OriginalFontNamesResolveToTheirMetricTwins()
    {
        QFETCH(QString, family);
        QFETCH(QString, twin);
        QCOMPARE(QFontInfo(QFont(family)).family(), twin);
        QImage picture = NewCurvesPicture();
        QPainterCanvas canvas(picture);
        canvas.SetFont({family.toStdString(), 10, true});
        QFont expected(twin, 10, QFont::Bold);
        const QFontMetrics metrics(expected, &picture);
        QCOMPARE(canvas.TextExtent("Pressure loss"), (Size{metrics.horizontalAdvance("Pressure loss"), metrics.height()}));
    }

    void BitmapStretchedOverItsBoxOrRefused()
    {
        QTemporaryDir dir;
        QImage source(4, 2, QImage::Format_RGB32);
        source.fill(Qt::red);
        source.setPixel(3, 1, qRgb(0, 0, 255));
        const QString bmp = dir.filePath("drawing b.bmp");
        QVERIFY(source.save(bmp, "BMP"));
        QFile broken(dir.filePath("broken.bmp"));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("BM not a bitmap") > 0);
        broken.close();

        QImage picture = NewScreenPicture({60, 40});
        QPainterCanvas canvas(picture);
        QCOMPARE(canvas.BitmapSize(bmp.toStdString()), (std::optional<Size>{{4, 2}}));
        QVERIFY(canvas.StretchBitmap(bmp.toStdString(), {10, 10, 50, 30}));
        QCOMPARE(picture.pixel(10, 10), qRgb(255, 0, 0));
        QCOMPARE(picture.pixel(49, 29), qRgb(0, 0, 255));
        QCOMPARE(InkOf(picture).Box, QRect(10, 10, 40, 20));
        const QImage drawn = picture.copy();
        for (const QString& name : {dir.filePath("missing.bmp"), broken.fileName()}) {
            QCOMPARE(canvas.BitmapSize(name.toStdString()), std::optional<Size>{});
            QVERIFY(!canvas.StretchBitmap(name.toStdString(), {0, 0, 60, 40}));
        }
        QCOMPARE(picture, drawn);
    }

    void CurvesPictureIsSavedAsTwentyFourBitBmp()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("unknown.bmp");
        QImage picture = NewCurvesPicture();
        {
            QPainterCanvas canvas(picture);
            QCOMPARE(canvas.PageSize(), (Size{580, 410}));
            QCOMPARE(canvas.Resolution(), (Size{96, 96}));
            canvas.SetPen({colours::Red, 3});
            canvas.MoveTo(62, 40);
            canvas.LineTo(62, 336);
        }
        QVERIFY(picture.save(file, "BMP"));
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray header = saved.read(30);
        QCOMPARE(header.left(2), "BM");
        QCOMPARE(qFromLittleEndian<qint32>(header.constData() + 18), 580);
        QCOMPARE(qFromLittleEndian<qint32>(header.constData() + 22), 410);
        QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 28), 24);
        QCOMPARE(QImage(file).convertToFormat(QImage::Format_RGB32), picture);
    }

    // A print job: its orientation, the printer's own resolution, one page
    // per NewPage with its texts.
    void PrintJobHasItsOrientationResolutionAndPages_data()
    {
        QTest::addColumn<bool>("landscape");
        QTest::newRow("portrait") << false;
        QTest::newRow("landscape") << true;
    }
    void PrintJobHasItsOrientationResolutionAndPages()
    {
        QFETCH(bool, landscape);
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("job.pdf"));
        {
            QPainterCanvas canvas(printer);
            canvas.BeginDocument("Curves", landscape ? Orientation::Landscape : Orientation::Portrait);
            const Size page = canvas.PageSize();
            QCOMPARE(page.Width > page.Height, landscape);
            QCOMPARE(canvas.Resolution(), (Size{1200, 1200}));
            canvas.SetFont({"Times new roman", 10});
            QVERIFY(canvas.TextExtent("W").Height > 10 * 1200 / 72);
            canvas.TextOut(page.Width / 10, page.Height / 10, "Cooling performance");
            canvas.NewPage();
            canvas.TextOut(page.Width / 10, page.Height / 10, "Pressure loss");
            canvas.EndDocument();
        }
        QProcess pdfToText;
        pdfToText.start("pdftotext", {printer.outputFileName(), "-"});
        QVERIFY(pdfToText.waitForFinished());
        const QList<QByteArray> pages = pdfToText.readAllStandardOutput().split('\f');
        QCOMPARE(pages.size(), 3);  // two pages, each ended by a page break
        QVERIFY(pages[0].contains("Cooling performance") && !pages[0].contains("Pressure"));
        QVERIFY(pages[1].contains("Pressure loss"));
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::PainterCanvasTest)
#include "painter_canvas_test.moc"

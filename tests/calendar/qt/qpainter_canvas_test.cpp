// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/qt/qpainter_canvas.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QtTest>
#include <string_view>
#include <thread>
#include <utility>

#include "calendar/qt/shaped_texts.h"

using tessarine::Point;
using tessarine::QPainterCanvas;
using tessarine::Rect;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

QImage Blank(int w = 24, int h = 24) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(kWhite);
    return image;
}

// Pixels that differ from white, as a set of points.
QList<QPoint> Painted(const QImage& image) {
    QList<QPoint> out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kWhite) out.append(QPoint(x, y));
        }
    }
    return out;
}

QRect BoundsOf(const QList<QPoint>& points) {
    QRect bounds;
    for (const QPoint& p : points) bounds |= QRect(p, QSize(1, 1));
    return bounds;
}

}  // namespace

class QPainterCanvasTest : public QObject {
    Q_OBJECT

  private slots:
    void thinPolylineLeavesOutEachEndPoint() {
        QImage image = Blank();
        {
            QPainter painter(&image);
            QPainterCanvas canvas(painter, QPalette());
            canvas.SetPenColor(0x0000FF);  // red
            canvas.SetPenWidth(1);
            canvas.Polyline({{2, 2}, {8, 2}, {8, 6}, {2, 6}, {2, 2}});  // closed
            canvas.Polyline({{2, 10}, {8, 10}});                        // open
            canvas.Polyline({{12, 12}, {12, 16}});
            canvas.Polyline({{20, 20}, {16, 16}});  // diagonal
        }
        const QList<QPoint> painted = Painted(image);
        // The closed path: 2 * 6 + 2 * 4 pixels, every corner once.
        for (const QPoint& corner : {QPoint(2, 2), QPoint(8, 2), QPoint(8, 6), QPoint(2, 6)}) {
            QCOMPARE(image.pixel(corner), qRgb(255, 0, 0));
        }
        QCOMPARE(image.pixel(5, 4), kWhite);
        QCOMPARE(image.pixel(9, 2), kWhite);
        // Open paths stop one pixel short.
        QCOMPARE(image.pixel(7, 10), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(8, 10), kWhite);
        QCOMPARE(image.pixel(12, 15), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(12, 16), kWhite);
        QCOMPARE(image.pixel(20, 20), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(17, 17), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(16, 16), kWhite);
        QCOMPARE(painted.size(), 20 + 6 + 4 + 4);
    }

    void widePolylineCoversTheLineAndThePixelBefore() {
        QImage image = Blank();
        {
            QPainter painter(&image);
            QPainterCanvas canvas(painter, QPalette());
            canvas.SetPenColor(0x000000);
            canvas.SetPenWidth(2);
            canvas.Polyline({{4, 4}, {12, 4}, {12, 10}, {4, 10}, {4, 4}});
        }
        const QList<QPoint> painted = Painted(image);
        QCOMPARE(BoundsOf(painted), QRect(QPoint(3, 3), QPoint(12, 10)));
        // A closed frame two pixels thick, the inside untouched.
        QCOMPARE(image.pixel(3, 3), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(4, 4), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(11, 9), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(12, 10), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(5, 5), kWhite);
        QCOMPARE(image.pixel(10, 8), kWhite);
    }

    void ellipseStaysInsideItsBounds() {
        QImage image = Blank();
        {
            QPainter painter(&image);
            QPainterCanvas canvas(painter, QPalette());
            canvas.SetPenColor(0x000000);
            canvas.SetPenWidth(1);
            canvas.SetBrushColor(0x00FF00);
            canvas.Ellipse({2, 3, 22, 15});
        }
        QCOMPARE(BoundsOf(Painted(image)), QRect(QPoint(2, 3), QPoint(21, 14)));
        QCOMPARE(image.pixel(12, 9), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(12, 3), qRgb(0, 0, 0));  // the outline
        QCOMPARE(image.pixel(2, 3), kWhite);          // corners stay clear
    }

    void opaqueTextFillsItsClipAndStaysInside() {
        QImage image = Blank(60, 30);
        {
            QPainter painter(&image);
            QFont font("Liberation Sans");
            font.setPixelSize(14);
            painter.setFont(font);
            QPainterCanvas canvas(painter, QPalette());
            canvas.SetBrushColor(0xFF0000);  // blue
            canvas.SetTextColor(0x000000);
            canvas.TextRect({10, 5, 30, 25}, 14, 5, "WWWWWW", tessarine::TextBackground::Opaque);
            canvas.TextRect({40, 5, 40, 25}, 40, 5, "W", tessarine::TextBackground::Opaque);
        }
        const QRect bounds = BoundsOf(Painted(image));
        QCOMPARE(bounds, QRect(QPoint(10, 5), QPoint(29, 24)));
        QCOMPARE(image.pixel(10, 5), qRgb(0, 0, 255));
        bool hasGlyph = false;
        for (int x = 14; x < 30; ++x) {
            for (int y = 5; y < 25; ++y) hasGlyph |= qBlue(image.pixel(x, y)) < 128;
        }
        QVERIFY(hasGlyph);
    }

    void transparentTextKeepsTheBackground() {
        QImage image = Blank(60, 30);
        QFont font("Liberation Sans");
        font.setPixelSize(14);
        tessarine::TextSize size;
        {
            QPainter painter(&image);
            painter.setFont(font);
            QPainterCanvas canvas(painter, QPalette());
            canvas.SetBrushColor(0xFF0000);
            canvas.SetTextColor(0x000000);
            canvas.TextRect({0, 0, 60, 30}, 2, 2, "Sun", tessarine::TextBackground::Transparent);
            size = canvas.TextExtent("Sun");
        }
        QCOMPARE(image.pixel(0, 0), kWhite);
        QCOMPARE(image.pixel(59, 29), kWhite);
        QVERIFY(!Painted(image).isEmpty());
        const QFontMetrics metrics(font);
        QCOMPARE(size.width, metrics.horizontalAdvance("Sun"));
        QCOMPARE(size.height, metrics.height());
    }

    // Texts drawn again are drawn from kept glyphs and skip the clip when
    // nothing sticks out, and day numbers are put together from their
    // digits' glyphs: every drawing, first or later, clipped or not, must
    // give the pixels and the width of a plain clipped drawText.
    void textMatchesPlainDrawingEveryTime_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("clip");
        const QRect whole(0, 0, 120, 40);
        const QRect topAtText(10, 8, 110, 32);  // the text's top is the clip's top
        const QRect cutting(10, 8, 22, 10);     // cuts glyphs on three sides
        struct Text {
            const char* name;
            const char* utf8;
        };
        const Text texts[] = {{"digits", "2025 084"},  {"julian", "2460676"},
                              {"spaced", " 1 17 1  "}, {"kerned", "AVAWAT Te"},
                              {"arabic", "الإثنين"},   {"hebrew", "שלישי"},
                              {"japanese", "水曜日"},  {"cyrillic", "Четверг"}};
        for (const auto& [family, size] :
             {std::pair{"Liberation Sans", 14}, std::pair{"DejaVu Serif", 9}}) {
            for (const Text& text : texts) {
                for (const auto& [clipName, clip] :
                     {std::pair{"whole", whole}, std::pair{"top", topAtText},
                      std::pair{"cutting", cutting}}) {
                    QTest::addRow("%s %d %s %s", family, size, text.name, clipName)
                        << QString::fromLatin1(family) << size << QString::fromUtf8(text.utf8)
                        << clip;
                }
            }
        }
    }
    void textMatchesPlainDrawingEveryTime() {
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(QString, text);
        QFETCH(QRect, clip);
        QFont font(family);
        font.setPixelSize(pixelSize);
        const QPoint at(12, 8);

        QImage expected = Blank(120, 40);
        {
            QPainter painter(&expected);
            painter.setFont(font);
            painter.setClipRect(clip);
            painter.setPen(QColor(0, 0, 160));
            painter.drawText(QPoint(at.x(), at.y() + QFontMetrics(font).ascent()), text);
        }
        const QByteArray utf8 = text.toUtf8();
        // Kept across paints as a widget keeps them: the later drawings use
        // the kept glyphs.
        tessarine::ShapedTexts kept;
        for (int drawing = 1; drawing <= 3; ++drawing) {
            QImage image = Blank(120, 40);
            {
                QPainter painter(&image);
                painter.setFont(font);
                QPainterCanvas canvas(painter, QPalette(), &kept);
                canvas.SetTextColor(0xA00000);
                canvas.TextRect({clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1},
                                at.x(), at.y(), std::string_view(utf8.data(), utf8.size()),
                                tessarine::TextBackground::Transparent);
            }
            QVERIFY2(image == expected, qPrintable(QStringLiteral("drawing %1").arg(drawing)));
            if (drawing == 1) {
                QPainter painter(&image);
                painter.setFont(font);
                QPainterCanvas canvas(painter, QPalette(), &kept);
                QCOMPARE(canvas.TextExtent(std::string_view(utf8.data(), utf8.size())).width,
                         QFontMetrics(font).horizontalAdvance(text));
            }
        }
        QVERIFY(!Painted(expected).isEmpty());
    }

    // Images may be painted on any thread; a canvas without a keeper keeps
    // its texts to itself, and the pixels stay those of the GUI thread.
    void textOffTheGuiThreadMatches() {
        QFont font("Liberation Sans");
        font.setPixelSize(14);
        auto draw = [&font] {
            QImage image = Blank(120, 40);
            QPainter painter(&image);
            painter.setFont(font);
            {
                QPainterCanvas canvas(painter, QPalette());
                for (int i = 0; i < 3; ++i) {
                    canvas.TextRect({0, 0, 120, 40}, 4, 4 + 10 * i, "2025 084",
                                    tessarine::TextBackground::Transparent);
                }
            }
            painter.end();
            return image;
        };
        const QImage here = draw();
        QImage there;
        std::thread worker([&] { there = draw(); });
        worker.join();
        QVERIFY(!Painted(here).isEmpty());
        QVERIFY(there == here);
    }

    // The same painter with another font measures in that font, and the
    // owner's pen survives the canvas.
    void textFollowsThePaintersFont() {
        QImage image = Blank(200, 60);
        QPainter painter(&image);
        const QPen ownPen(QColor(1, 2, 3), 3);
        painter.setPen(ownPen);
        tessarine::ShapedTexts kept;
        for (int pixelSize : {14, 28, 14}) {
            QFont font("Liberation Sans");
            font.setPixelSize(pixelSize);
            painter.setFont(font);
            QPainterCanvas canvas(painter, QPalette(), &kept);
            const QFontMetrics metrics(font);
            QCOMPARE(canvas.TextExtent("Wednesday").width, metrics.horizontalAdvance("Wednesday"));
            QCOMPARE(canvas.TextExtent("Wednesday").height, metrics.height());
            canvas.SetTextColor(0x0000FF);
            canvas.TextRect({0, 0, 200, 60}, 0, 0, "Wednesday",
                            tessarine::TextBackground::Transparent);
        }
        QCOMPARE(painter.pen(), ownPen);
    }

    void focusRectInvertsAlternatePixelsAndUndoesItself() {
        QImage image = Blank();
        image.fill(qRgb(10, 200, 60));
        const QImage before = image;
        {
            QPainter painter(&image);
            QPainterCanvas canvas(painter, QPalette());
            canvas.DrawFocusRect({2, 2, 12, 8});
        }
        QCOMPARE(image.pixel(2, 2), qRgb(245, 55, 195));
        QCOMPARE(image.pixel(3, 2), qRgb(10, 200, 60));
        QCOMPARE(image.pixel(11, 7), qRgb(245, 55, 195));  // right and bottom stay inside
        QCOMPARE(image.pixel(12, 8), qRgb(10, 200, 60));
        QCOMPARE(image.pixel(6, 4), qRgb(10, 200, 60));  // the inside is untouched
        QCOMPARE(qAlpha(image.pixel(2, 2)), 255);
        {
            QPainter painter(&image);
            QPainterCanvas canvas(painter, QPalette());
            canvas.DrawFocusRect({2, 2, 12, 8});
        }
        QCOMPARE(image, before);
    }

    void systemColoursComeFromThePalette() {
        QPalette palette;
        palette.setColor(QPalette::Active, QPalette::Highlight, QColor(1, 2, 3));
        palette.setColor(QPalette::Active, QPalette::HighlightedText, QColor(4, 5, 6));
        palette.setColor(QPalette::Active, QPalette::Button, QColor(7, 8, 9));
        palette.setColor(QPalette::Active, QPalette::WindowText, QColor(10, 11, 12));
        QImage image = Blank();
        QPainter painter(&image);
        QPainterCanvas canvas(painter, palette);
        QCOMPARE(canvas.SysColor(tessarine::SystemColor::Highlight), tessarine::Color{0x030201});
        QCOMPARE(canvas.SysColor(tessarine::SystemColor::HighlightText),
                 tessarine::Color{0x060504});
        QCOMPARE(canvas.SysColor(tessarine::SystemColor::ButtonFace), tessarine::Color{0x090807});
        QCOMPARE(canvas.SysColor(tessarine::SystemColor::WindowText), tessarine::Color{0x0C0B0A});
    }

    void emptyRectanglesDrawNothing() {
        QImage image = Blank();
        {
            QPainter painter(&image);
            QPainterCanvas canvas(painter, QPalette());
            canvas.SetBrushColor(0x000000);
            canvas.FillRect({5, 5, 5, 10});
            canvas.FillRect({5, 10, 10, 4});
            canvas.Ellipse({5, 5, 5, 5});
            canvas.DrawFocusRect({8, 8, 2, 2});
            canvas.TextRect({10, 10, 4, 20}, 10, 10, "x", tessarine::TextBackground::Opaque);
        }
        QVERIFY(Painted(image).isEmpty());
    }
};

QTEST_MAIN(QPainterCanvasTest)
#include "qpainter_canvas_test.moc"

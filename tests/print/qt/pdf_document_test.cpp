// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF device behind the page engine: one page per print document in its
// own orientation, opaque text, grey boxes, and a file that appears only
// when it is complete.

#include "print/qt/pdf_document.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "platform/qt/font_setup.h"
#include "print/print_object.h"
#include "print/qt/qt_canvas_device.h"
#include "support/qt/pdf_text_helpers.h"

using namespace tessarine;
using tessarine::testing::PdfPage;
using tessarine::testing::ReadPdfWords;

namespace {

void PrintOnePage(PdfDocument& document, PageOrientation orientation, const std::string& text) {
    const auto device = document.Factory()();
    TPrintObject engine(*device);
    engine.SetOrientation(orientation);
    engine.BeginPrint();
    engine.SetFont("Arial", 20, kFontPlain);
    engine.WriteText(text, 1.0f, 2.0f);
    engine.EndPrint();
}

QImage Render(const QString& pdf, int dpi, const QString& stem) {
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                       QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".png"));
}

// One Letter page that `draw` fills, committed to `name`.pdf in `dir` and
// rendered at `dpi`.
QImage DrawAndRender(const QTemporaryDir& dir, const QString& name, int dpi,
                     const std::function<void(TPrintObject&)>& draw) {
    const QString path = dir.filePath(name + QStringLiteral(".pdf"));
    PdfDocument document(path, QPageSize(QPageSize::Letter));
    {
        const auto device = document.Factory()();
        TPrintObject engine(*device);
        engine.BeginPrint();
        draw(engine);
        engine.EndPrint();
    }
    document.Commit();
    return Render(path, dpi, dir.filePath(name));
}

}  // namespace

class PdfDocumentTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { SetUpFontSubstitutes(); }

    void eachDocumentIsAPageInItsOwnOrientation() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mixed.pdf"));
        PdfDocument document(path, QPageSize(QPageSize::Letter));
        PrintOnePage(document, PageOrientation::Portrait, "first");
        PrintOnePage(document, PageOrientation::Landscape, "second");
        PrintOnePage(document, PageOrientation::Portrait, "third");
        QCOMPARE(document.PageCount(), 3);
        QVERIFY(!QFile::exists(path));  // not before it is complete
        document.Commit();

        const QList<PdfPage> pages = ReadPdfWords(path);
        QCOMPARE(pages.size(), 3);
        const QList<QPair<double, double>> sizes{{612, 792}, {792, 612}, {612, 792}};
        const QStringList words{"first", "second", "third"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(pages[i].width, sizes[i].first);
            QCOMPARE(pages[i].height, sizes[i].second);
            QCOMPARE(pages[i].words.size(), 1);
            QCOMPARE(pages[i].words[0].text, words[i]);
            // Top-left at (1, 2) inches: no unprintable strips on a PDF page.
            QVERIFY(qAbs(pages[i].words[0].xMin - 72.0) < 0.5);
            QVERIFY(qAbs(pages[i].words[0].yMin - 144.0) < 1.0);
        }
    }

    void anAutomaticBreakAddsASheet() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("flow.pdf"));
        PdfDocument document(path, QPageSize(QPageSize::A4));
        {
            const auto device = document.Factory()();
            TPrintObject engine(*device);
            engine.BeginPrint();
            engine.SetFont("Arial", 11, kFontPlain);
            engine.SetLineArea(1.0f, 1.5f);
            for (int i = 0; i < 5; ++i) {
                engine.WriteText("line" + std::to_string(i), -1.0f, -1.0f);
            }
            engine.EndPrint();
        }
        document.Commit();
        const QList<PdfPage> pages = ReadPdfWords(path);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].width, 595.0);
        QVERIFY(pages[0].words.size() >= 2);
        QCOMPARE(pages[1].words[0].yMin, pages[0].words[0].yMin);
    }

    // Faces and shaped texts are kept per font: going back and forth
    // between fonts must measure and draw each text in the font now set.
    void eachFontMeasuresAndDrawsInItsOwnFace() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("faces.pdf"));
        PdfDocument document(path, QPageSize(QPageSize::Letter));
        const PrintFont fonts[] = {{"Arial", 10, kFontPlain},
                                   {"Arial", 24, kFontPlain},
                                   {"Arial", 10, kFontBold},
                                   {"Courier New", 10, kFontPlain}};
        {
            const auto device = document.Factory()();
            device->BeginDocument();
            const int dpi = PdfDocument::kResolution;
            QBuffer sink;
            QPdfWriter measuring(&sink);
            measuring.setResolution(dpi);
            float top = 1.0f;
            for (int round = 0; round < 2; ++round) {
                for (const PrintFont& font : fonts) {
                    device->SetFont(font);
                    QCOMPARE(device->Font(), font);
                    const QFontMetrics expected(ToQFont(font), &measuring);
                    const DeviceSize extent = device->TextExtent("Wednesday 30");
                    QCOMPARE(extent.width,
                             expected.horizontalAdvance(QStringLiteral("Wednesday 30")));
                    QCOMPARE(extent.height, expected.height());
                    QCOMPARE(device->TextMetrics().height, expected.height());
                    device->TextOutOpaque(dpi, static_cast<int>(top * dpi), "Wednesday 30");
                    top += 0.5f;
                }
            }
            device->EndDocument();
        }
        document.Commit();
        // The same text in the same font is drawn the same size in both rounds.
        const QList<PdfPage> pages = ReadPdfWords(path);
        QCOMPARE(pages.size(), 1);
        const auto& words = pages[0].words;
        QCOMPARE(words.size(), 16);
        for (int i = 0; i < 8; i += 2) {
            const double first = words[i + 1].xMax - words[i].xMin;
            const double second = words[i + 9].xMax - words[i + 8].xMin;
            QVERIFY2(qAbs(first - second) < 0.01, qPrintable(QString::number(i)));
        }
        // Larger and bolder faces draw wider than the first.
        const auto width = [&](int text) {
            return words[2 * text + 1].xMax - words[2 * text].xMin;
        };
        QVERIFY(width(1) > 2 * width(0));
        QVERIFY(width(2) > width(0));
    }

    void textStandsOnAWhitePatchInsideAGreyBox() {
        QTemporaryDir dir;
        // At 200 dpi: the grey box spans 200..600 x 200..400, the text's line
        // box starts at (300, 240) and its capitals about 20 pixels lower.
        const QImage image =
            DrawAndRender(dir, QStringLiteral("grey"), 200, [](TPrintObject& engine) {
                engine.DrawShadedBox(4, 128, 1.0f, 1.0f, 3.0f, 2.0f);
                engine.SetFont("Arial", 40, kFontPlain);
                engine.WriteText("MMM", 1.5f, 1.2f);
                engine.DrawBox(8, 4.0f, 4.0f, 5.0f, 5.0f);
            });
        QVERIFY(!image.isNull());
        QCOMPARE(qGray(image.pixel(240, 380)), 128);  // the box's fill
        QCOMPARE(qGray(image.pixel(320, 246)), 255);  // above the capitals: the white patch
        QCOMPARE(qGray(image.pixel(900, 900)), 255);  // DrawBox fills white
        QVERIFY(qGray(image.pixel(800, 900)) < 64);   // its 8-pixel black outline
    }

    // Texts are held back and drawn together, but whatever is drawn later
    // over a text stays on top of it, as when each is drawn at once.
    void aBoxDrawnOverATextCoversIt() {
        QTemporaryDir dir;
        // At 200 dpi the box's inside is x 301..399, y 181..359; the capitals
        // stand about y 210..290 and run on to x 500 and more.
        const QImage image =
            DrawAndRender(dir, QStringLiteral("over"), 200, [](TPrintObject& engine) {
                engine.SetFont("Arial", 40, kFontPlain);
                engine.WriteText("MMMM", 1.0f, 1.0f);
                engine.DrawShadedBox(4, 128, 1.5f, 0.9f, 2.0f, 1.8f);
            });
        QVERIFY(!image.isNull());
        for (int y = 190; y < 350; y += 4) {
            for (int x = 310; x < 390; x += 4) {
                QVERIFY2(qGray(image.pixel(x, y)) == 128,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
        int ink = 0;
        for (int x = 410; x < 560; ++x) {
            ink += qGray(image.pixel(x, 250)) < 64 ? 1 : 0;
        }
        QVERIFY(ink > 0);  // the text beside the box is there
    }

    // Boxes are drawn together where their order cannot show, but a box
    // over another keeps its place on top: its fill hides the outline of
    // the one below, whatever the shades.
    void aBoxOverAnotherStaysOnTop() {
        QTemporaryDir dir;
        // At 100 dpi: the white box covers the grey one's right edge at
        // x 300, and the last grey box covers the white one's at x 400. The
        // two boxes beside each other share their outline at x 600.
        const QImage image =
            DrawAndRender(dir, QStringLiteral("boxes"), 100, [](TPrintObject& engine) {
                engine.DrawShadedBox(8, 128, 1.0f, 1.0f, 3.0f, 3.0f);
                engine.DrawBox(8, 2.5f, 1.5f, 4.0f, 2.5f);
                engine.DrawShadedBox(8, 128, 3.5f, 1.8f, 5.0f, 2.2f);
                engine.DrawShadedBox(8, 128, 5.5f, 1.0f, 6.0f, 3.0f);
                engine.DrawBox(8, 6.0f, 1.0f, 6.5f, 3.0f);
            });
        QVERIFY(!image.isNull());
        QCOMPARE(qGray(image.pixel(300, 200)), 255);
        QCOMPARE(qGray(image.pixel(375, 200)), 128);
        QCOMPARE(qGray(image.pixel(400, 200)), 128);
        QCOMPARE(qGray(image.pixel(575, 200)), 128);
        QVERIFY(qGray(image.pixel(600, 200)) < 64);
        QCOMPARE(qGray(image.pixel(625, 200)), 255);
    }

    void anUncommittedDocumentLeavesTheOldFileAlone() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("keep.pdf"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("previous");
        }
        {
            PdfDocument document(path, QPageSize(QPageSize::Letter));
            PrintOnePage(document, PageOrientation::Portrait, "lost");
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("previous"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.pdf"});

        PdfDocument empty(dir.filePath(QStringLiteral("empty.pdf")), QPageSize(QPageSize::A4));
        QVERIFY_THROWS_EXCEPTION(PrintError, empty.Commit());
    }
};

QTEST_MAIN(PdfDocumentTest)
#include "pdf_document_test.moc"

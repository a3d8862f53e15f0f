#include "RecordTestSupport.h"
#include "data/ui/CPicture.h"

#include <QtGui>
#include <QtTest>

namespace {

// A 1 x 1 GIF whose one pixel is black (Qt writes no GIF, so the bytes are spelled out).
const char kBlackGif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                         ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x4c\x01\x00;";

// Draws the picture on a white 40 x 40 canvas.
QImage DrawOnCanvas(const CPicture& picture, int left, int top, int right, int bottom)
{
    QImage canvas(40, 40, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    picture.Draw(painter, left, top, right, bottom);
    painter.end();
    return canvas;
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT
private slots:
    void loading()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QImage(30, 20, QImage::Format_RGB32).save(m_dir.filePath("p.jpg")));
        QVERIFY(WriteBytes(m_dir.filePath("p.gif"), QByteArray(kBlackGif, sizeof kBlackGif - 1)));
        QVERIFY(WriteBytes(m_dir.filePath("notes.jpg"), "plain words, not a picture"));

        CPicture picture;
        QVERIFY(picture.Load(m_dir.filePath("p.jpg")));
        QCOMPARE(picture.GetSizeInPixels(), QSize(30, 20));
        QVERIFY(picture.Load(m_dir.filePath("p.gif")));
        QCOMPARE(DrawOnCanvas(picture, 0, 0, 0, 0).pixelColor(0, 0), QColor(Qt::black));

        // A file that cannot be opened keeps the held picture; one that opens without a picture drops it.
        QVERIFY(!picture.Load(m_dir.filePath("missing.png")));
        QVERIFY(!picture.Load(m_dir.path()));
        QCOMPARE(picture.GetSizeInPixels(), QSize(1, 1));
        QVERIFY(picture.Load(m_dir.filePath("notes.jpg")));
        QVERIFY(!picture.IsLoaded());
        QCOMPARE(picture.GetSizeInPixels(), QSize(0, 0));
        QCOMPARE(DrawOnCanvas(picture, 0, 0, 0, 0).pixelColor(0, 0), QColor(Qt::white));
    }

    void drawsStretchedOrAtOwnSize()
    {
        QImage four(2, 2, QImage::Format_RGB32);
        four.setPixelColor(0, 0, Qt::red);
        four.setPixelColor(1, 0, Qt::green);
        four.setPixelColor(0, 1, Qt::blue);
        four.setPixelColor(1, 1, Qt::yellow);
        const QString path = m_dir.filePath("four.png");
        QVERIFY(four.save(path));
        CPicture picture;
        QVERIFY(picture.Load(path));

        // Stretched over (10, 10)-(30, 30), each pixel fills a quarter; (0, 0, 0, 0) draws it as it is.
        const QImage canvas = DrawOnCanvas(picture, 10, 10, 30, 30);
        const QList<QColor> stretched = {canvas.pixelColor(9, 9),   canvas.pixelColor(19, 19),
                                         canvas.pixelColor(20, 10), canvas.pixelColor(10, 20),
                                         canvas.pixelColor(29, 29), canvas.pixelColor(30, 30)};
        QCOMPARE(stretched, QList<QColor>({Qt::white, Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::white}));
        const QImage own = DrawOnCanvas(picture, 0, 0, 0, 0);
        QCOMPARE(QList<QColor>({own.pixelColor(1, 1), own.pixelColor(2, 2)}),
                 QList<QColor>({Qt::yellow, Qt::white}));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"

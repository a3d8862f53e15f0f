#include "data/CPicture.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor kTopLeft(255, 0, 0);
const QColor kTopRight(0, 255, 0);
const QColor kBottomLeft(0, 0, 255);
const QColor kBottomRight(255, 255, 0);

// A 1 x 1 GIF whose one pixel is black (Qt writes no GIF, so the bytes are spelled out).
const char kBlackGif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                         ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x4c\x01\x00;";

QImage FourColours()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixelColor(0, 0, kTopLeft);
    image.setPixelColor(1, 0, kTopRight);
    image.setPixelColor(0, 1, kBottomLeft);
    image.setPixelColor(1, 1, kBottomRight);
    return image;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

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
    void loadFailuresKeepTheHeldPicture();
    void fileWithoutPictureLoadsWithNoPicture();
    void readsEveryPictureFormat();
    void drawsStretchedOrAtOwnSize();

private:
    QTemporaryDir m_dir;
};

void TestPicture::loadFailuresKeepTheHeldPicture()
{
    QVERIFY(m_dir.isValid());
    CPicture picture;
    QVERIFY(!picture.IsLoaded());
    QCOMPARE(picture.GetSizeInPixels(), QSize(0, 0));
    QVERIFY(!picture.Load(m_dir.filePath(QStringLiteral("missing.png"))));
    QVERIFY(!picture.Load(QString()));
    QVERIFY(!picture.Load(m_dir.path()));

    const QString path = m_dir.filePath(QStringLiteral("held.png"));
    QVERIFY(FourColours().save(path));
    QVERIFY(picture.Load(path));
    QVERIFY(!picture.Load(m_dir.filePath(QStringLiteral("missing.png"))));
    QVERIFY(picture.IsLoaded());
    QCOMPARE(picture.GetSizeInPixels(), QSize(2, 2));
}

void TestPicture::fileWithoutPictureLoadsWithNoPicture()
{
    const QString picturePath = m_dir.filePath(QStringLiteral("before.bmp"));
    QVERIFY(FourColours().save(picturePath));
    const QString textPath = m_dir.filePath(QStringLiteral("notes.jpg"));
    QVERIFY(WriteFile(textPath, "plain words, not a picture"));
    const QString emptyPath = m_dir.filePath(QStringLiteral("empty.gif"));
    QVERIFY(WriteFile(emptyPath, QByteArray()));

    CPicture picture;
    QVERIFY(picture.Load(picturePath));
    QVERIFY(picture.Load(textPath));
    QVERIFY(!picture.IsLoaded());
    QCOMPARE(picture.GetSizeInPixels(), QSize(0, 0));
    QVERIFY(picture.Load(emptyPath));
    QVERIFY(!picture.IsLoaded());
    const QImage canvas = DrawOnCanvas(picture, 0, 0, 0, 0);
    QCOMPARE(canvas.pixelColor(0, 0), QColor(Qt::white));
}

void TestPicture::readsEveryPictureFormat()
{
    QImage wide(30, 20, QImage::Format_RGB32);
    wide.fill(Qt::darkGreen);
    const QStringList written = {QStringLiteral("p.png"), QStringLiteral("p.bmp"), QStringLiteral("p.jpg")};
    for (const QString& name : written)
        QVERIFY(wide.save(m_dir.filePath(name)));
    // The content tells the format, whatever the name says.
    QVERIFY(wide.save(m_dir.filePath(QStringLiteral("png-named.jpg")), "PNG"));
    QVERIFY(WriteFile(m_dir.filePath(QStringLiteral("p.gif")), QByteArray(kBlackGif, sizeof kBlackGif - 1)));

    CPicture picture;
    for (const QString& name : written + QStringList{QStringLiteral("png-named.jpg")}) {
        QVERIFY2(picture.Load(m_dir.filePath(name)), qPrintable(name));
        QVERIFY2(picture.IsLoaded(), qPrintable(name));
        QCOMPARE(picture.GetSizeInPixels(), QSize(30, 20));
    }
    QVERIFY(picture.Load(m_dir.filePath(QStringLiteral("p.gif"))));
    QCOMPARE(picture.GetSizeInPixels(), QSize(1, 1));
    QCOMPARE(DrawOnCanvas(picture, 0, 0, 0, 0).pixelColor(0, 0), QColor(Qt::black));
}

void TestPicture::drawsStretchedOrAtOwnSize()
{
    const QString path = m_dir.filePath(QStringLiteral("four.png"));
    QVERIFY(FourColours().save(path));
    CPicture picture;
    QVERIFY(picture.Load(path));

    QImage canvas = DrawOnCanvas(picture, 10, 10, 30, 30);
    QCOMPARE(canvas.pixelColor(10, 10), kTopLeft);
    QCOMPARE(canvas.pixelColor(19, 19), kTopLeft);
    QCOMPARE(canvas.pixelColor(20, 10), kTopRight);
    QCOMPARE(canvas.pixelColor(10, 20), kBottomLeft);
    QCOMPARE(canvas.pixelColor(29, 29), kBottomRight);
    QCOMPARE(canvas.pixelColor(30, 30), QColor(Qt::white));
    QCOMPARE(canvas.pixelColor(9, 9), QColor(Qt::white));

    canvas = DrawOnCanvas(picture, 0, 0, 0, 0);
    QCOMPARE(canvas.pixelColor(0, 0), kTopLeft);
    QCOMPARE(canvas.pixelColor(1, 1), kBottomRight);
    QCOMPARE(canvas.pixelColor(2, 2), QColor(Qt::white));

    canvas = DrawOnCanvas(picture, 30, 30, 10, 10);
    QCOMPARE(canvas.pixelColor(20, 20), QColor(Qt::white));
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"

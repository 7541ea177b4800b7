// The PNG decoder of the compiled-in pictures on damaged and unusual files: every one is
// refused (and so left to the toolkit's reader), never read past its end. Pictures of every
// kind decoding as the toolkit decodes them is tested with the pictures themselves.

#include "formats/PngPixels.h"

#include <QTest>
#include <QtEndian>

namespace {

QByteArray chunk(const char* type, const QByteArray& data) {
    QByteArray bytes(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(data.size()), bytes.data());
    return bytes + type + data + QByteArray(4, '\0'); // checksums are not read
}

// A PNG of the given header fields and rows, each row its filter's byte and its bytes.
QByteArray png(quint32 width, quint32 height, char depth, char colour, const QByteArray& rows,
               const QByteArray& extraChunks = {}, char interlace = 0) {
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = depth;
    header[9] = colour;
    header[12] = interlace;
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + extraChunks +
           chunk("IDAT", qCompress(rows).mid(4)) + chunk("IEND", {});
}

// Two pixels of two palette entries, red and half-transparent green, in a 2 x 1 picture.
const QByteArray palette = QByteArray::fromHex("ff0000"
                                               "00ff00");
const QByteArray paletteChunks =
    chunk("PLTE", palette) + chunk("tRNS", QByteArray::fromHex("ff80"));

} // namespace

class PngPixelsTest : public QObject {
    Q_OBJECT
  private slots:
    void decodesAPictureBuiltByHand();
    void refusesDamagedOrUnusualFiles_data();
    void refusesDamagedOrUnusualFiles();
    void refusesEveryFileCutShort();
};

// A picture built by hand, so that the refusals below are of files otherwise read (every
// kind and filter of real pictures is compared with the toolkit's reader in the ui tests).
void PngPixelsTest::decodesAPictureBuiltByHand() {
    // 2 x 1 RGBA, unfiltered: (1,2,3,4) and (5,6,7,8).
    const auto pixels = PngPixels::decode(png(2, 1, 8, 6,
                                              QByteArray::fromHex("00"
                                                                  "01020304"
                                                                  "05060708")));
    QVERIFY(pixels);
    const auto* argb = reinterpret_cast<const quint32*>(pixels->data.constData());
    QCOMPARE(argb[0], 0x04010203u);
    QCOMPARE(argb[1], 0x08050607u);
}

void PngPixelsTest::refusesDamagedOrUnusualFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("sized");
    const QByteArray row = QByteArray::fromHex("00"
                                               "01020304"
                                               "05060708");
    QTest::newRow("not a PNG") << QByteArray("GIF89a and more than enough bytes here") << false;
    QTest::newRow("no width") << png(0, 1, 8, 6, row) << false;
    QTest::newRow("wider than any icon") << png(2000, 1, 8, 6, row) << false;
    QTest::newRow("unknown filter") << png(2, 1, 8, 6,
                                           QByteArray::fromHex("05"
                                                               "0102030405060708"))
                                    << true;
    QTest::newRow("a row short") << png(2, 2, 8, 6, row) << true;
    QTest::newRow("data not deflated")
        << png(2, 1, 8, 6, row)
               .replace(qCompress(row).mid(4), QByteArray(qCompress(row).size() - 4, 'x'))
        << true;
    QTest::newRow("index past the palette")
        << png(2, 1, 2, 3, QByteArray::fromHex("0020"), paletteChunks) << true;
    QTest::newRow("no palette") << png(2, 1, 2, 3, QByteArray::fromHex("0010")) << true;
    QTest::newRow("palette cut") << png(2, 1, 2, 3, QByteArray::fromHex("0010"),
                                        chunk("PLTE", palette.left(4)))
                                 << true;
    QTest::newRow("interlaced") << png(2, 1, 8, 6, row, {}, 1) << true;
    QTest::newRow("sixteen-bit grey") << png(1, 1, 16, 0, QByteArray::fromHex("000102")) << true;
    QTest::newRow("chunk longer than the file")
        << png(2, 1, 8, 6, row).replace("IEND", "IENX") + QByteArray::fromHex("7fffffff") + "IDAT" +
               "more"
        << true;
}

void PngPixelsTest::refusesDamagedOrUnusualFiles() {
    QFETCH(QByteArray, file);
    QFETCH(bool, sized);
    QCOMPARE(PngPixels::size(file).has_value(), sized);
    QVERIFY(!PngPixels::decode(file));
}

void PngPixelsTest::refusesEveryFileCutShort() {
    const QByteArray whole = png(1, 2, 8, 6,
                                 QByteArray::fromHex("00"
                                                     "01020304"
                                                     "02"
                                                     "01010101"));
    QVERIFY(PngPixels::decode(whole));
    for (qsizetype length = 0; length < whole.size(); ++length)
        QVERIFY2(!PngPixels::decode(whole.left(length)), qPrintable(QString::number(length)));
}

QTEST_GUILESS_MAIN(PngPixelsTest)
#include "tst_pngpixels.moc"

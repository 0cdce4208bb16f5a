// The Bitmap Font Manager page's tests.

#include <QTest>

class TestBitmapFontPage : public QObject {
    Q_OBJECT
};

QTEST_MAIN(TestBitmapFontPage)
#include "tst_bitmap_font_page.moc"

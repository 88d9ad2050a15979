#include "state/ColourList.h"
#include "ui/Fonts.h"
#include "ui/widgets/ColourListView.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest>

namespace {

const ColorRef kOrange = PackColour(255, 128, 0);
const ColorRef kTeal = PackColour(0, 128, 128);
const ColorRef kWhite = PackColour(255, 255, 255);

QColor ToQColor(ColorRef colour)
{
    const Rgb rgb = UnpackColour(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

bool HasPixel(const QImage& image, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

class ColourListViewTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void itemGeometry_data();
    void itemGeometry();
    void drawing_data();
    void drawing();
    void selectionFrame_data();
    void selectionFrame();
    void focusFrameIsDotted();
    void pressAndDoubleClickReportRows();
    void extendedSelection();
    void keyboardMovesTheListCurrentColour();
    void shiftKeysSelectRangesBeyondTheView();

private:
    QImage Render();

    ColourList* m_list = nullptr;
    ColourListView* m_view = nullptr;
};

void ColourListViewTest::init()
{
    m_list = new ColourList;
    for (ColorRef colour : {kOrange, kTeal, kWhite})
        m_list->AddDroppedColourToList(colour);
    m_view = new ColourListView;
    m_view->SetColourList(m_list);
    m_view->resize(169, 305);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void ColourListViewTest::cleanup()
{
    delete m_view;
    delete m_list;
}

QImage ColourListViewTest::Render()
{
    QImage image(m_view->viewport()->size(), QImage::Format_RGB32);
    m_view->viewport()->render(&image);
    return image;
}

void ColourListViewTest::itemGeometry_data()
{
    QTest::addColumn<bool>("small");
    QTest::addColumn<int>("height");
    QTest::newRow("big") << false << 30;
    QTest::newRow("small") << true << 15;
}

void ColourListViewTest::itemGeometry()
{
    QFETCH(bool, small);
    QFETCH(int, height);
    QCOMPARE(m_view->objectName(), "colourList");
    QVERIFY(!m_view->IsSmallMode());
    m_view->SetSmallMode(small);
    QCOMPARE(m_view->IsSmallMode(), small);
    m_view->doItemsLayout();
    for (int row = 0; row < 3; ++row) {
        const QRect rect = m_view->visualRect(m_list->index(row));
        QCOMPARE(rect.height(), height);
        QCOMPARE(rect.top(), row * height);
        QCOMPARE(rect.width(), m_view->viewport()->width());
        QCOMPARE(m_view->RowAt(rect.center()), row);
    }
    QCOMPARE(m_view->RowAt(QPoint(5, 3 * height + 1)), -1);
    m_view->SetSmallMode(!small);
    m_view->doItemsLayout();
    QCOMPARE(m_view->visualRect(m_list->index(1)).top(), small ? 30 : 15);
}

void ColourListViewTest::drawing_data()
{
    QTest::addColumn<bool>("small");
    QTest::newRow("big") << false;
    QTest::newRow("small") << true;
}

void ColourListViewTest::drawing()
{
    QFETCH(bool, small);
    m_view->SetSmallMode(small);
    m_view->clearFocus();
    m_view->doItemsLayout();
    const QImage image = Render();
    const int height = small ? 15 : 30;
    const int inset = small ? 1 : 2;
    const int textLeft = inset + (small ? 15 : 20);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb orange = ToQColor(kOrange).rgb();

    // Unselected item: white around, swatch from the inset corner up to the text.
    QCOMPARE(image.pixel(0, 0), white);
    QCOMPARE(image.pixel(inset, inset), orange);
    const int swatchWidth = QFontMetrics(small ? ArialPixels(11) : ArialPixels(23))
                                .horizontalAdvance(small ? "     " : "    ");
    QCOMPARE(image.pixel(std::min(inset + swatchWidth, textLeft) - 1, inset + 3), orange);
    QVERIFY(image.pixel(inset - 1, inset + 3) != orange);

    const QRect textArea(textLeft, 0, image.width() - textLeft, height);
    const QRgb black = qRgb(0, 0, 0), grey = qRgb(128, 128, 128), silver = qRgb(192, 192, 192);
    if (small) {
        QVERIFY(HasPixel(image, textArea, grey));
        QVERIFY(!HasPixel(image, textArea, black));
    } else {
        QVERIFY(HasPixel(image, QRect(textLeft, 0, textArea.width(), 14), black));
        QVERIFY(HasPixel(image, QRect(textLeft, inset + 14, textArea.width(), 13), silver));
        QVERIFY(!HasPixel(image, QRect(textLeft, inset + 14, textArea.width(), 13), black));
    }
    // The white item's swatch merges with the background; the teal one does not.
    QCOMPARE(image.pixel(inset, height + inset), ToQColor(kTeal).rgb());
    QCOMPARE(image.pixel(inset, 2 * height + inset), white);
    // Nothing is drawn below the last item.
    QVERIFY(!HasPixel(image, QRect(0, 3 * height, image.width(), 5), orange));
}

void ColourListViewTest::selectionFrame_data()
{
    drawing_data();
}

void ColourListViewTest::selectionFrame()
{
    QFETCH(bool, small);
    m_view->SetSmallMode(small);
    m_view->selectionModel()->select(m_list->index(1), QItemSelectionModel::Select);
    m_view->clearFocus();
    m_view->doItemsLayout();
    const QImage image = Render();
    const int height = small ? 15 : 30;
    const int inset = small ? 1 : 2;
    const QRgb highlight = m_view->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    const int top = height;
    for (int d = 0; d < inset; ++d) {
        QCOMPARE(image.pixel(d, top + d), highlight);
        QCOMPARE(image.pixel(image.width() - 1 - d, top + height - 1 - d), highlight);
    }
    QCOMPARE(image.pixel(inset, top + inset), ToQColor(kTeal).rgb());
    // The text stands on white even in a selected item.
    QCOMPARE(image.pixel(inset + (small ? 16 : 21), top + inset + 1), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(inset, 0 + inset), ToQColor(kOrange).rgb());
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
}

void ColourListViewTest::focusFrameIsDotted()
{
    m_view->activateWindow();
    m_view->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(m_view));
    m_view->setCurrentIndex(m_list->index(2));
    m_view->doItemsLayout();
    const QImage image = Render();
    // Around the white third item: dots alternate along the top edge.
    const int top = 60;
    QVERIFY(image.pixel(4, top) != image.pixel(5, top));
    QCOMPARE(image.pixel(4, top), image.pixel(6, top));
    // The first item carries no frame.
    QCOMPARE(image.pixel(4, 0), image.pixel(5, 0));
}

void ColourListViewTest::pressAndDoubleClickReportRows()
{
    QSignalSpy presses(m_view, &ColourListView::itemPressed);
    QSignalSpy doubleClicks(m_view, &ColourListView::itemDoubleClicked);
    QWidget* viewport = m_view->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(50, 45));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(50, 45));
    QCOMPARE(presses.size(), 1);
    QCOMPARE(presses.at(0).at(0).toInt(), 1);
    QCOMPARE(presses.at(0).at(1).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(m_list->ListCurrentColour(), kTeal);
    QCOMPARE(m_view->SelectedRows(), QList<int>{1});

    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(50, 15));
    QCOMPARE(doubleClicks.size(), 1);
    QCOMPARE(doubleClicks.at(0).at(0).toInt(), 0);
    QCOMPARE(m_list->ListCurrentColour(), kOrange);

    // Below the last item: reported as -1, the list current colour stays.
    QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(50, 200));
    QCOMPARE(presses.constLast().at(0).toInt(), -1);
    QCOMPARE(presses.constLast().at(1).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(m_list->ListCurrentColour(), kOrange);
}

void ColourListViewTest::extendedSelection()
{
    QWidget* viewport = m_view->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(50, 15));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, QPoint(50, 75));
    QCOMPARE(m_view->SelectedRows(), (QList<int>{0, 1, 2}));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, QPoint(50, 45));
    QCOMPARE(m_view->SelectedRows(), (QList<int>{0, 2}));
    m_list->DeleteRows(m_view->SelectedRows());
    QCOMPARE(m_list->count(), 1);
    QCOMPARE(m_list->item(0).colour, kTeal);
}

void ColourListViewTest::keyboardMovesTheListCurrentColour()
{
    m_view->setFocus();
    m_view->setCurrentIndex(m_list->index(0));
    QTest::keyClick(m_view, Qt::Key_Down);
    QCOMPARE(m_view->currentIndex().row(), 1);
    QCOMPARE(m_list->ListCurrentColour(), kTeal);
    // Enter and Return count as a double-click on the current item; Ctrl+Return not.
    QSignalSpy doubleClicks(m_view, &ColourListView::itemDoubleClicked);
    QTest::keyClick(m_view, Qt::Key_Return);
    QTest::keyClick(m_view, Qt::Key_Down);
    QTest::keyClick(m_view, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(m_view, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(doubleClicks.size(), 2);
    QCOMPARE(doubleClicks.at(0).at(0).toInt(), 1);
    QCOMPARE(doubleClicks.at(1).at(0).toInt(), 2);
}

// Shift+End and Shift+Home select every item between the anchor and the end, also
// those far outside the view, as one range.
void ColourListViewTest::shiftKeysSelectRangesBeyondTheView()
{
    for (int i = 0; i < 200; ++i)
        m_list->AddDroppedColourToList(ColorRef(i));
    const int last = m_list->count() - 1;
    QWidget* viewport = m_view->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(50, 45));
    QTest::keyClick(m_view, Qt::Key_End, Qt::ShiftModifier);
    QList<int> rows;
    for (int row = 1; row <= last; ++row)
        rows << row;
    QCOMPARE(m_view->SelectedRows(), rows);
    QCOMPARE(m_view->currentIndex().row(), last);
    QCOMPARE(m_list->ListCurrentColour(), m_list->colourAt(last));
    QTest::keyClick(m_view, Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(m_view->SelectedRows(), (QList<int>{0, 1}));
    QTest::keyClick(m_view, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(m_view, Qt::Key_Up, Qt::ShiftModifier);
    rows.removeLast();
    QCOMPARE(m_view->SelectedRows(), rows);
}

QTEST_MAIN(ColourListViewTest)
#include "tst_colourlistview.moc"

// A second program for the drag tests: another process, so colour drags between it
// and the program go through the X server's drag protocol like any other program's.
//
//   kromi_dragpeer #RRGGBB [X Y]
//
// One window, "Kromi Drag Peer", at (X, Y) (else at 800, 600): on the left (0..99) a swatch that
// starts a drag of the given colour as soon as it is pressed, carrying only the standard colour
// data and the "#RRGGBB" text, and prints "taken" or "refused" once the drag is over; on
// the right (100..199) a target that takes standard colour data or a colour text, prints
// the colour as "#RRGGBB" and ends the peer with 0.
#include <QApplication>
#include <QColor>
#include <QDrag>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class DragSource : public QWidget
{
public:
    explicit DragSource(const QColor& colour) : m_colour(colour)
    {
        setFixedSize(100, 100);
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, colour);
        setPalette(colours);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto* data = new QMimeData;
        data->setColorData(m_colour);
        data->setText(m_colour.name().toUpper());
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        // Whether the other side took it, for the test to wait on. The peer stays: on X
        // the drag returns before the target has fetched the dropped data from it.
        const bool taken = drag->exec(Qt::CopyAction) == Qt::CopyAction;
        std::printf("%s\n", taken ? "taken" : "refused");
        std::fflush(stdout);
    }

private:
    QColor m_colour;
};

class DropTarget : public QWidget
{
public:
    DropTarget()
    {
        setFixedSize(100, 100);
        setAcceptDrops(true);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { Answer(*event); }
    void dragMoveEvent(QDragMoveEvent* event) override { Answer(*event); }
    void dropEvent(QDropEvent* event) override
    {
        const QColor colour = Colour(event->mimeData());
        if (!colour.isValid()) {
            event->ignore();
            return;
        }
        event->acceptProposedAction();
        std::printf("%s\n", colour.name().toUpper().toLatin1().constData());
        std::fflush(stdout);
        // After the drop has been answered, so the source sees it finish.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }

private:
    static QColor Colour(const QMimeData* data)
    {
        if (data->hasColor())
            return qvariant_cast<QColor>(data->colorData()).toRgb();
        if (data->hasText())
            return QColor::fromString(data->text().trimmed());
        return QColor();
    }
    static void Answer(QDropEvent& event)
    {
        if (Colour(event.mimeData()).isValid())
            event.acceptProposedAction();
        else
            event.ignore();
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QColor colour = QColor::fromString(application.arguments().value(1));
    if (!colour.isValid()) {
        std::fprintf(stderr, "usage: kromi_dragpeer #RRGGBB [X Y]\n");
        return 2;
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("Kromi Drag Peer"));
    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new DragSource(colour));
    layout->addWidget(new DropTarget);
    const QStringList arguments = application.arguments();
    window.move(arguments.value(2, QStringLiteral("800")).toInt(),
                arguments.value(3, QStringLiteral("600")).toInt());
    window.show();
    return application.exec();
}

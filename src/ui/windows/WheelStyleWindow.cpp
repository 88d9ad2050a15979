#include "ui/windows/WheelStyleWindow.h"

#include "storage/TextFile.h"
#include "ui/Fonts.h"
#include "ui/widgets/PanelButton.h"

#include <QDir>
#include <QListWidget>

#include <optional>

namespace {

const char* const kStyleFiles[] = {"circle1.wst", "circle2.wst", "circle3.wst", "square1.wst",
                                   "square2.wst", "square3.wst", "square4.wst", "square5.wst",
                                   "square6.wst", "square7.wst"};

// Through the one reader: a pipe or a huge file in the program folder must not
// freeze the window.
std::optional<QString> ReadText(const QString& path)
{
    const FileReadResult read = ReadWholeFile(path, kMaxSmallFileBytes);
    if (read.status != FileReadStatus::Loaded)
        return std::nullopt;
    return QString::fromLatin1(read.data);
}

} // namespace

const QStringList& WheelStyleNames()
{
    static const QStringList names{QStringLiteral("Circle 1"), QStringLiteral("Circle 2"),
                                   QStringLiteral("Circle 3"), QStringLiteral("Square 1"),
                                   QStringLiteral("Square 2"), QStringLiteral("Square 3"),
                                   QStringLiteral("Square 4"), QStringLiteral("Square 5"),
                                   QStringLiteral("Square 6"), QStringLiteral("Square 7")};
    return names;
}

QString LoadWheelStyleText(const QString& programDirectory, int index)
{
    const QString fileName = QLatin1String(kStyleFiles[index]);
    if (const std::optional<QString> local = ReadText(QDir(programDirectory).filePath(fileName)))
        return *local;
    return ReadText(QStringLiteral(":/wheelstyles/") + fileName).value_or(QString());
}

WheelStyleWindow::WheelStyleWindow(const QString& programDirectory)
    : FramedWindow(QStringLiteral("Load Wheel Style"), QSize(179, 203)),
      m_programDirectory(programDirectory)
{
    setObjectName(QStringLiteral("WheelStyleWindow"));
    setWindowModality(Qt::ApplicationModal);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(QStringLiteral("Wheel styles"));
    m_list->setGeometry(0, 16, 180, 169);
    m_list->setFont(SansSerifPoints(8));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->addItems(WheelStyleNames());
    m_list->setCurrentRow(0);
    m_ok = new PanelButton(QStringLiteral("OK"), this);
    m_ok->setGeometry(2, 185, 175, 17);
    connect(m_ok, &PanelButton::clicked, this, [this] {
        const int row = m_list->currentRow();
        if (row >= 0)
            emit styleChosen(LoadWheelStyleText(m_programDirectory, row));
        close();
    });
}

void WheelStyleWindow::ShowFor(const QWidget* mainWindow)
{
    const QRect main = mainWindow->geometry();
    move(main.left() + main.width() / 2 - width() / 2, main.top() + 50);
    ShowInFront(*this);
}

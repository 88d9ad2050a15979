#include "ui/widgets/PinPicture.h"

#include "storage/TextFile.h"

#include <QDir>

QPixmap LoadPinPicture(const QString& programDirectory, bool on)
{
    const QString name = on ? QStringLiteral("top2.bmp") : QStringLiteral("top.bmp");
    // Through the one reader: a pipe or device in its place must not hang start-up.
    const FileReadResult read =
        ReadWholeFile(QDir(programDirectory).filePath(name), kMaxSmallFileBytes);
    if (read.status == FileReadStatus::Loaded) {
        QPixmap picture;
        if (picture.loadFromData(read.data))
            return picture;
    }
    return QPixmap(on ? QStringLiteral(":/pin/pin_on.png") : QStringLiteral(":/pin/pin_off.png"));
}

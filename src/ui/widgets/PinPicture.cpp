#include "ui/widgets/PinPicture.h"

#include <QDir>
#include <QFileInfo>

QPixmap LoadPinPicture(const QString& programDirectory, bool on)
{
    const QString name = on ? QStringLiteral("top2.bmp") : QStringLiteral("top.bmp");
    const QString path = QDir(programDirectory).filePath(name);
    if (QFileInfo::exists(path)) {
        QPixmap picture(path);
        if (!picture.isNull())
            return picture;
    }
    return QPixmap(on ? QStringLiteral(":/pin/pin_on.png") : QStringLiteral(":/pin/pin_off.png"));
}

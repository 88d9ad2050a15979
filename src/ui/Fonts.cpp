#include "ui/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

namespace {

// Loads the bitmap faces once; without them fontconfig picks a substitute.
void LoadOptionalFaces()
{
    static const bool loaded = [] {
        for (const char* path :
             {"/usr/share/wine/fonts/ms_sans_serif.ttf", "/usr/share/wine/fonts/fixedsys.ttf"}) {
            if (QFile::exists(QLatin1String(path)))
                QFontDatabase::addApplicationFont(QLatin1String(path));
        }
        return true;
    }();
    Q_UNUSED(loaded);
}

// The bitmap faces hold strikes for 1x pixel sizes only: on a scaled screen Qt draws
// them at their 1x size with the letters spread apart. There, scalable faces of close
// metrics stand in for them.
bool ScreenIsScaled()
{
    return qGuiApp && !qFuzzyCompare(qGuiApp->devicePixelRatio(), 1.0);
}

QFont Face(const char* family, bool bold)
{
    LoadOptionalFaces();
    QFont font{QString::fromLatin1(family)};
    font.setBold(bold);
    return font;
}

QFont FaceInPixels(const char* family, int pixels, bool bold)
{
    QFont font = Face(family, bold);
    font.setPixelSize(pixels);
    return font;
}

QFont SansSerifFace(bool bold)
{
    QFont font = Face(ScreenIsScaled() ? "Liberation Sans" : "MS Sans Serif", bold);
    font.setStyleHint(QFont::SansSerif);
    // The bitmap face ligates "TM" into a trademark sign.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace

QFont VerdanaPixels(int pixels, bool bold)
{
    return FaceInPixels("Verdana", pixels, bold);
}

QFont ArialPoints(int points, bool bold)
{
    QFont font = Face("Arial", bold);
    font.setPointSize(points);
    return font;
}

QFont ArialPixels(int pixels, bool bold)
{
    return FaceInPixels("Arial", pixels, bold);
}

QFont SansSerifPoints(int points, bool bold)
{
    QFont font = SansSerifFace(bold);
    font.setPointSize(points);
    return font;
}

QFont SansSerifPixels(int pixels, bool bold)
{
    QFont font = SansSerifFace(bold);
    font.setPixelSize(pixels);
    return font;
}

QFont FixedsysFont()
{
    QFont font = Face(ScreenIsScaled() ? "Liberation Mono" : "Fixedsys", false);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

#include "support/FakePlatform.h"

namespace {

template <typename T> T TakeNext(std::deque<T>& queue, const T& fallback)
{
    const T next = queue.empty() ? fallback : queue.front();
    if (!queue.empty())
        queue.pop_front();
    return next;
}

} // namespace

void FakeMessageBoxes::Information(QWidget*, const QString& text)
{
    shown.append({Kind::Information, text, QStringLiteral("QB Kromi")});
}

void FakeMessageBoxes::Error(QWidget*, const QString& text)
{
    shown.append({Kind::Error, text, QStringLiteral("QB Kromi")});
}

bool FakeMessageBoxes::Question(QWidget*, const QString& text, const QString& title)
{
    shown.append({Kind::Question, text, title});
    return TakeNext(answers, false);
}

QString FakeFileDialogs::OpenFile(QWidget*, const FileDialogRequest& request)
{
    openRequests.append(request);
    return TakeNext(fileNames, QString());
}

QString FakeFileDialogs::SaveFile(QWidget*, const FileDialogRequest& request)
{
    saveRequests.append(request);
    return ApplyDefaultExtension(TakeNext(fileNames, QString()), request.defaultExtension);
}

std::optional<QString> FakeInputBox::GetText(QWidget*, const QString& title, const QString& prompt,
                                             const QString& initial)
{
    calls.append({title, prompt, initial});
    return TakeNext(answers, std::optional<QString>());
}

std::optional<QColor> FakeColourDialog::GetColour(QWidget*, const QColor& initial)
{
    initials.append(initial);
    return TakeNext(answers, std::optional<QColor>());
}

std::optional<FontChoice> FakeFontDialog::GetFont(QWidget*, const FontChoice& initial)
{
    initials.append(initial);
    return TakeNext(answers, std::optional<FontChoice>());
}

void FakeClipboard::SetText(const QString& newText)
{
    text = newText;
    image = QImage();
    mimeData.reset();
    ++changes;
}

void FakeClipboard::SetImage(const QImage& newImage)
{
    text.clear();
    image = newImage;
    mimeData.reset();
    ++changes;
}

void FakeClipboard::SetMimeData(QMimeData* data)
{
    text = data && data->hasText() ? data->text() : QString();
    image = data && data->hasImage() ? qvariant_cast<QImage>(data->imageData()) : QImage();
    mimeData.reset(data);
    ++changes;
}

QString FakeClipboard::Text() const
{
    return text;
}

QPoint FakeScreen::CursorPosition() const
{
    return cursorPosition;
}

void FakeScreen::SetCursorPosition(const QPoint& globalPos)
{
    cursorPosition = globalPos;
    cursorMoves.append(globalPos);
}

QColor FakeScreen::PixelAt(const QPoint& globalPos) const
{
    if (pixelColour)
        return pixelColour(globalPos);
    if (image.valid(globalPos))
        return image.pixelColor(globalPos);
    return QColor(Qt::black);
}

QImage FakeScreen::GrabWholeScreen() const
{
    if (!image.isNull())
        return image;
    QImage black(screenSize, QImage::Format_RGB32);
    black.fill(Qt::black);
    return black;
}

QSize FakeScreen::ScreenSize() const
{
    return screenSize;
}

QRect FakeScreen::ScreenGeometry() const
{
    return geometry.isValid() ? geometry : QRect(QPoint(0, 0), screenSize);
}

bool FakeScreen::CanGrabScreen() const
{
    return canGrab;
}

bool FakeShell::OpenDocument(const QString& path)
{
    openedPaths.append(path);
    return result;
}

void FakeWindowControl::SetOpacity(QWidget* window, int value)
{
    opacity.insert(window, value);
}

void FakeWindowControl::SetTopmost(QWidget* window, bool on)
{
    topmost.insert(window, on);
    ++topmostCalls;
}

void FakeColourPicker::PickColour(std::function<void(const PickedColour&)> done)
{
    ++requests;
    done(answer);
}

Platform FakePlatform::platform()
{
    return Platform{messages,  fileDialogs, inputBox, colourDialog,  fontDialog,
                    clipboard, screen,      shell,    windowControl, colourPicker};
}

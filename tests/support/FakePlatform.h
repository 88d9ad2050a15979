#pragma once
// Fakes of every platform interface for tests: scripted answers in queues, a record of
// every call. Nothing blocks. All members are public so tests can script and inspect.

#include "platform/Platform.h"

#include <QHash>
#include <QMimeData>
#include <QVector>

#include <deque>
#include <functional>
#include <memory>

class FakeMessageBoxes : public MessageBoxes
{
public:
    enum class Kind
    {
        Information,
        Error,
        Question
    };
    struct Shown
    {
        Kind kind;
        QString text;
        QString title; // "QB Kromi" for information boxes
    };

    void Information(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    // Takes the next scripted answer; with none left, No.
    bool Question(QWidget* parent, const QString& text, const QString& title) override;

    std::deque<bool> answers;
    QVector<Shown> shown;
};

class FakeFileDialogs : public FileDialogs
{
public:
    // Both take the next queued name ("" when none is left = cancel). SaveFile applies
    // the request's default extension as the real dialog does.
    QString OpenFile(QWidget* parent, const FileDialogRequest& request) override;
    QString SaveFile(QWidget* parent, const FileDialogRequest& request) override;

    std::deque<QString> fileNames;
    QVector<FileDialogRequest> openRequests;
    QVector<FileDialogRequest> saveRequests;
};

class FakeInputBox : public InputBox
{
public:
    struct Call
    {
        QString title;
        QString prompt;
        QString initial;
    };
    // The next queued answer; nullopt (cancel) when none is left.
    std::optional<QString> GetText(QWidget* parent, const QString& title, const QString& prompt,
                                   const QString& initial) override;

    std::deque<std::optional<QString>> answers;
    QVector<Call> calls;
};

class FakeColourDialog : public ColourDialog
{
public:
    // The next queued answer; nullopt (cancel) when none is left.
    std::optional<QColor> GetColour(QWidget* parent, const QColor& initial) override;

    std::deque<std::optional<QColor>> answers;
    QVector<QColor> initials;
};

class FakeFontDialog : public FontDialog
{
public:
    // The next queued answer; nullopt (cancel) when none is left.
    std::optional<FontChoice> GetFont(QWidget* parent, const FontChoice& initial) override;

    std::deque<std::optional<FontChoice>> answers;
    QVector<FontChoice> initials;
};

// Holds what a real clipboard would: each setter replaces the whole content.
class FakeClipboard : public Clipboard
{
public:
    void SetText(const QString& text) override;
    void SetImage(const QImage& image) override;
    void SetMimeData(QMimeData* data) override;
    // The text set last, or the text of the mime data set last.
    QString Text() const override;

    QString text;
    QImage image;
    std::unique_ptr<QMimeData> mimeData;
    int changes = 0;
};

class FakeScreen : public Screen
{
public:
    QPoint CursorPosition() const override;
    // Moves cursorPosition and records the place.
    void SetCursorPosition(const QPoint& globalPos) override;
    // pixelColour when set, else the pixel of image, else black.
    QColor PixelAt(const QPoint& globalPos) const override;
    // image when set, else a black picture of screenSize.
    QImage GrabWholeScreen() const override;
    QSize ScreenSize() const override;
    // geometry when set, else screenSize at the origin.
    QRect ScreenGeometry() const override;
    bool CanGrabScreen() const override;

    QPoint cursorPosition;
    QVector<QPoint> cursorMoves;
    std::function<QColor(const QPoint&)> pixelColour;
    QImage image;
    QSize screenSize{1280, 1024};
    // A scaled screen: an image larger than this geometry.
    QRect geometry;
    bool canGrab = true;
};

class FakeShell : public Shell
{
public:
    bool OpenDocument(const QString& path) override;

    QStringList openedPaths;
    bool result = true;
};

class FakeWindowControl : public WindowControl
{
public:
    void SetOpacity(QWidget* window, int opacity) override;
    void SetTopmost(QWidget* window, bool on) override;

    // The last value set per window.
    QHash<const QWidget*, int> opacity;
    QHash<const QWidget*, bool> topmost;
    int topmostCalls = 0;
};

// Answers every pick at once with `answer`.
class FakeColourPicker : public ColourPicker
{
public:
    void PickColour(std::function<void(const PickedColour&)> done) override;

    PickedColour answer{PickedColour::Outcome::Cancelled, QColor(), QString()};
    int requests = 0;
};

class FakePlatform
{
public:
    Platform platform();

    FakeMessageBoxes messages;
    FakeFileDialogs fileDialogs;
    FakeInputBox inputBox;
    FakeColourDialog colourDialog;
    FakeFontDialog fontDialog;
    FakeClipboard clipboard;
    FakeScreen screen;
    FakeShell shell;
    FakeWindowControl windowControl;
    FakeColourPicker colourPicker;
};

#include "platform/QtPlatform.h"

#include "platform/PortalColourPicker.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCursor>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

namespace {

// The program's texts break lines with a lone CR; a message box wants LF.
QString WithLineFeeds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

class QtMessageBoxes : public MessageBoxes
{
public:
    void Information(QWidget* parent, const QString& text) override
    {
        Show(QMessageBox::Information, parent, text);
    }
    void Error(QWidget* parent, const QString& text) override
    {
        Show(QMessageBox::Critical, parent, text);
    }
    bool Question(QWidget* parent, const QString& text, const QString& title) override
    {
        if (m_ending)
            return false;
        QMessageBox box(QMessageBox::Question, title, WithLineFeeds(text),
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }

    void Show(QMessageBox::Icon icon, QWidget* parent, const QString& text)
    {
        if (m_ending)
            return;
        QMessageBox box(icon, QStringLiteral("QB Kromi"), WithLineFeeds(text), QMessageBox::Ok,
                        parent);
        box.exec();
    }

    void EndSession()
    {
        m_ending = true;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
                box->reject();
        }
    }

private:
    bool m_ending = false;
};

class QtFileDialogs : public FileDialogs
{
public:
    QString OpenFile(QWidget* parent, const FileDialogRequest& request) override
    {
        return Run(parent, request, QFileDialog::AcceptOpen);
    }
    QString SaveFile(QWidget* parent, const FileDialogRequest& request) override
    {
        return Run(parent, request, QFileDialog::AcceptSave);
    }

private:
    static QString Run(QWidget* parent, const FileDialogRequest& request,
                       QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(parent, request.title, request.initialPath,
                           ConvertFileFilter(request.filter));
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        // The dialog adds the extension itself so that its overwrite check sees the real name.
        dialog.setDefaultSuffix(request.defaultExtension);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return ApplyDefaultExtension(dialog.selectedFiles().constFirst(), request.defaultExtension);
    }
};

class QtInputBox : public InputBox
{
public:
    std::optional<QString> GetText(QWidget* parent, const QString& title, const QString& prompt,
                                   const QString& initial) override
    {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial, &ok);
        if (!ok)
            return std::nullopt;
        return text;
    }
};

class QtColourDialog : public ColourDialog
{
public:
    std::optional<QColor> GetColour(QWidget* parent, const QColor& initial) override
    {
        // Qt's own dialog always shows the custom-colour part, i.e. it is "fully open".
        const QColor colour = QColorDialog::getColor(initial, parent);
        if (!colour.isValid())
            return std::nullopt;
        return colour;
    }
};

class QtFontDialog : public FontDialog
{
public:
    // Qt's font dialog has no colour of its own: it sits embedded above a colour
    // button, with one pair of OK and Cancel buttons for both.
    std::optional<FontChoice> GetFont(QWidget* parent, const FontChoice& initial) override
    {
        QDialog dialog(parent);
        dialog.setWindowTitle(QStringLiteral("Font"));
        // A face the system lacks would show as a bare substitute without its styles;
        // the dialog starts on the face that is really drawn.
        QFont preset = initial.font;
        if (!QFontDatabase::hasFamily(preset.family()))
            preset.setFamily(QFontInfo(preset).family());
        auto* fonts = new QFontDialog(preset, &dialog);
        fonts->setWindowFlags(Qt::Widget);
        fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        // Escape inside the embedded dialog would hide only that one.
        QObject::connect(fonts, &QDialog::rejected, &dialog, &QDialog::reject);
        QObject::connect(fonts, &QDialog::accepted, &dialog, &QDialog::accept);

        QColor colour = initial.colour.isValid() ? initial.colour : QColor(Qt::black);
        auto* colourButton = new QPushButton(QStringLiteral("&Color..."), &dialog);
        const auto showColour = [colourButton, &colour] {
            QPixmap swatch(24, 12);
            swatch.fill(colour);
            colourButton->setIcon(QIcon(swatch));
        };
        showColour();
        QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&] {
            const QColor chosen = QColorDialog::getColor(colour, &dialog);
            if (chosen.isValid()) {
                colour = chosen;
                showColour();
            }
        });
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

        auto* bottom = new QHBoxLayout;
        bottom->addWidget(colourButton);
        bottom->addStretch();
        bottom->addWidget(buttons);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(fonts);
        layout->addLayout(bottom);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return FontChoice{fonts->currentFont(), colour};
    }
};

class QtClipboard : public Clipboard
{
public:
    void SetText(const QString& text) override { QGuiApplication::clipboard()->setText(text); }
    void SetImage(const QImage& image) override { QGuiApplication::clipboard()->setImage(image); }
    void SetMimeData(QMimeData* data) override { QGuiApplication::clipboard()->setMimeData(data); }
    QString Text() const override { return QGuiApplication::clipboard()->text(); }
};

class QtScreen : public Screen
{
public:
    QPoint CursorPosition() const override { return QCursor::pos(); }
    void SetCursorPosition(const QPoint& globalPos) override { QCursor::setPos(globalPos); }
    QColor PixelAt(const QPoint& globalPos) const override
    {
        QScreen* screen = QGuiApplication::screenAt(globalPos);
        if (!screen)
            return QColor(Qt::black);
        const QPoint local = globalPos - screen->geometry().topLeft();
        const QImage pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
        if (pixel.isNull())
            return QColor(Qt::black);
        return pixel.pixelColor(0, 0);
    }
    QImage GrabWholeScreen() const override
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return QImage();
        return screen->grabWindow(0).toImage();
    }
    QSize ScreenSize() const override
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize();
    }
    QList<QRect> ScreenGeometries() const override
    {
        QList<QRect> geometries;
        for (const QScreen* screen : QGuiApplication::screens())
            geometries << screen->availableGeometry();
        return geometries;
    }
    QRect ScreenGeometry() const override
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry() : QRect();
    }
    bool CanGrabScreen() const override
    {
        // "wayland", "wayland-egl", ...
        return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    }
};

class QtShell : public Shell
{
public:
    // A web address opens in the browser; anything else must be an existing file.
    bool OpenDocument(const QString& path) override
    {
        const QUrl url(path);
        if (url.isValid() &&
            (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")))
            return QDesktopServices::openUrl(url);
        if (!QFileInfo::exists(path))
            return false;
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
};

class QtWindowControl : public WindowControl
{
public:
    void SetOpacity(QWidget* window, int opacity) override
    {
        window->setWindowOpacity(qBound(0, opacity, 255) / 255.0);
    }
    void SetTopmost(QWidget* window, bool on) override
    {
        // QWidget::setWindowFlag would hide the window; this keeps it showing.
        Qt::WindowFlags flags = window->windowFlags();
        flags.setFlag(Qt::WindowStaysOnTopHint, on);
        window->overrideWindowFlags(flags);
        if (QWindow* handle = window->windowHandle())
            handle->setFlags(flags);
    }
};

} // namespace

struct QtPlatform::Parts
{
    QtMessageBoxes messages;
    QtFileDialogs fileDialogs;
    QtInputBox inputBox;
    QtColourDialog colourDialog;
    QtFontDialog fontDialog;
    QtClipboard clipboard;
    QtScreen screen;
    QtShell shell;
    QtWindowControl windowControl;
    PortalColourPicker colourPicker;
};

QtPlatform::QtPlatform() : m_parts(std::make_unique<Parts>()) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::EndSession()
{
    m_parts->messages.EndSession();
}

Platform QtPlatform::platform()
{
    return Platform{m_parts->messages,     m_parts->fileDialogs, m_parts->inputBox,
                    m_parts->colourDialog, m_parts->fontDialog,  m_parts->clipboard,
                    m_parts->screen,       m_parts->shell,       m_parts->windowControl,
                    m_parts->colourPicker};
}

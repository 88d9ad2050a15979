#include "ui/windows/MainValuesPanel.h"

#include "colour/ColourText.h"
#include "platform/MessageBoxes.h"
#include "state/ColourTextInput.h"
#include "ui/Fonts.h"
#include "ui/widgets/OverstrikeLabel.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

constexpr int kRgbGroup = 0;
constexpr int kHslGroup = 1;
constexpr int kEditTops[2][3] = {{289, 303, 317}, {331, 345, 359}};
constexpr int kBarMaxima[2][3] = {{255, 255, 255}, {359, 100, 100}};

const QString& EditStatusText()
{
    static const QString text = QStringLiteral(
        "You can change the values using edit boxes. Just type the value, then press enter. "
        "You can use + and - keys to change the values, too. ");
    return text;
}

QLabel* MakeLabel(QWidget* window, const QString& text, int left, int top, const QColor& colour)
{
    auto* label = new OverstrikeLabel(text, window);
    label->setFont(SansSerifPoints(8, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(left, top);
    label->adjustSize();
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QLineEdit* MakeEdit(QWidget* window, const QRect& geometry, int maxLength)
{
    auto* edit = new QLineEdit(window);
    edit->setGeometry(geometry);
    edit->setFrame(false);
    edit->setMaxLength(maxLength);
    edit->setFont(SansSerifPoints(8));
    edit->setTextMargins(0, 0, 0, 0);
    edit->setMouseTracking(true);
    return edit;
}

// Focus that moves to another window or a menu is not "leaving the control".
bool IsRealFocusLoss(const QEvent* event)
{
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// The hex edit's own form: up to six hexadecimal digits without "#", read the
// program's way ("FFF" is 255, 255, 15). Any other text is read as CSS.
bool IsHexEditForm(const QString& text)
{
    if (text.size() > 6)
        return false;
    for (QChar c : text)
        if (HexDigitValue(c.unicode()) < 0)
            return false;
    return true;
}

// Compares before it builds a string: the refresh runs on every slider step.
void SetTextIfChanged(QLineEdit* edit, QStringView text)
{
    if (edit->text() != text)
        edit->setText(text.toString());
}

// `value` in decimal, written into `buffer`.
QStringView NumberText(char16_t (&buffer)[12], int value)
{
    char16_t* out = buffer;
    if (value < 0)
        *out++ = u'-';
    const std::uint32_t magnitude = value < 0 ? 0u - std::uint32_t(value) : std::uint32_t(value);
    return QStringView(buffer, WriteDecimal(out, magnitude));
}

} // namespace

MainValuesPanel::MainValuesPanel(QWidget* window, MainColour& mainColour, MessageBoxes& messages)
    : QObject(window), m_window(window), m_mainColour(mainColour), m_messages(messages)
{
    const QString rgbNames[3] = {QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
    const QColor rgbColours[3] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(0, 0, 255)};
    const QString hslNames[3] = {QStringLiteral("H"), QStringLiteral("S"), QStringLiteral("L")};
    const QString spokenNames[2][3] = {
        {QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")},
        {QStringLiteral("Hue"), QStringLiteral("Saturation"), QStringLiteral("Lightness")}};
    for (int group = 0; group < 2; ++group) {
        for (int i = 0; i < 3; ++i) {
            const int top = kEditTops[group][i];
            MakeLabel(window, group == kRgbGroup ? rgbNames[i] : hslNames[i], 12, top + 2,
                      group == kRgbGroup ? rgbColours[i] : QColor(Qt::black));
            QLineEdit* edit = MakeEdit(window, QRect(26, top, 23, 17), 3);
            edit->installEventFilter(this);
            edit->setAccessibleName(spokenNames[group][i]);
            auto* bar = new QScrollBar(Qt::Horizontal, window);
            bar->setAccessibleName(spokenNames[group][i]);
            bar->setGeometry(59, top + 1, 126, 12);
            bar->setRange(0, kBarMaxima[group][i]);
            bar->setSingleStep(1);
            bar->setPageStep(10);
            bar->setFocusPolicy(Qt::StrongFocus);
            bar->installEventFilter(this);
            if (group == kRgbGroup) {
                m_rgbEdits[i] = edit;
                m_rgbBars[i] = bar;
                connect(bar, &QScrollBar::valueChanged, this,
                        [this, i](int value) { m_mainColour.SetRgbChannel(i, value); });
            } else {
                m_hslEdits[i] = edit;
                m_hslBars[i] = bar;
                connect(bar, &QScrollBar::valueChanged, this,
                        [this, i](int value) { m_mainColour.SetHslChannel(i, value); });
            }
        }
    }
    MakeLabel(window, QStringLiteral("Hex"), 12, 377, Qt::black);
    MakeLabel(window, QStringLiteral("#"), 43, 377, Qt::black);
    // Long enough for any CSS color text as well as the six digits.
    m_hexEdit = MakeEdit(window, QRect(51, 376, 46, 15), int(kMaxQuotedLength));
    m_hexEdit->installEventFilter(this);
    m_hexEdit->setAccessibleName(QStringLiteral("Hex"));
    // Six hexadecimal digits are upper-cased as the last is typed; shorter hex
    // texts on Enter. Letters of a CSS text on the way ("beige") stay as typed.
    connect(m_hexEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text && text.size() == 6 && IsHexEditForm(text)) {
            const int cursor = m_hexEdit->cursorPosition();
            m_hexEdit->setText(upper);
            m_hexEdit->setCursorPosition(cursor);
        }
    });
    Refresh(ColourChange::FromRgb);
}

std::array<QString, 3> MainValuesPanel::Texts(int group) const
{
    const auto& edits = group == kRgbGroup ? m_rgbEdits : m_hslEdits;
    return {edits[0]->text(), edits[1]->text(), edits[2]->text()};
}

void MainValuesPanel::Refresh(ColourChange origin)
{
    const Rgb rgb = m_mainColour.rgb();
    const Hsl hsl = m_mainColour.hsl();
    const int bytes[3] = {rgb.red, rgb.green, rgb.blue};
    const int values[3] = {hsl.hue, hsl.saturation, hsl.lightness};
    char16_t buffer[12];
    for (int i = 0; i < 3; ++i) {
        SetTextIfChanged(m_rgbEdits[i], NumberText(buffer, bytes[i]));
        SetTextIfChanged(m_hslEdits[i], NumberText(buffer, values[i]));
        const QSignalBlocker rgbBlocker(m_rgbBars[i]);
        m_rgbBars[i]->setValue(bytes[i]);
        const QSignalBlocker hslBlocker(m_hslBars[i]);
        m_hslBars[i]->setValue(values[i]);
    }
    if (origin != ColourChange::FromHexText)
        SetTextIfChanged(m_hexEdit, QStringView(buffer, WriteHexText(buffer, rgb)));
}

void MainValuesPanel::ShowResult(int group, const EditTexts& result)
{
    auto& edits = group == kRgbGroup ? m_rgbEdits : m_hslEdits;
    for (int i = 0; i < 3; ++i)
        SetTextIfChanged(edits[i], result.texts[i]);
    if (!result.ok())
        m_messages.Information(m_window, result.error);
}

bool MainValuesPanel::FilterEditKey(int group, int index, QKeyEvent* event)
{
    const QString text = event->text();
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!Texts(group)[index].isEmpty()) {
            const EditTexts result = group == kRgbGroup ? m_mainColour.CommitRgbEdits(Texts(group))
                                                        : m_mainColour.CommitHslEdits(Texts(group));
            ShowResult(group, result);
        }
        return true;
    }
    if (text == QLatin1String("+") || text == QLatin1String("-")) {
        const int delta = text == QLatin1String("+") ? 1 : -1;
        const EditTexts result = group == kRgbGroup
                                     ? m_mainColour.StepRgbEdit(Texts(group), index, delta)
                                     : m_mainColour.StepHslEdit(Texts(group), index, delta);
        ShowResult(group, result);
        return true;
    }
    if (key == Qt::Key_Backspace || text.isEmpty())
        return false;
    const QChar first = text.at(0);
    if (first.isDigit() && first.unicode() < 128)
        return false;
    // Other printable characters are discarded; control characters (paste) pass.
    return first.unicode() >= 32;
}

bool MainValuesPanel::FilterHexKey(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    const QString text = m_hexEdit->text();
    if (text.isEmpty())
        return true;
    if (IsHexEditForm(text)) {
        const QString upper = text.toUpper();
        if (upper != text)
            m_hexEdit->setText(upper);
        const QString error = m_mainColour.ApplyHexText(upper);
        if (!error.isEmpty())
            m_messages.Information(m_window, error);
        return true;
    }
    emit statusText(ApplyColourText(m_mainColour, text));
    return true;
}

void MainValuesPanel::EditLostFocus(int group, int index)
{
    // The R edit's clamp skips empty edits; the other five read every edit.
    const bool skipEmpty = group == kRgbGroup && index == 0;
    const auto& maxima = group == kRgbGroup ? MainColour::kRgbMaxima : MainColour::kHslMaxima;
    ShowResult(group, ClampEditTexts(Texts(group), maxima, skipEmpty));
}

bool MainValuesPanel::eventFilter(QObject* watched, QEvent* event)
{
    for (int group = 0; group < 2; ++group) {
        const auto& edits = group == kRgbGroup ? m_rgbEdits : m_hslEdits;
        const auto& bars = group == kRgbGroup ? m_rgbBars : m_hslBars;
        for (int i = 0; i < 3; ++i) {
            if (watched == edits[i]) {
                if (event->type() == QEvent::KeyPress)
                    return FilterEditKey(group, i, static_cast<QKeyEvent*>(event));
                if (event->type() == QEvent::FocusOut && IsRealFocusLoss(event))
                    EditLostFocus(group, i);
                if (event->type() == QEvent::MouseMove)
                    emit statusText(EditStatusText());
                return false;
            }
            if (watched == bars[i]) {
                if (event->type() == QEvent::FocusOut && IsRealFocusLoss(event))
                    m_mainColour.RecordCurrent();
                return false;
            }
        }
    }
    if (watched == m_hexEdit) {
        if (event->type() == QEvent::KeyPress)
            return FilterHexKey(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::MouseMove)
            emit statusText(QStringLiteral("You can change the values using edit boxes. Just "
                                           "type the value, then press enter. "));
    }
    return false;
}

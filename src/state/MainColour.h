#pragma once
// The main colour: the one colour the whole program works on. Owns the bytes,
// the hue/saturation/lightness last shown and the web-safe flag, and runs every
// operation that changes them. Widgets listen to changed() and refresh silently;
// committed colours are announced through recorded() for the colour history.

#include "colour/ColourValues.h"

#include <QObject>
#include <QString>

#include <array>

// Where a change came from decides what the displays rewrite: after an HSL-side
// change the HSL values stay as entered; after hex Enter the hex edit keeps the
// text as typed.
enum class ColourChange
{
    FromRgb,
    FromHsl,
    FromHexText
};

// Three edit texts (R, G, B or H, S, L) after an operation, and the
// integer-conversion message when reading one of them failed.
struct EditTexts
{
    std::array<QString, 3> texts;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

class MainColour : public QObject
{
    Q_OBJECT
public:
    static constexpr Rgb kStartColour{6, 167, 255};
    static constexpr std::array<int, 3> kRgbMaxima{255, 255, 255};
    static constexpr std::array<int, 3> kHslMaxima{359, 100, 100};

    explicit MainColour(QObject* parent = nullptr);

    Rgb rgb() const { return m_rgb; }
    Hsl hsl() const { return m_hsl; }
    ColorRef colour() const { return PackColour(m_rgb); }
    bool isWebSafe() const { return m_webSafe; }

    // A red, green or blue scroll bar moved (channel 0..2): RefreshFromRgb, not recorded.
    void SetRgbChannel(int channel, int value);
    // A hue, saturation or lightness scroll bar moved: RefreshFromHsl, not recorded.
    void SetHslChannel(int channel, int value);
    // A scroll bar lost the focus: the current colour is recorded.
    void RecordCurrent();

    // Enter in an R, G or B edit: texts of 256 or more become "255", the bytes take
    // the three numbers, the colour is recorded. On a conversion failure the
    // operation stops there (the colour keeps what was set so far).
    EditTexts CommitRgbEdits(const std::array<QString, 3>& texts);
    // Enter in an H, S or L edit: H >= 360 becomes "359", S or L > 100 "100".
    EditTexts CommitHslEdits(const std::array<QString, 3>& texts);
    // "+" or "-" in edit `index`: its number +/- 1 (below 0 it becomes 65535, which
    // the clamp then turns into the maximum), then the commit.
    EditTexts StepRgbEdit(const std::array<QString, 3>& texts, int index, int delta);
    EditTexts StepHslEdit(const std::array<QString, 3>& texts, int index, int delta);

    // Enter in the hex edit; returns the conversion message on failure.
    QString ApplyHexText(const QString& text);
    void MakeWebsafe();
    void FindNegative();
    // The one entry for every part that sets the main colour from a colour it holds;
    // the colour is recorded.
    void SetMainColour(ColorRef colour);
    // Sets the colour and refreshes as an RGB-side change, without recording
    // (start-up, restored history, stepping through the history).
    void ShowColour(ColorRef colour);

signals:
    void changed(ColourChange origin);
    void recorded(ColorRef colour);

private:
    void RefreshFromRgb();
    void RefreshFromHsl();
    EditTexts Commit(const std::array<QString, 3>& texts, const std::array<int, 3>& maxima,
                     bool rgbSide);
    EditTexts Step(const std::array<QString, 3>& texts, int index, int delta,
                   const std::array<int, 3>& maxima, bool rgbSide);

    Rgb m_rgb = kStartColour;
    Hsl m_hsl;
    bool m_webSafe = false;
};

// Focus-loss clamp of one group of edits: numbers above the maximum are shown as
// the maximum. With skipEmpty an empty edit is left alone; otherwise it fails.
EditTexts ClampEditTexts(const std::array<QString, 3>& texts, const std::array<int, 3>& maxima,
                         bool skipEmpty);

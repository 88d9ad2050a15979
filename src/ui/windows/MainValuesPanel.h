#pragma once
// The " Color Values" part of the main window: the R, G, B, H, S, L edits with
// their key filter and focus-loss clamps, the six scroll bars and the hex edit.

#include "state/MainColour.h"

#include <QObject>

#include <array>

class MessageBoxes;
class QKeyEvent;
class QLineEdit;
class QScrollBar;
class QWidget;

class MainValuesPanel : public QObject
{
    Q_OBJECT
public:
    MainValuesPanel(QWidget* window, MainColour& mainColour, MessageBoxes& messages);

    // Rewrites every edit and scroll bar from the main colour without raising
    // their handlers; the hex edit keeps a typed text after hex Enter.
    void Refresh(ColourChange origin);

    QLineEdit* rgbEdit(int channel) const { return m_rgbEdits[channel]; }
    QLineEdit* hslEdit(int channel) const { return m_hslEdits[channel]; }
    QLineEdit* hexEdit() const { return m_hexEdit; }
    QScrollBar* rgbBar(int channel) const { return m_rgbBars[channel]; }
    QScrollBar* hslBar(int channel) const { return m_hslBars[channel]; }

signals:
    void statusText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FilterEditKey(int group, int index, QKeyEvent* event);
    bool FilterHexKey(QKeyEvent* event);
    void EditLostFocus(int group, int index);
    void ShowResult(int group, const EditTexts& result);
    std::array<QString, 3> Texts(int group) const;

    QWidget* m_window;
    MainColour& m_mainColour;
    MessageBoxes& m_messages;
    std::array<QLineEdit*, 3> m_rgbEdits{};
    std::array<QLineEdit*, 3> m_hslEdits{};
    std::array<QScrollBar*, 3> m_rgbBars{};
    std::array<QScrollBar*, 3> m_hslBars{};
    QLineEdit* m_hexEdit = nullptr;
};

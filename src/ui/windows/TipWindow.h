#pragma once
// The Tip window: shows the how-to text last chosen from any "?" menu. Not modal;
// closing ("X" or "Done") only hides it and the text stays current.

#include "ui/HowToTexts.h"
#include "ui/widgets/FramedWindow.h"

#include <QString>

class PanelButton;
class QLabel;
class QMenu;
class Screen;
struct Platform;

class TipWindow : public FramedWindow
{
    Q_OBJECT
public:
    explicit TipWindow(Screen& screen, QWidget* parent = nullptr);

    // Makes text the current tip; shows the window, or, when it is showing already,
    // replaces its text and brings it to the front without moving it.
    void ShowTip(const QString& text);
    QString TipText() const { return m_tipText; }

protected:
    // Centres the window on the first show and copies the current tip into the text area.
    void showEvent(QShowEvent* event) override;

private:
    void PutTextIntoArea();

    Screen& m_screen;
    QLabel* m_text;
    PanelButton* m_done;
    QString m_tipText;
    bool m_placed = false;
};

// Appends one action per how-to entry of `which` to menu; each shows its text in tip.
void AddHowToEntries(QMenu& menu, HelpMenu which, TipWindow& tip);

// "&Open Help Documents": opens ProgramDirectory + the "help" settings value with the
// desktop's viewer, or says "Help files can not be found." when the value is empty or
// names no file. A separator is put after programDirectory when it has none.
void OpenHelpDocument(const QString& helpValue, const QString& programDirectory, Platform& platform,
                      QWidget* parent);

#include "ui/windows/TipWindow.h"

#include "platform/Platform.h"
#include "storage/ProgramDirectory.h"
#include "ui/Fonts.h"
#include "ui/widgets/PanelButton.h"
#include "ui/windows/SplashWindow.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenu>

TipWindow::TipWindow(Screen& screen, QWidget* parent)
    : FramedWindow(QStringLiteral("Tip"), QSize(320, 220), parent), m_screen(screen),
      m_text(new QLabel(this)), m_done(new PanelButton(QStringLiteral("Done"), this))
{
    m_text->setObjectName(QStringLiteral("tipText"));
    m_text->setGeometry(8, 24, 305, 169);
    m_text->setFont(SansSerifPoints(8));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_done->setObjectName(QStringLiteral("doneButton"));
    m_done->setGeometry(232, 199, 81, 17);
    m_done->SetFace(243);
    m_done->setAutoFillBackground(true);
    m_done->setFont(SansSerifPoints(8));
    connect(m_done, &PanelButton::clicked, this, &QWidget::close);
}

void TipWindow::ShowTip(const QString& text)
{
    m_tipText = text;
    if (!isVisible()) {
        show();
        return;
    }
    PutTextIntoArea();
    raise();
    activateWindow();
}

void TipWindow::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        CentreOnScreen(*this, m_screen);
        m_placed = true;
    }
    PutTextIntoArea();
    FramedWindow::showEvent(event);
}

void TipWindow::PutTextIntoArea()
{
    // The texts break lines with a lone CR, which a label does not treat as a break.
    QString shown = m_tipText;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_text->setText(shown);
}

void AddHowToEntries(QMenu& menu, HelpMenu which, TipWindow& tip)
{
    for (const HowTo& howTo : HowTosOf(which)) {
        const QString text = howTo.text;
        QObject::connect(menu.addAction(howTo.caption), &QAction::triggered, &tip,
                         [&tip, text] { tip.ShowTip(text); });
    }
}

void OpenHelpDocument(const QString& helpValue, const QString& programDirectory, Platform& platform,
                      QWidget* parent)
{
    const QString notFound = QStringLiteral("Help files can not be found.");
    if (helpValue.isEmpty()) {
        platform.messages.Information(parent, notFound);
        return;
    }
    const QString path = WithTrailingSeparator(programDirectory) + helpValue;
    if (!QFileInfo(path).isFile()) {
        platform.messages.Information(parent, notFound);
        return;
    }
    // The viewer runs on its own; a shell that cannot open the file is not reported.
    platform.shell.OpenDocument(path);
}

#include "support/StartedProgram.h"
#include "ui/KeyboardMap.h"

#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QtTest>

// The help document keeps up with the program: every key and every menu entry of
// every window is named in it.
class HelpCoverageTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyKeyIsNamed();
    void everyMenuEntryIsNamed();

private:
    QString m_help;     // the document as plain text, blanks folded
    QString m_helpHtml; // as written
};

namespace {

QString Folded(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

} // namespace

void HelpCoverageTest::initTestCase()
{
    QFile file(QStringLiteral(KROMI_TEST_DATA_DIR "/../../data/help/qbkromi-help.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_helpHtml = QString::fromLatin1(file.readAll());
    m_help = Folded(QTextDocumentFragment::fromHtml(m_helpHtml).toPlainText());
}

void HelpCoverageTest::everyKeyIsNamed()
{
    QStringList missing;
    for (const KeyBinding& binding : KeyBindingTable()) {
        const QString kbd = QStringLiteral("<kbd>") + binding.KeyText() + QStringLiteral("</kbd>");
        if (!m_helpHtml.contains(kbd))
            missing << binding.KeyText();
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

void HelpCoverageTest::everyMenuEntryIsNamed()
{
    StartedProgram program;
    QStringList missing;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QMenu* menu : window->findChildren<QMenu*>()) {
            for (QAction* action : menu->actions()) {
                QString entry = action->text().remove(QLatin1Char('&'));
                entry = entry.section(QLatin1Char('\t'), 0, 0).trimmed();
                if (entry.endsWith(QStringLiteral("...")))
                    entry.chop(3);
                // Numbered entries ("Load Sample 2", "Protanomaly 0.4") by their name.
                entry.remove(QRegularExpression(QStringLiteral(" [0-9.]+$")));
                if (!action->isSeparator() && !entry.isEmpty() &&
                    !m_help.contains(Folded(entry), Qt::CaseInsensitive))
                    missing << entry;
            }
        }
    }
    missing.removeDuplicates();
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("\n"))));
}

QTEST_MAIN(HelpCoverageTest)
#include "tst_helpcoverage.moc"

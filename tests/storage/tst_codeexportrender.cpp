// The exported CSS as a real browser engine reads it: each custom property holds
// its colour. Runs where Debian's chromium-headless-shell is installed ("make
// deps"), skips elsewhere.

#include "state/ColourList.h"
#include "storage/CodeExports.h"
#include "storage/ItemNames.h"
#include "storage/TextFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <QUrl>

class CodeExportRenderTest : public QObject
{
    Q_OBJECT
private slots:
    void everyPropertyIsItsColour();
};

void CodeExportRenderTest::everyPropertyIsItsColour()
{
    const QString browser = QStandardPaths::findExecutable("chromium-headless-shell");
    if (browser.isEmpty())
        QSKIP("chromium-headless-shell is not installed");
    const QStringList items{FormatListItemText(PackColour(6, 167, 255)), "Sky blue #87CEEB",
                            "Sky blue #000001", FormatListItemText(PackColour(255, 255, 255)),
                            "日本 #123456"};
    QStringList names;
    for (const QString& item : items)
        names << ListItemName(item);
    const QStringList properties = SafeCodeNames(names);

    QTemporaryDir dir;
    QVERIFY(WriteWholeFile(dir.filePath("colours.css"), ExportListAsCss(items)));
    // Per property: its computed value on the root, and a colour set from it.
    const QByteArray page =
        "<!DOCTYPE html><html><head><link rel=\"stylesheet\" href=\"colours.css\"></head><body>"
        "<pre id=\"out\"></pre><script>"
        "const root = getComputedStyle(document.documentElement);"
        "const lines = [];"
        "for (const name of " +
        QJsonDocument(QJsonArray::fromStringList(properties)).toJson(QJsonDocument::Compact) +
        ") {"
        "  const probe = document.createElement('div');"
        "  probe.style.color = 'var(--' + name + ')';"
        "  document.body.appendChild(probe);"
        "  lines.push(name + '=' + root.getPropertyValue('--' + name).trim() + '=' +"
        "             getComputedStyle(probe).color);"
        "}"
        "document.getElementById('out').textContent = lines.join('|');"
        "</script></body></html>";
    QVERIFY(WriteWholeFile(dir.filePath("page.html"), page));

    QProcess run;
    run.start(browser, {"--no-sandbox", "--headless", "--disable-gpu",
                        "--user-data-dir=" + dir.filePath("profile"), "--dump-dom",
                        QUrl::fromLocalFile(dir.filePath("page.html")).toString()});
    // A guard against a hung browser, not a timing check.
    QVERIFY(run.waitForFinished(120000));
    QCOMPARE(run.exitCode(), 0);
    const QRegularExpressionMatch out = QRegularExpression("<pre id=\"out\">([^<]*)</pre>")
                                            .match(QString::fromUtf8(run.readAllStandardOutput()));
    QVERIFY(out.hasMatch());
    const QStringList lines = out.captured(1).split('|');
    QCOMPARE(lines.size(), items.size());
    for (int i = 0; i < items.size(); ++i) {
        const Rgb c = *ListItemColour(items[i]);
        QCOMPARE(lines[i],
                 QString("%1=#%2=rgb(%3, %4, %5)")
                     .arg(properties[i], QString::asprintf("%02x%02x%02x", c.red, c.green, c.blue))
                     .arg(c.red)
                     .arg(c.green)
                     .arg(c.blue));
    }
}

QTEST_GUILESS_MAIN(CodeExportRenderTest)
#include "tst_codeexportrender.moc"

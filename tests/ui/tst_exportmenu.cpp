#include "support/MainWindowKit.h"
#include "support/MainWindowParts.h"
#include "ui/features/ExportFeature.h"
#include "ui/features/ListFilesFeature.h"
#include "ui/widgets/PictureButton.h"

#include <QMenu>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class ExportMenuTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuEntriesAndPlace();
    void everyWayOpensTheMenu();
    void htmlOfAnEmptyListAsksNothing();
    void htmlWritesThePageUnlessCancelled();
    void acoWritesBytes();
    void paletteEntriesAskWithTheirOwnTexts_data();
    void paletteEntriesAskWithTheirOwnTexts();
    void writeFailuresAreReported_data();
    void writeFailuresAreReported();
    void dialogsStartInTheFolderLastUsedForTheirKind();

private:
    QByteArray ReadFile(const QString& path) const;

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindowKit> m_kit;
    FakePlatform* m_fake = nullptr;
    ColourList* m_list = nullptr;
    MainWindow* m_window = nullptr;
    std::unique_ptr<ExportFeature> m_export;
};

void ExportMenuTest::init()
{
    m_kit = std::make_unique<MainWindowKit>(m_dir.path() + QLatin1Char('/'));
    m_fake = &m_kit->fake;
    m_list = &m_kit->list;
    m_window = &m_kit->window;
    m_export = std::make_unique<ExportFeature>(m_kit->context);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void ExportMenuTest::cleanup()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    m_export.reset();
    m_kit.reset();
}

QByteArray ExportMenuTest::ReadFile(const QString& path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ExportMenuTest::menuEntriesAndPlace()
{
    const QList<QAction*> actions = m_export->exportMenu()->actions();
    QStringList texts;
    for (const QAction* action : actions)
        texts << action->text();
    QCOMPARE(texts, (QStringList{"Export as &HTML", "Export as &ACO", "Export as &GIMP Palette",
                                 "Export as AS&E", "Export as &CSS", "Export as &SCSS",
                                 "Export as Design &Tokens"}));
    m_export->ShowExportMenu();
    PictureButton* button = ToolButtonOf(*m_window, MainWindow::ExportButton);
    QCOMPARE(m_export->exportMenu()->pos(), button->mapToGlobal(button->rect().center()));
}

void ExportMenuTest::everyWayOpensTheMenu()
{
    QMenu* menu = m_export->exportMenu();
    QTest::keyClick(m_window, Qt::Key_F10);
    QVERIFY(menu->isVisible());
    menu->close();
    QTest::keyClick(m_window, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(menu->isVisible());
    menu->close();
    PictureButton* button = ToolButtonOf(*m_window, MainWindow::ExportButton);
    QTest::mousePress(button, Qt::MiddleButton);
    QVERIFY(menu->isVisible());
    menu->close();
    QTest::mouseRelease(button, Qt::MiddleButton);
}

void ExportMenuTest::htmlOfAnEmptyListAsksNothing()
{
    m_export->ExportListAsHtml();
    QVERIFY(m_fake->fileDialogs.saveRequests.isEmpty());
}

void ExportMenuTest::htmlWritesThePageUnlessCancelled()
{
    for (int i = 0; i < 300; ++i)
        m_list->AddDroppedColourToList(PackColour(std::uint8_t(i), 167, 255));
    m_export->ExportListAsHtml(); // cancelled: nothing written
    QCOMPARE(m_fake->fileDialogs.saveRequests.size(), 1);
    const FileDialogRequest request = m_fake->fileDialogs.saveRequests[0];
    QCOMPARE(request.filter, QStringLiteral("HTML (*.html)|*.html"));
    QVERIFY(request.overwritePrompt);
    QVERIFY(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
    QVERIFY(!ProgressBarOf(*m_window)->isVisible());

    const QString path = m_dir.filePath(QStringLiteral("colours"));
    m_fake->fileDialogs.fileNames.push_back(path);
    m_export->ExportListAsHtml();
    const QByteArray page = ReadFile(path + QStringLiteral(".html"));
    QVERIFY(page.startsWith("<!--"));
    QVERIFY(page.contains("RGB : ( 6 , 167 , 255 )<br>HSL : ( 201 , 100 , 51 )<br>HEX : #06A7FF"));
    QVERIFY(page.endsWith(" </tr>  </table></body></html>"));
    QVERIFY(!page.contains('\n'));
}

void ExportMenuTest::acoWritesBytes()
{
    m_list->AddDroppedColourToList(PackColour(6, 167, 255));
    const QString path = m_dir.filePath(QStringLiteral("swatches.ACO"));
    m_fake->fileDialogs.fileNames.push_back(path);
    m_export->ExportList(ListFileKind::Aco);
    QCOMPARE(m_fake->fileDialogs.saveRequests[0].filter,
             QStringLiteral("Photoshop ACO File|*.ACO"));
    QCOMPARE(ReadFile(path), QByteArray::fromHex("0001000100000606A7A7FFFF0000"));
    QVERIFY(m_fake->messages.shown.isEmpty());
}

void ExportMenuTest::paletteEntriesAskWithTheirOwnTexts_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("ACO") << 1 << "Export as ACO"
                         << "Photoshop ACO File|*.ACO"
                         << "ACO" << QByteArray::fromHex("0001");
    QTest::newRow("GIMP") << 2 << "Export as GIMP Palette"
                          << "GIMP Palette|*.gpl"
                          << "gpl" << QByteArray("GIMP Palette\nName: out\n");
    QTest::newRow("ASE") << 3 << "Export as ASE"
                         << "Adobe Swatch Exchange|*.ase"
                         << "ase" << QByteArray("ASEF\0\1\0\0\0\0\0\1", 12);
    QTest::newRow("CSS") << 4 << "Export as CSS"
                         << "CSS Custom Properties|*.css"
                         << "css" << QByteArray(":root {\r\n  --color-06a7ff: #06a7ff;\r\n}");
    QTest::newRow("SCSS") << 5 << "Export as SCSS"
                          << "SCSS Variables|*.scss"
                          << "scss" << QByteArray("$color-06a7ff: #06a7ff;\r\n");
    QTest::newRow("design tokens") << 6 << "Export as Design Tokens"
                                   << "Design Tokens|*.tokens.json;*.json"
                                   << "tokens.json" << QByteArray("{\r\n  \"color-06a7ff\": {");
}

void ExportMenuTest::paletteEntriesAskWithTheirOwnTexts()
{
    QFETCH(int, entry);
    m_list->AddDroppedColourToList(PackColour(6, 167, 255));
    const QString path = m_dir.filePath(QStringLiteral("out.pal"));
    m_fake->fileDialogs.fileNames.push_back(path);
    m_export->exportMenu()->actions()[entry]->trigger();
    QCOMPARE(m_fake->fileDialogs.saveRequests.size(), 1);
    const FileDialogRequest& request = m_fake->fileDialogs.saveRequests[0];
    QTEST(request.title, "title");
    QTEST(request.filter, "filter");
    QTEST(request.defaultExtension, "extension");
    QVERIFY(request.overwritePrompt);
    QFETCH(QByteArray, start);
    QVERIFY(ReadFile(path).startsWith(start));
}

void ExportMenuTest::writeFailuresAreReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("HTML") << "blocked.html";
    QTest::newRow("ACO") << "blocked.ACO";
}

// A folder in the way cannot be replaced: reported with the system's reason,
// nothing else touched.
void ExportMenuTest::writeFailuresAreReported()
{
    QFETCH(QString, name);
    m_list->AddDroppedColourToList(PackColour(6, 167, 255));
    const QString blocked = m_dir.filePath(name);
    QVERIFY(QDir().mkdir(blocked));
    m_fake->fileDialogs.fileNames.push_back(blocked);
    if (name.endsWith(QLatin1String(".html")))
        m_export->ExportListAsHtml();
    else
        m_export->ExportList(ListFileKind::Aco);
    QCOMPARE(m_fake->messages.shown.size(), 1);
    const QString prefix = QStringLiteral("Cannot create file ") + blocked + QLatin1Char('\n');
    QVERIFY(m_fake->messages.shown[0].text.startsWith(prefix));
    QVERIFY(m_fake->messages.shown[0].text.size() > prefix.size());
    QVERIFY(QFileInfo(blocked).isDir());
    QVERIFY(QDir().rmdir(blocked));
}

void ExportMenuTest::dialogsStartInTheFolderLastUsedForTheirKind()
{
    ListFilesFeature lists(m_kit->context);
    m_list->AddDroppedColourToList(PackColour(6, 167, 255));
    QDir folder(m_dir.path());
    QVERIFY(folder.mkpath(QStringLiteral("exports")) && folder.mkpath(QStringLiteral("lists")));
    const QString exports = folder.absoluteFilePath(QStringLiteral("exports"));
    const QString listFolder = folder.absoluteFilePath(QStringLiteral("lists"));
    const QString start = folder.absolutePath();
    auto& dialogs = m_fake->fileDialogs;

    m_fake->messages.answers = {true}; // load although the list has changed
    lists.LoadList();                  // cancelled
    dialogs.fileNames = {exports + QStringLiteral("/page")};
    m_export->ExportListAsHtml();
    m_export->ExportList(ListFileKind::Aco); // cancelled
    dialogs.fileNames = {listFolder + QStringLiteral("/mine")};
    lists.SaveListAs();
    lists.LoadList();
    m_export->ExportListAsHtml();
    QStringList starts;
    for (const FileDialogRequest& request : dialogs.saveRequests + dialogs.openRequests)
        starts << request.initialPath;
    // Saves: HTML, ACO, Save As, HTML; opens: Load, Load.
    QCOMPARE(starts, (QStringList{start, exports, start, exports, start, listFolder}));
}

QTEST_MAIN(ExportMenuTest)
#include "tst_exportmenu.moc"
